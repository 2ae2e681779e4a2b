#include "converter_dlg.h"

#include <commdlg.h>

#include "about_dlg.h"
#include "framework/app.h"
#include "framework/file_dialog.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 1000;
constexpr DWORD kSummaryPauseMs = 1000;
constexpr DWORD kAbortWaitStepMs = 500;

const wchar_t kDxfFilter[] = L"DXFﾌｧｲﾙ (*.dxf)|*.dxf|全てのﾌｧｲﾙ (*.*)|*.*||";

const int kInputControls[] = {IDC_SOURCE_LABEL, IDC_SOURCE,        IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL,
                              IDC_OUTPUT,       IDC_BROWSE_OUTPUT, IDOK};

HINSTANCE Instance()
{
    CApplication* app = CApplication::Get();
    return app && app->m_hInstance ? app->m_hInstance : GetModuleHandleW(nullptr);
}

unsigned __stdcall ConversionThread(void* dialog)
{
    return RunConversion(*static_cast<CConverterDlg*>(dialog));
}

} // namespace

CConverterDlg::CConverterDlg(HWND parent)
    : CDialog(IDD, parent), m_hIcon(LoadIconW(Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_hSmallIcon(static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                 LR_SHARED)))
{
}

void CConverterDlg::DoDataExchange(CDataExchange& dx)
{
    ExchangeText(dx, IDC_STATUS, m_strStatus);
    ExchangeText(dx, IDC_SOURCE, m_strSource);
    ExchangeText(dx, IDC_OUTPUT, m_strOutput);
}

BOOL CConverterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    wchar_t about[128];
    if (systemMenu && LoadStringW(Instance(), IDS_ABOUTBOX, about, ARRAYSIZE(about)) > 0) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
    if (systemMenu)
        for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_RESTORE}) DeleteMenu(systemMenu, command, MF_BYCOMMAND);

    // The reference is not remembered from earlier starts of the program.
    CheckRadioButton(m_hWnd, IDC_REFERENCE_X, IDC_REFERENCE_Y, IDC_REFERENCE_X);
    KeepReferenceCurrent();

    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon ? m_hSmallIcon : m_hIcon));

    m_btnSource.AutoLoad(m_hWnd, IDC_BROWSE_SOURCE, Instance());
    m_btnOutput.AutoLoad(m_hWnd, IDC_BROWSE_OUTPUT, Instance());
    AddOwnerDrawn(m_btnSource);
    AddOwnerDrawn(m_btnOutput);

    if (m_bAutoRun) OnOK();
    return TRUE;
}

void CConverterDlg::OnOK()
{
    // Enter still reaches the hidden default button during a run; a second
    // worker on the same run context would corrupt both runs.
    if (m_bRunning) return;

    UpdateData(true);
    m_strStatus.clear();
    UpdateData(false);
    // Without a worker the first poll reports an empty run.
    StartRun(*this, [this] { return m_worker.Begin(ConversionThread, this); });

    ShowInputControls(false);
    ShowWindow(GetDlgItem(IDC_STATUS), SW_SHOW);
    SetDlgItemTextW(m_hWnd, IDCANCEL, L"中断");
    SetTimer(m_hWnd, kPollTimer, kPollMs, nullptr);
}

void CConverterDlg::OnCancel()
{
    if (m_bRunning) {
        m_bCancel = 1;
        while (m_bRunning) Sleep(kAbortWaitStepMs);
    }
    m_worker.Join(); // past its last step already: the flag is clear
    EndDialog(IDCANCEL);
}

bool CConverterDlg::OnTimer(UINT_PTR id)
{
    KillTimer(m_hWnd, id);
    if (id != kPollTimer) return false;

    // The flag first: the worker clears it after its last count, so counters
    // read after a clear flag are final.
    bool running = m_bRunning != 0;
    m_strStatus = FormatRunSummary(*this, !running);
    UpdateData(false);
    if (running) {
        SetTimer(m_hWnd, kPollTimer, kPollMs, nullptr);
        return true;
    }

    // This thread sleeps through the pause: paint the summary before it, and
    // let the window system show it (Wine copies a window's drawing to the
    // screen only when its thread looks at its messages; nothing is taken
    // from the queue here).
    UpdateWindow(GetDlgItem(IDC_STATUS));
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_NOYIELD);
    Sleep(kSummaryPauseMs);
    ShowWindow(GetDlgItem(IDC_STATUS), SW_HIDE);
    ShowInputControls(true);
    SetDlgItemTextW(m_hWnd, IDCANCEL, L"終了");

    if (m_bAutoRun) OnCancel();
    return true;
}

bool CConverterDlg::OnCommand(UINT id, UINT code, HWND)
{
    switch (id) {
    case IDC_BROWSE_SOURCE:
        if (code == BN_CLICKED) OnBrowseSource();
        return true;
    case IDC_BROWSE_OUTPUT:
        if (code == BN_CLICKED) OnBrowseOutput();
        return true;
    case IDC_REFERENCE_X:
    case IDC_REFERENCE_Y:
        KeepReferenceCurrent();
        return true;
    }
    return false;
}

bool CConverterDlg::OnSysCommand(UINT command, LPARAM)
{
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(m_hWnd);
        about.DoModal();
        return true;
    }
    if ((command & 0xFFF0) == SC_CLOSE) {
        OnCancel();
        return true;
    }
    return false;
}

bool CConverterDlg::OnPaint()
{
    if (!IsIconic(m_hWnd)) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
    return true;
}

void CConverterDlg::OnDestroy()
{
    if (CApplication* app = CApplication::Get()) app->WinHelp(m_hWnd, HELP_QUIT, 0);
}

void CConverterDlg::OnBrowseSource()
{
    if (m_bRunning) return; // the worker reads the paths
    UpdateData(true);
    CFileDialog dialog(true, L"dxf", m_strSource, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kDxfFilter, m_hWnd);
    if (dialog.DoModal() != IDOK) return;
    m_strSource = dialog.GetPathName();
    UpdateData(false);
}

void CConverterDlg::OnBrowseOutput()
{
    if (m_bRunning) return;
    UpdateData(true);
    // The current output path is not offered: the dialog starts without a name.
    CFileDialog dialog(false, L"dxf", "", OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, kDxfFilter,
                       m_hWnd);
    if (dialog.DoModal() != IDOK) return;
    m_strOutput = dialog.GetPathName();
    UpdateData(false);
}

void CConverterDlg::ShowInputControls(bool show)
{
    for (int id : kInputControls) ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE);
}

void CConverterDlg::KeepReferenceCurrent()
{
    bool x = IsDlgButtonChecked(m_hWnd, IDC_REFERENCE_X) == BST_CHECKED;
    m_referenceAxis = x ? ReferenceAxis::X : ReferenceAxis::Y;
}
