#include "process.h"

#include <utility>
#include <vector>

namespace e2e {

Process::~Process() { Release(); }

void Process::Release()
{
    if (Running()) Kill();
    if (m_process) CloseHandle(m_process);
    m_process = nullptr;
    m_id = 0;
}

Process::Process(Process&& other) noexcept
    : m_process(std::exchange(other.m_process, nullptr)), m_id(std::exchange(other.m_id, 0))
{
}

Process& Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        Release();
        m_process = std::exchange(other.m_process, nullptr);
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

Process Process::Launch(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder,
                        bool quiet)
{
    std::wstring line = L"\"" + program + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    return Start(program.c_str(), line, folder, quiet);
}

Process Process::LaunchCommandLine(const std::wstring& commandLine, const std::wstring& folder)
{
    return Start(nullptr, commandLine, folder, false);
}

Process Process::Start(const wchar_t* program, const std::wstring& line, const std::wstring& folder, bool quiet)
{
    // CreateProcessW may write into the command line.
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE nowhere = INVALID_HANDLE_VALUE;
    if (quiet) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        nowhere = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              OPEN_EXISTING, 0, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nowhere;
    }
    PROCESS_INFORMATION info{};
    Process process;
    BOOL created = CreateProcessW(program, buffer.data(), nullptr, nullptr, quiet, 0, nullptr,
                                  folder.empty() ? nullptr : folder.c_str(), &startup, &info);
    if (nowhere != INVALID_HANDLE_VALUE) CloseHandle(nowhere);
    if (!created) return process;
    CloseHandle(info.hThread);
    process.m_process = info.hProcess;
    process.m_id = info.dwProcessId;
    return process;
}

bool Process::Running() const
{
    return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

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

void Process::Kill()
{
    if (!Running()) return;
    TerminateProcess(m_process, 255);
    WaitForSingleObject(m_process, 10000);
}

} // namespace e2e
