#include <gtest/gtest.h>

#include <string>

#include "run_entry.h"
#include "text_limits.h"

namespace {

std::string Fields(std::string entry)
{
    RunEntry run;
    SplitRunEntry(entry.data(), run);
    return std::string(run.target) + "|" + run.entryPoint + "|" + run.show;
}

// "file|parameters"
std::string FileAndParameters(const std::string& target, size_t size = kLongValueSize)
{
    std::string file(size, '\0');
    const char* parameters = nullptr;
    bool fits = SplitFileAndParameters(target.c_str(), file.data(), size, &parameters);
    EXPECT_EQ(fits, file[0] != '\0') << target;
    return std::string(file.c_str()) + "|" + parameters;
}

} // namespace

TEST(RunEntry, FieldsAndWindowStates)
{
    EXPECT_EQ(Fields("C:\\a.exe -x"), "C:\\a.exe -x||");
    EXPECT_EQ(Fields("C:\\a.exe;;hide"), "C:\\a.exe||hide");
    EXPECT_EQ(Fields("a.dll;Entry;max;more"), "a.dll|Entry|max;more");
    // "表" ends in 0x5C, "ソ" too; ";" is found after them only.
    EXPECT_EQ(Fields("\x95\x5C.dll;E"), "\x95\x5C.dll|E|");
    EXPECT_EQ(RunWindowOfName("MAX"), RunWindow::Maximized);
    EXPECT_EQ(RunWindowOfName("Min"), RunWindow::Minimized);
    EXPECT_EQ(RunWindowOfName("hide"), RunWindow::Hidden);
    for (const char* other : {"", "hidden", " max", "normal"}) EXPECT_EQ(RunWindowOfName(other), RunWindow::Normal);
}

TEST(RunEntry, FileAndParameters)
{
    EXPECT_EQ(FileAndParameters("\"C:\\My App\\a.exe\" -x \"y z\""), "\"C:\\My App\\a.exe\"|-x \"y z\"");
    EXPECT_EQ(FileAndParameters("\"C:\\My App\\a.exe\""), "\"C:\\My App\\a.exe\"|");
    EXPECT_EQ(FileAndParameters("\"C:\\My App\\a.exe\" "), "\"C:\\My App\\a.exe\"|");
    // The character after the closing quote is skipped, a double-byte one whole.
    EXPECT_EQ(FileAndParameters("\"a.exe\"\x95\x5Cx"), "\"a.exe\"|x");
    EXPECT_EQ(FileAndParameters("\"C:\\My App\\a.exe"), "\"C:\\My App\\a.exe\"|");
    // Unquoted: the first blank only; a tab does not split.
    EXPECT_EQ(FileAndParameters("C:\\a.exe -x  y"), "C:\\a.exe|-x  y");
    EXPECT_EQ(FileAndParameters("C:\\a.exe\t-x"), "C:\\a.exe\t-x|");
    EXPECT_EQ(FileAndParameters("\"" + std::string(20, 'a'), 21), "|");
}
