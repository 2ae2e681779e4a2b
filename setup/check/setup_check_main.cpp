// setup-check: reads a Setup.ini as setup would and reports what would go
// wrong on a user's machine, compiler style. Exit status 0 clean, 1
// warnings, 2 errors (a script that cannot be read is one).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dbcs.h"
#include "path_text.h"
#include "script_checker.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace {

const char kUsage[] =
    "usage: setup-check [--codepage 932|1252] [--verbose] [FOLDER | SCRIPT]\n"
    "\n"
    "Reads a setup script (FOLDER\\Setup.ini, or SCRIPT; the current folder\n"
    "when none is given) as setup reads it and reports, as\n"
    "  Setup.ini:12: warning: ...\n"
    "sections and keys that setup never reads, numbered lists that end early,\n"
    "files missing beside the script, values that setup cuts or reads\n"
    "otherwise than written, drawing lines that draw nothing.\n"
    "\n"
    "  --codepage  the code page the script is written in: 932 (Japanese,\n"
    "              the default) or 1252\n"
    "  --verbose   also list what an install would do, on a typical system\n"
    "\n"
    "Exit status: 0 nothing to report, 1 warnings, 2 errors.\n";

// Writes text of the script's code page to standard output.
void Print(const std::string& text, unsigned codePage)
{
    std::string utf8 = ToUtf8(text, codePage);
#ifdef _WIN32
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode;
    if (GetConsoleMode(out, &mode)) {
        int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
        DWORD written;
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
#endif
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "setup-check: %s\n", message.c_str());
    return 2;
}

// "Setup.ini" in `folder`, in whatever letter case it is written there.
std::filesystem::path ScriptIn(const std::filesystem::path& folder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (name.size() == 9 && EqualsNoCase(name.c_str(), 9, "Setup.ini")) return entry.path();
    }
    return folder / "Setup.ini";
}

} // namespace

int main(int argc, char** argv)
{
    unsigned codePage = 932;
    bool verbose = false;
    std::filesystem::path target = ".";
    bool targetGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--verbose" || arg == "-v") {
            verbose = true;
        } else if (arg == "--codepage" && i + 1 < argc) {
            std::string value = argv[++i];
            if (value != "932" && value != "1252") return Fail("--codepage takes 932 or 1252, not " + value);
            codePage = static_cast<unsigned>(std::stoul(value));
        } else if (arg.rfind("-", 0) == 0 || targetGiven) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            target = std::filesystem::u8path(arg);
            targetGiven = true;
        }
    }
    UseTextCodePage(codePage);

    std::error_code error;
    std::filesystem::path script = std::filesystem::is_directory(target, error) ? ScriptIn(target) : target;
    std::ifstream in(script, std::ios::binary);
    if (!in) return Fail("cannot read " + script.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    ProfileFile file = ProfileFile::Parse(bytes);
    ScriptFolder folder(script.has_parent_path() ? script.parent_path() : std::filesystem::path("."), codePage);
    ScriptChecker checker(file, folder);
    std::vector<Diagnostic> diagnostics = checker.Run();

    for (const Diagnostic& d : diagnostics) Print(FormatDiagnostic(script.string(), d), codePage);
    if (verbose) {
        Print("\nWhat an install would do (folders of a typical Windows):\n", codePage);
        for (const std::string& step : checker.InstallPlan()) Print("  " + step + "\n", codePage);
    }
    return ExitStatusOf(diagnostics);
}
