// Start-up: the dialog as it first appears, the dialogs it opens while idle,
// and the command line.
#include <chrono>

#include "gtest_wine_frames.h"
#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

// For all tests of this program.
const bool kWineFrames = UseWineFramesDuringTests({L"trenvika.exe"});

namespace {

// The controls of dialog template 102 in template order, with their places
// in dialog units.
struct Control {
    int id;
    const wchar_t *className, *text;
    int x, y, cx, cy;
};
const Control kControls[] = {
    {IDC_SOURCE_LABEL, L"Static", L"元のDXF", 7, 17, 32, 8},
    {IDC_SOURCE, L"Edit", L"", 44, 14, 116, 14},
    {IDC_BROWSE_SOURCE, L"Button", L"REF_SET", 166, 14, 13, 12},
    {IDC_OUTPUT_LABEL, L"Static", L"変換後", 7, 35, 32, 8},
    {IDC_OUTPUT, L"Edit", L"", 44, 31, 116, 14},
    {IDC_BROWSE_OUTPUT, L"Button", L"REF_SET", 166, 31, 13, 12},
    {IDC_REFERENCE_X, L"Button", L"X基準", 45, 52, 34, 10},
    {IDC_REFERENCE_Y, L"Button", L"Y基準", 90, 52, 34, 10},
    {IDC_STATUS, L"Static", L"", 7, 7, 172, 60},
    {IDOK, L"Button", L"変換", 9, 72, 50, 14},
    {IDCANCEL, L"Button", L"終了", 67, 72, 50, 14},
    {ID_HELP, L"Button", L"ﾍﾙﾌﾟ(&H)", 125, 72, 50, 14},
};

// The file name box (an edit inside cmb13) of the file dialog that the
// program opened over its main dialog.
HWND FileNameBox(const Trenvika& app)
{
    HWND edit = nullptr;
    auto find = [](HWND child, LPARAM result) -> BOOL {
        if (GetDlgCtrlID(child) != 0x47c || ClassName(child) != L"Edit") return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
    };
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(app.process.Id()))
            if (window != app.dialog) EnumChildWindows(window, find, reinterpret_cast<LPARAM>(&edit));
        return edit != nullptr;
    });
    return edit;
}

} // namespace

TEST(Start, WithoutArgumentsTheDialogWaitsAsDefinedWithItsAboutBoxAndFileDialogs)
{
    TempFolder folder;
    std::filesystem::path first = folder / "first.dxf";
    std::filesystem::path second = folder / "second.dxf";
    std::filesystem::copy_file(kSample, first);
    std::filesystem::copy_file(kSample, second);
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), L"");
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));
    EXPECT_FALSE(IsItemChecked(app.dialog, IDC_REFERENCE_Y));
    EXPECT_TRUE(app.ShowsInputs());
    // Popup with caption, system menu, minimize box and modal frame.
    const LONG frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
    EXPECT_EQ(Style(app.dialog) & (frame | WS_MAXIMIZEBOX | WS_THICKFRAME), frame);

    DialogUnits units(kFont, 9);
    SIZE size = units.SizeToPixels(186, 93);
    EXPECT_EQ(ClientSize(app.dialog).cx, size.cx);
    EXPECT_EQ(ClientSize(app.dialog).cy, size.cy);
    HWND child = GetWindow(app.dialog, GW_CHILD);
    for (const Control& control : kControls) {
        SCOPED_TRACE(control.id);
        ASSERT_EQ(GetDlgCtrlID(child), control.id);
        EXPECT_EQ(ClassName(child), control.className);
        EXPECT_EQ(Text(child), control.text);
        RECT actual = ItemRect(app.dialog, control.id);
        RECT want = units.ToPixels(control.x, control.y, control.cx, control.cy);
        if (control.id == IDC_BROWSE_SOURCE || control.id == IDC_BROWSE_OUTPUT)
            SetRect(&want, want.left, want.top, want.left + 22, want.top + 21); // sized to its pictures
        EXPECT_TRUE(EqualRect(&actual, &want)) << actual.left << "," << actual.top << " " << actual.right << ","
                                               << actual.bottom;
        child = GetWindow(child, GW_HWNDNEXT);
    }

    // The About box, from the system menu, over the converter that stays.
    SystemCommand(app.dialog, IDM_ABOUTBOX);
    HWND about = FindDialog(app.process.Id(), L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika");
    ASSERT_TRUE(about);
    size = units.SizeToPixels(155, 87);
    EXPECT_EQ(ClientSize(about).cx, size.cx);
    EXPECT_EQ(ClientSize(about).cy, size.cy);
    EXPECT_EQ(Text(GetWindow(GetWindow(about, GW_CHILD), GW_HWNDNEXT)), L"Trenvika Version 1.2");
    PressKey(about, VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(app.ShowsInputs());

    // The open dialog starts at the current source and takes the choice.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), first.wstring()));
    ClickItem(app.dialog, IDC_BROWSE_SOURCE);
    HWND name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"first.dxf");
    ASSERT_TRUE(SetText(name, second.wstring()));
    HWND open = GetAncestor(name, GA_ROOT);
    PressKey(open, VK_RETURN);
    ASSERT_TRUE(WaitForWindowGone(open));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_SOURCE) == second.wstring(); }));

    // The save dialog does not offer the current output and asks before it
    // replaces a file, in the platform's words.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_OUTPUT), (folder / "offered.dxf").wstring()));
    ClickItem(app.dialog, IDC_BROWSE_OUTPUT);
    name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"");
    ASSERT_TRUE(SetText(name, first.wstring()));
    HWND save = GetAncestor(name, GA_ROOT);
    PressKey(save, VK_RETURN);
    HWND question = FindMessageBox(app.process.Id());
    ASSERT_TRUE(question);
    EXPECT_TRUE(Item(question, IDYES) && Item(question, IDNO));
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(save));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_OUTPUT) == first.wstring(); }));

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_EQ(app.process.ExitCode(), 0u);
}

TEST(Start, OneArgumentFillsTheSourceAndWaits)
{
    TempFolder folder;
    // An unterminated quote takes the rest of the line: one argument, blanks and all.
    std::wstring rest = (folder / "in.dxf").wstring() + L"  out.dxf";
    Trenvika app(L"\"" + rest, folder.Path());
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), rest);
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    Sleep(1500); // a run would have shown its status by now
    EXPECT_TRUE(app.ShowsInputs());
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    ClickItem(app.dialog, IDCANCEL);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(Start, TwoArgumentsConvertAtOnceWithXReferenceAndClose)
{
    TempFolder folder;
    std::filesystem::path source = folder / "cross section.dxf";
    std::filesystem::copy_file(kSample, source);

    // A quoted path with a blank, then tabs and blanks before the second,
    // which names the output in the program's working folder.
    auto start = std::chrono::steady_clock::now();
    Trenvika app(Quoted(source) + L" \t\t  out.dxf", folder.Path());
    ASSERT_TRUE(app.dialog);
    EXPECT_TRUE(app.ShowsStatus()); // started during initialisation, before it was first shown
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"中断");
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"out.dxf");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));

    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    auto summary = std::chrono::steady_clock::now();
    EXPECT_EQ(app.Status(), L"002146 SourceLines\n000146 Points\n000006 PolyLines\n\n000006 WritePolyLines\n\n"
                            L"Terminate Process");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.dialog); }, 10000));
    auto closed = std::chrono::steady_clock::now();
    EXPECT_TRUE(app.WaitForEnd());

    using ms = std::chrono::milliseconds;
    EXPECT_GE(std::chrono::duration_cast<ms>(summary - start).count(), 900); // the first poll, a second in
    auto pause = std::chrono::duration_cast<ms>(closed - summary).count();
    EXPECT_GE(pause, 900);
    EXPECT_LE(pause, 2500);
    EXPECT_TRUE(ReadBytes(folder / "out.dxf") == Golden(L"x")) << "the output differs from trenvika-cli's";
}
