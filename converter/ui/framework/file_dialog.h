#pragma once
// The platform's open-file and save-file dialogs.
#include <windows.h>

#include <string>

class CFileDialog {
public:
    // `fileName`: the name offered at first (system code page), may be empty.
    // `filter`: display texts and patterns separated by "|" (see file_filter.h).
    // `flags`: OFN_ options added to OFN_EXPLORER.
    CFileDialog(bool open, const wchar_t* defaultExtension, const std::string& fileName, DWORD flags,
                const wchar_t* filter, HWND owner);

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The chosen full path, in the system code page.
    std::string GetPathName() const { return m_strPathName; }

private:
    bool m_bOpen;
    std::wstring m_strDefExt;
    std::wstring m_strFileName;
    DWORD m_dwFlags;
    std::wstring m_strFilter;
    HWND m_hOwner;
    std::string m_strPathName;
};
