#include "readme_pages.h"

#include <cstring>

#include "path_text.h"
#include "script_args.h"
#include "script_line.h"

namespace {

constexpr struct {
    const char* word;
    int value;
} kWords[] = {
    {"install", kPageInstall},
    {"versionup", kPageVersionUp},
    {"uninstall", kPageUninstall},
    {"none", kActionNone},
};

bool IsPageLine(const ScriptLine& line)
{
    return line.command == Command::Page;
}

// 1 to 3 for "button1" to "button3" with a comma; 0 otherwise.
int ButtonNumber(const ScriptLine& line)
{
    if (!line.arguments || line.word.size() != 7 || !StartsWithNoCase(line.word.data(), "button")) return 0;
    char digit = line.word[6];
    return digit >= '1' && digit <= '3' ? digit - '0' : 0;
}

} // namespace

int PageIdentifier(const char* text)
{
    for (const auto& w : kWords)
        if (EqualsNoCase(text, std::strlen(text), w.word)) return w.value;
    return ReadInteger(text);
}

int ButtonAction(const char* text)
{
    for (const auto& w : kWords)
        if (StartsWithNoCase(text, w.word)) return w.value;
    return ReadInteger(text);
}

size_t FindPageStart(std::span<const std::string> lines, int id)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        ScriptLine line = ParseScriptLine(lines[i].c_str());
        if (IsPageLine(line) && PageIdentifier(line.arguments) == id) return i + 1;
    }
    return lines.empty() ? 0 : 1;
}

void ReadPageButtons(std::span<const std::string> lines, size_t start, PageButton (&buttons)[kPageButtons])
{
    for (size_t i = start; i < lines.size(); ++i) {
        ScriptLine line = ParseScriptLine(lines[i].c_str());
        if (IsPageLine(line)) break;
        int number = ButtonNumber(line);
        if (number == 0) continue;
        PageButton& button = buttons[number - 1];
        button.action = ButtonAction(line.arguments);
        if (const char* comma = std::strchr(line.arguments, ',')) {
            button.hasLabel = true;
            button.label = comma + 1;
        }
    }
}
