#pragma once
// Programs and library entry points that the script names to run at the
// end of an install (Go2 Make0, Make1, ...) or at the start of an
// uninstall (Go2 Erase0, Erase1, ...).
#include <windows.h>

// Runs the list `listName` ("Make" or "Erase"); `dialog` owns its messages.
void RunProgramList(HWND dialog, const char* listName);
