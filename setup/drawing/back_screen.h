#pragma once
// The background screen behind the setup dialog, drawn from section Back.
#include <windows.h>

// Runs the lines of section Back of `script` (keys "0", "1", ... up to the
// first empty one) on `surface` (already filled black), within `area`;
// file names are resolved against `baseFolder`.
void DrawBackScreen(HDC surface, const RECT& area, const char* baseFolder, const char* script);
