// Screenshots of the converter dialog for the README, taken under Wine with
// Wine-drawn frames (LC_ALL=ja_JP.UTF-8 for the Japanese system it is made for):
//   wine-run trenvika_screenshots.exe OUTPUT_FOLDER
// Not a test: it writes converter-idle.png, converter-running.png,
// converter-summary.png and converter-about.png.
#include <cstdio>

#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

namespace {

bool Shoot(HWND window, const std::wstring& file, int margin = 12)
{
    Sleep(400); // let it paint
    bool saved = SaveScreenshot(file, window, margin);
    if (!saved) std::fprintf(stderr, "trenvika_screenshots: could not save %ls\n", file.c_str());
    return saved;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trenvika_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    std::wstring folder = argv[1];
    WineWindowFrames frames{L"trenvika.exe"};
    bool ok = true;
    {
        Trenvika app;
        if (!app.dialog) return 1;
        SetText(Item(app.dialog, IDC_SOURCE), L"C:\\測量\\断面.dxf");
        SetText(Item(app.dialog, IDC_OUTPUT), L"C:\\測量\\断面3D.dxf");
        ok = Shoot(app.dialog, folder + L"\\converter-idle.png") && ok;
        SystemCommand(app.dialog, IDM_ABOUTBOX);
        HWND about = FindDialog(app.process.Id(), L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika");
        ok = about && Shoot(about, folder + L"\\converter-about.png", 2) && ok; // the converter lies behind
        PressKey(about, VK_RETURN);
        WaitForWindowGone(about);
        PressKey(app.dialog, VK_ESCAPE);
        app.WaitForEnd();
    }
    {
        TempFolder temp;
        std::filesystem::path drawing = temp / L"section.dxf";
        WriteDrawing(drawing, 1500000);
        SlowSource source(drawing, 500000, false);
        Trenvika app(source.Path() + L" " + Quoted(temp / L"section 3d.dxf"));
        if (!app.dialog) return 1;
        WaitUntil([&] { return ParseStatus(app.Status()).sourceLines > 0; });
        WaitUntil([&] { return ParseStatus(app.Status()).points > 0; });
        ok = Shoot(app.dialog, folder + L"\\converter-running.png") && ok;
        WaitUntil([&] { return app.SummaryShown(); }, 20000);
        Sleep(300); // the summary stays up for a second
        ok = SaveScreenshot(folder + L"\\converter-summary.png", app.dialog, 12) && ok;
        app.WaitForEnd();
    }
    return ok ? 0 : 1;
}
