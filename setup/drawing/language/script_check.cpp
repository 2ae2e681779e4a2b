#include "script_check.h"

#include <string_view>

#include "path_text.h"
#include "readme_pages.h"
#include "script_args.h"
#include "script_line.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// An integer as atoi reads one, nothing but blanks around it.
bool IsInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    if (i == digits) return false;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i == text.size();
}

// An integer, or "%" and a decimal number right after it.
bool IsPosition(std::string_view text)
{
    if (text.empty() || text[0] != '%') return IsInteger(text);
    text.remove_prefix(1);
    size_t dot = text.find('.');
    if (dot == std::string_view::npos) return IsInteger(text);
    std::string_view whole = text.substr(0, dot), fraction = text.substr(dot + 1);
    bool fractionDigits = !fraction.empty() && fraction.find_first_not_of("0123456789") == std::string_view::npos;
    return (whole.empty() || IsInteger(whole)) && (fraction.empty() || fractionDigits) &&
           !(whole.empty() && fraction.empty());
}

std::vector<std::string_view> Arguments(const char* arguments)
{
    std::vector<std::string_view> list;
    ArgumentCursor cursor(arguments);
    std::string_view argument;
    while (cursor.Next(argument)) list.push_back(argument);
    return list;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Each argument from `from` on (up to `count`) must pass `valid`.
void CheckNumbers(std::vector<std::string>& problems, const std::vector<std::string_view>& args, size_t from,
                  size_t count, bool (*valid)(std::string_view), const char* what)
{
    for (size_t i = from; i < args.size() && i < from + count; ++i)
        if (!valid(args[i])) problems.push_back("argument " + std::to_string(i + 1) + " " + Quoted(args[i]) + " is " + what);
}

bool IsModeWord(std::string_view word)
{
    for (const char* mode : {"point", "left", "top", "right", "bottom", "center", "rect"})
        if (EqualsNoCase(word.data(), word.size(), mode)) return true;
    return false;
}

bool IsButtonWord(std::string_view word)
{
    for (const char* button : {"button1", "button2", "button3"})
        if (EqualsNoCase(word.data(), word.size(), button)) return true;
    return false;
}

constexpr size_t kFontNumbers = 16; // red, green, blue and the font's 13; the face name after them
constexpr size_t kFaceNameBytes = 31;

} // namespace

const char* FileOfScriptLine(const char* line)
{
    ScriptLine parsed = ParseScriptLine(line);
    bool file = parsed.command == Command::Bitmap || parsed.command == Command::Meta || parsed.command == Command::Text;
    return file ? parsed.arguments : nullptr;
}

std::vector<std::string> ProblemsOfScriptLine(const char* line, bool pageLine)
{
    std::vector<std::string> problems;
    ScriptLine parsed = ParseScriptLine(line);
    if (parsed.command == Command::None) {
        if (!parsed.arguments) {
            std::string_view word = parsed.word;
            bool blank = word.find_first_not_of(" \t") == std::string_view::npos;
            if (!blank) problems.push_back("a line without a comma draws nothing (\"word,arguments\" or \"|text\")");
        } else if (!(pageLine && IsButtonWord(parsed.word))) {
            problems.push_back("unknown command word " + Quoted(parsed.word) + ": the line draws nothing");
        }
        return problems;
    }
    std::vector<std::string_view> args = Arguments(parsed.arguments);
    switch (parsed.command) {
    case Command::Mode:
        if (args.empty() || (!args[0].empty() && !IsModeWord(args[0])))
            problems.push_back("mode " + Quoted(args.empty() ? "" : args[0]) +
                               " is no mode word (point, left, top, right, bottom, center, rect): the whole area");
        break;
    case Command::Page:
        if (pageLine && !args.empty() && PageIdentifier(args[0].data()) == 0 && !IsInteger(args[0]))
            problems.push_back("page " + Quoted(args[0]) + " is no page identifier (install, versionup, uninstall or a number)");
        break;
    case Command::Rect:
        if (args.size() > 4) problems.push_back("rect takes at most four positions");
        CheckNumbers(problems, args, 0, 4, IsPosition, "no position (an integer or %number)");
        break;
    case Command::Gradation:
        if (args.size() < 6) problems.push_back("gradation takes two colours of three numbers each");
        CheckNumbers(problems, args, 0, 7, IsInteger, "no integer");
        break;
    case Command::Fill:
        if (args.empty()) problems.push_back("fill takes a colour of up to three numbers");
        CheckNumbers(problems, args, 0, 3, IsInteger, "no integer");
        break;
    case Command::Height:
        if (args.empty()) problems.push_back("height takes a position");
        CheckNumbers(problems, args, 0, 1, IsPosition, "no position (an integer or %number)");
        break;
    case Command::Font: {
        if (args.size() < kFontNumbers + 1) {
            problems.push_back("font takes " + std::to_string(kFontNumbers) + " numbers and the face name: " +
                               std::to_string(args.size()) + " arguments given");
            break;
        }
        CheckNumbers(problems, args, 0, kFontNumbers, IsInteger, "no integer");
        // The face name is the rest of the line, commas included.
        ArgumentCursor cursor(parsed.arguments);
        std::string_view skipped;
        for (size_t i = 0; i < kFontNumbers; ++i) cursor.Next(skipped);
        if (std::string_view(cursor.Rest()).size() > kFaceNameBytes)
            problems.push_back("the face name is longer than 31 bytes and is cut");
        break;
    }
    case Command::Meta:
    case Command::Bitmap:
    case Command::Text:
        if (!parsed.arguments || parsed.arguments[0] == '\0') problems.push_back("no file named");
        break;
    default:
        break;
    }
    return problems;
}
