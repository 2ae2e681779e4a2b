#include "readme_viewer.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

#include "drawing_script.h"
#include "language.h"
#include "path_text.h"
#include "readme_text.h"
#include "script.h"
#include "setup_state.h"

namespace {

constexpr int kButtonIds[kPageButtons] = {IDC_README_BUTTON1, IDC_README_BUTTON2, IDC_README_BUTTON3};
constexpr int kTabStop = 16; // dialog template units
// Readme No beyond this is not read: a page script is a few lines a page,
// and each line is one read of the script file.
constexpr int kMaxPageLines = 4096;

void ShowItem(HWND dialog, int id, bool shown)
{
    ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
}

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
        return m_bPageMode; // the page covers the whole client area
    case WM_PAINT:
        return m_bPageMode && OnPaint();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return false;
    }
    return false;
}

void ReadmeViewer::OnInitDialog()
{
    m_bAgreement = ReadScriptInt("Go", "Agree") != 0;
    char name[kPathSize];
    if (ReadScriptText("Setup", "Name", name) != 0) SetWindowTextA(m_hWnd, name);
    FitIntoDesktop();
    GetClientRect(m_hWnd, &m_pageArea);
    if (!UsesJapaneseTexts()) SetDlgItemTextA(m_hWnd, IDC_README_END, "&End readme");

    char file[kPathSize];
    ReadScriptText("Readme", "File", file);
    bool shown = false;
    if (EqualsNoCase(file, std::strlen(file), "ReadMe.Special")) {
        ShowPages();
        shown = true;
    } else if (file[0]) {
        shown = ShowText(file);
    }
    if (!shown && m_bAgreement) {
        ReportUnreadableAgreement(GetWindow(m_hWnd, GW_OWNER), file);
        End(0);
        return;
    }
    SetFocus(m_hWnd);
    ShowWindow(m_hWnd, SW_SHOW);
    SendDlgItemMessageA(m_hWnd, IDC_README_TEXT, EM_SETSEL, 0, 0);
    m_bShown = true;
}

// A dialog larger than the screen is cut to the screen's width or height.
void ReadmeViewer::FitIntoDesktop()
{
    RECT window, desktop;
    GetWindowRect(m_hWnd, &window);
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (window.right - window.left > desktop.right - desktop.left) {
        window.left = desktop.left;
        window.right = desktop.right;
    }
    if (window.bottom - window.top > desktop.bottom - desktop.top) {
        window.top = desktop.top;
        window.bottom = desktop.bottom;
    }
    MoveWindow(m_hWnd, window.left, window.top, window.right - window.left, window.bottom - window.top, FALSE);
}

// A plain text, unchanged (code-page bytes as the file holds them); false
// when the file cannot be read.
bool ReadmeViewer::ShowText(const char* file)
{
    FileBytes text;
    if (!ReadReadmeText(file, text)) return false;
    if (m_bAgreement) {
        SetDlgItemTextA(m_hWnd, IDC_README_BUTTON1, Localized("(&A) 同意します", "I &agree."));
        SetDlgItemTextA(m_hWnd, IDC_README_BUTTON2, Localized("(&C) 中止", "&Cancel"));
        ShowItem(m_hWnd, IDC_README_BUTTON1, true);
        ShowItem(m_hWnd, IDC_README_BUTTON2, true);
    }
    SetDlgItemTextA(m_hWnd, IDC_README_TEXT, reinterpret_cast<const char*>(text.data.get()));
    int tabStop = kTabStop;
    SendDlgItemMessageA(m_hWnd, IDC_README_TEXT, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    if (!m_bAgreement)
        MoveWindow(GetDlgItem(m_hWnd, IDC_README_TEXT), 0, 0, m_pageArea.right, m_pageArea.bottom, FALSE);
    return true;
}

// Drawn pages: the lines of section Readme, the first page chosen by how
// setup runs (install, version-up, installed).
void ReadmeViewer::ShowPages()
{
    int count = std::clamp(ReadScriptInt(kReadmeLines.section, kReadmeLines.countKey), 0, kMaxPageLines);
    char line[kPathSize];
    for (int i = 0; i < count; ++i) {
        ReadScriptText(kReadmeLines.section, KeyNumber(i), line);
        m_lines.emplace_back(line); // empty lines too: the count says how many
    }
    m_bPageMode = true;
    m_surface.Create(m_hWnd, m_pageArea.right, m_pageArea.bottom);
    ShowItem(m_hWnd, IDC_README_TEXT, false);
    ShowReadmePage(g_setup.setupModeCode);
}

// Sets up the three buttons of page `page` and draws it over what the
// surface holds (a page that should cover the last one paints its own
// background).
void ReadmeViewer::ShowReadmePage(int page)
{
    PageButton buttons[kPageButtons];
    size_t start = FindPageStart(m_lines, page);
    ReadPageButtons(m_lines, start, buttons);
    for (int i = 0; i < kPageButtons; ++i) {
        m_actions[i] = buttons[i].action;
        if (buttons[i].hasLabel) SetDlgItemTextA(m_hWnd, kButtonIds[i], buttons[i].label.c_str());
        ShowItem(m_hWnd, kButtonIds[i], buttons[i].action >= kPageUninstall);
    }
    ShowItem(m_hWnd, IDC_README_END, true);
    if (m_surface.Dc()) RunDrawingScript(m_surface.Dc(), m_pageArea, "", std::span(m_lines).subspan(start));
}

bool ReadmeViewer::OnPaint()
{
    RECT update;
    if (!GetUpdateRect(m_hWnd, &update, FALSE)) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (m_surface.Dc()) {
        const RECT& r = paint.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_surface.Dc(), r.left, r.top, SRCCOPY);
    }
    EndPaint(m_hWnd, &paint);
    return true;
}

void ReadmeViewer::OnCommand(int id, int code)
{
    const bool typed = id == IDC_README_TEXT && code == EN_CHANGE && m_bShown;
    if (id >= IDC_README_BUTTON1 && id <= IDC_README_BUTTON3 && code != BN_CLICKED) return;
    if (m_bAgreement) {
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
    if (!m_bPageMode) return;
    ShowReadmePage(m_actions[index]);
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void ReadmeViewer::End(INT_PTR result)
{
    m_surface.Release();
    m_lines.clear();
    EndDialog(m_hWnd, result);
}
