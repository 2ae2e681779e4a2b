#include "drawing_run.h"

#include <cstring>

#include "bitmap_placement.h"
#include "bmp_layout.h"
#include "dbcs.h"
#include "emf_records.h"
#include "gradation.h"
#include "path_text.h"
#include "script_args.h"
#include "script_line.h"

bool DrawingRun::Line(const char* line)
{
    char buffer[kScriptLineSize];
    CopyTextCut(buffer, line);
    ScriptLine parsed = ParseScriptLine(buffer);
    switch (parsed.command) {
    case Command::None:
        break;
    case Command::Mode: {
        std::string_view word;
        ArgumentCursor(parsed.arguments).Next(word);
        m_state.mode = ModeOfWord(word);
        break;
    }
    case Command::Page:
        return false;
    case Command::Rect:
        SetRect(parsed.arguments);
        break;
    case Command::Gradation:
        Gradation(parsed.arguments);
        break;
    case Command::Fill:
        Fill(parsed.arguments);
        break;
    case Command::Height:
        Height(parsed.arguments);
        break;
    case Command::Font:
        Font(parsed.arguments);
        break;
    case Command::Meta:
        Meta(parsed.arguments);
        break;
    case Command::Bitmap:
        Bitmap(parsed.arguments);
        break;
    case Command::Text:
        Text(parsed.arguments);
        break;
    case Command::String:
        DrawTextByMode(parsed.arguments, std::strlen(parsed.arguments), kTextSingleLine);
        break;
    }
    return true;
}

// Left, top, right, bottom; those left out keep their value.
void DrawingRun::SetRect(const char* arguments)
{
    int32_t* edges[] = {&m_state.rect.left, &m_state.rect.top, &m_state.rect.right, &m_state.rect.bottom};
    const int32_t references[] = {m_area.right, m_area.bottom, m_area.right, m_area.bottom};
    ArgumentCursor args(arguments);
    std::string_view value;
    for (int i = 0; i < 4 && args.Next(value); ++i) *edges[i] = ReadPosition(value, references[i]);
}

// red1, green1, blue1, red2, green2, blue2, steps.
void DrawingRun::Gradation(const char* arguments)
{
    int32_t values[7] = {};
    int given = 0;
    ArgumentCursor args(arguments);
    std::string_view value;
    while (given < 7 && args.Next(value)) values[given++] = ReadInteger(value);
    const Colour from = MakeColour(values[0], values[1], values[2]);
    const Colour to = MakeColour(values[3], values[4], values[5]);
    SetCurrentColour(to);
    if (!GradationHasDirection(m_state.mode)) return;
    const int32_t steps = GradationSteps(given == 7, values[6], m_state.mode, m_state.rect, m_area);
    for (int32_t i = 0; i < steps; ++i)
        m_canvas.Fill(GradationBand(m_state.mode, m_state.rect, i, steps), GradationColour(from, to, i, steps));
}

// red, then green and blue when given (else those of the current colour).
void DrawingRun::Fill(const char* arguments)
{
    int channels[3] = {0, GreenOf(m_state.colour), BlueOf(m_state.colour)};
    ArgumentCursor args(arguments);
    std::string_view value;
    for (int i = 0; i < 3 && args.Next(value); ++i) channels[i] = ReadInteger(value);
    SetCurrentColour(MakeColour(channels[0], channels[1], channels[2]));
    if (m_state.mode == DrawingMode::Rect) m_canvas.Fill(m_state.rect, m_state.colour);
    else if (m_state.mode == DrawingMode::WholeArea) m_canvas.Fill(m_area, m_state.colour);
}

void DrawingRun::Height(const char* arguments)
{
    std::string_view value;
    ArgumentCursor(arguments).Next(value);
    m_state.font.height = ReadPosition(value, m_area.bottom);
    m_state.font.width = 0;
    ReplaceFont();
}

// red, green, blue, then the font description field by field; after the
// sixteenth comma the rest of the line, commas included, is the face name.
void DrawingRun::Font(const char* arguments)
{
    FontDescription& f = m_state.font;
    int32_t* wide[] = {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight};
    uint8_t* narrow[] = {&f.italic,       &f.underline,     &f.strikeOut, &f.charSet,
                         &f.outPrecision, &f.clipPrecision, &f.quality,   &f.pitchAndFamily};
    int channels[3] = {0, GreenOf(m_state.colour), BlueOf(m_state.colour)};

    ArgumentCursor args(arguments);
    std::string_view value;
    int index = 0;
    for (; index < 16 && args.Next(value); ++index) {
        int32_t number = ReadInteger(value);
        if (index < 3) channels[index] = number;
        else if (index < 8) *wide[index - 3] = number;
        else *narrow[index - 8] = static_cast<uint8_t>(number & 0xFF);
    }
    if (index == 16 && args.Rest()) {
        // The field holds 31 bytes: a longer name is cut there, never in
        // the middle of a double-byte character.
        size_t length = FitLength(args.Rest(), sizeof f.faceName - 1);
        std::memcpy(f.faceName, args.Rest(), length);
        f.faceName[length] = '\0';
    }
    SetCurrentColour(MakeColour(channels[0], channels[1], channels[2]));
    m_canvas.SetTextColour(m_state.colour);
    ReplaceFont();
}

void DrawingRun::ReplaceFont()
{
    m_canvas.ReplaceFont(m_state.font);
    m_state.fontCreated = true;
}

void DrawingRun::Meta(const char* name)
{
    const DrawRect* target = m_state.mode == DrawingMode::Rect        ? &m_state.rect
                             : m_state.mode == DrawingMode::WholeArea ? &m_area
                                                                      : nullptr;
    FileBytes file;
    if (!target || !m_canvas.ReadFile(name, file) || !EnhancedMetafileIsWhole(file.data.get(), file.size)) return;
    m_canvas.PlayMetafile(file, *target);
}

void DrawingRun::Bitmap(const char* name)
{
    FileBytes file;
    BmpLayout layout;
    if (!m_canvas.ReadFile(name, file) || !ReadBmpLayout(file.data.get(), file.size, layout)) return;
    BitmapPlacement place = PlaceBitmap(m_state.mode, m_state.rect, m_area, layout.width, layout.height);
    if (!m_canvas.PrepareBitmap(file, layout)) return;
    if (place.stretch) m_canvas.StretchBitmap(place.stretchTo);
    for (int64_t column = 0; column < place.columns; ++column)
        for (int64_t row = 0; row < place.rows; ++row)
            m_canvas.CopyBitmap(static_cast<int32_t>(place.firstX + column * place.stepX),
                                static_cast<int32_t>(place.firstY + row * place.stepY));
    m_canvas.ReleaseBitmap();
    m_state.rect = place.rectAfter;
}

void DrawingRun::Text(const char* name)
{
    FileBytes file;
    if (!m_canvas.ReadFile(name, file)) return;
    const char* text = reinterpret_cast<const char*>(file.data.get());
    const void* nul = std::memchr(text, 0, file.size);
    // Up to the first NUL, as a C string.
    DrawTextByMode(text, nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : file.size, 0);
}

// Rect mode draws into the current rectangle; right and bottom mode flow:
// the text is measured from the rectangle's top-left, drawn unclipped there,
// and the next item goes to its right (right) or below it (bottom).
void DrawingRun::DrawTextByMode(const char* text, size_t length, unsigned singleLine)
{
    DrawRect& rect = m_state.rect;
    switch (m_state.mode) {
    case DrawingMode::Rect: {
        DrawRect into = rect;
        m_canvas.PutText(text, length, into, singleLine);
        break;
    }
    case DrawingMode::Right:
    case DrawingMode::Bottom: {
        DrawRect measured{rect.left, rect.top, rect.left, rect.bottom};
        m_canvas.PutText(text, length, measured, kTextMeasure | singleLine);
        m_canvas.PutText(text, length, measured, kTextNoClip | singleLine);
        rect = measured;
        if (m_state.mode == DrawingMode::Right) rect.left = measured.right;
        else rect.top = measured.bottom;
        break;
    }
    default:
        break; // text has no place in the other modes
    }
}

void RunDrawingLines(DrawingCanvas& canvas, const DrawRect& area, std::span<const std::string> lines)
{
    DrawingRun run(canvas, area);
    for (const std::string& line : lines)
        if (!run.Line(line.c_str())) break;
}
