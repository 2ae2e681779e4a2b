#include <gtest/gtest.h>

#include <string>

#include "copy_entry.h"

namespace {

// The marks as letters (u "!", k "&", r "?", i "*") and the path behind them.
std::string Taken(const char* value)
{
    CopyMarks marks;
    const char* path = TakeCopyMarks(value, marks);
    std::string text;
    if (marks.unlogged) text += 'u';
    if (marks.keepNewer) text += 'k';
    if (marks.replaceNewer) text += 'r';
    if (marks.ignoreFailure) text += 'i';
    return text + "|" + path;
}

} // namespace

TEST(CopyMarks, EachOnceAndOnlyInItsOrder)
{
    EXPECT_EQ(Taken("bin\\tool.exe"), "|bin\\tool.exe");
    EXPECT_EQ(Taken("!&?*doc\\a.txt"), "ukri|doc\\a.txt");
    // Out of order or repeated, a mark belongs to the path.
    EXPECT_EQ(Taken("&!x"), "k|!x");
    EXPECT_EQ(Taken("!!C:\\x"), "u|!C:\\x");
    EXPECT_EQ(Taken("*?x"), "i|?x");
}
