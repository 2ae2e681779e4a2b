#include "folder_shortcuts.h"

#include "hot_key.h"
#include "link_files.h"
#include "link_names.h"
#include "paths.h"
#include "script.h"
#include "script_keys.h"
#include "shell_folders.h"
#include "shortcut_maker.h"

void ApplyFolderShortcut(const char* script, bool create, const char* name)
{
    char folder[kPathSize];
    char linkName[kPathSize];
    char link[kPathSize];
    if (!ReadShellFolder(name, folder) || ReadProfileText(script, name, "Name", linkName) == 0 ||
        !EntryLinkPath(folder, linkName, link))
        return;
    if (!create) {
        WriteLastGoLink(script, name, "");
        ResetRemovedOption(script, name);
        DeleteLinkFile(link);
        return;
    }
    char hotKey[kPathSize];
    ReadProfileText(script, name, "Short", hotKey);
    bool saved = MakeShortcut(link, name, script, HotKeyFromText(hotKey)) == ShortcutResult::Saved;
    // Only a shortcut that is there may be launched at the end of the install.
    WriteLastGoLink(script, name, saved && PathExists(link) ? link : "");
}
