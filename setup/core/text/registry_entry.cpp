#include "registry_entry.h"

#include <cstring>

#include "dbcs.h"
#include "path_text.h"

namespace {

struct RootName {
    const char* name;
    RegistryRoot root;
};

constexpr RootName kRootNames[] = {
    {"HKEY_CLASSES_ROOT", RegistryRoot::ClassesRoot},
    {"HKEY_CURRENT_CONFIG", RegistryRoot::CurrentConfig},
    {"HKEY_CURRENT_USER", RegistryRoot::CurrentUser},
    {"HKEY_USERS", RegistryRoot::Users},
    {"HKEY_PERFORMANCE_DATA", RegistryRoot::PerformanceData},
    {"HKEY_DYN_DATA", RegistryRoot::DynData},
};

// Ends `path` before the backslashes that end it, so that it names the key.
void DropTrailingBackslashes(char* path)
{
    while (EndsWithCharDbcs(path, '\\')) path[std::strlen(path) - 1] = '\0';
}

} // namespace

RegistryRoot RootOfName(const char* name)
{
    for (const RootName& entry : kRootNames)
        if (EqualsNoCase(name, std::strlen(name), entry.name)) return entry.root;
    return RegistryRoot::LocalMachine;
}

bool IsRootName(const char* name)
{
    for (const RootName& entry : kRootNames)
        if (EqualsNoCase(name, std::strlen(name), entry.name)) return true;
    return EqualsNoCase(name, std::strlen(name), "HKEY_LOCAL_MACHINE");
}

char* ParseRegistryErase(char* entry)
{
    char* path = SplitAtFirstBackslash(entry);
    if (path) DropTrailingBackslashes(path);
    return path;
}

bool ParseRegistryWrite(char* entry, RegistryWrite& out)
{
    char* path = SplitAtFirstBackslash(entry);
    if (!path) return false;
    out = RegistryWrite{};
    out.rootName = entry;
    out.keyPath = path;

    // The value begins after the first double backslash; when the path
    // itself begins with a backslash, the root name's took the first place.
    char* value = nullptr;
    if (path[0] == '\\') {
        out.keyPath = "";
        value = path + 1;
    } else {
        for (char* b = FindCharDbcs(path, '\\'); b; b = FindCharDbcs(b + 1, '\\'))
            if (b[1] == '\\') {
                *b = '\0';
                value = b + 2;
                break;
            }
    }
    if (!value) {
        DropTrailingBackslashes(path);
        return true;
    }
    char* data = SplitAtFirstBackslash(value);
    if (data) {
        out.valueName = value;
        out.data = data;
    }
    return true;
}

bool IsFirstLevelKeyPath(const char* path)
{
    int parts = 0;
    bool inPart = false;
    for (const char* p = path; *p; p = NextChar(p)) {
        if (*p == '\\') {
            inPart = false;
        } else if (!inPart) {
            inPart = true;
            ++parts;
        }
    }
    return parts <= 1;
}
