#include "app/PollLoop.h"

#include "texts/TextTables.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace poll {

namespace {

constexpr double HOUR_S = 3600;
constexpr double PRESSURE_CEILING_HPA = 1600;

bool Present(double value) { return value > MISSING_VALUE; }

// Puts a sample at index size - 1 - count and counts it; false (nothing stored) when full.
bool StoreOlder(double* times, double* values, int size, int* count, double time, double value)
{
    if (*count < 0)
        *count = 0;
    if (*count >= size)
        return false;
    const int index = size - 1 - *count;
    if (times != nullptr)
        times[index] = time;
    values[index] = value;
    ++*count;
    return true;
}

}  // namespace

// ---- automatic saving ----------------------------------------------------------------------------

int AutoSaveIntervalMinutes(int index, int count)
{
    switch (index) {
    case 1: return 2;
    case 2: return 5;
    case 3: return 10;
    case 4: return 30;
    case 5: return 60;
    default: break;
    }
    long long perUnit = 0;
    if (index == 6)
        perUnit = 1440;      // days
    else if (index == 7)
        perUnit = 10080;     // weeks
    else if (index == 8)
        perUnit = 43200;     // months of 30 days
    if (perUnit == 0 || count <= 0)
        return 0;
    const long long minutes = perUnit * count;
    return minutes > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(minutes);
}

bool CountAutoSaveMinute(int* minutes, int intervalMinutes)
{
    if (intervalMinutes <= 0)
        return false;
    if (*minutes < 0)
        *minutes = 0;
    if (*minutes < 0x7FFFFFFF)
        ++*minutes;
    if (*minutes < intervalMinutes)
        return false;
    *minutes = 0;
    return true;
}

std::wstring AutoSaveStamp(int year, int month, int day, int hour, int minute)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%02d%02d%02d%02d%02d", year % 1000, month, day, hour, minute);
    return text;
}

std::wstring AutoSavePath(const std::wstring& folder, const std::wstring& name, const wchar_t* extension)
{
    std::wstring path = folder;
    if (path.empty() || (path.back() != L'\\' && path.back() != L'/'))
        path += L'\\';
    path += name;
    path += L'.';
    path += extension;
    return path;
}

// ---- download progress -----------------------------------------------------------------------------

int DownloadProgressStep(long long readAddress, long long memoryBytes, int position)
{
    if (memoryBytes == 0 || position >= DOWNLOAD_BAR_STOP)
        return -1;
    const long long target = static_cast<long long>(BAR_FULL) * readAddress / memoryBytes;
    const long long step = target - position;
    if (step <= 0)
        return 0;
    // Never past the end: a progress bar that steps beyond its range starts again at 0.
    return static_cast<int>(std::min<long long>(step, BAR_FULL - position));
}

int DownloadPercent(int position) { return static_cast<int>(position / static_cast<double>(BAR_FULL) * 100); }

std::wstring DownloadProgressText(int percent)
{
    return std::wstring(EntryAt(g_progressTexts, 0)) + std::to_wstring(percent) + EntryAt(g_progressTexts, 1);
}

// ---- countdown -------------------------------------------------------------------------------------

std::wstring RemainingTimeText(long long remainingSeconds)
{
    const long long minutes = remainingSeconds / 60 % 60;
    const long long seconds = remainingSeconds % 60;
    wchar_t text[20];
    std::swprintf(text, 20, seconds >= 10 ? L"%lld:%lld" : L"%lld:0%lld", minutes, seconds);
    return text;
}

Countdown CountdownAt(long long elapsedSeconds, int periodSeconds)
{
    if (periodSeconds <= 0)
        periodSeconds = LIVE_PERIOD_SECONDS;
    Countdown c;
    const double share = static_cast<double>(elapsedSeconds) / periodSeconds * BAR_FULL;
    c.barPosition = share <= 0 ? 0 : share >= BAR_FULL ? BAR_FULL : static_cast<int>(share);
    long long remaining = periodSeconds - elapsedSeconds;
    if (remaining < 0)
        remaining = 0;
    c.text = std::wstring(EntryAt(g_progressTexts, 2)) + RemainingTimeText(remaining);
    return c;
}

std::wstring PollStatusText(const Countdown& countdown, bool recordFilesFailing, bool stationDataFailing,
                            int language)
{
    if (stationDataFailing)
        return TextAt(g_writeFailureTexts, WRITE_FAILED_STATION_DATA_STATUS, language);
    if (recordFilesFailing)
        return TextAt(g_recordFileErrorTexts, 0, language);
    return countdown.text;
}

// ---- first poll ------------------------------------------------------------------------------------

FirstPollLimits FirstPollLimitsOf(int year, int month, int day, int hour, int minute)
{
    FirstPollLimits l;
    l.now = CMainRecords::ChartTimeOf(year, month, day, hour, minute, 0);
    l.since8h = l.now - 28800;
    l.since12h = l.now - 43200;
    l.since24h = l.now - 86400;
    l.endOfDay = CMainRecords::ChartTimeOf(year, month, day, 23, 59, 59);
    l.since15d = l.endOfDay - 1296000;
    return l;
}

bool HasFirstPollColumns(const HistoryColumns& c)
{
    if (!c.HasDates() || !c.rain || !c.uv || !c.windSpeed || !c.windDirection)
        return false;
    for (int s = 0; s < SENSOR_COUNT; ++s)
        for (int k = 0; k < 3; ++k)
            if (!c.sensor[s][k])
                return false;
    return true;
}

HistoryColumns FirstPollColumns()
{
    HistoryColumns c = PublishedHistoryColumns();
    if (!HasFirstPollColumns(c))
        c.rows = 0;
    return c;
}

void SeedPressureHistory(CMainRecords& records, double recordTime)
{
    for (int k = 0; k < 25; ++k) {
        const double hpa = records.m_readings.m_headerHourlyPressure[k];
        // An hour the station has no pressure for, or one beyond any real pressure, stays out of the
        // history, as a missing current pressure does: stored, it would be charted as a number.
        if (!Present(hpa) || hpa > PRESSURE_CEILING_HPA)
            continue;
        if (!StoreOlder(records.m_pressureHistoryTimes, records.m_pressureHistoryValues, PRESSURE_HISTORY_SIZE,
                        &records.m_pressureHistoryCount, recordTime - HOUR_S * k, hpa * records.m_pressureFactor))
            break;
    }
}

void TakeDownloadedLocation(const int header[11], CityLocation& city, CMainRecords& records)
{
    city.zoneEast = header[1];
    city.zoneHours = header[2];
    city.zoneHalfHour = header[3];
    city.longitudeHemisphere = header[4];
    city.longitudeDegrees = header[5];
    city.longitudeMinutes = header[6];
    city.latitudeHemisphere = header[7];
    city.latitudeDegrees = header[8];
    city.latitudeMinutes = header[9];
    city.dstRule = header[10];
    records.m_position = city;
    records.m_userCityName = city.name;
}

bool ConvertDownloadedRain(const HistoryColumns& c, double now, bool resetLoaded, double resetTime,
                           double currentCounter, double* lastRainCounter, double* counterAtReset)
{
    const int rows = c.rain != nullptr ? c.rows : 0;
    if (resetLoaded) {
        for (int row = 0; row < rows; ++row) {
            const double t = c.RowTime(row);
            const double value = c.rain[row];
            if (t < resetTime || t > now) {
                c.rain[row] = DISPLAY_MISSING;
                continue;
            }
            if (value == DISPLAY_MISSING)
                continue;
            const double d = value - *lastRainCounter;
            if (d >= 0)
                c.rain[row] = d;  // a drop (the counter restarted) keeps the row's own value
            *lastRainCounter = value;
        }
        return false;
    }
    // No reset yet: the download's newest counter becomes the base. A missing counter is no base;
    // without any counter in the download the current reading's counter is the base.
    double base = currentCounter;
    for (int row = rows - 1; row >= 0; --row) {
        if (Present(c.rain[row])) {
            base = c.rain[row];
            break;
        }
    }
    if (Present(base)) {
        *lastRainCounter = base;
        *counterAtReset = base;
    }
    for (int row = 0; row < rows; ++row)
        c.rain[row] = DISPLAY_MISSING;
    return true;
}

int SeedHistoriesFromDownload(CMainRecords& r, const HistoryColumns& c, const FirstPollLimits& l,
                              bool rainResetLoaded, double* rainSampleValues, double* rainSampleTimes)
{
    int taken = 0;
    if (!HasFirstPollColumns(c))
        return 0;
    for (int j = 0; j < c.rows; ++j) {
        const int row = c.rows - 1 - j;
        const double t = c.RowTime(row);
        if (t > l.now)
            continue;
        if (t >= l.since24h && Present(c.windSpeed[row]) && r.m_windHistoryCount < WIND_HISTORY_SIZE) {
            const int index = WIND_HISTORY_SIZE - 1 - std::max(r.m_windHistoryCount, 0);
            r.m_windHistorySpeeds[index] = c.windSpeed[row];
            r.m_windHistoryDirections[index] = c.windDirection[row];
            r.m_windHistoryTimes[index] = t;
            r.m_windHistoryCount = std::max(r.m_windHistoryCount, 0) + 1;
        }
        if (t >= l.since12h && Present(c.uv[row]))
            StoreOlder(r.m_uvHistoryTimes, r.m_uvHistoryValues, UV_HISTORY_SIZE, &r.m_uvHistoryCount, t, c.uv[row]);
        if (rainResetLoaded && t >= l.since15d && j < RAIN_SAMPLE_COUNT && Present(c.rain[row]) &&
            rainSampleValues != nullptr && rainSampleTimes != nullptr && taken < RAIN_SAMPLE_COUNT) {
            rainSampleValues[RAIN_SAMPLE_COUNT - 1 - taken] = c.rain[row];
            rainSampleTimes[RAIN_SAMPLE_COUNT - 1 - taken] = t;
            ++taken;
        }
        if (t >= l.since8h) {
            for (int s = 0; s < SENSOR_COUNT; ++s) {
                const int historyRow = SensorRow(s);
                const double temperature = c.sensor[s][SENSOR_COLUMN_TEMPERATURE][row];
                if (Present(temperature))
                    StoreOlder(r.m_sensorHistoryTimes[s], r.m_sensorHistoryTemperatures[historyRow],
                               SENSOR_HISTORY_SIZE, &r.m_sensorHistoryCounts[s], t, temperature);
                const double humidity = c.sensor[s][SENSOR_COLUMN_HUMIDITY][row];
                int& humidityCount = r.m_humidityHistoryCounts[s];
                if (Present(humidity) && humidityCount < SENSOR_HISTORY_SIZE) {
                    const int index = SENSOR_HISTORY_SIZE - 1 - std::max(humidityCount, 0);
                    r.m_sensorHistoryHumidities[historyRow][index] = humidity;
                    r.m_sensorHistoryDewpoints[historyRow][index] = c.sensor[s][SENSOR_COLUMN_DEWPOINT][row];
                    humidityCount = std::max(humidityCount, 0) + 1;
                }
            }
        }
    }
    return taken;
}

void BuildHourlyRainHistory(CMainRecords& r, const double* values, const double* times, int taken, double endOfDay)
{
    if (values == nullptr || times == nullptr)
        return;
    taken = std::clamp(taken, 0, RAIN_SAMPLE_COUNT);
    const int first = RAIN_SAMPLE_COUNT - taken;
    for (int bucket = 0; bucket < HOURLY_RAIN_BUCKETS; ++bucket) {
        const double end = endOfDay - HOUR_S * bucket;
        double sum = 0;
        bool any = false;
        for (int i = first; i < RAIN_SAMPLE_COUNT; ++i) {
            if (times[i] > end - HOUR_S && times[i] <= end && values[i] >= 0) {
                sum += values[i];
                any = true;
            }
        }
        if (any && !StoreOlder(r.m_rainHistoryTimes, r.m_rainHistoryValues, RAIN_HISTORY_SIZE,
                               &r.m_rainHistoryCount, end, sum))
            break;
    }
}

}  // namespace poll
