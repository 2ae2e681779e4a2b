#pragma once
// The README's pictures, taken by the end-to-end tests themselves, and the
// window frames that Wine draws for them (see README.md).
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// With E2E_SCREENSHOTS naming a folder (a Linux path will do), saves the
// screen around `window` (its frame and `margin` pixels) there as the PNG
// file `name`, once it has painted. Otherwise it does nothing.
void ScreenshotForReadme(HWND window, const std::wstring& name, int margin = 12);

// While this lives, the named programs started from then on are unmanaged
// on a bare X server: Wine draws their frames itself and hides them at once,
// without waiting two seconds for a window manager. Kept for a test
// program's whole run, at namespace scope. Outside Wine it does nothing.
class WineWindowFrames {
public:
    explicit WineWindowFrames(std::initializer_list<std::wstring> programFileNames);
    ~WineWindowFrames();
    WineWindowFrames(const WineWindowFrames&) = delete;
    WineWindowFrames& operator=(const WineWindowFrames&) = delete;

private:
    std::vector<std::wstring> m_appKeys; // AppDefaults keys made here
};

} // namespace e2e
