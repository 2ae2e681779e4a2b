#pragma once
// What a script author should hear about a drawing-script line before
// setup runs it: a word that means nothing, arguments that are no numbers,
// too few of them, a file argument missing. The line is read with the same
// parser that draws it; a line that draws as intended yields nothing.
#include <string>
#include <vector>

// `pageLine`: the line belongs to a ReadMe page script, where "page" and
// "button1" to "button3" are words too.
std::vector<std::string> ProblemsOfScriptLine(const char* line, bool pageLine);

// The file that a "bitmap", "meta" or "text" line reads (the rest of the
// line), or null for any other line.
const char* FileOfScriptLine(const char* line);
