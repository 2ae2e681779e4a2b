#pragma once
// Starting the process that removes this program once it has ended.
#include <windows.h>

// Starts `commandLine` (written into by the system) in `folder`, suspended
// and at idle priority, then raises this process to high priority and this
// thread to time-critical before letting the new process run: it gets the
// processor only once this process has finished. False when it could not
// be started.
bool StartBehindThisProcess(char* commandLine, const char* folder, STARTUPINFOA& startup);
