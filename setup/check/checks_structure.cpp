// Sections and keys that setup never reads, said twice, cut, or unquoted
// on reading; and what setup writes into the script itself.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "script_checker.h"
#include "script_vocabulary.h"

namespace {

// Edits between two names, letter case not counting.
size_t Distance(std::string_view a, std::string_view b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The nearest of `names` to `name`, when it is near enough to be a slip.
std::string Nearest(const std::string& name, const std::vector<std::string>& names)
{
    std::string best;
    size_t bestDistance = std::max<size_t>(1, name.size() / 3) + 1;
    for (const std::string& candidate : names) {
        size_t distance = Distance(name, candidate);
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

std::string DigitsOf(const std::string& name)
{
    size_t start = name.find_first_of("0123456789");
    return start == std::string::npos ? "0" : name.substr(start);
}

std::vector<std::string> SectionNames(const std::string& name)
{
    std::vector<std::string> names;
    for (const SectionInfo& section : ScriptSections())
        names.push_back(section.numbered ? section.numbered->prefix + DigitsOf(name) : section.name);
    return names;
}

std::vector<std::string> KeyNames(const SectionInfo& section, const std::string& name)
{
    std::vector<std::string> names;
    for (const KeyInfo& key : section.keys) names.push_back(key.name);
    for (const KeyList* list : section.lists) names.push_back(list->prefix + DigitsOf(name));
    return names;
}

std::string Bracketed(const std::string& name)
{
    return "[" + name + "]";
}

// A value in quotes that the reading takes away. A doubled pair, the way
// to keep one (""tool.exe" "%1""), is meant and passes.
bool LosesItsQuotes(const std::string& written)
{
    size_t first = written.find_first_not_of(" \t");
    size_t last = written.find_last_not_of(" \t\r");
    if (first == std::string::npos || last <= first) return false;
    char quote = written[first];
    if ((quote != '"' && quote != '\'') || written[last] != quote) return false;
    return !(last - first >= 3 && written[first + 1] == quote && written[last - 1] == quote);
}

bool HasLeadingZero(const std::string& key)
{
    size_t digits = key.find_first_of("0123456789");
    return digits != std::string::npos && key[digits] == '0' && digits + 1 < key.size() &&
           key.find_first_not_of("0123456789", digits) == std::string::npos;
}

} // namespace

void ScriptChecker::CheckSectionsAndKeys()
{
    for (const ProfileSkip& skip : m_script.Skipped()) Report(skip.line, Severity::Warning, skip.text);
    std::map<std::string, int> seenSections;
    for (const ProfileSection& section : m_script.Sections()) {
        if (section.line == 0) {
            for (const ProfileKey& key : section.keys)
                Report(key.line, Severity::Warning, "\"" + key.name + "\" lies outside any section: setup never reads it");
            continue;
        }
        std::string folded = section.name;
        for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        auto [earlier, first] = seenSections.emplace(folded, section.line);
        if (!first) {
            Report(section.line, Severity::Warning,
                   Bracketed(section.name) + " appears again: setup reads only the one on line " +
                       std::to_string(earlier->second));
            continue;
        }
        const SectionInfo* info = FindSection(section.name.c_str());
        if (!info) {
            std::string nearest = Nearest(section.name, SectionNames(section.name));
            Report(section.line, Severity::Warning,
                   "unknown section " + Bracketed(section.name) + ": setup never reads it" +
                       (nearest.empty() ? "" : "; did you mean " + Bracketed(nearest) + "?"));
            continue;
        }
        std::map<std::string, int> seenKeys;
        for (const ProfileKey& key : section.keys) {
            std::string foldedKey = key.name;
            for (char& c : foldedKey) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            auto [earlierKey, firstKey] = seenKeys.emplace(foldedKey, key.line);
            if (!firstKey) {
                Report(key.line, Severity::Warning,
                       "\"" + key.name + "\" appears again in " + Bracketed(section.name) +
                           ": setup reads only the one on line " + std::to_string(earlierKey->second));
                continue;
            }
            if (!key.value) {
                Report(key.line, Severity::Warning, "a line without \"=\": setup reads no value from it");
                continue;
            }
            int number = 0;
            const KeyInfo* known = FindKey(*info, key.name.c_str());
            const KeyList* list = known ? nullptr : FindListEntry(*info, key.name.c_str(), number);
            if (!known && !list) {
                if (HasLeadingZero(key.name) && !info->lists.empty()) {
                    Report(key.line, Severity::Warning,
                           "\"" + key.name + "\": numbers are read without leading zeros, so setup never reads it");
                    continue;
                }
                std::string nearest = Nearest(key.name, KeyNames(*info, key.name));
                Report(key.line, Severity::Warning,
                       "unknown key \"" + key.name + "\" in " + Bracketed(section.name) + ": setup never reads it" +
                           (nearest.empty() ? "" : "; did you mean \"" + nearest + "\"?"));
                continue;
            }
            size_t size = known ? (known->kind == ValueKind::Text ? known->size : 0) : list->valueSize;
            if (size && key.value->size() > size - 1)
                Report(key.line, Severity::Warning,
                       "the value is " + std::to_string(key.value->size()) + " characters long; setup reads the first " +
                           std::to_string(size - 1));
            if (LosesItsQuotes(key.written))
                Report(key.line, Severity::Warning,
                       "the quotes around the whole value are removed when it is read: setup reads " + *key.value);
        }
    }
}

// Keys that setup writes into the script it runs from: in a script that
// ships they are what a run from the distribution folder left behind.
void ScriptChecker::CheckSetupWrittenKeys()
{
    for (const SectionInfo& info : ScriptSections()) {
        if (info.numbered) continue;
        for (const KeyInfo& key : info.keys)
            if (key.owner == KeyOwner::Setup && m_script.FindKey(info.name, key.name))
                Report(LineOf(info.name, key.name), Severity::Warning,
                       Bracketed(info.name) + " " + key.name +
                           " is written by setup when it runs: ship the script without it");
    }
}
