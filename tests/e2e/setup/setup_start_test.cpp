// Setup's start modes, chosen by the exact argument text.
#include <gtest/gtest.h>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The owner of the setup dialog: setup's background window.
HWND Owner(HWND dialog)
{
    return GetWindow(dialog, GW_OWNER);
}

} // namespace

// "remove" is the removal copy: it waits 5 seconds and ends, reading no
// script and making no window, not even the background that this script
// would otherwise show at once.
TEST(StartModes, RemoveMakesNoWindowAndWaits)
{
    SetupCopy copy(Script({"[Setup]", "Name=Remover", "[Back]", "Do=1"}));
    std::string before = copy.ScriptBytes();
    ULONGLONG start = GetTickCount64();
    Process process = copy.Start(L"remove");
    ASSERT_TRUE(process.Started());
    bool windowSeen = WaitUntil([&] { return !TopLevelWindows(process.Id(), false).empty(); }, 3000, 50);
    EXPECT_FALSE(windowSeen);
    ASSERT_TRUE(process.WaitForExit(10000));
    EXPECT_GE(GetTickCount64() - start, 4900u);
    EXPECT_EQ(process.ExitCode(), 0u);
    EXPECT_EQ(copy.ScriptBytes(), before);
}

// "Remove" in another letter case is a normal start; the program in a
// folder with blanks still finds its script. The dialog waits 2 seconds,
// owned by the background window, which stays hidden without Back Do.
TEST(StartModes, OtherArgumentsStartNormallyFromAFolderWithBlanks)
{
    SetupCopy copy(Script({"[Setup]", "Name=Blank folder", "[Check]", "Desktop=2"}), L"Program Files\\My Tool");
    ULONGLONG start = GetTickCount64();
    SetupRun run(copy, L"Blank folder", L"Remove");
    ASSERT_TRUE(run.dialog);
    EXPECT_GE(GetTickCount64() - start, 1900u);
    EXPECT_TRUE(IsItemChecked(run.dialog, 1006));

    HWND background = Owner(run.dialog);
    ASSERT_TRUE(background);
    EXPECT_EQ(ClassName(background), L"#32770");
    EXPECT_FALSE(IsVisible(background));
    DWORD owner = 0;
    GetWindowThreadProcessId(background, &owner);
    EXPECT_EQ(owner, run.process.Id());

    PressKey(run.dialog, VK_ESCAPE);
    ASSERT_TRUE(run.process.WaitForExit(8000));
    EXPECT_EQ(run.process.ExitCode(), 0u);
}

// Back Do: the background window covers the screen, black until the drawing
// language paints it, behind the dialog.
TEST(StartModes, BackgroundCoversTheScreen)
{
    SetupCopy copy(Script({"[Setup]", "Name=With background", "[Back]", "Do=1"}));
    SetupRun run(copy, L"With background");
    ASSERT_TRUE(run.dialog);
    HWND background = Owner(run.dialog);
    ASSERT_TRUE(background);
    EXPECT_TRUE(IsVisible(background));
    RECT rect, screen;
    GetWindowRect(background, &rect);
    GetWindowRect(GetDesktopWindow(), &screen);
    EXPECT_TRUE(EqualRect(&rect, &screen)) << Describe(rect);

    HDC dc = GetDC(nullptr);
    COLORREF corner = GetPixel(dc, screen.left + 2, screen.top + 2);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(corner, RGB(0, 0, 0));

    ClickItem(run.dialog, IDCANCEL);
    ASSERT_TRUE(run.process.WaitForExit(8000));
    EXPECT_EQ(run.process.ExitCode(), 0u);
}
