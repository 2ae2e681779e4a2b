// libFuzzer target: any bytes as the file of a "bitmap" command. The
// layout that the loader accepts must lie within the file; the canvas below
// reads every byte of it as GDI would (headers, colour table, every row), so
// the address sanitizer sees any read past the file's exact-size buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bmp_layout.h"
#include "drawing_run.h"

namespace {

struct ReadingCanvas : DrawingCanvas {
    ReadingCanvas(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    void Fill(const DrawRect&, Colour) override {}
    void SetTextColour(Colour) override {}
    void ReplaceFont(const FontDescription&) override {}
    void PutText(const char*, size_t, DrawRect&, unsigned) override {}
    bool ReadFile(const char*, FileBytes& file) override
    {
        // Exactly the file's bytes: no terminator to read into by mistake.
        file.data.reset(new unsigned char[m_size ? m_size : 1]);
        if (m_size) std::memcpy(file.data.get(), m_data, m_size);
        file.size = m_size;
        return true;
    }
    void PlayMetafile(const FileBytes&, const DrawRect&) override {}
    bool PrepareBitmap(const FileBytes& file, const BmpLayout& layout) override
    {
        const unsigned char* p = file.data.get();
        if (layout.width < 1 || layout.height < 1 || layout.tableEntries > 256 ||
            layout.tableOffset + 4 * layout.tableEntries > layout.pixelOffset)
            std::abort();
        unsigned sum = 0;
        for (size_t i = 0; i < kBmpInfoHeaderSize; ++i) sum += p[layout.infoOffset + i];
        for (size_t i = 0; i < 4 * layout.tableEntries; ++i) sum += p[layout.tableOffset + i];
        for (size_t i = 0; i < layout.pixelSize; ++i) sum += p[layout.pixelOffset + i];
        m_sum += sum;
        m_copies = 0;
        return true;
    }
    void CopyBitmap(int32_t, int32_t) override
    {
        if (++m_copies > 64 * 48) std::abort(); // one pixel a copy at the least
    }
    void StretchBitmap(const DrawRect&) override {}
    void ReleaseBitmap() override {}
    const uint8_t* m_data;
    size_t m_size;
    unsigned m_sum = 0;
    int m_copies = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ReadingCanvas canvas(data, size);
    DrawingRun run(canvas, DrawRect{0, 0, 64, 48});
    for (const char* mode : {"mode,center", "mode,", "mode,rect"}) {
        run.Line(mode);
        run.Line("bitmap,any.bmp");
    }
    return 0;
}
