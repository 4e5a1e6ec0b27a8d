#include "dialogs/DstDates.h"

#include "texts/TextTables.h"

#include <cwchar>
#include <tuple>

namespace {

constexpr int LOCATION_ROW_NEVER_DST = 23;
constexpr int LOCATION_ROW_ALWAYS_DST = 24;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool AtOrAfter(const DstMoment& a, const DstMoment& b)
{
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) >= std::tie(b.year, b.month, b.day, b.hour, b.minute);
}

}  // namespace

int DstWeekday(int year, int month, int day)
{
    // Sakamoto's method: 0 Sunday .. 6 Saturday.
    static const int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        year -= 1;
    const int weekday = (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7;
    return weekday + 1;
}

int DstDaysInMonth(int year, int month)
{
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

DstMoment DstTransitionMoment(const DstTransition& transition, int year)
{
    DstMoment moment;
    moment.year = year;
    moment.month = transition.month;
    moment.hour = transition.hour;
    moment.minute = transition.minute;
    if (transition.week == DST_WEEK_FIXED_DATE) {
        moment.day = transition.day;
        return moment;
    }
    const int length = DstDaysInMonth(year, transition.month);
    int day = 1 + (transition.day - DstWeekday(year, transition.month, 1) + 7) % 7;
    if (transition.week == DST_WEEK_LAST) {
        while (day + 7 <= length)
            day += 7;
    } else if (transition.week > 1) {
        day += (transition.week - 1) * 7;
        while (day > length)
            day -= 7;
    }
    moment.day = day;
    return moment;
}

bool IsSouthernDstRule(int rule)
{
    if (!IsValidDstRule(rule) || rule == DST_RULE_NEVER || rule == DST_RULE_ALWAYS)
        return false;
    return g_dstRuleDates[rule].start.month > g_dstRuleDates[rule].end.month;
}

std::wstring DstMomentText(const DstMoment& moment)
{
    wchar_t text[40];
    std::swprintf(text, sizeof text / sizeof text[0], L"%02d.%02d.%4d %02d:%02d", moment.day, moment.month,
                  moment.year, moment.hour, moment.minute);
    return text;
}

DstShownDates DstDatesShown(int rule, int language, const DstMoment& now)
{
    DstShownDates shown;
    if (!IsValidDstRule(rule))
        return shown;
    if (rule == DST_RULE_NEVER || rule == DST_RULE_ALWAYS) {
        const int row = rule == DST_RULE_NEVER ? LOCATION_ROW_NEVER_DST : LOCATION_ROW_ALWAYS_DST;
        shown.start = shown.end = TextAt(g_locationDialogTexts, row, language);
        return shown;
    }
    const DstRuleDates& dates = g_dstRuleDates[rule];
    int startYear = now.year;
    int endYear = now.year;
    if (IsSouthernDstRule(rule)) {
        if (AtOrAfter(now, DstTransitionMoment(dates.end, now.year)))
            endYear = now.year + 1;
        else
            startYear = now.year - 1;
    }
    shown.start = DstMomentText(DstTransitionMoment(dates.start, startYear));
    shown.end = DstMomentText(DstTransitionMoment(dates.end, endYear));
    return shown;
}
