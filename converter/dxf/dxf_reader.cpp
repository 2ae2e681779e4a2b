// Reading of a DXF source: every code/value line pair in turn, by position
// alone; each group 30 to 39 files the pending coordinates as one point.
#include "file_io.h"
#include "line_reader.h"
#include "numbers.h"
#include "point_filer.h"
#include "polyline_list.h"

void CPolyLineList::ReadDxf(CRunContext& context)
{
    CSourceFile source;
    if (!source.Open(context.m_strSource)) {
        context.Fail(RunOutcome::SourceNotOpened, source.Error());
        return;
    }
    if (!ReadDxf(context, source)) context.Fail(RunOutcome::SourceReadFailed, source.Error());
}

bool CPolyLineList::ReadDxf(CRunContext& context, CByteSource& source)
{
    // The reference choice is taken once; groups 10-19 and 20-29 go to the
    // primary or the secondary according to it.
    double primary = 0.0;
    double secondary = 0.0;
    bool xReference = context.Axis() == ReferenceAxis::X;
    double& tens = xReference ? primary : secondary;
    double& twenties = xReference ? secondary : primary;

    CPointFiler filer(*this, context);
    CDxfLineReader reader(source);
    std::string_view line;
    int64_t lines = 0;
    // Each line is counted before it is looked at; the count is stored, not
    // added to, since this thread is its only writer.
    auto take = [&] {
        if (!reader.Next(line) || context.Cancelled()) return false;
        ++lines;
        context.m_nSourceLines.store(lines < INT32_MAX ? int32_t(lines) : INT32_MAX, std::memory_order_relaxed);
        return true;
    };
    // Lines pair up by position alone: a code line, then its value line.
    while (take()) {
        int32_t code = ParseGroupCode(line);
        context.m_nSourceBytesRead.store(reader.BytesRead(), std::memory_order_relaxed);
        if (!take()) break;
        // 10 <= code <= 39 on the code taken as unsigned: negative codes never match.
        uint32_t offset = static_cast<uint32_t>(code) - 10u;
        if (offset >= 30u) continue;
        double value = ParseValue(line);
        switch (offset / 10u) {
        case 0: tens = value; break;
        case 1: twenties = value; break;
        default: filer.Add(primary, secondary, value); break;
        }
    }
    // After an abort nothing is written, so the points still waiting are dropped.
    if (context.Cancelled()) filer.Abandon();
    else filer.Finish();
    return !reader.Failed();
}
