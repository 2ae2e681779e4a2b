// What an install of the script would do, step by step in the order the
// install runs them, with the folders of a typical system.
#include "copy_entry.h"
#include "numbered_key.h"
#include "path_text.h"
#include "registry_entry.h"
#include "run_entry.h"
#include "script_checker.h"
#include "script_vocabulary.h"

namespace {

const char* OptionState(int value)
{
    switch (value) {
    case 0: return "not offered";
    case 1: return "offered, unticked";
    case 2: return "offered, ticked";
    case 3: return "always";
    default: return "offered, unticked";
    }
}

std::string Pad(const char* what)
{
    std::string text = what;
    text.resize(std::max<size_t>(text.size() + 1, 18), ' ');
    return text;
}

} // namespace

std::vector<std::string> ScriptChecker::InstallPlan()
{
    std::vector<std::string> plan;
    auto step = [&](const char* what, const std::string& text) { plan.push_back(Pad(what) + text); };
    auto option = [&](const char* key) {
        return std::string(" (option ") + key + ": " + OptionState(m_script.ReadInt("Check", key, 0)) + ")";
    };
    std::string folder = DefaultInstallFolder();
    TypicalFolders folders;
    auto resolve = [&](const std::string& value) {
        char path[kPathSize] = "";
        if (!ResolveLeadingForm(value.c_str(), folder.c_str(), path, folders) && CopyText(path, folder.c_str()))
            JoinPath(path, value.c_str());
        return std::string(path);
    };

    step("install folder", folder + " (proposed; the user may choose another)");
    for (int index = kMakeDirectoryEntries.first;; ++index) {
        std::string name = Read(kMakeDirectoryEntries.section, KeyNumber(index));
        if (name.empty()) break;
        step("make folder", folder + "\\" + name);
    }
    for (int index = kCopyFileEntries.first;; ++index) {
        std::string value = Read(kCopyFileEntries.section, KeyNumber(index));
        if (value.empty()) break;
        CopyMarks marks;
        std::string path = TakeCopyMarks(value.c_str(), marks);
        std::string how = marks.keepNewer ? ", keeping a newer one" : marks.replaceNewer ? ", replacing a newer one" : "";
        step("copy", path + " -> " + resolve(path) + how + (marks.unlogged ? ", left at uninstall" : ""));
    }
    if (std::string self = Read(kCopyFileEntries.section, "Self"); !self.empty())
        step("copy installer", self + " -> " + folder + "\\" + LastComponent(self.c_str()) + option("Copy"));

    std::string menu = Read("Menu", "Name");
    for (int index = 0;; ++index) {
        NumberedName section = NameWithNumber(kMenuSections.prefix, index);
        std::string name = Read(section, "Name");
        if (name.empty()) break;
        step("Start menu", "<Programs>\\" + menu + "\\" + name + ".lnk -> " + resolve(Read(section, "Path")) + option("Menu"));
    }
    for (const char* section : {"Desktop", "Startup"}) {
        std::string name = Read(section, "Name");
        if (name.empty()) continue;
        step(section[0] == 'D' ? "desktop shortcut" : "startup shortcut",
             std::string("<").append(section).append(">\\").append(name).append(".lnk -> ") +
                 resolve(Read(section, "Path")) + option(section));
    }
    for (int index = 0;; ++index) {
        NumberedName section = NameWithNumber(kSendSections.prefix, index);
        std::string name = Read(section, "Name");
        if (name.empty()) break;
        step("Send To", "<SendTo>\\" + name + ".lnk -> " + resolve(Read(section, "Path")) + option("Send"));
    }
    for (int index = 0;; ++index) {
        NumberedName section = NameWithNumber(kExtSections.prefix, index);
        std::string ext = Read(section, "Ext", kAssocValueSize);
        if (ext.empty()) break;
        std::string verb = Read(section, "Verb", kAssocValueSize), verb2 = Read(section, "Verb2", kAssocValueSize);
        std::string how = m_script.ReadInt(section.text, "Force", 0)
                              ? "taken over from its owner, if any"
                              : "if no other type owns it; else verb \"" + verb2 + "\" added to the owner's type";
        step("association", ext + " -> " + Read(section, "Kind") + ", verb \"" + verb + "\": " + Read(section, "Command") +
                                " (" + how + ")" + option("Ext"));
    }
    std::string product = LastComponent(Read("Root", "Name").c_str());
    step("uninstall entry", product + ": \"" + folder + "\\Setup.exe\"" +
                                (m_script.ReadInt("Del", "Auto", 0) ? " uninstall" : ""));
    for (int index = 0;; ++index) {
        std::string entry = Read(kRegMake.section, NameWithNumber(kRegMake.prefix, index), kRegMake.valueSize);
        if (entry.empty()) break;
        RegistryWrite write;
        if (!ParseRegistryWrite(entry.data(), write)) continue;
        std::string root = IsRootName(write.rootName) ? write.rootName : std::string("HKEY_LOCAL_MACHINE");
        std::string value;
        if (write.valueName) {
            bool literal = write.data[0] == '!';
            value = std::string(" ") + (*write.valueName ? write.valueName : "(default)") + " = " +
                    (literal ? write.data + 1 : write.data) + (literal ? "" : " (through the program lookup)");
        }
        step("registry", root + "\\" + write.keyPath + value);
    }
    step("setup placed", folder + "\\Setup.exe and Setup.ini, with the install log");
    for (int index = kLastGoEntries.first;; ++index) {
        std::string name = Read(kLastGoEntries.section, KeyNumber(index));
        if (name.empty()) break;
        step("open", "<Programs>\\" + menu + "\\" + name + ".lnk");
    }
    for (int index = 0;; ++index) {
        std::string entry = Read(kGo2Make.section, NameWithNumber(kGo2Make.prefix, index), kGo2Make.valueSize);
        if (entry.empty()) break;
        RunEntry run;
        SplitRunEntry(entry.data(), run);
        step("run", std::string(run.target) + (*run.entryPoint ? std::string(", entry point ") + run.entryPoint : ""));
    }
    return plan;
}
