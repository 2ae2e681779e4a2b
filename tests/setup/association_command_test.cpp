#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "association_command.h"
#include "text_limits.h"

namespace {

// Programs are found in C:\App; the test sees what the resolver was asked.
std::string Command(const std::string& command, std::string* asked = nullptr, size_t size = 520)
{
    std::string out(size, '\0');
    bool fits = FormAssociationCommand(
        command.c_str(),
        [&](const char* program, char* resolved) {
            if (asked) *asked = program;
            std::strcpy(resolved, ("C:\\App\\" + std::string(program)).c_str());
        },
        out.data(), size);
    EXPECT_EQ(fits, out[0] != '\0') << command;
    return out.c_str();
}

} // namespace

TEST(AssociationCommand, QuotedAndUnquotedForms)
{
    std::string asked;
    EXPECT_EQ(Command("\"my tool.exe\" /open \"%1\"", &asked), "\"C:\\App\\my tool.exe\" /open \"%1\"");
    EXPECT_EQ(asked, "my tool.exe");
    EXPECT_EQ(Command("\"tool.exe"), "\"C:\\App\\tool.exe\"");
    EXPECT_EQ(Command("\"tool.exe\""), "\"C:\\App\\tool.exe\"");
    // Unquoted: the blank stays also without arguments; a tab ends the program too.
    EXPECT_EQ(Command("tool.exe"), "C:\\App\\tool.exe ");
    EXPECT_EQ(Command("tool.exe \"%1\""), "C:\\App\\tool.exe \"%1\"");
    EXPECT_EQ(Command("tool.exe\t%1", &asked), "C:\\App\\tool.exe %1");
    EXPECT_EQ(asked, "tool.exe");
    // Refused rather than cut.
    EXPECT_EQ(Command("tool.exe " + std::string(40, 'a'), nullptr, 50), "");
}
