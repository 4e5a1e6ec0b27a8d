// Texts of the clock in the "Date / Time" box.
#pragma once
#include <string>

struct LocalTime {
    int year;
    int month;    // 1..12
    int day;      // 1..31
    int hour;     // 0..23
    int minute;
    int second;
    int weekday;  // 0 = Sunday
};

struct ClockTexts {
    std::wstring date;            // "2024/3/7"
    std::wstring time;            // "9:05", "13:05"; with the 12-hour clock "1:05"
    std::wstring secondsOrHalf;   // seconds "07" with the 24-hour clock, else "AM" / "PM"
    std::wstring weekday;         // the weekday's name in the current language
};

// An hour 0..23 on the 12-hour clock: 1..12, hours from 12 on being "PM" (0:30 is 12:30 AM, 12:05 is
// 12:05 PM, 13:05 is 1:05 PM). The clock and the sunrise and sunset texts both use it.
int TwelveHourClockHour(int hour);
const wchar_t* TwelveHourClockHalf(int hour);

// With the 12-hour clock the hour is shown as TwelveHourClockHour gives it, beside "AM" or "PM". A time
// that could not be read (null) or that has a field out of range gives empty texts.
ClockTexts MakeClockTexts(const LocalTime* now, bool clock24h, const wchar_t* const* weekdayNames);
