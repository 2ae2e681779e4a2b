#pragma once
// What the Wine prefix holds, taken before and after an install and its
// uninstall to show that nothing of the product stays behind.
#include <set>
#include <string>
#include <vector>

namespace setup_e2e {

// Every key and value of the registry, as Wine's regedit exports it: one
// entry per key ("[key]") and per value ("[key] name=data").
std::set<std::wstring> RegistryEntries();

// Every file and folder on drive C:, by full path; of the folders that lead
// out of the prefix (the user's Desktop and the like) only the top level.
std::set<std::wstring> DriveEntries();

// What `after` holds and `before` does not ("+ ") and the other way round ("- ").
std::vector<std::wstring> Differences(const std::set<std::wstring>& before, const std::set<std::wstring>& after);

} // namespace setup_e2e
