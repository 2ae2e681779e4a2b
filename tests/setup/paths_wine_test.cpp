// The path resolver, text expander and default folder against Wine's own
// folders, registry and shell.
#include <gtest/gtest.h>

#include <string>

#include "paths.h"
#include "registry_key.h"
#include "script.h"
#include "special_folders.h"
#include "wine_files.h"

namespace {

std::string Resolved(const std::string& value, const std::string& base, bool lookup)
{
    char result[kPathSize];
    ResolvePath(value.c_str(), base.c_str(), result, lookup);
    return result;
}

std::string Folder(MacroFolder which)
{
    char out[kPathSize];
    SystemFolders().Find(which, out);
    return out;
}

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// Empties "ProgramFilesDir" for the test's duration and puts it back.
class ProgramFilesHidden {
public:
    ProgramFilesHidden()
    {
        m_key.Open(HKEY_LOCAL_MACHINE, kCurrentVersionKey, KEY_READ | KEY_SET_VALUE);
        ReadRegistryText(m_key.Handle(), "ProgramFilesDir", m_saved, sizeof m_saved);
        RegSetValueExA(m_key.Handle(), "ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    }
    ~ProgramFilesHidden()
    {
        RegSetValueExA(m_key.Handle(), "ProgramFilesDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_saved),
                       static_cast<DWORD>(strlen(m_saved) + 1));
    }

private:
    RegistryKey m_key;
    char m_saved[kPathSize] = "";
};

} // namespace

TEST(SpecialFolders, AreTheSystemsOwn)
{
    char expected[kPathSize];
    GetSystemDirectoryA(expected, sizeof expected);
    EXPECT_EQ(Folder(MacroFolder::System), expected);
    GetWindowsDirectoryA(expected, sizeof expected);
    EXPECT_EQ(Folder(MacroFolder::Windows), expected);
    EXPECT_EQ(Lower(Folder(MacroFolder::Programs)), "c:\\program files");
    EXPECT_EQ(Resolved("%SYSTEM%\\x.dll", "C:\\App", false), Folder(MacroFolder::System) + "\\x.dll");
    std::string desktop = Folder(MacroFolder::Desktop);
    EXPECT_NE(desktop, "");
    EXPECT_TRUE(PathExists(desktop.c_str())) << desktop;
}

TEST(ResolvePath, ProgramsFallsBackToTheWindowsFolder)
{
    ProgramFilesHidden hidden;
    std::string windows = Folder(MacroFolder::Windows);
    EXPECT_EQ(Resolved("%programs%\\Tool", "C:\\App", false), windows + "\\Tool");
    char folder[kPathSize];
    DefaultInstallFolder("%programs%\\Tool", folder);
    EXPECT_EQ(std::string(folder), windows + "\\Tool");
    char command[kPathSize] = "%programs%\\x.exe";
    ExpandMacros(command);
    EXPECT_STREQ(command, "%programs%\\x.exe");
}

TEST(ResolvePath, ProgramLookupThroughTheShellAndTheClassesRoot)
{
    TempFolder base;
    std::string windows = Folder(MacroFolder::Windows);
    std::string notepad = windows + "\\notepad.exe";
    ASSERT_TRUE(PathExists(notepad.c_str()));

    // An unquoted open command: the longest leading part that names a file.
    RegistryScope extension(HKEY_CLASSES_ROOT, ".setuptest");
    RegistryScope type(HKEY_CLASSES_ROOT, "SetupTest.Document");
    ASSERT_TRUE(extension.Set("", nullptr, "SetupTest.Document"));
    ASSERT_TRUE(type.Set("shell\\open\\command", nullptr, notepad + " %1"));
    EXPECT_EQ(Lower(Resolved("missing.setuptest", base.Path(), true)), Lower(notepad));

    // A quoted command gives the text inside the quotes, existing or not.
    ASSERT_TRUE(type.Set("shell\\open\\command", nullptr, "\"C:\\No Such\\viewer.exe\" \"%1\""));
    EXPECT_EQ(Resolved("missing.setuptest", base.Path(), true), "C:\\No Such\\viewer.exe");

    // A document the shell can place: the program of Wine's own text file
    // type, which its open command names in quotes.
    RegistryScope textExtension(HKEY_CLASSES_ROOT, ".setuptext");
    ASSERT_TRUE(textExtension.Set("", nullptr, "txtfile"));
    base.Write("readme.setuptext", "text");
    EXPECT_EQ(Lower(Resolved("readme.setuptext", base.Path(), true)),
              Lower(Folder(MacroFolder::System) + "\\notepad.exe"));

    // No extension: the classes root itself has no class name, so the value
    // is taken relative to the base.
    EXPECT_EQ(Resolved("1", base.Path(), true), base / "1");
    EXPECT_EQ(Resolved("x.nosuchextension", base.Path(), true), "");
}

TEST(ExpandMacros, RootIsTheInstallFolderOfTheRunningScript)
{
    ASSERT_TRUE(InitScriptPath());
    std::string script = ScriptPath();
    struct Cleanup {
        std::string path;
        ~Cleanup() { DeleteFileA(path.c_str()); }
    } cleanup{script};
    WriteScriptText("Root", "Named", "C:\\App");
    char command[520] = "%windows%\\notepad.exe %root%\\a.txt %PATH% 50%";
    ExpandMacros(command);
    EXPECT_EQ(std::string(command), Folder(MacroFolder::Windows) + "\\notepad.exe C:\\App\\a.txt %PATH% 50%");
}
