#include "window.h"

#include <chrono>
#include <thread>

namespace e2e {

namespace {

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool IsDialog(HWND window) { return ClassName(window) == L"#32770"; }

// Message boxes have none of these; file and other dialogs do.
bool HasInputControls(HWND dialog)
{
    for (HWND child : Children(dialog)) {
        std::wstring name = ClassName(child);
        if (name == L"Edit" || name == L"ComboBox" || name == L"SysListView32") return true;
    }
    return false;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
}

std::vector<HWND> TopLevelWindows(DWORD processId, bool visibleOnly)
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

HWND FindWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId))
                if (!found && wanted(window)) found = window;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND FindDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    return FindWindowWhere(processId, [&](HWND w) { return IsDialog(w) && (title.empty() || Caption(w) == title); },
                           timeoutMs);
}

HWND FindMessageBox(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    return FindWindowWhere(
        processId,
        [&](HWND w) {
            return IsDialog(w) && (title.empty() || Caption(w) == title) && !HasInputControls(w) &&
                   !MessageBoxText(w).empty();
        },
        timeoutMs);
}

std::wstring Text(HWND window, DWORD timeoutMs)
{
    std::wstring text(32768, L'\0');
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                             timeoutMs, &length))
        return L"";
    text.resize(length);
    return text;
}

std::wstring Caption(HWND window)
{
    wchar_t text[4096];
    int length = InternalGetWindowText(window, text, ARRAYSIZE(text));
    return std::wstring(text, length > 0 ? length : 0);
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256];
    int length = GetClassNameW(window, name, ARRAYSIZE(name));
    return std::wstring(name, length > 0 ? length : 0);
}

bool IsItemChecked(HWND dialog, int id)
{
    DWORD_PTR state = 0;
    return SendMessageTimeoutW(Item(dialog, id), BM_GETCHECK, 0, 0, SMTO_NORMAL, kDefaultTimeoutMs, &state) &&
           state == BST_CHECKED;
}

RECT ItemRect(HWND dialog, int id)
{
    RECT rect{};
    GetWindowRect(Item(dialog, id), &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect); // left and top are 0
    return {rect.right, rect.bottom};
}

std::wstring MessageBoxText(HWND box)
{
    // The statics with text (the icon is one without); their ids differ
    // between Windows versions.
    std::wstring message;
    for (HWND child : Children(box)) {
        std::wstring text = ClassName(child) == L"Static" ? Caption(child) : L"";
        if (!text.empty()) message += (message.empty() ? L"" : L"\n") + text;
    }
    return message;
}

void ClickItem(HWND dialog, int id) { PostMessageW(Item(dialog, id), BM_CLICK, 0, 0); }

bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                               timeoutMs, &result) != 0;
}

void PressKey(HWND window, UINT virtualKey)
{
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void AnswerMessageBox(HWND box, int buttonId)
{
    if (HWND button = Item(box, buttonId))
        PostMessageW(button, BM_CLICK, 0, 0);
    else
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

} // namespace e2e
