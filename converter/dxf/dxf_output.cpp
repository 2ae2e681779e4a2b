#include "dxf_output.h"

#include <cstring>

#include "fixed2.h"

namespace {
constexpr std::string_view kLineEnd = "\r\n";
// Group(code, number) and Vertex format in place: the buffer must hold a
// whole VERTEX with three numbers of the greatest length.
constexpr size_t kSmallestBuffer = 4 * kMaxFixed2Length;
} // namespace

CDxfOutput::CDxfOutput(CByteSink& sink, size_t bufferSize)
    : m_sink(sink), m_capacity(bufferSize < kSmallestBuffer ? kSmallestBuffer : bufferSize)
{
    m_buffer.reset(new char[m_capacity]);
}

void CDxfOutput::Reserve(size_t size)
{
    if (m_capacity - m_used < size) Flush();
}

void CDxfOutput::Append(std::string_view text)
{
    if (m_capacity - m_used < text.size()) {
        Flush();
        if (text.size() > m_capacity) { // larger than the buffer: straight to the file
            if (m_bFailed) return;
            if (m_sink.Write(text.data(), text.size())) m_nWritten += text.size();
            else m_bFailed = true;
            return;
        }
    }
    std::memcpy(m_buffer.get() + m_used, text.data(), text.size());
    m_used += text.size();
}

void CDxfOutput::Group(std::string_view code, std::string_view value)
{
    Append(code);
    Append(kLineEnd);
    Append(value);
    Append(kLineEnd);
}

void CDxfOutput::Group(std::string_view code, double value)
{
    Reserve(code.size() + kMaxFixed2Length + 2 * kLineEnd.size());
    char* out = m_buffer.get() + m_used;
    std::memcpy(out, code.data(), code.size());
    out += code.size();
    *out++ = '\r';
    *out++ = '\n';
    out = FormatFixed2(value, out);
    *out++ = '\r';
    *out++ = '\n';
    m_used = static_cast<size_t>(out - m_buffer.get());
}

void CDxfOutput::Vertex(double x, double y, double z)
{
    static constexpr char kStart[] = "0\r\nVERTEX\r\n8\r\n0\r\n10\r\n";
    static constexpr char kY[] = "\r\n20\r\n";
    static constexpr char kZ[] = "\r\n30\r\n";
    static constexpr char kFlags[] = "\r\n70\r\n32"; // 3D polyline vertex
    Reserve(sizeof kStart + sizeof kY + sizeof kZ + sizeof kFlags + 3 * kMaxFixed2Length);
    char* out = m_buffer.get() + m_used;
    // Fixed sizes: the copies compile to a few moves, with no call.
    std::memcpy(out, kStart, sizeof kStart - 1);
    out = FormatFixed2(x, out + sizeof kStart - 1);
    std::memcpy(out, kY, sizeof kY - 1);
    out = FormatFixed2(y, out + sizeof kY - 1);
    std::memcpy(out, kZ, sizeof kZ - 1);
    out = FormatFixed2(z, out + sizeof kZ - 1);
    if (m_b3DFlags) {
        std::memcpy(out, kFlags, sizeof kFlags - 1);
        out += sizeof kFlags - 1;
    }
    out[0] = '\r';
    out[1] = '\n';
    m_used = static_cast<size_t>(out + 2 - m_buffer.get());
}

bool CDxfOutput::Flush()
{
    if (m_used > 0 && !m_bFailed) {
        if (m_sink.Write(m_buffer.get(), m_used)) m_nWritten += m_used;
        else m_bFailed = true;
    }
    m_used = 0;
    return !m_bFailed;
}
