#include "script_checker.h"

#include <algorithm>
#include <cstring>

#include "numbered_key.h"
#include "path_text.h"
#include "script_vocabulary.h"
#include "text_limits.h"

bool TypicalFolders::Find(MacroFolder folder, char* out)
{
    const char* path = "";
    switch (folder) {
    case MacroFolder::System: path = "C:\\Windows\\system32"; break;
    case MacroFolder::Windows: path = "C:\\Windows"; break;
    case MacroFolder::Desktop: path = "C:\\Users\\Public\\Desktop"; break;
    case MacroFolder::Programs: path = "C:\\Program Files"; break;
    }
    return CopyText(out, kPathSize, path);
}

std::string FormatDiagnostic(const std::string& name, const Diagnostic& d)
{
    std::string where = d.line ? name + ":" + std::to_string(d.line) : name;
    return where + (d.severity == Severity::Error ? ": error: " : ": warning: ") + d.message + "\n";
}

int ExitStatusOf(const std::vector<Diagnostic>& diagnostics)
{
    int status = 0;
    for (const Diagnostic& d : diagnostics) status = std::max(status, d.severity == Severity::Error ? 2 : 1);
    return status;
}

std::vector<Diagnostic> ScriptChecker::Run()
{
    m_diagnostics.clear();
    CheckSectionsAndKeys();
    CheckSetupWrittenKeys();
    CheckNumberedLists();
    CheckNumberedSections();
    CheckOptions();
    CheckInstallFolder();
    CheckCopySources();
    CheckCopyDestinations();
    CheckRegistryEntries();
    CheckAssociationsAndShortcuts();
    CheckReadme();
    CheckDrawingLines();
    CheckDrawingFiles();
    CheckIconAndLastGo();
    std::stable_sort(m_diagnostics.begin(), m_diagnostics.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return m_diagnostics;
}

void ScriptChecker::Report(int line, Severity severity, std::string message)
{
    m_diagnostics.push_back({line, severity, std::move(message)});
}

int ScriptChecker::LineOf(const char* section, const char* key) const
{
    if (key) {
        if (const ProfileKey* found = m_script.FindKey(section, key)) return found->line;
    }
    const ProfileSection* found = m_script.FindSection(section);
    return found ? found->line : 0;
}

std::string ScriptChecker::Read(const char* section, const char* key, size_t size) const
{
    return m_script.Read(section, key, size).value_or("");
}

void ScriptChecker::ForEachDrawingLine(const std::function<void(int, const std::string&, bool)>& fn) const
{
    // The background ends at its first empty line; the pages are counted by No.
    auto walk = [&](const KeyList& list, int count, bool pageLines) {
        for (int index = list.first; count < 0 || index < count; ++index) {
            NumberedName key = NameWithNumber(list.prefix, index);
            std::string text = Read(list.section, key, list.valueSize);
            if (text.empty() && count < 0) break;
            if (!text.empty()) fn(LineOf(list.section, key), text, pageLines);
        }
    };
    walk(kBackLines, -1, false);
    std::string readme = Read("Readme", "File");
    if (EqualsNoCase(readme.c_str(), readme.size(), "ReadMe.Special"))
        walk(kReadmeLines, m_script.ReadInt(kReadmeLines.section, kReadmeLines.countKey, 0), true);
}

std::string ScriptChecker::DefaultInstallFolder() const
{
    TypicalFolders folders;
    char folder[kPathSize];
    if (!FormDefaultInstallFolder(Read("Root", "Name").c_str(), folder, folders)) return "";
    return folder;
}
