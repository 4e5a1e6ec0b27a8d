#include "dialogs/AlarmValues.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

std::wstring TemperatureText(int tenths)
{
    wchar_t text[32];
    std::swprintf(text, 32, tenths < 0 ? L"-%d.%d" : L"%d.%d", std::abs(tenths) / 10, std::abs(tenths) % 10);
    return text;
}

int TwelveHourOf(int hour)
{
    if (hour == 0)
        return 12;
    return hour > 12 ? hour - 12 : hour;
}

bool IsPmHour(int hour) { return hour > 11; }

int HourOfTwelveHour(int twelveHour, bool pm)
{
    if (twelveHour == 12)
        return pm ? 12 : 0;
    return pm ? twelveHour + 12 : twelveHour;
}

std::wstring AlarmTimeText(int shownHour, int minute, const wchar_t* amPm)
{
    wchar_t text[32];
    if (amPm)
        std::swprintf(text, 32, L"%02d:%02d %ls", shownHour, minute, amPm);
    else
        std::swprintf(text, 32, L"%02d:%02d", shownHour, minute);
    return text;
}

int UploadPeriod(int period)
{
    period = std::clamp(period, 1, 6);
    return period == 5 ? 6 : period;
}

TemperatureLimits StepUpperLimit(int typedUpper, int typedLower, int direction)
{
    const int upper = std::min(typedUpper, TEMPERATURE_LIMIT_HIGHEST);
    int lower = typedLower >= upper ? upper - 1 : typedLower;
    lower = std::max(lower, TEMPERATURE_LIMIT_LOWEST);
    const int step = direction > 0 ? 1 : (direction < 0 ? -1 : 0);
    return {std::clamp(upper + step, lower + 1, TEMPERATURE_LIMIT_HIGHEST), lower};
}

TemperatureLimits StepLowerLimit(int typedUpper, int typedLower, int direction)
{
    const int lower = std::max(typedLower, TEMPERATURE_LIMIT_LOWEST);
    int upper = typedUpper <= lower ? lower + 1 : typedUpper;
    upper = std::min(upper, TEMPERATURE_LIMIT_HIGHEST);
    const int step = direction > 0 ? 1 : (direction < 0 ? -1 : 0);
    return {upper, std::clamp(lower + step, TEMPERATURE_LIMIT_LOWEST, upper - 1)};
}

TemperatureLimits UploadTemperatureLimits(int upper, int lower)
{
    upper = std::min(upper, TEMPERATURE_LIMIT_HIGHEST);
    lower = std::clamp(lower, TEMPERATURE_LIMIT_LOWEST, TEMPERATURE_LIMIT_HIGHEST - 1);
    if (upper <= lower)
        upper = lower + 1;
    return {upper, lower};
}

RefusedLimit RefusedTemperatureLimit(int upper, int lower, TemperatureField typedLast)
{
    const bool upperAlone = upper > TEMPERATURE_LIMIT_LOWEST && upper <= TEMPERATURE_LIMIT_HIGHEST;
    const bool lowerAlone = lower >= TEMPERATURE_LIMIT_LOWEST && lower < TEMPERATURE_LIMIT_HIGHEST;
    const RefusedLimit upperRefused{TemperatureField::Upper, (lowerAlone ? lower : TEMPERATURE_LIMIT_LOWEST) + 1,
                                    TEMPERATURE_LIMIT_HIGHEST};
    const RefusedLimit lowerRefused{TemperatureField::Lower, TEMPERATURE_LIMIT_LOWEST,
                                    (upperAlone ? upper : TEMPERATURE_LIMIT_HIGHEST) - 1};
    if (!upperAlone)
        return upperRefused;
    if (!lowerAlone)
        return lowerRefused;
    if (upper > lower)
        return {TemperatureField::None, 0, 0};
    return typedLast == TemperatureField::Upper ? upperRefused : lowerRefused;
}
