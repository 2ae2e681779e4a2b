#pragma once
// Working trenvika.exe from the tests: start it, find its dialog, read its
// status, and feed it drawings.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cwchar>
#include <filesystem>
#include <string>
#include <thread>

#include "e2e.h"
#include "resource.h"
#include "test_files.h"

namespace trenvika {

inline const std::wstring kTitle = L"Trenvika";
inline const std::wstring kFont = L"ＭＳ Ｐゴシック"; // 9 points

// trenvika.exe with its dialog found, or a failed assertion.
struct Trenvika {
    e2e::Process process;
    HWND dialog = nullptr;

    // Starts it with `arguments` after the program name, in `folder` (or
    // the test's current one), and waits for the dialog.
    explicit Trenvika(const std::wstring& arguments = L"", const std::filesystem::path& folder = {});

    std::wstring Status() const { return e2e::Caption(e2e::Item(dialog, IDC_STATUS)); }
    bool ShowsInputs() const { return Shows(true); } // idle: paths, browse buttons and start; no status
    bool ShowsStatus() const { return Shows(false); } // running or ending: the status in their place
    bool SummaryShown() const { return Status().find(L"Terminate Process") != std::wstring::npos; }
    // Waits for the dialog to go and the program to end.
    bool WaitForEnd(DWORD timeoutMs = 20000)
    {
        return e2e::WaitForWindowGone(dialog, timeoutMs) && process.WaitForExit(timeoutMs);
    }

private:
    bool Shows(bool inputs) const;
};

// The first counter of a status text, the lines read; 0 before the first poll.
inline long long SourceLines(const std::wstring& status) { return std::wcstoll(status.c_str(), nullptr, 10); }

// Writes a generated survey drawing of about `bytes` bytes.
void WriteDrawing(const std::filesystem::path& path, uint64_t bytes);

// The sample drawing, and the console converter's output for it with the
// reference "x" or "y", as its tests hold it.
inline const std::filesystem::path kSample = TRENVIKA_SAMPLE;
inline std::string Golden(const std::wstring& axis)
{
    return ReadBytes(CONVERTER_TEST_DATA L"/cross-section." + axis + L".expected.dxf");
}

// The source as a drawing that arrives slowly, as over a slow network: a
// named pipe that feeds the bytes of a file at `bytesPerSecond` and ends
// the stream after the last byte, or when the reader goes away.
class SlowSource {
public:
    SlowSource(const std::filesystem::path& drawing, uint64_t bytesPerSecond);
    ~SlowSource();
    const std::wstring& Path() const { return m_name; }
    // True once the reader has gone (it closed the pipe) or the stream ended.
    bool Finished() const { return m_finished; }

private:
    std::wstring m_name;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_feeder;
};

// Quotes a path for the command line.
inline std::wstring Quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

} // namespace trenvika
