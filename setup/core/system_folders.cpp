#include "system_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "registry_key.h"
#include "text_limits.h"

namespace {

bool FindDesktopFolder(char* out)
{
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &items))) return false;
    bool found = SHGetPathFromIDListA(items, out) != FALSE; // writes at most MAX_PATH bytes
    CoTaskMemFree(items);
    return found;
}

bool FindProgramFilesFolder(char* out)
{
    RegistryKey key;
    return key.Open(HKEY_LOCAL_MACHINE, kCurrentVersionKey, KEY_READ) &&
           ReadRegistryText(key.Handle(), "ProgramFilesDir", out, kPathSize) && out[0] != '\0';
}

} // namespace

bool SystemFolders::Find(MacroFolder folder, char* out)
{
    out[0] = '\0';
    bool found = false;
    switch (folder) {
    case MacroFolder::System: {
        UINT length = GetSystemDirectoryA(out, kPathSize);
        found = length > 0 && length < kPathSize;
        break;
    }
    case MacroFolder::Windows: {
        UINT length = GetWindowsDirectoryA(out, kPathSize);
        found = length > 0 && length < kPathSize;
        break;
    }
    case MacroFolder::Desktop:
        found = FindDesktopFolder(out);
        break;
    case MacroFolder::Programs:
        found = FindProgramFilesFolder(out);
        break;
    }
    if (!found) out[0] = '\0';
    return found;
}
