#pragma once
// Writes to the running script that the setup dialog decides while it
// shapes itself, held back until a run starts: a dialog that is cancelled
// (or whose agreement is declined) leaves the script as it found it, so the
// next start proposes the same folder. Reads while shaping see them.
#include <string>
#include <vector>

#include "script_keys.h"

class HeldScriptWrites {
public:
    void Write(const char* section, const char* key, const char* value);
    void Write(const ScriptKey& key, const char* value) { Write(key.section, key.key, value); }
    // The held value of the key if there is one, else the script's.
    int ReadInt(const char* section, const char* key) const;
    // Writes them to the script in the order they were made.
    void Commit();

private:
    struct Entry {
        std::string section, key, value;
    };
    const Entry* Find(const char* section, const char* key) const;
    std::vector<Entry> m_entries;
};
