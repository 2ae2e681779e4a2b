#pragma once
// A copy of Setup.exe with a script of the test's own in a fresh folder,
// started and driven through the e2e driver, and the files, registry and
// Recycle Bin that it leaves for the test to read.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "e2e.h"
#include "test_files.h"

namespace setup_e2e {

// Frames drawn by Wine: no two-second wait for a window manager at each exit.
inline const e2e::WineWindowFrames kWineFrames{L"Setup.exe"};

// The tests' names and paths are ASCII.
inline std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// The text in the language that setup speaks here: Japanese when the OEM
// code page is 932, English otherwise; and its short name.
inline std::wstring Say(const wchar_t* english, const wchar_t* japanese)
{
    return GetOEMCP() == 932 ? japanese : english;
}
inline std::wstring Language() { return Say(L"en", L"ja"); }

// The lines of a script (UTF-8 here), written in code page 932 with CR LF.
inline std::string Script(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, line, -1, nullptr, 0), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line, -1, wide.data(), static_cast<int>(wide.size()));
        std::string bytes(WideCharToMultiByte(932, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(932, 0, wide.c_str(), -1, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
        text += bytes.c_str();
        text += "\r\n";
    }
    return text;
}

inline bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Sets the last-write time to `hours` after a fixed moment, so that files
// compare older, newer or of the same age as the test needs.
inline void SetWriteTime(const std::wstring& path, int hours)
{
    std::filesystem::last_write_time(path, std::filesystem::file_time_type() + std::chrono::hours(hours));
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

// The setup dialog of a process, titled `title`: the dialog with the folder
// field, not one of its message boxes, which carry the same title.
inline HWND FindSetupDialog(DWORD processId, const std::wstring& title)
{
    return e2e::FindWindowWhere(processId, [&](HWND w) { return e2e::Caption(w) == title && e2e::Item(w, 1007); });
}

// Setup started, and its dialog, which opens 2 seconds after the start.
struct SetupRun {
    SetupRun(const std::wstring& program, const std::wstring& title, const std::wstring& arguments = L"")
        : process(e2e::Process::Launch(program, arguments, std::filesystem::path(program).parent_path().wstring())),
          dialog(FindSetupDialog(process.Id(), title))
    {
    }
    e2e::Process process;
    HWND dialog;
};

// Where the setup dialog's controls should stand: template rectangles in
// dialog units, moved up by whole option rows (the distance between the
// first two option rows, as the dialog measures it).
class SetupLayout {
public:
    SetupLayout() : m_units(L"ＭＳ Ｐゴシック", 9)
    {
        m_rowHeight = m_units.ToPixels(7, 63, 82, 10).top - m_units.ToPixels(7, 45, 70, 10).top;
    }
    RECT At(int x, int y, int width, int height, int rowsUp = 0) const
    {
        RECT rect = m_units.ToPixels(x, y, width, height);
        OffsetRect(&rect, 0, -rowsUp * m_rowHeight);
        return rect;
    }
    // The client height of the 191 x 157 template, `rows` option rows shorter.
    LONG ClientHeight(int rows) const { return m_units.SizeToPixels(191, 157).cy - rows * m_rowHeight; }
    int RowHeight() const { return m_rowHeight; }

private:
    e2e::DialogUnits m_units;
    int m_rowHeight;
};

inline void ExpectCaptions(HWND dialog, std::initializer_list<std::pair<int, std::wstring>> captions)
{
    for (const auto& [id, text] : captions) EXPECT_EQ(e2e::Caption(e2e::Item(dialog, id)), text) << "item " << id;
}

// The progress line of the running setup comes to read `text`.
inline bool ProgressShows(HWND dialog, const std::wstring& text)
{
    return e2e::WaitUntil([&] { return e2e::Caption(e2e::Item(dialog, 1013)) == text; }, 15000);
}

// The product's entry in the system's uninstall list.
inline std::wstring UninstallKey(const std::wstring& product)
{
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
}

inline bool IsRegistered(const std::wstring& product)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, UninstallKey(product).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
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
        std::filesystem::path data = std::filesystem::path(std::wstring(L"Z:") + (home ? home : L"")).make_preferred();
        std::filesystem::create_directories(data);
        m_folder = data / L"Trash";
        Empty();
    }
    ~WineTrash() { Empty(); }
    WineTrash(const WineTrash&) = delete;
    WineTrash& operator=(const WineTrash&) = delete;

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
