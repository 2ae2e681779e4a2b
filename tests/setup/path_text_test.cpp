#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dbcs.h"
#include "path_text.h"

namespace {

// Shift-JIS characters whose trail byte is the backslash code.
const std::string kHyo = "\x95\x5C"; // 表
const std::string kSo = "\x83\x5C";  // ソ

std::string Joined(const std::string& folder, const char* tail)
{
    char buffer[kPathSize];
    std::strcpy(buffer, folder.c_str());
    EXPECT_TRUE(JoinPath(buffer, tail));
    return buffer;
}

} // namespace

TEST(JoinPath, OneSeparatorOnlyWhenTheFolderDoesNotEndWithOne)
{
    EXPECT_EQ(Joined("", "x.exe"), "x.exe");
    EXPECT_EQ(Joined("C:\\App", "x.exe"), "C:\\App\\x.exe");
    EXPECT_EQ(Joined("C:\\", "x.exe"), "C:\\x.exe");
    // A folder ending in 表 does not end with a backslash.
    EXPECT_EQ(Joined("C:\\" + kHyo, "a.txt"), "C:\\" + kHyo + "\\a.txt");
    EXPECT_EQ(Joined("C:\\" + kHyo + "\\", "a.txt"), "C:\\" + kHyo + "\\a.txt");
}

TEST(JoinPath, RefusesWhatDoesNotFit)
{
    char buffer[kPathSize];
    std::strcpy(buffer, std::string(250, 'f').c_str());
    EXPECT_TRUE(JoinPath(buffer, "12345678")); // 259 characters: fits exactly
    EXPECT_EQ(std::strlen(buffer), 259u);
    std::strcpy(buffer, std::string(250, 'f').c_str());
    EXPECT_FALSE(JoinPath(buffer, "123456789"));
    EXPECT_STREQ(buffer, "");
}

TEST(SplitAtBackslash, TrailBytesAreNoSeparators)
{
    const std::string text = "C:\\" + kSo + "\\" + kHyo + "\\x";
    char buffer[kPathSize];
    std::strcpy(buffer, text.c_str());
    EXPECT_EQ(std::string(SplitAtFirstBackslash(buffer)), kSo + "\\" + kHyo + "\\x");
    EXPECT_STREQ(buffer, "C:");

    std::strcpy(buffer, text.c_str());
    EXPECT_STREQ(SplitAtLastBackslash(buffer), "x");
    EXPECT_EQ(std::string(buffer), "C:\\" + kSo + "\\" + kHyo);

    std::strcpy(buffer, (kSo + kHyo).c_str());
    EXPECT_EQ(SplitAtFirstBackslash(buffer), nullptr);
    EXPECT_EQ(SplitAtLastBackslash(buffer), nullptr);
    EXPECT_EQ(std::string(LastComponent(("C:\\" + kHyo).c_str())), kHyo);
    // A lead byte just before the terminator does not swallow it.
    EXPECT_EQ(FindCharDbcs("a\x95", 'x'), nullptr);
}

// The folder browsers' test: the first occurrence of the name must reach the end.
TEST(EndsWithName, FirstOccurrenceMustReachTheEnd)
{
    EXPECT_TRUE(EndsWithName("C:\\Tools\\App", "App"));
    EXPECT_FALSE(EndsWithName("C:\\Tools", "App"));
    EXPECT_FALSE(EndsWithName("C:\\App\\App", "App"));
    EXPECT_FALSE(EndsWithName("C:\\Tools\\app", "App"));
}
