// The city database: 133 cities in seven regions, numbered in alphabetical
// order of their three-letter codes, with name, code, time zone,
// daylight-saving rule and position, and the 17 daylight-saving rules.
// All tables are constant and complete before any start-up code runs.
#pragma once

#include "texts/TextTables.h"

constexpr int CITY_COUNT = 133;
constexpr int USER_DEFINED_CITY = 123;  // its name is the one the user types
constexpr int REGION_COUNT = 7;
constexpr int DST_RULE_COUNT = 17;

// Regions in list order; their names in eight languages are rows
// LOCATION_REGION_FIRST_ROW + region of g_locationDialogTexts.
constexpr int REGION_AFRICA = 0;
constexpr int REGION_ASIA = 1;
constexpr int REGION_AUSTRALIA_PACIFIC = 2;
constexpr int REGION_EUROPE = 3;
constexpr int REGION_NORTH_AMERICA = 4;
constexpr int REGION_SOUTH_AMERICA = 5;
constexpr int REGION_USER_DEFINED = 6;
constexpr int LOCATION_REGION_FIRST_ROW = 4;

// Daylight-saving rules without dates.
constexpr int DST_RULE_NEVER = 0;   // "NO"
constexpr int DST_RULE_ALWAYS = 1;  // "ON"

// Position fields: {degrees, minutes, hemisphere}; hemisphere 0 north / east,
// 1 south / west.
constexpr int POSITION_DEGREES = 0;
constexpr int POSITION_MINUTES = 1;
constexpr int POSITION_HEMISPHERE = 2;

extern const TextTable<CITY_COUNT> g_cityNames;   // English only
extern const TextTable<CITY_COUNT> g_cityCodes;   // three-letter codes
extern const double g_cityTimeZones[CITY_COUNT];  // hours east of UTC
extern const int g_cityDstRules[CITY_COUNT];      // rule id 0..16
extern const int g_cityLatitudes[CITY_COUNT][3];
extern const int g_cityLongitudes[CITY_COUNT][3];

extern const int g_regionCityCounts[REGION_COUNT];
// City indices of region 0, then region 1, ...; each group in the order the
// region's list shows them (alphabetical by name).
extern const int g_regionCityIndices[CITY_COUNT];

extern const TextTable<DST_RULE_COUNT> g_dstCodes;  // two-letter rule codes

// Start or end of a daylight-saving period. week: 1..4 the n-th occurrence
// of the weekday in the month, -1 the last one, -2 a fixed date (day is then
// the day of the month, otherwise the weekday 1 = Sunday .. 7 = Saturday).
// Every field is -1 for the rules "NO" and "ON".
struct DstTransition {
    int month;
    int week;
    int day;
    int hour;
    int minute;
};
constexpr int DST_WEEK_LAST = -1;
constexpr int DST_WEEK_FIXED_DATE = -2;

struct DstRuleDates {
    DstTransition start;
    DstTransition end;
};

extern const DstRuleDates g_dstRuleDates[DST_RULE_COUNT];
// The same rules as ten integers each: start month, week, day, hour, minute,
// then end month, week, day, hour, minute.
extern const int (&g_dstRules)[DST_RULE_COUNT][10];

// Range-checked access for indices that come from settings files or the
// station.
constexpr bool IsValidCityIndex(int city) { return city >= 0 && city < CITY_COUNT; }
constexpr bool IsValidRegion(int region) { return region >= 0 && region < REGION_COUNT; }
constexpr bool IsValidDstRule(int rule) { return rule >= 0 && rule < DST_RULE_COUNT; }

// Name of a city; "" for an index outside the table.
const wchar_t* CityNameAt(int city);
// Code of a city; "" for an index outside the table.
const wchar_t* CityCodeAt(int city);
// Code of a daylight-saving rule; "" for a rule outside the table.
const wchar_t* DstCodeAt(int rule);
// Position of a region's first city in g_regionCityIndices; -1 for an invalid
// region.
int RegionGroupStart(int region);
// City at list position `position` of a region's list; -1 when there is none.
int CityAtRegionPosition(int region, int position);
// Region whose list holds the city; -1 for an index outside the table.
int RegionOfCity(int city);
// Position of the city in its region's list; -1 for an index outside the table.
int RegionPositionOfCity(int city);
