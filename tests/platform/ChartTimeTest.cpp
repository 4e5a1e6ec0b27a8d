// The charting library's chart time, and the same seconds counted by the records, which keep
// their histories' times themselves and hand them to the library.
#include "platform/chart/Chart.h"
#include "records/RecordTime.h"

#include <gtest/gtest.h>

TEST(ChartTime, KnownDates)
{
    EXPECT_EQ(Chart::chartTime(1, 1, 1), 0.0);
    EXPECT_EQ(Chart::chartTime(1, 1, 2), 86400.0);
    EXPECT_EQ(Chart::chartTime(1, 1, 1, 1, 1, 1), 3661.0);
    EXPECT_EQ(Chart::chartTime(2, 1, 1), 365.0 * 86400);
    // 1970-01-01, the Unix epoch, is 719162 days after 0001-01-01.
    EXPECT_EQ(Chart::chartTime(1970, 1, 1), 62135596800.0);
    // 2014-01-18 10:20 is 1390040400 s after the epoch.
    EXPECT_EQ(Chart::chartTime(2014, 1, 18, 10, 20, 0) - Chart::chartTime(1970, 1, 1), 1390040400.0);
    EXPECT_EQ(CChart_chartTime(2014, 1, 18, 10, 20, 0), Chart::chartTime(2014, 1, 18, 10, 20));
}

TEST(ChartTime, ExactDifferencesAcrossLeapRules)
{
    EXPECT_EQ(Chart::chartTime(2000, 3, 1) - Chart::chartTime(2000, 2, 28), 2 * 86400.0); // 400-year leap
    EXPECT_EQ(Chart::chartTime(1900, 3, 1) - Chart::chartTime(1900, 2, 28), 86400.0);     // century, no leap
    EXPECT_EQ(Chart::chartTime(2024, 3, 1) - Chart::chartTime(2024, 2, 28), 2 * 86400.0);
    EXPECT_EQ(Chart::chartTime(2023, 3, 1) - Chart::chartTime(2023, 2, 28), 86400.0);
    EXPECT_EQ(Chart::chartTime(2001, 1, 1) - Chart::chartTime(2000, 1, 1), 366 * 86400.0);
    EXPECT_EQ(Chart::chartTime(2014, 1, 18, 23, 59, 59) - Chart::chartTime(2014, 1, 18, 0, 0, 0), 86399.0);
    EXPECT_EQ(Chart::chartTime(2014, 1, 18, 12) - Chart::chartTime(2014, 1, 18, 4), 28800.0);
}

TEST(ChartTime, MonotonicOverDecadesDayByDay)
{
    // Each calendar day is exactly one day after the one before, over 1999..2041.
    double previous = Chart::chartTime(1998, 12, 31);
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = 1999; year <= 2041; ++year)
        for (int month = 1; month <= 12; ++month) {
            int days = monthDays[month - 1];
            if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0))
                days = 29;
            for (int day = 1; day <= days; ++day) {
                const double t = Chart::chartTime(year, month, day);
                ASSERT_EQ(t - previous, 86400.0) << year << "-" << month << "-" << day;
                previous = t;
            }
        }
}

TEST(ChartTime, OutOfRangeFieldsCarry)
{
    EXPECT_EQ(Chart::chartTime(2013, 13, 1), Chart::chartTime(2014, 1, 1));
    EXPECT_EQ(Chart::chartTime(2014, 0, 1), Chart::chartTime(2013, 12, 1));
    EXPECT_EQ(Chart::chartTime(2014, 3, 0), Chart::chartTime(2014, 2, 28));
    EXPECT_EQ(Chart::chartTime(2014, 1, 1, 24, 0, 0), Chart::chartTime(2014, 1, 2));
    EXPECT_EQ(Chart::chartTime(2014, 1, 1, 0, -1, 0), Chart::chartTime(2013, 12, 31, 23, 59, 0));
}

TEST(ChartTime, ZeroDateIsDefinedAndEarliest)
{
    // The all-zero date held before the first reading: 30 November of the year -1.
    EXPECT_EQ(Chart::chartTime(0, 0, 0, 0, 0, 0), -34387200.0);
    EXPECT_LT(Chart::chartTime(0, 0, 0), Chart::chartTime(1, 1, 1));
    EXPECT_LT(Chart::chartTime(0, 0, 0), Chart::chartTime(2000, 1, 1) - 1296000);
}

TEST(ChartTime, RecordsCountTheSameSecondsAsTheChartLibrary)
{
    // Every day of 1899..2101 (the century rules and every year a station can hold), with days 29
    // to 31 of the shorter months carried into the next, each at its own time of day.
    for (int year = 1899; year <= 2101; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                const int hour = (day * 7) % 24, minute = (day * 13 + month) % 60, second = (day * 17) % 60;
                ASSERT_EQ(SecondsSinceYearOne(year, month, day, hour, minute, second),
                          Chart::chartTime(year, month, day, hour, minute, second))
                    << year << "-" << month << "-" << day;
            }
    // Fields outside their range, the all-zero date and dates before the year 1.
    const int cases[][6] = {
        {0, 0, 0, 0, 0, 0},      {2013, 13, 1, 0, 0, 0},         {2014, 0, 1, 0, 0, 0},
        {2014, 3, 0, 0, 0, 0},   {2014, 1, 1, 24, 0, 0},         {2014, 1, 1, 0, -1, 0},
        {2014, -25, 10, 5, 6, 7}, {2014, 40, 10, 5, 6, 7},       {2014, 1, -400, 0, 0, 0},
        {2014, 1, 18, -30, -90, -4000}, {-1, 1, 1, 0, 0, 0},     {-401, 2, 29, 12, 0, 0},
        {9999, 12, 31, 23, 59, 59}, {1, 1, 1, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SecondsSinceYearOne(c[0], c[1], c[2], c[3], c[4], c[5]),
                  Chart::chartTime(c[0], c[1], c[2], c[3], c[4], c[5]))
            << c[0] << "-" << c[1] << "-" << c[2] << " " << c[3] << ":" << c[4] << ":" << c[5];
}
