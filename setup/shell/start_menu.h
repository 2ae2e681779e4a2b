#pragma once
// The product's Start-menu folder and its shortcuts ("Menu%d"). Each entry's
// Name is its link below the menu folder, sub-folders and all, or below the
// Programs folder when it begins with a backslash. Nothing here reports.

// Creates (`create`) the menu folder and the shortcuts of `script` (a
// script path), and opens the folder when Menu Open asks for it; or removes
// them, and the folders that their removal empties.
void ApplyMenuEntries(const char* script, bool create);

// Deletes the shortcut files that `script` lists, and nothing else.
void RemoveMenuLinks(const char* script);

// Removes what `script` made of its menu folder: the shortcuts it lists,
// then the folders left empty. Only inside the Programs folder (a menu
// folder elsewhere, or the Programs folder itself, is left alone), and
// never anything the script does not list: the user's own files there stay,
// and with them the folder.
void RemoveMenuTree(const char* script);

// The clean-up before an install and during an uninstall: the entries and
// menu folder of the installed script in `installFolder`, then the menu
// folder of the running script.
void RemoveAllMenus(const char* installFolder);
