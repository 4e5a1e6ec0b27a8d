#include "display/SkyPanel.h"

#include "display/ClockTexts.h"

#include <cmath>
#include <cwchar>

namespace sky {

namespace {

// Forecast frames 0, 1, 2 by code: the set for a non-zero flag, then the set for flag zero.
constexpr int kForecastFlagSet[FORECAST_CODE_COUNT][FORECAST_FRAME_COUNT] = {
    {280, 281, 282}, {278, 279, 274}, {275, 276, 277}, {272, 273, 265},
    {269, 270, 271}, {266, 267, 268}, {263, 264, 259},
};
constexpr int kForecastCalmSet[FORECAST_CODE_COUNT][FORECAST_FRAME_COUNT] = {
    {260, 261, 262}, {257, 258, 253}, {254, 255, 256}, {250, 251, 249},
    {247, 248, 246}, {244, 245, 243}, {241, 242, 240},
};

}  // namespace

int MoonBitmapId(int phase)
{
    if (phase < 0 || phase >= MOON_PHASE_COUNT)
        return 0;
    if (phase <= 9)
        return 287 + phase;
    if (phase <= 11)
        return 314 + (phase - 10);
    if (phase <= 25)
        return 299 + (phase - 12);
    return 316 + (phase - 26);
}

int ForecastBitmapId(int code, int flag, int frame)
{
    if (code < 0 || code >= FORECAST_CODE_COUNT || frame < 0 || frame >= FORECAST_FRAME_COUNT)
        return 0;
    return flag != 0 ? kForecastFlagSet[code][frame] : kForecastCalmSet[code][frame];
}

int NextForecastFrame(int frame)
{
    const int next = frame + 1;
    return (next < 0 || next >= FORECAST_FRAME_COUNT) ? 0 : next;
}

std::wstring ZoneText(double zoneHours)
{
    const int hours = static_cast<int>(zoneHours);
    const int minutes = std::abs(static_cast<int>((zoneHours - hours) * 60));
    wchar_t text[32];
    if (zoneHours >= 0)
        std::swprintf(text, 32, L"+%d:%02d", hours, minutes);
    else if (hours == 0)
        std::swprintf(text, 32, L"-0:%02d", minutes);  // a zone of less than an hour west
    else
        std::swprintf(text, 32, L"%d:%02d", hours, minutes);
    return text;
}

std::wstring PositionText(int degrees, int minutes, const wchar_t* compassWord)
{
    wchar_t text[96];
    std::swprintf(text, 96, L"%d\u00B0%d' %ls", degrees, minutes, compassWord ? compassWord : L"");
    return text;
}

SunPlace UserDefinedPlace(int latitudeDegrees, int latitudeMinutes, int south, int longitudeDegrees,
                          int longitudeMinutes, int west, int zoneEast, int zoneHours, int halfHour)
{
    SunPlace place;
    place.latitudeDegrees = latitudeDegrees;
    place.latitudeMinutes = latitudeMinutes;
    place.south = south;
    place.longitudeDegrees = longitudeDegrees;
    place.longitudeMinutes = longitudeMinutes;
    place.west = west;
    double zone = zoneHours + (halfHour != 0 ? 0.5 : 0.0);
    if (zoneEast == 0)
        zone = -zone;
    place.zoneHours = zone;
    return place;
}

int ZoneMinuteCode(int minutes)
{
    switch (minutes) {
    case 0: return 1;
    case 18: return 2;
    case 30: return 3;
    default: return minutes;
    }
}

namespace {

// The most hours the sunrise and sunset library takes as an offset from UTC, either way.
constexpr double LIBRARY_ZONE_HOURS_MOST = 14;

}  // namespace

SunQuery BuildSunQuery(int day, int month, int year, const SunPlace& place, int daylightSaving)
{
    SunPlace asked = place;
    // The station holds offsets up to 15:30 either way (one written by an older version, or by
    // another program), the library takes 14 hours at most. The times of the date's solar day read
    // the same on a clock 24 hours the other way: the query names that clock, so that the times are
    // those of the station's own clock.
    if (place.zoneHours > LIBRARY_ZONE_HOURS_MOST && place.zoneHours <= 24)
        asked.zoneHours -= 24;
    else if (place.zoneHours < -LIBRARY_ZONE_HOURS_MOST && place.zoneHours >= -24)
        asked.zoneHours += 24;
    SunQuery q;
    q.day = day;
    q.month = month;
    q.year = year;
    q.latitudeDegrees = place.latitudeDegrees;
    q.latitudeMinutes = place.latitudeMinutes;
    q.latitudeCode = place.south + 1;
    q.longitudeDegrees = place.longitudeDegrees;
    q.longitudeMinutes = place.longitudeMinutes;
    q.longitudeCode = place.west + 1;
    const double zone = std::fabs(asked.zoneHours);
    const double whole = std::trunc(zone);
    q.zoneHours = static_cast<int32_t>(whole);
    // Rounded, so that a half hour stored as a double never reads 29 minutes.
    q.zoneMinuteCode = ZoneMinuteCode(static_cast<int>(std::lround((zone - whole) * 60)));
    q.zoneSignCode = asked.zoneHours >= 0 ? 1 : 2;
    q.daylightSaving = daylightSaving;
    return q;
}

std::wstring SunTimeText(int result, bool clock24h, const wchar_t* alwaysSunset, const wchar_t* alwaysSunrise)
{
    if (result == SUN_ALWAYS_DOWN)
        return alwaysSunset ? alwaysSunset : L"";
    if (result == SUN_ALWAYS_UP)
        return alwaysSunrise ? alwaysSunrise : L"";
    const int hour = result / 100;
    const int minute = result % 100;
    if (result < 0 || hour > 23 || minute > 59)
        return std::wstring();
    wchar_t text[32];
    if (clock24h)
        std::swprintf(text, 32, L"%02d:%02d", hour, minute);
    else
        std::swprintf(text, 32, L"%d:%02d %ls", TwelveHourClockHour(hour), minute, TwelveHourClockHalf(hour));
    return text;
}

}  // namespace sky
