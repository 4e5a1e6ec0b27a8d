// The main window's chart images: each function builds one chart from the histories with the
// charting library and renders it into a .bmp file. No window code: the main dialog gives the
// picture's size and the file's narrow path, and shows the file afterwards.
#pragma once
#include "display/ChartBuckets.h"

#include <string>

struct ChartFrame {
    int width = 0;
    int height = 0;
    std::string path;  // narrow path of the .bmp file
};

// File names in the image folder.
extern const char* const PRESSURE_BAR_FILE;   // "PressureBarChart.bmp"
extern const char* const PRESSURE_LINE_FILE;  // "PressureLineChart.bmp"
extern const char* const UV_BAR_FILE;         // "UVBar.bmp"
extern const char* const UV_LINE_FILE;        // "UVLine.bmp"
extern const char* const WIND_LINE_FILE;      // "WindSpeedLine.bmp"
extern const char* const WIND_DIRECTION_FILE; // "WindSpeedDir.bmp"
extern const char* const WIND_BAR_FILE;       // "WindSpeedBar.bmp" (speed and direction bars)
extern const char* const WIND_ROSE_FILE;      // "WindSpeedPolar.bmp"
extern const char* const RAIN_LINE_FILE;      // "RainLineChart.bmp"
extern const char* const RAIN_BAR_FILE;       // "RainBarChart.bmp"
extern const char* const TEMPERATURE_FILE;    // "IndoorTempMultiline.bmp"

constexpr int HOURLY_BARS = 25;
constexpr int UV_BARS = 8;
constexpr int RAIN_DAYS = 15;
constexpr double HOUR_S = 3600;
constexpr double DAY_S = 86400;

// Each returns what makeChart returned (false when the file could not be written).
bool DrawPressureBars(const ChartFrame& frame, const HistoryView& pressure, int language);
bool DrawPressureLine(const ChartFrame& frame, const HistoryView& pressure, int language);
bool DrawUvBars(const ChartFrame& frame, const HistoryView& uv);
// recordTime: chart time of the current reading (the line's time axis ends there).
bool DrawUvLine(const ChartFrame& frame, const HistoryView& uv, double recordTime);
bool DrawWindSpeedLine(const ChartFrame& frame, const HistoryView& speeds, int language);
// directions: the wind history's times with its compass indexes as values.
bool DrawWindDirectionLine(const ChartFrame& frame, const HistoryView& directions, int language);
// The 25 hourly speeds (newest sample of each hour up to recordTime) go into barValues too.
bool DrawWindSpeedBars(const ChartFrame& frame, const HistoryView& speeds, double recordTime, int language,
                       double (&barValues)[HOURLY_BARS]);
bool DrawWindDirectionBars(const ChartFrame& frame, const HistoryView& directions, int language);
bool DrawWindRose(const ChartFrame& frame, const HistoryView& speeds, const double* directions, int language);
// dayEnd: chart time of the current reading's day at 23:59:59.
bool DrawRainLine(const ChartFrame& frame, const HistoryView& rain, double recordTime, double dayEnd, int language);
bool DrawRainBars(const ChartFrame& frame, const HistoryView& rain, double dayEnd, int language);
// temperatureFactor exactly 1 labels the axis in degrees Celsius, anything else Fahrenheit.
bool DrawTemperatureLines(const ChartFrame& frame, const TemperatureChartInput& input, double temperatureFactor);
