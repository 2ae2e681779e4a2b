#include "drawing_script.h"

#include "drawing_run.h"
#include "gdi_canvas.h"

void RunDrawingScript(HDC target, const RECT& area, const char* baseFolder, std::span<const std::string> lines)
{
    GdiCanvas canvas(target, baseFolder);
    RunDrawingLines(canvas, DrawRect{area.left, area.top, area.right, area.bottom}, lines);
}
