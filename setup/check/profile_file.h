#pragma once
// A script file read as the system's profile functions read it, with the
// line of each section and key kept for reports:
// - a line "[name]" opens a section (the name trimmed, up to the line's last
//   "]"); a "[" line without "]" opens none, and the keys after it stay in
//   the section before; keys before the first section lie in a section
//   without a name;
// - "key=value": the key trimmed, the value trimmed of blanks and tabs, and
//   one pair of matching quotes (" or ') around the whole value removed; a
//   line without "=" is a key without a value, which reads as missing;
// - lines that begin with ";" are comments;
// - names match in any letter case; of two sections (or two keys of a
//   section) of the same name, only the first is read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ProfileKey {
    std::string name;
    std::optional<std::string> value; // as read: trimmed, one pair of quotes removed
    std::string written;              // the text after "=", as written
    int line = 0;
};

struct ProfileSection {
    std::string name;
    int line = 0; // 0 for the keys before the first section
    std::vector<ProfileKey> keys;
};

// A line the profile functions pass over, with what is wrong with it.
struct ProfileSkip {
    int line;
    std::string text;
};

class ProfileFile {
public:
    static ProfileFile Parse(std::string_view bytes);

    const std::vector<ProfileSection>& Sections() const { return m_sections; }
    const std::vector<ProfileSkip>& Skipped() const { return m_skipped; }

    // The section that a read of `name` finds: the first of that name.
    const ProfileSection* FindSection(std::string_view name) const;
    const ProfileKey* FindKey(std::string_view section, std::string_view key) const;

    // The value a read of `size` bytes returns (at most size - 1 bytes,
    // never half a double-byte character); nullopt for a missing key.
    std::optional<std::string> Read(std::string_view section, std::string_view key, size_t size) const;
    // The integer a read returns: leading blanks, a sign, decimal digits up
    // to the first other character; `fallback` for a missing or empty value.
    int ReadInt(std::string_view section, std::string_view key, int fallback = 0) const;

private:
    std::vector<ProfileSection> m_sections;
    std::vector<ProfileSkip> m_skipped;
};

// Names compared as the profile functions compare them: ASCII letters in
// any case, other bytes exactly.
bool SameProfileName(std::string_view a, std::string_view b);
