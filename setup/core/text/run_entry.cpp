#include "run_entry.h"

#include <cstring>

#include "dbcs.h"
#include "path_text.h"

namespace {

// Ends `text` at its first ";" and returns the text after it, or "".
char* SplitAtSemicolon(char* text)
{
    char* p = FindCharDbcs(text, ';');
    if (!p) return text + std::strlen(text);
    *p = '\0';
    return p + 1;
}

} // namespace

void SplitRunEntry(char* entry, RunEntry& out)
{
    char* rest = SplitAtSemicolon(entry);
    char* show = SplitAtSemicolon(rest);
    out.target = entry;
    out.entryPoint = rest;
    out.show = show;
}

RunWindow RunWindowOfName(const char* show)
{
    size_t length = std::strlen(show);
    if (EqualsNoCase(show, length, "hide")) return RunWindow::Hidden;
    if (EqualsNoCase(show, length, "min")) return RunWindow::Minimized;
    if (EqualsNoCase(show, length, "max")) return RunWindow::Maximized;
    return RunWindow::Normal;
}

bool SplitFileAndParameters(const char* target, char* file, size_t size, const char** parameters)
{
    if (size == 0) return false;
    file[0] = '\0';
    *parameters = "";
    if (target[0] != '"') {
        const char* blank = FindCharDbcs(target, ' ');
        if (blank) *parameters = blank + 1;
        return AppendRange(file, size, target, blank ? static_cast<size_t>(blank - target) : std::strlen(target));
    }
    const char* close = FindCharDbcs(target + 1, '"');
    if (!close) return AppendText(file, size, target) && AppendText(file, size, "\"");
    if (close[1] != '\0') *parameters = NextChar(close + 1);
    return AppendRange(file, size, target, static_cast<size_t>(close + 1 - target));
}
