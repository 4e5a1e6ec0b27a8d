// Bar buckets, valid samples, wind rose sectors, label sets and the temperature chart's lines.
#include "display/ChartBuckets.h"
#include "tests/display/HistoryFixture.h"
#include "platform/chart/Chart.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double HOUR = 3600;

const double T0 = Chart::chartTime(2024, 5, 10, 12, 0);

}  // namespace

TEST(ChartBuckets, HourlyMeansAverageWithinTheHourAndLeaveEmptyHoursZero)
{
    History one(750, {{T0, 1013.2}});
    std::vector<double> bars = BucketValues(one.View(), T0, 25, HOUR, BucketRule::Mean);
    ASSERT_EQ(bars.size(), 25u);
    EXPECT_EQ(bars[24], 1013.2);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(bars[i], 0) << i;

    // Two samples of the same hour are averaged; one an hour and a minute older falls into " -1";
    // a missing value among them is not counted.
    History two(750, {{T0 - HOUR - 60, 1000}, {T0 - 1800, 1010}, {T0 - 900, -999.9}, {T0, 1012}});
    bars = BucketValues(two.View(), T0, 25, HOUR, BucketRule::Mean);
    EXPECT_EQ(bars[24], 1011);
    EXPECT_EQ(bars[23], 1000);
    EXPECT_EQ(bars[22], 0);

    // The newest sample of the hour counts for the wind speed.
    bars = BucketValues(two.View(), T0, 25, HOUR, BucketRule::Newest);
    EXPECT_EQ(bars[24], 1012);
}

TEST(ChartBuckets, DailyRainSumsSplitAtMidnight)
{
    const double dayEnd = Chart::chartTime(2024, 5, 10, 23, 59, 59);
    History rain(360, {{Chart::chartTime(2024, 5, 9, 23, 59), 1.4}, {Chart::chartTime(2024, 5, 10, 0, 1), 2.1},
                       {Chart::chartTime(2024, 5, 10, 18, 0), 0.7}});
    const std::vector<double> days = BucketValues(rain.View(), dayEnd, 15, 86400, BucketRule::Sum);
    EXPECT_NEAR(days[14], 2.8, 1e-12);
    EXPECT_NEAR(days[13], 1.4, 1e-12);
    EXPECT_EQ(days[0], 0);
}

TEST(ChartBuckets, DirectionBarsTruncateCompassIndexesAndSkipOthers)
{
    // The two newest directions are no compass index: the hour's newest valid one is 3.
    History wind(750, {{T0 - HOUR, 7.9}, {T0 - 1200, 3}, {T0 - 600, 16}, {T0 - 300, -999}});
    std::vector<double> bars = BucketValues(wind.View(), T0, 25, HOUR, BucketRule::NewestDirection);
    EXPECT_EQ(bars[24], 3);
    EXPECT_EQ(bars[23], 7);
}

TEST(ChartBuckets, EmptyOrOddHistoriesGiveZerosAndNothingOutsideTheArrays)
{
    History empty(750, {});
    for (BucketRule rule : {BucketRule::Mean, BucketRule::Sum, BucketRule::Newest, BucketRule::NewestDirection})
        for (double v : BucketValues(empty.View(), 0, 25, HOUR, rule))
            EXPECT_EQ(v, 0);
    History full(4, {{T0 - 3, 1}, {T0 - 2, 2}, {T0 - 1, 3}, {T0, 4}});
    HistoryView tooMany = full.View();
    tooMany.count = 99;
    EXPECT_EQ(ValidSamples(tooMany).values.size(), 4u);
    tooMany.count = -5;
    EXPECT_TRUE(ValidSamples(tooMany).values.empty());
    EXPECT_TRUE(BucketValues(HistoryView{}, T0, 0, HOUR, BucketRule::Mean).empty());

    History gaps(6, {{T0 - 3, 1}, {T0 - 2, -999.9}, {T0 - 1, std::nan("")}, {T0, -1767.82}});
    const Series valid = ValidSamples(gaps.View());
    EXPECT_EQ(valid.values, (std::vector<double>{1}));
}

TEST(ChartBuckets, RoseKeepsTheHighestSpeedPerSector)
{
    History speeds(750, {{T0 - 3, 2.5}, {T0 - 2, 7.1}, {T0 - 1, 4}, {T0, 9}});
    std::vector<double> directions(750, 0.0);
    directions[746] = 5;
    directions[747] = 5;
    directions[748] = 5;
    directions[749] = -999;  // no direction: its speed is not placed
    const std::array<double, 16> sectors = RoseSectorMaxima(speeds.View(), directions.data());
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(sectors[k], k == 5 ? 7.1 : 0) << k;
}

TEST(ChartBuckets, LabelSetsColoursAndStyles)
{
    EXPECT_STREQ(CompassLabels(0)[3], "ENE");
    EXPECT_STREQ(CompassLabels(1)[3], "ONO");
    EXPECT_STREQ(CompassLabels(2)[12], "O");
    EXPECT_STREQ(CompassLabels(4)[15], "NNO");
    EXPECT_STREQ(CompassLabels(3)[3], "OrNOr");
    EXPECT_STREQ(CompassLabels(5)[7], "ZZO");
    EXPECT_STREQ(CompassLabels(6)[7], "SSE");
    EXPECT_STREQ(CompassLabels(7)[7], "SSE");
    EXPECT_STREQ(CompassLabels(-3)[1], "NNE");

    const std::vector<std::string> hours = BarOffsetLabels(25, true);
    EXPECT_EQ(hours.front(), " -24");
    EXPECT_EQ(hours[1], " ");
    EXPECT_EQ(hours[22], " -2");
    EXPECT_EQ(hours.back(), " 0");
    EXPECT_EQ(BarOffsetLabels(15, false)[13], " -1");

    EXPECT_EQ(ChartColourOf(0x0000FF), 0xFF0000);
    EXPECT_EQ(ChartColourOf(0x00336699), 0x996633);
    EXPECT_EQ(DashPatternOfStyle(0), 0);
    EXPECT_EQ(DashPatternOfStyle(3), 0x05050205);
    EXPECT_EQ(DashPatternOfStyle(5), -1);
}

namespace {

// Six sensors of 240 samples; sensor s holds count s + 1 samples of temperature 10 s + k.
struct SensorHistories {
    static constexpr int SIZE = 240;
    double times[6][SIZE] = {};
    double series[3][6][SIZE] = {};
    unsigned char shown[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    int settings[54] = {};
    TemperatureChartInput input;

    SensorHistories()
    {
        input.size = SIZE;
        for (int s = 0; s < 6; ++s) {
            const int count = s + 1;
            for (int k = 0; k < count; ++k) {
                const int i = SIZE - count + k;
                times[s][i] = T0 + k * 120;
                series[0][s][i] = 10 * s + k;
                series[1][s][i] = 50 + k;
                series[2][s][i] = 5 + k;
            }
            input.times[s] = times[s];
            for (int q = 0; q < 3; ++q)
                input.series[q][s] = series[q][s];
            input.timeCounts[s] = count;
            input.humidityCounts[s] = count;
        }
        input.shown = shown;
        input.lineSettings = settings;
    }
};

}  // namespace

TEST(ChartBuckets, TemperatureLinesFollowTheCheckBoxesInChannelThenIndoorOrder)
{
    SensorHistories h;
    h.shown[0] = 0;  // temperature lines off
    h.shown[5] = 0;  // channel 2 off
    std::vector<ChartLine> lines = TemperatureChartLines(h.input);
    ASSERT_EQ(lines.size(), 10u);  // humidity and dewpoint of channels 1, 3, 4, 5 and indoor
    EXPECT_EQ(lines[0].quantity, 1);
    EXPECT_EQ(lines[0].sensor, 1);
    EXPECT_EQ(lines[1].sensor, 3);
    EXPECT_EQ(lines[4].sensor, 0);
    EXPECT_EQ(lines[5].quantity, 2);

    // Every sensor box off: no lines at all.
    for (int b = 3; b < 9; ++b)
        h.shown[b] = 0;
    EXPECT_TRUE(TemperatureChartLines(h.input).empty());
}

TEST(ChartBuckets, TemperatureLineStyleColourWidthAndCounts)
{
    SensorHistories h;
    h.settings[0 + 3] = 1;            // channel 3 temperature dashed
    h.settings[18 + 3] = 0;           // thickness "1/2 pt"
    h.settings[36 + 3] = 0x0000FF;    // red as COLORREF
    h.settings[6 + 4] = 9;            // channel 4 humidity: unknown style, no line
    h.settings[18 + 6 + 5] = 2;
    h.input.humidityCounts[5] = 240;  // more humidities than times: only as many as times
    h.series[2][2][239] = -999.9;     // channel 2's newest dewpoint missing
    const std::vector<ChartLine> lines = TemperatureChartLines(h.input);
    auto find = [&lines](int q, int s) -> const ChartLine* {
        for (const ChartLine& line : lines)
            if (line.quantity == q && line.sensor == s)
                return &line;
        return nullptr;
    };
    const ChartLine* ch3 = find(0, 3);
    ASSERT_NE(ch3, nullptr);
    EXPECT_EQ(ch3->colour, 0xFF0000);
    EXPECT_EQ(ch3->dashPattern, 0x0505);
    EXPECT_EQ(ch3->width, 1);
    EXPECT_EQ(ch3->points.values, (std::vector<double>{30, 31, 32, 33}));
    EXPECT_EQ(ch3->points.times.front(), T0);
    EXPECT_EQ(find(1, 4), nullptr);
    const ChartLine* ch5 = find(1, 5);
    ASSERT_NE(ch5, nullptr);
    EXPECT_EQ(ch5->width, 3);
    EXPECT_EQ(ch5->points.values.size(), 6u);
    EXPECT_EQ(find(2, 2)->points.values.size(), 2u);
}
