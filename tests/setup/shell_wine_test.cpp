// What the install round trip (tests/e2e/setup) cannot show of the shell
// steps: the Start-menu clean-up's bounds, a shortcut that cannot be saved,
// and a system without the shell link. In the Wine prefix's own folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "e2e.h"
#include "folder_shortcuts.h"
#include "menu_folder.h"
#include "setup_state.h"
#include "start_menu.h"
#include "test_files.h"
#include "test_registry.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ShellFolder(const char* name)
{
    return RegText(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
}

std::string Value(const std::string& script, const char* section, const char* key)
{
    char value[MAX_PATH];
    GetPrivateProfileStringA(section, key, "(missing)", value, MAX_PATH, script.c_str());
    return value;
}

} // namespace

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
    struct Restore {
        const char* server;
        const std::string& saved;
        ~Restore() { SetRegText(HKEY_LOCAL_MACHINE, server, "", saved); }
    } restore{server, saved};

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
