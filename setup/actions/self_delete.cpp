#include "self_delete.h"

#include <windows.h>

#include <string>

#include "path_text.h"
#include "process_start.h"
#include "removal_batch.h"
#include "scoped_handle.h"
#include "text_limits.h"

namespace {

// Writes the batch file at the root of the current drive (the removal
// copy's current folder), in the code page that the command processor reads.
bool WriteRemovalBatch(const char* programPath, int parentFolders)
{
    std::string text;
    if (!FormRemovalBatch(programPath, parentFolders, text)) return false;
    CharToOemBuffA(text.data(), text.data(), static_cast<DWORD>(text.size()));
    ScopedHandle file(CreateFileA(kRemovalBatchName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return false;
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace

// A running program cannot delete its own file: a batch file, started to
// run only once this process has ended, does it. Every platform takes this
// way; removing the program from code copied out of its own image relied
// on an old platform's image handling.
void DeleteSelf(int parentFolders)
{
    char programPath[kPathSize];
    DWORD length = GetModuleFileNameA(nullptr, programPath, sizeof programPath);
    if (length == 0 || length >= sizeof programPath) return;
    if (!WriteRemovalBatch(programPath, parentFolders)) return;

    char command[16];
    CopyText(command, kRemovalBatchName);
    STARTUPINFOA startup = {};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    StartBehindThisProcess(command, "\\", startup);
}
