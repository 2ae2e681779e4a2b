#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "table_pool.h"

// Tables of every size taken and given back in random order, as growing
// polylines do: no two live blocks overlap (each keeps the bytes written into
// it), and blocks given back are joined again, so that taking the same
// amount once more needs no more memory than the first time.
TEST(TablePool, BlocksNeverOverlapAndAreJoinedAgainWhenGivenBack)
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
    // Everything is back: every chunk is one whole free block again.
    std::vector<void*> chunks;
    size_t count = pool.Chunks();
    for (size_t i = 0; i < count; ++i) chunks.push_back(pool.Allocate(1 << 20));
    EXPECT_EQ(pool.Chunks(), count);
    for (void* chunk : chunks) pool.Free(chunk, 1 << 20);
}
