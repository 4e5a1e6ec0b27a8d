// The sky panel of the main window: the moon of the day, the animated forecast picture, the
// location texts of the station's city, and the sunrise and sunset times from Lumidor.dll.
#include "app/OrvelleDlg.h"

#include "display/SkyPanel.h"
#include "platform/lumidor/Lumidor.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

namespace {

constexpr int ID_SUNRISE = 1061;
constexpr int ID_SUNSET = 1062;
constexpr int ID_MOON_PHASE = 1063;
constexpr int ID_CITY = 1064;
constexpr int SMALL_CHART_ALWAYS_SUNSET = 5;
constexpr int SMALL_CHART_ALWAYS_SUNRISE = 6;
constexpr uint8_t STATION_DST_BIT = 0x08;  // bit 3 of station address 0

}  // namespace

void COrvelleDlg::UpdateLunarPhase()
{
    const int phase =
        m_varnokCal.Varnok(m_recordTime[RECORD_YEAR], m_recordTime[RECORD_MONTH], m_recordTime[RECORD_DAY],
                           sky::MOON_PHASE_COUNT);
    if (phase == m_lastLunarPhase)
        return;
    const int bitmap = sky::MoonBitmapId(phase);
    if (bitmap == 0)
        return;  // a date before the library's reference moon gives no phase
    m_lastLunarPhase = phase;
    const wchar_t* name = g_currentLunarPhaseNames[phase];
    SetControlText(ID_MOON_PHASE, name ? name : L"");
    if (m_moonPicture.IsWindow())
        m_moonPicture.LoadBitmapResource(bitmap);
}

void COrvelleDlg::AnimateForecastIcon()
{
    m_forecastFrame = sky::NextForecastFrame(m_forecastFrame);
    const int bitmap = sky::ForecastBitmapId(m_forecastCode, m_forecastFlag, m_forecastFrame);
    if (bitmap != 0)
        m_forecastBitmapId = bitmap;
    // Before any valid code there is no picture to load: the control keeps what it shows.
    if (m_forecastBitmapId != 0 && m_forecastPicture.IsWindow())
        m_forecastPicture.LoadBitmapResource(m_forecastBitmapId);
}

void COrvelleDlg::UpdateLocationTexts()
{
    if (!IsValidCityIndex(m_cityIndex))
        return;  // a damaged city code: the texts stay
    m_locationText[0] = CityNameAt(m_readings.m_cityNameIndex);
    m_locationText[1] = CityNameAt(m_cityIndex);
    SetFittedText(ID_CITY, m_locationText[1].str());
    ShowTableCityTexts(m_cityIndex);
}

std::wstring COrvelleDlg::UpdateSunriseText() { return SunEventText("sunrise", ID_SUNRISE); }

std::wstring COrvelleDlg::UpdateSunsetText() { return SunEventText("sunset", ID_SUNSET); }

std::wstring COrvelleDlg::SunEventText(const char* exportName, int controlId)
{
    CString shown;
    if (m_hWnd)
        GetDlgItemText(controlId, shown);
    // Without the library or its export, or without a city, the text stays as it is.
    const auto event = m_hLumidor != nullptr
                           ? reinterpret_cast<LumidorSunFunction>(::GetProcAddress(m_hLumidor, exportName))
                           : nullptr;
    const int city = m_chosenCityIndex > 0 ? m_chosenCityIndex : m_cityIndex;
    if (event == nullptr || !IsValidCityIndex(city))
        return shown.str();

    sky::SunPlace place;
    if (city == USER_DEFINED_CITY) {
        const CityLocation& own = m_locationSettings[0];
        place = sky::UserDefinedPlace(own.latitudeDegrees, own.latitudeMinutes, own.latitudeHemisphere,
                                      own.longitudeDegrees, own.longitudeMinutes, own.longitudeHemisphere,
                                      own.zoneEast, own.zoneHours, own.zoneHalfHour);
    } else {
        place.latitudeDegrees = g_cityLatitudes[city][0];
        place.latitudeMinutes = g_cityLatitudes[city][1];
        place.south = g_cityLatitudes[city][2];
        place.longitudeDegrees = g_cityLongitudes[city][0];
        place.longitudeMinutes = g_cityLongitudes[city][1];
        place.west = g_cityLongitudes[city][2];
        place.zoneHours = g_cityTimeZones[city];
    }
    // The station's own daylight-saving flag; the downloaded one when the station cannot be read.
    const int daylightSaving = g_systemKV318.ReadMemoryRange(0, 32)
                                   ? ((g_systemKV318.m_memoryImage[0] & STATION_DST_BIT) ? 1 : 0)
                                   : m_readings.m_headerLine1Value;
    const sky::SunQuery q = sky::BuildSunQuery(m_recordTime[RECORD_DAY], m_recordTime[RECORD_MONTH],
                                               m_recordTime[RECORD_YEAR], place, daylightSaving);
    const int result = event(q.day, q.month, q.year, q.latitudeDegrees, q.latitudeMinutes, q.latitudeCode,
                             q.longitudeDegrees, q.longitudeMinutes, q.longitudeCode, q.zoneHours, q.zoneMinuteCode,
                             q.zoneSignCode, q.daylightSaving);
    return sky::SunTimeText(result, m_clock24h != 0, TextAt(g_smallChartTitles, SMALL_CHART_ALWAYS_SUNSET, m_language),
                            TextAt(g_smallChartTitles, SMALL_CHART_ALWAYS_SUNRISE, m_language));
}
