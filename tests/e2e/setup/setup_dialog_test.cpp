// The setup dialog driven as a person would, for scripts of several shapes
// (English texts: OEM code page 437).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

constexpr int kOptionIds[] = {1004, 1006, 1005, 1011, 1012, 1021};

bool AllOptionsEnabled(HWND dialog, bool enabled)
{
    for (int id : kOptionIds)
        if (IsItemEnabled(dialog, id) != enabled) return false;
    return true;
}

// The product name of a test: unique, so that the uninstall list of the
// prefix holds nothing of another run.
std::wstring Product(const wchar_t* name)
{
    return std::wstring(L"SetupE2E") + name + std::to_wstring(GetCurrentProcessId());
}

// The colour the screen shows at a point of the dialog's client area.
COLORREF ClientPixel(HWND dialog, POINT point)
{
    ClientToScreen(dialog, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// A point on the left edge of the program icon (blue) when it is painted
// at the icon frame's corner.
POINT IconEdge(const RECT& frame)
{
    return {frame.left + 3, frame.top + 20};
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end()); // test names and paths are ASCII
}

} // namespace

// Check Menu 3: the Start-menu row is taken, hidden; the four rows below
// move up one row and the dialog loses the one row both columns can spare.
TEST(SetupDialog, MenuOptionAlwaysOnHidesItsRow)
{
    std::wstring product = Product(L"Menu");
    SetupCopy copy(Script({"[Setup]", "Name=Menu three", "[Root]", ("Name=" + Narrow(product)).c_str(),
                           "[Check]", "Menu=3", "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=2", "Del=1",
                           "[Readme]", "Done=1", "[CopyFile]", "Self=bin\\Tool.exe",
                           // The icon file is taken from the current folder: setup's own icon.
                           "[Desktop]", "Icon=Setup.exe", "IconNo=5"}));
    SetupRun run(copy, L"Menu three");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    SetupLayout layout;

    ExpectCaptions(d, {{1013, L"&Folder to install..."}, {1004, L"&Menu"}, {1006, L"Short&Cut"},
                       {1005, L"&Startup"}, {1011, L"Relate to &Ext."}, {1012, L"Send &To"}, {1009, L"Co&py"},
                       {1010, L"&Delete after..."}, {IDOK, L"OK"}, {IDCANCEL, L"Cancel"}, {3, L"Readme"}});
    EXPECT_EQ(Caption(Item(d, 1022)), L"Tool.exe");

    // A plain folder name lies at the root of the system drive.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(ItemText(d, 1007), std::wstring(system).substr(0, 3) + product);

    EXPECT_FALSE(IsItemVisible(d, 1004));
    EXPECT_TRUE(IsItemChecked(d, 1004));
    EXPECT_FALSE(IsItemVisible(d, 1021));
    for (int id : {1006, 1005, 1011, 1012}) {
        EXPECT_TRUE(IsItemVisible(d, id)) << id;
        EXPECT_FALSE(IsItemChecked(d, id)) << id;
    }
    EXPECT_ITEM_AT(d, 1006, layout.At(7, 63, 82, 10, 1));
    EXPECT_ITEM_AT(d, 1005, layout.At(7, 81, 83, 10, 1));
    EXPECT_ITEM_AT(d, 1011, layout.At(7, 98, 83, 10, 1));
    EXPECT_ITEM_AT(d, 1012, layout.At(7, 115, 83, 10, 1));

    EXPECT_TRUE(IsItemChecked(d, 1009));
    EXPECT_FALSE(IsItemChecked(d, 1010));
    EXPECT_ITEM_AT(d, 1009, layout.At(106, 54, 70, 10));
    EXPECT_ITEM_AT(d, 1010, layout.At(106, 72, 70, 10));
    EXPECT_ITEM_AT(d, 1022, layout.At(98, 41, 86, 49));

    for (int id : {IDOK, IDCANCEL, 3}) EXPECT_TRUE(IsItemVisible(d, id)) << id;
    EXPECT_ITEM_AT(d, IDOK, layout.At(7, 136, 48, 14, 1));
    EXPECT_ITEM_AT(d, IDCANCEL, layout.At(58, 136, 48, 14, 1));
    EXPECT_ITEM_AT(d, 3, layout.At(111, 136, 48, 14, 1));
    EXPECT_ITEM_AT(d, 1018, layout.At(169, 133, 18, 20, 1));
    EXPECT_EQ(ClientSize(d).cy, layout.ClientSize(1).cy);

    // The icon index comes from Check IconNo (missing: 0), not Desktop IconNo.
    Sleep(200);
    EXPECT_EQ(ClientPixel(d, IconEdge(layout.At(169, 133, 18, 20, 1))), RGB(0x1f, 0x5f, 0xa8));

    // Only looked at: no key of the product appears in the uninstall list.
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey(product)));
}

// The example of a fresh install with Menu 0, Desktop 2, Startup 1, Ext 0,
// Send 0, Copy 1, Del 0: three rows free on both sides.
TEST(SetupDialog, DesktopStartupAndCopyCloseThreeRows)
{
    SetupCopy copy(Script({"[Setup]", "Name=Three rows", "[Root]", "Name=%programs%\\Three Rows",
                           "[Check]", "Menu=0", "Desktop=2", "Startup=1", "Ext=0", "Send=0", "Copy=1", "Del=0",
                           "[Readme]", "Done=1"}));
    SetupRun run(copy, L"Three rows");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    SetupLayout layout;

    EXPECT_EQ(ItemText(d, 1007), L"C:\\Program Files\\Three Rows");
    EXPECT_EQ(copy.Value(L"Root", L"Name"), L"Three Rows");
    EXPECT_EQ(Caption(Item(d, 1022)), L"Installer");

    for (int id : {1004, 1021, 1011, 1012, 1010}) EXPECT_FALSE(IsItemVisible(d, id)) << id;
    EXPECT_TRUE(IsItemVisible(d, 1006));
    EXPECT_TRUE(IsItemChecked(d, 1006));
    EXPECT_TRUE(IsItemVisible(d, 1005));
    EXPECT_FALSE(IsItemChecked(d, 1005));
    EXPECT_ITEM_AT(d, 1006, layout.At(7, 63, 82, 10, 1));
    EXPECT_ITEM_AT(d, 1005, layout.At(7, 81, 83, 10, 1));

    EXPECT_TRUE(IsItemVisible(d, 1009));
    EXPECT_FALSE(IsItemChecked(d, 1009));
    EXPECT_ITEM_AT(d, 1009, layout.At(106, 54, 70, 10));
    RECT group = layout.At(98, 41, 86, 49);
    group.bottom -= layout.RowHeight();
    EXPECT_ITEM_AT(d, 1022, group);

    EXPECT_ITEM_AT(d, IDOK, layout.At(7, 136, 48, 14, 3));
    EXPECT_ITEM_AT(d, 3, layout.At(111, 136, 48, 14, 3));
    EXPECT_EQ(ClientSize(d).cy, layout.ClientSize(3).cy);

    // No Desktop Icon: nothing is painted at the icon frame.
    Sleep(200);
    EXPECT_EQ(ClientPixel(d, IconEdge(layout.At(169, 133, 18, 20, 3))), GetSysColor(COLOR_BTNFACE));
}

// Nothing offered: five free rows on both sides, the group and the ReadMe
// button hidden; Cancel ends setup and empties Menu Change.
TEST(SetupDialog, NothingOfferedSavesFiveRowsAndCancelEnds)
{
    SetupCopy copy(Script({"[Setup]", "Name=Bare", "[Root]", "Name=Bare", "[Menu]", "Change=C:\\Picked\\Menu"}));
    SetupRun run(copy, L"Bare");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    SetupLayout layout;

    for (int id : {1004, 1021, 1006, 1005, 1011, 1012, 1022, 1009, 1010, 3}) EXPECT_FALSE(IsItemVisible(d, id)) << id;
    EXPECT_TRUE(IsItemVisible(d, IDOK));
    EXPECT_ITEM_AT(d, IDOK, layout.At(7, 136, 48, 14, 5));
    EXPECT_ITEM_AT(d, IDCANCEL, layout.At(58, 136, 48, 14, 5));
    EXPECT_EQ(ClientSize(d).cy, layout.ClientSize(5).cy);

    ClickItem(d, IDCANCEL);
    ASSERT_TRUE(run.process.WaitForExit(8000));
    EXPECT_EQ(run.process.ExitCode(), 0u);
    EXPECT_EQ(copy.Value(L"Menu", L"Change"), L"");
}

// An agreement hides the ReadMe button and marks it read.
TEST(SetupDialog, AgreementHidesTheReadmeButton)
{
    SetupCopy copy(Script({"[Setup]", "Name=Agree", "[Check]", "Copy=1", "[Readme]", "Done=1", "[Go]", "Agree=1"}));
    SetupRun run(copy, L"Agree");
    ASSERT_TRUE(run.dialog);
    EXPECT_FALSE(IsItemVisible(run.dialog, 3));
    EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"1");
}

// A previous installation in the uninstall list: its folder is proposed and
// its script presets the offered options.
TEST(SetupDialog, VersionUpPresetsFromThePreviousInstallation)
{
    std::wstring product = Product(L"Prev");
    TempFolder previous;
    std::wstring installed = previous / product;
    std::filesystem::create_directories(installed);
    std::ofstream(std::filesystem::path(installed + L"\\Setup.ini"), std::ios::binary)
        << Script({"[Check]", "Menu=2", "Desktop=2", "Startup=0", "[Menu]", "Named=C:\\Prev\\Menu",
                   "[CopiedFile]", "Count=1"});
    UninstallEntry entry(product, installed + L"\\Setup.exe uninstall");

    SetupCopy copy(Script({"[Setup]", "Name=Version up", "[Root]", ("Name=%programs%\\" + Narrow(product)).c_str(),
                           "[Check]", "Menu=1", "Desktop=1", "Startup=2", "Ext=0", "Send=3", "Copy=1"}));
    SetupRun run(copy, L"Version up");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;

    EXPECT_EQ(Caption(Item(d, 1013)), L"&Folder to version up");
    EXPECT_EQ(ItemText(d, 1007), installed);
    EXPECT_TRUE(IsItemVisible(d, 1008));
    EXPECT_TRUE(IsItemChecked(d, 1004));   // 1 here, 2 before
    EXPECT_TRUE(IsItemVisible(d, 1021));
    EXPECT_TRUE(IsItemChecked(d, 1006));   // 1 here, 2 before
    EXPECT_FALSE(IsItemChecked(d, 1005));  // 2 here, 0 before
    EXPECT_FALSE(IsItemVisible(d, 1011));  // 0 stays 0
    EXPECT_FALSE(IsItemVisible(d, 1012));  // 3 stays 3
    EXPECT_TRUE(IsItemChecked(d, 1012));
    EXPECT_EQ(copy.Value(L"Menu", L"Change"), L"C:\\Prev\\Menu");
    EXPECT_EQ(copy.Value(L"Root", L"Name"), product);

    ClickItem(d, IDCANCEL);
    ASSERT_TRUE(run.process.WaitForExit(8000));
    EXPECT_EQ(copy.Value(L"Menu", L"Change"), L"");
}

// An installed script offers uninstall: the copy checkbox becomes the
// uninstall checkbox in the Start-menu row and disables the other options.
TEST(SetupDialog, InstalledScriptOffersUninstall)
{
    SetupCopy copy(Script({"[Setup]", "Name=Installed", "Auto=1", "[Root]", "Name=Installed App",
                           "[Check]", "Menu=2", "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=2", "Del=2",
                           "[Del]", "Checked=1", "[CopiedFile]", "Count=1", "[Readme]", "Done=1"}));
    SetupRun run(copy, L"Installed");
    ASSERT_TRUE(run.dialog);
    HWND d = run.dialog;
    SetupLayout layout;

    EXPECT_EQ(Caption(Item(d, 1013)), L"Installed");
    EXPECT_FALSE(IsItemVisible(d, 1008));
    EXPECT_TRUE(Style(Item(d, 1007)) & ES_READONLY);
    EXPECT_EQ(Caption(Item(d, 1009)), L"Uninstall");
    EXPECT_TRUE(IsItemVisible(d, 1009));
    EXPECT_ITEM_AT(d, 1009, layout.At(106, 45, 70, 10));
    EXPECT_FALSE(IsItemVisible(d, 1010));
    EXPECT_FALSE(IsItemVisible(d, 1022));
    EXPECT_TRUE(IsItemChecked(d, 1009));
    EXPECT_TRUE(WaitUntil([&] { return AllOptionsEnabled(d, false); }));

    // Setup Auto is reset, so the buttons stay.
    EXPECT_TRUE(IsItemVisible(d, IDOK));
    EXPECT_EQ(ClientSize(d).cy, layout.ClientSize(0).cy);
    EXPECT_EQ(copy.Value(L"Check", L"Copy"), L"1");
    EXPECT_EQ(copy.Value(L"Check", L"Del"), L"0");
    EXPECT_EQ(copy.Value(L"Setup", L"Auto"), L"0");

    ClickItem(d, 1009);
    EXPECT_TRUE(WaitUntil([&] { return !IsItemChecked(d, 1009) && AllOptionsEnabled(d, true); }));
    ClickItem(d, 1009);
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(d, 1009) && AllOptionsEnabled(d, false); }));
}

// "uninstall" on a fresh install only checks the copy checkbox (on an
// installed script it starts the uninstall: see the install tests).
TEST(SetupDialog, UninstallArgumentOnAFreshInstall)
{
    SetupCopy copy(Script({"[Setup]", "Name=Fresh", "[Check]", "Menu=2", "Desktop=1", "Copy=1"}));
    SetupRun run(copy, L"Fresh", L"uninstall");
    ASSERT_TRUE(run.dialog);
    EXPECT_TRUE(IsItemChecked(run.dialog, 1009));
    EXPECT_EQ(Caption(Item(run.dialog, 1009)), L"Co&py");
    Sleep(300); // a posted command would have run by now
    EXPECT_TRUE(AllOptionsEnabled(run.dialog, true));
}
