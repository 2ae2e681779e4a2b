// The action log ([Setup] Log) of an install and of its uninstall, read as
// a support person reads it, in English (OEM code page 437) and in
// Japanese (932, a Japanese install folder): ctest runs it in both.
#include <gtest/gtest.h>

#include <regex>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

struct LogLine { std::wstring kind, subject, detail = L"", time = L""; };

// The lines in the system code page, cut at their columns: the time (23
// characters), two blanks, the kind in 12, the subject, " | " and the detail.
std::vector<LogLine> ReadLog(const std::wstring& path)
{
    std::string bytes = ReadBytes(path);
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                    static_cast<int>(text.size())));
    EXPECT_EQ(text.size(), text.rfind(L"\r\n") + 2) << "a line without its end";
    std::vector<LogLine> lines;
    for (size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        std::wstring line = text.substr(start, end - start), kind = line.substr(25, 12);
        size_t bar = line.find(L" | ", 37);
        lines.push_back({kind.substr(0, kind.find(L' ')), line.substr(37, bar - 37),
                         bar == std::wstring::npos ? L"" : line.substr(bar + 3), line.substr(0, 23)});
    }
    return lines;
}

// Each expected line (its detail as a beginning) after the one before it;
// every time stamp well formed and none earlier than the one above it.
void ExpectLines(const std::vector<LogLine>& log, std::initializer_list<LogLine> expected)
{
    std::wstring all;
    for (const LogLine& line : log) all += line.kind + L" " + line.subject + L" | " + line.detail + L"\n";
    size_t at = 0;
    for (const LogLine& want : expected) {
        auto matches = [&](const LogLine& l) {
            return l.kind == want.kind && l.subject == want.subject && l.detail.rfind(want.detail, 0) == 0;
        };
        while (at < log.size() && !matches(log[at])) ++at;
        ASSERT_LT(at, log.size()) << Utf8(want.kind + L" " + want.subject + L" | " + want.detail + L"\n" + all);
    }
    const std::wregex stamp(L"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}");
    for (size_t i = 0; i < log.size(); ++i)
        EXPECT_TRUE(std::regex_match(log[i].time, stamp) && (i == 0 || log[i - 1].time <= log[i].time)) << i;
}

} // namespace

TEST(ActionLog, InstallAndUninstallAsTheyHappened)
{
    const std::string key = "SetupE2ELog" + std::to_string(GetCurrentProcessId());
    const std::wstring wideKey(key.begin(), key.end()), userKey = L"HKEY_CURRENT_USER\\Software\\" + wideKey;
    const std::wstring link = ShellFolder(L"Desktop") + L"\\" + wideKey + L".lnk";
    wchar_t error[512];
    std::shared_ptr<void> cleanup(nullptr, [&](void*) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(wideKey).c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + wideKey).c_str());
        DeleteFileW(link.c_str());
    });
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, 2, 0, error, 512, nullptr);
    TempFolder target("-target");
    const std::wstring app = target / Say(L"Log App", L"表示ソフト");
    auto at = [&](const wchar_t* name) { return app + L"\\" + name; };

    // A file copied, one kept, one failing, a folder, a shortcut, registry values.
    SetupCopy copy(Script({"[Setup]", "Name=Log Test", "Log=setup.log", "[Root]", ("Name=" + key).c_str(), "[Check]",
                           "Desktop=3", "[Desktop]", ("Name=" + key).c_str(), "Path=tool.exe", "[MakeDirectory]",
                           "1=data", "[CopyFile]", "0=tool.exe", "1=&keep.dat", "2=*lost.dat", "[Reg]",
                           ("Make0=HKEY_CURRENT_USER\\Software\\" + key + "\\\\Path\\tool.exe").c_str(),
                           ("Erase0=HKEY_CURRENT_USER\\Software\\" + key).c_str(), "[Del]", "ShowError=1"}));
    copy.Put(L"tool.exe", "tool");
    copy.Put(L"keep.dat", "new");
    WriteBytes(at(L"keep.dat"), "the user's");
    SetWriteTime(at(L"keep.dat"), 1); // newer than the product's
    SetupRun install(copy.ProgramPath(), L"Log Test");
    ASSERT_TRUE(install.dialog && SetText(Item(install.dialog, IDC_FOLDER), app));
    ClickItem(install.dialog, IDOK);
    ASSERT_TRUE(install.process.WaitForExit(30000));
    const std::wstring entry = L"HKEY_LOCAL_MACHINE\\" + UninstallKey(wideKey);
    std::vector<LogLine> installLog = ReadLog(at(L"setup.log"));
    ExpectLines(installLog,
                {{L"start", L"install", L"Log Test"}, {L"program", copy.ProgramPath()}, {L"script", copy.ScriptPath()},
                 {L"folder", app},
                 {L"options", L"Menu off, Desktop on, Startup off, Ext off, Send off, Copy off, Del off"},
                 {L"made", app, L"there already"}, {L"made", at(L"data")}, {L"copied", at(L"tool.exe")},
                 {L"kept", at(L"keep.dat"), L"same age or newer"},
                 {L"copy-failed", at(L"lost.dat"), L"error 2: " + std::wstring(error, wcscspn(error, L"\r\n"))},
                 {L"linked", link, at(L"tool.exe")}, {L"reg-set", entry, L"UninstallString = \"" + at(L"Setup.exe")},
                 {L"reg-set", userKey, L"Path = " + at(L"tool.exe")}, {L"copied", at(L"Setup.exe")},
                 {L"copied", at(L"Setup.ini")}, {L"end", L"install", L"1 failed, 0 left"}});
    EXPECT_EQ(installLog.size(), 17u); // a line for each action, and nothing more

    // The user took their file away: the uninstall empties the folder, and
    // the log must neither be reported as left nor keep the folder there.
    DeleteFileW(at(L"keep.dat").c_str());
    WineTrash trash;
    SetupRun uninstall(at(L"Setup.exe"), L"Log Test", L"uninstall");
    HWND report = nullptr;
    WaitUntil([&] { return (report = FindMessageBox(uninstall.process.Id(), L"", 0)) || !uninstall.process.Running(); },
              30000);
    EXPECT_FALSE(report) << Utf8(MessageBoxText(report));
    ASSERT_TRUE(uninstall.process.WaitForExit(10000));
    EXPECT_TRUE(WaitUntil([&] { return !Exists(app); }, 20000)) << "the install folder stayed";
    ASSERT_TRUE(trash.Holds(L"setup.log"));
    std::vector<LogLine> log = ReadLog(std::wstring(L"Z:") + _wgetenv(L"XDG_DATA_HOME") + L"/Trash/files/setup.log");
    ExpectLines(log, {{L"end", L"install"}, {L"start", L"uninstall", L"Log Test"}, {L"program", at(L"Setup.exe")},
                      {L"script", at(L"Setup.ini")}, {L"folder", app}, {L"unlinked", link}, {L"reg-deleted", entry},
                      {L"reg-deleted", userKey}, {L"removed", at(L"tool.exe")}, {L"removed", at(L"data")},
                      {L"removed", at(L"Setup.ini")}, {L"end", L"uninstall", L"0 failed, 0 left"}});
}
