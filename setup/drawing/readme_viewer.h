#pragma once
// The ReadMe viewer (dialog 102), opened from the setup dialog: a text file
// in an edit control, or pages drawn in the drawing language with up to
// three page buttons each. With Go Agree it is an agreement: button 1
// agrees, button 2 (or Escape) declines.
#include <windows.h>

#include <string>
#include <vector>

#include "offscreen_surface.h"
#include "readme_pages.h"
#include "resource.h"

class ReadmeViewer {
public:
    enum { IDD = IDD_README };

    // Modal, owned by `owner`. 1 to go on; 0 when the agreement was declined
    // or could not be shown.
    static INT_PTR Show(HWND owner);

private:
    ReadmeViewer() = default;

    static INT_PTR CALLBACK s_DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool DlgProc(UINT message, WPARAM wParam);
    void OnInitDialog();
    void FitIntoDesktop();
    bool ShowText(const char* file);
    void ShowPages();
    void ShowReadmePage(int page);
    bool OnPaint();
    void OnCommand(int id, int code);
    void OnPageButton(int index);
    void End(INT_PTR result);

    HWND m_hWnd = nullptr;
    bool m_bAgreement = false;
    bool m_bPageMode = false;
    bool m_bShown = false; // edits before this are the viewer's own
    std::vector<std::string> m_lines;
    OffscreenSurface m_surface;
    RECT m_pageArea = {};
    int m_actions[kPageButtons] = {kActionNone, kActionNone, kActionNone};
};
