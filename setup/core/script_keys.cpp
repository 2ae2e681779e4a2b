#include "script_keys.h"

namespace {

size_t Read(const ScriptKey& key, char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, key.section, key.key, out);
}

void Write(const ScriptKey& key, const char* value)
{
    WriteScriptText(key.section, key.key, value);
}

} // namespace

size_t ReadDisplayName(char (&out)[kPathSize], const char* script)
{
    return Read(kDisplayName, out, script);
}

size_t ReadProductKey(char (&out)[kPathSize], const char* script)
{
    return Read(kProductKey, out, script);
}

size_t ReadActionLogName(char (&out)[kPathSize])
{
    return Read(kActionLogName, out, ScriptPath());
}

size_t ReadInstallFolder(char (&out)[kPathSize], const char* script)
{
    return Read(kInstallFolder, out, script);
}

void WriteInstallFolder(const char* folder)
{
    Write(kInstallFolder, folder);
}

size_t ReadMenuName(char (&out)[kPathSize], const char* script)
{
    return Read(kMenuName, out, script);
}

size_t ReadMenuFolder(char (&out)[kPathSize], const char* script)
{
    return Read(kMenuFolder, out, script);
}

void WriteMenuFolder(const char* folder)
{
    Write(kMenuFolder, folder);
}

size_t ReadChosenMenuFolder(char (&out)[kPathSize])
{
    return Read(kChosenMenuFolder, out, ScriptPath());
}

void WriteChosenMenuFolder(const char* folder)
{
    Write(kChosenMenuFolder, folder);
}

void ResetRemovedOption(const char* script, const char* option)
{
    if (ReadProfileInt(script, "Check", option) != 0) WriteProfileText(script, "Check", option, "1");
}

size_t ReadLastGoLink(const char* option, char (&out)[kPathSize], const char* script)
{
    return ReadProfileText(script, "LastGo", option, out);
}

void WriteLastGoLink(const char* script, const char* option, const char* link)
{
    WriteProfileText(script, "LastGo", option, link);
}

size_t ReadCompanyKey(char (&out)[kPathSize])
{
    return ReadScriptText("Registry", "Company", out);
}

size_t ReadApplicationKey(char (&out)[kPathSize])
{
    return ReadScriptText("Registry", "Name", out);
}
