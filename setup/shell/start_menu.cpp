#include "start_menu.h"

#include <windows.h>
#include <shellapi.h>

#include "action_log.h"
#include "link_files.h"
#include "link_names.h"
#include "menu_folder.h"
#include "path_text.h"
#include "paths.h"
#include "script.h"
#include "script_keys.h"
#include "shortcut_maker.h"

namespace {

// The Programs folder itself is never removed, though it may be the menu folder.
void RemoveMenuFolderIfEmpty(const MenuFolders& folders)
{
    if (!IsSameFile(folders.menu, folders.programs))
        LogRemoval(RemoveDirectoryA(folders.menu), LogAct::Removed, LogAct::Left, folders.menu);
}

void CreateMenuEntries(const char* script)
{
    MenuFolders folders = ResolveMenuFolder(script);
    if (folders.menu[0] == '\0') return;
    if (!MakeShellFolder(folders.menu)) return;
    bool noShellLink = false;
    ForEachShortcutEntry(script, kMenuSections, [&](const char* section, const char* name) {
        char link[kPathSize];
        if (noShellLink || (!IsBelowPrograms(name) && !CreateEntryFolders(folders.menu, name)) ||
            !MenuEntryLinkPath(folders.menu, folders.programs, name, link))
            return;
        noShellLink = MakeShortcut(link, section, script) == ShortcutResult::NoShellLink;
    });
    // Still empty: no entry landed in it, and there is nothing to show.
    if (!IsSameFile(folders.menu, folders.programs) && RemoveDirectoryA(folders.menu)) return;
    if (ReadProfileInt(script, "Menu", "Open") != 0)
        ShellExecuteA(nullptr, "open", folders.menu, nullptr, folders.menu, SW_SHOWNORMAL);
}

// The listed shortcuts, the sub-folders they leave empty (deepest first)
// and the menu folder when it is empty.
void RemoveListedEntries(const char* script, const MenuFolders& folders)
{
    ForEachShortcutEntry(script, kMenuSections, [&](const char*, const char* name) {
        char link[kPathSize];
        if (MenuEntryLinkPath(folders.menu, folders.programs, name, link)) DeleteLinkFile(link);
        if (!IsBelowPrograms(name)) RemoveEntryFolders(folders.menu, name);
    });
    RemoveMenuFolderIfEmpty(folders);
}

} // namespace

void ApplyMenuEntries(const char* script, bool create)
{
    if (create) {
        CreateMenuEntries(script);
        return;
    }
    MenuFolders folders = ResolveMenuFolder(script);
    if (folders.menu[0] == '\0') return;
    RemoveListedEntries(script, folders);
    ResetRemovedOption(script, "Menu");
}

void RemoveMenuLinks(const char* script)
{
    MenuFolders folders = ResolveMenuFolder(script);
    if (folders.menu[0] == '\0') return;
    ForEachShortcutEntry(script, kMenuSections, [&](const char*, const char* name) {
        char link[kPathSize];
        if (MenuEntryLinkPath(folders.menu, folders.programs, name, link)) DeleteLinkFile(link);
    });
}

void RemoveMenuTree(const char* script)
{
    MenuFolders folders = ResolveMenuFolder(script);
    if (LiesInsidePrograms(folders.menu, folders.programs)) RemoveListedEntries(script, folders);
}

void RemoveAllMenus(const char* installFolder)
{
    // Without an install folder there is no installed script: a bare
    // "Setup.ini" would be looked for in the Windows folder.
    char installed[kPathSize];
    if (installFolder[0] && CopyText(installed, installFolder) && JoinPath(installed, "Setup.ini")) {
        RemoveMenuLinks(installed);
        RemoveMenuTree(installed);
    }
    RemoveMenuTree(ScriptPath());
}
