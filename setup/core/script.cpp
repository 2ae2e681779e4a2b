#include "script.h"

#include <windows.h>

#include "dbcs.h"
#include "path_text.h"
#include "setup_state.h"

bool InitProgramPaths()
{
    char path[kPathSize];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return false; // a cut path would name another file
    if (!CopyText(g_setup.programPath, path)) return false;
    char* name = FindLastCharDbcs(path, '\\');
    if (!name) return false;
    name[1] = '\0'; // drive and folder, ending with the backslash
    return CopyText(g_setup.scriptPath, path) && AppendText(g_setup.scriptPath, "Setup.ini");
}

const char* ScriptPath()
{
    return g_setup.scriptPath;
}

size_t ReadProfileText(const char* script, const char* section, const char* key, char* out,
                       size_t size, const char* fallback)
{
    if (size == 0) return 0;
    return GetPrivateProfileStringA(section, key, fallback, out, static_cast<DWORD>(size), script);
}

int ReadProfileInt(const char* script, const char* section, const char* key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, script));
}

void WriteProfileText(const char* script, const char* section, const char* key, const char* value)
{
    WritePrivateProfileStringA(section, key, value, script);
}

void FlushProfile(const char* script)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, script);
}

size_t ReadScriptText(const char* section, const char* key, char* out, size_t size, const char* fallback)
{
    return ReadProfileText(ScriptPath(), section, key, out, size, fallback);
}

int ReadScriptInt(const char* section, const char* key, int fallback)
{
    return ReadProfileInt(ScriptPath(), section, key, fallback);
}

void WriteScriptText(const char* section, const char* key, const char* value)
{
    WriteProfileText(ScriptPath(), section, key, value);
}

void DeleteScriptSection(const char* section)
{
    WritePrivateProfileStringA(section, nullptr, nullptr, ScriptPath());
}

void FlushScript()
{
    FlushProfile(ScriptPath());
}
