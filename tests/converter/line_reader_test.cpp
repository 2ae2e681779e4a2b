#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_reader.h"
#include "test_files.h"

namespace {

using Lines = std::vector<std::string>;

// Every line of `bytes`, read with the given buffer size.
Lines Read(const std::string& bytes, size_t chunk)
{
    TempFolder folder;
    CSourceFile file;
    EXPECT_TRUE(file.Open(folder.Write("lines.txt", bytes)));
    CDxfLineReader reader(file, chunk);
    Lines lines;
    std::string_view line;
    while (reader.Next(line)) lines.emplace_back(line);
    EXPECT_FALSE(reader.Failed());
    return lines;
}

} // namespace

class LineReader : public testing::TestWithParam<size_t> {};

// Each case runs with a buffer smaller than a line as well, so that lines
// crossing buffer boundaries (and CR LF split between two reads) are covered.
INSTANTIATE_TEST_SUITE_P(Buffers, LineReader, testing::Values(size_t{1}, size_t{3}, size_t{256 * 1024}));

TEST_P(LineReader, FollowsTheTextFileRules)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},                   // a last line without LF
        {"\n\n1\n\r\n", {"", "", "1", ""}},       // blank lines count
        {"a\rb\r\r\n", {"a\rb\r"}},               // only the CR before LF goes
        {"a\nb\x1A" "c\nd\n", {"a", "b"}},        // Ctrl+Z ends the text
        {"a\r\n\x1A\r\nb\r\n", {"a"}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(Read(bytes, GetParam()), lines) << testing::PrintToString(bytes);
}

TEST_P(LineReader, ReadsLinesOfAnyLength)
{
    std::string longLine(100 * 1024 + 7, 'x');
    std::string huge(3 * 1024 * 1024, '7');
    EXPECT_EQ(Read("10\n" + longLine + "\r\n20\n" + huge, GetParam() == 1 ? 4096 : GetParam()),
              (Lines{"10", longLine, "20", huge}));
}
