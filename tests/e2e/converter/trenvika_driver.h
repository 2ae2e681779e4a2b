#pragma once
// Working trenvika.exe from the tests: start it, find its dialog, read its
// status, and feed it drawings.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <thread>

#include "dxf_generator.h"
#include "e2e.h"
#include "resource.h"
#include "test_files.h"

namespace trenvika {

inline const std::wstring kTitle = L"Trenvika";

// trenvika.exe started with `arguments` after the program name, in `folder`
// (or the test's current one), with its dialog found.
struct Trenvika {
    explicit Trenvika(const std::wstring& arguments = L"", const std::filesystem::path& folder = {})
        : process(e2e::Process::Launch(TRENVIKA_EXE, arguments, folder.wstring())),
          dialog(e2e::FindDialog(process.Id(), kTitle))
    {
        EXPECT_TRUE(dialog) << "no dialog for arguments " << testing::PrintToString(arguments);
    }
    e2e::Process process;
    HWND dialog = nullptr;

    std::wstring Status() const { return e2e::Caption(e2e::Item(dialog, IDC_STATUS)); }
    // Idle: paths, browse buttons and start, no status; running or ending: the status in their place.
    bool Shows(bool inputs) const
    {
        for (int id : {IDC_SOURCE_LABEL, IDC_SOURCE, IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL, IDC_OUTPUT,
                       IDC_BROWSE_OUTPUT, IDOK})
            if (e2e::IsItemVisible(dialog, id) != inputs) return false;
        return e2e::IsItemVisible(dialog, IDC_STATUS) != inputs;
    }
    bool ShowsInputs() const { return Shows(true); }
    bool ShowsStatus() const { return Shows(false); }
    bool SummaryShown() const { return Status().find(L"Terminate Process") != std::wstring::npos; }
    // Waits for the dialog to go and the program to end.
    bool WaitForEnd(DWORD timeoutMs = 20000)
    {
        return e2e::WaitForWindowGone(dialog, timeoutMs) && process.WaitForExit(timeoutMs);
    }
};

// The first counter of a status text, the lines read; 0 before the first poll.
inline long long SourceLines(const std::wstring& status) { return std::wcstoll(status.c_str(), nullptr, 10); }

inline std::wstring Quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

inline long long MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// The sample drawing, and the console converter's output for it with the
// reference "x" or "y", as its tests hold it.
inline const std::filesystem::path kSample = TRENVIKA_SAMPLE;
inline std::string Golden(const std::wstring& axis)
{
    return ReadBytes(CONVERTER_TEST_DATA L"/cross-section." + axis + L".expected.dxf");
}

// A generated survey drawing of about `bytes` bytes.
inline void WriteDrawing(const std::filesystem::path& path, uint64_t bytes)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(out);
    CrossSectionOptions options;
    options.targetBytes = bytes;
    options.pointsPerProfile = 40;
    WriteCrossSections(out, options);
    ASSERT_EQ(fclose(out), 0);
}

// The source as a drawing that arrives slowly, as over a slow network: a
// named pipe that feeds the bytes of a file at `bytesPerSecond` and ends
// the stream after the last byte, or when the reader goes away.
class SlowSource {
public:
    SlowSource(const std::filesystem::path& drawing, uint64_t bytesPerSecond)
    {
        static std::atomic<int> serial{0};
        m_name = L"\\\\.\\pipe\\trenvika-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
        HANDLE pipe = CreateNamedPipeW(m_name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1 << 16, 0,
                                       0, nullptr);
        EXPECT_NE(pipe, INVALID_HANDLE_VALUE);
        m_feeder = std::thread([this, pipe, bytes = ReadBytes(drawing), bytesPerSecond] {
            ConnectNamedPipe(pipe, nullptr);
            auto start = std::chrono::steady_clock::now();
            for (size_t sent = 0; sent < bytes.size() && !m_stop;) {
                DWORD piece = DWORD(std::min<size_t>(bytesPerSecond / 50 + 1, bytes.size() - sent)); // every 20 ms
                DWORD written = 0;
                if (!WriteFile(pipe, bytes.data() + sent, piece, &written, nullptr)) break; // the reader has gone
                sent += written;
                std::this_thread::sleep_until(start + std::chrono::microseconds(sent * 1000000 / bytesPerSecond));
            }
            // Closing our end (not disconnecting) lets the reader take what is
            // still in the pipe and then see the end of the stream.
            FlushFileBuffers(pipe);
            CloseHandle(pipe);
            m_finished = true;
        });
    }
    ~SlowSource()
    {
        m_stop = true;
        // Releases the feeder from its wait for a reader that never came.
        HANDLE client = CreateFileW(m_name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (client != INVALID_HANDLE_VALUE) CloseHandle(client);
        m_feeder.join();
    }
    const std::wstring& Path() const { return m_name; }
    // True once the reader has gone (it closed the pipe) or the stream ended.
    bool Finished() const { return m_finished; }

private:
    std::wstring m_name;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_feeder;
};

} // namespace trenvika
