#pragma once
// The install and uninstall sequences started by the setup dialog's run
// button. They read the dialog's checkboxes and folder field, show their
// progress in its label line and end setup by posting its destroy message.
#include <windows.h>

// The uninstall sequence on an installed script whose uninstall box is
// checked, the install sequence in every other case.
void StartRunSequence(HWND dialog);
