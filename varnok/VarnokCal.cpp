#include "varnok/VarnokCal.h"

#include <cmath>

namespace {

// Days since the reference new moon are scaled by one over the synodic month of 29.53 days.
constexpr double kCyclesPerDay = 0.033863867253640365;
constexpr double kReferenceDay = 694039.09;
constexpr double kDaysPerMonth = 30.6;
constexpr double kDaysPerYear = 365.25;

} // namespace

CVarnokCal::CVarnokCal() = default;

CVarnokCal::CVarnokCal(const CVarnokCal&) {}

CVarnokCal::~CVarnokCal() = default;

CVarnokCal& CVarnokCal::operator=(const CVarnokCal&)
{
    return *this;
}

int CVarnokCal::Varnok(int year, int month, int day, int steps)
{
    // January and February count as months 13 and 14 of the year before. Everything is computed in
    // double precision, and every conversion to an integer truncates toward zero.
    double y = year;
    double m = month;
    if (month < 3) {
        y = y - 1.0;
        m = m + 12.0;
    }
    const double days = m * kDaysPerMonth + y * kDaysPerYear + static_cast<double>(day) - kReferenceDay;
    const double cycles = days * kCyclesPerDay;
    const double fraction = cycles - std::trunc(cycles);
    const int index = static_cast<int>(std::trunc(fraction * static_cast<double>(steps) + 0.5));
    // A fraction that rounds up to a whole cycle is the next new moon.
    return index < steps ? index : 0;
}
