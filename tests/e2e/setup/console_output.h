#pragma once
// Wine's own console tools (reg, uninstaller, regedit) run from a test:
// their output is what a person would read in the terminal.
#include <windows.h>

#include <string>

namespace setup_e2e {

// Runs `commandLine` (a program of the system folder and its arguments)
// and returns what it wrote to its standard output, waiting at most
// `timeoutMs` for it to end.
std::string ConsoleOutput(const std::wstring& commandLine, DWORD timeoutMs = 30000);

} // namespace setup_e2e
