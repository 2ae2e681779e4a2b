#include "folder_shortcuts.h"

#include <windows.h>
#include <shellapi.h>

#include "action_log.h"
#include "link_names.h"
#include "path_text.h"
#include "paths.h"
#include "removal.h"
#include "script.h"
#include "script_keys.h"
#include "shell_folders.h"

namespace {

// As the user would open it from the desktop; setup does not wait for it.
void OpenShortcut(const char* link)
{
    HINSTANCE result = ShellExecuteA(GetDesktopWindow(), nullptr, link, nullptr, nullptr, SW_SHOW);
    LogOutcome(reinterpret_cast<INT_PTR>(result) > 32, LogAct::Started, LogAct::RunFailed, link);
}

// The startup or desktop shortcut, when `goKey` asks for it.
void OpenFolderShortcut(const char* script, const char* option, const char* goKey)
{
    char link[kPathSize];
    if (ReadProfileInt(script, "LastGo", goKey) == 0 || ReadLastGoLink(option, link, script) == 0) return;
    OpenShortcut(link);
    if (!IsOneShotName(LastComponent(link))) return;
    RecycleDeleteLogged(link);
    WriteLastGoLink(script, option, "");
}

} // namespace

void OpenLastGo()
{
    const char* script = ScriptPath();
    char programs[kPathSize];
    char named[kPathSize];
    char name[kPathSize];
    char folder[kPathSize];
    if (!ReadShellFolder("Programs", programs)) return;
    ReadMenuFolder(named, script);
    ReadMenuName(name, script);
    // Without a menu folder of its own the product launches nothing at all.
    if ((named[0] == '\0' && name[0] == '\0') || !FormMenuFolder(named, programs, name, folder)) return;

    int listed = ForEachListedValue(script, kLastGoEntries, [&](int, const char* value) {
        char link[kPathSize];
        if (!EntryLinkPath(folder, value, link)) return;
        OpenShortcut(link);
        if (IsOneShotName(value)) RecycleDeleteLogged(link);
    });
    // A folder that held only one-shot launchers is empty now and goes; one
    // that keeps a shortcut stays (the removal fails).
    if (listed > 0 && !IsSameFile(folder, programs) && RemoveDirectoryA(folder)) LogAction(LogAct::Removed, folder);

    OpenFolderShortcut(script, "Startup", "StartupAndGo");
    OpenFolderShortcut(script, "Desktop", "DesktopAndGo");
}
