#include "point_filer.h"

#include <new>

CPointFiler::CPointFiler(CPolyLineList& list, CRunContext& context) : m_list(list), m_context(context)
{
    m_filling.reserve(kBatch);
    m_thread = std::thread([this] { FileBatches(); });
}

void CPointFiler::HandOver()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < kBatchesInFlight || m_bStop; });
    m_queue.push_back(std::move(m_filling));
    if (!m_spare.empty()) {
        m_filling = std::move(m_spare.back());
        m_spare.pop_back();
    } else {
        m_filling = {};
        m_filling.reserve(kBatch);
    }
    m_changed.notify_all();
}

void CPointFiler::Finish()
{
    if (!m_thread.joinable()) return;
    if (!m_filling.empty()) HandOver();
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
    // The memory of a point is fetched a few points before it is filed, so
    // that filing rarely waits for it.
    constexpr size_t kAhead = 8;
    CPolyLineList& list = m_list;
    CRunContext& context = m_context;
    size_t count = batch.size();
    for (size_t i = 0; i < count && i < kAhead; ++i) list.Prefetch(batch[i].primary, batch[i].secondary);
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) list.Prefetch(batch[i + kAhead].primary, batch[i + kAhead].secondary);
        list.AddPoint(context, batch[i].primary, batch[i].secondary, batch[i].z);
    }
}
