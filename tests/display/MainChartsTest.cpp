// What the main window's chart makers ask of the charting library (through its recording) and
// the files they write.
#include "display/MainCharts.h"
#include "platform/chart/Chart.h"
#include "tests/display/HistoryFixture.h"
#include "tests/display/RecordedCalls.h"
#include "tests/platform/ChartTestSupport.h"
#include "texts/TextEncoding.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const double T0 = Chart::chartTime(2024, 5, 10, 12, 0);

ChartFrame Frame(const char* file, int width = 230, int height = 150)
{
    ChartFrame frame;
    frame.width = width;
    frame.height = height;
    frame.path = TempChartPath(file);
    ::DeleteFileA(frame.path.c_str());
    return frame;
}

}  // namespace

TEST(MainCharts, PressureBarsAskForHourlyCylindersAndWriteTheirFile)
{
    History pressure(750, {{T0 - 1800, 1010}, {T0, 1012}});
    const ChartFrame frame = Frame("PressureBarChart.bmp");
    const std::string log = Recorded([&] { return DrawPressureBars(frame, pressure.View(), LANGUAGE_ENGLISH); });
    EXPECT_TRUE(Has(log, "XYChart(230,150,0xECE9D8,0xFF000000,0)"));
    EXPECT_TRUE(Has(log, "setPlotArea(33,25,185,100,0xDDDDFF,0xFFFFFF,0xFFFFFF,0xFF000000,0xFF000000)"));
    EXPECT_TRUE(Has(log, "addBarLayer([25|0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1011],0xFF0000,\"\")")) << log;
    EXPECT_TRUE(Has(log, "BarLayer.setBarWidth(10,-1)"));
    EXPECT_TRUE(Has(log, "BarLayer.setBarShape(7,-1,-1)"));
    EXPECT_NE(log.find("Axis.setLabels([25|\" -24\",\" \",\" -22\","), std::string::npos);
    EXPECT_TRUE(Has(log, "Axis.setTitle(\"" + Utf8(TextAt(g_smallChartTitles, 0, LANGUAGE_ENGLISH)) +
                             "\",\"bold\",10,0xFFFF0002)"));
    EXPECT_TRUE(Has(log, "Axis.setTitlePos(11,3)"));
    EXPECT_TRUE(Has(log, "Axis.setLabelStyle(\"arial.ttf\",7,0xFFFF0002,0)"));

    BmpImage image;
    ASSERT_TRUE(image.Load(frame.path));
    EXPECT_EQ(image.width, 230);
    EXPECT_EQ(image.height, 150);
    EXPECT_EQ(image.At(2, 2), 0xECE9D8);
}

TEST(MainCharts, LineChartsTakeTheirTimeAxisFromRealSamplesOnly)
{
    History empty(750, {});
    std::string log = Recorded([&] { return DrawPressureLine(Frame("PressureLineChart.bmp"), empty.View(), 0); });
    EXPECT_EQ(log.find("setDateScale"), std::string::npos);
    EXPECT_TRUE(Has(log, "Axis.setColors(0x008000,0x008000,0x008000,-1)"));

    History uv(360, {{T0 - 7200, 2}, {T0 - 3600, -999.9}, {T0 - 600, 5}});
    const double record = T0 + 120;
    log = Recorded([&] { return DrawUvLine(Frame("UVLine.bmp"), uv.View(), record); });
    char scale[96];
    std::snprintf(scale, sizeof scale, "Axis.setDateScale(%.10g,%.10g,0,0)", T0 - 7200, record);
    EXPECT_TRUE(Has(log, scale)) << log;
    EXPECT_TRUE(Has(log, "addLineLayer([2|2,5],-1,\"\")"));
    EXPECT_TRUE(Has(log, "Axis.setWidth(2)"));

    const double dayEnd = Chart::chartTime(2024, 5, 10, 23, 59, 59);
    log = Recorded([&] { return DrawRainLine(Frame("RainLineChart.bmp"), empty.View(), T0, dayEnd, 0); });
    std::snprintf(scale, sizeof scale, "Axis.setDateScale(%.10g,%.10g,0,0)", T0 - 1296000, dayEnd);
    EXPECT_TRUE(Has(log, scale)) << log;
    EXPECT_TRUE(Has(log, "Axis.setLabelFormat(\"{value|mm/dd hh:nn}\")"));
}

TEST(MainCharts, WindChartsUseTheCompassLabelsOfTheLanguage)
{
    History speeds(750, {{T0 - 600, 3.5}, {T0, 6.25}});
    std::vector<double> directions(750, 0.0);
    directions[748] = 2;
    directions[749] = 2;
    std::string log = Recorded([&] { return DrawWindRose(Frame("WindSpeedPolar.bmp"), speeds.View(), directions.data(), LANGUAGE_GERMAN); });
    EXPECT_TRUE(Has(log, "setPlotArea(115,80,52,0xDDDDDD,0xFF000000,1)"));
    EXPECT_TRUE(Has(log, "addAreaLayer([16|0,0,6.25,0,0,0,0,0,0,0,0,0,0,0,0,0],-1,\"\")")) << log;
    EXPECT_NE(log.find("Axis.setLabels([16|\"N\",\"NNO\",\"NO\",\"ONO\",\"O\""), std::string::npos);
    EXPECT_TRUE(Has(log, "Box.setBackground(0x40FFFFFF,0x40000000,0)"));

    double bars[HOURLY_BARS] = {};
    log = Recorded([&] { return DrawWindSpeedBars(Frame("WindSpeedBar.bmp"), speeds.View(), T0 + 60, 0, bars); });
    EXPECT_EQ(bars[24], 6.25);
    EXPECT_TRUE(Has(log, "Layer.set3D(2,0)"));
    EXPECT_TRUE(Has(log, "addTitle(\"" + Utf8(TextAt(g_smallChartTitles, 1, 0)) + "\",\"bold\",8,0xFFFF0002,0xFF000000,0xFF000000)"));

    const HistoryView directionView{speeds.times.data(), directions.data(), 750, 2};
    log = Recorded([&] { return DrawWindDirectionLine(Frame("WindSpeedDir.bmp"), directionView, LANGUAGE_DUTCH); });
    EXPECT_TRUE(Has(log, "addLineLayer([2|2,2],-1,\"\")"));
    EXPECT_NE(log.find("\"ZZO\""), std::string::npos);
}

TEST(MainCharts, TemperatureChartDrawsTheSelectedLinesInTheirStyles)
{
    constexpr int SIZE = 240;
    static double times[6][SIZE], series[3][6][SIZE];
    unsigned char shown[9] = {1, 0, 0, 1, 1, 0, 0, 0, 0};  // temperatures of indoor and channel 1
    int settings[54] = {};
    settings[1] = 2;                 // channel 1 dotted
    settings[36 + 0] = 0x0000FF;     // indoor red
    settings[36 + 1] = 0x00FF0000;   // channel 1 blue
    settings[18 + 0] = 2;
    TemperatureChartInput input;
    input.size = SIZE;
    for (int s = 0; s < 6; ++s) {
        for (int k = 0; k < 3; ++k) {
            times[s][SIZE - 3 + k] = T0 + 600 * k;
            series[0][s][SIZE - 3 + k] = 20 + s + k;
        }
        input.times[s] = times[s];
        for (int q = 0; q < 3; ++q)
            input.series[q][s] = series[q][s];
        input.timeCounts[s] = 3;
        input.humidityCounts[s] = 3;
    }
    input.shown = shown;
    input.lineSettings = settings;

    const ChartFrame frame = Frame("IndoorTempMultiline.bmp", 400, 200);
    std::string log = Recorded([&] { return DrawTemperatureLines(frame, input, 1.0); });
    EXPECT_TRUE(Has(log, "Axis.setTitle(\"( \xC2\xB0" "C / td\xC2\xB0" "C )\",\"mingliu.ttc\",8,0x3333FF)"));
    EXPECT_TRUE(Has(log, "dashLineColor(0x0000FF,514)"));  // channel 1 first, dotted blue
    EXPECT_TRUE(Has(log, "addLineLayer([3|21,22,23],0xFFFE0000,\"\")"));
    EXPECT_TRUE(Has(log, "addLineLayer([3|20,21,22],0xFF0000,\"\")"));
    EXPECT_TRUE(Has(log, "Layer.setLineWidth(3)"));
    EXPECT_EQ(CallsNamed(log, "addLineLayer").size(), 2u);
    BmpImage image;
    ASSERT_TRUE(image.Load(frame.path));
    EXPECT_GT(image.Count(0xFF0000, 40), 20);

    log = Recorded([&] { return DrawTemperatureLines(Frame("IndoorTempMultiline.bmp"), input, 1.8); });
    EXPECT_TRUE(Has(log, "Axis.setTitle(\"( \xC2\xB0" "F )\",\"mingliu.ttc\",8,0x3333FF)"));

    // An empty indoor history leaves the time axis to the library.
    input.timeCounts[0] = 0;
    log = Recorded([&] { return DrawTemperatureLines(Frame("IndoorTempMultiline.bmp"), input, 1.0); });
    EXPECT_EQ(log.find("setDateScale"), std::string::npos);
}

TEST(MainCharts, EveryMakerWritesItsFileFromEmptyHistories)
{
    History empty(750, {});
    std::vector<double> none(750, 0.0);
    double bars[HOURLY_BARS];
    const HistoryView view = empty.View();
    const std::vector<std::function<bool(const ChartFrame&)>> makers = {
        [&](const ChartFrame& f) { return DrawPressureBars(f, view, 0); },
        [&](const ChartFrame& f) { return DrawPressureLine(f, view, 0); },
        [&](const ChartFrame& f) { return DrawUvBars(f, view); },
        [&](const ChartFrame& f) { return DrawUvLine(f, view, 0); },
        [&](const ChartFrame& f) { return DrawWindSpeedLine(f, view, 6); },
        [&](const ChartFrame& f) { return DrawWindDirectionLine(f, view, 7); },
        [&](const ChartFrame& f) { return DrawWindSpeedBars(f, view, 0, 2, bars); },
        [&](const ChartFrame& f) { return DrawWindDirectionBars(f, view, 3); },
        [&](const ChartFrame& f) { return DrawWindRose(f, view, none.data(), 4); },
        [&](const ChartFrame& f) { return DrawRainLine(f, view, Chart::chartTime(0, 0, 0), 0, 5); },
        [&](const ChartFrame& f) { return DrawRainBars(f, view, 0, 1); },
    };
    for (size_t i = 0; i < makers.size(); ++i) {
        const ChartFrame frame = Frame("empty_chart.bmp", 200, 120);
        EXPECT_TRUE(makers[i](frame)) << i;
        BmpImage image;
        EXPECT_TRUE(image.Load(frame.path)) << i;
        EXPECT_EQ(image.width, 200) << i;
    }
}
