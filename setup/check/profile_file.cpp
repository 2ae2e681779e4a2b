#include "profile_file.h"

#include <climits>
#include <cstring>

#include "dbcs.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string ValueOf(std::string_view written)
{
    std::string_view value = Trimmed(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SameProfileName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

ProfileFile ProfileFile::Parse(std::string_view bytes)
{
    ProfileFile file;
    file.m_sections.push_back({"", 0, {}});
    int number = 0;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++number;
        std::string_view text = Trimmed(line);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            size_t close = text.rfind(']');
            if (close == std::string_view::npos) {
                file.m_skipped.push_back({number, "a section name without \"]\": the keys below stay in the section above"});
                continue;
            }
            file.m_sections.push_back({std::string(Trimmed(text.substr(1, close - 1))), number, {}});
            continue;
        }
        ProfileKey key;
        key.line = number;
        size_t equals = text.find('=');
        key.name = std::string(Trimmed(text.substr(0, equals)));
        if (equals != std::string_view::npos) {
            key.written = std::string(text.substr(equals + 1));
            key.value = ValueOf(key.written);
        }
        file.m_sections.back().keys.push_back(std::move(key));
    }
    return file;
}

const ProfileSection* ProfileFile::FindSection(std::string_view name) const
{
    std::string_view wanted = Trimmed(name);
    for (const ProfileSection& section : m_sections)
        if ((section.line != 0 || wanted.empty()) && SameProfileName(section.name, wanted)) return &section;
    return nullptr;
}

const ProfileKey* ProfileFile::FindKey(std::string_view section, std::string_view key) const
{
    const ProfileSection* found = FindSection(section);
    if (!found) return nullptr;
    for (const ProfileKey& entry : found->keys)
        if (SameProfileName(entry.name, key)) return &entry;
    return nullptr;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key, size_t size) const
{
    const ProfileKey* found = FindKey(section, key);
    if (!found || !found->value || size == 0) return std::nullopt;
    std::string value = *found->value;
    value.resize(FitLength(value.c_str(), size - 1));
    return value;
}

int ProfileFile::ReadInt(std::string_view section, std::string_view key, int fallback) const
{
    std::optional<std::string> value = Read(section, key, 1024);
    if (!value || value->empty()) return fallback;
    const char* p = value->c_str();
    while (IsBlank(*p)) ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long number = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (number <= INT_MAX) number = number * 10 + (*p - '0');
    if (number > INT_MAX) number = INT_MAX;
    return static_cast<int>(negative ? -number : number);
}
