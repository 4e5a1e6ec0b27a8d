#include "records/HistoryColumns.h"

#include "records/RecordTime.h"

#include <algorithm>

bool HistoryColumns::HasDates() const { return year && month && day && hour && minute; }

double HistoryColumns::RowTime(int row) const
{
    return SecondsSinceYearOne(year[row], month[row], day[row], hour[row], minute[row], 0);
}

HistoryColumns PublishedHistoryColumns()
{
    HistoryColumns c;
    c.year = g_historyYear;
    c.month = g_historyMonth;
    c.day = g_historyDay;
    c.hour = g_historyHour;
    c.minute = g_historyMinute;
    c.rain = g_historyRain;
    c.uv = g_historyUv;
    c.pressure = g_historyPressure;
    c.windSpeed = g_historyWindSpeed;
    c.windDirection = g_historyWindDirection;
    c.windGust = g_historyWindGust;
    c.windChill = g_historyWindChill;
    for (int s = 0; s < SENSOR_COUNT; ++s)
        for (int k = 0; k < 3; ++k)
            c.sensor[s][k] = g_historySensorColumns[s][k];
    c.rows = c.HasDates() ? std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS) : 0;
    return c;
}
