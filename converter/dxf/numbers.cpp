#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The general case: hand the digits, without sign and with a plain "e"
// exponent, to std::from_chars.
double ParseSlow(std::string_view digits, int64_t exponent, bool negative)
{
    std::string text;
    text.reserve(digits.size() + 24);
    text.append(digits);
    text += 'e';
    text += std::to_string(exponent);
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::scientific);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: the digits' magnitude decides which.
        bool overflow = int64_t(digits.size()) + exponent > 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

int32_t ParseGroupCode(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && IsSpace(line[i])) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    int64_t value = 0;
    for (; i < line.size() && IsDigit(line[i]); ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > int64_t{INT32_MAX} + 1) value = int64_t{INT32_MAX} + 1; // saturate
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(value);
}

double ParseValue(std::string_view line)
{
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end && IsSpace(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';

    const char* intStart = p;
    while (p < end && IsDigit(*p)) ++p;
    const char* intEnd = p;
    const char* fracStart = p;
    if (p < end && *p == '.') {
        fracStart = ++p;
        while (p < end && IsDigit(*p)) ++p;
    }
    const char* fracEnd = p;
    if (intStart == intEnd && fracStart == fracEnd) return 0.0; // no number at all

    int64_t explicitExponent = 0;
    if (p < end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
        const char* q = p + 1;
        bool expNegative = false;
        if (q < end && (*q == '+' || *q == '-')) expNegative = *q++ == '-';
        for (; q < end && IsDigit(*q); ++q) // without digits the "e" is not part of the number
            if (explicitExponent < 1'000'000'000) explicitExponent = explicitExponent * 10 + (*q - '0');
        if (expNegative) explicitExponent = -explicitExponent;
    }
    // value = (integer digits, then fraction digits) * 10^exponent
    int64_t exponent = explicitExponent - (fracEnd - fracStart);

    // Significant digits: all of them, without leading zeros.
    uint64_t mantissa = 0;
    int64_t significant = 0;
    auto take = [&](const char* from, const char* to) {
        for (const char* d = from; d < to; ++d) {
            if (significant == 0 && *d == '0') continue;
            if (significant < 19) mantissa = mantissa * 10 + uint64_t(*d - '0');
            ++significant;
        }
    };
    take(intStart, intEnd);
    take(fracStart, fracEnd);
    if (significant == 0) return negative ? -0.0 : 0.0;

    if (significant <= 19 && mantissa <= (uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
        // Mantissa and power of ten are exact doubles: one operation rounds correctly.
        double value = static_cast<double>(mantissa);
        value = exponent < 0 ? value / kExactPowers[-exponent] : value * kExactPowers[exponent];
        return negative ? -value : value;
    }

    std::string digits;
    digits.reserve(static_cast<size_t>(significant));
    auto collect = [&](const char* from, const char* to) {
        for (const char* d = from; d < to; ++d)
            if (!digits.empty() || *d != '0') digits += *d;
    };
    collect(intStart, intEnd);
    collect(fracStart, fracEnd);
    return ParseSlow(digits, exponent, negative);
}
