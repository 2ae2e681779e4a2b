#pragma once
// A program under test, started as a person or the system would start it
// (see README.md). The destructor ends a program that still runs, so that a
// failed test leaves nothing behind.
#include <windows.h>

#include <string>

namespace e2e {

class Process {
public:
    Process() = default;
    ~Process();
    Process(Process&& other) noexcept;

    // `"program" arguments`, the arguments exactly as given; an empty
    // `folder` keeps the current folder.
    static Process Launch(const std::wstring& program, const std::wstring& arguments = L"",
                          const std::wstring& folder = L"");
    // The whole command line as typed, the program quoted or not.
    static Process LaunchCommandLine(const std::wstring& commandLine, const std::wstring& folder = L"");
    // `program` with exactly `commandLine` (lpApplicationName set), as Windows
    // starts a registered command once it has found the program.
    static Process LaunchExactly(const std::wstring& program, const std::wstring& commandLine,
                                 const std::wstring& folder = L"");

    DWORD Id() const { return m_id; }
    bool Running() const;
    // True once the program has ended, false when `timeoutMs` ran out first.
    bool WaitForExit(DWORD timeoutMs);
    // The exit status; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

} // namespace e2e
