#pragma once
// The three ways setup turns the paths of its script into real paths: the
// path resolver (a macro at the start of a value), the text expander (macros
// anywhere in a command line) and the folder-name form of the default
// install folder. The folders come from a FolderLookup, so the rules can be
// exercised without the system; paths.h connects them to the real folders.
#include <cstddef>

enum class MacroFolder { System, Windows, Desktop, Programs };

class FolderLookup {
public:
    virtual ~FolderLookup() = default;
    // Writes the folder to `out` (kPathSize bytes); false and "" when it
    // cannot be found. Programs is false when its registry value is empty.
    virtual bool Find(MacroFolder folder, char* out) = 0;
};

// Path resolver without the program lookup: "%system%", "%desktop%" (one
// trailing backslash removed), "%windows%", "%programs%" (the Windows folder
// when unknown) followed directly by the rest; "%root%" joins `base` with the
// rest; "!" takes the rest as it stands. Macro names match in any letter case.
// Returns false when the value starts with none of these: the caller then
// joins it to the base or looks up its program. `out` (kPathSize bytes) may
// be `value` itself; it is empty when the result would not fit.
bool ResolveLeadingForm(const char* value, const char* base, char* out, FolderLookup& folders);

// Text expander: replaces "%system%", "%windows%", "%desktop%", "%programs%"
// and "%root%" wherever they stand (any letter case), in place. A macro that
// is unknown, or whose folder is unknown or empty, stays as written; "%" with
// no closing sign stays too. `root` is the install folder. The result may be
// as long as the text's buffer; when it would not fit the text becomes "".
bool ExpandMacroText(char* text, size_t size, const char* root, FolderLookup& folders);

// Folder-name form of `Root` `Name`: "%system%...", "%windows%...",
// "%desktop%...", "%programs%..." put the rest after the folder (skipping the
// rest's first character when the folder ends with a backslash); any other
// name goes to the root of the system folder's drive, an unknown macro
// with its second "%" made a backslash.
bool FormDefaultInstallFolder(const char* name, char* out, FolderLookup& folders);

// The program of an open command read from the classes root: the text inside
// a leading pair of double quotes, or else the longest leading part of the
// command that names an existing file (`exists`). False when nothing does,
// and for a quoted placeholder such as "%1", which is no program.
bool ProgramFromOpenCommand(const char* command, char* out, bool (*exists)(const char* path));
