// The main window's current values outside the sensor panels: UV, rain totals, pressure, wind, the
// location and the time of the last rain reset, re-texted after every new reading, settings change
// or clearing.
#include "app/OrvelleDlg.h"

#include "app/ValueTexts.h"
#include "display/SkyPanel.h"
#include "records/StationMinMax.h"
#include "station/DataDecode.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

#include <cwchar>

namespace {

constexpr int RAIN_RESET_CAPTION_ELEMENT = 120;  // "since"

// Control ids of the values shown here.
enum : int {
    ID_UV_LEVEL_TEXT = 1052,
    ID_UV_NOW = 1056,
    ID_UV_MAX_TODAY = 1057,
    ID_UV_MAX_YESTERDAY = 1058,
    ID_UV_MAX_WEEK_AGO = 1059,
    ID_CITY = 1064,
    ID_LATITUDE = 1065,
    ID_LONGITUDE = 1066,
    ID_DST_RULE = 1067,
    ID_ZONE = 1068,
    ID_LOCAL_PRESSURE = 1027,
    ID_WIND_SPEED = 1087,
    ID_GUST = 1088,
    ID_WIND_MAX = 1089,
    ID_GUST_MAX = 1090,
    ID_WIND_DEGREES = 1091,
    ID_WIND_COMPASS = 1092,
    ID_WIND_CHILL = 1093,
    ID_RAIN_SINCE_RESET = IDC_RAIN_TOTAL,
    ID_RAIN_YESTERDAY = 1099,
    ID_RAIN_RESET_TIME = 1140,
};

// A value in the display unit; a missing value stays missing (never converted as a number).
double Scaled(double value, double factor) { return IsMissing(value) ? value : value * factor; }

std::wstring OneDecimal(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.1f", value);
    return text;
}

// Compass word of a hemisphere flag: latitude north / south, longitude (first = 2) east / west.
const wchar_t* CompassWord(int first, int hemisphere)
{
    const wchar_t* word = g_currentCompassWords[first + (hemisphere != 0 ? 1 : 0)];
    return word ? word : L"";
}

}  // namespace

void COrvelleDlg::RefreshAllValues()
{
    const std::wstring blank = EntryAt(g_progressTexts, 3);
    if (g_systemKV318.ReadMinMaxAreas())
        LoadStationMinMax();
    ShowUvMaxima(blank);
    ShowWindMaxima(blank);
    ShowRainTotalTexts(blank);
    TakeCurrentForecastGustAndChill();
    ShowLocationText(true);
    ShowRainSinceReset();
    ShowUvTexts(blank);
    ShowPressureTexts();
    ShowWindTexts(blank);
    UpdateUpperSensorPanel();
    UpdateLowerSensorPanel();
    ShowRainResetText();
}

bool COrvelleDlg::StationMinMaxTextsNow(StationMinMaxTexts* texts)
{
    *texts = MinMaxTextsFromDecoder(g_dataDecode);
    return true;
}

// The daily UV maxima: today, yesterday, seven days ago.
void COrvelleDlg::ShowUvMaxima(const std::wstring& blank)
{
    SetControlText(ID_UV_MAX_WEEK_AGO, FormatReading(blank, 1, Scaled(m_uvDailyMax[0], m_uvFactor)));
    SetControlText(ID_UV_MAX_YESTERDAY, FormatReading(blank, 1, Scaled(m_uvDailyMax[6], m_uvFactor)));
    SetControlText(ID_UV_MAX_TODAY, FormatReading(blank, 1, Scaled(m_uvDailyMax[7], m_uvFactor)));
}

// The wind and gust maxima of the download.
void COrvelleDlg::ShowWindMaxima(const std::wstring& blank)
{
    SetControlText(ID_WIND_MAX, FormatReading(blank, 1, Scaled(m_windNow[0], m_windFactor)));
    SetControlText(ID_GUST_MAX, FormatReading(blank, 1, Scaled(m_windNow[1], m_windFactor)));
}

// Rain of yesterday, the last week and the last month, with the rain unit's decimals.
void COrvelleDlg::ShowRainTotalTexts(const std::wstring& blank)
{
    const double current = m_readings.RainValue();
    for (int k = 0; k < 3; ++k)
        SetControlText(ID_RAIN_YESTERDAY + k, values::RainTotalText(m_rainNow[k], current, m_rainFactor, blank));
}

void COrvelleDlg::TakeCurrentForecastGustAndChill()
{
    m_forecastCode = m_readings.GetForecastCode();
    m_forecastFlag = m_readings.GetForecastFlag();
    const double gust = m_readings.GetWindGust();
    m_currentGust = IsMissing(gust) ? DISPLAY_MISSING : gust * m_windFactor;
    m_currentWindChill = values::DisplayTemperature(m_readings.GetWindChill(), m_temperatureFactor);
}

// Rain since the last reset; a reading below the reset's counter leaves the text as it is.
void COrvelleDlg::ShowRainSinceReset()
{
    const double rain = m_readings.RainValue();
    if (IsMissing(rain))
        return;
    const double sinceReset = (rain - m_rainCounterAtReset) * m_rainFactor;
    if (sinceReset >= 0)
        SetControlText(ID_RAIN_SINCE_RESET, values::RainText(sinceReset, m_rainFactor));
}

// The current UV value, and the exposure level of the newest UV sample as text and picture.
void COrvelleDlg::ShowUvTexts(const std::wstring& blank)
{
    const double uv = m_readings.GetUvIndex();
    if (!IsMissing(uv))
        SetControlText(ID_UV_NOW,
                       m_uvHistoryCount > 0 ? FormatReading(blank, m_uvHistoryCount, uv * m_uvFactor) : blank);

    const double newest = m_uvHistoryValues[UV_HISTORY_SIZE - 1];
    if (m_uvHistoryCount <= 0 || IsMissing(newest)) {
        SetControlText(ID_UV_LEVEL_TEXT, blank);
        return;
    }
    const double index = m_uvFactor != 1.0 && m_uvFactor != 0 ? newest / m_uvFactor : newest;
    const int level = values::UvLevel(index);
    if (m_uvLevelPicture.IsWindow())
        m_uvLevelPicture.LoadBitmapResource(IDB_UV_LEVEL_FIRST + level);
    const wchar_t* text = g_currentUvLevelTexts[level];
    SetControlText(ID_UV_LEVEL_TEXT, text ? text : L"");
}

// Station pressure (the custom static 1002) and the pressure at sea level for the altitude.
void COrvelleDlg::ShowPressureTexts()
{
    const double pressure = m_readings.GetPressure();
    const bool present = !IsMissing(pressure);
    if (m_seaLevelPressureText.IsWindow())
        m_seaLevelPressureText.SetText(present ? OneDecimal(pressure * m_pressureFactor).c_str() : L"");
    UpdateAltitudePressureOffset();
    SetControlText(ID_LOCAL_PRESSURE,
                   present ? OneDecimal((pressure + m_pressureOffset) * m_pressureFactor) : std::wstring());
}

// Wind direction of the newest sample (both texts blank without one), speed, gust and wind chill.
void COrvelleDlg::ShowWindTexts(const std::wstring& blank)
{
    const double direction =
        m_windHistoryCount > 0 ? m_windHistoryDirections[WIND_HISTORY_SIZE - 1] : static_cast<double>(MISSING_VALUE);
    const values::WindDirectionTexts texts = values::WindDirectionTextsOf(direction, g_currentWindDirectionTexts);
    SetControlText(ID_WIND_DEGREES, texts.degrees);
    SetControlText(ID_WIND_COMPASS, texts.compass);

    const double speed = m_readings.GetWindSpeed();
    SetControlText(ID_WIND_SPEED,
                   IsMissing(speed) ? blank : FormatReading(blank, m_windHistoryCount, speed * m_windFactor));
    SetControlText(ID_GUST, FormatReading(blank, 1, m_currentGust));
    SetControlText(ID_WIND_CHILL, FormatReading(blank, 1, m_currentWindChill));
}

void COrvelleDlg::ShowLocationText(bool fromStation)
{
    int city = -1;
    if (fromStation) {
        // Without the station's location bytes, or with a code that names no city, the texts stay.
        if (!g_systemKV318.ReadMemoryRange(0, 44))
            return;
        const uint8_t* image = g_systemKV318.m_memoryImage;
        city = values::StationCityIndex(image);
        if (!IsValidCityIndex(city))
            return;
        if (city == USER_DEFINED_CITY)
            values::DecodeStationUserCity(image, &m_locationSettings[0]);
    } else {
        city = m_chosenCityIndex > 0 ? m_chosenCityIndex : m_cityIndex;
        if (!IsValidCityIndex(city))
            return;
    }

    if (city != USER_DEFINED_CITY) {
        m_locationText[0] = m_locationText[1] = CityNameAt(city);
        SetFittedText(ID_CITY, CityNameAt(city));
        ShowTableCityTexts(city);
        return;
    }
    // The user-defined city: its name and position from the location settings; the daylight-saving
    // and zone texts stay as they are.
    const CityLocation& own = m_locationSettings[0];
    m_locationText[0] = m_locationText[1] = own.name;
    SetFittedText(ID_CITY, own.name);
    SetControlText(ID_LATITUDE,
                   sky::PositionText(own.latitudeDegrees, own.latitudeMinutes, CompassWord(0, own.latitudeHemisphere)));
    SetControlText(ID_LONGITUDE, sky::PositionText(own.longitudeDegrees, own.longitudeMinutes,
                                                   CompassWord(2, own.longitudeHemisphere)));
}

void COrvelleDlg::ShowTableCityTexts(int city)
{
    if (!IsValidCityIndex(city))
        return;
    const int* latitude = g_cityLatitudes[city];
    const int* longitude = g_cityLongitudes[city];
    SetControlText(ID_LATITUDE, sky::PositionText(latitude[0], latitude[1], CompassWord(0, latitude[2])));
    SetControlText(ID_LONGITUDE, sky::PositionText(longitude[0], longitude[1], CompassWord(2, longitude[2])));
    SetControlText(ID_DST_RULE, DstCodeAt(g_cityDstRules[city]));
    SetControlText(ID_ZONE, sky::ZoneText(g_cityTimeZones[city]));
}

void COrvelleDlg::ShowRainResetText()
{
    const CString caption = m_elemCaption.size() > RAIN_RESET_CAPTION_ELEMENT
                                ? m_elemCaption[RAIN_RESET_CAPTION_ELEMENT]
                                : CString(PanelLabelsFor(m_language)[RAIN_RESET_CAPTION_ELEMENT]);
    wchar_t when[64];
    std::swprintf(when, 64, L" %d/%d/%d %d:%02d", m_rainResetTime[0], m_rainResetTime[1], m_rainResetTime[2],
                  m_rainResetTime[3], m_rainResetTime[4]);
    SetControlText(ID_RAIN_RESET_TIME, caption.str() + when);
}

void COrvelleDlg::OnRedrawChartsButton()
{
    DrawPressureBarChart();
    DrawUvLineChart();
    DrawWindRoseChart();
}
