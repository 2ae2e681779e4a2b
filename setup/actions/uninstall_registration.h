#pragma once
// The product's entry in the system's list of uninstallable programs.

// Under HKEY_LOCAL_MACHINE ...\CurrentVersion\Uninstall, the key named by
// Root Name: "DisplayName" (Setup Name) and "UninstallString", the
// installed Setup.exe in double quotes followed by " uninstall" with Del
// Auto. False when the entry could not be written; true also when there is
// none to write (Root Name empty).
bool RegisterUninstall();
