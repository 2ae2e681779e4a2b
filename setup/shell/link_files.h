#pragma once
// The files and folders of the shortcut entries, below the folder they are
// listed for (the Start-menu folder, Send To). An entry's name may hold
// folders ("Tools\Readme"): they are made as needed and go when emptied.
#include "script.h"

// Calls fn(section, name) for the entry sections "Menu0", "Menu1", ... (or
// "Send0", ...) of `script` up to the first without a Name.
template <class Fn>
void ForEachShortcutEntry(const char* script, const SectionList& sections, Fn fn)
{
    ForEachNumberedSection(script, sections, [&](int, const char* section) {
        char name[kPathSize];
        ReadProfileText(script, section, "Name", name);
        fn(section, static_cast<const char*>(name));
    });
}

// Makes `folder` unless it is there already; false when it is not there
// afterwards. The log tells a folder made, or one that could not be.
bool MakeShellFolder(const char* folder);

// Creates the missing folders that the entry `name` lies in below `base`,
// one level at a time, outer first. False when one cannot be made.
bool CreateEntryFolders(const char* base, const char* name);

// Deletes a link file whatever its attributes; a missing file is no error.
void DeleteLinkFile(const char* path);

// Removes the folders that the entry `name` lies in below `base`, deepest
// first, each only when it is empty.
void RemoveEntryFolders(const char* base, const char* name);
