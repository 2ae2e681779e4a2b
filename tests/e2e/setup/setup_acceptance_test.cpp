// The build's distribution on a machine as its user gets it (a Wine prefix
// made anew), in the run's language: installed through its welcome page and
// dialog with every option ticked; the converter started from the Start menu,
// the .dxf verb and Send To; uninstalled through the system's list. Then no
// registry entry or file of the product is left, and every file of the user's is.
#include <gtest/gtest.h>

#include <set>

#include "setup_session.h"
#include "test_registry.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

const std::wstring kProduct = DIST_TITLE;
constexpr int kConverterSource = 1000; // the converter's source field
constexpr int kConverterOutput = 1001;

// The machine: every key and value, every file on C:, the user's folders too.
struct Snapshot {
    std::set<std::wstring> registry = RegistryEntries(), files;
    Snapshot() { Collect(L"C:"); }
    void Collect(const std::wstring& folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
            const std::wstring name = found.cFileName, path = folder + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            files.insert(path);
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                Collect(path);
        }
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
    }
};


// The converter opened through the shell (the file with its verb and
// parameters), the source it shows; closed again with Escape, or left to
// the caller.
HWND OpenConverter(const std::wstring& file, const wchar_t* verb, const std::wstring& parameters,
                   const std::wstring& source, bool close = true)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.lpVerb = verb;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    EXPECT_TRUE(ShellExecuteExW(&info)) << Utf8(file);
    HWND converter = FindWindowWhere(0, [](HWND w) { return Caption(w) == L"Trenvika" && Item(w, kConverterSource); });
    EXPECT_TRUE(converter) << Utf8(file);
    EXPECT_EQ(ItemText(converter, kConverterSource), source);
    if (close && converter) PressKey(converter, VK_ESCAPE);
    EXPECT_TRUE(!close || WaitForWindowGone(converter));
    return converter;
}

} // namespace

TEST(Distribution, InstalledUsedAndUninstalledLeavesNothingButTheUsersFiles)
{
    // A surveyor's machine: a CAD program owns .dxf files, and a drawing
    // waits in the user's documents (its name ends in 表, whose second
    // byte in Shift-JIS is 0x5C).
    SetRegText(HKEY_CLASSES_ROOT, ".dxf", "", "SurveyCad.Drawing");
    SetRegText(HKEY_CLASSES_ROOT, "SurveyCad.Drawing\\shell\\open\\command", "", "notepad.exe \"%1\"");
    const std::wstring documents = ShellFolder(L"Personal");
    const std::wstring drawing = documents + Say(L"\\cross section.dxf", L"\\断面 表.dxf");
    const std::wstring output = documents + Say(L"\\cross section 3d.dxf", L"\\断面 表 3d.dxf");
    ASSERT_TRUE(CopyFileW((std::wstring(DIST_DIR) + L"\\samples\\cross-section.dxf").c_str(), drawing.c_str(), FALSE));
    // The distribution as the user unpacked it.
    const std::wstring medium = ShellFolder(L"Desktop") + L"\\Trenvika setup";
    std::filesystem::copy(DIST_DIR, medium, std::filesystem::copy_options::recursive);
    Snapshot before;
    WineTrash trash;

    // Started from the user's documents: the welcome page first, then its
    // ReadMe page, then the dialog.
    Process setup = Process::Launch(medium + L"\\Setup.exe", L"", documents);
    HWND welcome = FindReadmeViewer(setup.Id(), 15000);
    ASSERT_TRUE(welcome);
    EXPECT_EQ(Caption(Item(welcome, IDC_README_BUTTON1)), L"ReadMe");
    ScreenshotForReadme(GetAncestor(welcome, GA_ROOTOWNER), L"dist-welcome-" + Language() + L".png", 0); // the screen
    ClickItem(welcome, IDC_README_BUTTON1);
    EXPECT_TRUE(WaitUntil([&] { return !IsItemVisible(welcome, IDC_README_BUTTON1); }));
    ClickItem(welcome, IDC_README_END);
    ASSERT_TRUE(WaitForWindowGone(welcome));

    HWND dialog = FindSetupDialog(setup.Id(), kProduct);
    ASSERT_TRUE(dialog);
    const std::wstring folder = ProgramFilesFolder() + L"\\Trenvika";
    EXPECT_EQ(ItemText(dialog, IDC_FOLDER), folder);
    for (int id : {IDC_MENU, IDC_EXT, IDC_SEND}) EXPECT_TRUE(IsItemChecked(dialog, id)) << id;
    EXPECT_FALSE(IsItemChecked(dialog, IDC_DESKTOP));
    for (int id : {IDC_STARTUP, IDC_COPY, IDC_DELETE_AFTER}) EXPECT_FALSE(IsItemVisible(dialog, id)) << id;
    ClickItem(dialog, IDC_DESKTOP);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(dialog, IDC_DESKTOP); }));
    ScreenshotForReadme(dialog, L"dist-dialog-" + Language() + L".png", 60);
    ClickItem(dialog, IDOK);
    EXPECT_TRUE(ProgressShows(dialog, Say(L"Completed.", L"終了しました．")));
    ASSERT_TRUE(setup.WaitForExit(20000));

    // What the install made.
    const std::wstring menu = ShellFolder(L"Programs") + L"\\Trenvika";
    for (const std::wstring& file : {folder + L"\\trenvika.exe", folder + L"\\Setup.exe", folder + L"\\samples",
                                     menu + L"\\Trenvika.lnk", menu + L"\\ReadMe.lnk", menu + L"\\Samples.lnk",
                                     ShellFolder(L"Desktop") + L"\\Trenvika.lnk", ShellFolder(L"SendTo") + L"\\Trenvika.lnk"})
        EXPECT_TRUE(Exists(file)) << Utf8(file);
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ".dxf"), "SurveyCad.Drawing"); // the CAD program keeps its files
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\By Harnel\\trenvika", "Program"), Ansi(folder) + "\\trenvika.exe");

    // Started again, the distribution, which holds the install's log now,
    // offers the version-up (its own welcome page first), never to
    // uninstall, and so delete, itself.
    Process again = Process::Launch(medium + L"\\Setup.exe", L"", documents);
    HWND page = FindReadmeViewer(again.Id(), 15000);
    ASSERT_TRUE(page);
    ClickItem(page, IDC_README_END);
    HWND versionUp = FindSetupDialog(again.Id(), kProduct);
    ASSERT_TRUE(versionUp);
    EXPECT_EQ(Caption(Item(versionUp, IDC_FOLDER_LABEL)), Say(L"&Folder to version up", L"(&F)バージョンアップ先"));
    EXPECT_FALSE(IsItemVisible(versionUp, IDC_COPY));
    ClickItem(versionUp, IDCANCEL);
    ASSERT_TRUE(again.WaitForExit(10000));

    // The converter from its Start-menu entry, from the verb on .dxf files,
    // and from Send To, where the user converts the drawing.
    OpenConverter(menu + L"\\Trenvika.lnk", nullptr, L"", L"");
    OpenConverter(drawing, L"Trenvika", L"", drawing);
    // Send To hands the files to the shortcut's program after its arguments.
    HWND converter =
        OpenConverter(ShellFolder(L"SendTo") + L"\\Trenvika.lnk", nullptr, L"\"" + drawing + L"\"", drawing, false);
    ASSERT_TRUE(converter);
    ASSERT_TRUE(SetText(Item(converter, kConverterOutput), output));
    ClickItem(converter, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return Exists(output) && IsItemVisible(converter, kConverterOutput); }, 20000));
    PressKey(converter, VK_ESCAPE);
    EXPECT_TRUE(WaitForWindowGone(converter));

    // Uninstalled through the system's list, without a click and without a
    // report: everything goes.
    Process uninstaller = Process::LaunchCommandLine(L"uninstaller.exe --remove Trenvika", documents);
    bool reported = false;
    EXPECT_TRUE(WaitUntil([&] {
        reported = reported || FindMessageBox(0, Say(L"Delete files and folders", L"ファイル・フォルダの削除"), 0);
        return !Exists(folder);
    }, 40000, 100));
    EXPECT_FALSE(reported);
    EXPECT_TRUE(uninstaller.WaitForExit(10000));
    EXPECT_TRUE(WaitUntil([] { return !Exists(L"C:\\delus.bat"); }, 5000));
    EXPECT_TRUE(trash.Holds(L"trenvika.exe"));

    Snapshot after;
    // Of what names the product, its company or its setup: Wine's own entries change in between.
    const std::initializer_list<std::string> product = {"trenvika", "by harnel", "delus.bat", "setup.exe", "setup.ini"};
    EXPECT_EQ(Residue(before.registry, after.registry, product), "");
    EXPECT_EQ(Residue(before.files, after.files, product), "");
    EXPECT_EQ(ReadBytes(drawing), ReadBytes(std::wstring(DIST_DIR) + L"\\samples\\cross-section.dxf"));
    EXPECT_TRUE(Exists(output));
    EXPECT_TRUE(Exists(medium + L"\\Setup.exe"));
    // The distribution keeps its folder form: started again after the
    // uninstall it proposes Program Files again, not C:\Trenvika.
    wchar_t rootName[MAX_PATH];
    GetPrivateProfileStringW(L"Root", L"Name", L"", rootName, MAX_PATH, (medium + L"\\Setup.ini").c_str());
    EXPECT_STREQ(rootName, L"%programs%\\Trenvika");
    EXPECT_EQ(RegText(HKEY_CLASSES_ROOT, ".dxf"), "SurveyCad.Drawing");
}
