#include "script_vocabulary.h"

#include <cstring>

#include "path_text.h"

namespace {

constexpr KeyInfo Text(const char* name, size_t size = kPathSize, KeyOwner owner = KeyOwner::Author)
{
    return {name, ValueKind::Text, size, owner};
}

constexpr KeyInfo Number(const char* name, KeyOwner owner = KeyOwner::Author)
{
    return {name, ValueKind::Integer, 0, owner};
}

constexpr KeyOwner kSetup = KeyOwner::Setup;

constexpr KeyInfo kSetupKeys[] = {Text("Name"), Number("Auto"), Text("Log")};
constexpr KeyInfo kRootKeys[] = {Text("Name"), Text("Named", kPathSize, kSetup)};
constexpr KeyInfo kCheckKeys[] = {Number("Menu"), Number("Desktop"), Number("Startup"), Number("Ext"),
                                  Number("Send"), Number("Copy"),    Number("Del"),     Number("IconNo")};
constexpr KeyInfo kMenuKeys[] = {Text("Name"), Text("Named", kPathSize, kSetup), Text("Change", kPathSize, kSetup),
                                 Number("Open")};
constexpr KeyInfo kShortcutKeys[] = {Text("Name"), Number("Show"),   Text("Arg"), Text("Path"),
                                     Text("Icon"), Number("IconNo"), Text("Work")};
constexpr KeyInfo kFolderShortcutKeys[] = {Text("Name"), Number("Show"),   Text("Arg"),  Text("Short"),
                                           Text("Path"), Number("IconNo"), Text("Icon"), Text("Work")};
constexpr KeyInfo kLastGoKeys[] = {Text("Desktop", kPathSize, kSetup), Text("Startup", kPathSize, kSetup),
                                   Number("DesktopAndGo"), Number("StartupAndGo")};
constexpr KeyInfo kExtKeys[] = {Text("Ext", kAssocValueSize),  Text("Kind"), Text("Icon"), Text("IconNo"),
                                Text("Verb", kAssocValueSize), Text("Verb2", kAssocValueSize), Text("Command"),
                                Number("Force")};
constexpr KeyInfo kRegistryKeys[] = {Text("Company"), Text("Name")};
constexpr KeyInfo kGoKeys[] = {Number("Agree")};
constexpr KeyInfo kReadmeKeys[] = {Number("Done"), Text("File"), Number("No")};
constexpr KeyInfo kBackKeys[] = {Number("Do")};
constexpr KeyInfo kCopyFileKeys[] = {Text("Self"), Number("DefaultNo")};
constexpr KeyInfo kLogKeys[] = {Number("Count", kSetup)};
constexpr KeyInfo kDelKeys[] = {Number("Force"), Number("ShowError"), Number("Auto"), Number("Checked")};

constexpr const KeyList* kLastGoLists[] = {&kLastGoEntries};
constexpr const KeyList* kRegLists[] = {&kRegMake, &kRegErase};
constexpr const KeyList* kGo2Lists[] = {&kGo2Make, &kGo2Erase};
constexpr const KeyList* kReadmeLists[] = {&kReadmeLines};
constexpr const KeyList* kBackLists[] = {&kBackLines};
constexpr const KeyList* kCopyFileLists[] = {&kCopyFileEntries};
constexpr const KeyList* kMakeDirectoryLists[] = {&kMakeDirectoryEntries};
constexpr const KeyList* kMadeFolderLists[] = {&kMadeFolderLog};
constexpr const KeyList* kCopiedFileLists[] = {&kCopiedFileLog};
constexpr const KeyList* kDelLists[] = {&kDelPatterns};
constexpr const KeyList* kDirRemoveLists[] = {&kDirRemoveEntries};

const SectionInfo kSections[] = {
    {"Setup", nullptr, kSetupKeys, {}},
    {"Root", nullptr, kRootKeys, {}},
    {"Check", nullptr, kCheckKeys, {}},
    {"Menu", nullptr, kMenuKeys, {}},
    {"Menu", &kMenuSections, kShortcutKeys, {}},
    {"Desktop", nullptr, kFolderShortcutKeys, {}},
    {"Startup", nullptr, kFolderShortcutKeys, {}},
    {"Send", &kSendSections, kShortcutKeys, {}},
    {"LastGo", nullptr, kLastGoKeys, kLastGoLists},
    {"Ext", &kExtSections, kExtKeys, {}},
    {"Registry", nullptr, kRegistryKeys, {}},
    {"Reg", nullptr, {}, kRegLists},
    {"Go2", nullptr, {}, kGo2Lists},
    {"Go", nullptr, kGoKeys, {}},
    {"Readme", nullptr, kReadmeKeys, kReadmeLists},
    {"Back", nullptr, kBackKeys, kBackLists},
    {"CopyFile", nullptr, kCopyFileKeys, kCopyFileLists},
    {"MakeDirectory", nullptr, {}, kMakeDirectoryLists},
    {"MakedDirectory", nullptr, kLogKeys, kMadeFolderLists},
    {"CopiedFile", nullptr, kLogKeys, kCopiedFileLists},
    {"Del", nullptr, kDelKeys, kDelLists},
    {"DirRemove", nullptr, {}, kDirRemoveLists},
};

bool SameName(const char* a, const char* b)
{
    return EqualsNoCase(a, std::strlen(a), b);
}

// The number that `text` is, written in decimal without leading zeros; -1
// for anything else.
int DecimalNumber(const char* text)
{
    if (text[0] < '0' || text[0] > '9' || (text[0] == '0' && text[1] != '\0')) return -1;
    long long number = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return -1;
        number = number * 10 + (*p - '0');
        if (number > 1000000000) return -1;
    }
    return static_cast<int>(number);
}

} // namespace

std::span<const SectionInfo> ScriptSections()
{
    return kSections;
}

const SectionInfo* FindSection(const char* name)
{
    for (const SectionInfo& section : kSections) {
        if (!section.numbered) {
            if (SameName(name, section.name)) return &section;
        } else {
            size_t length = std::strlen(section.numbered->prefix);
            if (StartsWithNoCase(name, section.numbered->prefix) && DecimalNumber(name + length) >= 0) return &section;
        }
    }
    return nullptr;
}

const KeyInfo* FindKey(const SectionInfo& section, const char* name)
{
    for (const KeyInfo& key : section.keys)
        if (SameName(name, key.name)) return &key;
    return nullptr;
}

const KeyList* FindListEntry(const SectionInfo& section, const char* key, int& number)
{
    for (const KeyList* list : section.lists) {
        size_t length = std::strlen(list->prefix);
        if (!StartsWithNoCase(key, list->prefix)) continue;
        number = DecimalNumber(key + length);
        if (number >= 0) return list;
    }
    return nullptr;
}
