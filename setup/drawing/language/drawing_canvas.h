#pragma once
// What the drawing language needs from a surface. Setup draws with GDI
// (gdi_canvas.h); the native tests record the calls.
#include <cstddef>
#include <memory>

#include "bmp_layout.h"
#include "drawing_state.h"

// Text formats, with the platform's values.
inline constexpr unsigned kTextSingleLine = 0x20; // DT_SINGLELINE
inline constexpr unsigned kTextNoClip = 0x100;    // DT_NOCLIP
inline constexpr unsigned kTextMeasure = 0x400;   // DT_CALCRECT

// The whole contents of a file, and a terminator after them.
struct FileBytes {
    std::unique_ptr<unsigned char[]> data;
    size_t size = 0;
};

class DrawingCanvas {
public:
    virtual ~DrawingCanvas() = default;

    virtual void Fill(const DrawRect& rect, Colour colour) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    // Puts back the font that a previous call displaced, destroys the one it
    // made, then makes and selects a font from `font`.
    virtual void ReplaceFont(const FontDescription& font) = 0;
    // Draws `text` in `rect`; with kTextMeasure draws nothing and makes
    // `rect` bound the text instead.
    virtual void PutText(const char* text, size_t length, DrawRect& rect, unsigned format) = 0;

    // Reads the file that a "meta", "bitmap" or "text" argument names.
    virtual bool ReadFile(const char* name, FileBytes& file) = 0;
    virtual void PlayMetafile(const FileBytes& file, const DrawRect& rect) = 0;
    // A bitmap is prepared once, copied or stretched, then released.
    virtual bool PrepareBitmap(const FileBytes& file, const BmpLayout& layout) = 0;
    virtual void CopyBitmap(int32_t x, int32_t y) = 0;
    virtual void StretchBitmap(const DrawRect& rect) = 0;
    virtual void ReleaseBitmap() = 0;
};
