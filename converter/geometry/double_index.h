#pragma once
// An open-addressing hash index over entries identified by a double value,
// for the exact-match lookups of point filing: 4 bytes per slot, entries
// themselves live in the caller's vector. Equal doubles (0 and -0 included)
// hash alike; the caller decides equality.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

class CDoubleIndex {
public:
    static uint64_t Hash(double key)
    {
        if (key == 0.0) key = 0.0; // -0 files with 0
        uint64_t h;
        std::memcpy(&h, &key, sizeof h);
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33;
        h *= 0xc4ceb53a185ec53bULL;
        h ^= h >> 33;
        return h;
    }

    bool Empty() const { return m_capacity == 0; }

    // Looks for an entry with IsMatch(entry) among those hashed like `key`;
    // returns it, or stores `newEntry` there and returns newEntry.
    // KeyOf(entry) gives the key of any stored entry, for growing.
    template <class IsMatch, class KeyOf>
    uint32_t FindOrInsert(double key, uint32_t newEntry, const IsMatch& isMatch, const KeyOf& keyOf)
    {
        if ((m_size + 1) * 4 > m_capacity * 3) Grow(keyOf);
        uint64_t mask = m_capacity - 1;
        for (uint64_t slot = Hash(key) & mask;; slot = (slot + 1) & mask) {
            uint32_t stored = m_slots[slot];
            if (stored == 0) {
                m_slots[slot] = newEntry + 1;
                ++m_size;
                return newEntry;
            }
            if (isMatch(stored - 1)) return stored - 1;
        }
    }

    // Rebuilds the index after the entries have been reordered.
    template <class KeyOf>
    void Rebuild(uint32_t entries, const KeyOf& keyOf)
    {
        m_size = 0;
        std::fill_n(m_slots.get(), m_capacity, 0u);
        for (uint32_t entry = 0; entry < entries; ++entry) Place(keyOf(entry), entry);
    }

    void Clear()
    {
        m_slots.reset();
        m_capacity = 0;
        m_size = 0;
    }

private:
    void Place(double key, uint32_t entry)
    {
        uint64_t mask = m_capacity - 1;
        uint64_t slot = Hash(key) & mask;
        while (m_slots[slot] != 0) slot = (slot + 1) & mask;
        m_slots[slot] = entry + 1;
        ++m_size;
    }

    template <class KeyOf>
    void Grow(const KeyOf& keyOf)
    {
        uint64_t capacity = m_capacity ? m_capacity * 2 : 16;
        std::unique_ptr<uint32_t[]> old = std::move(m_slots);
        uint64_t oldCapacity = m_capacity;
        m_slots = std::make_unique<uint32_t[]>(capacity); // zero-filled
        m_capacity = capacity;
        m_size = 0;
        for (uint64_t i = 0; i < oldCapacity; ++i)
            if (old[i] != 0) Place(keyOf(old[i] - 1), old[i] - 1);
    }

    std::unique_ptr<uint32_t[]> m_slots;
    uint64_t m_capacity = 0;
    uint64_t m_size = 0;
};
