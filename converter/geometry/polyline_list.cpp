#include "polyline_list.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint64_t HashKey(double key)
{
    uint64_t h = 0;
    if (key != 0.0) std::memcpy(&h, &key, sizeof h); // -0 files with 0
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

} // namespace

CPolyLineList::CPolyLineList(HelperThreads helpers) : m_helpers(helpers), m_keys(16, KeySlot{0.0, nullptr}) {}

CPolyLine* CPolyLineList::Find(double key) const
{
    size_t mask = m_keys.size() - 1;
    for (size_t i = HashKey(key) & mask;; i = (i + 1) & mask) {
        const KeySlot& slot = m_keys[i];
        if (!slot.polyLine || slot.key == key) return slot.polyLine;
    }
}

void CPolyLineList::GrowKeys()
{
    std::vector<KeySlot> keys(m_keys.size() * 2, KeySlot{0.0, nullptr});
    size_t mask = keys.size() - 1;
    for (const KeySlot& slot : m_keys) {
        if (!slot.polyLine) continue;
        size_t i = HashKey(slot.key) & mask;
        while (keys[i].polyLine) i = (i + 1) & mask;
        keys[i] = slot;
    }
    m_keys.swap(keys);
}

void CPolyLineList::PrefetchKey(double primary) const
{
#if defined(__GNUC__)
    __builtin_prefetch(&m_keys[HashKey(primary) & (m_keys.size() - 1)]);
#else
    (void)primary;
#endif
}

CPolyLine* CPolyLineList::PrefetchPolyLine(double primary) const
{
    CPolyLine* polyLine = Find(primary);
#if defined(__GNUC__)
    if (polyLine) {
        __builtin_prefetch(polyLine);
        __builtin_prefetch(reinterpret_cast<const char*>(polyLine) + 63);
    }
#endif
    return polyLine;
}

void CPolyLineList::AddPoint(CRunContext& context, double primary, double secondary, double z)
{
    // Points come in runs of one reference value (the two ends of a section
    // line): the polyline of the last point is tried first.
    CPolyLine* polyLine = m_last && m_last->m_dKey == primary ? m_last : Find(primary);
    if (!polyLine) {
        if ((m_polyLines.size() + 1) * 2 > m_keys.size()) GrowKeys();
        m_polyLines.push_back(std::make_unique<CPolyLine>(primary, m_tables));
        polyLine = m_polyLines.back().get();
        size_t mask = m_keys.size() - 1;
        size_t i = HashKey(primary) & mask;
        while (m_keys[i].polyLine) i = (i + 1) & mask;
        m_keys[i] = {primary, polyLine};
        polyLine->AddVertex(primary, secondary, z);
        Bump(context.m_nPoints);
        Bump(context.m_nPolyLines);
    } else if (polyLine->AddVertex(primary, secondary, z)) {
        Bump(context.m_nPoints);
    }
    m_last = polyLine;
}

const std::vector<CPolyLine*>& CPolyLineList::PolyLines()
{
    if (m_ordered.size() != m_polyLines.size()) {
        m_ordered.clear();
        m_ordered.reserve(m_polyLines.size());
        for (auto& polyLine : m_polyLines) m_ordered.push_back(polyLine.get());
        // A NaN key (which no input produces) sorts last, so that the order stays strict.
        std::sort(m_ordered.begin(), m_ordered.end(), [](const CPolyLine* a, const CPolyLine* b) {
            return a->m_dKey < b->m_dKey || (std::isnan(b->m_dKey) && !std::isnan(a->m_dKey));
        });
    }
    return m_ordered;
}
