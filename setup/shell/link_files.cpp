#include "link_files.h"

#include <windows.h>

#include "action_log.h"
#include "link_names.h"
#include "path_text.h"
#include "paths.h"

namespace {

bool FolderBelow(const char* base, const std::string& relative, char (&out)[kPathSize])
{
    return CopyText(out, base) && JoinPath(out, relative.c_str());
}

} // namespace

bool MakeShellFolder(const char* folder)
{
    if (CreateDirectoryA(folder, nullptr)) {
        LogAction(LogAct::Made, folder);
        return true;
    }
    DWORD error = GetLastError();
    if (PathExists(folder)) return true;
    LogFailure(LogAct::MakeFailed, folder, error);
    return false;
}

bool CreateEntryFolders(const char* base, const char* name)
{
    for (const std::string& relative : EntryFolders(name)) {
        char folder[kPathSize];
        if (!FolderBelow(base, relative, folder) || !MakeShellFolder(folder)) return false;
    }
    return true;
}

void DeleteLinkFile(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    LogRemoval(DeleteFileA(path), LogAct::Unlinked, LogAct::Left, path);
}

void RemoveEntryFolders(const char* base, const char* name)
{
    std::vector<std::string> folders = EntryFolders(name);
    for (auto relative = folders.rbegin(); relative != folders.rend(); ++relative) {
        char folder[kPathSize];
        if (FolderBelow(base, *relative, folder))
            LogRemoval(RemoveDirectoryA(folder), LogAct::Removed, LogAct::Left, folder);
    }
}
