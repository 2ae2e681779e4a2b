#pragma once
// Working trenvika.exe from the tests: start it, find its dialog, read its
// status, and feed it drawings.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "e2e.h"
#include "resource.h"

namespace trenvika {

inline const std::wstring kTitle = L"Trenvika";
inline const std::wstring kFont = L"ＭＳ Ｐゴシック";
constexpr WORD kFontSize = 9;

// A folder of the test's own, named after the test (with blanks) unless a
// name is given; removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& name = L"");
    ~TempFolder();
    std::filesystem::path operator/(const std::wstring& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// trenvika.exe with its dialog found, or a failed assertion.
struct Trenvika {
    e2e::Process process;
    HWND dialog = nullptr;

    // Starts it with `arguments` after the program name, in `folder` (or
    // the test's current one), and waits for the dialog.
    explicit Trenvika(const std::wstring& arguments = L"", const std::wstring& folder = L"");

    std::wstring Status() const { return e2e::Caption(e2e::Item(dialog, IDC_STATUS)); }
    bool ShowsInputs() const; // idle: paths, browse buttons and start visible, status hidden
    bool ShowsStatus() const; // running or ending: status visible, inputs hidden
    bool SummaryShown() const { return Status().find(L"Terminate Process") != std::wstring::npos; }
    // Waits for the dialog to go and the program to end.
    bool WaitForEnd(DWORD timeoutMs = 20000);
};

// The four counters of a status text; -1 where the text does not have them.
struct Counters {
    int64_t sourceLines = -1, points = -1, polyLines = -1, writePolyLines = -1;
};
Counters ParseStatus(const std::wstring& status);

// The status text a run with these counters ends with.
std::wstring FinalStatus(int sourceLines, int points, int polyLines, int writePolyLines);

// Writes a generated survey drawing of about `bytes` bytes.
void WriteDrawing(const std::filesystem::path& path, uint64_t bytes);

std::string ReadBytes(const std::filesystem::path& path);

// The output of trenvika-cli.exe for `source` (X reference, or Y with `yReference`).
std::string ConsoleConversion(const std::filesystem::path& source, const std::filesystem::path& folder,
                              bool yReference = false);

// The source as a drawing that arrives slowly, as over a slow network: a
// named pipe that feeds the bytes of a file at `bytesPerSecond`. With
// `endless` it starts over at the end and feeds until the reader goes away;
// otherwise it ends the stream after the last byte.
class SlowSource {
public:
    SlowSource(const std::filesystem::path& drawing, uint64_t bytesPerSecond, bool endless);
    ~SlowSource();
    const std::wstring& Path() const { return m_name; }
    bool ReaderConnected() const { return m_connected; }
    // True once the reader has gone (it closed the pipe) or the stream ended.
    bool Finished() const { return m_finished; }

private:
    void Feed(std::string bytes, uint64_t bytesPerSecond, bool endless);

    std::wstring m_name;
    HANDLE m_pipe = INVALID_HANDLE_VALUE;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_connected{false};
    std::atomic<bool> m_finished{false};
    std::thread m_feeder;
};

// Quotes a path for the command line.
inline std::wstring Quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

} // namespace trenvika
