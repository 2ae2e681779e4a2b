#include "folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// Selects the starting folder once the browser is up.
int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM, LPARAM start)
{
    if (message == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

class ComApartment {
public:
    ComApartment() : m_bInitialized(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (m_bInitialized) CoUninitialize();
    }

private:
    bool m_bInitialized;
};

} // namespace

bool BrowseForFolder(HWND owner, PCIDLIST_ABSOLUTE root, const char* title, const char* start, char* out)
{
    ComApartment com;
    char displayName[MAX_PATH];
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(start);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    if (!chosen) return false;
    bool found = SHGetPathFromIDListA(chosen, out) != FALSE; // MAX_PATH bytes, as kPathSize
    CoTaskMemFree(chosen);
    return found;
}
