#include "system_snapshot.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "e2e.h"

namespace setup_e2e {

namespace {

// The .reg text of regedit: UTF-16 with a byte-order mark; long values
// continue on the next line after a trailing backslash.
std::vector<std::wstring> RegLines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::wstring text(bytes.size() / 2, L'\0');
    std::copy_n(bytes.data(), text.size() * 2, reinterpret_cast<char*>(text.data()));
    if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);

    std::vector<std::wstring> lines;
    std::wstring line, part;
    std::wistringstream stream(text);
    while (std::getline(stream, part)) {
        if (!part.empty() && part.back() == L'\r') part.pop_back();
        if (!line.empty()) part.erase(0, part.find_first_not_of(L' '));
        line += part;
        if (!line.empty() && line.back() == L'\\' && line.front() != L'[') {
            line.pop_back();
            continue;
        }
        lines.push_back(line);
        line.clear();
    }
    return lines;
}

} // namespace

std::set<std::wstring> RegistryEntries()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::filesystem::path file = std::wstring(temp) + L"setup-e2e-registry-" + std::to_wstring(GetCurrentProcessId()) +
                                 L".reg";
    e2e::Process regedit = e2e::Process::LaunchCommandLine(L"regedit.exe /E \"" + file.wstring() + L"\"");
    regedit.WaitForExit(60000);

    std::set<std::wstring> entries;
    std::wstring key;
    for (const std::wstring& line : RegLines(file)) {
        if (line.empty() || line.rfind(L"Windows Registry Editor", 0) == 0) continue;
        if (line.front() == L'[') {
            key = line;
            entries.insert(key);
        } else {
            entries.insert(key + L" " + line);
        }
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return entries;
}

namespace {

// Folders that are links out of the prefix (the user's Desktop, Documents
// and the like lead into the Linux home) are listed one level deep: the
// product may put a shortcut there, but the home is not the prefix's.
void CollectEntries(const std::wstring& folder, bool recurse, std::set<std::wstring>& entries)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = folder + L"\\" + name;
        entries.insert(path);
        bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        bool isLink = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if (isFolder && recurse) CollectEntries(path, !isLink, entries);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

} // namespace

std::set<std::wstring> DriveEntries()
{
    std::set<std::wstring> entries;
    CollectEntries(L"C:", true, entries);
    return entries;
}

std::vector<std::wstring> Differences(const std::set<std::wstring>& before, const std::set<std::wstring>& after)
{
    std::vector<std::wstring> differences;
    for (const std::wstring& entry : after)
        if (!before.count(entry)) differences.push_back(L"+ " + entry);
    for (const std::wstring& entry : before)
        if (!after.count(entry)) differences.push_back(L"- " + entry);
    return differences;
}

} // namespace setup_e2e
