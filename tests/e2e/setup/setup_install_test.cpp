// A sample product installed, installed again over itself and uninstalled,
// each as a person would do it (English texts: OEM code page 437).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "console_output.h"
#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

using Log = std::map<std::wstring, std::wstring>;

constexpr int kLabel = 1013;

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end()); // the test's paths are ASCII
}

// Waits for the progress line to read `text`.
bool ProgressShows(HWND dialog, const std::wstring& text)
{
    return WaitUntil([&] { return Caption(Item(dialog, kLabel)) == text; }, 15000);
}

bool IsDefaultButton(HWND box, int id)
{
    return (Style(Item(box, id)) & 0x0F) == BS_DEFPUSHBUTTON;
}

// The product as it leaves the distribution folders and where it goes.
struct SampleProduct {
    std::wstring key = L"SetupE2ESample" + std::to_wstring(GetCurrentProcessId());
    TempFolder target{L"-target"};
    std::wstring app = target / L"Sample App";

    std::wstring At(const std::wstring& name) const { return app + L"\\" + name; }
    std::string Line(const char* key, const std::wstring& name) const
    {
        return std::string(key) + "=" + Narrow(At(name));
    }
};

// The first installation, driven through the dialog into a folder that the
// user types and that holds files already: one older than the product's,
// three newer (one kept, one replaced, one asked about: Yes).
void InstallThroughTheDialog(const SampleProduct& p)
{
    SetupCopy copy(Script({"[Setup]", "Name=Sample Product", "[Root]", ("Name=" + Narrow(p.key)).c_str(),
                           "[Check]", "Menu=0", "Desktop=0", "Startup=1", "Ext=2", "Send=1", "Copy=2", "Del=1",
                           "[Menu]", "Change=C:\\Picked\\Menu",
                           "[MakeDirectory]", "1=bin", "2=doc\\en",
                           "[CopyFile]", "Self=sample-1.0.exe", "DefaultNo=1",
                           "0=ReadMe.txt", "1=bin\\tool.exe", "2=doc\\en\\guide.txt", "3=!settings.ini",
                           "4=&keep.dat", "5=?replace.dat", "6=ask.dat", "7=older.dat", "8=lost.dat",
                           "9=*gone.dat", "10=!&shared.dll"}));
    for (const wchar_t* name : {L"ReadMe.txt", L"bin\\tool.exe", L"doc\\en\\guide.txt", L"settings.ini", L"keep.dat",
                                L"replace.dat", L"ask.dat", L"older.dat", L"shared.dll", L"sample-1.0.exe"})
        SetWriteTime(copy.Put(name, "new " + Narrow(name)), 0);
    std::filesystem::create_directories(p.app);
    for (const wchar_t* name : {L"keep.dat", L"replace.dat"}) {
        WriteBytes(p.At(name), "user's");
        SetWriteTime(p.At(name), 1);
    }
    WriteBytes(p.At(L"ask.dat"), "user's");
    SetWriteTime(p.At(L"ask.dat"), 0);
    WriteBytes(p.At(L"older.dat"), "user's");
    SetWriteTime(p.At(L"older.dat"), -1);

    SetupRun run(copy, L"Sample Product");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    ASSERT_TRUE(SetText(Item(d, 1007), p.app));
    ClickItem(d, 1010);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(d, 1010); }));
    ClickItem(d, IDOK);

    // One question for the files of the same age or newer, No by default here.
    HWND question = FindMessageBox(run.process.Id(), L"Sample Product");
    ASSERT_TRUE(question);
    EXPECT_EQ(Caption(Item(d, kLabel)), L"Copying files...");
    EXPECT_EQ(MessageBoxText(question), L"New file exist...\r\n\r\n" + p.At(L"ask.dat") + L"\r\n\r\nOverwrite?");
    EXPECT_TRUE(IsDefaultButton(question, IDNO));
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(question));

    // The missing source is reported, the one marked "*" is not.
    HWND report = FindMessageBox(run.process.Id(), L"Sample Product");
    ASSERT_TRUE(report);
    EXPECT_EQ(MessageBoxText(report), L"Could not copy these...\r\n\r\n" + p.At(L"lost.dat") + L"\r\n\r\nContinue...");
    AnswerMessageBox(report, IDOK);

    EXPECT_TRUE(ProgressShows(d, L"System setup..."));
    EXPECT_TRUE(ProgressShows(d, L"Completed."));
    ASSERT_TRUE(run.process.WaitForExit(10000));
    EXPECT_EQ(run.process.ExitCode(), 0u);

    EXPECT_EQ(ReadBytes(p.At(L"bin\\tool.exe")), "new bin\\tool.exe");
    EXPECT_EQ(ReadBytes(p.At(L"settings.ini")), "new settings.ini");
    EXPECT_EQ(ReadBytes(p.At(L"keep.dat")), "user's");
    EXPECT_EQ(ReadBytes(p.At(L"replace.dat")), "new replace.dat");
    EXPECT_EQ(ReadBytes(p.At(L"ask.dat")), "new ask.dat");
    EXPECT_EQ(ReadBytes(p.At(L"older.dat")), "new older.dat");
    EXPECT_EQ(ReadBytes(p.At(L"sample-1.0.exe")), "new sample-1.0.exe");
    EXPECT_FALSE(Exists(p.At(L"lost.dat")));

    // The log: the install folder that was there already, then the made
    // folders outer first; the copies in their order, the answered one and
    // the installer file last, none of the "!" entries.
    std::wstring installed = p.At(L"Setup.ini");
    EXPECT_EQ(Section(installed, L"MakedDirectory"),
              (Log{{L"0", p.app}, {L"1", p.At(L"bin")}, {L"2", p.At(L"doc")}, {L"3", p.At(L"doc\\en")}, {L"Count", L"4"}}));
    EXPECT_EQ(Section(installed, L"CopiedFile"),
              (Log{{L"0", p.At(L"ReadMe.txt")}, {L"1", p.At(L"bin\\tool.exe")}, {L"2", p.At(L"doc\\en\\guide.txt")},
                   {L"3", p.At(L"replace.dat")}, {L"4", p.At(L"older.dat")}, {L"5", p.At(L"ask.dat")},
                   {L"6", p.At(L"sample-1.0.exe")}, {L"Count", L"7"}}));
    EXPECT_EQ(Section(installed, L"Root")[L"Named"], p.app);
    EXPECT_EQ(Section(installed, L"Check")[L"Copy"], L"2");
    EXPECT_EQ(Section(installed, L"Check")[L"Del"], L"2");
    EXPECT_EQ(Section(installed, L"Menu"), (Log{{L"Change", L""}, {L"Named", L"C:\\Picked\\Menu"}}));
    EXPECT_EQ(ReadBytes(installed), copy.ScriptBytes());
    EXPECT_EQ(ReadBytes(p.At(L"Setup.exe")), ReadBytes(copy.ProgramPath()));

    // The uninstall entry, as Wine's own tools see it.
    std::string query = ConsoleOutput(L"reg.exe query \"HKLM\\" + UninstallKey(p.key) + L"\"");
    EXPECT_NE(query.find("DisplayName    REG_SZ    Sample Product"), std::string::npos) << query;
    EXPECT_NE(query.find("UninstallString    REG_SZ    " + Narrow(p.At(L"Setup.exe")) + "\r\n"), std::string::npos)
        << query;
    std::string list = ConsoleOutput(L"uninstaller.exe --list");
    EXPECT_NE(list.find(Narrow(p.key) + "|||Sample Product"), std::string::npos) << list;
}

// The second installation, unattended, into the same folder found through
// the uninstall list: the asked file answered No, every copy marked "!",
// so nothing of its own logged, and the earlier log merged in (a folder
// named in another letter case counts as another entry).
void InstallAgainUnattended(const SampleProduct& p)
{
    SetupCopy copy(Script({"[Setup]", "Name=Sample Product", "Auto=1", "[Root]", ("Name=" + Narrow(p.key)).c_str(),
                           "[Check]", "Menu=0", "Desktop=0", "Startup=1", "Ext=2", "Send=1", "Copy=1", "Del=1",
                           "[MakeDirectory]", "1=BIN",
                           "[CopyFile]", "0=settings.ini", "1=!&bin\\tool.exe", "2=!new.txt",
                           "[Del]", "0=*.log", "1=settings.ini", "ShowError=1", "Force=1",
                           "[DirRemove]", "0=logs", "1=%root%\\cache"}));
    for (const wchar_t* name : {L"settings.ini", L"bin\\tool.exe", L"new.txt"})
        SetWriteTime(copy.Put(name, "second " + Narrow(name)), 0);

    SetupRun run(copy, L"Sample Product");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    SetupLayout layout;
    // Unattended: no buttons, the saving plus one row cut off.
    for (int id : {IDOK, IDCANCEL, 3, 1018, 1008}) EXPECT_FALSE(IsItemVisible(d, id)) << id;
    EXPECT_EQ(ClientSize(d).cy, layout.ClientSize(3).cy);
    EXPECT_ITEM_AT(d, 1011, layout.At(7, 98, 83, 10, 2));
    EXPECT_TRUE(IsItemChecked(d, 1011));

    HWND question = FindMessageBox(run.process.Id(), L"Sample Product");
    ASSERT_TRUE(question);
    EXPECT_EQ(ItemText(d, 1007), p.app); // the earlier installation's folder
    EXPECT_EQ(MessageBoxText(question), L"New file exist...\r\n\r\n" + p.At(L"settings.ini") + L"\r\n\r\nOverwrite?");
    EXPECT_TRUE(IsDefaultButton(question, IDYES));
    AnswerMessageBox(question, IDNO);
    ASSERT_TRUE(run.process.WaitForExit(15000));

    EXPECT_EQ(ReadBytes(p.At(L"settings.ini")), "new settings.ini");
    EXPECT_EQ(ReadBytes(p.At(L"bin\\tool.exe")), "new bin\\tool.exe");
    EXPECT_EQ(ReadBytes(p.At(L"new.txt")), "second new.txt");

    std::wstring installed = p.At(L"Setup.ini");
    EXPECT_EQ(ReadBytes(installed), copy.ScriptBytes());
    EXPECT_EQ(Section(installed, L"MakedDirectory"),
              (Log{{L"0", p.app}, {L"1", p.At(L"BIN")}, {L"2", p.At(L"bin")}, {L"3", p.At(L"doc")},
                   {L"4", p.At(L"doc\\en")}, {L"Count", L"5"}}));
    EXPECT_EQ(Section(installed, L"CopiedFile"),
              (Log{{L"1", p.At(L"ReadMe.txt")}, {L"2", p.At(L"bin\\tool.exe")}, {L"3", p.At(L"doc\\en\\guide.txt")},
                   {L"4", p.At(L"replace.dat")}, {L"5", p.At(L"older.dat")}, {L"6", p.At(L"ask.dat")},
                   {L"7", p.At(L"sample-1.0.exe")}, {L"Count", L"8"}}));
    // The Start-menu folder of the earlier installation is kept, and so is
    // its entry in the uninstall list, though the folder has another name.
    EXPECT_EQ(Section(installed, L"Menu")[L"Named"], L"C:\\Picked\\Menu");
    EXPECT_EQ(Section(installed, L"Root")[L"Name"], p.key);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey(L"Sample App")));
}

// The uninstall from the installed copy, with its checkbox, after the
// program and its user added files: what was logged and what the delete
// patterns match goes to the Recycle Bin, empty folders go, what stays is
// reported, and once setup has ended its removal copy takes the program
// but leaves the folder that still holds files.
void UninstallThroughTheDialog(const SampleProduct& p)
{
    WineTrash trash;
    ASSERT_TRUE(trash.Known()) << "XDG_DATA_HOME is not set for this test";
    WriteBytes(p.At(L"doc\\en\\notes.txt"), "the user's notes");
    WriteBytes(p.At(L"run.log"), "log");
    SetFileAttributesW(p.At(L"ReadMe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::filesystem::create_directories(p.At(L"cache"));
    std::filesystem::create_directories(p.At(L"logs"));

    Process process = Process::Launch(p.At(L"Setup.exe"), L"", p.app);
    HWND d = FindSetupDialog(process.Id(), L"Sample Product");
    ASSERT_TRUE(d);
    EXPECT_EQ(Caption(Item(d, kLabel)), L"Installed");
    ClickItem(d, 1009);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(d, 1009); }));
    ClickItem(d, IDOK);
    EXPECT_TRUE(ProgressShows(d, L"Unsetup system..."));

    HWND report = FindMessageBox(process.Id(), L"Delete files and folders", 15000);
    ASSERT_TRUE(report);
    EXPECT_EQ(Caption(Item(d, kLabel)), L"Deleting files...");
    EXPECT_EQ(MessageBoxText(report), L"Could not delete these...\n\n" + p.At(L"doc\\en") + L"\n" + p.At(L"doc") +
                                          L"\n" + p.app + L"\n");
    for (const wchar_t* name : {L"ReadMe.txt", L"bin\\tool.exe", L"doc\\en\\guide.txt", L"replace.dat", L"older.dat",
                                L"ask.dat", L"sample-1.0.exe", L"run.log", L"settings.ini", L"bin", L"cache"})
        EXPECT_FALSE(Exists(p.At(name))) << Narrow(name);
    for (const wchar_t* name : {L"ReadMe.txt", L"guide.txt", L"run.log", L"settings.ini"})
        EXPECT_TRUE(trash.Holds(name)) << Narrow(name);
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(d, L"Uninstall completed."));
    ASSERT_TRUE(process.WaitForExit(10000));

    EXPECT_FALSE(Exists(p.At(L"Setup.ini")));
    EXPECT_TRUE(trash.Holds(L"Setup.ini"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey(p.key)));
    std::string list = ConsoleOutput(L"uninstaller.exe --list");
    EXPECT_EQ(list.find(Narrow(p.key)), std::string::npos) << list;

    // The removal copy waits 5 seconds, then its batch file deletes the
    // program and tries the folder, which keeps what is not the product's.
    EXPECT_TRUE(WaitUntil([&] { return !Exists(p.At(L"Setup.exe")); }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(L"C:\\delus.bat"); }, 5000));
    for (const wchar_t* name : {L"doc\\en\\notes.txt", L"keep.dat", L"shared.dll", L"new.txt", L"logs"})
        EXPECT_TRUE(Exists(p.At(name))) << Narrow(name);
}

} // namespace

TEST(SampleProduct, InstallReinstallAndUninstall)
{
    SampleProduct product;
    struct Cleanup {
        const SampleProduct& p;
        ~Cleanup()
        {
            for (const std::wstring& key : {p.key, std::wstring(L"Sample App")})
                RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(key).c_str());
        }
    } cleanup{product};

    InstallThroughTheDialog(product);
    if (HasFatalFailure()) return;
    InstallAgainUnattended(product);
    if (HasFatalFailure()) return;
    UninstallThroughTheDialog(product);
}
