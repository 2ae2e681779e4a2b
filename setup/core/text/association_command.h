#pragma once
// The command text of an association's verb, built from the script's
// Command: its program resolved on this system, its arguments as written.
#include <cstddef>
#include <functional>

// Writes the real path of `program` into `resolved` (kPathSize bytes).
using ProgramResolver = std::function<void(const char* program, char* resolved)>;

// A Command that starts with a double quote names the program up to the
// next one (or the end); the arguments are what follows the closing quote,
// its blank included. Otherwise the program ends at the first blank or
// tab, and the arguments follow that separator. The result keeps the form:
// "\"program\"arguments", or "program arguments" (the blank is written also
// without arguments). False, and `out` empty, when it does not fit.
bool FormAssociationCommand(const char* command, const ProgramResolver& resolve, char* out, size_t size);
