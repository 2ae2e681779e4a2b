#pragma once
// The entries of section Go2: "target;entry point;show". The target is a
// program or document with optional parameters, or with an entry point the
// library whose exported function is called. Fields are found double-byte
// aware; a missing one is empty.
#include <cstddef>

struct RunEntry {
    const char* target = "";
    const char* entryPoint = "";
    const char* show = "";
};

// Cuts `entry` in place at its first two ";".
void SplitRunEntry(char* entry, RunEntry& out);

// "hide", "min" or "max" in any letter case; anything else is a normal window.
enum class RunWindow { Normal, Hidden, Minimized, Maximized };
RunWindow RunWindowOfName(const char* show);

// The file to execute and its parameters. A target that starts with a
// double quote names the file up to and including the next one (one is
// added when it is missing); the character after the closing quote, as a
// rule a blank, is skipped and the rest are the parameters. Otherwise the
// file ends at the first blank (not a tab) and the parameters follow it.
// `parameters` points into `target`, "" when there are none. False (`file`
// empty) when the file does not fit in `size` bytes.
bool SplitFileAndParameters(const char* target, char* file, size_t size, const char** parameters);
