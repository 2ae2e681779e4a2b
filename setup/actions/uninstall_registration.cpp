#include "uninstall_registration.h"

#include "action_log.h"
#include "command_line.h"
#include "path_text.h"
#include "registry_key.h"
#include "script.h"
#include "script_keys.h"

namespace {

// The command the system runs to uninstall. Quoted: Windows starts an
// unquoted path with a blank ("C:\Program Files\...") as it stands, and
// the program would take "Files\..." for its arguments.
bool FormCommand(char* command, size_t size)
{
    char program[kPathSize];
    if (ReadInstallFolder(program) == 0 || !JoinPath(program, "Setup.exe")) return false;
    return FormUninstallCommand(program, ReadScriptInt("Del", "Auto") != 0, command, size);
}

bool WriteProductEntry(const RegistryKey& list)
{
    char product[kPathSize];
    if (ReadProductKey(product) == 0) return true; // no entry asked for
    std::string key = RegistryKeyName(HKEY_LOCAL_MACHINE, kUninstallListKey) + "\\" + LastComponent(product);
    RegistryKey entry;
    if (!entry.Create(list.Handle(), LastComponent(product), KEY_SET_VALUE))
        return LogOutcome(false, LogAct::RegSet, LogAct::RegFailed, key.c_str());
    char name[kPathSize];
    if (ReadDisplayName(name) != 0)
        LogOutcome(WriteRegistryText(entry.Handle(), "DisplayName", name), LogAct::RegSet, LogAct::RegFailed,
                   key.c_str(), RegistryValueText("DisplayName", name).c_str());
    char command[kPathSize + 16] = "";
    bool written =
        FormCommand(command, sizeof command) && WriteRegistryText(entry.Handle(), "UninstallString", command);
    LogOutcome(written, LogAct::RegSet, LogAct::RegFailed, key.c_str(),
               RegistryValueText("UninstallString", command).c_str());
    entry.Flush();
    return written;
}

} // namespace

bool RegisterUninstall()
{
    RegistryKey currentVersion;
    if (!currentVersion.Create(HKEY_LOCAL_MACHINE, kCurrentVersionKey, KEY_CREATE_SUB_KEY)) return false;
    RegistryKey list;
    bool registered = list.Create(currentVersion.Handle(), "Uninstall", KEY_CREATE_SUB_KEY) && WriteProductEntry(list);
    list.Flush();
    currentVersion.Flush();
    return registered;
}
