#include "association_command.h"

#include <cstring>

#include "dbcs.h"
#include "path_text.h"

namespace {

struct CommandParts {
    bool quoted = false;
    char program[kPathSize] = "";
    const char* arguments = "";
};

const char* FindBlankOrTab(const char* text)
{
    const char* blank = FindCharDbcs(text, ' ');
    const char* tab = FindCharDbcs(text, '\t');
    if (!blank) return tab;
    return (tab && tab < blank) ? tab : blank;
}

bool SplitCommand(const char* command, CommandParts& parts)
{
    const char* start = command;
    const char* end = nullptr;
    if (command[0] == '"') {
        parts.quoted = true;
        start = command + 1;
        end = FindCharDbcs(start, '"');
        parts.arguments = end ? end + 1 : "";
    } else {
        end = FindBlankOrTab(command);
        parts.arguments = end ? end + 1 : "";
    }
    size_t length = end ? static_cast<size_t>(end - start) : std::strlen(start);
    parts.program[0] = '\0';
    return AppendRange(parts.program, sizeof parts.program, start, length);
}

} // namespace

bool FormAssociationCommand(const char* command, const ProgramResolver& resolve, char* out, size_t size)
{
    if (size == 0) return false;
    out[0] = '\0';
    CommandParts parts;
    if (!SplitCommand(command, parts)) return false;
    char resolved[kPathSize];
    resolve(parts.program, resolved);
    bool fits = parts.quoted ? AppendText(out, size, "\"") && AppendText(out, size, resolved) &&
                                   AppendText(out, size, "\"")
                             : AppendText(out, size, resolved) && AppendText(out, size, " ");
    return fits && AppendText(out, size, parts.arguments);
}
