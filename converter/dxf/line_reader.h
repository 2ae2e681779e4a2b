#pragma once
// Splits a text file into lines, one at a time, with the rules of a text
// file read by line: a line ends at LF, which is not part of it; a CR just
// before the LF is dropped; a last line without LF is still a line; lines
// may be of any length; a Ctrl+Z byte ends the text as if the file ended there.
#include <cstdint>
#include <memory>
#include <string_view>

#include "file_io.h"

class CDxfLineReader {
public:
    explicit CDxfLineReader(CSourceFile& file, size_t chunkSize = 256 * 1024);

    // The next line, valid until the next call; false at the end of the text.
    bool Next(std::string_view& line);

    bool Failed() const { return m_bFailed; }
    int64_t BytesRead() const { return m_nBytesRead; }

private:
    bool Refill();

    CSourceFile& m_file;
    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity;
    size_t m_begin = 0;   // start of the line being read
    size_t m_scanned = 0; // bytes after m_begin already known to hold no LF
    size_t m_end = 0;     // end of the bytes in the buffer
    bool m_bEnd = false;  // no more bytes will come
    bool m_bFailed = false;
    int64_t m_nBytesRead = 0;
};
