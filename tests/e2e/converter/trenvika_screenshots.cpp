// Screenshots of the converter dialog for the README, taken under Wine with
// Wine-drawn frames (LC_ALL=ja_JP.UTF-8 for the Japanese system it is made for):
//   wine-run trenvika_screenshots.exe OUTPUT_FOLDER
// Not a test: it writes converter-idle.png, converter-running.png,
// converter-summary.png and converter-about.png.
#include <cstdio>

#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trenvika_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    WineWindowFrames frames{L"trenvika.exe"};
    bool ok = true;
    auto shoot = [&](HWND window, const wchar_t* name, int margin = 12) {
        Sleep(400); // let it paint
        bool saved = window && SaveScreenshot(std::wstring(argv[1]) + L"\\" + name, window, margin);
        if (!saved) std::fprintf(stderr, "trenvika_screenshots: could not save %ls\n", name);
        ok = ok && saved;
    };
    {
        Trenvika app;
        SetText(Item(app.dialog, IDC_SOURCE), L"C:\\測量\\断面.dxf");
        SetText(Item(app.dialog, IDC_OUTPUT), L"C:\\測量\\断面3D.dxf");
        shoot(app.dialog, L"converter-idle.png");
        SystemCommand(app.dialog, IDM_ABOUTBOX);
        HWND about = FindDialog(app.process.Id(), L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika");
        shoot(about, L"converter-about.png", 2); // the converter lies behind
        PressKey(about, VK_RETURN);
        WaitForWindowGone(about);
        PressKey(app.dialog, VK_ESCAPE);
        app.WaitForEnd();
    }
    TempFolder temp;
    WriteDrawing(temp / "section.dxf", 1500000);
    SlowSource source(temp / "section.dxf", 500000);
    Trenvika app(source.Path() + L" " + Quoted(temp / "section 3d.dxf"));
    WaitUntil([&] { return SourceLines(app.Status()) > 20000; });
    shoot(app.dialog, L"converter-running.png");
    WaitUntil([&] { return app.SummaryShown(); }, 20000);
    shoot(app.dialog, L"converter-summary.png"); // the summary stays up for a second
    app.WaitForEnd();
    return ok ? 0 : 1;
}
