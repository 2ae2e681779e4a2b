#pragma once
// Splits a text file into lines, one at a time, with the rules of a text
// file read by line: a line ends at LF, which is not part of it; a CR just
// before the LF is dropped; a last line without LF is still a line; lines
// may be of any length; a Ctrl+Z byte ends the text as if the file ended there.
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "file_io.h"

class CDxfLineReader {
public:
    // Reads `chunkSize` bytes at a time; 0 takes 256 KiB, or less for a
    // smaller source.
    explicit CDxfLineReader(CByteSource& source, size_t chunkSize = 0);

    // The next line, valid until the next call; false at the end of the text.
    bool Next(std::string_view& line)
    {
        const char* start = m_cursor;
        const char* lf = FindLineFeed(start);
        if (lf == m_end) return NextAcrossChunks(line); // the guard, not a line end
        m_cursor = lf + 1;
        if (lf > start && lf[-1] == '\r') --lf;
        line = std::string_view(start, static_cast<size_t>(lf - start));
        return true;
    }

    bool Failed() const { return m_bFailed; }
    int64_t BytesRead() const { return m_nBytesRead; }

private:
    static constexpr size_t kGuard = 8; // a LF after the data, and room for 8-byte loads

    // The first LF from `p` on; the guard LF at m_end stops every search.
    // Eight bytes at a time: lines of DXF are short.
    static const char* FindLineFeed(const char* p)
    {
        constexpr uint64_t kOnes = 0x0101010101010101ULL;
        for (;; p += 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            uint64_t x = word ^ (kOnes * '\n');
            uint64_t found = (x - kOnes) & ~x & (kOnes * 0x80);
            if (found) return p + (std::countr_zero(found) >> 3);
        }
    }

    bool NextAcrossChunks(std::string_view& line);
    bool Refill();

    CByteSource& m_source;
    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity;      // bytes for data, without the guard
    const char* m_cursor;   // start of the next line
    const char* m_end;      // end of the data in the buffer, where the guard LF stands
    bool m_bEnd = false;    // no more bytes will come
    bool m_bFailed = false;
    int64_t m_nBytesRead = 0;
};
