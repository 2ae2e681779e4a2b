// The drawn background and the ReadMe viewer, driven as a person would, in
// English (OEM code page 437) and in Japanese (932): ctest runs this program
// in both. The README's pictures of them are taken here.
#include <gtest/gtest.h>

#include "bmp_maker.h"
#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

// The ReadMe viewer of a process: the dialog with the end button.
HWND FindViewer(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs)
{
    return FindWindowWhere(processId, [](HWND w) { return Item(w, 1027) != nullptr; }, timeoutMs);
}

// What the screen shows at a point of a window's client area, 0xRRGGBB.
uint32_t ScreenPixel(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

bool ShowsColour(HWND window, int x, int y, uint32_t colour)
{
    return WaitUntil([&] { return ScreenPixel(window, x, y) == colour; }, 5000);
}

// A script of these lines; `numbered` become the keys 0, 1, ... of the
// section that the lines before them open.
std::string ScriptOf(const std::vector<std::string>& lines, const std::vector<std::string>& numbered = {})
{
    std::string text;
    for (const std::string& line : lines) text += Script({line.c_str()});
    for (size_t i = 0; i < numbered.size(); ++i) text += Script({(std::to_string(i) + "=" + numbered[i]).c_str()});
    return text;
}

} // namespace

// Readme Done 2 with Go Agree: the agreement comes before the setup dialog.
// Agreed, the setup dialog opens without its ReadMe button; the script
// remembers the agreement once a run starts, so after a Cancel it is asked
// again. Declined (its button or Escape), setup ends and the next start
// asks again.
TEST(ReadmeViewer, AgreementDeclinedIsAskedAgain)
{
    SetupCopy copy(Script({"[Setup]", "Name=Trenvika 1.2", "[Go]", "Agree=1", "[Readme]", "Done=2", "File=License.txt"}));
    copy.Put(L"License.txt", Script({Pick("Trenvika 1.2: terms of use", "Trenvika 1.2 使用許諾"), "",
                                     Pick("\tPress \"I agree.\" to accept these terms.",
                                          "\t同意する場合は「同意します」を押してください．")}));
    const DialogUnits units(L"ＭＳ ゴシック", 10);
    enum Way { kCancelButton, kEscape, kAgree };
    for (Way way : {kAgree, kCancelButton, kEscape}) {
        SCOPED_TRACE(way);
        Process setup = Process::Launch(copy.ProgramPath(), L"", std::filesystem::path(copy.ProgramPath()).parent_path());
        HWND viewer = FindViewer(setup.Id());
        ASSERT_TRUE(viewer);
        EXPECT_TRUE(TopLevelWindows(setup.Id(), true).size() == 1); // no setup dialog yet
        ExpectCaptions(viewer, {{1024, Say(L"I &agree.", L"(&A) 同意します")}, {1025, Say(L"&Cancel", L"(&C) 中止")}});
        EXPECT_TRUE(IsItemVisible(viewer, 1024));
        EXPECT_TRUE(IsItemVisible(viewer, 1025));
        EXPECT_FALSE(IsItemVisible(viewer, 1026));
        RECT edit = ItemRect(viewer, 1010);
        EXPECT_EQ(edit.bottom - edit.top, units.ToPixels(0, 0, 333, 196).bottom); // above the buttons
        if (way == kEscape) {
            ScreenshotForReadme(viewer, L"readme-agreement-" + Language() + L".png");
            // Enter, the end button and typing do nothing to an agreement.
            PressKey(viewer, VK_RETURN);
            ClickItem(viewer, 1027);
            PostMessageW(Item(viewer, 1010), WM_CHAR, L'x', 1);
            Sleep(300);
            ASSERT_TRUE(IsWindow(viewer));
            PressKey(viewer, VK_ESCAPE);
        } else {
            ClickItem(viewer, way == kAgree ? 1024 : 1025);
        }
        if (way != kAgree) {
            ASSERT_TRUE(setup.WaitForExit(8000));
            EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"2");
            continue;
        }
        HWND dialog = FindWindowWhere(setup.Id(), [](HWND w) { return Item(w, IDC_FOLDER) != nullptr; });
        ASSERT_TRUE(dialog);
        EXPECT_FALSE(IsItemVisible(dialog, IDC_README));
        ClickItem(dialog, IDCANCEL);
        EXPECT_TRUE(setup.WaitForExit(8000));
        EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"2");
    }
}

// An agreement whose file cannot be read is not shown as an empty page that
// can only be declined: setup says so and ends.
TEST(ReadmeViewer, UnreadableAgreementIsReported)
{
    SetupCopy copy(Script({"[Setup]", "Name=No agreement", "[Go]", "Agree=1", "[Readme]", "Done=2",
                           "File=Missing License.txt"}));
    Process setup = Process::Launch(copy.ProgramPath(), L"", std::filesystem::path(copy.ProgramPath()).parent_path());
    HWND box = FindMessageBox(setup.Id());
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), Say(L"Could not open the agreement...", L"同意書のファイルを開けません．") +
                                       L"\r\n\r\nMissing License.txt\r\n\r\n" +
                                       Say(L"Setup ends.", L"セットアップを終了します．"));
    EXPECT_FALSE(FindViewer(setup.Id(), 0));
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(setup.WaitForExit(8000));
    EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"2");
}

// The background drawn from section Back behind the setup dialog, and the
// drawn pages of a ReadMe: a dark blue install page whose "Next" leads to
// page 2, which draws over it and leads "Back". Page identifiers match as a
// whole and in any case, button actions by their beginning; an identifier
// that no page carries shows the page from the second line.
TEST(ReadmeViewer, DrawnBackgroundAndPages)
{
    // A face of the system's script: character set 128 (Shift-JIS) for Japanese.
    auto font = [](const char* colourAndHeight, const char* weight) {
        return std::string("font,") + colourAndHeight + ",0,0,0," + weight +
               Pick(",0,0,0,0,0,0,0,0,Arial", ",0,0,0,128,0,0,0,0,ＭＳ ゴシック");
    };
    const std::vector<std::string> back = {
        "rect,0,0,%100,%100", "mode,top", "gradation,0,0,255,0,0,0", "mode,right", "bitmap,tile.bmp",
        "mode,bottom", "rect,%5,%5,%90,%90", font("255,255,255,48", "700"),
        Pick("|Trenvika 1.2 Setup", "|Trenvika 1.2 セットアップ"), "height,%2", Pick("|Converts DXF coordinates into 3D polylines.", "|DXF の座標を 3D ポリラインに変換します．"),
    };
    const std::vector<std::string> pages = {
        "page,install,x", "mode,", "fill,128,0,0", "button1,1,Wrong", // not the install page: "install,x" reads 0
        "page,Install", "mode,", "fill,0,0,128", font("255,255,255,24", "700"),
        "mode,bottom", "rect,16,16", Pick("|Welcome", "|ようこそ"), "height,16",
        Pick("|This setup installs the converter.", "|変換プログラムをインストールします．"),
        "button1,2,Next", "button2,none,Skip",
        "page,2", font("255,255,0,16", "400"), "mode,bottom", "rect,16,120",
        Pick("|Page 2 draws over the install page.", "|2 ページ目は前のページの上に描きます．"),
        "button1,installer,Back", "button3,5,Nowhere",
    };
    SetupCopy copy(ScriptOf({"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika", "[Back]", "Do=1"},
                            back) +
                   ScriptOf({"[Readme]", "Done=1", "File=readme.special", "No=" + std::to_string(pages.size())},
                            pages));
    copy.Put(L"tile.bmp", test_bmp::Encode(test_bmp::Checker(8, 48, 32, {0xFFC000, 0xFF8000, 0xFF4000})));

    SetupRun run(copy.ProgramPath(), L"Trenvika 1.2");
    ASSERT_TRUE(run.dialog);
    HWND background = GetWindow(run.dialog, GW_OWNER);
    ASSERT_TRUE(background);
    const int height = ClientSize(background).cy, width = ClientSize(background).cx;
    EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(ScreenPixel(background, 2, 0), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(background, 2, height - 1), 4u);
    EXPECT_EQ(ScreenPixel(background, width - 48, 0), 0xFFC000u);
    ScreenshotForReadme(background, L"setup-background-" + Language() + L".png", 0);

    ClickItem(run.dialog, 3);
    HWND viewer = FindViewer(run.process.Id());
    ASSERT_TRUE(viewer);
    const SIZE client = ClientSize(viewer);
    EXPECT_TRUE(ShowsColour(viewer, client.cx - 4, client.cy / 2, 0x000080));
    ExpectCaptions(viewer, {{1024, L"Next"}, {1025, L"Skip"}, {1027, Say(L"&End readme", L"説明終了(&E)")}});
    EXPECT_TRUE(IsItemVisible(viewer, 1024));
    EXPECT_FALSE(IsItemVisible(viewer, 1025));
    EXPECT_FALSE(IsItemVisible(viewer, 1026));
    EXPECT_TRUE(IsItemVisible(viewer, 1027));
    ScreenshotForReadme(viewer, L"readme-page-" + Language() + L".png");

    // The buttons of a page as a person sees them once the page is up.
    auto buttonsShow = [&](const wchar_t* first, bool third) {
        return WaitUntil([&] { return Caption(Item(viewer, 1024)) == first && IsItemVisible(viewer, 1026) == third; });
    };
    ClickItem(viewer, 1024);
    ASSERT_TRUE(buttonsShow(L"Back", true));
    EXPECT_FALSE(IsItemVisible(viewer, 1025));
    EXPECT_TRUE(ShowsColour(viewer, client.cx - 4, client.cy / 2, 0x000080)); // page 2 paints no background
    EXPECT_TRUE(ShowsColour(viewer, 4, 4, 0x000080));
    ClickItem(viewer, 1024);
    ASSERT_TRUE(buttonsShow(L"Next", false));

    // Page 5 does not exist: the page from the second line, the red one.
    ClickItem(viewer, 1024);
    ASSERT_TRUE(buttonsShow(L"Back", true));
    ClickItem(viewer, 1026);
    ASSERT_TRUE(buttonsShow(L"Wrong", false));
    EXPECT_TRUE(ShowsColour(viewer, 4, 4, 0x800000));

    ClickItem(viewer, 1027);
    ASSERT_TRUE(WaitForWindowGone(viewer));
    EXPECT_TRUE(IsVisible(run.dialog));
    ClickItem(run.dialog, IDCANCEL);
    EXPECT_TRUE(run.process.WaitForExit(8000));
}
