#include "dialog_units.h"

#include <vector>

namespace e2e {

DialogUnits::DialogUnits(const std::wstring& fontFace, WORD pointSize)
{
    // A DLGTEMPLATE without controls, menu, class or title, but with the
    // font: style, extended style, no items, x, y, cx, cy, then the strings.
    const DWORD style = WS_POPUP | WS_CAPTION | DS_SETFONT;
    std::vector<WORD> words = {LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0, 100, 100, 0, 0, 0, pointSize};
    words.insert(words.end(), fontFace.begin(), fontFace.end());
    words.push_back(0);
    auto ignoreAll = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
    HWND probe = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr, ignoreAll, 0);
    if (!probe) return;
    RECT rect{0, 0, 4, 8};
    if (MapDialogRect(probe, &rect)) {
        m_baseX = rect.right;
        m_baseY = rect.bottom;
    }
    DestroyWindow(probe);
}

RECT DialogUnits::ToPixels(int x, int y, int width, int height) const
{
    // The dialog manager scales position and size each on its own.
    int left = MulDiv(x, m_baseX, 4);
    int top = MulDiv(y, m_baseY, 8);
    return {left, top, left + MulDiv(width, m_baseX, 4), top + MulDiv(height, m_baseY, 8)};
}

SIZE DialogUnits::SizeToPixels(int width, int height) const
{
    return {MulDiv(width, m_baseX, 4), MulDiv(height, m_baseY, 8)};
}

} // namespace e2e
