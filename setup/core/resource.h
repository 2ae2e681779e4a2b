#pragma once
// Resource and control ids of Setup.exe, shared by the resource script and the code.

#define IDD_SETUP           101
#define IDD_README          102
#define IDI_SETUP           114
#define IDD_BACKGROUND      115

// Setup dialog (101)
#define IDC_README          3
#define IDC_MENU            1004
#define IDC_STARTUP         1005
#define IDC_DESKTOP         1006
#define IDC_FOLDER          1007
#define IDC_BROWSE_FOLDER   1008
#define IDC_COPY            1009
#define IDC_DELETE_AFTER    1010
#define IDC_EXT             1011
#define IDC_SEND            1012
#define IDC_FOLDER_LABEL    1013
#define IDC_ICON_FRAME      1018
#define IDC_MENU_FOLDER     1021
#define IDC_FILE_GROUP      1022

// ReadMe dialog (102)
#define IDC_README_TEXT     1010
#define IDC_README_BUTTON1  1024
#define IDC_README_BUTTON2  1025
#define IDC_README_BUTTON3  1026
#define IDC_README_END      1027
