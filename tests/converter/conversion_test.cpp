#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <thread>
#include <tuple>

#include "file_io.h"
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

// The counters: lines read, points, polylines, polylines written.
std::tuple<int, int, int, int> Counts(const CRunContext& run)
{
    return {run.m_nSourceLines, run.m_nPoints, run.m_nPolyLines, run.m_nWritePolyLines};
}

} // namespace

// The reader's, assembly's and writer's worked examples, and the sources made
// by data/goldens.py with the outputs its own rendering of the rules expects.
// No source gives an empty drawing; it may be the output.
TEST(Conversion, GoldenFiles)
{
    TempFolder folder;
    const ReferenceAxis X = ReferenceAxis::X;
    const struct {
        const char* source;
        ReferenceAxis axis;
        const char* golden;
        int lines, points, polyLines;
    } cases[] = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        Job run(DataFile(c.source), folder.Path("out.dxf"), c.axis);
        EXPECT_EQ(run.m_outcome, RunOutcome::Ok);
        EXPECT_EQ(Counts(run), std::make_tuple(c.lines, c.points, c.polyLines, c.polyLines));
        EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile(c.golden)));
    }

    Job missing(folder.Path("missing.dxf"), folder.Path("out.dxf"));
    EXPECT_EQ(missing.m_outcome, RunOutcome::SourceNotOpened);
    EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile("empty.expected.dxf")));
    // The source is read whole and closed before the output replaces it.
    std::string same = folder.Write("same.dxf", ReadBytes(DataFile("writer_example.dxf")));
    Job inPlace(same, same);
    EXPECT_EQ(ReadBytes(same), ReadBytes(DataFile("writer_example.expected.dxf")));
}

// The run pauses, then its counters only grow while the worker runs (so
// never past the exact final counts: repeated points are never counted).
// An abort during the pause reads and writes nothing.
TEST(RunConversion, PausesThenCountsOnlyUpwardsAndAborts)
{
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
    EXPECT_EQ(Counts(run), std::make_tuple(200000 * 12, 200000, 500, 500));
    EXPECT_EQ(aborted.m_bRunning, 0);
    EXPECT_EQ(aborted.m_nSourceLines, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "aborted.dxf"));
}

// The writer sorts each polyline's coordinates as integers made from their
// bits: the order must still be that of the numbers, from -inf to +inf, with
// -0 and 0 as one value and a NaN (only reachable through AddPoint) last.
TEST(Conversion, VerticesComeOutInNumericOrderFromMinusToPlusInfinity)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const double order[] = {-inf, -1e22, -2.5, -1e-300, 0.0, 1e-300, 0.25, 3.0, 1e22, inf};
    for (HelperThreads helpers : {HelperThreads::Use, HelperThreads::None}) {
        CRunContext context;
        CPolyLineList list(helpers);
        list.AddPoint(context, 7.0, -nan, 1.0);
        for (int i = 9; i >= 0; --i) list.AddPoint(context, 7.0, order[i], double(i));
        list.AddPoint(context, 7.0, -0.0, 99.0); // equals 0: dropped
        list.AddPoint(context, 7.0, nan, 2.0);
        struct Text : CByteSink {
            bool Write(const char* data, size_t size) override { return text.append(data, size), true; }
            std::string text;
        } sink;
        ASSERT_TRUE(list.WriteDxf(context, sink));
        EXPECT_EQ(context.m_nPoints, 12);
        std::string expected, found;
        for (const char* y : {"-inf", "-10000000000000000000000.00", "-2.50", "-0.00", "0.00", "0.00", "0.25", "3.00",
                              "10000000000000000000000.00", "inf"})
            expected += std::string("20\r\n") + y + "\r\n";
        const std::string group20 = "\r\n20\r\n";
        for (size_t at = sink.text.find(group20); at != std::string::npos; at = sink.text.find(group20, at + 1)) {
            std::string line = sink.text.substr(at + 2, sink.text.find("\r\n", at + 6) - at);
            if (line != "20\r\n0.0\r\n") found += line; // not the POLYLINE's own point
        }
        EXPECT_EQ(found.substr(0, expected.size()), expected);
        EXPECT_NE(found.find("nan", expected.size()), std::string::npos) << "the NaNs come last";
    }
}
