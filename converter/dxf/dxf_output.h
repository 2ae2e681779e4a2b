#pragma once
// The output DXF text: lines end in CR LF on every platform, text is
// collected in a buffer and handed to the sink in large blocks.
#include <cstdint>
#include <memory>
#include <string_view>

#include "file_io.h"

class CDxfOutput {
public:
    explicit CDxfOutput(CByteSink& sink, size_t bufferSize = 256 * 1024);

    // Appends a group: the code line and the value line.
    void Group(std::string_view code, std::string_view value);
    // Appends a group whose value is a number formatted "%.2f".
    void Group(std::string_view code, double value);
    // Appends lines that are written as they stand (CR LF included).
    void Lines(std::string_view text) { Append(text); }
    // Appends a VERTEX entity on layer 0 with its three coordinates, as
    // Group would write it group by group, in one step.
    void Vertex(double x, double y, double z);

    // Hands everything buffered to the sink; false once any write failed.
    bool Flush();
    bool Failed() const { return m_bFailed; }
    bool m_b3DFlags = false; // write group 70 on POLYLINE and VERTEX

    // Bytes that reached the sink, and bytes still waiting in the buffer.
    uint64_t BytesWritten() const { return m_nWritten; }
    uint64_t BytesBuffered() const { return m_used; }

private:
    void Reserve(size_t size);
    void Append(std::string_view text);

    CByteSink& m_sink;
    std::unique_ptr<char[]> m_buffer;
    size_t m_capacity;
    size_t m_used = 0;
    bool m_bFailed = false;
    uint64_t m_nWritten = 0;
};
