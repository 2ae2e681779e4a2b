#pragma once
// The batch file "\delus.bat" that removes the installed program once the
// program has ended: it deletes the program file, removes the program's
// folder when that is empty and deletes itself.
#include <string>

// The name of the batch file, at the root of the current drive.
inline constexpr const char* kRemovalBatchName = "\\delus.bat";

// How often the batch tries to delete the program file, a second apart.
inline constexpr int kRemovalBatchTries = 60;

// The text of the batch for the program `programPath` (a full path), CR LF
// line ends, no terminator. After the program's folder it removes the
// `parentFolders` folders above it, inner first, each only when empty.
// False when the path has no folder part.
bool FormRemovalBatch(const char* programPath, int parentFolders, std::string& text);
