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
    }
    void Convert() { PerformConversion(*this); }
};

} // namespace

TEST(Conversion, ReaderWorkedExample)
{
    TempFolder folder;
    for (auto [axis, golden] : {std::pair{ReferenceAxis::X, "reader_example.x.expected.dxf"},
                                std::pair{ReferenceAxis::Y, "reader_example.y.expected.dxf"}}) {
        Job run(DataFile("reader_example.dxf"), folder.Path("out.dxf"), axis);
        run.Convert();
        EXPECT_EQ(run.m_nSourceLines, 16);
        EXPECT_EQ(run.m_nPoints, 2);
        EXPECT_EQ(run.m_nPolyLines, 2);
        EXPECT_EQ(run.m_nWritePolyLines, 2);
        EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile(golden)));
    }
}

TEST(Conversion, WriterWorkedExample)
{
    TempFolder folder;
    Job run(DataFile("writer_example.dxf"), folder.Path("out.dxf"));
    run.Convert();
    EXPECT_EQ(run.m_nWritePolyLines, 1);
    EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile("writer_example.expected.dxf")));
}

TEST(Conversion, SampleDrawingMatchesItsGoldenFiles)
{
    TempFolder folder;
    for (auto [axis, golden] : {std::pair{ReferenceAxis::X, "cross-section.x.expected.dxf"},
                                std::pair{ReferenceAxis::Y, "cross-section.y.expected.dxf"}}) {
        Job run(std::string(TEST_DATA_DIR) + "/../../samples/cross-section.dxf", folder.Path("out.dxf"), axis);
        run.Convert();
        EXPECT_EQ(run.m_outcome, RunOutcome::Ok);
        EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile(golden))) << golden;
    }
}

TEST(Conversion, YReferenceOrdersByYAndKeepsXInGroup10)
{
    TempFolder folder;
    std::string source = folder.Write("in.dxf", CrLfLines({"10", "5", "20", "2", "30", "1",  //
                                                           "10", "3", "20", "2", "30", "2",  //
                                                           "10", "4", "20", "1", "30", "3"}));
    Job run(source, folder.Path("out.dxf"), ReferenceAxis::Y);
    run.Convert();
    std::string out = ReadBytes(folder.Path("out.dxf"));
    auto at = [&](const char* text) { return out.find(text); };
    // Polyline y=1: (4,1); polyline y=2: (3,2), (5,2).
    EXPECT_LT(at("10\r\n4.00\r\n20\r\n1.00"), at("10\r\n3.00\r\n20\r\n2.00"));
    EXPECT_LT(at("10\r\n3.00\r\n20\r\n2.00"), at("10\r\n5.00\r\n20\r\n2.00"));
    EXPECT_EQ(run.m_nPolyLines, 2);
}

TEST(Conversion, SourcesWithoutPointsGiveHeaderAndTrailerOnly)
{
    TempFolder folder;
    std::string expected = ReadBytes(DataFile("empty.expected.dxf"));
    struct Case {
        const char* name;
        std::string bytes;
        int lines;
    } cases[] = {
        {"empty", "", 0},
        {"no-coordinates", CrLfLines({"0", "SECTION", "2", "ENTITIES", "10", "1", "20", "2", "0", "EOF"}), 10},
        {"codes-9-and-40", CrLfLines({"9", "1", "40", "2", "  -30", "3", "4294967326", "4"}), 8},
    };
    for (const Case& c : cases) {
        Job run(folder.Write(std::string(c.name) + ".dxf", c.bytes), folder.Path("out.dxf"));
        run.Convert();
        EXPECT_EQ(run.m_nSourceLines, c.lines) << c.name;
        EXPECT_EQ(run.m_nPoints, 0) << c.name;
        EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), expected) << c.name;
    }
}

TEST(Conversion, PositionalPairingAndPendingValues)
{
    TempFolder folder;
    // A group 30 before any 10/20 takes 0.0 for both; 38 and 39 add points
    // too; values stay pending until replaced, so "10 7" then "30 5" reuses
    // the secondary 3.
    std::string source = folder.Write(
        "in.dxf", CrLfLines({"30", "9", "38", "1.5", "10", "2", "20", "3", "39", "4", "10", "7", "30", "5"}));
    Job run(source, folder.Path("out.dxf"));
    run.Convert();
    EXPECT_EQ(run.m_nPoints, 3); // (0,0,9), (2,3,4), (7,3,5); (0,0,1.5) repeats (0,0)
    EXPECT_EQ(run.m_nPolyLines, 3);
    std::string out = ReadBytes(folder.Path("out.dxf"));
    EXPECT_NE(out.find("10\r\n0.00\r\n20\r\n0.00\r\n30\r\n9.00"), std::string::npos);
    EXPECT_NE(out.find("10\r\n7.00\r\n20\r\n3.00\r\n30\r\n5.00"), std::string::npos);
}

TEST(Conversion, AnOddLineSwapsCodesAndValues)
{
    TempFolder folder;
    std::vector<const char*> pairs = {"10", "1.0", "20", "2.0", "30", "0.0"};
    Job straight(folder.Write("straight.dxf", CrLfLines({"10", "1.0", "20", "2.0", "30", "0.0"})), folder.Path("a.dxf"));
    straight.Convert();
    EXPECT_EQ(straight.m_nPoints, 1);
    // One extra line first: the numbers become codes 1, 2 and 0 and nothing is a point.
    Job shifted(folder.Write("shifted.dxf", CrLfLines({"extra", "10", "1.0", "20", "2.0", "30", "0.0"})),
                folder.Path("b.dxf"));
    shifted.Convert();
    EXPECT_EQ(shifted.m_nSourceLines, 7);
    EXPECT_EQ(shifted.m_nPoints, 0);
}

TEST(Conversion, ReadsPastEofToTheEndOfTheFile)
{
    TempFolder folder;
    std::string source = folder.Write("in.dxf", CrLfLines({"0", "EOF", "10", "1", "20", "2", "30", "3"}) + "\x1A"
                                                    + CrLfLines({"10", "9", "20", "9", "30", "9"}));
    Job run(source, folder.Path("out.dxf"));
    run.Convert();
    EXPECT_EQ(run.m_nSourceLines, 8); // Ctrl+Z ends the text, group 0 EOF does not
    EXPECT_EQ(run.m_nPoints, 1);
}

TEST(Conversion, SourceAndOutputMayBeTheSameFile)
{
    TempFolder folder;
    std::string path = folder.Write("same.dxf", ReadBytes(DataFile("writer_example.dxf")));
    Job run(path, path);
    run.Convert();
    EXPECT_EQ(ReadBytes(path), ReadBytes(DataFile("writer_example.expected.dxf")));
}

TEST(Conversion, MissingSourceStillWritesAnEmptyDrawing)
{
    TempFolder folder;
    Job run(folder.Path("missing.dxf"), folder.Path("out.dxf"));
    run.Convert();
    EXPECT_EQ(run.m_outcome, RunOutcome::SourceNotOpened);
    EXPECT_EQ(run.m_nSourceLines, 0);
    EXPECT_EQ(ReadBytes(folder.Path("out.dxf")), ReadBytes(DataFile("empty.expected.dxf")));
}

TEST(Conversion, OutputThatCannotBeCreatedWritesNothing)
{
    TempFolder folder;
    Job run(DataFile("writer_example.dxf"), folder.Path("no-such-folder/out.dxf"));
    run.Convert();
    EXPECT_EQ(run.m_outcome, RunOutcome::OutputNotCreated);
    EXPECT_EQ(run.m_nPoints, 2);
    EXPECT_EQ(run.m_nWritePolyLines, 0);
}

#ifndef _WIN32
TEST(Conversion, AFullDiskIsNotCountedAsWritten)
{
    // /dev/full accepts the open and fails every write with ENOSPC.
    TempFolder folder;
    Job run(std::string(TEST_DATA_DIR) + "/../../samples/cross-section.dxf", "/dev/full");
    run.Convert();
    EXPECT_EQ(run.m_outcome, RunOutcome::OutputWriteFailed);
    EXPECT_GT(run.m_nPolyLines, 0);
    EXPECT_EQ(run.m_nWritePolyLines, 0);
}
#endif

TEST(Conversion, ThreeDFlagsOnRequest)
{
    TempFolder folder;
    Job run(DataFile("writer_example.dxf"), folder.Path("out.dxf"));
    run.m_bWrite3DFlags = true;
    run.Convert();
    std::string out = ReadBytes(folder.Path("out.dxf"));
    EXPECT_NE(out.find("66\r\n1\r\n10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n70\r\n8\r\n"), std::string::npos);
    EXPECT_NE(out.find("30\r\n0.25\r\n70\r\n32\r\n0\r\nSEQEND"), std::string::npos);
}

TEST(RunConversion, RaisesTheFlagWaitsAndClearsIt)
{
    TempFolder folder;
    Job run(DataFile("writer_example.dxf"), folder.Path("out.dxf"));
    auto start = std::chrono::steady_clock::now();
    std::thread worker([&] { RunConversion(run); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(run.m_bRunning, 1);
    EXPECT_EQ(run.m_nSourceLines, 0); // still in the start pause
    worker.join();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(run.m_bRunning, 0);
    EXPECT_EQ(run.m_nWritePolyLines, 1);
}

TEST(RunConversion, AbortDuringThePauseReadsAndWritesNothing)
{
    TempFolder folder;
    Job run(DataFile("writer_example.dxf"), folder.Path("out.dxf"));
    std::thread worker([&] { RunConversion(run); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    run.m_bCancel = 1;
    worker.join();
    EXPECT_EQ(run.m_bRunning, 0);
    EXPECT_EQ(run.m_nSourceLines, 0);
    EXPECT_FALSE(Exists(folder.Path("out.dxf")));
}

TEST(RunConversion, CountersOnlyGrowWhileTheWorkerRuns)
{
    // A drawing large enough that the polls below see the run in progress.
    TempFolder folder;
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        std::string x = std::to_string(i % 500), y = std::to_string(i);
        text += " 10\r\n" + x + "\r\n 20\r\n" + y + ".5\r\n 30\r\n1\r\n 10\r\n" + x + "\r\n 20\r\n" + y + ".5\r\n 31\r\n2\r\n";
    }
    Job run(folder.Write("big.dxf", text), folder.Path("out.dxf"));
    std::thread worker([&] { RunConversion(run); });
    int32_t last[4] = {};
    while (run.m_bRunning || last[0] == 0) {
        int32_t now[4] = {run.m_nSourceLines, run.m_nPoints, run.m_nPolyLines, run.m_nWritePolyLines};
        for (int i = 0; i < 4; ++i) ASSERT_GE(now[i], last[i]);
        ASSERT_LE(now[1], 200000);  // the duplicate end points are never counted
        std::copy(now, now + 4, last);
        if (!run.m_bRunning && last[0] != 0) break;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    worker.join();
    EXPECT_EQ(run.m_nSourceLines, 200000 * 12);
    EXPECT_EQ(run.m_nPoints, 200000);
    EXPECT_EQ(run.m_nPolyLines, 500);
    EXPECT_EQ(run.m_nWritePolyLines, 500);
}
