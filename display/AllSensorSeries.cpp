#include "display/AllSensorSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int NO_SENSOR = -1;
constexpr int TEMPERATURE = 0;
constexpr int HUMIDITY = 1;
constexpr int DEWPOINT = 2;

// Window order: the temperature, humidity and dewpoint of a sensor stand together.
constexpr SeriesKind kSeries[SERIES_COUNT] = {
    /*  0 In Temperature       */ {0, TEMPERATURE, SeriesAxis::Temperature, 0},
    /*  1 In Humidity          */ {0, HUMIDITY, SeriesAxis::Humidity, 0},
    /*  2 In Dewpoint          */ {0, DEWPOINT, SeriesAxis::Temperature, 0},
    /*  3 Wind Speed - Gust    */ {NO_SENSOR, -1, SeriesAxis::Wind, 0xA65425},
    /*  4 Pressure             */ {NO_SENSOR, -1, SeriesAxis::Pressure, 0x999966},
    /*  5 Ch1 Temperature      */ {1, TEMPERATURE, SeriesAxis::Temperature, 0},
    /*  6 Ch1 Humidity         */ {1, HUMIDITY, SeriesAxis::Humidity, 0},
    /*  7 Ch1 Dewpoint         */ {1, DEWPOINT, SeriesAxis::Temperature, 0},
    /*  8 Wind Speed - Average */ {NO_SENSOR, -1, SeriesAxis::Wind, 0x5A005A},
    /*  9 Ultra Violet         */ {NO_SENSOR, -1, SeriesAxis::Uv, 0x9966FF},
    /* 10 Ch2 Temperature      */ {2, TEMPERATURE, SeriesAxis::Temperature, 0},
    /* 11 Ch2 Humidity         */ {2, HUMIDITY, SeriesAxis::Humidity, 0},
    /* 12 Ch2 Dewpoint         */ {2, DEWPOINT, SeriesAxis::Temperature, 0},
    /* 13 Wind Direction       */ {NO_SENSOR, -1, SeriesAxis::Direction, 0x5A5A00},
    /* 14 Rain                 */ {NO_SENSOR, -1, SeriesAxis::Rain, 0x005A5A},
    /* 15 Ch3 Temperature      */ {3, TEMPERATURE, SeriesAxis::Temperature, 0},
    /* 16 Ch3 Humidity         */ {3, HUMIDITY, SeriesAxis::Humidity, 0},
    /* 17 Ch3 Dewpoint         */ {3, DEWPOINT, SeriesAxis::Temperature, 0},
    /* 18 Wind Chill           */ {NO_SENSOR, -1, SeriesAxis::Temperature, 0xFFDC00},
    /* 19 Ch4 Temperature      */ {4, TEMPERATURE, SeriesAxis::Temperature, 0},
    /* 20 Ch4 Humidity         */ {4, HUMIDITY, SeriesAxis::Humidity, 0},
    /* 21 Ch4 Dewpoint         */ {4, DEWPOINT, SeriesAxis::Temperature, 0},
    /* 22 Ch5 Temperature      */ {5, TEMPERATURE, SeriesAxis::Temperature, 0},
    /* 23 Ch5 Humidity         */ {5, HUMIDITY, SeriesAxis::Humidity, 0},
    /* 24 Ch5 Dewpoint         */ {5, DEWPOINT, SeriesAxis::Temperature, 0},
};

// Lengths of the period-box entries 0..6 in seconds ("Last hour" is 65 minutes).
constexpr double kRangeSeconds[TIME_RANGE_ALL_DATA] = {3900, 43200, 86400, 604800, 2592000, 7776000, 31536000};
constexpr double DOWNLOAD_PERIOD_S = 3600;

// The column of one of the seven series without a sensor.
const double* OtherColumn(const HistoryColumns& history, int series)
{
    switch (series) {
    case 3: return history.windGust;
    case 4: return history.pressure;
    case 8: return history.windSpeed;
    case 9: return history.uv;
    case 13: return history.windDirection;
    case 14: return history.rain;
    case 18: return history.windChill;
    default: return nullptr;
    }
}

std::string RangeLabel(double lower, double upper, double count)
{
    char text[50];
    std::snprintf(text, sizeof text, "%.1f-%.1f: %d", lower, upper, static_cast<int>(count + 0.5));
    return text;
}

}  // namespace

const SeriesKind& SeriesKindOf(int series) { return kSeries[series >= 0 && series < SERIES_COUNT ? series : 0]; }

const wchar_t* SeriesTitle(int series)
{
    return EntryAt(g_chartSeriesTitles, CHART_SERIES_TITLE_FIRST + std::clamp(series, 0, SERIES_COUNT - 1));
}

const double* SeriesColumn(const HistoryColumns& history, int series)
{
    if (series < 0 || series >= SERIES_COUNT)
        return nullptr;
    const SeriesKind& kind = kSeries[series];
    return kind.sensor == NO_SENSOR ? OtherColumn(history, series) : history.sensor[kind.sensor][kind.quantity];
}

std::array<Series, SERIES_COUNT> SeriesPointsFrom(const HistoryColumns& history, double timeStart)
{
    std::array<Series, SERIES_COUNT> series;
    if (history.rows <= 0 || !history.HasDates())
        return series;
    // The row times once for every series; the rows in the period are a run at the end only when
    // the history is in time order, so each row is tested.
    std::vector<double> times(static_cast<size_t>(history.rows));
    for (int r = 0; r < history.rows; ++r)
        times[r] = history.RowTime(r);
    for (int i = 0; i < SERIES_COUNT; ++i) {
        const double* column = SeriesColumn(history, i);
        if (!column)
            continue;
        Series& points = series[i];
        for (int r = 0; r < history.rows; ++r) {
            if (times[r] >= timeStart && IsChartValue(column[r])) {
                points.times.push_back(times[r]);
                points.values.push_back(column[r]);
            }
        }
    }
    return series;
}

ChartPeriod PeriodOfRange(const HistoryColumns& history, int entry, double readingTime, const ChartPeriod& previous)
{
    if (history.rows < 1 || !history.HasDates())
        return ChartPeriod{readingTime, readingTime};
    if (entry < 0 || entry >= TIME_RANGE_COUNT)
        return previous;
    ChartPeriod period;
    period.end = history.RowTime(history.rows - 1);
    period.start = entry == TIME_RANGE_ALL_DATA ? history.RowTime(0) : period.end - kRangeSeconds[entry];
    return period;
}

ChartPeriod PeriodAfterDownload(const HistoryColumns& history, const ChartPeriod& previous)
{
    if (history.rows < 1 || !history.HasDates())
        return previous;
    ChartPeriod period;
    period.end = history.RowTime(history.rows - 1);
    period.start = period.end - DOWNLOAD_PERIOD_S;
    return period;
}

PieRanges PieRangesOf(const double* values, int count)
{
    PieRanges pie;
    double largest = -9999;
    double smallest = 9999;
    int present = 0;
    for (int k = 0; values && k < count; ++k) {
        if (!IsChartValue(values[k]))
            continue;
        largest = std::max(largest, values[k]);
        smallest = std::min(smallest, values[k]);
        ++present;
    }
    if (present > 0) {
        // The ranges in tenths, so that bounds do not drift by adding 0.1 again and again; the span
        // is whole, so a fifth of it is exact in tenths.
        constexpr double BOUND = 1e9;  // far beyond any reading; keeps the tenths within range
        // The lower bound is smallest - 0.5 cut to a whole number toward zero, unless that leaves the
        // smallest value below it: then the whole number below.
        const double lowest = std::clamp(smallest, -BOUND, BOUND) - 0.5;
        long long low = static_cast<long long>(std::trunc(lowest));
        if (low > smallest)
            low = static_cast<long long>(std::floor(lowest));
        const long long high = static_cast<long long>(std::floor(std::clamp(largest, -BOUND, BOUND) + 1));
        const long long stepTenths = (high - low) * 2;
        for (int k = 0; k < PIE_RANGE_COUNT; ++k) {
            const long long lowerTenths = low * 10 + k * (stepTenths + 1);
            pie.lower[k] = static_cast<double>(lowerTenths) / 10.0;
            pie.upper[k] = static_cast<double>(lowerTenths + stepTenths) / 10.0;
        }
    } else {
        // 0-10, 10.1-20, 20.1-30, 30.1-40, 40.1-50.
        for (int k = 0; k < PIE_RANGE_COUNT; ++k) {
            pie.lower[k] = k == 0 ? 0.0 : (k * 100 + 1) / 10.0;
            pie.upper[k] = (k + 1) * 10.0;
        }
    }
    for (int k = 0; present > 0 && k < count; ++k) {
        if (!IsChartValue(values[k]))
            continue;
        for (int r = 0; r < PIE_RANGE_COUNT; ++r)
            if (pie.lower[r] - 0.09 <= values[k] && values[k] <= pie.upper[r])
                pie.counts[r] += 1;
    }
    double most = 0;
    for (double c : pie.counts)
        most = std::max(most, c);
    for (int k = 0; k < PIE_RANGE_COUNT; ++k) {
        pie.depths[k] = most > 0 ? std::floor(12.0 * pie.counts[k] / most) + 1 : 1;
        pie.labels[k] = RangeLabel(pie.lower[k], pie.upper[k], pie.counts[k]);
    }
    return pie;
}
