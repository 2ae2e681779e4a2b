#pragma once
// Dialog units of another program's dialog, for checking control positions
// against its template. MapDialogRect fails under Wine on another process's
// window, so a hidden dialog with the same font is made here and asked: both
// processes share font, screen and code page, and so the base units.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class DialogUnits {
public:
    DialogUnits(const std::wstring& fontFace, WORD pointSize)
    {
        // A DLGTEMPLATE with only its font: style, extended style, no items,
        // x, y, cx, cy, no menu, class or title, then point size and face.
        const DWORD style = WS_POPUP | WS_CAPTION | DS_SETFONT;
        std::vector<WORD> words = {LOWORD(style), HIWORD(style), 0, 0, 0, 0, 0, 100, 100, 0, 0, 0, pointSize};
        words.insert(words.end(), fontFace.begin(), fontFace.end());
        words.push_back(0);
        auto ignoreAll = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
        HWND probe = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                                nullptr, ignoreAll, 0);
        RECT rect{0, 0, 4, 8};
        if (probe && MapDialogRect(probe, &rect)) m_baseX = rect.right, m_baseY = rect.bottom;
        if (probe) DestroyWindow(probe);
    }
    // x, y, width, height in dialog units as the dialog manager places a
    // control: position and size each scaled on its own.
    RECT ToPixels(int x, int y, int width, int height) const
    {
        const SIZE at = SizeToPixels(x, y), size = SizeToPixels(width, height);
        return {at.cx, at.cy, at.cx + size.cx, at.cy + size.cy};
    }
    SIZE SizeToPixels(int width, int height) const { return {MulDiv(width, m_baseX, 4), MulDiv(height, m_baseY, 8)}; }

private:
    int m_baseX = 0, m_baseY = 0;
};

} // namespace e2e
