// An install and an uninstall with the Japanese texts (OEM code page 932).
// The paths are ASCII: without a Japanese locale on the Linux side, Wine
// cannot name files in Japanese here (the double-byte path rules are
// tested natively).
#include <gtest/gtest.h>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

// The uninstall is started as the uninstall list starts it, with the
// argument "uninstall" and Del Auto: no click. The user's file stays.
TEST(JapaneseInstall, DialogQuestionReportsAndProgress)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
    WineTrash trash;
    const std::wstring key = L"SetupE2EJapanese" + std::to_wstring(GetCurrentProcessId());
    TempFolder target;
    const std::wstring app = target / key;
    struct Cleanup {
        std::wstring key;
        ~Cleanup() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(key).c_str()); }
    } cleanup{key};

    // "表" and "ソ" end in the byte 0x5C: neither may split the title.
    SetupCopy copy(Script({"[Setup]", "Name=表示ソフト", "[Root]", ("Name=" + Narrow(key)).c_str(),
                           "[Check]", "Menu=2", "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=1", "Del=1",
                           "[Readme]", "Done=1", "[MakeDirectory]", "1=doc\\ja",
                           "[CopyFile]", "0=doc\\ja\\readme.txt", "1=ask.dat", "2=lost.dat",
                           "[Del]", "Auto=1", "ShowError=1"}));
    copy.Put(L"doc\\ja\\readme.txt", "readme");
    copy.Put(L"ask.dat", "new");
    WriteBytes(app + L"\\ask.dat", "old");
    SetWriteTime(app + L"\\ask.dat", 0);

    SetupRun install(copy.ProgramPath(), L"表示ソフト");
    ASSERT_TRUE(install.dialog);
    ExpectCaptions(install.dialog, {{1013, L"(&F)インストール先"}, {1004, L"(&M)メニューに登録"},
                                    {1006, L"(&C)ショートカットを作成"}, {1005, L"(&S)スタートアップに登録"},
                                    {1011, L"(&E)関連付けを行う"}, {1012, L"(&T)「送る」に登録する"},
                                    {1022, L"インストーラー"}, {1009, L"(&P)コピー"}, {1010, L"(&D)終了後に削除"},
                                    {IDOK, L"実行"}, {IDCANCEL, L"中止"}, {3, L"説明を読む"}});
    ASSERT_TRUE(SetText(Item(install.dialog, 1007), app));
    ClickItem(install.dialog, IDOK);

    HWND question = FindMessageBox(install.process.Id(), L"表示ソフト");
    ASSERT_TRUE(question);
    EXPECT_EQ(Caption(Item(install.dialog, 1013)), L"ファイルをコピーしています．");
    EXPECT_EQ(MessageBoxText(question),
              L"以下のファイルは新しいものが存在します．\r\n\r\n" + app + L"\\ask.dat\r\n\r\n上書きしますか？");
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(question));
    HWND report = FindMessageBox(install.process.Id(), L"表示ソフト");
    ASSERT_TRUE(report);
    EXPECT_EQ(MessageBoxText(report),
              L"以下のファイルはコピーできませんでした\r\n\r\n" + app + L"\\lost.dat\r\n\r\n処理は継続します");
    AnswerMessageBox(report, IDOK);
    EXPECT_TRUE(ProgressShows(install.dialog, L"システムの設定をしています．"));
    EXPECT_TRUE(ProgressShows(install.dialog, L"終了しました．"));
    ASSERT_TRUE(install.process.WaitForExit(10000));

    WriteBytes(app + L"\\doc\\memo.txt", "mine");
    SetupRun uninstall(app + L"\\Setup.exe", L"表示ソフト", L"uninstall");
    ASSERT_TRUE(uninstall.dialog);
    EXPECT_TRUE(ProgressShows(uninstall.dialog, L"システムの設定を削除しています．"));
    HWND remains = FindMessageBox(uninstall.process.Id(), L"ファイル・フォルダの削除", 15000);
    ASSERT_TRUE(remains);
    EXPECT_EQ(Caption(Item(uninstall.dialog, 1013)), L"ファイルを削除しています．");
    EXPECT_EQ(MessageBoxText(remains), L"次のものは削除されませんでした．\n\n" + app + L"\\doc\n" + app + L"\n");
    AnswerMessageBox(remains, IDOK);
    EXPECT_TRUE(ProgressShows(uninstall.dialog, L"アンインストールは終了しました"));
    ASSERT_TRUE(uninstall.process.WaitForExit(10000));

    EXPECT_FALSE(IsRegistered(key));
}
