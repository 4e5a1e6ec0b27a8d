// The all-sensor chart window's settings file "rShowAllChartSetting.dat" in the install folder:
// 27 little-endian 32-bit integers, no header: the check state of each series' box (1 shown,
// 0 not), then 1 for the line view or 0 for the pie view, then the period box's entry.
#pragma once
#include "display/AllSensorSeries.h"

#include <array>
#include <string>

extern const wchar_t* const ALL_CHART_SETTINGS_FILE;  // "rShowAllChartSetting.dat"
constexpr int ALL_CHART_SETTINGS_BYTES = 108;

struct AllChartSettings {
    std::array<int, SERIES_COUNT> checks = {};
    int lineView = 1;
    int timeRange = TIME_RANGE_LAST_HOUR;
};

// Reads the file; false, with the defaults (no series, line view, "Last hour"), when it does not
// open. What is read is made sound: a check value other than 0 is 1, a file that marks more than
// 12 series keeps the first 12, an entry outside 0..7 is "Last hour"; a file shorter than 108
// bytes keeps the integers it holds whole and the defaults for the rest.
bool LoadAllChartSettings(const std::wstring& path, AllChartSettings* settings);

// The file's 108 bytes.
std::string AllChartSettingsBytes(const AllChartSettings& settings);
// Replaces the file by them in one step (ReplaceFileWith); false, and the file as it was, when it
// cannot be written.
bool SaveAllChartSettings(const std::wstring& path, const AllChartSettings& settings);
