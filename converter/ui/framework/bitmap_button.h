#pragma once
// An owner-drawn push button that shows pictures instead of its text. The
// pictures are the bitmap resources named after the button's text plus "U"
// (normal), "D" (pressed) and "F" (focused): a button "REF_SET" shows
// "REF_SETU", "REF_SETD" and "REF_SETF".
#include <windows.h>

class CBitmapButton {
public:
    CBitmapButton() = default;
    ~CBitmapButton();
    CBitmapButton(const CBitmapButton&) = delete;
    CBitmapButton& operator=(const CBitmapButton&) = delete;

    // Attaches to button `id` of `dialog`, loads its pictures and sizes the
    // button to them (scaled to the screen's DPI). False if a picture is missing.
    bool AutoLoad(HWND dialog, int id, HINSTANCE instance);

    int Id() const { return m_id; }
    void DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    int m_id = 0;
    HBITMAP m_normal = nullptr;
    HBITMAP m_pressed = nullptr;
    HBITMAP m_focused = nullptr;
};
