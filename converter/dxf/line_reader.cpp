#include "line_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

size_t ChunkFor(const CByteSource& source)
{
    constexpr size_t kLargest = 256 * 1024;
    int64_t size = source.Size();
    if (size < 0 || size >= int64_t(kLargest)) return kLargest;
    return size_t(size) + 1 < 64 ? 64 : size_t(size) + 1; // the whole source in one read, and its end seen
}

// The first Ctrl+Z in [p, end), or null. It runs over every byte of the
// source: sixteen bytes a step where the processor has SSE2 (the C runtime's
// memchr is a byte loop on some platforms).
const char* FindCtrlZ(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i ctrlZ = _mm_set1_epi8(0x1A);
    for (; end - p >= 16; p += 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        unsigned found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, ctrlZ)));
        if (found) return p + std::countr_zero(found);
    }
    for (; p < end; ++p)
        if (*p == 0x1A) return p;
    return nullptr;
#else
    return static_cast<const char*>(std::memchr(p, 0x1A, static_cast<size_t>(end - p)));
#endif
}

} // namespace

CDxfLineReader::CDxfLineReader(CByteSource& source, size_t chunkSize)
    : m_source(source), m_capacity(chunkSize ? chunkSize : ChunkFor(source))
{
    m_buffer.reset(new char[m_capacity + kGuard]);
    m_cursor = m_end = m_buffer.get();
    std::memset(m_buffer.get(), '\n', kGuard);
}

// The line in hand runs into the guard: read on until it ends or the text does.
bool CDxfLineReader::NextAcrossChunks(std::string_view& line)
{
    for (;;) {
        size_t known = static_cast<size_t>(m_end - m_cursor); // bytes of the line without a LF
        if (m_bEnd || !Refill()) break;
        const char* lf = FindLineFeed(m_cursor + known);
        if (lf != m_end) return Next(line);
    }
    if (m_cursor == m_end) return false;
    line = std::string_view(m_cursor, static_cast<size_t>(m_end - m_cursor)); // no LF at the end
    m_cursor = m_end;
    return true;
}

// Keeps the unfinished line and appends the next chunk of the file behind it.
bool CDxfLineReader::Refill()
{
    size_t kept = static_cast<size_t>(m_end - m_cursor);
    if (kept == m_capacity) { // one line fills the buffer: make room for more of it
        size_t capacity = m_capacity * 2;
        std::unique_ptr<char[]> larger(new char[capacity + kGuard]);
        std::memcpy(larger.get(), m_cursor, kept);
        m_buffer = std::move(larger);
        m_capacity = capacity;
    } else if (m_cursor != m_buffer.get()) {
        std::memmove(m_buffer.get(), m_cursor, kept);
    }
    char* data = m_buffer.get();
    m_cursor = data;
    m_end = data + kept;
    int64_t count = m_source.Read(data + kept, m_capacity - kept);
    if (count <= 0) {
        m_bFailed = count < 0;
        m_bEnd = true;
        std::memset(data + kept, '\n', kGuard);
        return false;
    }
    m_nBytesRead += count;
    char* chunk = data + kept;
    if (const char* eof = FindCtrlZ(chunk, chunk + count)) {
        count = eof - chunk;
        m_bEnd = true;
    }
    m_end = chunk + count;
    std::memset(const_cast<char*>(m_end), '\n', kGuard);
    return true;
}
