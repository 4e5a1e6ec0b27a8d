// The start and end of daylight-saving time that the location dialog shows for a rule.
//
// A rule's transitions are computed as local wall-clock moments of the computer in a given year.
// A rule whose start month lies after its end month (the southern hemisphere's) starts in one year
// and ends in the next: it is shown either as this year's start with next year's end (once this
// year's end has passed) or as last year's start with this year's end, each date computed in the
// year it is shown with, so the shown weekday is always the rule's weekday.
#pragma once
#include "texts/Cities.h"

#include <string>

struct DstMoment {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
};

// Weekday of a date of the Gregorian calendar, 1 Sunday .. 7 Saturday.
int DstWeekday(int year, int month, int day);
int DstDaysInMonth(int year, int month);

// The transition's moment in the year: a fixed date, or the n-th / last occurrence of its weekday
// in its month (an n-th occurrence that the month does not have becomes the last one).
DstMoment DstTransitionMoment(const DstTransition& transition, int year);

// True for a rule with dates whose start month lies after its end month.
bool IsSouthernDstRule(int rule);

// "%02d.%02d.%4d %02d:%02d" (day, month, year, hour, minute).
std::wstring DstMomentText(const DstMoment& moment);

struct DstShownDates {
    std::wstring start;
    std::wstring end;
};

// The texts of the start and end fields for the rule when the local time is `now` (its year is
// the current year): "Never use DST" / "Always add 1 hour" of the language for the rules without
// dates, empty texts for a rule outside the table.
DstShownDates DstDatesShown(int rule, int language, const DstMoment& now);
