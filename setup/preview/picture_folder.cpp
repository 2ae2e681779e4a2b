#include "picture_folder.h"

#include <gdiplus.h>

#include <cstdio>
#include <vector>

#include "scoped_handle.h"
#include "system_message.h"

namespace {

// GDI+'s built-in encoders.
const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const CLSID kBmpEncoder = {0x557CF400, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// The pixels of `source` copied into a top-down 32-bit DIB, row by row.
std::vector<uint32_t> CopyPixels(HDC source, int width, int height)
{
    std::vector<uint32_t> pixels;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = dib ? CreateCompatibleDC(source) : nullptr;
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, dib);
        if (BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY)) {
            GdiFlush();
            const auto* first = static_cast<const uint32_t*>(bits);
            pixels.assign(first, first + static_cast<size_t>(width) * height);
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (dib) DeleteObject(dib);
    return pixels;
}

// The encoded file in memory.
bool Encode(std::vector<uint32_t>& pixels, int width, int height, const CLSID& encoder, std::vector<char>& bytes)
{
    Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(pixels.data()));
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &stream) != S_OK) return false;
    bool ok = bitmap.Save(stream, &encoder, nullptr) == Gdiplus::Ok;
    HGLOBAL memory = nullptr;
    if (ok && GetHGlobalFromStream(stream, &memory) == S_OK) {
        STATSTG stat = {};
        stream->Stat(&stat, STATFLAG_NONAME);
        const char* data = static_cast<const char*>(GlobalLock(memory));
        ok = data != nullptr;
        if (ok) bytes.assign(data, data + stat.cbSize.QuadPart);
        GlobalUnlock(memory);
    }
    stream->Release();
    return ok;
}

// The file's bytes written; the system's reason when they cannot be.
std::string WriteBytes(const std::string& path, const std::vector<char>& bytes)
{
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.Valid() && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size())
        return "";
    DWORD code = GetLastError();
    return SystemMessage(code != ERROR_SUCCESS ? code : ERROR_DISK_FULL); // a short write sets none
}

} // namespace

PictureFolder::PictureFolder(std::string folder, PictureFormat format) : m_folder(std::move(folder)), m_format(format)
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) m_token = 0;
}

PictureFolder::~PictureFolder()
{
    if (m_token) Gdiplus::GdiplusShutdown(m_token);
}

bool PictureFolder::Save(const std::string& name, HDC source, int width, int height, const std::string& about) const
{
    const bool bmp = m_format == PictureFormat::Bmp;
    const std::string file = name + (bmp ? ".bmp" : ".png");
    const std::string path = m_folder + "\\" + file;
    std::string error;
    std::vector<uint32_t> pixels = CopyPixels(source, width, height);
    std::vector<char> bytes;
    if (pixels.empty() || !Encode(pixels, width, height, bmp ? kBmpEncoder : kPngEncoder, bytes))
        error = "the picture could not be made";
    else
        error = WriteBytes(path, bytes);
    if (!error.empty()) {
        std::fprintf(stderr, "setup-preview: cannot write %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    std::printf("%s: %s\n", file.c_str(), about.c_str());
    return true;
}
