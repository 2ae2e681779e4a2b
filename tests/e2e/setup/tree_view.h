#pragma once
// Working a tree view of another process, such as the shell's folder
// browser, as a person would: open folders and click one. Item texts are
// read through memory lent in the other process, since the tree view's
// messages carry pointers that only mean something there.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace setup_e2e {

class RemoteTreeView {
public:
    explicit RemoteTreeView(HWND tree);
    ~RemoteTreeView();
    RemoteTreeView(const RemoteTreeView&) = delete;
    RemoteTreeView& operator=(const RemoteTreeView&) = delete;

    std::wstring Text(HTREEITEM item) const;
    HTREEITEM Root() const;
    // Expands `parent` and returns its child with this text (blanks around it
    // aside), or nullptr.
    HTREEITEM OpenChild(HTREEITEM parent, const std::wstring& text) const;
    // Opens the items named by `texts` below the root, one level each, and
    // selects the last one. False when one of them is not there.
    bool SelectPath(const std::vector<std::wstring>& texts) const;

private:
    HWND m_tree;
    HANDLE m_process = nullptr;
    void* m_memory = nullptr; // a TVITEMW and its text buffer, in the other process
};

// The tree view of the folder browser `browser`.
HWND FolderTree(HWND browser);

// The item texts of the shell's name space from the desktop down to a
// folder such as C:\users\x: "My Computer", "(C:)", "users", "x".
std::vector<std::wstring> FolderPathItems(const std::wstring& folder);

} // namespace setup_e2e
