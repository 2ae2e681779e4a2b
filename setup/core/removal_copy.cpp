#include "removal_copy.h"

#include <windows.h>

#include "command_line.h"
#include "process_start.h"
#include "setup_state.h"

void StartRemovalCopy()
{
    char command[kPathSize + 16];
    if (!FormRemovalCommand(g_setup.programPath, g_setup.madeParentFolders, command, sizeof command)) return;
    STARTUPINFOA startup = {};
    // Current folder "\": the root of the current drive, so that the copy
    // does not hold the folder it is about to remove.
    StartBehindThisProcess(command, "\\", startup);
}
