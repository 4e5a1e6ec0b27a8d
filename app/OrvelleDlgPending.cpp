// Operations of the main dialog that the polling loop calls and whose full form comes with the
// display units.
//
// Reduced to what the polling loop needs (each says what it leaves out): the three start-up unit
// steps, RescaleWind and RescaleRain.
#include "app/OrvelleDlg.h"

#include <algorithm>

namespace {

bool Present(double value) { return value > MISSING_VALUE; }

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
