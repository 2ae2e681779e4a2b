#include "gdi_canvas.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "drawing_files.h"

static_assert(kTextSingleLine == DT_SINGLELINE && kTextNoClip == DT_NOCLIP && kTextMeasure == DT_CALCRECT);

namespace {

RECT ToRect(const DrawRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

// right - left of a rectangle whose edges may lie anywhere in 32 bits.
int Extent(int32_t from, int32_t to)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t{to} - from, INT_MIN, INT_MAX));
}

LOGFONTA ToLogFont(const FontDescription& f)
{
    LOGFONTA font = {};
    font.lfHeight = f.height;
    font.lfWidth = f.width;
    font.lfEscapement = f.escapement;
    font.lfOrientation = f.orientation;
    font.lfWeight = f.weight;
    font.lfItalic = f.italic;
    font.lfUnderline = f.underline;
    font.lfStrikeOut = f.strikeOut;
    font.lfCharSet = f.charSet;
    font.lfOutPrecision = f.outPrecision;
    font.lfClipPrecision = f.clipPrecision;
    font.lfQuality = f.quality;
    font.lfPitchAndFamily = f.pitchAndFamily;
    static_assert(sizeof font.lfFaceName == sizeof f.faceName);
    std::memcpy(font.lfFaceName, f.faceName, sizeof font.lfFaceName);
    return font;
}

// The information header and a full colour table (2^bits entries, those
// the file lacks black), as the device bitmap is made from.
struct DibHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

} // namespace

GdiCanvas::GdiCanvas(HDC target, const char* baseFolder) : m_dc(target), m_baseFolder(baseFolder)
{
    SetBkMode(m_dc, TRANSPARENT);
}

GdiCanvas::~GdiCanvas()
{
    ReleaseBitmap();
    ReleaseFont();
}

void GdiCanvas::Fill(const DrawRect& rect, Colour colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush) return;
    RECT r = ToRect(rect);
    FillRect(m_dc, &r, brush);
    DeleteObject(brush);
}

void GdiCanvas::SetTextColour(Colour colour)
{
    SetTextColor(m_dc, colour);
}

void GdiCanvas::ReleaseFont()
{
    if (!m_font) return;
    SelectObject(m_dc, m_previousFont);
    DeleteObject(m_font);
    m_font = nullptr;
    m_previousFont = nullptr;
}

void GdiCanvas::ReplaceFont(const FontDescription& font)
{
    ReleaseFont();
    LOGFONTA description = ToLogFont(font);
    m_font = CreateFontIndirectA(&description);
    if (m_font) m_previousFont = SelectObject(m_dc, m_font);
}

void GdiCanvas::PutText(const char* text, size_t length, DrawRect& rect, unsigned format)
{
    RECT r = ToRect(rect);
    DrawTextA(m_dc, text, static_cast<int>(std::min<size_t>(length, INT_MAX)), &r, format);
    rect = {r.left, r.top, r.right, r.bottom};
}

bool GdiCanvas::ReadFile(const char* name, FileBytes& file)
{
    return ReadDrawingFile(name, m_baseFolder, file);
}

void GdiCanvas::PlayMetafile(const FileBytes& file, const DrawRect& rect)
{
    HENHMETAFILE metafile = SetEnhMetaFileBits(static_cast<UINT>(file.size), file.data.get());
    if (!metafile) return;
    RECT r = ToRect(rect);
    PlayEnhMetaFile(m_dc, metafile, &r);
    DeleteEnhMetaFile(metafile);
}

bool GdiCanvas::PrepareBitmap(const FileBytes& file, const BmpLayout& layout)
{
    ReleaseBitmap();
    DibHeader dib = {};
    std::memcpy(&dib.header, file.data.get() + layout.infoOffset, sizeof dib.header);
    dib.header.biSize = sizeof dib.header; // longer headers: their first 40 bytes
    dib.header.biClrUsed = 0;              // the table below is always full
    dib.header.biClrImportant = 0;
    dib.header.biSizeImage = static_cast<DWORD>(layout.pixelSize);
    std::memcpy(dib.colours, file.data.get() + layout.tableOffset, 4 * std::min<size_t>(layout.tableEntries, 256));

    m_bitmap = CreateDIBitmap(m_dc, &dib.header, CBM_INIT, file.data.get() + layout.pixelOffset,
                              reinterpret_cast<const BITMAPINFO*>(&dib), DIB_RGB_COLORS);
    m_bitmapDc = m_bitmap ? CreateCompatibleDC(m_dc) : nullptr;
    if (!m_bitmapDc) {
        ReleaseBitmap();
        return false;
    }
    m_previousBitmap = SelectObject(m_bitmapDc, m_bitmap);
    m_bitmapWidth = layout.width;
    m_bitmapHeight = layout.height;
    return true;
}

void GdiCanvas::CopyBitmap(int32_t x, int32_t y)
{
    BitBlt(m_dc, x, y, m_bitmapWidth, m_bitmapHeight, m_bitmapDc, 0, 0, SRCCOPY);
}

void GdiCanvas::StretchBitmap(const DrawRect& r)
{
    StretchBlt(m_dc, r.left, r.top, Extent(r.left, r.right), Extent(r.top, r.bottom), m_bitmapDc, 0, 0,
               m_bitmapWidth, m_bitmapHeight, SRCCOPY);
}

void GdiCanvas::ReleaseBitmap()
{
    if (m_bitmapDc) {
        SelectObject(m_bitmapDc, m_previousBitmap);
        DeleteDC(m_bitmapDc);
    }
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmapDc = nullptr;
    m_bitmap = nullptr;
    m_previousBitmap = nullptr;
}
