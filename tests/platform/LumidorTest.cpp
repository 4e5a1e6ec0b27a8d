// Tests of Lumidor.dll, loaded at run time and called through its exports found by name, as the
// program does.
#include "platform/lumidor/Lumidor.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

HMODULE LoadLumidor()
{
    static HMODULE module = [] {
        HMODULE loaded = nullptr;
        if (const char* bin = std::getenv("ORVELLE_BIN_DIR")) {
            std::wstring path = L"Z:";
            for (const char* p = bin; *p; ++p) path += (*p == '/') ? L'\\' : static_cast<wchar_t>(*p);
            path += L"\\Lumidor.dll";
            loaded = LoadLibraryW(path.c_str());
        }
        if (!loaded) loaded = LoadLibraryW(L"Lumidor.dll");
        return loaded;
    }();
    return module;
}

LumidorSunFunction Export(const char* name)
{
    HMODULE module = LoadLumidor();
    return module ? reinterpret_cast<LumidorSunFunction>(GetProcAddress(module, name)) : nullptr;
}

// A position and zone as the program passes them.
struct Place
{
    int latDeg, latMin, latCode;
    int lonDeg, lonMin, lonCode;
    int zoneHours, zoneMinuteCode, zoneSignCode;
};

struct Times
{
    int rise;
    int set;
};

Times Sun(const Place& p, int year, int month, int day, int dst)
{
    LumidorSunFunction rise = Export("sunrise");
    LumidorSunFunction set = Export("sunset");
    if (!rise || !set) return {-1000, -1000};
    return {rise(day, month, year, p.latDeg, p.latMin, p.latCode, p.lonDeg, p.lonMin, p.lonCode, p.zoneHours,
                 p.zoneMinuteCode, p.zoneSignCode, dst),
            set(day, month, year, p.latDeg, p.latMin, p.latCode, p.lonDeg, p.lonMin, p.lonCode, p.zoneHours,
                p.zoneMinuteCode, p.zoneSignCode, dst)};
}

bool IsClockTime(int hhmm)
{
    return hhmm >= 0 && hhmm <= 2359 && hhmm % 100 < 60;
}

int MinutesOf(int hhmm)
{
    return hhmm / 100 * 60 + hhmm % 100;
}

// Difference of two clock times in minutes, the short way round midnight.
int ClockDifference(int hhmm, int expectedHhmm)
{
    int diff = (MinutesOf(hhmm) - MinutesOf(expectedHhmm) + 1440) % 1440;
    return diff > 720 ? diff - 1440 : diff;
}

const Place kLondon = {51, 30, 1, 0, 8, 2, 0, 1, 1};
const Place kNewYork = {40, 43, 1, 74, 0, 2, 5, 1, 2};
const Place kSydney = {33, 52, 2, 151, 13, 1, 10, 1, 1};
const Place kTokyo = {35, 41, 1, 139, 41, 1, 9, 1, 1};
const Place kReykjavik = {64, 9, 1, 21, 57, 2, 0, 1, 1};
const Place kTromso = {69, 39, 1, 18, 57, 1, 1, 1, 1};

} // namespace

TEST(Lumidor, ExportsArePlainNames)
{
    ASSERT_NE(LoadLumidor(), nullptr);
    EXPECT_NE(Export("sunrise"), nullptr);
    EXPECT_NE(Export("sunset"), nullptr);
}

TEST(Lumidor, PublishedCityTimes)
{
    struct Case
    {
        const char* city;
        Place place;
        int year, month, day, dst;
        int rise, set;
    };
    // Almanac times of the sun's upper limb on the horizon, local clock time.
    const Case cases[] = {
        {"London midsummer", kLondon, 2024, 6, 21, 1, 443, 2121},
        {"London midwinter", kLondon, 2024, 12, 21, 0, 804, 1553},
        {"New York midsummer", kNewYork, 2024, 6, 21, 1, 525, 2031},
        {"New York midwinter", kNewYork, 2024, 12, 21, 0, 717, 1632},
        {"Sydney December", kSydney, 2024, 12, 21, 1, 541, 2005},
        {"Sydney June", kSydney, 2024, 6, 21, 0, 700, 1654},
        {"Tokyo June", kTokyo, 2024, 6, 21, 0, 425, 1900},
        {"Tokyo December", kTokyo, 2024, 12, 21, 0, 647, 1632},
        // The sun sets a few minutes after midnight: the time wraps to 00:03.
        {"Reykjavik midsummer", kReykjavik, 2024, 6, 21, 0, 255, 3},
        {"Reykjavik midwinter", kReykjavik, 2024, 12, 21, 0, 1122, 1529},
    };
    for (const Case& c : cases) {
        Times t = Sun(c.place, c.year, c.month, c.day, c.dst);
        ASSERT_TRUE(IsClockTime(t.rise)) << c.city << " sunrise " << t.rise;
        ASSERT_TRUE(IsClockTime(t.set)) << c.city << " sunset " << t.set;
        EXPECT_LE(std::abs(ClockDifference(t.rise, c.rise)), 2) << c.city << " sunrise " << t.rise;
        EXPECT_LE(std::abs(ClockDifference(t.set, c.set)), 2) << c.city << " sunset " << t.set;
    }
}

TEST(Lumidor, PolarDayAndNight)
{
    // 88888: the sun stays below the horizon all day; 99999: it stays above.
    Times t = Sun(kTromso, 2024, 6, 21, 1);
    EXPECT_EQ(t.rise, LUMIDOR_ALWAYS_ABOVE);
    EXPECT_EQ(t.set, LUMIDOR_ALWAYS_ABOVE);
    t = Sun(kTromso, 2024, 12, 21, 0);
    EXPECT_EQ(t.rise, LUMIDOR_ALWAYS_BELOW);
    EXPECT_EQ(t.set, LUMIDOR_ALWAYS_BELOW);
    EXPECT_EQ(LUMIDOR_ALWAYS_BELOW, 88888);
    EXPECT_EQ(LUMIDOR_ALWAYS_ABOVE, 99999);

    // Southern hemisphere: the seasons turn round.
    const Place south70 = {70, 0, 2, 10, 0, 1, 1, 1, 1};
    EXPECT_EQ(Sun(south70, 2030, 6, 21, 0).rise, LUMIDOR_ALWAYS_BELOW);
    EXPECT_EQ(Sun(south70, 2030, 12, 21, 0).set, LUMIDOR_ALWAYS_ABOVE);

    // At the poles the sun's altitude is about its declination all day.
    const Place northPole = {90, 0, 1, 0, 0, 1, 0, 1, 1};
    const Place southPole = {90, 0, 2, 0, 0, 1, 0, 1, 1};
    EXPECT_EQ(Sun(northPole, 2025, 6, 1, 0).rise, LUMIDOR_ALWAYS_ABOVE);
    EXPECT_EQ(Sun(northPole, 2025, 12, 1, 0).set, LUMIDOR_ALWAYS_BELOW);
    EXPECT_EQ(Sun(southPole, 2025, 6, 1, 0).rise, LUMIDOR_ALWAYS_BELOW);
    EXPECT_EQ(Sun(southPole, 2025, 12, 1, 0).set, LUMIDOR_ALWAYS_ABOVE);

    // Tromso, 18 January: the sun is back, low in the south around noon.
    t = Sun(kTromso, 2024, 1, 18, 0);
    ASSERT_TRUE(IsClockTime(t.rise)) << t.rise;
    ASSERT_TRUE(IsClockTime(t.set)) << t.set;
    EXPECT_LT(t.rise, 1200);
    EXPECT_GT(t.set, 1200);
}

TEST(Lumidor, AgreesWithIndependentEphemeris)
{
    struct Reference
    {
        int day, month, year, latDeg, latMin, latCode, lonDeg, lonMin, lonCode, zoneHours, zoneMinuteCode,
            zoneSignCode, dst;
        int riseTenths, setTenths; // exact local time, tenths of a minute after midnight
    };
    static const Reference references[] = {
#include "tests/platform/LumidorReferenceCases.inc"
    };
    ASSERT_GE(sizeof(references) / sizeof(references[0]), 500u);
    int failures = 0;
    for (const Reference& r : references) {
        const Place place = {r.latDeg, r.latMin, r.latCode, r.lonDeg, r.lonMin, r.lonCode,
                             r.zoneHours, r.zoneMinuteCode, r.zoneSignCode};
        const Times t = Sun(place, r.year, r.month, r.day, r.dst);
        const int got[2] = {t.rise, t.set};
        const int expected[2] = {r.riseTenths, r.setTenths};
        for (int i = 0; i < 2; ++i) {
            bool ok = IsClockTime(got[i]);
            if (ok) {
                int diff = (MinutesOf(got[i]) * 10 - expected[i] + 14400) % 14400;
                if (diff > 7200) diff -= 14400;
                ok = std::abs(diff) <= 10; // within one minute of the exact time
            }
            if (!ok && ++failures <= 10) {
                ADD_FAILURE() << (i == 0 ? "sunrise " : "sunset ") << r.year << "-" << r.month << "-" << r.day
                              << " lat " << r.latDeg << "/" << r.latMin << "/" << r.latCode << " lon " << r.lonDeg
                              << "/" << r.lonMin << "/" << r.lonCode << ": " << got[i] << " against "
                              << expected[i] / 10.0 << " min";
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(Lumidor, ZoneCodesAndDaylightSaving)
{
    // With whole-minute offsets the rounded result moves by exactly the offset, round midnight.
    Place place = kLondon;
    const Times base = Sun(place, 2024, 3, 20, 0);
    ASSERT_TRUE(IsClockTime(base.rise) && IsClockTime(base.set));

    struct Zone
    {
        int hours, minuteCode, signCode, dst, offsetMinutes;
    };
    const Zone zones[] = {
        {0, 1, 2, 0, 0},          {0, 1, 1, 1, 60},          {5, 1, 1, 0, 300},
        {5, 2, 1, 0, 318},        {9, 3, 1, 0, 570},         {3, 3, 2, 0, -210},
        {5, 45, 1, 0, 345},       {3, 3, 2, 1, -150},        {0, 0, 1, 0, 0},
        {14, 1, 1, 0, 840},       {14, 1, 2, 0, -840},       {12, 45, 2, 1, -705},
        {13, 1, 1, 1, 840},       {10, 59, 2, 0, -659},
    };
    for (const Zone& z : zones) {
        place.zoneHours = z.hours;
        place.zoneMinuteCode = z.minuteCode;
        place.zoneSignCode = z.signCode;
        const Times t = Sun(place, 2024, 3, 20, z.dst);
        ASSERT_TRUE(IsClockTime(t.rise) && IsClockTime(t.set)) << z.offsetMinutes << ": " << t.rise << " " << t.set;
        EXPECT_EQ((MinutesOf(t.rise) - MinutesOf(base.rise) + 1440) % 1440, (z.offsetMinutes + 1440) % 1440)
            << "zone " << z.hours << "/" << z.minuteCode << "/" << z.signCode << "/" << z.dst;
        EXPECT_EQ((MinutesOf(t.set) - MinutesOf(base.set) + 1440) % 1440, (z.offsetMinutes + 1440) % 1440)
            << "zone " << z.hours << "/" << z.minuteCode << "/" << z.signCode << "/" << z.dst;
    }
}

TEST(Lumidor, EventBelongsToTheLocalSolarDay)
{
    // A place whose zone is far from its longitude: the times are those of the date's own solar day
    // moved to the zone's clock, not of the neighbouring day.
    const Place samoaEast = {13, 50, 2, 171, 45, 2, 13, 1, 1}; // UTC+13 at 171 degrees west
    const Place samoaWest = {13, 50, 2, 171, 45, 2, 11, 1, 2}; // UTC-11 at the same place
    const Times east = Sun(samoaEast, 2024, 7, 10, 0);
    const Times west = Sun(samoaWest, 2024, 7, 10, 0);
    ASSERT_TRUE(IsClockTime(east.rise) && IsClockTime(west.rise));
    // Same instants, clocks 24 hours apart: the same HHMM.
    EXPECT_EQ(east.rise, west.rise);
    EXPECT_EQ(east.set, west.set);
    // At UTC-11 the clock is near the mean solar time: morning sunrise, evening sunset.
    EXPECT_GT(west.rise, 500);
    EXPECT_LT(west.rise, 800);
    EXPECT_GT(west.set, 1700);
    EXPECT_LT(west.set, 1900);

    // Consecutive days move by a minute or two, not by a day's jump.
    const Times next = Sun(samoaWest, 2024, 7, 11, 0);
    EXPECT_LE(std::abs(ClockDifference(next.rise, west.rise)), 2);
}

TEST(Lumidor, EveryValidInputGivesAClockTimeOrAMarker)
{
    // A coarse sweep over latitudes to the poles, both hemispheres and a leap day.
    const int dates[][3] = {{2024, 2, 29}, {2024, 3, 20}, {2024, 6, 21}, {2024, 9, 22}, {2024, 12, 31},
                            {1990, 1, 1}, {2100, 12, 31}};
    for (const auto& d : dates) {
        for (int lat = 0; lat <= 90; lat += 5) {
            for (int latCode = 1; latCode <= 2; ++latCode) {
                for (int lon = 0; lon <= 180; lon += 45) {
                    const Place place = {lat, 0, latCode, lon, 0, 2, lon / 15, 1, 2};
                    const Times t = Sun(place, d[0], d[1], d[2], 0);
                    for (int value : {t.rise, t.set}) {
                        EXPECT_TRUE(IsClockTime(value) || value == LUMIDOR_ALWAYS_BELOW ||
                                    value == LUMIDOR_ALWAYS_ABOVE)
                            << d[0] << "-" << d[1] << "-" << d[2] << " lat " << lat << "/" << latCode << ": " << value;
                    }
                    if (lat <= 60) {
                        EXPECT_TRUE(IsClockTime(t.rise) && IsClockTime(t.set)) << "lat " << lat;
                        EXPECT_LT(MinutesOf(t.rise), MinutesOf(t.set)) << "lat " << lat << " lon " << lon;
                    }
                }
            }
        }
    }
}

TEST(Lumidor, BadArgumentsGiveTheErrorValue)
{
    LumidorSunFunction rise = Export("sunrise");
    LumidorSunFunction set = Export("sunset");
    ASSERT_NE(rise, nullptr);
    ASSERT_NE(set, nullptr);
    // day, month, year, lat deg/min/code, lon deg/min/code, zone hours/minute code/sign code, dst
    const int good[13] = {15, 6, 2024, 51, 30, 1, 0, 8, 2, 0, 1, 1, 1};
    ASSERT_TRUE(IsClockTime(rise(good[0], good[1], good[2], good[3], good[4], good[5], good[6], good[7], good[8],
                                 good[9], good[10], good[11], good[12])));
    struct Bad
    {
        int index, value;
        const char* what;
    };
    const Bad bads[] = {
        {0, 0, "day 0"},           {0, 31, "31 June"},          {0, -3, "negative day"},
        {1, 13, "month 13"},       {1, 0, "month 0"},           {2, 1582, "year before 1583"},
        {2, 10000, "year 10000"},  {3, 91, "latitude 91"},      {3, -1, "negative latitude"},
        {4, 60, "latitude 60'"},   {4, -1, "negative minutes"}, {5, 0, "latitude code 0"},
        {5, 3, "latitude code 3"}, {6, 181, "longitude 181"},   {7, 60, "longitude 60'"},
        {8, 7, "longitude code 7"}, {9, 15, "zone 15 hours"},   {9, -2, "negative zone"},
        {10, 60, "zone minutes 60"}, {10, -1, "zone minute code -1"}, {11, 7, "zone sign code 7"},
        {11, 0, "zone sign code 0"}, {12, 2, "daylight flag 2"}, {12, -1, "daylight flag -1"},
    };
    for (const Bad& b : bads) {
        int a[13];
        for (int i = 0; i < 13; ++i) a[i] = good[i];
        a[b.index] = b.value;
        EXPECT_EQ(rise(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12]),
                  LUMIDOR_INVALID_ARGUMENT)
            << b.what;
        EXPECT_EQ(set(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12]),
                  LUMIDOR_INVALID_ARGUMENT)
            << b.what;
    }
    // Combined limits: 90 degrees and 180 degrees take no minutes; the offset stays within 14:00;
    // 29 February exists only in leap years.
    const Place pastPole = {90, 1, 1, 0, 0, 1, 0, 1, 1};
    EXPECT_EQ(Sun(pastPole, 2024, 6, 1, 0).rise, LUMIDOR_INVALID_ARGUMENT);
    const Place pastDateLine = {10, 0, 1, 180, 30, 1, 12, 1, 1};
    EXPECT_EQ(Sun(pastDateLine, 2024, 6, 1, 0).set, LUMIDOR_INVALID_ARGUMENT);
    const Place zone1430 = {10, 0, 1, 170, 0, 2, 14, 3, 2};
    EXPECT_EQ(Sun(zone1430, 2024, 6, 1, 0).rise, LUMIDOR_INVALID_ARGUMENT);
    EXPECT_EQ(Sun(kLondon, 2023, 2, 29, 0).rise, LUMIDOR_INVALID_ARGUMENT);
    EXPECT_TRUE(IsClockTime(Sun(kLondon, 2024, 2, 29, 0).rise));
    EXPECT_TRUE(IsClockTime(Sun(kLondon, 2000, 2, 29, 0).set));
    EXPECT_EQ(Sun(kLondon, 2100, 2, 29, 0).set, LUMIDOR_INVALID_ARGUMENT);
}
