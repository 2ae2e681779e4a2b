#pragma once
#include <cstdint>

#include "run_context.h"

// A one-line progress display on stderr, redrawn in place: the share of the
// source read, then of the polylines written.
class CProgressBar {
public:
    explicit CProgressBar(int64_t sourceSize) : m_nSourceSize(sourceSize) {}
    void Draw(const CRunContext& context);
    void Clear();

private:
    int64_t m_nSourceSize;
    bool m_bDrawn = false;
};

// True when stderr is a terminal.
bool StderrIsTerminal();
