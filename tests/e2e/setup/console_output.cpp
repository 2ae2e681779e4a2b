#include "console_output.h"

#include <vector>

namespace setup_e2e {

std::string ConsoleOutput(const std::wstring& commandLine, DWORD timeoutMs)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nowhere = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nowhere;
    startup.hStdOutput = writeEnd;
    startup.hStdError = nowhere;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                  &startup, &info);
    CloseHandle(writeEnd);
    CloseHandle(nowhere);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
        WaitForSingleObject(info.hProcess, timeoutMs);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(readEnd);
    return output;
}

} // namespace setup_e2e
