#pragma once
// Removal of the installed program after an uninstall.

// Deletes the running program file and its folder (when empty). Called by
// the removal copy that setup starts with the argument "remove".
void DeleteSelf();
