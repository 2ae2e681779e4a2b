#include <gtest/gtest.h>

#include <string>

#include "removal_batch.h"

// A bounded loop over the program file, a second apart, then the folder
// (when empty) and the batch itself. Percent signs are doubled for the
// command processor; "表" ends in the byte 0x5C but does not end the folder.
TEST(RemovalBatch, BoundedLoopOverTheProgramFile)
{
    std::string text;
    ASSERT_TRUE(FormRemovalBatch("C:\\50% off\\\x95\x5C\\Setup.exe", text));
    const std::string program = "\"C:\\50%% off\\\x95\x5C\\Setup.exe\"";
    EXPECT_EQ(text, "@echo off\r\n"
                    "set DelusTries=0\r\n"
                    ":Repeat\r\n"
                    "set /a DelusTries+=1\r\n"
                    "if %DelusTries% gtr 60 goto GiveUp\r\n"
                    "del " + program + "\r\n"
                    "if exist " + program + " ping -n 2 127.0.0.1 > nul\r\n"
                    "if exist " + program + " goto Repeat\r\n"
                    ":GiveUp\r\n"
                    "rmdir \"C:\\50%% off\\\x95\x5C\"\r\n"
                    "del \"\\delus.bat\"\r\n");
    EXPECT_FALSE(FormRemovalBatch("Setup.exe", text));
}
