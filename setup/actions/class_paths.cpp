#include "class_paths.h"

#include <windows.h>

#include "path_text.h"
#include "registry_key.h"

namespace {

constexpr REGSAM kChangeAccess = KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

// A path cut into the key path and the value name; false without a backslash.
struct ClassPath {
    char keyPath[kLongValueSize];
    const char* valueName = nullptr;

    explicit ClassPath(const char* path)
    {
        if (CopyText(keyPath, path)) valueName = SplitAtLastBackslash(keyPath);
    }
    explicit operator bool() const { return valueName != nullptr; }
};

bool DeleteSubKey(HKEY parent, const char* name)
{
    bool deleted = RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
    RegFlushKey(parent);
    return deleted;
}

} // namespace

bool SetValueByPath(const char* path, const char* data)
{
    ClassPath parts(path);
    if (!parts) return false;
    RegistryKey key;
    return key.Create(HKEY_CLASSES_ROOT, parts.keyPath, kChangeAccess) &&
           WriteRegistryText(key.Handle(), parts.valueName, data);
}

bool RemovePathValueAndKeys(const char* path)
{
    ClassPath parts(path);
    if (!parts) return false;
    {
        RegistryKey key;
        if (!key.Open(HKEY_CLASSES_ROOT, parts.keyPath, kChangeAccess)) return false;
        if (RegDeleteValueA(key.Handle(), parts.valueName) != ERROR_SUCCESS) return false;
        key.Flush();
    }
    char* first = parts.keyPath;
    if (char* rest = SplitAtFirstBackslash(first)) {
        RegistryKey key;
        if (!key.Open(HKEY_CLASSES_ROOT, first, kChangeAccess) || !DeleteSubKey(key.Handle(), rest)) return false;
    }
    return DeleteSubKey(HKEY_CLASSES_ROOT, first);
}

void DeleteValueByPath(const char* path)
{
    ClassPath parts(path);
    RegistryKey key;
    if (!parts || !key.Open(HKEY_CLASSES_ROOT, parts.keyPath, KEY_SET_VALUE)) return;
    if (RegDeleteValueA(key.Handle(), parts.valueName) == ERROR_SUCCESS) key.Flush();
}
