// Writing of the output: an ENTITIES section of one POLYLINE per polyline,
// each with its VERTEX entities, in ascending order of key and vertex.
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <system_error>
#include <thread>

#include "dxf_output.h"
#include "polyline_list.h"

void CVertex::Write(CDxfOutput& file) const { file.Vertex(m_dPrimary, m_dSecondary, m_dZ); }

void CPolyLine::Write(CDxfOutput& file)
{
    file.Lines("0\r\nPOLYLINE\r\n8\r\n0\r\n66\r\n1\r\n10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n");
    if (file.m_b3DFlags) file.Group("70", "8"); // 3D polyline
    PutInOrder();
    for (size_t i = 0; i < m_nSize; ++i) VertexAt(i).Write(file);
    file.Group("0", "SEQEND");
}

void CPolyLineList::WriteDxf(CRunContext& context)
{
    COutputFile output;
    if (!output.Create(context.m_strOutput)) {
        context.Fail(RunOutcome::OutputNotCreated, output.Error());
        return;
    }
    bool written = WriteDxf(context, output);
    if (!output.Close() || !written) context.Fail(RunOutcome::OutputWriteFailed, output.Error());
}

bool CPolyLineList::WriteDxf(CRunContext& context, CByteSink& sink)
{
    CDxfOutput file(sink, sink.BlockSize());
    file.m_b3DFlags = context.m_bWrite3DFlags;
    file.Group("999", "DXF 3D PolyLines");
    file.Group("0", "SECTION");
    file.Group("2", "ENTITIES");

    // A polyline counts as written once its last byte has reached the file,
    // not when it enters the buffer: after a failed write (a full disk) the
    // count tells how many whole polylines the file really holds.
    std::deque<uint64_t> pendingEnds;
    auto countWritten = [&] {
        while (!pendingEnds.empty() && pendingEnds.front() <= file.BytesWritten()) {
            pendingEnds.pop_front();
            Bump(context.m_nWritePolyLines);
        }
    };
    // A second thread puts the polylines in order ahead of the writing. The
    // writer puts in order itself any polyline that thread has not taken
    // yet, so it waits at most for the one the other thread has in hand,
    // and on a single core the two do not take turns at waiting.
    const std::vector<CPolyLine*>& polyLines = PolyLines();
    size_t count = polyLines.size();
    std::unique_ptr<std::atomic<bool>[]> inOrder(new std::atomic<bool>[count]());
    std::atomic<size_t> nextToSort{0};
    std::atomic<bool> stopSorting{false};
    auto sortNext = [&] {
        size_t k = nextToSort.fetch_add(1, std::memory_order_relaxed);
        if (k >= count) return false;
        polyLines[k]->PutInOrder();
        inOrder[k].store(true, std::memory_order_release);
        return true;
    };
    std::thread sorter;
    try {
        if (UsesHelperThreads() && count > 1)
            sorter = std::thread([&] {
                while (!stopSorting.load(std::memory_order_relaxed) && sortNext()) {
                }
            });
    } catch (const std::system_error&) {
        // No second thread: the writer sorts each polyline itself.
    }
    struct StopSorter {
        std::thread& thread;
        std::atomic<bool>& stop;
        ~StopSorter()
        {
            stop = true;
            if (thread.joinable()) thread.join();
        }
    } stopSorter{sorter, stopSorting};

    for (size_t k = 0; k < count; ++k) {
        if (context.Cancelled() || file.Failed()) break;
        while (!inOrder[k].load(std::memory_order_acquire))
            if (!sortNext()) std::this_thread::yield(); // the other thread is on it
        CPolyLine* polyLine = polyLines[k];
        if (context.Axis() == ReferenceAxis::Y) polyLine->SwapXY();
        polyLine->Write(file);
        pendingEnds.push_back(file.BytesWritten() + file.BytesBuffered());
        countWritten();
    }
    file.Group("0", "ENDSEC");
    file.Group("0", "EOF");
    file.Flush();
    countWritten();
    return !file.Failed();
}
