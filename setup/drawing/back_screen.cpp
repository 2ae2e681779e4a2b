#include "back_screen.h"

void DrawBackScreen(HDC, const RECT&, const char*, const char*)
{
    // The drawing language comes later; until then the background stays black.
}
