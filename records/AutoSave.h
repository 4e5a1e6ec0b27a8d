// The automatic-saving writers: a snapshot of the latest reading as a comma-separated file and as
// a text file. (The JPEG capture of the window is app/WindowCapture.h.)
//
// The comma-separated snapshot is 8-bit text in the system's 8-bit code page (characters the code
// page lacks become '?'), lines ending in CR LF. The text snapshot is UTF-16 little-endian with a
// byte-order mark, lines ending in CR LF. Both are written by this code byte for byte.
//
// The writers take every value they need in an AutoSaveSnapshot, so they run without a window.
#pragma once
#include "records/GeoPosition.h"
#include "records/MissingValue.h"

#include <windows.h>

#include <string>

class ReadingsRecord;

constexpr int AUTO_SAVE_SENSOR_COUNT = 6;  // indoor sensor, channels 1 to 5

// Current reading in the base units (hPa, UV index, degrees Celsius, %, mph); DISPLAY_MISSING for
// a missing value. The wind direction is the compass index 0..15 or MISSING_VALUE.
struct AutoSaveReadings {
    double pressure = DISPLAY_MISSING;
    double uv = DISPLAY_MISSING;
    double temperature[AUTO_SAVE_SENSOR_COUNT] = {DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING,
                                                  DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING};
    double humidity[AUTO_SAVE_SENSOR_COUNT] = {DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING,
                                               DISPLAY_MISSING, DISPLAY_MISSING, DISPLAY_MISSING};
    double windSpeed = DISPLAY_MISSING;
    int windDirection = MISSING_VALUE;
    double windChill = DISPLAY_MISSING;
    double windGust = DISPLAY_MISSING;
};

// The readings of the record through its getters (indoor sensor first, then channels 1 to 5).
AutoSaveReadings AutoSaveReadingsFrom(const ReadingsRecord& record);

// Unit indexes as the main window keeps them.
struct AutoSaveUnits {
    int temperature = 0;  // 0 degrees Celsius, 1 degrees Fahrenheit
    int pressure = 1;     // 0 inHg, 1 hPa, 2 mmHg
    int uv = 1;           // 0 MED/h, 1 UV index
    int wind = 3;         // 0 km/h, 1 knots, 2 m/s, 3 mph
    int rain = 1;         // 0 inch, 1 mm
};

// The location the main window shows: a table city, or the user-defined city (index 123) with
// its own name and position.
struct AutoSaveLocation {
    int cityIndex = 0;
    std::wstring userCityName;
    GeoPosition position;  // of the user-defined city
};

struct AutoSaveSnapshot {
    AutoSaveReadings readings;
    AutoSaveUnits units;
    int recordTime[5] = {};  // the reading's hour, minute, year, month, day
    AutoSaveLocation location;
    std::wstring sensorNames[AUTO_SAVE_SENSOR_COUNT];  // the window's captions 84..89
    std::wstring rainTotalText;                        // as the rain-total field shows it
};

// Unit texts of the snapshots (English in every language).
const wchar_t* AutoSaveTemperatureUnitText(int unit);
const wchar_t* AutoSavePressureUnitText(int unit);
const wchar_t* AutoSaveUvUnitText(int unit);
const wchar_t* AutoSaveWindUnitText(int unit);
const wchar_t* AutoSaveRainUnitText(int unit);

// Base value to display value by unit index; a missing value stays missing.
double AutoSaveTemperature(double celsius, int unit);
double AutoSavePressure(double hpa, int unit);
double AutoSaveUv(double uvIndex, int unit);
double AutoSaveWind(double mph, int unit);

// "%04d.%02d.%02d %02d:%02d" of year, month, day, hour, minute.
std::wstring AutoSaveTimeText(int year, int month, int day, int hour, int minute);
// The same of a moment (seconds since 1970) in local time; "" when it has no local time.
std::wstring AutoSaveTimeText(__time64_t moment);

// The snapshot's lines, each ending in "\n". Labels: the current language's panel captions
// (g_currentPanelLabels), compass words (g_currentCompassWords) and the automatic-saving rows of
// `language` (an id outside 0..7 reads English).
std::wstring BuildAutoSaveCsvLines(const AutoSaveSnapshot& snapshot, int language, __time64_t saveTime);
std::wstring BuildAutoSaveTxtLines(const AutoSaveSnapshot& snapshot, int language, __time64_t saveTime);

// The 8-bit code page of the comma-separated snapshot: the system's ANSI code page when it is a
// one-byte code page, else 1252.
UINT AutoSaveCodePage();
// Text in the one-byte code page; a character that the code page lacks becomes '?' (no best-fit
// substitutes).
std::string ToEightBitText(const std::wstring& text, UINT codePage);
// Every "\n" becomes "\r\n".
std::wstring WithCrLf(const std::wstring& text);

// Create (or replace) the file with the snapshot, in one step (ReplaceFileWith). False, leaving the
// file as it was (none when there was none), when it cannot be written whole; ErrorOfLastFailure
// tells why.
bool WriteAutoSaveCsv(const std::wstring& path, const AutoSaveSnapshot& snapshot, int language,
                      __time64_t saveTime);
bool WriteAutoSaveTxt(const std::wstring& path, const AutoSaveSnapshot& snapshot, int language,
                      __time64_t saveTime);
