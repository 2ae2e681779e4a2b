#pragma once
// Setup's command line: the argument text selects the start mode; and the
// commands setup writes for the system and for its removal copy.
#include <cstddef>

// What follows the program name and its blanks. A program name that starts
// with a double quote ends at the next one. An unquoted one ends at the
// first blank or tab, unless the line starts with `programPath`, the
// program's own path, followed by a blank, a tab or the end: Windows starts
// an unquoted "C:\Program Files\Tool\Setup.exe uninstall" as it stands, and
// the arguments are then what follows the whole path. The path is compared
// without regard to the case of ASCII letters, double-byte aware.
const char* ArgumentText(const char* commandLine, const char* programPath);

enum class StartMode {
    Normal,     // install, version-up or uninstall, as the script says
    Uninstall,  // "uninstall": normal start with the uninstall request
    Remove,     // "remove": the removal copy after an uninstall
};

// Exact, case-sensitive comparison of the whole argument text. The removal
// copy's "remove" may be followed by a blank and one digit, 1 to 9: the
// number of folders above the program's folder that installs made and that
// go too once they are empty (`parentFolders`, else 0).
StartMode ModeOfArguments(const char* arguments, int* parentFolders = nullptr);

// The removal copy's command line: the program path in double quotes, a
// blank and "remove", and the number of made parent folders when there
// are any (at most 9). False (and `out` empty) when it does not fit.
bool FormRemovalCommand(const char* programPath, int parentFolders, char* out, size_t size);

// The command registered in the system's uninstall list: the program path
// in double quotes, as Windows needs a path with blanks, with " uninstall"
// after it for an uninstall without a click. False (and `out` empty) when
// it does not fit.
bool FormUninstallCommand(const char* programPath, bool unattended, char* out, size_t size);

// The folder of the program that an uninstall command starts: the quoted
// path, or for the unquoted form that earlier installs registered, the
// text before its last backslash. False (`out` empty) without a backslash
// or when it does not fit.
bool FolderOfUninstallCommand(const char* command, char* out, size_t size);
