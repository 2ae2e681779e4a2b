#include "script_line.h"

#include <cstring>

#include "path_text.h"

namespace {

// In the order in which a command word is tested.
constexpr struct {
    const char* word;
    Command command;
} kCommands[] = {
    {"mode", Command::Mode},     {"page", Command::Page},     {"rect", Command::Rect},
    {"gradation", Command::Gradation}, {"fill", Command::Fill}, {"height", Command::Height},
    {"font", Command::Font},     {"meta", Command::Meta},     {"bitmap", Command::Bitmap},
    {"text", Command::Text},     {"string", Command::String},
};

constexpr struct {
    const char* word;
    DrawingMode mode;
} kModes[] = {
    {"point", DrawingMode::Point}, {"left", DrawingMode::Left},     {"top", DrawingMode::Top},
    {"right", DrawingMode::Right}, {"bottom", DrawingMode::Bottom}, {"center", DrawingMode::Center},
    {"rect", DrawingMode::Rect},
};

bool SameWord(std::string_view text, const char* word)
{
    return EqualsNoCase(text.data(), text.size(), word);
}

} // namespace

ScriptLine ParseScriptLine(const char* line)
{
    ScriptLine parsed;
    if (line[0] == '|') {
        parsed.command = Command::String;
        parsed.word = std::string_view(line, 1);
        parsed.arguments = line + 1;
        return parsed;
    }
    const char* comma = std::strchr(line, ',');
    if (!comma) {
        parsed.word = line;
        return parsed;
    }
    parsed.word = std::string_view(line, static_cast<size_t>(comma - line));
    parsed.arguments = comma + 1;
    for (const auto& c : kCommands)
        if (SameWord(parsed.word, c.word)) {
            parsed.command = c.command;
            break;
        }
    return parsed;
}

DrawingMode ModeOfWord(std::string_view word)
{
    for (const auto& m : kModes)
        if (SameWord(word, m.word)) return m.mode;
    return DrawingMode::WholeArea;
}
