#pragma once
// Registry values that the script asks for (section Reg), and the keys of
// the product that an uninstall removes. Failures end only the entry or
// step concerned, silently. Every key changed by a deletion is flushed.
#include <windows.h>

// Applies the entries Make0, Make1, ... (`make`) or Erase0, Erase1, ... of
// section Reg, up to the first missing or empty one.
void ApplyRegList(bool make);

// "root\key\...\key", optionally followed by "\\name\data" ("\\\data": the
// default value): creates the keys and writes the string value. The data
// is resolved against the install folder with the program lookup; "!" at
// its start keeps it as written. Any root name not known means
// HKEY_LOCAL_MACHINE. `entry` is cut in place.
void WriteRegEntry(char* entry);

// "root\path": the key with everything below it when the path names a key,
// otherwise the value named by its last part; then every key above that is
// left with neither sub keys nor values, up to the one right below the
// root. A key right below a root (Software, and the like) is never deleted
// as a tree: such an entry does nothing. `entry` is cut in place.
void EraseRegEntry(char* entry);

// Deletes the sub key `name` of `parent` with all its sub keys and values,
// and flushes `parent`. A sub key that cannot be deleted ends the walk over
// the key that holds it. An empty name does nothing. True when the key is
// gone; otherwise the registry's result is the last error.
bool DeleteKeyTree(HKEY parent, const char* name);

// Deletes the sub key `name` of `parent` when it opens and has neither sub
// keys nor values, and flushes `parent`.
void DeleteKeyIfEmpty(HKEY parent, const char* name);

// The uninstall-time removal of the product's keys: its entry in the
// system's uninstall list (named by Root Name), then under "SOFTWARE" of
// the user's and of the machine's hive the application key (Registry Name)
// under the company key (Registry Company), and the company key when that
// is left empty; without Registry Name, the whole company key. Nothing at
// all without Root Name.
void RemoveCompanyKeys();
