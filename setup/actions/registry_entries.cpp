#include "registry_entries.h"

#include "path_text.h"
#include "registry_key.h"
#include "script.h"
#include "script_keys.h"

namespace {

constexpr REGSAM kTreeAccess = KEY_ENUMERATE_SUB_KEYS | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

} // namespace

void ApplyRegList(bool)
{
    // The Make and Erase entries of section Reg come with the registry step.
}

void DeleteKeyTree(HKEY parent, const char* name)
{
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
    RegDeleteKeyA(parent, name);
    RegFlushKey(parent);
}

void RemoveCompanyKeys()
{
    char product[kPathSize];
    if (ReadProductKey(product) == 0) return;
    RegistryKey list;
    if (list.Open(HKEY_LOCAL_MACHINE, kUninstallListKey, KEY_CREATE_SUB_KEY)) {
        DeleteKeyTree(list.Handle(), LastComponent(product));
        list.Flush();
    }
    // The company and product keys of section Registry come with the registry step.
}
