#include "setup_dialog.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "command_line.h"
#include "dbcs.h"
#include "dialog_fields.h"
#include "dialog_layout.h"
#include "folder_browser.h"
#include "installed_copy.h"
#include "language.h"
#include "option_rule.h"
#include "path_text.h"
#include "paths.h"
#include "readme_viewer.h"
#include "registry_key.h"
#include "run_sequences.h"
#include "script_keys.h"
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
    if (IsInstalledCopy()) EnterInstalledMode();
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
    if (ReadDisplayName(name) == 0) CopyText(name, "Install");
    SetWindowTextA(m_hWnd, name);
}

void SetupDialog::LoadDialogIcons()
{
    char name[kPathSize], file[kPathSize];
    if (ReadScriptText("Desktop", "Icon", name) == 0) return;
    // The index comes from section Check; the name takes no macros. A
    // relative one lies beside setup, wherever setup was started from.
    PathBesideSetup(name, file);
    int index = ReadScriptInt("Check", "IconNo");
    DialogIcons& icons = g_setup.dialogIcons;
    ExtractIconExA(file, index, &icons.large, &icons.little, 1);
    if (icons.large) SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icons.large));
}

// An earlier installation of the product is found through the system's
// uninstall list: its command names the installed copy of setup, quoted as
// this setup registers it or unquoted as earlier ones did.
void SetupDialog::FindPreviousInstallation()
{
    if (ReadProductKey(m_szProductKey) == 0) return;
    RegistryKey list, product;
    // Opened for reading only: looking must not leave an empty product key
    // in the uninstall list when setup is then cancelled.
    if (!list.Open(HKEY_LOCAL_MACHINE, kUninstallListKey, KEY_READ)) return;
    if (!product.Open(list.Handle(), LastComponent(m_szProductKey), KEY_READ)) return;
    char command[kPathSize + 16];
    if (!ReadRegistryText(product.Handle(), "UninstallString", command, sizeof command)) return;
    if (FolderOfUninstallCommand(command, m_szFolder, sizeof m_szFolder)) m_bVersionUp = true;
}

// The product's entry in the uninstall list is named by the last part of
// Root Name. The script keeps the folder form as written ("%programs%\Tool"):
// made a bare name, it would propose C:\Tool at the next start, after a
// cancelled or killed run or once the product is uninstalled.
void SetupDialog::ShowInstallFolder()
{
    if (m_szFolder[0] == '\0') {
        DefaultInstallFolder(m_szProductKey, m_szFolder);
        if (const char* last = FindLastCharDbcs(m_szFolder, '\\')) CopyText(m_szProductKey, last + 1);
    } else {
        // Found in the uninstall list: the name stays the one of the entry
        // found, also when the user had installed into a folder of another
        // name, so that a version-up and an uninstall keep to that entry.
        CopyText(m_szProductKey, LastComponent(m_szProductKey));
    }
    SetDlgItemTextA(m_hWnd, IDC_FOLDER, m_szFolder);
}

void SetupDialog::EnterInstalledMode()
{
    g_setup.runState = kRunStateInstalled;
    m_held.Write("Check", "Copy", "1");
    m_held.Write("Check", "Del", "0");
    ShowControl(m_hWnd, IDC_BROWSE_FOLDER, false);
    g_setup.setupModeCode = kModeInstalled;
    SetDlgItemTextA(m_hWnd, IDC_FOLDER_LABEL, Localized("インストール済です．", "Installed"));

    // The copy checkbox becomes the uninstall checkbox, in the Start-menu row.
    RECT menu = ControlRect(m_hWnd, IDC_MENU);
    RECT copy = ControlRect(m_hWnd, IDC_COPY);
    SetWindowPos(GetDlgItem(m_hWnd, IDC_COPY), nullptr, copy.left, menu.top, copy.right - copy.left,
                 menu.bottom - menu.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ShowControl(m_hWnd, IDC_FILE_GROUP, false);
    SetDlgItemTextA(m_hWnd, IDC_COPY, Localized("アンインストール", "Uninstall"));
    if (ReadScriptInt("Del", "Auto") == 0 && ReadScriptInt("Del", "Checked") != 0) {
        CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
        PostCommand(m_hWnd, IDC_COPY);
    }
    SendDlgItemMessageA(m_hWnd, IDC_FOLDER, EM_SETREADONLY, TRUE, 0);
    m_nRightFreeRows = 4;
    JoinPath(m_szFolder, "Setup.ini");
    m_held.Write("Setup", "Auto", "0");
}

void SetupDialog::EnterInstallMode()
{
    char self[kPathSize];
    ReadScriptText("CopyFile", "Self", self);
    const char* caption = self[0] ? LastComponent(self) : Localized("インストーラー", "Installer");
    SetDlgItemTextA(m_hWnd, IDC_FILE_GROUP, caption);
    if (m_bVersionUp) {
        g_setup.setupModeCode = kModeVersionUp;
        SetDlgItemTextA(m_hWnd, IDC_FOLDER_LABEL, Localized("(&F)バージョンアップ先", "&Folder to version up"));
        JoinPath(m_szFolder, "Setup.ini"); // the previous installed script
    }
}

void SetupDialog::SetUpReadmeButton()
{
    int done = ReadScriptInt("Readme", "Done");
    if (done == 0) ShowControl(m_hWnd, IDC_README, false);
    else if (done == 2 && m_held.ReadInt("Setup", "Auto") == 0 && !g_setup.uninstallRequest)
        OnReadme();
    if (ReadScriptInt("Go", "Agree") != 0) {
        // Done 1 marks the agreement as given (the installed copy does not
        // ask again). Held until a run starts: a declined agreement ends
        // setup first, and is asked again at the next start.
        m_held.Write("Readme", "Done", "1");
        ShowControl(m_hWnd, IDC_README, false);
    }
}

void SetupDialog::MeasureRowHeight()
{
    m_nRowHeight = ControlRect(m_hWnd, IDC_DESKTOP).top - ControlRect(m_hWnd, IDC_MENU).top;
}

void SetupDialog::LayOutOptionRows()
{
    constexpr int rows = static_cast<int>(std::size(kOptionRows));
    for (int row = 0; row < rows; ++row) {
        const OptionRow& option = kOptionRows[row];
        int value = ReadScriptInt("Check", option.key);
        if (m_bVersionUp) {
            char menuFolder[kPathSize];
            if (option.id == IDC_MENU && ReadMenuFolder(menuFolder, m_szFolder) != 0)
                m_held.Write(kChosenMenuFolder, menuFolder);
            value = VersionUpOptionValue(value, ReadProfileInt(m_szFolder, "Check", option.key));
        }
        OptionLook look = LookOfOption(value);
        if (look.checked) CheckDlgButton(m_hWnd, option.id, BST_CHECKED);
        if (!look.shown) ShowControl(m_hWnd, option.id, false);
        if (option.id == IDC_MENU) {
            FolderButton button = MenuFolderButtonFor(value);
            if (button != FolderButton::AsTemplate) ShowControl(m_hWnd, IDC_MENU_FOLDER, button == FolderButton::Show);
        }
        if (OptionCollapses(value)) {
            ++m_nLeftFreeRows;
            for (int below = row + 1; below < rows; ++below) MoveControlUp(m_hWnd, kOptionRows[below].id, m_nRowHeight);
        }
    }
}

void SetupDialog::LayOutInstallerFileOptions()
{
    bool installed = g_setup.runState == kRunStateInstalled;
    int copy = m_held.ReadInt("Check", "Copy");
    OptionLook look = LookOfOption(copy);
    if (copy == 1 || copy == 2) m_bFileGroupUsed = true;
    if (look.checked) CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
    if (!look.shown) {
        ShowControl(m_hWnd, IDC_COPY, false);
        if (!installed) {
            ++m_nRightFreeRows;
            MoveControlUp(m_hWnd, IDC_DELETE_AFTER, m_nRowHeight);
            MakeControlShorter(m_hWnd, IDC_FILE_GROUP, m_nRowHeight);
        }
    }
    if (g_setup.uninstallRequest) {
        CheckDlgButton(m_hWnd, IDC_COPY, BST_CHECKED);
        PostCommand(m_hWnd, IDC_COPY);
    }

    int del = m_held.ReadInt("Check", "Del");
    look = LookOfOption(del);
    if (del == 1 || del == 2) m_bFileGroupUsed = true;
    if (look.checked) CheckDlgButton(m_hWnd, IDC_DELETE_AFTER, BST_CHECKED);
    if (!look.shown) {
        ShowControl(m_hWnd, IDC_DELETE_AFTER, false);
        if (!installed) {
            ++m_nRightFreeRows;
            MakeControlShorter(m_hWnd, IDC_FILE_GROUP, m_nRowHeight);
        }
    }
    if (!m_bFileGroupUsed) {
        ShowControl(m_hWnd, IDC_FILE_GROUP, false);
        m_nRightFreeRows = 5;
    }
}

// Rows that both columns left free are cut from the bottom of the dialog.
void SetupDialog::CloseFreeRows()
{
    int saving = std::min(m_nLeftFreeRows, m_nRightFreeRows);
    if (m_held.ReadInt("Setup", "Auto") != 0) {
        for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME, IDC_BROWSE_FOLDER}) ShowControl(m_hWnd, id, false);
        MakeWindowShorter(m_hWnd, (saving + 1) * m_nRowHeight);
        PostCommand(m_hWnd, IDOK); // an unattended run starts as soon as the dialog shows
        return;
    }
    for (int id : {IDOK, IDCANCEL, IDC_README, IDC_ICON_FRAME}) MoveControlUp(m_hWnd, id, saving * m_nRowHeight);
    MakeWindowShorter(m_hWnd, saving * m_nRowHeight);
}

void SetupDialog::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (g_setup.dialogIcons.large) {
        RECT frame = ControlRect(m_hWnd, IDC_ICON_FRAME);
        DrawIcon(dc, frame.left, frame.top, g_setup.dialogIcons.large);
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
    m_held.Commit();
    StartRunSequence(m_hWnd);
}

void SetupDialog::OnCancel()
{
    WriteChosenMenuFolder("");
    PostMessageA(m_hWnd, WM_DESTROY, 0, 0);
}

void SetupDialog::OnReadme()
{
    const DialogIcons& icons = g_setup.dialogIcons;
    if (icons.little) SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icons.little));
    if (ReadmeViewer::Show(m_hWnd) == 0) PostMessageA(m_hWnd, WM_DESTROY, 0, 0); // agreement declined, or not to be read
    if (icons.large) SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icons.large));
}

void SetupDialog::OnMenuOption()
{
    ShowControl(m_hWnd, IDC_MENU_FOLDER, IsOptionTicked(m_hWnd, IDC_MENU));
}

// In installed mode the copy checkbox stands for uninstall: the other
// options mean nothing while it is checked.
void SetupDialog::OnCopyOption()
{
    if (g_setup.runState == kRunStateInstall) return;
    bool uninstall = IsOptionTicked(m_hWnd, IDC_COPY);
    for (int id : kUninstallDisables) EnableWindow(GetDlgItem(m_hWnd, id), !uninstall);
    if (uninstall && g_setup.uninstallRequest) PostCommand(m_hWnd, IDOK);
}

void SetupDialog::OnBrowseInstallFolder()
{
    char start[kPathSize];
    ReadFolderField(m_hWnd, start);
    char chosen[kPathSize];
    if (!BrowseForFolder(m_hWnd, nullptr, Localized("ｲﾝｽﾄｰﾙ先の指定", "Install to..."), start, chosen)) return;
    if (m_szProductKey[0] && !EndsWithName(chosen, m_szProductKey) && !JoinPath(chosen, m_szProductKey))
        return; // too long for a path: the field keeps its folder
    SetDlgItemTextA(m_hWnd, IDC_FOLDER, chosen);
}

void SetupDialog::OnBrowseMenuFolder()
{
    char name[kPathSize];
    if (ReadMenuName(name) == 0) return;
    char title[kPathSize + 32];
    std::snprintf(title, sizeof title, Localized("ﾒﾆｭｰ \"%s\" の作成位置", "Where \"%s\" is ?"), name);

    // Start where the Start-menu folder of the installation in the folder
    // field lies, or else where the running script has it.
    char start[kPathSize] = "";
    char installedScript[kPathSize];
    if (ReadFolderField(m_hWnd, installedScript) != 0 && JoinPath(installedScript, "Setup.ini"))
        ReadMenuFolder(start, installedScript);
    if (start[0] == '\0') ReadMenuFolder(start);

    PIDLIST_ABSOLUTE programs = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(m_hWnd, CSIDL_PROGRAMS, &programs))) return;
    char chosen[kPathSize];
    bool picked = BrowseForFolder(m_hWnd, programs, title, start, chosen);
    CoTaskMemFree(programs);
    if (!picked) return;
    if (!EndsWithName(chosen, name) && !JoinPath(chosen, name)) return;
    m_held.Write(kChosenMenuFolder, chosen);
}
