#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_reader.h"
#include "test_files.h"

namespace {

// Every line of `bytes`, read with the given buffer size.
std::vector<std::string> Lines(const std::string& bytes, size_t chunk)
{
    TempFolder folder;
    CSourceFile file;
    EXPECT_TRUE(file.Open(folder.Write("lines.txt", bytes)));
    CDxfLineReader reader(file, chunk);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    EXPECT_FALSE(reader.Failed());
    return lines;
}

using Expected = std::vector<std::string>;

} // namespace

class LineReader : public testing::TestWithParam<size_t> {};

// Each case runs with a buffer smaller than a line as well, so that lines
// crossing buffer boundaries (and CR LF split between two reads) are covered.
INSTANTIATE_TEST_SUITE_P(Buffers, LineReader, testing::Values(size_t{1}, size_t{3}, size_t{256 * 1024}));

TEST_P(LineReader, FollowsTheTextFileRules)
{
    size_t chunk = GetParam();
    EXPECT_EQ(Lines("", chunk), Expected{});
    EXPECT_EQ(Lines("a\nb\n", chunk), (Expected{"a", "b"}));
    EXPECT_EQ(Lines("a\r\nb\r\n", chunk), (Expected{"a", "b"}));
    EXPECT_EQ(Lines("a\r\nb", chunk), (Expected{"a", "b"}));           // last line without LF
    EXPECT_EQ(Lines("\n\n1\n\r\n", chunk), (Expected{"", "", "1", ""})); // blank lines count
    EXPECT_EQ(Lines("a\rb\r\r\n", chunk), (Expected{"a\rb\r"}));         // only the CR before LF goes
    EXPECT_EQ(Lines("\n", chunk), (Expected{""}));
}

TEST_P(LineReader, CtrlZEndsTheText)
{
    size_t chunk = GetParam();
    EXPECT_EQ(Lines("a\nb\x1A" "c\nd\n", chunk), (Expected{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n\x1A\r\nb\r\n", chunk), (Expected{"a"}));
    EXPECT_EQ(Lines("\x1A" "a\n", chunk), Expected{});
}

TEST_P(LineReader, ReadsLinesOfAnyLength)
{
    std::string longLine(100 * 1024 + 7, 'x');
    std::string huge(3 * 1024 * 1024, '7');
    EXPECT_EQ(Lines("10\n" + longLine + "\r\n20\n" + huge, GetParam() == 1 ? 4096 : GetParam()),
              (Expected{"10", longLine, "20", huge}));
}
