#include "registry_key.h"

#include <cstring>

bool ReadRegistryText(HKEY key, const char* name, char* out, size_t size)
{
    if (size == 0) return false;
    out[0] = '\0';
    DWORD bytes = static_cast<DWORD>(size - 1);
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(out), &bytes) != ERROR_SUCCESS) {
        out[0] = '\0';
        return false;
    }
    out[bytes < size ? bytes : size - 1] = '\0';
    return true;
}

std::string RegistryKeyName(HKEY root, const char* path)
{
    static const struct {
        HKEY key;
        const char* name;
    } roots[] = {{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},     {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                 {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},   {HKEY_USERS, "HKEY_USERS"},
                 {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"}, {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
                 {HKEY_DYN_DATA, "HKEY_DYN_DATA"}};
    std::string name = "HKEY";
    for (const auto& r : roots)
        if (r.key == root) name = r.name;
    if (path[0] != '\0') name += std::string("\\") + path;
    return name;
}

std::string RegistryValueText(const char* name, const char* data)
{
    return std::string(name && name[0] ? name : "(default)") + " = " + data;
}

bool WriteRegistryText(HKEY key, const char* name, const char* value)
{
    LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                 static_cast<DWORD>(std::strlen(value) + 1));
    if (result != ERROR_SUCCESS) SetLastError(static_cast<DWORD>(result));
    return result == ERROR_SUCCESS;
}
