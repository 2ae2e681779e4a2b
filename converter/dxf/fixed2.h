#pragma once
// "%.2f" as today's C runtimes print it: the exact value of the double
// rounded to two decimals, ties to even, a minus sign on negative values
// (also on -0.0), "inf"/"nan" for infinities and NaN. The same bytes on every
// platform, whatever printf the platform links.

constexpr int kMaxFixed2Length = 320; // "-" + 309 digits + ".00", with room to spare

// Writes the text to `out` (no terminator); returns the end of it.
char* FormatFixed2(double value, char* out);
