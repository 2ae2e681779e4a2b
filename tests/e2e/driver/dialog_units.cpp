#include "dialog_units.h"

#include <vector>

namespace e2e {

namespace {

// A DLGTEMPLATE with no controls, no menu, no class, no title and the font:
// a sequence of WORDs, DWORD aligned at its start.
std::vector<WORD> EmptyTemplate(const std::wstring& fontFace, WORD pointSize)
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | DS_SETFONT;
    header->cx = 100;
    header->cy = 100;
    words.insert(words.end(), {0, 0, 0, pointSize}); // menu, class, title, font size
    words.insert(words.end(), fontFace.begin(), fontFace.end());
    words.push_back(0);
    return words;
}

INT_PTR CALLBACK IgnoreAll(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

} // namespace

DialogUnits::DialogUnits(const std::wstring& fontFace, WORD pointSize)
{
    std::vector<WORD> words = EmptyTemplate(fontFace, pointSize);
    HWND probe = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                            reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr,
                                            IgnoreAll, 0);
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
