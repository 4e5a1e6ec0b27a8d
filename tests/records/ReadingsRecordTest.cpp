#include "records/ReadingsRecord.h"

#include "RecordTestUtil.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace {

std::unique_ptr<ReadingsRecord> NewRecord() { return std::make_unique<ReadingsRecord>(); }

} // namespace

TEST(ReadingsRecord, EmptyStateHasAllocatedZeroColumnsAndMissingValues)
{
    auto r = NewRecord();
    EXPECT_EQ(r->m_rowCount, 0);
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        ASSERT_NE(r->m_temperatureColumns[s], nullptr);
        EXPECT_EQ(r->m_dewpointColumns[s][HISTORY_ROWS - 1], 0.0);
        EXPECT_EQ(r->m_dewpointMax[s], -999.0);
        EXPECT_EQ(r->m_dewpointMin[s], 999.0);
    }
    ASSERT_NE(r->m_minuteColumn, nullptr);
    EXPECT_EQ(r->m_minuteColumn[HISTORY_ROWS - 1], 0);
    EXPECT_EQ(r->m_rainResetDate[0], -1);
    EXPECT_EQ(r->m_rainAtReset, -1.0);
    // Empty value texts are missing, never 0.
    EXPECT_EQ(r->GetIndoorTemperature(), DISPLAY_MISSING);
    EXPECT_EQ(r->GetPressure(), DISPLAY_MISSING);
    EXPECT_EQ(r->GetRecordMinute(), MISSING_VALUE);
    EXPECT_EQ(r->GetRecordYear(), MISSING_VALUE);
    EXPECT_EQ(r->RainValue(), DISPLAY_MISSING);
    EXPECT_EQ(r->WindDirectionIndex(), MISSING_VALUE);
}

TEST(ReadingsRecord, LoadCurrentRecordFillsTheSlotsInFileOrder)
{
    auto r = NewRecord();
    ScriptedReading reading;
    reading.temperature[3] = "-5.25";
    ASSERT_TRUE(LoadScripted(*r, reading));
    EXPECT_EQ(r->m_valueTexts[0], L"2014");
    EXPECT_EQ(r->m_valueTexts[3], L"10:20");
    EXPECT_EQ(r->GetRecordYear(), 2014);
    EXPECT_EQ(r->GetRecordMonth(), 1);
    EXPECT_EQ(r->GetRecordDay(), 18);
    EXPECT_EQ(r->GetRecordHour(), 10);
    EXPECT_EQ(r->GetRecordMinute(), 20);
    EXPECT_DOUBLE_EQ(r->GetIndoorTemperature(), 21.5);
    EXPECT_DOUBLE_EQ(r->GetIndoorHumidity(), 45);
    EXPECT_DOUBLE_EQ(r->GetChannelTemperature(3), -5.25);
    EXPECT_DOUBLE_EQ(r->GetChannelHumidity(5), 64);
    EXPECT_DOUBLE_EQ(r->GetUvIndex(), 3.0);
    EXPECT_DOUBLE_EQ(r->GetPressure(), 1013.2);
    EXPECT_EQ(r->GetForecastFlag(), 1);
    EXPECT_EQ(r->GetForecastCode(), 3);
    EXPECT_DOUBLE_EQ(r->GetWindChill(), 9.5);
    EXPECT_DOUBLE_EQ(r->GetWindGust(), 4.5);
    EXPECT_DOUBLE_EQ(r->GetWindSpeed(), 2.3);
    EXPECT_EQ(r->WindDirectionIndex(), 9);
    EXPECT_DOUBLE_EQ(r->RainValue(), 70.5375);
    EXPECT_EQ(r->m_valueTexts[31], L"100");
}

TEST(ReadingsRecord, MissingFileKeepsTheTextsAndFails)
{
    auto r = NewRecord();
    ASSERT_TRUE(LoadScripted(*r, ScriptedReading()));
    EXPECT_FALSE(LoadCurrentRecord(L"no_such_dir/record_2min.csv", *r));
    EXPECT_DOUBLE_EQ(r->GetPressure(), 1013.2);
}

TEST(ReadingsRecord, ShortFileLeavesNoStaleValues)
{
    auto r = NewRecord();
    ASSERT_TRUE(LoadScripted(*r, ScriptedReading()));
    WriteTextFile("records_test_short.csv", "2014,1,18,10:22\n2014,1,18,x,10,22\n");
    ASSERT_TRUE(LoadCurrentRecord(L"records_test_short.csv", *r));
    EXPECT_EQ(r->GetRecordMinute(), 22);
    EXPECT_EQ(r->GetPressure(), DISPLAY_MISSING);
    EXPECT_EQ(r->GetIndoorTemperature(), DISPLAY_MISSING);
}

// Every getter maps every marker text and every non-number to its missing value.
TEST(ReadingsRecord, MarkerTableOfTheGetters)
{
    auto r = NewRecord();
    for (const char* marker : {"UU", "MISS", "HH", "LL", "OUT", "ChkErr", "65535", "", "abc", "12x", "Err"}) {
        ScriptedReading reading;
        for (int s = 0; s < SENSOR_COUNT; ++s)
            reading.temperature[s] = reading.humidity[s] = marker;
        reading.uv = reading.pressure = reading.forecastFlag = reading.forecastCode = marker;
        reading.windChill = reading.gust = reading.speed = reading.direction = marker;
        reading.rainCounter = marker;
        ASSERT_TRUE(LoadScripted(*r, reading)) << marker;
        SCOPED_TRACE(marker);
        EXPECT_EQ(r->GetIndoorTemperature(), DISPLAY_MISSING);
        EXPECT_EQ(r->GetIndoorHumidity(), DISPLAY_MISSING);
        for (int c = 1; c <= 5; ++c) {
            EXPECT_EQ(r->GetChannelTemperature(c), DISPLAY_MISSING);
            EXPECT_EQ(r->GetChannelHumidity(c), DISPLAY_MISSING);
        }
        EXPECT_EQ(r->GetUvIndex(), DISPLAY_MISSING);
        EXPECT_EQ(r->GetPressure(), DISPLAY_MISSING);
        EXPECT_EQ(r->GetForecastFlag(), MISSING_VALUE);
        EXPECT_EQ(r->GetForecastCode(), MISSING_VALUE);
        EXPECT_EQ(r->GetWindChill(), DISPLAY_MISSING);
        EXPECT_EQ(r->GetWindGust(), DISPLAY_MISSING);
        EXPECT_EQ(r->GetWindSpeed(), DISPLAY_MISSING);
        EXPECT_EQ(r->WindDirectionIndex(), MISSING_VALUE);
        EXPECT_EQ(r->RainValue(), DISPLAY_MISSING);
    }
    // The date getters too.
    ScriptedReading reading;
    ASSERT_TRUE(LoadScripted(*r, reading));
    r->m_valueTexts[SLOT_RECORD_MONTH] = L"UU";
    r->m_valueTexts[SLOT_RECORD_HOUR] = L"MISS";
    r->m_valueTexts[SLOT_RECORD_MINUTE] = L"HH";
    EXPECT_EQ(r->GetRecordMonth(), MISSING_VALUE);
    EXPECT_EQ(r->GetRecordHour(), MISSING_VALUE);
    EXPECT_EQ(r->GetRecordMinute(), MISSING_VALUE);
}

TEST(ReadingsRecord, RainStatusMarkersMakeTheRainMissing)
{
    auto r = NewRecord();
    ScriptedReading reading;
    reading.rainStatus = "DEFAULT";
    ASSERT_TRUE(LoadScripted(*r, reading));
    EXPECT_DOUBLE_EQ(r->RainValue(), 70.5375);
    for (const char* status : {"UU", "MISS"}) {
        reading.rainStatus = status;
        ASSERT_TRUE(LoadScripted(*r, reading));
        EXPECT_EQ(r->RainValue(), DISPLAY_MISSING) << status;
    }
    reading.rainStatus = "RESTART";
    ASSERT_TRUE(LoadScripted(*r, reading));
    EXPECT_DOUBLE_EQ(r->RainValue(), 70.5375);
}

TEST(ReadingsRecord, WindDirectionTexts)
{
    auto r = NewRecord();
    ScriptedReading reading;
    for (int i = 0; i < COMPASS_POINT_COUNT; ++i) {
        reading.direction = g_compassTexts[i];
        ASSERT_TRUE(LoadScripted(*r, reading));
        EXPECT_EQ(r->WindDirectionIndex(), i);
    }
    for (const char* other : {"ssw", "NORTH", "0", "UU"}) {
        reading.direction = other;
        ASSERT_TRUE(LoadScripted(*r, reading));
        EXPECT_EQ(r->WindDirectionIndex(), MISSING_VALUE) << other;
    }
}

TEST(ReadingsRecord, UnknownYearIsTheCurrentYear)
{
    auto r = NewRecord();
    ScriptedReading reading;
    reading.year = -1;
    ASSERT_TRUE(LoadScripted(*r, reading));
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    EXPECT_EQ(r->GetRecordYear(), local.tm_year + 1900);
}

TEST(ReadingsRecord, ClearIsNoticedOncePerReadingIncludingMidnight)
{
    auto r = NewRecord();
    ScriptedReading reading;
    reading.rainStatus = "CLEAR";
    reading.rainCounter = "4";
    ASSERT_TRUE(LoadScripted(*r, reading));
    r->RainValue();
    EXPECT_EQ(r->m_rainResetDate[0], 2014);
    EXPECT_EQ(r->m_rainResetDate[1], 1);
    EXPECT_EQ(r->m_rainResetDate[2], 18);
    EXPECT_EQ(r->m_rainResetDate[3], 10);
    EXPECT_EQ(r->m_rainResetDate[4], 20);
    EXPECT_DOUBLE_EQ(r->m_rainAtReset, RainCountsToMm(4));

    // The same reading again changes nothing (the counter moved, the date did not).
    r->m_valueTexts[SLOT_RAIN_COUNTER] = L"8";
    r->RainValue();
    EXPECT_DOUBLE_EQ(r->m_rainAtReset, RainCountsToMm(4));

    // A reset at 00:00 is recorded like any other.
    reading.day = 19;
    reading.hour = 0;
    reading.minute = 0;
    reading.rainCounter = "0";
    ASSERT_TRUE(LoadScripted(*r, reading));
    EXPECT_DOUBLE_EQ(r->RainValue(), 0.0);
    EXPECT_EQ(r->m_rainResetDate[2], 19);
    EXPECT_EQ(r->m_rainResetDate[3], 0);
    EXPECT_EQ(r->m_rainResetDate[4], 0);
    EXPECT_DOUBLE_EQ(r->m_rainAtReset, 0.0);

    // A reading without a valid time stores nothing.
    reading.day = 20;
    reading.minute = 5;
    ASSERT_TRUE(LoadScripted(*r, reading));
    r->m_valueTexts[SLOT_RECORD_HOUR] = L"UU";
    r->RainValue();
    EXPECT_EQ(r->m_rainResetDate[2], 19);
}

TEST(ReadingsRecord, PublishedCountIsNeverNegative)
{
    auto r = NewRecord();
    r->m_rowCount = -2; // a dump shorter than its header
    r->PublishAllColumns();
    EXPECT_EQ(g_historyRowCount.load(), 0);
    EXPECT_EQ(g_historyYear, r->m_yearColumn);
    EXPECT_EQ(g_historySensorColumns[3][SENSOR_COLUMN_DEWPOINT], r->m_dewpointColumns[3]);
    EXPECT_EQ(g_historyWindChill, r->m_windChillColumn);
}

TEST(ReadingsRecord, AppendedRowsStayWithinTheColumns)
{
    auto r = NewRecord();
    g_historyRowCount = 0;
    HistoryRow row;
    row.year = 2014;
    row.minute = 1;
    row.pressure = 1000;
    r->AppendPublishedRow(row);
    EXPECT_TRUE(r->IsPublished());
    EXPECT_EQ(g_historyRowCount.load(), 1);
    EXPECT_EQ(r->m_minuteColumn[0], 1);
    EXPECT_EQ(g_historyPressure[0], 1000.0);

    // At full capacity the oldest row is dropped and the count stays.
    r->m_minuteColumn[1] = 7;
    g_historyRowCount = HISTORY_ROWS;
    row.minute = 42;
    r->AppendPublishedRow(row);
    EXPECT_EQ(g_historyRowCount.load(), HISTORY_ROWS);
    EXPECT_EQ(r->m_minuteColumn[0], 7);
    EXPECT_EQ(r->m_minuteColumn[HISTORY_ROWS - 1], 42);
    EXPECT_EQ(r->m_pressureColumn[HISTORY_ROWS - 1], 1000.0);

    // A count out of range (negative) is taken as empty.
    g_historyRowCount = -5;
    row.minute = 9;
    r->AppendPublishedRow(row);
    EXPECT_EQ(g_historyRowCount.load(), 1);
    EXPECT_EQ(r->m_minuteColumn[0], 9);
}

TEST(ReadingsRecord, DestroyedRecordWithdrawsItsPublishedColumns)
{
    {
        auto r = NewRecord();
        r->m_rowCount = 3;
        r->PublishAllColumns();
        EXPECT_EQ(g_historyRowCount.load(), 3);
    }
    EXPECT_EQ(g_historyYear, nullptr);
    EXPECT_EQ(g_historyRain, nullptr);
    EXPECT_EQ(g_historyRowCount.load(), 0);
}
