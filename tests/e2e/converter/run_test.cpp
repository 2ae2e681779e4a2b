// Runs started from the dialog: the poll, the summary, the abort.
#include <chrono>

#include "trenvika_driver.h"

using namespace e2e;
using namespace trenvika;

TEST(Run, BothPathsEmptyThenTypedPathsWithYReference)
{
    TempFolder folder;
    Trenvika app(L"", folder.Path());
    ASSERT_TRUE(app.dialog);

    auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    };
    ClickItem(app.dialog, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsStatus(); }));
    EXPECT_EQ(Caption(Item(app.dialog, IDCANCEL)), L"中断");
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_X)); // the radio buttons stay
    EXPECT_TRUE(IsItemVisible(app.dialog, IDC_REFERENCE_Y));
    // The worker is done after its half-second wait; the first poll, a second
    // after the start, finds it so.
    ASSERT_TRUE(WaitUntil([&] { return app.SummaryShown(); }, 5000));
    long long summaryAfter = elapsedMs();
    EXPECT_EQ(app.Status(), L"000000 SourceLines\n000000 Points\n000000 PolyLines\n\n000000 WritePolyLines\n\n"
                            L"Terminate Process");
    EXPECT_GE(summaryAfter, 900);
    EXPECT_LE(summaryAfter, 2500);
    // After the pause of a second the inputs come back.
    ASSERT_TRUE(WaitUntil([&] { return app.ShowsInputs(); }, 5000));
    EXPECT_GE(elapsedMs(), summaryAfter + 900);
    EXPECT_EQ(ItemText(app.dialog, IDCANCEL), L"終了");
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

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
}

TEST(Run, CountersGrowUntilAnAbortWhichWritesNothingAndEndsTheProgram)
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
    std::filesystem::path drawing = folder / "long.dxf";
    std::filesystem::path output = folder / "never.dxf";
    WriteDrawing(drawing, 2000000);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
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
        if (&way == ways) ScreenshotForReadme(app.dialog, L"converter-running.png");

        way.abort(app.dialog);
        EXPECT_TRUE(app.WaitForEnd(2500)) << "the abort did not end the program at once";
        EXPECT_EQ(app.process.ExitCode(), 0u);
        EXPECT_TRUE(WaitUntil([&] { return source.Finished(); }, 5000)); // the reader let go
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}
