// Interface of the charting library chartdir41.dll.
//
// Chart time: a date and time as the number of seconds since 0001-01-01 00:00:00 of the proleptic
// Gregorian calendar, as a double. One scale for every chart, history and file that stores times.
// Out-of-range fields are carried into the next larger unit, as a calendar normalisation would:
// month 13 is January of the next year, month 0 December of the previous year, day 0 the last day
// of the previous month, hour 24 the next day, and so on. So every input gives a time, and the
// result grows with each field. An all-zero date (year 0, month 0, day 0, 00:00:00), which the
// program holds before its first reading, is 30 November of the year -1: -34387200 seconds,
// earlier than every real date.
#pragma once

#if defined(CHARTDIR_BUILD)
#define CHARTDIR_API __declspec(dllexport)
#else
#define CHARTDIR_API __declspec(dllimport)
#endif

extern "C" CHARTDIR_API double CChart_chartTime(int year, int month, int day, int hour, int minute,
                                                int second);

namespace Chart {

inline double chartTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return CChart_chartTime(year, month, day, hour, minute, second);
}

} // namespace Chart
