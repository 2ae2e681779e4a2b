#include "readme_viewer.h"

INT_PTR ReadmeViewer(HWND)
{
    // Nothing to show yet: the viewer comes with the drawing language.
    return 1;
}
