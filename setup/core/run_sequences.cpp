#include "run_sequences.h"

#include <string>

#include "associations.h"
#include "background.h"
#include "copy_engine.h"
#include "folder_shortcuts.h"
#include "install_log.h"
#include "language.h"
#include "registry_entries.h"
#include "removal.h"
#include "resource.h"
#include "run_programs.h"
#include "script.h"
#include "setup_state.h"
#include "start_menu.h"
#include "uninstall_registration.h"

namespace {

constexpr DWORD kPause = 500;      // ms between the steps, as the controls vanish
constexpr DWORD kFinalPause = 1000; // ms with the closing text before setup ends

// The sequences block the only thread: what changed on screen is painted
// before each pause, so that the progress shows.
void Pause(HWND dialog, DWORD ms)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(ms);
}

void ShowProgress(HWND dialog, const char* japanese, const char* english)
{
    SetDlgItemTextA(dialog, IDC_FOLDER_LABEL, Localized(japanese, english));
}

void Hide(HWND dialog, int id)
{
    ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
}

void HideAndPause(HWND dialog, int id)
{
    Hide(dialog, id);
    Pause(dialog, kPause);
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void EndSetup(HWND dialog)
{
    PostMessageA(dialog, WM_DESTROY, 0, 0);
}

// No way back once a run has started: the buttons go first.
void HideButtons(HWND dialog)
{
    for (int id : {IDOK, IDCANCEL, IDC_README, IDC_MENU_FOLDER, IDC_BROWSE_FOLDER}) Hide(dialog, id);
}

// The Start-menu entries of the installation in the folder shown and of
// the running script, so that an install starts clean.
void RemoveMenusOfFolderShown(HWND dialog)
{
    char folder[kPathSize];
    GetDlgItemTextA(dialog, IDC_FOLDER, folder, sizeof folder);
    RemoveAllMenus(folder);
}

// The Start-menu folder picked with the "..." button becomes the one used.
void TakeChosenMenuFolder()
{
    char chosen[kPathSize];
    ReadScriptText("Menu", "Change", chosen);
    WriteScriptText("Menu", "Named", chosen);
    WriteScriptText("Menu", "Change", "");
}

void DisableOptions(HWND dialog)
{
    for (int id : {IDC_FOLDER, IDC_MENU, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_FILE_GROUP, IDC_COPY,
                   IDC_DELETE_AFTER})
        EnableWindow(GetDlgItem(dialog, id), FALSE);
}

// An installed script has its files: a run on it only re-applies the options.
void CopyFilesUnlessInstalled(HWND dialog)
{
    if (ReadScriptInt("CopiedFile", "Count") != 0) return;
    ShowProgress(dialog, "ファイルをコピーしています．", "Copying files...");
    CopyScriptFiles(dialog);
}

// What the removal left, when the script asks for the list.
void ReportUndeleted(HWND dialog)
{
    if (ReadScriptInt("Del", "ShowError") == 0) return;
    if (ListUndeleted(nullptr) == 0) return;
    std::string text = Localized("次のものは削除されませんでした．\n\n", "Could not delete these...\n\n");
    ListUndeleted(&text);
    MessageBoxA(dialog, text.c_str(), Localized("ファイル・フォルダの削除", "Delete files and folders"),
                MB_OK | MB_ICONWARNING);
    RepaintBackgroundWindow();
}

// The uninstaller's script goes last; the removal copy then takes the
// program and its folder.
void DeleteScript()
{
    FlushScript();
    RecycleDelete(ScriptPath());
}

} // namespace

void StartRunSequence(HWND dialog)
{
    // An unattended run is posted while the dialog initialises, before the
    // dialog manager shows it: the progress must be seen all the same.
    if (!IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
    HideButtons(dialog);
    if (g_setup.runState == kRunStateInstalled && IsChecked(dialog, IDC_COPY))
        RunUninstallSequence(dialog);
    else
        RunInstallSequence(dialog);
}

void RunInstallSequence(HWND dialog)
{
    const char* script = ScriptPath();
    RemoveMenusOfFolderShown(dialog);
    TakeChosenMenuFolder();
    DisableOptions(dialog);
    CopyFilesUnlessInstalled(dialog);
    HideAndPause(dialog, IDC_FOLDER);

    ShowProgress(dialog, "システムの設定をしています．", "System setup...");
    // Options not ticked are applied too, switched off: that removes what an
    // earlier run made.
    ApplyMenuEntries(script, IsChecked(dialog, IDC_MENU));
    HideAndPause(dialog, IDC_MENU);
    ApplyFolderShortcut(script, IsChecked(dialog, IDC_DESKTOP), "Desktop");
    HideAndPause(dialog, IDC_DESKTOP);
    ApplyFolderShortcut(script, IsChecked(dialog, IDC_STARTUP), "Startup");
    HideAndPause(dialog, IDC_STARTUP);
    ApplyAssociations(IsChecked(dialog, IDC_EXT));
    HideAndPause(dialog, IDC_EXT);
    ApplySendToEntries(script, IsChecked(dialog, IDC_SEND));
    HideAndPause(dialog, IDC_SEND);
    RegisterUninstall();
    ApplyRegList(true);
    PlaceSetupInFolder();
    Hide(dialog, IDC_COPY);
    Hide(dialog, IDC_DELETE_AFTER);
    HideAndPause(dialog, IDC_FILE_GROUP);
    OpenLastGo();
    RunProgramList(dialog, "Make");

    ShowProgress(dialog, "終了しました．", "Completed.");
    Pause(dialog, kFinalPause);
    EndSetup(dialog);
}

void RunUninstallSequence(HWND dialog)
{
    const char* script = ScriptPath();
    ShowProgress(dialog, "システムの設定を削除しています．", "Unsetup system...");
    RunProgramList(dialog, "Erase");
    RemoveMenusOfFolderShown(dialog);
    HideAndPause(dialog, IDC_MENU);
    ApplyFolderShortcut(script, false, "Desktop");
    HideAndPause(dialog, IDC_STARTUP);
    ApplyFolderShortcut(script, false, "Startup");
    Hide(dialog, IDC_DESKTOP);
    ApplyAssociations(false);
    RemoveCompanyKeys();
    HideAndPause(dialog, IDC_EXT);
    ApplySendToEntries(script, false);
    HideAndPause(dialog, IDC_SEND);
    ApplyRegList(false);

    ShowProgress(dialog, "ファイルを削除しています．", "Deleting files...");
    RemoveInstalledFiles();
    HideAndPause(dialog, IDC_FOLDER);
    ReportUndeleted(dialog);
    DeleteScript();

    ShowProgress(dialog, "アンインストールは終了しました", "Uninstall completed.");
    Pause(dialog, kFinalPause);
    g_setup.runState = kRunStateRemoveAfter;
    EndSetup(dialog);
}
