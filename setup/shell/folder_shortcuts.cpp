#include "folder_shortcuts.h"

void ApplySendToEntries(const char*, bool)
{
    // The Send To shortcuts come with the shortcut step.
}

void ApplyFolderShortcut(const char*, bool, const char*)
{
    // The desktop and startup shortcuts come with the shortcut step.
}

void OpenLastGo()
{
    // Nothing to launch until the shortcuts are made.
}
