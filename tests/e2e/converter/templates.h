#pragma once
// The dialog templates of trenvika as they must be built: every control in
// template order, with its full style.
#include <windows.h>

#include "resource.h"

namespace trenvika {

struct TemplateControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    short x, y, cx, cy;
    DWORD style;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kPathEdit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kBrowse = kChild | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;

// Template 102: 186 x 93, "Trenvika".
constexpr DWORD kConverterStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline const TemplateControl kConverterControls[] = {
    {IDC_SOURCE_LABEL, L"Static", L"元のDXF", 7, 17, 32, 8, kLabel},
    {IDC_SOURCE, L"Edit", L"", 44, 14, 116, 14, kPathEdit},
    {IDC_BROWSE_SOURCE, L"Button", L"REF_SET", 166, 14, 13, 12, kBrowse},
    {IDC_OUTPUT_LABEL, L"Static", L"変換後", 7, 35, 32, 8, kLabel},
    {IDC_OUTPUT, L"Edit", L"", 44, 31, 116, 14, kPathEdit},
    {IDC_BROWSE_OUTPUT, L"Button", L"REF_SET", 166, 31, 13, 12, kBrowse},
    {IDC_REFERENCE_X, L"Button", L"X基準", 45, 52, 34, 10, kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON},
    {IDC_REFERENCE_Y, L"Button", L"Y基準", 90, 52, 34, 10, kChild | BS_AUTORADIOBUTTON},
    {IDC_STATUS, L"Static", L"", 7, 7, 172, 60, WS_CHILD | WS_GROUP | SS_LEFT},
    {IDOK, L"Button", L"変換", 9, 72, 50, 14, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDCANCEL, L"Button", L"終了", 67, 72, 50, 14, kPush},
    {ID_HELP, L"Button", L"ﾍﾙﾌﾟ(&H)", 125, 72, 50, 14, kPush},
};

// Template 100: 155 x 87, the About box.
inline const wchar_t kAboutTitle[] = L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika";
constexpr DWORD kAboutStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
inline const TemplateControl kAboutControls[] = {
    {-1, L"Static", L"#128", 11, 17, 0, 0, kChild | SS_ICON}, // the application icon, at its own size
    {-1, L"Static", L"Trenvika Version 1.2", 40, 10, 108, 8, kLabel | SS_NOPREFIX},
    {-1, L"Static", L"DXF 3Dポリライン変換\nCopyright (C) By Harnel\nAll rights reserved.", 40, 25, 107, 30,
     kLabel},
    {IDOK, L"Button", L"OK", 61, 66, 32, 14, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

} // namespace trenvika
