#pragma once
// The checks of a script before it ships: what setup would never read,
// lists that end before their last entry, files that are not there, values
// that setup cuts or reads otherwise than written, drawing lines that draw
// nothing. Every rule is setup's own: the vocabulary, the list rules, the
// path and drawing parsers are the ones setup runs.
#include <functional>
#include <string>
#include <vector>

#include "macro_text.h"
#include "profile_file.h"
#include "script_folder.h"

enum class Severity { Warning, Error };

struct Diagnostic {
    int line; // 0: the script as a whole
    Severity severity;
    std::string message; // in the script's code page
};

// The folders of a typical Windows installation, for what expanded macros
// will look like: the checker cannot know the machine a script runs on.
class TypicalFolders : public FolderLookup {
public:
    bool Find(MacroFolder folder, char* out) override;
};

// "Setup.ini:12: warning: ..." for the script shown as `name`.
std::string FormatDiagnostic(const std::string& name, const Diagnostic& diagnostic);
// 0 nothing to report, 1 warnings, 2 errors.
int ExitStatusOf(const std::vector<Diagnostic>& diagnostics);

class ScriptChecker {
public:
    ScriptChecker(const ProfileFile& script, const ScriptFolder& folder) : m_script(script), m_folder(folder) {}

    std::vector<Diagnostic> Run();

    // What an install would do, one step a line.
    std::vector<std::string> InstallPlan();

private:
    // checks_structure.cpp
    void CheckSectionsAndKeys();
    void CheckSetupWrittenKeys();
    // checks_lists.cpp
    void CheckNumberedLists();
    void CheckNumberedSections();
    // checks_values.cpp
    void CheckOptions();
    void CheckInstallFolder();
    void CheckCopyDestinations();
    void CheckRegistryEntries();
    void CheckAssociationsAndShortcuts();
    void CheckDrawingLines();
    // checks_files.cpp
    void CheckCopySources();
    void CheckReadme();
    void CheckDrawingFiles();
    void CheckIconAndLastGo();

    // Calls fn(scriptLine, text) for each line of the background and, when
    // the ReadMe is drawn, of its pages (`pageLine` set), as setup reads them.
    void ForEachDrawingLine(const std::function<void(int line, const std::string& text, bool pageLine)>& fn) const;

    void Report(int line, Severity severity, std::string message);
    int LineOf(const char* section, const char* key) const;
    std::string Read(const char* section, const char* key, size_t size = 260) const;
    // The install folder proposed for [Root] Name on a typical system.
    std::string DefaultInstallFolder() const;

    const ProfileFile& m_script;
    const ScriptFolder& m_folder;
    std::vector<Diagnostic> m_diagnostics;
};
