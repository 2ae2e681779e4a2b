#include "screenshot.h"

#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>

namespace e2e {

namespace {

// Encodes the bitmap as a PNG file through GDI+.
bool WritePng(const std::wstring& path, HBITMAP bitmap)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    CLSID png;
    CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png); // GDI+'s PNG encoder
    bool ok = Gdiplus::Bitmap(bitmap, nullptr).Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    Gdiplus::GdiplusShutdown(token);
    return ok;
}

// The screen around `window`, captured from the test process.
bool SaveScreenshot(const std::wstring& path, HWND window, int margin)
{
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, frame{};
    if (!GetWindowRect(window, &frame)) return false;
    InflateRect(&frame, margin, margin);
    IntersectRect(&area, &frame, &area);
    int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    bool saved = copied && WritePng(path, bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

} // namespace

void ScreenshotForReadme(HWND window, const std::wstring& name, int margin)
{
    const wchar_t* folder = _wgetenv(L"E2E_SCREENSHOTS");
    if (!folder || !*folder || !window) return;
    Sleep(300); // let it paint
    std::wstring path = std::wstring(folder[0] == L'/' ? L"Z:" : L"") + folder + L"\\" + name;
    if (!SaveScreenshot(path, window, margin)) fwprintf(stderr, L"could not save %ls\n", path.c_str());
}

WineWindowFrames::WineWindowFrames(std::initializer_list<std::wstring> programFileNames)
{
    if (!UnderWine()) return;
    for (const std::wstring& program : programFileNames) {
        std::wstring app = L"Software\\Wine\\AppDefaults\\" + program;
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, app.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key); // someone's own settings: leave them alone
            continue;
        }
        if (RegSetKeyValueW(HKEY_CURRENT_USER, (app + L"\\X11 Driver").c_str(), L"Managed", REG_SZ, L"N",
                            2 * sizeof(wchar_t)) == ERROR_SUCCESS)
            m_appKeys.push_back(app);
    }
}

WineWindowFrames::~WineWindowFrames()
{
    for (const std::wstring& app : m_appKeys) RegDeleteTreeW(HKEY_CURRENT_USER, app.c_str());
}

} // namespace e2e
