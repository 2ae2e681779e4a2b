#include "install_log.h"

#include <windows.h>

#include <cstring>

#include "action_log.h"
#include "path_text.h"
#include "paths.h"
#include "script_keys.h"
#include "setup_state.h"

namespace {

bool LogHolds(const char* script, const char* section, int count, const char* value)
{
    char entry[kPathSize];
    for (int index = 0; index < count; ++index) {
        ReadProfileText(script, section, KeyNumber(index), entry);
        if (std::strcmp(entry, value) == 0) return true;
    }
    return false;
}

// The number of entries of the log; the copy step writes Count 1 without
// key 0 when it logged nothing, and that is an empty log.
int LogLength(const char* script, const char* section)
{
    int count = ReadProfileInt(script, section, "Count");
    char first[kPathSize];
    if (count == 1 && ReadProfileText(script, section, "0", first) == 0) return 0;
    return count;
}

// `destination` holds a copy of `source`: copied now, or it is that very
// file (the installed copy applying its options again).
bool Place(const char* source, const char* destination)
{
    return IsSameFile(source, destination) ||
           LogOutcome(CopyFileA(source, destination, FALSE), LogAct::Copied, LogAct::CopyFailed, destination);
}

} // namespace

void MergeLogSection(const char* oldScript, const char* script, const char* section)
{
    int oldCount = ReadProfileInt(oldScript, section, "Count");
    char value[kPathSize];
    for (int index = 0; index < oldCount; ++index) {
        if (ReadProfileText(oldScript, section, KeyNumber(index), value) == 0) continue;
        // Read again each time: appended entries take part in the comparison.
        int count = LogLength(script, section);
        if (LogHolds(script, section, count, value)) continue;
        WriteProfileText(script, section, KeyNumber(count), value);
        WriteProfileText(script, section, "Count", KeyNumber(count + 1));
        FlushProfile(script);
    }
}

bool PlaceSetupInFolder()
{
    char folder[kPathSize];
    ReadInstallFolder(folder);
    char program[kPathSize], oldScript[kPathSize];
    if (!CopyText(program, folder) || !JoinPath(program, "Setup.exe")) return false;
    if (!CopyText(oldScript, folder) || !JoinPath(oldScript, "Setup.ini")) return false;

    // The running program, whatever its name: the uninstall entry names
    // Setup.exe in the install folder.
    bool placed = Place(g_setup.programPath, program);
    if (!IsSameFile(oldScript, ScriptPath())) {
        MergeLogSection(oldScript, ScriptPath(), "MakedDirectory");
        MergeLogSection(oldScript, ScriptPath(), "CopiedFile");
    }
    FlushScript();
    return Place(ScriptPath(), oldScript) && placed;
}
