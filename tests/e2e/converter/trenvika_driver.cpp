#include "trenvika_driver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "dxf_generator.h"

namespace trenvika {

Trenvika::Trenvika(const std::wstring& arguments, const std::filesystem::path& folder)
    : process(e2e::Process::Launch(TRENVIKA_EXE, arguments, folder.wstring())),
      dialog(e2e::FindDialog(process.Id(), kTitle))
{
    EXPECT_TRUE(dialog) << "no dialog for arguments " << testing::PrintToString(arguments);
}

bool Trenvika::Shows(bool inputs) const
{
    for (int id : {IDC_SOURCE_LABEL, IDC_SOURCE, IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL, IDC_OUTPUT, IDC_BROWSE_OUTPUT,
                   IDOK})
        if (e2e::IsItemVisible(dialog, id) != inputs) return false;
    return e2e::IsItemVisible(dialog, IDC_STATUS) != inputs;
}

void WriteDrawing(const std::filesystem::path& path, uint64_t bytes)
{
    FILE* out = _wfopen(path.c_str(), L"wb");
    ASSERT_TRUE(out);
    CrossSectionOptions options;
    options.targetBytes = bytes;
    options.pointsPerProfile = 40;
    WriteCrossSections(out, options);
    ASSERT_EQ(fclose(out), 0);
}

SlowSource::SlowSource(const std::filesystem::path& drawing, uint64_t bytesPerSecond)
{
    static std::atomic<int> serial{0};
    m_name = L"\\\\.\\pipe\\trenvika-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    HANDLE pipe = CreateNamedPipeW(m_name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1 << 16, 0, 0,
                                   nullptr);
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

SlowSource::~SlowSource()
{
    m_stop = true;
    // Releases the feeder from its wait for a reader that never came.
    HANDLE client = CreateFileW(m_name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (client != INVALID_HANDLE_VALUE) CloseHandle(client);
    m_feeder.join();
}

} // namespace trenvika
