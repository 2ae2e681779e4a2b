#include "associations.h"

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "action_log.h"
#include "association_command.h"
#include "class_paths.h"
#include "path_text.h"
#include "paths.h"
#include "registry_entries.h"
#include "registry_key.h"
#include "script.h"
#include "script_keys.h"

namespace {

// One section "Ext%d" of the script.
struct Association {
    char ext[kAssocValueSize];
    char kind[kPathSize];
    char icon[kPathSize];
    char iconNo[kPathSize];
    char verb[kAssocValueSize];
    char verb2[kAssocValueSize];
    char command[kPathSize];
    bool force;
};

void ReadAssociation(const char* section, Association& a)
{
    ReadScriptText(section, "Ext", a.ext);
    ReadScriptText(section, "Kind", a.kind);
    ReadScriptText(section, "Icon", a.icon);
    ReadScriptText(section, "IconNo", a.iconNo);
    ReadScriptText(section, "Verb", a.verb);
    ReadScriptText(section, "Verb2", a.verb2);
    ReadScriptText(section, "Command", a.command);
    a.force = ReadScriptInt(section, "Force") != 0;
}

// The parts joined by backslashes: {"type", "DefaultIcon", ""} gives
// "type\DefaultIcon\", the path of that key's default value.
bool ClassPathOf(char (&out)[kLongValueSize], std::initializer_list<const char*> parts)
{
    out[0] = '\0';
    bool first = true;
    for (const char* part : parts) {
        if (!(first ? CopyText(out, part) : JoinPath(out, part))) return false;
        first = false;
    }
    return true;
}

// The file type that another program has given the extension, if any.
bool FindOtherOwner(const Association& a, char (&owner)[kPathSize])
{
    RegistryKey key;
    if (!key.Open(HKEY_CLASSES_ROOT, a.ext, KEY_QUERY_VALUE | KEY_SET_VALUE)) return false;
    // An empty name is no file type.
    return ReadRegistryText(key.Handle(), nullptr, owner, sizeof owner) && owner[0] != '\0' &&
           std::strcmp(owner, a.kind) != 0;
}

void SaveOldName(const Association& a, const char* owner)
{
    char path[kLongValueSize];
    if (ClassPathOf(path, {a.ext, "Old Name"})) SetValueByPath(path, owner);
}

// False, with the registry's result as the last error, when the
// extension does not name the file type now.
bool MakeExtensionAndType(const Association& a)
{
    char path[kLongValueSize];
    bool made = ClassPathOf(path, {a.ext, ""}) && SetValueByPath(path, a.kind);
    if (ClassPathOf(path, {a.kind, ""})) SetValueByPath(path, a.kind);
    return made;
}

// The extension goes back to the file type that it had before it was taken
// over, as saved then. One that had none goes, unless another program has
// given it a file type of its own since.
void ReleaseExtension(const Association& a, bool otherOwnerNow)
{
    if (ReadScriptInt("Check", "Ext") != 0) WriteScriptText("Check", "Ext", "1");
    char path[kLongValueSize];
    char oldName[kPathSize];
    RegistryKey key;
    if (key.Open(HKEY_CLASSES_ROOT, a.ext, KEY_QUERY_VALUE | KEY_SET_VALUE) &&
        ReadRegistryText(key.Handle(), "Old Name", oldName, sizeof oldName)) {
        WriteRegistryText(key.Handle(), nullptr, oldName);
        key.Close();
        if (ClassPathOf(path, {a.ext, "Old Name"})) DeleteValueByPath(path);
        return;
    }
    if (!otherOwnerNow && ClassPathOf(path, {a.ext, ""})) RemovePathValueAndKeys(path);
}

// The program lookup gives nothing for a name whose type has no program:
// the name then stands as written, as registry data does.
void ResolveProgram(const char* value, const char* folder, char* resolved)
{
    ResolvePath(value, folder, resolved, true);
    if (resolved[0] == '\0') CopyText(resolved, kPathSize, value);
}

void ApplyIcon(const Association& a, const char* folder, bool make)
{
    char path[kLongValueSize];
    if (a.icon[0] == '\0' || !ClassPathOf(path, {a.kind, "DefaultIcon", ""})) return;
    if (!make) {
        RemovePathValueAndKeys(path); // takes the file type key too where the system allows
        return;
    }
    char text[kLongValueSize];
    ResolveProgram(a.icon, folder, text);
    if (a.iconNo[0] != '\0' && !(AppendText(text, ",") && AppendText(text, a.iconNo))) return;
    SetValueByPath(path, text);
}

// False when the command could not be written (the last error says why,
// unless the command did not fit).
bool MakeVerb(const char* type, const char* verb, const char* command, const char* folder)
{
    char path[kLongValueSize];
    char text[kLongValueSize];
    auto resolve = [&](const char* program, char* resolved) { ResolveProgram(program, folder, resolved); };
    return ClassPathOf(path, {type, "shell", verb, "command", ""}) &&
           FormAssociationCommand(command, resolve, text, sizeof text) && SetValueByPath(path, text);
}

// The verb added to another program's file type, and only that. True when
// it was there and is gone.
bool RemoveVerbOfOther(const char* type, const char* verb)
{
    constexpr REGSAM kTreeAccess = KEY_ENUMERATE_SUB_KEYS | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
    char path[kLongValueSize];
    RegistryKey shell;
    return ClassPathOf(path, {type, "shell"}) && shell.Open(HKEY_CLASSES_ROOT, path, kTreeAccess) &&
           DeleteKeyTree(shell.Handle(), verb);
}

void ApplyAssociation(const Association& a, const char* folder, bool make)
{
    char owner[kPathSize] = "";
    bool otherOwner = FindOtherOwner(a, owner);
    if (otherOwner && !a.force) {
        // The extension stays with the other program, which gets Verb2.
        if (a.verb2[0] == '\0') return;
        std::string verb = std::string("verb \"") + a.verb2 + "\" of " + owner + ", which keeps the extension";
        if (make)
            LogOutcome(MakeVerb(owner, a.verb2, a.command, folder), LogAct::Associated, LogAct::RegFailed, a.ext,
                       verb.c_str());
        else
            LogRemoval(RemoveVerbOfOther(owner, a.verb2), LogAct::Dissociated, LogAct::RegFailed, a.ext, verb.c_str());
        return;
    }
    // The extension names this file type now (made earlier, or taken over).
    bool ours = std::strcmp(owner, a.kind) == 0;
    // Taken over: the previous file type is kept for the uninstall. Only at
    // install time; at removal it would replace the name saved then.
    if (otherOwner && make) SaveOldName(a, owner);
    std::string type = a.kind + (otherOwner && make ? std::string(", taken over from ") + owner : std::string());
    if (make) {
        LogOutcome(MakeExtensionAndType(a), LogAct::Associated, LogAct::RegFailed, a.ext, type.c_str());
    } else {
        ReleaseExtension(a, otherOwner);
        if (ours) LogAction(LogAct::Dissociated, a.ext, a.kind);
    }
    ApplyIcon(a, folder, make);
    if (a.verb[0] == '\0') return;
    if (make)
        MakeVerb(a.kind, a.verb, a.command, folder);
    else
        DeleteKeyTree(HKEY_CLASSES_ROOT, a.kind);
}

} // namespace

void ApplyAssociations(bool make)
{
    char folder[kPathSize];
    ReadInstallFolder(folder);
    ForEachNumberedSection(ScriptPath(), kExtSections, [&](int, const char* section) {
        Association a;
        ReadAssociation(section, a);
        // Without a file type the paths would name the classes root itself.
        if (a.kind[0] != '\0') ApplyAssociation(a, folder, make);
    });
}
