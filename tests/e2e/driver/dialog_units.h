#pragma once
// Dialog units of another program's dialog, for checking control positions
// against a dialog template.
//
// MapDialogRect only works on dialogs of the calling process (under Wine it
// fails on another process's window), so the base units are measured here: a
// hidden dialog with the same font is created in the test process and asked.
// Both processes then use the same font, screen and code page, and so the
// same base units; the conversion to pixels is the system's own.
#include <windows.h>

#include <string>

namespace e2e {

class DialogUnits {
public:
    // Base units of a dialog whose template names this font and point size.
    DialogUnits(const std::wstring& fontFace, WORD pointSize);

    // Pixels of a rectangle given as x, y, width, height in dialog units,
    // exactly as the dialog manager places a control of that template entry.
    RECT ToPixels(int x, int y, int width, int height) const;
    // Client size in pixels of a dialog of `width` x `height` dialog units.
    SIZE SizeToPixels(int width, int height) const;

private:
    int m_baseX = 0;
    int m_baseY = 0;
};

} // namespace e2e
