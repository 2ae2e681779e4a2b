#include <gtest/gtest.h>

#include <charconv>
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
    EXPECT_EQ(Fixed2(1.5), "1.50");
    EXPECT_EQ(Fixed2(-3), "-3.00");
    EXPECT_EQ(Fixed2(1234.567), "1234.57");
    EXPECT_EQ(Fixed2(2.675), "2.67");   // 2.67499999...
    EXPECT_EQ(Fixed2(0.125), "0.12");   // an exact tie: to even
    EXPECT_EQ(Fixed2(0.375), "0.38");
    EXPECT_EQ(Fixed2(-0.005), "-0.01"); // -0.005000000000000000104...
    EXPECT_EQ(Fixed2(-0.001), "-0.00");
    EXPECT_EQ(Fixed2(-0.0), "-0.00");
    EXPECT_EQ(Fixed2(0.0), "0.00");
    EXPECT_EQ(Fixed2(0.995), "0.99");
    EXPECT_EQ(Fixed2(9.995), "9.99");
    EXPECT_EQ(Fixed2(99.995), "100.00");
    EXPECT_EQ(Fixed2(4.9e-324), "0.00");
}

TEST(Fixed2, LargeAndSpecialValues)
{
    std::string big = Fixed2(1e300);
    EXPECT_EQ(big.size(), 301u + 3u);
    EXPECT_EQ(big.substr(0, 17), "10000000000000000");
    EXPECT_EQ(big.substr(big.size() - 3), ".00");
    EXPECT_EQ(Fixed2(9007199254740993.0), "9007199254740992.00");
    EXPECT_EQ(Fixed2(-1.7976931348623157e308).size(), 1u + 309u + 3u);
    EXPECT_EQ(Fixed2(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(Fixed2(-std::numeric_limits<double>::infinity()), "-inf");
}

// The runtime's own conversion is the reference: glibc's printf on Linux,
// the standard library's exact to_chars on Windows (whose old printf rounds
// ties away from zero).
TEST(Fixed2, AgreesWithTheReferenceOnRandomValues)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> coordinate(-1e7, 1e7);
    std::uniform_int_distribution<int> cents(-1000000, 1000000);
    for (int i = 0; i < 200000; ++i) {
        double value;
        switch (i % 3) {
        case 0: value = coordinate(random); break;
        case 1: value = cents(random) / 1000.0; break; // many near-ties
        default: value = cents(random) / 8.0; break;   // exact ties
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
