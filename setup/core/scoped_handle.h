#pragma once
// Handles that close themselves: files and processes, and file searches.
#include <windows.h>

class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    ~ScopedHandle()
    {
        if (Valid()) CloseHandle(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// FindFirstFileA / FindNextFileA over one pattern.
class FileSearch {
public:
    explicit FileSearch(const char* pattern) : m_handle(FindFirstFileA(pattern, &m_found)) {}
    ~FileSearch()
    {
        if (m_handle != INVALID_HANDLE_VALUE) FindClose(m_handle);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    // True while `Found()` holds an entry; Next() moves to the following one.
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE && m_bValid; }
    const WIN32_FIND_DATAA& Found() const { return m_found; }
    bool IsFolder() const { return (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    void Next() { m_bValid = FindNextFileA(m_handle, &m_found) != FALSE; }

private:
    WIN32_FIND_DATAA m_found;
    HANDLE m_handle;
    bool m_bValid = true;
};
