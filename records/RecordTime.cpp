#include "records/RecordTime.h"

#include <windows.h>

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to the date (proleptic Gregorian calendar; month 1..12, any day).
long long DaysFromCivil(long long year, int month, long long day)
{
    const long long y = month <= 2 ? year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

bool IsRealRecordTime(const RecordTime& t)
{
    return t.year >= 1970 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59;
}

long long MinutesOf(const RecordTime& t)
{
    return (DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute;
}

double SecondsSinceYearOne(int year, int month, int day, int hour, int minute, int second)
{
    // The month carried into the year (rounding down), so that it lies in 1..12.
    const long long monthIndex = month - 1LL;
    const long long yearCarry = (monthIndex >= 0 ? monthIndex : monthIndex - 11) / 12;
    const int monthOfYear = static_cast<int>(monthIndex - yearCarry * 12 + 1);
    const long long days = DaysFromCivil(year + yearCarry, monthOfYear, day) - DaysFromCivil(1, 1, 1);
    return static_cast<double>(((days * 24 + hour) * 60 + minute) * 60 + second);
}

RecordTime ComputerClockNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return RecordTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}
