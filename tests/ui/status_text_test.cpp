#include <gtest/gtest.h>

#include <climits>

#include "status_text.h"

TEST(StatusText, FourCountersZeroPaddedToSixDigits)
{
    EXPECT_EQ(FormatStatus(0, 0, 0, 0),
              "000000 SourceLines\n000000 Points\n000000 PolyLines\n\n000000 WritePolyLines");
    EXPECT_EQ(FormatStatus(1794, 122, 5, 5),
              "001794 SourceLines\n000122 Points\n000005 PolyLines\n\n000005 WritePolyLines");
}

TEST(StatusText, LargeCountsKeepAllTheirDigits)
{
    EXPECT_EQ(FormatStatus(1234567, INT32_MAX, 999999, 1000000),
              "1234567 SourceLines\n2147483647 Points\n999999 PolyLines\n\n1000000 WritePolyLines");
}

TEST(StatusText, TheEndOfARunFollowsAfterABlankLine)
{
    EXPECT_EQ(FormatStatus(0, 0, 0, 0) + kTerminateProcess,
              "000000 SourceLines\n000000 Points\n000000 PolyLines\n\n000000 WritePolyLines\n\nTerminate Process");
}
