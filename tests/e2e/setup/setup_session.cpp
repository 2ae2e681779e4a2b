#include "setup_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace setup_e2e {

namespace {

std::string ToCodePage932(const std::string& utf8)
{
    int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> text(wide);
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), wide);
    int bytes = WideCharToMultiByte(932, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(932, 0, text.data(), -1, result.data(), bytes, nullptr, nullptr);
    result.resize(bytes - 1);
    return result;
}

} // namespace

std::string Script(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) text += ToCodePage932(line) + "\r\n";
    return text;
}

TempFolder::TempFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    m_path = std::wstring(temp) + L"setup-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++serial) + name;
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

SetupCopy::SetupCopy(const std::string& script, const std::wstring& folder) : m_folder(m_temp / folder)
{
    std::filesystem::create_directories(m_folder);
    CopyFileW(SETUP_EXE, ProgramPath().c_str(), FALSE);
    std::ofstream(std::filesystem::path(ScriptPath()), std::ios::binary) << script;
}

std::string SetupCopy::ScriptBytes() const
{
    std::ifstream file(std::filesystem::path(ScriptPath()), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::wstring SetupCopy::Value(const wchar_t* section, const wchar_t* key) const
{
    wchar_t value[1024];
    GetPrivateProfileStringW(section, key, L"(missing)", value, 1024, ScriptPath().c_str());
    return value;
}

e2e::Process SetupCopy::Start(const std::wstring& arguments) const
{
    return e2e::Process::Launch(ProgramPath(), arguments, m_folder);
}

std::wstring SetupCopy::Put(const std::wstring& name, const std::string& bytes) const
{
    std::wstring path = m_folder + L"\\" + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, bytes);
    return path;
}

HWND FindSetupDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    HWND found = nullptr;
    e2e::WaitUntil(
        [&] {
            for (HWND window : e2e::TopLevelWindows(processId))
                if (e2e::ClassName(window) == L"#32770" && e2e::Caption(window) == title && e2e::Item(window, 1007))
                    found = window;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

SetupRun::SetupRun(const SetupCopy& copy, const std::wstring& title, const std::wstring& arguments)
    : process(copy.Start(arguments)), dialog(FindSetupDialog(process.Id(), title))
{
}

SetupLayout::SetupLayout() : m_units(L"ＭＳ Ｐゴシック", 9)
{
    m_rowHeight = m_units.ToPixels(7, 63, 82, 10).top - m_units.ToPixels(7, 45, 70, 10).top;
}

RECT SetupLayout::At(int x, int y, int width, int height, int rowsUp) const
{
    RECT rect = m_units.ToPixels(x, y, width, height);
    OffsetRect(&rect, 0, -rowsUp * m_rowHeight);
    return rect;
}

SIZE SetupLayout::ClientSize(int rowsShorter) const
{
    SIZE size = m_units.SizeToPixels(191, 157);
    size.cy -= rowsShorter * m_rowHeight;
    return size;
}

std::string Describe(const RECT& rect)
{
    char text[80];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
    return text;
}

std::wstring UninstallKey(const std::wstring& product)
{
    return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
}

bool KeyExists(HKEY root, const std::wstring& path)
{
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

UninstallEntry::UninstallEntry(const std::wstring& product, const std::wstring& command)
    : m_key(UninstallKey(product))
{
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, m_key.c_str(), L"UninstallString", REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

UninstallEntry::~UninstallEntry()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_key.c_str());
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetWriteTime(const std::wstring& path, int hours)
{
    const ULONGLONG day = 133500000000000000ull; // in 2024
    ULONGLONG ticks = day + static_cast<ULONGLONG>(hours) * 36000000000ull;
    FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

std::map<std::wstring, std::wstring> Section(const std::wstring& script, const wchar_t* section)
{
    std::vector<wchar_t> buffer(32768);
    DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), script.c_str());
    std::map<std::wstring, std::wstring> keys;
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += wcslen(line) + 1) {
        std::wstring text = line;
        size_t equals = text.find(L'=');
        keys[text.substr(0, equals)] = equals == std::wstring::npos ? L"" : text.substr(equals + 1);
    }
    return keys;
}

WineTrash::WineTrash()
{
    wchar_t home[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", home, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::wstring folder = std::wstring(L"Z:") + home;
        for (wchar_t& c : folder)
            if (c == L'/') c = L'\\';
        std::filesystem::create_directories(folder);
        m_folder = folder + L"\\Trash";
    }
    Empty();
}

WineTrash::~WineTrash()
{
    Empty();
}

bool WineTrash::Holds(const std::wstring& name) const
{
    return Known() && Exists(m_folder + L"\\files\\" + name);
}

void WineTrash::Empty() const
{
    if (!Known()) return;
    std::error_code ignored;
    for (const wchar_t* part : {L"\\files", L"\\info"})
        for (const auto& entry : std::filesystem::directory_iterator(m_folder + part, ignored))
            std::filesystem::remove_all(entry.path(), ignored);
}

void ExpectCaptions(HWND dialog, std::initializer_list<std::pair<int, const wchar_t*>> captions)
{
    for (const auto& [id, text] : captions) EXPECT_EQ(e2e::Caption(e2e::Item(dialog, id)), text) << "item " << id;
}

} // namespace setup_e2e
