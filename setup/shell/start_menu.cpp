#include "start_menu.h"

void ApplyMenuEntries(const char*, bool)
{
    // The Start-menu entries come with the shortcut step.
}

void RemoveAllMenus(const char*)
{
    // Nothing to remove until the Start-menu entries are made.
}
