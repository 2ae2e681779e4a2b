#pragma once
// The text file of a plain ReadMe (Readme File).
#include "drawing_canvas.h"

// Resolved against the install folder (Root Named) when that is set. When
// that cannot be read and the name holds a backslash, the part after its
// last backslash is read from the current folder: before the install, the
// ReadMe lies beside setup.
bool ReadReadmeText(const char* file, FileBytes& text);
