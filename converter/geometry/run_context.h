#pragma once
// The shared state of one conversion run. The dialog owns it and the worker
// thread works on it; each flag and counter is one aligned 32-bit word with a
// single writer, read by the other thread without a lock.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

enum class ReferenceAxis : int32_t { X, Y };

// How the run ended, for front ends that report more than the counters
// (the console tool). The dialog shows only the counters.
enum class RunOutcome : int32_t {
    Ok,
    SourceNotOpened,   // the source could not be opened: nothing read
    SourceReadFailed,  // reading failed midway: no output written
    OutputNotCreated,  // the output could not be created: nothing written
    OutputWriteFailed, // writing failed midway (disk full): output incomplete
    OutOfMemory,       // the points did not fit in memory: no output written
};

using Counter = std::atomic<int32_t>;

// Adds one. Only the writing thread calls this, so load + store suffices
// (no locked instruction); the counters never wrap below their last value.
inline void Bump(Counter& counter)
{
    int32_t value = counter.load(std::memory_order_relaxed);
    if (value != INT32_MAX) counter.store(value + 1, std::memory_order_relaxed);
}

class CRunContext {
public:
    virtual ~CRunContext() = default;

    std::string m_strSource;
    std::string m_strOutput;

    // The dialog keeps this copy of its radio buttons current, so the worker
    // never has to ask the dialog thread (which may be asleep in an abort wait).
    std::atomic<ReferenceAxis> m_referenceAxis{ReferenceAxis::X};

    // The reading thread and the filing thread each write their counters on
    // a cache line of their own: sharing one would make the two cores hand
    // the line back and forth on every line read.
    alignas(64) Counter m_bRunning{0};
    Counter m_bCancel{0};
    Counter m_nSourceLines{0};
    alignas(64) Counter m_nPoints{0};
    Counter m_nPolyLines{0};
    alignas(64) Counter m_nWritePolyLines{0};

    // Progress of the reading, in bytes of the source (for progress bars).
    alignas(64) std::atomic<int64_t> m_nSourceBytesRead{0};
    std::atomic<RunOutcome> m_outcome{RunOutcome::Ok};
    std::atomic<int> m_nSystemError{0}; // errno of a failed file operation

    // Writes the 3D flags (group 70) that some CAD readers need; off by
    // default, which keeps the converter's usual bytes.
    bool m_bWrite3DFlags = false;

    ReferenceAxis Axis() const { return m_referenceAxis.load(std::memory_order_relaxed); }
    bool Cancelled() const { return m_bCancel.load(std::memory_order_relaxed) != 0; }
    void Fail(RunOutcome outcome, int systemError)
    {
        m_outcome = outcome;
        m_nSystemError = systemError;
    }

    // Sets the cancel flag and the counters to 0, as before every start.
    void ResetForRun();
};

// The worker's pause before it reads: time for an abort before anything is touched.
inline constexpr std::chrono::milliseconds kStartPause{500};

// Starts a run on a worker that `startWorker` creates (it returns false when
// no thread could be had). The counters are reset and m_bRunning is raised
// here, before the worker exists, so that a poll in between never takes a
// worker that has not begun for a run that has ended; without a worker the
// flag comes down again. Returns whether the worker started.
template <class StartWorker>
bool StartRun(CRunContext& context, StartWorker&& startWorker)
{
    context.ResetForRun();
    context.m_bRunning = 1;
    if (startWorker()) return true;
    context.m_bRunning = 0;
    return false;
}

// The worker's procedure, for the dialog and the console tool alike: raises
// m_bRunning, waits `startPause`, reads, writes unless cancelled, records how
// the run ended in m_outcome (running out of memory included) and clears
// m_bRunning as its last touch of the context. Returns 0.
unsigned RunConversion(CRunContext& context, std::chrono::milliseconds startPause = kStartPause);

// The reading and writing of a run without the start pause or the running
// flag: a fresh polyline list is read, written unless cancelled and dropped.
// Throws std::bad_alloc when the drawing does not fit in memory.
void PerformConversion(CRunContext& context);

// The counters as the dialog's status area and the console tool show them:
// each zero-padded to six digits, one a line; "Terminate Process" follows
// once the run has ended.
std::string FormatRunSummary(const CRunContext& context, bool ended);
