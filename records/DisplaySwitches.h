// What the main window's panels show and how ("rDisplaySetting.dat"): the forecast, pressure, UV,
// rain, wind speed and wind direction boxes (1 shown, 0 hidden) and the view of each chart: 1 bar
// chart (or the first direction chart), 2 line chart (or the second direction chart), 3 the wind
// rose (for speed and direction together); 0 for a hidden chart. The settings record, the chart
// display dialog, the panel layout and the chart redraws share this one set.
#pragma once

struct DisplaySwitches {
    int m_showForecast = 1;
    int m_showPressure = 1;
    int m_showUv = 0;
    int m_showRain = 1;
    int m_showWindSpeed = 1;
    int m_showWindDirection = 1;
    int m_pressureView = 1;
    int m_uvView = 2;
    int m_rainView = 1;
    int m_windSpeedView = 3;
    int m_windDirectionView = 3;
};

inline bool operator==(const DisplaySwitches& a, const DisplaySwitches& b)
{
    return a.m_showForecast == b.m_showForecast && a.m_showPressure == b.m_showPressure && a.m_showUv == b.m_showUv &&
           a.m_showRain == b.m_showRain && a.m_showWindSpeed == b.m_showWindSpeed &&
           a.m_showWindDirection == b.m_showWindDirection && a.m_pressureView == b.m_pressureView &&
           a.m_uvView == b.m_uvView && a.m_rainView == b.m_rainView && a.m_windSpeedView == b.m_windSpeedView &&
           a.m_windDirectionView == b.m_windDirectionView;
}
inline bool operator!=(const DisplaySwitches& a, const DisplaySwitches& b) { return !(a == b); }
