#include "tree_view.h"

#include <sstream>

namespace setup_e2e {

namespace {

constexpr int kTextChars = 260;

// Drive items read " (C:)" when the volume has no label.
std::wstring Trimmed(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L' ');
    size_t last = text.find_last_not_of(L' ');
    return first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
}

} // namespace

RemoteTreeView::RemoteTreeView(HWND tree) : m_tree(tree)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(tree, &processId);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process)
        m_memory = VirtualAllocEx(m_process, nullptr, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t),
                                  MEM_COMMIT, PAGE_READWRITE);
}

RemoteTreeView::~RemoteTreeView()
{
    if (m_memory) VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
    if (m_process) CloseHandle(m_process);
}

std::wstring RemoteTreeView::Text(HTREEITEM item) const
{
    if (!m_memory) return L"";
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(m_memory) + sizeof(TVITEMW));
    TVITEMW request = {};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = remoteText;
    request.cchTextMax = kTextChars;
    wchar_t text[kTextChars] = L"";
    if (!WriteProcessMemory(m_process, m_memory, &request, sizeof request, nullptr) ||
        !WriteProcessMemory(m_process, remoteText, text, sizeof text, nullptr))
        return L"";
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(m_memory), SMTO_NORMAL, 5000,
                             &result) ||
        !result)
        return L"";
    ReadProcessMemory(m_process, remoteText, text, sizeof text, nullptr);
    text[kTextChars - 1] = L'\0';
    return text;
}

HTREEITEM RemoteTreeView::Root() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageW(m_tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

HTREEITEM RemoteTreeView::OpenChild(HTREEITEM parent, const std::wstring& text) const
{
    SendMessageW(m_tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(m_tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageW(m_tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        if (Trimmed(Text(item)) == text) return item;
    return nullptr;
}

bool RemoteTreeView::SelectPath(const std::vector<std::wstring>& texts) const
{
    HTREEITEM item = Root();
    for (const std::wstring& text : texts) {
        if (!item) return false;
        item = OpenChild(item, text);
    }
    if (!item) return false;
    return SendMessageW(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

HWND FolderTree(HWND browser)
{
    return FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
}

std::vector<std::wstring> FolderPathItems(const std::wstring& folder)
{
    std::vector<std::wstring> items = {L"My Computer"};
    std::wstringstream parts(folder);
    std::wstring part;
    bool drive = true;
    while (std::getline(parts, part, L'\\')) {
        if (part.empty()) continue;
        items.push_back(drive ? L"(" + part + L")" : part);
        drive = false;
    }
    return items;
}

} // namespace setup_e2e
