#pragma once
// A program under test, started as a person would start it: by its path and
// the text typed after it on the command line.
#include <windows.h>

#include <string>

namespace e2e {

class Process {
public:
    Process() = default;
    // Ends the program if it still runs, so that a failed test leaves nothing behind.
    ~Process();
    Process(Process&& other) noexcept;

    // Starts `program` with the command line `"program" arguments`; the
    // arguments reach the program exactly as given (quotes, tabs and all).
    // An empty `folder` keeps the current folder.
    static Process Launch(const std::wstring& program, const std::wstring& arguments = L"",
                          const std::wstring& folder = L"");

    // Starts the whole `commandLine` as typed, program name included and
    // quoted or not, as the system finds it.
    static Process LaunchCommandLine(const std::wstring& commandLine, const std::wstring& folder = L"");

    // Starts `program` with exactly `commandLine` as its command line, as
    // Windows starts a command from its uninstall list once it has found
    // the program (Wine re-quotes the line when it has to search for it).
    static Process LaunchExactly(const std::wstring& program, const std::wstring& commandLine,
                                 const std::wstring& folder = L"");

    bool Started() const { return m_process != nullptr; }
    DWORD Id() const { return m_id; }

    bool Running() const;
    // True once the program has ended, false when `timeoutMs` ran out first.
    bool WaitForExit(DWORD timeoutMs);
    // The exit status; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Terminates the program and waits until it is gone.
    void Kill();

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

} // namespace e2e
