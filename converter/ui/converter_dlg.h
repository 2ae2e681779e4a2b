#pragma once
// The converter's dialog: the user names the source and output drawings,
// picks the reference axis and starts the conversion, which a worker thread
// performs on the run context this dialog is. A one-second timer polls the
// counters into the status area until the run ends.
#include <cstdint>
#include <string>

#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/worker_thread.h"
#include "resource.h"
#include "run_context.h"

class CConverterDlg : public CDialog, public CRunContext {
public:
    enum { IDD = IDD_TRENVIKA_DIALOG };

    explicit CConverterDlg(HWND parent = nullptr);

    // The paths, flags and counters are the run context's (m_strSource, m_strOutput, ...).
    std::string m_strStatus;
    CBitmapButton m_btnSource;
    CBitmapButton m_btnOutput;
    int32_t m_bAutoRun = 0; // both paths came from the command line: run at once, then close
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;     // start a run
    void OnCancel() override; // exit, or abort the run and then exit
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnSysCommand(UINT command, LPARAM lParam) override;
    bool OnPaint() override;
    HICON OnQueryDragIcon() override { return m_hIcon; }
    void OnDestroy() override;

private:
    void OnBrowseSource();
    void OnBrowseOutput();
    void ShowInputControls(bool show);
    void KeepReferenceCurrent();

    HICON m_hSmallIcon;
    // Last member: destroyed first, so no worker outlives the run context.
    CWorkerThread m_worker;
};
