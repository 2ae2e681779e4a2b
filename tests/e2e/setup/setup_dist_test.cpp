// The distribution folder of the build, installed and uninstalled as a
// person would with Wine's own tools: nothing of the product may stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <cstdio>
#include <filesystem>

#include "console_output.h"
#include "setup_session.h"
#include "system_snapshot.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

const std::wstring kInstallFolder = L"C:\\Program Files\\Trenvika";

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towlower(c); });
    return text;
}

// What a person's machine holds: every key and value, every file on C:.
struct Snapshot {
    std::set<std::wstring> registry = RegistryEntries();
    std::set<std::wstring> files = DriveEntries();
};

// The differences that belong to the product or its setup.
std::vector<std::wstring> ProductResidue(const std::vector<std::wstring>& differences)
{
    std::vector<std::wstring> residue;
    for (const std::wstring& line : differences) {
        std::wstring lower = Lower(line);
        for (const wchar_t* mark : {L"trenvika", L"by harnel", L"delus.bat", L"setup.exe", L"setup.ini"})
            if (lower.find(mark) != std::wstring::npos) {
                residue.push_back(line);
                break;
            }
    }
    return residue;
}

std::string Narrow(const std::wstring& text)
{
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

std::string Listed(const std::vector<std::wstring>& lines)
{
    std::string text;
    for (const std::wstring& line : lines) text += Narrow(line) + "\n";
    return text;
}

} // namespace

TEST(Distribution, InstallsAndUninstallsWithoutResidue)
{
    ASSERT_FALSE(Exists(kInstallFolder)) << "an earlier run left the product installed";
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey(L"Trenvika")));
    WineTrash trash;
    ASSERT_TRUE(trash.Known()) << "XDG_DATA_HOME is not set for this test";
    struct Cleanup {
        // A failed run must not leave the product for the next one.
        ~Cleanup()
        {
            std::error_code ignored;
            std::filesystem::remove_all(kInstallFolder, ignored);
            RegDeleteTreeW(HKEY_LOCAL_MACHINE, UninstallKey(L"Trenvika").c_str());
        }
    } cleanup;

    // The folder as it comes on the medium, copied so that the build's
    // folder keeps its script.
    TempFolder medium(L"-medium");
    std::filesystem::copy(DIST_DIR, medium.Path(), std::filesystem::copy_options::recursive);
    Snapshot before;

    Process setup = Process::Launch(medium / L"Setup.exe", L"", medium.Path());
    HWND d = FindSetupDialog(setup.Id(), L"Trenvika 1.2");
    ASSERT_TRUE(d);
    EXPECT_EQ(ItemText(d, 1007), kInstallFolder);
    ClickItem(d, IDOK);
    ASSERT_TRUE(setup.WaitForExit(20000));
    for (const wchar_t* name : {L"trenvika.exe", L"trenvika-cli.exe", L"ReadMe.txt", L"samples\\cross-section.dxf",
                                L"Setup.exe", L"Setup.ini"})
        EXPECT_TRUE(Exists(kInstallFolder + L"\\" + name)) << Narrow(name);

    std::string query = ConsoleOutput(L"reg.exe query \"HKLM\\" + UninstallKey(L"Trenvika") + L"\"");
    EXPECT_NE(query.find("UninstallString    REG_SZ    C:\\Program Files\\Trenvika\\Setup.exe uninstall"),
              std::string::npos)
        << query;
    std::string list = ConsoleOutput(L"uninstaller.exe --list");
    EXPECT_NE(list.find("Trenvika|||Trenvika 1.2"), std::string::npos) << list;

    // Wine's uninstaller runs the registered command: an uninstall without a
    // click, and no report, since everything goes.
    Process uninstaller = Process::LaunchCommandLine(L"uninstaller.exe --remove Trenvika", medium.Path());
    bool reported = false;
    WaitUntil([&] {
        reported = reported || FindDialogByTitle(L"Delete files and folders", 0);
        return !Exists(kInstallFolder);
    }, 30000, 100);
    EXPECT_FALSE(reported);
    EXPECT_FALSE(Exists(kInstallFolder));
    ASSERT_TRUE(uninstaller.WaitForExit(10000));
    EXPECT_TRUE(WaitUntil([] { return !Exists(L"C:\\delus.bat"); }, 5000));
    list = ConsoleOutput(L"uninstaller.exe --list");
    EXPECT_EQ(list.find("Trenvika"), std::string::npos) << list;

    Snapshot after;
    std::vector<std::wstring> registry = Differences(before.registry, after.registry);
    std::vector<std::wstring> files = Differences(before.files, after.files);
    EXPECT_EQ(Listed(ProductResidue(registry)), "");
    EXPECT_EQ(Listed(ProductResidue(files)), "");
    // Wine's own bookkeeping changes between the two snapshots; shown for the record.
    std::printf("registry entries changed by the round trip: %zu\n%s", registry.size(), Listed(registry).c_str());
    std::printf("files on C: changed by the round trip: %zu\n%s", files.size(), Listed(files).c_str());

    // The files went to the Recycle Bin.
    for (const wchar_t* name : {L"trenvika.exe", L"trenvika-cli.exe", L"ReadMe.txt", L"cross-section.dxf"})
        EXPECT_TRUE(trash.Holds(name)) << Narrow(name);
}
