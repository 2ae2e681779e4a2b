// The drawing language on real GDI surfaces under Wine: the pixels of a
// 32-bit DIB section after gradients, fills, bitmaps of every bit count in
// every placement, a metafile and flowing text.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "back_screen.h"
#include "bmp_maker.h"
#include "drawing_script.h"
#include "test_files.h"

namespace {

// A top-down 32-bit DIB section selected into a memory surface.
class Surface {
public:
    Surface(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~Surface()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    RECT Area() const { return {0, 0, m_width, m_height}; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // 0xRRGGBB.
    uint32_t Pixel(int x, int y) const
    {
        GdiFlush();
        return m_bits[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF;
    }
    void Draw(const std::vector<std::string>& lines, const std::string& baseFolder = "")
    {
        RunDrawingScript(m_dc, Area(), baseFolder.c_str(), lines);
    }
    // The smallest rectangle around the pixels that are not `background`
    // within `region`; empty when there are none.
    RECT Ink(const RECT& region, uint32_t background = 0) const
    {
        RECT ink = {region.right, region.bottom, region.left, region.top};
        for (int y = region.top; y < region.bottom; ++y)
            for (int x = region.left; x < region.right; ++x)
                if (Pixel(x, y) != background) {
                    ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                           std::max<LONG>(ink.bottom, y + 1)};
                }
        return IsRectEmpty(&ink) ? RECT{} : ink;
    }

private:
    int m_width, m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    uint32_t* m_bits = nullptr;
};

// An image of 6 × 4 pixels whose colours differ from pixel to pixel as
// far as the bit count allows.
test_bmp::Image Pattern(int bits, bool topDown = false)
{
    test_bmp::Image image{bits, 6, 4, {}, {}, topDown};
    int colours = bits == 24 ? 0 : 1 << bits;
    for (int i = 0; i < std::min(colours, 24); ++i) image.palette.push_back((0x102030u * (i + 1) ^ (i & 1 ? 0xFF0000 : 0xFF)) & 0xFFFFFF);
    for (int i = 0; i < 24; ++i) image.pixels.push_back(bits == 24 ? (0x0A0B0Cu * (i + 1)) & 0xFFFFFF : i % colours);
    return image;
}

uint32_t ColourAt(const test_bmp::Image& image, int x, int y)
{
    uint32_t v = image.pixels[static_cast<size_t>(y) * image.width + x];
    return image.bits == 24 ? v : image.palette[v];
}

std::string Hex(uint32_t colour)
{
    char text[16];
    snprintf(text, sizeof text, "%06X", colour);
    return text;
}

// Every pixel of the surface is what `expected` says.
void ExpectPixels(const Surface& s, const std::function<uint32_t(int, int)>& expected, const std::string& what)
{
    int wrong = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) != expected(x, y) && ++wrong <= 3)
                ADD_FAILURE() << what << ": pixel " << x << "," << y << " is " << Hex(s.Pixel(x, y)) << ", not "
                              << Hex(expected(x, y));
    EXPECT_EQ(wrong, 0) << what;
}

} // namespace

TEST(DrawingOnGdi, GradientAndFill)
{
    Surface s(800, 600);
    s.Draw({"rect,0,0,%100,%100", "mode,top", "gradation,0,0,255,0,0,0"});
    ExpectPixels(s, [](int, int y) {
        int band = 0;
        while ((band + 1) * 600 / 64 <= y) ++band;
        return static_cast<uint32_t>(255 - band * 255 / 64);
    }, "top gradient");
    EXPECT_EQ(s.Pixel(400, 599), 4u);

    // A fill of the rectangle; none in point mode.
    s.Draw({"mode,rect", "rect,100,50,300,150", "fill,255,128,255", "mode,point", "fill,1,2,3"});
    EXPECT_EQ(s.Ink({100, 50, 300, 150}, 0xFF80FF).right, 0);
    EXPECT_EQ(s.Pixel(99, 50), 255u - 5 * 255 / 64);
}

TEST(DrawingOnGdi, BitmapsOfEveryBitCountInEveryPlacement)
{
    TempFolder folder;
    const int W = 40, H = 30;
    struct Placement {
        const char* mode;
        std::function<bool(int, int, int&, int&)> source; // surface pixel -> bitmap pixel, if covered
    };
    auto tile = [](int x0, int y0, bool repeatX, bool repeatY) {
        return [=](int x, int y, int& sx, int& sy) {
            if (x < x0 || y < y0 || (!repeatX && x >= x0 + 6) || (!repeatY && y >= y0 + 4)) return false;
            sx = (x - x0) % 6;
            sy = (y - y0) % 4;
            return true;
        };
    };
    const Placement placements[] = {
        {"mode,point", tile(3, 5, false, false)},
        {"mode,left", tile(0, 0, false, true)},
        {"mode,top", tile(0, 0, true, false)},
        {"mode,right", tile(W - 6, 0, false, true)},
        {"mode,bottom", tile(0, H - 4, true, false)},
        {"mode,center", tile((W - 6) / 2, (H - 4) / 2, false, false)},
        {"mode,", tile(0, 0, true, true)},
        {"mode,rect", [](int x, int y, int& sx, int& sy) { // stretched twice: 12 × 8 at (3, 5)
             if (x < 3 || y < 5 || x >= 15 || y >= 13) return false;
             sx = (x - 3) / 2;
             sy = (y - 5) / 2;
             return true;
         }},
    };
    for (int bits : {1, 4, 8, 24}) {
        for (bool topDown : {false, true}) {
            test_bmp::Image image = Pattern(bits, topDown);
            std::string file = folder.Write("p.bmp", test_bmp::Encode(image));
            for (const Placement& p : placements) {
                std::string what = std::to_string(bits) + " bits" + (topDown ? " top-down " : " ") + p.mode;
                Surface s(W, H);
                s.Draw({"rect,3,5,15,13", p.mode, "bitmap," + file});
                ExpectPixels(s, [&](int x, int y) {
                    int sx, sy;
                    return p.source(x, y, sx, sy) ? ColourAt(image, sx, sy) : 0u;
                }, what);
            }
        }
    }
}

TEST(DrawingOnGdi, MetafileStretchedIntoTheRectangle)
{
    TempFolder folder;
    std::string path = folder.Path("halves.emf");
    HDC recorder = CreateEnhMetaFileA(nullptr, path.c_str(), nullptr, nullptr);
    ASSERT_TRUE(recorder);
    RECT left = {0, 0, 50, 100}, right = {50, 0, 100, 100};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(recorder, &left, red);
    FillRect(recorder, &right, blue);
    DeleteEnhMetaFile(CloseEnhMetaFile(recorder));
    DeleteObject(red);
    DeleteObject(blue);

    Surface s(200, 100);
    s.Draw({"rect,20,10,120,60", "meta," + path, "mode,rect", "meta," + path});
    EXPECT_EQ(s.Pixel(40, 35), 0xFF0000u);
    EXPECT_EQ(s.Pixel(100, 35), 0x0000FFu);
    EXPECT_EQ(s.Pixel(10, 5), 0u); // outside the rectangle

    s.Draw({"mode,", "meta," + path});
    EXPECT_EQ(s.Pixel(10, 90), 0xFF0000u);
    EXPECT_EQ(s.Pixel(190, 90), 0x0000FFu);
}

// Bottom mode puts the second line below the first at the same left; right
// mode puts it beside the first. The run leaves the surface's own font
// selected, a transparent background and the last text colour.
TEST(DrawingOnGdi, FlowingText)
{
    Surface s(400, 200);
    HGDIOBJ ownFont = GetCurrentObject(s.Dc(), OBJ_FONT);
    const std::string font = "font,255,255,255,20,0,0,0,400,0,0,0,0,0,0,0,0,";
    s.Draw({font, "rect,10,10,400,200", "mode,bottom", "|MMMM", "string,WWW, WW"});
    int lineHeight = 0;
    {
        HFONT measuring = CreateFontA(20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "");
        HGDIOBJ old = SelectObject(s.Dc(), measuring);
        SIZE size;
        GetTextExtentPoint32A(s.Dc(), "M", 1, &size);
        lineHeight = size.cy;
        SelectObject(s.Dc(), old);
        DeleteObject(measuring);
    }
    ASSERT_GT(lineHeight, 10);
    RECT first = s.Ink({0, 0, 400, 10 + lineHeight});
    RECT second = s.Ink({0, 10 + lineHeight, 400, 200});
    EXPECT_GE(first.left, 10);
    EXPECT_LT(first.left, 15);
    EXPECT_GE(second.left, 10);
    EXPECT_LT(second.left, 15);
    EXPECT_GT(second.top, first.bottom - 2);
    EXPECT_GT(second.right, first.right); // "WWW, WW" is wider: the comma is drawn too
    EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_FONT), ownFont);
    EXPECT_EQ(GetBkMode(s.Dc()), TRANSPARENT);
    EXPECT_EQ(GetTextColor(s.Dc()), RGB(255, 255, 255));

    Surface row(400, 100);
    row.Draw({font, "rect,10,10,400,100", "mode,right", "|MMMM", "|MMMM"});
    RECT all = row.Ink(row.Area());
    RECT firstWord = row.Ink({0, 0, all.left + (all.right - all.left) / 2 - 2, 100});
    EXPECT_GE(all.left, 10);
    EXPECT_LT(all.bottom - all.top, lineHeight + 2); // one line
    EXPECT_NEAR(all.right - all.left, 2 * (firstWord.right - firstWord.left), 6);
}

// File arguments: against the base folder, else as written from the
// current folder. Section Back is read up to its first empty key.
TEST(DrawingOnGdi, FilesAndTheBackSection)
{
    TempFolder folder;
    folder.Write("red.bmp", test_bmp::Encode(test_bmp::Checker(24, 4, 4, {0xFF0000})));
    folder.Write("Setup.ini", "[Back]\r\n0=mode,\r\n1=fill,0,0,255\r\n2=mode,point\r\n3=bitmap,red.bmp\r\n"
                              "4=\r\n5=fill,0,255,0\r\n");
    Surface s(20, 20);
    DrawBackScreen(s.Dc(), s.Area(), folder.Path().c_str(), folder.Path("Setup.ini").c_str());
    EXPECT_EQ(s.Pixel(2, 2), 0xFF0000u);
    EXPECT_EQ(s.Pixel(10, 10), 0x0000FFu);

    // A text file larger than 64 MiB is not read: nothing is drawn.
    std::string big = folder.Path("big.txt");
    folder.Write("big.txt", "MMMM");
    HANDLE file = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    size.QuadPart = (int64_t{64} << 20) + 1;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    Surface text(100, 40);
    text.Draw({"font,255,255,255,20,0,0,0,400,0,0,0,0,0,0,0,0,", "mode,rect", "rect,0,0,100,40", "text,big.txt"},
              folder.Path());
    EXPECT_EQ(text.Ink(text.Area()).right, 0);
    folder.Write("small.txt", "MMMM");
    text.Draw({"font,255,255,255,20,0,0,0,400,0,0,0,0,0,0,0,0,", "mode,rect", "rect,0,0,100,40", "text,small.txt"},
              folder.Path());
    EXPECT_GT(text.Ink(text.Area()).right, 0);

    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(folder.Path().c_str());
    Surface here(20, 20);
    here.Draw({"rect,8,8", "bitmap,red.bmp"}, "C:\\no such folder");
    SetCurrentDirectoryA(current);
    EXPECT_EQ(here.Pixel(9, 9), 0xFF0000u);
    EXPECT_EQ(here.Pixel(2, 2), 0u);
}
