#pragma once
// A registry key that closes itself, and string reads that always end in a
// terminator inside the caller's buffer (the registry does not promise one).
#include <windows.h>

#include <cstddef>

inline constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kUninstallListKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { Close(); }

    bool Open(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        if (RegOpenKeyExA(parent, subKey, 0, access, &m_hKey) == ERROR_SUCCESS) return true;
        m_hKey = nullptr;
        return false;
    }
    bool Create(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        if (RegCreateKeyExA(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_hKey,
                            nullptr) == ERROR_SUCCESS)
            return true;
        m_hKey = nullptr;
        return false;
    }
    void Close()
    {
        if (m_hKey) RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
    // Writes the key's changes to disk now.
    void Flush() const
    {
        if (m_hKey) RegFlushKey(m_hKey);
    }
    HKEY Handle() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

// Reads a value (nullptr: the default value) into `out`, at most size - 1
// bytes and a terminator. False, with `out` empty, when the value is missing
// or longer than the buffer.
bool ReadRegistryText(HKEY key, const char* name, char* out, size_t size);

// Writes the string value `name` (nullptr or "": the default value), its
// terminator included.
bool WriteRegistryText(HKEY key, const char* name, const char* value);
