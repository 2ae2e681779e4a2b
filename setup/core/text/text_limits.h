#pragma once
// Buffer sizes shared by every part of setup. A path is 259 characters and
// its terminator; the larger sizes are those of the script values that hold
// registry lists and command lines.
#include <cstddef>

inline constexpr size_t kPathSize = 260;
inline constexpr size_t kLongValueSize = 1040;   // values of sections Reg and Go2
inline constexpr size_t kAssocValueSize = 256;   // Ext, Verb and Verb2 of "Ext%d"
