#pragma once
// The three forms of a drawing-script line:
//   "|text"                    a line of text to draw, as "string" draws it
//   "word,arguments"           a command; the word is compared in any case
//   anything else              ignored (no comma, empty, a bare "page")
#include <cstddef>
#include <string_view>

#include "drawing_state.h"

// Lines are held in buffers of this size, as the script's values are read.
inline constexpr size_t kScriptLineSize = 260;

enum class Command {
    None, // ignored: not a command line, or a word that means nothing here
    Mode,
    Page,
    Rect,
    Gradation,
    Fill,
    Height,
    Font,
    Meta,
    Bitmap,
    Text,
    String, // "string," and "|" lines
};

struct ScriptLine {
    Command command = Command::None;
    std::string_view word;         // the text before the first comma, or the whole line
    const char* arguments = nullptr; // after the first comma ("|" lines: after the "|"); null without
};

// Reads the form of `line` (a terminated text that the result points into).
ScriptLine ParseScriptLine(const char* line);

// The word of "mode": "point", "left", "top", "right", "bottom", "center",
// "rect" in any case; any other word, the empty one included, is the whole area.
DrawingMode ModeOfWord(std::string_view word);
