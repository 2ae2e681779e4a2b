#include "registry_entries.h"

#include <cstring>
#include <string>

#include "action_log.h"
#include "path_text.h"
#include "paths.h"
#include "registry_entry.h"
#include "registry_key.h"
#include "script.h"
#include "script_keys.h"

namespace {

constexpr REGSAM kTreeAccess = KEY_ENUMERATE_SUB_KEYS | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
constexpr REGSAM kEmptyTestAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS;

HKEY RootKey(const char* name)
{
    switch (RootOfName(name)) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::Users: return HKEY_USERS;
    case RegistryRoot::PerformanceData: return HKEY_PERFORMANCE_DATA;
    case RegistryRoot::DynData: return HKEY_DYN_DATA;
    case RegistryRoot::LocalMachine: break;
    }
    return HKEY_LOCAL_MACHINE;
}

// The data of a Make entry goes through the path resolver with the program
// lookup, as scripts expect: a file of the install folder becomes its full
// path, a document the program that opens it. "!" keeps the text as it
// stands, however long; so does a text the resolver makes nothing of.
void ResolveData(const char* data, char (&out)[kLongValueSize])
{
    if (data[0] == '!') {
        CopyText(out, data + 1);
        return;
    }
    char folder[kPathSize];
    ReadInstallFolder(folder);
    char resolved[kPathSize];
    ResolvePath(data, folder, resolved, true);
    CopyText(out, resolved[0] ? resolved : data);
}

// A sub key name that is empty, or backslashes only, opens the parent.
bool NamesParentItself(const char* name)
{
    return name[std::strspn(name, "\\")] == '\0';
}

void DeleteValue(HKEY root, const char* keyPath, const char* name)
{
    RegistryKey key;
    if (!key.Open(root, keyPath, KEY_SET_VALUE)) return;
    LONG result = RegDeleteValueA(key.Handle(), name);
    if (result == ERROR_SUCCESS) key.Flush();
    SetLastError(static_cast<DWORD>(result));
    LogRemoval(result == ERROR_SUCCESS, LogAct::RegDeleted, LogAct::RegFailed, RegistryKeyName(root, keyPath).c_str(),
               (std::string("value ") + name).c_str());
}

// Deletes the keys of `path` that are left empty, the deepest first, up to
// the one right below the root. The path is cut in place.
void DeleteEmptyKeysUpward(HKEY root, char* path)
{
    for (;;) {
        char* child = SplitAtLastBackslash(path);
        if (!child) {
            DeleteKeyIfEmpty(root, path);
            return;
        }
        RegistryKey parent;
        if (parent.Open(root, path, kTreeAccess)) DeleteKeyIfEmpty(parent.Handle(), child);
    }
}

void RemoveSettingsKey(HKEY hive, const char* base, const char* leaf, const char* company)
{
    RegistryKey key;
    if (key.Open(hive, base, kTreeAccess)) {
        std::string name = RegistryKeyName(hive, base) + "\\" + leaf;
        LogRemoval(DeleteKeyTree(key.Handle(), leaf), LogAct::RegDeleted, LogAct::RegFailed, name.c_str());
        key.Flush();
    }
    if (key.Open(hive, "SOFTWARE", kTreeAccess)) {
        DeleteKeyIfEmpty(key.Handle(), company);
        key.Flush();
    }
}

} // namespace

void ApplyRegList(bool make)
{
    ForEachListedValue(ScriptPath(), make ? kRegMake : kRegErase, [&](int, char* entry) {
        if (make)
            WriteRegEntry(entry);
        else
            EraseRegEntry(entry);
    });
}

void WriteRegEntry(char* entry)
{
    RegistryWrite write;
    if (!ParseRegistryWrite(entry, write)) return;
    HKEY root = RootKey(write.rootName);
    std::string name = RegistryKeyName(root, write.keyPath);
    RegistryKey key;
    bool opened = write.keyPath[0] == '\0' || key.Create(root, write.keyPath, KEY_CREATE_SUB_KEY | KEY_SET_VALUE);
    if (!opened || !write.valueName) {
        LogOutcome(opened, LogAct::RegSet, LogAct::RegFailed, name.c_str());
        return;
    }
    char data[kLongValueSize];
    ResolveData(write.data, data);
    LogOutcome(WriteRegistryText(key.Handle() ? key.Handle() : root, write.valueName, data), LogAct::RegSet,
               LogAct::RegFailed, name.c_str(), RegistryValueText(write.valueName, data).c_str());
}

void EraseRegEntry(char* entry)
{
    char* path = ParseRegistryErase(entry);
    if (!path || path[0] == '\0') return;
    HKEY root = RootKey(entry);
    std::string fullName = RegistryKeyName(root, path);
    const char* name = "";
    RegistryKey key;
    if (key.Open(root, path, kTreeAccess)) {
        key.Close();
        // Right below a root lie the settings of every program (Software,
        // the file types): such a key is never deleted as a tree.
        if (IsFirstLevelKeyPath(path)) {
            LogAction(LogAct::Left, fullName.c_str(), "a key right below a root is never deleted");
            return;
        }
        name = SplitAtLastBackslash(path); // two parts at least: there is one
        if (key.Open(root, path, kTreeAccess))
            LogRemoval(DeleteKeyTree(key.Handle(), name), LogAct::RegDeleted, LogAct::RegFailed, fullName.c_str(),
                       "key and all below it");
        key.Close();
    } else if (char* value = SplitAtLastBackslash(path)) {
        name = value;
    }
    // After a key tree this finds nothing, unless a value has its name too.
    DeleteValue(root, path, name);
    DeleteEmptyKeysUpward(root, path);
}

bool DeleteKeyTree(HKEY parent, const char* name)
{
    if (NamesParentItself(name)) return false;
    RegistryKey key;
    if (key.Open(parent, name, kTreeAccess)) {
        char child[kPathSize];
        char previous[kPathSize] = "";
        while (RegEnumKeyA(key.Handle(), 0, child, sizeof child) == ERROR_SUCCESS) {
            // A sub key that could not be deleted comes first again: give
            // up on this key rather than trying for ever.
            if (lstrcmpiA(child, previous) == 0) break;
            DeleteKeyTree(key.Handle(), child);
            CopyText(previous, child);
        }
        key.Flush();
        key.Close();
    }
    LONG result = RegDeleteKeyA(parent, name);
    RegFlushKey(parent);
    SetLastError(static_cast<DWORD>(result));
    return result == ERROR_SUCCESS;
}

void DeleteKeyIfEmpty(HKEY parent, const char* name)
{
    // Only a key seen to be empty goes: one that cannot be opened may hold
    // values, which a plain deletion would take with it.
    RegistryKey key;
    if (NamesParentItself(name) || !key.Open(parent, name, kEmptyTestAccess)) return;
    char found[kPathSize];
    DWORD length = sizeof found;
    bool empty = RegEnumKeyA(key.Handle(), 0, found, sizeof found) == ERROR_NO_MORE_ITEMS &&
                 RegEnumValueA(key.Handle(), 0, found, &length, nullptr, nullptr, nullptr, nullptr) ==
                     ERROR_NO_MORE_ITEMS;
    key.Flush();
    key.Close();
    if (!empty) return;
    RegDeleteKeyA(parent, name);
    RegFlushKey(parent);
}

void RemoveCompanyKeys()
{
    char product[kPathSize];
    if (ReadProductKey(product) == 0) return;
    RegistryKey list;
    if (list.Open(HKEY_LOCAL_MACHINE, kUninstallListKey, KEY_CREATE_SUB_KEY)) {
        std::string name = RegistryKeyName(HKEY_LOCAL_MACHINE, kUninstallListKey) + "\\" + LastComponent(product);
        LogRemoval(DeleteKeyTree(list.Handle(), LastComponent(product)), LogAct::RegDeleted, LogAct::RegFailed,
                   name.c_str());
        list.Flush();
    }

    char company[kPathSize];
    if (ReadCompanyKey(company) == 0) return;
    char base[kPathSize] = "SOFTWARE";
    char application[kPathSize];
    const char* leaf = company;
    if (ReadApplicationKey(application) != 0) {
        if (!JoinPath(base, company)) return;
        leaf = application;
    }
    for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RemoveSettingsKey(hive, base, leaf, company);
}
