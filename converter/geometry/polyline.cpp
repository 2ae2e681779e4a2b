#include "polyline.h"

#include <algorithm>

namespace {
// Below this many vertices a linear search is cheaper than an index.
constexpr size_t kLinearSearchLimit = 8;

bool Before(const CVertex& a, const CVertex& b)
{
    return a.Compare(b.m_dPrimary, b.m_dSecondary) > 0;
}
} // namespace

int CPolyLine::AddVertex(double primary, double secondary, double z)
{
    auto size = static_cast<uint32_t>(m_vertices.size());
    if (size < kLinearSearchLimit) {
        for (const CVertex& vertex : m_vertices)
            if (vertex.Compare(primary, secondary) == 0) return 0;
    } else {
        auto keyOf = [this](uint32_t i) { return m_vertices[i].m_dSecondary; };
        if (m_index.Empty()) {
            // The index starts when the linear search gets long.
            for (uint32_t i = 0; i < size; ++i)
                m_index.FindOrInsert(keyOf(i), i, [](uint32_t) { return false; }, keyOf);
        }
        auto isMatch = [&](uint32_t i) { return m_vertices[i].Compare(primary, secondary) == 0; };
        if (m_index.FindOrInsert(secondary, size, isMatch, keyOf) != size) return 0;
    }
    if (m_bSorted && !m_vertices.empty() && m_vertices.back().Compare(primary, secondary) <= 0)
        m_bSorted = false;
    m_vertices.push_back({});
    m_vertices.back().Set(primary, secondary, z);
    return 1;
}

void CPolyLine::SortVertices()
{
    if (m_bSorted) return;
    std::sort(m_vertices.begin(), m_vertices.end(), Before);
    m_bSorted = true;
    if (!m_index.Empty())
        m_index.Rebuild(static_cast<uint32_t>(m_vertices.size()),
                        [this](uint32_t i) { return m_vertices[i].m_dSecondary; });
}

const std::vector<CVertex>& CPolyLine::Vertices()
{
    SortVertices();
    return m_vertices;
}

void CPolyLine::SwapXY()
{
    SortVertices();
    for (CVertex& vertex : m_vertices) vertex.SwapXY();
    // After the exchange the index no longer matches; no point is filed
    // after the writer's exchange, so it is simply dropped.
    m_index.Clear();
}
