#include "records/MainRecords.h"

#include "records/RecordFileIo.h"
#include "records/RecordTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwchar>

namespace {

bool IsValid(double value) { return value > MISSING_VALUE; }

// Moves positions first .. size-1 one step towards index 0 (element i takes element i + 1).
void ShiftDown(double* values, int first, int size)
{
    if (values != nullptr && first < size - 1)
        std::memmove(values + first, values + first + 1, sizeof(double) * static_cast<size_t>(size - 1 - first));
}

// Number of the last `count` positions of a history whose time lies in [low, high].
int CountInWindow(const double* times, int size, int count, double low, double high)
{
    count = std::clamp(count, 0, size);
    int kept = 0;
    for (int i = size - count; i < size; ++i)
        if (times[i] >= low && times[i] <= high)
            ++kept;
    return kept;
}

void MoveTimesBack(double* times, int size, int count, double delta)
{
    count = std::clamp(count, 0, size);
    for (int i = size - count; i < size; ++i)
        times[i] -= delta;
}

} // namespace

const double CMainRecords::s_altitudeTableMetres[ALTITUDE_TABLE_POINTS] = {
    -204.02, -72.58,  0,       127.72,  263.44,  400.96,  540.34,  681.63,  824.89,  970.19, 1117.59,
    1267.16, 1418.98, 1573.12, 1729.66, 1888.69, 2050.29, 2214.57, 2381.62, 2551.55, 2724.47, 2900.51,
    3079.79, 3262.45, 3448.63, 3638.49, 3832.2,  4029.94, 4231.89, 4438.27, 4649.29, 4865.2,  5086.26};

const double CMainRecords::s_altitudeTablePressure[ALTITUDE_TABLE_POINTS] = {
    1038, 1022, 1013.25, 998, 982, 966, 950, 934, 918, 902, 886, 870, 854, 838, 822, 806, 790,
    774,  758,  742,     726, 710, 694, 678, 662, 646, 630, 614, 598, 582, 566, 550, 534};

std::wstring FormatReading(const std::wstring& placeholder, int valid, double value)
{
    if (!(value > MISSING_VALUE) || valid == 0)
        return placeholder;
    wchar_t text[64];
    std::swprintf(text, 64, L"%.1f", value);
    return text;
}

double DewpointCelsius(double temperatureC, double humidity)
{
    if (!IsValid(temperatureC) || !IsValid(humidity) || humidity <= 0)
        return DISPLAY_MISSING;
    const double m = (8 - 30 * temperatureC / (temperatureC + 237.3)) - 4 * std::log10(humidity);
    const double result = -m / (m + 30) * 237.5014843842774;
    return std::isfinite(result) && IsValid(result) ? result : DISPLAY_MISSING;
}

double ComputeDewpoint(int temperatureCount, int humidityCount, double temperature, double humidity, bool celsius)
{
    if (temperatureCount <= 0 || humidityCount <= 0 || !IsValid(temperature) || !IsValid(humidity))
        return DISPLAY_MISSING;
    const double tC = celsius ? temperature : (temperature - 32) * 0.5555555555555556;
    const double result = DewpointCelsius(tC, humidity);
    if (!celsius && IsValid(result))
        return result * 1.8 + 32;
    return result;
}

CMainRecords::CMainRecords()
{
    std::fill(std::begin(m_windHistorySpeeds), std::end(m_windHistorySpeeds), DISPLAY_MISSING);
    std::fill(std::begin(m_dewpointMaxNow), std::end(m_dewpointMaxNow), DISPLAY_MISSING);
    std::fill(std::begin(m_dewpointMinNow), std::end(m_dewpointMinNow), DISPLAY_MISSING);
}

CMainRecords::~CMainRecords() = default;

void CMainRecords::ShowSummaryValue(SummaryValue, const std::wstring&) {}

bool CMainRecords::StationMinMaxTextsNow(StationMinMaxTexts*) { return false; }

// ---- chart time and units ------------------------------------------------------------------

double CMainRecords::ChartTimeOf(int year, int month, int day, int hour, int minute, int second)
{
    return SecondsSinceYearOne(year, month, day, hour, minute, second);
}

double CMainRecords::RecordChartTime() const
{
    return ChartTimeOf(m_recordTime[RECORD_YEAR], m_recordTime[RECORD_MONTH], m_recordTime[RECORD_DAY],
                       m_recordTime[RECORD_HOUR], m_recordTime[RECORD_MINUTE], 0);
}

double CMainRecords::ToDisplayTemperature(double celsius) const
{
    if (!IsValid(celsius) || m_temperatureFactor == 1.0)
        return celsius;
    return celsius * m_temperatureFactor + 32;
}

// ---- rolling histories ---------------------------------------------------------------------

void CMainRecords::AppendSample(double* times, double* values, double* values2, int size, int* count, double time,
                                double value, double value2)
{
    const int c = std::clamp(*count, 0, size);
    // A count at the size (the rain merge can leave 360) shifts from position 0 like size - 1.
    const int first = std::max(size - 1 - c, 0);
    ShiftDown(times, first, size);
    ShiftDown(values, first, size);
    ShiftDown(values2, first, size);
    if (times != nullptr)
        times[size - 1] = time;
    values[size - 1] = value;
    if (values2 != nullptr)
        values2[size - 1] = value2;
    *count = std::min(c + 1, size - 1);
}

void CMainRecords::AppendUvSample()
{
    const double uv = m_readings.GetUvIndex();
    if (IsValid(uv))
        AppendSample(m_uvHistoryTimes, m_uvHistoryValues, nullptr, UV_HISTORY_SIZE, &m_uvHistoryCount,
                     RecordChartTime(), uv * m_uvFactor, 0);
}

void CMainRecords::AppendPressureSample()
{
    const double pressure = m_readings.GetPressure();
    if (IsValid(pressure))
        AppendSample(m_pressureHistoryTimes, m_pressureHistoryValues, nullptr, PRESSURE_HISTORY_SIZE,
                     &m_pressureHistoryCount, RecordChartTime(), pressure * m_pressureFactor, 0);
}

void CMainRecords::AppendWindSample()
{
    const double speed = m_readings.GetWindSpeed();
    if (IsValid(speed))
        AppendSample(m_windHistoryTimes, m_windHistorySpeeds, m_windHistoryDirections, WIND_HISTORY_SIZE,
                     &m_windHistoryCount, RecordChartTime(), speed * m_windFactor,
                     static_cast<double>(m_readings.WindDirectionIndex()));
}

void CMainRecords::AppendSensorSamples()
{
    const double time = RecordChartTime();
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const double t = s == 0 ? m_readings.GetIndoorTemperature() : m_readings.GetChannelTemperature(s);
        if (IsValid(t))
            AppendSample(m_sensorHistoryTimes[s], m_sensorHistoryTemperatures[SensorRow(s)], nullptr,
                         SENSOR_HISTORY_SIZE, &m_sensorHistoryCounts[s], time, ToDisplayTemperature(t), 0);
    }
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const double h = s == 0 ? m_readings.GetIndoorHumidity() : m_readings.GetChannelHumidity(s);
        if (IsValid(h))
            AppendSample(nullptr, m_sensorHistoryHumidities[SensorRow(s)], nullptr, SENSOR_HISTORY_SIZE,
                         &m_humidityHistoryCounts[s], 0, h, 0);
    }
}

// Rain since the previous reading, in millimetres, from the counter r. A counter below the
// previous one wrapped at 65535 counts, unless the station reports a rain reset ("CLEAR") with
// this reading: then the counter restarted from 0. A drop smaller than half a count is rounding.
static double RainIncrement(double r, double lastCounter, bool cleared)
{
    double d = r - lastCounter;
    if (d >= 0)
        return d;
    if (cleared)
        return r;
    if (d > -RAIN_MM_PER_COUNT / 2)
        return 0;
    return r + RAIN_WRAP_MM - lastCounter;
}

void CMainRecords::AppendRainSample(bool newHour)
{
    const double r = m_readings.RainValue();
    if (!IsValid(r))
        return;
    const double d = RainIncrement(r, m_lastRainCounter, m_readings.IsRainCleared());
    m_rainSinceHourlyRow += d;
    const double time = RecordChartTime();
    if (newHour) {
        const int c = std::clamp(m_rainHistoryCount, 0, RAIN_HISTORY_SIZE);
        const int first = std::max(RAIN_HISTORY_SIZE - 1 - c, 0);
        ShiftDown(m_rainHistoryTimes, first, RAIN_HISTORY_SIZE);
        ShiftDown(m_rainHistoryValues, first, RAIN_HISTORY_SIZE);
        m_rainHistoryValues[RAIN_HISTORY_SIZE - 1] = d * m_rainFactor;
        m_rainHistoryTimes[RAIN_HISTORY_SIZE - 1] = time;
        m_lastRainCounter = r;
        m_rainHistoryCount = c + 1;
        SavePassRainData();
        m_rainHistoryCount = std::min(m_rainHistoryCount, RAIN_HISTORY_SIZE - 1);
    } else {
        if (d > 0) {
            if (m_rainHistoryCount <= 0)
                m_rainHistoryCount = 1;
            m_rainHistoryValues[RAIN_HISTORY_SIZE - 1] += d * m_rainFactor;
            m_rainHistoryTimes[RAIN_HISTORY_SIZE - 1] = time;
        }
        m_lastRainCounter = r;
    }
}

void CMainRecords::PruneHistories(int minute, int hour, int month, int year, int day)
{
    const double t = ChartTimeOf(year, month, day, hour, minute, 0);
    const double endOfDay = ChartTimeOf(year, month, day, 23, 59, 59);
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const int kept = CountInWindow(m_sensorHistoryTimes[s], SENSOR_HISTORY_SIZE, m_sensorHistoryCounts[s],
                                       t - SENSOR_WINDOW_S, t);
        m_sensorHistoryCounts[s] = kept;
        // The humidities have no times of their own and are judged by the temperature times, but
        // never counted beyond the samples they hold: a channel that gives temperatures without
        // humidities must not count positions that were never filled.
        m_humidityHistoryCounts[s] = std::min(std::clamp(m_humidityHistoryCounts[s], 0, SENSOR_HISTORY_SIZE), kept);
    }
    m_uvHistoryCount = CountInWindow(m_uvHistoryTimes, UV_HISTORY_SIZE, m_uvHistoryCount, t - UV_WINDOW_S, t);
    m_windHistoryCount =
        CountInWindow(m_windHistoryTimes, WIND_HISTORY_SIZE, m_windHistoryCount, t - WIND_WINDOW_S, t);
    m_rainHistoryCount = CountInWindow(m_rainHistoryTimes, RAIN_HISTORY_SIZE, m_rainHistoryCount,
                                       endOfDay - RAIN_WINDOW_S, endOfDay);
}

namespace {

bool ToLocalSeconds(int year, int month, int day, int hour, int minute, __time64_t* seconds)
{
    if (year < 1970 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59)
        return false;
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    __time64_t t = _mktime64(&local);
    if (t == -1)
        return false;
    *seconds = t;
    return true;
}

} // namespace

void CMainRecords::ShiftHistoryTimes(int minute, int hour, int year, int month, int day)
{
    const double newTime = ChartTimeOf(year, month, day, hour, minute, 0);
    const double oldTime = RecordChartTime();
    if (!(oldTime > newTime))
        return;
    const double delta = oldTime - newTime;

    // The same step in local calendar time (daylight saving decided by the C library).
    double localDelta = delta;
    __time64_t oldLocal = 0, newLocal = 0;
    if (ToLocalSeconds(m_recordTime[RECORD_YEAR], m_recordTime[RECORD_MONTH], m_recordTime[RECORD_DAY],
                       m_recordTime[RECORD_HOUR], m_recordTime[RECORD_MINUTE], &oldLocal) &&
        ToLocalSeconds(year, month, day, hour, minute, &newLocal))
        localDelta = static_cast<double>(oldLocal - newLocal);

    // The downloaded history rows. A row whose date is no valid date is left as it is.
    const int rows = std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS);
    if (g_historyYear && g_historyMonth && g_historyDay && g_historyHour && g_historyMinute) {
        for (int r = 0; r < rows; ++r) {
            __time64_t t = 0;
            if (!ToLocalSeconds(g_historyYear[r], g_historyMonth[r], g_historyDay[r], g_historyHour[r],
                                g_historyMinute[r], &t))
                continue;
            t -= static_cast<__time64_t>(localDelta);
            std::tm moved{};
            if (_localtime64_s(&moved, &t) != 0) {
                g_historyYear[r] = 0;
                g_historyDay[r] = 0;
                g_historyMinute[r] = -1;
                g_historyHour[r] = -1;
                g_historyMonth[r] = 0;
                continue;
            }
            g_historyYear[r] = moved.tm_year + 1900;
            g_historyDay[r] = moved.tm_mday;
            g_historyMinute[r] = moved.tm_min;
            g_historyHour[r] = moved.tm_hour;
            g_historyMonth[r] = moved.tm_mon + 1;
        }
    }

    MoveTimesBack(m_uvHistoryTimes, UV_HISTORY_SIZE, m_uvHistoryCount, delta);
    MoveTimesBack(m_windHistoryTimes, WIND_HISTORY_SIZE, m_windHistoryCount, delta);
    MoveTimesBack(m_rainHistoryTimes, RAIN_HISTORY_SIZE, m_rainHistoryCount, delta);
    MoveTimesBack(m_pressureHistoryTimes, PRESSURE_HISTORY_SIZE, m_pressureHistoryCount, delta);
    for (int s = 0; s < SENSOR_COUNT; ++s)
        MoveTimesBack(m_sensorHistoryTimes[s], SENSOR_HISTORY_SIZE, m_sensorHistoryCounts[s], delta);
}

void CMainRecords::FillDewpointSeries()
{
    const bool celsius = m_temperatureFactor == 1.0;
    for (int row = 0; row < SENSOR_COUNT; ++row) {
        for (int k = 0; k < SENSOR_HISTORY_SIZE; ++k) {
            const double t = m_sensorHistoryTemperatures[row][k];
            double dewpoint = DISPLAY_MISSING;
            if (IsValid(t)) {
                const double tC = celsius ? t : (1.0 / m_temperatureFactor) * (t - 32);
                dewpoint = DewpointCelsius(tC, m_sensorHistoryHumidities[row][k]);
                if (!celsius && IsValid(dewpoint))
                    dewpoint = dewpoint * m_temperatureFactor + 32;
            }
            m_sensorHistoryDewpoints[row][k] = dewpoint;
        }
    }
}

void CMainRecords::ClearHistories()
{
    m_uvHistoryCount = m_pressureHistoryCount = m_rainHistoryCount = m_windHistoryCount = 0;
    std::fill(std::begin(m_sensorHistoryCounts), std::end(m_sensorHistoryCounts), 0);
    std::fill(std::begin(m_humidityHistoryCounts), std::end(m_humidityHistoryCounts), 0);
    for (double* a : {m_uvHistoryTimes, m_uvHistoryValues, m_rainHistoryTimes, m_rainHistoryValues})
        std::fill_n(a, UV_HISTORY_SIZE, 0.0);
    for (double* a : {m_pressureHistoryTimes, m_pressureHistoryValues, m_windHistoryTimes, m_windHistoryDirections})
        std::fill_n(a, PRESSURE_HISTORY_SIZE, 0.0);
    std::fill(std::begin(m_windHistorySpeeds), std::end(m_windHistorySpeeds), DISPLAY_MISSING);
    for (int s = 0; s < SENSOR_COUNT; ++s)
        for (double* a : {m_sensorHistoryTimes[s], m_sensorHistoryTemperatures[s], m_sensorHistoryHumidities[s],
                          m_sensorHistoryDewpoints[s]})
            std::fill_n(a, SENSOR_HISTORY_SIZE, 0.0);
}

HistoryRow CMainRecords::BuildHourlyHistoryRow()
{
    HistoryRow row;
    row.year = m_recordTime[RECORD_YEAR];
    row.month = m_recordTime[RECORD_MONTH];
    row.day = m_recordTime[RECORD_DAY];
    row.hour = m_recordTime[RECORD_HOUR];
    row.minute = m_recordTime[RECORD_MINUTE];
    const double uv = m_readings.GetUvIndex();
    row.uv = IsValid(uv) ? uv * m_uvFactor : DISPLAY_MISSING;
    const double pressure = m_readings.GetPressure();
    row.pressure = IsValid(pressure) ? pressure * m_pressureFactor : DISPLAY_MISSING;
    const double r = m_readings.RainValue();
    if (IsValid(r)) {
        // AppendRainSample has already moved m_lastRainCounter to this reading: the hour's rain is
        // what it collected since the previous row.
        const double d = m_rainSinceHourlyRow + RainIncrement(r, m_lastRainCounter, m_readings.IsRainCleared());
        row.rain = d * m_rainFactor;
        m_rainSinceHourlyRow = 0;
        m_lastRainCounter = r;
    }
    const double speed = m_readings.GetWindSpeed();
    row.windSpeed = IsValid(speed) ? speed * m_windFactor : DISPLAY_MISSING;
    const double gust = m_readings.GetWindGust();
    row.windGust = IsValid(gust) ? gust * m_windFactor : DISPLAY_MISSING;
    row.windDirection = m_readings.WindDirectionIndex();
    row.windChill = ToDisplayTemperature(m_readings.GetWindChill());
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const double t = s == 0 ? m_readings.GetIndoorTemperature() : m_readings.GetChannelTemperature(s);
        const double h = s == 0 ? m_readings.GetIndoorHumidity() : m_readings.GetChannelHumidity(s);
        row.temperature[s] = ToDisplayTemperature(t);
        row.humidity[s] = h;
        const double dewpoint = ComputeDewpoint(m_sensorHistoryCounts[s], m_humidityHistoryCounts[s], t, h, true);
        row.dewpoint[s] = IsValid(dewpoint) ? ToDisplayTemperature(dewpoint) : MISSING_VALUE;
    }
    return row;
}

void CMainRecords::AppendHourlyHistoryRow() { m_readings.AppendPublishedRow(BuildHourlyHistoryRow()); }

// ---- station extremes and summary values ---------------------------------------------------

namespace {

// Stores the number of a station text into *member; a marker or non-number leaves it as it was.
void TakeReading(const std::string& text, double* member)
{
    double value = 0;
    if (TryParseReading(text, &value))
        *member = value;
}

// Trend codes 0..3; anything else leaves the member.
void TakeTrend(const std::string& text, int* member)
{
    const int code = IntReadingOrMissing(text);
    if (code >= 0 && code <= 3)
        *member = code;
}

void TakeRainCounter(const std::string& text, double* member)
{
    double counts = 0;
    *member = TryParseReading(text, &counts) ? RainCountsToMm(counts) : DISPLAY_MISSING;
}

std::wstring OneDecimal(double value) { return FormatReading(L" ", 1, value); }

} // namespace

void CMainRecords::LoadStationMinMax()
{
    StationMinMaxTexts texts;
    if (StationMinMaxTextsNow(&texts))
        LoadStationMinMax(texts);
}

void CMainRecords::LoadStationMinMax(const StationMinMaxTexts& texts)
{
    TakeReading(texts.indoorTempA, &m_liveValue[0]);
    TakeReading(texts.indoorTempB, &m_liveValue[1]);
    TakeReading(texts.indoorHumidityA, &m_liveValue[3]);
    TakeReading(texts.indoorHumidityB, &m_liveValue[2]);
    for (int c = 1; c < SENSOR_COUNT; ++c) {
        TakeReading(texts.channelHumidityA[c], &m_channelHumidityMin[c - 1]);
        TakeReading(texts.channelHumidityB[c], &m_channelHumidityMax[c - 1]);
        TakeReading(texts.channelTempA[c], &m_channelTempMin[c - 1]);
        TakeReading(texts.channelTempB[c], &m_channelTempMax[c - 1]);
    }
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        TakeTrend(texts.twoBitA[s], &m_humidityTrend[s]);
        TakeTrend(texts.twoBitB[s], &m_temperatureTrend[s]);
    }
    for (int k = 0; k < 8; ++k)
        TakeReading(texts.bcd[k], &m_uvDailyMax[k]);
    TakeReading(texts.value170, &m_windNow[0]);
    TakeReading(texts.value172, &m_windNow[1]);
    TakeRainCounter(texts.value174, &m_rainNow[0]);
    TakeRainCounter(texts.value176, &m_rainNow[1]);
    TakeRainCounter(texts.value178, &m_rainNow[2]);
}

void CMainRecords::CopyDownloadedMinMax()
{
    const ReadingsRecord& r = m_readings;
    for (int c = 0; c < 5; ++c) {
        m_channelTempMin[c] = r.m_headerChannelTempMin[c];
        m_channelTempMax[c] = r.m_headerChannelTempMax[c];
        m_channelHumidityMin[c] = r.m_headerChannelHumidityMin[c];
        m_channelHumidityMax[c] = r.m_headerChannelHumidityMax[c];
    }
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        // The record seeds its extremes with -999 / 999: a seed that was never widened is no value.
        const double high = r.m_dewpointMax[s];
        const double low = r.m_dewpointMin[s];
        m_dewpointMaxNow[s] = IsValid(high) && high < 999 ? ToDisplayTemperature(high) : DISPLAY_MISSING;
        m_dewpointMinNow[s] = IsValid(low) && low < 999 ? ToDisplayTemperature(low) : DISPLAY_MISSING;
    }
    m_liveValue[0] = r.m_headerIndoorExtremes[0];
    m_liveValue[1] = r.m_headerIndoorExtremes[1];
    m_liveValue[3] = r.m_headerIndoorExtremes[2];
    m_liveValue[2] = r.m_headerIndoorExtremes[3];
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_temperatureTrend[s] = r.m_headerTempTrend[s];
        m_humidityTrend[s] = r.m_headerHumidityTrend[s];
    }
}

void CMainRecords::ShowHeaderValues()
{
    m_windNow[0] = m_readings.m_headerWindMax[0];
    m_windNow[1] = m_readings.m_headerWindMax[1];
    ShowSummaryValue(SummaryValue::WindMaximum, OneDecimal(m_windNow[0]));
    ShowSummaryValue(SummaryValue::GustMaximum, OneDecimal(m_windNow[1]));
}

void CMainRecords::ShowUvDailyMaxima()
{
    std::copy(std::begin(m_readings.m_headerUvDailyMax), std::end(m_readings.m_headerUvDailyMax),
              std::begin(m_uvDailyMax));
    ShowSummaryValue(SummaryValue::UvMaxSevenDaysAgo, FormatReading(L" ", 1, m_uvDailyMax[0]));
    ShowSummaryValue(SummaryValue::UvMaxYesterday, FormatReading(L" ", 1, m_uvDailyMax[6]));
    ShowSummaryValue(SummaryValue::UvMaxToday, FormatReading(L" ", 1, m_uvDailyMax[7]));
}

void CMainRecords::ApplyDownloadedAltitude()
{
    if (IsValid(m_readings.m_headerAltitude))
        m_altitudeMetres = m_readings.m_headerAltitude;
    UpdateAltitudePressureOffset();
    for (int k = 0; k < 25; ++k)
        m_pressureHourly[24 - k] = m_readings.m_headerHourlyPressure[k];
}

void CMainRecords::ShowRainTotals()
{
    static const SummaryValue kTotals[3] = {SummaryValue::RainYesterday, SummaryValue::RainLastWeek,
                                            SummaryValue::RainLastMonth};
    for (int k = 0; k < 3; ++k) {
        m_rainNow[k] = m_readings.m_headerRainTotals[k];
        if (m_rainNow[k] >= 0)
            ShowSummaryValue(kTotals[k], OneDecimal(m_rainNow[k]));
    }
}

void CMainRecords::UpdateAltitudePressureOffset()
{
    const double a = m_altitudeMetres;
    for (int i = 0; i + 1 < ALTITUDE_TABLE_POINTS; ++i) {
        const double a0 = s_altitudeTableMetres[i], a1 = s_altitudeTableMetres[i + 1];
        if (a0 <= a && a <= a1) {
            const double p0 = s_altitudeTablePressure[i], p1 = s_altitudeTablePressure[i + 1];
            m_pressureOffset = p0 + (p1 - p0) / (a1 - a0) * (a - a0) - 1013.25;
            return;
        }
    }
}

void CMainRecords::UpdateDewpointMinMax()
{
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const double t = s == 0 ? m_readings.GetIndoorTemperature() : m_readings.GetChannelTemperature(s);
        const double h = s == 0 ? m_readings.GetIndoorHumidity() : m_readings.GetChannelHumidity(s);
        double d = ComputeDewpoint(m_sensorHistoryCounts[s], m_humidityHistoryCounts[s], t, h, true);
        if (!IsValid(d))
            continue; // a missing dewpoint is never an extreme
        d = ToDisplayTemperature(d);
        if (!IsValid(m_dewpointMaxNow[s]) || d > m_dewpointMaxNow[s])
            m_dewpointMaxNow[s] = d;
        if (!IsValid(m_dewpointMinNow[s]) || d < m_dewpointMinNow[s])
            m_dewpointMinNow[s] = d;
    }
}

// ---- rain history file -----------------------------------------------------------------------

std::wstring CMainRecords::PassRainDataPath() const { return m_installFolder + L"PassRainData.dat"; }

bool CMainRecords::WriteOwnFile(const std::wstring& path, const std::string& bytes)
{
    return ReplaceFileWith(path, bytes);
}

std::string CMainRecords::PassRainDataBytes() const
{
    std::string bytes;
    auto append = [&bytes](const void* data, size_t size) { bytes.append(static_cast<const char*>(data), size); };
    // Positions 359 - i for i < n: never before position 0.
    const int32_t n = std::clamp(m_rainHistoryCount, 0, RAIN_HISTORY_SIZE);
    const double factor = m_rainFactor != 0 ? m_rainFactor : 1.0;
    append(&n, sizeof n);
    for (int i = 0; i < n; ++i) {
        const int p = RAIN_HISTORY_SIZE - 1 - i;
        const double sample[2] = {m_rainHistoryTimes[p], m_rainHistoryValues[p] / factor};
        append(sample, sizeof sample);
    }
    return bytes;
}

bool CMainRecords::SavePassRainData() { return WriteOwnFile(PassRainDataPath(), PassRainDataBytes()); }

bool CMainRecords::LoadPassRainData(int count, double sinceTime)
{
    std::FILE* file = _wfopen(PassRainDataPath().c_str(), L"rb");
    if (file == nullptr)
        return false;
    // The count is trusted only up to the samples the file holds, and up to the history's size.
    int32_t n = 0;
    if (std::fread(&n, sizeof n, 1, file) != 1)
        n = 0;
    long available = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        available = size > 4 ? (size - 4) / 16 : 0;
    }
    std::fseek(file, 4, SEEK_SET);
    n = static_cast<int32_t>(std::clamp<long>(n, 0, std::min<long>(available, RAIN_HISTORY_SIZE)));

    double keptTimes[RAIN_HISTORY_SIZE];
    double keptRains[RAIN_HISTORY_SIZE];
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        double sample[2];
        if (std::fread(sample, sizeof sample, 1, file) != 1)
            break;
        if (sample[0] > sinceTime) {
            keptTimes[kept] = sample[0];
            keptRains[kept] = sample[1];
            ++kept;
        }
    }
    std::fclose(file);
    if (kept == 0)
        return true;

    // b: the oldest of the history's counted samples that is newer than the file's newest kept
    // sample, counted from the end.
    count = std::clamp(count, 0, RAIN_HISTORY_SIZE);
    int b = -1;
    for (int i = 0; i < count; ++i)
        if (m_rainHistoryTimes[RAIN_HISTORY_SIZE - 1 - i] > keptTimes[0])
            b = i;
    if (b < 0)
        return true;

    const double factor = m_rainFactor;
    const int p0 = RAIN_HISTORY_SIZE - 1 - b;
    const double v0 = m_rainHistoryValues[p0];
    const double th = m_rainHistoryTimes[p0];
    double f = 0;
    for (int j = 0; j < kept; ++j)
        if (keptTimes[j] < th) {
            f = keptRains[j];
            break;
        }
    bool written = false;
    for (int j = 0; j < kept; ++j) {
        const int p = p0 - j;
        if (p < 0)
            break;
        if (m_rainHistoryCount < RAIN_HISTORY_SIZE && keptTimes[j] < th) {
            m_rainHistoryTimes[p] = keptTimes[j];
            m_rainHistoryValues[p] = keptRains[j] * factor;
            written = true;
        }
        if (j + b >= count && m_rainHistoryCount < RAIN_HISTORY_SIZE)
            ++m_rainHistoryCount;
    }
    if (written)
        m_rainHistoryValues[p0] = v0 - f * factor;
    return true;
}
