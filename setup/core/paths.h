#pragma once
// Turning the paths of the script into real paths on this system. Results
// are kPathSize bytes; one that would not fit is left empty.
#include <cstddef>

// The path resolver. A leading "%system%", "%desktop%", "%windows%",
// "%programs%", "%root%" (the base folder) or "!" (literal) is replaced;
// other values are relative to `base`, or with `programLookup` name a
// document or program whose opening program is the result (shortcut
// targets, icons, association commands, registry values). `result` may be
// the same buffer as `value`.
void ResolvePath(const char* value, const char* base, char* result, bool programLookup);

// The text expander for command lines: macros anywhere, "%root%" being
// `Root` `Named` of the running script. In place, within `size` bytes.
bool ExpandMacros(char* text, size_t size);

// The default install folder for `Root` `Name` (the folder-name form).
bool DefaultInstallFolder(const char* name, char* out);

// True when a file or folder of that name exists.
bool PathExists(const char* path);

// True when both paths name the same existing file or folder, however they
// are written (letter case, short names, a trailing backslash).
bool IsSameFile(const char* a, const char* b);

template <size_t N> bool ExpandMacros(char (&text)[N]) { return ExpandMacros(text, N); }
