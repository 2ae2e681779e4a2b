// A product installed two folders deep below Program Files from a medium,
// setup started from another folder; brought up to a second version;
// uninstalled as Windows starts its uninstall list's command. And an install
// that says it cannot be uninstalled. In English and Japanese, where the
// folder names hold 表, ソ and 能 (trail byte 0x5C).
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The command of the uninstall list; unquoted, as setup registered it before.
std::string UninstallString(const std::wstring& product)
{
    return RegText(HKEY_LOCAL_MACHINE, Ansi(UninstallKey(product)), "UninstallString");
}
void RegisterUnquoted(const std::wstring& product, const std::wstring& command)
{
    SetRegText(HKEY_LOCAL_MACHINE, Ansi(UninstallKey(product)), "UninstallString", Ansi(command));
}

struct Product {
    std::wstring id = std::to_wstring(GetCurrentProcessId());
    std::wstring company = Say(L"Tool Works ", L"表ソフト工房 ") + id;
    std::wstring name = Japanese() ? id + L" 能率表" : L"Sample Tool " + id;
    std::string title = Pick("Sample Tool", "能率表ソフト");
    std::wstring companyFolder = ProgramFilesFolder() + L"\\" + company;
    std::wstring folder = companyFolder + L"\\" + name;

    std::wstring At(const std::wstring& path) const { return folder + L"\\" + path; }
    ~Product()
    {
        std::error_code ignored;
        std::filesystem::remove_all(companyFolder, ignored);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(name).c_str());
    }
};

} // namespace

TEST(ProgramFilesProduct, VersionUpAndUninstallAsWindowsStartsIt)
{
    Product p;
    WineTrash trash;
    TempFolder elsewhere("-elsewhere");

    // Windows hands a registered command over exactly as registered, quoted
    // or not: what the uninstall below relies on, shown by a program that
    // writes down what it sees.
    const std::wstring probeFolder = elsewhere / L"Program Files\\Tool", probe = probeFolder + L"\\Setup.exe";
    std::filesystem::create_directories(probeFolder);
    ASSERT_TRUE(CopyFileW(PROBE, probe.c_str(), FALSE));
    for (const std::wstring& command : {probe + L" uninstall", L"\"" + probe + L"\" uninstall"}) {
        ASSERT_TRUE(Process::LaunchExactly(probe, command).WaitForExit(10000));
        EXPECT_EQ(ReadBytes(probeFolder + L"\\command-line.txt"), Utf8(command));
    }

    // Version 1 from its medium, started from another folder: the files
    // come from beside setup all the same. Two new folders on the way.
    SetupCopy medium1(Script({"[Setup]", "Name=" + p.title, "Auto=1", "[Root]",
                              "Name=%programs%\\" + Utf8(p.company) + "\\" + Utf8(p.name), "[MakeDirectory]", "1=doc",
                              "[CopyFile]", "0=doc\\readme.txt", "1=settings.ini",
                              "[Del]", "0=*.ini", "Auto=1", "ShowError=1"}));
    medium1.Put(L"doc\\readme.txt", "read me");
    medium1.Put(L"settings.ini", "[v1]");
    Process v1 = Process::Launch(medium1.ProgramPath(), L"", elsewhere.Root());
    ASSERT_TRUE(v1.WaitForExit(20000)) << "a question or report stopped the unattended install";
    EXPECT_EQ(ReadBytes(p.At(L"doc\\readme.txt")), "read me");
    EXPECT_EQ(ReadBytes(p.At(L"Setup.exe")), ReadBytes(SETUP_EXE));
    EXPECT_EQ(Section(p.At(L"Setup.ini"), L"MakedDirectory"),
              (Log{{L"0", p.companyFolder}, {L"1", p.folder}, {L"2", p.At(L"doc")}, {L"Count", L"3"}}));
    EXPECT_EQ(UninstallString(p.name), Ansi(L"\"" + p.At(L"Setup.exe") + L"\" uninstall"));
    std::set<std::wstring> names; // no action log without [Setup] Log, here or on the medium
    for (const std::wstring& folder : {p.folder, medium1.Folder()})
        for (const auto& file : std::filesystem::directory_iterator(folder))
            names.insert(file.path().filename().wstring());
    EXPECT_EQ(names, (std::set<std::wstring>{L"Setup.exe", L"Setup.ini", L"doc", L"settings.ini"}));

    // Version 2 drops the company folder from its default; the earlier
    // installation, registered unquoted as setup did before, is found all
    // the same, and its log is merged into the new one.
    const std::wstring unquoted = p.At(L"Setup.exe") + L" uninstall";
    RegisterUnquoted(p.name, unquoted);
    SetupCopy medium2(Script({"[Setup]", "Name=" + p.title, "Auto=1", "[Root]", "Name=%programs%\\" + Utf8(p.name),
                              "[MakeDirectory]", "1=doc\\en", "[CopyFile]", "0=doc\\en\\guide.txt", "1=?settings.ini",
                              "[Del]", "0=*.ini", "Auto=1", "ShowError=1"}));
    medium2.Put(L"doc\\en\\guide.txt", "guide");
    medium2.Put(L"settings.ini", "[v2]");
    Process v2 = Process::Launch(medium2.ProgramPath(), L"", medium2.Folder());
    ASSERT_TRUE(v2.WaitForExit(20000));
    EXPECT_EQ(ReadBytes(p.At(L"doc\\en\\guide.txt")), "guide");
    EXPECT_EQ(ReadBytes(p.At(L"settings.ini")), "[v2]");
    EXPECT_EQ(Section(p.At(L"Setup.ini"), L"MakedDirectory"),
              (Log{{L"0", p.folder}, {L"1", p.At(L"doc\\en")}, {L"2", p.companyFolder}, {L"3", p.At(L"doc")},
                   {L"Count", L"4"}}));
    EXPECT_EQ(Section(p.At(L"Setup.ini"), L"CopiedFile"),
              (Log{{L"0", p.At(L"doc\\en\\guide.txt")}, {L"1", p.At(L"settings.ini")}, {L"2", p.At(L"doc\\readme.txt")},
                   {L"Count", L"3"}}));
    EXPECT_EQ(UninstallString(p.name), Ansi(L"\"" + p.At(L"Setup.exe") + L"\" uninstall"));

    // The uninstall as Windows starts an unquoted entry: "Files\..." must
    // not be taken for the arguments. "*.ini" matches the script, which
    // must still be read (the log, ShowError) and go last. Everything goes:
    // no report; the made folders deepest first, whatever the merged log's
    // order; the two made folders that hold the program go once it has.
    RegisterUnquoted(p.name, unquoted);
    Process uninstall = Process::LaunchExactly(p.At(L"Setup.exe"), unquoted, elsewhere.Root());
    bool reported = false;
    EXPECT_TRUE(WaitUntil([&] {
        reported = reported || FindMessageBox(uninstall.Id(), L"", 0);
        return !uninstall.Running();
    }, 30000, 100));
    EXPECT_FALSE(reported);
    for (const wchar_t* name : {L"readme.txt", L"guide.txt", L"settings.ini", L"Setup.ini"})
        EXPECT_TRUE(trash.Holds(name)) << Utf8(name);
    EXPECT_FALSE(IsRegistered(p.name));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(p.companyFolder); }, 20000));
    EXPECT_TRUE(Exists(ProgramFilesFolder()));
    for (const SetupCopy* medium : {&medium1, &medium2})
        EXPECT_TRUE(Exists(medium->ScriptPath()) && Exists(medium->ProgramPath()));
}

// An install whose uninstall entry cannot be written (a key name longer
// than the registry takes) and whose setup cannot be placed (a Setup.exe
// held open by another program is in the way) says that it cannot be
// uninstalled. (Wine, unlike Windows, replaces a read-only file.)
TEST(ProgramFilesProduct, SaysWhenItCannotBeUninstalled)
{
    TempFolder target("-target");
    const std::wstring folder = target / L"App";
    WriteBytes(folder + L"\\Setup.exe", "in the way");
    HANDLE held = CreateFileW((folder + L"\\Setup.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::shared_ptr<void> release(held, CloseHandle);

    SetupCopy copy(
        Script({"[Setup]", "Name=Not Ready", "[Root]", "Name=" + std::string(257, 'k'), "[CopyFile]", "0=a.txt"}));
    copy.Put(L"a.txt", "a");
    SetupRun run(copy.ProgramPath(), L"Not Ready");
    ASSERT_TRUE(run.dialog);
    ASSERT_TRUE(SetText(Item(run.dialog, IDC_FOLDER), folder));
    ClickItem(run.dialog, IDOK);
    HWND box = FindMessageBox(run.process.Id(), L"Not Ready", 15000);
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box),
              Say(L"Could not prepare the uninstall.\r\n\r\nThe uninstall entry could not be registered.\r\n"
                  L"Setup.exe and Setup.ini could not be placed in:\r\n",
                  L"アンインストールの準備ができませんでした．\r\n\r\nアンインストール情報を登録できませんでした．\r\n"
                  L"Setup.exe と Setup.ini を次の場所に置けませんでした：\r\n") +
                  folder +
                  Say(L"\r\n\r\nThis installation cannot be uninstalled.",
                      L"\r\n\r\nこのインストールはアンインストールできません．"));
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(run.process.WaitForExit(10000));
    EXPECT_EQ(ReadBytes(folder + L"\\a.txt"), "a");
}
