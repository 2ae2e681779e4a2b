#include <gtest/gtest.h>

#include <string>

#include "removal_batch.h"

// A bounded loop over the program file, then the folder (when empty) and the
// batch itself. Percent signs are doubled for the command processor; "表"
// ends in the byte 0x5C but does not end the folder.
TEST(RemovalBatch, BoundedLoopOverTheProgramFile)
{
    std::string text;
    ASSERT_TRUE(FormRemovalBatch("C:\\50% off\\\x95\x5C\\Setup.exe", text));
    for (const char* line : {"if %DelusTries% gtr 60 goto GiveUp\r\n", "del \"C:\\50%% off\\\x95\x5C\\Setup.exe\"\r\n",
                             "rmdir \"C:\\50%% off\\\x95\x5C\"\r\n", "del \"\\delus.bat\"\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_FALSE(FormRemovalBatch("Setup.exe", text));
}
