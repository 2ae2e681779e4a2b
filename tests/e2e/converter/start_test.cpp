// Start-up: the dialog as it first appears, the dialogs it opens while idle,
// and the command line.
#include <chrono>

#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

// For all tests of this program.
const WineWindowFrames kWineFrames{L"trenvika.exe"};

namespace {

// The labels in the order of the template, as code page 932 shows them.
const std::pair<int, const wchar_t*> kTexts[] = {
    {IDC_SOURCE_LABEL, L"元のDXF"}, {IDC_OUTPUT_LABEL, L"変換後"}, {IDC_REFERENCE_X, L"X基準"},
    {IDC_REFERENCE_Y, L"Y基準"},    {IDOK, L"変換"},               {IDCANCEL, L"終了"},
    {ID_HELP, L"ﾍﾙﾌﾟ(&H)"},
};

// The file name box (an edit inside cmb13) of the file dialog that the
// program opened over its main dialog.
HWND FileNameBox(const Trenvika& app)
{
    HWND edit = nullptr;
    auto find = [](HWND child, LPARAM result) -> BOOL {
        if (GetDlgCtrlID(child) != 0x47c || ClassName(child) != L"Edit") return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
    };
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(app.process.Id()))
            if (window != app.dialog) EnumChildWindows(window, find, reinterpret_cast<LPARAM>(&edit));
        return edit != nullptr;
    });
    return edit;
}

} // namespace

TEST(Start, WithoutArgumentsTheDialogWaitsAsDefinedWithItsAboutBoxAndFileDialogs)
{
    TempFolder folder;
    std::filesystem::path first = folder / "first.dxf";
    std::filesystem::path second = folder / "second.dxf";
    std::filesystem::copy_file(kSample, first);
    std::filesystem::copy_file(kSample, second);
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), L"");
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));
    EXPECT_FALSE(IsItemChecked(app.dialog, IDC_REFERENCE_Y));
    EXPECT_TRUE(app.ShowsInputs());

    for (auto [id, text] : kTexts) EXPECT_EQ(ItemText(app.dialog, id), text) << id;
    DialogUnits units(kFont, 9);
    SIZE size = units.SizeToPixels(186, 93);
    EXPECT_EQ(ClientSize(app.dialog).cx, size.cx);
    EXPECT_EQ(ClientSize(app.dialog).cy, size.cy);
    // The browse buttons take the size of their pictures.
    RECT browse = ItemRect(app.dialog, IDC_BROWSE_OUTPUT), want = units.ToPixels(166, 31, 13, 12);
    EXPECT_TRUE(browse.left == want.left && browse.top == want.top && browse.right - browse.left == 22 &&
                browse.bottom - browse.top == 21);

    // The About box, from the system menu, over the converter that stays.
    SystemCommand(app.dialog, IDM_ABOUTBOX);
    HWND about = FindDialog(app.process.Id(), L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika");
    ASSERT_TRUE(about);
    ScreenshotForReadme(about, L"converter-about.png", 2); // the converter lies behind
    EXPECT_EQ(Text(GetWindow(GetWindow(about, GW_CHILD), GW_HWNDNEXT)), L"Trenvika Version 1.2");
    PressKey(about, VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(app.ShowsInputs());

    // The open dialog starts at the current source and takes the choice.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), first.wstring()));
    ClickItem(app.dialog, IDC_BROWSE_SOURCE);
    HWND name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"first.dxf");
    ASSERT_TRUE(SetText(name, second.wstring()));
    HWND open = GetAncestor(name, GA_ROOT);
    PressKey(open, VK_RETURN);
    ASSERT_TRUE(WaitForWindowGone(open));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_SOURCE) == second.wstring(); }));

    // The save dialog does not offer the current output.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_OUTPUT), (folder / "offered.dxf").wstring()));
    ScreenshotForReadme(app.dialog, L"converter-idle.png");
    ClickItem(app.dialog, IDC_BROWSE_OUTPUT);
    name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"");
    HWND save = GetAncestor(name, GA_ROOT);
    PressKey(save, VK_ESCAPE);
    ASSERT_TRUE(WaitForWindowGone(save));
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), (folder / "offered.dxf").wstring());

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_EQ(app.process.ExitCode(), 0u);
}

TEST(Start, OneArgumentFillsTheSourceAndWaits)
{
    TempFolder folder;
    // An unterminated quote takes the rest of the line: one argument, blanks and all.
    std::wstring rest = (folder / "in.dxf").wstring() + L"  out.dxf";
    Trenvika app(L"\"" + rest, folder.Path());
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), rest);
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    Sleep(1500); // a run would have shown its status by now
    EXPECT_TRUE(app.ShowsInputs());
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    ClickItem(app.dialog, IDCANCEL);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(Start, TwoArgumentsConvertAtOnceWithXReferenceAndClose)
{
    TempFolder folder;
    // Japanese names whose Shift-JIS trail byte is 0x5C (表, ソ, 能), the
    // source's last one right before its closing quote.
    std::filesystem::path work = folder / L"表示ソフト";
    std::filesystem::path source = work / L"断面 表";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(kSample, source);

    // A quoted path with a blank, then tabs and blanks before the second,
    // which names the output in the program's working folder.
    auto start = std::chrono::steady_clock::now();
    Trenvika app(Quoted(source) + L" \t\t  結果能.dxf", work);
    ASSERT_TRUE(app.dialog);
    EXPECT_TRUE(app.ShowsStatus()); // started during initialisation, before it was first shown
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"中断");
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"結果能.dxf");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));

    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    auto summary = std::chrono::steady_clock::now();
    ScreenshotForReadme(app.dialog, L"converter-summary.png"); // it stays up for a second
    EXPECT_EQ(app.Status(), L"002146 SourceLines\n000146 Points\n000006 PolyLines\n\n000006 WritePolyLines\n\n"
                            L"Terminate Process");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.dialog); }, 10000));
    auto closed = std::chrono::steady_clock::now();
    EXPECT_TRUE(app.WaitForEnd());

    using ms = std::chrono::milliseconds;
    EXPECT_GE(std::chrono::duration_cast<ms>(summary - start).count(), 900); // the first poll, a second in
    auto pause = std::chrono::duration_cast<ms>(closed - summary).count();
    EXPECT_GE(pause, 900);
    EXPECT_LE(pause, 2500);
    EXPECT_TRUE(ReadBytes(work / L"結果能.dxf") == Golden(L"x")) << "the output differs from trenvika-cli's";
}
