#pragma once
// The user's folders as the shell lists them under the current user's
// "Shell Folders" key: "Programs" (the Programs menu), "SendTo", "Desktop",
// "Startup". These are the folders of the account that setup runs as.
#include "text_limits.h"

// Reads the folder `name` into `out`; false, with `out` empty, when the key
// or the value cannot be read or the value is empty (an empty folder would
// put the shortcuts into the current folder).
bool ReadShellFolder(const char* name, char (&out)[kPathSize]);
