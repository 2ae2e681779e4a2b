#pragma once
// The arguments of a drawing-script line: texts between commas, read as
// integers the way the C library's atoi reads them, or as percentages.
#include <cstdint>
#include <string_view>

// Leading blanks (as isspace), an optional sign, decimal digits; 0 without
// digits; whatever follows the digits is ignored. Beyond the range of a
// 32-bit integer the value stops at its least or greatest value.
int32_t ReadInteger(std::string_view text);

// A decimal number with an optional fraction and exponent, read the way
// atof reads text (leading blanks, sign; 0 without digits). No "inf", "nan"
// or hexadecimal forms: a percentage is a plain number.
double ReadDecimal(std::string_view text);

// A position or height argument: "%" as its very first character makes it
// `percentage × reference × 0.01`, truncated toward zero (and held within
// the 32-bit range); anything else is an integer (" %50" reads 0).
int32_t ReadPosition(std::string_view text, int32_t reference);

// Walks the arguments of a line, which are separated by commas.
class ArgumentCursor {
public:
    // `arguments` is everything after the line's first comma; null when the
    // line has no comma, and then there are no arguments at all.
    explicit ArgumentCursor(const char* arguments) : m_next(arguments) {}

    // The next argument; false when the last one has been taken. "a," has
    // two arguments, the second one empty.
    bool Next(std::string_view& argument);
    // Everything from the next argument to the end of the line, commas
    // included, or null when none is left.
    const char* Rest() const { return m_next; }

private:
    const char* m_next;
};
