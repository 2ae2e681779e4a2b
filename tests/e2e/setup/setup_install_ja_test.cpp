// An install and an uninstall with the Japanese texts (OEM code page 932).
// The paths are ASCII: without a Japanese locale on the Linux side, Wine
// cannot name files in Japanese here (the double-byte path rules are
// tested natively).
#include <gtest/gtest.h>

#include <filesystem>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

constexpr int kLabel = 1013;

std::string Utf8(const std::wstring& text)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), bytes, nullptr, nullptr);
    result.resize(bytes - 1);
    return result;
}

bool ProgressShows(HWND dialog, const std::wstring& text)
{
    return WaitUntil([&] { return Caption(Item(dialog, kLabel)) == text; }, 15000);
}

} // namespace

TEST(JapaneseInstall, QuestionReportsAndProgress)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
    WineTrash trash;
    const std::wstring key = L"SetupE2EJapanese" + std::to_wstring(GetCurrentProcessId());
    TempFolder target;
    const std::wstring app = target / key;
    std::filesystem::create_directories(app);
    // Found through the uninstall list, as an earlier installation left it.
    UninstallEntry earlier(key, app + L"\\Setup.exe");

    SetupCopy copy(Script({"[Setup]", "Name=表示ソフト", "Auto=1", "[Root]", ("Name=" + Utf8(key)).c_str(),
                           "[MakeDirectory]", "1=doc\\ja", "[CopyFile]", "0=doc\\ja\\readme.txt", "1=ask.dat",
                           "2=lost.dat", "[Del]", "Auto=1", "ShowError=1"}));
    SetWriteTime(copy.Put(L"doc\\ja\\readme.txt", "readme"), 0);
    SetWriteTime(copy.Put(L"ask.dat", "new"), 0);
    WriteBytes(app + L"\\ask.dat", "old");
    SetWriteTime(app + L"\\ask.dat", 0);

    SetupRun install(copy, L"表示ソフト");
    ASSERT_TRUE(install.dialog);
    HWND question = FindMessageBox(install.process.Id(), L"表示ソフト");
    ASSERT_TRUE(question);
    EXPECT_EQ(Caption(Item(install.dialog, kLabel)), L"ファイルをコピーしています．");
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

    EXPECT_EQ(ReadBytes(app + L"\\doc\\ja\\readme.txt"), "readme");
    EXPECT_EQ(ReadBytes(app + L"\\ask.dat"), "new");

    // The uninstall as the uninstall list starts it; the user's file stays.
    WriteBytes(app + L"\\doc\\memo.txt", "mine");
    Process uninstall = Process::Launch(app + L"\\Setup.exe", L"uninstall", app);
    HWND d = FindSetupDialog(uninstall.Id(), L"表示ソフト");
    ASSERT_TRUE(d);
    EXPECT_TRUE(ProgressShows(d, L"システムの設定を削除しています．"));
    HWND remains = FindMessageBox(uninstall.Id(), L"ファイル・フォルダの削除", 15000);
    ASSERT_TRUE(remains);
    EXPECT_EQ(Caption(Item(d, kLabel)), L"ファイルを削除しています．");
    EXPECT_EQ(MessageBoxText(remains), L"次のものは削除されませんでした．\n\n" + app + L"\\doc\n" + app + L"\n");
    AnswerMessageBox(remains, IDOK);
    EXPECT_TRUE(ProgressShows(d, L"アンインストールは終了しました"));
    ASSERT_TRUE(uninstall.WaitForExit(10000));

    EXPECT_FALSE(Exists(app + L"\\doc\\ja"));
    EXPECT_FALSE(Exists(app + L"\\ask.dat"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey(key)));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(app + L"\\Setup.exe"); }, 15000));
    EXPECT_TRUE(Exists(app + L"\\doc\\memo.txt"));
}
