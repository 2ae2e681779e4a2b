// trenvika on a system whose code page is not 932 (run with LC_ALL=C.UTF-8).
#include "gtest_wine_frames.h"
#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

const bool kWineFrames = UseWineFramesDuringTests({L"trénvika.exe", L"trenvika.exe"});

TEST(CodePage1252, AnUnquotedProgramPathWithAccentsKeepsItsArguments)
{
    TempFolder folder(L"trenvika-Übersicht"); // no blank: the path goes unquoted
    std::filesystem::path home = folder / L"";
    std::filesystem::path program = home / L"trénvika.exe";
    std::filesystem::copy_file(TRENVIKA_EXE, program);
    WriteDrawing(home / L"in.dxf", 20000);

    // The name's accented bytes must not end it: the two arguments are
    // in.dxf and out.dxf, so the conversion runs at once.
    Process process = Process::LaunchCommandLine(program.wstring() + L" in.dxf out.dxf", home.wstring());
    HWND dialog = FindDialog(process.Id(), kTitle);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ItemText(dialog, IDC_SOURCE), L"in.dxf");
    EXPECT_EQ(ItemText(dialog, IDC_OUTPUT), L"out.dxf");
    // The template's Japanese texts come as UTF-16 whatever the code page.
    EXPECT_EQ(ItemText(dialog, IDCANCEL), L"中断");
    EXPECT_EQ(ItemText(dialog, IDC_SOURCE_LABEL), L"元のDXF");
    EXPECT_TRUE(process.WaitForExit(20000));
    EXPECT_TRUE(ReadBytes(home / L"out.dxf") == ConsoleConversion(home / L"in.dxf", home));
}
