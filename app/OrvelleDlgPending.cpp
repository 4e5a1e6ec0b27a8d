// Operations of the main dialog that the polling loop calls and whose full form comes with the
// current-value texts, the menu commands and the display units.
//
// Complete here: BuildCurrentRecordLine, CompareRecordLines, ShowRainResetText, OnDestroy and the
// four history clearers.
// Reduced to what the polling loop needs (each says what it leaves out): RefreshAllValues, the
// three start-up unit steps, RescaleWind and RescaleRain.
#include "app/OrvelleDlg.h"

#include "station/SystemKV318.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace {

constexpr int RAIN_RESET_CAPTION_ELEMENT = 120;  // "since"
constexpr int RAIN_RESET_TEXT_ID = 1140;

bool Present(double value) { return value > MISSING_VALUE; }

std::wstring Widen(const char* text)
{
    std::wstring out;
    if (text == nullptr)
        return out;
    for (const char* p = text; *p; ++p)
        out += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return out;
}

std::wstring OneDecimal(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.1f", value);
    return text;
}

// A rain counter text of the station as millimetres; false for a marker text or a non-number.
bool RainTextMm(const std::string& text, double* mm)
{
    double counts = 0;
    if (!TryParseReading(text, &counts))
        return false;
    *mm = RainCountsToMm(counts);
    return true;
}

// Multiplies the newest `count` samples of a history (newest at the last index) by the ratio.
void ScaleNewest(double* values, int size, int count, double ratio)
{
    count = std::clamp(count, 0, size);
    for (int i = size - 1; i >= size - count; --i)
        values[i] *= ratio;
}

// Multiplies the first g_historyRowCount values of a published column, skipping missing values.
void ScaleColumn(double* column, double ratio, bool rainColumn = false)
{
    if (column == nullptr)
        return;
    const int rows = std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS);
    for (int r = 0; r < rows; ++r) {
        const bool missing = rainColumn ? column[r] == DISPLAY_MISSING : column[r] <= MISSING_VALUE;
        if (!missing)
            column[r] *= ratio;
    }
}

}  // namespace

// ---- the record line -----------------------------------------------------------------------------

CString COrvelleDlg::BuildCurrentRecordLine()
{
    if (!g_systemKV318.ReadLatestHistoryRecord(m_recordTime[RECORD_YEAR] + 1))
        return CString();
    // The getters share one text buffer: copy each text before the next call.
    const std::wstring latest = Widen(g_systemKV318.GetLatestRecordLineStr());
    const std::string value174 = g_systemKV318.GetValue174Str();
    const std::string value176 = g_systemKV318.GetValue176Str();
    const std::string value178 = g_systemKV318.GetValue178Str();
    const std::string bcd7 = g_systemKV318.GetBcdValueStr(7);
    const std::string bcd0 = g_systemKV318.GetBcdValueStr(0);

    // Up to the last comma the line as it is; after it the raw rain counter.
    const size_t comma = latest.rfind(L',');
    std::wstring line = comma == std::wstring::npos ? std::wstring() : latest.substr(0, comma);
    const std::wstring counter = comma == std::wstring::npos ? latest : latest.substr(comma + 1);

    double counts = 0;
    line += L",";
    if (TryParseReading(counter, &counts))
        line += OneDecimal(RainCountsToMm(counts) - m_rainCounterAtReset);
    line += L",,,";

    double mm = 0;
    line += RainTextMm(value174, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    line += RainTextMm(value176, &mm) ? OneDecimal(mm) + L", " : std::wstring(L", ");
    line += RainTextMm(value178, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    double value = 0;
    line += TryParseReading(bcd7, &value) ? OneDecimal(value) + L"," : std::wstring(L", ");
    if (TryParseReading(bcd0, &value))
        line += OneDecimal(value);
    return CString(line);
}

bool COrvelleDlg::CompareRecordLines(const CString& previous, const CString& line) { return previous != line; }

void COrvelleDlg::ShowRainResetText()
{
    const CString caption = m_elemCaption.size() > RAIN_RESET_CAPTION_ELEMENT
                                ? m_elemCaption[RAIN_RESET_CAPTION_ELEMENT]
                                : CString(PanelLabelsFor(m_language)[RAIN_RESET_CAPTION_ELEMENT]);
    wchar_t when[64];
    std::swprintf(when, 64, L" %d/%d/%d %d:%02d", m_rainResetTime[0], m_rainResetTime[1], m_rainResetTime[2],
                  m_rainResetTime[3], m_rainResetTime[4]);
    SetControlText(RAIN_RESET_TEXT_ID, caption.str() + when);
}

// Reduced: the forecast code, the pressure, wind, wind chill, rain-since-reset and UV texts, the two
// sensor panels and the rain-reset text. Left out until the full form: the station's min/max read,
// the downloaded UV, wind and rain totals, the location texts and the UV level picture.
void COrvelleDlg::RefreshAllValues()
{
    const std::wstring blank = EntryAt(g_progressTexts, 3);
    m_forecastCode = m_readings.GetForecastCode();
    m_forecastFlag = m_readings.GetForecastFlag();

    const double rain = m_readings.RainValue();
    if (rain != DISPLAY_MISSING) {
        const double sinceReset = (rain - m_rainCounterAtReset) * m_rainFactor;
        if (sinceReset >= 0) {
            wchar_t text[64];
            std::swprintf(text, 64, m_rainFactor == 1.0 ? L"%.1f" : L"%.2f", sinceReset);
            SetControlText(1098, text);
        }
    }
    const double uv = m_readings.GetUvIndex();
    if (Present(uv))
        SetControlText(1056, m_uvHistoryCount > 0 ? FormatReading(blank, m_uvHistoryCount, uv * m_uvFactor) : blank);

    const double pressure = m_readings.GetPressure();
    const std::wstring station = Present(pressure) ? OneDecimal(pressure * m_pressureFactor) : std::wstring();
    if (m_seaLevelPressureText.IsWindow())
        m_seaLevelPressureText.SetText(station.c_str());
    UpdateAltitudePressureOffset();
    SetControlText(1027, Present(pressure) ? OneDecimal((pressure + m_pressureOffset) * m_pressureFactor)
                                           : std::wstring());

    const double speed = m_readings.GetWindSpeed();
    SetControlText(1087, Present(speed) ? FormatReading(blank, m_windHistoryCount, speed * m_windFactor) : blank);
    const double gust = m_readings.GetWindGust();
    SetControlText(1088, FormatReading(blank, 1, Present(gust) ? gust * m_windFactor : DISPLAY_MISSING));
    SetControlText(1093, FormatReading(blank, 1, ToDisplayTemperature(m_readings.GetWindChill())));

    UpdateUpperSensorPanel();
    UpdateLowerSensorPanel();
    ShowRainResetText();
}

// ---- closing and clearing ------------------------------------------------------------------------------

// Closing the program: the modal dialog ends (the framework then destroys the window).
void COrvelleDlg::OnDestroy() { EndDialog(IDCANCEL); }

void COrvelleDlg::ClearPressureHistory()
{
    std::fill(std::begin(m_pressureHistoryValues), std::end(m_pressureHistoryValues), 0.0);
    m_pressureHistoryCount = 0;
    RedrawPressureChart();
}

void COrvelleDlg::ClearUvHistory()
{
    m_uvHistoryCount = 0;
    std::fill(std::begin(m_uvHistoryValues), std::end(m_uvHistoryValues), 0.0);
    RedrawUvChart();
}

void COrvelleDlg::ClearWindHistory()
{
    m_windHistoryCount = 0;
    std::fill(std::begin(m_windHistoryDirections), std::end(m_windHistoryDirections), 0.0);
    std::fill(std::begin(m_windHistorySpeeds), std::end(m_windHistorySpeeds), 0.0);
    RedrawWindChart();
}

void COrvelleDlg::ClearSensorHistory()
{
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_sensorHistoryCounts[s] = 0;
        m_humidityHistoryCounts[s] = 0;
        std::fill(std::begin(m_sensorHistoryTemperatures[s]), std::end(m_sensorHistoryTemperatures[s]), 0.0);
        std::fill(std::begin(m_sensorHistoryHumidities[s]), std::end(m_sensorHistoryHumidities[s]), 0.0);
        std::fill(std::begin(m_sensorHistoryDewpoints[s]), std::end(m_sensorHistoryDewpoints[s]), 0.0);
    }
    UpdateDewpointMinMax();
    DrawTemperatureChart();
}

// ---- units at the first poll (reduced: factors and values; no captions, value texts or chart
// window show-and-hide) -------------------------------------------------------------------------------------

void COrvelleDlg::ApplyStartupPressureUnit(int unit)
{
    double factor = 0;
    if (unit == 0)
        factor = 0.02954;
    else if (unit == 2)
        factor = 0.75025;
    else if (unit == 1)
        m_pressureFactor = 1.0;
    if (factor == 0)
        return;
    m_pressureFactor = factor;
    ScaleNewest(m_pressureHistoryValues, PRESSURE_HISTORY_SIZE, m_pressureHistoryCount, factor);
    ScaleColumn(g_historyPressure, factor);
}

void COrvelleDlg::ApplyStartupUvUnit(int unit)
{
    if (unit == 1)
        m_uvFactor = 1.0;
    if (unit != 0)
        return;
    const double factor = 0.42857142857142855;
    m_uvFactor = factor;
    ScaleNewest(m_uvHistoryValues, UV_HISTORY_SIZE, m_uvHistoryCount, factor);
    ScaleColumn(g_historyUv, factor);
}

void COrvelleDlg::ApplyStartupTemperatureUnit(int unit)
{
    if (unit == 0)
        m_temperatureFactor = 1.0;
    if (unit != 1)
        return;
    m_temperatureFactor = 1.8;
    auto convert = [](double v) { return v * 1.8 + 32; };
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        double* values = m_sensorHistoryTemperatures[SensorRow(s)];
        const int count = std::clamp(m_sensorHistoryCounts[s], 0, SENSOR_HISTORY_SIZE);
        for (int i = SENSOR_HISTORY_SIZE - 1; i >= SENSOR_HISTORY_SIZE - count; --i)
            values[i] = convert(values[i]);
        if (Present(m_dewpointMaxNow[s]))
            m_dewpointMaxNow[s] = convert(m_dewpointMaxNow[s]);
        if (Present(m_dewpointMinNow[s]))
            m_dewpointMinNow[s] = convert(m_dewpointMinNow[s]);
    }
    const int rows = std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS);
    for (int r = 0; r < rows; ++r) {
        if (g_historyWindChill && Present(g_historyWindChill[r]))
            g_historyWindChill[r] = convert(g_historyWindChill[r]);
        for (int s = 0; s < SENSOR_COUNT; ++s) {
            double* t = g_historySensorColumns[s][SENSOR_COLUMN_TEMPERATURE];
            double* h = g_historySensorColumns[s][SENSOR_COLUMN_HUMIDITY];
            double* d = g_historySensorColumns[s][SENSOR_COLUMN_DEWPOINT];
            if (!t || !h || !d)
                continue;
            if (Present(t[r]))
                t[r] = convert(t[r]);
            // The dewpoint is computed again from the converted temperature, not converted.
            d[r] = Present(h[r]) && Present(t[r])
                       ? ComputeDewpoint(g_historyRowCount, g_historyRowCount, t[r], h[r], false)
                       : static_cast<double>(MISSING_VALUE);
        }
    }
}

// Reduced: values, columns and the chart; the wind texts and captions and the chart window's
// show-and-hide are left out.
void COrvelleDlg::RescaleWind(double ratio)
{
    ScaleNewest(m_windHistorySpeeds, WIND_HISTORY_SIZE, m_windHistoryCount, ratio);
    ScaleColumn(g_historyWindSpeed, ratio);
    ScaleColumn(g_historyWindGust, ratio);
    if (m_windSpeedView == 3 && m_windDirectionView == 3)
        DrawWindRoseChart();
    else if (m_windSpeedView == 1)
        DrawWindSpeedBarChart();
    else if (m_windSpeedView == 2)
        DrawWindSpeedLineChart();
}

// Reduced: values, the rain column and the chart; the rain texts and captions and the chart
// window's show-and-hide are left out.
void COrvelleDlg::RescaleRain(double ratio)
{
    ScaleNewest(m_rainHistoryValues, RAIN_HISTORY_SIZE, m_rainHistoryCount, ratio);
    ScaleColumn(g_historyRain, ratio, true);
    RedrawRainChart();
}
