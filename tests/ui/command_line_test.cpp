#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"

namespace {

// All tokens of a command line, as the application takes them one by one.
std::vector<std::string> Tokens(std::string rest)
{
    std::vector<std::string> tokens;
    std::string token;
    while (NextToken(token, rest)) tokens.push_back(token);
    return tokens;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(NextToken, PlainTokensEndAtABlankOrTab)
{
    EXPECT_EQ(Tokens("a.dxf b.dxf"), (Strings{"a.dxf", "b.dxf"}));
    EXPECT_EQ(Tokens("a.dxf\tb.dxf"), (Strings{"a.dxf", "b.dxf"}));
    // Several separators of any white space count as one, at either end too.
    EXPECT_EQ(Tokens(" \t a.dxf \t\t  b.dxf \r\n"), (Strings{"a.dxf", "b.dxf"}));
}

TEST(NextToken, OnlyWhiteSpaceYieldsNothingAndLeavesTheToken)
{
    std::string token = "before";
    std::string rest = " \t\r\n\v\f";
    EXPECT_FALSE(NextToken(token, rest));
    EXPECT_EQ(token, "before");
    EXPECT_TRUE(rest.empty());
    rest.clear();
    EXPECT_FALSE(NextToken(token, rest));
}

TEST(NextToken, RestStartsAtTheSeparatorAfterAPlainToken)
{
    std::string token;
    std::string rest = "C:\\in.dxf\t  out.dxf";
    ASSERT_TRUE(NextToken(token, rest));
    EXPECT_EQ(token, "C:\\in.dxf");
    EXPECT_EQ(rest, "\t  out.dxf");
}

TEST(NextToken, QuotesKeepBlanksAndAreDropped)
{
    EXPECT_EQ(Tokens("\"C:\\My Drawings\\in.dxf\" out.dxf"), (Strings{"C:\\My Drawings\\in.dxf", "out.dxf"}));
    EXPECT_EQ(Tokens("\"\" out.dxf"), (Strings{"", "out.dxf"}));
    // A closing quote ends the token even without a blank after it.
    EXPECT_EQ(Tokens("\"a b\"c d"), (Strings{"a b", "c", "d"}));
}

TEST(NextToken, AnUnterminatedQuoteTakesTheRestOfTheLine)
{
    EXPECT_EQ(Tokens("\"C:\\a b\\in.dxf  out.dxf"), (Strings{"C:\\a b\\in.dxf  out.dxf"}));
    EXPECT_EQ(Tokens("\""), (Strings{""}));
}

TEST(NextToken, SwitchesAreTwoCharactersAndPathsLikeAnyOther)
{
    EXPECT_EQ(Tokens("-y /x.dxf"), (Strings{"-y", "/x", ".dxf"}));
    // A dash or slash before anything but a letter: that character and a blank,
    // and only the one character leaves the rest.
    EXPECT_EQ(Tokens("- out.dxf"), (Strings{"- ", "out.dxf"}));
    EXPECT_EQ(Tokens("-1"), (Strings{"- ", "1"}));
    EXPECT_EQ(Tokens("//server"), (Strings{"/ ", "/s", "erver"}));
    EXPECT_EQ(Tokens("-"), (Strings{"- "}));
}

TEST(NextToken, DoubleByteCharactersPassWhole)
{
    // "表" is 0x95 0x5C in code page 932: its trail byte is a backslash, and
    // "ソ" (0x83 0x5C) likewise; neither is a separator here.
    const std::string path = "C:\\\x95\x5C\\\x83\x5C.dxf";
    EXPECT_EQ(Tokens(path + " out.dxf"), (Strings{path, "out.dxf"}));
    // A dash before a lead byte is no switch.
    EXPECT_EQ(Tokens("-\x95\x5C"), (Strings{"- ", "\x95\x5C"}));
}
