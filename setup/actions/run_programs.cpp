#include "run_programs.h"

#include <cstring>

#include <shellapi.h>

#include <string>

#include "action_log.h"
#include "background.h"
#include "language.h"
#include "path_text.h"
#include "paths.h"
#include "run_entry.h"
#include "script.h"

namespace {

int ShowCommand(RunWindow window)
{
    switch (window) {
    case RunWindow::Hidden: return SW_HIDE;
    case RunWindow::Minimized: return SW_MINIMIZE;
    case RunWindow::Maximized: return SW_MAXIMIZE;
    case RunWindow::Normal: break;
    }
    return SW_SHOW;
}

// One message per failing entry, none for an entry shown "hide".
void Warn(HWND dialog, bool silent, const char* japanese, const char* english, const char* caption)
{
    if (silent) return;
    MessageBoxA(dialog, Localized(japanese, english), caption, MB_OK | MB_ICONWARNING);
    RepaintBackgroundWindow();
}

// The library stays loaded until setup ends: what the function started may
// still need it.
void CallEntryPoint(HWND dialog, const char* library, const char* entryPoint, bool silent)
{
    std::string call = std::string(library) + ";" + entryPoint; // as the script writes it
    HMODULE module = LoadLibraryA(library);
    if (reinterpret_cast<UINT_PTR>(module) < 32) {
        LogFailure(LogAct::RunFailed, call.c_str(), GetLastError());
        Warn(dialog, silent, "ライブラリをロードできませんでした", "Could not load library.", library);
        return;
    }
    FARPROC function = GetProcAddress(module, entryPoint);
    if (!function) {
        LogFailure(LogAct::RunFailed, call.c_str(), GetLastError());
        Warn(dialog, silent, "エントリポイントを見つけられませんでした", "Could not find entry.", entryPoint);
        return;
    }
    // Before the call: a function that never returns is on record too.
    LogAction(LogAct::Called, call.c_str());
    function();
}

// Through the shell, as the user would open it; not waited for.
void ExecuteTarget(HWND dialog, const char* target, RunWindow window, bool silent)
{
    char file[kLongValueSize];
    const char* parameters = "";
    bool split = SplitFileAndParameters(target, file, sizeof file, &parameters);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_CONNECTNETDRV | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_DOENVSUBST |
                 SEE_MASK_FLAG_NO_UI;
    info.hwnd = dialog;
    info.lpFile = file;
    info.lpParameters = parameters[0] != '\0' ? parameters : nullptr;
    info.nShow = ShowCommand(window);
    if (!split || !ShellExecuteExA(&info)) {
        LogFailure(LogAct::RunFailed, target, split ? GetLastError() : ERROR_FILENAME_EXCED_RANGE);
        Warn(dialog, silent, "実行を失敗しました", "Could not execute.", file);
        return;
    }
    LogAction(LogAct::Started, target);
    if (info.hProcess) CloseHandle(info.hProcess);
}

} // namespace

void RunProgramList(HWND dialog, const char* listName)
{
    const KeyList& list = std::strcmp(listName, "Make") == 0 ? kGo2Make : kGo2Erase;
    ForEachListedValue(ScriptPath(), list, [&](int, char* entry) {
        RunEntry run;
        SplitRunEntry(entry, run);
        char target[kLongValueSize];
        CopyText(target, run.target);
        ExpandMacros(target);
        RunWindow window = RunWindowOfName(run.show);
        bool silent = window == RunWindow::Hidden;
        if (run.entryPoint[0] != '\0')
            CallEntryPoint(dialog, target, run.entryPoint, silent);
        else
            ExecuteTarget(dialog, target, window, silent);
    });
}
