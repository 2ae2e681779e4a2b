#pragma once
// Setup's command line: the argument text selects the start mode.
#include <cstddef>

// What follows the program name and its blanks: a program name that starts
// with a double quote ends at the next one, otherwise at the first blank or tab.
const char* ArgumentText(const char* commandLine);

enum class StartMode {
    Normal,     // install, version-up or uninstall, as the script says
    Uninstall,  // "uninstall": normal start with the uninstall request
    Remove,     // "remove": the removal copy after an uninstall
};

// Exact, case-sensitive comparison of the whole argument text.
StartMode ModeOfArguments(const char* arguments);

// The removal copy's command line: the program path in double quotes, a
// blank and "remove". False (and `out` empty) when it does not fit.
bool FormRemovalCommand(const char* programPath, char* out, size_t size);
