#include "back_screen.h"

#include <string>
#include <vector>

#include "drawing_script.h"
#include "script.h"
#include "script_keys.h"

void DrawBackScreen(HDC surface, const RECT& area, const char* baseFolder, const char* script)
{
    std::vector<std::string> lines;
    ForEachListedValue(script, kBackLines, [&](int, const char* line) { lines.emplace_back(line); });
    RunDrawingScript(surface, area, baseFolder, lines);
}

void PaintBackgroundPicture(HDC surface, const RECT& screen)
{
    FillRect(surface, &screen, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    char installFolder[kPathSize];
    ReadInstallFolder(installFolder);
    DrawBackScreen(surface, screen, installFolder, ScriptPath());
}
