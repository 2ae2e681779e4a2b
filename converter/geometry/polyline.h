#pragma once
#include <cstdint>
#include <vector>

#include "double_index.h"
#include "vertex.h"

class CDxfOutput;

// All points that share one reference value, in ascending order of the other
// plane coordinate, without two vertices of the same pair.
//
// Vertices are kept in arrival order while points are filed and put in order
// when they are looked at (Vertices(), Write()): filing a point costs one hash
// probe instead of a search in an ordered list, and the order that comes out
// is the same.
class CPolyLine {
public:
    explicit CPolyLine(double key) : m_dKey(key) {}
    virtual ~CPolyLine() = default;

    CPolyLine(const CPolyLine&) = delete;
    CPolyLine& operator=(const CPolyLine&) = delete;

    // Stores the point and returns 1, or returns 0 and changes nothing when a
    // vertex with the same (primary, secondary) pair is already there.
    int AddVertex(double primary, double secondary, double z);

    // Exchanges primary and secondary of every vertex (Y reference output).
    void SwapXY();

    // Emits POLYLINE, the vertices in order, SEQEND.
    void Write(CDxfOutput& file);

    // The vertices in ascending order.
    const std::vector<CVertex>& Vertices();
    size_t Size() const { return m_vertices.size(); }

    // Drops the lookup index once no more points will be filed.
    void ReleaseIndex() { m_index.Clear(); }

    const double m_dKey;

private:
    void SortVertices();

    std::vector<CVertex> m_vertices;
    CDoubleIndex m_index; // built once the polyline outgrows a linear search
    bool m_bSorted = true;
};
