#include "script_keys.h"

size_t ReadDisplayName(char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "Setup", "Name", out);
}

size_t ReadProductKey(char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "Root", "Name", out);
}

void WriteProductKey(const char* name)
{
    WriteScriptText("Root", "Name", name);
}

size_t ReadInstallFolder(char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "Root", "Named", out);
}

void WriteInstallFolder(const char* folder)
{
    WriteScriptText("Root", "Named", folder);
}

size_t ReadMenuName(char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "Menu", "Name", out);
}

size_t ReadMenuFolder(char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "Menu", "Named", out);
}

void WriteMenuFolder(const char* folder)
{
    WriteScriptText("Menu", "Named", folder);
}

size_t ReadChosenMenuFolder(char (&out)[kPathSize])
{
    return ReadScriptText("Menu", "Change", out);
}

void WriteChosenMenuFolder(const char* folder)
{
    WriteScriptText("Menu", "Change", folder);
}

size_t ReadCompanyKey(char (&out)[kPathSize])
{
    return ReadScriptText("Registry", "Company", out);
}

size_t ReadApplicationKey(char (&out)[kPathSize])
{
    return ReadScriptText("Registry", "Name", out);
}
