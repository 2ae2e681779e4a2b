#include "dxf_output.h"

#include <cstring>

#include "fixed2.h"

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}

CDxfOutput::CDxfOutput(CByteSink& sink, size_t bufferSize)
    : m_sink(sink), m_buffer(new char[bufferSize]), m_capacity(bufferSize)
{
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

bool CDxfOutput::Flush()
{
    if (m_used > 0 && !m_bFailed) {
        if (m_sink.Write(m_buffer.get(), m_used)) m_nWritten += m_used;
        else m_bFailed = true;
    }
    m_used = 0;
    return !m_bFailed;
}
