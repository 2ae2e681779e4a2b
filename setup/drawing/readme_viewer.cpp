#include "readme_viewer.h"

#include <string>

#include "language.h"
#include "script.h"
#include "setup_state.h"

namespace {

// An agreement that cannot be shown cannot be agreed to: setup says so and
// ends, rather than show an empty page that can only be declined.
void ReportUnreadableAgreement(HWND owner, const char* file)
{
    std::string text = Localized("同意書のファイルを開けません．\r\n\r\n", "Could not open the agreement...\r\n\r\n");
    text += file;
    text += Localized("\r\n\r\nセットアップを終了します．", "\r\n\r\nSetup ends.");
    char caption[kPathSize] = "";
    GetWindowTextA(owner, caption, sizeof caption);
    MessageBoxA(owner, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

} // namespace

INT_PTR ReadmeViewer::Show(HWND owner)
{
    ReadmeViewer viewer;
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD), owner, s_DlgProc,
                           reinterpret_cast<LPARAM>(&viewer));
}

INT_PTR CALLBACK ReadmeViewer::s_DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<ReadmeViewer*>(lParam)->m_hWnd = window;
    }
    auto* viewer = reinterpret_cast<ReadmeViewer*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!viewer || !viewer->DlgProc(message, wParam)) return FALSE;
    if (message == WM_ERASEBKGND) SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// True for a message handled here.
bool ReadmeViewer::DlgProc(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return false; // the focus is set
    case WM_ERASEBKGND:
    case WM_PAINT:
        return m_view.OnPaintMessage(message);
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return false;
    }
    return false;
}

void ReadmeViewer::OnInitDialog()
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (m_view.Open(m_hWnd, desktop, g_setup.setupModeCode) == ReadmeView::Content::Nothing && m_view.Agreement()) {
        char file[kPathSize];
        ReadScriptText("Readme", "File", file);
        ReportUnreadableAgreement(GetWindow(m_hWnd, GW_OWNER), file);
        End(0);
        return;
    }
    SetFocus(m_hWnd);
    ShowWindow(m_hWnd, SW_SHOW);
    SendDlgItemMessageA(m_hWnd, IDC_README_TEXT, EM_SETSEL, 0, 0);
    m_bShown = true;
}

void ReadmeViewer::OnCommand(int id, int code)
{
    const bool typed = id == IDC_README_TEXT && code == EN_CHANGE && m_bShown;
    if (id >= IDC_README_BUTTON1 && id <= IDC_README_BUTTON3 && code != BN_CLICKED) return;
    if (m_view.Agreement()) {
        if (id == IDC_README_BUTTON1) End(1);
        else if (id == IDC_README_BUTTON2 || id == IDCANCEL) End(0);
        else if (id == IDC_README_BUTTON3) OnPageButton(2);
        return; // OK, the end button and typing do nothing here
    }
    if (id == IDOK || id == IDCANCEL || id == IDC_README_END || typed) End(1);
    else if (id >= IDC_README_BUTTON1 && id <= IDC_README_BUTTON3) OnPageButton(id - IDC_README_BUTTON1);
}

void ReadmeViewer::OnPageButton(int index)
{
    if (!m_view.PageMode()) return;
    m_view.ShowReadmePage(m_view.Action(index));
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void ReadmeViewer::End(INT_PTR result)
{
    m_view.Release();
    EndDialog(m_hWnd, result);
}
