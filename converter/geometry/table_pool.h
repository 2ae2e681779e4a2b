#pragma once
// Memory for the polylines' vertex tables. Every table is a power of two of
// 64-byte units; a table is given back each time it grows, so a large drawing
// takes and returns hundreds of thousands of blocks of a few kilobytes. A
// general heap keeps those as a long list of free blocks that it searches
// (the Windows build's heap under Wine spent three quarters of a 1 GB run
// there). Here they are carved from chunks by the buddy method: a block
// given back is joined with its free neighbour of the same size, so the
// space of the small tables serves the larger ones that follow, and a block
// of any size is found without a search. The chunks double from 4 KiB (a
// small drawing takes little) up to 1 MiB; larger tables go to the heap.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CTablePool {
public:
    static constexpr size_t kUnit = 64;
    static constexpr int kFirstChunkOrder = 6; // 2^6 units
    static constexpr int kChunkOrder = 14;     // at most 2^14 units

    CTablePool() = default;
    ~CTablePool();
    CTablePool(const CTablePool&) = delete;
    CTablePool& operator=(const CTablePool&) = delete;

    // A block of at least `bytes` bytes (kUnit-aligned within its chunk);
    // throws std::bad_alloc.
    void* Allocate(size_t bytes);
    // Gives back a block of Allocate(bytes), with the same `bytes`.
    void Free(void* block, size_t bytes);
    // Chunks taken from the heap so far.
    size_t Chunks() const { return m_chunks.size(); }

private:
    struct FreeBlock {
        FreeBlock* prev;
        FreeBlock* next;
    };
    struct Chunk {
        std::byte* base;
        int order;
        std::unique_ptr<uint8_t[]> freeOrder; // per unit: order + 1 where a free block starts, else 0
    };

    static int OrderOf(size_t bytes);
    Chunk& ChunkOf(const std::byte* block);
    void Push(Chunk& chunk, size_t unit, int order);
    void Unlink(Chunk& chunk, size_t unit, int order);
    void AddChunk(int order);

    std::vector<Chunk> m_chunks; // in ascending order of base
    FreeBlock* m_free[kChunkOrder + 1] = {};
    int m_nextChunkOrder = kFirstChunkOrder;
};
