#include "app/SensorPanelTexts.h"

#include "res/resource.h"
#include "texts/TextTables.h"

namespace {

constexpr int kNewest = SENSOR_HISTORY_SIZE - 1;

}  // namespace

int TrendBitmapId(int trendCode)
{
    switch (trendCode) {
    case 1: return IDB_TREND_1;
    case 2: return IDB_TREND_2;
    case 3: return IDB_TREND_3;
    default: return 0;
    }
}

SensorPanelTexts ComputeSensorPanelTexts(const CMainRecords& r, int s)
{
    SensorPanelTexts panel;
    if (s < 0 || s >= SENSOR_COUNT)
        return panel;
    panel.selected = true;
    panel.temperatureTrend = r.m_temperatureTrend[s];
    panel.humidityTrend = r.m_humidityTrend[s];

    const std::wstring blank = EntryAt(g_progressTexts, 3);
    const double factor = r.m_temperatureFactor;
    const bool celsius = factor == 1.0;
    auto display = [factor](double x) { return (factor == 1.0 || x <= MISSING_VALUE) ? x : x * factor + 32; };
    const int tc = r.m_sensorHistoryCounts[s];
    const int hc = r.m_humidityHistoryCounts[s];
    const int row = SensorRow(s);
    const double newestT = r.m_sensorHistoryTemperatures[row][kNewest];
    const double newestH = r.m_sensorHistoryHumidities[row][kNewest];

    panel.current[PANEL_ROW_TEMPERATURE] = FormatReading(blank, tc, newestT);
    if (newestH > 0)
        panel.current[PANEL_ROW_DEWPOINT] =
            FormatReading(blank, tc, ComputeDewpoint(tc, hc, newestT, newestH, celsius));

    if (s == 0) {
        panel.current[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, newestH);
        panel.maximum[PANEL_ROW_TEMPERATURE] = FormatReading(blank, tc, display(r.m_liveValue[1]));
        panel.minimum[PANEL_ROW_TEMPERATURE] = FormatReading(blank, tc, display(r.m_liveValue[0]));
        panel.maximum[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, r.m_liveValue[2]);
        panel.minimum[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, r.m_liveValue[3]);
        if (r.m_liveValue[2] > 0)
            panel.maximum[PANEL_ROW_DEWPOINT] = FormatReading(blank, tc, r.m_dewpointMaxNow[0]);
        if (r.m_liveValue[3] > 0)
            panel.minimum[PANEL_ROW_DEWPOINT] = FormatReading(blank, tc, r.m_dewpointMinNow[0]);
        return panel;
    }

    const int c = s;  // channel 1..5
    const double currentH = r.m_readings.GetChannelHumidity(c);
    const double currentT = r.m_readings.GetChannelTemperature(c);
    panel.current[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, currentH);
    if (currentT > MISSING_VALUE) {
        panel.maximum[PANEL_ROW_TEMPERATURE] = FormatReading(blank, tc, display(r.m_channelTempMax[c - 1]));
        panel.minimum[PANEL_ROW_TEMPERATURE] = FormatReading(blank, tc, display(r.m_channelTempMin[c - 1]));
    }
    if (currentH > MISSING_VALUE) {
        panel.maximum[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, r.m_channelHumidityMax[c - 1]);
        panel.minimum[PANEL_ROW_HUMIDITY] = FormatReading(blank, hc, r.m_channelHumidityMin[c - 1]);
        if (r.m_channelHumidityMax[c - 1] > 0)
            panel.maximum[PANEL_ROW_DEWPOINT] = FormatReading(blank, tc, r.m_dewpointMaxNow[c]);
        if (r.m_channelHumidityMin[c - 1] > 0)
            panel.minimum[PANEL_ROW_DEWPOINT] = FormatReading(blank, tc, r.m_dewpointMinNow[c]);
    }
    return panel;
}
