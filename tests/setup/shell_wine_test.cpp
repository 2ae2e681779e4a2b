// Shortcut files, the Start menu, Send To, the desktop and startup, made in
// the Wine prefix's own user folders through the real shell link, read back
// by the shell and by an independent reader. Run with code page 932: the
// names hold "表", "ソ" and "能", whose second byte is the backslash code.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "e2e.h"
#include "folder_shortcuts.h"
#include "menu_folder.h"
#include "setup_state.h"
#include "start_menu.h"
#include "test_files.h"

namespace {

// The tests' texts are UTF-8; setup's are the system's code page.
std::wstring Wide(const std::string& text, UINT codePage = CP_UTF8)
{
    std::wstring wide(MultiByteToWideChar(codePage, 0, text.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.c_str();
}
std::string Narrow(const std::wstring& wide, UINT codePage)
{
    std::string text(WideCharToMultiByte(codePage, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text.c_str();
}
std::string Ansi(const std::string& utf8) { return Narrow(Wide(utf8), CP_ACP); }
std::string Utf8(const std::wstring& wide) { return Narrow(wide, CP_UTF8); }

bool Exists(const std::string& path)
{
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path)
{
    std::filesystem::create_directories(Wide(path));
}

// Names of this run's own, so that nothing of another run is taken for ours.
std::string Unique(const std::string& name)
{
    return name + std::to_string(GetCurrentProcessId());
}

std::string ShellFolder(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD size = sizeof folder;
    RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                 RRF_RT_REG_SZ, nullptr, folder, &size);
    return Utf8(folder);
}

// A script of the test's own, its lines written in code page 932 with CR LF.
class TestScript {
public:
    TestScript(const TempFolder& folder, std::initializer_list<std::string> lines, const char* name = "Setup.ini")
        : m_path(folder.Path(name))
    {
        std::string text;
        for (const std::string& line : lines) text += Ansi(line) + "\r\n";
        WriteBytes(m_path, text);
    }
    // Setup's own form of the path.
    const char* Path() const { return m_path.c_str(); }
    std::string Value(const char* section, const char* key) const
    {
        wchar_t value[MAX_PATH];
        GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"(missing)", value, MAX_PATH,
                                 Wide(m_path).c_str());
        return Utf8(value);
    }

private:
    std::string m_path;
};

// A product's install folder under a Japanese name, holding a program.
struct InstallFolder {
    TempFolder temp{"-install"};
    std::string path = temp.Path() + "\\表示ソフト";
    InstallFolder()
    {
        MakeFolder(path + "\\bin");
        WriteBytes(Wide(path + "\\bin\\tool.exe"), "MZ");
    }
};

struct LinkFields {
    std::string path, arguments, workingDirectory, iconPath;
    int iconIndex = -1;
    WORD hotKey = 0xFFFF;
};

// The shortcut as the shell reads it back. Wine's shell reads neither the
// show command (always 1) nor the path of a target that does not exist
// (empty): those come from the file itself.
LinkFields ReadLink(const std::string& file)
{
    LinkFields fields;
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(Wide(file).c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH];
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        fields.path = Utf8(text);
        link->GetArguments(text, MAX_PATH);
        fields.arguments = Utf8(text);
        link->GetWorkingDirectory(text, MAX_PATH);
        fields.workingDirectory = Utf8(text);
        link->GetIconLocation(text, MAX_PATH, &fields.iconIndex);
        fields.iconPath = Utf8(text);
        link->GetHotkey(&fields.hotKey);
    } else {
        ADD_FAILURE() << "the shell cannot load " << file;
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return fields;
}

// The Linux path of a file of the prefix.
std::string UnixPath(const std::string& file)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* path = unixName ? unixName(Wide(file).c_str()) : nullptr;
    std::string text = path ? path : "";
    HeapFree(GetProcessHeap(), 0, path);
    return text;
}

// Debian's lnkinfo (liblnk) on the file, its report in UTF-8; the file's
// 8-bit strings are in the system's code page, 932 here. Wine starts
// Linux programs like its own, but neither redirects their output nor lets
// them be waited for: a shell writes the report and renames it when done.
std::string LnkInfo(const std::string& file)
{
    TempFolder temp("-lnkinfo");
    const std::string report = temp.Path("report.txt");
    const std::string out = UnixPath(report);
    std::wstring command = Wide("Z:\\bin\\sh -c \"lnkinfo -c windows-" + std::to_string(GetACP()) + " '" + UnixPath(file) + "' > '" + out + ".part' 2>&1; mv '" +
                                out + ".part' '" + out + "'\"");
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return "(lnkinfo did not start)";
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    if (!e2e::WaitUntil([&] { return Exists(report); })) return "(no report from lnkinfo)";
    return ReadBytes(Wide(report));
}

// The value of a line "\tLabel\t\t: value" of lnkinfo's report.
std::string LnkInfoField(const std::string& report, const std::string& label)
{
    size_t at = report.find("\t" + label + "\t");
    if (at == std::string::npos) return "(no " + label + ")";
    size_t value = report.find(": ", at) + 2;
    return report.substr(value, report.find('\n', value) - value);
}

// lnkinfo misreads the show command and the hot key: they are read from
// the header (offsets 0x3C and 0x40, little-endian).
unsigned HeaderWord(const std::string& file, size_t offset)
{
    std::string bytes = ReadBytes(Wide(file));
    if (bytes.size() < offset + 2) return 0xFFFFFFFF;
    return static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1]) << 8;
}

} // namespace

// The desktop and startup shortcuts: every field, as the shell reads it and
// as lnkinfo reads the file; the hot keys "A" and "\112"; LastGo naming only
// a shortcut that exists; the removal.
TEST(FolderShortcuts, EveryFieldHotKeysAndLastGo)
{
    InstallFolder product;
    TempFolder temp;
    const std::string desktopName = Unique("表示ソフト"), startupName = Unique("能力");
    TestScript script(temp, {"[Root]", "Named=" + product.path, "[Check]", "Desktop=2",
                             "[Desktop]", "Name=" + desktopName, "Show=2", "Arg=-x ソフト", "Path=bin\\tool.exe",
                             "Icon=bin\\tool.exe", "IconNo=3", "Work=bin", "Short=A",
                             "[Startup]", "Name=" + startupName, "Show=1", "Path=bin\\missing.exe",
                             "Work=!D:\\Data", "Short=\\112"});
    const std::string desktopLink = ShellFolder(L"Desktop") + "\\" + desktopName + ".lnk";
    const std::string startupLink = ShellFolder(L"Startup") + "\\" + startupName + ".lnk";
    ApplyFolderShortcut(script.Path(), true, "Desktop");
    ApplyFolderShortcut(script.Path(), true, "Startup");
    ASSERT_TRUE(Exists(desktopLink));
    ASSERT_TRUE(Exists(startupLink));
    EXPECT_EQ(script.Value("LastGo", "Desktop"), desktopLink);
    EXPECT_EQ(script.Value("LastGo", "Startup"), startupLink);

    LinkFields desktop = ReadLink(desktopLink);
    EXPECT_EQ(desktop.path, product.path + "\\bin\\tool.exe");
    EXPECT_EQ(desktop.arguments, "-x ソフト");
    EXPECT_EQ(desktop.workingDirectory, product.path + "\\bin");
    EXPECT_EQ(desktop.iconPath, product.path + "\\bin\\tool.exe");
    EXPECT_EQ(desktop.iconIndex, 3);
    EXPECT_EQ(desktop.hotKey, 0x0641); // Ctrl+Alt+A
    std::string report = LnkInfo(desktopLink);
    EXPECT_EQ(LnkInfoField(report, "Local path"), product.path + "\\bin\\tool.exe") << report;
    EXPECT_EQ(LnkInfoField(report, "Working directory"), product.path + "\\bin");
    EXPECT_EQ(LnkInfoField(report, "Command line arguments"), "-x ソフト");
    EXPECT_EQ(LnkInfoField(report, "Icon location"), product.path + "\\bin\\tool.exe");
    EXPECT_EQ(LnkInfoField(report, "Icon index"), "3");
    EXPECT_EQ(HeaderWord(desktopLink, 0x3C), 7u);
    EXPECT_EQ(HeaderWord(desktopLink, 0x40), 0x0641u);

    // A program that is not there yet keeps its path (not "%1"); no icon
    // given, none stored, so that the shell shows the program's own.
    LinkFields startup = ReadLink(startupLink);
    EXPECT_EQ(startup.arguments, "");
    EXPECT_EQ(startup.workingDirectory, "D:\\Data");
    EXPECT_EQ(startup.iconPath, "");
    EXPECT_EQ(startup.hotKey, 0x0670); // Ctrl+Alt+F1
    report = LnkInfo(startupLink);
    EXPECT_EQ(LnkInfoField(report, "Local path"), product.path + "\\bin\\missing.exe") << report;
    EXPECT_EQ(LnkInfoField(report, "Working directory"), "D:\\Data");
    EXPECT_EQ(HeaderWord(startupLink, 0x3C), 3u);
    EXPECT_EQ(HeaderWord(startupLink, 0x40), 0x0670u);

    // Removed: the file, its LastGo; the offered option is offered unticked,
    // the one that was not (Check Startup missing) stays as it was.
    ApplyFolderShortcut(script.Path(), false, "Desktop");
    ApplyFolderShortcut(script.Path(), false, "Startup");
    EXPECT_FALSE(Exists(desktopLink));
    EXPECT_FALSE(Exists(startupLink));
    EXPECT_EQ(script.Value("LastGo", "Desktop"), "");
    EXPECT_EQ(script.Value("Check", "Desktop"), "1");
    EXPECT_EQ(script.Value("Check", "Startup"), "(missing)");

    // A shortcut that cannot be saved (its folder is missing) leaves LastGo empty.
    TestScript unsaved(temp, {"[Root]", "Named=" + product.path, "[Desktop]", "Name=" + Unique("nosuch") + "\\App",
                              "Path=bin\\tool.exe", "[LastGo]", "Desktop=C:\\earlier.lnk"},
                       "unsaved.ini");
    ApplyFolderShortcut(unsaved.Path(), true, "Desktop");
    EXPECT_EQ(unsaved.Value("LastGo", "Desktop"), "");
    EXPECT_FALSE(Exists(ShellFolder(L"Desktop") + "\\" + Unique("nosuch")));
}

// The menu folder from Menu Name, its entries in sub-folders, below the
// Programs folder ("\" names) and after a gap; all removed again, with the
// folders they emptied. Then Menu Named, and a menu folder left empty.
TEST(StartMenu, EntriesMadeAndRemoved)
{
    InstallFolder product;
    TempFolder temp;
    const std::string programs = ShellFolder(L"Programs");
    const std::string menu = programs + "\\" + Unique("表示ソフト");
    const std::string tools = Unique("SetupShellTools"), missing = Unique("SetupShellMissing");
    MakeFolder(programs + "\\" + tools);
    TestScript script(temp, {"[Root]", "Named=" + product.path, "[Check]", "Menu=2", "[Menu]", "Name=" + Unique("表示ソフト"),
                             "[Menu0]", "Name=App", "Path=bin\\tool.exe", "Show=1",
                             "[Menu1]", "Name=ソフト\\能力\\Readme", "Path=!C:\\windows\\notepad.exe",
                             "[Menu2]", "Name=\\" + tools + "\\Tool", "Path=bin\\tool.exe",
                             "[Menu3]", "Name=\\" + missing + "\\Tool", "Path=bin\\tool.exe",
                             "[Menu5]", "Name=Gap", "Path=bin\\tool.exe"});
    ApplyMenuEntries(script.Path(), true);
    EXPECT_TRUE(Exists(menu + "\\App.lnk"));
    EXPECT_TRUE(Exists(menu + "\\ソフト\\能力\\Readme.lnk"));
    EXPECT_TRUE(Exists(programs + "\\" + tools + "\\Tool.lnk"));
    EXPECT_FALSE(Exists(programs + "\\" + missing)); // no folder made for a "\" name
    EXPECT_FALSE(Exists(menu + "\\Gap.lnk"));
    EXPECT_EQ(ReadLink(menu + "\\App.lnk").workingDirectory, product.path);
    EXPECT_EQ(HeaderWord(menu + "\\App.lnk", 0x3C), 3u); // maximised
    EXPECT_EQ(ReadLink(menu + "\\ソフト\\能力\\Readme.lnk").path, "C:\\windows\\notepad.exe");

    ApplyMenuEntries(script.Path(), false);
    EXPECT_FALSE(Exists(menu));
    EXPECT_FALSE(Exists(programs + "\\" + tools + "\\Tool.lnk"));
    EXPECT_TRUE(Exists(programs + "\\" + tools)); // not ours: made by the test
    RemoveDirectoryW(Wide(programs + "\\" + tools).c_str());
    EXPECT_EQ(script.Value("Check", "Menu"), "1");

    // Menu Named wins over Menu Name.
    const std::string named = programs + "\\" + Unique("SetupShellNamed");
    TestScript chosen(temp, {"[Root]", "Named=" + product.path, "[Menu]", "Name=Other", "Named=" + named,
                             "[Menu0]", "Name=App", "Path=bin\\tool.exe"},
                      "chosen.ini");
    ApplyMenuEntries(chosen.Path(), true);
    EXPECT_TRUE(Exists(named + "\\App.lnk"));
    EXPECT_FALSE(Exists(programs + "\\Other"));
    ApplyMenuEntries(chosen.Path(), false);
    EXPECT_FALSE(Exists(named));

    // No entry could be made: the menu folder made for them goes again.
    TestScript failing(temp, {"[Menu]", "Name=" + Unique("SetupShellEmpty"), "Open=1",
                              "[Menu0]", "Name=\\" + missing + "\\Tool"},
                       "failing.ini");
    ApplyMenuEntries(failing.Path(), true);
    EXPECT_FALSE(Exists(programs + "\\" + Unique("SetupShellEmpty")));
}

// The Start-menu clean-up removes only what the script made, and only
// inside the Programs folder.
TEST(StartMenu, CleanUpOnlyInsideProgramsAndOnlyWhatSetupMade)
{
    InstallFolder product;
    TempFolder temp;
    const std::string programs = ShellFolder(L"Programs");
    const std::string mine = programs + "\\" + Unique("SetupShellMine");
    const std::string ansiPrograms = Ansi(programs), ansiMine = Ansi(mine);
    MakeFolder(mine + "\\user");
    for (const auto& [folder, inside] : std::vector<std::pair<std::string, bool>>{
             {ansiPrograms, false},
             {ansiMine, true},
             {ansiMine + "\\", true},
             {ansiMine + "\\user", true},
             {ansiMine + "\\..\\..", false},
             {ansiMine + "\\missing", false},
             {temp.Path(), false}})
        EXPECT_EQ(LiesInsidePrograms(folder.c_str(), ansiPrograms.c_str()), inside) << folder;

    // The Programs folder as the menu folder: its entry goes with the
    // links, the clean-up of the tree leaves it.
    const std::string top = Unique("SetupShellTop");
    TestScript direct(temp, {"[Root]", "Named=" + product.path, "[Menu0]", "Name=" + top, "Path=bin\\tool.exe"},
                      "direct.ini");
    ApplyMenuEntries(direct.Path(), true);
    ASSERT_TRUE(Exists(programs + "\\" + top + ".lnk"));
    RemoveMenuTree(direct.Path());
    EXPECT_TRUE(Exists(programs + "\\" + top + ".lnk"));
    RemoveMenuLinks(direct.Path());
    EXPECT_FALSE(Exists(programs + "\\" + top + ".lnk"));
    EXPECT_TRUE(Exists(programs + "\\StartUp"));

    // A menu folder outside Programs keeps everything.
    const std::string outside = temp.Path("outside");
    TestScript elsewhere(temp, {"[Root]", "Named=" + product.path, "[Menu]", "Named=" + outside,
                                "[Menu0]", "Name=App", "Path=bin\\tool.exe"},
                         "elsewhere.ini");
    ApplyMenuEntries(elsewhere.Path(), true);
    WriteBytes(Wide(outside + "\\notes.txt"), "the user's");
    RemoveMenuTree(elsewhere.Path());
    EXPECT_TRUE(Exists(outside + "\\App.lnk"));
    EXPECT_TRUE(Exists(outside + "\\notes.txt"));

    // Inside Programs, through the clean-up of an install folder's script:
    // the listed shortcuts and the folders they emptied go, the user's file
    // and folder stay, and with them the menu folder until it is empty.
    TestScript installed(temp, {"[Root]", "Named=" + product.path, "[Menu]", "Named=" + mine,
                                "[Menu0]", "Name=App", "Path=bin\\tool.exe",
                                "[Menu1]", "Name=Sub\\Tool", "Path=bin\\tool.exe"});
    ApplyMenuEntries(installed.Path(), true);
    WriteBytes(Wide(mine + "\\user\\notes.txt"), "the user's");
    ASSERT_TRUE(Exists(mine + "\\Sub\\Tool.lnk"));
    g_setup.scriptPath[0] = '\0'; // the running script: none here
    const std::string folder = temp.Path();
    RemoveAllMenus(folder.c_str());
    EXPECT_FALSE(Exists(mine + "\\App.lnk"));
    EXPECT_FALSE(Exists(mine + "\\Sub"));
    EXPECT_TRUE(Exists(mine + "\\user\\notes.txt"));
    std::filesystem::remove_all(Wide(mine + "\\user"));
    RemoveMenuTree(installed.Path());
    EXPECT_FALSE(Exists(mine));
}

// Send To entries in nested folders, made as needed and removed when emptied;
// the Send To folder itself stays.
TEST(SendTo, NestedEntriesMadeAndRemoved)
{
    InstallFolder product;
    TempFolder temp;
    const std::string sendTo = ShellFolder(L"SendTo");
    const std::string top = Unique("表示");
    TestScript script(temp, {"[Root]", "Named=" + product.path, "[Check]", "Send=3",
                             "[Send0]", "Name=" + top, "Path=bin\\tool.exe",
                             "[Send1]", "Name=" + top + "ソフト\\能力\\Viewer", "Path=bin\\tool.exe", "Arg=/view"});
    ApplySendToEntries(script.Path(), true);
    EXPECT_TRUE(Exists(sendTo + "\\" + top + ".lnk"));
    const std::string nested = sendTo + "\\" + top + "ソフト\\能力\\Viewer.lnk";
    ASSERT_TRUE(Exists(nested));
    EXPECT_EQ(ReadLink(nested).arguments, "/view");

    ApplySendToEntries(script.Path(), false);
    EXPECT_FALSE(Exists(sendTo + "\\" + top + ".lnk"));
    EXPECT_FALSE(Exists(sendTo + "\\" + top + "ソフト"));
    EXPECT_TRUE(Exists(sendTo));
    EXPECT_EQ(script.Value("Check", "Send"), "1");
}

// Without the shell link no shortcut can be made: the lists stop, and the
// user hears of it once, not once per shortcut.
TEST(Shortcut, WithoutTheShellLinkToldOnceAndStopped)
{
    const wchar_t* server = L"Software\\Classes\\CLSID\\{00021401-0000-0000-C000-000000000046}\\InprocServer32";
    wchar_t saved[MAX_PATH] = L"";
    DWORD size = sizeof saved;
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, server, nullptr, RRF_RT_REG_SZ, nullptr, saved, &size), ERROR_SUCCESS);
    auto setServer = [&](const std::wstring& dll) {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, server, nullptr, REG_SZ, dll.c_str(),
                        static_cast<DWORD>((dll.size() + 1) * sizeof(wchar_t)));
    };
    setServer(L"C:\\windows\\system32\\no-such-shell.dll");
    struct Restore {
        std::function<void()> undo;
        ~Restore() { undo(); }
    } restore{[&] { setServer(saved); }};

    InstallFolder product;
    TempFolder temp;
    TestScript script(temp, {"[Setup]", "Name=表示ソフト", "[Root]", "Named=" + product.path,
                             "[Menu]", "Named=" + temp.Path("menu"),
                             "[Menu0]", "Name=A", "[Menu1]", "Name=B", "[Menu2]", "Name=C",
                             "[Desktop]", "Name=" + Unique("SetupShellNone"), "[Send0]", "Name=" + Unique("SetupShellNone")});
    std::strcpy(g_setup.scriptPath, script.Path()); // names the product in the message

    std::atomic<int> boxes{0};
    std::wstring text;
    std::atomic<bool> done{false};
    std::thread answerer([&] {
        while (!done) {
            if (HWND box = e2e::FindMessageBox(GetCurrentProcessId(), L"表示ソフト", 100)) {
                if (boxes++ == 0) text = e2e::MessageBoxText(box);
                e2e::AnswerMessageBox(box, IDOK);
                e2e::WaitForWindowGone(box);
            }
        }
    });
    ApplyMenuEntries(script.Path(), true);
    ApplyFolderShortcut(script.Path(), true, "Desktop");
    ApplySendToEntries(script.Path(), true);
    done = true;
    answerer.join();

    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, L"ショートカットを作成できませんでした．\r\n(シェルリンクを使用できません)");
    EXPECT_FALSE(Exists(temp.Path("menu")));
    EXPECT_FALSE(Exists(ShellFolder(L"Desktop") + "\\" + Unique("SetupShellNone") + ".lnk"));
    EXPECT_FALSE(Exists(ShellFolder(L"SendTo") + "\\" + Unique("SetupShellNone") + ".lnk"));
    EXPECT_EQ(script.Value("LastGo", "Desktop"), "");
}
