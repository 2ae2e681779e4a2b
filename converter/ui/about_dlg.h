#pragma once
// The About box, reached from the system menu.
#include "framework/dialog.h"
#include "resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    explicit CAboutDlg(HWND parent) : CDialog(IDD, parent) {}
};
