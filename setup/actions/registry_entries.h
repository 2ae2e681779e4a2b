#pragma once
// Registry values that the script asks for (section Reg), and the keys of
// the product that an uninstall removes.
#include <windows.h>

// Applies the entries Make0, Make1, ... (`make`) or Erase0, Erase1, ... of
// section Reg.
void ApplyRegList(bool make);

// Deletes the sub key `name` of `parent` with all its sub keys and values,
// and flushes `parent`.
void DeleteKeyTree(HKEY parent, const char* name);

// The uninstall-time removal of the product's keys: its entry in the
// system's uninstall list (named by Root Name).
void RemoveCompanyKeys();
