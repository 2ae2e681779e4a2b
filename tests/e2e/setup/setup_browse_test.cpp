// The two folder browsers of the setup dialog: their titles, starting
// folders and the ends-with rule for the name they add.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include <shlobj.h>

#include "setup_session.h"
#include "tree_view.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The folder browser that the setup dialog opened.
HWND FindBrowser(const Process& process, HWND setupDialog)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(process.Id()))
            if (window != setupDialog && ClassName(window) == L"#32770") found = window;
        return found != nullptr;
    });
    return found;
}

std::vector<std::wstring> ChildTexts(HWND window)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(Caption(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

bool HasText(HWND window, const std::wstring& text)
{
    for (const std::wstring& child : ChildTexts(window))
        if (child == text) return true;
    return false;
}

// Opens the browser with `button`, checks its title line, picks the folder
// whose tree items are `items` (from below the tree's root) and accepts it.
void ChooseInBrowser(const SetupRun& run, int button, const std::wstring& title,
                     const std::vector<std::wstring>& items)
{
    ClickItem(run.dialog, button);
    HWND browser = FindBrowser(run.process, run.dialog);
    ASSERT_TRUE(browser);
    EXPECT_TRUE(WaitUntil([&] { return HasText(browser, title); }, 3000)) << "title line missing";
    RemoteTreeView tree(FolderTree(browser));
    ASSERT_TRUE(tree.SelectPath(items)) << Narrow(items.back());
    ClickItem(browser, IDOK);
    EXPECT_TRUE(WaitForWindowGone(browser));
}

std::wstring ProgramsFolder()
{
    wchar_t path[MAX_PATH];
    SHGetSpecialFolderPathW(nullptr, path, CSIDL_PROGRAMS, FALSE);
    return path;
}

} // namespace

TEST(FolderBrowsers, InstallFolderGetsTheRootNameUnlessItEndsWithIt)
{
    SetupCopy copy(Script({"[Setup]", "Name=Browse", "[Root]", "Name=Zed", "[Check]", "Copy=1"}));
    TempFolder places;
    std::filesystem::create_directories(places / L"Tools");
    std::filesystem::create_directories(places / L"Zed\\Zed");
    SetupRun run(copy, L"Browse");
    ASSERT_TRUE(run.dialog);
    HWND field = Item(run.dialog, 1007);

    ChooseInBrowser(run, 1008, L"Install to...", FolderPathItems(places / L"Tools"));
    EXPECT_TRUE(WaitUntil([&] { return Text(field) == places / L"Tools\\Zed"; })) << Narrow(Text(field));

    // The first "Zed" of the path is not at its end: Zed is added once more.
    ChooseInBrowser(run, 1008, L"Install to...", FolderPathItems(places / L"Zed\\Zed"));
    EXPECT_TRUE(WaitUntil([&] { return Text(field) == places / L"Zed\\Zed\\Zed"; })) << Narrow(Text(field));

    ChooseInBrowser(run, 1008, L"Install to...", FolderPathItems(places / L"Zed"));
    EXPECT_TRUE(WaitUntil([&] { return Text(field) == places / L"Zed"; })) << Narrow(Text(field));
}

TEST(FolderBrowsers, StartMenuFolderBecomesMenuChange)
{
    std::wstring menuFolder = ProgramsFolder() + L"\\SetupE2EMenu" + std::to_wstring(GetCurrentProcessId());
    std::filesystem::create_directories(menuFolder);
    struct Cleanup {
        std::wstring path;
        ~Cleanup()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } cleanup{menuFolder};
    std::string named(menuFolder.begin(), menuFolder.end());
    SetupCopy copy(Script({"[Setup]", "Name=Menu browse", "[Check]", "Menu=2", "[Menu]", "Name=Tools",
                           ("Named=" + named).c_str()}));
    SetupRun run(copy, L"Menu browse");
    ASSERT_TRUE(run.dialog);
    EXPECT_TRUE(IsItemVisible(run.dialog, 1021));

    std::wstring folderName = menuFolder.substr(menuFolder.rfind(L'\\') + 1);
    ChooseInBrowser(run, 1021, L"Where \"Tools\" is ?", {folderName});
    EXPECT_TRUE(WaitUntil([&] { return copy.Value(L"Menu", L"Change") == menuFolder + L"\\Tools"; }))
        << Narrow(copy.Value(L"Menu", L"Change"));

    // The Start-menu option's checkbox shows and hides the folder button.
    ClickItem(run.dialog, 1004);
    EXPECT_TRUE(WaitUntil([&] { return !IsItemVisible(run.dialog, 1021); }));
    ClickItem(run.dialog, 1004);
    EXPECT_TRUE(WaitUntil([&] { return IsItemVisible(run.dialog, 1021); }));
}
