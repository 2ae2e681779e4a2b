#pragma once
// The setup dialog (template 101): shapes itself from the script into an
// install, version-up or installed (uninstall) dialog, and starts the run.
#include <windows.h>

#include "held_writes.h"
#include "resource.h"
#include "text_limits.h"

class SetupDialog {
public:
    enum { IDD = IDD_SETUP };

    // Modal, owned by the background window; returns when setup ends.
    static void Show(HWND owner);

private:
    SetupDialog() = default;

    static INT_PTR CALLBACK s_DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DlgProc(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id, int code);
    void OnPaint();

    // Initialisation steps, in their order.
    void SetEnglishTexts();
    void SetTitle();
    void LoadDialogIcons();
    void FindPreviousInstallation();
    void ShowInstallFolder();
    void EnterInstalledMode();
    void EnterInstallMode();
    void SetUpReadmeButton();
    void MeasureRowHeight();
    void LayOutOptionRows();
    void LayOutInstallerFileOptions();
    void CloseFreeRows();

    // Commands.
    void OnRun();
    void OnCancel();
    void OnReadme(); // a declined agreement ends setup
    void OnMenuOption();
    void OnCopyOption();
    void OnBrowseInstallFolder();
    void OnBrowseMenuFolder();

    HWND m_hWnd = nullptr;
    char m_szFolder[kPathSize] = "";     // install folder, then the path of the installed script
    char m_szProductKey[kPathSize] = ""; // Root Name as the run will write it
    HeldScriptWrites m_held;             // what the script gets once a run starts
    bool m_bVersionUp = false;
    int m_nRowHeight = 0;                // pixels between the tops of two option rows
    int m_nLeftFreeRows = 0;
    int m_nRightFreeRows = 2;            // the installer-file group is two rows shorter than the left column
    bool m_bFileGroupUsed = false;
    bool m_bRunStarted = false;
};
