#include "background.h"

#include "back_screen.h"
#include "resource.h"
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
    if (HDC picture = g_setup.backgroundPicture.surface) {
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture, r.left, r.top, SRCCOPY);
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
        g_setup.backgroundWindow = window;
        SetTimer(window, kOpenDialogTimer, kOpenDialogDelay, nullptr);
        if (g_setup.backgroundPicture.surface) {
            const RECT& screen = g_setup.screenRect;
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
    const RECT& screen = g_setup.screenRect;
    HDC surface = CreateCompatibleDC(screenDc);
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc, screen.right - screen.left, screen.bottom - screen.top);
    ReleaseDC(nullptr, screenDc);
    if (!surface || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        if (surface) DeleteDC(surface);
        return;
    }
    BackgroundPicture& picture = g_setup.backgroundPicture;
    picture.surface = surface;
    picture.bitmap = bitmap;
    picture.previousBitmap = SelectObject(surface, bitmap);
    PaintBackgroundPicture(surface, screen);
}

void ReleaseBackgroundPicture()
{
    BackgroundPicture& picture = g_setup.backgroundPicture;
    if (!picture.surface) return;
    SelectObject(picture.surface, picture.previousBitmap);
    DeleteObject(picture.bitmap);
    DeleteDC(picture.surface);
    picture = {};
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
