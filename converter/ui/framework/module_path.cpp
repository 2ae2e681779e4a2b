#include "module_path.h"

namespace {

// Where the file name starts: after the last backslash, slash or drive colon.
size_t NameStart(const std::wstring& path)
{
    size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

// The position of the extension's dot, or npos. A leading dot (".profile")
// belongs to the name.
size_t ExtensionDot(const std::wstring& path)
{
    size_t start = NameStart(path);
    size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos || dot <= start ? std::wstring::npos : dot;
}

} // namespace

std::wstring FileBaseName(const std::wstring& path)
{
    size_t start = NameStart(path);
    size_t dot = ExtensionDot(path);
    return path.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
}

std::wstring WithExtension(const std::wstring& path, const std::wstring& extension)
{
    return path.substr(0, ExtensionDot(path)) + L"." + extension;
}
