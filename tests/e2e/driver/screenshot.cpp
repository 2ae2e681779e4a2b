#include "screenshot.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace e2e {

namespace {

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<BYTE> pixels; // 32-bit BGRX rows, top-down
};

Capture CaptureScreen(RECT area)
{
    Capture image;
    image.width = area.right - area.left;
    image.height = area.bottom - area.top;
    if (image.width <= 0 || image.height <= 0) return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    image.pixels.resize(size_t(image.width) * image.height * 4);
    if (!copied || !GetDIBits(memory, bitmap, 0, image.height, image.pixels.data(), &info, DIB_RGB_COLORS))
        image = {};

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

bool WriteBmp(const std::wstring& path, const Capture& image)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = -image.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + DWORD(image.pixels.size());

    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) return false;
    bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
              fwrite(image.pixels.data(), image.pixels.size(), 1, out) == 1;
    return fclose(out) == 0 && ok;
}

template <class T> struct ComPtr {
    T* p = nullptr;
    ~ComPtr()
    {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

bool WritePng(const std::wstring& path, const Capture& image)
{
    bool initialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    bool ok = false;
    {
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICStream> stream;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
             SUCCEEDED(factory->CreateStream(&stream)) &&
             SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
             SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
             SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
             SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
             SUCCEEDED(frame->SetSize(image.width, image.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
             IsEqualGUID(format, GUID_WICPixelFormat32bppBGR) &&
             SUCCEEDED(frame->WritePixels(image.height, image.width * 4, UINT(image.pixels.size()),
                                          const_cast<BYTE*>(image.pixels.data()))) &&
             SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (initialised) CoUninitialize();
    return ok;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    if (text.size() < tail.size()) return false;
    return std::equal(tail.rbegin(), tail.rend(), text.rbegin(),
                      [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); });
}

} // namespace

bool SaveScreenshot(const std::wstring& path, HWND window, int margin)
{
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area = screen;
    if (window) {
        RECT frame{};
        if (!GetWindowRect(window, &frame)) return false;
        InflateRect(&frame, margin, margin);
        IntersectRect(&area, &frame, &screen);
    }
    Capture image = CaptureScreen(area);
    if (image.pixels.empty()) return false;
    return EndsWith(path, L".bmp") ? WriteBmp(path, image) : WritePng(path, image);
}

} // namespace e2e

namespace e2e {

namespace {

const wchar_t kReplacements[] = L"Software\\Wine\\Fonts\\Replacements";
const wchar_t kCaptionFont[] = L"MS UI Gothic";

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

bool KeyExists(const std::wstring& path)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool SetString(const std::wstring& path, const wchar_t* name, const std::wstring& value)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool ValueExists(const std::wstring& path, const wchar_t* name)
{
    return RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

} // namespace

WineWindowFrames::WineWindowFrames(const std::vector<std::wstring>& programFileNames)
{
    if (!UnderWine()) return;
    for (const std::wstring& program : programFileNames) {
        std::wstring app = L"Software\\Wine\\AppDefaults\\" + program;
        if (KeyExists(app)) continue; // someone's own settings: leave them alone
        if (SetString(app + L"\\X11 Driver", L"Managed", L"N")) m_appKeys.push_back(app);
    }
    if (!ValueExists(kReplacements, kCaptionFont))
        m_addedFontReplacement = SetString(kReplacements, kCaptionFont, L"IPAPGothic");

    wchar_t windows[MAX_PATH];
    UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring marlett = std::wstring(windows) + L"\\Fonts\\marlett.ttf";
    if (GetFileAttributesW(marlett.c_str()) == INVALID_FILE_ATTRIBUTES &&
        CopyFileW(L"Z:\\usr\\share\\wine\\fonts\\marlett.ttf", marlett.c_str(), TRUE))
        m_copiedFont = marlett;
}

WineWindowFrames::~WineWindowFrames()
{
    for (const std::wstring& app : m_appKeys) RegDeleteTreeW(HKEY_CURRENT_USER, app.c_str());
    if (m_addedFontReplacement) {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kReplacements, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, kCaptionFont);
            RegCloseKey(key);
        }
    }
    if (!m_copiedFont.empty()) DeleteFileW(m_copiedFont.c_str());
}

} // namespace e2e
