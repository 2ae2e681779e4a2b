#include "point_filer.h"

#include <new>
#include <system_error>

CPointFiler::CPointFiler(CPolyLineList& list, CRunContext& context)
    : m_list(list), m_context(context), m_nBatch(kBatchAlone)
{
    if (list.UsesHelperThreads()) {
        try {
            m_thread = std::thread([this] { FileBatches(); });
            m_nBatch = kBatch;
        } catch (const std::system_error&) {
            // No second thread to be had: the reading thread files the points itself.
        }
    }
    m_filling.reserve(m_nBatch);
}

void CPointFiler::HandOver()
{
    if (!m_thread.joinable()) {
        FileBatch(m_filling);
        m_filling.clear();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < kBatchesInFlight || m_bStop; });
    m_queue.push_back(std::move(m_filling));
    if (!m_spare.empty()) {
        m_filling = std::move(m_spare.back());
        m_spare.pop_back();
    } else {
        m_filling = {};
        m_filling.reserve(m_nBatch);
    }
    m_changed.notify_all();
}

void CPointFiler::Finish()
{
    if (!m_filling.empty()) HandOver();
    if (!m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_bNoMore = true;
    }
    m_changed.notify_all();
    m_thread.join();
    if (m_bOutOfMemory) throw std::bad_alloc();
}

void CPointFiler::Abandon()
{
    if (!m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
        m_bNoMore = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CPointFiler::FileBatches()
{
    try {
        FileUntilDone();
    } catch (const std::bad_alloc&) {
        // Out of memory while filing: stop taking points; Finish() reports it.
        std::lock_guard lock(m_mutex);
        m_bOutOfMemory = true;
        m_bStop = true;
        m_changed.notify_all();
    }
}

void CPointFiler::FileUntilDone()
{
    for (;;) {
        std::vector<Point> batch;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return !m_queue.empty() || m_bNoMore; });
            if (m_bStop || m_queue.empty()) return;
            batch = std::move(m_queue.front());
            m_queue.erase(m_queue.begin());
        }
        m_changed.notify_all();
        FileBatch(batch);
        batch.clear();
        std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(batch));
    }
}

void CPointFiler::FileBatch(const std::vector<Point>& batch)
{
    // Filing a point touches three places that are rarely in the cache on a
    // large drawing: the index slot of its key, its polyline, and the slot of
    // its vertex. Each is fetched a few points ahead, one stage after the
    // other, so that filing rarely waits for memory.
    constexpr size_t kKeyAhead = 24, kPolyLineAhead = 16, kVertexAhead = 8;
    CPolyLineList& list = m_list;
    CRunContext& context = m_context;
    CPolyLine* found[kPolyLineAhead + 1] = {};
    size_t count = batch.size();
    for (size_t step = 0; step < count + kKeyAhead; ++step) {
        if (step < count) list.PrefetchKey(batch[step].primary);
        if (step >= kKeyAhead - kPolyLineAhead && step - (kKeyAhead - kPolyLineAhead) < count) {
            size_t i = step - (kKeyAhead - kPolyLineAhead);
            found[i % (kPolyLineAhead + 1)] = list.PrefetchPolyLine(batch[i].primary);
        }
        if (step >= kKeyAhead - kVertexAhead && step - (kKeyAhead - kVertexAhead) < count) {
            size_t i = step - (kKeyAhead - kVertexAhead);
            if (CPolyLine* polyLine = found[i % (kPolyLineAhead + 1)]) polyLine->Prefetch(batch[i].secondary);
        }
        if (step >= kKeyAhead) {
            const Point& point = batch[step - kKeyAhead];
            list.AddPoint(context, point.primary, point.secondary, point.z);
        }
    }
}
