// A sample product installed, installed again over itself and uninstalled,
// each as a person would do it, in English (OEM code page 437) and in
// Japanese (932): ctest runs this program in both.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "sample_settings.h"
#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

std::wstring OverwriteQuestion(const std::wstring& path)
{
    return Say(L"New file exist...", L"以下のファイルは新しいものが存在します．") + L"\r\n\r\n" + path + L"\r\n\r\n" +
           Say(L"Overwrite?", L"上書きしますか？");
}

// The product as it leaves the distribution folders and where it goes.
// "表" and "ソ" of the Japanese name end in the byte 0x5C: neither may
// split the title.
struct SampleProduct {
    std::string nameLine = GetOEMCP() == 932 ? "Name=表示ソフト" : "Name=Sample Product";
    std::wstring title = Say(L"Sample Product", L"表示ソフト");
    std::wstring key = L"SetupE2ESample" + std::to_wstring(GetCurrentProcessId());
    TempFolder target{"-target"};
    std::wstring app = target / L"Sample App";
    SampleSettings settings{target.Root(), app};

    std::wstring At(const std::wstring& name) const { return app + L"\\" + name; }
};

// The first installation, driven through the dialog into a folder that the
// user types and that holds files already: one older than the product's,
// three newer (one kept, one replaced, one asked about: Yes).
void InstallThroughTheDialog(const SampleProduct& p)
{
    SetupCopy copy(Script({"[Setup]", p.nameLine.c_str(), "[Root]", ("Name=" + Narrow(p.key)).c_str(),
                           "[Check]", "Menu=0", "Desktop=0", "Startup=1", "Ext=2", "Send=1", "Copy=2", "Del=1",
                           "[Menu]", "Change=C:\\Picked\\Menu",
                           "[MakeDirectory]", "1=bin", "2=doc\\en",
                           "[CopyFile]", "Self=sample-1.0.exe",
                           "0=ReadMe.txt", "1=bin\\tool.exe", "2=doc\\en\\guide.txt", "3=!settings.ini",
                           "4=&keep.dat", "5=?replace.dat", "6=ask.dat", "7=older.dat", "8=lost.dat",
                           "9=*gone.dat", "10=!&shared.dll"}) +
                   p.settings.ScriptLines());
    for (const wchar_t* name : {L"ReadMe.txt", L"bin\\tool.exe", L"doc\\en\\guide.txt", L"settings.ini", L"keep.dat",
                                L"replace.dat", L"ask.dat", L"older.dat", L"shared.dll", L"sample-1.0.exe"})
        copy.Put(name, "new " + Narrow(name));
    for (auto [name, hours] : {std::pair{L"keep.dat", 1}, {L"replace.dat", 1}, {L"ask.dat", 0}, {L"older.dat", -1}}) {
        WriteBytes(p.At(name), "user's");
        SetWriteTime(p.At(name), hours);
    }

    SetupRun run(copy.ProgramPath(), p.title);
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    ExpectCaptions(d, {{IDC_FOLDER_LABEL, Say(L"&Folder to install...", L"(&F)インストール先")},
                       {IDC_MENU, Say(L"&Menu", L"(&M)メニューに登録")},
                       {IDC_DESKTOP, Say(L"Short&Cut", L"(&C)ショートカットを作成")},
                       {IDC_STARTUP, Say(L"&Startup", L"(&S)スタートアップに登録")},
                       {IDC_EXT, Say(L"Relate to &Ext.", L"(&E)関連付けを行う")},
                       {IDC_SEND, Say(L"Send &To", L"(&T)「送る」に登録する")}, {IDC_COPY, Say(L"Co&py", L"(&P)コピー")},
                       {IDC_DELETE_AFTER, Say(L"&Delete after...", L"(&D)終了後に削除")}, {IDOK, Say(L"OK", L"実行")},
                       {IDCANCEL, Say(L"Cancel", L"中止")}, {IDC_README, Say(L"Readme", L"説明を読む")}});
    ASSERT_TRUE(SetText(Item(d, IDC_FOLDER), p.app));
    ClickItem(d, IDC_DELETE_AFTER);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(d, IDC_DELETE_AFTER); }));
    ScreenshotForReadme(d, L"setup-install-" + Language() + L".png");
    ClickItem(d, IDOK);

    // One question for the files of the same age or newer.
    HWND question = FindMessageBox(run.process.Id(), p.title);
    ASSERT_TRUE(question);
    EXPECT_EQ(Caption(Item(d, IDC_FOLDER_LABEL)), Say(L"Copying files...", L"ファイルをコピーしています．"));
    EXPECT_EQ(MessageBoxText(question), OverwriteQuestion(p.At(L"ask.dat")));
    ScreenshotForReadme(d, L"setup-question-" + Language() + L".png", 90);
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(question));

    // The missing source is reported, the one marked "*" is not.
    HWND report = FindMessageBox(run.process.Id(), p.title);
    ASSERT_TRUE(report);
    EXPECT_EQ(MessageBoxText(report), Say(L"Could not copy these...", L"以下のファイルはコピーできませんでした") +
                                          L"\r\n\r\n" + p.At(L"lost.dat") + L"\r\n\r\n" +
                                          Say(L"Continue...", L"処理は継続します"));
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(d, Say(L"System setup...", L"システムの設定をしています．")));
    EXPECT_TRUE(ProgressShows(d, Say(L"Completed.", L"終了しました．")));
    ASSERT_TRUE(run.process.WaitForExit(10000));
    for (auto [name, bytes] : {std::pair{L"settings.ini", "new settings.ini"}, {L"keep.dat", "user's"},
                               {L"replace.dat", "new replace.dat"}, {L"ask.dat", "new ask.dat"},
                               {L"older.dat", "new older.dat"}, {L"sample-1.0.exe", "new sample-1.0.exe"}})
        EXPECT_EQ(ReadBytes(p.At(name)), bytes) << Narrow(name);

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
    EXPECT_EQ(Section(installed, L"Menu"), (Log{{L"Change", L""}, {L"Named", L"C:\\Picked\\Menu"}}));
    EXPECT_EQ(ReadBytes(installed), ReadBytes(copy.ScriptPath()));
    EXPECT_EQ(ReadBytes(p.At(L"Setup.exe")), ReadBytes(copy.ProgramPath()));
    p.settings.ExpectMade();
}

// The second installation, unattended, into the same folder, found through
// the uninstall list, whose options are preset from the earlier choices:
// the asked file answered No, every copy marked "!", so nothing of its own
// logged, and the earlier log merged in (a folder named in another letter
// case counts as another entry).
void InstallAgainUnattended(const SampleProduct& p)
{
    SetupCopy copy(Script({"[Setup]", p.nameLine.c_str(), "Auto=1", "[Root]", ("Name=" + Narrow(p.key)).c_str(),
                           "[Check]", "Menu=0", "Desktop=0", "Startup=2", "Ext=1", "Send=1", "Copy=1", "Del=1",
                           "[MakeDirectory]", "1=BIN",
                           "[CopyFile]", "0=settings.ini", "1=!&bin\\tool.exe", "2=!new.txt",
                           "[Del]", "0=*.log", "1=settings.ini", "ShowError=1", "Force=1",
                           "[DirRemove]", "0=logs", "1=%root%\\cache"}) +
                   p.settings.ScriptLines());
    for (const wchar_t* name : {L"settings.ini", L"bin\\tool.exe", L"new.txt"})
        copy.Put(name, "second " + Narrow(name));

    SetupRun run(copy.ProgramPath(), p.title);
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    // Unattended: no buttons, the saving (two rows) plus one row cut off.
    for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME, IDC_BROWSE_FOLDER}) EXPECT_FALSE(IsItemVisible(d, id)) << id;
    EXPECT_EQ(ClientSize(d).cy, FullDialog::Get().ClientHeight(3));
    EXPECT_FALSE(IsItemChecked(d, IDC_STARTUP)); // 2 here, 1 before
    EXPECT_TRUE(IsItemChecked(d, IDC_EXT));      // 1 here, 2 before

    HWND question = FindMessageBox(run.process.Id(), p.title);
    ASSERT_TRUE(question);
    EXPECT_EQ(ItemText(d, IDC_FOLDER), p.app);
    EXPECT_EQ(MessageBoxText(question), OverwriteQuestion(p.At(L"settings.ini")));
    AnswerMessageBox(question, IDNO);
    ASSERT_TRUE(run.process.WaitForExit(15000));

    EXPECT_EQ(ReadBytes(p.At(L"settings.ini")), "new settings.ini");
    EXPECT_EQ(ReadBytes(p.At(L"bin\\tool.exe")), "new bin\\tool.exe");
    EXPECT_EQ(ReadBytes(p.At(L"new.txt")), "second new.txt");

    std::wstring installed = p.At(L"Setup.ini");
    EXPECT_EQ(ReadBytes(installed), ReadBytes(copy.ScriptPath()));
    EXPECT_EQ(Section(installed, L"MakedDirectory"),
              (Log{{L"0", p.app}, {L"1", p.At(L"BIN")}, {L"2", p.At(L"bin")}, {L"3", p.At(L"doc")},
                   {L"4", p.At(L"doc\\en")}, {L"Count", L"5"}}));
    // This install logged no file of its own: the earlier log fills it from key 0.
    EXPECT_EQ(Section(installed, L"CopiedFile"),
              (Log{{L"0", p.At(L"ReadMe.txt")}, {L"1", p.At(L"bin\\tool.exe")}, {L"2", p.At(L"doc\\en\\guide.txt")},
                   {L"3", p.At(L"replace.dat")}, {L"4", p.At(L"older.dat")}, {L"5", p.At(L"ask.dat")},
                   {L"6", p.At(L"sample-1.0.exe")}, {L"Count", L"7"}}));
    // The Start-menu folder of the earlier installation is kept, and so is
    // its entry in the uninstall list, though the folder has another name.
    EXPECT_EQ(Section(installed, L"Menu")[L"Named"], L"C:\\Picked\\Menu");
    EXPECT_EQ(Section(installed, L"Root")[L"Name"], p.key);
    EXPECT_FALSE(IsRegistered(L"Sample App"));
    p.settings.ExpectMade();
}

// The uninstall from the installed copy, with its checkbox, after the
// program and its user added files: what was logged and what the delete
// patterns match goes to the Recycle Bin, empty folders go, what stays is
// reported, and once setup has ended its removal copy takes the program
// but leaves the folder that still holds files.
void UninstallThroughTheDialog(const SampleProduct& p)
{
    WineTrash trash;
    WriteBytes(p.At(L"doc\\en\\notes.txt"), "the user's notes");
    WriteBytes(p.At(L"run.log"), "log");
    SetFileAttributesW(p.At(L"ReadMe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::filesystem::create_directories(p.At(L"cache"));
    std::filesystem::create_directories(p.At(L"logs"));
    p.settings.UseAsTheProgramWould();

    // The installed copy offers uninstall in the Start-menu row; checked,
    // it disables the other options.
    SetupRun run(p.At(L"Setup.exe"), p.title);
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
                                          p.At(L"doc\\en") + L"\n" + p.At(L"doc") + L"\n" + p.app + L"\n");
    ScreenshotForReadme(d, L"setup-uninstall-" + Language() + L".png", 90);
    for (const wchar_t* name : {L"ReadMe.txt", L"bin\\tool.exe", L"doc\\en\\guide.txt", L"replace.dat", L"older.dat",
                                L"ask.dat", L"sample-1.0.exe", L"run.log", L"settings.ini", L"bin", L"cache"})
        EXPECT_FALSE(Exists(p.At(name))) << Narrow(name);
    for (const wchar_t* name : {L"ReadMe.txt", L"guide.txt", L"run.log", L"settings.ini"})
        EXPECT_TRUE(trash.Holds(name)) << Narrow(name);
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(d, Say(L"Uninstall completed.", L"アンインストールは終了しました")));
    ASSERT_TRUE(run.process.WaitForExit(10000));
    EXPECT_FALSE(Exists(p.At(L"Setup.ini")));
    EXPECT_TRUE(trash.Holds(L"Setup.ini"));
    EXPECT_FALSE(IsRegistered(p.key));

    // The removal copy waits 5 seconds, then its batch file deletes the
    // program and tries the folder, which keeps what is not the product's.
    EXPECT_TRUE(WaitUntil([&] { return !Exists(p.At(L"Setup.exe")); }, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(L"C:\\delus.bat"); }, 5000));
    for (const wchar_t* name : {L"doc\\en\\notes.txt", L"keep.dat", L"shared.dll", L"new.txt", L"logs"})
        EXPECT_TRUE(Exists(p.At(name))) << Narrow(name);
    p.settings.ExpectRemoved();
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
