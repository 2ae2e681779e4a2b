#include "setup_dialog.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "dbcs.h"
#include "folder_browser.h"
#include "language.h"
#include "option_rule.h"
#include "path_text.h"
#include "paths.h"
#include "readme_viewer.h"
#include "registry_key.h"
#include "run_sequences.h"
#include "script.h"
#include "setup_state.h"

namespace {

struct OptionRow {
    int id;
    const char* key; // in section Check
};

// The left column, top to bottom.
constexpr OptionRow kOptionRows[] = {
    {IDC_MENU, "Menu"}, {IDC_DESKTOP, "Desktop"}, {IDC_STARTUP, "Startup"}, {IDC_EXT, "Ext"}, {IDC_SEND, "Send"},
};

// What the Copy checkbox disables while it stands for uninstall.
constexpr int kUninstallDisables[] = {IDC_MENU, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_MENU_FOLDER};

} // namespace

void SetupDialog::Show(HWND owner)
{
    SetupDialog dialog;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD), owner, s_DlgProc,
                    reinterpret_cast<LPARAM>(&dialog));
}

INT_PTR CALLBACK SetupDialog::s_DlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<SetupDialog*>(lParam)->m_hWnd = window;
    }
    if (auto* dialog = reinterpret_cast<SetupDialog*>(GetWindowLongPtrA(window, DWLP_USER)))
        dialog->DlgProc(message, wParam, lParam);
    return FALSE; // every message goes on to the dialog manager
}

void SetupDialog::DlgProc(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_DESTROY:
        // Setup ends here: the run sequences and Cancel post this message.
        PostQuitMessage(0);
        break;
    }
}

void SetupDialog::OnInitDialog()
{
    if (!UsesJapaneseTexts()) SetEnglishTexts();
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetTitle();
    LoadDialogIcons();
    FindPreviousInstallation();
    ShowInstallFolder();
    if (ReadScriptInt("CopiedFile", "Count") != 0) EnterInstalledMode();
    else EnterInstallMode();
    SetUpReadmeButton();
    MeasureRowHeight();
    LayOutOptionRows();
    LayOutInstallerFileOptions();
    CloseFreeRows();
    SetFocus(GetDlgItem(m_hWnd, IDOK));
}

void SetupDialog::SetEnglishTexts()
{
    static const struct {
        int id;
        const char* text;
    } texts[] = {
        {IDC_FOLDER_LABEL, "&Folder to install..."},
        {IDC_MENU, "&Menu"},
        {IDC_DESKTOP, "Short&Cut"},
        {IDC_STARTUP, "&Startup"},
        {IDC_EXT, "Relate to &Ext."},
        {IDC_SEND, "Send &To"},
        {IDC_COPY, "Co&py"},
        {IDC_DELETE_AFTER, "&Delete after..."},
        {IDOK, "OK"},
        {IDCANCEL, "Cancel"},
        {IDC_README, "Readme"},
    };
    for (const auto& t : texts) SetDlgItemTextA(m_hWnd, t.id, t.text);
}

void SetupDialog::SetTitle()
{
    char name[kPathSize];
    ReadScriptText("Setup", "Name", name, "Install");
    SetWindowTextA(m_hWnd, name);
}

void SetupDialog::LoadDialogIcons()
{
    char file[kPathSize];
    if (ReadScriptText("Desktop", "Icon", file) == 0) return;
    // The index comes from section Check; the file name is used as written.
    int index = ReadScriptInt("Check", "IconNo");
    ExtractIconExA(file, index, &g_setup.iconLarge, &g_setup.iconSmall, 1);
    if (g_setup.iconLarge)
        SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(g_setup.iconLarge));
}

// An earlier installation of the product is found through the system's
// uninstall list: its command names the installed copy of setup.
void SetupDialog::FindPreviousInstallation()
{
    char rootName[kPathSize];
    if (ReadScriptText("Root", "Name", rootName) == 0) return;
    RegistryKey list, product;
    // Opened for reading only: looking must not leave an empty product key
    // in the uninstall list when setup is then cancelled.
    if (!list.Open(HKEY_LOCAL_MACHINE, kUninstallListKey, KEY_READ)) return;
    if (!product.Open(list.Handle(), LastComponent(rootName), KEY_READ)) return;
    char command[kPathSize];
    if (!ReadRegistryText(product.Handle(), "UninstallString", command, sizeof command)) return;
    if (!SplitAtLastBackslash(command)) return;
    if (CopyText(m_szFolder, command)) m_bVersionUp = true;
}

// Root Name becomes a bare name: it names the product's entry in the
// uninstall list from now on.
void SetupDialog::ShowInstallFolder()
{
    char rootName[kPathSize];
    ReadScriptText("Root", "Name", rootName);
    if (m_szFolder[0] == '\0') {
        DefaultInstallFolder(rootName, m_szFolder);
        if (const char* last = FindLastCharDbcs(m_szFolder, '\\')) WriteScriptText("Root", "Name", last + 1);
    } else {
        // Found in the uninstall list: the name stays the one of the entry
        // found, also when the user had installed into a folder of another
        // name, so that a version-up and an uninstall keep to that entry.
        WriteScriptText("Root", "Name", LastComponent(rootName));
    }
    SetDlgItemTextA(m_hWnd, IDC_FOLDER, m_szFolder);
}

void SetupDialog::EnterInstalledMode()
{
    g_setup.runState = kRunStateInstalled;
    WriteScriptText("Check", "Copy", "1");
    WriteScriptText("Check", "Del", "0");
    ShowControl(IDC_BROWSE_FOLDER, false);
    g_setup.modeCode = kModeInstalled;
    SetDlgItemTextA(m_hWnd, IDC_FOLDER_LABEL, Localized("インストール済です．", "Installed"));

    // The copy checkbox becomes the uninstall checkbox, in the Start-menu row.
    RECT menu = ControlRect(IDC_MENU);
    RECT copy = ControlRect(IDC_COPY);
    SetWindowPos(GetDlgItem(m_hWnd, IDC_COPY), nullptr, copy.left, menu.top, copy.right - copy.left,
                 menu.bottom - menu.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ShowControl(IDC_FILE_GROUP, false);
    SetDlgItemTextA(m_hWnd, IDC_COPY, Localized("アンインストール", "Uninstall"));
    if (ReadScriptInt("Del", "Auto") == 0 && ReadScriptInt("Del", "Checked") != 0) {
        CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
        PostCommand(IDC_COPY);
    }
    SendDlgItemMessageA(m_hWnd, IDC_FOLDER, EM_SETREADONLY, TRUE, 0);
    m_nRightFreeRows = 4;
    JoinPath(m_szFolder, "Setup.ini");
    WriteScriptText("Setup", "Auto", "0");
}

void SetupDialog::EnterInstallMode()
{
    char self[kPathSize];
    ReadScriptText("CopyFile", "Self", self);
    const char* caption = self[0] ? LastComponent(self) : Localized("インストーラー", "Installer");
    SetDlgItemTextA(m_hWnd, IDC_FILE_GROUP, caption);
    if (m_bVersionUp) {
        g_setup.modeCode = kModeVersionUp;
        SetDlgItemTextA(m_hWnd, IDC_FOLDER_LABEL, Localized("(&F)バージョンアップ先", "&Folder to version up"));
        JoinPath(m_szFolder, "Setup.ini"); // the previous installed script
    }
}

void SetupDialog::SetUpReadmeButton()
{
    int done = ReadScriptInt("Readme", "Done");
    bool declined = false;
    if (done == 0) ShowControl(IDC_README, false);
    else if (done == 2 && ReadScriptInt("Setup", "Auto") == 0 && !g_setup.uninstallRequest)
        declined = !OnReadme();
    if (ReadScriptInt("Go", "Agree") != 0) {
        // Done 1 marks the agreement as given (the installed copy does not
        // ask again); a declined one must be asked again at the next start.
        if (!declined) WriteScriptText("Readme", "Done", "1");
        ShowControl(IDC_README, false);
    }
}

void SetupDialog::MeasureRowHeight()
{
    m_nRowHeight = ControlRect(IDC_DESKTOP).top - ControlRect(IDC_MENU).top;
}

void SetupDialog::LayOutOptionRows()
{
    constexpr int rows = static_cast<int>(std::size(kOptionRows));
    for (int row = 0; row < rows; ++row) {
        const OptionRow& option = kOptionRows[row];
        int value = ReadScriptInt("Check", option.key);
        if (m_bVersionUp) {
            if (option.id == IDC_MENU) {
                char named[kPathSize];
                if (ReadProfileText(m_szFolder, "Menu", "Named", named) != 0)
                    WriteScriptText("Menu", "Change", named);
            }
            value = VersionUpOptionValue(value, ReadProfileInt(m_szFolder, "Check", option.key));
        }
        OptionLook look = LookOfOption(value);
        if (look.checked) CheckDlgButton(m_hWnd, option.id, BST_CHECKED);
        if (!look.shown) ShowControl(option.id, false);
        if (option.id == IDC_MENU) {
            FolderButton button = MenuFolderButtonFor(value);
            if (button != FolderButton::AsTemplate) ShowControl(IDC_MENU_FOLDER, button == FolderButton::Show);
        }
        if (OptionCollapses(value)) {
            ++m_nLeftFreeRows;
            for (int below = row + 1; below < rows; ++below) MoveControlUp(kOptionRows[below].id, m_nRowHeight);
        }
    }
}

void SetupDialog::LayOutInstallerFileOptions()
{
    bool installed = g_setup.runState == kRunStateInstalled;
    int copy = ReadScriptInt("Check", "Copy");
    OptionLook look = LookOfOption(copy);
    if (copy == 1 || copy == 2) m_bFileGroupUsed = true;
    if (look.checked) CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
    if (!look.shown) {
        ShowControl(IDC_COPY, false);
        if (!installed) {
            ++m_nRightFreeRows;
            MoveControlUp(IDC_DELETE_AFTER, m_nRowHeight);
            MakeControlShorter(IDC_FILE_GROUP, m_nRowHeight);
        }
    }
    if (g_setup.uninstallRequest) {
        CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
        PostCommand(IDC_COPY);
    }

    int del = ReadScriptInt("Check", "Del");
    look = LookOfOption(del);
    if (del == 1 || del == 2) m_bFileGroupUsed = true;
    if (look.checked) CheckDlgButton(m_hWnd, IDC_DELETE_AFTER, BST_CHECKED);
    if (!look.shown) {
        ShowControl(IDC_DELETE_AFTER, false);
        if (!installed) {
            ++m_nRightFreeRows;
            MakeControlShorter(IDC_FILE_GROUP, m_nRowHeight);
        }
    }
    if (!m_bFileGroupUsed) {
        ShowControl(IDC_FILE_GROUP, false);
        m_nRightFreeRows = 5;
    }
}

// Rows that both columns left free are cut from the bottom of the dialog.
void SetupDialog::CloseFreeRows()
{
    int saving = std::min(m_nLeftFreeRows, m_nRightFreeRows);
    if (ReadScriptInt("Setup", "Auto") != 0) {
        for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME, IDC_BROWSE_FOLDER}) ShowControl(id, false);
        MakeDialogShorter((saving + 1) * m_nRowHeight);
        PostCommand(IDOK); // an unattended run starts as soon as the dialog shows
        return;
    }
    for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME}) MoveControlUp(id, saving * m_nRowHeight);
    MakeDialogShorter(saving * m_nRowHeight);
}

void SetupDialog::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (g_setup.iconLarge) {
        RECT frame = ControlRect(IDC_ICON_FRAME);
        DrawIcon(dc, frame.left, frame.top, g_setup.iconLarge);
    }
    EndPaint(m_hWnd, &paint);
}

void SetupDialog::OnCommand(int id, int code)
{
    switch (id) {
    case IDOK:
        OnRun();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    case IDC_README:
        OnReadme();
        break;
    case IDC_MENU:
        if (code == BN_CLICKED) OnMenuOption();
        break;
    case IDC_BROWSE_FOLDER:
        if (code == BN_CLICKED) OnBrowseInstallFolder();
        break;
    case IDC_COPY:
        if (code == BN_CLICKED) OnCopyOption();
        break;
    case IDC_MENU_FOLDER:
        if (code == BN_CLICKED) OnBrowseMenuFolder();
        break;
    }
}

void SetupDialog::OnRun()
{
    // A run starts once: Enter on the hidden default button, or a run
    // posted twice (uninstall request and Del Checked), must not repeat it.
    if (m_bRunStarted) return;
    m_bRunStarted = true;
    StartRunSequence(m_hWnd);
}

void SetupDialog::OnCancel()
{
    WriteScriptText("Menu", "Change", "");
    PostMessageA(m_hWnd, WM_DESTROY, 0, 0);
}

bool SetupDialog::OnReadme()
{
    if (g_setup.iconSmall)
        SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(g_setup.iconSmall));
    bool goOn = ReadmeViewer::Show(m_hWnd) != 0;
    if (!goOn) PostMessageA(m_hWnd, WM_DESTROY, 0, 0); // agreement declined, or not to be read
    if (g_setup.iconLarge)
        SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(g_setup.iconLarge));
    return goOn;
}

void SetupDialog::OnMenuOption()
{
    ShowControl(IDC_MENU_FOLDER, IsDlgButtonChecked(m_hWnd, IDC_MENU) == BST_CHECKED);
}

// In installed mode the copy checkbox stands for uninstall: the other
// options mean nothing while it is checked.
void SetupDialog::OnCopyOption()
{
    if (g_setup.runState == kRunStateInstall) return;
    bool uninstall = IsDlgButtonChecked(m_hWnd, IDC_COPY) == BST_CHECKED;
    for (int id : kUninstallDisables) EnableWindow(GetDlgItem(m_hWnd, id), !uninstall);
    if (uninstall && g_setup.uninstallRequest) PostCommand(IDOK);
}

void SetupDialog::OnBrowseInstallFolder()
{
    char start[kPathSize];
    GetDlgItemTextA(m_hWnd, IDC_FOLDER, start, sizeof start);
    char chosen[kPathSize];
    if (!BrowseForFolder(m_hWnd, nullptr, Localized("ｲﾝｽﾄｰﾙ先の指定", "Install to..."), start, chosen)) return;
    char rootName[kPathSize];
    if (ReadScriptText("Root", "Name", rootName) != 0 && !EndsWithName(chosen, rootName) &&
        !JoinPath(chosen, rootName))
        return; // too long for a path: the field keeps its folder
    SetDlgItemTextA(m_hWnd, IDC_FOLDER, chosen);
}

void SetupDialog::OnBrowseMenuFolder()
{
    char name[kPathSize];
    if (ReadScriptText("Menu", "Name", name) == 0) return;
    char title[kPathSize + 32];
    std::snprintf(title, sizeof title, Localized("ﾒﾆｭｰ \"%s\" の作成位置", "Where \"%s\" is ?"), name);

    // Start where the Start-menu folder of the installation in the folder
    // field lies, or else where the running script has it.
    char start[kPathSize] = "";
    char installedScript[kPathSize];
    GetDlgItemTextA(m_hWnd, IDC_FOLDER, installedScript, sizeof installedScript);
    if (JoinPath(installedScript, "Setup.ini")) ReadProfileText(installedScript, "Menu", "Named", start);
    if (start[0] == '\0') ReadScriptText("Menu", "Named", start);

    PIDLIST_ABSOLUTE programs = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(m_hWnd, CSIDL_PROGRAMS, &programs))) return;
    char chosen[kPathSize];
    bool picked = BrowseForFolder(m_hWnd, programs, title, start, chosen);
    CoTaskMemFree(programs);
    if (!picked) return;
    if (!EndsWithName(chosen, name) && !JoinPath(chosen, name)) return;
    WriteScriptText("Menu", "Change", chosen);
}

RECT SetupDialog::ControlRect(int id) const
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(m_hWnd, id), &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void SetupDialog::MoveControlUp(int id, int distance)
{
    RECT rect = ControlRect(id);
    SetWindowPos(GetDlgItem(m_hWnd, id), nullptr, rect.left, rect.top - distance, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void SetupDialog::MakeControlShorter(int id, int distance)
{
    RECT rect = ControlRect(id);
    SetWindowPos(GetDlgItem(m_hWnd, id), nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - distance,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void SetupDialog::MakeDialogShorter(int distance)
{
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    SetWindowPos(m_hWnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - distance,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void SetupDialog::ShowControl(int id, bool shown)
{
    ShowWindow(GetDlgItem(m_hWnd, id), shown ? SW_SHOW : SW_HIDE);
}

void SetupDialog::PostCommand(int id)
{
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, id)));
}
