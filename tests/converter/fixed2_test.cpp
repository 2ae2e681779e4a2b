#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "fixed2.h"

namespace {
std::string Fixed2(double value)
{
    char buffer[kMaxFixed2Length];
    return std::string(buffer, FormatFixed2(value, buffer));
}
} // namespace

TEST(Fixed2, RoundsTheExactValueTiesToEven)
{
    const std::pair<double, const char*> cases[] = {
        {1.5, "1.50"}, {-3, "-3.00"}, {1234.567, "1234.57"},
        {2.675, "2.67"},   // 2.67499999...
        {0.125, "0.12"},   // an exact tie: to even
        {0.375, "0.38"},
        {-0.005, "-0.01"}, // -0.005000000000000000104...
        {-0.001, "-0.00"}, {-0.0, "-0.00"}, {99.995, "100.00"}, {4.9e-324, "0.00"},
        {9007199254740993.0, "9007199254740992.00"},
        {std::numeric_limits<double>::infinity(), "inf"}, {-std::numeric_limits<double>::infinity(), "-inf"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(Fixed2(value), text) << value;
    std::string big = Fixed2(1e300); // every digit of the double, no exponent
    EXPECT_EQ(big.size(), 301u + 3u);
    EXPECT_EQ(big.substr(0, 17), "10000000000000000");
}

// The runtime's own conversion is the reference: glibc's printf on Linux,
// the standard library's exact to_chars on Windows (whose old printf rounds
// ties away from zero).
TEST(Fixed2, AgreesWithTheReferenceOnRandomValues)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    std::uniform_int_distribution<int> cents(-1000000, 1000000);
    std::uniform_int_distribution<int> exponent(-1074, 1023);
    for (int i = 0; i < 200000; ++i) {
        double value;
        switch (i % 4) {
        case 0: value = coordinate(random); break;
        case 1: value = cents(random) / 1000.0; break; // many near-ties
        case 2: value = cents(random) / 8.0; break;    // exact ties
        default: value = std::ldexp(coordinate(random), exponent(random)); break; // any size
        }
        char expected[kMaxFixed2Length];
#ifdef _WIN32
        *std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed, 2).ptr = 0;
#else
        std::snprintf(expected, sizeof expected, "%.2f", value);
#endif
        ASSERT_EQ(Fixed2(value), expected) << value;
    }
}
