// The date and time of a record as the record files hold it, its checks against the calendar and
// the computer's clock, and the seconds count that the histories and their charts keep time in.
#pragma once

constexpr long long MINUTES_PER_DAY = 1440;

struct RecordTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// A real date and time: year 1970..9999, a day that its month has, hour 0..23, minute 0..59.
bool IsRealRecordTime(const RecordTime& time);

// Minutes since 1970-01-01 00:00 of a real record time (the calendar alone, no time zone).
long long MinutesOf(const RecordTime& time);

// Seconds from 0001-01-01 00:00:00 to the date and time (proleptic Gregorian calendar, no time
// zone): the charting library's chart time. Fields outside their range carry into the next larger
// one (month 13 is January of the next year, day 0 the last day of the month before, minute -1 the
// last minute of the hour before); the all-zero date is 30 November of the year -1.
double SecondsSinceYearOne(int year, int month, int day, int hour, int minute, int second);

// The computer's local time, to the minute.
RecordTime ComputerClockNow();
