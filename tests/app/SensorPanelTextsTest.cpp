// The texts of the sensor panels.
#include "app/SensorPanelTexts.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int kNewest = SENSOR_HISTORY_SIZE - 1;

std::unique_ptr<CMainRecords> Records()
{
    auto r = std::make_unique<CMainRecords>();
    return r;
}
}  // namespace

TEST(SensorPanelTexts, IndoorShowsItsHistoryAndExtremes)
{
    auto r = Records();
    r->m_sensorHistoryCounts[0] = 3;
    r->m_humidityHistoryCounts[0] = 3;
    r->m_sensorHistoryTemperatures[SensorRow(0)][kNewest] = 20.0;
    r->m_sensorHistoryHumidities[SensorRow(0)][kNewest] = 50.0;
    r->m_liveValue[0] = 18.24;
    r->m_liveValue[1] = 23.5;
    r->m_liveValue[2] = 60;
    r->m_liveValue[3] = 0;   // no minimum humidity: its dewpoint is hidden
    r->m_dewpointMaxNow[0] = 11.04;
    r->m_dewpointMinNow[0] = 2.0;
    SensorPanelTexts p = ComputeSensorPanelTexts(*r, 0);
    ASSERT_TRUE(p.selected);
    EXPECT_EQ(p.current[PANEL_ROW_TEMPERATURE], L"20.0");
    EXPECT_EQ(p.current[PANEL_ROW_HUMIDITY], L"50.0");
    EXPECT_EQ(p.current[PANEL_ROW_DEWPOINT], L"9.3");
    EXPECT_EQ(p.maximum[PANEL_ROW_TEMPERATURE], L"23.5");
    EXPECT_EQ(p.minimum[PANEL_ROW_TEMPERATURE], L"18.2");
    EXPECT_EQ(p.maximum[PANEL_ROW_DEWPOINT], L"11.0");
    EXPECT_EQ(p.minimum[PANEL_ROW_DEWPOINT], L"");

    // Fahrenheit display converts the station extremes, not the history values.
    r->m_temperatureFactor = 1.8;
    p = ComputeSensorPanelTexts(*r, 0);
    EXPECT_EQ(p.maximum[PANEL_ROW_TEMPERATURE], L"74.3");

    // A humidity of 0 at the newest position leaves the dewpoint empty.
    r->m_sensorHistoryHumidities[SensorRow(0)][kNewest] = 0;
    p = ComputeSensorPanelTexts(*r, 0);
    EXPECT_EQ(p.current[PANEL_ROW_DEWPOINT], L"");
}

TEST(SensorPanelTexts, ChannelBlanksItsExtremesWhenTheReadingIsMissing)
{
    auto r = Records();
    r->m_channelTempMax[2] = 30;
    r->m_channelTempMin[2] = 10;
    r->m_sensorHistoryCounts[3] = 0;   // no temperature samples yet
    SensorPanelTexts p = ComputeSensorPanelTexts(*r, 3);  // reading texts empty: missing
    ASSERT_TRUE(p.selected);
    EXPECT_EQ(p.maximum[PANEL_ROW_TEMPERATURE], L"");
    EXPECT_EQ(p.minimum[PANEL_ROW_TEMPERATURE], L"");
    EXPECT_EQ(p.current[PANEL_ROW_TEMPERATURE], L" ");
    EXPECT_EQ(p.current[PANEL_ROW_HUMIDITY], L" ");
    EXPECT_EQ(p.maximum[PANEL_ROW_DEWPOINT], L"");
}

TEST(SensorPanelTexts, NoSelectionChangesNothingAndTrendsMapToBitmaps)
{
    auto r = Records();
    EXPECT_FALSE(ComputeSensorPanelTexts(*r, -1).selected);
    EXPECT_FALSE(ComputeSensorPanelTexts(*r, 6).selected);
    r->m_temperatureTrend[4] = 2;
    r->m_humidityTrend[4] = 0;
    SensorPanelTexts p = ComputeSensorPanelTexts(*r, 4);
    EXPECT_EQ(TrendBitmapId(p.temperatureTrend), 181);
    EXPECT_EQ(TrendBitmapId(p.humidityTrend), 0);
    EXPECT_EQ(TrendBitmapId(1), 180);
    EXPECT_EQ(TrendBitmapId(3), 182);
    EXPECT_EQ(TrendBitmapId(4), 0);
}
