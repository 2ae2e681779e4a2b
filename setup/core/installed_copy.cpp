#include "installed_copy.h"

#include "dbcs.h"
#include "path_text.h"
#include "paths.h"
#include "script_keys.h"
#include "setup_state.h"

void SetupFolder(char* out)
{
    CopyText(out, kPathSize, g_setup.scriptPath);
    char* separator = FindLastCharDbcs(out, '\\');
    if (!separator) return;
    // A drive's root keeps its backslash: "C:" alone is a current folder.
    bool driveRoot = separator > out && separator[-1] == ':';
    separator[driveRoot ? 1 : 0] = '\0';
}

void PathBesideSetup(const char* name, char* out)
{
    if (!IsRelativePath(name)) {
        CopyText(out, kPathSize, name);
        return;
    }
    SetupFolder(out);
    JoinPath(out, kPathSize, name);
}

bool IsInstalledCopy()
{
    if (ReadScriptInt("CopiedFile", "Count") == 0) return false;
    char installFolder[kPathSize], setupFolder[kPathSize];
    ReadInstallFolder(installFolder);
    SetupFolder(setupFolder);
    return IsSameFile(installFolder, setupFolder);
}
