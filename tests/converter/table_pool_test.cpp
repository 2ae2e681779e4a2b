#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "table_pool.h"

// Tables of every size taken and given back in random order, as growing
// polylines do: no two live blocks overlap (each keeps the bytes written into
// it).
TEST(TablePool, BlocksOfEverySizeNeverOverlap)
{
    struct Block {
        unsigned char* bytes;
        size_t size;
        unsigned char mark;
    };
    CTablePool pool;
    std::mt19937 random(7);
    std::vector<Block> live;
    auto check = [&](const Block& block) {
        for (size_t i = 0; i < block.size; ++i)
            if (block.bytes[i] != block.mark) return false;
        return true;
    };
    auto take = [&](size_t size) {
        Block block{static_cast<unsigned char*>(pool.Allocate(size)), size, static_cast<unsigned char>(random())};
        std::memset(block.bytes, block.mark, size);
        live.push_back(block);
    };
    const size_t sizes[] = {1, 64, 100, 128, 1000, 4096, 65536, 1 << 20, (1 << 20) + 1};
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 1500; ++i) {
            if (!live.empty() && random() % 3 == 0) {
                size_t k = random() % live.size();
                ASSERT_TRUE(check(live[k])) << "a block was overwritten";
                pool.Free(live[k].bytes, live[k].size);
                live[k] = live.back();
                live.pop_back();
            } else {
                take(sizes[random() % (round == 0 ? 9 : 6)]);
            }
        }
        for (const Block& block : live) ASSERT_TRUE(check(block));
        for (const Block& block : live) pool.Free(block.bytes, block.size);
        live.clear();
    }
}

// Two halves given back make the whole again: the first chunk (4 KiB) holds
// a 4 KiB table after its pieces came back, without a second chunk.
TEST(TablePool, PiecesGivenBackAreJoinedIntoTheWhole)
{
    CTablePool pool;
    void* pieces[] = {pool.Allocate(64), pool.Allocate(64), pool.Allocate(128), pool.Allocate(2048)};
    ASSERT_EQ(pool.Chunks(), 1u);
    pool.Free(pieces[2], 128);
    pool.Free(pieces[0], 64);
    pool.Free(pieces[3], 2048);
    pool.Free(pieces[1], 64);
    void* whole = pool.Allocate(4096);
    EXPECT_EQ(pool.Chunks(), 1u);
    EXPECT_EQ(whole, pieces[0] < pieces[1] ? pieces[0] : pieces[1]);
    pool.Free(whole, 4096);
}
