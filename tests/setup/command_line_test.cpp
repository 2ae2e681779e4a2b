#include <gtest/gtest.h>

#include <string>

#include "command_line.h"

namespace {

// 表 and ソ: Shift-JIS characters whose trail byte is the backslash code.
const std::string kHyo = "\x95\x5C";
const std::string kSo = "\x83\x5C";

const std::string kBlankPath = "C:\\Program Files\\Tool\\Setup.exe";
const std::string kJapanesePath = "C:\\Program Files\\" + kHyo + "\\" + kSo + "\\Setup.exe";

} // namespace

// The argument text of quoted and unquoted command lines, as Windows hands
// them over: an unquoted path with blanks is recognised as the program's
// own, in any letter case, and only as a whole path.
TEST(CommandLine, ArgumentTextOfRawCommandLines)
{
    const struct {
        std::string line, program, arguments;
    } cases[] = {
        {"\"" + kBlankPath + "\" remove", kBlankPath, "remove"},
        {"Setup.exe \t uninstall", "C:\\Tool\\Setup.exe", "uninstall"},
        {"\"C:\\a b\\Setup.exe\"", "C:\\a b\\Setup.exe", ""},
        {"\"unclosed remove", "", ""},
        {"Setup.exe a  b ", "", "a  b "},
        // What the system's uninstall list held before: unquoted.
        {kBlankPath + " uninstall", kBlankPath, "uninstall"},
        {kBlankPath, kBlankPath, ""},
        {"c:\\PROGRAM FILES\\tool\\setup.EXE\tuninstall", kBlankPath, "uninstall"},
        {kJapanesePath + " uninstall", kJapanesePath, "uninstall"},
        // Not the program's path: split at the first blank, as before.
        {kBlankPath + "x uninstall", kBlankPath, "Files\\Tool\\Setup.exex uninstall"},
        {kBlankPath + " uninstall", "", "Files\\Tool\\Setup.exe uninstall"},
        {"C:\\Other Files\\Setup.exe uninstall", kBlankPath, "Files\\Setup.exe uninstall"},
        // A trail byte is never folded as a letter: "\x83\x7C" is not "\x83\x5C".
        {"C:\\Program Files\\" + kHyo + "\\\x83\x7C\\Setup.exe uninstall", kJapanesePath,
         "Files\\" + kHyo + "\\\x83\x7C\\Setup.exe uninstall"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArgumentText(c.line.c_str(), c.program.c_str()), c.arguments) << c.line;
}

TEST(CommandLine, ModesAreExactAndRemoveTakesTheMadeParentFolders)
{
    int parents = -1;
    EXPECT_EQ(ModeOfArguments("remove", &parents), StartMode::Remove);
    EXPECT_EQ(parents, 0);
    EXPECT_EQ(ModeOfArguments("remove 2", &parents), StartMode::Remove);
    EXPECT_EQ(parents, 2);
    EXPECT_EQ(ModeOfArguments("uninstall", &parents), StartMode::Uninstall);
    EXPECT_EQ(parents, 0);
    for (const char* normal : {"UNINSTALL", "remove ", "remove 0", "remove 12", "remove x", "Remove", "removed", ""})
        EXPECT_EQ(ModeOfArguments(normal), StartMode::Normal) << normal;

    char command[300];
    ASSERT_TRUE(FormRemovalCommand(kBlankPath.c_str(), 0, command, sizeof command));
    EXPECT_EQ(std::string(command), "\"" + kBlankPath + "\" remove");
    ASSERT_TRUE(FormRemovalCommand(kBlankPath.c_str(), 1, command, sizeof command));
    EXPECT_EQ(ModeOfArguments(ArgumentText(command, kBlankPath.c_str()), &parents), StartMode::Remove);
    EXPECT_EQ(parents, 1);
    EXPECT_FALSE(FormRemovalCommand(kBlankPath.c_str(), 0, command, 20));
    EXPECT_STREQ(command, "");
}

// The uninstall command is registered quoted; the folder of an earlier
// installation is read from both forms.
TEST(CommandLine, UninstallCommandRoundTrip)
{
    char command[300], folder[260];
    ASSERT_TRUE(FormUninstallCommand(kJapanesePath.c_str(), true, command, sizeof command));
    EXPECT_EQ(std::string(command), "\"" + kJapanesePath + "\" uninstall");
    EXPECT_EQ(ModeOfArguments(ArgumentText(command, kJapanesePath.c_str())), StartMode::Uninstall);
    ASSERT_TRUE(FormUninstallCommand(kBlankPath.c_str(), false, command, sizeof command));
    EXPECT_EQ(std::string(command), "\"" + kBlankPath + "\"");

    const struct {
        std::string command, folder;
    } reads[] = {
        {"\"" + kJapanesePath + "\" uninstall", "C:\\Program Files\\" + kHyo + "\\" + kSo},
        {"\"" + kBlankPath + "\"", "C:\\Program Files\\Tool"},
        {kBlankPath + " uninstall", "C:\\Program Files\\Tool"},
        {kBlankPath, "C:\\Program Files\\Tool"},
        {"\"Setup.exe\" uninstall", ""},
    };
    for (const auto& r : reads) {
        EXPECT_EQ(FolderOfUninstallCommand(r.command.c_str(), folder, sizeof folder), !r.folder.empty()) << r.command;
        EXPECT_EQ(folder, r.folder) << r.command;
    }
}
