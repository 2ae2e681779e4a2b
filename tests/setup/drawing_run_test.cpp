// The drawing language against a recording canvas: line forms, arguments,
// gradient bands, fills, fonts, flowing text and bitmap placement. (Pixels and
// a drawn ReadMe's pages: tests/e2e/setup; any script: tests/fuzz.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "bitmap_placement.h"
#include "drawing_run.h"

namespace {

const DrawRect kScreen{0, 0, 800, 600};

struct RecordedFill { DrawRect rect; Colour colour; };
struct RecordedText { std::string text; DrawRect rect; unsigned format; };

// Records what the drawing language asks of a surface. Text measures 10
// pixels a byte and 20 a line; files come from a map.
class RecordingCanvas : public DrawingCanvas {
public:
    std::vector<RecordedFill> fills;
    std::vector<RecordedText> texts; // drawn, not measured
    std::vector<FontDescription> fonts;
    std::vector<Colour> textColours;
    std::map<std::string, std::string> files;

    void Fill(const DrawRect& rect, Colour colour) override { fills.push_back({rect, colour}); }
    void SetTextColour(Colour colour) override { textColours.push_back(colour); }
    void ReplaceFont(const FontDescription& font) override { fonts.push_back(font); }
    void PutText(const char* text, size_t length, DrawRect& rect, unsigned format) override
    {
        std::string s(text, length);
        if (!(format & kTextMeasure)) return texts.push_back({s, rect, format});
        size_t lines = 1, longest = 0, current = 0;
        for (char c : s) {
            if (c == '\n' && !(format & kTextSingleLine)) ++lines, current = 0;
            else if (c != '\r') longest = std::max(longest, ++current);
        }
        rect.right = rect.left + static_cast<int32_t>(10 * longest);
        rect.bottom = rect.top + static_cast<int32_t>(20 * lines);
    }
    bool ReadFile(const char* name, FileBytes& file) override
    {
        auto found = files.find(name);
        if (found == files.end()) return false;
        file.size = found->second.size();
        file.data.reset(new unsigned char[file.size + 1]);
        std::memcpy(file.data.get(), found->second.c_str(), file.size + 1);
        return true;
    }
    void PlayMetafile(const FileBytes&, const DrawRect&) override {}
    bool PrepareBitmap(const FileBytes&, const BmpLayout&) override { return true; }
    void CopyBitmap(int32_t, int32_t) override {}
    void StretchBitmap(const DrawRect&) override {}
    void ReleaseBitmap() override {}
};

DrawingState Draw(RecordingCanvas& canvas, std::initializer_list<const char*> lines, DrawRect area = kScreen)
{
    DrawingRun run(canvas, area);
    for (const char* line : lines)
        if (!run.Line(line)) break;
    return run.State();
}

std::tuple<int, int, int, int> Edges(const DrawRect& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace

// The screen from blue toward black: 64 bands of 9 or 10 pixels, then black
// the current colour. The bands of every mode, and their number: at least 2,
// no more than the pixels crossed in rectangle and area, whatever is asked.
TEST(Gradation, BandsOfEveryModeAndTheirNumber)
{
    RecordingCanvas screen;
    EXPECT_EQ(Draw(screen, {"rect,0,0,%100,%100", "mode,top", "gradation,0,0,255,0,0,0"}).colour, 0u);
    ASSERT_EQ(screen.fills.size(), 64u);
    int top = 0;
    for (int i = 0; i < 64; ++i) {
        const DrawRect& band = screen.fills[i].rect;
        EXPECT_EQ(Edges(band), std::make_tuple(0, top, 800, band.bottom)) << i;
        EXPECT_TRUE(band.bottom - band.top == 9 || band.bottom - band.top == 10) << i;
        EXPECT_EQ(screen.fills[i].colour, MakeColour(0, 0, 255 - i * 255 / 64)) << i; // the last 4
        top = band.bottom;
    }
    EXPECT_EQ(top, 600);

    using E = std::tuple<int, int, int, int>;
    const std::pair<const char*, std::vector<E>> modes[] = {
        {"mode,bottom", {{10, 58, 110, 70}, {10, 45, 110, 58}, {10, 33, 110, 45}, {10, 20, 110, 33}}},
        {"mode,center", {{10, 20, 110, 70}, {22, 26, 98, 64}, {35, 32, 85, 58}, {47, 38, 73, 52}}},
        {"mode,point", {}}, // no direction: only the colour changes
    };
    for (const auto& [mode, bands] : modes) {
        SCOPED_TRACE(mode);
        RecordingCanvas canvas;
        EXPECT_EQ(Draw(canvas, {"rect,10,20,110,70", mode, "gradation,0,0,0,200,100,40,4"}).colour,
                  MakeColour(200, 100, 40));
        ASSERT_EQ(canvas.fills.size(), bands.size());
        for (int i = 0; i < int(bands.size()); ++i) {
            EXPECT_EQ(Edges(canvas.fills[i].rect), bands[i]) << i;
            EXPECT_EQ(canvas.fills[i].colour, MakeColour(200 * i / 4, 100 * i / 4, 40 * i / 4)) << i;
        }
    }

    const std::tuple<const char*, const char*, const char*, size_t> counts[] = {
        {"rect,0,0,%100,%100", "mode,top", "gradation,255,255,255,0,0,0,1", 2},
        {"rect,0,0,%100,%100", "mode,bottom", "gradation,255,255,255", 64},
        {"rect,0,0,%100,%100", "mode,center", "gradation,255,255,255,0,0,0,100000", 800},
        {"rect,0,0,100000000,1", "mode,left", "gradation,0,0,0,255,255,255,99999999999", 800}, // wider than the area
    };
    for (const auto& [rect, mode, line, bands] : counts) {
        RecordingCanvas canvas;
        Draw(canvas, {rect, mode, line});
        EXPECT_EQ(canvas.fills.size(), bands) << rect << " " << line;
    }
    // The whole 32-bit range in one rectangle: bands stay inside it.
    RecordingCanvas wide;
    Draw(wide, {"rect,-2147483648,0,2147483647,1", "mode,right", "gradation,0,0,0,255,255,255,3"});
    ASSERT_EQ(wide.fills.size(), 3u);
    EXPECT_EQ(Edges(wide.fills[0].rect), std::make_tuple(715827882, 0, 2147483647, 1));
    EXPECT_EQ(Edges(wide.fills[2].rect), std::make_tuple(-2147483648, 0, -715827883, 1));
}

// The line forms: a bare "page" is ignored, "page," ends the run; "|" lines
// draw as "string", commas included; unknown words are ignored; lines are cut
// to 259 bytes like the script's values. Rectangles in percent of the area or
// moved by their corner; fill colours default to the current one's parts.
TEST(Lines, FormsRectanglesAndFills)
{
    RecordingCanvas canvas;
    const std::string longText = "|" + std::string(300, 'a');
    DrawingState state = Draw(canvas, {"mode,rect", "rect,%33.3,0,100,20", "RECT,0", "page", "circle,1,2", "", "x",
                                      "|Hello, world", "String,Hello, world", longText.c_str(),
                                      "gradation,0,0,0,0,128,255", "fill,255", "rect,5,6,7,8", "fill,1,2", "mode,",
                                      "fill,9", "mode,left", "fill,7", "pAgE,2", "fill,0,255"});
    ASSERT_EQ(canvas.texts.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(canvas.texts[i].text, "Hello, world");
        EXPECT_EQ(canvas.texts[i].format, kTextSingleLine);
        EXPECT_EQ(Edges(canvas.texts[i].rect), std::make_tuple(0, 0, 100, 20));
    }
    EXPECT_EQ(canvas.texts[2].text.size(), 258u);
    ASSERT_EQ(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[0].colour, MakeColour(255, 128, 255));
    EXPECT_EQ(Edges(canvas.fills[1].rect), std::make_tuple(5, 6, 7, 8));
    EXPECT_EQ(canvas.fills[1].colour, MakeColour(1, 2, 255));
    EXPECT_EQ(Edges(canvas.fills[2].rect), std::make_tuple(0, 0, 800, 600));
    EXPECT_EQ(state.colour, MakeColour(7, 2, 255));
    RecordingCanvas percent;
    EXPECT_EQ(Edges(Draw(percent, {"rect,%33.3,1,2,3"}).rect), std::make_tuple(266, 1, 2, 3));
}

// The sixteen fields of a font in their order, the face name after the
// sixteenth comma (commas included, 31 bytes kept, never half a
// double-byte character); a "height" before any "font": the defaults.
TEST(Font, FieldsAndFaceName)
{
    RecordingCanvas canvas;
    std::string japanese = "font,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";
    for (int i = 0; i < 16; ++i) japanese += "\x82\xA0"; // Shift-JIS hiragana
    const std::string longName = "font,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0," + std::string(40, 'F');
    Draw(canvas, {"height,%10", "font,1,2,3,40,5,6,7,700,1,1,1,384,4,5,6,49,Face, with, commas", "font,255",
                  longName.c_str(), japanese.c_str()});
    ASSERT_EQ(canvas.fonts.size(), 5u);
    EXPECT_EQ(std::make_tuple(canvas.fonts[0].height, canvas.fonts[0].charSet), std::make_tuple(60, 1));
    for (const FontDescription& f : {canvas.fonts[1], canvas.fonts[2]}) { // "font,255" keeps the other fields
        EXPECT_EQ(std::make_tuple(f.height, f.width, f.escapement, f.orientation, f.weight, f.italic, f.underline,
                                  f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision, f.quality, f.pitchAndFamily),
                  std::make_tuple(40, 5, 6, 7, 700, 1, 1, 1, 128, 4, 5, 6, 49));
        EXPECT_STREQ(f.faceName, "Face, with, commas");
    }
    EXPECT_EQ(canvas.textColours.at(1), MakeColour(255, 2, 3));
    EXPECT_EQ(std::string(canvas.fonts[3].faceName), std::string(31, 'F'));
    EXPECT_EQ(std::strlen(canvas.fonts[4].faceName), 30u);
}

// Flowing text: bottom mode puts each item below the last at the same left,
// right mode beside it at the same top; the other modes draw no text. A
// text file ends at a NUL; a missing one draws nothing.
TEST(Text, FlowAndModes)
{
    RecordingCanvas canvas;
    canvas.files["note.txt"] = "ab\r\nlonger\r\n";
    DrawingState state = Draw(canvas, {"rect,10,20,300,400", "mode,bottom", "string,one", "text,note.txt",
                                      "mode,right", "|xy", "|z", "mode,top", "|no", "text,note.txt"});
    ASSERT_EQ(canvas.texts.size(), 4u);
    EXPECT_EQ(Edges(canvas.texts[0].rect), std::make_tuple(10, 20, 40, 40));
    EXPECT_EQ(canvas.texts[0].format, kTextNoClip | kTextSingleLine);
    EXPECT_EQ(Edges(canvas.texts[1].rect), std::make_tuple(10, 40, 70, 100));
    EXPECT_EQ(canvas.texts[1].format, kTextNoClip);
    EXPECT_EQ(canvas.texts[1].text, "ab\r\nlonger\r\n");
    EXPECT_EQ(Edges(canvas.texts[2].rect), std::make_tuple(10, 100, 30, 120));
    EXPECT_EQ(Edges(canvas.texts[3].rect), std::make_tuple(30, 100, 40, 120));
    EXPECT_EQ(Edges(state.rect), std::make_tuple(40, 100, 40, 120));

    RecordingCanvas rect;
    rect.files["note.txt"] = std::string("before\0after", 12);
    Draw(rect, {"mode,rect", "rect,1,2,3,4", "text,note.txt", "text,missing.txt"});
    ASSERT_EQ(rect.texts.size(), 1u);
    EXPECT_EQ(rect.texts[0].text, "before");
    EXPECT_EQ(rect.texts[0].format, 0u);
}

// Where the copies of a bitmap go in each mode (their pixels, at a point
// and stretched: the ReadMe viewer's test in tests/e2e/setup). A bitmap
// without area is not tiled at all.
TEST(Bitmap, PlacementByMode)
{
    using P = std::tuple<int64_t, int64_t, int64_t, int64_t>; // first x, first y, columns, rows
    const DrawRect current{30, 40, 500, 400};
    const std::pair<DrawingMode, P> cases[] = {
        {DrawingMode::Point, {30, 40, 1, 1}},    {DrawingMode::Left, {0, 0, 1, 12}},
        {DrawingMode::Top, {0, 0, 8, 1}},        {DrawingMode::Right, {700, 0, 1, 12}},
        {DrawingMode::Bottom, {0, 550, 8, 1}},   {DrawingMode::Center, {350, 275, 1, 1}},
        {DrawingMode::WholeArea, {0, 0, 8, 12}},
    };
    for (const auto& [mode, copies] : cases) {
        BitmapPlacement p = PlaceBitmap(mode, current, kScreen, 100, 50);
        EXPECT_EQ(P(p.firstX, p.firstY, p.columns, p.rows), copies) << static_cast<int>(mode);
        EXPECT_TRUE(!p.stretch && p.stepX == 100 && p.stepY == 50) << static_cast<int>(mode);
    }
    EXPECT_EQ(PlaceBitmap(DrawingMode::Center, current, kScreen, 1000, 50).firstX, -100); // wider than the area
    for (auto [w, h] : {std::pair{0, 50}, {100, 0}, {-5, 50}}) {
        BitmapPlacement none = PlaceBitmap(DrawingMode::WholeArea, current, kScreen, w, h);
        EXPECT_TRUE(none.columns * none.rows == 0 && !none.stretch);
    }
}
