#pragma once
// The product's folder in the user's Programs menu (the menu folder).
#include "text_limits.h"

struct MenuFolders {
    char menu[kPathSize] = "";     // empty: the script has no menu folder here
    char programs[kPathSize] = ""; // the user's Programs folder; empty when unknown
};

// The menu folder of `script`: Menu Named when it is set, else the Programs
// folder joined with Menu Name, or the Programs folder itself without a name.
// Without the Programs folder, Menu Named alone.
MenuFolders ResolveMenuFolder(const char* script);

// True when `folder` lies below the Programs folder at some depth; false for
// the Programs folder itself, for folders elsewhere and for missing ones.
bool LiesInsidePrograms(const char* folder, const char* programs);
