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

bool WriteRegistryText(HKEY key, const char* name, const char* value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}
