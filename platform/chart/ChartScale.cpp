#include "platform/chart/ChartScale.h"

#include "platform/chart/Chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cstdio>

namespace {

constexpr double DAY = 86400;

bool Finite(double value) { return std::isfinite(value) && std::fabs(value) < 1e300; }

// 1, 2 or 5 times a power of ten, at least the raw step.
double NiceStep(double raw)
{
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw * (1 - 1e-9))
            return factor * power;
    return 10 * power;
}

void AddTicks(AxisScale& scale)
{
    scale.ticks.clear();
    if (!(scale.step > 0))
        return;
    const double first = std::ceil(scale.lower / scale.step - 1e-9) * scale.step;
    for (int k = 0; k < 10000; ++k) {
        const double tick = first + k * scale.step;
        if (tick > scale.upper + scale.step * 1e-9)
            break;
        scale.ticks.push_back(std::fabs(tick) < scale.step * 1e-9 ? 0.0 : tick);
    }
}

int DecimalsOf(double step)
{
    if (!(step > 0) || step >= 1)
        return 0;
    return std::min(10, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string DefaultDatePattern(const AxisScale& scale)
{
    if (scale.monthStep >= 12)
        return "yyyy";
    if (scale.monthStep > 0)
        return "mmm yyyy";
    if (scale.step >= DAY)
        return "mm/dd";
    if (scale.step >= 60)
        return "hh:nn";
    return "hh:nn:ss";
}

bool IsDatePattern(const std::string& pattern)
{
    return pattern.find_first_of("ymdhns") != std::string::npos;
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

AxisScale NiceLinearScale(double minimum, double maximum, int maxTicks, bool includeZero)
{
    if (!Finite(minimum) || !Finite(maximum)) {
        minimum = 0;
        maximum = 1;
    }
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (includeZero) {
        minimum = std::min(minimum, 0.0);
        maximum = std::max(maximum, 0.0);
    }
    if (maximum - minimum < 1e-12 * std::max(1.0, std::fabs(maximum))) {
        const double pad = minimum == 0 ? 1 : std::fabs(minimum) * 0.1;
        maximum += pad;
        if (!(includeZero && minimum == 0))
            minimum -= pad;
    }
    maxTicks = std::max(maxTicks, 1);
    AxisScale scale;
    scale.step = NiceStep((maximum - minimum) / maxTicks);
    scale.lower = std::floor(minimum / scale.step + 1e-9) * scale.step;
    scale.upper = std::ceil(maximum / scale.step - 1e-9) * scale.step;
    AddTicks(scale);
    return scale;
}

AxisScale FixedLinearScale(double lower, double upper, double step, int maxTicks)
{
    if (!Finite(lower) || !Finite(upper))
        return NiceLinearScale(0, 1, maxTicks, false);
    if (lower > upper)
        std::swap(lower, upper);
    if (upper - lower < 1e-12)
        upper = lower + 1;
    AxisScale scale;
    scale.lower = lower;
    scale.upper = upper;
    scale.step = step > 0 && (upper - lower) / step <= 10000 ? step : NiceStep((upper - lower) / std::max(maxTicks, 1));
    AddTicks(scale);
    return scale;
}

double DateFormatStep(const std::string& format)
{
    // The fields of every "{value|pattern}" of the format, finest first.
    std::string fields;
    for (size_t open = format.find("{value|"); open != std::string::npos; open = format.find("{value|", open + 1)) {
        const size_t close = format.find('}', open);
        fields += format.substr(open + 7, close == std::string::npos ? std::string::npos : close - open - 7) + " ";
    }
    if (!IsDatePattern(fields))
        return 0;
    if (fields.find("ss") != std::string::npos)
        return 1;
    if (fields.find("nn") != std::string::npos)
        return 60;
    if (fields.find("hh") != std::string::npos)
        return 3600;
    return DAY;
}

AxisScale DateScale(double lower, double upper, double step, int maxTicks, double minStep)
{
    AxisScale scale;
    scale.date = true;
    if (!Finite(lower) || !Finite(upper)) {
        lower = 0;
        upper = 0;
    }
    if (lower > upper)
        std::swap(lower, upper);
    if (!(minStep > 0) || !Finite(minStep))
        minStep = 0;
    if (upper - lower < 1)
        upper = lower + std::max(60.0, minStep);  // a single moment: a minute (or the finest step) after it
    else if (upper - lower < minStep)
        upper = lower + minStep;
    scale.lower = lower;
    scale.upper = upper;
    maxTicks = std::max(maxTicks, 1);
    const double span = upper - lower;

    static const double kSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 10800,
                                    21600, 43200, DAY, 2 * DAY, 7 * DAY, 14 * DAY};
    double chosen = step;
    if (!(chosen > 0) || span / chosen > 10000) {
        chosen = 0;
        for (double candidate : kSteps)
            if (candidate >= minStep && span / candidate <= maxTicks) {
                chosen = candidate;
                break;
            }
    }
    if (chosen > 0) {
        scale.step = chosen;
        AddTicks(scale);
        return scale;
    }

    // Whole months or years: ticks on the first of a month.
    static const int kMonthSteps[] = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200};
    scale.monthStep = 1200;
    for (int months : kMonthSteps)
        if (span / (months * 30.44 * DAY) <= maxTicks) {
            scale.monthStep = months;
            break;
        }
    scale.step = scale.monthStep * 30.44 * DAY;
    int year, month, day, hour, minute, second;
    CChart_splitTime(lower, &year, &month, &day, &hour, &minute, &second);
    int index = year * 12 + (month - 1);
    index = (index + scale.monthStep - 1) / scale.monthStep * scale.monthStep;
    for (int k = 0; k < 1000; ++k, index += scale.monthStep) {
        const double tick = CChart_chartTime(index / 12, index % 12 + 1, 1, 0, 0, 0);
        if (tick > upper)
            break;
        if (tick >= lower)
            scale.ticks.push_back(tick);
    }
    return scale;
}

std::string FormatNumber(double value, int decimals)
{
    char text[64];
    if (!std::isfinite(value))
        return "";
    if (decimals >= 0) {
        std::snprintf(text, sizeof text, "%.*f", std::min(decimals, 10), value);
        if (std::strtod(text, nullptr) == 0 && text[0] == '-')
            return text + 1;  // no "-0"
        return text;
    }
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string FormatDate(const std::string& pattern, double chartTime)
{
    if (!std::isfinite(chartTime))
        return "";
    int year, month, day, hour, minute, second;
    CChart_splitTime(chartTime, &year, &month, &day, &hour, &minute, &second);
    std::string out;
    char text[16];
    auto starts = [&pattern](size_t at, const char* token) { return pattern.compare(at, std::strlen(token), token) == 0; };
    for (size_t i = 0; i < pattern.size();) {
        if (starts(i, "yyyy")) {
            std::snprintf(text, sizeof text, "%04d", year);
            i += 4;
        } else if (starts(i, "yy")) {
            std::snprintf(text, sizeof text, "%02d", ((year % 100) + 100) % 100);
            i += 2;
        } else if (starts(i, "mmm")) {
            std::snprintf(text, sizeof text, "%s", kMonthNames[(month - 1 + 12) % 12]);
            i += 3;
        } else if (starts(i, "mm")) {
            std::snprintf(text, sizeof text, "%02d", month);
            i += 2;
        } else if (starts(i, "dd")) {
            std::snprintf(text, sizeof text, "%02d", day);
            i += 2;
        } else if (starts(i, "hh")) {
            std::snprintf(text, sizeof text, "%02d", hour);
            i += 2;
        } else if (starts(i, "nn")) {
            std::snprintf(text, sizeof text, "%02d", minute);
            i += 2;
        } else if (starts(i, "ss")) {
            std::snprintf(text, sizeof text, "%02d", second);
            i += 2;
        } else {
            text[0] = pattern[i];
            text[1] = '\0';
            ++i;
        }
        out += text;
    }
    return out;
}

std::string FormatLabel(const std::string& format, double value, const AxisScale& scale)
{
    if (format.empty())
        return scale.date ? FormatDate(DefaultDatePattern(scale), value) : FormatNumber(value, DecimalsOf(scale.step));
    std::string out;
    size_t at = 0;
    while (at < format.size()) {
        const size_t open = format.find("{value", at);
        if (open == std::string::npos) {
            out += format.substr(at);
            break;
        }
        const size_t close = format.find('}', open);
        if (close == std::string::npos) {
            out += format.substr(at);
            break;
        }
        out += format.substr(at, open - at);
        const std::string field = format.substr(open + 6, close - open - 6);  // "" or "|pattern"
        const std::string pattern = field.empty() || field[0] != '|' ? std::string() : field.substr(1);
        if (IsDigits(pattern))
            out += FormatNumber(value, std::atoi(pattern.c_str()));
        else if (IsDatePattern(pattern))
            out += FormatDate(pattern, value);
        else if (scale.date)
            out += FormatDate(DefaultDatePattern(scale), value);
        else
            out += FormatNumber(value, scale.step > 0 ? DecimalsOf(scale.step) : -1);
        at = close + 1;
    }
    return out;
}
