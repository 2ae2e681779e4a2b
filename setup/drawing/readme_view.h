#pragma once
// What the ReadMe viewer shows in its dialog window (template IDD_README):
// the window fitted to the screen, a plain text or an agreement with its two
// buttons, or drawn pages with up to three page buttons each. The viewer
// (readme_viewer.h) hosts it in its modal dialog; setup-preview hosts it in
// the same dialog, unseen, and takes pictures of it.
#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "offscreen_surface.h"
#include "readme_pages.h"

class ReadmeView {
public:
    enum class Content { Nothing, Text, Pages };

    // Lays out `dialog` and fills it from the running script: the title, the
    // window cut to `screen` where it is larger, the end button's text, then
    // Readme File as text or as pages, of which `firstPage` is drawn on a
    // black surface, the page buttons without labels before it. Nothing: no
    // File, or a text file that cannot be read. Opened again, it starts afresh.
    Content Open(HWND dialog, const RECT& screen, int firstPage);

    // Sets up the three buttons of page `page` and draws it over what the
    // page surface holds (a page that should cover the last one paints its
    // own background).
    void ShowReadmePage(int page);

    // WM_ERASEBKGND and WM_PAINT of the dialog: in page mode the page
    // surface covers the client area. True when handled here.
    bool OnPaintMessage(UINT message);

    // Frees the page surface and the page lines.
    void Release();

    bool Agreement() const { return m_bAgreement; }
    bool PageMode() const { return m_bPageMode; }
    // Where page button `index` (0 to 2) leads.
    int Action(int index) const { return m_actions[index]; }
    std::span<const std::string> PageLines() const { return m_lines; }

private:
    void FitInto(const RECT& screen);
    bool ShowText(const char* file);
    void ShowPages(int firstPage);

    HWND m_hWnd = nullptr;
    bool m_bAgreement = false;
    bool m_bPageMode = false;
    std::vector<std::string> m_lines;
    OffscreenSurface m_surface;
    RECT m_pageArea = {};
    int m_actions[kPageButtons] = {kActionNone, kActionNone, kActionNone};
};
