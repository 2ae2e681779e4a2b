#include "path_text.h"

#include <cstring>

#include "dbcs.h"

bool CopyText(char* out, size_t size, const char* text)
{
    if (size == 0) return false;
    size_t length = std::strlen(text);
    if (length >= size) {
        out[0] = '\0';
        return false;
    }
    std::memmove(out, text, length + 1);
    return true;
}

void CopyTextCut(char* out, size_t size, const char* text)
{
    if (size == 0) return;
    size_t length = FitLength(text, size - 1);
    std::memmove(out, text, length);
    out[length] = '\0';
}

bool AppendText(char* out, size_t size, const char* text)
{
    return AppendRange(out, size, text, std::strlen(text));
}

bool AppendRange(char* out, size_t size, const char* text, size_t length)
{
    size_t used = std::strlen(out);
    if (used + length >= size) {
        if (size) out[0] = '\0';
        return false;
    }
    std::memmove(out + used, text, length);
    out[used + length] = '\0';
    return true;
}

namespace {
char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool StartsWithNoCase(const char* text, const char* prefix)
{
    for (; *prefix; ++text, ++prefix)
        if (LowerAscii(*text) != LowerAscii(*prefix)) return false; // also stops at text's end
    return true;
}

bool EqualsNoCase(const char* text, size_t length, const char* word)
{
    return std::strlen(word) == length && StartsWithNoCase(text, word);
}

bool JoinPath(char* folder, size_t size, const char* tail)
{
    if (!folder) return false;
    if (folder[0] == '\0') return CopyText(folder, size, tail);
    // Only a real backslash counts: a folder ending in a double-byte
    // character whose trail byte is 0x5C still needs its separator.
    if (!EndsWithCharDbcs(folder, '\\') && !AppendText(folder, size, "\\")) return false;
    return AppendText(folder, size, tail);
}

char* SplitAtFirstBackslash(char* text)
{
    char* p = FindCharDbcs(text, '\\');
    if (!p) return nullptr;
    *p = '\0';
    return p + 1;
}

char* SplitAtLastBackslash(char* text)
{
    char* p = FindLastCharDbcs(text, '\\');
    if (!p) return nullptr;
    *p = '\0';
    return p + 1;
}

bool IsRelativePath(const char* path)
{
    return path[0] != '\\' && path[0] != '/' && !(path[0] != '\0' && path[1] == ':');
}

const char* LastComponent(const char* path)
{
    const char* p = FindLastCharDbcs(path, '\\');
    return p ? p + 1 : path;
}

bool EndsWithName(const char* path, const char* name)
{
    const char* found = std::strstr(path, name);
    return found && std::strlen(found) == std::strlen(name);
}
