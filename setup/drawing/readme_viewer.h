#pragma once
// The ReadMe viewer (dialog 102), opened from the setup dialog: a text file
// in an edit control, or pages drawn in the drawing language with up to
// three page buttons each. With Go Agree it is an agreement: button 1
// agrees, button 2 (or Escape) declines. What it shows is laid out by
// ReadmeView; this is the dialog's behaviour.
#include <windows.h>

#include "readme_view.h"
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
    void OnCommand(int id, int code);
    void OnPageButton(int index);
    void End(INT_PTR result);

    HWND m_hWnd = nullptr;
    bool m_bShown = false; // edits before this are the viewer's own
    ReadmeView m_view;
};
