// What the all-sensor chart window shows, computed without a window or the charting library: its
// 25 series and the history column each is taken from, the points of a period, the period a
// range entry chooses, and the five value ranges of a series' pie. The history is the published
// one (PublishedHistoryColumns, records/HistoryColumns.h).
#pragma once
#include "display/ChartBuckets.h"
#include "records/HistoryColumns.h"
#include "texts/TextTables.h"

#include <array>
#include <string>

constexpr int SERIES_COUNT = CHART_SERIES_COUNT;         // 25
constexpr int MAX_SHOWN_SERIES = 12;
constexpr int TIME_RANGE_COUNT = CHART_TIME_RANGE_COUNT; // 8 entries of the period box
constexpr int TIME_RANGE_LAST_HOUR = 0;
constexpr int TIME_RANGE_ALL_DATA = 7;

// The value axis of the line chart that a series is drawn against.
enum class SeriesAxis { Temperature, Humidity, Pressure, Wind, Direction, Rain, Uv };

struct SeriesKind {
    int sensor;        // 0 indoor, 1..5 channels 1 to 5; -1 for the seven other series
    int quantity;      // 0 temperature, 1 humidity, 2 dewpoint; -1 for the seven other series
    SeriesAxis axis;
    int colour;        // 0xRRGGBB of the seven other series (the sensor series take the line settings)
};

// Series 0..24 in window order; any other index reads series 0.
const SeriesKind& SeriesKindOf(int series);
// The series' English title ("In Temperature" .. "Ch5 Dewpoint").
const wchar_t* SeriesTitle(int series);

// The column a series' values come from in the history (null: the series has no points).
const double* SeriesColumn(const HistoryColumns& history, int series);

// Every series' points from timeStart to the end of the history, oldest first: the rows whose time
// is not before timeStart and whose value is a number that is not missing. The end of the period
// is no bound.
std::array<Series, SERIES_COUNT> SeriesPointsFrom(const HistoryColumns& history, double timeStart);

struct ChartPeriod {
    double start = 0;
    double end = 0;
};

// The period that a period-box entry chooses. With rows it ends at the last row and starts the
// entry's length before (65 minutes for "Last hour", 365 days for "Last year") or, for "All data
// available", at the first row; an entry outside 0..7 (nothing selected) keeps `previous`. Without
// rows it is empty at readingTime.
ChartPeriod PeriodOfRange(const HistoryColumns& history, int entry, double readingTime, const ChartPeriod& previous);
// The period after the history download: the hour before the last row (`previous` without rows).
ChartPeriod PeriodAfterDownload(const HistoryColumns& history, const ChartPeriod& previous);

// ---- pies ----------------------------------------------------------------------------------------

constexpr int PIE_RANGE_COUNT = 5;

// Five adjoining value ranges of a series and how many of its values fall in each, with the
// labels "11.0-13.0: 1" and the sector depths (1 to 13 pixels, 13 for the largest count).
struct PieRanges {
    double lower[PIE_RANGE_COUNT] = {};
    double upper[PIE_RANGE_COUNT] = {};
    double counts[PIE_RANGE_COUNT] = {};
    double depths[PIE_RANGE_COUNT] = {};
    std::string labels[PIE_RANGE_COUNT];
};

// The ranges of a series' values (missing values are skipped). Bounds: low = smallest - 0.5 cut
// toward zero (0 for a series whose smallest value is 0.3), or floor(smallest - 0.5) when a value
// would lie below that; high = floor(largest + 1). A fifth of the span per range, each next range
// starting 0.1 above the previous end. A value counts in range k when lower - 0.09 <= value <=
// upper. Without values the ranges are 0-10, 10.1-20, ... 40.1-50, every count 0 and every depth 1.
PieRanges PieRangesOf(const double* values, int count);
