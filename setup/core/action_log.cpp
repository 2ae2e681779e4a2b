#include "action_log.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "installed_copy.h"
#include "path_text.h"
#include "paths.h"
#include "scoped_handle.h"
#include "script_keys.h"
#include "setup_state.h"

namespace {

// The longest kind; the subjects start in one column after it.
constexpr int kKindWidth = 11;

const char* KindWord(LogAct act)
{
    switch (act) {
    case LogAct::Start: return "start";
    case LogAct::Program: return "program";
    case LogAct::Script: return "script";
    case LogAct::Folder: return "folder";
    case LogAct::Options: return "options";
    case LogAct::End: return "end";
    case LogAct::Made: return "made";
    case LogAct::MakeFailed: return "make-failed";
    case LogAct::Copied: return "copied";
    case LogAct::Kept: return "kept";
    case LogAct::CopyFailed: return "copy-failed";
    case LogAct::Linked: return "linked";
    case LogAct::LinkFailed: return "link-failed";
    case LogAct::Unlinked: return "unlinked";
    case LogAct::RegSet: return "reg-set";
    case LogAct::RegDeleted: return "reg-deleted";
    case LogAct::RegFailed: return "reg-failed";
    case LogAct::Associated: return "associated";
    case LogAct::Dissociated: return "dissociated";
    case LogAct::Started: return "started";
    case LogAct::Called: return "called";
    case LogAct::RunFailed: return "run-failed";
    case LogAct::Removed: return "removed";
    case LogAct::Left: return "left";
    case LogAct::Missing: return "missing";
    }
    return "?";
}

// Logging is invisible to the action around it: the action may read the
// last error of its own call after the log call.
class LastErrorKept {
public:
    LastErrorKept() : m_error(GetLastError()) {}
    ~LastErrorKept() { SetLastError(m_error); }
    LastErrorKept(const LastErrorKept&) = delete;
    LastErrorKept& operator=(const LastErrorKept&) = delete;

private:
    DWORD m_error;
};

std::string TimeStamp()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond, now.wMilliseconds);
    return text;
}

// "error 2: The system cannot find the file specified." on one line; the
// number alone where the system has no text for it.
std::string ErrorText(unsigned long error)
{
    char text[512];
    std::snprintf(text, sizeof text, error > 0xFFFF ? "error 0x%08lX" : "error %lu", error);
    std::string line = text;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
    if (length == 0) return line;
    line += ": ";
    for (const char* c = text; c < text + length; ++c) line += *c == '\r' || *c == '\n' ? ' ' : *c;
    return line;
}

// Opened, appended to and closed for each line: nothing waits in the
// process, and the file is never held open while the run removes folders.
bool Append(const char* path, const std::string& text)
{
    if (path[0] == '\0') return false;
    ScopedHandle file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.Valid() && WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

// Lines that found no file (its folder is not made yet) go out with the
// next one, each with the time it happened.
void WriteLine(LogAct act, const char* subject, const std::string& detail)
{
    ActionLogState& log = g_setup.actionLog;
    char kind[32];
    std::snprintf(kind, sizeof kind, "%-*s ", kKindWidth, KindWord(act));
    log.waiting += TimeStamp() + "  " + kind + subject;
    if (!detail.empty()) log.waiting += " | " + detail;
    log.waiting += "\r\n";
    if (Append(log.path, log.waiting)) log.waiting.clear();
}

void Count(LogAct act)
{
    ActionLogState& log = g_setup.actionLog;
    switch (act) {
    case LogAct::MakeFailed:
    case LogAct::CopyFailed:
    case LogAct::LinkFailed:
    case LogAct::RegFailed:
    case LogAct::RunFailed: ++log.failed; break;
    case LogAct::Left: ++log.left; break;
    default: break;
    }
}

bool LogIsOpen()
{
    return g_setup.actionLog.path[0] != '\0';
}

} // namespace

void StartActionLog(const char* run, const char* installFolder, const char* setupVersion)
{
    LastErrorKept kept;
    ActionLogState& log = g_setup.actionLog;
    log = ActionLogState();
    char name[kPathSize];
    if (ReadActionLogName(name) == 0) return;
    char base[kPathSize];
    if (installFolder[0] == '\0' || !CopyText(base, installFolder)) SetupFolder(base);
    ResolvePath(name, base, log.path, false);
    SetupFolder(log.fallback);
    if (!JoinPath(log.fallback, LastComponent(log.path[0] ? log.path : name))) log.fallback[0] = '\0';
    if (log.path[0] == '\0') CopyText(log.path, log.fallback);

    char product[kPathSize];
    ReadDisplayName(product);
    WriteLine(LogAct::Start, run, product);
    WriteLine(LogAct::Program, g_setup.programPath, std::string("Setup ") + setupVersion);
    WriteLine(LogAct::Script, ScriptPath(), "");
    WriteLine(LogAct::Folder, installFolder, "");
}

void EndActionLog(const char* run)
{
    if (!LogIsOpen()) return;
    LastErrorKept kept;
    ActionLogState& log = g_setup.actionLog;
    WriteLine(LogAct::End, run, std::to_string(log.failed) + " failed, " + std::to_string(log.left) + " left");
    // The log's folder never came to be (it could not be made).
    if (!log.waiting.empty() && Append(log.fallback, log.waiting)) log.waiting.clear();
}

void LogAction(LogAct act, const char* subject, const char* detail)
{
    if (!LogIsOpen()) return;
    LastErrorKept kept;
    Count(act);
    WriteLine(act, subject, detail ? detail : "");
}

void LogFailure(LogAct act, const char* subject, unsigned long error)
{
    if (!LogIsOpen()) return;
    LastErrorKept kept;
    Count(act);
    WriteLine(act, subject, ErrorText(error));
}

bool LogOutcome(bool ok, LogAct done, LogAct failed, const char* subject, const char* detail)
{
    if (ok) LogAction(done, subject, detail);
    else LogFailure(failed, subject, GetLastError());
    return ok;
}

bool LogRemoval(bool removed, LogAct done, LogAct failed, const char* subject, const char* detail)
{
    DWORD error = GetLastError();
    if (removed) LogAction(done, subject, detail);
    else if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) LogFailure(failed, subject, error);
    return removed;
}

const char* ActionLogPath()
{
    return g_setup.actionLog.path;
}

bool IsActionLog(const char* path)
{
    return LogIsOpen() && IsSameFile(path, g_setup.actionLog.path);
}
