#pragma once
#include <cstdint>
#include <vector>

#include "table_pool.h"
#include "vertex.h"

class CDxfOutput;

// All points that share one reference value, in ascending order of the other
// plane coordinate, without two vertices of the same pair.
//
// While points are filed, the vertices live in an open-addressing hash table
// keyed by the secondary value, so that filing a point costs one probe of one
// cache line; they are put in order once, when they are written or looked at.
// The primary value of every vertex equals the key, so a vertex keeps only its
// secondary value and z (the sign of a zero primary is kept apart).
class CPolyLine {
public:
    // The vertex table comes from `pool`, which must outlive the polyline.
    CPolyLine(double key, CTablePool& pool);
    virtual ~CPolyLine();

    CPolyLine(const CPolyLine&) = delete;
    CPolyLine& operator=(const CPolyLine&) = delete;

    // Stores the point and returns 1, or returns 0 and changes nothing when a
    // vertex with the same (primary, secondary) pair is already there.
    // `primary` must equal the key (the list files points that way).
    int AddVertex(double primary, double secondary, double z);

    // Asks the processor to fetch the memory that AddVertex(…, secondary, …)
    // will touch, so that a later call does not wait for it.
    void Prefetch(double secondary) const;

    // Exchanges primary and secondary of every vertex (Y reference output).
    void SwapXY() { m_bSwapped = !m_bSwapped; }

    // Emits POLYLINE, the vertices in order, SEQEND (defined with the DXF
    // writer, in dxf/dxf_writer.cpp).
    void Write(CDxfOutput& file);

    // Puts the vertices in order for writing; filing a point afterwards
    // rebuilds the lookup table.
    void PutInOrder();

    const double m_dKey;

private:
    struct Slot {
        double secondary;
        double z;
    };

    bool IsEmpty(const Slot& slot) const;
    size_t SlotOf(double secondary) const;
    void Rehash(size_t capacity);
    CVertex VertexAt(size_t i) const;

    CTablePool& m_pool;
    Slot* m_vertices = nullptr;           // hash table; after PutInOrder, the sorted vertices first
    size_t m_nCapacity = 0;
    size_t m_nSize = 0;
    bool m_bInOrder = false;              // m_vertices holds the sorted run, not the hash table
    bool m_bSwapped = false;
    std::vector<double> m_otherZero;      // secondaries whose primary is the zero of the other sign
};
