#pragma once
// Removal of the installed program after an uninstall.

// Deletes the running program file and its folder (when empty), and the
// `parentFolders` folders above it that the install made (each when
// empty). Called by the removal copy that setup starts with "remove".
void DeleteSelf(int parentFolders);
