#pragma once
// The folders behind the path macros, found on the running system.
#include "macro_text.h"

// "%system%", "%windows%": the directory queries; "%desktop%": the shell's
// desktop folder; "%programs%": "ProgramFilesDir" of the machine's
// CurrentVersion key (false when it cannot be read or is empty).
class SystemFolders : public FolderLookup {
public:
    bool Find(MacroFolder folder, char* out) override;
};
