#pragma once
// The product's entry in the system's list of uninstallable programs.

// Under HKEY_LOCAL_MACHINE ...\CurrentVersion\Uninstall, the key named by
// Root Name: "DisplayName" (Setup Name) and "UninstallString", the
// installed Setup.exe (unquoted) followed by " uninstall" with Del Auto.
void RegisterUninstall();
