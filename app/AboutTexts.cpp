#include "app/AboutTexts.h"

#include "records/MainRecords.h"
#include "station/StationMemoryMap.h"

#include <cwchar>

namespace about {

namespace {

constexpr int ADDRESS_VERSIONS = 152;
constexpr int ADDRESS_BATTERY = 76;
const wchar_t* const kNoVersion = L"  -";
const wchar_t* const kNoLine = L" -";
const wchar_t* const kProgramVersion = L"Version 1.4";

// A control text, or "-" when it shows nothing (empty or blanks).
std::wstring Dash(const std::wstring& text)
{
    return text.find_first_not_of(L' ') == std::wstring::npos ? L"-" : text;
}

std::wstring Newest(const double* values, int size, int count)
{
    return FormatReading(L"-", count, values[size - 1]);
}

}  // namespace

std::wstring VersionText(uint8_t byte)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"  V%x", static_cast<unsigned>(byte));
    return text;
}

std::wstring MemorySizeText(uint8_t byte252)
{
    static const wchar_t* const kSizes[4] = {L"64Kbit", L"256Kbit", L"1Mbit", L"512Kbit"};
    return kSizes[byte252 & 3];
}

std::wstring RecordPointerText(uint8_t byte253, uint8_t byte255)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", NextRecordAddressFromIndex(HistoryIndexFromBytes(byte253, byte255)));
    return text;
}

std::wstring IntervalText(uint8_t code)
{
    static const wchar_t* const kIntervals[11] = {L"5 minutes", L"10 minutes", L"20 minutes", L"30 minutes",
                                                  L"1 hour",    L"1.5 hours",  L"2 hours",    L"3 hours",
                                                  L"4 hours",   L"6 hours",    L"1 day"};
    return code >= 1 && code <= 11 ? kIntervals[code - 1] : L"";
}

std::wstring BatteryText(uint8_t byte76)
{
    std::wstring text;
    for (int bit = 7; bit >= 0; --bit)
        text += (byte76 >> bit) & 1 ? L'+' : L'-';
    return text;
}

void FillTexts(const StationSources& s, std::wstring (&texts)[ABOUT_TEXT_COUNT])
{
    texts[TEXT_PROGRAM_VERSION] = kProgramVersion;
    if (!s.stationReady || s.image == nullptr) {
        for (int k = 0; k < VERSION_COUNT; ++k)
            texts[TEXT_VERSION_FIRST + k] = kNoVersion;
        for (int k = TEXT_RECORD_TIME; k < TEXT_PROGRAM_VERSION; ++k)
            texts[k] = kNoLine;
        return;
    }
    for (int k = 0; k < VERSION_COUNT; ++k)
        texts[TEXT_VERSION_FIRST + k] = s.versionsRead ? VersionText(s.image[ADDRESS_VERSIONS + k]) : kNoVersion;

    wchar_t when[48];
    std::swprintf(when, 48, L"%04d.%02d.%02d %02d:%02d", s.year, s.month, s.day, s.hour, s.minute);
    texts[TEXT_RECORD_TIME] = when;

    if (s.memoryInfoRead) {
        texts[TEXT_MEMORY_SIZE] = MemorySizeText(s.image[ADDRESS_MEMORY_SIZE]);
        texts[TEXT_RECORD_POINTER] = RecordPointerText(s.image[ADDRESS_HISTORY_INDEX], s.image[MEMORY_INFO_LAST]);
        texts[TEXT_INTERVAL] = IntervalText(s.image[ADDRESS_RECORD_INTERVAL]);
    } else {
        texts[TEXT_MEMORY_SIZE] = texts[TEXT_RECORD_POINTER] = texts[TEXT_INTERVAL] = kNoLine;
    }
    texts[TEXT_BATTERY] = s.batteryRead ? BatteryText(s.image[ADDRESS_BATTERY]) : kNoLine;
    for (int k = 0; k < STATUS_COUNT; ++k)
        texts[TEXT_STATUS_FIRST + k] = s.status[k];
}

void BuildStatusTexts(const CMainRecords& r, double currentGust, const std::wstring& rainSinceReset,
                      std::wstring (&status)[STATUS_COUNT])
{
    auto sensorPair = [&r](int sensor) {
        const int row = SensorRow(sensor);
        return Newest(r.m_sensorHistoryTemperatures[row], SENSOR_HISTORY_SIZE, r.m_sensorHistoryCounts[sensor]) +
               L" " +
               Newest(r.m_sensorHistoryHumidities[row], SENSOR_HISTORY_SIZE, r.m_humidityHistoryCounts[sensor]);
    };
    status[0] = sensorPair(0);
    status[1].clear();
    for (int channel = 1; channel < SENSOR_COUNT; ++channel)
        status[1] += (channel > 1 ? L" " : L"") + sensorPair(channel);

    status[2] = r.m_uvHistoryCount > 0 ? FormatReading(L"-", r.m_uvHistoryCount, r.m_readings.GetUvIndex()) : L"-";
    // A missing pressure is a dash like every other missing value, never -999.9.
    status[3] = FormatReading(L"-", 1, r.m_readings.GetPressure());

    // Every wind value in the display unit (the maxima are kept in mph).
    const auto maximum = [&r](double mph) { return FormatReading(L"-", 1, IsMissing(mph) ? mph : mph * r.m_windFactor); };
    status[4] = Newest(r.m_windHistorySpeeds, WIND_HISTORY_SIZE, r.m_windHistoryCount) + L" " + maximum(r.m_windNow[0]) +
                L" " + FormatReading(L"-", 1, currentGust) + L" " + maximum(r.m_windNow[1]);
    status[5] = Dash(rainSinceReset);
}

}  // namespace about
