#pragma once
// Finding, reading and working the windows of another process, as a person
// at the keyboard would.
//
// Reading: control texts go through WM_GETTEXT with a timeout (edit controls
// keep their text to themselves); Caption() reads the text the window system
// holds and never waits for the program, which helps while the program's
// thread sleeps. Visibility, enabled state and styles never wait either.
//
// Acting: clicks, keys and system commands are posted, so the call returns at
// once even when the program then blocks (a modal loop, a wait); follow an
// action by WaitUntil() on what it should bring about.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// Polls `condition` every `pollMs` until it holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD pollMs = 20);

// --- finding windows ---------------------------------------------------------

// The top-level windows of a process, in z-order; `visibleOnly` skips hidden ones.
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly = true);

// The first visible top-level window of the process (of any process for
// id 0) for which `wanted` holds. Waits up to `timeoutMs`; nullptr if none came.
HWND FindWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted, DWORD timeoutMs = kDefaultTimeoutMs);

// A visible dialog (class #32770) of the process, with exactly this title
// when `title` is not empty. Waits up to `timeoutMs`; nullptr if none came.
HWND FindDialog(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);

// A message box of the process: a dialog with a text but no edit control.
// With a `title`, only one with that caption.
HWND FindMessageBox(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);

// True when `window` is gone (destroyed, or its process ended) within the time.
inline bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

inline HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// --- reading -----------------------------------------------------------------

// The text by WM_GETTEXT; empty when the program did not answer in `timeoutMs`.
std::wstring Text(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
inline std::wstring ItemText(HWND dialog, int id, DWORD timeoutMs = kDefaultTimeoutMs)
{
    return Text(Item(dialog, id), timeoutMs);
}
// The text held by the window system (caption, static and button texts as
// last set); never waits for the program.
std::wstring Caption(HWND window);
std::wstring ClassName(HWND window);

// The window and all its parents are shown.
inline bool IsVisible(HWND window) { return window && IsWindowVisible(window); }
inline bool IsItemVisible(HWND dialog, int id) { return IsVisible(Item(dialog, id)); }
inline bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)); }
// True when the check box or radio button is checked (BM_GETCHECK).
bool IsItemChecked(HWND dialog, int id);

// The control's rectangle in pixels, relative to the dialog's client area.
RECT ItemRect(HWND dialog, int id);
SIZE ClientSize(HWND window);

// The message of a message box.
std::wstring MessageBoxText(HWND box);

// --- acting ------------------------------------------------------------------

inline void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
inline void ClickItem(HWND dialog, int id) { Click(Item(dialog, id)); }
// Replaces the text of a control (WM_SETTEXT); waits for the program.
bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs = kDefaultTimeoutMs);
// A key press and release (WM_KEYDOWN, WM_KEYUP) to `window`, usually the
// dialog itself: Enter and Escape go through the dialog manager like real keys.
void PressKey(HWND window, UINT virtualKey);
// WM_SYSCOMMAND, e.g. SC_CLOSE (the close box) or an item added to the system menu.
inline void SystemCommand(HWND window, UINT command) { PostMessageW(window, WM_SYSCOMMAND, command, 0); }
// Presses the button `buttonId` (IDOK, IDYES, ...) of a message box.
void AnswerMessageBox(HWND box, int buttonId);

} // namespace e2e
