#include "command_line.h"

#include <cstring>

#include "path_text.h"

const char* ArgumentText(const char* commandLine)
{
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

StartMode ModeOfArguments(const char* arguments)
{
    if (std::strcmp(arguments, "remove") == 0) return StartMode::Remove;
    if (std::strcmp(arguments, "uninstall") == 0) return StartMode::Uninstall;
    return StartMode::Normal;
}

bool FormRemovalCommand(const char* programPath, char* out, size_t size)
{
    return CopyText(out, size, "\"") && AppendText(out, size, programPath) &&
           AppendText(out, size, "\" remove");
}
