#include "run_context.h"

#include <cstdio>
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

unsigned RunConversion(CRunContext& context, std::chrono::milliseconds startPause)
{
    context.m_bRunning = 1;
    if (startPause.count() > 0) std::this_thread::sleep_for(startPause);
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

std::string FormatRunSummary(const CRunContext& context, bool ended)
{
    char text[160];
    int length = std::snprintf(text, sizeof text, "%06d SourceLines\n%06d Points\n%06d PolyLines\n\n%06d WritePolyLines%s",
                               int(context.m_nSourceLines), int(context.m_nPoints), int(context.m_nPolyLines),
                               int(context.m_nWritePolyLines), ended ? "\n\nTerminate Process" : "");
    return std::string(text, length > 0 ? size_t(length) : 0);
}
