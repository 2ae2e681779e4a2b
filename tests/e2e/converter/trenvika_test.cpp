// trenvika.exe driven as a person would, in Japanese (code page 932): the
// dialog as it first appears and the dialogs it opens while idle, runs
// started from the dialog and from the command line, and the abort.
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

using namespace e2e;

// For all tests of this program.
const WineWindowFrames kWineFrames{L"trenvika.exe"};

namespace {

// trenvika.exe started with `arguments` after the program name, in `folder`
// (or the test's current one), with its dialog found.
struct Trenvika {
    explicit Trenvika(const std::wstring& arguments = L"", const std::filesystem::path& folder = {})
        : process(Process::Launch(TRENVIKA_EXE, arguments, folder.wstring())),
          dialog(FindDialog(process.Id(), L"Trenvika"))
    {
        EXPECT_TRUE(dialog) << "no dialog for arguments " << testing::PrintToString(arguments);
    }
    Process process;
    HWND dialog = nullptr;

    std::wstring Status() const { return Caption(Item(dialog, IDC_STATUS)); }
    // Idle: paths, browse buttons and start, no status; running or ending: the status in their place.
    bool Shows(bool inputs) const
    {
        for (int id : {IDC_SOURCE_LABEL, IDC_SOURCE, IDC_BROWSE_SOURCE, IDC_OUTPUT_LABEL, IDC_OUTPUT,
                       IDC_BROWSE_OUTPUT, IDOK})
            if (IsItemVisible(dialog, id) != inputs) return false;
        return IsItemVisible(dialog, IDC_STATUS) != inputs;
    }
    bool ShowsInputs() const { return Shows(true); }
    bool ShowsStatus() const { return Shows(false); }
    bool SummaryShown() const { return Status().find(L"Terminate Process") != std::wstring::npos; }
    // Waits for the dialog to go and the program to end.
    bool WaitForEnd(DWORD ms = 20000) { return WaitForWindowGone(dialog, ms) && process.WaitForExit(ms); }
};

// The first counter of a status text, the lines read; 0 before the first poll.
long long SourceLines(const std::wstring& status) { return std::wcstoll(status.c_str(), nullptr, 10); }

std::wstring Quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

long long MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// The sample drawing, and the console converter's output for it with the
// reference "x" or "y", as its tests hold it.
const std::filesystem::path kSample = TRENVIKA_SAMPLE;
std::string Golden(const std::wstring& axis)
{
    return ReadBytes(CONVERTER_TEST_DATA L"/cross-section." + axis + L".expected.dxf");
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
    std::atomic<bool> m_stop{false}, m_finished{false};
    std::thread m_feeder;
};

// The file name box (an edit inside cmb13) of the file dialog that the
// program opened over its main dialog.
HWND FileNameBox(const Trenvika& app)
{
    HWND edit = nullptr;
    auto find = [](HWND child, LPARAM result) -> BOOL {
        if (GetDlgCtrlID(child) != 0x47c || ClassName(child) != L"Edit") return TRUE;
        *reinterpret_cast<HWND*>(result) = child;
        return FALSE;
    };
    WaitUntil([&] {
        for (HWND window : TopLevelWindows(app.process.Id()))
            if (window != app.dialog) EnumChildWindows(window, find, reinterpret_cast<LPARAM>(&edit));
        return edit != nullptr;
    });
    return edit;
}

} // namespace

// One argument fills in the source and waits (an unterminated quote takes the
// rest of the line). The dialog's texts in code page 932, its About box and
// file dialogs; a run of nothing, counted once a second; typed paths, Y reference.
TEST(Dialog, IdleStartFileDialogsAndRunsStartedFromIt)
{
    TempFolder folder;
    const std::wstring rest = (folder / "in.dxf").wstring() + L"  out.dxf";
    const std::filesystem::path first = folder / "first.dxf", second = folder / "second.dxf";
    std::filesystem::copy_file(kSample, first);
    std::filesystem::copy_file(kSample, second);
    Trenvika app(L"\"" + rest, folder.Root());
    ASSERT_TRUE(app.dialog);
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), rest);
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X) && !IsItemChecked(app.dialog, IDC_REFERENCE_Y));
    EXPECT_TRUE(app.ShowsInputs());
    for (auto [id, text] : {std::pair{IDC_SOURCE_LABEL, L"元のDXF"}, {IDC_REFERENCE_Y, L"Y基準"}, {IDCANCEL, L"終了"},
                            {ID_HELP, L"ﾍﾙﾌﾟ(&H)"}})
        EXPECT_EQ(ItemText(app.dialog, id), text) << id;
    // The browse buttons take the size of their pictures.
    RECT browse = ItemRect(app.dialog, IDC_BROWSE_OUTPUT);
    EXPECT_TRUE(browse.right - browse.left == 22 && browse.bottom - browse.top == 21);

    // The About box, from the system menu, over the converter that stays.
    SystemCommand(app.dialog, IDM_ABOUTBOX);
    HWND about = FindDialog(app.process.Id(), L"ﾊﾞｰｼﾞｮﾝ情報 Trenvika");
    ASSERT_TRUE(about);
    ScreenshotForReadme(about, L"converter-about.png", 2); // the converter lies behind
    EXPECT_EQ(Text(GetWindow(GetWindow(about, GW_CHILD), GW_HWNDNEXT)), L"Trenvika Version 1.2");
    PressKey(about, VK_RETURN);
    EXPECT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(app.ShowsInputs()); // still no run, a second and more after the start

    // The open dialog starts at the current source and takes the choice.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), first.wstring()));
    ClickItem(app.dialog, IDC_BROWSE_SOURCE);
    HWND name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"first.dxf");
    ASSERT_TRUE(SetText(name, second.wstring()));
    HWND open = GetAncestor(name, GA_ROOT);
    PressKey(open, VK_RETURN);
    ASSERT_TRUE(WaitForWindowGone(open));
    EXPECT_TRUE(WaitUntil([&] { return ItemText(app.dialog, IDC_SOURCE) == second.wstring(); }));

    // The save dialog does not offer the current output.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_OUTPUT), (folder / "offered.dxf").wstring()));
    ScreenshotForReadme(app.dialog, L"converter-idle.png");
    ClickItem(app.dialog, IDC_BROWSE_OUTPUT);
    name = FileNameBox(app);
    ASSERT_TRUE(name);
    EXPECT_EQ(Text(name), L"");
    HWND save = GetAncestor(name, GA_ROOT);
    PressKey(save, VK_ESCAPE);
    ASSERT_TRUE(WaitForWindowGone(save));
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), (folder / "offered.dxf").wstring());

    // Both paths empty: the worker is done after its half-second wait; the
    // first poll, a second after the start, finds it so; a second later the
    // inputs are back, and nothing was written.
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), L"") && SetText(Item(app.dialog, IDC_OUTPUT), L""));
    auto start = std::chrono::steady_clock::now();
    ClickItem(app.dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsStatus(); }));
    EXPECT_EQ(Caption(Item(app.dialog, IDCANCEL)), L"中断");
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_X) && IsItemVisible(app.dialog, IDC_REFERENCE_Y));
    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 5000));
    long long summaryAfter = MsSince(start);
    EXPECT_EQ(app.Status(), L"000000 SourceLines\n000000 Points\n000000 PolyLines\n\n000000 WritePolyLines\n\n"
                            L"Terminate Process");
    EXPECT_TRUE(summaryAfter >= 900 && summaryAfter <= 2500) << summaryAfter;
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 5000));
    EXPECT_GE(MsSince(start), summaryAfter + 900);
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root()), {}), 2);

    // Typed paths and Y reference: the worker follows the radio buttons.
    std::filesystem::path output = folder / "section 3d.dxf";
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_SOURCE), kSample.wstring()));
    ASSERT_TRUE(SetText(Item(app.dialog, IDC_OUTPUT), output.wstring()));
    ClickItem(app.dialog, IDC_REFERENCE_Y);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(app.dialog, IDC_REFERENCE_Y); }));
    PressKey(app.dialog, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsStatus(); }));
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 20000));
    EXPECT_TRUE(ReadBytes(output) == Golden(L"y")) << "Y reference output differs from trenvika-cli --y";
    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_EQ(app.process.ExitCode(), 0u);
}

TEST(Dialog, TwoArgumentsConvertAtOnceWithXReferenceAndClose)
{
    TempFolder folder;
    // Japanese names whose Shift-JIS trail byte is 0x5C (表, ソ, 能), the
    // source's last one right before its closing quote.
    const std::filesystem::path work = folder / L"表示ソフト", source = work / L"断面 表";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(kSample, source);

    // A quoted path with a blank, then tabs and blanks before the second,
    // which names the output in the program's working folder.
    auto start = std::chrono::steady_clock::now();
    Trenvika app(Quoted(source) + L" \t\t  結果能.dxf", work);
    ASSERT_TRUE(app.dialog);
    EXPECT_TRUE(app.ShowsStatus()); // started during initialisation, before it was first shown
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"中断");
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    EXPECT_EQ(ItemText(app.dialog, IDC_OUTPUT), L"結果能.dxf");
    EXPECT_TRUE(IsItemChecked(app.dialog, IDC_REFERENCE_X));

    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    long long summaryAfter = MsSince(start);
    ScreenshotForReadme(app.dialog, L"converter-summary.png"); // it stays up for a second
    EXPECT_EQ(app.Status(), L"002146 SourceLines\n000146 Points\n000006 PolyLines\n\n000006 WritePolyLines\n\n"
                            L"Terminate Process");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.dialog); }, 10000));
    long long pause = MsSince(start) - summaryAfter;
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_GE(summaryAfter, 900); // the first poll, a second in
    EXPECT_TRUE(pause >= 900 && pause <= 2500) << pause;
    EXPECT_TRUE(ReadBytes(work / L"結果能.dxf") == Golden(L"x")) << "the output differs from trenvika-cli's";
}

// The counters grow while a drawing arrives slowly; Enter does not start a
// second run. The abort (its button, Escape, the close box) ends the
// program at once, lets go of the source and writes nothing.
TEST(Dialog, CountersGrowUntilAnAbortWhichWritesNothingAndEndsTheProgram)
{
    const std::pair<const char*, void (*)(HWND)> ways[] = {
        {"中断", [](HWND dialog) { ClickItem(dialog, IDCANCEL); }},
        {"Escape", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); }},
        {"close box", [](HWND dialog) { SystemCommand(dialog, SC_CLOSE); }},
    };
    TempFolder folder;
    std::filesystem::path drawing = folder / "long.dxf", output = folder / "never.dxf";
    FILE* out = _wfopen(drawing.c_str(), L"wb"); // a generated survey drawing of about 2 MB
    ASSERT_TRUE(out);
    WriteCrossSections(out, CrossSectionOptions{.targetBytes = 2000000, .pointsPerProfile = 40});
    ASSERT_EQ(fclose(out), 0);
    for (const auto& [way, abort] : ways) {
        SCOPED_TRACE(way);
        SlowSource source(drawing, 400000); // five seconds of reading
        Trenvika app(source.Path() + L" " + Quoted(output));
        ASSERT_TRUE(app.dialog);
        ASSERT_TRUE(WaitUntil([&] { return SourceLines(app.Status()) > 0; }, 5000));
        long long first = SourceLines(app.Status());
        // Enter reaches the hidden default button: it must not start a
        // second run, which would set the counters back.
        PressKey(app.dialog, VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return SourceLines(app.Status()) != first; }));
        EXPECT_GT(SourceLines(app.Status()), first);
        EXPECT_EQ(Caption(Item(app.dialog, IDCANCEL)), L"中断");
        if (abort == ways[0].second) ScreenshotForReadme(app.dialog, L"converter-running.png");

        abort(app.dialog);
        EXPECT_TRUE(app.WaitForEnd(2500)) << "the abort did not end the program at once";
        EXPECT_EQ(app.process.ExitCode(), 0u);
        EXPECT_TRUE(WaitUntil([&] { return source.Finished(); }, 5000)); // the reader let go
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}
