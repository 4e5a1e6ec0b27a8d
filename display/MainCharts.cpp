#include "display/MainCharts.h"

#include "platform/chart/Chart.h"
#include "texts/TextEncoding.h"
#include "texts/TextTables.h"

#include <memory>
#include <vector>

const char* const PRESSURE_BAR_FILE = "PressureBarChart.bmp";
const char* const PRESSURE_LINE_FILE = "PressureLineChart.bmp";
const char* const UV_BAR_FILE = "UVBar.bmp";
const char* const UV_LINE_FILE = "UVLine.bmp";
const char* const WIND_LINE_FILE = "WindSpeedLine.bmp";
const char* const WIND_DIRECTION_FILE = "WindSpeedDir.bmp";
const char* const WIND_BAR_FILE = "WindSpeedBar.bmp";
const char* const WIND_ROSE_FILE = "WindSpeedPolar.bmp";
const char* const RAIN_LINE_FILE = "RainLineChart.bmp";
const char* const RAIN_BAR_FILE = "RainBarChart.bmp";
const char* const TEMPERATURE_FILE = "IndoorTempMultiline.bmp";

namespace {

constexpr int CHART_BACKGROUND = 0xECE9D8;  // the main window's own background
constexpr int AXIS_GREEN = 0x008000;
constexpr int TITLE_TOP_RIGHT = Chart::TopRight2;

enum SmallChartTitle { TITLE_PRESSURE = 0, TITLE_WIND_SPEED = 1, TITLE_WIND_DIRECTION = 2, TITLE_WIND_ROSE = 3, TITLE_RAIN = 4 };

std::string TitleText(int row, int language) { return Utf8(TextAt(g_smallChartTitles, row, language)); }

// Narrow label texts that stay valid while the chart is alive.
struct Labels {
    std::vector<std::string> texts;
    std::vector<const char*> pointers;
    explicit Labels(std::vector<std::string> from) : texts(std::move(from))
    {
        for (const std::string& t : texts)
            pointers.push_back(t.c_str());
    }
    template <size_t N> explicit Labels(const std::array<const char*, N>& from) : pointers(from.begin(), from.end()) {}
    StringArray Array() const { return StringArray(pointers.data(), static_cast<int>(pointers.size())); }
};

std::unique_ptr<XYChart> NewChart(const ChartFrame& frame)
{
    return std::make_unique<XYChart>(frame.width, frame.height, CHART_BACKGROUND, Chart::Transparent, 0);
}

void AxisLabelsArial(XYChart& chart, double size, bool y = true)
{
    chart.xAxis()->setLabelStyle("arial.ttf", size);
    if (y)
        chart.yAxis()->setLabelStyle("arial.ttf", size);
}

void YTitle(XYChart& chart, const std::string& text, double size)
{
    chart.yAxis()->setTitle(text.c_str(), "bold", size, Chart::TextColor);
    chart.yAxis()->setTitlePos(TITLE_TOP_RIGHT, 3);
}

void GreenSecondAxis(XYChart& chart) { chart.yAxis2()->setColors(AXIS_GREEN, AXIS_GREEN, AXIS_GREEN, -1); }

// The newest valid sample's time, or 0 for an empty history.
double NewestTime(const HistoryView& history)
{
    const Series samples = ValidSamples(history);
    return samples.times.empty() ? 0 : samples.times.back();
}

// One line of the samples against their times, with a date axis over them when there are any.
void SamplesLine(XYChart& chart, const Series& samples, const char* format)
{
    if (!samples.times.empty()) {
        chart.xAxis()->setDateScale(samples.times.front(), samples.times.back(), 0, 0);
        chart.xAxis()->setLabelFormat(format);
    }
    const int n = static_cast<int>(samples.values.size());
    chart.addLineLayer(DoubleArray(samples.values.data(), n), -1)->setXData(DoubleArray(samples.times.data(), n));
}

void CylinderBars(BarLayer* layer, int depth, int width)
{
    layer->set3D(depth, 0);
    if (width > 0)
        layer->setBarWidth(width, -1);
    layer->setBarShape(Chart::CircleShape, -1, -1);
}

// Wind samples whose direction is a compass index.
Series CompassSamples(const HistoryView& directions)
{
    Series all = ValidSamples(directions);
    Series kept;
    for (size_t i = 0; i < all.values.size(); ++i)
        if (all.values[i] >= 0 && all.values[i] < 16) {
            kept.times.push_back(all.times[i]);
            kept.values.push_back(all.values[i]);
        }
    return kept;
}

void WindPlot(XYChart& chart, const ChartFrame& frame)
{
    chart.setPlotArea(30, 18, frame.width - 45, frame.height - 35, Chart::Transparent, -1, 0xC0C0C0, Chart::Transparent);
}

void UvPlot(XYChart& chart, const ChartFrame& frame)
{
    const int gradient = chart.linearGradientColor(0, 20, 0, 155, 0xFFFFCC, 0xAA6600, false);
    chart.setPlotArea(30, 10, frame.width - 45, frame.height - 35, gradient, -1, 0xCCCCCC, 0xCCCCCC);
}

void RainPlot(XYChart& chart, const ChartFrame& frame)
{
    const int gradient = chart.linearGradientColor(0, 55, 0, 335, 0xDDDDFF, 0x880000, false);
    chart.setPlotArea(30, 20, frame.width - 45, frame.height - 40, gradient, 0xFFFFFF, 0xFFFFFF, Chart::Transparent);
}

void PressurePlot(XYChart& chart, const ChartFrame& frame)
{
    chart.setPlotArea(33, 25, frame.width - 45, frame.height - 50, 0xDDDDFF, 0xFFFFFF, 0xFFFFFF, Chart::Transparent);
}

}  // namespace

bool DrawPressureBars(const ChartFrame& frame, const HistoryView& pressure, int language)
{
    auto chart = NewChart(frame);
    PressurePlot(*chart, frame);
    std::vector<double> bars = BucketValues(pressure, NewestTime(pressure), HOURLY_BARS, HOUR_S, BucketRule::Mean);
    CylinderBars(chart->addBarLayer(DoubleArray(bars.data(), HOURLY_BARS), 0xFF0000), 3, 10);
    Labels labels(BarOffsetLabels(HOURLY_BARS, true));
    chart->xAxis()->setLabels(labels.Array());
    YTitle(*chart, TitleText(TITLE_PRESSURE, language), 10);
    AxisLabelsArial(*chart, 7);
    return chart->makeChart(frame.path.c_str());
}

bool DrawPressureLine(const ChartFrame& frame, const HistoryView& pressure, int language)
{
    auto chart = NewChart(frame);
    PressurePlot(*chart, frame);
    const Series samples = ValidSamples(pressure);
    SamplesLine(*chart, samples, "{value|hh:nn}");
    GreenSecondAxis(*chart);
    YTitle(*chart, TitleText(TITLE_PRESSURE, language), 10);
    AxisLabelsArial(*chart, 7);
    return chart->makeChart(frame.path.c_str());
}

bool DrawUvBars(const ChartFrame& frame, const HistoryView& uv)
{
    auto chart = NewChart(frame);
    UvPlot(*chart, frame);
    std::vector<double> bars = BucketValues(uv, NewestTime(uv), UV_BARS, HOUR_S, BucketRule::Mean);
    CylinderBars(chart->addBarLayer3(DoubleArray(bars.data(), UV_BARS)), 3, 13);
    Labels labels(BarOffsetLabels(UV_BARS, false));
    chart->xAxis()->setLabels(labels.Array());
    return chart->makeChart(frame.path.c_str());
}

bool DrawUvLine(const ChartFrame& frame, const HistoryView& uv, double recordTime)
{
    auto chart = NewChart(frame);
    UvPlot(*chart, frame);
    const Series samples = ValidSamples(uv);
    if (!samples.times.empty()) {
        chart->xAxis()->setDateScale(samples.times.front(), recordTime, 0, 0);
        chart->xAxis()->setLabelFormat("{value|hh:nn}");
    }
    AxisLabelsArial(*chart, 7);
    chart->xAxis()->setWidth(2);
    chart->yAxis()->setWidth(2);
    GreenSecondAxis(*chart);
    const int n = static_cast<int>(samples.values.size());
    chart->addLineLayer(DoubleArray(samples.values.data(), n), -1)->setXData(DoubleArray(samples.times.data(), n));
    return chart->makeChart(frame.path.c_str());
}

bool DrawWindSpeedLine(const ChartFrame& frame, const HistoryView& speeds, int language)
{
    auto chart = NewChart(frame);
    WindPlot(*chart, frame);
    chart->addTitle(TitleText(TITLE_WIND_SPEED, language).c_str(), "bold", 8);
    SamplesLine(*chart, ValidSamples(speeds), "{value|hh:nn}");
    AxisLabelsArial(*chart, 6, false);
    return chart->makeChart(frame.path.c_str());
}

bool DrawWindDirectionLine(const ChartFrame& frame, const HistoryView& directions, int language)
{
    auto chart = NewChart(frame);
    WindPlot(*chart, frame);
    chart->addTitle(TitleText(TITLE_WIND_DIRECTION, language).c_str(), "bold", 8);
    SamplesLine(*chart, CompassSamples(directions), "{value|hh:nn}");
    Labels compass(CompassLabels(language));
    chart->yAxis()->setLabels(compass.Array());
    AxisLabelsArial(*chart, 6);
    return chart->makeChart(frame.path.c_str());
}

bool DrawWindSpeedBars(const ChartFrame& frame, const HistoryView& speeds, double recordTime, int language,
                       double (&barValues)[HOURLY_BARS])
{
    auto chart = NewChart(frame);
    WindPlot(*chart, frame);
    chart->addTitle(TitleText(TITLE_WIND_SPEED, language).c_str(), "bold", 8);
    const std::vector<double> bars = BucketValues(speeds, recordTime, HOURLY_BARS, HOUR_S, BucketRule::Newest);
    std::copy(bars.begin(), bars.end(), barValues);
    CylinderBars(chart->addBarLayer3(DoubleArray(barValues, HOURLY_BARS)), 2, 8);
    AxisLabelsArial(*chart, 7);
    Labels labels(BarOffsetLabels(HOURLY_BARS, true));
    chart->xAxis()->setLabels(labels.Array());
    return chart->makeChart(frame.path.c_str());
}

bool DrawWindDirectionBars(const ChartFrame& frame, const HistoryView& directions, int language)
{
    auto chart = NewChart(frame);
    WindPlot(*chart, frame);
    chart->addTitle(TitleText(TITLE_WIND_DIRECTION, language).c_str(), "bold", 8);
    const double end = NewestTime(directions);
    std::vector<double> bars = BucketValues(directions, end, HOURLY_BARS, HOUR_S, BucketRule::NewestDirection);
    CylinderBars(chart->addBarLayer3(DoubleArray(bars.data(), HOURLY_BARS)), 2, 8);
    AxisLabelsArial(*chart, 7);
    Labels compass(CompassLabels(language));
    chart->yAxis()->setLabels(compass.Array());
    Labels labels(BarOffsetLabels(HOURLY_BARS, true));
    chart->xAxis()->setLabels(labels.Array());
    return chart->makeChart(frame.path.c_str());
}

bool DrawWindRose(const ChartFrame& frame, const HistoryView& speeds, const double* directions, int language)
{
    PolarChart chart(frame.width, frame.height, CHART_BACKGROUND, Chart::Transparent, 0);
    chart.setPlotArea(frame.width / 2, frame.height / 2 + 5, 52, 0xDDDDDD, Chart::Transparent, 1);
    chart.addTitle(TitleText(TITLE_WIND_ROSE, language).c_str(), "bold", 8);
    chart.setGridStyle(false, true);
    Labels compass(CompassLabels(language));
    chart.angularAxis()->setLabels(compass.Array());
    chart.angularAxis()->setLabelStyle("bold", 7);
    chart.radialAxis()->setLabelFormat("{value}");
    chart.radialAxis()->setLabelStyle("", 8)->setBackground(0x40FFFFFF, 0x40000000, 0);
    const std::array<double, 16> sectors = RoseSectorMaxima(speeds, directions);
    chart.addAreaLayer(DoubleArray(sectors.data(), 16), -1);
    return chart.makeChart(frame.path.c_str());
}

bool DrawRainLine(const ChartFrame& frame, const HistoryView& rain, double recordTime, double dayEnd, int language)
{
    auto chart = NewChart(frame);
    RainPlot(*chart, frame);
    chart->xAxis()->setDateScale(recordTime - 15 * DAY_S, dayEnd, 0, 0);
    chart->xAxis()->setLabelFormat("{value|mm/dd hh:nn}");
    const Series samples = ValidSamples(rain);
    const int n = static_cast<int>(samples.values.size());
    chart->addLineLayer(DoubleArray(samples.values.data(), n), -1)->setXData(DoubleArray(samples.times.data(), n));
    GreenSecondAxis(*chart);
    YTitle(*chart, TitleText(TITLE_RAIN, language), 8);
    AxisLabelsArial(*chart, 7);
    return chart->makeChart(frame.path.c_str());
}

bool DrawRainBars(const ChartFrame& frame, const HistoryView& rain, double dayEnd, int language)
{
    auto chart = NewChart(frame);
    RainPlot(*chart, frame);
    std::vector<double> days = BucketValues(rain, dayEnd, RAIN_DAYS, DAY_S, BucketRule::Sum);
    CylinderBars(chart->addBarLayer(DoubleArray(days.data(), RAIN_DAYS), -1), 3, 0);
    Labels labels(BarOffsetLabels(RAIN_DAYS, false));
    chart->xAxis()->setLabels(labels.Array());
    YTitle(*chart, TitleText(TITLE_RAIN, language), 8);
    AxisLabelsArial(*chart, 7);
    return chart->makeChart(frame.path.c_str());
}

bool DrawTemperatureLines(const ChartFrame& frame, const TemperatureChartInput& input, double temperatureFactor)
{
    auto chart = NewChart(frame);
    chart->setPlotArea(50, 20, frame.width - 100, frame.height - 45, Chart::Transparent, -1, 0xC0C0C0,
                       Chart::Transparent);
    // The indoor sensor's times give the time axis.
    HistoryView indoor{input.times[0], input.times[0], input.size, input.timeCounts[0]};
    if (indoor.times && indoor.First() < indoor.size) {
        chart->xAxis()->setDateScale(indoor.times[indoor.First()], indoor.times[indoor.size - 1], 0, 0);
        chart->xAxis()->setLabelFormat("{value|hh:nn}");
    }
    const char* unit = temperatureFactor == 1.0 ? "( \xC2\xB0" "C / td\xC2\xB0" "C )" : "( \xC2\xB0" "F )";
    chart->yAxis()->setTitle(unit, "mingliu.ttc", 8, 0x3333FF);
    chart->yAxis2()->setTitle("( %r.H. )", "mingliu.ttc", 8, Chart::TextColor);
    chart->yAxis2()->setColors(AXIS_GREEN, AXIS_GREEN, AXIS_GREEN, -1);

    const std::vector<ChartLine> lines = TemperatureChartLines(input);
    for (const ChartLine& line : lines) {
        const int colour = line.dashPattern == 0 ? line.colour : chart->dashLineColor(line.colour, line.dashPattern);
        const int n = static_cast<int>(line.points.values.size());
        LineLayer* layer = chart->addLineLayer(DoubleArray(line.points.values.data(), n), colour);
        layer->setXData(DoubleArray(line.points.times.data(), n));
        layer->setLineWidth(line.width);
    }
    return chart->makeChart(frame.path.c_str());
}
