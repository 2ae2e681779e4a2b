// Script access and the path resolver against Wine's real files, registry
// and shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "paths.h"
#include "registry_key.h"
#include "script.h"

namespace {

// A file of the test's own in the prefix's temporary folder, deleted at the end.
struct TempFile {
    std::string path;
    TempFile(const std::string& name, const std::string& bytes)
        : path((std::filesystem::temp_directory_path() / name).string())
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ~TempFile() { DeleteFileA(path.c_str()); }
};

std::string Resolved(const std::string& value, const std::string& base)
{
    char result[kPathSize];
    ResolvePath(value.c_str(), base.c_str(), result, true);
    return result;
}

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// The Windows or the system folder.
std::string Folder(UINT (*query)(LPSTR, UINT))
{
    char folder[MAX_PATH];
    query(folder, sizeof folder);
    return folder;
}

void SetRegistryText(HKEY root, const char* key, const char* name, const std::string& value)
{
    RegSetKeyValueA(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

// Runs `undo` at the end of the scope.
struct Finally {
    std::function<void()> undo;
    ~Finally() { undo(); }
};

} // namespace

TEST(Script, ValuesCutNamesInAnyCaseListsEndAtAGap)
{
    const std::string value300(300, 'v');
    const std::string reg1039(1039, 'r');
    TempFile file("setup-test.ini", "[check]\r\nmenu=2\r\n"
                                    "[Root]\r\nName=" + value300 + "\r\n"
                                    "[Reg]\r\nMake0=" + reg1039 + "\r\nMake1=x\r\nErase0=y\r\n"
                                    "[Menu0]\r\nName=A\r\n[Menu1]\r\nName=B\r\n[Menu3]\r\nName=D\r\n"
                                    "[MakeDirectory]\r\n0=never\r\n1=bin\r\n2=\r\n3=after\r\n");
    const char* script = file.path.c_str();
    EXPECT_EQ(ReadProfileInt(script, "Check", "Menu"), 2);
    char path[kPathSize];
    EXPECT_EQ(ReadProfileText(script, "ROOT", "name", path), 259u);
    EXPECT_EQ(std::string(path), value300.substr(0, 259));

    std::vector<std::string> values;
    auto collect = [&](int, const char* value) { values.push_back(value); };
    EXPECT_EQ(ForEachListedValue(script, "Reg", "Make", 0, kLongValueSize, collect), 2);
    EXPECT_EQ(values, (std::vector<std::string>{reg1039, "x"}));
    values.clear();
    EXPECT_EQ(ForEachListedValue(script, "MakeDirectory", "", 1, kPathSize, collect), 1);
    EXPECT_EQ(values, (std::vector<std::string>{"bin"}));
    EXPECT_EQ(ForEachNumberedSection(script, "Menu", "Name", [](int, const char*) {}), 2);
}

TEST(ResolvePath, ProgramLookupThroughTheShellAndTheClassesRoot)
{
    Finally cleanup{[] {
        for (const char* key : {".setuptest", "SetupTest.Document", ".setuptext"})
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key);
    }};
    const std::string base = std::filesystem::temp_directory_path().string();
    const std::string notepad = Folder(GetWindowsDirectoryA) + "\\notepad.exe";
    const char* command = "SetupTest.Document\\shell\\open\\command";
    SetRegistryText(HKEY_CLASSES_ROOT, ".setuptest", nullptr, "SetupTest.Document");

    // An unquoted open command: the longest leading part that names a file.
    SetRegistryText(HKEY_CLASSES_ROOT, command, nullptr, notepad + " %1");
    EXPECT_EQ(Lower(Resolved("missing.setuptest", base)), Lower(notepad));
    // A quoted one: the text inside the quotes, existing or not.
    SetRegistryText(HKEY_CLASSES_ROOT, command, nullptr, "\"C:\\No Such\\viewer.exe\" \"%1\"");
    EXPECT_EQ(Resolved("missing.setuptest", base), "C:\\No Such\\viewer.exe");

    // A document that the shell can place: the program of Wine's text files.
    SetRegistryText(HKEY_CLASSES_ROOT, ".setuptext", nullptr, "txtfile");
    TempFile document("setup-test.setuptext", "text");
    EXPECT_EQ(Lower(Resolved("setup-test.setuptext", base)), Lower(Folder(GetSystemDirectoryA) + "\\notepad.exe"));

    // No extension: the classes root itself names no class, so the value is
    // taken relative to the base; an unknown extension gives nothing.
    EXPECT_EQ(Resolved("1", base), (std::filesystem::temp_directory_path() / "1").string());
    EXPECT_EQ(Resolved("x.nosuchextension", base), "");
}

// A macro or "!" at the start; with "ProgramFilesDir" empty, "%programs%"
// stands for the Windows folder.
TEST(ResolvePath, LeadingMacros)
{
    char saved[kPathSize] = "";
    DWORD size = sizeof saved;
    RegGetValueA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", RRF_RT_REG_SZ, nullptr, saved, &size);
    SetRegistryText(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", "");
    Finally restore{[&] { SetRegistryText(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", saved); }};

    char path[kPathSize];
    ResolvePath("%programs%\\Tool", "C:\\App", path, false);
    EXPECT_EQ(std::string(path), Folder(GetWindowsDirectoryA) + "\\Tool");
    DefaultInstallFolder("%programs%\\Tool", path);
    EXPECT_EQ(std::string(path), Folder(GetWindowsDirectoryA) + "\\Tool");
    ResolvePath("%SYSTEM%\\x.dll", "C:\\App", path, false);
    EXPECT_EQ(std::string(path), Folder(GetSystemDirectoryA) + "\\x.dll");
    ResolvePath("%root%x.dll", "C:\\App", path, false);
    EXPECT_STREQ(path, "C:\\App\\x.dll");
    ResolvePath("!D:\\x.dll", "C:\\App", path, false);
    EXPECT_STREQ(path, "D:\\x.dll");
}
