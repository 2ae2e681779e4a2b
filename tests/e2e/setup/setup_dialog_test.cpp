// The setup dialog driven as a person would (English texts: OEM code page
// 437): the start modes and the dialog's shape for scripts of several kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// How far a control stands from its place in the full dialog.
struct Move { int id, rowsUp = 0, rowsShorter = 0; };

// A script and the dialog that it should give.
struct Shape {
    const wchar_t* title;
    const char* rootName;
    std::string script;
    const wchar_t* folder;    // the install folder proposed
    const wchar_t* group;     // the installer-file group's caption
    std::vector<int> hidden, checked; // checked: of the option checkboxes; the others are not
    std::vector<Move> moves;
    int rowsCut;              // from the dialog's height
    int starts = 1;           // started and cancelled so many times
};

bool Holds(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

// A rectangle as gtest can print it.
std::tuple<LONG, LONG, LONG, LONG> Corners(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

} // namespace

// Options hidden by the script free their rows; rows both columns can spare
// are cut from the dialog. Cancel empties Menu Change, nothing else: the next
// start proposes the same folder. Meanwhile a removal copy ("remove") makes no
// window, not even its script's background, reads no script, ends after 5 s and
// has its program deleted; "Remove" is a normal start, from a folder with blanks.
TEST(SetupDialog, StartModesAndShapesOfTheScripts)
{
    const FullDialog& full = FullDialog::Get();
    const std::string removalScript = Script({"[Setup]", "Name=Start", "[Back]", "Do=1", "[Check]", "Desktop=2"});
    SetupCopy removal(removalScript);
    ULONGLONG start = GetTickCount64();
    Process remove = Process::Launch(removal.ProgramPath(), L"remove");

    const Shape shapes[] = {
        {L"Three rows", "%programs%\\Three Rows",
         Script({"[Setup]", "Name=Three rows", "[Root]", "Name=%programs%\\Three Rows", "[Menu]", "Change=C:\\Picked",
                 "[Check]", "Menu=0", "Desktop=2", "Startup=1", "Ext=0", "Send=0", "Copy=1", "Del=0",
                 "[Readme]", "Done=1"}),
         L"C:\\Program Files\\Three Rows", L"Installer",
         {IDC_MENU, IDC_MENU_FOLDER, IDC_EXT, IDC_SEND, IDC_DELETE_AFTER}, {IDC_DESKTOP},
         {{IDC_DESKTOP, 1}, {IDC_STARTUP, 1}, {IDC_COPY}, {IDC_FILE_GROUP, 0, 1}, {IDOK, 3}, {IDC_README, 3}},
         3, 2},
        {L"Menu three", "Menu Three",
         Script({"[Setup]", "Name=Menu three", "[Root]", "Name=Menu Three", "[Menu]", "Change=C:\\Picked",
                 "[Check]", "Menu=3", "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=2", "Del=1",
                 "[Readme]", "Done=1", "[CopyFile]", "Self=bin\\Tool.exe"}),
         L"C:\\Menu Three", L"Tool.exe", {IDC_MENU, IDC_MENU_FOLDER}, {IDC_MENU, IDC_COPY},
         {{IDC_DESKTOP, 1}, {IDC_SEND, 1}, {IDC_DELETE_AFTER}, {IDC_FILE_GROUP}, {IDOK, 1}, {IDC_README, 1}},
         1},
        {L"Bare", "Bare", Script({"[Setup]", "Name=Bare", "[Root]", "Name=Bare", "[Menu]", "Change=C:\\Picked"}),
         L"C:\\Bare", L"Installer",
         {IDC_MENU, IDC_MENU_FOLDER, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_FILE_GROUP, IDC_COPY,
          IDC_DELETE_AFTER, IDC_README},
         {}, {{IDOK, 5}, {IDCANCEL, 5}},
         5},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(Utf8(shape.title));
        SetupCopy copy(shape.script, &shape == shapes ? L"Program Files\\My Tool" : L"setup");
        for (int start = 1; start <= shape.starts; ++start) {
            SetupRun run(copy.ProgramPath(), shape.title, &shape == shapes && start == 1 ? L"Remove" : L"");
            ASSERT_TRUE(run.dialog);
            HWND d = run.dialog;
            if (&shape == shapes && start == 1) { // the removal copy waits, without a window
                EXPECT_TRUE(remove.Running() && TopLevelWindows(remove.Id(), false).empty());
            }
            EXPECT_EQ(Caption(Item(d, IDC_FILE_GROUP)), shape.group);
            EXPECT_EQ(ItemText(d, IDC_FOLDER), shape.folder) << "start " << start;
            // Looking for an earlier installation leaves nothing in the uninstall list.
            std::wstring folder = shape.folder;
            EXPECT_FALSE(IsRegistered(folder.substr(folder.rfind(L'\\') + 1)));

            for (int id : {IDC_MENU, IDC_MENU_FOLDER, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_FILE_GROUP,
                           IDC_COPY, IDC_DELETE_AFTER, IDOK, IDCANCEL, IDC_README})
                EXPECT_EQ(IsItemVisible(d, id), !Holds(shape.hidden, id)) << "item " << id;
            for (int id : {IDC_MENU, IDC_DESKTOP, IDC_STARTUP, IDC_EXT, IDC_SEND, IDC_COPY, IDC_DELETE_AFTER})
                EXPECT_EQ(IsItemChecked(d, id), Holds(shape.checked, id)) << "item " << id;
            for (const Move& move : shape.moves)
                EXPECT_EQ(Corners(ItemRect(d, move.id)), Corners(full.At(move.id, move.rowsUp, move.rowsShorter)))
                    << "item " << move.id;
            EXPECT_EQ(ClientSize(d).cy, full.ClientHeight(shape.rowsCut));

            ClickItem(d, IDCANCEL);
            ASSERT_TRUE(run.process.WaitForExit(8000));
            EXPECT_EQ(copy.Value(L"Menu", L"Change"), L"");
            EXPECT_EQ(Utf8(copy.Value(L"Root", L"Name")), shape.rootName);
        }
    }

    ASSERT_TRUE(remove.WaitForExit(10000));
    EXPECT_GE(GetTickCount64() - start, 4900u);
    EXPECT_EQ(remove.ExitCode(), 0u);
    EXPECT_EQ(ReadBytes(removal.ScriptPath()), removalScript);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(removal.ProgramPath()); }));
}
