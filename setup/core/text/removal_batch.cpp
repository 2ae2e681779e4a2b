#include "removal_batch.h"

#include <string>

#include "dbcs.h"

namespace {

// Inside a batch file "%" starts a variable: a path that holds one is
// written with it doubled.
std::string Quoted(const std::string& path)
{
    std::string quoted = "\"";
    for (const char* p = path.c_str(); *p;) {
        const char* next = NextChar(p);
        if (*p == '%') quoted += '%';
        quoted.append(p, static_cast<size_t>(next - p));
        p = next;
    }
    return quoted + "\"";
}

} // namespace

bool FormRemovalBatch(const char* programPath, int parentFolders, std::string& text)
{
    const char* separator = FindLastCharDbcs(programPath, '\\');
    if (!separator) return false;
    std::string program = Quoted(programPath);
    std::string folderPath(programPath, separator);
    std::string folder = Quoted(folderPath);
    const std::string tries = std::to_string(kRemovalBatchTries);

    // The program file goes as soon as the ending program lets go of it,
    // normally at the first or second try. One that is still there after
    // a minute of tries a second apart is read-only or held by another
    // program and would stay however long the batch went on trying, so the
    // batch gives up instead of running for ever. The wait is the usual
    // one of batch files: two pings of the own machine, one second apart.
    const std::string lines[] = {
        "@echo off",
        "set DelusTries=0",
        ":Repeat",
        "set /a DelusTries+=1",
        "if %DelusTries% gtr " + tries + " goto GiveUp",
        "del " + program,
        "if exist " + program + " ping -n 2 127.0.0.1 > nul",
        "if exist " + program + " goto Repeat",
        ":GiveUp",
        "rmdir " + folder,
    };
    text.clear();
    for (const std::string& line : lines) text += line + "\r\n";
    // The made folders above it; rmdir leaves one that is not empty.
    for (int level = 0; level < parentFolders; ++level) {
        const char* up = FindLastCharDbcs(folderPath.c_str(), '\\');
        if (!up || up == folderPath.c_str() || up[-1] == ':') break; // never a drive's root
        folderPath.resize(static_cast<size_t>(up - folderPath.c_str()));
        text += "rmdir " + Quoted(folderPath) + "\r\n";
    }
    text += "del " + Quoted(kRemovalBatchName) + "\r\n";
    return true;
}
