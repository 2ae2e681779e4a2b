#include "copy_engine.h"

#include <string>
#include <vector>

#include "action_log.h"
#include "background.h"
#include "copy_entry.h"
#include "dialog_fields.h"
#include "installed_copy.h"
#include "dbcs.h"
#include "language.h"
#include "path_text.h"
#include "paths.h"
#include "resource.h"
#include "scoped_handle.h"
#include "script.h"
#include "script_keys.h"

namespace {

enum class EntryStatus : unsigned char {
    Done,         // copied, skipped or ignored
    AskOverwrite, // the destination is the same age or newer
    Failed,       // goes into the failure report
};

// One entry of CopyFile taken apart: its marks, where it comes from (the
// source folder joined with the path as written) and where it goes (the
// path resolved against the install folder).
struct CopyEntry {
    CopyMarks marks;
    char path[kPathSize]; // as written, without the marks
    char source[kPathSize];
    char destination[kPathSize]; // empty when it would not fit: the copy fails
};

class CopyStep {
public:
    explicit CopyStep(HWND dialog) : m_hDialog(dialog) {}
    void Run();

private:
    void StartFreshLog();
    void RecordInstallerOptions();
    void ReadInstallFolder();
    void MakeFolders();
    void CopyListedFiles();
    void AskAndOverwrite();
    void ReportFailures();
    void CopyInstaller();
    void WriteCopiedCount();

    bool ReadEntry(int index, CopyEntry& entry) const;
    void CopyEntryFile(int index, const CopyEntry& entry);
    void LogCopied(const char* destination);
    std::string ListOf(EntryStatus status) const;
    int Ask(const std::string& text, UINT type) const;

    HWND m_hDialog;
    char m_szInstallFolder[kPathSize] = "";
    char m_szSourceFolder[kPathSize] = "";
    std::vector<EntryStatus> m_status;
    int m_nCopied = 0; // next key of CopiedFile
};

void CopyStep::Run()
{
    StartFreshLog();
    RecordInstallerOptions();
    ReadInstallFolder();
    MakeFolders();
    CopyListedFiles();
    AskAndOverwrite();
    ReportFailures();
    CopyInstaller();
    WriteCopiedCount();
    RedrawWindow(m_hDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// A distribution on a writable medium holds the log of the install it made
// before; this install logs only what it makes itself (the earlier
// installed script's log is merged in at the end).
void CopyStep::StartFreshLog()
{
    for (const char* section : {"MakedDirectory", "CopiedFile"}) DeleteScriptSection(section);
}

void CopyStep::RecordInstallerOptions()
{
    WriteScriptText("Check", "Copy", IsOptionTicked(m_hDialog, IDC_COPY) ? "2" : "0");
    WriteScriptText("Check", "Del", IsOptionTicked(m_hDialog, IDC_DELETE_AFTER) ? "2" : "0");
}

void CopyStep::ReadInstallFolder()
{
    ReadFolderField(m_hDialog, m_szInstallFolder);
    WriteInstallFolder(m_szInstallFolder);
}

void CopyStep::MakeFolders()
{
    char folder[kPathSize];
    CopyText(folder, m_szInstallFolder);
    int index = MakeFolderChain(folder, 0);
    // Extra folders are joined as written, without macros.
    ForEachListedValue(ScriptPath(), kMakeDirectoryEntries, [&](int, const char* name) {
        if (CopyText(folder, m_szInstallFolder) && JoinPath(folder, name)) index = MakeFolderChain(folder, index);
    });
    WriteScriptText("MakedDirectory", "Count", KeyNumber(index));
}

bool CopyStep::ReadEntry(int index, CopyEntry& entry) const
{
    char value[kPathSize];
    if (ReadScriptText(kCopyFileEntries.section, KeyNumber(index), value) == 0) return false;
    CopyText(entry.path, TakeCopyMarks(value, entry.marks));
    if (!CopyText(entry.source, m_szSourceFolder) || !JoinPath(entry.source, entry.path)) entry.source[0] = '\0';
    ResolvePath(entry.path, m_szInstallFolder, entry.destination, false);
    return true;
}

void CopyStep::CopyListedFiles()
{
    // The product's files lie beside setup, wherever it was started from.
    SetupFolder(m_szSourceFolder);

    CopyEntry entry;
    for (int index = 0; ReadEntry(index, entry); ++index) {
        m_status.push_back(EntryStatus::Done);
        int age = CompareWriteTimes(entry.destination, entry.source);
        if (age == 0 || age == -1) { // the destination is the same age or newer
            if (entry.marks.keepNewer) {
                LogAction(LogAct::Kept, entry.destination, "same age or newer (&)");
                continue;
            }
            if (!entry.marks.replaceNewer) {
                m_status[index] = EntryStatus::AskOverwrite;
                continue;
            }
        }
        CopyEntryFile(index, entry);
    }
}

void CopyStep::CopyEntryFile(int index, const CopyEntry& entry)
{
    const char* unlogged = entry.marks.unlogged ? "stays at uninstall (!)" : "";
    if (LogOutcome(CopyFileA(entry.source, entry.destination, FALSE), LogAct::Copied, LogAct::CopyFailed,
                   entry.destination, unlogged)) {
        m_status[index] = EntryStatus::Done;
        if (!entry.marks.unlogged) LogCopied(entry.destination);
        return;
    }
    m_status[index] = entry.marks.ignoreFailure ? EntryStatus::Done : EntryStatus::Failed;
}

void CopyStep::LogCopied(const char* destination)
{
    WriteScriptText("CopiedFile", KeyNumber(m_nCopied), destination);
    ++m_nCopied;
}

// The destinations of the entries in `status`, one a line, in key order.
std::string CopyStep::ListOf(EntryStatus status) const
{
    std::string list;
    CopyEntry entry;
    for (size_t index = 0; index < m_status.size(); ++index) {
        if (m_status[index] != status) continue;
        if (!ReadEntry(static_cast<int>(index), entry)) break; // the script changed under us
        list += entry.destination[0] ? entry.destination : entry.path;
        list += "\r\n";
    }
    return list;
}

int CopyStep::Ask(const std::string& text, UINT type) const
{
    char caption[kPathSize];
    ReadDisplayName(caption);
    int answer = MessageBoxA(m_hDialog, text.c_str(), caption, type);
    RepaintBackgroundWindow();
    return answer;
}

void CopyStep::AskAndOverwrite()
{
    std::string list = ListOf(EntryStatus::AskOverwrite);
    if (list.empty()) return;
    std::string text = Localized("以下のファイルは新しいものが存在します．\r\n\r\n", "New file exist...\r\n\r\n") + list +
                       Localized("\r\n上書きしますか？", "\r\nOverwrite?");
    UINT type = MB_YESNO | MB_ICONQUESTION;
    if (ReadScriptInt("CopyFile", "DefaultNo") != 0) type |= MB_DEFBUTTON2;
    bool replace = Ask(text, type) == IDYES; // No: the files stay as they are, not logged

    CopyEntry entry;
    for (size_t index = 0; index < m_status.size(); ++index) {
        if (m_status[index] != EntryStatus::AskOverwrite || !ReadEntry(static_cast<int>(index), entry)) continue;
        if (replace) CopyEntryFile(static_cast<int>(index), entry);
        else LogAction(LogAct::Kept, entry.destination, "same age or newer, answered No");
    }
}

void CopyStep::ReportFailures()
{
    std::string list = ListOf(EntryStatus::Failed);
    if (list.empty()) return;
    std::string text = Localized("以下のファイルはコピーできませんでした\r\n\r\n", "Could not copy these...\r\n\r\n") +
                       list + Localized("\r\n処理は継続します", "\r\nContinue...");
    Ask(text, MB_OK | MB_ICONWARNING);
}

// The installer's own file goes into the install folder when the copy
// option was ticked; it is logged whether or not the copy succeeded.
void CopyStep::CopyInstaller()
{
    char self[kPathSize];
    if (ReadScriptInt("Check", "Copy") != 2 || ReadScriptText("CopyFile", "Self", self) == 0) return;
    char destination[kPathSize];
    if (!CopyText(destination, m_szInstallFolder) || !JoinPath(destination, LastComponent(self))) return;
    // A relative name lies beside setup, like the other files of the product.
    char source[kPathSize];
    if (IsRelativePath(self)) {
        if (!CopyText(source, m_szSourceFolder) || !JoinPath(source, self)) source[0] = '\0';
    } else {
        CopyText(source, self);
    }
    LogOutcome(CopyFileA(source, destination, FALSE), LogAct::Copied, LogAct::CopyFailed, destination);
    LogCopied(destination);
}

// A Count of 0 would make the script a fresh one again: it is at least 1.
void CopyStep::WriteCopiedCount()
{
    WriteScriptText("CopiedFile", "Count", KeyNumber(m_nCopied > 0 ? m_nCopied : 1));
}

bool LastWriteTime(const char* path, FILETIME& time)
{
    ScopedHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.Valid() && GetFileTime(file.Get(), nullptr, nullptr, &time);
}

// A folder that is there already counts as made: it is logged all the same.
bool MakeFolder(const char* path)
{
    if (CreateDirectoryA(path, nullptr)) {
        LogAction(LogAct::Made, path);
        return true;
    }
    if (!PathExists(path)) return false;
    LogAction(LogAct::Made, path, "there already");
    return true;
}

} // namespace

void CopyScriptFiles(HWND dialog)
{
    CopyStep(dialog).Run();
}

int MakeFolderChain(char* path, int index)
{
    if (MakeFolder(path)) {
        WriteScriptText("MakedDirectory", KeyNumber(index), path);
        return index + 1;
    }
    char* separator = FindLastCharDbcs(path, '\\');
    if (!separator) return index;
    *separator = '\0';
    index = MakeFolderChain(path, index);
    *separator = '\\';
    if (!LogOutcome(CreateDirectoryA(path, nullptr), LogAct::Made, LogAct::MakeFailed, path)) return index;
    WriteScriptText("MakedDirectory", KeyNumber(index), path);
    return index + 1;
}

int CompareWriteTimes(const char* destination, const char* source)
{
    FILETIME destinationTime, sourceTime;
    if (!LastWriteTime(destination, destinationTime) || !LastWriteTime(source, sourceTime)) return 2;
    return CompareFileTime(&sourceTime, &destinationTime);
}
