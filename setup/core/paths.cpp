#include "paths.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "dbcs.h"
#include "path_text.h"
#include "registry_key.h"
#include "script_keys.h"
#include "system_folders.h"

namespace {

// The program that opens `value` (a document or program relative to
// `base`): the shell's lookup first, then the open command of its type.
// A type that opens the document itself ("%1": a program that is not there
// yet) gives `value` relative to `base` rather than "%1". A type that the
// system does not know gives nothing: each caller decides what stands then.
void FindOpeningProgram(const char* value, const char* base, char* result)
{
    char found[MAX_PATH] = "";
    if (reinterpret_cast<INT_PTR>(FindExecutableA(value, base, found)) <= 32) found[0] = '\0';
    found[MAX_PATH - 1] = '\0';
    if (found[0] && PathExists(found)) {
        CopyText(result, kPathSize, found);
        return;
    }

    const char* dot = FindLastCharDbcs(value, '.');
    const char* extension = dot ? dot : ""; // none: the classes root itself
    RegistryKey typeKey;
    if (!typeKey.Open(HKEY_CLASSES_ROOT, extension, KEY_READ)) {
        CopyText(result, kPathSize, found);
        return;
    }
    char command[kPathSize];
    RegistryKey commandKey;
    bool read = ReadRegistryText(typeKey.Handle(), nullptr, command, sizeof command) &&
                JoinPath(command, "shell\\open\\command") &&
                commandKey.Open(HKEY_CLASSES_ROOT, command, KEY_READ) &&
                ReadRegistryText(commandKey.Handle(), nullptr, command, sizeof command);
    if (read && ProgramFromOpenCommand(command, result, PathExists)) return;
    if (CopyText(result, kPathSize, base)) JoinPath(result, kPathSize, value);
}

} // namespace

bool PathExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

namespace {

bool FileIdentity(const char* path, BY_HANDLE_FILE_INFORMATION& info)
{
    // Backup semantics open folders too; nothing is read or locked.
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return known;
}

} // namespace

bool IsSameFile(const char* a, const char* b)
{
    BY_HANDLE_FILE_INFORMATION first, second;
    if (a[0] == '\0' || b[0] == '\0' || !FileIdentity(a, first) || !FileIdentity(b, second)) return false;
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

void ResolvePath(const char* value, const char* base, char* result, bool programLookup)
{
    SystemFolders folders;
    if (ResolveLeadingForm(value, base, result, folders)) return;
    char resolved[kPathSize];
    if (programLookup) FindOpeningProgram(value, base, resolved);
    else if (CopyText(resolved, base)) JoinPath(resolved, value);
    std::memcpy(result, resolved, kPathSize);
}

bool ExpandMacros(char* text, size_t size)
{
    char root[kPathSize];
    ReadInstallFolder(root);
    SystemFolders folders;
    return ExpandMacroText(text, size, root, folders);
}

bool DefaultInstallFolder(const char* name, char* out)
{
    SystemFolders folders;
    return FormDefaultInstallFolder(name, out, folders);
}
