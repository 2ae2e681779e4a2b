#include "install_log.h"

#include <windows.h>

#include <cstring>

#include "path_text.h"
#include "script.h"

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

} // namespace

void MergeLogSection(const char* oldScript, const char* script, const char* section)
{
    int oldCount = ReadProfileInt(oldScript, section, "Count");
    char value[kPathSize];
    for (int index = 0; index < oldCount; ++index) {
        ReadProfileText(oldScript, section, KeyNumber(index), value);
        // Read again each time: appended entries take part in the comparison.
        int count = ReadProfileInt(script, section, "Count");
        if (LogHolds(script, section, count, value)) continue;
        WriteProfileText(script, section, KeyNumber(count), value);
        WriteProfileText(script, section, "Count", KeyNumber(count + 1));
        FlushProfile(script);
    }
}

void PlaceSetupInFolder()
{
    char folder[kPathSize];
    ReadScriptText("Root", "Named", folder);
    char program[kPathSize], oldScript[kPathSize];
    if (!CopyText(program, folder) || !JoinPath(program, "Setup.exe")) return;
    if (!CopyText(oldScript, folder) || !JoinPath(oldScript, "Setup.ini")) return;

    CopyFileA("Setup.exe", program, FALSE);
    MergeLogSection(oldScript, ScriptPath(), "MakedDirectory");
    MergeLogSection(oldScript, ScriptPath(), "CopiedFile");
    FlushScript();
    CopyFileA(ScriptPath(), oldScript, FALSE);
}
