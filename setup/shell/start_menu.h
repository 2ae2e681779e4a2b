#pragma once
// The Start-menu folder of the product and its shortcuts ("Menu%d").

// Creates (`create`) or removes the menu folder and the shortcuts of
// `script` (a script path).
void ApplyMenuEntries(const char* script, bool create);

// The clean-up before an install and during an uninstall: the entries and
// menu folder of the installed script in `installFolder`, then the menu
// folder of the running script.
void RemoveAllMenus(const char* installFolder);
