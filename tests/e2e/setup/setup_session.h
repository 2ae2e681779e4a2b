#pragma once
// A copy of Setup.exe with a script of the test's own in a fresh folder,
// started and driven through the e2e driver, and the files, registry and
// Recycle Bin that it leaves for the test to read.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e.h"
#include "resource.h"
#include "test_files.h"
#include "test_registry.h"

namespace setup_e2e {

// Frames drawn by Wine: no two-second wait for a window manager at each exit.
inline const e2e::WineWindowFrames kWineFrames{L"Setup.exe"};

inline std::string Convert(const std::wstring& text, UINT codePage)
{
    std::string bytes(WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes.c_str();
}
inline std::string Utf8(const std::wstring& text) { return Convert(text, CP_UTF8); }
inline std::string Ansi(const std::wstring& text) { return Convert(text, CP_ACP); } // as the A functions give it
inline std::wstring Utf16(const std::string& utf8)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return wide.c_str();
}

// Setup speaks Japanese when the OEM code page is 932, English otherwise.
inline bool Japanese() { return GetOEMCP() == 932; }
inline std::wstring Say(const wchar_t* english, const wchar_t* japanese) { return Japanese() ? japanese : english; }
inline const char* Pick(const char* english, const char* japanese) { return Japanese() ? japanese : english; }
inline std::wstring Language() { return Say(L"en", L"ja"); }

// The lines of a script (UTF-8 here) in code page 932 with CR LF; `numbered`
// become the keys 0, 1, ... of the section that `lines` end in.
inline std::string Script(const std::vector<std::string>& lines, const std::vector<std::string>& numbered = {})
{
    std::string text;
    for (const std::string& line : lines) text += Convert(Utf16(line), 932) + "\r\n";
    for (size_t i = 0; i < numbered.size(); ++i) text += Convert(Utf16(std::to_string(i) + "=" + numbered[i]), 932) + "\r\n";
    return text;
}

// The keys of a script section with their values.
using Log = std::map<std::wstring, std::wstring>;
inline Log Section(const std::wstring& script, const wchar_t* section)
{
    std::vector<wchar_t> buffer(32768);
    DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), script.c_str());
    Log keys;
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length; line += wcslen(line) + 1) {
        std::wstring text = line;
        keys[text.substr(0, text.find(L'='))] = text.substr(text.find(L'=') + 1);
    }
    return keys;
}

inline bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// `hours` after a fixed moment: files older, newer or of the same age.
inline void SetWriteTime(const std::wstring& path, int hours)
{
    std::filesystem::last_write_time(path, std::filesystem::file_time_type() + std::chrono::hours(hours));
}

// A folder of the user's shell (Programs, Desktop, Startup, SendTo,
// Personal), and Program Files, as the registry names them.
inline std::wstring RegisteredFolder(HKEY root, const wchar_t* key, const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD size = sizeof folder;
    RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, folder, &size);
    return folder;
}
inline std::wstring ShellFolder(const wchar_t* name)
{
    return RegisteredFolder(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
}
inline std::wstring ProgramFilesFolder()
{
    return RegisteredFolder(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir");
}

// Setup.exe and its script in `folder`, a sub folder of a fresh temporary
// folder (so that its name may hold blanks): the distribution folder.
class SetupCopy {
public:
    explicit SetupCopy(const std::string& script, const std::wstring& folder = L"setup") : m_folder(m_temp / folder)
    {
        std::filesystem::create_directories(m_folder);
        CopyFileW(SETUP_EXE, ProgramPath().c_str(), FALSE);
        WriteBytes(ScriptPath(), script);
    }
    std::wstring Folder() const { return m_folder; }
    std::wstring ProgramPath() const { return m_folder + L"\\Setup.exe"; }
    std::wstring ScriptPath() const { return m_folder + L"\\Setup.ini"; }
    // A value of the script as the file holds it now.
    std::wstring Value(const wchar_t* section, const wchar_t* key) const
    {
        wchar_t value[1024];
        GetPrivateProfileStringW(section, key, L"(missing)", value, 1024, ScriptPath().c_str());
        return value;
    }
    // A file of the product beside Setup.exe, of the given age.
    void Put(const std::wstring& name, const std::string& bytes, int hours = 0) const
    {
        WriteBytes(m_folder + L"\\" + name, bytes);
        SetWriteTime(m_folder + L"\\" + name, hours);
    }

private:
    TempFolder m_temp;
    std::wstring m_folder;
};

// The setup dialog of a process: the window with the folder field, not a
// message box of the same title.
inline HWND FindSetupDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs = e2e::kDefaultTimeoutMs)
{
    return e2e::FindWindowWhere(
        processId, [&](HWND w) { return e2e::Caption(w) == title && e2e::Item(w, IDC_FOLDER); }, timeoutMs);
}

// The ReadMe viewer of a process: the dialog with the end button.
inline HWND FindReadmeViewer(DWORD processId, DWORD timeoutMs = e2e::kDefaultTimeoutMs)
{
    return e2e::FindWindowWhere(processId, [](HWND w) { return e2e::Item(w, IDC_README_END) != nullptr; }, timeoutMs);
}

// Setup started in its own folder, and its dialog (2 seconds after the start).
struct SetupRun {
    SetupRun(const std::wstring& program, const std::wstring& title, const std::wstring& arguments = L"")
        : process(e2e::Process::Launch(program, arguments, std::filesystem::path(program).parent_path().wstring())),
          dialog(FindSetupDialog(process.Id(), title))
    {
    }
    e2e::Process process;
    HWND dialog;
};

// The setup dialog as a script that offers every option shapes it: no row
// collapsed. Where each control stands there, and how far one option row
// is, is what the other shapes are measured against. Started once.
class FullDialog {
public:
    static const FullDialog& Get()
    {
        static const FullDialog dialog;
        return dialog;
    }
    // Where `id` should stand when the rows above it moved up `rowsUp`
    // rows, and `rowsShorter` rows shorter.
    RECT At(int id, int rowsUp = 0, int rowsShorter = 0) const
    {
        RECT rect = m_rects.at(id);
        OffsetRect(&rect, 0, -rowsUp * m_rowHeight);
        rect.bottom -= rowsShorter * m_rowHeight;
        return rect;
    }
    LONG ClientHeight(int rowsCut) const { return m_clientHeight - rowsCut * m_rowHeight; }

private:
    FullDialog()
    {
        SetupCopy copy(Script({"[Setup]", "Name=Full", "[Root]", "Name=Full", "[Readme]", "Done=1", "[Check]", "Menu=2",
                               "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=1", "Del=1"}));
        SetupRun run(copy.ProgramPath(), L"Full");
        if (!run.dialog) {
            ADD_FAILURE() << "the full setup dialog did not open";
            return;
        }
        for (int id : {IDC_FOLDER_LABEL, IDC_FOLDER, IDC_BROWSE_FOLDER, IDC_MENU, IDC_MENU_FOLDER, IDC_DESKTOP,
                       IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_FILE_GROUP, IDC_COPY, IDC_DELETE_AFTER, IDC_ICON_FRAME, IDOK,
                       IDCANCEL, IDC_README})
            m_rects[id] = e2e::ItemRect(run.dialog, id);
        m_clientHeight = e2e::ClientSize(run.dialog).cy;
        m_rowHeight = m_rects[IDC_DESKTOP].top - m_rects[IDC_MENU].top;
        e2e::ClickItem(run.dialog, IDCANCEL);
        run.process.WaitForExit(8000);
    }
    std::map<int, RECT> m_rects;
    LONG m_clientHeight = 0;
    int m_rowHeight = 0;
};

inline void ExpectCaptions(HWND dialog, std::initializer_list<std::pair<int, std::wstring>> captions)
{
    for (const auto& [id, text] : captions) EXPECT_EQ(e2e::Caption(e2e::Item(dialog, id)), text) << "item " << id;
}

// The progress line of the running setup comes to read `text`.
inline bool ProgressShows(HWND dialog, const std::wstring& text)
{
    return e2e::WaitUntil([&] { return e2e::Caption(e2e::Item(dialog, IDC_FOLDER_LABEL)) == text; }, 15000);
}

// The product's entry in the system's uninstall list.
inline std::wstring UninstallKey(const std::wstring& product)
{
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
}
inline bool IsRegistered(const std::wstring& product)
{
    return KeyExists(HKEY_LOCAL_MACHINE, Ansi(UninstallKey(product)));
}

// Every key and value of the registry as regedit exports it (UTF-16), one
// entry per key ("[key]") and per value line ("[key] name=data").
inline std::set<std::wstring> RegistryEntries()
{
    TempFolder temp;
    const std::wstring file = temp / L"registry.reg";
    e2e::Process::LaunchCommandLine(L"regedit.exe /E \"" + file + L"\"").WaitForExit(60000);
    std::string bytes = ReadBytes(file);
    std::wistringstream lines(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2));
    std::set<std::wstring> entries;
    std::wstring key;
    for (std::wstring line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (line.empty()) continue;
        if (line[0] == L'[') key = line;
        entries.insert(line[0] == L'[' ? key : key + L" " + line);
    }
    return entries;
}

// The entries that one snapshot holds and the other not, of those that name
// the product (in lower case): what an install left behind or took away.
inline std::string Residue(const std::set<std::wstring>& before, const std::set<std::wstring>& after,
                           std::initializer_list<std::string> names)
{
    std::string residue;
    for (const auto& [from, to, label] : {std::tuple{&before, &after, "added: "}, {&after, &before, "lost: "}})
        for (const std::wstring& entry : *to) {
            std::string line = Lower(Utf8(entry));
            for (const std::string& name : names)
                if (!from->count(entry) && line.find(name) != std::string::npos) {
                    residue += label + line + "\n";
                    break;
                }
        }
    return residue;
}

// The Recycle Bin under Wine: the desktop's trash folder, which the tests
// keep inside the build tree (XDG_DATA_HOME). Emptied when made and at the
// end; its folders stay, since Wine finds them once per process.
class WineTrash {
public:
    WineTrash()
    {
        const wchar_t* home = _wgetenv(L"XDG_DATA_HOME");
        if (!home) ADD_FAILURE() << "XDG_DATA_HOME is not set for this test";
        m_folder = std::filesystem::path(std::wstring(L"Z:") + (home ? home : L"")).make_preferred() / L"Trash";
        std::filesystem::create_directories(m_folder);
        Empty();
    }
    ~WineTrash() { Empty(); }
    // The trash holds a file that was deleted from a place with this name.
    bool Holds(const std::wstring& name) const { return Exists((m_folder / L"files" / name).wstring()); }

private:
    void Empty() const
    {
        std::error_code ignored;
        for (const wchar_t* part : {L"files", L"info"})
            for (const auto& entry : std::filesystem::directory_iterator(m_folder / part, ignored))
                std::filesystem::remove_all(entry.path(), ignored);
    }
    std::filesystem::path m_folder;
};

} // namespace setup_e2e
