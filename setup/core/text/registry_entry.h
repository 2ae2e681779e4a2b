#pragma once
// The one-line entries of section Reg taken apart. An entry starts with a
// root key name and a backslash; the rest is a key path whose parts are
// separated by one backslash each. A Make entry may go on with two
// backslashes, a value name, one backslash and the data (which may hold
// backslashes of its own). Texts are cut in place; backslashes are found
// double-byte aware.

// The root keys that an entry can name.
enum class RegistryRoot {
    ClassesRoot,
    CurrentConfig,
    CurrentUser,
    Users,
    PerformanceData,
    DynData,
    LocalMachine,
};

// Compared without regard to letter case. Any other name means the local
// machine, "HKEY_LOCAL_MACHINE" and abbreviations such as "HKLM" included:
// scripts rely on that.
RegistryRoot RootOfName(const char* name);

// True for the root names that RootOfName knows by name.
bool IsRootName(const char* name);

// What a Make entry asks for: create the keys of `keyPath` below the root
// (empty: the root key itself) and, when `valueName` is set, write `data`
// as the string value of that name ("" is the default value).
struct RegistryWrite {
    const char* rootName = "";
    const char* keyPath = "";
    const char* valueName = nullptr;
    const char* data = nullptr;
};

// False for an entry without a backslash: it asks for nothing. A value
// name without a backslash after it creates the keys and writes nothing.
bool ParseRegistryWrite(char* entry, RegistryWrite& out);

// An Erase entry: leaves the root name in `entry` and returns the path of
// a key or value below it, without a backslash at its end; null for an
// entry without a backslash.
char* ParseRegistryErase(char* entry);

// True when `path` names the root key or a key right below it ("Software",
// "Software\" or ""): such a key holds every program's settings and is
// never deleted as a tree.
bool IsFirstLevelKeyPath(const char* path);
