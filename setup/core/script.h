#pragma once
// Access to the script "Setup.ini" through the system's profile functions.
// Every call names the script by its full path: a bare file name would send
// the system looking in the Windows folder. Section and key names match in
// any letter case; a missing key gives the default.
#include <cstddef>
#include <memory>

#include "numbered_key.h"
#include "script_vocabulary.h"
#include "text_limits.h"

// The running program's path, and the running script: "Setup.ini" in the
// folder of the running program. False when the program's own path cannot
// be had (or the script path beside it would not fit in 260 bytes).
bool InitProgramPaths();
const char* ScriptPath();

// Reads a string into `out` (`size` bytes; longer values are cut) and returns
// its length; 0 means missing or empty.
size_t ReadProfileText(const char* script, const char* section, const char* key, char* out,
                       size_t size, const char* fallback = "");
int ReadProfileInt(const char* script, const char* section, const char* key, int fallback = 0);
// Creates section and key as needed; the value replaces the old one.
void WriteProfileText(const char* script, const char* section, const char* key, const char* value);
// Makes the system write its cached copy of the file to disk.
void FlushProfile(const char* script);

// The same for the running script.
size_t ReadScriptText(const char* section, const char* key, char* out, size_t size,
                      const char* fallback = "");
int ReadScriptInt(const char* section, const char* key, int fallback = 0);
void WriteScriptText(const char* section, const char* key, const char* value);
void DeleteScriptSection(const char* section);
void FlushScript();

template <size_t N>
size_t ReadProfileText(const char* script, const char* section, const char* key, char (&out)[N],
                       const char* fallback = "")
{
    return ReadProfileText(script, section, key, out, N, fallback);
}
template <size_t N>
size_t ReadScriptText(const char* section, const char* key, char (&out)[N], const char* fallback = "")
{
    return ReadScriptText(section, key, out, N, fallback);
}

// Calls fn(index, value) for the entries of a numbered key list of the
// vocabulary ("3", "Make3"), each read into the list's value size, until
// the first missing or empty one; returns the number of entries. (Lists
// with a count key, the logs and the ReadMe lines, are read by index.)
template <class Fn>
int ForEachListedValue(const char* script, const KeyList& list, Fn fn)
{
    std::unique_ptr<char[]> value(new char[list.valueSize]);
    int count = 0;
    for (int index = list.first;; ++index, ++count) {
        if (ReadProfileText(script, list.section, NameWithNumber(list.prefix, index), value.get(), list.valueSize) == 0)
            return count;
        fn(index, value.get());
    }
}

// Numbered sections ("Menu%d", "Send%d", "Ext%d") from 0 until the first
// whose end key (Name, or Ext for "Ext%d") is empty; calls fn(index, sectionName).
template <class Fn>
int ForEachNumberedSection(const char* script, const SectionList& sections, Fn fn)
{
    char value[kPathSize];
    int count = 0;
    for (int index = 0;; ++index, ++count) {
        NumberedName section = NameWithNumber(sections.prefix, index);
        if (ReadProfileText(script, section, sections.endKey, value) == 0) return count;
        fn(index, static_cast<const char*>(section));
    }
}
