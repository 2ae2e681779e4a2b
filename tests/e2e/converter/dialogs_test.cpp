// The dialogs reached from the converter: About box, file dialogs, help.
#include <vector>

#include "templates.h"
#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

namespace {

// Control ids of the common file dialogs.
constexpr int kFileTypeCombo = 0x470; // cmb1
constexpr int kFileNameBox = 0x47c;   // cmb13

// The file dialog the program opened above its main dialog.
HWND FindFileDialog(const Trenvika& app)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(app.process.Id()))
            if (window != app.dialog && ClassName(window) == L"#32770" && Item(window, kFileTypeCombo)) {
                found = window;
                return true;
            }
        return false;
    });
    return found;
}

BOOL CALLBACK FindNameEdit(HWND child, LPARAM result)
{
    if (GetDlgCtrlID(child) == kFileNameBox && ClassName(child) == L"Edit") {
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
    }
    return TRUE;
}

// The edit control of the file name box.
HWND FileNameEdit(HWND fileDialog)
{
    HWND edit = nullptr;
    EnumChildWindows(fileDialog, FindNameEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

std::vector<std::wstring> ComboTexts(HWND combo)
{
    std::vector<std::wstring> texts;
    DWORD_PTR count = 0;
    SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
    for (DWORD_PTR i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &length);
        texts.emplace_back(text);
    }
    return texts;
}

// Any process's message box whose text mentions `part`.
HWND FindMessageBoxMentioning(const std::wstring& part)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(0))
            if (ClassName(window) == L"#32770" && MessageBoxText(window).find(part) != std::wstring::npos) {
                found = window;
                return true;
            }
        return false;
    });
    return found;
}

} // namespace

TEST(Dialogs, AboutBoxFromTheSystemMenu)
{
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    SystemCommand(app.dialog, IDM_ABOUTBOX);
    HWND about = FindDialog(app.process.Id(), kAboutTitle);
    ASSERT_TRUE(about);

    DialogUnits units(kFont, kFontSize);
    SIZE client = ClientSize(about);
    SIZE expected = units.SizeToPixels(155, 87);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);
    RECT ok = ItemRect(about, IDOK);
    RECT want = units.ToPixels(61, 66, 32, 14);
    EXPECT_TRUE(EqualRect(&ok, &want));
    EXPECT_EQ(ItemText(about, IDOK), L"OK");
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(Text(child));
    EXPECT_EQ(texts.at(1), L"Trenvika Version 1.2");

    PressKey(about, VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(IsWindowEnabled(app.dialog)); // back to the converter, which stays
    EXPECT_TRUE(app.ShowsInputs());
    SystemCommand(app.dialog, SC_CLOSE);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Dialogs, BrowseForTheSourceStartsAtTheCurrentPathAndTakesTheChoice)
{
    TempFolder folder;
    std::filesystem::path first = folder / L"first.dxf";
    std::filesystem::path second = folder / L"second.dxf";
    WriteDrawing(first, 1000);
    WriteDrawing(second, 1000);

    Trenvika app;
    ASSERT_TRUE(app.dialog);
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), first.wstring()));
    ClickItem(app.dialog, IDC_BROWSE_SOURCE);
    HWND open = FindFileDialog(app);
    ASSERT_TRUE(open);
    EXPECT_EQ(Text(FileNameEdit(open)), L"first.dxf");
    EXPECT_EQ(ComboTexts(Item(open, kFileTypeCombo)),
              (std::vector<std::wstring>{L"DXFﾌｧｲﾙ (*.dxf)", L"全てのﾌｧｲﾙ (*.*)"}));

    // A file that does not exist is refused by the dialog itself.
    ASSERT_TRUE(SetText(FileNameEdit(open), (folder / L"missing.dxf").wstring()));
    PressKey(open, VK_RETURN);
    HWND refusal = FindMessageBox(app.process.Id());
    ASSERT_TRUE(refusal);
    AnswerMessageBox(refusal, IDOK);
    ASSERT_TRUE(WaitForWindowGone(refusal));

    ASSERT_TRUE(SetText(FileNameEdit(open), second.wstring()));
    PressKey(open, VK_RETURN);
    ASSERT_TRUE(WaitForWindowGone(open));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_SOURCE) == second.wstring(); }));

    // Cancelling changes nothing.
    ClickItem(app.dialog, IDC_BROWSE_SOURCE);
    open = FindFileDialog(app);
    ASSERT_TRUE(open);
    PressKey(open, VK_ESCAPE);
    ASSERT_TRUE(WaitForWindowGone(open));
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), second.wstring());

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Dialogs, BrowseForTheOutputStartsEmptyAndAsksBeforeOverwriting)
{
    TempFolder folder;
    std::filesystem::path existing = folder / L"existing.dxf";
    WriteDrawing(existing, 1000);

    Trenvika app;
    ASSERT_TRUE(app.dialog);
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_OUTPUT), (folder / L"offered.dxf").wstring()));
    ClickItem(app.dialog, IDC_BROWSE_OUTPUT);
    HWND save = FindFileDialog(app);
    ASSERT_TRUE(save);
    EXPECT_EQ(Text(FileNameEdit(save)), L""); // the current output path is not offered

    ASSERT_TRUE(SetText(FileNameEdit(save), existing.wstring()));
    PressKey(save, VK_RETURN);
    HWND question = FindMessageBox(app.process.Id());
    ASSERT_TRUE(question);
    EXPECT_TRUE(Item(question, IDYES) && Item(question, IDNO)); // a question, in the platform's words
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(WaitForWindowGone(save));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_OUTPUT) == existing.wstring(); }));

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Dialogs, HelpAsksTheHelpViewerForTheFileBesideTheProgram)
{
    Trenvika app;
    ASSERT_TRUE(app.dialog);
    ClickItem(app.dialog, ID_HELP);
    // No help file here: the viewer says so in a message box of its own.
    std::wstring helpFile = std::filesystem::path(TRENVIKA_EXE).replace_extension(L".HLP").filename().wstring();
    HWND complaint = FindMessageBoxMentioning(helpFile);
    ASSERT_TRUE(complaint);
    EXPECT_EQ(Text(app.dialog), kTitle); // the dialog is waiting for the viewer, not hung
    AnswerMessageBox(complaint, IDOK);
    ASSERT_TRUE(WaitForWindowGone(complaint));

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    // The viewer was told to quit when the dialog went.
    EXPECT_TRUE(WaitUntil([] { return !FindWindowW(L"MS_WINHELP", nullptr); }, 5000));
}
