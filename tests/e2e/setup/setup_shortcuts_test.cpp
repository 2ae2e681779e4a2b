// A product with shortcuts everywhere installed through the dialog and
// uninstalled from its installed copy: Start-menu entries in a sub-folder,
// desktop and startup shortcuts with hot keys, nested
// Send To entries, shortcuts launched at the end ("$" ones thrown away), and
// nothing of it left behind. In Japanese the names hold "表", "ソ" and "能",
// whose second byte is the backslash code.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <filesystem>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The shell's folder window that Menu Open brings, framed for its picture.
const WineWindowFrames kExplorerFrames{L"explorer.exe"};

std::wstring Utf16(const std::string& utf8)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.c_str();
}

std::wstring ShellFolder(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD size = sizeof folder;
    RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                 RRF_RT_REG_SZ, nullptr, folder, &size);
    return folder;
}

// The show command (0x3C) and the hot key (0x40) in the file's header.
unsigned HeaderWord(const std::wstring& link, size_t offset)
{
    std::string bytes = ReadBytes(link) + std::string(0x42, '\xFF');
    return static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1]) << 8;
}

// The shortcut as the shell reads it back: arguments, working folder, icon.
// (Wine's shell reads the show command as 1 and no path for a target that
// does not exist: those come from the header and from lnkinfo.)
std::wstring ReadLink(const std::wstring& file)
{
    std::wstring fields;
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH];
        int index = -1;
        link->GetArguments(text, MAX_PATH);
        fields += text;
        link->GetWorkingDirectory(text, MAX_PATH);
        fields += L"|" + std::wstring(text);
        link->GetIconLocation(text, MAX_PATH, &index);
        fields += L"|" + std::wstring(text) + L"," + std::to_wstring(index);
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return fields;
}

// The Linux path of a file of the prefix.
std::string UnixPath(const std::wstring& file)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* path = unixName ? unixName(file.c_str()) : nullptr;
    std::string text = path ? path : "";
    HeapFree(GetProcessHeap(), 0, path);
    return text;
}

// Debian's lnkinfo, reading the file's 8-bit strings in the system's code
// page: the value of its line `label`. Wine starts a Linux
// program but neither passes its output on nor lets it be waited for: a
// shell writes the report and renames it when done.
std::wstring LnkInfo(const std::wstring& file, const std::string& label)
{
    TempFolder temp("-lnkinfo");
    const std::wstring report = temp / L"report.txt";
    const std::string out = UnixPath(report);
    std::wstring command = Utf16("Z:\\bin\\sh -c \"lnkinfo -c windows-" + std::to_string(GetACP()) + " '" +
                                 UnixPath(file) + "' > '" + out + ".part'; mv '" + out + ".part' '" + out + "'\"");
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return L"(lnkinfo did not start)";
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (!WaitUntil([&] { return Exists(report); })) return L"(no report)";
    std::string text = ReadBytes(report);
    size_t at = text.find("\t" + label + "\t");
    if (at == std::string::npos) return L"(no " + Utf16(label) + L")";
    size_t value = text.find(": ", at) + 2;
    return Utf16(text.substr(value, text.find('\n', value) - value));
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
    std::wstring folder = target / (japanese ? Utf16("表示ソフト") : L"Shortcut App");

    std::wstring Menu(const std::string& name = "") const
    {
        return ShellFolder(L"Programs") + L"\\" + Utf16(menu) + (name.empty() ? L"" : L"\\" + Utf16(name) + L".lnk");
    }
    std::wstring DesktopLink() const { return ShellFolder(L"Desktop") + L"\\" + Utf16(desktop) + L".lnk"; }
    std::wstring StartupLink() const { return ShellFolder(L"Startup") + L"\\" + Utf16(startup) + L".lnk"; }
    std::wstring SendTo(const std::string& name) const { return ShellFolder(L"SendTo") + L"\\" + Utf16(name); }
    // The programs launched at the end write their command line beside themselves.
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
                           "[Desktop]", ("Name=" + p.desktop).c_str(), "Path=bin\\tool.exe", "Arg=desk",
                           "Icon=bin\\tool.exe", "IconNo=1", "Work=bin", "Show=2", "Short=A",
                           "[Startup]", ("Name=" + p.startup).c_str(), "Path=once\\once.exe", "Show=1", "Short=\\112",
                           "[Send0]", ("Name=" + p.send).c_str(), "Path=bin\\tool.exe",
                           "[Send1]", ("Name=" + p.sendFolder + "\\Viewer").c_str(), "Path=bin\\tool.exe",
                           "[LastGo]", "0=$Welcome", ("1=" + p.app).c_str(), "StartupAndGo=1",
                           "[MakeDirectory]", "1=bin", "2=once",
                           "[CopyFile]", "0=bin\\tool.exe", "1=welcome.exe", "2=once\\once.exe",
                           "[Del]", "0=command-line.txt", "1=bin\\command-line.txt", "2=once\\command-line.txt"}));
    const std::filesystem::path medium = std::filesystem::path(copy.ProgramPath()).parent_path();
    for (const wchar_t* name : {L"bin\\tool.exe", L"welcome.exe", L"once\\once.exe"}) {
        std::filesystem::create_directories((medium / name).parent_path());
        ASSERT_TRUE(CopyFileW(COMMAND_LINE_PROBE, (medium / name).c_str(), FALSE));
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

    EXPECT_TRUE(Exists(p.Menu(p.app)));
    EXPECT_TRUE(Exists(p.SendTo(p.send) + L".lnk"));
    EXPECT_TRUE(Exists(p.SendTo(p.sendFolder) + L"\\Viewer.lnk"));
    EXPECT_TRUE(Exists(p.Menu("Tools\\" + p.readme)));

    // Every field of the desktop shortcut, as the shell and as lnkinfo read it.
    const std::wstring bin = p.folder + L"\\bin", tool = bin + L"\\tool.exe";
    EXPECT_EQ(ReadLink(p.DesktopLink()), L"desk|" + bin + L"|" + tool + L",1");
    EXPECT_EQ(LnkInfo(p.DesktopLink(), "Local path"), tool);
    EXPECT_EQ(LnkInfo(p.DesktopLink(), "Working directory"), bin);
    EXPECT_EQ(HeaderWord(p.DesktopLink(), 0x3C), 7u);      // minimised, not activated
    EXPECT_EQ(HeaderWord(p.DesktopLink(), 0x40), 0x0641u); // Ctrl+Alt+A
    EXPECT_EQ(HeaderWord(p.StartupLink(), 0x3C), 3u);      // maximised
    EXPECT_EQ(HeaderWord(p.StartupLink(), 0x40), 0x0670u); // Ctrl+Alt+F1
    std::wstring installed = p.folder + L"\\Setup.ini";
    EXPECT_EQ(Section(installed, L"LastGo")[L"Desktop"], p.DesktopLink());
    EXPECT_EQ(Section(installed, L"LastGo")[L"Startup"], p.StartupLink());

    // Launched: the menu's "$Welcome" once and thrown away, the menu's app
    // with its arguments, and the startup shortcut.
    EXPECT_TRUE(WaitUntil([&] { return Exists(p.Launched(L"welcome.exe")); }));
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(p.Launched(L"bin\\tool.exe")).find(" menu") != std::string::npos; }));
    EXPECT_TRUE(WaitUntil([&] { return Exists(p.Launched(L"once\\once.exe")); }));
    EXPECT_FALSE(Exists(p.Menu("$Welcome")));
}

// The uninstall takes every shortcut it made and the folders they leave
// empty; the user's file in the menu folder stays, and so that folder.
void UninstallLeavesNoShortcut(const ShortcutProduct& p, const WineTrash& trash)
{
    WriteBytes(p.Menu() + L"\\notes.txt", "the user's");
    SetupRun run(p.folder + L"\\Setup.exe", Utf16(p.title));
    ASSERT_TRUE(run.dialog);
    ClickItem(run.dialog, IDC_COPY);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(run.dialog, IDC_COPY); }));
    ClickItem(run.dialog, IDOK);
    ASSERT_TRUE(run.process.WaitForExit(20000));

    for (const std::wstring& path : {p.Menu(p.app), p.Menu() + L"\\Tools", p.DesktopLink(), p.StartupLink(),
                                     p.SendTo(p.send) + L".lnk", p.SendTo(p.sendFolder)})
        EXPECT_FALSE(Exists(path)) << Narrow(path);
    EXPECT_TRUE(Exists(p.Menu() + L"\\notes.txt"));
    EXPECT_TRUE(Exists(ShellFolder(L"SendTo")));
    EXPECT_TRUE(trash.Holds(L"$Welcome.lnk"));
    // The removal copy takes the program and its folder.
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
            for (const std::wstring& path : {p.Menu(), p.DesktopLink(), p.StartupLink(), p.SendTo(p.send) + L".lnk",
                                             p.SendTo(p.sendFolder)})
                std::filesystem::remove_all(path, ignored);
        }
    } cleanup{product};

    InstallWithShortcuts(product);
    if (HasFatalFailure()) return;
    UninstallLeavesNoShortcut(product, trash);
}
