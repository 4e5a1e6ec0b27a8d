#include "records/ReadingsRecord.h"

#include "records/RecordTime.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

std::atomic<int> g_historyRowCount{0};
double* g_historySensorColumns[SENSOR_COUNT][3] = {};
int* g_historyYear = nullptr;
int* g_historyMonth = nullptr;
int* g_historyDay = nullptr;
int* g_historyHour = nullptr;
int* g_historyMinute = nullptr;
double* g_historyUv = nullptr;
double* g_historyPressure = nullptr;
double* g_historyRain = nullptr;
double* g_historyWindSpeed = nullptr;
double* g_historyWindDirection = nullptr;
double* g_historyWindGust = nullptr;
double* g_historyWindChill = nullptr;

const char* const g_compassTexts[COMPASS_POINT_COUNT] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                         "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

int CompassIndex(std::wstring_view text)
{
    for (int i = 0; i < COMPASS_POINT_COUNT; ++i) {
        const char* c = g_compassTexts[i];
        size_t n = std::strlen(c);
        if (text.size() != n)
            continue;
        bool same = true;
        for (size_t k = 0; k < n && same; ++k)
            same = text[k] == static_cast<wchar_t>(c[k]);
        if (same)
            return i;
    }
    return MISSING_VALUE;
}

ReadingsRecord::ReadingsRecord()
    : m_doubleStorage(new double[static_cast<size_t>(DOUBLE_COLUMN_COUNT) * HISTORY_ROWS]()),
      m_intStorage(new int[static_cast<size_t>(INT_COLUMN_COUNT) * HISTORY_ROWS]())
{
    double* d = m_doubleStorage.get();
    auto nextDouble = [&d]() {
        double* column = d;
        d += HISTORY_ROWS;
        return column;
    };
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_temperatureColumns[s] = nextDouble();
        m_humidityColumns[s] = nextDouble();
        m_dewpointColumns[s] = nextDouble();
    }
    m_windSpeedColumn = nextDouble();
    m_windDirectionColumn = nextDouble();
    m_windChillColumn = nextDouble();
    m_windGustColumn = nextDouble();
    m_rainColumn = nextDouble();
    m_uvColumn = nextDouble();
    m_pressureColumn = nextDouble();

    int* i = m_intStorage.get();
    auto nextInt = [&i]() {
        int* column = i;
        i += HISTORY_ROWS;
        return column;
    };
    m_forecastColumn = nextInt();
    m_yearColumn = nextInt();
    m_monthColumn = nextInt();
    m_dayColumn = nextInt();
    m_secondsColumn = nextInt();
    m_weekdayColumn = nextInt();
    m_hourColumn = nextInt();
    m_minuteColumn = nextInt();

    InitReadingsRecord();
}

ReadingsRecord::~ReadingsRecord()
{
    if (IsPublished()) {
        g_historyRowCount = 0;
        for (auto& sensor : g_historySensorColumns)
            for (auto& column : sensor)
                column = nullptr;
        g_historyYear = g_historyMonth = g_historyDay = g_historyHour = g_historyMinute = nullptr;
        g_historyUv = g_historyPressure = g_historyRain = nullptr;
        g_historyWindSpeed = g_historyWindDirection = g_historyWindGust = g_historyWindChill = nullptr;
    }
}

void ReadingsRecord::InitReadingsRecord()
{
    FreeReadingsTexts();
    ClearColumns();
    m_headerLine1Value = 0;
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_headerTempTrend[s] = 0;
        m_headerHumidityTrend[s] = 0;
        m_dewpointMax[s] = -999.0;
        m_dewpointMin[s] = 999.0;
    }
    std::fill(std::begin(m_headerHourlyPressure), std::end(m_headerHourlyPressure), 0.0);
    std::fill(std::begin(m_headerUvDailyMax), std::end(m_headerUvDailyMax), 0.0);
    m_tokenCount = 0;
    m_rowCount = 0;
    m_headerAltitude = 0;
    m_cityNameIndex = 0;
    std::fill(std::begin(m_headerLocation), std::end(m_headerLocation), 0);
    std::fill(std::begin(m_headerIndoorExtremes), std::end(m_headerIndoorExtremes), 0.0);
    std::fill(std::begin(m_headerChannelTempMin), std::end(m_headerChannelTempMin), 0.0);
    std::fill(std::begin(m_headerChannelTempMax), std::end(m_headerChannelTempMax), 0.0);
    std::fill(std::begin(m_headerChannelHumidityMin), std::end(m_headerChannelHumidityMin), 0.0);
    std::fill(std::begin(m_headerChannelHumidityMax), std::end(m_headerChannelHumidityMax), 0.0);
    std::fill(std::begin(m_headerWindMax), std::end(m_headerWindMax), 0.0);
    std::fill(std::begin(m_headerRainTotals), std::end(m_headerRainTotals), 0.0);
    std::fill(std::begin(m_rainResetDate), std::end(m_rainResetDate), -1);
    m_rainAtReset = -1.0;
}

void ReadingsRecord::FreeReadingsTexts()
{
    for (auto& text : m_valueTexts)
        text.clear();
}

void ReadingsRecord::ClearColumns()
{
    std::fill_n(m_doubleStorage.get(), static_cast<size_t>(DOUBLE_COLUMN_COUNT) * HISTORY_ROWS, 0.0);
    std::fill_n(m_intStorage.get(), static_cast<size_t>(INT_COLUMN_COUNT) * HISTORY_ROWS, 0);
}

bool ReadingsRecord::RowHasRealDate(int r) const
{
    return IsRealRecordTime(RecordTime{m_yearColumn[r], m_monthColumn[r], m_dayColumn[r], m_hourColumn[r], m_minuteColumn[r]});
}

void ReadingsRecord::DropRowsWithoutRealDate()
{
    const int rows = std::min(m_rowCount, HISTORY_ROWS);
    int kept = 0;
    for (int r = 0; r < rows; ++r) {
        if (!RowHasRealDate(r))
            continue;
        if (kept != r) {
            for (int c = 0; c < DOUBLE_COLUMN_COUNT; ++c)
                DoubleColumn(c)[kept] = DoubleColumn(c)[r];
            for (int c = 0; c < INT_COLUMN_COUNT; ++c)
                IntColumn(c)[kept] = IntColumn(c)[r];
        }
        ++kept;
    }
    for (int r = kept; r < rows; ++r) {
        for (int c = 0; c < DOUBLE_COLUMN_COUNT; ++c)
            DoubleColumn(c)[r] = 0;
        for (int c = 0; c < INT_COLUMN_COUNT; ++c)
            IntColumn(c)[r] = 0;
    }
    m_rowCount = kept;
}

void ReadingsRecord::PublishDateColumns() const
{
    g_historyYear = m_yearColumn;
    g_historyMonth = m_monthColumn;
    g_historyDay = m_dayColumn;
    g_historyHour = m_hourColumn;
    g_historyMinute = m_minuteColumn;
}

void ReadingsRecord::PublishSensorColumns() const
{
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        g_historySensorColumns[s][SENSOR_COLUMN_TEMPERATURE] = m_temperatureColumns[s];
        g_historySensorColumns[s][SENSOR_COLUMN_HUMIDITY] = m_humidityColumns[s];
        g_historySensorColumns[s][SENSOR_COLUMN_DEWPOINT] = m_dewpointColumns[s];
    }
}

void ReadingsRecord::PublishAllColumns() const
{
    PublishDateColumns();
    PublishSensorColumns();
    g_historyUv = m_uvColumn;
    g_historyRain = m_rainColumn;
    g_historyPressure = m_pressureColumn;
    g_historyWindSpeed = m_windSpeedColumn;
    g_historyWindGust = m_windGustColumn;
    g_historyWindDirection = m_windDirectionColumn;
    g_historyWindChill = m_windChillColumn;
    g_historyRowCount = std::clamp(m_rowCount, 0, HISTORY_ROWS);
}

bool ReadingsRecord::IsPublished() const
{
    return g_historyYear == m_yearColumn && g_historyUv == m_uvColumn &&
           g_historySensorColumns[0][SENSOR_COLUMN_TEMPERATURE] == m_temperatureColumns[0];
}

void ReadingsRecord::AppendPublishedRow(const HistoryRow& row)
{
    if (!IsPublished()) {
        const int count = std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS);
        PublishAllColumns();
        g_historyRowCount = count; // the published count stays; only the pointers move here
    }
    int count = std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS);
    int index = count;
    if (count >= HISTORY_ROWS) {
        // Full: every column drops its oldest row.
        for (int c = 0; c < DOUBLE_COLUMN_COUNT; ++c)
            std::memmove(DoubleColumn(c), DoubleColumn(c) + 1, sizeof(double) * (HISTORY_ROWS - 1));
        for (int c = 0; c < INT_COLUMN_COUNT; ++c)
            std::memmove(IntColumn(c), IntColumn(c) + 1, sizeof(int) * (HISTORY_ROWS - 1));
        index = HISTORY_ROWS - 1;
    }
    m_yearColumn[index] = row.year;
    m_monthColumn[index] = row.month;
    m_dayColumn[index] = row.day;
    m_hourColumn[index] = row.hour;
    m_minuteColumn[index] = row.minute;
    m_uvColumn[index] = row.uv;
    m_pressureColumn[index] = row.pressure;
    m_rainColumn[index] = row.rain;
    m_windSpeedColumn[index] = row.windSpeed;
    m_windGustColumn[index] = row.windGust;
    m_windDirectionColumn[index] = row.windDirection;
    m_windChillColumn[index] = row.windChill;
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        m_temperatureColumns[s][index] = row.temperature[s];
        m_humidityColumns[s][index] = row.humidity[s];
        m_dewpointColumns[s][index] = row.dewpoint[s];
    }
    if (count < HISTORY_ROWS)
        g_historyRowCount = count + 1;
}

const std::wstring& ReadingsRecord::ValueText(int slot) const
{
    static const std::wstring empty;
    return slot >= 0 && slot < VALUE_TEXT_COUNT ? m_valueTexts[slot] : empty;
}

double ReadingsRecord::TextToDouble(int slot) const { return ReadingOrMissing(std::wstring_view(ValueText(slot))); }

int ReadingsRecord::TextToInt(int slot) const { return IntReadingOrMissing(std::wstring_view(ValueText(slot))); }

double ReadingsRecord::GetIndoorTemperature() const { return TextToDouble(SLOT_INDOOR_TEMPERATURE); }
double ReadingsRecord::GetIndoorHumidity() const { return TextToDouble(SLOT_INDOOR_HUMIDITY); }

double ReadingsRecord::GetChannelTemperature(int sensor) const
{
    if (sensor < 0 || sensor >= SENSOR_COUNT)
        return DISPLAY_MISSING;
    return TextToDouble(SLOT_INDOOR_TEMPERATURE + 2 * sensor);
}

double ReadingsRecord::GetChannelHumidity(int sensor) const
{
    if (sensor < 0 || sensor >= SENSOR_COUNT)
        return DISPLAY_MISSING;
    return TextToDouble(SLOT_INDOOR_HUMIDITY + 2 * sensor);
}

double ReadingsRecord::GetUvIndex() const { return TextToDouble(SLOT_UV); }
double ReadingsRecord::GetPressure() const { return TextToDouble(SLOT_PRESSURE); }
int ReadingsRecord::GetForecastFlag() const { return TextToInt(SLOT_FORECAST_FLAG); }
int ReadingsRecord::GetForecastCode() const { return TextToInt(SLOT_FORECAST_CODE); }
double ReadingsRecord::GetWindChill() const { return TextToDouble(SLOT_WIND_CHILL); }
double ReadingsRecord::GetWindGust() const { return TextToDouble(SLOT_WIND_GUST); }
double ReadingsRecord::GetWindSpeed() const { return TextToDouble(SLOT_WIND_SPEED); }
int ReadingsRecord::WindDirectionIndex() const { return CompassIndex(ValueText(SLOT_WIND_DIRECTION)); }

int ReadingsRecord::GetRecordYear() const
{
    int year = TextToInt(SLOT_RECORD_YEAR);
    if (year != -1)
        return year;
    // The station gave no year: the current year of the local clock.
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_s(&local, &now) != 0)
        return 0;
    return local.tm_year + 1900;
}

int ReadingsRecord::GetRecordMonth() const { return TextToInt(SLOT_RECORD_MONTH); }
int ReadingsRecord::GetRecordDay() const { return TextToInt(SLOT_RECORD_DAY); }
int ReadingsRecord::GetRecordHour() const { return TextToInt(SLOT_RECORD_HOUR); }
int ReadingsRecord::GetRecordMinute() const { return TextToInt(SLOT_RECORD_MINUTE); }

bool ReadingsRecord::IsRainCleared() const { return ValueText(SLOT_RAIN_STATUS) == L"CLEAR"; }

double ReadingsRecord::RainValue()
{
    double counts = 0;
    const bool counterValid = TryParseReading(std::wstring_view(ValueText(SLOT_RAIN_COUNTER)), &counts);
    const std::wstring& status = ValueText(SLOT_RAIN_STATUS);

    if (IsRainCleared()) {
        const int date[5] = {GetRecordYear(), GetRecordMonth(), GetRecordDay(), GetRecordHour(),
                             GetRecordMinute()};
        // A real reading time: a date, and a time of day (hour 0 and minute 0 included).
        const bool validTime = date[0] > 0 && date[1] >= 1 && date[1] <= 12 && date[2] >= 1 && date[2] <= 31 &&
                               date[3] >= 0 && date[3] <= 23 && date[4] >= 0 && date[4] <= 59;
        if (validTime && !std::equal(std::begin(date), std::end(date), std::begin(m_rainResetDate))) {
            std::copy(std::begin(date), std::end(date), std::begin(m_rainResetDate));
            m_rainAtReset = counterValid ? RainCountsToMm(counts) : DISPLAY_MISSING;
        }
    }
    if (!counterValid || status == L"MISS" || status == L"UU")
        return DISPLAY_MISSING;
    return RainCountsToMm(counts);
}

bool LoadCurrentRecord(const std::wstring& path, ReadingsRecord& record)
{
    std::FILE* file = _wfopen(path.c_str(), L"r");
    if (file == nullptr)
        return false;
    // The file's six lines, each one whitespace-free token (at most 255 characters kept).
    std::string tokens[6];
    int count = 0;
    bool failed = false;
    std::string token;
    for (;;) {
        int c = std::fgetc(file);
        if (c == EOF) {
            failed = std::ferror(file) != 0;
            break;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
            if (!token.empty()) {
                if (count < 6)
                    tokens[count] = token;
                ++count;
                token.clear();
            }
            continue;
        }
        if (token.size() < 255)
            token.push_back(static_cast<char>(c));
    }
    if (!failed && !token.empty()) {
        if (count < 6)
            tokens[count] = token;
        ++count;
    }
    std::fclose(file);
    if (failed)
        return false;

    // Split each line at its commas; the fields run on from line to line into slots 0..31.
    std::wstring fields[VALUE_TEXT_COUNT];
    int slot = 0;
    for (int line = 0; line < 6 && line < count; ++line) {
        const std::string& text = tokens[line];
        size_t start = 0;
        for (;;) {
            size_t comma = text.find(',', start);
            std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (slot < VALUE_TEXT_COUNT) {
                // The file holds ASCII only (numbers, markers, compass texts).
                std::wstring wide;
                for (unsigned char ch : field)
                    wide.push_back(static_cast<wchar_t>(ch));
                fields[slot] = wide;
            }
            ++slot;
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    for (int i = 0; i < VALUE_TEXT_COUNT; ++i)
        record.m_valueTexts[i] = fields[i];
    return true;
}
