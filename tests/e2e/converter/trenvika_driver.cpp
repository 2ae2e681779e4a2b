#include "trenvika_driver.h"

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <iterator>

#include "dxf_generator.h"

namespace trenvika {

TempFolder::TempFolder(const std::wstring& name)
{
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string testName = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside a test";
    m_path = std::filesystem::temp_directory_path() /
             (name.empty() ? L"trenvika e2e " + std::wstring(testName.begin(), testName.end()) : name);
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

Trenvika::Trenvika(const std::wstring& arguments, const std::wstring& folder)
    : process(e2e::Process::Launch(TRENVIKA_EXE, arguments, folder)), dialog(e2e::FindDialog(process.Id(), kTitle))
{
    EXPECT_TRUE(process.Started());
    EXPECT_TRUE(dialog) << "no dialog for arguments " << testing::PrintToString(arguments);
}

bool Trenvika::ShowsInputs() const
{
    for (int id : {IDC_SOURCE_LABEL, IDC_SOURCE, IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL, IDC_OUTPUT, IDC_BROWSE_OUTPUT,
                   IDOK})
        if (!e2e::IsItemVisible(dialog, id)) return false;
    return !e2e::IsItemVisible(dialog, IDC_STATUS);
}

bool Trenvika::ShowsStatus() const
{
    for (int id : {IDC_SOURCE_LABEL, IDC_SOURCE, IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL, IDC_OUTPUT, IDC_BROWSE_OUTPUT,
                   IDOK})
        if (e2e::IsItemVisible(dialog, id)) return false;
    return e2e::IsItemVisible(dialog, IDC_STATUS);
}

bool Trenvika::WaitForEnd(DWORD timeoutMs)
{
    return e2e::WaitForWindowGone(dialog, timeoutMs) && process.WaitForExit(timeoutMs);
}

Counters ParseStatus(const std::wstring& status)
{
    Counters counters;
    long long a, b, c, d;
    if (swscanf(status.c_str(), L"%lld SourceLines\n%lld Points\n%lld PolyLines\n\n%lld WritePolyLines", &a, &b, &c,
                &d) == 4)
        counters = {a, b, c, d};
    return counters;
}

std::wstring FinalStatus(int sourceLines, int points, int polyLines, int writePolyLines)
{
    wchar_t text[160];
    swprintf(text, 160, L"%06d SourceLines\n%06d Points\n%06d PolyLines\n\n%06d WritePolyLines\n\nTerminate Process",
             sourceLines, points, polyLines, writePolyLines);
    return text;
}

void WriteDrawing(const std::filesystem::path& path, uint64_t bytes)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(out);
    static char buffer[1 << 16];
    setvbuf(out, buffer, _IOFBF, sizeof buffer);
    CrossSectionOptions options;
    options.targetBytes = bytes;
    options.pointsPerProfile = 40;
    WriteCrossSections(out, options);
    ASSERT_EQ(fclose(out), 0);
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ConsoleConversion(const std::filesystem::path& source, const std::filesystem::path& folder,
                              bool yReference)
{
    std::filesystem::path output = folder / L"console-output.dxf";
    std::wstring arguments = (yReference ? L"--y " : L"") + Quoted(source) + L" " + Quoted(output);
    e2e::Process cli = e2e::Process::Launch(TRENVIKA_CLI_EXE, arguments, L"", true);
    EXPECT_TRUE(cli.WaitForExit(60000));
    EXPECT_EQ(cli.ExitCode(), 0u);
    std::string bytes = ReadBytes(output);
    std::filesystem::remove(output);
    return bytes;
}

SlowSource::SlowSource(const std::filesystem::path& drawing, uint64_t bytesPerSecond, bool endless)
{
    static std::atomic<int> serial{0};
    m_name = L"\\\\.\\pipe\\trenvika-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++serial);
    m_pipe = CreateNamedPipeW(m_name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1 << 16, 0, 0,
                              nullptr);
    EXPECT_NE(m_pipe, INVALID_HANDLE_VALUE);
    std::string bytes = ReadBytes(drawing);
    EXPECT_FALSE(bytes.empty());
    m_feeder = std::thread(&SlowSource::Feed, this, std::move(bytes), bytesPerSecond, endless);
}

SlowSource::~SlowSource()
{
    m_stop = true;
    if (!m_connected) {
        // Release the feeder from its wait for a reader that never came.
        HANDLE client = CreateFileW(m_name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (client != INVALID_HANDLE_VALUE) CloseHandle(client);
    }
    m_feeder.join();
}

void SlowSource::Feed(std::string bytes, uint64_t bytesPerSecond, bool endless)
{
    using namespace std::chrono;
    if (m_pipe == INVALID_HANDLE_VALUE) return;
    if (bytes.empty()) endless = false;
    bool connected = ConnectNamedPipe(m_pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED;
    m_connected = true;
    const size_t chunk = size_t(bytesPerSecond / 50) + 1; // one piece every 20 ms
    size_t position = 0;
    auto start = steady_clock::now();
    uint64_t sent = 0;
    while (connected && !m_stop) {
        if (position == bytes.size()) {
            if (!endless) {
                FlushFileBuffers(m_pipe); // until the reader has it all
                break;
            }
            position = 0;
        }
        DWORD size = DWORD(std::min(chunk, bytes.size() - position));
        DWORD written = 0;
        if (!WriteFile(m_pipe, bytes.data() + position, size, &written, nullptr)) break; // the reader has gone
        position += written;
        sent += written;
        auto due = start + microseconds(sent * 1000000 / bytesPerSecond);
        std::this_thread::sleep_until(due);
    }
    // Closing our end (not disconnecting) lets the reader take what is
    // still in the pipe and then see the end of the stream.
    CloseHandle(m_pipe);
    m_finished = true;
}

} // namespace trenvika
