#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "polyline_list.h"
#include "test_files.h"

namespace {

struct Job : CRunContext {
    Job(const std::string& source, const std::string& output, ReferenceAxis axis = ReferenceAxis::X)
    {
        m_strSource = source;
        m_strOutput = output;
        m_referenceAxis = axis;
        PerformConversion(*this);
    }
};

} // namespace

// Besides the worked examples, the sources made by data/goldens.py, with the
// outputs that its own rendering of the rules expects.
TEST(Conversion, GoldenFiles)
{
    TempFolder folder;
    const ReferenceAxis X = ReferenceAxis::X;
    struct Case {
        const char* source;
        ReferenceAxis axis;
        const char* golden;
        int lines, points, polyLines;
    } cases[] = {
        // The worked examples of the reader, the assembly and the writer.
        {"reader_example.dxf", X, "reader_example.x.expected.dxf", 16, 2, 2},
        {"reader_example.dxf", ReferenceAxis::Y, "reader_example.y.expected.dxf", 16, 2, 2},
        {"assembly_example.dxf", X, "assembly_example.expected.dxf", 42, 5, 3},
        {"writer_example.dxf", X, "writer_example.expected.dxf", 12, 2, 1},
        // The same points in descending and in random order; duplicates.
        {"descending.dxf", X, "grid.expected.dxf", 2400, 400, 20},
        {"shuffled.dxf", X, "grid.expected.dxf", 2400, 400, 20},
        {"duplicates.dxf", X, "duplicates.expected.dxf", 1974, 125, 5},
        // Positional pairing and pending values; nothing to file.
        {"pending.dxf", X, "pending.expected.dxf", 14, 3, 3},
        {"past_eof.dxf", X, "past_eof.expected.dxf", 8, 1, 1},
        {"no_points.dxf", X, "empty.expected.dxf", 18, 0, 0},
        {"empty.dxf", X, "empty.expected.dxf", 0, 0, 0},
    };
    for (const Case& c : cases) {
        Job run(DataFile(c.source), folder.Path("out.dxf"), c.axis);
        EXPECT_EQ(run.m_outcome, RunOutcome::Ok) << c.source;
        EXPECT_EQ(run.m_nSourceLines, c.lines) << c.source;
        EXPECT_EQ(run.m_nPoints, c.points) << c.source;
        EXPECT_EQ(run.m_nPolyLines, c.polyLines) << c.source;
        EXPECT_EQ(run.m_nWritePolyLines, c.polyLines) << c.source;
        EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile(c.golden))) << c.golden;
    }
}

// A source or an output that cannot be opened, and a full disk, are the
// console tool's error cases too (cli_test.cpp).
TEST(Conversion, AMissingSourceGivesAnEmptyDrawingAndTheSourceMayBeTheOutput)
{
    TempFolder folder;
    Job missing(folder.Path("missing.dxf"), folder.Path("out.dxf"));
    EXPECT_EQ(missing.m_outcome, RunOutcome::SourceNotOpened);
    EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile("empty.expected.dxf")));
    // The source is read whole and closed before the output replaces it.
    std::string same = folder.Write("same.dxf", ReadBytes(DataFile("writer_example.dxf")));
    Job inPlace(same, same);
    EXPECT_EQ(ReadBytes(same), ReadBytes(DataFile("writer_example.expected.dxf")));
}

TEST(RunConversion, PausesThenCountsOnlyUpwardsWhileTheWorkerRuns)
{
    // A drawing large enough that the polls below see the run in progress.
    TempFolder folder;
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        std::string point = " 10\r\n" + std::to_string(i % 500) + "\r\n 20\r\n" + std::to_string(i) + ".5\r\n 3";
        text += point + "0\r\n1\r\n" + point + "1\r\n2\r\n"; // the same place twice: one point
    }
    CRunContext run, aborted;
    run.m_strSource = aborted.m_strSource = folder.Write("big.dxf", text);
    run.m_strOutput = folder.Path("out.dxf");
    aborted.m_strOutput = folder.Path("aborted.dxf");
    auto start = std::chrono::steady_clock::now();
    std::thread worker([&] { RunConversion(run); });
    std::thread abortedWorker([&] { RunConversion(aborted); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(run.m_bRunning, 1);
    EXPECT_EQ(run.m_nSourceLines, 0); // still in the start pause
    aborted.m_bCancel = 1;
    // Never down, so never past the exact final counts: the repeated points are never counted.
    int32_t last[4] = {};
    bool onlyUpwards = true;
    while (run.m_bRunning) {
        int32_t now[4] = {run.m_nSourceLines, run.m_nPoints, run.m_nPolyLines, run.m_nWritePolyLines};
        for (int i = 0; i < 4; ++i) onlyUpwards = onlyUpwards && now[i] >= last[i];
        std::copy(now, now + 4, last);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    worker.join();
    abortedWorker.join();
    EXPECT_TRUE(onlyUpwards);
    EXPECT_GT(last[0], 0) << "no poll saw the reading";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(run.m_nSourceLines, 200000 * 12);
    EXPECT_EQ(run.m_nPoints, 200000);
    EXPECT_EQ(run.m_nPolyLines, 500);
    EXPECT_EQ(run.m_nWritePolyLines, 500);
    // An abort during the pause reads and writes nothing.
    EXPECT_EQ(aborted.m_bRunning, 0);
    EXPECT_EQ(aborted.m_nSourceLines, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "aborted.dxf"));
}
