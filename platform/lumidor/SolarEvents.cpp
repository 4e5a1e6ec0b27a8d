#include "platform/lumidor/SolarEvents.h"

#include <cmath>

namespace lumidor {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
constexpr double kJ2000 = 2451545.0;
// Growth of Greenwich mean sidereal time per day of universal time.
constexpr double kSiderealDegPerDay = 360.98564736629;
// Growth of the sun's hour angle per day, near enough for iterating towards the transit.
constexpr double kSolarDegPerDay = 360.0;

double NormalizeDegrees(double angle)
{
    angle = std::fmod(angle, 360.0);
    return angle < 0.0 ? angle + 360.0 : angle;
}

// Into -180 .. 180.
double SignedDegrees(double angle)
{
    angle = NormalizeDegrees(angle);
    return angle > 180.0 ? angle - 360.0 : angle;
}

struct SunPosition
{
    double rightAscensionDeg;
    double declinationDeg;
    double siderealTimeDeg; // apparent sidereal time at Greenwich
};

// Apparent solar coordinates (Meeus, Astronomical Algorithms, ch. 25, low accuracy: about 0.01 degree)
// and Greenwich apparent sidereal time (ch. 12) at a Julian day. Universal time stands for dynamical
// time here: in a minute the sun moves less than 0.001 degree, which moves the event by under a second.
SunPosition SunAt(double julianDay)
{
    const double t = (julianDay - kJ2000) / 36525.0;
    const double meanLongitude = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double meanAnomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kRad;
    const double centre = (1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(meanAnomaly) +
                          (0.019993 - t * 0.000101) * std::sin(2.0 * meanAnomaly) +
                          0.000289 * std::sin(3.0 * meanAnomaly);
    const double trueLongitude = meanLongitude + centre;
    const double node = (125.04 - 1934.136 * t) * kRad;
    // Aberration and nutation in longitude.
    const double apparentLongitude = (trueLongitude - 0.00569 - 0.00478 * std::sin(node)) * kRad;
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.8150 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(node)) * kRad;

    SunPosition sun;
    sun.rightAscensionDeg = NormalizeDegrees(
        std::atan2(std::cos(obliquity) * std::sin(apparentLongitude), std::cos(apparentLongitude)) / kRad);
    sun.declinationDeg = std::asin(std::sin(obliquity) * std::sin(apparentLongitude)) / kRad;

    const double meanSidereal = 280.46061837 + kSiderealDegPerDay * (julianDay - kJ2000) +
                                t * t * (0.000387933 - t / 38710000.0);
    // Equation of the equinoxes from the principal term of the nutation in longitude.
    const double nutationLongitude = -0.00478 * std::sin(node);
    sun.siderealTimeDeg = NormalizeDegrees(meanSidereal + nutationLongitude * std::cos(obliquity));
    return sun;
}

// Hour angle of the sun seen from the longitude, in -180 .. 180 degrees (0 at the transit).
double HourAngle(const SunPosition& sun, double longitudeDeg)
{
    return SignedDegrees(sun.siderealTimeDeg + longitudeDeg - sun.rightAscensionDeg);
}

// Sine of the sun's altitude less the sine of the rise/set altitude: positive while the upper limb
// is above the horizon.
double AboveHorizon(double julianDay, double latitudeDeg, double longitudeDeg)
{
    const SunPosition sun = SunAt(julianDay);
    const double phi = latitudeDeg * kRad;
    const double delta = sun.declinationDeg * kRad;
    const double hourAngle = HourAngle(sun, longitudeDeg) * kRad;
    const double sinAltitude =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
    return sinAltitude - std::sin(kSunriseAltitudeDeg * kRad);
}

} // namespace

double JulianDayAt0hUT(int year, int month, int day)
{
    // Meeus ch. 7, Gregorian calendar.
    int y = year;
    int m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + day + b - 1524.5;
}

SunEvent ComputeSunEvent(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                         SunEventKind kind)
{
    SunEvent result;
    const double jd0 = JulianDayAt0hUT(year, month, day);

    // The transit nearest the local mean noon of the date, in days after 0h UT.
    double transit = 0.5 - longitudeDeg / 360.0;
    for (int i = 0; i < 3; ++i)
        transit -= HourAngle(SunAt(jd0 + transit), longitudeDeg) / kSolarDegPerDay;

    // The sun rises between the lower transit before the transit and the transit, and sets between the
    // transit and the lower transit after it; the altitude changes monotonically in between. When it
    // does not cross the horizon in that half day there is no such event: below the horizon even at
    // the transit, or above it even at the lower transit.
    const double lowerTransit = kind == SunEventKind::Rise ? transit - 0.5 : transit + 0.5;
    const double atTransit = AboveHorizon(jd0 + transit, latitudeDeg, longitudeDeg);
    const double atLowerTransit = AboveHorizon(jd0 + lowerTransit, latitudeDeg, longitudeDeg);
    if (atTransit <= 0.0) {
        result.status = SunEvent::AlwaysBelow;
        return result;
    }
    if (atLowerTransit >= 0.0) {
        result.status = SunEvent::AlwaysAbove;
        return result;
    }

    // Bisection between the two: 45 halvings of half a day leave well under a millisecond.
    double above = transit;
    double below = lowerTransit;
    for (int i = 0; i < 45; ++i) {
        const double middle = 0.5 * (above + below);
        if (AboveHorizon(jd0 + middle, latitudeDeg, longitudeDeg) > 0.0)
            above = middle;
        else
            below = middle;
    }
    result.utHours = 0.5 * (above + below) * 24.0;
    return result;
}

} // namespace lumidor
