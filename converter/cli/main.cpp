// trenvika-cli: the converter's conversion from the command line, for batch work.
#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "cli_options.h"
#include "file_io.h"
#include "progress_bar.h"
#include "run_context.h"

namespace {

enum ExitCode { kDone = 0, kUsage = 1, kSourceFailed = 2, kOutputFailed = 3, kOutOfMemory = 4 };

int Fail(const char* program, ExitCode code, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    const char* program = "trenvika-cli";
    CliOptions options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::fputs(CliHelpText(program).c_str(), stdout);
        return kDone;
    }
    if (!options.error.empty())
        return Fail(program, kUsage, options.error + " (see " + program + " --help)");

    // The dialog would go on and write an empty drawing; a batch tool says
    // that the source is missing and leaves the output alone.
    int64_t sourceSize;
    {
        CSourceFile source;
        if (!source.Open(options.source))
            return Fail(program, kSourceFailed,
                        "cannot open source \"" + options.source + "\": " + ErrorText(source.Error()));
        sourceSize = source.Size();
    }

    CRunContext context;
    context.m_strSource = options.source;
    context.m_strOutput = options.output;
    context.m_referenceAxis = options.axis;
    context.m_bWrite3DFlags = options.write3DFlags;

    // The dialog's run without its start pause; this thread polls the
    // counters for the progress bar meanwhile.
    auto run = [&context] { RunConversion(context, std::chrono::milliseconds(0)); };
    std::thread worker;
    bool started = StartRun(context, [&] {
        try {
            worker = std::thread(run);
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    });
    if (!started) run(); // no second thread to be had: convert on this one
    if (StderrIsTerminal()) {
        CProgressBar bar(sourceSize);
        while (context.m_bRunning.load()) {
            bar.Draw(context);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        bar.Clear();
    }
    if (worker.joinable()) worker.join();

    std::printf("%s\n", FormatRunSummary(context, true).c_str());
    std::string reason = ": " + ErrorText(context.m_nSystemError.load());
    switch (context.m_outcome.load()) {
    case RunOutcome::Ok: return kDone;
    case RunOutcome::SourceNotOpened:
        return Fail(program, kSourceFailed, "cannot open source \"" + options.source + "\"" + reason);
    case RunOutcome::SourceReadFailed:
        return Fail(program, kSourceFailed,
                    "reading \"" + options.source + "\" failed" + reason + "; no output was written");
    case RunOutcome::OutputNotCreated:
        return Fail(program, kOutputFailed, "cannot create output \"" + options.output + "\"" + reason);
    case RunOutcome::OutputWriteFailed:
        return Fail(program, kOutputFailed,
                    "writing \"" + options.output + "\" failed" + reason + "; the output is incomplete");
    case RunOutcome::OutOfMemory:
        return Fail(program, kOutOfMemory, "the drawing does not fit in memory; no output was written");
    }
    return kDone;
}
