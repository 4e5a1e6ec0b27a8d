#include "records/MainRecords.h"

#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <direct.h>
#include <map>
#include <memory>
#include <vector>

namespace {

class TestRecords : public CMainRecords {
public:
    std::map<SummaryValue, std::wstring> shown;
    StationMinMaxTexts station;
    bool stationAnswers = false;

protected:
    void ShowSummaryValue(SummaryValue value, const std::wstring& text) override { shown[value] = text; }
    bool StationMinMaxTextsNow(StationMinMaxTexts* texts) override
    {
        if (stationAnswers)
            *texts = station;
        return stationAnswers;
    }
};

double T(int year, int month, int day, int hour, int minute, int second = 0)
{
    return CMainRecords::ChartTimeOf(year, month, day, hour, minute, second);
}

std::unique_ptr<TestRecords> NewRecords(const char* folder)
{
    auto m = std::make_unique<TestRecords>();
    _mkdir(folder);
    std::string f = std::string(folder) + "\\";
    m->m_installFolder.assign(f.begin(), f.end());
    return m;
}

// The polling loop's steps for one new reading, in its order.
void Feed(TestRecords& m, const ScriptedReading& r)
{
    ASSERT_TRUE(LoadScripted(m.m_readings, r));
    const ReadingsRecord& rec = m.m_readings;
    const int minute = rec.GetRecordMinute(), hour = rec.GetRecordHour(), year = rec.GetRecordYear();
    const int month = rec.GetRecordMonth(), day = rec.GetRecordDay();
    m.ShiftHistoryTimes(minute, hour, year, month, day);
    m.PruneHistories(minute, hour, month, year, day);
    const bool hourChanged = hour != m.m_recordTime[RECORD_HOUR];
    m.m_recordTime[RECORD_HOUR] = hour;
    m.m_recordTime[RECORD_MINUTE] = minute;
    m.m_recordTime[RECORD_YEAR] = year;
    m.m_recordTime[RECORD_MONTH] = month;
    m.m_recordTime[RECORD_DAY] = day;
    m.AppendUvSample();
    m.AppendPressureSample();
    m.AppendRainSample(hourChanged);
    m.AppendWindSample();
    m.AppendSensorSamples();
    m.UpdateDewpointMinMax();
}

ScriptedReading At(int hour, int minute, int rainCounts, int day = 18)
{
    ScriptedReading r;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.rainCounter = std::to_string(rainCounts);
    return r;
}

// Starts a replay as if the reading at 10:18 with the given counter had been processed.
std::unique_ptr<TestRecords> StartReplay(const char* folder, int rainCounts)
{
    auto m = NewRecords(folder);
    int start[5] = {10, 18, 2014, 1, 18};
    std::copy(start, start + 5, m->m_recordTime);
    m->m_lastRainCounter = RainCountsToMm(rainCounts);
    return m;
}

int32_t ReadInt(std::FILE* f)
{
    int32_t v = 0;
    return std::fread(&v, 4, 1, f) == 1 ? v : -12345;
}

double ReadDouble(std::FILE* f)
{
    double v = 0;
    return std::fread(&v, 8, 1, f) == 1 ? v : -12345.0;
}

} // namespace

// ---- replay of scripted readings -------------------------------------------------------------

TEST(RollingHistories, SameHourThenNewHour)
{
    auto m = StartReplay("replay_hours", 100);
    Feed(*m, At(10, 20, 100));
    EXPECT_EQ(m->m_uvHistoryCount, 1);
    EXPECT_EQ(m->m_uvHistoryTimes[359], T(2014, 1, 18, 10, 20));
    EXPECT_DOUBLE_EQ(m->m_uvHistoryValues[359], 3.0);
    EXPECT_EQ(m->m_pressureHistoryCount, 1);
    EXPECT_EQ(m->m_windHistoryCount, 1);
    EXPECT_EQ(m->m_windHistoryDirections[749], 9.0);
    EXPECT_EQ(m->m_rainHistoryCount, 0); // no rain in the same hour: nothing opened
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        EXPECT_EQ(m->m_sensorHistoryCounts[s], 1);
        EXPECT_EQ(m->m_humidityHistoryCounts[s], 1);
        EXPECT_EQ(m->m_sensorHistoryTimes[s][239], T(2014, 1, 18, 10, 20));
    }
    EXPECT_DOUBLE_EQ(m->m_sensorHistoryTemperatures[5][239], 21.5); // indoor in row 5
    EXPECT_DOUBLE_EQ(m->m_sensorHistoryTemperatures[0][239], 10.0); // channel 1 in row 0
    EXPECT_DOUBLE_EQ(m->m_sensorHistoryHumidities[4][239], 64.0);   // channel 5 in row 4

    Feed(*m, At(10, 22, 102)); // two counts of rain in the same hour
    EXPECT_EQ(m->m_rainHistoryCount, 1);
    EXPECT_NEAR(m->m_rainHistoryValues[359], RainCountsToMm(2), 1e-9);
    EXPECT_EQ(m->m_rainHistoryTimes[359], T(2014, 1, 18, 10, 22));
    EXPECT_EQ(m->m_uvHistoryCount, 2);
    EXPECT_EQ(m->m_uvHistoryTimes[358], T(2014, 1, 18, 10, 20));

    Feed(*m, At(10, 24, 102)); // same total: values unchanged
    EXPECT_EQ(m->m_rainHistoryCount, 1);
    EXPECT_NEAR(m->m_rainHistoryValues[359], RainCountsToMm(2), 1e-9);
    EXPECT_EQ(m->m_rainHistoryTimes[359], T(2014, 1, 18, 10, 22));

    Feed(*m, At(11, 0, 102)); // new hour without rain opens a sample of 0
    EXPECT_EQ(m->m_rainHistoryCount, 2);
    EXPECT_EQ(m->m_rainHistoryValues[359], 0.0);
    EXPECT_EQ(m->m_rainHistoryTimes[359], T(2014, 1, 18, 11, 0));
    EXPECT_NEAR(m->m_rainHistoryValues[358], RainCountsToMm(2), 1e-9);

    // The new hour wrote the rain history file, newest first, in millimetres.
    std::FILE* f = _wfopen(m->PassRainDataPath().c_str(), L"rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ReadInt(f), 2);
    EXPECT_EQ(ReadDouble(f), T(2014, 1, 18, 11, 0));
    EXPECT_EQ(ReadDouble(f), 0.0);
    EXPECT_EQ(ReadDouble(f), T(2014, 1, 18, 10, 22));
    EXPECT_NEAR(ReadDouble(f), RainCountsToMm(2), 1e-9);
    std::fclose(f);
}

TEST(RollingHistories, ClockTwoHoursBackMovesEveryStoredTime)
{
    auto m = StartReplay("replay_clock", 100);
    Feed(*m, At(10, 20, 100));
    Feed(*m, At(10, 40, 101));
    Feed(*m, At(11, 0, 101));
    // Published history rows move back in local time as well (TZ=UTC in the tests).
    m->m_readings.m_rowCount = 2;
    m->m_readings.m_yearColumn[0] = m->m_readings.m_yearColumn[1] = 2014;
    m->m_readings.m_monthColumn[0] = m->m_readings.m_monthColumn[1] = 1;
    m->m_readings.m_dayColumn[0] = m->m_readings.m_dayColumn[1] = 18;
    m->m_readings.m_hourColumn[0] = 1;
    m->m_readings.m_minuteColumn[0] = 30;
    m->m_readings.m_hourColumn[1] = 10;
    m->m_readings.m_minuteColumn[1] = 0;
    m->m_readings.PublishAllColumns();

    Feed(*m, At(9, 0, 101));
    EXPECT_EQ(m->m_uvHistoryCount, 4);
    EXPECT_EQ(m->m_uvHistoryTimes[359], T(2014, 1, 18, 9, 0));
    EXPECT_EQ(m->m_uvHistoryTimes[358], T(2014, 1, 18, 9, 0));   // 11:00 moved back
    EXPECT_EQ(m->m_uvHistoryTimes[357], T(2014, 1, 18, 8, 40));  // 10:40
    EXPECT_EQ(m->m_uvHistoryTimes[356], T(2014, 1, 18, 8, 20));  // 10:20
    EXPECT_EQ(m->m_pressureHistoryTimes[748], T(2014, 1, 18, 9, 0));
    EXPECT_EQ(m->m_windHistoryTimes[746], T(2014, 1, 18, 8, 20));
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        EXPECT_EQ(m->m_sensorHistoryCounts[s], 4);
        EXPECT_EQ(m->m_sensorHistoryTimes[s][236], T(2014, 1, 18, 8, 20)) << s;
    }
    // Rain: the 10:40 sample moved to 08:40, the 11:00 one to 09:00, and the hour
    // changed (11 -> 9), so a new sample of 0 was opened.
    EXPECT_EQ(m->m_rainHistoryCount, 3);
    EXPECT_EQ(m->m_rainHistoryTimes[357], T(2014, 1, 18, 8, 40));
    EXPECT_EQ(m->m_rainHistoryTimes[358], T(2014, 1, 18, 9, 0));
    EXPECT_EQ(g_historyHour[0], 23);
    EXPECT_EQ(g_historyDay[0], 17);
    EXPECT_EQ(g_historyMinute[0], 30);
    EXPECT_EQ(g_historyHour[1], 8);
    EXPECT_EQ(g_historyDay[1], 18);
}

TEST(RollingHistories, RainCounterWrapAndClear)
{
    auto m = StartReplay("replay_rain", 65530);
    Feed(*m, At(10, 20, 65534));
    EXPECT_NEAR(m->m_rainHistoryValues[359], RainCountsToMm(4), 1e-9);
    Feed(*m, At(10, 22, 3)); // wrapped: 65534 -> 65535 (=0) -> 3 is 4 counts
    EXPECT_NEAR(m->m_rainHistoryValues[359], RainCountsToMm(4) + RainCountsToMm(4), 1e-9);
    EXPECT_NEAR(m->m_rainHistoryValues[359], RainCountsToMm(3) + RAIN_WRAP_MM - RainCountsToMm(65534) +
                                                 RainCountsToMm(4), 1e-9);

    // A reset of the station's rain total ("CLEAR") restarts the counter: not a wrap.
    ScriptedReading cleared = At(10, 24, 1);
    cleared.rainStatus = "CLEAR";
    const double before = m->m_rainHistoryValues[359];
    Feed(*m, cleared);
    EXPECT_NEAR(m->m_rainHistoryValues[359], before + RainCountsToMm(1), 1e-9);
    EXPECT_DOUBLE_EQ(m->m_lastRainCounter, RainCountsToMm(1));
    EXPECT_EQ(m->m_readings.m_rainResetDate[4], 24);

    // A missing rain counter changes nothing.
    ScriptedReading missing = At(10, 26, 0);
    missing.rainCounter = "UU";
    Feed(*m, missing);
    EXPECT_DOUBLE_EQ(m->m_lastRainCounter, RainCountsToMm(1));
    EXPECT_NEAR(m->m_rainHistoryValues[359], before + RainCountsToMm(1), 1e-9);
}

TEST(RollingHistories, RainInInchesAndItsWorkedExamples)
{
    auto m = NewRecords("replay_inch");
    m->m_rainFactor = 0.03937;
    int start[5] = {10, 0, 2014, 1, 18};
    std::copy(start, start + 5, m->m_recordTime);
    ScriptedReading r = At(10, 2, 0);
    ASSERT_TRUE(LoadScripted(m->m_readings, r));
    m->m_lastRainCounter = 9.5;
    m->m_readings.m_valueTexts[SLOT_RAIN_COUNTER] = std::to_wstring(10.0 / RainCountsToMm(1));
    m->AppendRainSample(false);
    EXPECT_NEAR(m->m_rainHistoryValues[359], 0.5 * 0.03937, 1e-6);
    EXPECT_NEAR(m->m_lastRainCounter, 10.0, 1e-6);
}

TEST(RollingHistories, AbsentChannelNeverEntersTheHistories)
{
    auto m = StartReplay("replay_absent", 100);
    ScriptedReading r = At(10, 20, 100);
    r.temperature[3] = "UU";
    r.humidity[3] = "UU";
    r.uv = "UU";
    r.speed = "MISS";
    r.pressure = "";
    Feed(*m, r);
    EXPECT_EQ(m->m_sensorHistoryCounts[3], 0);
    EXPECT_EQ(m->m_humidityHistoryCounts[3], 0);
    EXPECT_EQ(m->m_sensorHistoryTemperatures[SensorRow(3)][239], 0.0);
    EXPECT_EQ(m->m_sensorHistoryCounts[2], 1);
    EXPECT_EQ(m->m_uvHistoryCount, 0);
    EXPECT_EQ(m->m_windHistoryCount, 0);
    EXPECT_EQ(m->m_pressureHistoryCount, 0);
    EXPECT_FALSE(m->m_dewpointMaxNow[3] > MISSING_VALUE);
    EXPECT_FALSE(m->m_dewpointMinNow[3] > MISSING_VALUE);
    EXPECT_GT(m->m_dewpointMaxNow[2], 0.0);
    // The hourly row of the published history keeps the channel missing, never 0.00.
    HistoryRow row = m->BuildHourlyHistoryRow();
    EXPECT_EQ(row.temperature[3], DISPLAY_MISSING);
    EXPECT_EQ(row.humidity[3], DISPLAY_MISSING);
    EXPECT_EQ(row.dewpoint[3], MISSING_VALUE);
    EXPECT_EQ(row.uv, DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(row.temperature[2], 11.0);
}

TEST(RollingHistories, HumidityCountNeverCountsPositionsItDidNotFill)
{
    // Channel 3 gives temperatures but no humidity: its humidity history stays empty, so no
    // never-filled position (0 %) is counted; once humidities come, only they are counted.
    auto m = StartReplay("replay_no_humidity", 100);
    for (int minute : {20, 22, 24}) {
        ScriptedReading r = At(10, minute, 100);
        r.humidity[3] = "UU";
        Feed(*m, r);
    }
    EXPECT_EQ(m->m_sensorHistoryCounts[3], 3);
    EXPECT_EQ(m->m_humidityHistoryCounts[3], 0);
    EXPECT_EQ(m->m_humidityHistoryCounts[2], 3);
    Feed(*m, At(10, 26, 100));
    EXPECT_EQ(m->m_sensorHistoryCounts[3], 4);
    EXPECT_EQ(m->m_humidityHistoryCounts[3], 1);
    EXPECT_DOUBLE_EQ(m->m_sensorHistoryHumidities[SensorRow(3)][239], 62.0);
}

TEST(RollingHistories, HourlyHistoryRowCarriesTheRainSinceThePreviousRow)
{
    g_historyRowCount = 0;
    auto m = StartReplay("replay_hourly_row", 100);
    Feed(*m, At(10, 20, 100));
    Feed(*m, At(10, 40, 103));
    Feed(*m, At(11, 0, 105)); // the loop appends the hourly row after the rain sample
    m->AppendHourlyHistoryRow();
    ASSERT_EQ(g_historyRowCount.load(), 1);
    EXPECT_EQ(g_historyHour[0], 11);
    EXPECT_NEAR(g_historyRain[0], RainCountsToMm(5), 1e-9);

    Feed(*m, At(11, 30, 106));
    ScriptedReading missing = At(11, 40, 0);
    missing.rainCounter = "UU";
    Feed(*m, missing);
    Feed(*m, At(12, 0, 107));
    m->AppendHourlyHistoryRow();
    ASSERT_EQ(g_historyRowCount.load(), 2);
    EXPECT_NEAR(g_historyRain[1], RainCountsToMm(2), 1e-9);

    // An hour without rain gives 0; the rain is in the display unit.
    m->m_rainFactor = 0.03937;
    Feed(*m, At(13, 0, 107));
    EXPECT_EQ(m->BuildHourlyHistoryRow().rain, 0.0);
    Feed(*m, At(13, 30, 111));
    Feed(*m, At(14, 0, 111));
    EXPECT_NEAR(m->BuildHourlyHistoryRow().rain, RainCountsToMm(4) * 0.03937, 1e-9);
    // A missing counter at the hour change gives a missing row value.
    ScriptedReading missingAtHour = At(15, 0, 0);
    missingAtHour.rainCounter = "MISS";
    Feed(*m, missingAtHour);
    EXPECT_EQ(m->BuildHourlyHistoryRow().rain, DISPLAY_MISSING);
}

TEST(RollingHistories, WindDirectionThatIsNoCompassPoint)
{
    auto m = StartReplay("replay_wind", 100);
    ScriptedReading r = At(10, 20, 100);
    r.direction = "UU";
    m->m_windFactor = 1.61;
    Feed(*m, r);
    EXPECT_EQ(m->m_windHistoryCount, 1);
    EXPECT_EQ(m->m_windHistoryDirections[749], static_cast<double>(MISSING_VALUE));
    EXPECT_DOUBLE_EQ(m->m_windHistorySpeeds[749], 2.3 * 1.61);
}

TEST(RollingHistories, CountsStopOneBelowTheSize)
{
    auto m = StartReplay("replay_full", 100);
    ASSERT_TRUE(LoadScripted(m->m_readings, At(10, 20, 100)));
    for (int i = 0; i < UV_HISTORY_SIZE + 5; ++i) {
        m->m_uvHistoryValues[359] = -1; // marks the previous newest
        m->AppendUvSample();
    }
    EXPECT_EQ(m->m_uvHistoryCount, 359);
    m->m_uvHistoryValues[0] = 77;
    m->m_uvHistoryValues[1] = 78;
    m->AppendUvSample();
    EXPECT_EQ(m->m_uvHistoryCount, 359);
    EXPECT_EQ(m->m_uvHistoryValues[0], 78.0); // position 0 dropped, the rest shifted
    EXPECT_EQ(m->m_uvHistoryValues[359], 3.0);
}

TEST(RollingHistories, PruningWindows)
{
    auto m = NewRecords("replay_prune");
    // Sensor samples at 03:58 and 04:00, a UV sample 12 h and 1 s old, rain 15 days back.
    m->m_sensorHistoryTimes[0][238] = T(2014, 1, 18, 3, 58);
    m->m_sensorHistoryTimes[0][239] = T(2014, 1, 18, 4, 0);
    m->m_sensorHistoryCounts[0] = 2;
    m->m_humidityHistoryCounts[0] = 5;
    m->m_uvHistoryTimes[358] = T(2014, 1, 17, 23, 59, 59);
    m->m_uvHistoryTimes[359] = T(2014, 1, 18, 0, 0);
    m->m_uvHistoryCount = 2;
    m->m_rainHistoryTimes[358] = T(2014, 1, 3, 23, 59, 59) - 1;
    m->m_rainHistoryTimes[359] = T(2014, 1, 3, 23, 59, 59); // exactly 15 days before the day's end
    m->m_rainHistoryCount = 2;
    m->m_pressureHistoryTimes[749] = T(2010, 1, 1, 0, 0);
    m->m_pressureHistoryCount = 1;
    m->PruneHistories(0, 12, 1, 2014, 18);
    EXPECT_EQ(m->m_sensorHistoryCounts[0], 1);
    EXPECT_EQ(m->m_humidityHistoryCounts[0], 1);
    EXPECT_EQ(m->m_uvHistoryCount, 1);
    EXPECT_EQ(m->m_rainHistoryCount, 1);
    EXPECT_EQ(m->m_pressureHistoryCount, 1); // never pruned
}

TEST(RollingHistories, ZeroRecordTimeBeforeTheFirstReadingShiftsNothing)
{
    auto m = NewRecords("replay_zero");
    m->m_uvHistoryTimes[359] = T(2014, 1, 18, 10, 0);
    m->m_uvHistoryCount = 1;
    m->ShiftHistoryTimes(0, 10, 2014, 1, 18);
    EXPECT_EQ(m->m_uvHistoryTimes[359], T(2014, 1, 18, 10, 0));
}

// ---- dewpoints -------------------------------------------------------------------------------

TEST(Dewpoint, RuleAndMissingInputs)
{
    EXPECT_NEAR(ComputeDewpoint(1, 1, 20, 50, true), 9.2771346, 1e-7);
    EXPECT_NEAR(ComputeDewpoint(1, 1, 0, 100, true), 0.0, 1e-9);
    EXPECT_NEAR(ComputeDewpoint(1, 1, 68, 50, false), 9.2771346 * 1.8 + 32, 1e-6);
    EXPECT_EQ(ComputeDewpoint(0, 1, 20, 50, true), DISPLAY_MISSING);
    EXPECT_EQ(ComputeDewpoint(1, 0, 20, 50, true), DISPLAY_MISSING);
    EXPECT_EQ(ComputeDewpoint(1, 1, DISPLAY_MISSING, 50, true), DISPLAY_MISSING);
    EXPECT_EQ(ComputeDewpoint(1, 1, 20, DISPLAY_MISSING, true), DISPLAY_MISSING);
    EXPECT_EQ(ComputeDewpoint(1, 1, 20, 0, true), DISPLAY_MISSING);
    EXPECT_EQ(ComputeDewpoint(1, 1, 20, -3, false), DISPLAY_MISSING); // not unit-converted
}

TEST(Dewpoint, SeriesFromTheSensorRows)
{
    auto m = NewRecords("dew_series");
    m->m_sensorHistoryTemperatures[5][239] = 20;
    m->m_sensorHistoryHumidities[5][239] = 50;
    m->m_sensorHistoryTemperatures[5][238] = 20; // humidity never filled (0)
    m->m_sensorHistoryDewpoints[5][238] = 5;
    m->FillDewpointSeries();
    EXPECT_NEAR(m->m_sensorHistoryDewpoints[5][239], 9.2771346, 1e-7);
    EXPECT_EQ(m->m_sensorHistoryDewpoints[5][238], DISPLAY_MISSING);

    m->m_temperatureFactor = 1.8;
    m->m_sensorHistoryTemperatures[5][239] = 68;
    m->FillDewpointSeries();
    EXPECT_NEAR(m->m_sensorHistoryDewpoints[5][239], 9.2771346 * 1.8 + 32, 1e-6);
}

TEST(Dewpoint, ExtremesWidenAndIgnoreMissing)
{
    auto m = StartReplay("dew_extremes", 100);
    ScriptedReading r = At(10, 20, 100);
    r.temperature[0] = "20";
    r.humidity[0] = "50";
    Feed(*m, r);
    EXPECT_NEAR(m->m_dewpointMaxNow[0], 9.28, 0.01);
    EXPECT_NEAR(m->m_dewpointMinNow[0], 9.28, 0.01);
    r.minute = 22;
    r.temperature[0] = "25";
    Feed(*m, r);
    EXPECT_GT(m->m_dewpointMaxNow[0], 13.0);
    EXPECT_NEAR(m->m_dewpointMinNow[0], 9.28, 0.01);

    // After the sensor histories were cleared the counts are 0: nothing becomes an extreme.
    const double high = m->m_dewpointMaxNow[0], low = m->m_dewpointMinNow[0];
    m->ClearHistories();
    m->UpdateDewpointMinMax();
    EXPECT_EQ(m->m_dewpointMaxNow[0], high);
    EXPECT_EQ(m->m_dewpointMinNow[0], low);

    // Fahrenheit display.
    auto f = StartReplay("dew_extremes_f", 100);
    f->m_temperatureFactor = 1.8;
    r.temperature[0] = "20";
    Feed(*f, r);
    EXPECT_NEAR(f->m_dewpointMaxNow[0], 48.7, 0.05);
}

// ---- station extremes and summary values -----------------------------------------------------

TEST(StationExtremes, MinMaxTextsAndMarkers)
{
    auto m = NewRecords("extremes");
    m->m_liveValue[0] = 5;
    m->m_channelTempMax[2] = 30;
    m->m_humidityTrend[1] = 2;
    m->m_uvDailyMax[7] = 4;
    m->m_windNow[0] = 7;
    m->stationAnswers = true;
    StationMinMaxTexts& t = m->station;
    t.indoorTempA = "UU";
    t.indoorTempB = "24.5";
    t.indoorHumidityA = "30";
    t.indoorHumidityB = "70";
    t.channelTempB[3] = "MISS";
    t.channelTempA[3] = "-4.5";
    t.channelHumidityA[5] = "20";
    t.twoBitA[1] = "U";
    t.twoBitB[4] = "3";
    t.bcd[7] = "HH";
    t.bcd[6] = "5.5";
    t.value170 = "12.5";
    t.value174 = "100";
    t.value176 = "65535";
    t.value178 = "";
    m->LoadStationMinMax();
    EXPECT_EQ(m->m_liveValue[0], 5.0);   // "UU" leaves the previous value
    EXPECT_EQ(m->m_liveValue[1], 24.5);
    EXPECT_EQ(m->m_liveValue[3], 30.0);  // humidity A is the minimum, in [3]
    EXPECT_EQ(m->m_liveValue[2], 70.0);
    EXPECT_EQ(m->m_channelTempMax[2], 30.0);
    EXPECT_EQ(m->m_channelTempMin[2], -4.5);
    EXPECT_EQ(m->m_channelHumidityMin[4], 20.0);
    EXPECT_EQ(m->m_humidityTrend[1], 2);
    EXPECT_EQ(m->m_temperatureTrend[4], 3);
    EXPECT_EQ(m->m_uvDailyMax[7], 4.0);
    EXPECT_EQ(m->m_uvDailyMax[6], 5.5);
    EXPECT_EQ(m->m_windNow[0], 12.5);
    EXPECT_DOUBLE_EQ(m->m_rainNow[0], 70.5375);
    EXPECT_EQ(m->m_rainNow[1], DISPLAY_MISSING);
    EXPECT_EQ(m->m_rainNow[2], DISPLAY_MISSING);

    // No answer from the station: nothing changes.
    m->stationAnswers = false;
    m->m_liveValue[1] = 1;
    m->LoadStationMinMax();
    EXPECT_EQ(m->m_liveValue[1], 1.0);
}

TEST(StationExtremes, AltitudePressureOffset)
{
    auto m = NewRecords("altitude");
    m->m_altitudeMetres = 0;
    m->UpdateAltitudePressureOffset();
    EXPECT_NEAR(m->m_pressureOffset, 0.0, 1e-9);
    m->m_altitudeMetres = 263.44;
    m->UpdateAltitudePressureOffset();
    EXPECT_NEAR(m->m_pressureOffset, -31.25, 1e-9);
    m->m_altitudeMetres = 2000;
    m->UpdateAltitudePressureOffset();
    EXPECT_NEAR(m->m_pressureOffset, -218.27, 0.01);
    m->m_altitudeMetres = 6000;
    m->UpdateAltitudePressureOffset();
    EXPECT_NEAR(m->m_pressureOffset, -218.27, 0.01);
    m->m_altitudeMetres = -204.02;
    m->UpdateAltitudePressureOffset();
    EXPECT_NEAR(m->m_pressureOffset, 1038 - 1013.25, 1e-9);
}

TEST(StationExtremes, FormatReading)
{
    EXPECT_EQ(FormatReading(L" ", 0, 12.3), L" ");
    EXPECT_EQ(FormatReading(L" ", 1, -999.9), L" ");
    EXPECT_EQ(FormatReading(L" ", 1, 12.34), L"12.3");
    EXPECT_EQ(FormatReading(L" ", 1, -0.5), L"-0.5");
}

TEST(StationExtremes, DownloadedHeaderValues)
{
    auto m = NewRecords("header");
    ReadingsRecord& r = m->m_readings;
    r.m_headerAltitude = 263.44;
    for (int k = 0; k < 25; ++k)
        r.m_headerHourlyPressure[k] = 1000 + k;
    for (int k = 0; k < 8; ++k)
        r.m_headerUvDailyMax[k] = k;
    r.m_headerUvDailyMax[6] = DISPLAY_MISSING;
    r.m_headerWindMax[0] = 12.34;
    r.m_headerWindMax[1] = DISPLAY_MISSING;
    r.m_headerRainTotals[0] = 1.26;
    r.m_headerRainTotals[1] = DISPLAY_MISSING;
    r.m_headerRainTotals[2] = 0;
    r.m_headerIndoorExtremes[0] = 18;
    r.m_headerIndoorExtremes[1] = 25;
    r.m_headerIndoorExtremes[2] = 30;
    r.m_headerIndoorExtremes[3] = 60;
    r.m_headerChannelTempMin[4] = DISPLAY_MISSING;
    r.m_headerTempTrend[2] = 3;
    r.m_dewpointMax[0] = 12;
    r.m_dewpointMin[0] = 2;
    r.m_dewpointMax[1] = -999.0; // never widened
    r.m_dewpointMin[1] = 999.0;
    m->m_temperatureFactor = 1.8;

    m->ApplyDownloadedAltitude();
    m->ShowUvDailyMaxima();
    m->ShowHeaderValues();
    m->ShowRainTotals();
    m->CopyDownloadedMinMax();

    EXPECT_NEAR(m->m_pressureOffset, -31.25, 1e-9);
    EXPECT_EQ(m->m_pressureHourly[24], 1000.0); // latest hour last
    EXPECT_EQ(m->m_pressureHourly[0], 1024.0);
    EXPECT_EQ(m->shown[SummaryValue::UvMaxSevenDaysAgo], L"0.0");
    EXPECT_EQ(m->shown[SummaryValue::UvMaxYesterday], L" ");
    EXPECT_EQ(m->shown[SummaryValue::UvMaxToday], L"7.0");
    EXPECT_EQ(m->shown[SummaryValue::WindMaximum], L"12.3");
    EXPECT_EQ(m->shown[SummaryValue::GustMaximum], L" ");
    EXPECT_EQ(m->shown[SummaryValue::RainYesterday], L"1.3");
    EXPECT_EQ(m->shown.count(SummaryValue::RainLastWeek), 0u); // a missing total keeps its text
    EXPECT_EQ(m->shown[SummaryValue::RainLastMonth], L"0.0");
    EXPECT_EQ(m->m_rainNow[1], DISPLAY_MISSING);
    EXPECT_EQ(m->m_liveValue[0], 18.0);
    EXPECT_EQ(m->m_liveValue[1], 25.0);
    EXPECT_EQ(m->m_liveValue[3], 30.0);
    EXPECT_EQ(m->m_liveValue[2], 60.0);
    EXPECT_EQ(m->m_channelTempMin[4], DISPLAY_MISSING);
    EXPECT_EQ(m->m_temperatureTrend[2], 3);
    EXPECT_NEAR(m->m_dewpointMaxNow[0], 12 * 1.8 + 32, 1e-9);
    EXPECT_NEAR(m->m_dewpointMinNow[0], 2 * 1.8 + 32, 1e-9);
    EXPECT_EQ(m->m_dewpointMaxNow[1], DISPLAY_MISSING);
    EXPECT_EQ(m->m_dewpointMinNow[1], DISPLAY_MISSING);
}

// ---- rain history file -----------------------------------------------------------------------

namespace {

void WriteRainFile(const std::wstring& path, int32_t count, const std::vector<std::pair<double, double>>& samples)
{
    std::FILE* f = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(&count, 4, 1, f);
    for (auto& s : samples) {
        std::fwrite(&s.first, 8, 1, f);
        std::fwrite(&s.second, 8, 1, f);
    }
    std::fclose(f);
}

// Seeded hourly sums at 10:59:59, 11:59:59 and 12:59:59 of 1, 2 and 3 (display unit).
void SeedThreeHours(CMainRecords& m)
{
    for (int i = 0; i < 3; ++i) {
        m.m_rainHistoryTimes[357 + i] = T(2014, 1, 18, 10 + i, 59, 59);
        m.m_rainHistoryValues[357 + i] = (1 + i) * m.m_rainFactor;
    }
    m.m_rainHistoryCount = 3;
}

} // namespace

TEST(PassRainData, WrittenNewestFirstInMillimetresAndReadBack)
{
    // Hourly samples stamped 10:05, 11:05 and 12:05, shown in inches.
    auto m = NewRecords("rainfile_write");
    m->m_rainFactor = 0.03937;
    for (int i = 0; i < 3; ++i) {
        m->m_rainHistoryTimes[357 + i] = T(2014, 1, 18, 10 + i, 5);
        m->m_rainHistoryValues[357 + i] = (1 + i) * 0.03937;
    }
    m->m_rainHistoryCount = 3;
    ASSERT_TRUE(m->SavePassRainData());
    std::FILE* f = _wfopen(m->PassRainDataPath().c_str(), L"rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ReadInt(f), 3);
    for (int i = 2; i >= 0; --i) {
        EXPECT_EQ(ReadDouble(f), T(2014, 1, 18, 10 + i, 5));
        EXPECT_NEAR(ReadDouble(f), 1.0 + i, 1e-12);
    }
    EXPECT_EQ(ReadInt(f), -12345); // nothing more
    std::fclose(f);

    // The next run seeded hourly sums at 12:59:59 and 13:59:59 and merges the file.
    auto n = NewRecords("rainfile_write");
    n->m_rainFactor = 0.03937;
    n->m_rainHistoryTimes[358] = T(2014, 1, 18, 12, 59, 59);
    n->m_rainHistoryValues[358] = 5 * 0.03937;
    n->m_rainHistoryTimes[359] = T(2014, 1, 18, 13, 59, 59);
    n->m_rainHistoryValues[359] = 9 * 0.03937;
    n->m_rainHistoryCount = 2;
    ASSERT_TRUE(n->LoadPassRainData(2, T(2014, 1, 18, 23, 59, 59) - RAIN_WINDOW_S));
    EXPECT_EQ(n->m_rainHistoryCount, 4);
    EXPECT_EQ(n->m_rainHistoryTimes[356], T(2014, 1, 18, 10, 5));
    EXPECT_NEAR(n->m_rainHistoryValues[356], 1 * 0.03937, 1e-12);
    EXPECT_EQ(n->m_rainHistoryTimes[357], T(2014, 1, 18, 11, 5));
    EXPECT_NEAR(n->m_rainHistoryValues[357], 2 * 0.03937, 1e-12);
    // The boundary hour: the seeded sum less the file's rain of that hour.
    EXPECT_EQ(n->m_rainHistoryTimes[358], T(2014, 1, 18, 12, 5));
    EXPECT_NEAR(n->m_rainHistoryValues[358], (5 - 3) * 0.03937, 1e-12);
    EXPECT_EQ(n->m_rainHistoryTimes[359], T(2014, 1, 18, 13, 59, 59));
    EXPECT_NEAR(n->m_rainHistoryValues[359], 9 * 0.03937, 1e-12);
}

TEST(PassRainData, MergeReplacesFromTheNewestKeptSampleBackwards)
{
    auto m = NewRecords("rainfile_merge");
    SeedThreeHours(*m);
    WriteRainFile(m->PassRainDataPath(), 3,
                  {{T(2014, 1, 18, 11, 30), 0.5}, {T(2014, 1, 18, 10, 10), 0.7}, {T(2014, 1, 18, 9, 5), 0.9}});
    ASSERT_TRUE(m->LoadPassRainData(3, T(2014, 1, 1, 0, 0)));
    EXPECT_EQ(m->m_rainHistoryCount, 4);
    EXPECT_EQ(m->m_rainHistoryTimes[356], T(2014, 1, 18, 9, 5));
    EXPECT_DOUBLE_EQ(m->m_rainHistoryValues[356], 0.9);
    EXPECT_EQ(m->m_rainHistoryTimes[357], T(2014, 1, 18, 10, 10));
    EXPECT_DOUBLE_EQ(m->m_rainHistoryValues[357], 0.7);
    EXPECT_EQ(m->m_rainHistoryTimes[358], T(2014, 1, 18, 11, 30));
    EXPECT_DOUBLE_EQ(m->m_rainHistoryValues[358], 2 - 0.5);
    EXPECT_EQ(m->m_rainHistoryTimes[359], T(2014, 1, 18, 12, 59, 59));
    EXPECT_DOUBLE_EQ(m->m_rainHistoryValues[359], 3.0);
}

TEST(PassRainData, SamplesNotNewerThanTheSinceTimeAreIgnored)
{
    auto m = NewRecords("rainfile_since");
    SeedThreeHours(*m);
    const double since = T(2014, 1, 18, 10, 0);
    WriteRainFile(m->PassRainDataPath(), 2, {{since, 0.5}, {since - 3600, 0.7}});
    ASSERT_TRUE(m->LoadPassRainData(3, since));
    EXPECT_EQ(m->m_rainHistoryCount, 3);
    EXPECT_EQ(m->m_rainHistoryValues[357], 1.0);
    EXPECT_EQ(m->m_rainHistoryTimes[357], T(2014, 1, 18, 10, 59, 59));

    // No history sample newer than the file's newest kept sample: nothing merged.
    WriteRainFile(m->PassRainDataPath(), 1, {{T(2014, 1, 18, 14, 0), 0.5}});
    ASSERT_TRUE(m->LoadPassRainData(3, since));
    EXPECT_EQ(m->m_rainHistoryCount, 3);
    EXPECT_EQ(m->m_rainHistoryValues[359], 3.0);
}

TEST(PassRainData, MissingFileAndUntrustworthyCounts)
{
    auto m = NewRecords("rainfile_bad");
    _wremove(m->PassRainDataPath().c_str());
    SeedThreeHours(*m);
    EXPECT_FALSE(m->LoadPassRainData(3, 0));
    EXPECT_EQ(m->m_rainHistoryCount, 3);

    // A count far beyond the samples the file holds reads only those samples.
    WriteRainFile(m->PassRainDataPath(), 1000000, {{T(2014, 1, 18, 11, 30), 0.5}});
    ASSERT_TRUE(m->LoadPassRainData(3, 0));
    EXPECT_EQ(m->m_rainHistoryCount, 3);
    EXPECT_EQ(m->m_rainHistoryTimes[358], T(2014, 1, 18, 11, 30));

    // A negative count reads nothing.
    SeedThreeHours(*m);
    WriteRainFile(m->PassRainDataPath(), -5, {{T(2014, 1, 18, 11, 30), 0.5}});
    ASSERT_TRUE(m->LoadPassRainData(3, 0));
    EXPECT_EQ(m->m_rainHistoryTimes[358], T(2014, 1, 18, 11, 59, 59));
}

TEST(PassRainData, MergeNeverExceeds360AndTheWriterStaysInside)
{
    auto m = NewRecords("rainfile_full");
    // A full seeded history, newest bucket at 12:59:59, and a file of 360 older samples.
    for (int i = 0; i < 359; ++i)
        m->m_rainHistoryTimes[359 - i] = T(2014, 1, 18, 12, 59, 59) - 3600.0 * i;
    m->m_rainHistoryCount = 359;
    std::vector<std::pair<double, double>> samples;
    for (int i = 0; i < 360; ++i)
        samples.push_back({T(2014, 1, 18, 12, 30) - 3600.0 * i, 0.1});
    WriteRainFile(m->PassRainDataPath(), 360, samples);
    ASSERT_TRUE(m->LoadPassRainData(359, 0));
    EXPECT_EQ(m->m_rainHistoryCount, 360);

    // The next new hour shifts from position 0, writes 360 samples and caps the count at 359.
    int start[5] = {12, 58, 2014, 1, 18};
    std::copy(start, start + 5, m->m_recordTime);
    ASSERT_TRUE(LoadScripted(m->m_readings, At(13, 0, 100)));
    m->m_recordTime[RECORD_HOUR] = 13;
    m->m_recordTime[RECORD_MINUTE] = 0;
    m->m_lastRainCounter = RainCountsToMm(100);
    m->AppendRainSample(true);
    EXPECT_EQ(m->m_rainHistoryCount, 359);
    std::FILE* f = _wfopen(m->PassRainDataPath().c_str(), L"rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(ReadInt(f), 360);
    std::fseek(f, 0, SEEK_END);
    EXPECT_EQ(std::ftell(f), 4 + 360 * 16);
    std::fclose(f);
}
