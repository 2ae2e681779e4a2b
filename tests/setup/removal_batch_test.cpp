#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "removal_batch.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

} // namespace

// The loop retries the deletion up to a bound, a second apart, then removes
// the folder (when empty) and the batch itself.
TEST(RemovalBatch, BoundedLoopOverTheProgramFile)
{
    std::string text;
    ASSERT_TRUE(FormRemovalBatch("C:\\Program Files\\My Tool\\Setup.exe", text));
    const std::string program = "\"C:\\Program Files\\My Tool\\Setup.exe\"";
    EXPECT_EQ(Lines(text), (std::vector<std::string>{
                               "@echo off",
                               "set DelusTries=0",
                               ":Repeat",
                               "set /a DelusTries+=1",
                               "if %DelusTries% gtr " + std::to_string(kRemovalBatchTries) + " goto GiveUp",
                               "del " + program,
                               "if exist " + program + " ping -n 2 127.0.0.1 > nul",
                               "if exist " + program + " goto Repeat",
                               ":GiveUp",
                               "rmdir \"C:\\Program Files\\My Tool\"",
                               "del \"\\delus.bat\"",
                           }));
}

TEST(RemovalBatch, PercentSignsDoubledAndDoubleByteNamesKept)
{
    std::string text;
    // "表" ends in the byte 0x5C: not the folder's end.
    ASSERT_TRUE(FormRemovalBatch("C:\\50%\\\x95\x5C\\Setup.exe", text));
    EXPECT_NE(text.find("del \"C:\\50%%\\\x95\x5C\\Setup.exe\"\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("rmdir \"C:\\50%%\\\x95\x5C\"\r\n"), std::string::npos) << text;
    EXPECT_FALSE(FormRemovalBatch("Setup.exe", text));
}
