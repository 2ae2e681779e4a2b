#include "removal.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "action_log.h"
#include "dbcs.h"
#include "installed_copy.h"
#include "path_text.h"
#include "paths.h"
#include "removal_order.h"
#include "scoped_handle.h"
#include "script_keys.h"
#include "setup_state.h"

namespace {

// Everything the removal pass takes from the script, read before anything
// is deleted: a delete pattern such as "*.ini" matches the script itself.
struct RemovalPlan {
    bool force = false;
    std::vector<std::string> patterns;        // Del, resolved
    std::vector<std::string> copiedFiles;     // CopiedFile, newest first
    std::vector<std::string> foldersToRemove; // DirRemove, resolved
    std::vector<std::string> madeFolders;     // MakedDirectory, deepest first, without the chain below
    // The program's folder, then the made folders above it, inner first:
    // they hold the running program and go with the removal copy.
    std::vector<std::string> programChain;
};

std::vector<std::string> LoggedNewestFirst(const KeyList& log)
{
    std::vector<std::string> entries;
    char path[kPathSize];
    for (int index = ReadScriptInt(log.section, log.countKey) - 1; index >= 0; --index)
        if (ReadScriptText(log.section, KeyNumber(index), path) != 0) entries.push_back(path);
    return entries;
}

std::vector<std::string> ListedAndResolved(const KeyList& list, const char* installFolder)
{
    std::vector<std::string> paths;
    ForEachListedValue(ScriptPath(), list, [&](int, const char* value) {
        char path[kPathSize];
        ResolvePath(value, installFolder, path, false);
        if (path[0]) paths.push_back(path);
    });
    return paths;
}

bool Logs(const std::vector<std::string>& folders, const std::string& folder)
{
    for (const std::string& logged : folders)
        if (IsSameFile(logged.c_str(), folder.c_str())) return true;
    return false;
}

// The program's folder and, going up from it, each folder that an install
// made (a two-level install folder such as "Company\Product" makes both).
std::vector<std::string> ProgramChain(const std::vector<std::string>& madeFolders)
{
    char folder[kPathSize];
    SetupFolder(folder);
    std::vector<std::string> chain{folder};
    for (;;) {
        char* up = FindLastCharDbcs(folder, '\\');
        if (!up || up == folder || up[-1] == ':') break; // a drive's root is nobody's to remove
        *up = '\0';
        if (!Logs(madeFolders, folder)) break;
        chain.push_back(folder);
    }
    return chain;
}

RemovalPlan ReadRemovalPlan()
{
    RemovalPlan plan;
    char installFolder[kPathSize];
    ReadInstallFolder(installFolder);
    plan.force = ReadScriptInt("Del", "Force") != 0;
    plan.patterns = ListedAndResolved(kDelPatterns, installFolder);
    plan.copiedFiles = LoggedNewestFirst(kCopiedFileLog);
    plan.foldersToRemove = ListedAndResolved(kDirRemoveEntries, installFolder);
    std::vector<std::string> made = LoggedNewestFirst(kMadeFolderLog);
    plan.programChain = ProgramChain(made);
    for (const std::string& folder : made)
        if (!Logs(plan.programChain, folder)) plan.madeFolders.push_back(folder);
    SortDeepestFirst(plan.madeFolders);
    return plan;
}

// The running program, its script and the action log are removed at their
// own steps.
bool IsRunningSetup(const char* path)
{
    return IsSameFile(path, g_setup.programPath) || IsSameFile(path, g_setup.scriptPath) || IsActionLog(path);
}

// Calls fn(path) for each file (not folder) that the resolved delete
// pattern matches; the pattern may hold wildcards in its last part.
template <class Fn>
void ForEachPatternMatch(const std::string& pattern, Fn fn)
{
    const char* separator = FindLastCharDbcs(pattern.c_str(), '\\');
    size_t folderLength = separator ? static_cast<size_t>(separator - pattern.c_str()) + 1 : 0;
    char path[kPathSize];
    for (FileSearch search(pattern.c_str()); search.Valid(); search.Next()) {
        if (search.IsFolder()) continue;
        path[0] = '\0';
        if (AppendRange(path, sizeof path, pattern.c_str(), folderLength) && AppendText(path, search.Found().cFileName) &&
            !IsRunningSetup(path))
            fn(static_cast<const char*>(path));
    }
}

void DeleteInstalledFile(const char* path, bool force)
{
    if (IsRunningSetup(path)) return;
    if (force) SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    RecycleDeleteLogged(path);
}

// True when `folder` holds anything but names beginning with "." and the
// names that `expected` accepts.
template <class Expected>
bool HoldsMoreThan(const std::string& folder, Expected expected)
{
    char pattern[kPathSize];
    if (!CopyText(pattern, folder.c_str()) || !JoinPath(pattern, "*.*")) return false;
    for (FileSearch search(pattern); search.Valid(); search.Next()) {
        const char* name = search.Found().cFileName;
        if (name[0] != '.' && !expected(name)) return true;
    }
    return false;
}

bool IsSetupFile(const char* name)
{
    return lstrcmpiA(name, "setup.exe") == 0 || lstrcmpiA(name, "setup.ini") == 0;
}

bool IsSetupFileIn(const std::string& folder, const char* name)
{
    char path[kPathSize];
    return IsSetupFile(name) || (CopyText(path, folder.c_str()) && JoinPath(path, name) && IsActionLog(path));
}

// The shell's own codes of its older days overlap system error codes of
// other meanings: those are given as numbers only.
bool IsShellOwnCode(int result)
{
    return result == 0 || (result >= 0x71 && result <= 0x88) || result == 0xB7 || result == 0x402 ||
           result >= 0x10000;
}

} // namespace

int RecycleDelete(const char* path)
{
    // The shell takes a list of names that ends with an empty one: the
    // buffer keeps room for the second terminator even after a full path.
    char names[kPathSize + 1] = {};
    if (path[0] == '\0' || !CopyText(names, kPathSize, path)) return ERROR_INVALID_NAME;
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = names;
    // No error box either: an uninstall runs unattended, and a file already
    // gone or held by another program is listed in its report instead.
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    return SHFileOperationA(&operation);
}

void RecycleDeleteLogged(const char* path)
{
    bool existed = PathExists(path);
    int result = RecycleDelete(path);
    if (!existed) {
        LogAction(LogAct::Missing, path);
    } else if (!PathExists(path)) {
        LogAction(LogAct::Removed, path);
    } else if (!IsShellOwnCode(result)) {
        LogFailure(LogAct::Left, path, static_cast<unsigned long>(result));
    } else {
        char code[48];
        std::snprintf(code, sizeof code, "still there, shell result 0x%X", static_cast<unsigned>(result));
        LogAction(LogAct::Left, path, code);
    }
}

void RemoveFolderTree(const char* folder)
{
    char pattern[kPathSize];
    if (!CopyText(pattern, folder) || !JoinPath(pattern, "*.*")) return;
    for (FileSearch search(pattern); search.Valid(); search.Next()) {
        const char* name = search.Found().cFileName;
        char path[kPathSize];
        if (!CopyText(path, folder) || !JoinPath(path, name)) continue;
        if (!search.IsFolder()) {
            RecycleDelete(path);
        } else if (name[0] != '.') {
            RemoveFolderTree(path);
        }
    }
    RemoveDirectoryA(folder);
}

int RemoveInstalledFiles()
{
    RemovalPlan plan = ReadRemovalPlan();
    for (const std::string& pattern : plan.patterns)
        ForEachPatternMatch(pattern, [&](const char* path) { DeleteInstalledFile(path, plan.force); });
    for (const std::string& path : plan.copiedFiles) DeleteInstalledFile(path.c_str(), plan.force);
    for (const std::string& folder : plan.foldersToRemove)
        LogRemoval(RemoveDirectoryA(folder.c_str()), LogAct::Removed, LogAct::Left, folder.c_str());
    for (const std::string& folder : plan.madeFolders)
        LogRemoval(RemoveDirectoryA(folder.c_str()), LogAct::Removed, LogAct::Left, folder.c_str());
    return static_cast<int>(plan.programChain.size()) - 1;
}

size_t ListUndeleted(std::string* report)
{
    RemovalPlan plan = ReadRemovalPlan();
    size_t length = 0;
    auto list = [&](const std::string& path) {
        length += path.size() + 1;
        if (report) *report += path + "\n";
    };
    auto listExisting = [&](const std::string& path) {
        if (PathExists(path.c_str()) && !IsRunningSetup(path.c_str())) list(path);
    };
    for (const std::string& pattern : plan.patterns)
        ForEachPatternMatch(pattern, [&](const char* path) { list(path); });
    for (const std::string& path : plan.copiedFiles) listExisting(path);
    for (const std::string& folder : plan.foldersToRemove) listExisting(folder);
    for (const std::string& folder : plan.madeFolders) listExisting(folder);

    // The program's folder stays when it holds more than setup; each made
    // folder above it when it holds more than the folder below.
    const std::string& programFolder = plan.programChain[0];
    if (HoldsMoreThan(programFolder, [&](const char* name) { return IsSetupFileIn(programFolder, name); }))
        list(programFolder);
    for (size_t level = 1; level < plan.programChain.size(); ++level) {
        const char* inner = LastComponent(plan.programChain[level - 1].c_str());
        if (HoldsMoreThan(plan.programChain[level], [&](const char* name) { return lstrcmpiA(name, inner) == 0; }))
            list(plan.programChain[level]);
    }
    return length;
}

void RemoveActionLogWithFolder()
{
    char folder[kPathSize], logFolder[kPathSize];
    SetupFolder(folder);
    if (!CopyText(logFolder, ActionLogPath()) || !SplitAtLastBackslash(logFolder) || !IsSameFile(logFolder, folder))
        return;
    if (!HoldsMoreThan(folder, [&](const char* name) { return IsSetupFileIn(folder, name); }))
        RecycleDelete(ActionLogPath());
}
