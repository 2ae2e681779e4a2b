#include "removal.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "dbcs.h"
#include "path_text.h"
#include "paths.h"
#include "scoped_handle.h"
#include "script.h"

namespace {

// Reads the settings of the removal pass from the running script.
struct RemovalScript {
    RemovalScript()
    {
        force = ReadScriptInt("Del", "Force") != 0;
        ReadScriptText("Root", "Named", installFolder);
    }
    bool force;
    char installFolder[kPathSize];
};

// Calls fn(path) for each file (not folder) that the delete pattern
// `value` matches; the pattern is resolved against the install folder and
// may hold wildcards in its last part.
template <class Fn>
void ForEachPatternMatch(const char* value, const char* installFolder, Fn fn)
{
    char pattern[kPathSize];
    ResolvePath(value, installFolder, pattern, false);
    if (pattern[0] == '\0') return;
    const char* separator = FindLastCharDbcs(pattern, '\\');
    size_t folderLength = separator ? static_cast<size_t>(separator - pattern) + 1 : 0;
    char path[kPathSize];
    for (FileSearch search(pattern); search.Valid(); search.Next()) {
        if (search.IsFolder()) continue;
        path[0] = '\0';
        if (AppendRange(path, sizeof path, pattern, folderLength) && AppendText(path, search.Found().cFileName))
            fn(static_cast<const char*>(path));
    }
}

// Calls fn(path) for each logged entry of `section`, the last one first,
// down to key `last`.
template <class Fn>
void ForEachLoggedNewestFirst(const char* section, int last, Fn fn)
{
    char path[kPathSize];
    for (int index = ReadScriptInt(section, "Count") - 1; index >= last; --index)
        if (ReadScriptText(section, KeyNumber(index), path) != 0) fn(static_cast<const char*>(path));
}

// Calls fn(folder) for each folder of DirRemove (from key 1), resolved.
template <class Fn>
void ForEachFolderToRemove(const char* installFolder, Fn fn)
{
    ForEachListedValue(ScriptPath(), "DirRemove", "", 1, kPathSize, [&](int, const char* value) {
        char folder[kPathSize];
        ResolvePath(value, installFolder, folder, false);
        if (folder[0]) fn(static_cast<const char*>(folder));
    });
}

void DeleteInstalledFile(const char* path, bool force)
{
    if (force) SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    RecycleDelete(path);
}

bool IsSetupFile(const char* name)
{
    return lstrcmpiA(name, "setup.exe") == 0 || lstrcmpiA(name, "setup.ini") == 0;
}

// True when `folder` holds anything but setup itself and names beginning with ".".
bool HoldsMoreThanSetup(const char* folder)
{
    char pattern[kPathSize];
    if (!CopyText(pattern, folder) || !JoinPath(pattern, "*.*")) return false;
    for (FileSearch search(pattern); search.Valid(); search.Next()) {
        const char* name = search.Found().cFileName;
        if (name[0] != '.' && !IsSetupFile(name)) return true;
    }
    return false;
}

} // namespace

void RecycleDelete(const char* path)
{
    // The shell takes a list of names that ends with an empty one: the
    // buffer keeps room for the second terminator even after a full path.
    char names[kPathSize + 1] = {};
    if (path[0] == '\0' || !CopyText(names, kPathSize, path)) return;
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names;
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    SHFileOperationA(&operation);
}

void RemoveFolderTree(const char* folder)
{
    char pattern[kPathSize];
    if (!CopyText(pattern, folder) || !JoinPath(pattern, "*.*")) return;
    for (FileSearch search(pattern); search.Valid(); search.Next()) {
        const char* name = search.Found().cFileName;
        char path[kPathSize];
        if (!CopyText(path, folder) || !JoinPath(path, name)) continue;
        if (!search.IsFolder()) {
            RecycleDelete(path);
        } else if (name[0] != '.') {
            RemoveFolderTree(path);
        }
    }
    RemoveDirectoryA(folder);
}

void RemoveInstalledFiles()
{
    RemovalScript script;
    ForEachListedValue(ScriptPath(), "Del", "", 0, kPathSize, [&](int, const char* value) {
        ForEachPatternMatch(value, script.installFolder, [&](const char* path) { DeleteInstalledFile(path, script.force); });
    });
    ForEachLoggedNewestFirst("CopiedFile", 0, [&](const char* path) { DeleteInstalledFile(path, script.force); });
    ForEachFolderToRemove(script.installFolder, [](const char* folder) { RemoveDirectoryA(folder); });
    // Logged outer folders first: from the end, inner folders go before their parents.
    ForEachLoggedNewestFirst("MakedDirectory", 1, [](const char* folder) { RemoveDirectoryA(folder); });
}

size_t ListUndeleted(std::string* report)
{
    RemovalScript script;
    size_t length = 0;
    auto list = [&](const char* path) {
        length += std::strlen(path) + 1;
        if (report) *report += std::string(path) + "\n";
    };
    auto listExisting = [&](const char* path) {
        if (PathExists(path)) list(path);
    };
    ForEachListedValue(ScriptPath(), "Del", "", 0, kPathSize, [&](int, const char* value) {
        ForEachPatternMatch(value, script.installFolder, list);
    });
    ForEachLoggedNewestFirst("CopiedFile", 0, listExisting);
    ForEachFolderToRemove(script.installFolder, listExisting);
    ForEachLoggedNewestFirst("MakedDirectory", 1, listExisting);
    char installFolder[kPathSize];
    if (ReadScriptText("MakedDirectory", "0", installFolder) != 0 && HoldsMoreThanSetup(installFolder))
        list(installFolder);
    return length;
}
