// The distribution folder of the build, installed and uninstalled as a
// person would with Wine's own tools: nothing of the product may stay.
#include <gtest/gtest.h>

#include <set>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

const std::wstring kInstallFolder = L"C:\\Program Files\\Trenvika";

// What a Wine tool run through the command processor prints.
std::string ConsoleOutput(const std::wstring& command)
{
    TempFolder temp;
    const std::wstring out = temp / L"out.txt";
    Process::LaunchCommandLine(L"cmd.exe /c " + command + L" > \"" + out + L"\"").WaitForExit(60000);
    return ReadBytes(out);
}

// Every file and folder below `folder`. Folders that are links (out of the
// prefix, say) are listed without what they hold.
void CollectFiles(const std::wstring& folder, std::set<std::wstring>& entries)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        entries.insert(folder + L"\\" + name);
        bool link = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link) CollectFiles(folder + L"\\" + name, entries);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// What a person's machine holds: every key and value, every file on C:.
struct Snapshot {
    std::set<std::wstring> registry = RegistryEntries();
    std::set<std::wstring> files;
    Snapshot() { CollectFiles(L"C:", files); }
};

} // namespace

TEST(Distribution, InstallsAndUninstallsWithoutResidue)
{
    ASSERT_FALSE(Exists(kInstallFolder)) << "an earlier run left the product installed";
    ASSERT_FALSE(IsRegistered(L"Trenvika"));
    WineTrash trash;
    struct Cleanup {
        // A failed run must not leave the product for the next one.
        ~Cleanup()
        {
            std::error_code ignored;
            std::filesystem::remove_all(kInstallFolder, ignored);
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(L"Trenvika").c_str());
        }
    } cleanup;

    // The folder as it comes on the medium, copied so that the build's
    // folder keeps its script.
    TempFolder medium("-medium");
    std::filesystem::copy(DIST_DIR, medium.Root(), std::filesystem::copy_options::recursive);
    Snapshot before;

    SetupRun setup(medium / L"Setup.exe", L"Trenvika 1.2");
    ASSERT_TRUE(setup.dialog);
    EXPECT_EQ(ItemText(setup.dialog, IDC_FOLDER), kInstallFolder);
    ClickItem(setup.dialog, IDOK);
    ASSERT_TRUE(setup.process.WaitForExit(20000));
    EXPECT_TRUE(Exists(ShellFolder(L"Programs") + L"\\Trenvika\\Trenvika.lnk"));

    // The distribution holds the install's log now, as a writable medium
    // does; started again it is no installed copy that could uninstall (and
    // so delete) itself: it offers the version-up, and installs again.
    SetupRun again(medium / L"Setup.exe", L"Trenvika 1.2");
    ASSERT_TRUE(again.dialog);
    EXPECT_EQ(Caption(Item(again.dialog, IDC_FOLDER_LABEL)), L"&Folder to version up");
    EXPECT_EQ(Caption(Item(again.dialog, IDC_COPY)), L"Co&py");
    EXPECT_EQ(ItemText(again.dialog, IDC_FOLDER), kInstallFolder);
    ClickItem(again.dialog, IDOK);
    // Its files are there, of the same age: one question, answered Yes.
    HWND question = FindMessageBox(again.process.Id(), L"Trenvika 1.2", 15000);
    ASSERT_TRUE(question);
    const std::wstring asked = L"New file exist...\r\n\r\n" + kInstallFolder + L"\\trenvika.exe\r\n";
    EXPECT_EQ(MessageBoxText(question).rfind(asked, 0), 0u);
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(again.process.WaitForExit(20000));
    for (const wchar_t* name : {L"Setup.exe", L"Setup.ini", L"trenvika.exe"})
        EXPECT_TRUE(Exists(medium / name)) << Utf8(name);

    // The uninstall entry as Wine's own tools show it: the command quoted.
    std::string query = ConsoleOutput(L"reg.exe query \"HKLM\\" + UninstallKey(L"Trenvika") + L"\"");
    EXPECT_NE(query.find("UninstallString    REG_SZ    \"C:\\Program Files\\Trenvika\\Setup.exe\" uninstall"),
              std::string::npos)
        << query;
    std::string list = ConsoleOutput(L"uninstaller.exe --list");
    EXPECT_NE(list.find("Trenvika|||Trenvika 1.2"), std::string::npos) << list;

    // Wine's uninstaller runs the registered command: an uninstall without a
    // click, and no report, since everything goes.
    Process uninstaller = Process::LaunchCommandLine(L"uninstaller.exe --remove Trenvika", medium.Root());
    bool reported = false;
    WaitUntil([&] {
        reported = reported || FindMessageBox(0, L"Delete files and folders", 0);
        return !Exists(kInstallFolder);
    }, 30000, 100);
    EXPECT_FALSE(reported);
    ASSERT_TRUE(uninstaller.WaitForExit(10000));
    EXPECT_TRUE(WaitUntil([] { return !Exists(L"C:\\delus.bat"); }, 5000));
    for (const wchar_t* name : {L"trenvika.exe", L"trenvika-cli.exe", L"ReadMe.txt", L"cross-section.dxf"})
        EXPECT_TRUE(trash.Holds(name)) << Utf8(name);

    Snapshot after;
    for (const auto& [from, to] : {std::pair{&before.registry, &after.registry}, {&before.files, &after.files}})
        EXPECT_EQ(Residue(*from, *to, {"trenvika", "by harnel", "delus.bat", "setup.exe", "setup.ini"}), "");
}
