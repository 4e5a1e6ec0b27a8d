// Lumidor.dll: times of sunrise and sunset for a date, a position and a time zone.
//
// The two exports are plain C functions named exactly "sunrise" and "sunset". The program loads the
// library at run time and looks them up by name with GetProcAddress, so it uses LumidorSunFunction.
//
// Arguments, all 32-bit integers, in this order:
//   day, month, year          civil date (Gregorian, year 1583..9999)
//   latitude degrees, minutes  0..90, 0..59 (90 only with 0 minutes)
//   latitude code              1 north, 2 south
//   longitude degrees, minutes 0..180, 0..59 (180 only with 0 minutes)
//   longitude code             1 east, 2 west
//   zone hours                 0..14, whole hours of the time zone's offset from UTC
//   zone-minute code           1 = 0 minutes, 2 = 18 minutes, 3 = 30 minutes; 0 or 4..59 = that many
//                              minutes; the whole offset is at most 14:00
//   zone-sign code             1 east of Greenwich (UTC + offset), 2 west (UTC - offset)
//   daylight-saving flag       0 standard time, 1 one hour later
//
// Result: the local clock time of the event as hours x 100 + minutes (e.g. 756 is 07:56), rounded to
// the nearest minute. The event is the one of the solar day whose local mean noon falls on the given
// date. Its clock time is reduced into 0..2359: an event that falls after midnight (a late sunset in
// high-latitude summer, or a zone far from the longitude) reads as that early-morning time, one that
// falls before midnight of the previous day as that late-evening time; 23:59:40 rounds to 0000.
// The event is the moment the sun's upper limb touches the horizon with standard refraction, i.e. the
// centre of the sun 0.833 degrees below the geometric horizon, at sea level.
#pragma once

#include <stdint.h>

// The sun stays below the horizon the whole day (polar night): shown as "Always sunset".
#define LUMIDOR_ALWAYS_BELOW 88888
// The sun stays above the horizon the whole day (midnight sun): shown as "Always sunrise".
#define LUMIDOR_ALWAYS_ABOVE 99999
// Any argument outside the ranges above: no time is computed.
#define LUMIDOR_INVALID_ARGUMENT (-1)

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t (__cdecl* LumidorSunFunction)(int32_t day, int32_t month, int32_t year, int32_t latDegrees,
                                               int32_t latMinutes, int32_t latCode, int32_t lonDegrees,
                                               int32_t lonMinutes, int32_t lonCode, int32_t zoneHours,
                                               int32_t zoneMinuteCode, int32_t zoneSignCode,
                                               int32_t daylightSaving);

int32_t __cdecl sunrise(int32_t day, int32_t month, int32_t year, int32_t latDegrees, int32_t latMinutes,
                        int32_t latCode, int32_t lonDegrees, int32_t lonMinutes, int32_t lonCode,
                        int32_t zoneHours, int32_t zoneMinuteCode, int32_t zoneSignCode,
                        int32_t daylightSaving);

int32_t __cdecl sunset(int32_t day, int32_t month, int32_t year, int32_t latDegrees, int32_t latMinutes,
                       int32_t latCode, int32_t lonDegrees, int32_t lonMinutes, int32_t lonCode,
                       int32_t zoneHours, int32_t zoneMinuteCode, int32_t zoneSignCode,
                       int32_t daylightSaving);

#ifdef __cplusplus
}
#endif
