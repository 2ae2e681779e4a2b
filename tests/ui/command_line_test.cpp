#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "framework/command_tail.h"

namespace {

using Strings = std::vector<std::string>;

// All tokens of a command line, as the application takes them one by one.
Strings Tokens(std::string rest)
{
    Strings tokens;
    std::string token;
    while (NextToken(token, rest)) tokens.push_back(token);
    return tokens;
}

} // namespace

TEST(CommandLine, NextTokenSplitsAsTheApplicationReadsIt)
{
    const std::pair<std::string, Strings> cases[] = {
        // Blanks and tabs separate; several count as one, at either end too.
        {" \t a.dxf \t\t  b.dxf \r\n", {"a.dxf", "b.dxf"}},
        // Quotes keep blanks and are dropped; a closing quote ends the token.
        {"\"C:\\My Drawings\\in.dxf\" out.dxf", {"C:\\My Drawings\\in.dxf", "out.dxf"}},
        {"\"\" out.dxf", {"", "out.dxf"}},
        {"\"a b\"c d", {"a b", "c", "d"}},
        // An unterminated quote takes the rest of the line.
        {"\"C:\\a b\\in.dxf  out.dxf", {"C:\\a b\\in.dxf  out.dxf"}},
        // A dash or slash and a letter are two characters, taken like any path;
        // before anything else, the one character and a blank.
        {"-y /x.dxf", {"-y", "/x", ".dxf"}},
        {"- out.dxf", {"- ", "out.dxf"}},
        {"//server", {"/ ", "/s", "erver"}},
        // "表" and "ソ" in code page 932 end in a backslash byte; a lead byte is no letter.
        {"C:\\\x95\x5C\\\x83\x5C.dxf out.dxf", {"C:\\\x95\x5C\\\x83\x5C.dxf", "out.dxf"}},
        {"-\x95\x5C", {"- ", "\x95\x5C"}},
    };
    for (const auto& [line, tokens] : cases) EXPECT_EQ(Tokens(line), tokens) << line;

    std::string token = "before", rest = " \t\r\n\v\f";
    EXPECT_FALSE(NextToken(token, rest));
    EXPECT_EQ(token, "before");
}

TEST(CommandLine, TheArgumentsStartAfterTheProgramName)
{
    EXPECT_STREQ(CommandLineTail("\"C:\\Program Files\\trenvika.exe\" \t \"a b.dxf\""), "\"a b.dxf\"");
    EXPECT_STREQ(CommandLineTail("C:\\\"Program Files\"\\trenvika.exe x"), "x");
    // Bytes above 0x7F never end the name, whatever the code page: C:\測量\, C:\trénvika.exe.
    EXPECT_STREQ(CommandLineTail("C:\\\x91\xaa\x97\xca\\trenvika.exe in.dxf"), "in.dxf");
    EXPECT_STREQ(CommandLineTail("C:\\tr\xe9nvika.exe in.dxf out.dxf"), "in.dxf out.dxf");
    EXPECT_STREQ(CommandLineTail("trenvika.exe   "), "");
}
