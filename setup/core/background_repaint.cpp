#include "background.h"

#include "setup_state.h"

// Apart from the rest of the background window: the actions repaint it
// after their message boxes.
void RepaintBackgroundWindow()
{
    if (g_setup.backgroundWindow)
        RedrawWindow(g_setup.backgroundWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}
