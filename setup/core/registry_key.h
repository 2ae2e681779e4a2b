#pragma once
// A registry key that closes itself, and string reads that always end in a
// terminator inside the caller's buffer (the registry does not promise one).
// A failure leaves the registry's result as the last error, for the log.
#include <windows.h>

#include <cstddef>
#include <string>

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
        LONG result = RegOpenKeyExA(parent, subKey, 0, access, &m_hKey);
        if (result == ERROR_SUCCESS) return true;
        m_hKey = nullptr;
        SetLastError(static_cast<DWORD>(result));
        return false;
    }
    bool Create(HKEY parent, const char* subKey, REGSAM access)
    {
        Close();
        LONG result =
            RegCreateKeyExA(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_hKey, nullptr);
        if (result == ERROR_SUCCESS) return true;
        m_hKey = nullptr;
        SetLastError(static_cast<DWORD>(result));
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

// A key as the registry editor names it ("HKEY_CURRENT_USER\Software\Tool"),
// and a string value ("Path = C:\Tool", "(default) = 1.2"): for the log.
std::string RegistryKeyName(HKEY root, const char* path);
std::string RegistryValueText(const char* name, const char* data);
