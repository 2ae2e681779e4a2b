#pragma once
// The copy step of an install: the install folder and the extra folders,
// the files of section CopyFile with their marks, the question before
// files of the same age or newer are replaced, the report of failed copies,
// the installer's own file, and the install log (sections MakedDirectory
// and CopiedFile) written into the running script.
#include <windows.h>

// Reads the install folder (field 1007) and the installer-file options
// (1009 copy, 1010 delete after) from `dialog`, which owns the message boxes.
void CopyScriptFiles(HWND dialog);

// Creates `path` (kPathSize bytes, cut and restored in place while it
// works) with any missing parents and logs each folder made, or found
// already there, under MakedDirectory from key `index`, outer folders
// first. Returns the next free index.
int MakeFolderChain(char* path, int index);

// 2 when either file cannot be opened for reading (a missing destination
// too); else -1, 0 or 1 as the source's last-write time is earlier than,
// equal to or later than the destination's.
int CompareWriteTimes(const char* destination, const char* source);
