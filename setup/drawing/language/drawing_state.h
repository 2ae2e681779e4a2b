#pragma once
// What one run of a drawing script knows: the mode, the current rectangle,
// the current colour and the font description. Plain types, so that the
// interpreter builds and is tested without the operating system.
#include <cstdint>

// Left, top, right, bottom in pixels of the target surface.
struct DrawRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

inline bool operator==(const DrawRect& a, const DrawRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// 0x00BBGGRR, the platform's colour layout.
using Colour = uint32_t;

inline Colour MakeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
inline int RedOf(Colour c) { return c & 0xFF; }
inline int GreenOf(Colour c) { return c >> 8 & 0xFF; }
inline int BlueOf(Colour c) { return c >> 16 & 0xFF; }

enum class DrawingMode { Point, Left, Top, Right, Bottom, Center, Rect, WholeArea };

// The fields of the platform's logical-font record, in the order in which
// "font" reads them after its three colour values.
struct FontDescription {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    // Until a "font" says otherwise: the system's own character set, so that
    // a "height" before any "font" gives the default face of the system's
    // script (Japanese on Japanese Windows) rather than a Western one.
    uint8_t charSet = 1; // DEFAULT_CHARSET
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    char faceName[32] = ""; // at most 31 bytes and the terminator
};

struct DrawingState {
    DrawingMode mode = DrawingMode::Point;
    DrawRect rect;
    Colour colour = 0; // black
    FontDescription font;
    bool fontCreated = false;
};
