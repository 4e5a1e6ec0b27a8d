// Daylight-saving dates that the location dialog shows, checked against the system's own calendar.
#include "dialogs/DstDates.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>

namespace {

constexpr int RULE_SA = 2, RULE_SU = 15, RULE_SQ = 13, RULE_SB = 3;

struct ShownDate {
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
};

ShownDate Parse(const std::wstring& text)
{
    ShownDate d;
    EXPECT_EQ(std::swscanf(text.c_str(), L"%d.%d.%d %d:%d", &d.day, &d.month, &d.year, &d.hour, &d.minute), 5)
        << text;
    return d;
}

// Weekday by the system's calendar, 1 Sunday .. 7 Saturday.
int SystemWeekday(const ShownDate& d)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(d.year);
    st.wMonth = static_cast<WORD>(d.month);
    st.wDay = static_cast<WORD>(d.day);
    FILETIME ft;
    EXPECT_TRUE(SystemTimeToFileTime(&st, &ft));
    FileTimeToSystemTime(&ft, &st);
    return st.wDayOfWeek + 1;
}

DstMoment At(int year, int month, int day, int hour = 12, int minute = 0)
{
    return DstMoment{year, month, day, hour, minute};
}

// The shown transition matches its rule: month, weekday, occurrence, time.
void ExpectFollowsRule(const std::wstring& text, const DstTransition& rule)
{
    const ShownDate d = Parse(text);
    EXPECT_EQ(d.month, rule.month) << text;
    EXPECT_EQ(d.hour, rule.hour) << text;
    EXPECT_EQ(d.minute, rule.minute) << text;
    if (rule.week == DST_WEEK_FIXED_DATE) {
        EXPECT_EQ(d.day, rule.day) << text;
        return;
    }
    EXPECT_EQ(SystemWeekday(d), rule.day) << text;
    if (rule.week == DST_WEEK_LAST)
        EXPECT_GT(d.day + 7, DstDaysInMonth(d.year, d.month)) << text;
    else
        EXPECT_EQ((d.day - 1) / 7 + 1, rule.week) << text;
}

}  // namespace

TEST(DstDates, NorthernRuleInTheCurrentYear)
{
    DstShownDates shown = DstDatesShown(RULE_SU, 0, At(2026, 7, 1));
    EXPECT_EQ(shown.start, L"08.03.2026 02:00");
    EXPECT_EQ(shown.end, L"01.11.2026 03:00");
    EXPECT_EQ(DstDatesShown(RULE_SQ, 0, At(2026, 1, 1)).start, L"21.03.2026 00:00");
    EXPECT_EQ(DstDatesShown(0, 0, At(2026, 7, 1)).end, L"Never use DST");
    EXPECT_EQ(DstDatesShown(1, 1, At(2026, 7, 1)).start, L"Plus 1 Stunde");
    EXPECT_EQ(DstDatesShown(17, 0, At(2026, 7, 1)).start, L"");
}

TEST(DstDates, SouthernRuleComputesEachDateInTheYearItShows)
{
    // After this year's end (last Sunday of March, 03:00): this year's start, next year's end.
    DstShownDates july = DstDatesShown(RULE_SA, 0, At(2026, 7, 15));
    EXPECT_EQ(july.start, L"25.10.2026 02:00");
    EXPECT_EQ(july.end, L"28.03.2027 03:00");
    // Before it: last year's start, this year's end; the end moment itself counts as after.
    DstShownDates february = DstDatesShown(RULE_SA, 0, At(2026, 2, 10));
    EXPECT_EQ(february.start, L"26.10.2025 02:00");
    EXPECT_EQ(february.end, L"29.03.2026 03:00");
    EXPECT_EQ(DstDatesShown(RULE_SA, 0, At(2026, 3, 29, 2, 59)).end, L"29.03.2026 03:00");
    EXPECT_EQ(DstDatesShown(RULE_SA, 0, At(2026, 3, 29, 3, 0)).end, L"28.03.2027 03:00");
    EXPECT_TRUE(IsSouthernDstRule(RULE_SB));
    EXPECT_FALSE(IsSouthernDstRule(RULE_SU));
    EXPECT_FALSE(IsSouthernDstRule(0));
}

TEST(DstDates, EveryShownDateFallsOnItsRulesWeekdayInAnyYear)
{
    for (int rule = 2; rule < DST_RULE_COUNT; ++rule) {
        const DstRuleDates& dates = g_dstRuleDates[rule];
        for (int year = 1999; year <= 2041; ++year) {
            for (int month : {1, 6, 12}) {
                DstShownDates shown = DstDatesShown(rule, 0, At(year, month, 15));
                ExpectFollowsRule(shown.start, dates.start);
                ExpectFollowsRule(shown.end, dates.end);
                const int gap = Parse(shown.end).year - Parse(shown.start).year;
                EXPECT_EQ(gap, IsSouthernDstRule(rule) ? 1 : 0) << rule << " " << year;
            }
        }
    }
}
