#pragma once
// Reading and writing the registry in the Windows tests, through the
// system's own functions. Values are strings; "(missing)" stands for a
// value that is not there, and a name "" for the default value.
#include <windows.h>

#include <string>

// A name followed by the process id: no key of another test run or of Wine.
inline std::string Unique(const std::string& name) { return name + std::to_string(GetCurrentProcessId()); }

inline bool KeyExists(HKEY root, const std::string& key)
{
    HKEY handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

inline std::string RegText(HKEY root, const std::string& key, const std::string& name = "")
{
    char value[1040];
    DWORD size = sizeof value;
    if (RegGetValueA(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return "(missing)";
    return value;
}

inline void SetRegText(HKEY root, const std::string& key, const std::string& name, const std::string& value)
{
    RegSetKeyValueA(root, key.c_str(), name.empty() ? nullptr : name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}
