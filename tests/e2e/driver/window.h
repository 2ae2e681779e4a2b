#pragma once
// Finding, reading and working the windows of another process, as a person
// at the keyboard would (see README.md). Reading never waits for the program
// but through WM_GETTEXT (Text), which times out; actions are posted, so they
// return at once even when the program then blocks: follow each by WaitUntil.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// Polls `condition` every `pollMs` until it holds (true) or the time is up (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD pollMs = 20);

// The top-level windows of a process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly = true);
// Each waits up to `timeoutMs` and gives nullptr if nothing came. Process id
// 0: of any process. The first visible top-level window that is `wanted`;
// a dialog (#32770) with this title, if one is given; a message box (a
// dialog with a text and no input control).
HWND FindWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted, DWORD timeoutMs = kDefaultTimeoutMs);
HWND FindDialog(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);
HWND FindMessageBox(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);
inline bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}
inline HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// WM_GETTEXT (edit controls keep their text to themselves); empty when the
// program did not answer. Caption: the text the window system holds.
std::wstring Text(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
inline std::wstring ItemText(HWND dialog, int id) { return Text(Item(dialog, id)); }
std::wstring Caption(HWND window);
std::wstring ClassName(HWND window);
inline bool IsVisible(HWND window) { return window && IsWindowVisible(window); }
inline bool IsItemVisible(HWND dialog, int id) { return IsVisible(Item(dialog, id)); }
inline bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)); }
bool IsItemChecked(HWND dialog, int id);
// In pixels, relative to the dialog's client area.
RECT ItemRect(HWND dialog, int id);
SIZE ClientSize(HWND window);
std::wstring MessageBoxText(HWND box);

// BM_CLICK; WM_SETTEXT (waits); a key down and up through the dialog
// manager (Enter, Escape); WM_SYSCOMMAND (SC_CLOSE, a system menu item); a
// message box's button (IDOK, IDYES, ...).
void ClickItem(HWND dialog, int id);
bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs = kDefaultTimeoutMs);
void PressKey(HWND window, UINT virtualKey);
inline void SystemCommand(HWND window, UINT command) { PostMessageW(window, WM_SYSCOMMAND, command, 0); }
void AnswerMessageBox(HWND box, int buttonId);

} // namespace e2e
