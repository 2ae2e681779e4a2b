#pragma once
// Shortcuts in the user's folders: Send To ("Send%d"), the desktop and
// startup shortcuts (sections Desktop and Startup), and the shortcuts
// launched at the end of an install (section LastGo).

// Creates (`create`) or removes the Send To shortcuts of `script`.
void ApplySendToEntries(const char* script, bool create);

// Creates (`create`) or removes the shortcut of section `name` ("Desktop"
// or "Startup") of `script`.
void ApplyFolderShortcut(const char* script, bool create, const char* name);

// Launches the shortcuts that section LastGo of the running script names.
void OpenLastGo();
