#pragma once
// Process-wide state of setup: set at start-up and by the setup dialog, read
// by the run sequences, the drawing and the ReadMe viewer. Lives until exit.
#include <windows.h>

#include "text_limits.h"

enum RunState {
    kRunStateInstall = 0,      // an install may run
    kRunStateInstalled = 1,    // the script is an installed script; uninstall is offered
    kRunStateRemoveAfter = 2,  // an uninstall finished: start the removal copy at exit
};

enum SetupModeCode {
    kModeInstall = -1,
    kModeVersionUp = -2,
    kModeInstalled = -3,
};

struct SetupState {
    char programPath[kPathSize] = "";
    char scriptPath[kPathSize] = "";
    RECT screen = {};
    // Background picture: an off-screen surface of the screen's size, or none.
    HDC backSurface = nullptr;
    HBITMAP backBitmap = nullptr;
    HGDIOBJ backPreviousBitmap = nullptr;
    HWND backWindow = nullptr;
    bool uninstallRequest = false;
    int runState = kRunStateInstall;
    int modeCode = kModeInstall;
    HICON iconLarge = nullptr;
    HICON iconSmall = nullptr;
};

extern SetupState g_setup;
