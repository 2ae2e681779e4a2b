// libFuzzer target: setup's text helpers on any bytes, as texts of code page
// 932. Every text lies in a heap block of exactly its size, so that a read or
// write past a buffer is caught by AddressSanitizer; the checks below catch a
// helper that breaks its own contract (a result that does not fit, a refusal
// that leaves text behind, a separator found inside a double-byte character).
// Input: one byte of buffer size, then up to four texts separated by NUL.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "command_line.h"
#include "copy_entry.h"
#include "dbcs.h"
#include "macro_text.h"
#include "path_text.h"
#include "removal_batch.h"
#include "removal_order.h"

namespace {

void Check(bool condition) { if (!condition) std::abort(); }

// A text in a heap block of `size` bytes (at least its terminator).
struct Buffer {
    Buffer(const std::string& text, size_t size) : bytes(new char[size]), size(size)
    {
        std::memcpy(bytes.get(), text.c_str(), std::min(text.size() + 1, size));
        bytes[size - 1] = '\0';
    }
    explicit Buffer(size_t size) : Buffer("", size) {}
    std::unique_ptr<char[]> bytes;
    size_t size;
    char* get() { return bytes.get(); }
    std::string str() const { return bytes.get(); }
    bool Fits() const { return std::memchr(bytes.get(), '\0', size) != nullptr; }
};

// Folders that are the fuzzer's text, cut to a path; `known` says which exist.
struct FuzzFolders : FolderLookup {
    FuzzFolders(const std::string& text, unsigned known) : known(known) { CopyTextCut(folder, text.c_str()); }
    bool Find(MacroFolder which, char* out) override
    {
        bool found = (known >> static_cast<int>(which)) & 1;
        CopyText(out, kPathSize, found ? folder : "");
        return found;
    }
    char folder[kPathSize];
    unsigned known;
};

// The searches agree with a walk over the characters; the longest prefix
// that fits ends on a character's start.
void CheckDbcs(const std::string& text)
{
    Buffer buffer(text, text.size() + 1);
    const char* t = buffer.get();
    std::vector<const char*> starts;
    for (const char* p = t; *p; p = NextChar(p)) starts.push_back(p);
    for (char c : {'\\', '%', '"'}) {
        auto first = std::find_if(starts.begin(), starts.end(), [c](const char* s) { return *s == c; });
        auto last = std::find_if(starts.rbegin(), starts.rend(), [c](const char* s) { return *s == c; });
        Check(FindCharDbcs(t, c) == (first == starts.end() ? nullptr : *first));
        Check(FindLastCharDbcs(t, c) == (last == starts.rend() ? nullptr : *last));
        Check(EndsWithCharDbcs(t, c) == (!starts.empty() && *starts.back() == c));
    }
    size_t length = std::strlen(t);
    for (size_t max : {size_t{0}, size_t{1}, length / 2, length ? length - 1 : 0, length}) {
        size_t fit = FitLength(t, max);
        Check(fit <= max && fit <= length);
        bool onStart = std::count(starts.begin(), starts.end(), t + fit) > 0;
        Check(fit == length || (onStart && size_t(NextChar(t + fit) - t) > max));
    }
}

void CheckPathText(const std::string& folderText, const std::string& tail, size_t size)
{
    Buffer folder(folderText.substr(0, size - 1), size);
    std::string before = folder.str();
    bool joined = JoinPath(folder.get(), size, tail.c_str());
    Check(folder.Fits());
    bool separator = !before.empty() && !EndsWithCharDbcs(before.c_str(), '\\');
    Check(joined ? folder.str() == before + (separator ? "\\" : "") + tail : folder.str().empty());

    Buffer copy(size);
    bool copied = CopyText(copy.get(), size, tail.c_str());
    Check(copied == (tail.size() < size) && copy.str() == (copied ? tail : ""));
    CopyTextCut(copy.get(), size, tail.c_str());
    Check(copy.str() == tail.substr(0, FitLength(tail.c_str(), size - 1)));

    for (char* (*split)(char*) : {SplitAtFirstBackslash, SplitAtLastBackslash}) {
        Buffer text(tail, tail.size() + 1);
        char* rest = split(text.get());
        Check(rest ? text.str() + "\\" + rest == tail && tail[text.str().size()] == '\\' : text.str() == tail);
    }
    Check(FindCharDbcs(LastComponent(tail.c_str()), '\\') == nullptr);
    if (EndsWithName(before.c_str(), tail.c_str()))
        Check(before.size() >= tail.size() && before.compare(before.size() - tail.size(), tail.size(), tail) == 0);
}

void CheckMacros(const std::string& value, const std::string& base, const std::string& folder, unsigned known,
                 size_t size)
{
    FuzzFolders folders(folder, known);
    Buffer out(kPathSize);
    if (ResolveLeadingForm(value.c_str(), base.c_str(), out.get(), folders) && value[0] == '!')
        Check(out.str() == (value.size() <= kPathSize ? value.substr(1) : ""));
    Check(out.Fits());
    Buffer inPlace(value.substr(0, kPathSize - 1), kPathSize); // the value may be its own output
    ResolveLeadingForm(inPlace.get(), base.c_str(), inPlace.get(), folders);
    Check(inPlace.Fits());

    std::string cut = value.substr(0, size - 1);
    Buffer text(cut, size);
    bool expanded = ExpandMacroText(text.get(), size, base.c_str(), folders);
    Check(text.Fits());
    Check(expanded ? cut.find('%') != std::string::npos || text.str() == cut : text.str().empty());

    Buffer installFolder(kPathSize);
    FormDefaultInstallFolder(value.c_str(), installFolder.get(), folders);
    Check(installFolder.Fits());

    Buffer program(kPathSize);
    auto exists = [](const char* path) { return std::strlen(path) % 3 == 0; };
    if (ProgramFromOpenCommand(value.c_str(), program.get(), exists) && value[0] != '"')
        Check(value.compare(0, program.str().size(), program.str()) == 0 && exists(program.get()));
    Check(program.Fits());
}

// The start mode from a whole command line, as setup's start-up takes it
// with its own path; and the commands setup writes, read back.
void CheckCommandLine(const std::string& commandLine, const std::string& program, size_t size)
{
    Buffer line(commandLine, commandLine.size() + 1), own(program, program.size() + 1);
    const char* arguments = ArgumentText(line.get(), own.get());
    Check(arguments >= line.get() && arguments <= line.get() + commandLine.size());
    Check(*arguments != ' ' && *arguments != '\t');
    int parents = -1;
    if (ModeOfArguments(arguments, &parents) == StartMode::Remove) Check(parents >= 0 && parents <= 9);

    Buffer removal(size);
    bool formed = FormRemovalCommand(commandLine.c_str(), 0, removal.get(), size);
    Check(removal.str() == (formed ? "\"" + commandLine + "\" remove" : ""));

    // A program path without quotes, a blank first or half a character last
    // comes back whole.
    const char* last = own.get();
    for (const char* c = own.get(); *c; c = NextChar(c)) last = c;
    bool plain = !program.empty() && program.find('"') == std::string::npos && program.front() != ' ' &&
                 program.front() != '\t' && !(IsLeadByte(static_cast<unsigned char>(*last)) && last[1] == '\0');
    Buffer command(size), folder(size);
    if (FormUninstallCommand(own.get(), true, command.get(), size) && plain) {
        Check(std::string(ArgumentText(command.get(), own.get())) == "uninstall");
        if (FolderOfUninstallCommand(command.get(), folder.get(), size))
            Check(program.compare(0, folder.str().size(), folder.str()) == 0);
    }
    Check(command.Fits());
}

// The copy marks taken are the ones set, in their order; however the log
// orders them, no made folder comes after one that lies deeper.
void CheckEntriesAndFolders(const std::string& entry, std::vector<std::string> folders)
{
    CopyMarks marks;
    const char* path = TakeCopyMarks(entry.c_str(), marks);
    std::string expected = std::string(marks.unlogged ? "!" : "") + (marks.keepNewer ? "&" : "") +
                           (marks.replaceNewer ? "?" : "") + (marks.ignoreFailure ? "*" : "");
    Check(std::string(entry.c_str(), path) == expected);

    std::string batch;
    if (FormRemovalBatch(entry.c_str(), static_cast<int>(entry.size() % 4), batch))
        Check(batch.find(kRemovalBatchName) != std::string::npos);
    SortDeepestFirst(folders);
    for (size_t i = 1; i < folders.size(); ++i)
        Check(PathDepth(folders[i - 1].c_str()) >= PathDepth(folders[i].c_str()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    size_t bufferSize = 1 + data[0] % 64 + (data[0] & 0x80 ? kPathSize - 64 : 0); // small ones and about a path
    unsigned known = data[0] >> 3;
    std::vector<std::string> texts;
    const char *p = reinterpret_cast<const char*>(data + 1), *end = p + size - 1;
    while (texts.size() < 4) {
        const char* nul = std::find(p, end, '\0');
        texts.emplace_back(p, nul);
        if (nul == end) break;
        p = nul + 1;
    }
    texts.resize(4);

    CheckDbcs(texts[0]);
    CheckPathText(texts[1], texts[0], bufferSize);
    CheckMacros(texts[0], texts[1], texts[2], known, bufferSize);
    CheckCommandLine(texts[0], texts[2], bufferSize);
    CheckEntriesAndFolders(texts[3].empty() ? texts[0] : texts[3], texts);
    return 0;
}
