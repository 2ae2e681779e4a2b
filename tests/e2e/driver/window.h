#pragma once
// Finding, reading and working the windows of another process, as a person
// at the keyboard would (see README.md). Reading never waits for the program
// but through WM_GETTEXT (Text), which times out; actions are posted, so they
// return at once even when the program then blocks: follow each by WaitUntil.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// Polls `condition` every `pollMs` until it holds (true) or the time is up (false).
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD pollMs = 20)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;; std::this_thread::sleep_for(std::chrono::milliseconds(pollMs))) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
    }
}

inline std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}
// Caption: the text the window system holds, which never waits.
inline std::wstring Caption(HWND window)
{
    wchar_t text[4096];
    int length = InternalGetWindowText(window, text, ARRAYSIZE(text));
    return std::wstring(text, length > 0 ? length : 0);
}
inline std::wstring ClassName(HWND window)
{
    wchar_t name[256];
    int length = GetClassNameW(window, name, ARRAYSIZE(name));
    return std::wstring(name, length > 0 ? length : 0);
}
inline HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// The top-level windows of a process, in z-order.
inline std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly = true)
{
    std::vector<HWND> windows;
    for (HWND window : Children(GetDesktopWindow())) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((processId == 0 || owner == processId) && (!visibleOnly || IsWindowVisible(window)))
            windows.push_back(window);
    }
    return windows;
}

// Each waits up to `timeoutMs` and gives nullptr if nothing came. Process id
// 0: of any process. The first visible top-level window that is `wanted`;
// a dialog (#32770) with this title, if one is given; a message box (a
// dialog with a text and no input control).
inline HWND FindWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted,
                            DWORD timeoutMs = kDefaultTimeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(processId))
            if (!found && wanted(window)) found = window;
        return found != nullptr;
    }, timeoutMs);
    return found;
}
inline HWND FindDialog(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs)
{
    return FindWindowWhere(processId, [&](HWND w) {
        return ClassName(w) == L"#32770" && (title.empty() || Caption(w) == title);
    }, timeoutMs);
}
// The statics with text (the icon is one without); their ids differ between
// Windows versions.
inline std::wstring MessageBoxText(HWND box)
{
    std::wstring message;
    for (HWND child : Children(box)) {
        std::wstring text = ClassName(child) == L"Static" ? Caption(child) : L"";
        if (!text.empty()) message += (message.empty() ? L"" : L"\n") + text;
    }
    return message;
}
inline HWND FindMessageBox(DWORD processId, const std::wstring& title = L"", DWORD timeoutMs = kDefaultTimeoutMs)
{
    return FindWindowWhere(processId, [&](HWND w) {
        if (ClassName(w) != L"#32770" || !(title.empty() || Caption(w) == title)) return false;
        for (HWND child : Children(w)) // message boxes have none of these; file and other dialogs do
            for (const wchar_t* input : {L"Edit", L"ComboBox", L"SysListView32"})
                if (ClassName(child) == input) return false;
        return !MessageBoxText(w).empty();
    }, timeoutMs);
}
inline bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

// WM_GETTEXT (edit controls keep their text to themselves); empty when the
// program did not answer.
inline std::wstring Text(HWND window, DWORD timeoutMs = kDefaultTimeoutMs)
{
    std::wstring text(32768, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                             timeoutMs, &length))
        return L"";
    return text.substr(0, length);
}
inline std::wstring ItemText(HWND dialog, int id) { return Text(Item(dialog, id)); }
inline bool IsVisible(HWND window) { return window && IsWindowVisible(window); }
inline bool IsItemVisible(HWND dialog, int id) { return IsVisible(Item(dialog, id)); }
inline bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)); }
inline bool IsItemChecked(HWND dialog, int id)
{
    DWORD_PTR state = 0;
    return SendMessageTimeoutW(Item(dialog, id), BM_GETCHECK, 0, 0, SMTO_NORMAL, kDefaultTimeoutMs, &state) &&
           state == BST_CHECKED;
}
// In pixels, relative to the dialog's client area.
inline RECT ItemRect(HWND dialog, int id)
{
    RECT rect{};
    GetWindowRect(Item(dialog, id), &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
inline SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect); // left and top are 0
    return {rect.right, rect.bottom};
}

// BM_CLICK; WM_SETTEXT (waits); a key down and up through the dialog
// manager (Enter, Escape); WM_SYSCOMMAND (SC_CLOSE, a system menu item); a
// message box's button (IDOK, IDYES, ...).
inline void ClickItem(HWND dialog, int id) { PostMessageW(Item(dialog, id), BM_CLICK, 0, 0); }
inline bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs = kDefaultTimeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, timeoutMs,
                               &result) != 0;
}
inline void PressKey(HWND window, UINT virtualKey)
{
    const LPARAM scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16;
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | scan);
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | scan | (3u << 30));
}
inline void SystemCommand(HWND window, UINT command) { PostMessageW(window, WM_SYSCOMMAND, command, 0); }
inline void AnswerMessageBox(HWND box, int buttonId)
{
    if (HWND button = Item(box, buttonId))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

} // namespace e2e
