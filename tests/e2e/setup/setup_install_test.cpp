// A sample product installed through the dialog, installed again over itself
// unattended and uninstalled from its installed copy, as a person would, in
// English (437) and Japanese (932), where its names hold 表, ソ and 能 (trail
// byte 0x5C). Besides files: a plain-text ReadMe, shortcuts everywhere,
// registry values and associations (sample_settings.h) and run lists.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <tuple>

#include "sample_settings.h"
#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The shell's folder window that Menu Open brings, framed for its picture.
const WineWindowFrames kExplorerFrames{L"explorer.exe"};

std::wstring OverwriteQuestion(const std::wstring& path)
{
    return Say(L"New file exist...", L"以下のファイルは新しいものが存在します．") + L"\r\n\r\n" + path + L"\r\n\r\n" +
           Say(L"Overwrite?", L"上書きしますか？");
}

// A shortcut's fields as the shell reads them back.
struct Shortcut {
    std::wstring path, folder, arguments, icon;
    int iconIndex = -1, show = -1;
    WORD hotKey = 0;
};
Shortcut ReadShortcut(const std::wstring& file)
{
    Shortcut s;
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    wchar_t text[MAX_PATH] = L"";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&persist))) && SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH), s.path = text;
        link->GetWorkingDirectory(text, MAX_PATH), s.folder = text;
        link->GetArguments(text, MAX_PATH), s.arguments = text;
        link->GetIconLocation(text, MAX_PATH, &s.iconIndex), s.icon = text;
        link->GetHotkey(&s.hotKey);
    }
    // The show command from the file's header (0x3C): Wine's shell link does not load it.
    s.show = static_cast<unsigned char>((ReadBytes(file) + std::string(0x40, '\0'))[0x3C]);
    if (persist) persist->Release();
    if (link) link->Release();
    return s;
}

// The file as Debian's lnkinfo, a reader independent of Wine's shell, reads it
// ("<label> : <value>", in the system's code page). Wine neither passes a Linux
// program's output on nor waits for it: a shell writes the report, then renames it.
std::map<std::string, std::wstring> LnkInfo(const std::wstring& file)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    auto unixPath = [&](const std::wstring& path) {
        std::unique_ptr<char, void (*)(char*)> name(unixName(path.c_str()), [](char* n) { HeapFree(GetProcessHeap(), 0, n); });
        return std::string(name ? name.get() : "");
    };
    TempFolder temp("-lnkinfo");
    const std::wstring report = temp / L"report.txt";
    const std::string out = unixPath(report);
    std::wstring command = Utf16("Z:\\bin\\sh -c \"lnkinfo -c windows-" + std::to_string(GetACP()) + " '" +
                                 unixPath(file) + "' > '" + out + ".part'; mv '" + out + ".part' '" + out + "'\"");
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    std::map<std::string, std::wstring> fields;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process))
        return fields;
    for (HANDLE handle : {process.hProcess, process.hThread}) CloseHandle(handle);
    WaitUntil([&] { return Exists(report); });
    std::istringstream lines(ReadBytes(report));
    for (std::string line; std::getline(lines, line);) {
        size_t colon = line.find(": "), label = line.find_first_not_of('\t');
        if (colon != std::string::npos && label < colon)
            fields[line.substr(label, line.find('\t', label) - label)] = Utf16(line.substr(colon + 2));
    }
    return fields;
}

// What the probe (or its library) wrote for the marker `name` in `folder`.
std::string ProbeRecord(const std::filesystem::path& folder, const std::string& name)
{
    std::filesystem::path file = folder / (name + ".txt");
    WaitUntil([&] { return Exists(file.wstring()); });
    return ReadBytes(file);
}

// The product as it leaves the distribution folders and where it goes; its
// programs (bin\tool.exe) are the probe, which writes "<argument>.txt".
struct SampleProduct {
    std::string id = std::to_string(GetCurrentProcessId());
    std::string title = Pick("Sample Product", "表示ソフト");
    std::wstring key = L"SetupE2ESample" + Utf16(id);
    std::string menu = Pick("Sample Menu ", "ソフト表") + id;
    std::string app = Pick("App", "表示");
    std::string readme = Pick("Readme", "能書き");
    std::string desktop = Pick("Sample Desktop ", "表示ソフト") + id;
    std::string startup = Pick("Sample Startup ", "能") + id;
    std::string send = Pick("Sample Send ", "ソフト") + id;
    std::string sendFolder = Pick("Sample Tools ", "表") + id;
    TempFolder target{"-target"}; // the install folder's parent, where the run lists' probes lie
    std::wstring folder = target / Utf16(Pick("Sample App", "表示ソフト一覧表"));
    std::string probes = Utf8(target.Root().wstring());
    SampleSettings settings{folder};
    WineTrash trash;

    SampleProduct()
    {
        std::filesystem::copy_file(PROBE, target / L"probe.exe");
        std::filesystem::copy_file(RUN_LIST_LIBRARY, target / L"run_list_library.dll");
    }
    ~SampleProduct()
    {
        for (const std::wstring& entry : {key, std::filesystem::path(folder).filename().wstring()})
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(entry).c_str());
        std::error_code ignored;
        for (const std::wstring& path :
             {Menu(), DesktopLink(), StartupLink(), SendTo(send) + L".lnk", SendTo(sendFolder)})
            std::filesystem::remove_all(path, ignored);
    }

    std::wstring At(const std::wstring& name) const { return folder + L"\\" + name; }
    std::wstring Menu(const std::string& name = "") const
    {
        return ShellFolder(L"Programs") + L"\\" + Utf16(menu) + (name.empty() ? L"" : L"\\" + Utf16(name) + L".lnk");
    }
    std::wstring DesktopLink() const { return ShellFolder(L"Desktop") + L"\\" + Utf16(desktop) + L".lnk"; }
    std::wstring StartupLink() const { return ShellFolder(L"Startup") + L"\\" + Utf16(startup) + L".lnk"; }
    std::wstring SendTo(const std::string& name) const { return ShellFolder(L"SendTo") + L"\\" + Utf16(name); }

    // The shortcuts of both installs; the Start-menu folder is the one picked
    // in the first dialog ("..." writes Change). The desktop icon, which the
    // dialog shows too, is the installer's own file: one without icons left
    // setup busy after the ReadMe viewer closed, under Wine.
    std::string ShortcutLines(bool first) const
    {
        std::vector<std::string> menuLines = {"[Menu]", "Name=Not Picked"};
        if (first) menuLines.insert(menuLines.end(), {"Change=" + Utf8(Menu()), "Open=1"});
        return Script(menuLines) +
               Script({"[Menu0]", "Name=" + app, "Path=bin\\tool.exe", "Arg=menu",
                       "[Menu1]", "Name=Tools\\" + readme, "Path=bin\\tool.exe",
                       "[Menu2]", "Name=$Welcome", "Path=bin\\tool.exe", "Arg=welcome",
                       "[Desktop]", "Name=" + desktop, "Path=bin\\tool.exe", "Arg=desk", "Icon=sample-1.0.exe",
                       "IconNo=1", "Work=bin", "Show=2", "Short=A",
                       "[Startup]", "Name=" + startup, "Path=bin\\tool.exe", "Arg=startup", "Show=1", "Short=\\112",
                       "[Send0]", "Name=" + send, "Path=bin\\tool.exe",
                       "[Send1]", "Name=" + sendFolder + "\\Viewer", "Path=bin\\tool.exe"});
    }
};

// The plain-text ReadMe, taken from beside setup (the part of its name
// after the last backslash), closes on Enter, Escape and typing.
void ReadReadme(const Process& setup, HWND dialog, const std::string& text)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        ClickItem(dialog, IDC_README);
        HWND viewer = FindReadmeViewer(setup.Id());
        ASSERT_TRUE(viewer);
        EXPECT_EQ(ItemText(viewer, IDC_README_TEXT), std::wstring(text.begin(), text.end()));
        EXPECT_EQ(Caption(Item(viewer, IDC_README_END)), Say(L"&End readme", L"説明終了(&E)"));
        for (int id : {IDC_README_BUTTON1, IDC_README_BUTTON2, IDC_README_BUTTON3, IDC_README_END})
            EXPECT_FALSE(IsItemVisible(viewer, id)) << id;
        const RECT edit = ItemRect(viewer, IDC_README_TEXT); // the text fills the window
        const SIZE client = ClientSize(viewer);
        EXPECT_EQ(std::pair(edit.right - edit.left, edit.bottom - edit.top), std::pair(client.cx, client.cy));
        if (way == 0) PressKey(viewer, VK_RETURN);
        if (way == 1) PressKey(viewer, VK_ESCAPE);
        if (way == 2) PostMessageW(Item(viewer, IDC_README_TEXT), WM_CHAR, L'x', 1);
        ASSERT_TRUE(WaitForWindowGone(viewer));
        EXPECT_TRUE(IsVisible(dialog));
    }
}

// The first install, through the dialog into a typed folder that holds files
// already: one older than the product's, three newer (kept, replaced, asked
// about: Yes). Then the shortcuts, the Start-menu folder shown, LastGo's
// launchers, and the run list's programs and libraries, failures answered.
void InstallThroughTheDialog(const SampleProduct& p)
{
    const std::string probe = "\"" + p.probes + "\\probe.exe\"", missing = p.probes + "\\missing";
    const std::string readme = "Plain text ReadMe\r\n\tindented by one tab\r\n";
    SetupCopy copy(Script({"[Setup]", "Name=" + p.title, "[Root]", "Name=" + Utf8(p.key),
                           "[Check]", "Menu=2", "Desktop=2", "Startup=2", "Ext=2", "Send=2", "Copy=2", "Del=1",
                           "[Readme]", "Done=1", "File=docs\\ReadMe.txt",
                           "[MakeDirectory]", "1=bin", "2=doc\\en",
                           "[CopyFile]", "Self=sample-1.0.exe",
                           "0=ReadMe.txt", "1=bin\\tool.exe", "2=doc\\en\\guide.txt", "3=!settings.ini",
                           "4=&keep.dat", "5=?replace.dat", "6=ask.dat", "7=older.dat", "8=lost.dat",
                           "9=*gone.dat", "10=!&shared.dll", "11=!" + SampleSettings::Document(),
                           "[LastGo]", "0=$Welcome", "1=" + p.app, "StartupAndGo=1",
                           // No entry both starts and ends with a quote, which the profile functions would take off.
                           "[Go2]", "Make0=\"%root%\\..\\probe.exe\" installed \"two words\" end",
                           "Make1=" + probe + " maximized;;MAX", "Make2=" + probe + " minimized;;min",
                           "Make3=" + probe + " hidden;;hide", "Make4=" + missing + ".dll;MarkCalled",
                           "Make5=" + p.probes + "\\run_list_library.dll;NoSuchEntry",
                           "Make6=\"" + missing + ".exe\" -x", "Make7=" + missing + ".dll;MarkCalled;hide",
                           "Make8=\"" + missing + ".exe\";;Hide", "Make9=" + probe + " last",
                           "Erase0=%root%\\..\\run_list_library.dll;MarkCalled"}) +
                   p.ShortcutLines(true) + p.settings.ScriptLines());
    for (const wchar_t* name : {L"doc\\en\\guide.txt", L"settings.ini", L"keep.dat", L"replace.dat",
                                L"ask.dat", L"older.dat", L"shared.dll"})
        copy.Put(name, "new " + Utf8(name));
    copy.Put(L"sample-1.0.exe", ReadBytes(SETUP_EXE));
    copy.Put(Utf16(SampleSettings::Document()), "a document");
    copy.Put(L"ReadMe.txt", readme);
    copy.Put(L"bin\\tool.exe", ReadBytes(PROBE));
    for (auto [name, hours] : {std::pair{L"keep.dat", 1}, {L"replace.dat", 1}, {L"ask.dat", 0}, {L"older.dat", -1}}) {
        WriteBytes(p.At(name), "user's");
        SetWriteTime(p.At(name), hours);
    }

    SetupRun run(copy.ProgramPath(), Utf16(p.title));
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    ReadReadme(run.process, d, readme);
    if (testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(SetText(Item(d, IDC_FOLDER), p.folder));
    ClickItem(d, IDC_DELETE_AFTER);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(d, IDC_DELETE_AFTER); }));
    ScreenshotForReadme(d, L"setup-install-" + Language() + L".png");
    ClickItem(d, IDOK);

    // One question for the files of the same age or newer.
    HWND question = FindMessageBox(run.process.Id(), Utf16(p.title));
    ASSERT_TRUE(question);
    EXPECT_EQ(Caption(Item(d, IDC_FOLDER_LABEL)), Say(L"Copying files...", L"ファイルをコピーしています．"));
    EXPECT_EQ(MessageBoxText(question), OverwriteQuestion(p.At(L"ask.dat")));
    ScreenshotForReadme(d, L"setup-question-" + Language() + L".png", 90);
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(question));

    // The missing source is reported, the one marked "*" is not.
    HWND report = FindMessageBox(run.process.Id(), Utf16(p.title));
    ASSERT_TRUE(report);
    EXPECT_EQ(MessageBoxText(report), Say(L"Could not copy these...", L"以下のファイルはコピーできませんでした") +
                                          L"\r\n\r\n" + p.At(L"lost.dat") + L"\r\n\r\n" +
                                          Say(L"Continue...", L"処理は継続します"));
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(d, Say(L"System setup...", L"システムの設定をしています．")));

    // Menu Open shows the menu folder, in the shell's own window.
    const std::wstring menuName = Utf16(p.menu);
    HWND window = FindWindowWhere(0, [&](HWND w) { return Caption(w).find(menuName) != std::wstring::npos; }, 15000);
    EXPECT_TRUE(window) << "no window shows the Start-menu folder";
    if (window) {
        ScreenshotForReadme(window, L"setup-menu-" + Language() + L".png");
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitForWindowGone(window));
    }

    // One message for each failure of the run list, in its order; none for
    // the entries shown "hide".
    const std::wstring probes = Utf16(p.probes);
    for (const auto& [caption, text, picture] :
         {std::tuple{probes + L"\\missing.dll", Say(L"Could not load library.", L"ライブラリをロードできませんでした"), true},
          {L"NoSuchEntry", Say(L"Could not find entry.", L"エントリポイントを見つけられませんでした"), false},
          {L"\"" + probes + L"\\missing.exe\"", Say(L"Could not execute.", L"実行を失敗しました"), false}}) {
        HWND box = FindMessageBox(run.process.Id(), caption, 20000);
        ASSERT_TRUE(box) << Utf8(caption);
        EXPECT_EQ(MessageBoxText(box), text);
        if (picture) ScreenshotForReadme(d, L"setup-run-list-" + Language() + L".png", 90);
        AnswerMessageBox(box, IDOK);
        ASSERT_TRUE(WaitForWindowGone(box));
    }
    EXPECT_TRUE(ProgressShows(d, Say(L"Completed.", L"終了しました．")));
    ASSERT_TRUE(run.process.WaitForExit(10000));
    using Bytes = std::pair<const wchar_t*, std::string>;
    for (const auto& [name, bytes] : {Bytes{L"settings.ini", "new settings.ini"}, {L"keep.dat", "user's"},
                               {L"replace.dat", "new replace.dat"}, {L"ask.dat", "new ask.dat"},
                               {L"older.dat", "new older.dat"}, {L"sample-1.0.exe", ReadBytes(SETUP_EXE)}})
        EXPECT_EQ(ReadBytes(p.At(name)), bytes) << Utf8(name);

    // The log: the install folder that was there already, then the made
    // folders outer first; the copies in their order, the answered one and
    // the installer file last, none of the "!" entries.
    std::wstring installed = p.At(L"Setup.ini");
    EXPECT_EQ(Section(installed, L"MakedDirectory"), (Log{{L"0", p.folder}, {L"1", p.At(L"bin")}, {L"2", p.At(L"doc")},
                                                          {L"3", p.At(L"doc\\en")}, {L"Count", L"4"}}));
    EXPECT_EQ(Section(installed, L"CopiedFile"),
              (Log{{L"0", p.At(L"ReadMe.txt")}, {L"1", p.At(L"bin\\tool.exe")}, {L"2", p.At(L"doc\\en\\guide.txt")},
                   {L"3", p.At(L"replace.dat")}, {L"4", p.At(L"older.dat")}, {L"5", p.At(L"ask.dat")},
                   {L"6", p.At(L"sample-1.0.exe")}, {L"Count", L"7"}}));
    EXPECT_EQ(Section(installed, L"Root")[L"Named"], p.folder);
    EXPECT_EQ(Section(installed, L"Menu"), (Log{{L"Name", L"Not Picked"}, {L"Change", L""}, {L"Named", p.Menu()},
                                                {L"Open", L"1"}}));
    EXPECT_EQ(ReadBytes(installed), ReadBytes(copy.ScriptPath()));
    EXPECT_EQ(ReadBytes(p.At(L"Setup.exe")), ReadBytes(copy.ProgramPath()));
    p.settings.ExpectMade();

    // The window states asked for (SW_SHOW, _MAXIMIZE, _MINIMIZE, _HIDE) and
    // the parameters, as the programs received them.
    for (auto [name, record] : {std::pair{"installed", "show 5\ninstalled\ntwo words\nend"},
                                {"maximized", "show 3\nmaximized"}, {"minimized", "show 6\nminimized"},
                                {"hidden", "show 0\nhidden"}, {"last", "show 5\nlast"}})
        EXPECT_EQ(ProbeRecord(p.target.Root(), name), record) << name;
    std::filesystem::remove(p.target / "installed.txt");

    // The shortcuts; every field of the desktop and startup ones.
    for (const std::wstring& link : {p.Menu(p.app), p.Menu("Tools\\" + p.readme), p.SendTo(p.send) + L".lnk",
                                     p.SendTo(p.sendFolder) + L"\\Viewer.lnk"})
        EXPECT_TRUE(Exists(link)) << Utf8(link);
    const std::wstring bin = p.At(L"bin"), tool = bin + L"\\tool.exe";
    const Shortcut desktop = ReadShortcut(p.DesktopLink()), startup = ReadShortcut(p.StartupLink());
    EXPECT_EQ(std::tie(desktop.path, desktop.folder, desktop.arguments, desktop.icon),
              std::make_tuple(tool, bin, std::wstring(L"desk"), p.At(L"sample-1.0.exe")));
    EXPECT_EQ(desktop.iconIndex, 1);
    std::map<std::string, std::wstring> lnkinfo = LnkInfo(p.DesktopLink());
    EXPECT_EQ(std::tie(lnkinfo["Local path"], lnkinfo["Working directory"], lnkinfo["Command line arguments"],
                       lnkinfo["Icon location"], lnkinfo["Icon index"]),
              std::make_tuple(tool, bin, std::wstring(L"desk"), p.At(L"sample-1.0.exe"), std::wstring(L"1")));
    // Minimised, not activated, Ctrl+Alt+A; maximised, Ctrl+Alt+F1.
    EXPECT_EQ(std::tie(desktop.show, desktop.hotKey, startup.show, startup.hotKey),
              std::make_tuple(SW_SHOWMINNOACTIVE, WORD(0x0641), SW_SHOWMAXIMIZED, WORD(0x0670)));
    EXPECT_EQ(Section(installed, L"LastGo")[L"Desktop"], p.DesktopLink());
    EXPECT_EQ(Section(installed, L"LastGo")[L"Startup"], p.StartupLink());
    // Launched: the menu's "$Welcome" once and thrown away, the menu's app
    // with its arguments, and the startup shortcut.
    for (const char* launched : {"welcome", "menu", "startup"})
        EXPECT_NE(ProbeRecord(bin, launched).find(std::string("\n") + launched), std::string::npos) << launched;
    EXPECT_FALSE(Exists(p.Menu("$Welcome")));
    EXPECT_TRUE(p.trash.Holds(L"$Welcome.lnk"));
}

// The second install, unattended, into the same folder found through the
// uninstall list, options preset from the earlier choices: the asked file
// answered No, every copy "!", so nothing logged of its own, the earlier log
// merged in (a folder in another letter case is another entry). Its hidden
// options take the menu entries and desktop shortcut; the user's file stays.
void InstallAgainUnattended(const SampleProduct& p)
{
    SetupCopy copy(Script({"[Setup]", "Name=" + p.title, "Auto=1", "[Root]", "Name=" + Utf8(p.key),
                           "[Check]", "Menu=0", "Desktop=0", "Startup=1", "Ext=1", "Send=1", "Copy=1", "Del=1",
                           "[MakeDirectory]", "1=BIN",
                           "[CopyFile]", "0=settings.ini", "1=!&bin\\tool.exe", "2=!new.txt",
                           "[Del]", "0=*.log", "1=settings.ini", "2=bin\\*.txt", "ShowError=1", "Force=1",
                           "[DirRemove]", "0=logs", "1=%root%\\cache",
                           "[Go2]", "Make0=\"%root%\\..\\probe.exe\" installed",
                           "Erase0=%root%\\..\\run_list_library.dll;MarkCalled"}) +
                   p.ShortcutLines(false) + p.settings.ScriptLines());
    for (const wchar_t* name : {L"settings.ini", L"bin\\tool.exe", L"new.txt"})
        copy.Put(name, "second " + Utf8(name));
    WriteBytes(p.Menu() + L"\\notes.txt", "the user's");
    const std::wstring installed = p.At(L"Setup.ini");
    const Log firstCopies = Section(installed, L"CopiedFile");

    SetupRun run(copy.ProgramPath(), Utf16(p.title));
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    // Unattended: no buttons, the saving (two rows) plus one row cut off.
    for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME, IDC_BROWSE_FOLDER})
        EXPECT_FALSE(IsItemVisible(d, id)) << id;
    EXPECT_EQ(ClientSize(d).cy, FullDialog::Get().ClientHeight(3));
    for (int id : {IDC_STARTUP, IDC_EXT, IDC_SEND}) EXPECT_TRUE(IsItemChecked(d, id)) << id; // 1 here, 2 before

    HWND question = FindMessageBox(run.process.Id(), Utf16(p.title));
    ASSERT_TRUE(question);
    EXPECT_EQ(ItemText(d, IDC_FOLDER), p.folder);
    EXPECT_EQ(MessageBoxText(question), OverwriteQuestion(p.At(L"settings.ini")));
    AnswerMessageBox(question, IDNO);
    ASSERT_TRUE(run.process.WaitForExit(15000));

    EXPECT_EQ(ReadBytes(p.At(L"settings.ini")), "new settings.ini");
    EXPECT_EQ(ReadBytes(p.At(L"bin\\tool.exe")), ReadBytes(PROBE));
    EXPECT_EQ(ReadBytes(p.At(L"new.txt")), "second new.txt");

    EXPECT_EQ(ReadBytes(installed), ReadBytes(copy.ScriptPath()));
    EXPECT_EQ(Section(installed, L"MakedDirectory"),
              (Log{{L"0", p.folder}, {L"1", p.At(L"BIN")}, {L"2", p.At(L"bin")}, {L"3", p.At(L"doc")},
                   {L"4", p.At(L"doc\\en")}, {L"Count", L"5"}}));
    // This install logged no file of its own: the earlier log fills it from key 0.
    EXPECT_EQ(Section(installed, L"CopiedFile"), firstCopies);
    // The Start-menu folder of the earlier installation is kept, and so is
    // its entry in the uninstall list, though the folder has another name.
    EXPECT_EQ(Section(installed, L"Menu")[L"Named"], p.Menu());
    EXPECT_EQ(Section(installed, L"Root")[L"Name"], p.key);
    EXPECT_FALSE(IsRegistered(std::filesystem::path(p.folder).filename().wstring()));
    p.settings.ExpectMade();
    EXPECT_EQ(ProbeRecord(p.target.Root(), "installed"), "show 5\ninstalled");

    for (const std::wstring& gone : {p.Menu(p.app), p.Menu() + L"\\Tools", p.DesktopLink()})
        EXPECT_FALSE(Exists(gone)) << Utf8(gone);
    EXPECT_TRUE(Exists(p.Menu() + L"\\notes.txt"));
    EXPECT_TRUE(Exists(p.StartupLink()));
    EXPECT_EQ(Section(installed, L"LastGo"), (Log{{L"Desktop", L""}, {L"Startup", p.StartupLink()}}));
}

// The uninstall from the installed copy, with its checkbox, after the program
// and its user added files: the run list's library is called first; what was
// logged or matches the delete patterns goes to the Recycle Bin, empty
// folders and every shortcut go, what stays is reported; once setup has
// ended, its removal copy takes the program but leaves a folder with files.
void UninstallThroughTheDialog(const SampleProduct& p)
{
    WriteBytes(p.At(L"doc\\en\\notes.txt"), "the user's notes");
    WriteBytes(p.At(L"run.log"), "log");
    SetFileAttributesW(p.At(L"ReadMe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::filesystem::create_directories(p.At(L"cache"));
    std::filesystem::create_directories(p.At(L"logs"));
    p.settings.UseAsTheProgramWould();

    // The installed copy offers uninstall in the Start-menu row; checked,
    // it disables the other options.
    SetupRun run(p.At(L"Setup.exe"), Utf16(p.title));
    HWND d = run.dialog;
    ASSERT_TRUE(d);
    EXPECT_EQ(Caption(Item(d, IDC_FOLDER_LABEL)), Say(L"Installed", L"インストール済です．"));
    EXPECT_EQ(Caption(Item(d, IDC_COPY)), Say(L"Uninstall", L"アンインストール"));
    ScreenshotForReadme(d, L"setup-installed-" + Language() + L".png");
    EXPECT_EQ(ItemRect(d, IDC_COPY).top, ItemRect(d, IDC_MENU).top);
    EXPECT_FALSE(IsItemVisible(d, IDC_BROWSE_FOLDER));
    ClickItem(d, IDC_COPY);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(d, IDC_COPY) && !IsItemEnabled(d, IDC_EXT); }));
    ClickItem(d, IDOK);
    EXPECT_TRUE(ProgressShows(d, Say(L"Unsetup system...", L"システムの設定を削除しています．")));

    HWND report = FindMessageBox(run.process.Id(), Say(L"Delete files and folders", L"ファイル・フォルダの削除"), 15000);
    ASSERT_TRUE(report);
    EXPECT_EQ(Caption(Item(d, IDC_FOLDER_LABEL)), Say(L"Deleting files...", L"ファイルを削除しています．"));
    EXPECT_EQ(MessageBoxText(report), Say(L"Could not delete these...", L"次のものは削除されませんでした．") + L"\n\n" +
                                          p.At(L"doc\\en") + L"\n" + p.At(L"doc") + L"\n" + p.folder + L"\n");
    ScreenshotForReadme(d, L"setup-uninstall-" + Language() + L".png", 90);
    EXPECT_EQ(ProbeRecord(p.target.Root(), "library-called"), "called");
    for (const wchar_t* name : {L"ReadMe.txt", L"bin\\tool.exe", L"doc\\en\\guide.txt", L"replace.dat", L"older.dat",
                                L"ask.dat", L"sample-1.0.exe", L"run.log", L"settings.ini", L"bin", L"cache"})
        EXPECT_FALSE(Exists(p.At(name))) << Utf8(name);
    for (const wchar_t* name : {L"ReadMe.txt", L"guide.txt", L"run.log", L"settings.ini", L"menu.txt"})
        EXPECT_TRUE(p.trash.Holds(name)) << Utf8(name);
    for (const std::wstring& gone : {p.StartupLink(), p.SendTo(p.send) + L".lnk", p.SendTo(p.sendFolder)})
        EXPECT_FALSE(Exists(gone)) << Utf8(gone);
    EXPECT_TRUE(Exists(ShellFolder(L"SendTo")));
    EXPECT_TRUE(Exists(p.Menu() + L"\\notes.txt"));
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(d, Say(L"Uninstall completed.", L"アンインストールは終了しました")));
    ASSERT_TRUE(run.process.WaitForExit(10000));
    EXPECT_FALSE(Exists(p.At(L"Setup.ini")));
    EXPECT_TRUE(p.trash.Holds(L"Setup.ini"));
    EXPECT_FALSE(IsRegistered(p.key));

    // The removal copy waits 5 seconds, then its batch file deletes the
    // program and tries the folder, which keeps what is not the product's.
    EXPECT_TRUE(WaitUntil([&] { return !Exists(p.At(L"Setup.exe")); }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(L"C:\\delus.bat"); }, 5000));
    for (const wchar_t* name : {L"doc\\en\\notes.txt", L"keep.dat", L"shared.dll", L"new.txt", L"logs"})
        EXPECT_TRUE(Exists(p.At(name))) << Utf8(name);
    p.settings.ExpectRemoved();
}

} // namespace

TEST(SampleProduct, InstallReinstallAndUninstall)
{
    SampleProduct product;
    InstallThroughTheDialog(product);
    if (HasFatalFailure()) return;
    InstallAgainUnattended(product);
    if (HasFatalFailure()) return;
    UninstallThroughTheDialog(product);
}
