#include "file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "file_filter.h"

namespace {

std::wstring Widen(const std::string& text)
{
    if (text.empty()) return L"";
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& text)
{
    if (text.empty()) return "";
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// Room for the longest path the dialogs return.
constexpr size_t kPathBuffer = 32768;

} // namespace

CFileDialog::CFileDialog(bool open, const wchar_t* defaultExtension, const std::string& fileName, DWORD flags,
                         const wchar_t* filter, HWND owner)
    : m_bOpen(open), m_strDefExt(defaultExtension ? defaultExtension : L""), m_strFileName(Widen(fileName)),
      m_dwFlags(flags), m_strFilter(FilterForDialog(filter ? filter : L"")), m_hOwner(owner)
{
}

INT_PTR CFileDialog::DoModal()
{
    std::vector<wchar_t> path(kPathBuffer, L'\0');
    m_strFileName.copy(path.data(), path.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hOwner;
    ofn.lpstrFilter = m_strFilter.size() > 1 ? m_strFilter.c_str() : nullptr;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = DWORD(path.size());
    ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    ofn.Flags = OFN_EXPLORER | m_dwFlags;

    BOOL chosen = m_bOpen ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) return IDCANCEL;
    m_strPathName = Narrow(path.data());
    return IDOK;
}
