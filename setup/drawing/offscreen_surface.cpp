#include "offscreen_surface.h"

bool OffscreenSurface::Create(HWND window, int width, int height)
{
    Release();
    HDC windowDc = GetDC(window);
    m_dc = CreateCompatibleDC(windowDc);
    m_bitmap = CreateCompatibleBitmap(windowDc, width, height);
    ReleaseDC(window, windowDc);
    if (!m_dc || !m_bitmap) {
        Release();
        return false;
    }
    m_previous = SelectObject(m_dc, m_bitmap);
    RECT all = {0, 0, width, height};
    FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return true;
}

void OffscreenSurface::Release()
{
    if (m_dc && m_previous) SelectObject(m_dc, m_previous);
    if (m_bitmap) DeleteObject(m_bitmap);
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_previous = nullptr;
}
