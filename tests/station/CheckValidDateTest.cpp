// Year inference from the weekday and the weekday test of a date.
#include <gtest/gtest.h>

#include "station/CheckValidDate.h"

TEST(CheckValidDate, InfersTheNearestYearGoingBack)
{
    CCheckValidDate check;
    // 1 March 2009 was a Sunday (code 7).
    EXPECT_EQ(check.InferYearFromWeekday(2009, 7, 3, 1), 2009);
    // Monday: 2009 Sunday, 2008 Saturday, 2007 Thursday, 2006 Wednesday -> none.
    EXPECT_EQ(check.InferYearFromWeekday(2009, 1, 3, 1), -1);
    // 1 March 2007 was a Thursday: found three years back.
    EXPECT_EQ(check.InferYearFromWeekday(2010, 4, 3, 1), 2007);
    // The first match going back wins: 1 March 2015 and 2009 were Sundays.
    EXPECT_EQ(check.InferYearFromWeekday(2015, 7, 3, 1), 2015);
    // 31 December 2009 (Thursday) from a newer record of 2010.
    EXPECT_EQ(check.InferYearFromWeekday(2010, 4, 12, 31), 2009);
}

TEST(CheckValidDate, RejectsOutOfRangeInput)
{
    CCheckValidDate check;
    EXPECT_EQ(check.InferYearFromWeekday(2004, 7, 3, 1), -1);   // reference year below 2005
    EXPECT_EQ(check.InferYearFromWeekday(2009, 8, 3, 1), -1);   // weekday above 7
    EXPECT_EQ(check.InferYearFromWeekday(2009, 7, 0, 1), -1);
    EXPECT_EQ(check.InferYearFromWeekday(2009, 7, 13, 1), -1);
    EXPECT_EQ(check.InferYearFromWeekday(2009, 7, 3, 0), -1);
    EXPECT_EQ(check.InferYearFromWeekday(2009, 7, 3, 32), -1);
    EXPECT_FALSE(check.DateMatchesWeekday(1969, 12, 28, 7));
    EXPECT_FALSE(check.DateMatchesWeekday(2009, 13, 1, 7));
    EXPECT_FALSE(check.DateMatchesWeekday(2009, 3, 32, 7));
    EXPECT_FALSE(check.DateMatchesWeekday(2009, 3, 1, 9));
}

TEST(CheckValidDate, CodeZeroIsSundayLikeCodeSeven)
{
    CCheckValidDate check;
    for (int year = 2006; year <= 2012; ++year) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(check.InferYearFromWeekday(year, 0, month, 15), check.InferYearFromWeekday(year, 7, month, 15));
            EXPECT_EQ(check.DateMatchesWeekday(year, month, 15, 0), check.DateMatchesWeekday(year, month, 15, 7));
        }
    }
    EXPECT_TRUE(check.DateMatchesWeekday(2009, 3, 1, 0));
}

TEST(CheckValidDate, DayPastTheMonthEndRollsOver)
{
    CCheckValidDate check;
    // 30 February 2009 is 2 March 2009, a Monday; in 2008 it is 1 March 2008, a Saturday.
    EXPECT_TRUE(check.DateMatchesWeekday(2009, 2, 30, 1));
    EXPECT_TRUE(check.DateMatchesWeekday(2008, 2, 30, 6));
    EXPECT_EQ(check.InferYearFromWeekday(2009, 1, 2, 30), 2009);
    EXPECT_EQ(check.InferYearFromWeekday(2009, 6, 2, 30), 2008);
    // 31 April is 1 May.
    EXPECT_EQ(CalendarWeekday(2009, 4, 31), CalendarWeekday(2009, 5, 1));
}

TEST(CheckValidDate, WorksPast2037)
{
    CCheckValidDate check;
    // 1 January 2040 is a Sunday; 19 January 2038 a Tuesday; 29 February 2096 a Wednesday.
    EXPECT_EQ(check.InferYearFromWeekday(2040, 7, 1, 1), 2040);
    EXPECT_EQ(check.InferYearFromWeekday(2041, 7, 1, 1), 2040);
    EXPECT_EQ(check.InferYearFromWeekday(2038, 2, 1, 19), 2038);
    EXPECT_TRUE(check.DateMatchesWeekday(2096, 2, 29, 3));
    EXPECT_TRUE(check.DateMatchesWeekday(2100, 3, 1, 1));   // 2100 is no leap year: a Monday
    EXPECT_EQ(CalendarWeekday(1970, 1, 1), 5);              // Thursday
}
