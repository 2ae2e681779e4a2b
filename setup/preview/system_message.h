#pragma once
// The system's text for an error code, as setup-preview reports it.
#include <windows.h>

#include <string>

std::string SystemMessage(DWORD code);
