#pragma once
// The drawing language's canvas on a GDI surface: what it selects into the
// surface it puts back, and what it creates it deletes.
#include <windows.h>

#include "drawing_canvas.h"

class GdiCanvas : public DrawingCanvas {
public:
    // Sets the surface's text background to transparent; file arguments are
    // resolved against `baseFolder`.
    GdiCanvas(HDC target, const char* baseFolder);
    // Puts the surface's own font back and deletes the one made last.
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void Fill(const DrawRect& rect, Colour colour) override;
    void SetTextColour(Colour colour) override;
    void ReplaceFont(const FontDescription& font) override;
    void PutText(const char* text, size_t length, DrawRect& rect, unsigned format) override;
    bool ReadFile(const char* name, FileBytes& file) override;
    void PlayMetafile(const FileBytes& file, const DrawRect& rect) override;
    bool PrepareBitmap(const FileBytes& file, const BmpLayout& layout) override;
    void CopyBitmap(int32_t x, int32_t y) override;
    void StretchBitmap(const DrawRect& rect) override;
    void ReleaseBitmap() override;

private:
    void ReleaseFont();

    HDC m_dc;
    const char* m_baseFolder;
    HFONT m_font = nullptr;
    HGDIOBJ m_previousFont = nullptr;
    // The bitmap being drawn, selected into a memory surface.
    HDC m_bitmapDc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previousBitmap = nullptr;
    int m_bitmapWidth = 0;
    int m_bitmapHeight = 0;
};
