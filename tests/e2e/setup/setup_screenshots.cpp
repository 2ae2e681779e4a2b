// Screenshots of the setup dialog for the README, in the language that the
// environment gives (LC_ALL=C.UTF-8: English, LC_ALL=ja_JP.UTF-8: Japanese):
//   wine-run setup_screenshots.exe OUTPUT_FOLDER
// Not a test: it writes setup-install-<lang>.png, setup-installed-<lang>.png,
// setup-question-<lang>.png (the overwrite question during the copy) and
// setup-uninstall-<lang>.png (the report of what an uninstall left).
#include <cstdio>
#include <filesystem>
#include <string>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

const char* const kProduct[] = {"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika"};

bool Shoot(const std::string& script, const std::wstring& title, const std::wstring& file)
{
    SetupCopy copy(script);
    SetupRun run(copy, title);
    if (!run.dialog) return false;
    Sleep(500); // let it paint
    bool saved = SaveScreenshot(file, run.dialog, 12);
    ClickItem(run.dialog, IDCANCEL);
    run.process.WaitForExit(8000);
    return saved;
}

// A message box of setup over its dialog.
bool ShootBox(const Process& process, HWND dialog, const std::wstring& caption, const std::wstring& file, int answer)
{
    HWND box = FindMessageBox(process.Id(), caption, 20000);
    if (!box) return false;
    Sleep(500);
    bool saved = SaveScreenshot(file, dialog, 90);
    AnswerMessageBox(box, answer);
    return saved;
}

// Installs into a folder that holds a file of the same age as the one of
// the product: the question comes while the files are copied. Then the
// installed copy uninstalls, after the user added a file.
bool ShootInstallAndUninstall(const std::wstring& folder, const std::wstring& language)
{
    TempFolder target;
    std::wstring app = target / L"Trenvika";
    std::filesystem::create_directories(app);
    SetupCopy copy(Script({kProduct[0], kProduct[1], kProduct[2], kProduct[3], "[Check]", "Menu=2", "Desktop=2",
                           "[CopyFile]", "0=trenvika.exe", "1=ReadMe.txt", "[Del]", "ShowError=1"}));
    SetWriteTime(copy.Put(L"trenvika.exe", "program"), 0);
    SetWriteTime(copy.Put(L"ReadMe.txt", "readme"), 0);
    WriteBytes(app + L"\\ReadMe.txt", "readme");
    SetWriteTime(app + L"\\ReadMe.txt", 0);

    SetupRun install(copy, L"Trenvika 1.2");
    if (!install.dialog) return false;
    SetText(Item(install.dialog, 1007), app);
    ClickItem(install.dialog, IDOK);
    bool ok = ShootBox(install.process, install.dialog, L"Trenvika 1.2", folder + L"\\setup-question-" + language + L".png",
                       IDYES);
    install.process.WaitForExit(15000);

    WriteBytes(app + L"\\my-drawing.dxf", "0\r\nEOF\r\n");
    Process uninstall = Process::Launch(app + L"\\Setup.exe", L"", app);
    HWND d = FindSetupDialog(uninstall.Id(), L"Trenvika 1.2");
    if (!d) return false;
    ClickItem(d, 1009);
    WaitUntil([&] { return IsItemChecked(d, 1009); });
    ClickItem(d, IDOK);
    std::wstring caption = GetOEMCP() == 932 ? L"ファイル・フォルダの削除" : L"Delete files and folders";
    ok = ShootBox(uninstall, d, caption, folder + L"\\setup-uninstall-" + language + L".png", IDOK) && ok;
    uninstall.WaitForExit(15000);
    WaitUntil([&] { return !Exists(app + L"\\Setup.exe"); }, 15000); // the removal copy's work
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(L"Trenvika").c_str());
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: setup_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    std::wstring folder = argv[1];
    std::wstring language = GetOEMCP() == 932 ? L"ja" : L"en";
    WineWindowFrames frames{L"Setup.exe"};
    WineTrash trash; // the uninstalled files go to the build's trash, if XDG_DATA_HOME says so

    bool ok = Shoot(Script({kProduct[0], kProduct[1], kProduct[2], kProduct[3],
                            "[Check]", "Menu=2", "Desktop=2", "Startup=0", "Ext=1", "Send=1", "Copy=1", "Del=0",
                            "[Menu]", "Name=Trenvika", "[Desktop]", "Name=Trenvika", "Icon=Setup.exe",
                            "[Readme]", "Done=1", "[CopyFile]", "Self=Setup.exe"}),
                    L"Trenvika 1.2", folder + L"\\setup-install-" + language + L".png");
    ok = Shoot(Script({kProduct[0], kProduct[1], kProduct[2], kProduct[3],
                       "[Check]", "Menu=2", "Desktop=2", "Startup=0", "Ext=1", "Send=1",
                       "[Desktop]", "Icon=Setup.exe", "[Readme]", "Done=0", "[CopiedFile]", "Count=1"}),
               L"Trenvika 1.2", folder + L"\\setup-installed-" + language + L".png") && ok;
    ok = ShootInstallAndUninstall(folder, language) && ok;
    return ok ? 0 : 1;
}
