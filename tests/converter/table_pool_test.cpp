#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "table_pool.h"

// Tables of every size taken and given back in random order, as growing
// polylines do: no two live blocks overlap (each keeps its bytes). Pieces
// given back join again: the first 4 KiB chunk then holds a 4 KiB table.
TEST(TablePool, BlocksNeverOverlapAndPiecesJoinAgain)
{
    struct Block {
        unsigned char* bytes;
        size_t size;
        unsigned char mark;
        bool Intact() const { return std::all_of(bytes, bytes + size, [&](unsigned char b) { return b == mark; }); }
    };
    CTablePool pool;
    void* pieces[] = {pool.Allocate(64), pool.Allocate(64), pool.Allocate(128), pool.Allocate(2048)};
    ASSERT_EQ(pool.Chunks(), 1u);
    for (int i : {2, 0, 3, 1}) pool.Free(pieces[i], i == 2 ? 128 : i == 3 ? 2048 : 64);
    void* whole = pool.Allocate(4096);
    EXPECT_EQ(pool.Chunks(), 1u);
    EXPECT_EQ(whole, std::min(pieces[0], pieces[1]));
    pool.Free(whole, 4096);

    std::mt19937 random(7);
    std::vector<Block> live;
    const size_t sizes[] = {1, 64, 100, 128, 1000, 4096, 65536, 1 << 20, (1 << 20) + 1};
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 1500; ++i) {
            if (!live.empty() && random() % 3 == 0) {
                size_t k = random() % live.size();
                ASSERT_TRUE(live[k].Intact()) << "a block was overwritten";
                pool.Free(live[k].bytes, live[k].size);
                live[k] = live.back();
                live.pop_back();
            } else {
                size_t size = sizes[random() % (round == 0 ? 9 : 6)];
                auto* bytes = static_cast<unsigned char*>(pool.Allocate(size));
                live.push_back({bytes, size, static_cast<unsigned char>(random())});
                std::memset(live.back().bytes, live.back().mark, size);
            }
        }
        for (const Block& block : live) ASSERT_TRUE(block.Intact());
        for (const Block& block : live) pool.Free(block.bytes, block.size);
        live.clear();
    }
}
