#pragma once
// The end of an install: setup and its script, with the install log, go
// into the install folder, where the script becomes the installed script
// that a later uninstall runs from.

// Copies "Setup.exe" from the current folder and the running script into
// the install folder (Root Named). The log of an earlier installed script
// there is merged in first, so that one uninstall removes what every
// installation into that folder made.
void PlaceSetupInFolder();

// Appends to `section` (a log: keys "0".."Count-1" and Count) of `script`
// each entry of the same section of `oldScript` that `script` does not hold
// yet, compared byte for byte (letter case counts).
void MergeLogSection(const char* oldScript, const char* script, const char* section);
