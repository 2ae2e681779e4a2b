#include "link_names.h"

#include "dbcs.h"
#include "path_text.h"

int ShowCommandFor(int show)
{
    switch (show) {
    case 1: return 3;
    case 2: return 7;
    default: return 1;
    }
}

bool FormMenuFolder(const char* named, const char* programs, const char* name, char* out)
{
    if (named[0]) return CopyText(out, kPathSize, named);
    out[0] = '\0';
    if (programs[0] == '\0') return true;
    return CopyText(out, kPathSize, programs) && (name[0] == '\0' || JoinPath(out, kPathSize, name));
}

bool EntryLinkPath(const char* folder, const char* name, char* out)
{
    return CopyText(out, kPathSize, folder) && JoinPath(out, kPathSize, name) && AppendText(out, kPathSize, ".lnk");
}

bool MenuEntryLinkPath(const char* menuFolder, const char* programs, const char* name, char* out)
{
    if (!IsBelowPrograms(name)) return EntryLinkPath(menuFolder, name, out);
    out[0] = '\0';
    return programs[0] && CopyText(out, kPathSize, programs) && AppendText(out, kPathSize, name) &&
           AppendText(out, kPathSize, ".lnk");
}

std::vector<std::string> EntryFolders(const char* name)
{
    std::vector<std::string> folders;
    for (const char* p = name; *p; p = NextChar(p))
        if (*p == '\\') folders.emplace_back(name, p);
    return folders;
}
