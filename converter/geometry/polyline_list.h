#pragma once
#include <memory>
#include <vector>

#include "polyline.h"
#include "run_context.h"

class CByteSource;
class CByteSink;

// Whether a run may use helper threads: one that files the points while the
// source is read, and one that sorts polylines while they are written.
enum class HelperThreads { Use, None };

// The conversion job: one polyline per distinct reference value, in
// ascending order of that value. Lives for one run.
class CPolyLineList {
public:
    explicit CPolyLineList(HelperThreads helpers = HelperThreads::Use);
    virtual ~CPolyLineList() = default;

    CPolyLineList(const CPolyLineList&) = delete;
    CPolyLineList& operator=(const CPolyLineList&) = delete;

    // Reads m_strSource and files every coordinate triple (defined with the
    // DXF reader, in dxf/dxf_reader.cpp).
    void ReadDxf(CRunContext& context);
    // The same from any byte source; false when reading it failed.
    bool ReadDxf(CRunContext& context, CByteSource& source);

    // Files one point under its primary value: adds 1 to m_nPoints when it
    // was stored (not a duplicate) and 1 to m_nPolyLines when it opened a
    // new polyline. The first of two points with the same pair wins.
    void AddPoint(CRunContext& context, double primary, double secondary, double z);

    // Fetching ahead, for a point to be filed soon: the index slot of its
    // key; then its polyline (returned, or null when there is none yet).
    void PrefetchKey(double primary) const;
    CPolyLine* PrefetchPolyLine(double primary) const;

    // Writes the polylines to m_strOutput (defined with the DXF writer, in
    // dxf/dxf_writer.cpp).
    void WriteDxf(CRunContext& context);
    // The same into any byte sink; false when writing to it failed.
    bool WriteDxf(CRunContext& context, CByteSink& sink);

    bool UsesHelperThreads() const { return m_helpers == HelperThreads::Use; }

    // The polylines in ascending order of their key.
    const std::vector<CPolyLine*>& PolyLines();

private:
    struct KeySlot {
        double key;
        CPolyLine* polyLine; // null: free
    };

    CPolyLine* Find(double key) const;
    void GrowKeys();

    HelperThreads m_helpers;
    CTablePool m_tables; // before the polylines: they give their tables back to it
    std::vector<std::unique_ptr<CPolyLine>> m_polyLines; // in order of creation
    std::vector<KeySlot> m_keys;                         // hash index: key -> polyline
    CPolyLine* m_last = nullptr;                         // where the last point went
    std::vector<CPolyLine*> m_ordered;                   // by key, made on demand
};
