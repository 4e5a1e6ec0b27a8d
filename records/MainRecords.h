// The data side of the main window: the readings record, the run state that the polling loop
// keeps, the rolling histories of the small charts, the station extremes and summary values,
// and the rain history file. Plain data and computation only; the main dialog derives from it
// (class COrvelleDlg : public CDialog, public CMainRecords) and owns the controls.
//
// Constructible without any window: tests create it directly (on the heap: the arrays are big).
//
// Values in the histories and extremes are in the current display unit (base value x factor,
// temperatures x factor + 32 when the factor is not 1). A missing value is never stored in a
// history; an extreme of MISSING_VALUE or less means "no value" and is shown blank.
#pragma once
#include "records/SettingsRecord.h"
#include "records/MissingValue.h"
#include "records/ReadingsRecord.h"
#include "records/RecordMerge.h"

#include <atomic>
#include <string>
#include <vector>

constexpr int UV_HISTORY_SIZE = 360;
constexpr int PRESSURE_HISTORY_SIZE = 750;
constexpr int RAIN_HISTORY_SIZE = 360;
constexpr int WIND_HISTORY_SIZE = 750;
constexpr int SENSOR_HISTORY_SIZE = 240;
constexpr int ALTITUDE_TABLE_POINTS = 33;
constexpr int PATH_BUFFER_BYTES = 1024;

constexpr double SENSOR_WINDOW_S = 28800;   // 8 hours
constexpr double UV_WINDOW_S = 43200;       // 12 hours
constexpr double WIND_WINDOW_S = 86400;     // 24 hours
constexpr double RAIN_WINDOW_S = 1296000;   // 15 days, ending at the end of the reading's day

// Indexes of m_recordTime.
enum { RECORD_HOUR = 0, RECORD_MINUTE = 1, RECORD_YEAR = 2, RECORD_MONTH = 3, RECORD_DAY = 4 };

// The station's min/max and extra-value texts as the station link's getters give them
// (narrow texts; "UU", "MISS", "HH", "LL", "U", "65535", "" and non-numbers mean no value).
struct StationMinMaxTexts {
    std::string indoorTempA, indoorTempB;          // indoor minimum, maximum temperature
    std::string indoorHumidityA, indoorHumidityB;  // indoor minimum, maximum humidity
    std::string channelTempA[SENSOR_COUNT];        // index = sensor (1..5 are read)
    std::string channelTempB[SENSOR_COUNT];
    std::string channelHumidityA[SENSOR_COUNT];
    std::string channelHumidityB[SENSOR_COUNT];
    std::string twoBitA[SENSOR_COUNT];             // humidity trend code per sensor
    std::string twoBitB[SENSOR_COUNT];             // temperature trend code per sensor
    std::string bcd[8];                            // daily UV maxima, 0 = seven days ago
    std::string value170, value172;                // maximum wind speed, maximum gust
    std::string value174, value176, value178;      // rain counters: yesterday, week, month
};

// Text of a reading for a panel: "%.1f" of the value when it is above -999 and valid is not 0,
// else a copy of the placeholder.
std::wstring FormatReading(const std::wstring& placeholder, int valid, double value);

// The one dewpoint rule (degrees Celsius in and out when celsius is true, else Fahrenheit).
// The result is DISPLAY_MISSING (never unit-converted) when either count is 0 or less, when
// either input is missing (at or below -999) or when the humidity is 0 or below.
double ComputeDewpoint(int temperatureCount, int humidityCount, double temperature, double humidity,
                       bool celsius);
// The dewpoint formula alone, degrees Celsius; DISPLAY_MISSING for missing inputs or humidity <= 0.
double DewpointCelsius(double temperatureC, double humidity);

// The summary values of the download that the main window shows as texts.
enum class SummaryValue {
    WindMaximum, GustMaximum,                            // "%.1f"
    UvMaxSevenDaysAgo, UvMaxYesterday, UvMaxToday,       // FormatReading, placeholder " "
    RainYesterday, RainLastWeek, RainLastMonth,          // "%.1f" mm; a missing total is not shown
};

// Row of a sensor in the temperature, humidity and dewpoint history rows: channel 1 to 5 in
// rows 0 to 4, the indoor sensor in row 5.
inline int SensorRow(int sensor) { return sensor == 0 ? SENSOR_COUNT - 1 : sensor - 1; }

class CMainRecords : public CSettingsRecord {
public:
    CMainRecords();
    virtual ~CMainRecords();
    CMainRecords(const CMainRecords&) = delete;
    CMainRecords& operator=(const CMainRecords&) = delete;

    // ---- readings record and run state --------------------------------------------------
    ReadingsRecord m_readings;
    int& m_cityIndex = m_readings.m_headerLocation[0]; // current city index (storage in the record)
    std::wstring m_userCityName;
    GeoPosition m_position;                // of the current location (the downloaded one)
    int m_recordTime[5] = {};              // hour, minute, year, month, day of the last reading
    double m_temperatureFactor = 1.0;      // 1.0 or 1.8 (then + 32)
    double m_uvFactor = 1.0;
    double m_pressureFactor = 1.0;
    double m_rainFactor = 1.0;             // 1.0 or 0.03937
    double m_windFactor = 1.0;
    std::atomic<unsigned char> m_downloading{1}; // set until the history download has finished
    unsigned char m_downloadFailureShown = 0;    // "Can't receive data!" was said for a failed download
    std::atomic<int> m_stationMemoryBytes{0};    // station memory size, -1 while it gives none
    double m_rainCounterAtReset = 0.0;     // rain counter (mm) kept at the last rain reset
    double m_lastRainCounter = 0.0;        // rain counter (mm) at the previous reading
    double m_rainSinceHourlyRow = 0.0;     // rain (mm) taken in since the last hourly history row
    std::wstring m_lastRecordLine;
    // Record lines that the record files have not all taken yet: lines that could not even be
    // staged, and whether "tmpLastRec.txt" still holds staged lines (see MergeStagedRecords).
    std::vector<std::string> m_unstagedRecordLines;
    bool m_recordLinesWaiting = false;
    // What the program knows of the record files and their copies (see records/RecordMerge.h). The
    // history download's worker fills it at start; afterwards only the window's thread uses it.
    CRecordFiles m_recordFiles;
    bool m_recordFilesPrepared = false;    // PrepareRecordFiles has run for this run
    std::wstring m_installFolder;          // with a trailing backslash
    std::wstring m_allWeatherPath;         // "all_weather.csv" in the data folder
    std::wstring m_record2minPath;         // "record_2min.csv" in the data folder

    // ---- rolling histories (newest sample at the last index) -----------------------------
    double m_uvHistoryTimes[UV_HISTORY_SIZE] = {};
    double m_uvHistoryValues[UV_HISTORY_SIZE] = {};
    int m_uvHistoryCount = 0;
    double m_pressureHistoryTimes[PRESSURE_HISTORY_SIZE] = {};
    double m_pressureHistoryValues[PRESSURE_HISTORY_SIZE] = {};
    int m_pressureHistoryCount = 0;
    double m_rainHistoryTimes[RAIN_HISTORY_SIZE] = {};
    double m_rainHistoryValues[RAIN_HISTORY_SIZE] = {};
    int m_rainHistoryCount = 0;            // at most 359, or 360 right after LoadPassRainData
    double m_windHistoryTimes[WIND_HISTORY_SIZE] = {};
    double m_windHistorySpeeds[WIND_HISTORY_SIZE] = {};
    double m_windHistoryDirections[WIND_HISTORY_SIZE] = {}; // compass index, or MISSING_VALUE
    int m_windHistoryCount = 0;
    double m_sensorHistoryTimes[SENSOR_COUNT][SENSOR_HISTORY_SIZE] = {};        // by sensor
    double m_sensorHistoryTemperatures[SENSOR_COUNT][SENSOR_HISTORY_SIZE] = {}; // by SensorRow
    double m_sensorHistoryHumidities[SENSOR_COUNT][SENSOR_HISTORY_SIZE] = {};   // by SensorRow
    double m_sensorHistoryDewpoints[SENSOR_COUNT][SENSOR_HISTORY_SIZE] = {};    // by SensorRow
    int m_sensorHistoryCounts[SENSOR_COUNT] = {};   // temperatures and times, by sensor
    int m_humidityHistoryCounts[SENSOR_COUNT] = {}; // humidities (and dewpoints), by sensor

    // ---- station extremes and summary values ---------------------------------------------
    double m_liveValue[4] = {};            // indoor: min temp, max temp, max humidity, min humidity
    double m_channelTempMin[5] = {};       // channels 1 to 5
    double m_channelTempMax[5] = {};
    double m_channelHumidityMin[5] = {};
    double m_channelHumidityMax[5] = {};
    int m_temperatureTrend[SENSOR_COUNT] = {}; // 1, 2, 3 select a trend picture; 0 none
    int m_humidityTrend[SENSOR_COUNT] = {};
    double m_uvDailyMax[8] = {};           // 7 today .. 0 seven days ago
    double m_windNow[2] = {};              // maximum speed, maximum gust
    double m_rainNow[3] = {};              // mm: yesterday, last week, last month (-999.9 none)
    double m_dewpointMaxNow[SENSOR_COUNT]; // display unit; DISPLAY_MISSING until a first value
    double m_dewpointMinNow[SENSOR_COUNT];
    double m_altitudeMetres = 0;
    double m_pressureOffset = 0;           // hPa, standard atmosphere at the altitude - 1013.25
    double m_pressureHourly[25] = {};      // oldest first, [24] the latest hour

    // ---- chart time ----------------------------------------------------------------------
    // Chart time of a date and time (SecondsSinceYearOne).
    static double ChartTimeOf(int year, int month, int day, int hour, int minute, int second = 0);
    // Chart time of m_recordTime (seconds 0).
    double RecordChartTime() const;
    // Display temperature of a Celsius value (missing stays missing).
    double ToDisplayTemperature(double celsius) const;

    // ---- rolling histories ---------------------------------------------------------------
    void AppendUvSample();
    void AppendPressureSample();
    void AppendRainSample(bool newHour);
    void AppendWindSample();
    void AppendSensorSamples();
    void PruneHistories(int minute, int hour, int month, int year, int day);
    void ShiftHistoryTimes(int minute, int hour, int year, int month, int day);
    void FillDewpointSeries();

    // All counts 0 and every array zeroed (wind speeds DISPLAY_MISSING).
    void ClearHistories();
    // One row for the published history columns from the current reading and m_recordTime
    // (used at every hour change, after AppendRainSample). Its rain is the rain since the previous
    // hourly row: what the readings since then added, plus any rain of this reading not yet taken
    // in (m_lastRainCounter then moves to this reading).
    HistoryRow BuildHourlyHistoryRow();
    void AppendHourlyHistoryRow();

    // ---- station extremes and summary values ---------------------------------------------
    // Reads the texts through StationMinMaxTextsNow() and applies them.
    void LoadStationMinMax();
    void LoadStationMinMax(const StationMinMaxTexts& texts);
    void CopyDownloadedMinMax();
    void ShowHeaderValues();
    void ShowUvDailyMaxima();
    void ApplyDownloadedAltitude();
    void ShowRainTotals();
    void UpdateAltitudePressureOffset();
    void UpdateDewpointMinMax();

    // ---- notices of the record files ----------------------------------------------------
    // Called on the window's thread after a merge while notices wait in m_recordFiles.notices (what
    // was brought back, the station's clock going back): the main dialog tells them to the user once,
    // as soon as it can, and empties the list. The default leaves them waiting.
    virtual void RecordFileNoticesWaiting() {}

    // ---- the program's own files ---------------------------------------------------------
    // Replaces one of the program's own files (settings, the rain reset, the rain history) by the
    // bytes in one step (ReplaceFileWith): a file that cannot be written stays as it was. True when
    // written. The main dialog also says a failure and writes the file again later.
    virtual bool WriteOwnFile(const std::wstring& path, const std::string& bytes);

    // ---- rain history file "PassRainData.dat" in m_installFolder ---------------------------
    // The count of samples, then each sample's chart time and rain in mm, newest first.
    std::string PassRainDataBytes() const;
    bool SavePassRainData();
    bool LoadPassRainData(int count, double sinceTime);
    std::wstring PassRainDataPath() const;

    static const double s_altitudeTableMetres[ALTITUDE_TABLE_POINTS];
    static const double s_altitudeTablePressure[ALTITUDE_TABLE_POINTS];

protected:
    // Hooks that the main dialog overrides; they run on the window's thread.
    // Shows one summary value's text; the default shows nothing.
    virtual void ShowSummaryValue(SummaryValue value, const std::wstring& text);
    // Fills the station's current min/max texts (the station link's getters after
    // ReadMinMaxAreas); false when there are none. The default has no station and returns false;
    // the main dialog returns MinMaxTextsFromDecoder(g_dataDecode) (records/StationMinMax.h).
    virtual bool StationMinMaxTextsNow(StationMinMaxTexts* texts);

private:
    void AppendSample(double* times, double* values, double* values2, int size, int* count, double time,
                      double value, double value2);
};
