#include "readme_view.h"

#include <algorithm>
#include <cstring>

#include "drawing_script.h"
#include "language.h"
#include "path_text.h"
#include "readme_text.h"
#include "resource.h"
#include "script.h"

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

} // namespace

ReadmeView::Content ReadmeView::Open(HWND dialog, const RECT& screen, int firstPage)
{
    Release();
    m_hWnd = dialog;
    m_bPageMode = false;
    for (int id : kButtonIds) SetDlgItemTextA(m_hWnd, id, ""); // as the template has them
    m_bAgreement = ReadScriptInt("Go", "Agree") != 0;
    char name[kPathSize];
    if (ReadScriptText("Setup", "Name", name) != 0) SetWindowTextA(m_hWnd, name);
    FitInto(screen);
    GetClientRect(m_hWnd, &m_pageArea);
    if (!UsesJapaneseTexts()) SetDlgItemTextA(m_hWnd, IDC_README_END, "&End readme");

    char file[kPathSize];
    ReadScriptText("Readme", "File", file);
    if (EqualsNoCase(file, std::strlen(file), "ReadMe.Special")) {
        ShowPages(firstPage);
        return Content::Pages;
    }
    return file[0] && ShowText(file) ? Content::Text : Content::Nothing;
}

// A dialog larger than the screen is cut to the screen's width or height.
void ReadmeView::FitInto(const RECT& screen)
{
    RECT window;
    GetWindowRect(m_hWnd, &window);
    if (window.right - window.left > screen.right - screen.left) {
        window.left = screen.left;
        window.right = screen.right;
    }
    if (window.bottom - window.top > screen.bottom - screen.top) {
        window.top = screen.top;
        window.bottom = screen.bottom;
    }
    MoveWindow(m_hWnd, window.left, window.top, window.right - window.left, window.bottom - window.top, FALSE);
}

// A plain text, unchanged (code-page bytes as the file holds them); false
// when the file cannot be read.
bool ReadmeView::ShowText(const char* file)
{
    FileBytes text;
    if (!ReadReadmeText(file, text)) return false;
    if (m_bAgreement) {
        SetLocalizedItemText(m_hWnd, IDC_README_BUTTON1, "(&A) 同意します", "I &agree.");
        SetLocalizedItemText(m_hWnd, IDC_README_BUTTON2, "(&C) 中止", "&Cancel");
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

// Drawn pages: the lines of section Readme, `firstPage` drawn first.
void ReadmeView::ShowPages(int firstPage)
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
    ShowReadmePage(firstPage);
}

void ReadmeView::ShowReadmePage(int page)
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

bool ReadmeView::OnPaintMessage(UINT message)
{
    if (!m_bPageMode) return false;
    if (message == WM_ERASEBKGND) return true; // the page covers the whole client area
    if (message != WM_PAINT) return false;
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

void ReadmeView::Release()
{
    m_surface.Release();
    m_lines.clear();
}
