#pragma once
// The registry actions of setup run in this process against Wine's real
// registry, on a script of the test's own. Every key that a test names
// carries this process's id, and the test deletes them at its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "setup_state.h"
#include "test_files.h"
#include "test_registry.h"
#include "text_limits.h"

namespace actions_wine {

// The name followed by the process id: no key of another test run or of Wine.
inline std::string Unique(const std::string& name)
{
    return name + std::to_string(GetCurrentProcessId());
}

// Paths compared as the system compares them.
inline std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// The running script of setup, in a fresh folder, with its install folder
// (Root Named: "App" beside it) that holds `tool.exe`, a copy of this test
// program.
class ScriptFixture {
public:
    explicit ScriptFixture(const std::vector<std::string>& lines)
    {
        std::filesystem::create_directories(m_temp / "App");
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        CopyFileA(self, App("tool.exe").c_str(), FALSE);
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        m_temp.Write("Setup.ini", text);
        std::snprintf(g_setup.scriptPath, kPathSize, "%s", m_temp.Path("Setup.ini").c_str());
        WritePrivateProfileStringA("Root", "Named", App().c_str(), g_setup.scriptPath);
    }
    ~ScriptFixture() { g_setup.scriptPath[0] = '\0'; }

    // The install folder, or a file in it.
    std::string App(const std::string& name = "") const
    {
        return m_temp.Path("App") + (name.empty() ? "" : "\\" + name);
    }
    std::string Value(const char* section, const char* key) const
    {
        char value[kLongValueSize];
        GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, g_setup.scriptPath);
        return value;
    }

private:
    TempFolder m_temp;
};

// Windows registers ".exe" as "exefile", whose open command is "\"%1\" %*";
// Wine has the file type but not the extension. While this lives the
// extension is there as on Windows: a program that does not exist yet
// then meets that command in the program lookup.
class WindowsExeClass {
public:
    WindowsExeClass() : m_added(!KeyExists(HKEY_CLASSES_ROOT, ".exe"))
    {
        if (m_added) SetRegText(HKEY_CLASSES_ROOT, ".exe", "", "exefile");
    }
    ~WindowsExeClass()
    {
        if (m_added) RegDeleteTreeA(HKEY_CLASSES_ROOT, ".exe");
    }
    WindowsExeClass(const WindowsExeClass&) = delete;
    WindowsExeClass& operator=(const WindowsExeClass&) = delete;

private:
    bool m_added;
};

// Deletes the keys at the end of the scope, whatever the test left.
struct KeysToDelete {
    std::vector<std::pair<HKEY, std::string>> keys;
    ~KeysToDelete()
    {
        for (const auto& [root, key] : keys) RegDeleteTreeA(root, key.c_str());
    }
};

} // namespace actions_wine
