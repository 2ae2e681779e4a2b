#pragma once
#include <string>
#include <vector>

#include "run_context.h"

struct CliOptions {
    std::string source;
    std::string output;
    ReferenceAxis axis = ReferenceAxis::X;
    bool write3DFlags = false;
    bool help = false;
    std::string error; // not empty when the arguments are unusable
};

// Reads the arguments after the program name.
CliOptions ParseCliOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string CliHelpText(const std::string& program);
