#include "app/DisplayOps.h"

#include "records/SettingsRecord.h"

ChartViews ChartViewsOf(const CSettingsRecord& settings)
{
    ChartViews views;
    views.pressure = settings.m_pressureView;
    views.uv = settings.m_uvView;
    views.rain = settings.m_rainView;
    views.windSpeed = settings.m_windSpeedView;
    views.windDirection = settings.m_windDirectionView;
    return views;
}

void DrawPressureChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.pressure == 1)
        display.DrawPressureBarChart();
    else
        display.DrawPressureLineChart();
}

void DrawUvChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.uv == 1)
        display.DrawUvBarChart();
    else
        display.DrawUvLineChart();
}

void DrawRainChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.rain == 1)
        display.DrawRainBarChart();
    else
        display.DrawRainLineChart();
}

void DrawAllCharts(CDisplayOps& display, const ChartViews& views)
{
    DrawPressureChartByView(display, views);
    DrawUvChartByView(display, views);
    display.DrawTemperatureChart();
    DrawRainChartByView(display, views);
    DrawWindChartByView(display, views);
}

void DrawWindChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.windSpeed == 3 && views.windDirection == 3)
        display.DrawWindRoseChart();
    else if (views.windSpeed == 1)
        display.DrawWindSpeedBarChart();
    else if (views.windSpeed == 2)
        display.DrawWindSpeedLineChart();
    else if (views.windDirection == 1)
        display.DrawWindDirectionBarChart();
    else
        display.DrawWindDirectionChart();
}
