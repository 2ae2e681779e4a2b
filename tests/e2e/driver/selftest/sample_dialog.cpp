// A small dialog for the driver's own test: an edit, a check box, two radio
// buttons and a button that asks a question in a message box. It ends with
// exit status 1 on OK, 2 on Cancel, and shows the edit's text as the answer
// label when asked.
#include <windows.h>

namespace {

INT_PTR CALLBACK SampleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, 202, 203, 203);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case 204: {
            int answer = MessageBoxW(dialog, L"Really?", L"Question", MB_YESNO | MB_ICONQUESTION);
            SetDlgItemTextW(dialog, 205, answer == IDYES ? L"yes" : L"no");
            return TRUE;
        }
        case IDOK:
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 2);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return int(DialogBoxParamW(instance, MAKEINTRESOURCEW(100), nullptr, SampleProc, 0));
}
