#pragma once
// The process-wide state of setup, and nothing else is process-wide: what
// outlives one step and is not kept in the script. Start-up sets it, the
// setup dialog and the run sequences change it, the background drawing and
// the ReadMe viewer read it. It lives until the process ends.
#include <windows.h>

#include <string>

#include "text_limits.h"

enum RunState {
    kRunStateInstall = 0,      // an install may run
    kRunStateInstalled = 1,    // the script is an installed script; uninstall is offered
    kRunStateRemoveAfter = 2,  // an uninstall finished: start the removal copy at exit
};

// Which dialog the user sees; also chooses the first page of a drawn ReadMe.
enum SetupModeCode {
    kModeInstall = -1,
    kModeVersionUp = -2,
    kModeInstalled = -3,
};

// The drawn background screen: an off-screen surface holding a bitmap of
// the screen's size. The bitmap it held first goes back in before release.
struct BackgroundPicture {
    HDC surface = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
};

struct DialogIcons {
    HICON large = nullptr;
    HICON little = nullptr;
};

// The action log of the current run (Setup Log): its file, empty when the
// script names none; the file beside the script for lines that could not
// reach it; lines still waiting to be written; what went wrong so far.
struct ActionLogState {
    char path[kPathSize] = "";
    char fallback[kPathSize] = "";
    std::string waiting;
    int failed = 0;
    int left = 0;
};

// The language of setup's own texts: the system's (Japanese when the OEM
// code page is 932), or one that setup-preview was asked for.
enum class TextLanguage { System, Japanese, English };

struct SetupState {
    // "Setup.ini" beside the program: every read and write of the running
    // script goes to this path.
    char scriptPath[kPathSize] = "";
    // The running program's own file, which the install places in the
    // install folder and the removal copy starts again.
    char programPath[kPathSize] = "";
    // The desktop window's rectangle: the size of the background screen.
    RECT screenRect = {};
    // Only with Back Do on; its surface is null otherwise.
    BackgroundPicture backgroundPicture;
    // Owns the setup dialog; repainted after each message box.
    HWND backgroundWindow = nullptr;
    // The argument text was "uninstall".
    bool uninstallRequest = false;
    RunState runState = kRunStateInstall;
    // Folders above the program's folder that installs made: the removal
    // copy removes them after the program's folder (set by the uninstall).
    int madeParentFolders = 0;
    SetupModeCode setupModeCode = kModeInstall;
    // From the file that Desktop Icon names; none when it names nothing.
    DialogIcons dialogIcons;
    // The shell link could not be created and the user was told: once a run.
    bool shellLinkFailureReported = false;
    ActionLogState actionLog;
    TextLanguage textLanguage = TextLanguage::System;
};

extern SetupState g_setup;
