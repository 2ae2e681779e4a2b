// libFuzzer target: any bytes as a DXF source, read, filed and written in
// memory on one thread under one of the references, so that a run costs
// microseconds instead of the file target's milliseconds. The same checks as
// dxf_reader_fuzz.cpp, and the line count against a plain count of the
// bytes. The source is handed over in small pieces, so that lines cross the
// ends of reads as they do in large files.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "file_io.h"
#include "polyline_list.h"

namespace {

struct MemorySource : CByteSource {
    MemorySource(std::string_view bytes, size_t piece) : rest(bytes), piece(piece), size(bytes.size()) {}
    int64_t Read(char* buffer, size_t wanted) override
    {
        size_t count = std::min({wanted, rest.size(), piece});
        std::memcpy(buffer, rest.data(), count);
        rest.remove_prefix(count);
        return static_cast<int64_t>(count);
    }
    int64_t Size() const override { return static_cast<int64_t>(size); }
    std::string_view rest;
    size_t piece, size;
};

struct MemorySink : CByteSink {
    bool Write(const char* data, size_t size) override { return text.append(data, size), true; }
    size_t BlockSize() const override { return 4096; }
    std::string text;
};

// The searches below are memchr, not loops over the bytes, which the
// fuzzer's instrumentation would slow down byte by byte.

// The lines of a text file: LF ends a line, a last line without LF counts,
// Ctrl+Z ends the text.
int64_t CountLines(std::string_view text)
{
    text = text.substr(0, text.find('\x1A'));
    int64_t lines = 0;
    for (size_t at = 0; at < text.size(); ++lines) at = std::min(text.find('\n', at), text.size()) + 1;
    return lines;
}

size_t CountVertices(std::string_view text)
{
    size_t vertices = 0;
    for (size_t at = text.find("\r\nVERTEX\r\n"); at != text.npos; at = text.find("\r\nVERTEX\r\n", at + 1)) ++vertices;
    return vertices;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // One reference per input, taken from its length: a run of the fuzzer
    // tries both, and each input costs half.
    CRunContext context;
    context.m_referenceAxis = size % 2 ? ReferenceAxis::Y : ReferenceAxis::X;
    CPolyLineList list(HelperThreads::None);
    MemorySource source(text, 1 + size % 251);
    MemorySink output;
    if (!list.ReadDxf(context, source) || !list.WriteDxf(context, output) ||
        context.m_nSourceLines != std::min<int64_t>(CountLines(text), INT32_MAX) ||
        context.m_nWritePolyLines != context.m_nPolyLines || context.m_nPolyLines > context.m_nPoints ||
        CountVertices(output.text) != size_t(context.m_nPoints))
        std::abort();
    return 0;
}
