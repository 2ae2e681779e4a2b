// Screenshots of the setup dialog for the README, in the language that the
// environment gives (LC_ALL=C.UTF-8: English, LC_ALL=ja_JP.UTF-8: Japanese):
//   wine-run setup_screenshots.exe OUTPUT_FOLDER
// Not a test: one install and its uninstall write setup-install-<lang>.png
// (the dialog), setup-question-<lang>.png (the overwrite question during
// the copy), setup-installed-<lang>.png (the installed copy, which offers
// uninstall) and setup-uninstall-<lang>.png (the report of what stayed).
#include <cstdio>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The dialog, with room for a message box over it, once it has painted.
bool Save(HWND dialog, const std::wstring& file, int margin = 12)
{
    Sleep(500);
    return dialog && SaveScreenshot(file, dialog, margin);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: setup_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const bool japanese = GetOEMCP() == 932;
    const std::wstring prefix = std::wstring(argv[1]) + L"\\setup-";
    const std::wstring suffix = japanese ? L"-ja.png" : L"-en.png";
    const std::wstring title = L"Trenvika 1.2";
    WineWindowFrames frames{L"Setup.exe"};
    WineTrash trash; // the uninstalled files go to the build's trash

    // Installed into a folder that holds a file of the same age as the
    // product's, so that the question comes; uninstalled after the user
    // added a file, so that the report comes.
    SetupCopy product(Script({"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika",
                              "[Check]", "Menu=2", "Desktop=2", "Startup=0", "Ext=1", "Send=1", "Copy=1", "Del=0",
                              "[Menu]", "Name=Trenvika", "[Desktop]", "Name=Trenvika", "Icon=Setup.exe",
                              "[Readme]", "Done=1", "[CopyFile]", "Self=Setup.exe", "0=trenvika.exe", "1=ReadMe.txt",
                              "[Del]", "ShowError=1"}));
    product.Put(L"trenvika.exe", "program");
    product.Put(L"ReadMe.txt", "readme");
    TempFolder target;
    const std::wstring app = target / L"Trenvika";
    WriteBytes(app + L"\\ReadMe.txt", "readme");
    SetWriteTime(app + L"\\ReadMe.txt", 0);

    SetupRun install(product.ProgramPath(), title);
    bool ok = Save(install.dialog, prefix + L"install" + suffix);
    SetText(Item(install.dialog, 1007), app);
    ClickItem(install.dialog, IDOK);
    HWND question = FindMessageBox(install.process.Id(), title, 20000);
    ok = Save(install.dialog, prefix + L"question" + suffix, 90) && question && ok;
    AnswerMessageBox(question, IDYES);
    install.process.WaitForExit(15000);

    WriteBytes(app + L"\\my-drawing.dxf", "0\r\nEOF\r\n");
    SetupRun uninstall(app + L"\\Setup.exe", title);
    ok = Save(uninstall.dialog, prefix + L"installed" + suffix) && ok;
    ClickItem(uninstall.dialog, 1009);
    WaitUntil([&] { return IsItemChecked(uninstall.dialog, 1009); });
    ClickItem(uninstall.dialog, IDOK);
    const std::wstring caption = japanese ? L"ファイル・フォルダの削除" : L"Delete files and folders";
    HWND report = FindMessageBox(uninstall.process.Id(), caption, 20000);
    ok = Save(uninstall.dialog, prefix + L"uninstall" + suffix, 90) && report && ok;
    AnswerMessageBox(report, IDOK);
    uninstall.process.WaitForExit(15000);
    WaitUntil([&] { return !Exists(app + L"\\Setup.exe"); }, 15000); // the removal copy's work
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(L"Trenvika").c_str());
    return ok ? 0 : 1;
}
