// setup's registry actions and shell steps in this process, against Wine's
// real registry and the prefix's own user folders: what the install round
// trip (tests/e2e/setup) does not meet. Every key and file name carries
// this process's id; the keys are deleted at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "associations.h"
#include "e2e.h"
#include "folder_shortcuts.h"
#include "menu_folder.h"
#include "registry_entries.h"
#include "setup_state.h"
#include "start_menu.h"
#include "test_files.h"
#include "test_registry.h"
#include "text_limits.h"

namespace {

// The running script of setup, in a fresh folder, with its install folder
// (Root Named: "App" beside it) that holds `tool.exe`, a copy of this program.
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
    std::string App(const std::string& name = "") const { return m_temp.Path(name.empty() ? "App" : "App\\" + name); }

private:
    TempFolder m_temp;
};

// Deletes the keys at the end of the scope, whatever the test left.
struct KeysToDelete {
    std::vector<std::pair<HKEY, std::string>> keys;
    ~KeysToDelete() { for (const auto& [root, key] : keys) RegDeleteTreeA(root, key.c_str()); }
};

std::string Value(const std::string& script, const char* section, const char* key)
{
    char value[kLongValueSize];
    GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value, script.c_str());
    return value;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ShellFolder(const char* name)
{
    return RegText(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
}

} // namespace

// A sub key that cannot be deleted ends the walk over its parent, and the
// deletion returns. Its name has a character the code page lacks: the 8-bit
// enumeration gives "?", which neither opens nor deletes (as on Windows; Wine
// enforces no access lists on keys, the other way to make one).
TEST(RegList, KeyTreeWithAKeyThatCannotBeDeleted)
{
    const std::string tree = "Software\\" + Unique("SetupTest") + ".Tree";
    const std::wstring unreadable = std::wstring(tree.begin(), tree.end()) + L"\\\x0E01";
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, tree}}};
    SetRegText(HKEY_CURRENT_USER, tree + "\\A", "v", "a");
    RegSetKeyValueW(HKEY_CURRENT_USER, unreadable.c_str(), L"v", REG_SZ, L"", sizeof(wchar_t));

    // On a thread of its own, so that a walk without end fails the test.
    HANDLE worker = CreateThread(
        nullptr, 0,
        [](void* name) -> DWORD { return DeleteKeyTree(HKEY_CURRENT_USER, static_cast<const char*>(name)), 0; },
        const_cast<char*>(tree.c_str()), 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0) << "the deletion does not end";
    CloseHandle(worker);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, tree + "\\A"));
    HKEY key;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, unreadable.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// The company's settings key, which the round trip removes when only the
// product's key was in it and keeps when another's is: nothing at all
// without Root Name, and without Registry Name the whole company key.
TEST(CompanyKeys, WithoutRootNameOrApplicationName)
{
    const std::string company = Unique("SetupTestCompany"), companyKey = "SOFTWARE\\" + company;
    KeysToDelete cleanup{{{HKEY_CURRENT_USER, companyKey}}};
    SetRegText(HKEY_CURRENT_USER, companyKey + "\\Other", "Setting", "kept");
    for (const std::string& product : {std::string("Name="), "Name=" + Unique("SetupTestProduct")}) {
        ScriptFixture script({"[Root]", product, "[Registry]", "Company=" + company});
        RemoveCompanyKeys();
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, companyKey), product == "Name=") << product;
    }
}

// An extension already of the product's file type (a), one taken over with
// Force that was nobody's and that a third program took before the removal
// (b), and a section without file type (c). Icons the resolver knows
// nothing of are written as given.
TEST(Associations, SameTypeThirdOwnerNoType)
{
    const std::string id = Unique(""), ext = ".setuptest" + id, same = "SetupTest" + id + ".Same";
    const std::string fresh = "SetupTest" + id + ".Fresh", third = "SetupTest" + id + ".Third";
    KeysToDelete cleanup{{{HKEY_CLASSES_ROOT, ext + "a"}, {HKEY_CLASSES_ROOT, ext + "b"},
                          {HKEY_CLASSES_ROOT, ext + "c"}, {HKEY_CLASSES_ROOT, same}, {HKEY_CLASSES_ROOT, fresh}}};
    SetRegText(HKEY_CLASSES_ROOT, ext + "a", "", same);
    ScriptFixture script({"[Check]", "Ext=2",
                          "[Ext0]", "Ext=" + ext + "a", "Kind=" + same, "Icon=icons.nosuchextension", "Verb=open",
                          "Command=tool.exe",
                          "[Ext1]", "Ext=" + ext + "b", "Kind=" + fresh, "Force=1", "Icon=!C:\\doc.ico",
                          "Verb=open", "Command=tool.exe",
                          "[Ext2]", "Ext=" + ext + "c", "Verb=open", "Command=tool.exe"});

    ApplyAssociations(true);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "a", "Old Name"), "(missing)");
    EXPECT_EQ(Lower(RegText(HKEY_CLASSES_ROOT, same + "\\shell\\open\\command")), Lower(script.App("tool.exe") + " "));
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, same + "\\DefaultIcon"), "icons.nosuchextension");
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, fresh + "\\DefaultIcon"), "C:\\doc.ico");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "c"));

    SetRegText(HKEY_CLASSES_ROOT, ext + "b", "", third);
    ApplyAssociations(false);
    EXPECT_EQ(Value(g_setup.scriptPath, "Check", "Ext"), "1");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ext + "a"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, same));
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ext + "b"), third);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, fresh));
}

// The Start-menu clean-up works only inside the Programs folder: never on
// the Programs folder itself, nor a folder elsewhere, nor a path that climbs
// out of Programs.
TEST(StartMenu, CleanUpOnlyInsidePrograms)
{
    TempFolder temp;
    const std::string programs = ShellFolder("Programs"), mine = programs + "\\" + Unique("SetupShellMine");
    std::filesystem::create_directories(mine + "\\sub");
    for (const auto& [folder, inside] : {std::pair{programs, false}, {mine, true}, {mine + "\\", true},
                                         {mine + "\\sub", true}, {mine + "\\..\\..", false},
                                         {mine + "\\missing", false}, {temp.Path(), false}})
        EXPECT_EQ(LiesInsidePrograms(folder.c_str(), programs.c_str()), inside) << folder;
    std::filesystem::remove_all(mine);
}

// A desktop shortcut that cannot be saved (its folder is missing) leaves
// LastGo Desktop empty, so that the end of the install opens nothing.
TEST(FolderShortcuts, LastGoOnlyForASavedShortcut)
{
    TempFolder temp;
    const std::string script = temp.Write("Setup.ini", "[Desktop]\r\nName=" + Unique("SetupShellNone") +
                                                           "\\App\r\nPath=!C:\\windows\\notepad.exe\r\n"
                                                           "[LastGo]\r\nDesktop=C:\\earlier.lnk\r\n");
    ApplyFolderShortcut(script.c_str(), true, "Desktop");
    EXPECT_EQ(Value(script, "LastGo", "Desktop"), "");
}

// Without the shell link no shortcut can be made: each list stops, and the
// user hears of it once, not once per shortcut.
TEST(Shortcut, WithoutTheShellLinkToldOnceAndStopped)
{
    const char* server = "Software\\Classes\\CLSID\\{00021401-0000-0000-C000-000000000046}\\InprocServer32";
    const std::string saved = RegText(HKEY_LOCAL_MACHINE, server);
    ASSERT_NE(saved, "(missing)");
    SetRegText(HKEY_LOCAL_MACHINE, server, "", "C:\\windows\\system32\\no-such-shell.dll");
    std::shared_ptr<void> restore(nullptr, [&](void*) { SetRegText(HKEY_LOCAL_MACHINE, server, "", saved); });

    TempFolder temp;
    const std::string none = Unique("SetupShellNone");
    const std::string script =
        temp.Write("Setup.ini", "[Setup]\r\nName=No Shell Link\r\n[Menu]\r\nNamed=" + temp.Path("menu") +
                                    "\r\n[Menu0]\r\nName=A\r\n[Menu1]\r\nName=B\r\n[Desktop]\r\nName=" + none +
                                    "\r\n[Send0]\r\nName=" + none + "\r\n");
    std::strcpy(g_setup.scriptPath, script.c_str()); // names the product in the message

    std::atomic<int> boxes{0};
    std::atomic<bool> done{false};
    std::wstring text;
    std::thread answerer([&] {
        while (!done)
            if (HWND box = e2e::FindMessageBox(GetCurrentProcessId(), L"No Shell Link", 100)) {
                if (boxes++ == 0) text = e2e::MessageBoxText(box);
                e2e::AnswerMessageBox(box, IDOK);
                e2e::WaitForWindowGone(box);
            }
    });
    ApplyMenuEntries(script.c_str(), true);
    ApplyFolderShortcut(script.c_str(), true, "Desktop");
    ApplySendToEntries(script.c_str(), true);
    done = true;
    answerer.join();

    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, L"Could not create the shortcuts.\r\n(The shell link is not available.)");
    EXPECT_FALSE(Exists(temp.Path("menu")));
    EXPECT_FALSE(Exists(ShellFolder("Desktop") + "\\" + none + ".lnk"));
    EXPECT_FALSE(Exists(ShellFolder("SendTo") + "\\" + none + ".lnk"));
}
