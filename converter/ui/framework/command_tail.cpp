#include "command_tail.h"

const char* CommandLineTail(const char* commandLine)
{
    if (!commandLine) return "";
    auto* p = reinterpret_cast<const unsigned char*>(commandLine);
    bool quoted = false;
    while (*p > ' ' || (*p && quoted)) {
        if (*p == '"') quoted = !quoted;
        ++p;
    }
    while (*p && *p <= ' ') ++p;
    return reinterpret_cast<const char*>(p);
}
