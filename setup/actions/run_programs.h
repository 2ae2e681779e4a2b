#pragma once
// Programs and library entry points that the script names to run at the
// end of an install (Go2 Make0, Make1, ...) or at the start of an
// uninstall (Go2 Erase0, Erase1, ...).
#include <windows.h>

// Runs the list `listName` ("Make" or "Erase") in key order, up to the
// first missing or empty entry: "target;entry point;show", path macros
// expanded anywhere in the target. With an entry point the target is
// loaded as a library and that function called; otherwise the shell opens
// the target with its parameters, not waited for, in the window state of
// show ("hide", "min", "max"; any other a normal window). A failing entry
// shows one message owned by `dialog`, none with "hide", and the list goes on.
void RunProgramList(HWND dialog, const char* listName);
