// Numbered lists as setup reads them: from their first number up to the
// first missing or empty entry. What lies beyond is never read.
#include <map>
#include <string>

#include "numbered_key.h"
#include "script_checker.h"
#include "script_vocabulary.h"

namespace {

std::string Bracketed(const std::string& name)
{
    return "[" + name + "]";
}

} // namespace

void ScriptChecker::CheckNumberedLists()
{
    for (const SectionInfo& info : ScriptSections()) {
        if (info.numbered) continue;
        const ProfileSection* section = m_script.FindSection(info.name);
        if (!section) continue;
        for (const KeyList* list : info.lists) {
            if (list->owner == KeyOwner::Setup) continue;
            std::map<int, int> lines; // number → line, the first of each
            for (const ProfileKey& key : section->keys) {
                int number = 0;
                if (key.value && FindListEntry(info, key.name.c_str(), number) == list) lines.emplace(number, key.line);
            }
            std::string name = Bracketed(info.name) + (list->prefix[0] ? std::string(" ") + list->prefix : "");
            if (list->countKey) {
                int count = m_script.ReadInt(info.name, list->countKey, 0);
                for (const auto& [number, line] : lines)
                    if (number >= count)
                        Report(line, Severity::Warning,
                               name + " " + std::to_string(number) + " lies beyond " + list->countKey + "=" +
                                   std::to_string(count) + ": setup never reads it");
                continue;
            }
            // Where setup stops: the first number, from the first, that is missing or empty.
            int end = list->first;
            while (!Read(info.name, NameWithNumber(list->prefix, end), list->valueSize).empty()) ++end;
            for (const auto& [number, line] : lines) {
                if (number < list->first)
                    Report(line, Severity::Warning,
                           name + " is numbered from " + std::to_string(list->first) + ": " + std::to_string(number) +
                               " is never read");
                else if (number > end)
                    Report(line, Severity::Warning,
                           name + " " + std::to_string(number) + " is never read: the list ends at " +
                               std::to_string(end) + ", which is " + (lines.count(end) ? "empty" : "missing"));
            }
        }
    }
}

void ScriptChecker::CheckNumberedSections()
{
    for (const SectionList* list : {&kMenuSections, &kSendSections, &kExtSections}) {
        int end = 0;
        while (!Read(NameWithNumber(list->prefix, end), list->endKey).empty()) ++end;
        for (const ProfileSection& section : m_script.Sections()) {
            const SectionInfo* info = section.line ? FindSection(section.name.c_str()) : nullptr;
            if (!info || info->numbered != list) continue;
            int number = std::stoi(section.name.substr(std::string(list->prefix).size()));
            if (number == end && m_script.FindSection(section.name) == &section)
                Report(section.line, Severity::Warning,
                       Bracketed(section.name) + " has no " + list->endKey + ": the sections end here");
            else if (number > end)
                Report(section.line, Severity::Warning,
                       Bracketed(section.name) + " is never read: the sections end at " + list->prefix +
                           std::to_string(end) + ", which " +
                           (m_script.FindSection(NameWithNumber(list->prefix, end).text) ? "has no " + std::string(list->endKey)
                                                                                        : std::string("is missing")));
        }
    }
}
