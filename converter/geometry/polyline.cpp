#include "polyline.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The mark of a free slot: a NaN that no input produces. A NaN point never
// equals another, so it is stored without a lookup (and never in a slot
// whose bits could clash with the mark).
constexpr uint64_t kFreeBits = 0x7ff4fa11fa11fa11ULL;

uint64_t Bits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint64_t Hash(double value)
{
    uint64_t h = value == 0.0 ? 0 : Bits(value); // -0 files with 0
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb53a185ec53bULL;
    return h ^ (h >> 33);
}

} // namespace

CPolyLine::CPolyLine(double key, CTablePool& pool) : m_dKey(key), m_pool(pool) { Rehash(4); }

CPolyLine::~CPolyLine()
{
    if (m_vertices) m_pool.Free(m_vertices, m_nCapacity * sizeof(Slot));
}

bool CPolyLine::IsEmpty(const Slot& slot) const { return Bits(slot.secondary) == kFreeBits; }

size_t CPolyLine::SlotOf(double secondary) const { return Hash(secondary) & (m_nCapacity - 1); }

void CPolyLine::Prefetch(double secondary) const
{
#if defined(__GNUC__)
    if (!m_bInOrder) __builtin_prefetch(&m_vertices[SlotOf(secondary)]);
#else
    (void)secondary;
#endif
}

int CPolyLine::AddVertex(double primary, double secondary, double z)
{
    if (m_bInOrder) Rehash(m_nCapacity); // filing goes on after a look at the order
    if ((m_nSize + 1) * 4 > m_nCapacity * 3) Rehash(m_nCapacity * 2);

    size_t mask = m_nCapacity - 1;
    size_t i = SlotOf(secondary);
    while (!IsEmpty(m_vertices[i])) {
        if (m_vertices[i].secondary == secondary) return 0;
        i = (i + 1) & mask;
    }
    // A NaN never equals a stored value, so it always lands here; one with the
    // free mark's bits is stored as another NaN.
    m_vertices[i] = {Bits(secondary) == kFreeBits ? std::nan("") : secondary, z};
    ++m_nSize;
    if (primary == 0.0 && std::signbit(primary) != std::signbit(m_dKey)) m_otherZero.push_back(secondary);
    return 1;
}

void CPolyLine::Rehash(size_t capacity)
{
    Slot* old = m_vertices;
    size_t oldCapacity = m_nCapacity;
    size_t count = m_bInOrder ? m_nSize : oldCapacity;
    m_vertices = static_cast<Slot*>(m_pool.Allocate(capacity * sizeof(Slot)));
    m_nCapacity = capacity;
    double free;
    std::memcpy(&free, &kFreeBits, sizeof free);
    for (size_t i = 0; i < capacity; ++i) m_vertices[i].secondary = free;
    for (size_t k = 0; k < count && old; ++k) {
        if (IsEmpty(old[k])) continue;
        size_t i = SlotOf(old[k].secondary);
        while (!IsEmpty(m_vertices[i])) i = (i + 1) & (capacity - 1);
        m_vertices[i] = old[k];
    }
    m_bInOrder = false;
    if (old) m_pool.Free(old, oldCapacity * sizeof(Slot));
}

namespace {

// The bits of a double as an unsigned number of the same order (negative
// values with all bits flipped, positive ones with the sign bit set), so that
// sorting compares integers. DoubleBits undoes OrderedBits.
uint64_t OrderedBits(uint64_t bits) { return bits ^ ((0 - (bits >> 63)) | (uint64_t{1} << 63)); }
uint64_t DoubleBits(uint64_t ordered) { return ordered ^ ((0 - (~ordered >> 63)) | (uint64_t{1} << 63)); }

bool IsNaNBits(uint64_t bits) { return (bits & ~(uint64_t{1} << 63)) > 0x7ff0000000000000ULL; }

} // namespace

// Moves the vertices to the front of the table in ascending order. The table
// is then no longer a hash table; a later AddVertex rebuilds it.
void CPolyLine::PutInOrder()
{
    if (m_bInOrder) return;
    // The secondaries are sorted as ordered bits, held in the slots' doubles.
    Slot* slots = m_vertices;
    size_t used = 0;
    for (size_t i = 0; i < m_nCapacity; ++i)
        if (!IsEmpty(slots[i])) slots[used++] = {FromBits(OrderedBits(Bits(slots[i].secondary))), slots[i].z};
    std::sort(slots, slots + used, [](const Slot& a, const Slot& b) { return Bits(a.secondary) < Bits(b.secondary); });
    // A NaN (which no input produces) sorts last, so that the order stays
    // strict; as ordered bits, those with the sign bit come first.
    size_t negativeNaNs = 0;
    while (negativeNaNs < used && IsNaNBits(DoubleBits(Bits(slots[negativeNaNs].secondary)))) ++negativeNaNs;
    std::rotate(slots, slots + negativeNaNs, slots + used);
    for (size_t i = 0; i < used; ++i) slots[i].secondary = FromBits(DoubleBits(Bits(slots[i].secondary)));
    double free = FromBits(kFreeBits);
    for (size_t i = used; i < m_nCapacity; ++i) slots[i].secondary = free;
    if (!m_otherZero.empty()) std::sort(m_otherZero.begin(), m_otherZero.end());
    m_bInOrder = true;
}

// Vertex i of the sorted run, with the exchange of the Y reference applied.
CVertex CPolyLine::VertexAt(size_t i) const
{
    const Slot& slot = m_vertices[i];
    double primary = m_dKey;
    if (!m_otherZero.empty() && std::binary_search(m_otherZero.begin(), m_otherZero.end(), slot.secondary))
        primary = -m_dKey;
    CVertex vertex;
    vertex.Set(primary, slot.secondary, slot.z);
    if (m_bSwapped) vertex.SwapXY();
    return vertex;
}
