// Values that setup reads otherwise than their author may think: option
// states, the install folder, where files go, registry entries, the
// association and shortcut sections, drawing lines.
#include <cstring>

#include "copy_entry.h"
#include "hot_key.h"
#include "numbered_key.h"
#include "path_text.h"
#include "registry_entry.h"
#include "script_check.h"
#include "script_checker.h"
#include "script_vocabulary.h"

namespace {

bool EndsWithNoCase(const std::string& text, const char* tail)
{
    size_t length = std::strlen(tail);
    return text.size() >= length && EqualsNoCase(text.c_str() + text.size() - length, length, tail);
}

// Registry data that the program lookup leaves alone: a program's own file.
bool NamesAProgram(const std::string& data)
{
    for (const char* extension : {".exe", ".dll", ".com", ".bat", ".cmd"})
        if (EndsWithNoCase(data, extension)) return true;
    return false;
}

} // namespace

void ScriptChecker::CheckOptions()
{
    for (const char* option : kOptionKeys) {
        const ProfileKey* key = m_script.FindKey("Check", option);
        if (!key || !key->value) continue;
        int value = m_script.ReadInt("Check", option, 0);
        if (value < 0 || value > 3)
            Report(key->line, Severity::Warning,
                   std::string("[Check] ") + option + "=" + *key->value +
                       " is no option state (0 hidden, 1 offered, 2 ticked, 3 always): setup offers it unticked");
        else if (!key->value->empty() && (*key->value)[0] != '-' && ((*key->value)[0] < '0' || (*key->value)[0] > '9'))
            Report(key->line, Severity::Warning,
                   std::string("[Check] ") + option + "=" + *key->value + " is no number: setup reads " +
                       std::to_string(value));
    }
}

void ScriptChecker::CheckInstallFolder()
{
    if (Read("Root", "Name").empty())
        Report(LineOf("Root", "Name"), Severity::Error,
               "[Root] Name is empty: the install folder would be the root of the system drive, and the product "
               "would have no entry in the uninstall list");
}

void ScriptChecker::CheckCopyDestinations()
{
    std::string installFolder = DefaultInstallFolder();
    TypicalFolders folders;
    for (int index = kCopyFileEntries.first;; ++index) {
        std::string value = Read(kCopyFileEntries.section, KeyNumber(index));
        if (value.empty()) break;
        CopyMarks marks;
        std::string path = TakeCopyMarks(value.c_str(), marks);
        char destination[kPathSize] = "";
        int line = LineOf(kCopyFileEntries.section, KeyNumber(index));
        bool leading = ResolveLeadingForm(path.c_str(), installFolder.c_str(), destination, folders);
        bool fits = leading ? destination[0] != '\0' : installFolder.size() + 1 + path.size() < kPathSize;
        if (!fits)
            Report(line, Severity::Error, "the destination of " + path + " would not fit a path of 259 characters: the copy fails");
        else if (leading && !StartsWithNoCase(path.c_str(), "%root%"))
            Report(line, Severity::Warning, path + " is copied outside the install folder, to " + destination);
    }
}

void ScriptChecker::CheckRegistryEntries()
{
    for (const KeyList* list : {&kRegMake, &kRegErase}) {
        for (int index = list->first;; ++index) {
            NumberedName key = NameWithNumber(list->prefix, index);
            std::string value = Read(list->section, key, list->valueSize);
            if (value.empty()) break;
            int line = LineOf(list->section, key);
            std::string entry = value;
            RegistryWrite write;
            const char* root = entry.c_str();
            const char* erasePath = nullptr;
            bool parsed = list == &kRegMake ? ParseRegistryWrite(entry.data(), write) : (erasePath = ParseRegistryErase(entry.data())) != nullptr;
            if (list == &kRegMake) root = write.rootName;
            if (!parsed) {
                Report(line, Severity::Warning, "no backslash after the root name: the entry does nothing");
                continue;
            }
            if (!IsRootName(root))
                Report(line, Severity::Warning,
                       std::string(root) + " is no root name that setup knows: the entry goes to HKEY_LOCAL_MACHINE");
            if (list == &kRegErase && IsFirstLevelKeyPath(erasePath))
                Report(line, Severity::Warning, "setup never deletes a root or a key right below one: the entry does nothing");
            if (list == &kRegMake && write.data && write.data[0] != '!' && write.data[0] != '\0' && !NamesAProgram(write.data))
                Report(line, Severity::Warning,
                       std::string("the data \"") + write.data +
                           "\" goes through the program lookup, which turns a file name into the program that opens "
                           "it or a path in the install folder: write !" + write.data + " to store it as written");
        }
    }
}

void ScriptChecker::CheckAssociationsAndShortcuts()
{
    for (int index = 0;; ++index) {
        NumberedName section = NameWithNumber(kExtSections.prefix, index);
        if (Read(section, kExtSections.endKey, kAssocValueSize).empty()) break;
        if (Read(section, "Kind").empty())
            Report(LineOf(section, nullptr), Severity::Warning, std::string("[") + section.text + "] has no Kind: setup skips it");
        if (Read(section, "Verb", kAssocValueSize).empty() && Read(section, "Verb2", kAssocValueSize).empty() &&
            !Read(section, "Command").empty())
            Report(LineOf(section, "Command"), Severity::Warning, "a Command without Verb or Verb2 is never registered");
    }
    for (const char* section : {"Desktop", "Startup"}) {
        std::string shortKey = Read(section, "Short");
        if (!shortKey.empty() && HotKeyFromText(shortKey.c_str()) == 0)
            Report(LineOf(section, "Short"), Severity::Warning, "Short=" + shortKey + " names no key: the shortcut gets no hot key");
    }
}

void ScriptChecker::CheckDrawingLines()
{
    ForEachDrawingLine([&](int line, const std::string& text, bool pageLine) {
        for (const std::string& problem : ProblemsOfScriptLine(text.c_str(), pageLine))
            Report(line, Severity::Warning, problem);
    });
}
