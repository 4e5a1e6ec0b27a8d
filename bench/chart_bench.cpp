// Figures of the charting: the main window's eleven charts rendered from full rolling histories,
// the all-sensor window's worst case, one line chart of 25 series of 43,800 points on 7 axes, and the
// window's own copy of 43,800 rows x 25 series with its line chart of 12 of them.
#include "display/AllSensorCharts.h"
#include "display/MainCharts.h"
#include "platform/chart/Chart.h"

#include "bench/BenchClock.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A full history: size samples two minutes apart ending at end, wavy values around base.
struct FullHistory {
    std::vector<double> times, values;
    FullHistory(int size, double end, double base, double swing, double step = 120)
    {
        for (int i = 0; i < size; ++i) {
            times.push_back(end - (size - 1 - i) * step);
            values.push_back(base + swing * std::sin(i / 37.0));
        }
    }
    HistoryView View() { return HistoryView{times.data(), values.data(), static_cast<int>(times.size()), static_cast<int>(times.size())}; }
};

ChartFrame Frame(const char* file, int width, int height) { return ChartFrame{width, height, TempPath(file)}; }

double MainCharts()
{
    const double now = Chart::chartTime(2024, 5, 10, 12, 0);
    const double dayEnd = Chart::chartTime(2024, 5, 10, 23, 59, 59);
    FullHistory pressure(750, now, 1010, 8), uv(360, now, 4, 4), rain(360, now, 0.5, 0.5, 3600), wind(750, now, 6, 5);
    FullHistory directions(750, now, 8, 7.5);
    for (double& d : directions.values)
        d = std::floor(d);
    constexpr int SIZE = 240;
    static double times[6][SIZE], series[3][6][SIZE];
    unsigned char shown[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    int settings[54] = {};
    for (int i = 0; i < 18; ++i)
        settings[36 + i] = 0x203040 * (i + 1);
    TemperatureChartInput input;
    input.size = SIZE;
    for (int s = 0; s < 6; ++s) {
        for (int k = 0; k < SIZE; ++k) {
            times[s][k] = now - (SIZE - 1 - k) * 120;
            for (int q = 0; q < 3; ++q)
                series[q][s][k] = 20 + 10 * q + s + std::sin(k / 20.0);
        }
        input.times[s] = times[s];
        for (int q = 0; q < 3; ++q)
            input.series[q][s] = series[q][s];
        input.timeCounts[s] = SIZE;
        input.humidityCounts[s] = SIZE;
    }
    input.shown = shown;
    input.lineSettings = settings;
    double bars[HOURLY_BARS];

    const double start = NowMs();
    DrawPressureBars(Frame("b_pb.bmp", 320, 125), pressure.View(), 0);
    DrawPressureLine(Frame("b_pl.bmp", 320, 125), pressure.View(), 0);
    DrawUvBars(Frame("b_ub.bmp", 320, 90), uv.View());
    DrawUvLine(Frame("b_ul.bmp", 320, 90), uv.View(), now);
    DrawWindSpeedLine(Frame("b_wl.bmp", 285, 150), wind.View(), 0);
    DrawWindDirectionLine(Frame("b_wd.bmp", 285, 150), HistoryView{wind.times.data(), directions.values.data(), 750, 750}, 0);
    DrawWindSpeedBars(Frame("b_wb.bmp", 285, 150), wind.View(), now, 0, bars);
    DrawWindDirectionBars(Frame("b_wdb.bmp", 285, 150), HistoryView{wind.times.data(), directions.values.data(), 750, 750}, 0);
    DrawWindRose(Frame("b_wr.bmp", 285, 150), wind.View(), directions.values.data(), 0);
    DrawRainLine(Frame("b_rl.bmp", 260, 220), rain.View(), now, dayEnd, 0);
    DrawRainBars(Frame("b_rb.bmp", 260, 220), rain.View(), dayEnd, 0);
    DrawTemperatureLines(Frame("b_t.bmp", 460, 145), input, 1.0);
    return NowMs() - start;
}

double AllSensorChart()
{
    constexpr int POINTS = 43800;
    constexpr int SERIES = 25;
    std::vector<double> times(POINTS);
    std::vector<std::vector<double>> values(SERIES, std::vector<double>(POINTS));
    const double first = Chart::chartTime(2019, 5, 10, 0, 0);
    for (int i = 0; i < POINTS; ++i) {
        times[i] = first + i * 3600.0;
        for (int s = 0; s < SERIES; ++s)
            values[s][i] = 10 * (s % 7) + 8 * std::sin(i / (50.0 + s)) + (i % 13) * 0.1;
    }
    const double start = NowMs();
    XYChart chart(920, 440, 0xEEEEEE, 0x000000, 1);
    chart.setPlotArea(100, 50, 600, 340, 0xFFFFFF, -1, -1, 0xC0C0C0, Chart::Transparent)
        ->setGridColor(0xCCCCCC, 0xCCCCCC, -1, -1);
    chart.xAxis()->setDateScale(times.front(), times.back(), 0, 0);
    chart.xAxis()->setLabelFormat("{value|yyyy/mm/dd hh:nn}");
    chart.yAxis()->setTitle("\xC2\xB0" "C", "", 8, Chart::TextColor)->setAlignment(Chart::TopLeft2);
    chart.yAxis2()->setTitle("hPa", "", 8, Chart::TextColor)->setAlignment(Chart::TopRight2);
    Axis* axes[7] = {chart.yAxis(), chart.yAxis2(), chart.addAxis(Chart::Left, 50), chart.addAxis(Chart::Right, 47),
                     chart.addAxis(Chart::Right, 90), chart.addAxis(Chart::Right, 148), chart.addAxis(Chart::Right, 185)};
    for (int s = 0; s < SERIES; ++s) {
        const int colour = s % 5 == 1 ? chart.dashLineColor(0x102030 * (s + 1), Chart::DashLine) : 0x102030 * (s + 1);
        LineLayer* layer = chart.addLineLayer(DoubleArray(values[s].data(), POINTS), colour);
        layer->setXData(DoubleArray(times.data(), POINTS));
        layer->setLineWidth(1 + s % 3);
        if (s % 7 > 0)
            layer->setUseYAxis(axes[s % 7]);
    }
    chart.makeChart(TempPath("b_all.bmp").c_str());
    return NowMs() - start;
}

// The all-sensor window's own drawing: 43,800 history rows of 25 columns copied into the series of
// a year's period, then the line chart of 12 of them.
struct AllSensorTimes {
    double copyMs = 0;
    double drawMs = 0;
};
AllSensorTimes AllSensorWindowChart()
{
    constexpr int ROWS = 43800;
    std::vector<int> year(ROWS), month(ROWS), day(ROWS), hour(ROWS), minute(ROWS);
    std::vector<std::vector<double>> columns(SERIES_COUNT, std::vector<double>(ROWS));
    const double first = Chart::chartTime(2019, 5, 10, 0, 0);
    for (int r = 0; r < ROWS; ++r) {
        int y, mo, d, h, mi, sec;
        CChart_splitTime(first + r * 3600.0, &y, &mo, &d, &h, &mi, &sec);
        year[r] = y, month[r] = mo, day[r] = d, hour[r] = h, minute[r] = mi;
        for (int s = 0; s < SERIES_COUNT; ++s)
            columns[s][r] = 10 * (s % 7) + 8 * std::sin(r / (50.0 + s)) + (r % 13) * 0.1;
    }
    HistoryColumns history;
    history.rows = ROWS;
    history.year = year.data(), history.month = month.data(), history.day = day.data();
    history.hour = hour.data(), history.minute = minute.data();
    history.windGust = columns[3].data(), history.pressure = columns[4].data();
    history.windSpeed = columns[8].data(), history.uv = columns[9].data();
    history.windDirection = columns[13].data(), history.rain = columns[14].data();
    history.windChill = columns[18].data();
    for (int s = 0; s < SERIES_COUNT; ++s)
        if (SeriesKindOf(s).sensor >= 0)
            history.sensor[SeriesKindOf(s).sensor][SeriesKindOf(s).quantity] = columns[s].data();
    int lines[54] = {};
    for (int i = 0; i < 18; ++i)
        lines[36 + i] = 0x203040 * (i + 1);
    AllSensorTimes times;
    const double start = NowMs();
    const std::array<Series, SERIES_COUNT> series = SeriesPointsFrom(history, 0);
    times.copyMs = NowMs() - start;
    AllSensorChartInput input;
    for (int i : {0, 1, 2, 3, 4, 8, 9, 13, 14, 18, 5, 6})
        input.shown[i] = true;
    input.series = &series;
    input.lineSettings = lines;
    const double drawStart = NowMs();
    DrawAllSensorLineChart(Frame("b_allwin.bmp", 920, 440), input);
    times.drawMs = NowMs() - drawStart;
    return times;
}

}  // namespace

int main()
{
    MainCharts();  // the first rendering starts GDI+ and finds the fonts
    double best = 1e9;
    for (int run = 0; run < 5; ++run)
        best = std::min(best, MainCharts());
    std::printf("main window charts (all 12 makers, 11 files: the two wind bar charts share one): %.1f ms (best of 5)\n", best);
    double bestAll = 1e9;
    for (int run = 0; run < 3; ++run)
        bestAll = std::min(bestAll, AllSensorChart());
    std::printf("all-sensor line chart, 25 series x 43800 points, 7 axes: %.1f ms (best of 3)\n", bestAll);
    AllSensorTimes bestWindow{1e9, 1e9};
    for (int run = 0; run < 3; ++run) {
        const AllSensorTimes t = AllSensorWindowChart();
        bestWindow.copyMs = std::min(bestWindow.copyMs, t.copyMs);
        bestWindow.drawMs = std::min(bestWindow.drawMs, t.drawMs);
    }
    std::printf("all-sensor window, 43800 rows x 25 series: copy %.1f ms, line chart of 12 series %.1f ms, "
                "together %.1f ms (best of 3 each)\n",
                bestWindow.copyMs, bestWindow.drawMs, bestWindow.copyMs + bestWindow.drawMs);
    return 0;
}
