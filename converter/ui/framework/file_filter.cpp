#include "file_filter.h"

std::wstring FilterForDialog(const std::wstring& barSeparated)
{
    std::wstring filter = barSeparated;
    // A lone last part has no terminating bar yet.
    if (!filter.empty() && filter.back() != L'|') filter += L'|';
    while (filter.size() >= 2 && filter.compare(filter.size() - 2, 2, L"||") == 0) filter.pop_back();
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter += L'\0'; // with the string's own terminator: the list ends in two NULs
    return filter;
}
