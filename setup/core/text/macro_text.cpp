#include "macro_text.h"

#include <cstring>
#include <memory>

#include "dbcs.h"
#include "path_text.h"
#include "text_limits.h"

namespace {

// The Windows folder stands in when the program files folder is unknown.
void FindProgramsOrWindows(FolderLookup& folders, char* out)
{
    if (!folders.Find(MacroFolder::Programs, out) || out[0] == '\0')
        folders.Find(MacroFolder::Windows, out);
}

void RemoveOneTrailingBackslash(char* folder)
{
    if (EndsWithCharDbcs(folder, '\\')) folder[std::strlen(folder) - 1] = '\0';
}

} // namespace

bool ResolveLeadingForm(const char* value, const char* base, char* out, FolderLookup& folders)
{
    char result[kPathSize] = "";
    const char* rest = nullptr;
    bool fits = true;
    if (StartsWithNoCase(value, "%system%")) {
        folders.Find(MacroFolder::System, result);
        rest = value + 8;
    } else if (StartsWithNoCase(value, "%desktop%")) {
        folders.Find(MacroFolder::Desktop, result);
        RemoveOneTrailingBackslash(result);
        rest = value + 9;
    } else if (StartsWithNoCase(value, "%windows%")) {
        folders.Find(MacroFolder::Windows, result);
        rest = value + 9;
    } else if (StartsWithNoCase(value, "%programs%")) {
        FindProgramsOrWindows(folders, result);
        rest = value + 10;
    } else if (StartsWithNoCase(value, "%root%")) {
        fits = CopyText(result, base) && JoinPath(result, value + 6);
    } else if (value[0] == '!') {
        fits = CopyText(result, value + 1);
    } else {
        return false;
    }
    if (rest) fits = AppendText(result, rest);
    if (!fits) result[0] = '\0';
    std::memcpy(out, result, kPathSize);
    return true;
}

bool ExpandMacroText(char* text, size_t size, const char* root, FolderLookup& folders)
{
    if (size == 0) return false;
    std::unique_ptr<char[]> buffer(new char[size]);
    char* result = buffer.get();
    result[0] = '\0';
    bool fits = true;
    const char* p = text;
    while (fits) {
        const char* open = FindCharDbcs(p, '%');
        if (!open) {
            fits = AppendText(result, size, p);
            break;
        }
        const char* close = FindCharDbcs(open + 1, '%');
        if (!close) {
            fits = AppendText(result, size, p);
            break;
        }
        fits = AppendRange(result, size, p, static_cast<size_t>(open - p));
        const char* name = open + 1;
        size_t length = static_cast<size_t>(close - name);
        char folder[kPathSize] = "";
        bool known = true;
        if (EqualsNoCase(name, length, "system")) {
            folders.Find(MacroFolder::System, folder);
        } else if (EqualsNoCase(name, length, "windows")) {
            folders.Find(MacroFolder::Windows, folder);
        } else if (EqualsNoCase(name, length, "desktop")) {
            folders.Find(MacroFolder::Desktop, folder);
            RemoveOneTrailingBackslash(folder);
        } else if (EqualsNoCase(name, length, "programs")) {
            known = folders.Find(MacroFolder::Programs, folder) && folder[0] != '\0';
        } else if (EqualsNoCase(name, length, "root")) {
            known = root && root[0] != '\0' && CopyText(folder, root);
        } else {
            known = false;
        }
        if (fits && known) fits = AppendText(result, size, folder);
        else if (fits) fits = AppendRange(result, size, open, length + 2); // as written, both signs
        p = close + 1;
    }
    if (fits) std::memcpy(text, result, std::strlen(result) + 1);
    else text[0] = '\0';
    return fits;
}

bool FormDefaultInstallFolder(const char* name, char* out, FolderLookup& folders)
{
    char result[kPathSize] = "";
    char plain[kPathSize];
    if (!CopyText(plain, name)) {
        out[0] = '\0';
        return false;
    }
    const char* second = name[0] == '%' ? FindCharDbcs(name + 1, '%') : nullptr;
    if (second) {
        size_t length = static_cast<size_t>(second - name); // "%system": the first sign included
        auto is = [&](const char* macro) { return EqualsNoCase(name, length, macro); };
        bool found = true;
        if (is("%system")) folders.Find(MacroFolder::System, result);
        else if (is("%windows")) folders.Find(MacroFolder::Windows, result);
        else if (is("%desktop")) folders.Find(MacroFolder::Desktop, result);
        else if (is("%programs")) FindProgramsOrWindows(folders, result);
        else found = false;
        if (found) {
            const char* rest = second + 1;
            if (EndsWithCharDbcs(result, '\\') && *rest) rest = NextChar(rest);
            bool fits = AppendText(result, rest);
            CopyText(out, kPathSize, result);
            return fits;
        }
        plain[length] = '\\';
    }
    // A plain name lies at the root of the system folder's drive.
    folders.Find(MacroFolder::System, result);
    if (char* afterRoot = FindCharDbcs(result, '\\')) afterRoot[1] = '\0';
    else if (!AppendText(result, "\\")) result[0] = '\0';
    bool fits = AppendText(result, plain);
    CopyText(out, kPathSize, result);
    return fits;
}

bool ProgramFromOpenCommand(const char* command, char* out, bool (*exists)(const char* path))
{
    char candidate[kPathSize];
    if (command[0] == '"') {
        // "%1" and its kind stand for the document itself, as in the
        // command of programs ("\"%1\" %*"): a target that does not exist
        // yet would become that placeholder.
        if (command[1] == '%') {
            out[0] = '\0';
            return false;
        }
        const char* close = FindCharDbcs(command + 1, '"');
        size_t length = close ? static_cast<size_t>(close - command - 1) : std::strlen(command + 1);
        if (length >= kPathSize) {
            out[0] = '\0';
            return false;
        }
        std::memcpy(out, command + 1, length);
        out[length] = '\0';
        return true;
    }
    if (!CopyText(candidate, command)) {
        out[0] = '\0';
        return false;
    }
    // Cut from the end until what remains exists. A candidate that ends in a
    // blank is passed over: the system would find the file without its
    // trailing blanks, and the program path must not carry them.
    for (size_t length = std::strlen(candidate); length > 0; --length) {
        candidate[length] = '\0';
        char last = candidate[length - 1];
        if (last == ' ' || last == '\t') continue;
        if (exists(candidate)) {
            std::memcpy(out, candidate, length + 1);
            return true;
        }
    }
    out[0] = '\0';
    return false;
}
