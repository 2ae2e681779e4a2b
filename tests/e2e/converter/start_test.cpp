// Start-up: the dialog as it first appears, and the command line.
#include <chrono>
#include <vector>

#include "gtest_wine_frames.h"
#include "templates.h"
#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

// For all tests of this program.
const bool kWineFrames = UseWineFramesDuringTests({L"trenvika.exe"});

namespace {


std::vector<int> ChildIds(HWND dialog)
{
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.push_back(GetDlgCtrlID(child));
    return ids;
}

bool RegistryKeyExists(const wchar_t* path)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

} // namespace

TEST(Start, WithoutArgumentsTheDialogWaitsWithEmptyPathsAndXReference)
{
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(Caption(app.dialog), kTitle);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), L"");
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));
    EXPECT_FALSE(IsItemChecked(app.dialog, IDC_REFERENCE_Y));
    EXPECT_TRUE(app.ShowsInputs());
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_X));
    EXPECT_TRUE(IsItemVisible(app.dialog, ID_HELP));

    // Popup with caption, system menu, minimize box and modal frame; its own taskbar button.
    LONG style = Style(app.dialog);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(ExStyle(app.dialog) & WS_EX_APPWINDOW);

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_EQ(app.process.ExitCode(), 0u);
    // The company key is only named, never written.
    EXPECT_FALSE(RegistryKeyExists(L"Software\\By Harnel"));
}

TEST(Start, TheControlsAppearWhereTheTemplatePlacesThem)
{
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    DialogUnits units(kFont, kFontSize);
    SIZE client = ClientSize(app.dialog);
    SIZE expected = units.SizeToPixels(186, 93);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);

    std::vector<int> order;
    for (const TemplateControl& entry : kConverterControls) {
        SCOPED_TRACE(entry.id);
        order.push_back(entry.id);
        HWND control = Item(app.dialog, entry.id);
        ASSERT_TRUE(control);
        EXPECT_EQ(ClassName(control), entry.className);
        EXPECT_EQ(Text(control), entry.text);
        EXPECT_EQ(IsWindowVisible(control) != 0, (entry.style & WS_VISIBLE) != 0);
        RECT actual = ItemRect(app.dialog, entry.id);
        RECT want = units.ToPixels(entry.x, entry.y, entry.cx, entry.cy);
        EXPECT_EQ(actual.left, want.left);
        EXPECT_EQ(actual.top, want.top);
        if (entry.id == IDC_BROWSE_SOURCE || entry.id == IDC_BROWSE_OUTPUT) {
            // Sized to its 22 x 21 pictures.
            EXPECT_EQ(actual.right - actual.left, 22);
            EXPECT_EQ(actual.bottom - actual.top, 21);
        } else {
            EXPECT_EQ(actual.right, want.right);
            EXPECT_EQ(actual.bottom, want.bottom);
        }
    }
    EXPECT_EQ(ChildIds(app.dialog), order);
    SystemCommand(app.dialog, SC_CLOSE);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Start, OneArgumentFillsTheSourceAndNothingRuns)
{
    TempFolder folder;
    std::filesystem::path source = folder / L"source drawing.dxf";
    WriteDrawing(source, 20000);
    Trenvika app(Quoted(source), (folder / L"").wstring());
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    // A run would show its status within a second.
    Sleep(1500);
    EXPECT_TRUE(app.ShowsInputs());
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / L""), {}), 1);
}

TEST(Start, AnUnterminatedQuoteTakesTheRestOfTheLine)
{
    TempFolder folder;
    std::filesystem::path source = folder / L"in.dxf";
    std::filesystem::path output = folder / L"out.dxf";
    // The would-be second argument belongs to the first: no run starts.
    std::wstring rest = source.wstring() + L"  " + output.wstring();
    Trenvika app(L"\"" + rest);
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), rest);
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    Sleep(1500);
    EXPECT_TRUE(app.ShowsInputs());
    ClickItem(app.dialog, IDCANCEL);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Start, TwoArgumentsConvertAtOnceWithXReferenceAndClose)
{
    TempFolder folder;
    std::filesystem::path source = folder / L"cross section.dxf";
    std::filesystem::path output = folder / L"out.dxf";
    WriteDrawing(source, 400000);
    std::string expected = ConsoleConversion(source, folder / L"");
    ASSERT_FALSE(expected.empty());

    // A quoted path with a blank, then tabs and blanks before the second,
    // which names the output in the program's working folder.
    auto start = std::chrono::steady_clock::now();
    Trenvika app(Quoted(source) + L" \t\t  out.dxf", (folder / L"").wstring());
    ASSERT_TRUE(app.dialog);
    EXPECT_TRUE(app.ShowsStatus()); // started during initialisation, before it was first shown
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"中断");
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"out.dxf");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));

    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    auto summary = std::chrono::steady_clock::now();
    Counters counters = ParseStatus(app.Status());
    EXPECT_GT(counters.writePolyLines, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.dialog); }, 10000));
    auto closed = std::chrono::steady_clock::now();
    EXPECT_TRUE(app.WaitForEnd());

    using ms = std::chrono::milliseconds;
    EXPECT_GE(std::chrono::duration_cast<ms>(summary - start).count(), 900); // the first poll, a second in
    auto pause = std::chrono::duration_cast<ms>(closed - summary).count();
    EXPECT_GE(pause, 900);
    EXPECT_LE(pause, 2500);
    EXPECT_TRUE(ReadBytes(output) == expected) << "the output differs from trenvika-cli's";
}
