#include "script_folder.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "dbcs.h"
#include "path_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && EqualsNoCase(a.c_str(), a.size(), b.c_str());
}

// The parts of a relative name, split at backslashes that are characters
// of their own.
std::vector<std::string> PartsOf(std::string_view name)
{
    std::vector<std::string> parts(1);
    std::string text(name);
    for (const char* p = text.c_str(); *p;) {
        const char* next = NextChar(p);
        if (*p == '\\') parts.emplace_back();
        else parts.back().append(p, static_cast<size_t>(next - p));
        p = next;
    }
    return parts;
}

} // namespace

std::string ToUtf8(std::string_view text, unsigned codePage)
{
#ifdef _WIN32
    int wide = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), utf16.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
#else
    iconv_t convert = iconv_open("UTF-8", codePage == 932 ? "CP932" : "CP1252");
    if (convert == reinterpret_cast<iconv_t>(-1)) return std::string(text);
    std::string in(text), out(text.size() * 4 + 4, '\0');
    char* source = in.data();
    char* target = out.data();
    size_t left = in.size(), room = out.size();
    while (left > 0 && iconv(convert, &source, &left, &target, &room) == static_cast<size_t>(-1)) {
        // A byte the code page has no character for is kept as "?".
        *target++ = '?';
        --room;
        ++source;
        --left;
    }
    iconv_close(convert);
    out.resize(out.size() - room);
    return out;
#endif
}

std::optional<std::filesystem::path> ScriptFolder::Find(std::string_view name) const
{
    std::string text(name);
    if (text.empty() || !IsRelativePath(text.c_str())) return std::nullopt;
    std::filesystem::path path = m_folder;
    std::error_code error;
    for (const std::string& part : PartsOf(name)) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            path = path.parent_path();
            continue;
        }
        std::string wanted = ToUtf8(part, m_codePage);
        std::optional<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            std::u8string name8 = entry.path().filename().u8string();
            std::string have(name8.begin(), name8.end());
            if (have == wanted) {
                found = entry.path();
                break;
            }
            if (!found && SameIgnoringAsciiCase(have, wanted)) found = entry.path();
        }
        if (!found) return std::nullopt;
        path = *found;
    }
    return path;
}

bool ScriptFolder::Read(std::string_view name, std::string& bytes, size_t limit) const
{
    std::optional<std::filesystem::path> path = Find(name);
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(*path, error) || std::filesystem::file_size(*path, error) > limit)
        return false;
    std::ifstream in(*path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
}
