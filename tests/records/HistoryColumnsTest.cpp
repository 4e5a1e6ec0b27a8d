// The published history seen as one set of columns, and the display switches that the settings,
// the chart display dialog and the panels share.
#include "records/DisplaySwitches.h"
#include "records/HistoryColumns.h"
#include "records/RecordTime.h"

#include <gtest/gtest.h>

#include <memory>

TEST(HistoryColumns, ThePublishedColumnsAreTheRecordsAndTheirRowsStayInRange)
{
    auto record = std::make_unique<ReadingsRecord>();
    record->m_rowCount = 2;
    record->m_yearColumn[1] = 2014, record->m_monthColumn[1] = 1, record->m_dayColumn[1] = 18;
    record->m_hourColumn[1] = 10, record->m_minuteColumn[1] = 20;
    record->PublishAllColumns();

    HistoryColumns c = PublishedHistoryColumns();
    EXPECT_EQ(c.rows, 2);
    EXPECT_EQ(c.minute, record->m_minuteColumn);
    EXPECT_EQ(c.rain, record->m_rainColumn);
    EXPECT_EQ(c.uv, record->m_uvColumn);
    EXPECT_EQ(c.pressure, record->m_pressureColumn);
    EXPECT_EQ(c.windSpeed, record->m_windSpeedColumn);
    EXPECT_EQ(c.windDirection, record->m_windDirectionColumn);
    EXPECT_EQ(c.windGust, record->m_windGustColumn);
    EXPECT_EQ(c.windChill, record->m_windChillColumn);
    EXPECT_EQ(c.sensor[4][SENSOR_COLUMN_HUMIDITY], record->m_humidityColumns[4]);
    EXPECT_EQ(c.sensor[5][SENSOR_COLUMN_DEWPOINT], record->m_dewpointColumns[5]);
    EXPECT_EQ(c.RowTime(1), SecondsSinceYearOne(2014, 1, 18, 10, 20, 0));

    // A count beyond the columns reads as full columns; without the date columns there are no rows.
    g_historyRowCount = HISTORY_ROWS + 5;
    EXPECT_EQ(PublishedHistoryColumns().rows, HISTORY_ROWS);
    g_historyRowCount = -3;
    EXPECT_EQ(PublishedHistoryColumns().rows, 0);
    g_historyRowCount = 2;
    int* const day = g_historyDay;
    g_historyDay = nullptr;
    c = PublishedHistoryColumns();
    EXPECT_FALSE(c.HasDates());
    EXPECT_EQ(c.rows, 0);
    g_historyDay = day;
}

TEST(DisplaySwitches, AChangeOfAnyOneSwitchOrViewIsAChange)
{
    // The struct is its eleven integers, in order.
    static_assert(sizeof(DisplaySwitches) == 11 * sizeof(int), "eleven switches and views");
    const DisplaySwitches stored;
    for (int k = 0; k < 11; ++k) {
        DisplaySwitches changed = stored;
        reinterpret_cast<int*>(&changed)[k] += 1;
        EXPECT_NE(changed, stored) << k;
        EXPECT_FALSE(changed == stored) << k;
    }
    EXPECT_EQ(DisplaySwitches(), stored);
}
