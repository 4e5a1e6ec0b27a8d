// Every user-visible text of the program, as constant global tables.
//
// A row-and-language table holds rows x LANGUAGE_COUNT wide strings; the text
// of row r in language l is element r * LANGUAGE_COUNT + l. One-dimensional
// tables are indexed by a key of their own. The main window's panel texts come
// as per-language families (one array per language) selected as a whole
// through the current-language views.
//
// All tables are constant-initialised (arrays of pointers to wide literals),
// so they are complete before any start-up code runs and never change.
#pragma once

#include <array>
#include <cstddef>

// Language ids, the column of every row-and-language table.
constexpr int LANGUAGE_ENGLISH = 0;
constexpr int LANGUAGE_GERMAN = 1;
constexpr int LANGUAGE_FRENCH = 2;
constexpr int LANGUAGE_ITALIAN = 3;
constexpr int LANGUAGE_SPANISH = 4;
constexpr int LANGUAGE_DUTCH = 5;
constexpr int LANGUAGE_RUSSIAN = 6;
constexpr int LANGUAGE_POLISH = 7;
constexpr int LANGUAGE_COUNT = 8;

template <std::size_t N>
using TextTable = std::array<const wchar_t*, N>;

// A language id as the tables use it: ids outside 0..7 (a damaged settings
// file) read as English.
constexpr int LanguageOrEnglish(int language)
{
    return (language >= 0 && language < LANGUAGE_COUNT) ? language : LANGUAGE_ENGLISH;
}

// Text of `row` in `language` of a row-and-language table. A language outside
// 0..7 reads English; a row the table does not have reads "".
template <std::size_t N>
inline const wchar_t* TextAt(const TextTable<N>& table, int row, int language)
{
    static_assert(N % LANGUAGE_COUNT == 0, "not a row-and-language table");
    constexpr int rows = static_cast<int>(N / LANGUAGE_COUNT);
    if (row < 0 || row >= rows)
        return L"";
    return table[static_cast<std::size_t>(row) * LANGUAGE_COUNT + LanguageOrEnglish(language)];
}

// Entry `index` of a one-dimensional table; "" outside the table.
template <std::size_t N>
inline const wchar_t* EntryAt(const TextTable<N>& table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return L"";
    return table[static_cast<std::size_t>(index)];
}

// ---------------------------------------------------------------------------
// Row counts of the row-and-language tables.
constexpr int ALARM_DIALOG_ROWS = 25;
constexpr int ALTITUDE_DIALOG_ROWS = 9;
constexpr int RECORD_INTERVAL_DIALOG_ROWS = 15;
constexpr int LOCATION_DIALOG_ROWS = 31;
constexpr int AUTO_SAVING_ROWS = 35;
constexpr int DISPLAY_DIALOG_ROWS = 12;
constexpr int DISPLAYING_UNIT_DIALOG_ROWS = 33;
constexpr int LANGUAGE_DIALOG_ROWS = 4;
constexpr int THD_ROWS = 19;
constexpr int CLEAR_DIALOG_ROWS = 5;
constexpr int PRINT_DIALOG_ROWS = 15;
constexpr int UNIT_TEXT_ROWS = 17;
constexpr int EXPORT_COLUMN_HEADER_ROWS = 33;
constexpr int UPLOAD_RESULT_ROWS = 2;
constexpr int SMALL_CHART_TITLE_ROWS = 7;

constexpr std::size_t RowsTimesLanguages(int rows)
{
    return static_cast<std::size_t>(rows) * LANGUAGE_COUNT;
}

// Station settings dialogs.
extern const TextTable<RowsTimesLanguages(ALARM_DIALOG_ROWS)> g_alarmDialogTexts;
extern const TextTable<RowsTimesLanguages(ALTITUDE_DIALOG_ROWS)> g_altitudeDialogTexts;
extern const TextTable<RowsTimesLanguages(RECORD_INTERVAL_DIALOG_ROWS)> g_recordIntervalDialogTexts;
extern const TextTable<RowsTimesLanguages(LOCATION_DIALOG_ROWS)> g_locationDialogTexts;
// Said by every dialog whose number field holds a number beyond the range the field takes; "%s" the
// lowest and then the highest number it takes.
extern const TextTable<LANGUAGE_COUNT> g_numberRangeTexts;

// Program settings dialogs (and the main window's copies of two of them).
extern const TextTable<RowsTimesLanguages(AUTO_SAVING_ROWS)> g_autoSavingDialogTexts;
extern const TextTable<RowsTimesLanguages(AUTO_SAVING_ROWS)> g_mainAutoSavingTexts;
extern const TextTable<RowsTimesLanguages(DISPLAY_DIALOG_ROWS)> g_displayDialogTexts;
extern const TextTable<RowsTimesLanguages(DISPLAYING_UNIT_DIALOG_ROWS)> g_displayingUnitDialogTexts;
extern const TextTable<RowsTimesLanguages(LANGUAGE_DIALOG_ROWS)> g_languageDialogTexts;
extern const TextTable<LANGUAGE_COUNT> g_languageNames;
extern const TextTable<RowsTimesLanguages(THD_ROWS)> g_thdDialogTexts;
extern const TextTable<RowsTimesLanguages(THD_ROWS)> g_mainThdTexts;

// Confirmations, print preview, all-sensor chart window.
extern const TextTable<RowsTimesLanguages(CLEAR_DIALOG_ROWS)> g_clearAllRecordsDialogTexts;
extern const TextTable<RowsTimesLanguages(CLEAR_DIALOG_ROWS)> g_clearRainTotalDialogTexts;
extern const TextTable<RowsTimesLanguages(PRINT_DIALOG_ROWS)> g_printDialogTexts;
constexpr int CHART_SERIES_TITLE_COUNT = 78;
constexpr int CHART_SERIES_TITLE_FIRST = 52;  // title of series i is entry 52 + i
constexpr int CHART_SERIES_COUNT = 25;
constexpr int CHART_TIME_RANGE_COUNT = 8;
extern const TextTable<CHART_SERIES_TITLE_COUNT> g_chartSeriesTitles;
extern const TextTable<CHART_TIME_RANGE_COUNT> g_chartTimeRangeTexts;

// Unit names and record-file column headers.
extern const TextTable<RowsTimesLanguages(UNIT_TEXT_ROWS)> g_unitTexts;
extern const TextTable<RowsTimesLanguages(EXPORT_COLUMN_HEADER_ROWS)> g_exportColumnHeaders;
// First row of each quantity's group in g_unitTexts; add the unit index.
constexpr int UNIT_ROW_ALTITUDE = 0;
constexpr int UNIT_ROW_UV = 2;
constexpr int UNIT_ROW_PRESSURE = 4;
constexpr int UNIT_ROW_RAIN = 7;
constexpr int UNIT_ROW_TIME_FORMAT = 9;
constexpr int UNIT_ROW_TEMPERATURE = 11;
constexpr int UNIT_ROW_WIND = 13;

// Main-window messages.
extern const TextTable<RowsTimesLanguages(UPLOAD_RESULT_ROWS)> g_uploadResultTexts;
extern const TextTable<RowsTimesLanguages(SMALL_CHART_TITLE_ROWS)> g_smallChartTitles;
extern const TextTable<LANGUAGE_COUNT> g_reconnectPromptTexts;
extern const TextTable<LANGUAGE_COUNT> g_connectPromptTexts;
extern const TextTable<LANGUAGE_COUNT> g_closeTexts;
// The status text while a record file cannot take new record lines (held by another program,
// read-only): one row by language.
extern const TextTable<LANGUAGE_COUNT> g_recordFileErrorTexts;
constexpr int DATA_ERROR_TEXT_COUNT = 2;
constexpr int PROGRESS_TEXT_COUNT = 4;
extern const TextTable<DATA_ERROR_TEXT_COUNT> g_dataErrorTexts;
extern const TextTable<PROGRESS_TEXT_COUNT> g_progressTexts;
// Save as: the question before replacing an existing file whose name got its extension after the
// save dialog, and the messages of a save that failed ("%s": the file's path).
constexpr int SAVE_AS_TEXT_ROWS = 6;
constexpr int SAVE_AS_REPLACE_QUESTION = 0;
constexpr int SAVE_AS_FOLDER_MISSING = 1;
constexpr int SAVE_AS_TARGET_HELD = 2;
constexpr int SAVE_AS_NOT_SAVED = 3;
constexpr int SAVE_AS_NO_RECORDS = 4;
constexpr int SAVE_AS_NOT_SAVED_BECAUSE = 5;  // "%s": the path, then the reason (g_writeFailureReasons)
extern const TextTable<RowsTimesLanguages(SAVE_AS_TEXT_ROWS)> g_saveAsTexts;
// What was done to the record files ("%s": file names): a file missing, short of records or unreadable
// and restored from another (its name, the other's, and for the last two the name the file as it was is
// kept under); records added to a file; the station's clock gone back.
constexpr int RECORD_FILE_NOTICE_ROWS = 7;
constexpr int RECORD_FILE_RESTORED_MISSING = 0;
constexpr int RECORD_FILE_RESTORED_SHORT = 1;
constexpr int RECORD_FILE_RESTORED_UNREADABLE = 2;
constexpr int RECORD_FILE_RECORDS_ADDED = 3;
constexpr int RECORD_FILE_CLOCK_WENT_BACK = 4;
constexpr int RECORD_FILE_RESTORED_DAMAGED = 5;
constexpr int RECORD_FILE_DAMAGED_LINES_TAKEN_OUT = 6;
extern const TextTable<RowsTimesLanguages(RECORD_FILE_NOTICE_ROWS)> g_recordFileNoticeTexts;
// Files the program writes by itself that could not be written: the messages ("%s": the files,
// then the reason) by what the program was doing, and the status text while the station's data
// files cannot be written.
constexpr int WRITE_FAILURE_TEXT_ROWS = 7;
constexpr int WRITE_FAILED_TRIED_AGAIN = 0;      // the station's data files, the chart pictures, the settings
constexpr int WRITE_FAILED_RECORDS_WAIT = 1;     // the record files, their copies, the staging file
constexpr int WRITE_FAILED_REBUILD = 2;          // a custom record file's rebuild in new units
constexpr int WRITE_FAILED_STATION_DATA_STATUS = 3;
constexpr int WRITE_FAILED_RESTORE = 4;          // a record file brought back from its copy or the other one
constexpr int WRITE_FAILED_RAIN_RESET = 5;       // the rain total cleared by the user
constexpr int WRITE_FAILED_AUTO_SAVE = 6;        // the automatic saving's files
extern const TextTable<RowsTimesLanguages(WRITE_FAILURE_TEXT_ROWS)> g_writeFailureTexts;
// The reasons of a failed write, as the messages above name them; the last one takes the system's
// error code ("%lu").
constexpr int WRITE_FAILURE_REASON_ROWS = 7;
constexpr int WRITE_REASON_DISK_FULL = 0;
constexpr int WRITE_REASON_WRITE_PROTECTED = 1;
constexpr int WRITE_REASON_ACCESS_DENIED = 2;
constexpr int WRITE_REASON_HELD = 3;
constexpr int WRITE_REASON_FOLDER_IN_THE_WAY = 4;
constexpr int WRITE_REASON_FOLDER_MISSING = 5;
constexpr int WRITE_REASON_SYSTEM_ERROR = 6;
extern const TextTable<RowsTimesLanguages(WRITE_FAILURE_REASON_ROWS)> g_writeFailureReasons;

// ---------------------------------------------------------------------------
// Per-language families of the main window's panels.
constexpr int PANEL_LABEL_COUNT = 162;
constexpr int WIND_DIRECTION_TEXT_COUNT = 32;  // 16 point names, then 16 bearings
constexpr int COMPASS_WORD_COUNT = 4;          // north, south, east, west
constexpr int LUNAR_PHASE_NAME_COUNT = 28;
constexpr int UV_LEVEL_TEXT_COUNT = 5;
constexpr int WEEKDAY_NAME_COUNT = 7;          // Sunday first

#define ORVELLE_DECLARE_FAMILY(family, count)                        \
    extern const TextTable<count> family##English;                   \
    extern const TextTable<count> family##German;                    \
    extern const TextTable<count> family##French;                    \
    extern const TextTable<count> family##Italian;                   \
    extern const TextTable<count> family##Spanish;                   \
    extern const TextTable<count> family##Dutch;                     \
    extern const TextTable<count> family##Russian;                   \
    extern const TextTable<count> family##Polish;                    \
    extern const TextTable<count>* const family[LANGUAGE_COUNT];

ORVELLE_DECLARE_FAMILY(g_panelLabels, PANEL_LABEL_COUNT)
ORVELLE_DECLARE_FAMILY(g_windDirectionTexts, WIND_DIRECTION_TEXT_COUNT)
ORVELLE_DECLARE_FAMILY(g_compassWords, COMPASS_WORD_COUNT)
ORVELLE_DECLARE_FAMILY(g_lunarPhaseNames, LUNAR_PHASE_NAME_COUNT)
ORVELLE_DECLARE_FAMILY(g_uvLevelTexts, UV_LEVEL_TEXT_COUNT)
ORVELLE_DECLARE_FAMILY(g_weekdayNames, WEEKDAY_NAME_COUNT)

#undef ORVELLE_DECLARE_FAMILY

// The array of each family for a language: ids 1..7 their own array, 0 and
// any other id the English one.
const wchar_t* const* PanelLabelsFor(int language);
const wchar_t* const* WindDirectionTextsFor(int language);
const wchar_t* const* CompassWordsFor(int language);
const wchar_t* const* LunarPhaseNamesFor(int language);
const wchar_t* const* UvLevelTextsFor(int language);
const wchar_t* const* WeekdayNamesFor(int language);

// Current-language views: each points at the first element of one array of
// its family. They start on the English arrays; the main window's language
// selection points all six at once (PointCurrentLanguageViews).
extern const wchar_t* const* g_currentPanelLabels;
extern const wchar_t* const* g_currentWindDirectionTexts;
extern const wchar_t* const* g_currentCompassWords;
extern const wchar_t* const* g_currentLunarPhaseNames;
extern const wchar_t* const* g_currentUvLevelTexts;
extern const wchar_t* const* g_currentWeekdayNames;

// Points the six views at the arrays of `language` (English for ids outside
// 1..7). Window thread only.
void PointCurrentLanguageViews(int language);

// Element ids of the panel captions that are read by name.
constexpr int PANEL_PRESSURE = 2;
constexpr int PANEL_UV_INDEX = 18;
constexpr int PANEL_CITY_NAME = 37;
constexpr int PANEL_LATITUDE = 38;
constexpr int PANEL_LONGITUDE = 39;
constexpr int PANEL_TEMPERATURE = 53;
constexpr int PANEL_HUMIDITY = 54;
constexpr int PANEL_FIRST_SENSOR_NAME = 84;  // 84..89: indoor, channels 1..5
constexpr int PANEL_DEWPOINT = 92;
constexpr int PANEL_RAIN_TOTAL = 118;
constexpr int PANEL_LAST_WEEK = 123;
constexpr int PANEL_LAST_MONTH = 125;
constexpr int PANEL_DEWPOINT_LINE2 = 156;
constexpr int PANEL_RAIN_TOTAL_LINE2 = 157;
constexpr int PANEL_LAST_WEEK_LINE2 = 158;
constexpr int PANEL_LAST_MONTH_LINE2 = 159;
