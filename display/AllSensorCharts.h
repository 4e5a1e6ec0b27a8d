// The all-sensor chart window's pictures, drawn with the charting library into .bmp files: the
// line chart of the shown series with one value axis per kind of quantity and a date axis, and one
// small 3-D pie per series over its five value ranges. No window code: the window gives the size,
// the paths and the series, and shows the files.
#pragma once
#include "display/AllSensorSeries.h"
#include "display/MainCharts.h"

#include <array>
#include <string>

extern const char* const ALL_LINE_CHART_FILE;  // "AllLineChart.bmp", in the image folder

constexpr int PIE_WIDTH = 230;
constexpr int PIE_HEIGHT = 145;

// The display units' factors, which pick the axis titles.
struct ChartUnitFactors {
    double temperature = 1.0;
    double pressure = 1.0;
    double wind = 1.0;
    double rain = 1.0;
    double uv = 1.0;
};

struct AllSensorChartInput {
    std::array<bool, SERIES_COUNT> shown = {};
    const std::array<Series, SERIES_COUNT>* series = nullptr;
    const int* lineSettings = nullptr;  // the main window's 54 line settings
    ChartUnitFactors units;
};

// The line chart of the shown series. A sensor series gets a line only when it has points and a
// known line style; the seven other series always get one. Returns what makeChart returned.
bool DrawAllSensorLineChart(const ChartFrame& frame, const AllSensorChartInput& input);

// "multidepthpie<series>.bmp": the pie's file, a bare name in the current folder.
std::string SeriesPieFile(int series);

// The pie of a series' ranges with its title (UTF-8) above it and the five range labels beside it.
bool DrawSeriesPie(const std::string& path, const PieRanges& ranges, const std::string& title);
