#pragma once
// A copy of Setup.exe with a script of the test's own in a fresh folder,
// started and driven through the e2e driver.
#include <windows.h>

#include <map>
#include <string>

#include "e2e.h"

namespace setup_e2e {

// The texts of a script, one line each, written in code page 932 with CR LF.
std::string Script(std::initializer_list<const char*> lines);

// A fresh folder under the prefix's temporary folder, removed at the end.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& name = L"");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

// Setup.exe and its script in `folder` (a sub folder of a fresh temporary
// folder, so that its name may hold blanks).
class SetupCopy {
public:
    explicit SetupCopy(const std::string& script, const std::wstring& folder = L"setup");

    const std::wstring& Folder() const { return m_folder; }
    std::wstring ProgramPath() const { return m_folder + L"\\Setup.exe"; }
    std::wstring ScriptPath() const { return m_folder + L"\\Setup.ini"; }
    std::string ScriptBytes() const;

    // A value of the script as the file holds it now.
    std::wstring Value(const wchar_t* section, const wchar_t* key) const;

    e2e::Process Start(const std::wstring& arguments = L"") const;

    // Puts a file into the distribution folder beside Setup.exe.
    std::wstring Put(const std::wstring& name, const std::string& bytes) const;

private:
    TempFolder m_temp;
    std::wstring m_folder;
};

// The setup dialog of a process, titled `title`: the dialog with the folder
// field, not one of its message boxes, which carry the same title.
HWND FindSetupDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs = e2e::kDefaultTimeoutMs);

// Starts the copy and waits for its setup dialog, titled `title`. The
// dialog opens 2 seconds after start.
struct SetupRun {
    SetupRun(const SetupCopy& copy, const std::wstring& title, const std::wstring& arguments = L"");
    e2e::Process process;
    HWND dialog = nullptr;
};

// Where a control of the setup dialog should stand: its template rectangle
// in dialog units, moved up by whole option rows (the screen distance
// between the first two option rows, as the dialog measures it).
class SetupLayout {
public:
    SetupLayout();
    RECT At(int x, int y, int width, int height, int rowsUp = 0) const;
    SIZE ClientSize(int rowsShorter) const; // of the 191 x 157 template
    int RowHeight() const { return m_rowHeight; }

private:
    e2e::DialogUnits m_units;
    int m_rowHeight;
};

std::string Describe(const RECT& rect);

// The registry key of a product in the system's uninstall list.
std::wstring UninstallKey(const std::wstring& product);
bool KeyExists(HKEY root, const std::wstring& path);

// A product entered in the uninstall list with its uninstall command, as an
// earlier installation leaves it; removed again at the end.
class UninstallEntry {
public:
    UninstallEntry(const std::wstring& product, const std::wstring& command);
    ~UninstallEntry();
    UninstallEntry(const UninstallEntry&) = delete;
    UninstallEntry& operator=(const UninstallEntry&) = delete;

private:
    std::wstring m_key;
};

// Files as the tests make and read them.
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
// Sets the last-write time: hours from a fixed day, so that files compare
// older, newer or of the same age as the test needs.
void SetWriteTime(const std::wstring& path, int hours);

// The keys of a script section with their values (GetPrivateProfileSection).
std::map<std::wstring, std::wstring> Section(const std::wstring& script, const wchar_t* section);

// The Recycle Bin under Wine: the desktop's trash folder, which the tests
// keep inside the build tree (XDG_DATA_HOME). Emptied when made and at the
// end; its folders stay, since Wine finds them once per process.
class WineTrash {
public:
    WineTrash();
    ~WineTrash();
    WineTrash(const WineTrash&) = delete;
    WineTrash& operator=(const WineTrash&) = delete;

    bool Known() const { return !m_folder.empty(); }
    // The trash holds a file that was deleted from a place with this name.
    bool Holds(const std::wstring& name) const;
    void Empty() const;

private:
    std::wstring m_folder;
};

// Each item of the dialog has its text.
void ExpectCaptions(HWND dialog, std::initializer_list<std::pair<int, const wchar_t*>> captions);

} // namespace setup_e2e

// An item of the dialog stands where the layout says.
#define EXPECT_ITEM_AT(dialog, id, expected)                                                     \
    do {                                                                                         \
        RECT actual_ = e2e::ItemRect(dialog, id);                                                \
        RECT expected_ = (expected);                                                             \
        EXPECT_TRUE(EqualRect(&actual_, &expected_))                                             \
            << "item " << (id) << " at " << setup_e2e::Describe(actual_) << ", expected "        \
            << setup_e2e::Describe(expected_);                                                   \
    } while (0)
