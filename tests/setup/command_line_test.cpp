#include <gtest/gtest.h>

#include "command_line.h"

TEST(CommandLine, ArgumentTextSelectsTheModeExactly)
{
    EXPECT_STREQ(ArgumentText("\"C:\\Program Files\\Tool\\Setup.exe\" remove"), "remove");
    EXPECT_STREQ(ArgumentText("Setup.exe \t uninstall"), "uninstall");
    EXPECT_STREQ(ArgumentText("\"C:\\a b\\Setup.exe\""), "");
    EXPECT_STREQ(ArgumentText("\"unclosed remove"), "");
    EXPECT_STREQ(ArgumentText("Setup.exe a  b "), "a  b ");

    EXPECT_EQ(ModeOfArguments("remove"), StartMode::Remove);
    EXPECT_EQ(ModeOfArguments("uninstall"), StartMode::Uninstall);
    EXPECT_EQ(ModeOfArguments("UNINSTALL"), StartMode::Normal);
    EXPECT_EQ(ModeOfArguments("remove "), StartMode::Normal);
}
