#pragma once
// Where the shortcuts of the script go, and how their entries read: the
// Start-menu folder, the link file of an entry, the folders that an entry's
// name holds, the show command, the one-shot launchers.
#include <string>
#include <vector>

// The show command stored for `Show`: 0 normal (SW_SHOWNORMAL, 1), 1
// maximised (SW_SHOWMAXIMIZED, 3), 2 minimised and not activated
// (SW_SHOWMINNOACTIVE, 7). Other values, which the script does not define,
// store normal: the program then starts as it would from a plain shortcut.
int ShowCommandFor(int show);

// The Start-menu folder: `named` when it is not empty; else the Programs
// folder joined with `name`, or the Programs folder itself when `name` is
// empty; empty when the Programs folder is unknown ("") too. False, with
// `out` empty, when the result would not fit (kPathSize bytes).
bool FormMenuFolder(const char* named, const char* programs, const char* name, char* out);

// The link file of the entry `name` below `folder`: joined, ".lnk" added.
bool EntryLinkPath(const char* folder, const char* name, char* out);

// The same for a Start-menu entry, whose name may begin with a backslash:
// such a name lies below the Programs folder (put directly after it), not
// below the menu folder. False when the Programs folder is unknown: the
// name alone would point at the root of the current drive.
bool MenuEntryLinkPath(const char* menuFolder, const char* programs, const char* name, char* out);

// True for a Start-menu entry name that lies below the Programs folder.
inline bool IsBelowPrograms(const char* name)
{
    return name[0] == '\\';
}

// The folders that the entry `name` lies in, relative to its base folder,
// outer first: "Tools\Doc\Readme" gives "Tools" and "Tools\Doc". Double-byte
// aware: the trail byte of "表" or "ソ" is no separator.
std::vector<std::string> EntryFolders(const char* name);

// A shortcut whose name begins with "$" is a one-shot launcher: opened once
// at the end of the install, then thrown away.
inline bool IsOneShotName(const char* name)
{
    return name[0] == '$';
}
