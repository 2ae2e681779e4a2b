#include "readme_text.h"

#include "dbcs.h"
#include "drawing_files.h"
#include "path_text.h"
#include "paths.h"
#include "script.h"

bool ReadReadmeText(const char* file, FileBytes& text)
{
    char path[kPathSize];
    char root[kPathSize];
    if (ReadScriptText("Root", "Named", root) != 0) ResolvePath(file, root, path, false);
    else if (!CopyText(path, file)) return false;
    if (path[0] && ReadWholeFile(path, text)) return true;
    const char* last = FindLastCharDbcs(path, '\\');
    return last && ReadWholeFile(last + 1, text);
}
