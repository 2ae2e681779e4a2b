#pragma once
// An off-screen drawing surface: a memory device context with a bitmap of
// its own, compatible with a window's, released with the object.
#include <windows.h>

class OffscreenSurface {
public:
    OffscreenSurface() = default;
    ~OffscreenSurface() { Release(); }
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    // A black surface of `width` × `height` pixels, compatible with `window`.
    bool Create(HWND window, int width, int height);
    void Release();
    HDC Dc() const { return m_dc; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};
