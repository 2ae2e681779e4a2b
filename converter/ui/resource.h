#pragma once
// Resource and command ids of trenvika, shared by the resource script, the
// code and the end-to-end tests.

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_TRENVIKA_DIALOG     102
#define IDR_MAINFRAME           128

#define IDC_SOURCE              1000
#define IDC_OUTPUT              1001
#define IDC_STATUS              1002
#define IDC_SOURCE_LABEL        1003
#define IDC_OUTPUT_LABEL        1004
#define IDC_REFERENCE_X         1005
#define IDC_REFERENCE_Y         1006
#define IDC_BROWSE_SOURCE       1009
#define IDC_BROWSE_OUTPUT       1010

// The help command of the help button, routed to the application.
#define ID_HELP                 57670

// System menu entry of the About box; the system uses the low four bits.
#define IDM_ABOUTBOX            0x0010

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
