// bench_conversion: the converter's throughput and memory next to a bare scan
// of the same drawing, each measured in a child process of its own so that
// their peak RSS figures are separate; the same pair once more with both
// pinned to one core; and, given the console tools, the Windows build under
// Wine next to the native one.
//
//   bench_conversion [--axis x|y] [--repeat N]
//                    [--clis NATIVE-CLI WINE-RUN WINDOWS-CLI] OUTPUT-FOLDER DRAWING...
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "file_io.h"
#include "line_reader.h"
#include "numbers.h"
#include "run_context.h"

namespace {

struct Measurement {
    double seconds = 0;
    int64_t points = 0; // bare scan: coordinate values converted; conversion: points stored
    int64_t peakRssKiB = 0;
    double cpuSeconds = 0; // user + system time of the child
    double checksum = 0;
};

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void TakeUsage(Measurement& m)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    m.peakRssKiB = usage.ru_maxrss;
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    m.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The least any converter must do: read every byte, find every line, and
// convert every value of groups 10 to 39. No filing, no output. It reads with
// the converter's own file access and line walk, so the comparison shows
// exactly what filing and writing add.
Measurement BareScan(const std::string& path)
{
    Measurement m;
    double start = Now();
    CSourceFile file;
    if (!file.Open(path)) return m;
    CDxfLineReader reader(file);
    std::string_view line;
    bool expectCode = true;
    int32_t code = 0;
    while (reader.Next(line)) {
        if (expectCode) {
            code = ParseGroupCode(line);
        } else if (static_cast<uint32_t>(code) - 10u < 30u) {
            m.checksum += ParseValue(line);
            ++m.points;
        }
        expectCode = !expectCode;
    }
    m.seconds = Now() - start;
    return m;
}

Measurement Convert(const std::string& source, const std::string& output, ReferenceAxis axis)
{
    CRunContext context;
    context.m_strSource = source;
    context.m_strOutput = output;
    context.m_referenceAxis = axis;
    double start = Now();
    PerformConversion(context);
    Measurement m;
    m.seconds = Now() - start;
    m.points = context.m_nPoints;
    m.checksum = context.m_nWritePolyLines;
    if (context.m_outcome != RunOutcome::Ok) m.seconds = -1;
    return m;
}

// Runs `work` in a child process and brings back its measurement; `oneCore`
// pins the child, and so every thread it starts, to the first CPU.
template <class Work>
Measurement InChild(Work work, bool oneCore = false)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        if (oneCore) {
            cpu_set_t cpus;
            CPU_ZERO(&cpus);
            CPU_SET(0, &cpus);
            if (sched_setaffinity(0, sizeof cpus, &cpus) != 0) _exit(1);
        }
        Measurement m = work();
        TakeUsage(m);
        ssize_t written = write(pipeFds[1], &m, sizeof m);
        _exit(written == sizeof m ? 0 : 1);
    }
    close(pipeFds[1]);
    Measurement m;
    if (read(pipeFds[0], &m, sizeof m) != sizeof m) m.seconds = -1;
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return m;
}

// Keeps the faster of two measurements (a failed one never counts).
void Keep(Measurement& best, const Measurement& m)
{
    if (m.seconds > 0 && (best.seconds <= 0 || m.seconds < best.seconds)) best = m;
}

// Wall time of a program run (its output discarded), -1 when it fails.
double TimeProgram(const std::vector<std::string>& arguments)
{
    double start = Now();
    pid_t child = fork();
    if (child == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    double seconds = Now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

bool SameBytes(const std::string& a, const std::string& b)
{
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    std::vector<char> x(1 << 20), y(1 << 20);
    while (first && second) {
        first.read(x.data(), std::streamsize(x.size()));
        second.read(y.data(), std::streamsize(y.size()));
        if (first.gcount() != second.gcount() || std::memcmp(x.data(), y.data(), size_t(first.gcount())) != 0)
            return false;
    }
    return first.eof() && second.eof();
}

// The console tools: the native one, and the Windows build through the
// Wine runner. Each is timed less its own start-up (a run of --help).
struct Clis {
    std::string native, wineRun, windows;
};

// Windows time over native time on one drawing, both less start-up; -1 on
// a failure or when the outputs differ.
double WindowsOverNative(const Clis& clis, int repeat, const std::string& source, const std::string& outputFolder,
                         const std::string& axis)
{
    std::string nativeOut = outputFolder + "/native-cli.dxf", windowsOut = outputFolder + "/windows-cli.dxf";
    // In turns, as the scan and the conversion are; the best of each counts.
    double nativeStart = -1, windowsStart = -1, native = -1, windows = -1;
    bool failed = false;
    auto time = [&](double& best, const std::vector<std::string>& arguments) {
        double seconds = TimeProgram(arguments);
        if (seconds < 0) failed = true;
        else if (best < 0 || seconds < best) best = seconds;
    };
    for (int i = 0; i < repeat && !failed; ++i) {
        time(nativeStart, {clis.native, "--help"});
        time(windowsStart, {clis.wineRun, clis.windows, "--help"});
        time(native, {clis.native, axis, source, nativeOut});
        time(windows, {clis.wineRun, clis.windows, axis, source, windowsOut});
    }
    bool same = !failed && SameBytes(nativeOut, windowsOut);
    unlink(nativeOut.c_str());
    unlink(windowsOut.c_str());
    if (!same) return -1;
    std::fprintf(stderr, "  %s: native %.3f s (start-up %.3f), Windows %.3f s (start-up %.3f)\n",
                 source.c_str(), native, nativeStart, windows, windowsStart);
    return (windows - windowsStart) / (native - nativeStart);
}

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv)
{
    ReferenceAxis axis = ReferenceAxis::X;
    int repeat = 3;
    Clis clis;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--axis" && i + 1 < argc) axis = std::string(argv[++i]) == "y" ? ReferenceAxis::Y : ReferenceAxis::X;
        else if (arg == "--repeat" && i + 1 < argc) repeat = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--clis" && i + 3 < argc) clis = {argv[i + 1], argv[i + 2], argv[i + 3]}, i += 3;
        else paths.push_back(arg);
    }
    if (paths.size() < 2) {
        std::fprintf(stderr, "usage: bench_conversion [--axis x|y] [--repeat N] [--clis NATIVE-CLI WINE-RUN "
                             "WINDOWS-CLI] OUTPUT-FOLDER DRAWING...\n");
        return 1;
    }
    std::string outputFolder = paths.front();
    paths.erase(paths.begin());

    std::printf("| drawing | MB | bare scan s | bare MB/s | conversion s | conv MB/s | ratio | CPU ratio | 1-core ratio "
                "| Windows/native | points stored | points/s | peak RSS MiB | RSS limit MiB |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const std::string& path : paths) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) {
            std::fprintf(stderr, "bench_conversion: cannot read %s\n", path.c_str());
            return 1;
        }
        double megabytes = double(info.st_size) / 1e6;
        std::string output = outputFolder + "/" + BaseName(path) + ".out.dxf";
        InChild([&] { return BareScan(path); }); // brings the file into the page cache
        // The four measurements take turns, so that other work on the machine
        // falls on all of them alike; the best of each counts.
        Measurement bare, conversion, bareOneCore, conversionOneCore;
        for (int i = 0; i < repeat; ++i) {
            Keep(bare, InChild([&] { return BareScan(path); }));
            Keep(conversion, InChild([&] { return Convert(path, output, axis); }));
            Keep(bareOneCore, InChild([&] { return BareScan(path); }, true));
            Keep(conversionOneCore, InChild([&] { return Convert(path, output, axis); }, true));
        }
        unlink(output.c_str());
        if (bare.seconds <= 0 || conversion.seconds <= 0 || bareOneCore.seconds <= 0 || conversionOneCore.seconds <= 0) {
            std::fprintf(stderr, "bench_conversion: %s failed\n", path.c_str());
            return 1;
        }
        std::string windows = "-";
        if (!clis.native.empty()) {
            double ratio = WindowsOverNative(clis, repeat, path, outputFolder, axis == ReferenceAxis::Y ? "--y" : "--x");
            if (ratio < 0) {
                std::fprintf(stderr, "bench_conversion: the console tools failed or disagree on %s\n", path.c_str());
                return 1;
            }
            char text[32];
            std::snprintf(text, sizeof text, "%.2f", ratio);
            windows = text;
        }
        double limitMiB = 32.0 + 48.0 * double(conversion.points) / (1024.0 * 1024.0);
        std::printf("| %s | %.0f | %.3f | %.0f | %.3f | %.0f | %.2f | %.2f | %.2f | %s | %" PRId64
                    " | %.2fM | %.1f | %.1f |\n",
                    BaseName(path).c_str(), megabytes, bare.seconds, megabytes / bare.seconds, conversion.seconds,
                    megabytes / conversion.seconds, conversion.seconds / bare.seconds,
                    conversion.cpuSeconds / bare.cpuSeconds, conversionOneCore.seconds / bareOneCore.seconds,
                    windows.c_str(), conversion.points, double(conversion.points) / conversion.seconds / 1e6,
                    conversion.peakRssKiB / 1024.0, limitMiB);
        std::fflush(stdout);
    }
    return 0;
}
