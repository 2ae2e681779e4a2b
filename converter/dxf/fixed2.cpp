#include "fixed2.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr char kTwoDigits[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                              "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                              "8081828384858687888990919293949596979899";

constexpr uint64_t kPowersOfTen[20] = {1,
                                       10,
                                       100,
                                       1000,
                                       10000,
                                       100000,
                                       1000000,
                                       10000000,
                                       100000000,
                                       1000000000,
                                       10000000000,
                                       100000000000,
                                       1000000000000,
                                       10000000000000,
                                       100000000000000,
                                       1000000000000000,
                                       10000000000000000,
                                       100000000000000000,
                                       1000000000000000000,
                                       10000000000000000000u};

// Digits of `value` (1 for 0): log10 estimated from the bit length
// (1233 / 4096 is just above log10 2), then corrected by one comparison.
int DigitCount(uint64_t value)
{
    value |= 1;
    int estimate = ((64 - std::countl_zero(value)) * 1233) >> 12;
    return estimate + (value >= kPowersOfTen[estimate]);
}

// Writes the digits straight to their place from the right, two at a time.
char* WriteUnsigned(uint64_t value, char* out)
{
    char* end = out + DigitCount(value);
    char* p = end;
    while (value >= 100) {
        unsigned pair = static_cast<unsigned>(value % 100);
        value /= 100;
        p -= 2;
        p[0] = kTwoDigits[2 * pair];
        p[1] = kTwoDigits[2 * pair + 1];
    }
    if (value >= 10) {
        p[-2] = kTwoDigits[2 * value];
        p[-1] = kTwoDigits[2 * value + 1];
    } else {
        p[-1] = static_cast<char>('0' + value);
    }
    return end;
}

} // namespace

char* FormatFixed2(double value, char* out)
{
    // Beyond 2^53 (and for inf/nan) the standard library's exact conversion
    // takes over; below it the scaled value fits in 64 bits.
    if (!(std::fabs(value) < 9007199254740992.0)) {
        return std::to_chars(out, out + kMaxFixed2Length, value, std::chars_format::fixed, 2).ptr;
    }
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bool negative = bits >> 63;
    int biased = static_cast<int>((bits >> 52) & 0x7ff);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int exponent; // value = mantissa * 2^exponent exactly
    if (biased == 0) {
        exponent = -1074;
    } else {
        mantissa |= uint64_t{1} << 52;
        exponent = biased - 1075;
    }

    uint64_t hundredths; // value * 100, rounded to nearest, ties to even
    if (exponent >= 0) {
        hundredths = (mantissa << exponent) * 100; // below 2^53 * 100
    } else if (-exponent > 62) {
        hundredths = 0; // below 2^60 / 2^63: less than half a hundredth
    } else {
        int shift = -exponent;
        uint64_t scaled = mantissa * 100; // below 2^60
        hundredths = scaled >> shift;
        uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
        uint64_t half = uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (hundredths & 1))) ++hundredths;
    }

    if (negative) *out++ = '-';
    out = WriteUnsigned(hundredths / 100, out);
    unsigned cents = static_cast<unsigned>(hundredths % 100);
    out[0] = '.';
    out[1] = kTwoDigits[2 * cents];
    out[2] = kTwoDigits[2 * cents + 1];
    return out + 3;
}
