#include "bitmap_button.h"

#include <string>

namespace {

HBITMAP LoadNamed(HINSTANCE instance, const std::wstring& name)
{
    return static_cast<HBITMAP>(LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

int ScreenDpi(HWND window)
{
    HDC dc = GetDC(window);
    int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

CBitmapButton::~CBitmapButton()
{
    for (HBITMAP bitmap : {m_normal, m_pressed, m_focused})
        if (bitmap) DeleteObject(bitmap);
}

bool CBitmapButton::AutoLoad(HWND dialog, int id, HINSTANCE instance)
{
    HWND button = GetDlgItem(dialog, id);
    if (!button) return false;
    m_id = id;
    wchar_t text[64];
    int length = GetWindowTextW(button, text, ARRAYSIZE(text));
    std::wstring name(text, length > 0 ? length : 0);
    m_normal = LoadNamed(instance, name + L"U");
    m_pressed = LoadNamed(instance, name + L"D");
    m_focused = LoadNamed(instance, name + L"F");
    if (!m_normal) return false;

    // The button takes the size of its pictures, so they are drawn whole and unstretched.
    BITMAP info{};
    GetObjectW(m_normal, sizeof info, &info);
    int dpi = ScreenDpi(button);
    SetWindowPos(button, nullptr, 0, 0, MulDiv(info.bmWidth, dpi, USER_DEFAULT_SCREEN_DPI),
                 MulDiv(info.bmHeight, dpi, USER_DEFAULT_SCREEN_DPI), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return m_pressed && m_focused;
}

void CBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) const
{
    HBITMAP picture = m_normal;
    if ((item.itemState & ODS_SELECTED) && m_pressed)
        picture = m_pressed;
    else if ((item.itemState & ODS_FOCUS) && m_focused)
        picture = m_focused;
    if (!picture) return;

    BITMAP info{};
    GetObjectW(picture, sizeof info, &info);
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ previous = SelectObject(memory, picture);
    const RECT& r = item.rcItem;
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}
