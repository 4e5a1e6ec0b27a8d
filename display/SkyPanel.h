// The sky panel's computations: which moon and forecast picture to show, the location texts, the
// arguments of the sunrise and sunset library and the texts of its answers. Plain functions; the
// main dialog applies them to its controls.
#pragma once
#include <cstdint>
#include <string>

namespace sky {

constexpr int MOON_PHASE_COUNT = 28;
constexpr int FORECAST_CODE_COUNT = 7;
constexpr int FORECAST_FRAME_COUNT = 3;

// The sunrise and sunset library's answers for a day without the event.
constexpr int SUN_ALWAYS_DOWN = 88888;  // shown as "Always sunset"
constexpr int SUN_ALWAYS_UP = 99999;    // shown as "Always sunrise"

// Bitmap resource of a moon phase index 0..27; 0 for an index outside.
int MoonBitmapId(int phase);

// Bitmap resource of a forecast frame: code 0..6, frame 0..2, the set picked by the flag (non-zero
// or zero); 0 when the code or the frame is outside.
int ForecastBitmapId(int code, int flag, int frame);

// The animation frame after `frame`: 0, 1, 2, then 0 again (anything else restarts at 0).
int NextForecastFrame(int frame);

// A time zone in hours as "+H:MM" (zero or east) or "-H:MM" (west): 9.5 "+9:30", 0 "+0:00",
// -8 "-8:00".
std::wstring ZoneText(double zoneHours);

// A position as degrees, minutes and the compass word: 51, 30, "north" gives "51°30' north".
std::wstring PositionText(int degrees, int minutes, const wchar_t* compassWord);

// A place on the earth as the sunrise and sunset library takes it.
struct SunPlace {
    int latitudeDegrees = 0, latitudeMinutes = 0, south = 0;
    int longitudeDegrees = 0, longitudeMinutes = 0, west = 0;
    double zoneHours = 0;  // east of UTC positive
};

// The user-defined place: the zone is the hours, plus half an hour when halfHour is set, negated
// when zoneEast is 0.
SunPlace UserDefinedPlace(int latitudeDegrees, int latitudeMinutes, int south, int longitudeDegrees,
                          int longitudeMinutes, int west, int zoneEast, int zoneHours, int halfHour);

// The thirteen integers of one call, in the library's order.
struct SunQuery {
    int32_t day = 0, month = 0, year = 0;
    int32_t latitudeDegrees = 0, latitudeMinutes = 0, latitudeCode = 1;
    int32_t longitudeDegrees = 0, longitudeMinutes = 0, longitudeCode = 1;
    int32_t zoneHours = 0, zoneMinuteCode = 1, zoneSignCode = 1;
    int32_t daylightSaving = 0;
};

// Zone-minute code of the library: 0 minutes 1, 18 minutes 2, 30 minutes 3, else the minutes.
int ZoneMinuteCode(int minutes);

SunQuery BuildSunQuery(int day, int month, int year, const SunPlace& place, int daylightSaving);

// The text of a sunrise or sunset answer: the two "always" texts for the markers, "HH:MM" in
// 24-hour form or "H:MM AM/PM" (hour 0 reads 12 AM, hour 12 reads 12 PM) in 12-hour form. Any
// other answer (outside 0..2359, or minutes above 59) gives no time: an empty text.
std::wstring SunTimeText(int result, bool clock24h, const wchar_t* alwaysSunset, const wchar_t* alwaysSunrise);

}  // namespace sky
