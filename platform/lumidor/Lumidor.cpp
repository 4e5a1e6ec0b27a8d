#include "platform/lumidor/Lumidor.h"

#include "platform/lumidor/SolarEvents.h"

#include <cmath>

namespace {

struct SunRequest
{
    int year = 0;
    int month = 0;
    int day = 0;
    double latitudeDeg = 0.0;  // north positive
    double longitudeDeg = 0.0; // east positive
    int clockOffsetMinutes = 0; // zone offset plus daylight saving, east positive
};

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// Angle from degrees, minutes and a hemisphere code; false when any part is out of range.
bool ReadAngle(int32_t degrees, int32_t minutes, int32_t code, int32_t maxDegrees, double* angle)
{
    if (degrees < 0 || degrees > maxDegrees || minutes < 0 || minutes > 59) return false;
    if (degrees == maxDegrees && minutes != 0) return false;
    if (code != 1 && code != 2) return false;
    const double value = degrees + minutes / 60.0;
    *angle = code == 1 ? value : -value;
    return true;
}

// Minutes of the zone offset from its minute code: 1, 2 and 3 stand for 0, 18 and 30 minutes, any
// other value is the minutes themselves.
bool ReadZoneMinutes(int32_t code, int* minutes)
{
    switch (code) {
    case 1: *minutes = 0; return true;
    case 2: *minutes = 18; return true;
    case 3: *minutes = 30; return true;
    default:
        if (code < 0 || code > 59) return false;
        *minutes = code;
        return true;
    }
}

bool ReadRequest(int32_t day, int32_t month, int32_t year, int32_t latDegrees, int32_t latMinutes,
                 int32_t latCode, int32_t lonDegrees, int32_t lonMinutes, int32_t lonCode, int32_t zoneHours,
                 int32_t zoneMinuteCode, int32_t zoneSignCode, int32_t daylightSaving, SunRequest* request)
{
    if (year < 1583 || year > 9999 || month < 1 || month > 12) return false;
    if (day < 1 || day > DaysInMonth(year, month)) return false;
    if (!ReadAngle(latDegrees, latMinutes, latCode, 90, &request->latitudeDeg)) return false;
    if (!ReadAngle(lonDegrees, lonMinutes, lonCode, 180, &request->longitudeDeg)) return false;

    int zoneMinutes = 0;
    if (zoneHours < 0 || zoneHours > 14 || !ReadZoneMinutes(zoneMinuteCode, &zoneMinutes)) return false;
    const int zoneOffset = zoneHours * 60 + zoneMinutes;
    if (zoneOffset > 14 * 60) return false;
    if (zoneSignCode != 1 && zoneSignCode != 2) return false;
    if (daylightSaving != 0 && daylightSaving != 1) return false;

    request->year = year;
    request->month = month;
    request->day = day;
    request->clockOffsetMinutes = (zoneSignCode == 1 ? zoneOffset : -zoneOffset) + daylightSaving * 60;
    return true;
}

int32_t SunEventTime(lumidor::SunEventKind kind, int32_t day, int32_t month, int32_t year, int32_t latDegrees,
                     int32_t latMinutes, int32_t latCode, int32_t lonDegrees, int32_t lonMinutes,
                     int32_t lonCode, int32_t zoneHours, int32_t zoneMinuteCode, int32_t zoneSignCode,
                     int32_t daylightSaving)
{
    SunRequest request;
    if (!ReadRequest(day, month, year, latDegrees, latMinutes, latCode, lonDegrees, lonMinutes, lonCode,
                     zoneHours, zoneMinuteCode, zoneSignCode, daylightSaving, &request))
        return LUMIDOR_INVALID_ARGUMENT;

    const lumidor::SunEvent event = lumidor::ComputeSunEvent(request.year, request.month, request.day,
                                                             request.latitudeDeg, request.longitudeDeg, kind);
    if (event.status == lumidor::SunEvent::AlwaysBelow) return LUMIDOR_ALWAYS_BELOW;
    if (event.status == lumidor::SunEvent::AlwaysAbove) return LUMIDOR_ALWAYS_ABOVE;

    // Local clock minutes, rounded to the nearest minute, then reduced into one day.
    const double localMinutes = event.utHours * 60.0 + request.clockOffsetMinutes;
    long minutes = std::lround(localMinutes) % 1440;
    if (minutes < 0) minutes += 1440;
    return static_cast<int32_t>((minutes / 60) * 100 + minutes % 60);
}

} // namespace

extern "C" int32_t __cdecl sunrise(int32_t day, int32_t month, int32_t year, int32_t latDegrees,
                                   int32_t latMinutes, int32_t latCode, int32_t lonDegrees, int32_t lonMinutes,
                                   int32_t lonCode, int32_t zoneHours, int32_t zoneMinuteCode,
                                   int32_t zoneSignCode, int32_t daylightSaving)
{
    return SunEventTime(lumidor::SunEventKind::Rise, day, month, year, latDegrees, latMinutes, latCode,
                        lonDegrees, lonMinutes, lonCode, zoneHours, zoneMinuteCode, zoneSignCode, daylightSaving);
}

extern "C" int32_t __cdecl sunset(int32_t day, int32_t month, int32_t year, int32_t latDegrees,
                                  int32_t latMinutes, int32_t latCode, int32_t lonDegrees, int32_t lonMinutes,
                                  int32_t lonCode, int32_t zoneHours, int32_t zoneMinuteCode,
                                  int32_t zoneSignCode, int32_t daylightSaving)
{
    return SunEventTime(lumidor::SunEventKind::Set, day, month, year, latDegrees, latMinutes, latCode,
                        lonDegrees, lonMinutes, lonCode, zoneHours, zoneMinuteCode, zoneSignCode, daylightSaving);
}
