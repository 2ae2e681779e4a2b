// The files that the drawing language reads for "bitmap" and "meta": what
// the checks accept, and the files they refuse before reading or allocating
// anything that the files claim. (Any bytes: tests/fuzz/bmp_loader_fuzz.cpp.)
#include <gtest/gtest.h>

#include <functional>

#include "bmp_layout.h"
#include "bmp_maker.h"
#include "emf_records.h"

using test_bmp::Put16;
using test_bmp::Put32;

namespace {

bool Layout(const std::string& file, BmpLayout& layout)
{
    return ReadBmpLayout(reinterpret_cast<const unsigned char*>(file.data()), file.size(), layout);
}

} // namespace

// Top-down files, short colour tables, longer headers, pixel data after a
// gap, and a file header whose size field lies are read as what they are.
TEST(BmpLayout, AcceptedVariants)
{
    test_bmp::Image image = test_bmp::Checker(8, 4, 2, {0xFF, 0xFF00});
    image.topDown = true;
    BmpLayout layout;
    ASSERT_TRUE(Layout(test_bmp::Encode(image), layout));
    EXPECT_TRUE(layout.topDown);
    EXPECT_EQ(layout.height, 2);

    std::string shortTable = test_bmp::Encode(test_bmp::Checker(8, 4, 2, {0xFF, 0xFF00}));
    Put32(shortTable, 46, 2);          // two colours used
    shortTable.erase(54 + 8, 4 * 254); // and only two in the table
    Put32(shortTable, 10, 54 + 8);
    ASSERT_TRUE(Layout(shortTable, layout));
    EXPECT_EQ(layout.tableEntries, 2u);
    EXPECT_EQ(layout.pixelOffset, 62u);

    std::string v5 = test_bmp::Encode(test_bmp::Checker(24, 2, 2, {0x123456}));
    v5.insert(54, std::string(84, '\0')); // a 124-byte header
    Put32(v5, 14, 124);
    Put32(v5, 10, 54 + 84 + 16); // pixels after a gap of 16 bytes
    v5.insert(54 + 84, std::string(16, '\x55'));
    Put32(v5, 2, 0); // a file size field of nothing
    ASSERT_TRUE(Layout(v5, layout));
    EXPECT_EQ(layout.pixelOffset, 154u);
    EXPECT_EQ(layout.tableEntries, 0u);
}

TEST(BmpLayout, RefusedFiles)
{
    const std::string good = test_bmp::Encode(test_bmp::Checker(4, 5, 3, {1, 2, 3}));
    const std::pair<const char*, std::function<void(std::string&)>> cases[] = {
        {"no signature", [](std::string& f) { f[0] = 'M'; }},
        {"shorter than the headers", [](std::string& f) { f.resize(53); }},
        {"an old 12-byte header", [](std::string& f) { Put32(f, 14, 12); }},
        {"a header past the file", [](std::string& f) { Put32(f, 14, 124), f.resize(100); }},
        {"a header size of 2^32-1", [](std::string& f) { Put32(f, 14, 0xFFFFFFFF); }},
        {"16 bits", [](std::string& f) { Put16(f, 28, 16); }},
        {"32 bits", [](std::string& f) { Put16(f, 28, 32); }},
        {"0 bits", [](std::string& f) { Put16(f, 28, 0); }},
        {"two planes", [](std::string& f) { Put16(f, 26, 2); }},
        {"compressed (RLE4)", [](std::string& f) { Put32(f, 30, 2); }},
        {"width 0", [](std::string& f) { Put32(f, 18, 0); }},
        {"negative width", [](std::string& f) { Put32(f, 18, 0xFFFFFFFB); }},
        {"height 0", [](std::string& f) { Put32(f, 22, 0); }},
        {"height of the least 32-bit value", [](std::string& f) { Put32(f, 22, 0x80000000); }},
        {"a side of 32768", [](std::string& f) { Put32(f, 18, 32768); }},
        {"more colours used than bits allow", [](std::string& f) { Put32(f, 46, 17); }},
        {"a colour table past the file", [](std::string& f) { f.resize(60); }},
        {"pixel data before the table's end", [](std::string& f) { Put32(f, 10, 54); }},
        {"pixel offset past the file", [](std::string& f) { Put32(f, 10, 0xFFFFFFF0); }},
        {"one byte of pixels short", [](std::string& f) { f.pop_back(); }},
        {"more rows than the file holds", [](std::string& f) { Put32(f, 22, 4); }},
        {"a wide image in a small file", [](std::string& f) { Put32(f, 18, 32767), Put32(f, 22, 32767); }},
    };
    BmpLayout layout;
    ASSERT_TRUE(Layout(good, layout));
    for (const auto& [what, spoil] : cases) {
        std::string file = good;
        spoil(file);
        EXPECT_FALSE(Layout(file, layout)) << what;
    }
    EXPECT_FALSE(ReadBmpLayout(nullptr, 0, layout));
}

// A metafile is played only when its records lie within the file and end
// in EMR_EOF. The smallest: its header record and the end record.
TEST(Metafile, RecordChain)
{
    std::string good(88 + 20, '\0');
    for (auto [at, value] : {std::pair{0, 1u}, {4, 88u}, {40, 0x464D4520u}, {48, 108u}, {52, 2u}, {88, 14u}, {92, 20u},
                             {104, 20u}})
        Put32(good, at, value);
    auto whole = [](const std::string& emf) {
        return EnhancedMetafileIsWhole(reinterpret_cast<const unsigned char*>(emf.data()), emf.size());
    };
    EXPECT_TRUE(whole(good));
    EXPECT_TRUE(whole(good + "trailing bytes"));
    EXPECT_FALSE(whole(good.substr(0, 87)));
    const std::tuple<const char*, size_t, uint32_t> spoiled[] = {
        {"not a header record", 0, 2},    {"a header shorter than its fields", 4, 80},
        {"no signature", 40, 0x464D4521}, {"more bytes than the file", 48, 112},
        {"a record of no length", 92, 0}, {"a record of 22 bytes", 92, 22},
        {"a record past the end", 92, 24}, {"no end record", 88, 70},
    };
    for (const auto& [what, at, value] : spoiled) {
        std::string emf = good;
        Put32(emf, at, value);
        EXPECT_FALSE(whole(emf)) << what;
    }
}
