// setup's text helpers where a mistake would not show in the round trips of
// tests/e2e/setup: raw command lines, the removal order and batch, registry
// entry paths, shortcut names. tests/fuzz/setup_text_fuzz.cpp fuzzes their
// contracts; the Japanese round trips meet them with 表 and ソ (trail 0x5C).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "link_names.h"
#include "option_rule.h"
#include "registry_entry.h"
#include "removal_batch.h"
#include "removal_order.h"
#include "text_limits.h"

namespace {

// 表 and ソ: Shift-JIS characters whose trail byte is the backslash code.
const std::string kHyo = "\x95\x5C", kSo = "\x83\x5C";
const std::string kBlankPath = "C:\\Program Files\\Tool\\Setup.exe";
const std::string kJapanesePath = "C:\\Program Files\\" + kHyo + "\\" + kSo + "\\Setup.exe";

} // namespace

// The argument text of quoted and unquoted command lines, as Windows hands
// them over: an unquoted path with blanks is recognised as the program's
// own, in any letter case, and only as a whole path. The modes are exact.
TEST(CommandLine, ArgumentsModesAndTheUninstallCommand)
{
    const struct { std::string line, program, arguments; } cases[] = {
        {"\"" + kBlankPath + "\" remove", kBlankPath, "remove"},
        {"Setup.exe \t uninstall", "C:\\Tool\\Setup.exe", "uninstall"},
        {"\"unclosed remove", "", ""},
        // What the system's uninstall list held before: unquoted.
        {kBlankPath + " uninstall", kBlankPath, "uninstall"},
        {"c:\\PROGRAM FILES\\tool\\setup.EXE\tuninstall", kBlankPath, "uninstall"},
        {kJapanesePath + " uninstall", kJapanesePath, "uninstall"},
        // Not the program's path: split at the first blank, as before.
        {kBlankPath + "x uninstall", kBlankPath, "Files\\Tool\\Setup.exex uninstall"},
        {kBlankPath + " uninstall", "", "Files\\Tool\\Setup.exe uninstall"},
        // A trail byte is never folded as a letter: "\x83\x7C" is not "\x83\x5C".
        {"C:\\Program Files\\" + kHyo + "\\\x83\x7C\\Setup.exe uninstall", kJapanesePath,
         "Files\\" + kHyo + "\\\x83\x7C\\Setup.exe uninstall"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArgumentText(c.line.c_str(), c.program.c_str()), c.arguments) << c.line;

    int parents = -1;
    EXPECT_EQ(ModeOfArguments("remove 2", &parents), StartMode::Remove);
    EXPECT_EQ(parents, 2);
    for (const char* normal : {"UNINSTALL", "remove ", "remove 0", "remove 12", "Remove", "removed", ""})
        EXPECT_EQ(ModeOfArguments(normal), StartMode::Normal) << normal;
    char command[300], folder[260];
    EXPECT_FALSE(FormRemovalCommand(kBlankPath.c_str(), 0, command, 20)); // refused, not cut
    EXPECT_STREQ(command, "");

    // Registered quoted; the folder of an earlier installation read from both forms.
    ASSERT_TRUE(FormUninstallCommand(kJapanesePath.c_str(), true, command, sizeof command));
    EXPECT_EQ(ModeOfArguments(ArgumentText(command, kJapanesePath.c_str())), StartMode::Uninstall);
    for (const auto& [registered, expected] :
         {std::pair<std::string, std::string>{command, "C:\\Program Files\\" + kHyo + "\\" + kSo},
          {kBlankPath + " uninstall", "C:\\Program Files\\Tool"}, {kBlankPath, "C:\\Program Files\\Tool"},
          {"\"Setup.exe\" uninstall", ""}}) {
        EXPECT_EQ(FolderOfUninstallCommand(registered.c_str(), folder, sizeof folder), !expected.empty()) << registered;
        EXPECT_EQ(folder, expected) << registered;
    }
}

// A version-up merges an earlier log after the new one: the order of the
// log no longer says which folder lies inside which. Deepest first does.
// The removal copy's batch: a bounded loop over the program file, then the
// folder (when empty), the made folders above it, never the drive's root.
TEST(Removal, MadeFoldersDeepestFirstAndTheBatch)
{
    std::vector<std::string> folders = {"C:\\App", "C:\\App\\doc\\en", "C:\\App\\doc", "C:\\App\\bin",
                                        "C:\\Company\\Product\\", "C:\\" + kHyo + "\\" + kSo};
    SortDeepestFirst(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{"C:\\App\\doc\\en", "C:\\App\\doc", "C:\\App\\bin",
                                                 "C:\\Company\\Product\\", "C:\\" + kHyo + "\\" + kSo, "C:\\App"}));

    // Percent signs doubled for the command processor; 表 does not end the folder.
    std::string text;
    ASSERT_TRUE(FormRemovalBatch(("C:\\50% off\\" + kHyo + "\\Setup.exe").c_str(), 0, text));
    const std::string folder = "C:\\50%% off\\" + kHyo;
    for (const std::string& line : std::vector<std::string>{"if %DelusTries% gtr 60 goto GiveUp\r\n",
                                                            "del \"" + folder + "\\Setup.exe\"\r\n",
                                                            "rmdir \"" + folder + "\"\r\ndel \"\\delus.bat\"\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_FALSE(FormRemovalBatch("Setup.exe", 0, text));
    ASSERT_TRUE(FormRemovalBatch("C:\\Company\\Product\\Setup.exe", 5, text));
    const std::string end =
        ":GiveUp\r\nrmdir \"C:\\Company\\Product\"\r\nrmdir \"C:\\Company\"\r\ndel \"\\delus.bat\"\r\n";
    EXPECT_NE(text.find(end), std::string::npos) << text;
}

// Key paths split at backslashes that are no trail bytes; a root's
// first-level keys (Software) are never deleted as trees.
TEST(RegistryEntry, DoubleByteNamesAndFirstLevelKeys)
{
    auto parsed = [](std::string entry) {
        RegistryWrite write;
        if (!ParseRegistryWrite(entry.data(), write)) return std::string("(nothing)");
        return std::string(write.keyPath) + "|" + (write.valueName ? write.valueName : "-");
    };
    EXPECT_EQ(parsed("HKCU\\Software\\" + kHyo + "\\\\N\\d"), "Software\\" + kHyo + "|N");
    EXPECT_EQ(parsed("HKCU\\Software\\" + kHyo + "\\Key"), "Software\\" + kHyo + "\\Key|-");
    EXPECT_EQ(RootOfName("HKEY_CURRENT_USERS"), RegistryRoot::LocalMachine);
    using Paths = std::vector<std::string>;
    for (const std::string& path : Paths{"", "Software", "Software\\", "\\Software", "Software\\\\", kHyo})
        EXPECT_TRUE(IsFirstLevelKeyPath(path.c_str())) << path;
    for (const std::string& path : Paths{"Software\\Co", "\\Software\\Co\\", kHyo + "\\a"})
        EXPECT_FALSE(IsFirstLevelKeyPath(path.c_str())) << path;
}

// Shortcut names: a leading backslash puts the entry below Programs
// itself (not without Programs); a Show outside 0-2 is a normal window.
TEST(LinkNames, EntriesBelowProgramsAndShowCommands)
{
    char link[kPathSize];
    ASSERT_TRUE(MenuEntryLinkPath("C:\\P\\App", "C:\\P", "\\Tools\\App", link));
    EXPECT_STREQ(link, "C:\\P\\Tools\\App.lnk");
    EXPECT_FALSE(MenuEntryLinkPath("D:\\Menu", "", "\\Tools\\App", link));
    EXPECT_EQ(ShowCommandFor(5), 1);
}

// A version-up presets an offered option as the earlier install left it.
TEST(OptionRule, VersionUpKeepsTheEarlierChoice)
{
    EXPECT_EQ(VersionUpOptionValue(2, 1), 1);
    EXPECT_EQ(VersionUpOptionValue(1, 2), 2);
    EXPECT_EQ(VersionUpOptionValue(3, 1), 3);
    EXPECT_EQ(VersionUpOptionValue(0, 2), 0);
}
