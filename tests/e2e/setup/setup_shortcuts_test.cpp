// A product with shortcuts everywhere installed through the dialog and
// uninstalled from its installed copy: Start-menu entries in a sub-folder,
// desktop and startup shortcuts with hot keys, Send To entries, shortcuts
// launched at the end ("$" ones thrown away), and nothing of it left behind.
// In Japanese the names hold "表", "ソ" and "能" (second byte 0x5C).
#include <gtest/gtest.h>

#include <filesystem>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The shell's folder window that Menu Open brings, framed for its picture.
const WineWindowFrames kExplorerFrames{L"explorer.exe"};

std::wstring ShellFolder(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD size = sizeof folder;
    RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                 RRF_RT_REG_SZ, nullptr, folder, &size);
    return folder;
}

// The hot key in the shortcut file's header.
unsigned HotKeyOf(const std::wstring& link)
{
    std::string bytes = ReadBytes(link);
    return bytes.size() < 0x42 ? 0 : static_cast<unsigned char>(bytes[0x40]) | static_cast<unsigned char>(bytes[0x41]) << 8;
}

std::wstring Utf16(const std::string& utf8)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.c_str();
}

struct ShortcutProduct {
    bool japanese = GetOEMCP() == 932;
    std::string id = std::to_string(GetCurrentProcessId());
    std::string title = japanese ? "表示ソフト能力" : "Shortcut Product";
    std::string menu = (japanese ? "ソフト表" : "Shortcut Menu ") + id;
    std::string app = japanese ? "表示" : "App";
    std::string readme = japanese ? "能書き" : "Readme";
    std::string desktop = (japanese ? "表示ソフト" : "Shortcut Desktop ") + id;
    std::string startup = (japanese ? "能" : "Shortcut Startup ") + id;
    std::string send = (japanese ? "ソフト" : "Shortcut Send ") + id;
    std::string sendFolder = (japanese ? "表" : "Shortcut Tools ") + id;
    std::wstring key = L"SetupE2EShortcuts" + Utf16(id);
    TempFolder target{"-target"};
    std::wstring folder = target / L"Shortcut App";

    std::wstring MenuFolder() const { return ShellFolder(L"Programs") + L"\\" + Utf16(menu); }
    std::wstring DesktopLink() const { return ShellFolder(L"Desktop") + L"\\" + Utf16(desktop) + L".lnk"; }
    std::wstring StartupLink() const { return ShellFolder(L"Startup") + L"\\" + Utf16(startup) + L".lnk"; }
    std::wstring SendTo(const std::string& name) const { return ShellFolder(L"SendTo") + L"\\" + Utf16(name); }
    // What the programs launched at the end wrote (the probe writes its
    // command line beside itself).
    std::wstring Launched(const wchar_t* program) const
    {
        return (std::filesystem::path(folder) / program).parent_path() / L"command-line.txt";
    }
};

void InstallWithShortcuts(const ShortcutProduct& p)
{
    SetupCopy copy(Script({"[Setup]", ("Name=" + p.title).c_str(), "[Root]", ("Name=" + Narrow(p.key)).c_str(),
                           "[Check]", "Menu=2", "Desktop=2", "Startup=2", "Send=2",
                           "[Menu]", ("Name=" + p.menu).c_str(), "Open=1",
                           "[Menu0]", ("Name=" + p.app).c_str(), "Path=bin\\tool.exe", "Arg=menu",
                           "[Menu1]", ("Name=Tools\\" + p.readme).c_str(), "Path=bin\\tool.exe",
                           "[Menu2]", "Name=$Welcome", "Path=welcome.exe",
                           "[Desktop]", ("Name=" + p.desktop).c_str(), "Path=bin\\tool.exe", "Short=A",
                           "[Startup]", ("Name=" + p.startup).c_str(), "Path=once\\once.exe", "Short=\\112",
                           "[Send0]", ("Name=" + p.send).c_str(), "Path=bin\\tool.exe",
                           "[Send1]", ("Name=" + p.sendFolder + "\\Viewer").c_str(), "Path=bin\\tool.exe",
                           "[LastGo]", "0=$Welcome", ("1=" + p.app).c_str(), "StartupAndGo=1",
                           "[MakeDirectory]", "1=bin", "2=once",
                           "[CopyFile]", "0=bin\\tool.exe", "1=welcome.exe", "2=once\\once.exe",
                           "[Del]", "0=command-line.txt", "1=bin\\command-line.txt", "2=once\\command-line.txt"}));
    for (const wchar_t* name : {L"bin\\tool.exe", L"welcome.exe", L"once\\once.exe"}) {
        std::filesystem::create_directories((std::filesystem::path(copy.ProgramPath()).parent_path() / name).parent_path());
        ASSERT_TRUE(CopyFileW(COMMAND_LINE_PROBE, (std::filesystem::path(copy.ProgramPath()).parent_path() / name).c_str(),
                              FALSE));
    }

    SetupRun run(copy.ProgramPath(), Utf16(p.title));
    ASSERT_TRUE(run.dialog);
    ASSERT_TRUE(SetText(Item(run.dialog, IDC_FOLDER), p.folder));
    ClickItem(run.dialog, IDOK);

    // Menu Open shows the menu folder, in the shell's own window.
    const std::wstring menuName = Utf16(p.menu);
    HWND window = FindWindowWhere(0, [&](HWND w) { return Caption(w).find(menuName) != std::wstring::npos; }, 15000);
    EXPECT_TRUE(window) << "no window shows the Start-menu folder";
    if (window) {
        ScreenshotForReadme(window, L"setup-menu-" + Language() + L".png");
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitForWindowGone(window));
    }
    ASSERT_TRUE(run.process.WaitForExit(20000));

    const std::wstring menu = p.MenuFolder();
    EXPECT_TRUE(Exists(menu + L"\\" + Utf16(p.app) + L".lnk"));
    EXPECT_TRUE(Exists(menu + L"\\Tools\\" + Utf16(p.readme) + L".lnk"));
    EXPECT_TRUE(Exists(p.SendTo(p.send) + L".lnk"));
    EXPECT_TRUE(Exists(p.SendTo(p.sendFolder) + L"\\Viewer.lnk"));
    EXPECT_EQ(HotKeyOf(p.DesktopLink()), 0x0641u);
    EXPECT_EQ(HotKeyOf(p.StartupLink()), 0x0670u);
    std::wstring installed = p.folder + L"\\Setup.ini";
    EXPECT_EQ(Section(installed, L"LastGo")[L"Desktop"], p.DesktopLink());
    EXPECT_EQ(Section(installed, L"LastGo")[L"Startup"], p.StartupLink());

    // The launchers ran: the menu's "$Welcome" once and thrown away, the
    // menu's app with its arguments, and the startup shortcut.
    EXPECT_TRUE(WaitUntil([&] { return Exists(p.Launched(L"welcome.exe")); }));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(p.Launched(L"bin\\tool.exe")).find(" menu") != std::string::npos; }));
    EXPECT_TRUE(WaitUntil([&] { return Exists(p.Launched(L"once\\once.exe")); }));
    EXPECT_FALSE(Exists(menu + L"\\$Welcome.lnk"));
}

void UninstallLeavesNoShortcut(const ShortcutProduct& p, const WineTrash& trash)
{
    SetupRun run(p.folder + L"\\Setup.exe", Utf16(p.title));
    ASSERT_TRUE(run.dialog);
    ClickItem(run.dialog, IDC_COPY);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(run.dialog, IDC_COPY); }));
    ClickItem(run.dialog, IDOK);
    ASSERT_TRUE(run.process.WaitForExit(20000));

    for (const std::wstring& path : {p.MenuFolder(), p.DesktopLink(), p.StartupLink(), p.SendTo(p.send) + L".lnk",
                                     p.SendTo(p.sendFolder)})
        EXPECT_FALSE(Exists(path)) << Narrow(path);
    EXPECT_TRUE(Exists(ShellFolder(L"SendTo")));
    EXPECT_TRUE(trash.Holds(L"$Welcome.lnk"));
    // The removal copy takes the program and the folder.
    EXPECT_TRUE(WaitUntil([&] { return !Exists(p.folder); }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(L"C:\\delus.bat"); }, 5000));
}

} // namespace

TEST(ShortcutProduct, InstallAndUninstall)
{
    WineTrash trash;
    ShortcutProduct product;
    struct Cleanup {
        const ShortcutProduct& p;
        ~Cleanup()
        {
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(p.key).c_str());
            std::error_code ignored;
            for (const std::wstring& path : {p.MenuFolder(), p.DesktopLink(), p.StartupLink(),
                                             p.SendTo(p.send) + L".lnk", p.SendTo(p.sendFolder)})
                std::filesystem::remove_all(path, ignored);
        }
    } cleanup{product};

    InstallWithShortcuts(product);
    if (HasFatalFailure()) return;
    UninstallLeavesNoShortcut(product, trash);
}
