// The path resolver against Wine's real files, registry and shell.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "paths.h"
#include "registry_key.h"
#include "text_limits.h"

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

TEST(ResolvePath, ProgramLookupThroughTheShellAndTheClassesRoot)
{
    Finally cleanup{[] {
        for (const char* key : {".setuptest", "SetupTest.Document", ".setuptext", ".setupexe"})
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

    // A program that is not there yet stays itself, not "%1" (Windows' open
    // command of programs; Wine registers no type for ".exe").
    SetRegistryText(HKEY_CLASSES_ROOT, ".setupexe", nullptr, "exefile");
    EXPECT_EQ(Resolved("bin\\missing.setupexe", base),
              (std::filesystem::temp_directory_path() / "bin\\missing.setupexe").string());

    // No extension: the classes root itself names no class, so the value is
    // taken relative to the base; an unknown extension gives nothing.
    EXPECT_EQ(Resolved("1", base), (std::filesystem::temp_directory_path() / "1").string());
    EXPECT_EQ(Resolved("x.nosuchextension", base), "");
}

// The system's folders behind the macros; with "ProgramFilesDir" empty,
// "%programs%" stands for the Windows folder.
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
}
