// Runs started from the dialog: the poll, the summary, the abort.
#include <chrono>
#include <vector>

#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// The status texts seen while `app` runs, one per change, until the summary.
std::vector<Counters> WatchRun(Trenvika& app, DWORD timeoutMs = 30000)
{
    std::vector<Counters> seen;
    std::wstring last;
    WaitUntil(
        [&] {
            std::wstring status = app.Status();
            if (status != last && !status.empty()) {
                last = status;
                seen.push_back(ParseStatus(status));
            }
            return app.SummaryShown();
        },
        timeoutMs);
    return seen;
}

} // namespace

TEST(Run, BothPathsEmptyShowsZeroCountersAndWritesNothing)
{
    TempFolder folder;
    Trenvika app(L"", (folder / L"").wstring());
    ASSERT_TRUE(app.dialog);

    auto start = Clock::now();
    ClickItem(app.dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsStatus(); }));
    EXPECT_EQ(Caption(Item(app.dialog, IDCANCEL)), L"中断");
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_X)); // the radio buttons stay
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_Y));

    // The worker is done after its half-second wait; the first poll, a second
    // after the start, finds it so.
    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 5000));
    long long summaryAfter = MillisecondsSince(start);
    EXPECT_EQ(app.Status(), FinalStatus(0, 0, 0, 0));
    EXPECT_GE(summaryAfter, 900);
    EXPECT_LE(summaryAfter, 2500);

    // After the pause of a second the inputs come back; the summary stays in the hidden status.
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 5000));
    EXPECT_GE(MillisecondsSince(start), summaryAfter + 900);
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    EXPECT_TRUE(std::filesystem::is_empty(folder / L""));

    ClickItem(app.dialog, IDCANCEL);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Run, TypedPathsAndYReferenceGiveTheConsoleToolsBytesRunAfterRun)
{
    TempFolder folder;
    std::filesystem::path source = folder / L"section.dxf";
    std::filesystem::path output = folder / L"section 3d.dxf";
    WriteDrawing(source, 300000);
    std::string expectedY = ConsoleConversion(source, folder / L"", true);
    std::string expectedX = ConsoleConversion(source, folder / L"");
    ASSERT_NE(expectedX, expectedY);

    Trenvika app;
    ASSERT_TRUE(app.dialog);
    TypeText(Item(app.dialog, IDC_SOURCE), source.wstring());
    TypeText(Item(app.dialog, IDC_OUTPUT), output.wstring());
    ClickItem(app.dialog, IDC_REFERENCE_Y);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(app.dialog, IDC_REFERENCE_Y); }));
    ClickItem(app.dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 5000));
    EXPECT_TRUE(ReadBytes(output) == expectedY) << "Y reference output differs from trenvika-cli --y";

    // The paths stay for the next run; the counters start again from zero.
    EXPECT_EQ(ItemText(app.dialog, IDC_SOURCE), source.wstring());
    ClickItem(app.dialog, IDC_REFERENCE_X);
    ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(app.dialog, IDC_REFERENCE_X); }));
    PressKey(app.dialog, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsStatus(); }));
    EXPECT_FALSE(app.SummaryShown());
    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 20000));
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 5000));
    EXPECT_TRUE(ReadBytes(output) == expectedX) << "X reference output differs from trenvika-cli";

    PressKey(app.dialog, VK_ESCAPE);
    EXPECT_TRUE(app.WaitForEnd());
}

TEST(Run, CountersGrowEverySecondAndEnterDuringTheRunStartsNoSecondOne)
{
    TempFolder folder;
    std::filesystem::path drawing = folder / L"long.dxf";
    std::filesystem::path output = folder / L"long 3d.dxf";
    WriteDrawing(drawing, 2500000);
    std::string expected = ConsoleConversion(drawing, folder / L"");
    // About four seconds of reading.
    SlowSource source(drawing, 650000, false);

    Trenvika app(source.Path() + L" " + Quoted(output));
    ASSERT_TRUE(app.dialog);
    ASSERT_TRUE(WaitUntil([&] { return ParseStatus(app.Status()).sourceLines > 0; }, 5000));
    // Enter reaches the hidden default button: it must not start over.
    PressKey(app.dialog, VK_RETURN);
    PressKey(app.dialog, VK_RETURN);

    std::vector<Counters> seen = WatchRun(app);
    ASSERT_TRUE(app.SummaryShown());
    ASSERT_GE(seen.size(), 3u) << "fewer polls than expected for a four-second run";
    for (size_t i = 1; i < seen.size(); ++i) {
        EXPECT_GT(seen[i].sourceLines, seen[i - 1].sourceLines);
        EXPECT_GE(seen[i].points, seen[i - 1].points);
        EXPECT_GE(seen[i].polyLines, seen[i - 1].polyLines);
    }
    // The summary holds the final counts: every polyline written.
    EXPECT_EQ(seen.back().writePolyLines, seen.back().polyLines);
    EXPECT_TRUE(app.WaitForEnd());
    EXPECT_TRUE(ReadBytes(output) == expected) << "output differs from trenvika-cli's";
}

TEST(Run, AbortWhileReadingWritesNothingAndEndsTheProgram)
{
    struct Way {
        const char* name;
        void (*abort)(HWND dialog);
    };
    const Way ways[] = {
        {"中断", [](HWND dialog) { ClickItem(dialog, IDCANCEL); }},
        {"Escape", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); }},
        {"close box", [](HWND dialog) { SystemCommand(dialog, SC_CLOSE); }},
    };
    TempFolder folder;
    std::filesystem::path drawing = folder / L"endless.dxf";
    WriteDrawing(drawing, 300000);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        std::filesystem::path output = folder / L"never.dxf";
        SlowSource source(drawing, 400000, true);
        Trenvika app(source.Path() + L" " + Quoted(output));
        ASSERT_TRUE(app.dialog);
        ASSERT_TRUE(WaitUntil([&] { return ParseStatus(app.Status()).sourceLines > 0; }, 5000));
        EXPECT_EQ(Caption(Item(app.dialog, IDCANCEL)), L"中断");

        // The source never ends: only the abort can end the run.
        way.abort(app.dialog);
        EXPECT_TRUE(WaitForWindowGone(app.dialog, 10000));
        EXPECT_TRUE(app.process.WaitForExit(10000));
        EXPECT_EQ(app.process.ExitCode(), 0u);
        EXPECT_TRUE(WaitUntil([&] { return source.Finished(); }, 5000)); // the reader let go
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}
