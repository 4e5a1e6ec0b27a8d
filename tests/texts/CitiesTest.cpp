// The city database: region groups, city values and daylight-saving rules.
#include "texts/Cities.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

TEST(RegionGroups, CountsAndStarts)
{
    const int counts[REGION_COUNT] = {10, 14, 5, 40, 51, 12, 1};
    const int starts[REGION_COUNT] = {0, 10, 24, 29, 69, 120, 132};
    int sum = 0;
    for (int region = 0; region < REGION_COUNT; ++region) {
        EXPECT_EQ(counts[region], g_regionCityCounts[region]) << region;
        EXPECT_EQ(starts[region], RegionGroupStart(region)) << region;
        sum += g_regionCityCounts[region];
    }
    EXPECT_EQ(CITY_COUNT, sum);
    EXPECT_EQ(-1, RegionGroupStart(-1));
    EXPECT_EQ(-1, RegionGroupStart(REGION_COUNT));
}

TEST(RegionGroups, EveryCityIsListedExactlyOnce)
{
    std::vector<int> seen(CITY_COUNT, 0);
    for (int slot = 0; slot < CITY_COUNT; ++slot) {
        const int city = g_regionCityIndices[slot];
        ASSERT_TRUE(IsValidCityIndex(city)) << "slot " << slot;
        ++seen[city];
    }
    for (int city = 0; city < CITY_COUNT; ++city)
        EXPECT_EQ(1, seen[city]) << "city " << city;
}

TEST(RegionGroups, EachGroupIsInAlphabeticalOrderOfNames)
{
    for (int region = 0; region < REGION_COUNT; ++region)
        for (int k = 1; k < g_regionCityCounts[region]; ++k) {
            const wchar_t* before = g_cityNames[CityAtRegionPosition(region, k - 1)];
            const wchar_t* after = g_cityNames[CityAtRegionPosition(region, k)];
            EXPECT_LT(std::wcscmp(before, after), 0) << "region " << region << " position " << k;
        }
}

TEST(RegionGroups, ListPositionsAndRegionsOfCities)
{
    EXPECT_EQ(0, CityAtRegionPosition(REGION_AFRICA, 0));
    EXPECT_EQ(122, CityAtRegionPosition(REGION_AFRICA, 9));
    EXPECT_EQ(-1, CityAtRegionPosition(REGION_AFRICA, 10));
    EXPECT_EQ(-1, CityAtRegionPosition(REGION_AFRICA, -1));
    EXPECT_EQ(-1, CityAtRegionPosition(7, 0));
    EXPECT_EQ(USER_DEFINED_CITY, CityAtRegionPosition(REGION_USER_DEFINED, 0));
    EXPECT_EQ(REGION_USER_DEFINED, RegionOfCity(USER_DEFINED_CITY));
    EXPECT_EQ(REGION_AUSTRALIA_PACIFIC, RegionOfCity(1));
    EXPECT_EQ(REGION_EUROPE, RegionOfCity(57));  // Irkutsk
    EXPECT_EQ(REGION_EUROPE, RegionOfCity(81));  // Moscow
    EXPECT_EQ(REGION_NORTH_AMERICA, RegionOfCity(40));
    EXPECT_EQ(50, RegionPositionOfCity(40));      // Washington, last of North America
    EXPECT_EQ(REGION_SOUTH_AMERICA, RegionOfCity(116));
    EXPECT_EQ(-1, RegionOfCity(CITY_COUNT));
    EXPECT_EQ(-1, RegionPositionOfCity(-5));
    for (int city = 0; city < CITY_COUNT; ++city)
        EXPECT_EQ(city, CityAtRegionPosition(RegionOfCity(city), RegionPositionOfCity(city))) << city;
}

TEST(RegionGroups, RegionNamesComeFromTheLocationDialog)
{
    EXPECT_STREQ(L"Africa", TextAt(g_locationDialogTexts, LOCATION_REGION_FIRST_ROW + REGION_AFRICA, 0));
    EXPECT_STREQ(L"User defined city",
                 TextAt(g_locationDialogTexts, LOCATION_REGION_FIRST_ROW + REGION_USER_DEFINED, 0));
    EXPECT_STREQ(g_cityNames[USER_DEFINED_CITY],
                 TextAt(g_locationDialogTexts, LOCATION_REGION_FIRST_ROW + REGION_USER_DEFINED, 0));
}

TEST(Cities, NumberedInAlphabeticalOrderOfCodes)
{
    for (int city = 0; city < CITY_COUNT; ++city) {
        EXPECT_EQ(3u, std::wcslen(g_cityCodes[city])) << city;
        if (city > 0) {
            EXPECT_LT(std::wcscmp(g_cityCodes[city - 1], g_cityCodes[city]), 0) << city;
        }
    }
}

TEST(Cities, ValuesOfSampleCities)
{
    EXPECT_STREQ(L"Addis Ababa, Ethiopia", g_cityNames[0]);
    EXPECT_STREQ(L"ADD", g_cityCodes[0]);
    EXPECT_DOUBLE_EQ(3.0, g_cityTimeZones[0]);

    EXPECT_STREQ(L"Adelaide, Australia", g_cityNames[1]);
    EXPECT_STREQ(L"ADL", g_cityCodes[1]);
    EXPECT_DOUBLE_EQ(9.5, g_cityTimeZones[1]);
    EXPECT_EQ(2, g_cityDstRules[1]);
    EXPECT_STREQ(L"SA", g_dstCodes[g_cityDstRules[1]]);
    EXPECT_EQ((std::vector<int>{34, 55, 1}), (std::vector<int>(g_cityLatitudes[1], g_cityLatitudes[1] + 3)));
    EXPECT_EQ((std::vector<int>{138, 36, 0}), (std::vector<int>(g_cityLongitudes[1], g_cityLongitudes[1] + 3)));

    EXPECT_STREQ(L"Amsterdam, Netherlands", g_cityNames[4]);
    EXPECT_STREQ(L"Asunción, Paraguay", g_cityNames[6]);
    EXPECT_EQ(12, g_cityDstRules[6]);
    EXPECT_EQ(1, g_cityLongitudes[6][POSITION_HEMISPHERE]);
    EXPECT_DOUBLE_EQ(5.5, g_cityTimeZones[30]);
    EXPECT_DOUBLE_EQ(6.5, g_cityTimeZones[103]);
    EXPECT_STREQ(L"Reykjavík, Iceland", g_cityNames[105]);
    EXPECT_STREQ(L"São Paulo, Brazil", g_cityNames[116]);
    EXPECT_EQ(3, g_cityDstRules[116]);
    EXPECT_STREQ(L"Zürich, Switzerland", g_cityNames[132]);
    EXPECT_STREQ(L"ZRH", g_cityCodes[132]);
    EXPECT_EQ(47, g_cityLatitudes[132][POSITION_DEGREES]);
    EXPECT_EQ(31, g_cityLongitudes[132][POSITION_MINUTES]);
    EXPECT_DOUBLE_EQ(-8.0, g_cityTimeZones[130]);
    EXPECT_EQ(7, g_cityDstRules[53]);  // Havana, "SH"
}

TEST(Cities, UserDefinedCity)
{
    EXPECT_STREQ(L"User defined city", g_cityNames[USER_DEFINED_CITY]);
    EXPECT_STREQ(L"USR", g_cityCodes[USER_DEFINED_CITY]);
    EXPECT_DOUBLE_EQ(0.0, g_cityTimeZones[USER_DEFINED_CITY]);
    EXPECT_EQ(0, g_cityDstRules[USER_DEFINED_CITY]);
    for (int field = 0; field < 3; ++field) {
        EXPECT_EQ(0, g_cityLatitudes[USER_DEFINED_CITY][field]);
        EXPECT_EQ(0, g_cityLongitudes[USER_DEFINED_CITY][field]);
    }
}

TEST(Cities, TwoVancouversListedBCFirst)
{
    EXPECT_STREQ(L"Vancouver, Canada", g_cityNames[124]);
    EXPECT_STREQ(L"VAC", g_cityCodes[124]);
    EXPECT_STREQ(L"Vancouver, B.C., Can.", g_cityNames[130]);
    EXPECT_STREQ(L"YVR", g_cityCodes[130]);
    EXPECT_NE(g_cityLatitudes[124][POSITION_MINUTES], g_cityLatitudes[130][POSITION_MINUTES]);
    EXPECT_EQ(REGION_NORTH_AMERICA, RegionOfCity(124));
    EXPECT_EQ(REGION_NORTH_AMERICA, RegionOfCity(130));
    EXPECT_EQ(RegionPositionOfCity(130) + 1, RegionPositionOfCity(124));
}

TEST(Cities, PlausibleValuesForEveryCity)
{
    for (int city = 0; city < CITY_COUNT; ++city) {
        SCOPED_TRACE(city);
        EXPECT_TRUE(IsValidDstRule(g_cityDstRules[city]));
        EXPECT_GE(g_cityTimeZones[city], -12.0);
        EXPECT_LE(g_cityTimeZones[city], 14.0);
        const double halfHours = g_cityTimeZones[city] * 2.0;
        EXPECT_DOUBLE_EQ(halfHours, static_cast<double>(static_cast<int>(halfHours)));
        EXPECT_GE(g_cityLatitudes[city][POSITION_DEGREES], 0);
        EXPECT_LE(g_cityLatitudes[city][POSITION_DEGREES], 90);
        EXPECT_GE(g_cityLongitudes[city][POSITION_DEGREES], 0);
        EXPECT_LE(g_cityLongitudes[city][POSITION_DEGREES], 180);
        for (const int* position : {g_cityLatitudes[city], g_cityLongitudes[city]}) {
            EXPECT_GE(position[POSITION_MINUTES], 0);
            EXPECT_LT(position[POSITION_MINUTES], 60);
            EXPECT_TRUE(position[POSITION_HEMISPHERE] == 0 || position[POSITION_HEMISPHERE] == 1);
        }
        // Far west of Greenwich (the Americas) means a zone behind UTC.
        if (g_cityLongitudes[city][POSITION_HEMISPHERE] == 1 && g_cityLongitudes[city][POSITION_DEGREES] > 30) {
            EXPECT_LT(g_cityTimeZones[city], 0.0);
        }
    }
}

TEST(Cities, RulesNeverUsedByACity)
{
    for (int city = 0; city < CITY_COUNT; ++city)
        for (int rule : {1, 8, 11, 13, 14, 16})
            EXPECT_NE(rule, g_cityDstRules[city]) << "city " << city;
}

TEST(Cities, RangeCheckedLookups)
{
    EXPECT_STREQ(L"Warsaw, Poland", CityNameAt(126));
    EXPECT_STREQ(L"WAW", CityCodeAt(126));
    EXPECT_STREQ(L"", CityNameAt(-1));
    EXPECT_STREQ(L"", CityNameAt(CITY_COUNT));
    EXPECT_STREQ(L"", CityCodeAt(1000));
    EXPECT_STREQ(L"SZ", DstCodeAt(16));
    EXPECT_STREQ(L"", DstCodeAt(17));
    EXPECT_STREQ(L"", DstCodeAt(-1));
    EXPECT_FALSE(IsValidCityIndex(133));
    EXPECT_TRUE(IsValidCityIndex(0));
}

TEST(DstRules, CodesInOrder)
{
    const wchar_t* const codes[DST_RULE_COUNT] = {L"NO", L"ON", L"SA", L"SB", L"SC", L"SE", L"SG", L"SH", L"SI",
                                                  L"SK", L"SM", L"SN", L"SP", L"SQ", L"ST", L"SU", L"SZ"};
    for (int rule = 0; rule < DST_RULE_COUNT; ++rule)
        EXPECT_STREQ(codes[rule], g_dstCodes[rule]) << rule;
}

TEST(DstRules, RulesWithoutDatesHoldMinusOne)
{
    for (int rule : {DST_RULE_NEVER, DST_RULE_ALWAYS})
        for (int field = 0; field < 10; ++field)
            EXPECT_EQ(-1, g_dstRules[rule][field]) << rule << " " << field;
    EXPECT_EQ(-1, g_dstRuleDates[DST_RULE_ALWAYS].end.minute);
}

TEST(DstRules, SampleDates)
{
    // "SE": last Sunday of March 1:00 to last Sunday of October 1:00.
    const DstRuleDates& se = g_dstRuleDates[5];
    EXPECT_EQ(3, se.start.month);
    EXPECT_EQ(DST_WEEK_LAST, se.start.week);
    EXPECT_EQ(1, se.start.day);
    EXPECT_EQ(1, se.start.hour);
    EXPECT_EQ(0, se.start.minute);
    EXPECT_EQ(10, se.end.month);
    EXPECT_EQ(DST_WEEK_LAST, se.end.week);
    EXPECT_EQ(1, se.end.hour);
    // "SQ": fixed dates 21 March to 21 September.
    const DstRuleDates& sq = g_dstRuleDates[13];
    EXPECT_EQ(DST_WEEK_FIXED_DATE, sq.start.week);
    EXPECT_EQ(21, sq.start.day);
    EXPECT_EQ(3, sq.start.month);
    EXPECT_EQ(9, sq.end.month);
    EXPECT_EQ(21, sq.end.day);
    // "SI": fixed day 1 with hours 3 and 4.
    EXPECT_EQ(DST_WEEK_FIXED_DATE, g_dstRuleDates[8].start.week);
    EXPECT_EQ(3, g_dstRuleDates[8].start.hour);
    EXPECT_EQ(4, g_dstRuleDates[8].end.hour);
    // "SG": last Friday (6) of April to last Friday of September.
    EXPECT_EQ(6, g_dstRuleDates[6].start.day);
    EXPECT_EQ(9, g_dstRuleDates[6].end.month);
    // "SU": second Sunday of March 2:00 to first Sunday of November 3:00.
    const int su[10] = {3, 2, 1, 2, 0, 11, 1, 1, 3, 0};
    for (int field = 0; field < 10; ++field)
        EXPECT_EQ(su[field], g_dstRules[15][field]) << field;
}

TEST(DstRules, PeriodsThatCrossTheYearEnd)
{
    for (int rule = 2; rule < DST_RULE_COUNT; ++rule) {
        const bool crosses = g_dstRuleDates[rule].start.month > g_dstRuleDates[rule].end.month;
        const std::wstring code = g_dstCodes[rule];
        const bool expected = code == L"SA" || code == L"SB" || code == L"SC" || code == L"SM" || code == L"SN" ||
                              code == L"SP" || code == L"ST" || code == L"SZ";
        EXPECT_EQ(expected, crosses) << rule;
    }
}

TEST(DstRules, BothViewsHoldTheSameValues)
{
    for (int rule = 0; rule < DST_RULE_COUNT; ++rule) {
        const DstRuleDates& d = g_dstRuleDates[rule];
        const int fields[10] = {d.start.month, d.start.week, d.start.day, d.start.hour, d.start.minute,
                                d.end.month,   d.end.week,   d.end.day,   d.end.hour,   d.end.minute};
        for (int field = 0; field < 10; ++field)
            EXPECT_EQ(fields[field], g_dstRules[rule][field]) << rule << " " << field;
    }
}

TEST(DstRules, DatesAreInRange)
{
    for (int rule = 2; rule < DST_RULE_COUNT; ++rule)
        for (const DstTransition* t : {&g_dstRuleDates[rule].start, &g_dstRuleDates[rule].end}) {
            SCOPED_TRACE(rule);
            EXPECT_GE(t->month, 1);
            EXPECT_LE(t->month, 12);
            EXPECT_TRUE(t->week == DST_WEEK_LAST || t->week == DST_WEEK_FIXED_DATE ||
                        (t->week >= 1 && t->week <= 4));
            if (t->week == DST_WEEK_FIXED_DATE) {
                EXPECT_GE(t->day, 1);
                EXPECT_LE(t->day, 31);
            } else {
                EXPECT_GE(t->day, 1);
                EXPECT_LE(t->day, 7);
            }
            EXPECT_GE(t->hour, 0);
            EXPECT_LE(t->hour, 23);
            EXPECT_EQ(0, t->minute);
        }
}

}  // namespace
