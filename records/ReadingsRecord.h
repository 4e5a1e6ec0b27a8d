// The readings record: the latest current reading as 32 value texts (the fields of
// "record_2min.csv") and the station's downloaded history as parallel columns, one row per
// history record, with the header values of the memory dump.
//
// The history columns are allocated once, at full capacity (HISTORY_ROWS rows), when the record
// is constructed, and live as long as the record; loading a dump zeroes and refills them
// (ClearColumns), it never frees them. So a column pointer is never null, and a row appended
// later by the polling loop can always be written.
#pragma once
#include "records/MissingValue.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

constexpr int HISTORY_ROWS = 43800;     // rows per history column
constexpr int SENSOR_COUNT = 6;         // 0 indoor, 1..5 channels 1 to 5
constexpr int VALUE_TEXT_COUNT = 32;    // fields of "record_2min.csv"
constexpr int COMPASS_POINT_COUNT = 16;

// Slots of the value texts (field k of "record_2min.csv").
enum ValueSlot {
    SLOT_WRITE_YEAR = 0,
    SLOT_RECORD_YEAR = 4,
    SLOT_RECORD_MONTH = 5,
    SLOT_RECORD_DAY = 6,
    SLOT_RECORD_HOUR = 8,
    SLOT_RECORD_MINUTE = 9,
    SLOT_INDOOR_TEMPERATURE = 10, // sensor i: temperature 10 + 2i, humidity 11 + 2i
    SLOT_INDOOR_HUMIDITY = 11,
    SLOT_UV = 22,
    SLOT_PRESSURE = 23,
    SLOT_FORECAST_FLAG = 24,
    SLOT_FORECAST_CODE = 25,
    SLOT_WIND_CHILL = 26,
    SLOT_WIND_GUST = 27,
    SLOT_WIND_SPEED = 28,
    SLOT_WIND_DIRECTION = 29,
    SLOT_RAIN_STATUS = 30,
    SLOT_RAIN_COUNTER = 31,
};

// The 16 compass texts, index 0 (N) clockwise to 15 (NNW).
extern const char* const g_compassTexts[COMPASS_POINT_COUNT];
// Compass index 0..15 of a text, or MISSING_VALUE when it is no compass text.
int CompassIndex(std::wstring_view text);

// Station rain counts to millimetres. Every conversion of a rain counter goes through this one
// function, so equal counts always give equal millimetres (differences of zero stay zero).
inline double RainCountsToMm(double counts) { return counts * 0.6875 * 1.026; }

// Indexes into g_historySensorColumns[sensor][...].
enum { SENSOR_COLUMN_TEMPERATURE = 0, SENSOR_COLUMN_HUMIDITY = 1, SENSOR_COLUMN_DEWPOINT = 2 };

// Published history: the rows 0 .. g_historyRowCount - 1 of the columns below are valid.
// The pointers alias the columns of the record that published them (null until then).
// Written by the history download (before it clears the download flag) and by the window's thread.
extern std::atomic<int> g_historyRowCount;
extern double* g_historySensorColumns[SENSOR_COUNT][3];
extern int* g_historyYear;
extern int* g_historyMonth;
extern int* g_historyDay;
extern int* g_historyHour;
extern int* g_historyMinute;
extern double* g_historyUv;
extern double* g_historyPressure;
extern double* g_historyRain;
extern double* g_historyWindSpeed;
extern double* g_historyWindDirection;
extern double* g_historyWindGust;
extern double* g_historyWindChill;

// One row appended to the published history (values already in display units).
struct HistoryRow {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double uv = DISPLAY_MISSING;
    double pressure = DISPLAY_MISSING;
    double rain = DISPLAY_MISSING;
    double windSpeed = DISPLAY_MISSING;
    double windGust = DISPLAY_MISSING;
    double windDirection = MISSING_VALUE;
    double windChill = DISPLAY_MISSING;
    double temperature[SENSOR_COUNT] = {DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING,
                                        DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING};
    double humidity[SENSOR_COUNT] = {DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING,
                                     DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING};
    double dewpoint[SENSOR_COUNT] = {MISSING_VALUE, MISSING_VALUE, MISSING_VALUE,
                                     MISSING_VALUE, MISSING_VALUE, MISSING_VALUE};
};

class ReadingsRecord {
public:
    ReadingsRecord();            // allocates the columns and sets the empty state
    ~ReadingsRecord();           // withdraws the published pointers that alias this record
    ReadingsRecord(const ReadingsRecord&) = delete;
    ReadingsRecord& operator=(const ReadingsRecord&) = delete;

    // Empty state: value texts empty, columns zeroed, counts and header values 0, dewpoint
    // extremes seeded (-999.0 / 999.0), rain reset date -1 and rain at reset -1.0.
    void InitReadingsRecord();
    // Empties the 32 value texts.
    void FreeReadingsTexts();
    // Zeroes every history column (all HISTORY_ROWS rows); the dump parse starts with it.
    void ClearColumns();
    // The row's year, month, day, hour and minute make a real date and time.
    bool RowHasRealDate(int row) const;
    // Removes the rows whose date and time are not a real date (month 0, day 0 and the like); the
    // rows after them move up, in order.
    void DropRowsWithoutRealDate();

    // Publishing the columns to the g_history* pointers.
    void PublishDateColumns() const;
    void PublishSensorColumns() const;
    // Date, sensor, UV, rain, pressure and wind columns, and g_historyRowCount = m_rowCount
    // (0 when m_rowCount is negative).
    void PublishAllColumns() const;
    // True when the g_history* pointers alias this record's columns.
    bool IsPublished() const;

    // Appends one row at g_historyRowCount of the published columns (publishing this record's
    // columns first when they are not the published ones). At HISTORY_ROWS rows every column
    // drops its oldest row first and the count stays. Never writes outside the columns.
    void AppendPublishedRow(const HistoryRow& row);

    // Current reading getters. A marker text or any text that is not a number gives the
    // missing value (DISPLAY_MISSING for doubles, MISSING_VALUE for integers).
    double GetIndoorTemperature() const;
    double GetIndoorHumidity() const;
    double GetChannelTemperature(int sensor) const;  // sensor 0..5 (0 = indoor)
    double GetChannelHumidity(int sensor) const;
    double GetUvIndex() const;
    double GetPressure() const;
    int GetForecastFlag() const;
    int GetForecastCode() const;
    double GetWindChill() const;
    double GetWindGust() const;
    double GetWindSpeed() const;
    int WindDirectionIndex() const;                  // 0..15, MISSING_VALUE for other texts
    // Rain counter in millimetres, or DISPLAY_MISSING. Notices a rain reset ("CLEAR") of the
    // station: the reading's date and the counter are kept in m_rainResetDate / m_rainAtReset.
    double RainValue();
    bool IsRainCleared() const;                      // slot 30 is "CLEAR"
    int GetRecordYear() const;                       // "-1" gives the current local year
    int GetRecordMonth() const;
    int GetRecordDay() const;
    int GetRecordHour() const;
    int GetRecordMinute() const;

    // The value text of a slot (empty for a slot outside 0..31).
    const std::wstring& ValueText(int slot) const;

    // ---- record files and dump parsing ----------------------------------------------------
    // (declared by the record-file and dump-parsing code, in its own source files)

    // Appends one staged line per history row (oldest first) to the staging file, opened relative
    // to the current directory ("tmpLastRec.txt") or at stagingPath. rainBase (mm) is subtracted
    // from the rain counter. False, writing nothing, when the record holds no rows or the lines
    // cannot all be appended (the file is then as it was: see AppendLines).
    bool AppendLastRecords(double rainBase) const;
    bool AppendLastRecords(double rainBase, const std::wstring& stagingPath) const;
    // The staged lines of every history row (oldest first): what AppendLastRecords appends.
    std::vector<std::string> LastRecordLines(double rainBase) const;
    // The staged line of history row `row` (26 comma-terminated fields, no line end).
    std::string BuildStagedLine(int row, double rainBase) const;

    // ---- end of record files and dump parsing ---------------------------------------------

    // Data, in the order of the record's description.
    int m_headerLine1Value = 0;
    int m_headerTempTrend[SENSOR_COUNT] = {};
    int m_headerHumidityTrend[SENSOR_COUNT] = {};
    double m_dewpointMax[SENSOR_COUNT] = {};
    double m_dewpointMin[SENSOR_COUNT] = {};
    double* m_temperatureColumns[SENSOR_COUNT] = {};
    double* m_humidityColumns[SENSOR_COUNT] = {};
    double* m_dewpointColumns[SENSOR_COUNT] = {};
    double m_headerHourlyPressure[25] = {};   // latest hour first, hPa
    double m_headerUvDailyMax[8] = {};
    double* m_windSpeedColumn = nullptr;
    double* m_windDirectionColumn = nullptr;  // compass index 0..15
    double* m_windChillColumn = nullptr;
    double* m_windGustColumn = nullptr;
    double* m_rainColumn = nullptr;           // millimetres
    double* m_uvColumn = nullptr;
    double* m_pressureColumn = nullptr;       // hPa
    int* m_forecastColumn = nullptr;
    int* m_yearColumn = nullptr;
    int* m_monthColumn = nullptr;
    int* m_dayColumn = nullptr;
    int* m_secondsColumn = nullptr;
    int* m_weekdayColumn = nullptr;
    int* m_hourColumn = nullptr;
    int* m_minuteColumn = nullptr;
    std::wstring m_valueTexts[VALUE_TEXT_COUNT];
    int m_tokenCount = 0;
    int m_rowCount = 0;
    double m_headerAltitude = 0;
    int m_cityNameIndex = 0;
    int m_headerLocation[11] = {};            // element 0 is the city index
    double m_headerIndoorExtremes[4] = {};    // temperature min, max, humidity min, max
    double m_headerChannelTempMin[5] = {};
    double m_headerChannelTempMax[5] = {};
    double m_headerChannelHumidityMin[5] = {};
    double m_headerChannelHumidityMax[5] = {};
    double m_headerWindMax[2] = {};           // maximum speed, maximum gust
    double m_headerRainTotals[3] = {};        // yesterday, last week, last month, mm
    int m_rainResetDate[5] = {-1, -1, -1, -1, -1}; // year, month, day, hour, minute
    double m_rainAtReset = -1.0;

    static constexpr int DOUBLE_COLUMN_COUNT = 3 * SENSOR_COUNT + 7;
    static constexpr int INT_COLUMN_COUNT = 8;

private:
    double TextToDouble(int slot) const;
    int TextToInt(int slot) const;
    // History column c of the storage below (the order in which the constructor hands them out).
    double* DoubleColumn(int c) const { return m_doubleStorage.get() + static_cast<size_t>(c) * HISTORY_ROWS; }
    int* IntColumn(int c) const { return m_intStorage.get() + static_cast<size_t>(c) * HISTORY_ROWS; }

    std::unique_ptr<double[]> m_doubleStorage; // DOUBLE_COLUMN_COUNT x HISTORY_ROWS
    std::unique_ptr<int[]> m_intStorage;       // INT_COLUMN_COUNT x HISTORY_ROWS
};

// Reads "record_2min.csv" into the record's value texts. False when the file
// cannot be opened or a read error occurs; the texts then keep what they held.
bool LoadCurrentRecord(const std::wstring& path, ReadingsRecord& record);
