// The computations of the main window's timers and polling loop, apart from the window: the
// download progress, the countdown to the next live reading, the automatic-saving interval and
// file names, and the walks that seed the rolling histories from the downloaded history at the
// first poll.
#pragma once
#include "records/HistoryColumns.h"
#include "records/MainRecords.h"
#include "records/SettingsRecord.h"

#include <string>

namespace poll {

constexpr int BAR_FULL = 1500;       // the progress bar's range is 0..1500
constexpr int DOWNLOAD_BAR_STOP = 1486;       // the download bar stops moving at this position
constexpr int LIVE_PERIOD_SECONDS = 120;  // the live re-read's period, base of the countdown
constexpr int RAIN_SAMPLE_COUNT = 4320;   // rain increments of the download kept for the hourly sums
constexpr int HOURLY_RAIN_BUCKETS = 360;

// ---- automatic saving --------------------------------------------------------------------------
// Minutes between two automatic saves: index 1..5 are 2, 5, 10, 30, 60 minutes, 6 N days, 7 N weeks,
// 8 N months of 30 days. 0 ("none") for index 0, an index outside 1..8 or a count of 0 or less
// with indexes 6..8.
int AutoSaveIntervalMinutes(int index, int count);
// One minute of the automatic saving: counts the minute and, when the counter has reached or
// passed the interval, sets it back to 0 and returns true. An interval of 0 counts nothing.
bool CountAutoSaveMinute(int* minutes, int intervalMinutes);
// "%02d%02d%02d%02d%02d" of year modulo 1000, month, day, hour, minute (2014-03-07 09:05 gives
// "1403070905").
std::wstring AutoSaveStamp(int year, int month, int day, int hour, int minute);
// folder "\" name "." extension (no second backslash when the folder already ends in one).
std::wstring AutoSavePath(const std::wstring& folder, const std::wstring& name, const wchar_t* extension);

// ---- download progress -------------------------------------------------------------------------
// The step that brings the bar from `position` to the share of `readAddress` in `memoryBytes`
// (0 when that share lies below the position); -1 when the bar and its text are left alone
// (no memory size, or the bar at DOWNLOAD_BAR_STOP or beyond).
int DownloadProgressStep(long long readAddress, long long memoryBytes, int position);
// trunc(position / 1500 x 100).
int DownloadPercent(int position);
// "Receiving data... 42% done".
std::wstring DownloadProgressText(int percent);

// ---- countdown ---------------------------------------------------------------------------------
struct Countdown {
    int barPosition;    // 0..1500
    std::wstring text;  // "Remaining time  m:ss"
};
// The bar and status text `elapsedSeconds` after the last new record.
Countdown CountdownAt(long long elapsedSeconds, int periodSeconds = LIVE_PERIOD_SECONDS);
// The status text between records: the countdown's text; while the station's data files cannot be
// written, that message; else, while record lines wait for a record file that could not take them
// or a record file or copy cannot be written, the record-file message; in the language (English for
// an id outside 0..7).
std::wstring PollStatusText(const Countdown& countdown, bool recordFilesFailing, bool stationDataFailing,
                            int language);
// "m:ss" of a count of seconds (minutes modulo 60).
std::wstring RemainingTimeText(long long remainingSeconds);

// ---- first poll --------------------------------------------------------------------------------
// Chart-time limits of the first poll's walks, from the record's date and time.
struct FirstPollLimits {
    double now;       // the record's time, 0 s
    double since8h;   // now - 8 h
    double since12h;  // now - 12 h
    double since24h;  // now - 24 h
    double endOfDay;  // the record's day at 23:59:59
    double since15d;  // endOfDay - 15 days
};
FirstPollLimits FirstPollLimitsOf(int year, int month, int day, int hour, int minute);

// The downloaded history columns that the walks read: the published columns, without rows unless
// the date, rain, UV, wind and sensor columns are all there.
HistoryColumns FirstPollColumns();
// True when every column that the walks read is there.
bool HasFirstPollColumns(const HistoryColumns& columns);

// The pressure history from the download: the 25 hourly pressures of the downloaded header (entry k
// k hours before the record) go into the pressure history, newest at the highest index, each
// multiplied by the pressure factor. A missing hour and one above 1600 hPa (no pressure the station
// can have measured) are left out: the next one takes its place, each with its own time.
void SeedPressureHistory(CMainRecords& records, double recordTime);

// The downloaded rain column: with a rain reset loaded, each row within [resetTime, now] becomes its
// increment over the previous counter (a counter drop keeps the row's own value), the counter
// following the rows; rows outside that span become missing. Without a reset, the counters take
// the newest present counter of the download (the current reading's counter when the download
// has none), every row becomes missing, and the result is true: the caller starts the rain reset
// (time and file).
bool ConvertDownloadedRain(const HistoryColumns& columns, double now, bool resetLoaded, double resetTime,
                           double currentCounter, double* lastRainCounter, double* counterAtReset);

// The rolling histories from the download: walks the rows from the newest to the oldest and fills the wind, UV
// and sensor histories (and, with a rain reset, the rain samples from index 4319 downwards).
// Returns the number of rain samples taken. A history that is full takes nothing more.
int SeedHistoriesFromDownload(CMainRecords& records, const HistoryColumns& columns, const FirstPollLimits& limits,
                              bool rainResetLoaded, double* rainSampleValues, double* rainSampleTimes);

// The local city from the download: the ten location values of the downloaded header (zone
// sign, hours and half hour, longitude hemisphere, degrees and minutes, latitude hemisphere, degrees
// and minutes, daylight-saving rule; element 0 is the city index) go into the local city's fields,
// and the station's position becomes the current location that the automatic saving writes for the
// user-defined city, named as the user named that city.
void TakeDownloadedLocation(const int header[11], CityLocation& localCity, CMainRecords& records);

// The hourly rain history: 360 buckets of one hour ending at endOfDay, endOfDay - 3600, ...; each bucket
// with at least one sample of value 0 or more in (end - 3600, end] stores its sum at time end as the
// next older rain-history sample. Only the `taken` samples at the top of the arrays are read.
void BuildHourlyRainHistory(CMainRecords& records, const double* rainSampleValues, const double* rainSampleTimes,
                            int taken, double endOfDay);

}  // namespace poll
