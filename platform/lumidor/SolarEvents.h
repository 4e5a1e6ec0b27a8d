// Sunrise and sunset in universal time from the sun's apparent position.
#pragma once

namespace lumidor {

enum class SunEventKind { Rise, Set };

struct SunEvent
{
    enum Status { Occurs, AlwaysBelow, AlwaysAbove };
    Status status = Occurs;
    // Hours after 0h UT of the date; below 0 or beyond 24 when the event falls on another UT day.
    double utHours = 0.0;
};

// Altitude of the sun's centre at rise and set: semi-diameter 16' plus standard refraction 34'.
constexpr double kSunriseAltitudeDeg = -0.833;

// Julian day number at 0h UT of a Gregorian calendar date.
double JulianDayAt0hUT(int year, int month, int day);

// The rise or set of the solar day whose local mean noon falls on the date at this longitude.
// Latitude is positive north, longitude positive east, both in degrees.
SunEvent ComputeSunEvent(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                         SunEventKind kind);

} // namespace lumidor
