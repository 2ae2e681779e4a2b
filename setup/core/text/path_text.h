#pragma once
// Text operations on paths held in fixed buffers. None of them writes past
// the buffer it is given: a result that would not fit is refused and the
// buffer is left empty, so that the step that wanted the path fails instead
// of working on a cut path that may name another file.
#include <cstddef>

#include "text_limits.h"

// Copies `text` into `out`; false (and `out` empty) when it does not fit.
bool CopyText(char* out, size_t size, const char* text);

// Copies as much of `text` as fits, never half a double-byte character.
// For values that are cut by definition, like strings read from the script.
void CopyTextCut(char* out, size_t size, const char* text);

// Appends `text` (or its first `length` bytes); false (and `out` empty)
// when the whole does not fit.
bool AppendText(char* out, size_t size, const char* text);
bool AppendRange(char* out, size_t size, const char* text, size_t length);

// ASCII letters compared without regard to case, as the system compares
// section, key and macro names.
bool StartsWithNoCase(const char* text, const char* prefix);
bool EqualsNoCase(const char* text, size_t length, const char* word);

// Appends `tail` to `folder` in place, with a backslash between them unless
// the folder is empty or already ends with a backslash. The tail is not
// examined, so a tail that starts with a backslash gives two in a row.
// A null folder is ignored.
bool JoinPath(char* folder, size_t size, const char* tail);

// Ends `text` at its first / last backslash and returns the text after it,
// or nullptr (text unchanged) when there is none.
char* SplitAtFirstBackslash(char* text);
char* SplitAtLastBackslash(char* text);

// A path that names no drive and does not start at a root: "a\b", not
// "C:\a", "C:a" or "\a".
bool IsRelativePath(const char* path);

// The text after the last backslash, or the whole text.
const char* LastComponent(const char* path);

// The ends-with test of the folder browsers: the first occurrence of `name`
// in `path` (letter case matching) must reach exactly to the end of `path`.
// So "C:\App\App" does not end with "App": its first "App" is not the last.
bool EndsWithName(const char* path, const char* name);

template <size_t N> bool CopyText(char (&out)[N], const char* text) { return CopyText(out, N, text); }
template <size_t N> void CopyTextCut(char (&out)[N], const char* text) { CopyTextCut(out, N, text); }
template <size_t N> bool AppendText(char (&out)[N], const char* text) { return AppendText(out, N, text); }
template <size_t N> bool JoinPath(char (&folder)[N], const char* tail) { return JoinPath(folder, N, tail); }
