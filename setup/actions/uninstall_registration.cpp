#include "uninstall_registration.h"

#include <cstring>

#include "path_text.h"
#include "registry_key.h"
#include "script.h"

namespace {

void SetText(const RegistryKey& key, const char* name, const char* value)
{
    RegSetValueExA(key.Handle(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(std::strlen(value) + 1));
}

// The command the system runs to uninstall: no quotes around the path, as
// the uninstall list has always held it.
bool FormUninstallCommand(char* command)
{
    if (ReadScriptText("Root", "Named", command, kPathSize) == 0) return false;
    if (!JoinPath(command, kPathSize, "Setup.exe")) return false;
    return ReadScriptInt("Del", "Auto") == 0 || AppendText(command, kPathSize, " uninstall");
}

void WriteProductEntry(const RegistryKey& list)
{
    char product[kPathSize];
    if (ReadScriptText("Root", "Name", product) == 0) return;
    RegistryKey entry;
    if (!entry.Create(list.Handle(), LastComponent(product), KEY_SET_VALUE)) return;
    char name[kPathSize];
    if (ReadScriptText("Setup", "Name", name) != 0) SetText(entry, "DisplayName", name);
    char command[kPathSize];
    if (FormUninstallCommand(command)) SetText(entry, "UninstallString", command);
    entry.Flush();
}

} // namespace

void RegisterUninstall()
{
    RegistryKey currentVersion;
    if (!currentVersion.Create(HKEY_LOCAL_MACHINE, kCurrentVersionKey, KEY_CREATE_SUB_KEY)) return;
    RegistryKey list;
    if (list.Create(currentVersion.Handle(), "Uninstall", KEY_CREATE_SUB_KEY)) {
        WriteProductEntry(list);
        list.Flush();
    }
    currentVersion.Flush();
}
