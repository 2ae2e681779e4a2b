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

// "%.2f" of the exact value, ties to even. The reference on random values:
// glibc's printf on Linux, the standard library's exact to_chars on Windows
// (whose old printf rounds ties away from zero).
TEST(Fixed2, RoundsTheExactValueTiesToEvenAsTheReferenceDoes)
{
    const std::pair<double, const char*> cases[] = {
        {2.675, "2.67"}, // 2.67499999...
        {0.125, "0.12"}, // an exact tie: to even
        {-0.005, "-0.01"}, {-0.0, "-0.00"}, {99.995, "100.00"}, {4.9e-324, "0.00"},
        {9007199254740993.0, "9007199254740992.00"}, {-std::numeric_limits<double>::infinity(), "-inf"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(Fixed2(value), text) << value;
    std::string big = Fixed2(1e300); // every digit of the double, no exponent
    EXPECT_EQ(big.size(), 301u + 3u);
    EXPECT_EQ(big.substr(0, 17), "10000000000000000");

    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    std::uniform_int_distribution<int> cents(-1000000, 1000000);
    std::uniform_int_distribution<int> exponent(-1074, 1023);
    for (int i = 0; i < 200000; ++i) {
        double value = i % 4 == 0 ? coordinate(random)
                       : i % 4 == 1 ? cents(random) / 1000.0 // many near-ties
                       : i % 4 == 2 ? cents(random) / 8.0    // exact ties
                                    : std::ldexp(coordinate(random), exponent(random)); // any size
        char expected[kMaxFixed2Length];
#ifdef _WIN32
        *std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed, 2).ptr = 0;
#else
        std::snprintf(expected, sizeof expected, "%.2f", value);
#endif
        ASSERT_EQ(Fixed2(value), expected) << value;
    }
}
