#include "display/ChartBuckets.h"

#include "records/MissingValue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <windows.h>

namespace {

bool Present(double value) { return IsChartValue(value); }

constexpr int COMPASS_POINTS = 16;

bool CompassIndex(double direction, int* index)
{
    if (!std::isfinite(direction) || direction < 0 || direction >= COMPASS_POINTS)
        return false;
    *index = static_cast<int>(direction);
    return true;
}

}  // namespace

bool IsChartValue(double value) { return std::isfinite(value) && !IsMissing(value); }

int HistoryView::First() const
{
    const int valid = std::clamp(count, 0, std::max(size, 0));
    return std::max(size, 0) - valid;
}

Series ValidSamples(const HistoryView& history)
{
    Series series;
    if (!history.times || !history.values)
        return series;
    for (int i = history.First(); i < history.size; ++i) {
        if (!Present(history.values[i]) || !std::isfinite(history.times[i]))
            continue;
        series.times.push_back(history.times[i]);
        series.values.push_back(history.values[i]);
    }
    return series;
}

std::vector<double> BucketValues(const HistoryView& history, double end, int buckets, double length, BucketRule rule)
{
    std::vector<double> out(static_cast<size_t>(std::max(buckets, 0)), 0.0);
    if (!history.times || !history.values || out.empty())
        return out;
    const int oldest = history.First();
    const int newest = history.size - 1;
    int taken = 0;  // samples already taken, counted from the newest
    double h = end;
    for (int b = buckets - 1; b >= 0; --b, h -= length) {
        double sum = 0;
        int found = 0;
        bool haveNewest = false;
        double newestValue = 0;
        for (int i = newest - taken; i >= oldest; --i) {
            const double t = history.times[i];
            if (!(t > h - length && t <= h))
                continue;
            const double v = history.values[i];
            int direction = 0;
            const bool usable = rule == BucketRule::NewestDirection ? CompassIndex(v, &direction) : Present(v);
            if (!usable)
                continue;
            ++taken;
            if (!haveNewest) {
                haveNewest = true;
                newestValue = rule == BucketRule::NewestDirection ? direction : v;
            }
            sum += v;
            ++found;
        }
        if (found == 0)
            continue;
        switch (rule) {
        case BucketRule::Mean:
            out[b] = sum / found;
            break;
        case BucketRule::Sum:
            out[b] = sum;
            break;
        case BucketRule::Newest:
        case BucketRule::NewestDirection:
            out[b] = newestValue;
            break;
        }
    }
    return out;
}

std::array<double, 16> RoseSectorMaxima(const HistoryView& speeds, const double* directions)
{
    std::array<double, 16> sectors{};
    if (!speeds.values || !directions)
        return sectors;
    for (int i = speeds.First(); i < speeds.size; ++i) {
        int sector = 0;
        if (Present(speeds.values[i]) && CompassIndex(directions[i], &sector) && directions[i] == sector)
            sectors[sector] = std::max(sectors[sector], speeds.values[i]);
    }
    return sectors;
}

const std::array<const char*, 16>& CompassLabels(int language)
{
    static const std::array<const char*, 16> english = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                       "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    static const std::array<const char*, 16> german = {"N", "NNO", "NO", "ONO", "O", "OSO", "SO", "SSO",
                                                      "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    static const std::array<const char*, 16> romance = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                       "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
    static const std::array<const char*, 16> italian = {"N", "NNOr", "NOr", "OrNOr", "Or", "OrSOr", "SOr", "SSOr",
                                                       "S", "SSOv", "SOv", "OvSOv", "Ov", "OvNOv", "NOv", "NNOv"};
    static const std::array<const char*, 16> dutch = {"N", "NNO", "NO", "ONO", "O", "OZO", "ZO", "ZZO",
                                                     "Z", "ZZW", "ZW", "WZW", "W", "WNW", "NW", "NNW"};
    switch (language) {
    case 1:
        return german;
    case 2:
    case 4:
        return romance;
    case 3:
        return italian;
    case 5:
        return dutch;
    default:
        return english;  // English, Russian, Polish and unknown ids
    }
}

std::vector<std::string> BarOffsetLabels(int buckets, bool everyOther)
{
    std::vector<std::string> labels;
    for (int i = 0; i < buckets; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, " %d", i - (buckets - 1));
        labels.push_back(everyOther && i % 2 == 1 ? std::string(" ") : std::string(text));
    }
    return labels;
}

int ChartColourOf(unsigned long colorref)
{
    return static_cast<int>(((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF));
}

SensorLineStyle SensorLineStyleOf(const int* lineSettings, int quantity, int sensor)
{
    SensorLineStyle style;
    const int setting = 6 * quantity + sensor;
    style.colour = ChartColourOf(static_cast<unsigned long>(lineSettings[36 + setting]));
    style.dashPattern = DashPatternOfStyle(lineSettings[setting]);
    style.width = std::clamp(lineSettings[18 + setting], 0, 2) + 1;
    return style;
}

int DashPatternOfStyle(int style)
{
    switch (style) {
    case 0:
        return 0;
    case 1:
        return 0x0505;
    case 2:
        return 0x0202;
    case 3:
        return 0x05050205;
    case 4:
        return 0x0A050505;
    default:
        return -1;
    }
}

std::vector<ChartLine> TemperatureChartLines(const TemperatureChartInput& input)
{
    std::vector<ChartLine> lines;
    if (!input.shown || !input.lineSettings)
        return lines;
    static const int kSensorOrder[CHART_SENSORS] = {1, 2, 3, 4, 5, 0};
    for (int q = 0; q < 3; ++q) {
        if (!input.shown[q])
            continue;
        for (int s : kSensorOrder) {
            const unsigned char sensorShown = s == 0 ? input.shown[3] : input.shown[3 + s];
            const SensorLineStyle style = SensorLineStyleOf(input.lineSettings, q, s);
            if (!sensorShown || style.dashPattern < 0 || !input.times[s] || !input.series[q][s])
                continue;
            const int times = std::clamp(input.timeCounts[s], 0, input.size);
            int n = times;
            if (q == 1)
                n = std::min(std::clamp(input.humidityCounts[s], 0, input.size), times);
            ChartLine line;
            line.quantity = q;
            line.sensor = s;
            line.colour = style.colour;
            line.dashPattern = style.dashPattern;
            line.width = style.width;
            // The last n values against the sensor's last n times.
            for (int k = input.size - n; k < input.size; ++k) {
                const double v = input.series[q][s][k];
                const double t = input.times[s][k];
                if (!Present(v) || !std::isfinite(t))
                    continue;
                line.points.times.push_back(t);
                line.points.values.push_back(v);
            }
            lines.push_back(std::move(line));
        }
    }
    return lines;
}
