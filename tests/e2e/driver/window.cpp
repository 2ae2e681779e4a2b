#include "window.h"

#include <chrono>
#include <thread>

namespace e2e {

namespace {

struct EnumState {
    DWORD processId;
    bool visibleOnly;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param)
{
    auto& state = *reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((state.processId == 0 || owner == state.processId) && (!state.visibleOnly || IsWindowVisible(window)))
        state.windows.push_back(window);
    return TRUE;
}

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

HWND FindTopLevel(DWORD processId, DWORD timeoutMs, const std::function<bool(HWND)>& wanted)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(processId))
                if (wanted(window)) {
                    found = window;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
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
    EnumState state{processId, visibleOnly, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

HWND FindDialog(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    return FindTopLevel(processId, timeoutMs,
                        [&](HWND w) { return IsDialog(w) && (title.empty() || Caption(w) == title); });
}

HWND FindDialogByTitle(const std::wstring& title, DWORD timeoutMs)
{
    return FindTopLevel(0, timeoutMs, [&](HWND w) { return IsDialog(w) && Caption(w) == title; });
}

HWND FindMessageBox(DWORD processId, const std::wstring& title, DWORD timeoutMs)
{
    return FindTopLevel(processId, timeoutMs, [&](HWND w) {
        return IsDialog(w) && (title.empty() || Caption(w) == title) && !HasInputControls(w) &&
               !MessageBoxText(w).empty();
    });
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs)
{
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::wstring Text(HWND window, DWORD timeoutMs)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, timeoutMs, &length)) return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                             timeoutMs, &copied))
        return L"";
    text.resize(copied);
    return text;
}

std::wstring ItemText(HWND dialog, int id, DWORD timeoutMs) { return Text(Item(dialog, id), timeoutMs); }

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

bool IsVisible(HWND window) { return window && IsWindowVisible(window); }
bool IsItemVisible(HWND dialog, int id) { return IsVisible(Item(dialog, id)); }
bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)); }
LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }
LONG ExStyle(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE); }

int CheckState(HWND button, DWORD timeoutMs)
{
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, timeoutMs, &state)) return -1;
    return static_cast<int>(state);
}

bool IsItemChecked(HWND dialog, int id) { return CheckState(Item(dialog, id)) == BST_CHECKED; }

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
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

std::wstring MessageBoxText(HWND box)
{
    // The message is the static with text (the icon is a static without);
    // its id differs between Windows versions, so none is assumed.
    std::wstring message;
    for (HWND child : Children(box)) {
        if (ClassName(child) != L"Static") continue;
        std::wstring text = Caption(child);
        if (text.empty()) continue;
        if (!message.empty()) message += L"\n";
        message += text;
    }
    return message;
}

std::vector<std::wstring> ButtonTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child : Children(dialog))
        if (ClassName(child) == L"Button" && IsWindowVisible(child)) texts.push_back(Caption(child));
    return texts;
}

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
void ClickItem(HWND dialog, int id) { Click(Item(dialog, id)); }

bool SetText(HWND window, const std::wstring& text, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                               timeoutMs, &result) != 0;
}

void TypeText(HWND window, const std::wstring& text)
{
    for (wchar_t c : text) PostMessageW(window, WM_CHAR, c, 1);
}

void PressKey(HWND window, UINT virtualKey)
{
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void SystemCommand(HWND window, UINT command) { PostMessageW(window, WM_SYSCOMMAND, command, 0); }

void AnswerMessageBox(HWND box, int buttonId)
{
    HWND button = Item(box, buttonId);
    if (button)
        Click(button);
    else
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
}

} // namespace e2e
