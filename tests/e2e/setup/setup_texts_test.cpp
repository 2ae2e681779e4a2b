// The Japanese texts of the setup dialog (OEM code page 932), and scripts
// written in Shift-JIS, whose trail bytes may equal the backslash code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

TEST(JapaneseTexts, InstallDialog)
{
    ASSERT_EQ(GetOEMCP(), 932u) << "run with LC_ALL=ja_JP.UTF-8";
    // "表" and "ソ" end in the byte 0x5C: neither may split the name.
    SetupCopy copy(Script({"[Setup]", "Name=表示ソフト", "[Root]", "Name=ソフト表", "[Check]", "Menu=2", "Desktop=1",
                           "Startup=1", "Ext=1", "Send=1", "Copy=1", "Del=1", "[Readme]", "Done=1"}));
    SetupRun run(copy, L"表示ソフト");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    ExpectCaptions(d, {{1013, L"(&F)インストール先"}, {1004, L"(&M)メニューに登録"},
                       {1006, L"(&C)ショートカットを作成"}, {1005, L"(&S)スタートアップに登録"},
                       {1011, L"(&E)関連付けを行う"}, {1012, L"(&T)「送る」に登録する"}, {1022, L"インストーラー"},
                       {1009, L"(&P)コピー"}, {1010, L"(&D)終了後に削除"}, {IDOK, L"実行"}, {IDCANCEL, L"中止"},
                       {3, L"説明を読む"}});
    EXPECT_EQ(ItemText(d, 1007), L"C:\\ソフト表");
    EXPECT_EQ(copy.Value(L"Root", L"Name"), L"ソフト表");
}

TEST(JapaneseTexts, InstalledAndVersionUpLabels)
{
    {
        SetupCopy copy(Script({"[Setup]", "Name=済み", "[Check]", "Menu=1", "[CopiedFile]", "Count=1"}));
        SetupRun run(copy, L"済み");
        ASSERT_TRUE(run.dialog);
        EXPECT_EQ(Caption(Item(run.dialog, 1013)), L"インストール済です．");
        EXPECT_EQ(Caption(Item(run.dialog, 1009)), L"アンインストール");
    }
    {
        std::wstring product = L"SetupE2EVersion" + std::to_wstring(GetCurrentProcessId());
        TempFolder previous;
        std::wstring installed = previous / product;
        std::filesystem::create_directories(installed);
        UninstallEntry entry(product, installed + L"\\Setup.exe");
        std::string name(product.begin(), product.end());
        SetupCopy copy(Script({"[Setup]", "Name=版上げ", "[Root]", ("Name=%programs%\\" + name).c_str(),
                               "[Check]", "Copy=1"}));
        SetupRun run(copy, L"版上げ");
        ASSERT_TRUE(run.dialog);
        EXPECT_EQ(Caption(Item(run.dialog, 1013)), L"(&F)バージョンアップ先");
        EXPECT_EQ(ItemText(run.dialog, 1007), installed);
    }
}
