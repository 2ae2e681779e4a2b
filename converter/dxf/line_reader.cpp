#include "line_reader.h"

#include <cstring>

CDxfLineReader::CDxfLineReader(CSourceFile& file, size_t chunkSize)
    : m_file(file), m_buffer(new char[chunkSize]), m_capacity(chunkSize)
{
}

bool CDxfLineReader::Next(std::string_view& line)
{
    for (;;) {
        const char* start = m_buffer.get() + m_begin;
        const char* from = start + m_scanned;
        size_t left = m_end - m_begin - m_scanned;
        if (const void* lf = std::memchr(from, '\n', left)) {
            size_t length = static_cast<size_t>(static_cast<const char*>(lf) - start);
            m_begin += length + 1;
            m_scanned = 0;
            if (length > 0 && start[length - 1] == '\r') --length;
            line = std::string_view(start, length);
            return true;
        }
        m_scanned = m_end - m_begin;
        if (m_bEnd || !Refill()) {
            if (m_begin == m_end) return false;
            line = std::string_view(m_buffer.get() + m_begin, m_end - m_begin); // no LF at the end
            m_begin = m_end;
            m_scanned = 0;
            return true;
        }
    }
}

// Keeps the unfinished line and appends the next chunk of the file behind it.
bool CDxfLineReader::Refill()
{
    size_t kept = m_end - m_begin;
    if (m_begin > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, kept);
        m_begin = 0;
        m_end = kept;
    }
    if (m_end == m_capacity) { // one line fills the buffer: make room for more of it
        size_t capacity = m_capacity * 2;
        std::unique_ptr<char[]> larger(new char[capacity]);
        std::memcpy(larger.get(), m_buffer.get(), m_end);
        m_buffer = std::move(larger);
        m_capacity = capacity;
    }
    int64_t count = m_file.Read(m_buffer.get() + m_end, m_capacity - m_end);
    if (count <= 0) {
        m_bFailed = count < 0;
        m_bEnd = true;
        return false;
    }
    m_nBytesRead += count;
    char* chunk = m_buffer.get() + m_end;
    if (void* eof = std::memchr(chunk, 0x1A, static_cast<size_t>(count))) {
        count = static_cast<char*>(eof) - chunk;
        m_bEnd = true;
    }
    m_end += static_cast<size_t>(count);
    return true;
}
