#pragma once
// A program under test, started as a person or the system would start it
// (see README.md). The destructor ends a program that still runs, so that a
// failed test leaves nothing behind.
#include <windows.h>

#include <string>
#include <utility>

namespace e2e {

class Process {
public:
    Process() = default;
    Process(Process&& other) noexcept
        : m_process(std::exchange(other.m_process, nullptr)), m_id(std::exchange(other.m_id, 0))
    {
    }
    ~Process()
    {
        if (!m_process) return;
        if (Running()) TerminateProcess(m_process, 255), WaitForSingleObject(m_process, 10000);
        CloseHandle(m_process);
    }

    // `"program" arguments`, the arguments exactly as given; an empty
    // `folder` keeps the current folder.
    static Process Launch(const std::wstring& program, const std::wstring& arguments = L"",
                          const std::wstring& folder = L"")
    {
        return LaunchCommandLine(L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments), folder);
    }
    // The whole command line as typed, the program quoted or not.
    static Process LaunchCommandLine(const std::wstring& commandLine, const std::wstring& folder = L"")
    {
        return LaunchExactly(L"", commandLine, folder);
    }
    // `program` with exactly `commandLine` (lpApplicationName set), as Windows
    // starts a registered command once it has found the program.
    static Process LaunchExactly(const std::wstring& program, std::wstring commandLine, // CreateProcessW writes in it
                                 const std::wstring& folder = L"")
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        Process process;
        if (CreateProcessW(program.empty() ? nullptr : program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
            CloseHandle(info.hThread);
            process.m_process = info.hProcess;
            process.m_id = info.dwProcessId;
        }
        return process;
    }

    DWORD Id() const { return m_id; }
    bool Running() const { return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }
    // True once the program has ended, false when `timeoutMs` ran out first.
    bool WaitForExit(DWORD ms) { return !m_process || WaitForSingleObject(m_process, ms) == WAIT_OBJECT_0; }
    // The exit status; STILL_ACTIVE while it runs.
    DWORD ExitCode() const
    {
        DWORD code = STILL_ACTIVE;
        if (m_process) GetExitCodeProcess(m_process, &code);
        return code;
    }

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

} // namespace e2e
