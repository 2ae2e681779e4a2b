#pragma once
// A modal dialog built from a template of the program's resources. The
// dialog procedure is a static thunk that keeps `this` in DWLP_USER and
// forwards each message to the virtual handlers below.
#include <windows.h>

#include <string>
#include <vector>

class CBitmapButton;

// Direction of a text exchange between fields and controls.
struct CDataExchange {
    HWND m_hDlg;
    bool m_bSaveAndValidate; // true: controls -> fields, false: fields -> controls
};

// Exchanges the text of control `id` with `value` (a string of the system code page).
void ExchangeText(CDataExchange& dx, int id, std::string& value);

class CDialog {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog; returns the result given to EndDialog, -1 if it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    UINT HelpId() const { return m_nIDTemplate; }

    // Takes the controls into the fields (true) or shows the fields in the controls (false).
    void UpdateData(bool saveAndValidate = true);

protected:
    virtual void DoDataExchange(CDataExchange&) {}

    // Default handlers, as a plain dialog behaves.
    virtual BOOL OnInitDialog();       // shows the fields; TRUE: default focus
    virtual void OnOK();               // takes the controls, ends with IDOK
    virtual void OnCancel();           // ends with IDCANCEL
    // Other commands; false passes them on to the application.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    // Each returns true when handled, false for default processing.
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnSysCommand(UINT /*command*/, LPARAM /*lParam*/) { return false; }
    virtual bool OnPaint() { return false; }
    virtual HICON OnQueryDragIcon() { return nullptr; }
    virtual void OnDestroy() {}

    // Owner-drawn bitmap buttons get their WM_DRAWITEM from here.
    void AddOwnerDrawn(CBitmapButton& button) { m_ownerDrawn.push_back(&button); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    HWND m_hParent;
    std::vector<CBitmapButton*> m_ownerDrawn;
};
