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

// A visible dialog (class #32770) of the process, with exactly this title
// when `title` is not empty. Waits up to `timeoutMs`; nullptr if none came.
HWND FindDialog(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);

// A visible dialog of any process with exactly this title.
HWND FindDialogByTitle(const std::wstring& title, DWORD timeoutMs = kDefaultTimeoutMs);

// A message box of the process: a dialog with a text but no edit control.
// With a `title`, only one with that caption.
HWND FindMessageBox(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs);

// True when `window` is gone (destroyed, or its process ended) within the time.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

HWND Item(HWND dialog, int id);

// --- reading -----------------------------------------------------------------

// The text by WM_GETTEXT; empty when the program did not answer in `timeoutMs`.
std::wstring Text(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
std::wstring ItemText(HWND dialog, int id, DWORD timeoutMs = kDefaultTimeoutMs);
// The text held by the window system (caption, static and button texts as
// last set); never waits for the program.
std::wstring Caption(HWND window);
std::wstring ClassName(HWND window);

bool IsVisible(HWND window); // the window and all its parents are shown
bool IsItemVisible(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
LONG Style(HWND window);
LONG ExStyle(HWND window);
// BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE of a check box or radio
// button; -1 when the program did not answer.
int CheckState(HWND button, DWORD timeoutMs = kDefaultTimeoutMs);
bool IsItemChecked(HWND dialog, int id);

// The control's rectangle in pixels, relative to the dialog's client area.
RECT ItemRect(HWND dialog, int id);
SIZE ClientSize(HWND window);

// The texts of a message box: its message and its buttons.
std::wstring MessageBoxText(HWND box);
std::vector<std::wstring> ButtonTexts(HWND dialog);

// --- acting ------------------------------------------------------------------

void Click(HWND button);
void ClickItem(HWND dialog, int id);
// Replaces the text of a control (WM_SETTEXT); waits for the program.
bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs = kDefaultTimeoutMs);
// Types into a control character by character (WM_CHAR), as the keyboard would.
void TypeText(HWND window, const std::wstring& text);
// A key press and release (WM_KEYDOWN, WM_KEYUP) to `window`, usually the
// dialog itself: Enter and Escape go through the dialog manager like real keys.
void PressKey(HWND window, UINT virtualKey);
// WM_SYSCOMMAND, e.g. SC_CLOSE (the close box) or an item added to the system menu.
void SystemCommand(HWND window, UINT command);
// Presses the button `buttonId` (IDOK, IDYES, ...) of a message box.
void AnswerMessageBox(HWND box, int buttonId);

} // namespace e2e
