// The main window's display operations that the end of the history download and the polling loop
// call: the location panel's texts, the small charts of the main window and the all-sensor chart
// window's period, and the choice of each chart by its view.
//
// The main dialog derives from CDisplayOps; each operation draws nothing here and is overridden
// by the display code. All of them run on the window's thread.
#pragma once
#include "records/DisplaySwitches.h"

#include <string>

class CDisplayOps {
public:
    virtual ~CDisplayOps() = default;

    // Refreshes the location panel's texts (city name, latitude, longitude, time zone).
    virtual void UpdateLocationTexts() {}

    // Each renders one chart of the main window from the rolling histories into its bitmap file
    // and shows it.
    virtual void DrawPressureBarChart() {}
    virtual void DrawPressureLineChart() {}
    virtual void DrawUvBarChart() {}
    virtual void DrawUvLineChart() {}
    virtual void DrawRainBarChart() {}
    virtual void DrawRainLineChart() {}
    virtual void DrawWindRoseChart() {}
    virtual void DrawWindSpeedBarChart() {}
    virtual void DrawWindSpeedLineChart() {}
    virtual void DrawWindDirectionBarChart() {}
    virtual void DrawWindDirectionChart() {}
    // Temperature, humidity and dewpoint lines of the sensor histories.
    virtual void DrawTemperatureChart() {}

    // CShowAllChartDlg::SetTimeWindowFromLastRecord on the all-sensor chart window: its period
    // becomes the hour before the last published history row, and it is redrawn.
    virtual void SetAllChartTimeWindowFromLastRecord() {}

    // The polling loop's display operations (timers 2 and 3, the first poll and the hourly work).
    // Date, time and weekday texts.
    virtual void UpdateClock() {}
    // Next frame of the forecast picture.
    virtual void AnimateForecastIcon() {}
    // Moon picture and phase name of the day.
    virtual void UpdateLunarPhase() {}
    // Texts of the sunrise and sunset controls.
    virtual std::wstring UpdateSunriseText() { return std::wstring(); }
    virtual std::wstring UpdateSunsetText() { return std::wstring(); }
    // Captions with the unit names of the wind and rain panels.
    virtual void BuildWindCaptions() {}
    virtual void BuildRainCaptions() {}

    // The clock's copy of the 24-hour setting.
    int m_clock24h = 1;
};

// Redraws every chart of the main window, each by its view: pressure, UV, temperature, rain, then
// one wind chart (the rose when both wind views are 3, else speed bar 1, speed line 2, direction
// bar 1, else the direction chart).
void DrawAllCharts(CDisplayOps& display, const DisplaySwitches& views);

// One chart kind, drawn by its view (the same choice DrawAllCharts makes).
void DrawPressureChartByView(CDisplayOps& display, const DisplaySwitches& views);
void DrawUvChartByView(CDisplayOps& display, const DisplaySwitches& views);
void DrawRainChartByView(CDisplayOps& display, const DisplaySwitches& views);
void DrawWindChartByView(CDisplayOps& display, const DisplaySwitches& views);
