#include "removal_order.h"

#include <algorithm>

#include "dbcs.h"

size_t PathDepth(const char* path)
{
    size_t depth = 0;
    for (const char* p = path; *p; p = NextChar(p))
        if (*p == '\\' && p[1] != '\0') ++depth; // a trailing backslash adds no part
    return depth;
}

void SortDeepestFirst(std::vector<std::string>& folders)
{
    std::stable_sort(folders.begin(), folders.end(), [](const std::string& a, const std::string& b) {
        return PathDepth(a.c_str()) > PathDepth(b.c_str());
    });
}
