#pragma once
// Folders, files and registry keys that a test under Wine makes for itself
// and removes again.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

// A fresh folder under the prefix's temporary folder, removed with all it holds.
class TempFolder {
public:
    TempFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int serial = 0;
        m_path = std::string(temp) + "setup-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++serial);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

    // Writes `bytes` as they are (scripts in code page 932 bytes, CR LF lines).
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    std::string m_path;
};

// A registry key made by the test, deleted with its sub keys at the end.
class RegistryScope {
public:
    RegistryScope(HKEY root, std::string path) : m_root(root), m_path(std::move(path)) {}
    ~RegistryScope() { RegDeleteTreeA(m_root, m_path.c_str()); }
    RegistryScope(const RegistryScope&) = delete;
    RegistryScope& operator=(const RegistryScope&) = delete;

    bool Set(const std::string& subKey, const char* name, const std::string& value) const
    {
        std::string path = subKey.empty() ? m_path : m_path + "\\" + subKey;
        return RegSetKeyValueA(m_root, path.c_str(), name, REG_SZ, value.c_str(),
                               static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

private:
    HKEY m_root;
    std::string m_path;
};
