#pragma once
// How the run sequences and the actions read the setup dialog: its folder
// field and its option checkboxes, by the ids of resource.h.
#include <windows.h>

#include <cstddef>

#include "resource.h"
#include "text_limits.h"

// The checkbox `id` (IDC_MENU, IDC_COPY, ...) is ticked.
bool IsOptionTicked(HWND dialog, int id);

// The text of the folder field, IDC_FOLDER. Left empty when it is too long
// for a path: the steps that use it then fail instead of working on a cut
// path that may name another folder.
size_t ReadFolderField(HWND dialog, char (&out)[kPathSize]);
