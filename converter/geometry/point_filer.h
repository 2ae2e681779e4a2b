#pragma once
// Files points into a polyline list on a thread of its own, so that reading
// the source and filing its points run side by side. The reading thread hands
// over points in batches, in the order read; the filing thread files them in
// that order (the first of two equal points still wins) and is the only
// writer of m_nPoints and m_nPolyLines.
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "polyline_list.h"

class CPointFiler {
public:
    CPointFiler(CPolyLineList& list, CRunContext& context);
    ~CPointFiler() { Abandon(); }

    CPointFiler(const CPointFiler&) = delete;
    CPointFiler& operator=(const CPointFiler&) = delete;

    void Add(double primary, double secondary, double z)
    {
        m_filling.push_back({primary, secondary, z});
        if (m_filling.size() == m_nBatch) HandOver();
    }

    // Files what is left and waits until every point is filed; throws
    // std::bad_alloc when the points did not fit in memory.
    void Finish();
    // Stops filing (the points not filed yet are dropped) and waits.
    void Abandon();

private:
    struct Point {
        double primary, secondary, z;
    };
    // Points handed over at once: enough to make the hand-over rare; without
    // a filing thread, just enough to fetch ahead within a batch.
    static constexpr size_t kBatch = 4096;
    static constexpr size_t kBatchAlone = 256;
    static constexpr size_t kBatchesInFlight = 4;

    void HandOver();
    void FileBatches();
    void FileUntilDone();
    void FileBatch(const std::vector<Point>& batch);

    CPolyLineList& m_list;
    CRunContext& m_context;
    size_t m_nBatch;
    // Written for every point by the reading thread: on a cache line of its
    // own, away from what the filing thread reads.
    alignas(64) std::vector<Point> m_filling;

    alignas(64) std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::vector<Point>> m_queue; // handed over, not yet filed
    std::vector<std::vector<Point>> m_spare; // emptied batches to reuse
    bool m_bNoMore = false;
    bool m_bStop = false;
    bool m_bOutOfMemory = false;
    std::thread m_thread;
};
