#pragma once
// Removal of what an install put on disk. Files go to the Recycle Bin;
// folders go only when they are empty. Nothing here asks or reports: what
// could not be removed is listed by ListUndeleted.
#include <cstddef>
#include <string>

// Deletes one file or folder through the shell, silently, to the Recycle
// Bin. Returns the shell's result, 0 when it did what was asked.
int RecycleDelete(const char* path);

// The same, and the action log says whether the file went, was not there,
// or stayed and why.
void RecycleDeleteLogged(const char* path);

// Deletes everything below `folder`, then the folder itself. Folders whose
// name begins with "." are left, and with them their parents.
void RemoveFolderTree(const char* folder);

// The removal pass of an uninstall. The whole install log is read first,
// then the delete patterns of section Del, the logged files newest first,
// the folders of DirRemove and the made folders deepest first go. The
// running setup and its script are never touched here (they have steps of
// their own, whatever a pattern matches), nor the program's folder and the
// made folders above it, which still hold the program: returns how many
// made folders lie above it, for the removal copy to remove after it.
int RemoveInstalledFiles();

// What is still there of the above, and the program's folder (and the made
// folders above it) when it holds more than setup itself: returns the
// length of the list (each path and a line feed) and, with a `report`,
// appends the list to it.
size_t ListUndeleted(std::string* report);

// The action log is setup's own file, not the product's: the removal pass
// leaves it alone and the report does not count it. When it lies in the
// program's folder and that folder holds nothing else but setup, it goes
// to the Recycle Bin, so that the folder can go too; otherwise it stays
// beside what stayed, which it tells about.
void RemoveActionLogWithFolder();
