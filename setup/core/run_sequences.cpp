#include "run_sequences.h"

#include <string>

#include "action_log.h"
#include "associations.h"
#include "background.h"
#include "copy_engine.h"
#include "dialog_fields.h"
#include "dialog_layout.h"
#include "folder_shortcuts.h"
#include "install_log.h"
#include "language.h"
#include "registry_entries.h"
#include "removal.h"
#include "resource.h"
#include "run_programs.h"
#include "script.h"
#include "script_keys.h"
#include "setup_state.h"
#include "setup_version.h"
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
    ShowControl(dialog, id, false);
}

void HideAndPause(HWND dialog, int id)
{
    Hide(dialog, id);
    Pause(dialog, kPause);
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

const char* InstallRunName()
{
    switch (g_setup.setupModeCode) {
    case kModeVersionUp: return "version-up";
    case kModeInstalled: return "re-apply";
    case kModeInstall: break;
    }
    return "install";
}

// The run's log goes into the install folder: the installed copy's own,
// or else the one in the folder field, which the copy step is to make.
void StartLog(HWND dialog, const char* run)
{
    char folder[kPathSize];
    if (g_setup.runState == kRunStateInstalled) ReadInstallFolder(folder);
    else ReadFolderField(dialog, folder);
    StartActionLog(run, folder, SETUP_VERSION_TEXT);
}

// The options of an install by their names in section Check. On the
// installed copy the installer-file options stand for the uninstall.
void LogOptions(HWND dialog)
{
    static const struct {
        int id;
        const char* name;
    } options[] = {{IDC_MENU, "Menu"}, {IDC_DESKTOP, "Desktop"}, {IDC_STARTUP, "Startup"}, {IDC_EXT, "Ext"},
                   {IDC_SEND, "Send"}, {IDC_COPY, "Copy"},       {IDC_DELETE_AFTER, "Del"}};
    std::string text;
    for (const auto& option : options) {
        bool installerFile = option.id == IDC_COPY || option.id == IDC_DELETE_AFTER;
        if (installerFile && g_setup.runState == kRunStateInstalled) continue;
        text += text.empty() ? "" : ", ";
        text += option.name;
        text += IsOptionTicked(dialog, option.id) ? " on" : " off";
    }
    LogAction(LogAct::Options, text.c_str());
}

// The Start-menu entries of the installation in the folder shown and of
// the running script, so that an install starts clean.
void RemoveMenusOfFolderShown(HWND dialog)
{
    char folder[kPathSize];
    ReadFolderField(dialog, folder);
    RemoveAllMenus(folder);
}

// The Start-menu folder picked with the "..." button becomes the one used.
void TakeChosenMenuFolder()
{
    char chosen[kPathSize];
    ReadChosenMenuFolder(chosen);
    WriteMenuFolder(chosen);
    WriteChosenMenuFolder("");
}

void DisableOptions(HWND dialog)
{
    for (int id : {IDC_FOLDER, IDC_MENU, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_FILE_GROUP, IDC_COPY,
                   IDC_DELETE_AFTER})
        EnableWindow(GetDlgItem(dialog, id), FALSE);
}

// The installed copy has its files: a run on it only re-applies the options.
void CopyFilesUnlessInstalled(HWND dialog)
{
    if (g_setup.runState == kRunStateInstalled) return;
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

// An install that cannot be uninstalled later must say so: the system's
// list would have no entry, or an entry whose program is not there.
void ReportUninstallNotReady(HWND dialog, bool registered, bool placed)
{
    std::string text = Localized("アンインストールの準備ができませんでした．\r\n\r\n",
                                 "Could not prepare the uninstall.\r\n\r\n");
    if (!registered)
        text += Localized("アンインストール情報を登録できませんでした．\r\n",
                          "The uninstall entry could not be registered.\r\n");
    if (!placed) {
        char folder[kPathSize];
        ReadInstallFolder(folder);
        text += Localized("Setup.exe と Setup.ini を次の場所に置けませんでした：\r\n",
                          "Setup.exe and Setup.ini could not be placed in:\r\n");
        text += folder;
        text += "\r\n";
    }
    text += Localized("\r\nこのインストールはアンインストールできません．",
                      "\r\nThis installation cannot be uninstalled.");
    char caption[kPathSize];
    ReadDisplayName(caption);
    MessageBoxA(dialog, text.c_str(), caption, MB_OK | MB_ICONWARNING);
    RepaintBackgroundWindow();
}

// The uninstaller's script goes last; the removal copy then takes the
// program and its folder.
void DeleteScript()
{
    FlushScript();
    RecycleDeleteLogged(ScriptPath());
}

void RunInstallSequence(HWND dialog)
{
    const char* script = ScriptPath();
    StartLog(dialog, InstallRunName());
    LogOptions(dialog);
    RemoveMenusOfFolderShown(dialog);
    TakeChosenMenuFolder();
    DisableOptions(dialog);
    CopyFilesUnlessInstalled(dialog);
    HideAndPause(dialog, IDC_FOLDER);

    ShowProgress(dialog, "システムの設定をしています．", "System setup...");
    // Options not ticked are applied too, switched off: that removes what an
    // earlier run made.
    ApplyMenuEntries(script, IsOptionTicked(dialog, IDC_MENU));
    HideAndPause(dialog, IDC_MENU);
    ApplyFolderShortcut(script, IsOptionTicked(dialog, IDC_DESKTOP), "Desktop");
    HideAndPause(dialog, IDC_DESKTOP);
    ApplyFolderShortcut(script, IsOptionTicked(dialog, IDC_STARTUP), "Startup");
    HideAndPause(dialog, IDC_STARTUP);
    ApplyAssociations(IsOptionTicked(dialog, IDC_EXT));
    HideAndPause(dialog, IDC_EXT);
    ApplySendToEntries(script, IsOptionTicked(dialog, IDC_SEND));
    HideAndPause(dialog, IDC_SEND);
    bool registered = RegisterUninstall();
    ApplyRegList(true);
    bool placed = PlaceSetupInFolder();
    if (!registered || !placed) ReportUninstallNotReady(dialog, registered, placed);
    Hide(dialog, IDC_COPY);
    Hide(dialog, IDC_DELETE_AFTER);
    HideAndPause(dialog, IDC_FILE_GROUP);
    OpenLastGo();
    RunProgramList(dialog, "Make");
    EndActionLog(InstallRunName());

    ShowProgress(dialog, "終了しました．", "Completed.");
    Pause(dialog, kFinalPause);
    EndSetup(dialog);
}

void RunUninstallSequence(HWND dialog)
{
    const char* script = ScriptPath();
    StartLog(dialog, "uninstall");
    ShowProgress(dialog, "システムの設定を削除しています．", "Unsetup system...");
    RunProgramList(dialog, "Erase");
    RemoveMenusOfFolderShown(dialog);
    // The checkboxes vanish in this order, Startup's before Desktop's,
    // whatever is being removed at the time: as setup has always shown it.
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
    g_setup.madeParentFolders = RemoveInstalledFiles();
    HideAndPause(dialog, IDC_FOLDER);
    ReportUndeleted(dialog);
    DeleteScript();
    EndActionLog("uninstall");
    RemoveActionLogWithFolder();

    ShowProgress(dialog, "アンインストールは終了しました", "Uninstall completed.");
    Pause(dialog, kFinalPause);
    g_setup.runState = kRunStateRemoveAfter;
    EndSetup(dialog);
}

} // namespace

void StartRunSequence(HWND dialog)
{
    // An unattended run is posted while the dialog initialises, before the
    // dialog manager shows it: the progress must be seen all the same.
    if (!IsWindowVisible(dialog)) ShowWindow(dialog, SW_SHOWNORMAL);
    HideButtons(dialog);
    if (g_setup.runState == kRunStateInstalled && IsOptionTicked(dialog, IDC_COPY))
        RunUninstallSequence(dialog);
    else
        RunInstallSequence(dialog);
}
