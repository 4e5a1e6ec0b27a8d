#include "records/DumpParse.h"

#include "records/MainRecords.h"
#include "records/MissingValue.h"
#include "records/ReadingsRecord.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Lines of the header (token numbers).
constexpr int LINE_HEADER_1 = 1;            // 7 fields; field 6 -> m_headerLine1Value
constexpr int LINE_LOCATION = 2;            // 15 fields; 4..14 -> m_headerLocation
constexpr int LINE_CITY_NAME = 5;           // field 0 -> m_cityNameIndex
constexpr int LINE_INDOOR_EXTREMES = 6;     // fields 2..5
constexpr int LINE_CHANNEL_1_EXTREMES = 7;  // lines 7..11, channels 1..5
constexpr int LINE_TRENDS = 12;             // lines 12..14, four two-bit fields each
constexpr int LINE_UV_DAILY_MAX = 16;
constexpr int LINE_ALTITUDE = 17;
constexpr int LINE_HOURLY_PRESSURE = 18;    // lines 18..21
constexpr int LINE_WIND_RAIN_TOTALS = 24;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

class CDumpTokens {
public:
    explicit CDumpTokens(std::string_view text)
    {
        size_t i = 0;
        const size_t n = text.size();
        while (i < n && static_cast<int>(m_tokens.size()) < MAX_DUMP_TOKENS) {
            while (i < n && IsSpace(text[i]))
                ++i;
            if (i >= n)
                break;
            size_t start = i;
            while (i < n && !IsSpace(text[i]))
                ++i;
            m_tokens.push_back(text.substr(start, i - start));
        }
        // Counted as the lines of the file: a file that ends in a line break has as many as tokens;
        // one whose last line has no line end counts one less.
        int count = static_cast<int>(m_tokens.size());
        bool endsInSpace = text.empty() || IsSpace(text.back()) || count == MAX_DUMP_TOKENS;
        m_count = endsInSpace ? count : count - 1;
        if (m_count < 0)
            m_count = 0;
    }

    int Count() const { return m_count; }

    // Fields of line t: the parts before each comma and the rest after the last one. An empty list
    // for a line the file does not have.
    const std::vector<std::string_view>& Fields(int t)
    {
        m_fields.clear();
        if (t < 0 || t >= static_cast<int>(m_tokens.size()))
            return m_fields;
        std::string_view line = m_tokens[t];
        size_t start = 0;
        for (;;) {
            size_t comma = line.find(',', start);
            if (comma == std::string_view::npos) {
                m_fields.push_back(line.substr(start));
                break;
            }
            m_fields.push_back(line.substr(start, comma - start));
            start = comma + 1;
        }
        return m_fields;
    }

    std::string_view Line(int t) const
    {
        return (t >= 0 && t < static_cast<int>(m_tokens.size())) ? m_tokens[t] : std::string_view();
    }

private:
    std::vector<std::string_view> m_tokens;
    std::vector<std::string_view> m_fields;
    int m_count = 0;
};

std::string_view FieldAt(const std::vector<std::string_view>& fields, size_t k)
{
    return k < fields.size() ? fields[k] : std::string_view();
}

// atoi: the leading decimal number, 0 when there is none (for dates, location and counts).
int LeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if ((v = v * 10 + (text[i] - '0')) > 2147483647LL)
            v = 2147483647LL;
    return static_cast<int>(negative ? -v : v);
}

bool StartsWith(std::string_view text, char c) { return !text.empty() && text.front() == c; }

double Reading(std::string_view field) { return ReadingOrMissing(field); }

} // namespace

int DumpAgeSeconds(std::string_view field)
{
    if (field.size() <= 3 || field.substr(field.size() - 3) != "sec")
        return INVALID_AGE_S;
    double seconds = 0;
    if (!TryParseReading(field.substr(0, field.size() - 3), &seconds) || seconds < 0 || seconds > 2147483647.0)
        return INVALID_AGE_S;
    return static_cast<int>(seconds);
}

void ParseDumpText(ReadingsRecord& record, std::string_view text)
{
    CDumpTokens tokens(text);
    record.m_tokenCount = tokens.Count();

    // Row count and ages. Rows run from the newest record back to the first one that is older
    // than a year or has no valid age; dump row o is stored at index m_rowCount - 1 - o.
    record.m_rowCount = (record.m_tokenCount - ROW_COUNT_OFFSET) / 5;
    if (record.m_rowCount > HISTORY_ROWS)
        record.m_rowCount = HISTORY_ROWS;
    record.ClearColumns();
    for (int o = 0; o < record.m_rowCount; ++o) {
        int age = DumpAgeSeconds(FieldAt(tokens.Fields(DUMP_HEADER_TOKENS + 5 * o), 7));
        if (age > HISTORY_MAX_AGE_S) {
            record.m_rowCount = o;
            break;
        }
    }
    const int rows = record.m_rowCount;
    auto lineOf = [](int o, int j) { return DUMP_HEADER_TOKENS + 5 * o + j; };

    for (int o = 0; o < rows; ++o) {
        const int r = rows - 1 - o;

        // Date, time and age.
        const auto& f0 = tokens.Fields(lineOf(o, 0));
        record.m_secondsColumn[r] = DumpAgeSeconds(FieldAt(f0, 7));
        record.m_yearColumn[r] = LeadingInt(FieldAt(f0, 1));
        record.m_monthColumn[r] = LeadingInt(FieldAt(f0, 2));
        record.m_dayColumn[r] = LeadingInt(FieldAt(f0, 3));
        record.m_weekdayColumn[r] = LeadingInt(FieldAt(f0, 4));
        record.m_hourColumn[r] = LeadingInt(FieldAt(f0, 5));
        record.m_minuteColumn[r] = LeadingInt(FieldAt(f0, 6));

        // Temperatures and humidities, in the order indoor, channel 1 .. channel 5.
        int sensor = 0;
        for (int j = 1; j <= 3; ++j) {
            const auto& f = tokens.Fields(lineOf(o, j));
            const int pairs = j == 1 ? 2 : j == 2 ? 3 : 1;
            for (int p = 0; p < pairs; ++p, ++sensor) {
                record.m_temperatureColumns[sensor][r] = Reading(FieldAt(f, 2 * p));
                record.m_humidityColumns[sensor][r] = Reading(FieldAt(f, 2 * p + 1));
            }
        }

        // Line 3: UV, pressure, forecast, wind chill, gust.
        const auto& f3 = tokens.Fields(lineOf(o, 3));
        record.m_uvColumn[r] = Reading(FieldAt(f3, 2));
        record.m_pressureColumn[r] = Reading(FieldAt(f3, 3));
        std::string_view forecast = FieldAt(f3, 5);
        record.m_forecastColumn[r] = forecast == "UU" ? 0 : LeadingInt(forecast);
        record.m_windChillColumn[r] = Reading(FieldAt(f3, 6));
        record.m_windGustColumn[r] = Reading(FieldAt(f3, 7));

        // Line 4: wind speed and direction, rain counter and rain reset.
        const auto& f4 = tokens.Fields(lineOf(o, 4));
        record.m_windSpeedColumn[r] = Reading(FieldAt(f4, 0));
        std::string_view direction = FieldAt(f4, 1);
        for (int k = 0; k < COMPASS_POINT_COUNT; ++k)
            if (direction == g_compassTexts[k]) {
                record.m_windDirectionColumn[r] = k;
                break;
            }
        std::string_view status = FieldAt(f4, 2);
        double counts = Reading(FieldAt(f4, 3));
        bool rainMissing = IsMissing(counts) || status == "MISS" || status == "UU";
        record.m_rainColumn[r] = rainMissing ? DISPLAY_MISSING : RainCountsToMm(counts);
    }

    // The rain reset: only the newest "CLEAR" row of the dump counts.
    for (int o = 0; o < rows; ++o) {
        const auto& f4 = tokens.Fields(lineOf(o, 4));
        const int r = rows - 1 - o;
        if (FieldAt(f4, 2) != "CLEAR" || !record.RowHasRealDate(r))
            continue;
        record.m_rainResetDate[0] = record.m_yearColumn[r];
        record.m_rainResetDate[1] = record.m_monthColumn[r];
        record.m_rainResetDate[2] = record.m_dayColumn[r];
        record.m_rainResetDate[3] = record.m_hourColumn[r];
        record.m_rainResetDate[4] = record.m_minuteColumn[r];
        double counts = Reading(FieldAt(f4, 3));
        record.m_rainAtReset = IsMissing(counts) ? DISPLAY_MISSING : RainCountsToMm(counts);
        break;
    }
    // Rows of no real date (the empty slots of a station whose memory was just cleared) are no
    // records: they are neither shown nor staged.
    record.DropRowsWithoutRealDate();

    // Dewpoints and their extremes.
    for (int r = 0; r < record.m_rowCount; ++r)
        for (int s = 0; s < SENSOR_COUNT; ++s) {
            double dewpoint = DewpointCelsius(record.m_temperatureColumns[s][r], record.m_humidityColumns[s][r]);
            record.m_dewpointColumns[s][r] = dewpoint;
            if (IsMissing(dewpoint))
                continue;
            if (dewpoint > record.m_dewpointMax[s])
                record.m_dewpointMax[s] = dewpoint;
            if (dewpoint < record.m_dewpointMin[s])
                record.m_dewpointMin[s] = dewpoint;
        }

    // Hourly pressures, latest hour first, from lines 18 to 21.
    int k = 0;
    for (int t = LINE_HOURLY_PRESSURE; t < LINE_HOURLY_PRESSURE + 4; ++t)
        for (std::string_view field : tokens.Fields(t))
            if (k < 25)
                record.m_headerHourlyPressure[k++] = Reading(field);

    // Daily UV maxima.
    {
        const auto& f = tokens.Fields(LINE_UV_DAILY_MAX);
        for (size_t i = 0; i < 8 && i < f.size(); ++i)
            record.m_headerUvDailyMax[i] = Reading(f[i]);
    }

    // Altitude, the line's first field.
    if (!tokens.Line(LINE_ALTITUDE).empty())
        record.m_headerAltitude = Reading(FieldAt(tokens.Fields(LINE_ALTITUDE), 0));

    // City name index.
    if (tokens.Line(LINE_CITY_NAME).find(',') != std::string_view::npos)
        record.m_cityNameIndex = LeadingInt(FieldAt(tokens.Fields(LINE_CITY_NAME), 0));

    // Location.
    {
        const auto& f = tokens.Fields(LINE_LOCATION);
        int* location = record.m_headerLocation;
        if (f.size() > 4) location[0] = LeadingInt(f[4]);
        if (f.size() > 5) location[1] = StartsWith(f[5], '-') ? 0 : 1;
        if (f.size() > 6) location[2] = LeadingInt(f[6]);
        if (f.size() > 7) location[3] = StartsWith(f[7], '3') ? 30 : 0;
        if (f.size() > 8) location[4] = StartsWith(f[8], 'E') ? 0 : 1;
        if (f.size() > 9) location[5] = LeadingInt(f[9]);
        if (f.size() > 10) location[6] = LeadingInt(f[10]);
        if (f.size() > 11) location[7] = StartsWith(f[11], 'N') ? 0 : 1;
        if (f.size() > 12) location[8] = LeadingInt(f[12]);
        if (f.size() > 13) location[9] = LeadingInt(f[13]);
        if (f.size() == 15) location[10] = LeadingInt(f[14]);
    }

    // Indoor extremes (temperature min, max, humidity min, max).
    {
        const auto& f = tokens.Fields(LINE_INDOOR_EXTREMES);
        for (size_t i = 2; i <= 4 && i < f.size(); ++i)
            record.m_headerIndoorExtremes[i - 2] = Reading(f[i]);
        if (f.size() == 6)
            record.m_headerIndoorExtremes[3] = Reading(f[5]);
    }

    // Extremes of channels 1 to 5.
    for (int t = LINE_CHANNEL_1_EXTREMES; t < LINE_CHANNEL_1_EXTREMES + 5; ++t) {
        const auto& f = tokens.Fields(t);
        const int c = t - LINE_CHANNEL_1_EXTREMES;
        if (f.size() > 0) record.m_headerChannelTempMin[c] = Reading(f[0]);
        if (f.size() > 1) record.m_headerChannelTempMax[c] = Reading(f[1]);
        if (f.size() > 2) record.m_headerChannelHumidityMin[c] = Reading(f[2]);
        if (f.size() == 4) record.m_headerChannelHumidityMax[c] = Reading(f[3]);
    }

    // Maximum wind speed and gust, rain totals of yesterday, last week, last month.
    {
        const auto& f = tokens.Fields(LINE_WIND_RAIN_TOTALS);
        if (f.size() > 0) record.m_headerWindMax[0] = Reading(f[0]);
        if (f.size() > 1) record.m_headerWindMax[1] = Reading(f[1]);
        for (size_t i = 2; i <= 4 && i < f.size(); ++i) {
            if (i == 4 && f.size() != 5)
                break;
            double counts = Reading(f[i]);
            record.m_headerRainTotals[i - 2] = IsMissing(counts) ? DISPLAY_MISSING : RainCountsToMm(counts);
        }
    }

    // Trend codes. Lines 12-14 hold the two-bit fields of min/max bytes 73-75, written
    // bits 0-1 first: field 0 = bits 0-1, 1 = bits 2-3, 2 = bits 4-5, 3 = bits 6-7. Sensor s lives in
    // byte 73 + s / 2: its temperature trend in bits 0-1 (even s) or 4-5 (odd s), its humidity trend
    // in bits 2-3 (even s) or 6-7 (odd s), as the station's live trend getters read them.
    for (int s = 0; s < SENSOR_COUNT; ++s) {
        const auto& f = tokens.Fields(LINE_TRENDS + s / 2);
        const size_t temperatureField = (s % 2 == 0) ? 0 : 2;
        const size_t humidityField = (s % 2 == 0) ? 1 : 3;
        if (temperatureField < f.size())
            record.m_headerTempTrend[s] = IntReadingOrMissing(f[temperatureField]);
        if (humidityField < f.size())
            record.m_headerHumidityTrend[s] = IntReadingOrMissing(f[humidityField]);
    }

    // The value of header line 1 (its seventh field).
    {
        const auto& f = tokens.Fields(LINE_HEADER_1);
        if (f.size() == 7)
            record.m_headerLine1Value = LeadingInt(f[6]);
    }
}

bool LoadDumpTokens(ReadingsRecord& record, const std::wstring& path)
{
    std::FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    std::string text;
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    ParseDumpText(record, text);
    return true;
}
