// Screenshots of the setup dialog for the README, in the language that the
// environment gives (LC_ALL=C.UTF-8: English, LC_ALL=ja_JP.UTF-8: Japanese):
//   wine-run setup_screenshots.exe OUTPUT_FOLDER
// Not a test: it writes setup-install-<lang>.png and setup-installed-<lang>.png.
#include <cstdio>
#include <string>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

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

    bool ok = Shoot(Script({"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika",
                            "[Check]", "Menu=2", "Desktop=2", "Startup=0", "Ext=1", "Send=1", "Copy=1", "Del=0",
                            "[Menu]", "Name=Trenvika", "[Desktop]", "Name=Trenvika", "Icon=Setup.exe",
                            "[Readme]", "Done=1", "[CopyFile]", "Self=Setup.exe"}),
                    L"Trenvika 1.2", folder + L"\\setup-install-" + language + L".png");
    ok = Shoot(Script({"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika",
                       "[Check]", "Menu=2", "Desktop=2", "Startup=0", "Ext=1", "Send=1",
                       "[Desktop]", "Icon=Setup.exe", "[Readme]", "Done=0", "[CopiedFile]", "Count=1"}),
               L"Trenvika 1.2", folder + L"\\setup-installed-" + language + L".png") && ok;
    return ok ? 0 : 1;
}
