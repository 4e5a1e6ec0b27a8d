#include "display/ClockTexts.h"

namespace {

bool Within(int value, int low, int high) { return value >= low && value <= high; }

bool Readable(const LocalTime& t)
{
    return Within(t.year, 1, 9999) && Within(t.month, 1, 12) && Within(t.day, 1, 31) && Within(t.hour, 0, 23) &&
           Within(t.minute, 0, 59) && Within(t.second, 0, 59) && Within(t.weekday, 0, 6);
}

std::wstring TwoDigits(int value) { return (value < 10 ? L"0" : L"") + std::to_wstring(value); }

}  // namespace

int TwelveHourClockHour(int hour)
{
    const int onTheDial = hour % 12;
    return onTheDial == 0 ? 12 : onTheDial;
}

const wchar_t* TwelveHourClockHalf(int hour) { return hour >= 12 ? L"PM" : L"AM"; }

ClockTexts MakeClockTexts(const LocalTime* now, bool clock24h, const wchar_t* const* weekdayNames)
{
    ClockTexts texts;
    if (now == nullptr || !Readable(*now))
        return texts;
    const LocalTime& t = *now;
    texts.date = std::to_wstring(t.year) + L"/" + std::to_wstring(t.month) + L"/" + std::to_wstring(t.day);
    const int hour = clock24h ? t.hour : TwelveHourClockHour(t.hour);
    texts.time = std::to_wstring(hour) + L":" + TwoDigits(t.minute);
    if (clock24h)
        texts.secondsOrHalf = TwoDigits(t.second);
    else
        texts.secondsOrHalf = TwelveHourClockHalf(t.hour);
    if (weekdayNames != nullptr && weekdayNames[t.weekday] != nullptr)
        texts.weekday = weekdayNames[t.weekday];
    return texts;
}
