#pragma once
// The shell's folder browser, file system folders only.
#include <windows.h>
#include <shtypes.h>

// Browses below `root` (nullptr: the whole name space), starting at the
// folder `start`. True with the chosen folder's path in `out` (kPathSize
// bytes); false when cancelled or the choice has no file system path.
bool BrowseForFolder(HWND owner, PCIDLIST_ABSOLUTE root, const char* title, const char* start, char* out);
