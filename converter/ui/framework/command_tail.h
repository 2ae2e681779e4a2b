#pragma once
// The command line after the program's own name (no windows.h: tested natively).

// Skips the program name at the start of a whole command line (as
// GetCommandLineA gives it) and the white space after it. The name ends at
// the first blank or control character outside double quotes. Bytes are
// compared unsigned: a name with double-byte characters is not cut at its
// first lead byte, and no trail byte of code page 932 is a blank or a quote.
const char* CommandLineTail(const char* commandLine);
