#include "link_files.h"

#include <windows.h>

#include "link_names.h"
#include "path_text.h"
#include "paths.h"

namespace {

bool FolderBelow(const char* base, const std::string& relative, char (&out)[kPathSize])
{
    return CopyText(out, base) && JoinPath(out, relative.c_str());
}

} // namespace

bool CreateEntryFolders(const char* base, const char* name)
{
    for (const std::string& relative : EntryFolders(name)) {
        char folder[kPathSize];
        if (!FolderBelow(base, relative, folder)) return false;
        if (!CreateDirectoryA(folder, nullptr) && !PathExists(folder)) return false;
    }
    return true;
}

void DeleteLinkFile(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}

void RemoveEntryFolders(const char* base, const char* name)
{
    std::vector<std::string> folders = EntryFolders(name);
    for (auto relative = folders.rbegin(); relative != folders.rend(); ++relative) {
        char folder[kPathSize];
        if (FolderBelow(base, *relative, folder)) RemoveDirectoryA(folder);
    }
}
