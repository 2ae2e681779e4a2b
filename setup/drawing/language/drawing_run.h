#pragma once
// One run of a drawing script on a canvas: a fresh drawing state, the lines
// in order until the end or the first "page," line.
#include <cstddef>
#include <span>
#include <string>

#include "drawing_canvas.h"
#include "drawing_state.h"

class DrawingRun {
public:
    // `area`: the drawing area; its left and top are 0, and percentages are
    // taken of its right (horizontal) and bottom (vertical) coordinates.
    DrawingRun(DrawingCanvas& canvas, const DrawRect& area) : m_canvas(canvas), m_area(area) {}

    // Runs one line (cut to 259 bytes as the script's values are); false
    // once a "page," line has ended the run.
    bool Line(const char* line);

    const DrawingState& State() const { return m_state; }

private:
    void SetRect(const char* arguments);
    void Gradation(const char* arguments);
    void Fill(const char* arguments);
    void Height(const char* arguments);
    void Font(const char* arguments);
    void Meta(const char* arguments);
    void Bitmap(const char* arguments);
    void Text(const char* arguments);
    void DrawTextByMode(const char* text, size_t length, unsigned singleLine);
    void SetCurrentColour(Colour colour) { m_state.colour = colour; }
    void ReplaceFont();

    DrawingCanvas& m_canvas;
    DrawRect m_area;
    DrawingState m_state;
};

// Runs `lines` from the first until the end or the first "page," line.
void RunDrawingLines(DrawingCanvas& canvas, const DrawRect& area, std::span<const std::string> lines);
