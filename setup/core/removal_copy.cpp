#include "removal_copy.h"

#include <windows.h>

#include "command_line.h"
#include "setup_state.h"

void StartRemovalCopy()
{
    char command[kPathSize + 16];
    if (!FormRemovalCommand(g_setup.programPath, command, sizeof command)) return;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // Current folder "\": the root of the current drive, so that the copy
    // does not hold the folder it is about to remove.
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_SUSPENDED | IDLE_PRIORITY_CLASS,
                        nullptr, "\\", &startup, &process))
        return;
    // The copy runs only once this process has finished at high priority.
    SetThreadPriority(process.hThread, THREAD_PRIORITY_IDLE);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    CloseHandle(process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
}
