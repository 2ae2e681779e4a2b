#pragma once
// Shortcuts in the user's folders: Send To ("Send%d"), the desktop and
// startup shortcuts (sections Desktop and Startup), and the shortcuts
// launched at the end of an install (section LastGo). Nothing here reports.

// Creates (`create`) or removes the Send To shortcuts of `script`. Names may
// hold sub-folders of Send To, made as needed and removed when emptied.
void ApplySendToEntries(const char* script, bool create);

// Creates (`create`) or removes the shortcut of section `name` ("Desktop"
// or "Startup") of `script`, with the hot key of its `Short`. LastGo `name`
// names the shortcut file while it exists, and is empty otherwise.
void ApplyFolderShortcut(const char* script, bool create, const char* name);

// Opens the shortcuts that section LastGo of the running script names: the
// numbered ones in the menu folder, then the startup and the desktop
// shortcut when StartupAndGo and DesktopAndGo ask. A shortcut whose name
// begins with "$" is a one-shot launcher and goes to the Recycle Bin once
// opened.
void OpenLastGo();
