#include "platform/chart/Chart.h"

#include <cmath>
#include <cstdint>

namespace {

// Floor division for a positive divisor.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Days from 0001-01-01 to the first of the given month (month 1..12) of the proleptic Gregorian
// calendar; negative before it.
int64_t DaysBeforeMonth(int64_t year, int64_t month)
{
    // Count years from March, so the leap day ends the counted year.
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yearOfEra = y - era * 400;                          // 0..399
    const int64_t monthFromMarch = month > 2 ? month - 3 : month + 9; // 0..11
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5;         // day 1 of that month
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    // era * 146097 + dayOfEra counts days from 0000-03-01; 0001-01-01 is day 306 of that count.
    return era * 146097 + dayOfEra - 306;
}

} // namespace

extern "C" double CChart_chartTime(int year, int month, int day, int hour, int minute, int second)
{
    // Carry the month into the year so that it lies in 1..12.
    const int64_t monthIndex = static_cast<int64_t>(month) - 1;
    const int64_t y = static_cast<int64_t>(year) + FloorDiv(monthIndex, 12);
    const int64_t m = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
    const int64_t days = DaysBeforeMonth(y, m) + (static_cast<int64_t>(day) - 1);
    const int64_t seconds = days * 86400 + static_cast<int64_t>(hour) * 3600 +
                            static_cast<int64_t>(minute) * 60 + second;
    return static_cast<double>(seconds);
}

extern "C" CHARTDIR_API void CChart_splitTime(double chartTime, int* year, int* month, int* day, int* hour,
                                              int* minute, int* second)
{
    // Beyond the years any int can hold, the time is cut to the nearest one that fits.
    constexpr double LIMIT = 6.0e16;
    const double clamped = chartTime != chartTime ? 0 : chartTime < -LIMIT ? -LIMIT : chartTime > LIMIT ? LIMIT : chartTime;
    const int64_t seconds = static_cast<int64_t>(std::floor(clamped));
    const int64_t days = FloorDiv(seconds, 86400);
    const int64_t rest = seconds - days * 86400;
    // Days from 0000-03-01, in 400-year eras.
    const int64_t z = days + 306;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int64_t m = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int64_t y = yearOfEra + era * 400 + (m <= 2 ? 1 : 0);
    if (year) *year = static_cast<int>(y);
    if (month) *month = static_cast<int>(m);
    if (day) *day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    if (hour) *hour = static_cast<int>(rest / 3600);
    if (minute) *minute = static_cast<int>(rest / 60 % 60);
    if (second) *second = static_cast<int>(rest % 60);
}
