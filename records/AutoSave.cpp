#include "records/AutoSave.h"

#include "records/ReadingsRecord.h"
#include "records/RecordFileIo.h"
#include "records/UnitFactors.h"
#include "texts/Cities.h"
#include "texts/TextTables.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// Rows of the automatic-saving texts that the snapshots read.
constexpr int ROW_COMPUTER_TIME = 21;
constexpr int ROW_DEVICE_TIME = 22;
constexpr int ROW_WIND_SPEED = 31;
constexpr int ROW_WIND_DIRECTION = 32;
constexpr int ROW_WIND_CHILL = 33;
constexpr int ROW_WIND_GUST = 34;

bool Present(double value) { return value > MISSING_VALUE; }

// printf into a wide string (MinGW: "%ls" for wide arguments).
std::wstring Format(const wchar_t* format, ...)
{
    wchar_t buffer[1024];
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buffer, sizeof buffer / sizeof buffer[0], format, args);
    va_end(args);
    if (n >= 0)
        return std::wstring(buffer, static_cast<size_t>(n));
    // Longer than the buffer (a very long user name): format into a heap buffer.
    std::vector<wchar_t> big(65536);
    va_start(args, format);
    const int m = std::vswprintf(big.data(), big.size(), format, args);
    va_end(args);
    return m >= 0 ? std::wstring(big.data(), static_cast<size_t>(m)) : std::wstring();
}

const wchar_t* PanelLabel(int element)
{
    if (g_currentPanelLabels == nullptr || element < 0 || element >= PANEL_LABEL_COUNT)
        return L"";
    const wchar_t* text = g_currentPanelLabels[element];
    return text ? text : L"";
}

const wchar_t* CompassWord(int index)
{
    if (g_currentCompassWords == nullptr || index < 0 || index >= COMPASS_WORD_COUNT)
        return L"";
    const wchar_t* text = g_currentCompassWords[index];
    return text ? text : L"";
}

const wchar_t* Row(int row, int language) { return TextAt(g_mainAutoSavingTexts, row, language); }

// A hemisphere code 0 or 1 gives its compass word (base 0 latitude, 2 longitude); others none.
const wchar_t* HemisphereWord(int base, int hemisphere)
{
    return hemisphere == 0 || hemisphere == 1 ? CompassWord(base + hemisphere) : L"";
}

struct LocationTexts {
    std::wstring name, latitude, longitude;
};

LocationTexts LocationTextsOf(const AutoSaveLocation& location)
{
    LocationTexts texts;
    const int c = location.cityIndex;
    if (c == USER_DEFINED_CITY) {
        texts.name = location.userCityName;
        texts.latitude = Format(L"%d,%d,%ls", location.position.latitudeDegrees, location.position.latitudeMinutes,
                                HemisphereWord(0, location.position.latitudeHemisphere));
        texts.longitude = Format(L"%d,%d,%ls", location.position.longitudeDegrees, location.position.longitudeMinutes,
                                 HemisphereWord(2, location.position.longitudeHemisphere));
    } else if (IsValidCityIndex(c)) {
        texts.name = CityNameAt(c);
        texts.latitude = Format(L"%d,%d,%ls", g_cityLatitudes[c][POSITION_DEGREES], g_cityLatitudes[c][POSITION_MINUTES],
                                HemisphereWord(0, g_cityLatitudes[c][POSITION_HEMISPHERE]));
        texts.longitude =
            Format(L"%d,%d,%ls", g_cityLongitudes[c][POSITION_DEGREES], g_cityLongitudes[c][POSITION_MINUTES],
                   HemisphereWord(2, g_cityLongitudes[c][POSITION_HEMISPHERE]));
    }
    // A city index outside the table (a damaged station record) has no name and no position.
    return texts;
}

// The values of the snapshot in display units, with their unit texts.
struct DisplayValues {
    double pressure, uv, windSpeed, windGust, windChill;
    double temperature[AUTO_SAVE_SENSOR_COUNT];
    const wchar_t *temperatureUnit, *pressureUnit, *uvUnit, *windUnit, *rainUnit;
};

DisplayValues DisplayValuesOf(const AutoSaveSnapshot& s)
{
    DisplayValues v;
    const AutoSaveReadings& r = s.readings;
    v.pressure = AutoSavePressure(r.pressure, s.units.pressure);
    v.uv = AutoSaveUv(r.uv, s.units.uv);
    v.windSpeed = AutoSaveWind(r.windSpeed, s.units.wind);
    v.windGust = AutoSaveWind(r.windGust, s.units.wind);
    v.windChill = AutoSaveTemperature(r.windChill, s.units.temperature);
    for (int i = 0; i < AUTO_SAVE_SENSOR_COUNT; ++i)
        v.temperature[i] = AutoSaveTemperature(r.temperature[i], s.units.temperature);
    v.temperatureUnit = AutoSaveTemperatureUnitText(s.units.temperature);
    v.pressureUnit = AutoSavePressureUnitText(s.units.pressure);
    v.uvUnit = AutoSaveUvUnitText(s.units.uv);
    v.windUnit = AutoSaveWindUnitText(s.units.wind);
    v.rainUnit = AutoSaveRainUnitText(s.units.rain);
    return v;
}

std::wstring RecordTimeText(const AutoSaveSnapshot& s)
{
    // recordTime: hour, minute, year, month, day.
    return AutoSaveTimeText(s.recordTime[2], s.recordTime[3], s.recordTime[4], s.recordTime[0], s.recordTime[1]);
}

// "label unit<separator>value" of a measured value and a line end; `blank` stands for a missing value.
std::wstring ValueLine(const wchar_t* label, const wchar_t* unit, double value, const wchar_t* separator,
                       const wchar_t* blank)
{
    return Present(value) ? Format(L"%ls %ls%ls%.1f\n", label, unit, separator, value)
                          : Format(L"%ls %ls%ls%ls\n", label, unit, separator, blank);
}

// The lines both saved files start with: the two times, pressure, UV and the place.
std::wstring LeadingLines(const AutoSaveSnapshot& s, const DisplayValues& v, int language, __time64_t saveTime,
                          const wchar_t* separator, const wchar_t* blank)
{
    const LocationTexts place = LocationTextsOf(s.location);
    std::wstring out;
    out += Format(L"%ls%ls%ls\n", Row(ROW_COMPUTER_TIME, language), separator, AutoSaveTimeText(saveTime).c_str());
    out += Format(L"%ls%ls%ls\n", Row(ROW_DEVICE_TIME, language), separator, RecordTimeText(s).c_str());
    out += ValueLine(PanelLabel(PANEL_PRESSURE), v.pressureUnit, v.pressure, separator, blank);
    out += ValueLine(PanelLabel(PANEL_UV_INDEX), v.uvUnit, v.uv, separator, blank);
    out += Format(L"%ls%ls%ls\n", PanelLabel(PANEL_CITY_NAME), separator, place.name.c_str());
    out += Format(L"%ls%ls%ls\n", PanelLabel(PANEL_LATITUDE), separator, place.latitude.c_str());
    out += Format(L"%ls%ls%ls\n", PanelLabel(PANEL_LONGITUDE), separator, place.longitude.c_str());
    return out;
}

}  // namespace

AutoSaveReadings AutoSaveReadingsFrom(const ReadingsRecord& record)
{
    AutoSaveReadings r;
    r.pressure = record.GetPressure();
    r.uv = record.GetUvIndex();
    r.temperature[0] = record.GetIndoorTemperature();
    r.humidity[0] = record.GetIndoorHumidity();
    for (int channel = 1; channel < AUTO_SAVE_SENSOR_COUNT; ++channel) {
        r.temperature[channel] = record.GetChannelTemperature(channel);
        r.humidity[channel] = record.GetChannelHumidity(channel);
    }
    r.windSpeed = record.GetWindSpeed();
    r.windDirection = record.WindDirectionIndex();
    r.windChill = record.GetWindChill();
    r.windGust = record.GetWindGust();
    return r;
}

const wchar_t* AutoSaveTemperatureUnitText(int unit) { return unit == 0 ? L"(degC)" : L"(degF)"; }

const wchar_t* AutoSavePressureUnitText(int unit)
{
    return unit == 0 ? L"(inHg)" : unit == 1 ? L"(mBar/hPa)" : L"(mmHg)";
}

const wchar_t* AutoSaveUvUnitText(int unit) { return unit == 1 ? L"(UVI)" : L"(MED/h)"; }

const wchar_t* AutoSaveWindUnitText(int unit)
{
    switch (unit) {
    case 0: return L"(km/h)";
    case 1: return L"(knots)";
    case 2: return L"(m/s)";
    default: return L"(mph)";
    }
}

const wchar_t* AutoSaveRainUnitText(int unit) { return unit == 0 ? L"(inch)" : L"(mm)"; }

double AutoSaveTemperature(double celsius, int unit)
{
    return Present(celsius) && unit == 1 ? celsius * FACTOR_C_TO_F + 32 : celsius;
}

double AutoSavePressure(double hpa, int unit)
{
    if (!Present(hpa))
        return hpa;
    return unit == 0 ? hpa * FACTOR_HPA_TO_INHG : unit == 2 ? hpa * FACTOR_HPA_TO_MMHG : hpa;
}

double AutoSaveUv(double uvIndex, int unit)
{
    return Present(uvIndex) && unit == 0 ? uvIndex * FACTOR_UVI_TO_MEDH : uvIndex;
}

double AutoSaveWind(double mph, int unit)
{
    if (!Present(mph))
        return mph;
    switch (unit) {
    case 0: return mph * FACTOR_MPH_TO_KMH;
    case 1: return mph * FACTOR_MPH_TO_KNOTS;
    case 2: return mph * FACTOR_MPH_TO_MS;
    default: return mph;
    }
}

std::wstring AutoSaveTimeText(int year, int month, int day, int hour, int minute)
{
    return Format(L"%04d.%02d.%02d %02d:%02d", year, month, day, hour, minute);
}

std::wstring AutoSaveTimeText(__time64_t moment)
{
    std::tm local{};
    if (_localtime64_s(&local, &moment) != 0)
        return std::wstring();
    return AutoSaveTimeText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
}

std::wstring BuildAutoSaveCsvLines(const AutoSaveSnapshot& s, int language, __time64_t saveTime)
{
    const DisplayValues v = DisplayValuesOf(s);
    const AutoSaveReadings& r = s.readings;
    std::wstring out = LeadingLines(s, v, language, saveTime, L",", L"");
    out += Format(L",%ls %ls,%ls (%%)\n", PanelLabel(PANEL_TEMPERATURE), v.temperatureUnit,
                  PanelLabel(PANEL_HUMIDITY));
    for (int i = 0; i < AUTO_SAVE_SENSOR_COUNT; ++i) {
        const wchar_t* name = s.sensorNames[i].c_str();
        out += Present(v.temperature[i]) ? Format(L"%ls,%.1f,", name, v.temperature[i]) : Format(L"%ls,,", name);
        out += Present(r.humidity[i]) ? Format(L"%.1f\n", r.humidity[i]) : std::wstring(L"\n");
    }
    out += Format(L"%ls %ls %ls,%ls\n", PanelLabel(PANEL_RAIN_TOTAL), PanelLabel(PANEL_RAIN_TOTAL_LINE2), v.rainUnit,
                  s.rainTotalText.c_str());
    out += Present(v.windSpeed) ? Format(L"%ls %ls,%.1f,%ls,%d\n", Row(ROW_WIND_SPEED, language), v.windUnit,
                                         v.windSpeed, Row(ROW_WIND_DIRECTION, language), r.windDirection)
                                : Format(L"%ls %ls,,%ls,\n", Row(ROW_WIND_SPEED, language), v.windUnit,
                                         Row(ROW_WIND_DIRECTION, language));
    out += Present(v.windChill)
               ? Format(L"%ls %ls,%.1f,", Row(ROW_WIND_CHILL, language), v.temperatureUnit, v.windChill)
               : Format(L"%ls %ls,,", Row(ROW_WIND_CHILL, language), v.temperatureUnit);
    out += ValueLine(Row(ROW_WIND_GUST, language), v.windUnit, v.windGust, L",", L"");
    return out;
}

std::wstring BuildAutoSaveTxtLines(const AutoSaveSnapshot& s, int language, __time64_t saveTime)
{
    const DisplayValues v = DisplayValuesOf(s);
    const AutoSaveReadings& r = s.readings;
    std::wstring out = LeadingLines(s, v, language, saveTime, L": ", L" ");
    for (int i = 0; i < AUTO_SAVE_SENSOR_COUNT; ++i) {
        const wchar_t* name = s.sensorNames[i].c_str();
        out += Present(v.temperature[i]) ? Format(L"[%ls] %ls %ls: %.1f ", name, PanelLabel(PANEL_TEMPERATURE),
                                                  v.temperatureUnit, v.temperature[i])
                                         : Format(L"[%ls] %ls %ls:  ", name, PanelLabel(PANEL_TEMPERATURE),
                                                  v.temperatureUnit);
        out += Present(r.humidity[i]) ? Format(L"%ls (%%): %.1f\n", PanelLabel(PANEL_HUMIDITY), r.humidity[i])
                                      : Format(L"%ls (%%): \n", PanelLabel(PANEL_HUMIDITY));
    }
    out += Format(L"%ls %ls %ls: %ls\n", PanelLabel(PANEL_RAIN_TOTAL), PanelLabel(PANEL_RAIN_TOTAL_LINE2),
                  v.rainUnit, s.rainTotalText.c_str());
    out += Present(v.windSpeed) ? Format(L"%ls %ls: %.1f %ls: %d\n", Row(ROW_WIND_SPEED, language), v.windUnit,
                                         v.windSpeed, Row(ROW_WIND_DIRECTION, language), r.windDirection)
                                : Format(L"%ls %ls:  %ls: \n", Row(ROW_WIND_SPEED, language), v.windUnit,
                                         Row(ROW_WIND_DIRECTION, language));
    out += Present(v.windChill)
               ? Format(L"%ls %ls: %.1f ", Row(ROW_WIND_CHILL, language), v.temperatureUnit, v.windChill)
               : Format(L"%ls %ls:  ", Row(ROW_WIND_CHILL, language), v.temperatureUnit);
    out += ValueLine(Row(ROW_WIND_GUST, language), v.windUnit, v.windGust, L": ", L" ");
    return out;
}

UINT AutoSaveCodePage()
{
    const UINT acp = GetACP();
    CPINFO info{};
    if (acp != CP_UTF8 && GetCPInfo(acp, &info) && info.MaxCharSize == 1)
        return acp;
    return 1252;
}

std::string ToEightBitText(const std::wstring& text, UINT codePage)
{
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, "?", nullptr);
    if (n <= 0) {
        // A code page the system cannot convert to: keep ASCII, everything else is '?'.
        std::string ascii(text.size(), '?');
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] < 0x80)
                ascii[i] = static_cast<char>(text[i]);
        return ascii;
    }
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, &out[0], n, "?", nullptr);
    return out;
}

std::wstring WithCrLf(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (wchar_t c : text) {
        if (c == L'\n')
            out += L'\r';
        out += c;
    }
    return out;
}

bool WriteAutoSaveCsv(const std::wstring& path, const AutoSaveSnapshot& snapshot, int language,
                      __time64_t saveTime)
{
    const std::wstring lines = WithCrLf(BuildAutoSaveCsvLines(snapshot, language, saveTime));
    return ReplaceFileWith(path, ToEightBitText(lines, AutoSaveCodePage()));
}

bool WriteAutoSaveTxt(const std::wstring& path, const AutoSaveSnapshot& snapshot, int language,
                      __time64_t saveTime)
{
    const std::wstring lines = WithCrLf(BuildAutoSaveTxtLines(snapshot, language, saveTime));
    std::string bytes;
    bytes.reserve(2 + lines.size() * 2);
    bytes += '\xFF';
    bytes += '\xFE';
    for (wchar_t c : lines) {
        const unsigned unit = static_cast<unsigned>(c) & 0xFFFF;
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return ReplaceFileWith(path, bytes);
}
