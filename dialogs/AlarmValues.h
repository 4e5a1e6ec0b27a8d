// The alarm dialog's arithmetic, without a window: temperature texts in tenths of a degree, the
// 12-hour clock, the limits kept apart by the temperature spins, and the values an upload sends.
#pragma once
#include "station/SettingsBlocks.h"

#include <string>

constexpr int TEMPERATURE_LIMIT_LOWEST = stationsettings::ALARM_TEMPERATURE_LOWEST;   // tenths of a degree Celsius
constexpr int TEMPERATURE_LIMIT_HIGHEST = stationsettings::ALARM_TEMPERATURE_HIGHEST;

// "5.3", "-5.3", "0.0" for 53, -53, 0 tenths.
std::wstring TemperatureText(int tenths);

// The 12-hour clock: the hour shown for 0..23 (12 for 0, h - 12 above 12) and back.
int TwelveHourOf(int hour);
bool IsPmHour(int hour);
int HourOfTwelveHour(int twelveHour, bool pm);
// "07:05" in 24-hour mode, "07:05 PM" with the 12-hour hour and the list's text otherwise.
std::wstring AlarmTimeText(int shownHour, int minute, const wchar_t* amPm);

// The pre-alarm period never takes the value 5: 1..6, 5 becomes 6.
int UploadPeriod(int period);

struct TemperatureLimits {
    int upper;
    int lower;
};
// A click on the upper limit's spin: the typed lower limit is first kept below the typed upper
// one (and at least -50.0), then the upper one moves 0.1 in the click's direction within
// lower + 0.1 .. 70.0. The click on the lower spin is the mirror image.
TemperatureLimits StepUpperLimit(int typedUpper, int typedLower, int direction);
TemperatureLimits StepLowerLimit(int typedUpper, int typedLower, int direction);
// The limits an upload sends: upper at most 70.0, lower at least -50.0, upper above lower.
TemperatureLimits UploadTemperatureLimits(int upper, int lower);

// The temperature limit an upload refuses, with the range its field takes beside the other limit:
// the upper limit from 0.1 above the lower one (at least -49.9) to 70.0, the lower one from -50.0
// to 0.1 below the upper one (at most 69.9). A limit beyond what it can take at all is refused
// first (the upper one before the lower one); limits typed out of order refuse the one typed last.
enum class TemperatureField { None, Upper, Lower };
struct RefusedLimit {
    TemperatureField field;
    int lowest, highest;
};
RefusedLimit RefusedTemperatureLimit(int upper, int lower, TemperatureField typedLast);
