// Entry of Setup.exe: the start mode from the argument text, the script
// beside the program, the background window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "background.h"
#include "command_line.h"
#include "removal_copy.h"
#include "script.h"
#include "self_delete.h"
#include "setup_state.h"

namespace {

constexpr DWORD kRemovalWait = 5000; // ms: lets the uninstalling copy end first

void RecordScreenRectangle()
{
    GetWindowRect(GetDesktopWindow(), &g_setup.screenRect);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // The program's own path first: an unquoted command line is split
    // after it (without it, at the first blank).
    bool pathsKnown = InitProgramPaths();
    int parentFolders = 0;
    StartMode mode = ModeOfArguments(ArgumentText(GetCommandLineA(), g_setup.programPath), &parentFolders);
    if (mode == StartMode::Remove) {
        Sleep(kRemovalWait);
        DeleteSelf(parentFolders);
        return 0;
    }
    if (!pathsKnown) return 1;

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RecordScreenRectangle();
    g_setup.setupModeCode = kModeInstall;
    g_setup.runState = kRunStateInstall;
    g_setup.uninstallRequest = mode == StartMode::Uninstall;

    if (ReadScriptInt("Back", "Do") != 0) PrepareBackgroundPicture();
    if (HWND background = CreateBackgroundWindow(instance)) {
        RunMessageLoop(background);
        DestroyWindow(background);
    }
    ReleaseBackgroundPicture();
    if (g_setup.runState == kRunStateRemoveAfter) StartRemovalCopy();
    return 0;
}
