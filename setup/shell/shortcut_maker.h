#pragma once
// The one way setup writes a shortcut file: the system's shell link, filled
// from one section of a script (keys Show, Arg, Path, Icon, IconNo, Work).

enum class ShortcutResult {
    Saved,
    NotSaved,    // the file could not be written (a missing folder, say)
    NoShellLink, // the shell link cannot be created: no shortcut can be made
};

// Makes the shortcut `linkPath` from `section` of `script`. The target and
// the icon are resolved against the install folder (Root Named) with the
// program lookup; the working directory is the install folder, `Work`
// joined to it, or "!" and a path as written. `hotKey` 0 sets none.
// Without the shell link, says so once per run (every later shortcut
// would fail the same way) and returns NoShellLink: the callers stop.
ShortcutResult MakeShortcut(const char* linkPath, const char* section, const char* script,
                            unsigned short hotKey = 0);
