#include "shell_folders.h"

#include "registry_key.h"

bool ReadShellFolder(const char* name, char (&out)[kPathSize])
{
    RegistryKey key;
    return key.Open(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                    KEY_READ) &&
           ReadRegistryText(key.Handle(), name, out, kPathSize) && out[0] != '\0';
}
