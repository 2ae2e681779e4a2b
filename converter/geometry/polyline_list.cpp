#include "polyline_list.h"

#include <algorithm>

void CPolyLineList::AddPoint(CRunContext& context, double primary, double secondary, double z)
{
    auto count = static_cast<uint32_t>(m_polyLines.size());
    auto keyOf = [this](uint32_t i) { return m_polyLines[i]->m_dKey; };
    auto isMatch = [&](uint32_t i) { return m_polyLines[i]->m_dKey == primary; };
    uint32_t entry = m_keyIndex.FindOrInsert(primary, count, isMatch, keyOf);
    if (entry == count) {
        m_polyLines.push_back(std::make_unique<CPolyLine>(primary));
        m_polyLines.back()->AddVertex(primary, secondary, z);
        Bump(context.m_nPoints);
        Bump(context.m_nPolyLines);
        return;
    }
    if (m_polyLines[entry]->AddVertex(primary, secondary, z)) Bump(context.m_nPoints);
}

const std::vector<CPolyLine*>& CPolyLineList::PolyLines()
{
    if (m_ordered.size() != m_polyLines.size()) {
        m_ordered.clear();
        m_ordered.reserve(m_polyLines.size());
        for (auto& polyLine : m_polyLines) m_ordered.push_back(polyLine.get());
        std::sort(m_ordered.begin(), m_ordered.end(),
                  [](const CPolyLine* a, const CPolyLine* b) { return a->m_dKey < b->m_dKey; });
    }
    return m_ordered;
}
