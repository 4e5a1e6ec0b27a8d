// Axis scales and label texts: plain computations of the library, reachable by tests.
#pragma once
#include <string>
#include <vector>

struct AxisScale {
    double lower = 0;
    double upper = 1;
    double step = 0;            // between ticks (seconds on a date scale; 0 with fixed labels)
    int monthStep = 0;          // date scales stepping by whole months: the months per tick
    bool date = false;
    std::vector<double> ticks;  // values of the labelled ticks, ascending, within [lower, upper]
};

// A scale with round ticks (1, 2 or 5 times a power of ten) that covers [minimum, maximum] with
// at most maxTicks intervals; zero is included when asked. Equal or reversed bounds, and
// non-finite ones, still give a valid scale.
AxisScale NiceLinearScale(double minimum, double maximum, int maxTicks, bool includeZero);
// A scale of the given bounds; ticks every step (0: chosen as above).
AxisScale FixedLinearScale(double lower, double upper, double step, int maxTicks);
// A time scale over [lower, upper] (chart times) with ticks on round times: seconds, minutes,
// hours, days, weeks, months or years; a step of 0 chooses one of at least minStep giving at most
// maxTicks intervals. A span shorter than minStep (or a single moment) is widened to it, and to at
// least a minute.
AxisScale DateScale(double lower, double upper, double step, int maxTicks, double minStep = 0);
// The smallest step between times that a label format tells apart: 1 s when it shows seconds,
// 60 s for minutes, an hour, a day; 0 for a format without a date field.
double DateFormatStep(const std::string& format);

// The text of a label: "{value}" and "{value|...}" fields of the format filled in (see Chart.h);
// an empty format gives the default text (a date by the tick step, or the number with as many
// decimals as the step needs).
std::string FormatLabel(const std::string& format, double value, const AxisScale& scale);
// A chart time in a date pattern (yyyy, yy, mmm, mm, dd, hh, nn, ss; other characters copied).
std::string FormatDate(const std::string& pattern, double chartTime);
// The number with the given decimals; -1 chooses the fewest that show it (up to 10 digits).
std::string FormatNumber(double value, int decimals);
