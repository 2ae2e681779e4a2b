#pragma once
// The order in which an uninstall removes the folders that installs made.
#include <cstddef>
#include <string>
#include <vector>

// The number of backslashes that separate the parts of `path` (double-byte
// aware): "C:\App\doc" is 2 deep.
size_t PathDepth(const char* path);

// Deepest first, so that every folder is tried after the folders inside it,
// whatever order the log holds them in: a log merged over a version-up
// lists an earlier install's outer folder after a later one's inner folder.
// Folders of the same depth keep their order.
void SortDeepestFirst(std::vector<std::string>& folders);
