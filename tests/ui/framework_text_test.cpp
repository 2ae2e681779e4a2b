#include <gtest/gtest.h>

#include "framework/command_tail.h"
#include "framework/file_filter.h"
#include "framework/module_path.h"

using namespace std::string_literals;

TEST(FileFilter, BarsBecomeNulsAndTheListEndsInTwo)
{
    std::wstring filter = FilterForDialog(L"DXFﾌｧｲﾙ (*.dxf)|*.dxf|全てのﾌｧｲﾙ (*.*)|*.*||");
    EXPECT_EQ(filter, L"DXFﾌｧｲﾙ (*.dxf)\0*.dxf\0全てのﾌｧｲﾙ (*.*)\0*.*\0\0"s);
    // With the string's own terminator the dialog sees "...\0\0\0": still one end.
    EXPECT_EQ(FilterForDialog(L"Text|*.txt"), L"Text\0*.txt\0\0"s);
    EXPECT_EQ(FilterForDialog(L"Text|*.txt|"), L"Text\0*.txt\0\0"s);
}

TEST(FileFilter, AnEmptyFilterIsAnEmptyList)
{
    EXPECT_EQ(FilterForDialog(L""), L"\0"s);
}

TEST(ModulePath, BaseNameAndHelpFileBesideTheProgram)
{
    EXPECT_EQ(FileBaseName(L"C:\\Program Files\\Trenvika\\trenvika.exe"), L"trenvika");
    EXPECT_EQ(WithExtension(L"C:\\Program Files\\Trenvika\\trenvika.exe", L"HLP"),
              L"C:\\Program Files\\Trenvika\\trenvika.HLP");
    // Only the last dot of the file name counts, never one in a folder name.
    EXPECT_EQ(FileBaseName(L"C:\\v1.2\\trenvika.old.exe"), L"trenvika.old");
    EXPECT_EQ(WithExtension(L"C:\\v1.2\\trenvika", L"HLP"), L"C:\\v1.2\\trenvika.HLP");
    EXPECT_EQ(FileBaseName(L"Z:/work/build/trenvika.exe"), L"trenvika");
    EXPECT_EQ(FileBaseName(L"trenvika"), L"trenvika");
}

TEST(CommandLineTail, SkipsTheProgramNameAndTheWhiteSpaceAfterIt)
{
    EXPECT_STREQ(CommandLineTail("trenvika.exe a.dxf b.dxf"), "a.dxf b.dxf");
    EXPECT_STREQ(CommandLineTail("\"C:\\Program Files\\trenvika.exe\" \t \"a b.dxf\""), "\"a b.dxf\"");
    // Quotes may start inside the name.
    EXPECT_STREQ(CommandLineTail("C:\\\"Program Files\"\\trenvika.exe x"), "x");
    EXPECT_STREQ(CommandLineTail("trenvika.exe"), "");
    EXPECT_STREQ(CommandLineTail("trenvika.exe   "), "");
    EXPECT_STREQ(CommandLineTail(nullptr), "");
}

TEST(CommandLineTail, ANameWithDoubleByteCharactersIsSkippedWhole)
{
    // C:\測量\trenvika.exe in code page 932.
    EXPECT_STREQ(CommandLineTail("C:\\\x91\xaa\x97\xca\\trenvika.exe in.dxf"), "in.dxf");
}
