// libFuzzer target: any bytes as a DXF source, converted under both
// references. The sanitizers catch memory faults; the checks below catch a
// reader, filer or writer that disagree with each other.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "file_io.h"
#include "line_reader.h"
#include "run_context.h"

namespace {

std::string TempPath(const char* name)
{
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/trenvika-fuzz-" + std::to_string(getpid()) + "-" + name;
}

size_t CountVertices(const std::string& path)
{
    CSourceFile file;
    if (!file.Open(path)) std::abort();
    CDxfLineReader reader(file);
    std::string_view line;
    size_t vertices = 0;
    while (reader.Next(line)) vertices += line == "VERTEX";
    return vertices;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string source = TempPath("in.dxf");
    static const std::string output = TempPath("out.dxf");
    std::FILE* file = std::fopen(source.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    for (ReferenceAxis axis : {ReferenceAxis::X, ReferenceAxis::Y}) {
        CRunContext context;
        context.m_strSource = source;
        context.m_strOutput = output;
        context.m_referenceAxis = axis;
        PerformConversion(context);
        if (context.m_outcome != RunOutcome::Ok || context.m_nWritePolyLines != context.m_nPolyLines ||
            context.m_nPolyLines > context.m_nPoints || CountVertices(output) != size_t(context.m_nPoints))
            std::abort();
    }
    return 0;
}
