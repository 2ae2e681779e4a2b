// The console converter as a user runs it: a separate process, its output,
// its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "test_files.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

struct Result {
    int status;
    std::string out, err;
};

Result RunCli(const TempFolder& folder, const std::string& arguments)
{
    std::string program = TRENVIKA_CLI;
#ifdef _WIN32
    std::replace(program.begin(), program.end(), '/', '\\');
#endif
    std::string command = "\"" + program + "\" " + arguments + " >\"" + folder.Path("stdout.txt") + "\" 2>\"" +
                          folder.Path("stderr.txt") + "\"";
#ifdef _WIN32
    command = "\"" + command + "\""; // cmd /c strips one pair of quotes
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    auto normalise = [](std::string text) {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        return text;
    };
    return {status, normalise(ReadBytes(folder.Path("stdout.txt"))), normalise(ReadBytes(folder.Path("stderr.txt")))};
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

const std::string kSample = std::string(TEST_DATA_DIR) + "/../../samples/cross-section.dxf";

} // namespace

TEST(Cli, ConvertsAndPrintsTheSummary)
{
    TempFolder folder;
    Result run = RunCli(folder, Quoted(kSample) + " " + Quoted(folder.Path("out x.dxf")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "002146 SourceLines\n000146 Points\n000006 PolyLines\n\n000006 WritePolyLines\n\n"
                       "Terminate Process\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(folder.Path("out x.dxf")), ReadBytes(DataFile("cross-section.x.expected.dxf")));

    run = RunCli(folder, "--y " + Quoted(kSample) + " " + Quoted(folder.Path("out y.dxf")));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadBytes(folder.Path("out y.dxf")), ReadBytes(DataFile("cross-section.y.expected.dxf")));
}

TEST(Cli, ThreeDFlagsAreAnOption)
{
    TempFolder folder;
    Result run = RunCli(folder, "--3d-flags " + Quoted(kSample) + " " + Quoted(folder.Path("out.dxf")));
    EXPECT_EQ(run.status, 0);
    std::string out = ReadBytes(folder.Path("out.dxf"));
    EXPECT_NE(out.find("\r\n70\r\n8\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\n70\r\n32\r\n"), std::string::npos);
}

TEST(Cli, WrongArgumentsExplainThemselves)
{
    TempFolder folder;
    for (const std::string& arguments : {std::string(""), Quoted(kSample), std::string("a b c"), std::string("--frobnicate a b")}) {
        Result run = RunCli(folder, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("--help"), std::string::npos) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line: " << run.err;
    }
    Result help = RunCli(folder, "--help");
    EXPECT_EQ(help.status, 0);
    for (const char* topic : {"--y", "--3d-flags", "Exit status", "SOURCE OUTPUT"})
        EXPECT_NE(help.out.find(topic), std::string::npos) << topic;
}

TEST(Cli, MissingSourceFailsWithoutWritingAnOutput)
{
    TempFolder folder;
    Result run = RunCli(folder, Quoted(folder.Path("missing.dxf")) + " " + Quoted(folder.Path("out.dxf")));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot open source"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("missing.dxf"), std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_FALSE(Exists(folder.Path("out.dxf")));
}

TEST(Cli, OutputThatCannotBeCreatedOrWritten)
{
    TempFolder folder;
    Result run = RunCli(folder, Quoted(kSample) + " " + Quoted(folder.Path("no-such-folder/out.dxf")));
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("cannot create output"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("000000 WritePolyLines"), std::string::npos);
#ifndef _WIN32
    run = RunCli(folder, Quoted(kSample) + " /dev/full");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("writing \"/dev/full\" failed"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("000000 WritePolyLines"), std::string::npos);
#endif
}
