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

class CMemorySource : public CByteSource {
public:
    CMemorySource(const uint8_t* data, size_t size, size_t piece) : m_data(data), m_size(size), m_piece(piece) {}
    int64_t Read(char* buffer, size_t size) override
    {
        size_t count = std::min({size, m_size - m_offset, m_piece});
        std::memcpy(buffer, m_data + m_offset, count);
        m_offset += count;
        return static_cast<int64_t>(count);
    }
    int64_t Size() const override { return static_cast<int64_t>(m_size); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_piece;
    size_t m_offset = 0;
};

class CMemorySink : public CByteSink {
public:
    bool Write(const char* data, size_t size) override
    {
        m_text.append(data, size);
        return true;
    }
    size_t BlockSize() const override { return 4096; }
    std::string m_text;
};

// The lines of a text file: LF ends a line, a last line without LF counts,
// Ctrl+Z ends the text. (memchr rather than a loop over the bytes, which
// the fuzzer's instrumentation would slow down byte by byte.)
int64_t CountLines(std::string_view text)
{
    if (const void* ctrlZ = std::memchr(text.data(), 0x1A, text.size()))
        text = text.substr(0, static_cast<size_t>(static_cast<const char*>(ctrlZ) - text.data()));
    int64_t lines = 0;
    for (size_t at = 0; at < text.size(); ++lines) {
        const void* lf = std::memchr(text.data() + at, '\n', text.size() - at);
        if (!lf) return lines + 1;
        at = static_cast<size_t>(static_cast<const char*>(lf) - text.data()) + 1;
    }
    return lines;
}

size_t CountVertices(std::string_view text)
{
    constexpr std::string_view kVertex = "\r\nVERTEX\r\n";
    size_t vertices = 0;
    for (size_t at = 0;;) {
        const void* v = std::memchr(text.data() + at, 'V', text.size() - at);
        if (!v) return vertices;
        size_t found = static_cast<size_t>(static_cast<const char*>(v) - text.data());
        if (found >= 2 && text.substr(found - 2, kVertex.size()) == kVertex) ++vertices;
        at = found + 1;
    }
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
    CMemorySource source(data, size, 1 + size % 251);
    CMemorySink output;
    if (!list.ReadDxf(context, source) || !list.WriteDxf(context, output) ||
        context.m_nSourceLines != std::min<int64_t>(CountLines(text), INT32_MAX) ||
        context.m_nWritePolyLines != context.m_nPolyLines || context.m_nPolyLines > context.m_nPoints ||
        CountVertices(output.m_text) != size_t(context.m_nPoints))
        std::abort();
    return 0;
}
