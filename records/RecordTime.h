// The date and time of a record as the record files hold it, and its checks against the calendar
// and the computer's clock.
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

// The computer's local time, to the minute.
RecordTime ComputerClockNow();
