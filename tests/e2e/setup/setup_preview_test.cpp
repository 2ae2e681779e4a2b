// setup-preview on scripts of its own, its pictures read back pixel by pixel:
// the background, drawn pages with their buttons where the viewer's template
// places them, an agreement, setup's texts in both languages, the errors.
// ctest runs it in English (437) and in Japanese (932).
#include <gtest/gtest.h>

#include <gdiplus.h>

#include <algorithm>

#include "bmp_maker.h"
#include "setup_session.h"

using namespace setup_e2e;

namespace {

struct Result { DWORD status; std::string out, err; };

// setup-preview as a user types it at the command prompt.
Result Preview(const std::wstring& arguments)
{
    TempFolder logs;
    std::wstring program = SETUP_PREVIEW_EXE, out = logs / L"out", err = logs / L"err";
    std::replace(program.begin(), program.end(), L'/', L'\\');
    // cmd /c takes off the outer quotes.
    int status = _wsystem((L"\"\"" + program + L"\" " + arguments + L" >\"" + out + L"\" 2>\"" + err + L"\"\"").c_str());
    return {static_cast<DWORD>(status), ReadBytes(out), ReadBytes(err)};
}

std::wstring Quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

// A picture file read by GDI+; pixels as 0xRRGGBB.
struct Picture {
    explicit Picture(const std::filesystem::path& path)
    {
        static const ULONG_PTR gdiplus = [] {
            Gdiplus::GdiplusStartupInput input;
            ULONG_PTR token = 0;
            return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok ? token : 0;
        }();
        bitmap = std::make_unique<Gdiplus::Bitmap>(path.wstring().c_str());
        EXPECT_TRUE(gdiplus && bitmap->GetLastStatus() == Gdiplus::Ok) << path;
    }
    std::pair<UINT, UINT> Size() const { return {bitmap->GetWidth(), bitmap->GetHeight()}; }
    uint32_t At(int x, int y) const
    {
        Gdiplus::Color colour;
        bitmap->GetPixel(x, y, &colour);
        return colour.GetValue() & 0xFFFFFF;
    }
    template <class Where> int Count(const RECT& r, Where where) const
    {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += where(x, y);
        return count;
    }
    int Differences(const Picture& o, const RECT& r) const
    {
        return Count(r, [&](int x, int y) { return At(x, y) != o.At(x, y); });
    }
    std::unique_ptr<Gdiplus::Bitmap> bitmap;
};

const e2e::DialogUnits kViewerUnits(L"ＭＳ ゴシック", 10); // the font of the viewer's template

// Buttons 1 to 3 and the end button, from the viewer's template.
RECT ButtonRect(int i)
{
    return i < 3 ? kViewerUnits.ToPixels(1 + 94 * i, 199, 92, 14) : kViewerUnits.ToPixels(283, 199, 50, 14);
}

// A shown button covers exactly its rectangle on `page`; a hidden one shows the page.
void ExpectButton(const Picture& p, int index, bool shown, uint32_t page)
{
    const RECT r = ButtonRect(index);
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    for (POINT in : {POINT{r.left + 3, midY}, POINT{r.right - 1, midY}, POINT{midX, r.top}, POINT{midX, r.bottom - 1}})
        EXPECT_EQ(p.At(in.x, in.y) != page, shown) << "button " << index << " at " << in.x << "," << in.y;
    for (POINT out : {POINT{r.left - 1, midY}, POINT{r.right, midY}, POINT{midX, r.top - 1}})
        EXPECT_EQ(p.At(out.x, out.y), page) << "button " << index << " at " << out.x << "," << out.y;
}

} // namespace

// A gradient, a bitmap and a title behind the dialog; a dark blue install page
// whose "Next" leads to page 2, a yellow square over it; page 7, which no
// button reaches. --lang changes setup's texts (the end button), not the pictures.
TEST(SetupPreview, BackgroundAndPagesInBothLanguages)
{
    TempFolder folder;
    WriteBytes(folder / "in" / "Setup.ini",
               Script({"[Back]", "Do=1", "0=rect,0,0,%100,%100", "1=mode,top", "2=gradation,0,0,255,0,0,0", "3=mode,right",
                       "4=bitmap,tile.bmp", "5=mode,bottom", "6=rect,%5,%5", "7=font,255,255,255,48,0,0,0,700",
                       GetOEMCP() == 932 ? "8=|Trenvika セットアップ" : "8=|Trenvika Setup", "[Readme]",
                       "File=ReadMe.Special", "No=14", "0=page,install", "1=mode,", "2=fill,0,0,128", "3=button1,2,Next",
                       "4=button2,none,Skip", "5=page,2", "6=mode,rect", "7=rect,16,120,64,160", "8=fill,255,255,0",
                       "9=button1,install,Back", "10=button3,7,On", "11=page,7", "12=mode,", "13=fill,0,128,0"}));
    WriteBytes(folder / "in" / "tile.bmp", test_bmp::Encode(test_bmp::Checker(24, 48, 32, {0xFFC000})));
    for (std::wstring lang : {L"en", L"ja"}) {
        Result run = Preview(L"--size 800x600 --lang " + lang + L" " + Quoted(folder / "in") + L" " +
                             Quoted(folder / lang));
        ASSERT_EQ(run.status, 0u) << run.err;
        EXPECT_NE(run.out.find("readme-2.png: page 2; reached by install > 2"), std::string::npos) << run.out;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / lang), {}), 4); // each opened below
    }
    const Picture back(folder / "en" / "background.png"), install(folder / "en" / "readme-install.png"),
        two(folder / "en" / "readme-2.png"), seven(folder / "en" / "readme-7.png"),
        twoJa(folder / "ja" / "readme-2.png");
    ASSERT_EQ(back.Size(), std::pair(800u, 600u));
    EXPECT_EQ(back.At(2, 0), 0x0000FFu);
    EXPECT_EQ(back.At(2, 599), 4u); // the last of 64 bands
    EXPECT_EQ(back.At(800 - 48, 0), 0xFFC000u);
    EXPECT_GT(back.Count({40, 30, 400, 100}, [&](int x, int y) { return back.At(x, y) == 0xFFFFFF; }), 100);
    EXPECT_EQ(Picture(folder / "ja" / "background.png").Differences(back, {0, 0, 800, 600}), 0);

    const SIZE client = kViewerUnits.SizeToPixels(335, 215);
    ASSERT_EQ(install.Size(), std::pair(UINT(client.cx), UINT(client.cy)));
    EXPECT_EQ(install.At(client.cx - 4, 4), 0x000080u);
    EXPECT_EQ(two.At(40, 140), 0xFFFF00u);
    EXPECT_EQ(two.At(client.cx - 4, 4), 0x000080u); // the install page beneath
    for (int i = 0; i < 4; ++i) {
        ExpectButton(install, i, i == 0 || i == 3, 0x000080);
        ExpectButton(two, i, i != 1, 0x000080);
        ExpectButton(seven, i, i == 3, 0x008000);
    }
    EXPECT_GT(two.Differences(twoJa, ButtonRect(3)), 20);
    EXPECT_EQ(two.Differences(twoJa, {0, 0, client.cx, ButtonRect(3).top}), 0);
    EXPECT_EQ(two.Differences(twoJa, {0, ButtonRect(0).top, ButtonRect(3).left, client.cy}), 0);
}

// A plain-text agreement: the text above the agree and cancel buttons,
// whose words follow --lang; BMP files when asked.
TEST(SetupPreview, AgreementWithItsButtons)
{
    TempFolder folder;
    WriteBytes(folder / "in" / "Setup.ini", Script({"[Go]", "Agree=1", "[Readme]", "File=docs\\License.txt"}));
    WriteBytes(folder / "in" / "License.txt", "Terms of use\r\n");
    for (std::wstring lang : {L"ja", L"en"}) {
        Result run =
            Preview(L"--format bmp --lang " + lang + L" " + Quoted(folder / "in") + L" " + Quoted(folder / lang));
        ASSERT_EQ(run.status, 0u) << run.err;
        EXPECT_NE(run.out.find("readme.bmp: the agreement docs\\License.txt"), std::string::npos) << run.out;
    }
    const Picture ja(folder / "ja" / "readme.bmp"), en(folder / "en" / "readme.bmp");
    const RECT edit = kViewerUnits.ToPixels(0, 0, 333, 196);
    const uint32_t dialog = en.At(edit.right / 2, edit.bottom + 1); // below the edit control
    EXPECT_NE(en.At(edit.right / 2, edit.bottom / 2), dialog);
    for (int i = 0; i < 4; ++i) ExpectButton(en, i, i < 2, dialog);
    EXPECT_GT(en.Differences(ja, ButtonRect(0)), 20);
    EXPECT_GT(en.Differences(ja, ButtonRect(1)), 20);
    EXPECT_EQ(en.Differences(ja, {0, 0, edit.right, edit.bottom}), 0);
}

TEST(SetupPreview, ErrorsSayWhatIsWrong)
{
    TempFolder folder;
    std::filesystem::create_directories(folder / "empty");
    WriteBytes(folder / "in" / "Setup.ini", Script({"[Back]", "0=fill,1,2,3"}));
    WriteBytes(folder / "file", "");
    std::filesystem::create_directories(folder / "taken" / "background.png");
    const std::tuple<std::wstring, DWORD, const char*> cases[] = {
        {L"", 1, "FOLDER and OUTPUT-FOLDER are missing"},
        {L"--size 800 a b", 1, "--size takes WIDTHxHEIGHT"},
        {L"--lang fr a b", 1, "--lang takes ja or en, not fr"},
        {L"--size 8x8 --verbose a b", 1, "unknown option --verbose"},
        {Quoted(folder / "none") + L" out", 2, "no folder"},
        {Quoted(folder / "empty") + L" out", 2, "Setup.ini"},
        {Quoted(folder / "in") + L" " + Quoted(folder / "file" / "sub"), 3, "is a file"},
        {Quoted(folder / "in") + L" " + Quoted(folder / "taken"), 3, "background.png: "}};
    for (const auto& [arguments, status, says] : cases) {
        Result run = Preview(arguments);
        EXPECT_EQ(run.status, status) << Utf8(arguments);
        EXPECT_EQ(run.err.rfind("setup-preview: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    }
    Result help = Preview(L"--help");
    EXPECT_EQ(help.status, 0u);
    EXPECT_EQ(help.out.rfind("Usage: setup-preview [--size WIDTHxHEIGHT]", 0), 0u);
}
