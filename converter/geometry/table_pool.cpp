#include "table_pool.h"

#include <algorithm>
#include <new>

CTablePool::~CTablePool()
{
    for (Chunk& chunk : m_chunks) ::operator delete(chunk.base);
}

int CTablePool::OrderOf(size_t bytes)
{
    int order = 0;
    while ((kUnit << order) < bytes) ++order;
    return order;
}

CTablePool::Chunk& CTablePool::ChunkOf(const std::byte* block)
{
    auto after = std::upper_bound(m_chunks.begin(), m_chunks.end(), block,
                                  [](const std::byte* p, const Chunk& chunk) { return p < chunk.base; });
    return *(after - 1);
}

void CTablePool::Push(Chunk& chunk, size_t unit, int order)
{
    auto* block = reinterpret_cast<FreeBlock*>(chunk.base + unit * kUnit);
    block->prev = nullptr;
    block->next = m_free[order];
    if (block->next) block->next->prev = block;
    m_free[order] = block;
    chunk.freeOrder[unit] = static_cast<uint8_t>(order + 1);
}

void CTablePool::Unlink(Chunk& chunk, size_t unit, int order)
{
    auto* block = reinterpret_cast<FreeBlock*>(chunk.base + unit * kUnit);
    if (block->prev) block->prev->next = block->next;
    else m_free[order] = block->next;
    if (block->next) block->next->prev = block->prev;
    chunk.freeOrder[unit] = 0;
}

void CTablePool::AddChunk(int order)
{
    size_t units = size_t{1} << order;
    Chunk chunk{static_cast<std::byte*>(::operator new(units * kUnit)), order, nullptr};
    try {
        chunk.freeOrder.reset(new uint8_t[units]());
        auto at = std::upper_bound(m_chunks.begin(), m_chunks.end(), chunk.base,
                                   [](const std::byte* p, const Chunk& c) { return p < c.base; });
        at = m_chunks.insert(at, std::move(chunk));
        Push(*at, 0, order);
    } catch (...) {
        ::operator delete(chunk.base);
        throw;
    }
    m_nextChunkOrder = std::min(order + 1, kChunkOrder);
}

void* CTablePool::Allocate(size_t bytes)
{
    int order = OrderOf(bytes);
    if (order > kChunkOrder) return ::operator new(bytes);
    int found = order;
    while (found <= kChunkOrder && !m_free[found]) ++found;
    if (found > kChunkOrder) {
        found = std::max(order, m_nextChunkOrder);
        AddChunk(found);
    }
    auto* block = reinterpret_cast<std::byte*>(m_free[found]);
    Chunk& chunk = ChunkOf(block);
    size_t unit = static_cast<size_t>(block - chunk.base) / kUnit;
    Unlink(chunk, unit, found);
    while (found > order) { // the upper halves stay free
        --found;
        Push(chunk, unit + (size_t{1} << found), found);
    }
    return block;
}

void CTablePool::Free(void* block, size_t bytes)
{
    int order = OrderOf(bytes);
    if (order > kChunkOrder) {
        ::operator delete(block);
        return;
    }
    Chunk& chunk = ChunkOf(static_cast<std::byte*>(block));
    size_t unit = static_cast<size_t>(static_cast<std::byte*>(block) - chunk.base) / kUnit;
    while (order < chunk.order) {
        size_t buddy = unit ^ (size_t{1} << order);
        if (chunk.freeOrder[buddy] != order + 1) break;
        Unlink(chunk, buddy, order);
        unit = std::min(unit, buddy);
        ++order;
    }
    Push(chunk, unit, order);
}
