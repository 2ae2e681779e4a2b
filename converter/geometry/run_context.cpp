#include "run_context.h"

#include <chrono>
#include <new>
#include <thread>

#include "polyline_list.h"

void CRunContext::ResetForRun()
{
    m_bCancel = 0;
    m_nSourceLines = 0;
    m_nPoints = 0;
    m_nPolyLines = 0;
    m_nWritePolyLines = 0;
    m_nSourceBytesRead = 0;
    m_outcome = RunOutcome::Ok;
    m_nSystemError = 0;
}

void PerformConversion(CRunContext& context)
{
    CPolyLineList list;
    if (!context.Cancelled()) list.ReadDxf(context);
    // A source that could not be opened still gives an output without
    // entities; a read that broke off midway gives none, so that no
    // incomplete drawing passes for a converted one.
    if (!context.Cancelled() && context.m_outcome != RunOutcome::SourceReadFailed)
        list.WriteDxf(context);
}

unsigned RunConversion(CRunContext& context)
{
    context.m_bRunning = 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    try {
        PerformConversion(context);
    } catch (const std::bad_alloc&) {
        // Whatever fails, the flag below must clear or the dialog waits forever.
        context.m_outcome = RunOutcome::OutOfMemory;
    }
    // The list is gone by now: once the flag is clear the dialog may end the
    // program, and the worker has nothing left to do.
    context.m_bRunning = 0;
    return 0;
}
