#pragma once
// The README's pictures, taken by the end-to-end tests themselves, and the
// window frames that Wine draws for them (see README.md).
#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// With E2E_SCREENSHOTS naming a folder (a Linux path will do), saves the
// screen around `window` (its frame and `margin` pixels) there as the PNG
// file `name`, once it has painted. Otherwise it does nothing.
inline void ScreenshotForReadme(HWND window, const std::wstring& name, int margin = 12)
{
    const wchar_t* folder = _wgetenv(L"E2E_SCREENSHOTS");
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, frame{};
    if (!folder || !*folder || !window) return;
    Sleep(300); // let it paint
    const std::wstring path = std::wstring(folder[0] == L'/' ? L"Z:" : L"") + folder + L"\\" + name;
    bool saved = GetWindowRect(window, &frame);
    InflateRect(&frame, margin, margin);
    IntersectRect(&area, &frame, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    saved = saved && width > 0 && height > 0 && BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    CLSID png;
    CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png); // GDI+'s PNG encoder
    if (saved && (saved = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok)) {
        saved = Gdiplus::Bitmap(bitmap, nullptr).Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!saved) fwprintf(stderr, L"could not save %ls\n", path.c_str());
}

// While this lives, the named programs started from then on are unmanaged
// on a bare X server: Wine draws their frames itself and hides them at once,
// without waiting two seconds for a window manager. Kept for a test
// program's whole run, at namespace scope. Outside Wine it does nothing.
class WineWindowFrames {
public:
    explicit WineWindowFrames(std::initializer_list<std::wstring> programFileNames)
    {
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return;
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
    ~WineWindowFrames()
    {
        for (const std::wstring& app : m_appKeys) RegDeleteTreeW(HKEY_CURRENT_USER, app.c_str());
    }
    WineWindowFrames(const WineWindowFrames&) = delete;
    WineWindowFrames& operator=(const WineWindowFrames&) = delete;

private:
    std::vector<std::wstring> m_appKeys; // AppDefaults keys made here
};

} // namespace e2e
