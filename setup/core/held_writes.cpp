#include "held_writes.h"

#include <cstdlib>
#include <cstring>

#include "path_text.h"
#include "script.h"

void HeldScriptWrites::Write(const char* section, const char* key, const char* value)
{
    m_entries.push_back({section, key, value});
}

// Names match in any letter case, as the profile functions match them; the
// last write of a key wins.
const HeldScriptWrites::Entry* HeldScriptWrites::Find(const char* section, const char* key) const
{
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (EqualsNoCase(section, std::strlen(section), entry->section.c_str()) &&
            EqualsNoCase(key, std::strlen(key), entry->key.c_str()))
            return &*entry;
    return nullptr;
}

int HeldScriptWrites::ReadInt(const char* section, const char* key) const
{
    if (const Entry* entry = Find(section, key)) return std::atoi(entry->value.c_str());
    return ReadScriptInt(section, key);
}

void HeldScriptWrites::Commit()
{
    for (const Entry& entry : m_entries)
        WriteScriptText(entry.section.c_str(), entry.key.c_str(), entry.value.c_str());
    m_entries.clear();
}
