#pragma once
// The dialog templates of a program file, read from its resources without
// running it: to check ids, texts, positions and styles exactly as built.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring className; // "Button", "Edit", "Static", ... for the predefined classes
    std::wstring text;      // an ordinal (an ICON control's icon) reads "#128"
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title;
    WORD pointSize = 0;
    std::wstring font;
    std::vector<DialogItem> items; // in template order

    const DialogItem* Item(int id) const;
};

// Template `id` (a DLGTEMPLATE, not the extended form) of the program file.
DialogTemplate ReadDialogTemplate(const std::wstring& programFile, int id);

} // namespace e2e
