#pragma once
// The background screen behind the setup dialog, drawn from section Back.
#include <windows.h>

// Runs the lines of section Back of `script` (keys "0", "1", ... up to the
// first empty one) on `surface` (already filled black), within `area`;
// file names are resolved against `baseFolder`.
void DrawBackScreen(HDC surface, const RECT& area, const char* baseFolder, const char* script);

// The background picture of the running script as setup draws it at start:
// `surface` filled black over `screen`, then section Back drawn on it with
// file names resolved against the install folder (Root Named).
void PaintBackgroundPicture(HDC surface, const RECT& screen);
