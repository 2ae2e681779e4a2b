// libFuzzer target: any bytes as the lines of a drawing script and of a
// ReadMe page script. Files named by the script hold a small bitmap, a
// metafile or text. The bands and tiles of one line stay within what the
// area's pixels allow; the sanitizers catch the rest.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bitmap_placement.h"
#include "drawing_run.h"
#include "readme_pages.h"

namespace {

constexpr DrawRect kArea{0, 0, 64, 48};

void Check(bool condition) { if (!condition) std::abort(); }

// A 2 × 1 bitmap of 24 bits.
const unsigned char kBitmap[] = {
    'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
    0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0, 0,
};

struct CheckingCanvas : DrawingCanvas {
    void Fill(const DrawRect&, Colour colour) override
    {
        Check(colour <= 0xFFFFFF && ++m_fills <= 64); // no more bands than the area is wide or high
    }
    void SetTextColour(Colour colour) override { Check(colour <= 0xFFFFFF); }
    void ReplaceFont(const FontDescription& f) override { Check(std::memchr(f.faceName, 0, sizeof f.faceName)); }
    void PutText(const char* text, size_t length, DrawRect& rect, unsigned format) override
    {
        Check(!std::memchr(text, 0, length));
        if (format & kTextMeasure)
            rect.right = static_cast<int32_t>(std::min<int64_t>(int64_t{rect.left} + std::min<size_t>(length, 100),
                                                                INT32_MAX));
    }
    bool ReadFile(const char* name, FileBytes& file) override
    {
        std::string contents;
        switch (name[0]) {
        case 'b': contents.assign(reinterpret_cast<const char*>(kBitmap), sizeof kBitmap); break;
        case 't': contents = "text\r\nof two lines"; break;
        case 'e': contents = std::string(name); break;
        default: return false;
        }
        file.data.reset(new unsigned char[contents.size() + 1]);
        std::memcpy(file.data.get(), contents.data(), contents.size() + 1);
        file.size = contents.size();
        return true;
    }
    void PlayMetafile(const FileBytes&, const DrawRect&) override {}
    bool PrepareBitmap(const FileBytes&, const BmpLayout& layout) override
    {
        Check(layout.width == 2 && layout.height == 1);
        m_copies = 0;
        return true;
    }
    void CopyBitmap(int32_t, int32_t) override { Check(++m_copies <= 64 * 48); } // tiles never overlap
    void StretchBitmap(const DrawRect&) override {}
    void ReleaseBitmap() override {}
    void NextLine() { m_fills = 0; }
    int m_fills = 0;
    int m_copies = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines;
    const char* text = reinterpret_cast<const char*>(data);
    for (size_t start = 0; start <= size;) {
        const void* newline = std::memchr(text + start, '\n', size - start);
        size_t end = newline ? static_cast<size_t>(static_cast<const char*>(newline) - text) : size;
        lines.emplace_back(text + start, end - start);
        lines.back().resize(std::strlen(lines.back().c_str())); // as a C string: up to a NUL
        start = end + 1;
    }

    CheckingCanvas canvas;
    auto draw = [&canvas](std::span<const std::string> script) {
        DrawingRun run(canvas, kArea);
        for (const std::string& line : script) {
            canvas.NextLine();
            if (!run.Line(line.c_str())) break;
        }
    };
    draw(lines);
    for (int page : {kPageInstall, kPageVersionUp, kPageUninstall, 0, 1, 2}) {
        size_t start = FindPageStart(lines, page);
        Check(start <= lines.size());
        PageButton buttons[kPageButtons];
        ReadPageButtons(lines, start, buttons);
        draw(std::span(lines).subspan(start));
    }
    return 0;
}
