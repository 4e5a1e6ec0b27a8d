// Date tests of the station's time stamps, which carry a weekday but no year.
// Station weekday codes: 1 Monday ... 6 Saturday, 7 Sunday; 0 is also Sunday.
#pragma once

class CCheckValidDate {
public:
    virtual ~CCheckValidDate();

    // The year from referenceYear down to referenceYear - 3 (first match wins) in which
    // month/day falls on the station weekday; -1 when none does or the input is out of range
    // (month not 1..12, day not 1..31, weekday not 0..7, referenceYear below 2005).
    int InferYearFromWeekday(int referenceYear, int weekday, int month, int day) const;

    // True when year/month/day falls on the station weekday; false for a year below 1970,
    // a month not 1..12, a day not 1..31 or a weekday not 0..7.
    bool DateMatchesWeekday(int year, int month, int day, int weekday) const;
};

// Calendar weekday (1 Sunday ... 7 Saturday) of year/month/day, where a day past the end of its
// month rolls over into the next month (30 February is 2 March, or 1 March in a leap year).
int CalendarWeekday(int year, int month, int day);

// Calendar weekday that a station weekday code stands for (code c is c + 1, code 7 is 1).
int CalendarWeekdayOfStationCode(int code);
