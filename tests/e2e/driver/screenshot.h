#pragma once
// Screenshots of what the screen shows, taken from the test process.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// Saves the screen as a PNG file. With a `window`, only its frame and
// `margin` pixels around it are kept. Returns false when nothing could be
// captured or written.
//
// The program under test may still be drawing: wait for the state you want
// to show (WaitUntil) and give it a moment to paint before calling this.
bool SaveScreenshot(const std::wstring& path, HWND window = nullptr, int margin = 8);

// The README's pictures are taken by the end-to-end tests themselves: with
// E2E_SCREENSHOTS naming a folder (a Linux path will do), this saves
// `window` there as the PNG file `name` once it has painted. Otherwise it
// does nothing. The picture is worth a glance, not an assertion.
void ScreenshotForReadme(HWND window, const std::wstring& name, int margin = 12);

// Under Wine on a bare X server (Xvfb, no window manager) nobody draws the
// window frames, so screenshots lack captions, and Wine waits two seconds
// for a window manager each time a managed window is hidden. While this
// object lives, the named programs started from then on are unmanaged: Wine
// draws their frames itself (the build's Wine prefix has the fonts for
// them) and hides them at once. The destructor removes the settings it
// made. Outside Wine it does nothing. A test program keeps one for its whole
// run, at namespace scope:
//
//   const e2e::WineWindowFrames kWineFrames{L"trenvika.exe"};
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
