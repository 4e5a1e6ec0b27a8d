// Texts of the clock.
#include "display/ClockTexts.h"
#include "display/SkyPanel.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

namespace {

LocalTime At(int hour, int minute, int second = 0)
{
    return LocalTime{2024, 3, 7, hour, minute, second, 4};
}

ClockTexts Twelve(int hour, int minute) { const LocalTime t = At(hour, minute); return MakeClockTexts(&t, false, WeekdayNamesFor(0)); }

}  // namespace

TEST(ClockTexts, TwelveHourClockAroundNoonAndMidnight)
{
    EXPECT_EQ(Twelve(12, 5).time, L"12:05");
    EXPECT_EQ(Twelve(12, 5).secondsOrHalf, L"PM");
    EXPECT_EQ(Twelve(13, 5).time, L"1:05");
    EXPECT_EQ(Twelve(13, 5).secondsOrHalf, L"PM");
    EXPECT_EQ(Twelve(0, 30).time, L"12:30");  // midnight, as the sunrise text shows it
    EXPECT_EQ(Twelve(0, 30).secondsOrHalf, L"AM");
    EXPECT_EQ(Twelve(11, 59).secondsOrHalf, L"AM");
    EXPECT_EQ(Twelve(23, 59).time, L"11:59");
}

TEST(ClockTexts, TwelveHourClockReadsLikeTheSunriseTextAtEveryHour)
{
    for (int hour = 0; hour < 24; ++hour) {
        const ClockTexts clock = Twelve(hour, 30);
        EXPECT_EQ(clock.time + L" " + clock.secondsOrHalf, sky::SunTimeText(hour * 100 + 30, false, L"", L"")) << hour;
    }
}

TEST(ClockTexts, TwentyFourHourClockWithSecondsAndTheDateWithoutLeadingZeros)
{
    const LocalTime morning = At(9, 5, 7);
    ClockTexts texts = MakeClockTexts(&morning, true, WeekdayNamesFor(LANGUAGE_ENGLISH));
    EXPECT_EQ(texts.time, L"9:05");
    EXPECT_EQ(texts.secondsOrHalf, L"07");
    EXPECT_EQ(texts.date, L"2024/3/7");
    EXPECT_EQ(texts.weekday, L"Thursday");

    const LocalTime evening = At(22, 10, 45);
    texts = MakeClockTexts(&evening, true, WeekdayNamesFor(LANGUAGE_GERMAN));
    EXPECT_EQ(texts.time, L"22:10");
    EXPECT_EQ(texts.secondsOrHalf, L"45");
    EXPECT_EQ(texts.weekday, L"Donnerstag");
}

TEST(ClockTexts, ATimeThatCannotBeReadShowsBlanks)
{
    const ClockTexts none = MakeClockTexts(nullptr, true, WeekdayNamesFor(0));
    EXPECT_TRUE(none.date.empty() && none.time.empty() && none.secondsOrHalf.empty() && none.weekday.empty());

    LocalTime broken = At(10, 0);
    broken.weekday = 7;
    const ClockTexts outOfRange = MakeClockTexts(&broken, false, WeekdayNamesFor(0));
    EXPECT_TRUE(outOfRange.weekday.empty());
    EXPECT_TRUE(outOfRange.time.empty());

    broken = LocalTime{0, -1, 0, -1, -1, -1, -1};
    EXPECT_TRUE(MakeClockTexts(&broken, true, WeekdayNamesFor(0)).date.empty());
}
