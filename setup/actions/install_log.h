#pragma once
// The end of an install: setup and its script, with the install log, go
// into the install folder, where the script becomes the installed script
// that a later uninstall runs from.

// Copies the running program as "Setup.exe" and the running script into
// the install folder (Root Named). The log of an earlier installed script
// there is merged in first, so that one uninstall removes what every
// installation into that folder made. False when the program or the script
// could not be placed: the install could then not be uninstalled.
bool PlaceSetupInFolder();

// Appends to `section` (a log: keys "0".."Count-1" and Count) of `script`
// each entry of the same section of `oldScript` that `script` does not hold
// yet, compared byte for byte (letter case counts). Empty entries are not
// carried over, and a log that holds nothing (Count 1 and no key 0, as the
// copy step leaves it) is filled from key 0.
void MergeLogSection(const char* oldScript, const char* script, const char* section);
