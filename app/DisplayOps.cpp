#include "app/DisplayOps.h"

void DrawPressureChartByView(CDisplayOps& display, const DisplaySwitches& views)
{
    if (views.m_pressureView == 1)
        display.DrawPressureBarChart();
    else
        display.DrawPressureLineChart();
}

void DrawUvChartByView(CDisplayOps& display, const DisplaySwitches& views)
{
    if (views.m_uvView == 1)
        display.DrawUvBarChart();
    else
        display.DrawUvLineChart();
}

void DrawRainChartByView(CDisplayOps& display, const DisplaySwitches& views)
{
    if (views.m_rainView == 1)
        display.DrawRainBarChart();
    else
        display.DrawRainLineChart();
}

void DrawAllCharts(CDisplayOps& display, const DisplaySwitches& views)
{
    DrawPressureChartByView(display, views);
    DrawUvChartByView(display, views);
    display.DrawTemperatureChart();
    DrawRainChartByView(display, views);
    DrawWindChartByView(display, views);
}

void DrawWindChartByView(CDisplayOps& display, const DisplaySwitches& views)
{
    if (views.m_windSpeedView == 3 && views.m_windDirectionView == 3)
        display.DrawWindRoseChart();
    else if (views.m_windSpeedView == 1)
        display.DrawWindSpeedBarChart();
    else if (views.m_windSpeedView == 2)
        display.DrawWindSpeedLineChart();
    else if (views.m_windDirectionView == 1)
        display.DrawWindDirectionBarChart();
    else
        display.DrawWindDirectionChart();
}
