#include "readme_text.h"

#include "dbcs.h"
#include "drawing_files.h"
#include "installed_copy.h"
#include "path_text.h"
#include "paths.h"
#include "script_keys.h"

bool ReadReadmeText(const char* file, FileBytes& text)
{
    // Relative to the install folder once there is one, else beside setup
    // (wherever setup was started from); then by its bare name beside setup.
    char path[kPathSize];
    char base[kPathSize];
    if (ReadInstallFolder(base) == 0) SetupFolder(base);
    ResolvePath(file, base, path, false);
    if (path[0] && ReadWholeFile(path, text)) return true;
    char name[kPathSize];
    const char* last = FindLastCharDbcs(path, '\\');
    CopyText(name, last ? last + 1 : file);
    PathBesideSetup(name, path);
    return path[0] && ReadWholeFile(path, text);
}
