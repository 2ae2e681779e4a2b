#pragma once
// Whether the running setup is the installed copy that uninstalls.
//
// An install writes its log into the script it runs from and copies that
// script into the install folder, where it becomes the installed script. A
// distribution on a writable medium therefore holds a log too; it must
// install again and never uninstall itself (which would delete its own
// files). So the running script is an installed script only when it holds
// a log (CopiedFile Count not 0) and lies in the install folder that the
// log belongs to (Root Named).
bool IsInstalledCopy();

// The folder that holds the running program and its script (a drive's root
// with its backslash): where the files of the product come from.
void SetupFolder(char* out);

// A file name of the script as setup's own files take it: a relative name
// lies beside setup, wherever setup was started from; an absolute one
// stands. `out` is kPathSize bytes, empty when the path does not fit.
void PathBesideSetup(const char* name, char* out);
