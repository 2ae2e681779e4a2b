// The drawing language against a recording canvas: line forms, arguments,
// gradient bands, fills, fonts, flowing text and bitmap placement.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "bitmap_placement.h"
#include "bmp_maker.h"
#include "drawing_run.h"
#include "emf_records.h"
#include "gradation.h"
#include "recording_canvas.h"

namespace {

const DrawRect kScreen{0, 0, 800, 600};

DrawingState Draw(RecordingCanvas& canvas, std::initializer_list<const char*> lines, DrawRect area = kScreen)
{
    DrawingRun run(canvas, area);
    for (const char* line : lines)
        if (!run.Line(line)) break;
    return run.State();
}

// The smallest enhanced metafile: its header record and the end record.
std::string EmptyMetafile()
{
    std::string emf(88 + 20, '\0');
    test_bmp::Put32(emf, 0, 1);         // EMR_HEADER
    test_bmp::Put32(emf, 4, 88);
    test_bmp::Put32(emf, 40, 0x464D4520);
    test_bmp::Put32(emf, 48, 108);      // bytes
    test_bmp::Put32(emf, 52, 2);        // records
    test_bmp::Put32(emf, 88, 14);       // EMR_EOF
    test_bmp::Put32(emf, 92, 20);
    test_bmp::Put32(emf, 104, 20);
    return emf;
}

std::tuple<int, int, int, int> Edges(const DrawRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

// 64 bands of 9 or 10 pixels from blue at the top toward black; the last
// band is blue 4, and the current colour ends as black.
TEST(Gradation, TheScreenFromBlueTowardBlack)
{
    RecordingCanvas canvas;
    DrawingState state = Draw(canvas, {"rect,0,0,%100,%100", "mode,top", "gradation,0,0,255,0,0,0"});
    ASSERT_EQ(canvas.fills.size(), 64u);
    int top = 0;
    for (size_t i = 0; i < canvas.fills.size(); ++i) {
        const RecordedFill& band = canvas.fills[i];
        EXPECT_EQ(Edges(band.rect), std::make_tuple(0, top, 800, band.rect.bottom)) << i;
        int height = band.rect.bottom - band.rect.top;
        EXPECT_TRUE(height == 9 || height == 10) << i;
        EXPECT_EQ(band.colour, MakeColour(0, 0, 255 - static_cast<int>(i) * 255 / 64)) << i;
        top = band.rect.bottom;
    }
    EXPECT_EQ(top, 600);
    EXPECT_EQ(canvas.fills.back().colour, MakeColour(0, 0, 4));
    EXPECT_EQ(state.colour, 0u);
}

TEST(Gradation, BandsOfEveryMode)
{
    using E = std::tuple<int, int, int, int>;
    const struct {
        const char* mode;
        std::vector<E> bands;
    } cases[] = {
        {"mode,left", {{10, 20, 35, 70}, {35, 20, 60, 70}, {60, 20, 85, 70}, {85, 20, 110, 70}}},
        {"mode,top", {{10, 20, 110, 32}, {10, 32, 110, 45}, {10, 45, 110, 57}, {10, 57, 110, 70}}},
        {"mode,right", {{85, 20, 110, 70}, {60, 20, 85, 70}, {35, 20, 60, 70}, {10, 20, 35, 70}}},
        {"mode,bottom", {{10, 58, 110, 70}, {10, 45, 110, 58}, {10, 33, 110, 45}, {10, 20, 110, 33}}},
        {"mode,center", {{10, 20, 110, 70}, {22, 26, 98, 64}, {35, 32, 85, 58}, {47, 38, 73, 52}}},
        // No direction: only the current colour changes.
        {"mode,point", {}},
        {"mode,rect", {}},
        {"mode,", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        RecordingCanvas canvas;
        DrawingState state = Draw(canvas, {"rect,10,20,110,70", c.mode, "gradation,0,0,0,200,100,40,4"});
        ASSERT_EQ(canvas.fills.size(), c.bands.size());
        for (size_t i = 0; i < c.bands.size(); ++i) {
            EXPECT_EQ(Edges(canvas.fills[i].rect), c.bands[i]) << i;
            int k = static_cast<int>(i);
            EXPECT_EQ(canvas.fills[i].colour, MakeColour(200 * k / 4, 100 * k / 4, 40 * k / 4)) << i;
        }
        EXPECT_EQ(state.colour, MakeColour(200, 100, 40));
    }
}

// At least 2 steps; no more than the pixels crossed in the rectangle and in
// the area, however many are asked for.
TEST(Gradation, StepCounts)
{
    const struct {
        const char* mode;
        const char* line;
        size_t bands;
    } cases[] = {
        {"mode,top", "gradation,255,255,255,0,0,0,1", 2},
        {"mode,top", "gradation,255,255,255,0,0,0,-7", 2},
        {"mode,top", "gradation,255,255,255,0,0,0,2147483647", 600},
        {"mode,left", "gradation,255,255,255,0,0,0,99999999999", 800},
        {"mode,center", "gradation,255,255,255,0,0,0,100000", 800},
        {"mode,bottom", "gradation,255,255,255", 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        RecordingCanvas canvas;
        Draw(canvas, {"rect,0,0,%100,%100", c.mode, c.line});
        EXPECT_EQ(canvas.fills.size(), c.bands);
    }
    // A rectangle far wider than the area: no more bands than the area has pixels.
    RecordingCanvas huge;
    Draw(huge, {"rect,0,0,100000000,1", "mode,left", "gradation,0,0,0,255,255,255,2147483647"});
    EXPECT_EQ(huge.fills.size(), 800u);
    // The whole 32-bit range in one rectangle: bands stay inside it.
    RecordingCanvas wide;
    Draw(wide, {"rect,-2147483648,0,2147483647,1", "mode,right", "gradation,0,0,0,255,255,255,3"});
    ASSERT_EQ(wide.fills.size(), 3u);
    EXPECT_EQ(Edges(wide.fills[0].rect), std::make_tuple(715827882, 0, 2147483647, 1));
    EXPECT_EQ(Edges(wide.fills[2].rect), std::make_tuple(-2147483648, 0, -715827883, 1));
}

TEST(Rect, ValuesAndPercentages)
{
    const struct {
        const char* line;
        std::tuple<int, int, int, int> rect;
    } cases[] = {
        {"rect,%50", {400, 2, 3, 4}},
        {"rect,%33.3", {266, 2, 3, 4}},
        {"rect,10,20", {10, 20, 3, 4}},                  // two values move only the top-left corner
        {"rect,,,,", {0, 0, 0, 0}},                      // empty values read 0
        {"RECT,%50,%50,%100,%100", {400, 300, 800, 600}},
        {"rect, %50,%-10,+7x,%1e300", {0, -60, 7, 2147483647}}, // a blank before "%": an integer
        {"rect,99999999999,-99999999999,%nan,%.5e2", {2147483647, -2147483648, 0, 300}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        EXPECT_EQ(Edges(Draw(canvas, {"rect,1,2,3,4", c.line}).rect), c.rect) << c.line;
    }
}

// A bare "page" is ignored; "page," ends the run. "|" lines draw as
// "string" draws, commas included; unknown words are ignored.
TEST(Lines, FormsAndCommandWords)
{
    RecordingCanvas canvas;
    DrawingState state = Draw(canvas, {"mode,rect", "rect,0,0,100,20", "page", "circle,1,2", "", "x",
                                      "|Hello, world", "String,Hello, world", "Fill,255", "pAgE,2", "fill,0,255"});
    ASSERT_EQ(canvas.texts.size(), 2u);
    for (const RecordedText& t : canvas.texts) {
        EXPECT_EQ(t.text, "Hello, world");
        EXPECT_EQ(t.format, kTextSingleLine);
        EXPECT_EQ(Edges(t.rect), std::make_tuple(0, 0, 100, 20));
    }
    ASSERT_EQ(canvas.fills.size(), 1u);
    EXPECT_EQ(state.colour, MakeColour(255, 0, 0));

    // A line is cut to 259 bytes, as the script's values are.
    RecordingCanvas cut;
    std::string text = "|" + std::string(300, 'a');
    DrawingRun run(cut, kScreen);
    run.Line("mode,rect");
    run.Line(text.c_str());
    ASSERT_EQ(cut.texts.size(), 1u);
    EXPECT_EQ(cut.texts[0].text.size(), 258u);
}

TEST(Fill, ColourAndModes)
{
    RecordingCanvas canvas;
    DrawingState state = Draw(canvas, {"gradation,0,0,0,0,128,255", "fill,255", "mode,rect", "rect,5,6,7,8",
                                      "fill,1,2", "mode,", "fill,256,257,-1", "mode,left", "fill,9"});
    EXPECT_EQ(state.colour, MakeColour(9, 1, 255));
    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(Edges(canvas.fills[0].rect), std::make_tuple(5, 6, 7, 8));
    EXPECT_EQ(canvas.fills[0].colour, MakeColour(1, 2, 255));
    EXPECT_EQ(Edges(canvas.fills[1].rect), std::make_tuple(0, 0, 800, 600));
    EXPECT_EQ(canvas.fills[1].colour, MakeColour(0, 1, 255));

    RecordingCanvas first;
    EXPECT_EQ(Draw(first, {"gradation,0,0,0,0,128,255", "fill,255"}).colour, MakeColour(255, 128, 255));
}

TEST(Font, FieldsColourAndFaceName)
{
    RecordingCanvas canvas;
    const std::string emptyFace = "font,0,0,0,10" + std::string(13, ','); // sixteen commas
    DrawingState state = Draw(canvas, {
        "height,%10", // before any "font": the description's defaults, this height
        "font,1,2,3,40,5,6,7,700,1,1,1,384,4,5,6,49,Face, with, commas",
        "font,255",   // keeps green, blue and every field, makes the font again
        emptyFace.c_str(),
    });
    ASSERT_EQ(canvas.fonts.size(), 4u);
    EXPECT_EQ(canvas.fonts[0].height, 60);
    EXPECT_EQ(canvas.fonts[0].charSet, 1);
    EXPECT_STREQ(canvas.fonts[0].faceName, "");

    const FontDescription& f = canvas.fonts[1];
    EXPECT_EQ(std::make_tuple(f.height, f.width, f.escapement, f.orientation, f.weight),
              std::make_tuple(40, 5, 6, 7, 700));
    EXPECT_EQ(std::make_tuple(f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision,
                              f.quality, f.pitchAndFamily),
              std::make_tuple(1, 1, 1, 128, 4, 5, 6, 49));
    EXPECT_STREQ(f.faceName, "Face, with, commas");
    EXPECT_STREQ(canvas.fonts[2].faceName, "Face, with, commas");
    EXPECT_EQ(canvas.fonts[2].weight, 700);
    EXPECT_STREQ(canvas.fonts[3].faceName, ""); // a sixteenth comma: the name is what follows, nothing
    EXPECT_EQ(canvas.fonts[3].width, 0);
    ASSERT_EQ(canvas.textColours.size(), 3u);
    EXPECT_EQ(canvas.textColours[1], MakeColour(255, 2, 3));
    EXPECT_EQ(state.colour, 0u);

    // A longer face name keeps 31 bytes, never half a double-byte character.
    RecordingCanvas longName;
    std::string ascii = "font,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0," + std::string(40, 'F');
    std::string japanese = "font,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";
    for (int i = 0; i < 16; ++i) japanese += "\x82\xA0"; // Shift-JIS hiragana
    Draw(longName, {ascii.c_str(), japanese.c_str()});
    EXPECT_EQ(std::string(longName.fonts[0].faceName), std::string(31, 'F'));
    EXPECT_EQ(std::strlen(longName.fonts[1].faceName), 30u);
}

// Flowing text: bottom mode puts each item below the last at the same left,
// right mode beside it at the same top; the other modes draw no text.
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

TEST(Bitmap, PlacementByMode)
{
    using P = std::tuple<int64_t, int64_t, int64_t, int64_t>; // first x, first y, columns, rows
    const DrawRect current{30, 40, 500, 400};
    const struct {
        DrawingMode mode;
        P copies;
        std::tuple<int, int, int, int> after;
    } cases[] = {
        {DrawingMode::Point, {30, 40, 1, 1}, {0, 0, 100, 50}},
        {DrawingMode::Left, {0, 0, 1, 12}, {0, 0, 100, 600}},
        {DrawingMode::Top, {0, 0, 8, 1}, {0, 0, 800, 50}},
        {DrawingMode::Right, {700, 0, 1, 12}, {700, 0, 800, 600}},
        {DrawingMode::Bottom, {0, 550, 8, 1}, {0, 550, 800, 600}},
        {DrawingMode::Center, {350, 275, 1, 1}, {350, 275, 450, 325}},
        {DrawingMode::WholeArea, {0, 0, 8, 12}, {0, 0, 800, 600}},
    };
    for (const auto& c : cases) {
        BitmapPlacement p = PlaceBitmap(c.mode, current, kScreen, 100, 50);
        EXPECT_FALSE(p.stretch);
        EXPECT_EQ(P(p.firstX, p.firstY, p.columns, p.rows), c.copies) << static_cast<int>(c.mode);
        EXPECT_EQ(std::make_tuple(p.stepX, p.stepY), std::make_tuple(100, 50));
        EXPECT_EQ(Edges(p.rectAfter), c.after) << static_cast<int>(c.mode);
    }
    BitmapPlacement stretch = PlaceBitmap(DrawingMode::Rect, current, kScreen, 100, 50);
    EXPECT_TRUE(stretch.stretch);
    EXPECT_EQ(stretch.columns * stretch.rows, 0);
    EXPECT_EQ(Edges(stretch.rectAfter), Edges(current));
    // Wider than the area: the centred copy starts left of it.
    EXPECT_EQ(PlaceBitmap(DrawingMode::Center, current, kScreen, 1000, 50).firstX, -100);
    // No area: nothing placed, however the tiles would have gone.
    for (auto [w, h] : {std::pair{0, 50}, {100, 0}, {-5, 50}}) {
        BitmapPlacement none = PlaceBitmap(DrawingMode::WholeArea, current, kScreen, w, h);
        EXPECT_EQ(none.columns * none.rows, 0);
        EXPECT_FALSE(none.stretch);
        EXPECT_EQ(Edges(none.rectAfter), Edges(current));
    }
}

// Played only when its records lie within the file and end in EMR_EOF.
TEST(Meta, RecordChain)
{
    auto whole = [](const std::string& emf) {
        return EnhancedMetafileIsWhole(reinterpret_cast<const unsigned char*>(emf.data()), emf.size());
    };
    const std::string good = EmptyMetafile();
    EXPECT_TRUE(whole(good));
    EXPECT_TRUE(whole(good + "trailing bytes"));
    const struct {
        const char* what;
        size_t at;
        uint32_t value;
    } spoiled[] = {
        {"not a header record", 0, 2},    {"a header shorter than its fields", 4, 80},
        {"no signature", 40, 0x464D4521}, {"more bytes than the file", 48, 112},
        {"a record of no length", 92, 0}, {"a record of 22 bytes", 92, 22},
        {"a record past the end", 92, 24}, {"no end record", 88, 70},
    };
    for (const auto& s : spoiled) {
        std::string emf = good;
        test_bmp::Put32(emf, s.at, s.value);
        EXPECT_FALSE(whole(emf)) << s.what;
    }
    EXPECT_FALSE(whole(good.substr(0, 87)));
}
