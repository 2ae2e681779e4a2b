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

struct Result { int status; std::string out, err; };

Result RunCli(const TempFolder& folder, const std::string& arguments)
{
    std::string command = "\"" + std::string(TRENVIKA_CLI) + "\" " + arguments + " >\"" + folder.Path("out.txt") +
                          "\" 2>\"" + folder.Path("err.txt") + "\"";
#ifdef _WIN32
    std::replace(command.begin(), command.end(), '/', '\\');
    command = "\"" + command + "\""; // cmd /c strips one pair of quotes
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    auto text = [&](const char* name) { // with LF line ends
        std::string bytes = ReadBytes(folder.Path(name));
        return std::erase(bytes, '\r'), bytes;
    };
    return {status, text("out.txt"), text("err.txt")};
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

} // namespace

// The sample drawing in both references, byte for byte as the goldens, the
// summary, the 3D flags and the help. The failures exit with one line that
// says why; a missing source leaves the output alone.
TEST(Cli, ConvertsOrSaysWhyNot)
{
    TempFolder folder;
    const std::string sample = Quoted(DataFile("../../../samples/cross-section.dxf"));
    Result run = RunCli(folder, sample + " " + Quoted(folder.Path("out x.dxf")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "002146 SourceLines\n000146 Points\n000006 PolyLines\n\n000006 WritePolyLines\n\n"
                       "Terminate Process\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(folder.Path("out x.dxf")), ReadBytes(DataFile("cross-section.x.expected.dxf")));
    EXPECT_EQ(RunCli(folder, "--y " + sample + " " + Quoted(folder.Path("out y.dxf"))).status, 0);
    EXPECT_EQ(ReadBytes(folder.Path("out y.dxf")), ReadBytes(DataFile("cross-section.y.expected.dxf")));
    // Group 70 follows the reference point of each POLYLINE and the z of each VERTEX.
    run = RunCli(folder, "--3d-flags " + Quoted(DataFile("writer_example.dxf")) + " " + Quoted(folder.Path("3d.dxf")));
    EXPECT_EQ(run.status, 0);
    std::string out = ReadBytes(folder.Path("3d.dxf"));
    EXPECT_NE(out.find("66\r\n1\r\n10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n70\r\n8\r\n0\r\nVERTEX"), std::string::npos);
    EXPECT_NE(out.find("30\r\n0.25\r\n70\r\n32\r\n0\r\nSEQEND"), std::string::npos);
    run = RunCli(folder, "--help");
    EXPECT_EQ(run.status, 0);
    for (const char* topic : {"--y", "--3d-flags", "Exit status", "SOURCE OUTPUT"})
        EXPECT_NE(run.out.find(topic), std::string::npos) << topic;

    const struct { std::string arguments; int status; const char* message; } failures[] = {
        {sample, 1, "--help"},
        {"--frobnicate a b", 1, "--help"},
        {Quoted(folder.Path("missing.dxf")) + " " + Quoted(folder.Path("never.dxf")), 2, "cannot open source"},
        {sample + " " + Quoted(folder.Path("no-such-folder/out.dxf")), 3, "cannot create output"},
#ifndef _WIN32
        {sample + " /dev/full", 3, "writing \"/dev/full\" failed"},
#endif
    };
    for (const auto& c : failures) {
        run = RunCli(folder, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line: " << run.err;
        // A run that got as far as the output reports what it wrote: nothing.
        EXPECT_EQ(run.out.empty(), c.status < 3) << run.out;
        EXPECT_TRUE(c.status < 3 || run.out.find("000000 WritePolyLines") != std::string::npos) << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "never.dxf")) << "a missing source leaves the output alone";
}
