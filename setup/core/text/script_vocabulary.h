#pragma once
// The vocabulary of Setup.ini: every section and key that setup reads or
// writes, the size that setup reads each text into, and the numbered lists
// with the rule that ends each. Setup reads its lists through these
// descriptors, and the script checker reports against the same table, so
// the two cannot tell different stories about a script.
#include <cstddef>
#include <span>

#include "text_limits.h"

enum class ValueKind { Text, Integer };

// Who puts a key into the script: its author, or setup itself (the choices
// and the install log that an install writes back).
enum class KeyOwner { Author, Setup };

struct KeyInfo {
    const char* name;
    ValueKind kind;
    size_t size; // bytes a text is read into, terminator included
    KeyOwner owner = KeyOwner::Author;
};

// Keys numbered in decimal without leading zeros, after a prefix ("3",
// "Make3"), from `first`. Without a `countKey` the list ends at the first
// missing or empty key; with one, that key gives the number of entries.
struct KeyList {
    const char* section;
    const char* prefix;
    int first;
    size_t valueSize;
    const char* countKey = nullptr;
    KeyOwner owner = KeyOwner::Author;
};

// Sections numbered from 0 after a prefix ("Menu0", "Menu1", ...), ending
// at the first whose `endKey` is missing or empty.
struct SectionList {
    const char* prefix;
    const char* endKey;
};

inline constexpr KeyList kBackLines{"Back", "", 0, kPathSize};
inline constexpr KeyList kCopyFileEntries{"CopyFile", "", 0, kPathSize};
inline constexpr KeyList kMakeDirectoryEntries{"MakeDirectory", "", 1, kPathSize};
inline constexpr KeyList kDelPatterns{"Del", "", 0, kPathSize};
inline constexpr KeyList kDirRemoveEntries{"DirRemove", "", 1, kPathSize};
inline constexpr KeyList kLastGoEntries{"LastGo", "", 0, kPathSize};
inline constexpr KeyList kReadmeLines{"Readme", "", 0, kPathSize, "No"};
inline constexpr KeyList kRegMake{"Reg", "Make", 0, kLongValueSize};
inline constexpr KeyList kRegErase{"Reg", "Erase", 0, kLongValueSize};
inline constexpr KeyList kGo2Make{"Go2", "Make", 0, kLongValueSize};
inline constexpr KeyList kGo2Erase{"Go2", "Erase", 0, kLongValueSize};
inline constexpr KeyList kMadeFolderLog{"MakedDirectory", "", 0, kPathSize, "Count", KeyOwner::Setup};
inline constexpr KeyList kCopiedFileLog{"CopiedFile", "", 0, kPathSize, "Count", KeyOwner::Setup};

inline constexpr SectionList kMenuSections{"Menu", "Name"};
inline constexpr SectionList kSendSections{"Send", "Name"};
inline constexpr SectionList kExtSections{"Ext", "Ext"};

// A section of the script: a plain one ("Setup") or the sections of a
// SectionList ("Menu0", "Menu1", ...), its named keys, and its key lists.
struct SectionInfo {
    const char* name;
    const SectionList* numbered; // set for "Menu%d" and its kind
    std::span<const KeyInfo> keys;
    std::span<const KeyList* const> lists;
};

std::span<const SectionInfo> ScriptSections();

// The section that `name` is, or is one of (any letter case); null for a
// name that setup never reads. A numbered name must carry its number in
// decimal without leading zeros ("Menu0", not "Menu00").
const SectionInfo* FindSection(const char* name);

// The named key of `section`, or null.
const KeyInfo* FindKey(const SectionInfo& section, const char* name);

// When `key` is an entry of one of the section's lists ("3", "Make3"): that
// list, with its number in `number`. Leading zeros make no entry.
const KeyList* FindListEntry(const SectionInfo& section, const char* key, int& number);

// The option keys of section Check that follow the four-state rule.
inline constexpr const char* kOptionKeys[] = {"Menu", "Desktop", "Startup", "Ext", "Send", "Copy", "Del"};
