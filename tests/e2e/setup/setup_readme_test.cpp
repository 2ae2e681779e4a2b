// The drawn background and the ReadMe viewer's agreement and drawn pages,
// driven as a person would, in English (OEM code page 437) and in Japanese
// (932): ctest runs this program in both. The README's pictures of them are
// taken here. (The plain-text viewer is part of the install round trip.)
#include <gtest/gtest.h>

#include "bmp_maker.h"
#include "setup_session.h"

using namespace e2e;
using namespace setup_e2e;

namespace {

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

} // namespace

// Readme Done 2 with Go Agree: the agreement comes before the setup dialog,
// which then has no ReadMe button. It is remembered once a run starts, so it
// is asked again after a Cancel, and after a decline (button or Escape), which
// ends setup. An unreadable file is reported, not shown as an empty page.
TEST(ReadmeViewer, AgreementAskedAgainUntilARunStarts)
{
    SetupCopy copy(
        Script({"[Setup]", "Name=Trenvika 1.2", "[Go]", "Agree=1", "[Readme]", "Done=2", "File=License.txt"}));
    copy.Put(L"License.txt", Script({Pick("Trenvika 1.2: terms of use", "Trenvika 1.2 使用許諾"), "",
                                     Pick("\tPress \"I agree.\" to accept these terms.",
                                          "\t同意する場合は「同意します」を押してください．")}));
    enum Way { kCancelButton, kEscape, kAgree };
    for (Way way : {kAgree, kCancelButton, kEscape}) {
        SCOPED_TRACE(way);
        Process setup = Process::Launch(copy.ProgramPath(), L"", copy.Folder());
        HWND viewer = FindReadmeViewer(setup.Id());
        ASSERT_TRUE(viewer);
        EXPECT_TRUE(TopLevelWindows(setup.Id(), true).size() == 1); // no setup dialog yet
        ExpectCaptions(viewer, {{IDC_README_BUTTON1, Say(L"I &agree.", L"(&A) 同意します")},
                                {IDC_README_BUTTON2, Say(L"&Cancel", L"(&C) 中止")}});
        EXPECT_FALSE(IsItemVisible(viewer, IDC_README_BUTTON3));
        EXPECT_LE(ItemRect(viewer, IDC_README_TEXT).bottom, ItemRect(viewer, IDC_README_BUTTON1).top);
        if (way == kEscape) {
            ScreenshotForReadme(viewer, L"readme-agreement-" + Language() + L".png");
            // Enter, the end button and typing do nothing to an agreement.
            PressKey(viewer, VK_RETURN);
            ClickItem(viewer, IDC_README_END);
            PostMessageW(Item(viewer, IDC_README_TEXT), WM_CHAR, L'x', 1);
            Sleep(300);
            ASSERT_TRUE(IsWindow(viewer));
            PressKey(viewer, VK_ESCAPE);
        } else {
            ClickItem(viewer, way == kAgree ? IDC_README_BUTTON1 : IDC_README_BUTTON2);
        }
        if (way == kAgree) {
            HWND dialog = FindWindowWhere(setup.Id(), [](HWND w) { return Item(w, IDC_FOLDER) != nullptr; });
            ASSERT_TRUE(dialog);
            EXPECT_FALSE(IsItemVisible(dialog, IDC_README));
            ClickItem(dialog, IDCANCEL);
        }
        ASSERT_TRUE(setup.WaitForExit(8000));
        EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"2");
    }

    std::filesystem::remove(copy.Folder() + L"\\License.txt");
    Process setup = Process::Launch(copy.ProgramPath(), L"", copy.Folder());
    HWND box = FindMessageBox(setup.Id());
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), Say(L"Could not open the agreement...", L"同意書のファイルを開けません．") +
                                       L"\r\n\r\nLicense.txt\r\n\r\n" + Say(L"Setup ends.", L"セットアップを終了します．"));
    EXPECT_FALSE(FindReadmeViewer(setup.Id(), 0));
    AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(setup.WaitForExit(8000));
    EXPECT_EQ(copy.Value(L"Readme", L"Done"), L"2");
}

// The background drawn from section Back behind the setup dialog, and a
// ReadMe's drawn pages: a dark blue install page whose "Next" leads to page 2,
// which draws its pictures over it and leads "Back". Page identifiers match
// whole and in any case, button actions by their beginning; an unknown one
// shows the page from the second line. Files are found beside setup.
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
        Pick("|Trenvika 1.2 Setup", "|Trenvika 1.2 セットアップ"), "height,%2",
        Pick("|Converts DXF coordinates into 3D polylines.", "|DXF の座標を 3D ポリラインに変換します．"),
    };
    std::vector<std::string> pages = {
        "page,install,x", "mode,", "fill,128,0,0", "button1,1,Wrong", // not the install page: "install,x" reads 0
        "page,Install", "mode,", "fill,0,0,128", font("255,255,255,24", "700"),
        "mode,bottom", "rect,16,16", Pick("|Welcome", "|ようこそ"), "height,16",
        Pick("|This setup installs the converter.", "|変換プログラムをインストールします．"),
        "button1,2,Next", "button2,none,Skip",
        "page,2", font("255,255,0,16", "400"), "mode,bottom", "rect,16,120",
        Pick("|Page 2 draws over the install page.", "|2 ページ目は前のページの上に描きます．"),
        "button1,installer,Back", "button3,5,Nowhere", "mode,point",
    };
    // Page 2's pictures: bitmaps of every bit count, bottom-up and top-down,
    // at a point; one stretched twice over a rectangle; a metafile.
    const test_bmp::Image images[] = {test_bmp::Pattern(1, false), test_bmp::Pattern(4, true),
                                      test_bmp::Pattern(8, false), test_bmp::Pattern(24, true)};
    for (int i = 0; i < 4; ++i)
        pages.insert(pages.end(),
                     {"rect," + std::to_string(20 + 20 * i) + ",160", "bitmap," + std::to_string(i) + ".bmp"});
    pages.insert(pages.end(),
                 {"mode,rect", "rect,100,160,112,168", "bitmap,3.bmp", "rect,130,160,170,180", "meta,m.emf"});
    SetupCopy copy(Script({"[Setup]", "Name=Trenvika 1.2", "[Root]", "Name=%programs%\\Trenvika", "[Back]", "Do=1"},
                          back) +
                   Script({"[Readme]", "Done=1", "File=readme.special", "No=" + std::to_string(pages.size())}, pages));
    copy.Put(L"tile.bmp", test_bmp::Encode(test_bmp::Checker(8, 48, 32, {0xFFC000, 0xFF8000, 0xFF4000})));
    for (int i = 0; i < 4; ++i) copy.Put(std::to_wstring(i) + L".bmp", test_bmp::Encode(images[i]));
    HDC recorder = CreateEnhMetaFileW(nullptr, (copy.Folder() + L"\\m.emf").c_str(), nullptr, nullptr);
    for (auto [left, colour] : {std::pair{0, RGB(255, 0, 0)}, {50, RGB(0, 0, 255)}}) { // halves, red and blue
        RECT half = {left, 0, left + 50, 100};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(recorder, &half, brush);
        DeleteObject(brush);
    }
    DeleteEnhMetaFile(CloseEnhMetaFile(recorder));

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

    ClickItem(run.dialog, IDC_README);
    HWND viewer = FindReadmeViewer(run.process.Id());
    ASSERT_TRUE(viewer);
    const SIZE client = ClientSize(viewer);
    EXPECT_TRUE(ShowsColour(viewer, client.cx - 4, client.cy / 2, 0x000080));
    ExpectCaptions(viewer, {{IDC_README_BUTTON1, L"Next"}, {IDC_README_BUTTON2, L"Skip"},
                            {IDC_README_END, Say(L"&End readme", L"説明終了(&E)")}});
    EXPECT_TRUE(IsItemVisible(viewer, IDC_README_BUTTON1) && IsItemVisible(viewer, IDC_README_END));
    EXPECT_FALSE(IsItemVisible(viewer, IDC_README_BUTTON2) || IsItemVisible(viewer, IDC_README_BUTTON3));
    ScreenshotForReadme(viewer, L"readme-page-" + Language() + L".png");

    // The buttons of a page as a person sees them once the page is up.
    auto buttonsShow = [&](const wchar_t* first, bool third) {
        return WaitUntil([&] {
            return Caption(Item(viewer, IDC_README_BUTTON1)) == first &&
                   IsItemVisible(viewer, IDC_README_BUTTON3) == third;
        });
    };
    ClickItem(viewer, IDC_README_BUTTON1);
    ASSERT_TRUE(buttonsShow(L"Back", true));
    EXPECT_FALSE(IsItemVisible(viewer, IDC_README_BUTTON2));
    EXPECT_TRUE(ShowsColour(viewer, client.cx - 4, client.cy / 2, 0x000080)); // page 2 paints no background
    EXPECT_TRUE(ShowsColour(viewer, 4, 4, 0x000080));
    for (int i = 0; i < 4; ++i)
        for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {5, 3}})
            EXPECT_TRUE(ShowsColour(viewer, 20 + 20 * i + x, 160 + y, test_bmp::ColourAt(images[i], x, y)))
                << images[i].bits << " bits, pixel " << x << "," << y;
    for (auto [x, y] : {std::pair{0, 0}, {5, 3}})
        EXPECT_TRUE(ShowsColour(viewer, 101 + 2 * x, 161 + 2 * y, test_bmp::ColourAt(images[3], x, y))) << "stretched";
    EXPECT_TRUE(ShowsColour(viewer, 140, 170, 0xFF0000) && ShowsColour(viewer, 160, 170, 0x0000FF)) << "metafile";
    ClickItem(viewer, IDC_README_BUTTON1);
    ASSERT_TRUE(buttonsShow(L"Next", false));

    // Page 5 does not exist: the page from the second line, the red one.
    ClickItem(viewer, IDC_README_BUTTON1);
    ASSERT_TRUE(buttonsShow(L"Back", true));
    ClickItem(viewer, IDC_README_BUTTON3);
    ASSERT_TRUE(buttonsShow(L"Wrong", false));
    EXPECT_TRUE(ShowsColour(viewer, 4, 4, 0x800000));

    ClickItem(viewer, IDC_README_END);
    ASSERT_TRUE(WaitForWindowGone(viewer));
    EXPECT_TRUE(IsVisible(run.dialog));
    ClickItem(run.dialog, IDCANCEL);
    EXPECT_TRUE(run.process.WaitForExit(8000));
}
