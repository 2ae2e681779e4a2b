#include "dialog_fields.h"

bool IsOptionTicked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

size_t ReadFolderField(HWND dialog, char (&out)[kPathSize])
{
    out[0] = '\0';
    if (GetWindowTextLengthA(GetDlgItem(dialog, IDC_FOLDER)) >= static_cast<int>(kPathSize)) return 0;
    return static_cast<size_t>(GetDlgItemTextA(dialog, IDC_FOLDER, out, kPathSize));
}
