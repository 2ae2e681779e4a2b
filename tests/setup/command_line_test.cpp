#include <gtest/gtest.h>

#include <string>

#include "command_line.h"
#include "numbered_key.h"

TEST(CommandLine, ArgumentTextFollowsTheProgramName)
{
    EXPECT_STREQ(ArgumentText("\"C:\\Program Files\\Tool\\Setup.exe\" remove"), "remove");
    EXPECT_STREQ(ArgumentText("Setup.exe   uninstall"), "uninstall");
    EXPECT_STREQ(ArgumentText("Setup.exe\tremove"), "remove");
    EXPECT_STREQ(ArgumentText("\"C:\\a b\\Setup.exe\""), "");
    EXPECT_STREQ(ArgumentText("Setup.exe"), "");
    EXPECT_STREQ(ArgumentText("\"unclosed remove"), "");
    EXPECT_STREQ(ArgumentText("Setup.exe a  b "), "a  b ");
}

TEST(CommandLine, ModesAreExactAndCaseSensitive)
{
    EXPECT_EQ(ModeOfArguments("remove"), StartMode::Remove);
    EXPECT_EQ(ModeOfArguments("uninstall"), StartMode::Uninstall);
    EXPECT_EQ(ModeOfArguments("Remove"), StartMode::Normal);
    EXPECT_EQ(ModeOfArguments("UNINSTALL"), StartMode::Normal);
    EXPECT_EQ(ModeOfArguments("remove "), StartMode::Normal);
    EXPECT_EQ(ModeOfArguments(""), StartMode::Normal);
}

TEST(CommandLine, RemovalCopyGetsExactlyRemove)
{
    char command[300];
    ASSERT_TRUE(FormRemovalCommand("C:\\Program Files\\Tool\\Setup.exe", command, sizeof command));
    EXPECT_STREQ(command, "\"C:\\Program Files\\Tool\\Setup.exe\" remove");
    EXPECT_EQ(ModeOfArguments(ArgumentText(command)), StartMode::Remove);
    EXPECT_FALSE(FormRemovalCommand(std::string(295, 'x').c_str(), command, sizeof command));
    EXPECT_STREQ(command, "");
}

TEST(NumberedKeys, DecimalWithoutLeadingZeros)
{
    EXPECT_STREQ(KeyNumber(0), "0");
    EXPECT_STREQ(KeyNumber(12), "12");
    EXPECT_STREQ(NameWithNumber("Menu", 3), "Menu3");
    EXPECT_STREQ(NameWithNumber("Erase", 10), "Erase10");
}
