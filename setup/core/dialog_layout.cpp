#include "dialog_layout.h"

namespace {

constexpr UINT kQuietMove = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;

} // namespace

RECT ControlRect(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveControlUp(HWND dialog, int id, int distance)
{
    RECT rect = ControlRect(dialog, id);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, rect.left, rect.top - distance, 0, 0, kQuietMove | SWP_NOSIZE);
}

void MakeControlShorter(HWND dialog, int id, int distance)
{
    RECT rect = ControlRect(dialog, id);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - distance,
                 kQuietMove | SWP_NOMOVE);
}

void MakeWindowShorter(HWND window, int distance)
{
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - distance,
                 kQuietMove | SWP_NOMOVE);
}

void ShowControl(HWND dialog, int id, bool shown)
{
    ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
}

void PostCommand(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
