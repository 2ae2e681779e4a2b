#include "process.h"

#include <utility>
#include <vector>

namespace e2e {

Process::~Process()
{
    if (!m_process) return;
    if (Running()) {
        TerminateProcess(m_process, 255);
        WaitForSingleObject(m_process, 10000);
    }
    CloseHandle(m_process);
}

Process::Process(Process&& other) noexcept
    : m_process(std::exchange(other.m_process, nullptr)), m_id(std::exchange(other.m_id, 0))
{
}

Process Process::Launch(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    return LaunchCommandLine(L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments), folder);
}

Process Process::LaunchCommandLine(const std::wstring& commandLine, const std::wstring& folder)
{
    return LaunchExactly(L"", commandLine, folder);
}

Process Process::LaunchExactly(const std::wstring& program, const std::wstring& commandLine, const std::wstring& folder)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end()); // CreateProcessW may write into it
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Process process;
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return process;
    CloseHandle(info.hThread);
    process.m_process = info.hProcess;
    process.m_id = info.dwProcessId;
    return process;
}

bool Process::Running() const { return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD timeoutMs)
{
    return !m_process || WaitForSingleObject(m_process, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (m_process) GetExitCodeProcess(m_process, &code);
    return code;
}

} // namespace e2e
