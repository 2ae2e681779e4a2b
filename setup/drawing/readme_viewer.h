#pragma once
// The ReadMe viewer (dialog 102), opened from the setup dialog.
#include <windows.h>

// Shows the ReadMe modally, owned by `owner`. Returns 1 to go on, 0 when an
// agreement was declined.
INT_PTR ReadmeViewer(HWND owner);
