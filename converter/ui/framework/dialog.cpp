#include "dialog.h"

#include "app.h"
#include "bitmap_button.h"

void ExchangeText(CDataExchange& dx, int id, std::string& value)
{
    HWND control = GetDlgItem(dx.m_hDlg, id);
    if (!dx.m_bSaveAndValidate) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    int length = GetWindowTextLengthA(control);
    std::string text(size_t(length) + 1, '\0');
    length = GetWindowTextA(control, text.data(), length + 1);
    text.resize(size_t(length > 0 ? length : 0));
    value = std::move(text);
}

CDialog::CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hParent(parent) {}

INT_PTR CDialog::DoModal()
{
    HINSTANCE instance = CApplication::Get() ? CApplication::Get()->m_hInstance : GetModuleHandleW(nullptr);
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(m_nIDTemplate), m_hParent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

void CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx{m_hWnd, saveAndValidate};
    DoDataExchange(dx);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = window;
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) return FALSE;
    INT_PTR result = dialog->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) dialog->m_hWnd = nullptr;
    return result;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return TRUE;
        CApplication* app = CApplication::Get();
        return app && app->OnCommand(*this, id);
    }
    case WM_TIMER:
        return OnTimer(wParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(UINT(wParam), lParam);
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        // One of the few messages whose result a dialog procedure returns directly.
        return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        for (CBitmapButton* button : m_ownerDrawn)
            if (button->Id() == int(item.CtlID)) {
                button->DrawItem(item);
                SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
        return FALSE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    }
    return FALSE;
}
