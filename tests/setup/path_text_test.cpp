#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dbcs.h"
#include "path_text.h"

namespace {

// Shift-JIS characters whose trail byte is the backslash code.
const std::string kHyo = "\x95\x5C";  // 表
const std::string kSo = "\x83\x5C";   // ソ

std::string Joined(std::string folder, const char* tail)
{
    char buffer[kPathSize];
    std::strcpy(buffer, folder.c_str());
    EXPECT_TRUE(JoinPath(buffer, tail));
    return buffer;
}

} // namespace

TEST(JoinPath, AddsOneSeparatorOnlyWhenNeeded)
{
    EXPECT_EQ(Joined("", "x.exe"), "x.exe");
    EXPECT_EQ(Joined("C:\\App", "x.exe"), "C:\\App\\x.exe");
    EXPECT_EQ(Joined("C:\\", "x.exe"), "C:\\x.exe");
    EXPECT_EQ(Joined("C:\\App", "\\bin"), "C:\\App\\\\bin"); // the tail is not examined
    EXPECT_FALSE(JoinPath(nullptr, 0, "x"));
}

TEST(JoinPath, TrailByteOfBackslashCodeIsNoSeparator)
{
    EXPECT_EQ(Joined("C:\\" + kHyo, "a.txt"), "C:\\" + kHyo + "\\a.txt");
    EXPECT_EQ(Joined("C:\\" + kHyo + "\\", "a.txt"), "C:\\" + kHyo + "\\a.txt");
}

TEST(JoinPath, RefusesWhatDoesNotFit)
{
    char buffer[kPathSize];
    std::string folder(250, 'f');
    std::strcpy(buffer, folder.c_str());
    EXPECT_TRUE(JoinPath(buffer, "12345678")); // 259 characters: fits exactly
    EXPECT_EQ(std::strlen(buffer), 259u);
    std::strcpy(buffer, folder.c_str());
    EXPECT_FALSE(JoinPath(buffer, "123456789"));
    EXPECT_STREQ(buffer, "");
}

TEST(SplitAtBackslash, FirstAndLastSkipTrailBytes)
{
    std::string text = "C:\\" + kSo + "\\" + kHyo + "\\x";
    char buffer[kPathSize];
    std::strcpy(buffer, text.c_str());
    char* rest = SplitAtFirstBackslash(buffer);
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(buffer, "C:");
    EXPECT_EQ(std::string(rest), kSo + "\\" + kHyo + "\\x");

    std::strcpy(buffer, text.c_str());
    rest = SplitAtLastBackslash(buffer);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(std::string(buffer), "C:\\" + kSo + "\\" + kHyo);
    EXPECT_STREQ(rest, "x");

    std::strcpy(buffer, (kSo + kHyo).c_str());
    EXPECT_EQ(SplitAtFirstBackslash(buffer), nullptr);
    EXPECT_EQ(SplitAtLastBackslash(buffer), nullptr);
    EXPECT_EQ(std::string(buffer), kSo + kHyo);
    EXPECT_EQ(std::string(LastComponent(("C:\\" + kHyo).c_str())), kHyo);
    EXPECT_STREQ(LastComponent("Tool"), "Tool");
}

TEST(Dbcs, LeadBytesAndCuts)
{
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));
    EXPECT_FALSE(IsCp932LeadByte(0xB2)); // half-width katakana are single bytes
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));

    // A lead byte just before the terminator does not swallow it.
    EXPECT_EQ(FindCharDbcs("a\x95", 'x'), nullptr);
    EXPECT_FALSE(EndsWithCharDbcs(("C:" + kHyo).c_str(), '\\'));
    EXPECT_TRUE(EndsWithCharDbcs("C:\\", '\\'));

    std::string text = "ab" + kHyo;
    EXPECT_EQ(FitLength(text.c_str(), 3), 2u);
    EXPECT_EQ(FitLength(text.c_str(), 4), 4u);
}

TEST(CopyText, CutsValuesAndRefusesPaths)
{
    char small[5];
    EXPECT_FALSE(CopyText(small, "12345"));
    EXPECT_STREQ(small, "");
    EXPECT_TRUE(CopyText(small, "1234"));
    CopyTextCut(small, ("abc" + kHyo).c_str());
    EXPECT_STREQ(small, "abc"); // never half a character
    char path[kPathSize] = "C:\\";
    EXPECT_TRUE(AppendText(path, "x"));
    EXPECT_STREQ(path, "C:\\x");
}

TEST(EndsWithName, FirstOccurrenceMustReachTheEnd)
{
    EXPECT_FALSE(EndsWithName("C:\\Tools", "App"));
    EXPECT_TRUE(EndsWithName("C:\\Tools\\App", "App"));
    EXPECT_FALSE(EndsWithName("C:\\App\\App", "App"));
    EXPECT_FALSE(EndsWithName("C:\\Tools\\app", "App")); // letter case matches
    EXPECT_TRUE(StartsWithNoCase("%SyStEm%\\x", "%system%"));
    EXPECT_FALSE(StartsWithNoCase("%sys", "%system%"));
    EXPECT_TRUE(EqualsNoCase("ROOT%", 4, "root"));
    EXPECT_FALSE(EqualsNoCase("roo", 3, "root"));
}
