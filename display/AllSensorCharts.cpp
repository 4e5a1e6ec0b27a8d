#include "display/AllSensorCharts.h"

#include "platform/chart/Chart.h"
#include "records/UnitFactors.h"

#include <memory>

const char* const ALL_LINE_CHART_FILE = "AllLineChart.bmp";

namespace {

constexpr int TITLE_SIZE = 8;
constexpr int SERIES_IN_TEMPERATURE = 0;
constexpr int OTHER_LINE_WIDTH = 2;

// The axis of each kind of quantity: made (or styled) only when a series on it is shown.
struct ValueAxes {
    Axis* of[7] = {};
    Axis*& operator[](SeriesAxis axis) { return of[static_cast<int>(axis)]; }
};

const char* TemperatureTitle(double factor) { return factor == 1.0 ? "\xC2\xB0" "C" : "\xC2\xB0" "F"; }

const char* PressureTitle(double factor)
{
    if (factor == 1.0)
        return "hPa";
    return factor == FACTOR_HPA_TO_INHG ? "inHg" : "mmHg";
}

const char* WindTitle(double factor)
{
    if (factor == 1.0)
        return "mph";
    if (factor == 1.61)
        return "km/hr";
    return factor == 0.87 ? "knots" : "m/s";
}

void StyleAxis(Axis* axis, const char* title, int alignment, int colour)
{
    axis->setTitle(title, "", TITLE_SIZE, Chart::TextColor)->setAlignment(alignment);
    axis->setColors(colour, colour, -1, -1);
}

bool AnyShownOn(const AllSensorChartInput& input, SeriesAxis axis)
{
    for (int i = 0; i < SERIES_COUNT; ++i)
        if (input.shown[i] && SeriesKindOf(i).axis == axis)
            return true;
    return false;
}

ValueAxes MakeValueAxes(XYChart& chart, const AllSensorChartInput& input)
{
    static const char* const kCompass[16] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                             "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    ValueAxes axes;
    axes[SeriesAxis::Temperature] = chart.yAxis();
    if (AnyShownOn(input, SeriesAxis::Temperature))
        StyleAxis(chart.yAxis(), TemperatureTitle(input.units.temperature), Chart::TopLeft2, 0x104000);
    if (AnyShownOn(input, SeriesAxis::Pressure)) {
        axes[SeriesAxis::Pressure] = chart.yAxis2();
        StyleAxis(chart.yAxis2(), PressureTitle(input.units.pressure), Chart::TopRight2, 0x999966);
    }
    if (AnyShownOn(input, SeriesAxis::Humidity)) {
        axes[SeriesAxis::Humidity] = chart.addAxis(Chart::Left, 50);
        StyleAxis(axes[SeriesAxis::Humidity], "R.H.%", Chart::TopLeft2, 0x330066);
    }
    if (AnyShownOn(input, SeriesAxis::Wind)) {
        axes[SeriesAxis::Wind] = chart.addAxis(Chart::Right, 47);
        StyleAxis(axes[SeriesAxis::Wind], WindTitle(input.units.wind), Chart::TopRight2, 0x000066);
    }
    if (AnyShownOn(input, SeriesAxis::Direction)) {
        axes[SeriesAxis::Direction] = chart.addAxis(Chart::Right, 90);
        StyleAxis(axes[SeriesAxis::Direction], "Direction", Chart::TopRight2, 0x5A5A00);
        axes[SeriesAxis::Direction]->setLabels(StringArray(kCompass, 16));
    }
    if (AnyShownOn(input, SeriesAxis::Rain)) {
        axes[SeriesAxis::Rain] = chart.addAxis(Chart::Right, 148);
        StyleAxis(axes[SeriesAxis::Rain], input.units.rain == 1.0 ? "mm" : "inch", Chart::TopRight2, 0x005A5A);
    }
    if (AnyShownOn(input, SeriesAxis::Uv)) {
        axes[SeriesAxis::Uv] = chart.addAxis(Chart::Right, 185);
        StyleAxis(axes[SeriesAxis::Uv], input.units.uv == 1.0 ? "UVI" : "MED/h", Chart::TopRight2, 0x9966FF);
    }
    return axes;
}

// One series' line: a sensor series in its line settings (none without points or with an unknown
// style), the seven others in their fixed colour even without points.
void AddSeriesLine(XYChart& chart, ValueAxes& axes, const AllSensorChartInput& input, int i)
{
    const SeriesKind& kind = SeriesKindOf(i);
    const Series& points = (*input.series)[i];
    const int n = static_cast<int>(points.values.size());
    int colour = kind.colour;
    int width = OTHER_LINE_WIDTH;
    if (kind.sensor >= 0) {
        const SensorLineStyle style = SensorLineStyleOf(input.lineSettings, kind.quantity, kind.sensor);
        if (n == 0 || style.dashPattern < 0)
            return;
        colour = style.dashPattern == 0 ? style.colour : chart.dashLineColor(style.colour, style.dashPattern);
        width = style.width;
    }
    LineLayer* layer = chart.addLineLayer(DoubleArray(points.values.data(), n), colour);
    layer->setXData(DoubleArray(points.times.data(), n));
    layer->setLineWidth(width);
    if (kind.axis == SeriesAxis::Pressure)
        layer->setUseYAxis2();
    else if (kind.axis != SeriesAxis::Temperature && axes[kind.axis])
        layer->setUseYAxis(axes[kind.axis]);
}

}  // namespace

bool DrawAllSensorLineChart(const ChartFrame& frame, const AllSensorChartInput& input)
{
    if (!input.series || !input.lineSettings)
        return false;
    XYChart chart(frame.width, frame.height, 0xEEEEEE, 0x000000, 1);
    chart.setPlotArea(100, 50, frame.width - 320, frame.height - 100, 0xFFFFFF, -1, -1, 0xC0C0C0, Chart::Transparent)
        ->setGridColor(0xCCCCCC, 0xCCCCCC, -1, -1);
    const Series& indoor = (*input.series)[SERIES_IN_TEMPERATURE];
    if (!indoor.times.empty()) {
        chart.xAxis()->setDateScale(indoor.times.front(), indoor.times.back(), 0, 0);
        chart.xAxis()->setLabelFormat("{value|yyyy/mm/dd hh:nn}");
    }
    ValueAxes axes = MakeValueAxes(chart, input);
    for (int i = 0; i < SERIES_COUNT; ++i)
        if (input.shown[i])
            AddSeriesLine(chart, axes, input, i);
    return chart.makeChart(frame.path.c_str());
}

std::string SeriesPieFile(int series) { return "multidepthpie" + std::to_string(series) + ".bmp"; }

bool DrawSeriesPie(const std::string& path, const PieRanges& ranges, const std::string& title)
{
    PieChart chart(PIE_WIDTH, PIE_HEIGHT, Chart::BackgroundColor, Chart::Transparent, 0);
    chart.setPieSize(61, 76, 58);
    chart.addTitle(title.c_str(), "timesbi.ttf", 10, Chart::TextColor, Chart::Transparent, Chart::Transparent)
        ->setBackground(0xDDDDFF, -1, 0);
    chart.setColors(IntArray(Chart::transparentPalette, Chart::transparentPaletteSize));
    chart.setBackground(0xDDDDFF, Chart::Transparent, 0);
    const char* labels[PIE_RANGE_COUNT];
    for (int k = 0; k < PIE_RANGE_COUNT; ++k)
        labels[k] = ranges.labels[k].c_str();
    chart.setData(DoubleArray(ranges.counts, PIE_RANGE_COUNT), StringArray(labels, PIE_RANGE_COUNT));
    chart.set3D2(DoubleArray(ranges.depths, PIE_RANGE_COUNT), 45, false);
    chart.setLabelStyle("", 8, Chart::Transparent);
    chart.addLegend(115, 35, true, "", 8)->setBackground(Chart::Transparent, Chart::Transparent, 0);
    chart.setStartAngle(225, true);
    return chart.makeChart(path.c_str());
}
