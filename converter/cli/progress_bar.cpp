#include "progress_bar.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

bool StderrIsTerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void CProgressBar::Draw(const CRunContext& context)
{
    constexpr int kWidth = 30;
    int32_t polyLines = context.m_nPolyLines.load(std::memory_order_relaxed);
    int32_t written = context.m_nWritePolyLines.load(std::memory_order_relaxed);
    int64_t read = context.m_nSourceBytesRead.load(std::memory_order_relaxed);
    bool writing = written > 0;
    double share = 0.0;
    if (writing && polyLines > 0) share = double(written) / polyLines;
    else if (m_nSourceSize > 0) share = double(read) / double(m_nSourceSize);
    if (share > 1.0) share = 1.0;
    int filled = static_cast<int>(share * kWidth);
    char bar[kWidth + 1];
    for (int i = 0; i < kWidth; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kWidth] = '\0';
    std::fprintf(stderr, "\r%s [%s] %3d%%  %d points  %d polylines ", writing ? "writing" : "reading", bar,
                 static_cast<int>(share * 100), context.m_nPoints.load(), polyLines);
    std::fflush(stderr);
    m_bDrawn = true;
}

void CProgressBar::Clear()
{
    if (!m_bDrawn) return;
    std::fprintf(stderr, "\r%*s\r", 79, "");
    std::fflush(stderr);
    m_bDrawn = false;
}
