#include "menu_folder.h"

#include <windows.h>

#include <cstring>

#include "dbcs.h"
#include "link_names.h"
#include "paths.h"
#include "script_keys.h"
#include "shell_folders.h"

MenuFolders ResolveMenuFolder(const char* script)
{
    MenuFolders folders;
    char named[kPathSize];
    char name[kPathSize];
    ReadMenuFolder(named, script);
    ReadMenuName(name, script);
    ReadShellFolder("Programs", folders.programs);
    FormMenuFolder(named, folders.programs, name, folders.menu);
    return folders;
}

bool LiesInsidePrograms(const char* folder, const char* programs)
{
    // The full path, so that ".." cannot climb out of Programs while the
    // text still starts with it.
    char path[kPathSize];
    DWORD length = GetFullPathNameA(folder, kPathSize, path, nullptr);
    if (length == 0 || length >= kPathSize || programs[0] == '\0') return false;
    while (EndsWithCharDbcs(path, '\\') && std::strlen(path) > 3) path[std::strlen(path) - 1] = '\0';
    if (!PathExists(path) || IsSameFile(path, programs)) return false;
    for (char* cut = FindLastCharDbcs(path, '\\'); cut && cut != path && cut[-1] != ':';
         cut = FindLastCharDbcs(path, '\\')) {
        *cut = '\0';
        if (IsSameFile(path, programs)) return true;
    }
    return false;
}
