#pragma once
// The action log, kept when the script names one ([Setup] Log): one line
// for each thing a run does to the system, written as it happens, so that
// a support person can tell what an install or an uninstall did on a
// machine they cannot see.
//
//   2026-12-07 03:52:03.120  copied      C:\Program Files\Tool\tool.exe
//   2026-12-07 03:52:03.131  copy-failed C:\Program Files\Tool\x.dll | error 2: The system cannot find ...
//
// The machine's local time to the millisecond, the kind of action (one word
// in a column of its own), its subject (a path or registry key, written in
// full as the system names it) and, after " | ", what else it needs: a
// target, the data written, why it failed or stayed. Texts are in the
// system code page, like the script. Each line is appended and the file
// closed at once, so a crash or a kill loses no line written before it.
// Without the key no file is touched. Writing never stops or changes the
// run: a line that cannot be written waits for the next one (the install
// folder is not made yet), and at the end of the run goes to a file of the
// same name beside the script. The system's last error is kept across
// every call, so a log call may stand between a failing call and its check.

enum class LogAct {
    Start,   // the run: install, version-up, re-apply or uninstall
    Program, // setup's own file
    Script,  // the script that drives the run
    Folder,  // the install folder of the run
    Options, // the options ticked
    End,
    Made, MakeFailed,                 // folders
    Copied, Kept, CopyFailed,         // files
    Linked, LinkFailed, Unlinked,     // shortcut files
    RegSet, RegDeleted, RegFailed,    // registry keys and values
    Associated, Dissociated,          // file types of an extension
    Started, Called, RunFailed,       // programs and library entry points
    Removed, Left, Missing,           // removal of files and folders
};

// Opens the log of a run ("install", "version-up", "re-apply",
// "uninstall") and writes its first lines. The name of [Setup] Log is
// resolved as setup resolves file names, against `installFolder`, or the
// script's folder when there is none.
void StartActionLog(const char* run, const char* installFolder, const char* setupVersion);
// The last line of the run, with its count of failures and of what was left.
void EndActionLog(const char* run);

void LogAction(LogAct act, const char* subject, const char* detail = "");
// With the system's text for `error` (a system error code or an HRESULT).
void LogFailure(LogAct act, const char* subject, unsigned long error);
// For a call that sets the last error when it fails: `done`, or `failed`
// with the system's text. Returns `ok`.
bool LogOutcome(bool ok, LogAct done, LogAct failed, const char* subject, const char* detail = "");
// The same for a removal; one that failed because nothing was there is
// not logged.
bool LogRemoval(bool removed, LogAct done, LogAct failed, const char* subject, const char* detail = "");

// The log file of this run; "" when there is none.
const char* ActionLogPath();
// True when `path` names the log file of this run.
bool IsActionLog(const char* path);
