// Scales and label texts of the charting library, and the chart time's way back to a date.
#include "platform/chart/Chart.h"
#include "platform/chart/ChartScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ChartScale, LinearScalesHaveRoundTicksAndSurviveDegenerateBounds)
{
    AxisScale pressure = NiceLinearScale(1003.2, 1016.8, 5, false);
    EXPECT_EQ(pressure.lower, 1000);
    EXPECT_EQ(pressure.upper, 1020);
    EXPECT_EQ(pressure.ticks, (std::vector<double>{1000, 1005, 1010, 1015, 1020}));

    AxisScale bars = NiceLinearScale(3, 9, 5, true);
    EXPECT_EQ(bars.lower, 0);
    EXPECT_EQ(bars.upper, 10);
    EXPECT_EQ(bars.step, 2);

    AxisScale small = NiceLinearScale(0.12, 0.47, 4, false);
    EXPECT_DOUBLE_EQ(small.step, 0.1);
    EXPECT_EQ(FormatLabel("", small.ticks[1], small), "0.2");

    for (AxisScale scale : {NiceLinearScale(4, 4, 5, false), NiceLinearScale(0, 0, 5, true),
                            NiceLinearScale(9, 2, 5, false), FixedLinearScale(7, 7, 0, 5),
                            NiceLinearScale(std::nan(""), 3, 5, false), FixedLinearScale(1, 1e308, 0, 0)}) {
        EXPECT_LT(scale.lower, scale.upper);
        EXPECT_FALSE(scale.ticks.empty());
        EXPECT_LE(scale.ticks.size(), 10001u);
    }
}

TEST(ChartScale, DateScalesTickOnRoundTimes)
{
    const double start = Chart::chartTime(2024, 5, 1, 10, 30);
    AxisScale hours = DateScale(start, start + 6 * 3600, 0, 6);
    EXPECT_EQ(hours.step, 3600);
    EXPECT_EQ(hours.ticks.front(), Chart::chartTime(2024, 5, 1, 11, 0));
    EXPECT_EQ(FormatLabel("", hours.ticks.front(), hours), "11:00");

    AxisScale year = DateScale(Chart::chartTime(2023, 3, 17), Chart::chartTime(2024, 3, 17), 0, 6);
    ASSERT_GE(year.ticks.size(), 4u);
    for (double tick : year.ticks)
        EXPECT_EQ(FormatDate("dd hh:nn", tick), "01 00:00");

    // Ticks are never closer than the label format tells apart: a single moment shown to the
    // minute gets ticks a minute apart, each label a different time.
    EXPECT_EQ(DateFormatStep("{value|hh:nn}"), 60);
    EXPECT_EQ(DateFormatStep("{value|yyyy/mm/dd hh:nn}"), 60);
    EXPECT_EQ(DateFormatStep("{value|hh:nn:ss}"), 1);
    EXPECT_EQ(DateFormatStep("at {value|mm/dd}"), 86400);
    EXPECT_EQ(DateFormatStep("{value|2} hPa"), 0);
    EXPECT_EQ(DateFormatStep("hh:nn"), 0);  // no field
    const double moment = Chart::chartTime(2024, 5, 1, 10, 30);
    const AxisScale single = DateScale(moment, moment, 0, 8, 60);
    ASSERT_GE(single.ticks.size(), 2u);
    EXPECT_EQ(single.ticks[0], moment);
    EXPECT_EQ(single.ticks[1] - single.ticks[0], 60);
    const AxisScale daily = DateScale(moment, moment + 3600, 0, 8, 86400);
    EXPECT_GE(daily.step, 86400);

    // Reversed or equal bounds, zero dates: still a valid time scale.
    for (AxisScale scale : {DateScale(500, 100, 0, 5), DateScale(0, 0, 0, 5), DateScale(-34387200, -34387200, 0, 5)}) {
        EXPECT_LT(scale.lower, scale.upper);
        EXPECT_FALSE(scale.ticks.empty());
    }
}

TEST(ChartScale, LabelFormatsFillValuesAndDates)
{
    AxisScale plain;
    plain.step = 0.5;
    AxisScale dates;
    dates.date = true;
    const double when = Chart::chartTime(2024, 2, 29, 13, 7, 45);
    EXPECT_EQ(FormatLabel("{value|hh:nn}", when, dates), "13:07");
    EXPECT_EQ(FormatLabel("{value|mm/dd hh:nn}", when, dates), "02/29 13:07");
    EXPECT_EQ(FormatLabel("{value|yyyy/mm/dd hh:nn}", when, dates), "2024/02/29 13:07");
    EXPECT_EQ(FormatDate("yy mmm dd ss", when), "24 Feb 29 45");
    EXPECT_EQ(FormatLabel("{value}", 1.5, plain), "1.5");
    EXPECT_EQ(FormatLabel("{value|2}", 3.14159, plain), "3.14");
    EXPECT_EQ(FormatLabel("T {value} x", 5, plain), "T 5.0 x");
    EXPECT_EQ(FormatLabel("{value|0}", -0.2, plain), "0");
    EXPECT_EQ(FormatLabel("{value", 5, plain), "{value");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), -1), "");
}

TEST(ChartScale, ChartTimeSplitsBackIntoItsDate)
{
    int y, m, d, h, n, s;
    for (int year : {1, 4, 100, 1600, 1900, 2000, 2023, 2024, 2100})
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 28, 29}) {
                const double t = Chart::chartTime(year, month, day, 23, 59, 58);
                CChart_splitTime(t, &y, &m, &d, &h, &n, &s);
                const double back = Chart::chartTime(y, m, d, h, n, s);
                ASSERT_EQ(back, t) << year << "-" << month << "-" << day;
                ASSERT_EQ(h * 10000 + n * 100 + s, 235958);
            }
    CChart_splitTime(Chart::chartTime(2024, 2, 29), &y, &m, &d, &h, &n, &s);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20240229);
    CChart_splitTime(-34387200, &y, &m, &d, &h, &n, &s);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(m * 100 + d, 1130);
    CChart_splitTime(std::nan(""), &y, &m, &d, &h, &n, &s);
    EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
}
