#pragma once
// The files that the drawing language and the ReadMe viewer read whole.
#include <cstddef>

#include "drawing_canvas.h"

// Larger files are not read: no picture or ReadMe needs more, and the
// whole file is held in memory.
inline constexpr size_t kMaxDrawingFileSize = size_t{64} << 20;

// The contents of a disk file and a terminator after them. False when it
// cannot be opened or read, is no disk file, or is larger than the limit.
bool ReadWholeFile(const char* path, FileBytes& file);

// A file argument of "meta", "bitmap" or "text": resolved against the base
// folder first, and when that cannot be read, as written (relative to the
// current folder).
bool ReadDrawingFile(const char* argument, const char* baseFolder, FileBytes& file);
