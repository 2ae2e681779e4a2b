// trenvika.exe's command line where its end-to-end tests do not reach
// (quoted paths with blanks, tabs, an unterminated quote and names with
// 表 and ソ are started there for real).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "framework/command_tail.h"

TEST(CommandLine, TokensAndTheArgumentsAfterTheProgramName)
{
    using Strings = std::vector<std::string>;
    const std::pair<std::string, Strings> cases[] = {
        {" \t a.dxf \t\t  b.dxf \r\n", {"a.dxf", "b.dxf"}},
        // Quotes are dropped; a closing quote ends the token.
        {"\"\" out.dxf", {"", "out.dxf"}},
        {"\"a b\"c d", {"a b", "c", "d"}},
        // A dash or slash and a letter are two characters, taken like any path;
        // before anything else, the one character and a blank. A lead byte is no letter.
        {"-y /x.dxf", {"-y", "/x", ".dxf"}},
        {"- out.dxf", {"- ", "out.dxf"}},
        {"//server", {"/ ", "/s", "erver"}},
        {"-\x95\x5C", {"- ", "\x95\x5C"}},
    };
    for (const auto& [line, tokens] : cases) {
        Strings found;
        std::string token, rest = line;
        while (NextToken(token, rest)) found.push_back(token);
        EXPECT_EQ(found, tokens) << line;
    }
    std::string token = "before", rest = " \t\r\n\v\f";
    EXPECT_FALSE(NextToken(token, rest));
    EXPECT_EQ(token, "before");

    EXPECT_STREQ(CommandLineTail("C:\\\"Program Files\"\\trenvika.exe x"), "x");
    // Bytes above 0x7F never end the name, whatever the code page: C:\測量\, C:\trénvika.exe.
    EXPECT_STREQ(CommandLineTail("C:\\\x91\xaa\x97\xca\\trenvika.exe in.dxf"), "in.dxf");
    EXPECT_STREQ(CommandLineTail("C:\\tr\xe9nvika.exe in.dxf out.dxf"), "in.dxf out.dxf");
    EXPECT_STREQ(CommandLineTail("trenvika.exe   "), "");
}
