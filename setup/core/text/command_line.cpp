#include "command_line.h"

#include <cstring>

#include "dbcs.h"
#include "path_text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// `text` starts with the path `prefix`: ASCII letters in any case, both
// bytes of a double-byte character exactly (a trail byte may look like a
// letter). Returns the end of the match in `text`, or nullptr.
const char* AfterPathPrefix(const char* text, const char* prefix)
{
    while (*prefix) {
        const char* next = NextChar(prefix);
        if (next - prefix == 2) {
            if (text[0] != prefix[0] || text[1] != prefix[1]) return nullptr;
        } else if (LowerAscii(*text) != LowerAscii(*prefix)) {
            return nullptr;
        }
        text += next - prefix;
        prefix = next;
    }
    return text;
}

} // namespace

const char* ArgumentText(const char* commandLine, const char* programPath)
{
    const char* p = commandLine;
    const char* afterPath = programPath && *programPath ? AfterPathPrefix(commandLine, programPath) : nullptr;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else if (afterPath && (*afterPath == '\0' || IsBlank(*afterPath))) {
        p = afterPath;
    } else {
        while (*p && !IsBlank(*p)) ++p;
    }
    while (IsBlank(*p)) ++p;
    return p;
}

StartMode ModeOfArguments(const char* arguments, int* parentFolders)
{
    if (parentFolders) *parentFolders = 0;
    if (std::strcmp(arguments, "uninstall") == 0) return StartMode::Uninstall;
    if (std::strncmp(arguments, "remove", 6) != 0) return StartMode::Normal;
    const char* rest = arguments + 6;
    if (*rest == '\0') return StartMode::Remove;
    if (rest[0] != ' ' || rest[1] < '1' || rest[1] > '9' || rest[2] != '\0') return StartMode::Normal;
    if (parentFolders) *parentFolders = rest[1] - '0';
    return StartMode::Remove;
}

bool FormRemovalCommand(const char* programPath, int parentFolders, char* out, size_t size)
{
    if (!CopyText(out, size, "\"") || !AppendText(out, size, programPath) || !AppendText(out, size, "\" remove"))
        return false;
    if (parentFolders <= 0) return true;
    char levels[] = " 0";
    levels[1] = static_cast<char>('0' + (parentFolders < 9 ? parentFolders : 9));
    return AppendText(out, size, levels);
}

bool FormUninstallCommand(const char* programPath, bool unattended, char* out, size_t size)
{
    return CopyText(out, size, "\"") && AppendText(out, size, programPath) && AppendText(out, size, "\"") &&
           (!unattended || AppendText(out, size, " uninstall"));
}

bool FolderOfUninstallCommand(const char* command, char* out, size_t size)
{
    if (command[0] == '"') {
        const char* close = FindCharDbcs(command + 1, '"');
        size_t length = close ? static_cast<size_t>(close - command - 1) : std::strlen(command + 1);
        if (!CopyText(out, size, "") || !AppendRange(out, size, command + 1, length)) return false;
    } else if (!CopyText(out, size, command)) {
        return false;
    }
    if (SplitAtLastBackslash(out)) return true;
    out[0] = '\0';
    return false;
}
