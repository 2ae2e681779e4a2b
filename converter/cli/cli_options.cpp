#include "cli_options.h"

CliOptions ParseCliOptions(const std::vector<std::string>& arguments)
{
    CliOptions options;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            paths.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "-y" || argument == "--y") {
            options.axis = ReferenceAxis::Y;
        } else if (argument == "-x" || argument == "--x") {
            options.axis = ReferenceAxis::X;
        } else if (argument == "--3d-flags") {
            options.write3DFlags = true;
        } else {
            options.error = "unknown option " + argument;
            return options;
        }
    }
    if (options.help) return options;
    if (paths.size() != 2) {
        options.error = paths.size() < 2 ? "a source and an output path are needed"
                                         : "too many arguments: only a source and an output path are taken";
        return options;
    }
    options.source = paths[0];
    options.output = paths[1];
    return options;
}

std::string CliHelpText(const std::string& program)
{
    return "Usage: " + program + " [--y] [--3d-flags] SOURCE OUTPUT\n"
           "\n"
           "Converts the coordinates of the ASCII DXF drawing SOURCE into OUTPUT, a DXF\n"
           "drawing of 3D polylines: every point (each group 30-39 with the 10-19 and\n"
           "20-29 values before it, such as both ends of every LINE) is filed under its\n"
           "exact X value, one polyline per value, vertices in ascending Y. Polylines\n"
           "come in ascending X. Of two points with the same X and Y the first one read\n"
           "is kept. This is the conversion that trenvika.exe runs when it is started\n"
           "with a source and an output path.\n"
           "\n"
           "  --y         file the points under their Y value instead (one polyline per\n"
           "              Y, vertices in ascending X); group 10 still carries X\n"
           "  --3d-flags  mark the polylines as 3D for CAD programs that would otherwise\n"
           "              read them as 2D: group 70 = 8 on POLYLINE, 70 = 32 on VERTEX\n"
           "              (without it the output is the converter's usual bytes)\n"
           "  -h, --help  show this text\n"
           "\n"
           "The output is ASCII DXF with CR LF line ends and coordinates written with\n"
           "two decimals. When it is done the program prints the run's counters:\n"
           "source lines read, points stored, polylines made and polylines written.\n"
           "While it runs on a terminal, a progress bar is shown on stderr.\n"
           "\n"
           "Exit status: 0 done; 1 wrong arguments; 2 the source could not be opened or\n"
           "read (no output is written then); 3 the output could not be created or\n"
           "written (a full disk, for instance); 4 the drawing did not fit in memory.\n";
}
