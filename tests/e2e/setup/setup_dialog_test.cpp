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

// A control's template rectangle in dialog units, moved up by `rowsUp`
// option rows and made `rowsShorter` rows shorter.
struct Place {
    int id;
    int x, y, width, height;
    int rowsUp = 0;
    int rowsShorter = 0;
};

// A script and the dialog that it should give.
struct Shape {
    const wchar_t* title;
    std::string script;
    const wchar_t* folder;    // the install folder proposed
    const wchar_t* group;     // the installer-file group's caption
    std::vector<int> hidden;
    std::vector<int> checked; // of the option checkboxes; the others are not
    std::vector<Place> places;
    int rowsCut;              // from the dialog's height
};

bool Holds(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// A rectangle as gtest can print it.
std::tuple<LONG, LONG, LONG, LONG> Corners(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

// "remove" is the removal copy: it makes no window, not even the background
// that its script asks for, reads no script, ends after 5 seconds and has
// its program deleted. "Remove" is a normal start, here from a folder with
// blanks.
TEST(StartModes, ExactArgumentText)
{
    const std::string script = Script({"[Setup]", "Name=Start", "[Back]", "Do=1", "[Check]", "Desktop=2"});
    SetupCopy removal(script);
    SetupCopy normal(script, L"Program Files\\My Tool");
    ULONGLONG start = GetTickCount64();
    Process remove = Process::Launch(removal.ProgramPath(), L"remove");
    SetupRun run(normal.ProgramPath(), L"Start", L"Remove");
    ASSERT_TRUE(run.dialog);
    EXPECT_TRUE(IsItemChecked(run.dialog, 1006));
    EXPECT_TRUE(TopLevelWindows(remove.Id(), false).empty());
    ClickItem(run.dialog, IDCANCEL);

    ASSERT_TRUE(remove.WaitForExit(10000));
    EXPECT_GE(GetTickCount64() - start, 4900u);
    EXPECT_EQ(remove.ExitCode(), 0u);
    EXPECT_EQ(ReadBytes(removal.ScriptPath()), script);
    EXPECT_TRUE(WaitUntil([&] { return !Exists(removal.ProgramPath()); }));
    EXPECT_TRUE(run.process.WaitForExit(8000));
}

// Options hidden by the script free their rows; the rows that both columns
// can spare are cut from the dialog. Cancel empties Menu Change.
TEST(SetupDialog, ShapesOfTheScripts)
{
    const Shape shapes[] = {
        {L"Menu three",
         Script({"[Setup]", "Name=Menu three", "[Root]", "Name=Menu Three", "[Menu]", "Change=C:\\Picked",
                 "[Check]", "Menu=3", "Desktop=1", "Startup=1", "Ext=1", "Send=1", "Copy=2", "Del=1",
                 "[Readme]", "Done=1", "[CopyFile]", "Self=bin\\Tool.exe"}),
         L"C:\\Menu Three", L"Tool.exe", {1004, 1021}, {1004, 1009},
         {{1006, 7, 63, 82, 10, 1}, {1012, 7, 115, 83, 10, 1}, {1010, 106, 72, 70, 10}, {1022, 98, 41, 86, 49},
          {IDOK, 7, 136, 48, 14, 1}, {3, 111, 136, 48, 14, 1}},
         1},
        {L"Three rows",
         Script({"[Setup]", "Name=Three rows", "[Root]", "Name=%programs%\\Three Rows", "[Menu]", "Change=C:\\Picked",
                 "[Check]", "Menu=0", "Desktop=2", "Startup=1", "Ext=0", "Send=0", "Copy=1", "Del=0",
                 "[Readme]", "Done=1"}),
         L"C:\\Program Files\\Three Rows", L"Installer", {1004, 1021, 1011, 1012, 1010}, {1006},
         {{1006, 7, 63, 82, 10, 1}, {1005, 7, 81, 83, 10, 1}, {1009, 106, 54, 70, 10}, {1022, 98, 41, 86, 49, 0, 1},
          {IDOK, 7, 136, 48, 14, 3}, {3, 111, 136, 48, 14, 3}},
         3},
        {L"Bare",
         Script({"[Setup]", "Name=Bare", "[Root]", "Name=Bare", "[Menu]", "Change=C:\\Picked"}),
         L"C:\\Bare", L"Installer", {1004, 1021, 1006, 1005, 1011, 1012, 1022, 1009, 1010, 3}, {},
         {{IDOK, 7, 136, 48, 14, 5}, {IDCANCEL, 58, 136, 48, 14, 5}},
         5},
    };
    SetupLayout layout;
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(Narrow(shape.title));
        SetupCopy copy(shape.script);
        SetupRun run(copy.ProgramPath(), shape.title);
        ASSERT_TRUE(run.dialog);
        HWND d = run.dialog;
        EXPECT_EQ(Caption(Item(d, 1022)), shape.group);
        EXPECT_EQ(ItemText(d, 1007), shape.folder);
        // Root Name becomes the folder's last part; looking for an earlier
        // installation leaves nothing in the uninstall list.
        std::wstring name = copy.Value(L"Root", L"Name");
        EXPECT_EQ(std::wstring(shape.folder).substr(std::wstring(shape.folder).rfind(L'\\') + 1), name);
        EXPECT_FALSE(IsRegistered(name));

        for (int id : {1004, 1021, 1006, 1005, 1011, 1012, 1022, 1009, 1010, IDOK, IDCANCEL, 3})
            EXPECT_EQ(IsItemVisible(d, id), !Holds(shape.hidden, id)) << "item " << id;
        for (int id : {1004, 1006, 1005, 1011, 1012, 1009, 1010})
            EXPECT_EQ(IsItemChecked(d, id), Holds(shape.checked, id)) << "item " << id;
        for (const Place& place : shape.places) {
            RECT expected = layout.At(place.x, place.y, place.width, place.height, place.rowsUp);
            expected.bottom -= place.rowsShorter * layout.RowHeight();
            EXPECT_EQ(Corners(ItemRect(d, place.id)), Corners(expected)) << "item " << place.id;
        }
        EXPECT_EQ(ClientSize(d).cy, layout.ClientHeight(shape.rowsCut));

        ClickItem(d, IDCANCEL);
        ASSERT_TRUE(run.process.WaitForExit(8000));
        EXPECT_EQ(copy.Value(L"Menu", L"Change"), L"");
    }
}
