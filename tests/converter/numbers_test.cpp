#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "numbers.h"

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Numbers, GroupCodesReadLikeAtoi)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"10", 10}, {" 10", 10}, {"\t \v\f\r 30", 30}, {"+21", 21}, {"-5", -5}, {"11abc", 11}, {"1 0", 1},
        {"", 0}, {"LINE", 0}, {"- 5", 0}, {"0x1A", 0},
        {"99999999999999999999", INT32_MAX}, {"-99999999999999999999", INT32_MIN},
        {"4294967306", INT32_MAX}, // 2^32 + 10 must not wrap into the coordinate range
    };
    for (auto [text, code] : cases) EXPECT_EQ(ParseGroupCode(text), code) << text;
}

TEST(Numbers, ValuesReadLikeAtof)
{
    const std::pair<std::string, double> cases[] = {
        {"1.5", 1.5}, {"  -3", -3}, {"+.5", 0.5}, {"5.", 5}, {"2.5xyz", 2.5}, {"1.2.3", 1.2}, {"12,5", 12},
        // Exponents by e, E, d or D; one without digits is not one.
        {"1e2", 100}, {"1E+2", 100}, {"1d2", 100}, {"25D-1", 2.5}, {"1e", 1}, {"1e+", 1},
        // No number, and no words or hex forms for infinity or NaN.
        {"", 0}, {".", 0}, {"-", 0}, {"- 1", 0}, {"abc", 0}, {"nan", 0}, {"-infinity", 0}, {"0x1p3", 0},
        // Correctly rounded, far from the easy cases.
        {"0.1", 0.1}, {"2.675", 2.675}, {"9007199254740993", 9007199254740992.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()}, {"100000000000000000000000000000e-29", 1},
        // Overflow gives infinity, underflow zero, whatever the exponent's length.
        {"1e400", kInf}, {"-1e400", -kInf}, {"1d99999999999999999999", kInf}, {"1e-99999999999999999999", 0},
        {std::string(100000, '1'), kInf}, {"0." + std::string(100000, '0') + "1", 0},
        {std::string(5000, '0') + "12.50" + std::string(5000, '0'), 12.5},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseValue(text), value) << text.substr(0, 40);
    EXPECT_TRUE(std::signbit(ParseValue("-0")));
    EXPECT_TRUE(std::signbit(ParseValue("-1e-400")));
}

TEST(Numbers, TheLocaleHasNoSay)
{
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE", "German_Germany.1252"})
        if ((found = std::setlocale(LC_ALL, name))) break;
    if (!found) GTEST_SKIP() << "no locale with a decimal comma here";
    EXPECT_EQ(ParseValue("12.5"), 12.5);
    EXPECT_EQ(ParseValue("12,5"), 12.0);
    std::setlocale(LC_ALL, "C");
}
