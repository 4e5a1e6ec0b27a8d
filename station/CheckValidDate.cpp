#include "station/CheckValidDate.h"

#include <cstdint>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12); 64-bit, so any year works.
int64_t DaysFromCivil(int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool StationCodeInRange(int code) { return code >= 0 && code <= 7; }

} // namespace

CCheckValidDate::~CCheckValidDate() = default;

int CalendarWeekday(int year, int month, int day)
{
    // The first of the month plus (day - 1) days gives the roll-over into the next month.
    const int64_t days = DaysFromCivil(year, month, 1) + (day - 1);
    // 1970-01-01 was a Thursday (calendar weekday 5).
    int64_t index = (days + 4) % 7;   // 0 Sunday
    if (index < 0)
        index += 7;
    return static_cast<int>(index) + 1;
}

int CalendarWeekdayOfStationCode(int code)
{
    const int weekday = code + 1;
    return weekday == 8 ? 1 : weekday;
}

int CCheckValidDate::InferYearFromWeekday(int referenceYear, int weekday, int month, int day) const
{
    if (month < 1 || month > 12 || day < 1 || day > 31 || !StationCodeInRange(weekday) || referenceYear < 2005)
        return -1;
    const int target = CalendarWeekdayOfStationCode(weekday);
    for (int year = referenceYear; year >= referenceYear - 3; --year) {
        if (CalendarWeekday(year, month, day) == target)
            return year;
    }
    return -1;
}

bool CCheckValidDate::DateMatchesWeekday(int year, int month, int day, int weekday) const
{
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > 31 || !StationCodeInRange(weekday))
        return false;
    return CalendarWeekday(year, month, day) == CalendarWeekdayOfStationCode(weekday);
}
