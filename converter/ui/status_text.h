#pragma once
// The texts of the converter dialog's status area (no windows.h: tested natively).
#include <cstdint>
#include <string>

// The four counters, each zero-padded to at least six digits, one a line.
std::string FormatStatus(int32_t sourceLines, int32_t points, int32_t polyLines, int32_t writePolyLines);

// Appended to the counters when the run has ended.
inline constexpr char kTerminateProcess[] = "\n\nTerminate Process";
