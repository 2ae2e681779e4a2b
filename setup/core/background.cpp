#include "background.h"

#include "back_screen.h"
#include "resource.h"
#include "script.h"
#include "setup_dialog.h"
#include "setup_state.h"

namespace {

constexpr UINT_PTR kOpenDialogTimer = 1;
constexpr UINT kOpenDialogDelay = 2000; // ms: the background shows alone first

void PaintBackground(HWND window)
{
    RECT update;
    if (!GetUpdateRect(window, &update, FALSE)) return;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (g_setup.backSurface) {
        BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
               paint.rcPaint.bottom - paint.rcPaint.top, g_setup.backSurface, paint.rcPaint.left,
               paint.rcPaint.top, SRCCOPY);
    }
    EndPaint(window, &paint);
}

void OpenSetupDialog(HWND window)
{
    KillTimer(window, kOpenDialogTimer);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    SetupDialog::Show(window); // returns when setup ends
}

INT_PTR CALLBACK BackgroundProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        g_setup.backWindow = window;
        SetTimer(window, kOpenDialogTimer, kOpenDialogDelay, nullptr);
        if (g_setup.backSurface) {
            const RECT& screen = g_setup.screen;
            SetWindowPos(window, HWND_NOTOPMOST, screen.left, screen.top, screen.right - screen.left,
                         screen.bottom - screen.top, SWP_SHOWWINDOW);
        }
        break;
    case WM_PAINT:
        PaintBackground(window);
        break;
    case WM_TIMER:
        if (wParam == kOpenDialogTimer) OpenSetupDialog(window);
        break;
    }
    return FALSE;
}

} // namespace

void PrepareBackgroundPicture()
{
    HDC screenDc = GetDC(nullptr);
    const RECT& screen = g_setup.screen;
    HDC surface = CreateCompatibleDC(screenDc);
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc, screen.right - screen.left, screen.bottom - screen.top);
    ReleaseDC(nullptr, screenDc);
    if (!surface || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        if (surface) DeleteDC(surface);
        return;
    }
    g_setup.backSurface = surface;
    g_setup.backBitmap = bitmap;
    g_setup.backPreviousBitmap = SelectObject(surface, bitmap);
    FillRect(surface, &screen, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    char installFolder[kPathSize];
    ReadScriptText("Root", "Named", installFolder);
    DrawBackScreen(surface, screen, installFolder, ScriptPath());
}

void ReleaseBackgroundPicture()
{
    if (!g_setup.backSurface) return;
    SelectObject(g_setup.backSurface, g_setup.backPreviousBitmap);
    DeleteObject(g_setup.backBitmap);
    DeleteDC(g_setup.backSurface);
    g_setup.backSurface = nullptr;
    g_setup.backBitmap = nullptr;
    g_setup.backPreviousBitmap = nullptr;
}

HWND CreateBackgroundWindow(HINSTANCE instance)
{
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_BACKGROUND), nullptr, BackgroundProc, 0);
}

void RunMessageLoop(HWND background)
{
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(background, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
