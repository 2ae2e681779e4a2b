#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "removal_batch.h"
#include "removal_order.h"

// A version-up merges an earlier log after the new one: the order of the
// log no longer says which folder lies inside which. Deepest first does.
TEST(RemovalOrder, MadeFoldersDeepestFirstWhateverTheLogOrder)
{
    std::vector<std::string> folders = {"C:\\App", "C:\\App\\doc\\en", "C:\\App\\doc", "C:\\App\\bin",
                                        "C:\\Company\\Product\\", "C:\\\x95\x5C\\\x83\x5C"};
    SortDeepestFirst(folders);
    EXPECT_EQ(folders, (std::vector<std::string>{"C:\\App\\doc\\en", "C:\\App\\doc", "C:\\App\\bin",
                                                 "C:\\Company\\Product\\", "C:\\\x95\x5C\\\x83\x5C", "C:\\App"}));
}

// A bounded loop over the program file, then the folder (when empty), the
// made folders above it, and the batch itself. Percent signs are doubled
// for the command processor; "表" ends in the byte 0x5C but does not end
// the folder.
TEST(RemovalBatch, BoundedLoopThenTheFoldersInnerFirst)
{
    std::string text;
    ASSERT_TRUE(FormRemovalBatch("C:\\50% off\\\x95\x5C\\Setup.exe", 0, text));
    for (const char* line : {"if %DelusTries% gtr 60 goto GiveUp\r\n", "del \"C:\\50%% off\\\x95\x5C\\Setup.exe\"\r\n",
                             "rmdir \"C:\\50%% off\\\x95\x5C\"\r\ndel \"\\delus.bat\"\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_FALSE(FormRemovalBatch("Setup.exe", 0, text));

    // Never the drive's root, however many levels are asked for.
    ASSERT_TRUE(FormRemovalBatch("C:\\Company\\Product\\Setup.exe", 5, text));
    EXPECT_NE(text.find(":GiveUp\r\nrmdir \"C:\\Company\\Product\"\r\nrmdir \"C:\\Company\"\r\ndel \"\\delus.bat\"\r\n"),
              std::string::npos)
        << text;
}
