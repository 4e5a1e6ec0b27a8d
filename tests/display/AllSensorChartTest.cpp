// The all-sensor chart window's computations and pictures: series points of a period, the periods
// of the range box, the pies' value ranges, the settings file, and what the line chart and a pie
// ask of the charting library.
#include "display/AllChartSettings.h"
#include "display/AllSensorCharts.h"
#include "platform/chart/Chart.h"
#include "tests/platform/ChartTestSupport.h"
#include "tests/display/RecordedCalls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A history of rows a minute apart from 2024-05-10 12:00, every series' column given.
struct TestHistory {
    std::vector<int> year, month, day, hour, minute;
    std::vector<std::vector<double>> columns;
    explicit TestHistory(int rows) : columns(SERIES_COUNT, std::vector<double>(rows, 0.0))
    {
        for (int r = 0; r < rows; ++r) {
            year.push_back(2024);
            month.push_back(5);
            day.push_back(10);
            hour.push_back(12 + r / 60);
            minute.push_back(r % 60);
            for (int i = 0; i < SERIES_COUNT; ++i)
                columns[i][r] = 10 * i + r;
        }
    }
    // Each series' column of the history, where the window takes it from.
    HistoryColumns View()
    {
        HistoryColumns h;
        h.rows = static_cast<int>(year.size());
        h.year = year.data();
        h.month = month.data();
        h.day = day.data();
        h.hour = hour.data();
        h.minute = minute.data();
        h.windGust = columns[3].data();
        h.pressure = columns[4].data();
        h.windSpeed = columns[8].data();
        h.uv = columns[9].data();
        h.windDirection = columns[13].data();
        h.rain = columns[14].data();
        h.windChill = columns[18].data();
        for (int i = 0; i < SERIES_COUNT; ++i) {
            const SeriesKind& kind = SeriesKindOf(i);
            if (kind.sensor >= 0)
                h.sensor[kind.sensor][kind.quantity] = columns[i].data();
        }
        return h;
    }
};

const double NOON = Chart::chartTime(2024, 5, 10, 12, 0);

std::wstring TempFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

void WriteInts(const std::wstring& path, const std::vector<int>& values, size_t bytes)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(values.data(), 1, bytes, file);
    std::fclose(file);
}

}  // namespace

TEST(AllSensorSeries, APeriodTakesEveryValidRowFromItsStartOnAndSkipsMissingValuesPerSeries)
{
    TestHistory history(10);
    history.columns[4][5] = -999;    // pressure missing in row 5
    history.columns[1][6] = -999.9;  // indoor humidity missing in row 6
    const auto series = SeriesPointsFrom(history.View(), NOON + 4 * 60);
    ASSERT_EQ(series[4].values.size(), 5u);  // rows 4, 6, 7, 8, 9
    EXPECT_EQ(series[4].values.front(), 44);
    EXPECT_EQ(series[4].times.front(), NOON + 4 * 60);
    EXPECT_EQ(series[4].values[1], 46);
    EXPECT_EQ(series[1].values.size(), 5u);
    EXPECT_EQ(series[0].values.size(), 6u);
    EXPECT_EQ(series[0].times.back(), NOON + 9 * 60);  // oldest first, the end of the history included

    HistoryColumns noRain = history.View();
    noRain.rain = nullptr;
    EXPECT_TRUE(SeriesPointsFrom(noRain, 0)[14].values.empty());
    EXPECT_EQ(SeriesPointsFrom(noRain, 0)[13].values.size(), 10u);
}

TEST(AllSensorSeries, RangeEntriesChooseTheirPeriodBeforeTheLastRow)
{
    TestHistory history(30);
    const double last = NOON + 29 * 60;
    const ChartPeriod previous{1, 2};
    EXPECT_EQ(PeriodOfRange(history.View(), 0, 0, previous).start, last - 3900);
    EXPECT_EQ(PeriodOfRange(history.View(), 0, 0, previous).end, last);
    EXPECT_EQ(PeriodOfRange(history.View(), 6, 0, previous).start, last - 365 * 86400.0);
    EXPECT_EQ(PeriodOfRange(history.View(), TIME_RANGE_ALL_DATA, 0, previous).start, NOON);
    EXPECT_EQ(PeriodOfRange(history.View(), -1, 0, previous).start, 1);
    EXPECT_EQ(PeriodAfterDownload(history.View(), previous).start, last - 3600);

    TestHistory empty(0);
    const ChartPeriod none = PeriodOfRange(empty.View(), 3, NOON, previous);
    EXPECT_EQ(none.start, NOON);
    EXPECT_EQ(none.end, NOON);
    EXPECT_EQ(PeriodAfterDownload(empty.View(), previous).end, 2);
}

TEST(AllSensorSeries, PieRangesSplitTheSpanInFiveAndCountEachValueOnce)
{
    const double values[] = {12.3, 14.8, 20.1, 13.05, 13.005};
    const PieRanges pie = PieRangesOf(values, 3);
    EXPECT_EQ(pie.labels[0], "11.0-13.0: 1");
    EXPECT_EQ(pie.labels[1], "13.1-15.1: 1");
    EXPECT_EQ(pie.labels[2], "15.2-17.2: 0");
    EXPECT_EQ(pie.labels[3], "17.3-19.3: 0");
    EXPECT_EQ(pie.labels[4], "19.4-21.4: 1");
    EXPECT_EQ(std::vector<double>(pie.depths, pie.depths + 5), (std::vector<double>{13, 13, 1, 1, 13}));

    // 13.05 lies in the gap but within 0.09 of the second range; 13.005 in none.
    const PieRanges gap = PieRangesOf(values, 5);
    EXPECT_EQ(std::vector<double>(gap.counts, gap.counts + 5), (std::vector<double>{1, 2, 0, 0, 1}));
    EXPECT_EQ(gap.depths[1], 13);
    EXPECT_EQ(gap.depths[0], 7);
}

TEST(AllSensorSeries, NegativeMissingAndAbsentValuesGiveSoundPies)
{
    const double negative[] = {-10.3, -7.0, -5.5};
    const PieRanges pie = PieRangesOf(negative, 3);
    EXPECT_EQ(pie.lower[0], -11.0);
    EXPECT_EQ(pie.labels[0], "-11.0--9.8: 1");
    EXPECT_EQ(pie.counts[0] + pie.counts[1] + pie.counts[2] + pie.counts[3] + pie.counts[4], 3);
    EXPECT_GE(pie.upper[4], -5.5);

    const double withMissing[] = {-999.9, 12.3, -999};
    const PieRanges one = PieRangesOf(withMissing, 3);
    EXPECT_EQ(one.labels[2], "12.0-12.4: 1");
    EXPECT_EQ(one.counts[0] + one.counts[1] + one.counts[3] + one.counts[4], 0);

    // A series that is never negative starts at 0; a negative one as low as it must.
    const double uv[] = {0, 0.2, 3.1};
    EXPECT_EQ(PieRangesOf(uv, 3).labels[0], "0.0-0.8: 2");
    const double cold[] = {-10.6, -0.2};
    EXPECT_EQ(PieRangesOf(cold, 2).lower[0], -11.0);
    const double nearZero[] = {-0.2, 4.0};
    EXPECT_EQ(PieRangesOf(nearZero, 2).lower[0], -1.0);

    const PieRanges none = PieRangesOf(nullptr, 0);
    EXPECT_EQ(none.labels[0], "0.0-10.0: 0");
    EXPECT_EQ(none.labels[4], "40.1-50.0: 0");
    for (double depth : none.depths)
        EXPECT_EQ(depth, 1);
}

TEST(AllChartSettingsFile, RoundTripsAndMakesWhatItReadsSound)
{
    const std::wstring path = TempFile(L"rShowAllChartSetting_test.dat");
    AllChartSettings settings;
    settings.checks[0] = settings.checks[14] = 1;
    settings.lineView = 0;
    settings.timeRange = 5;
    ASSERT_TRUE(SaveAllChartSettings(path, settings));
    AllChartSettings read;
    ASSERT_TRUE(LoadAllChartSettings(path, &read));
    EXPECT_EQ(read.checks, settings.checks);
    EXPECT_EQ(read.lineView, 0);
    EXPECT_EQ(read.timeRange, 5);

    // Fifteen marked series keep the first twelve; a period of 9 is "Last hour"; a 2 is a 1.
    std::vector<int> many(27, 0);
    for (int i = 0; i < 15; ++i)
        many[i] = i == 0 ? 2 : 1;
    many[25] = 7;
    many[26] = 9;
    WriteInts(path, many, 108);
    ASSERT_TRUE(LoadAllChartSettings(path, &read));
    EXPECT_EQ(read.checks[0], 1);
    EXPECT_EQ(read.checks[11], 1);
    EXPECT_EQ(read.checks[12], 0);
    EXPECT_EQ(read.checks[14], 0);
    EXPECT_EQ(read.lineView, 1);
    EXPECT_EQ(read.timeRange, 0);

    // A short file keeps its whole integers: three series, then the defaults.
    WriteInts(path, {1, 0, 1, 1, 1}, 14);
    ASSERT_TRUE(LoadAllChartSettings(path, &read));
    EXPECT_EQ(read.checks[2], 1);
    EXPECT_EQ(read.checks[3], 0);
    EXPECT_EQ(read.lineView, 1);

    ::DeleteFileW(path.c_str());
    read.checks[0] = 1;
    EXPECT_FALSE(LoadAllChartSettings(path, &read));
    EXPECT_EQ(read.checks[0], 0);
}

TEST(AllSensorCharts, TheLineChartGivesEachShownQuantityItsAxisAndLine)
{
    TestHistory history(3);
    std::array<Series, SERIES_COUNT> series = SeriesPointsFrom(history.View(), 0);
    series[5] = Series();   // channel 1 temperature without points
    series[14] = Series();  // rain without points
    int lines[54] = {};
    lines[6 + 0] = 1;             // indoor humidity dashed
    lines[18 + 6 + 0] = 2;        // indoor humidity thickness code 2
    lines[36 + 6 + 0] = 0x0000FF; // red as COLORREF
    AllSensorChartInput input;
    for (int i : {0, 1, 4, 5, 13, 14})
        input.shown[i] = true;
    input.series = &series;
    input.lineSettings = lines;
    input.units.pressure = 0.02954;
    ChartFrame frame{920, 440, std::string()};
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    frame.path = std::string(folder) + ALL_LINE_CHART_FILE;

    const std::string log = Recorded([&] { return DrawAllSensorLineChart(frame, input); });
    EXPECT_TRUE(Has(log, "setPlotArea(100,50,600,340,0xFFFFFF,-1,-1,0xC0C0C0,0xFF000000)")) << log;
    char dateScale[100];
    std::snprintf(dateScale, sizeof dateScale, "Axis.setDateScale(%.10g,%.10g,0,0)", NOON, NOON + 120);
    EXPECT_TRUE(Has(log, dateScale));
    EXPECT_TRUE(Has(log, "Axis.setTitle(\"\xC2\xB0" "C\",\"\",8,0xFFFF0002)"));
    EXPECT_TRUE(Has(log, "Axis.setTitle(\"inHg\",\"\",8,0xFFFF0002)"));
    EXPECT_TRUE(Has(log, "addAxis(4,50)"));
    EXPECT_TRUE(Has(log, "addAxis(6,90)"));
    EXPECT_TRUE(Has(log, "addAxis(6,148)"));
    EXPECT_FALSE(Has(log, "addAxis(6,47)"));  // no wind series shown
    EXPECT_NE(log.find("Axis.setLabels([16|\"N\",\"NNE\""), std::string::npos);
    // The dashed humidity line in red, 3 wide, on the humidity axis; pressure on the second axis.
    EXPECT_NE(log.find("dashLineColor(0xFF0000,1285)\naddLineLayer([3|10,11,12],0xFFFE0000,\"\")\n"
                       "Layer.setXData"),
              std::string::npos) << log;
    EXPECT_NE(log.find("Layer.setLineWidth(3)\nLayer.setUseYAxis(3)"), std::string::npos);
    EXPECT_NE(log.find("addLineLayer([3|40,41,42],0x999966,\"\")"), std::string::npos);
    EXPECT_TRUE(Has(log, "Layer.setUseYAxis2(true)"));
    // Rain without points still has its (empty) line; the channel without points has none.
    EXPECT_TRUE(Has(log, "addLineLayer([0|],0x005A5A,\"\")"));
    EXPECT_EQ(log.find("addLineLayer([0|],0x"), log.find("addLineLayer([0|],0x005A5A"));
    BmpImage image;
    ASSERT_TRUE(image.Load(frame.path));
    EXPECT_EQ(image.width, 920);
}

TEST(AllSensorCharts, APieShowsItsCountsWithLabelsAndDepthsAndAnEmptyOneDrawsToo)
{
    const double values[] = {12.3, 14.8, 20.1};
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + SeriesPieFile(14);
    EXPECT_EQ(SeriesPieFile(14), "multidepthpie14.bmp");
    const std::string log = Recorded([&] { return DrawSeriesPie(path, PieRangesOf(values, 3), "Rain"); });
    EXPECT_TRUE(Has(log, "setData([5|1,1,0,0,1],[5|\"11.0-13.0: 1\",\"13.1-15.1: 1\",\"15.2-17.2: 0\","
                         "\"17.3-19.3: 0\",\"19.4-21.4: 1\"])")) << log;
    EXPECT_TRUE(Has(log, "set3D2([5|13,13,1,1,13],45,false)"));
    EXPECT_TRUE(Has(log, "addTitle(\"Rain\",\"timesbi.ttf\",10,0xFFFF0002,0xFF000000,0xFF000000)"));
    BmpImage image;
    ASSERT_TRUE(image.Load(path));
    EXPECT_EQ(image.width, PIE_WIDTH);
    EXPECT_EQ(image.height, PIE_HEIGHT);

    ::DeleteFileA(path.c_str());
    EXPECT_TRUE(DrawSeriesPie(path, PieRangesOf(nullptr, 0), "Rain"));
    EXPECT_TRUE(image.Load(path));
}
