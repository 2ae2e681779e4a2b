#include "folder_shortcuts.h"

#include <windows.h>

#include "link_files.h"
#include "link_names.h"
#include "paths.h"
#include "script.h"
#include "script_keys.h"
#include "shell_folders.h"
#include "shortcut_maker.h"

namespace {

void CreateSendToEntries(const char* script, const char* sendTo)
{
    if (!MakeShellFolder(sendTo)) return;
    bool noShellLink = false;
    ForEachShortcutEntry(script, kSendSections, [&](const char* section, const char* name) {
        char link[kPathSize];
        if (noShellLink || !CreateEntryFolders(sendTo, name) || !EntryLinkPath(sendTo, name, link)) return;
        noShellLink = MakeShortcut(link, section, script) == ShortcutResult::NoShellLink;
    });
}

// The Send To folder itself stays: it is the user's.
void RemoveSendToEntries(const char* script, const char* sendTo)
{
    ForEachShortcutEntry(script, kSendSections, [&](const char*, const char* name) {
        char link[kPathSize];
        if (EntryLinkPath(sendTo, name, link)) DeleteLinkFile(link);
        RemoveEntryFolders(sendTo, name);
    });
    ResetRemovedOption(script, "Send");
}

} // namespace

void ApplySendToEntries(const char* script, bool create)
{
    char sendTo[kPathSize];
    if (!ReadShellFolder("SendTo", sendTo)) return;
    if (create) CreateSendToEntries(script, sendTo);
    else RemoveSendToEntries(script, sendTo);
}
