#include "records/MissingValue.h"

#include <gtest/gtest.h>

TEST(MissingValue, MarkersAndNonNumbersAreMissing)
{
    for (const char* text : {"UU", "MISS", "HH", "LL", "OUT", "ChkErr", "65535", "", "  ", "U", "E", "Err",
                             "12abc", "abc", "0x10", "inf", "nan", "1.2.3x", "DEFAULT"}) {
        EXPECT_EQ(ReadingOrMissing(std::string_view(text)), DISPLAY_MISSING) << text;
        EXPECT_EQ(IntReadingOrMissing(std::string_view(text)), MISSING_VALUE) << text;
    }
    EXPECT_EQ(ReadingOrMissing(std::wstring_view(L"OUT")), DISPLAY_MISSING);
    EXPECT_EQ(ReadingOrMissing(std::wstring_view(L"2\u00b0")), DISPLAY_MISSING);
}

TEST(MissingValue, NumbersParse)
{
    EXPECT_DOUBLE_EQ(ReadingOrMissing(std::string_view("0.00")), 0.0);
    EXPECT_DOUBLE_EQ(ReadingOrMissing(std::string_view(" -12.50 ")), -12.5);
    EXPECT_DOUBLE_EQ(ReadingOrMissing(std::wstring_view(L"1013.2")), 1013.2);
    EXPECT_EQ(IntReadingOrMissing(std::string_view("-7.9")), -7);
    EXPECT_EQ(IntReadingOrMissing(std::string_view("65534")), 65534);
    EXPECT_TRUE(IsMissing(MISSING_VALUE));
    EXPECT_TRUE(IsMissing(DISPLAY_MISSING));
    EXPECT_FALSE(IsMissing(-998.9));
}

TEST(MissingValue, RainWrapConstant)
{
    EXPECT_DOUBLE_EQ(RAIN_WRAP_MM, 46226.750625);
}
