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
    bool expectCode = true;
    int32_t code = 0;
    int64_t reported = 0;
    while (reader.Next(line)) {
        if (context.Cancelled()) break;
        Bump(context.m_nSourceLines);
        if (expectCode) {
            code = ParseGroupCode(line);
            expectCode = false;
            continue;
        }
        expectCode = true;
        // 10 <= code <= 39 on the code taken as unsigned: negative codes never match.
        uint32_t offset = static_cast<uint32_t>(code) - 10u;
        if (offset < 30u) {
            double value = ParseValue(line);
            switch (offset / 10u) {
            case 0: tens = value; break;
            case 1: twenties = value; break;
            default: filer.Add(primary, secondary, value); break;
            }
        }
        if (reader.BytesRead() != reported) {
            reported = reader.BytesRead();
            context.m_nSourceBytesRead.store(reported, std::memory_order_relaxed);
        }
    }
    // After an abort nothing is written, so the points still waiting are dropped.
    if (context.Cancelled()) filer.Abandon();
    else filer.Finish();
    return !reader.Failed();
}
