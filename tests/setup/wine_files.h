#pragma once
// Folders, files and registry keys that a test under Wine makes for itself
// and removes again.
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "path_text.h"
#include "setup_state.h"

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

// Script lines joined with CR LF, as the profile functions write them.
inline std::string ScriptLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Makes `script` the running script (the one setup's actions read and
// write) for the test's duration.
class RunningScript {
public:
    explicit RunningScript(const std::string& script)
    {
        std::memcpy(m_saved, g_setup.scriptPath, sizeof m_saved);
        CopyText(g_setup.scriptPath, script.c_str());
    }
    ~RunningScript() { std::memcpy(g_setup.scriptPath, m_saved, sizeof m_saved); }
    RunningScript(const RunningScript&) = delete;
    RunningScript& operator=(const RunningScript&) = delete;

private:
    char m_saved[kPathSize];
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

// The Recycle Bin under Wine: the desktop's trash folder, which the tests
// place inside the build tree (XDG_DATA_HOME). Emptied when made and at
// the end; its folders stay, since Wine finds them once per process.
class WineTrash {
public:
    WineTrash()
    {
        char home[MAX_PATH];
        DWORD length = GetEnvironmentVariableA("XDG_DATA_HOME", home, sizeof home);
        if (length > 0 && length < sizeof home) {
            std::string folder = std::string("Z:") + home;
            for (char& c : folder)
                if (c == '/') c = '\\';
            std::filesystem::create_directories(folder);
            m_folder = folder + "\\Trash";
        }
        Empty();
    }
    ~WineTrash() { Empty(); }
    WineTrash(const WineTrash&) = delete;
    WineTrash& operator=(const WineTrash&) = delete;

    bool Known() const { return !m_folder.empty(); }
    // The trash holds a file that was deleted from `path`.
    bool Holds(const std::string& path) const
    {
        std::string name = path.substr(path.find_last_of('\\') + 1);
        return Known() && std::filesystem::exists(m_folder + "\\files\\" + name);
    }
    void Empty() const
    {
        if (!Known()) return;
        std::error_code ignored;
        for (const char* part : {"\\files", "\\info"})
            for (const auto& entry : std::filesystem::directory_iterator(m_folder + part, ignored))
                std::filesystem::remove_all(entry.path(), ignored);
    }

private:
    std::string m_folder;
};
