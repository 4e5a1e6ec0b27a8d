// What the main window's charts show, computed from the rolling histories: the valid samples of
// a history, the hourly and daily bar buckets, the wind rose's sectors, the axis label sets and
// the temperature chart's lines. Plain functions, no window and no charting library.
#pragma once
#include <array>
#include <string>
#include <vector>

// A rolling history: arrays of `size` entries whose valid samples are the last `count` (newest
// at the last index). A count outside 0..size is taken as the nearest of the two.
struct HistoryView {
    const double* times = nullptr;
    const double* values = nullptr;
    int size = 0;
    int count = 0;

    int First() const;  // index of the oldest valid sample
};

// The valid samples in time order, without missing values (at or below -999, or not numbers).
struct Series {
    std::vector<double> times;
    std::vector<double> values;
};
// A value a chart draws and counts: a number that is not missing.
bool IsChartValue(double value);
Series ValidSamples(const HistoryView& history);

// How a bar bucket sums up the samples of its window.
enum class BucketRule {
    Mean,    // mean of the values (pressure, UV)
    Sum,     // sum of the values (rain)
    Newest,  // the value of the newest sample (wind speed)
    NewestDirection,  // the newest sample's compass index, truncated; indexes outside 0..15 skipped
};

// `buckets` values, the last (newest) covering the times (end - length, end], each earlier one a
// length further back. A bucket without samples is 0. Each bucket scans from the newest sample
// not yet taken down to the oldest valid one; missing values are never taken.
std::vector<double> BucketValues(const HistoryView& history, double end, int buckets, double length, BucketRule rule);

// The highest speed per compass sector 0..15 (north first, clockwise) among the valid samples,
// 0 where there is none. Directions are compass indexes; others are skipped.
std::array<double, 16> RoseSectorMaxima(const HistoryView& speeds, const double* directions);

// The 16 compass labels of a language (UTF-8; ids outside 1..6 take the English set).
const std::array<const char*, 16>& CompassLabels(int language);

// Labels of an hourly or daily bar axis of n buckets: " -(n-1)" .. " 0", and with everyOther only
// the even offsets from the oldest labelled, the rest " ".
std::vector<std::string> BarOffsetLabels(int buckets, bool everyOther);

// A COLORREF (0x00BBGGRR) as the charting library's 0xRRGGBB.
int ChartColourOf(unsigned long colorref);

// Dash pattern of a chart line style: 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 long-short
// dash; -1 for any other style (no line is drawn).
int DashPatternOfStyle(int style);

// How a chart draws one temperature, humidity or dewpoint line of the 54 line settings (style
// 6q+s, thickness code 18+6q+s, COLORREF 36+6q+s for quantity q and sensor s): the colour as
// 0xRRGGBB, the dash pattern of the style (-1: not drawn) and the width (thickness code 0..2, + 1).
struct SensorLineStyle {
    int colour = 0;
    int dashPattern = 0;
    int width = 1;
};
SensorLineStyle SensorLineStyleOf(const int* lineSettings, int quantity, int sensor);

// ---- temperature chart ------------------------------------------------------------------------

constexpr int CHART_SENSORS = 6;  // 0 indoor, 1..5 channels

// What the temperature chart reads: per sensor s (0 indoor, 1..5 channels) its times and its
// temperature, humidity and dewpoint series (all of `size` entries, newest last), the counts, the
// nine check states (temperature, humidity, dewpoint, indoor, channels 1..5) and the 54 line
// settings (style 6q+s, thickness 18+6q+s, COLORREF 36+6q+s for quantity q and sensor s).
struct TemperatureChartInput {
    const double* times[CHART_SENSORS] = {};
    const double* series[3][CHART_SENSORS] = {};  // [quantity][sensor]
    int size = 0;
    int timeCounts[CHART_SENSORS] = {};
    int humidityCounts[CHART_SENSORS] = {};
    const unsigned char* shown = nullptr;  // 9 bytes
    const int* lineSettings = nullptr;     // 54 ints
};

struct ChartLine {
    int quantity = 0;  // 0 temperature, 1 humidity, 2 dewpoint
    int sensor = 0;
    Series points;
    int colour = 0;       // 0xRRGGBB
    int dashPattern = 0;  // 0 solid
    int width = 1;
};

// The lines the chart draws, in drawing order: quantities temperature, humidity, dewpoint, each
// for channels 1..5 then indoor, as the check boxes select; a line of n samples (a humidity line
// of as many as the sensor has times) against as many of the sensor's newest times, missing
// values left out. A line of an unknown style is not drawn.
std::vector<ChartLine> TemperatureChartLines(const TemperatureChartInput& input);
