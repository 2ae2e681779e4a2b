#pragma once
// Runs drawing-script lines on a GDI surface.
#include <windows.h>

#include <span>
#include <string>

// Draws `lines` from the first until the end or the first "page," line on
// `target`, within `area` (left and top 0); file arguments are resolved
// against `baseFolder` (empty: the current folder). The surface keeps what
// was drawn, a transparent text background and the last text colour set; a
// font made by the run is deselected and deleted at its end.
void RunDrawingScript(HDC target, const RECT& area, const char* baseFolder, std::span<const std::string> lines);
