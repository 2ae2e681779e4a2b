#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers.h"

TEST(GroupCode, ReadsLikeAtoi)
{
    EXPECT_EQ(ParseGroupCode("10"), 10);
    EXPECT_EQ(ParseGroupCode(" 10"), 10);  // right-justified DXF codes
    EXPECT_EQ(ParseGroupCode("\t \v\f\r 30"), 30);
    EXPECT_EQ(ParseGroupCode("+21"), 21);
    EXPECT_EQ(ParseGroupCode("-5"), -5);
    EXPECT_EQ(ParseGroupCode("11abc"), 11);
    EXPECT_EQ(ParseGroupCode("1 0"), 1);
    EXPECT_EQ(ParseGroupCode(""), 0);
    EXPECT_EQ(ParseGroupCode("LINE"), 0);
    EXPECT_EQ(ParseGroupCode("- 5"), 0);
    EXPECT_EQ(ParseGroupCode("0x1A"), 0);
    EXPECT_EQ(ParseGroupCode("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ParseGroupCode("-99999999999999999999"), INT32_MIN);
    // 2^32 + 10 must not wrap into the coordinate range.
    EXPECT_EQ(ParseGroupCode("4294967306"), INT32_MAX);
}

TEST(Value, ReadsLikeAtof)
{
    EXPECT_EQ(ParseValue("1.5"), 1.5);
    EXPECT_EQ(ParseValue("  -3"), -3.0);
    EXPECT_EQ(ParseValue("+.5"), 0.5);
    EXPECT_EQ(ParseValue("5."), 5.0);
    EXPECT_EQ(ParseValue("1e2"), 100.0);
    EXPECT_EQ(ParseValue("1E+2"), 100.0);
    EXPECT_EQ(ParseValue("1d2"), 100.0);  // Fortran-style exponents count too
    EXPECT_EQ(ParseValue("25D-1"), 2.5);
    EXPECT_EQ(ParseValue("1e"), 1.0);     // an exponent without digits is not one
    EXPECT_EQ(ParseValue("1e+"), 1.0);
    EXPECT_EQ(ParseValue("2.5xyz"), 2.5);
    EXPECT_EQ(ParseValue("12,5"), 12.0);  // no locale: the comma ends the number
    EXPECT_EQ(ParseValue("1.2.3"), 1.2);
    EXPECT_EQ(ParseValue(""), 0.0);
    EXPECT_EQ(ParseValue("."), 0.0);
    EXPECT_EQ(ParseValue("-"), 0.0);
    EXPECT_EQ(ParseValue("abc"), 0.0);
    EXPECT_EQ(ParseValue("- 1"), 0.0);
}

TEST(Value, HasNoWordsForSpecialValues)
{
    for (const char* text : {"nan", "NAN", "inf", "-infinity", "0x10", "0x1p3"})
        EXPECT_EQ(ParseValue(text), 0.0) << text;
}

TEST(Value, KeepsTheSignOfZero)
{
    EXPECT_TRUE(std::signbit(ParseValue("-0")));
    EXPECT_TRUE(std::signbit(ParseValue("-0.000")));
    EXPECT_FALSE(std::signbit(ParseValue("0.0")));
    EXPECT_EQ(ParseValue("-0"), ParseValue("0")); // equal as numbers
}

TEST(Value, RoundsCorrectlyOutsideTheFastPath)
{
    // Exact reference values of the decimal texts, as the C library rounds them.
    EXPECT_EQ(ParseValue("0.1"), 0.1);
    EXPECT_EQ(ParseValue("2.675"), 2.675);
    EXPECT_EQ(ParseValue("123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(ParseValue("9007199254740993"), 9007199254740992.0); // ties to even
    EXPECT_EQ(ParseValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(ParseValue("4.9e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(ParseValue("1e-310"), 1e-310);
    EXPECT_EQ(ParseValue("0.000000000000000000000000000001"), 1e-30);
    EXPECT_EQ(ParseValue("100000000000000000000000000000e-29"), 1.0);
}

TEST(Value, OverflowGivesInfinityAndUnderflowZero)
{
    EXPECT_EQ(ParseValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseValue("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseValue("1d99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseValue("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(ParseValue("-1e-400")));
    EXPECT_EQ(ParseValue("1e-99999999999999999999"), 0.0);
}

TEST(Value, ReadsVeryLongNumbers)
{
    std::string ones(100000, '1');
    EXPECT_EQ(ParseValue(ones), std::numeric_limits<double>::infinity());
    std::string small = "0." + std::string(100000, '0') + "1";
    EXPECT_EQ(ParseValue(small), 0.0);
    std::string exact = std::string(5000, '0') + "12.50" + std::string(5000, '0');
    EXPECT_EQ(ParseValue(exact), 12.5);
}
