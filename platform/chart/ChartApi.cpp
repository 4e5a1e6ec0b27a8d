// The library's class interface: each call is recorded (in recording mode) and stored in the
// chart's data; makeChart renders it.
#include "platform/chart/ChartModel.h"
#include "platform/chart/ChartRecord.h"

#include <algorithm>

namespace {

constexpr uint32_t MADE_COLOUR_BASE = 0xFFFE0000u;

std::string Text(const char* text) { return text ? text : ""; }

std::vector<double> Copy(DoubleArray array)
{
    if (!array.data || array.len <= 0)
        return {};
    return std::vector<double>(array.data, array.data + array.len);
}

std::vector<std::string> Copy(StringArray array)
{
    std::vector<std::string> texts;
    for (int i = 0; array.data && i < array.len; ++i)
        texts.push_back(Text(array.data[i]));
    return texts;
}

}  // namespace

const int Chart::transparentPalette[] = {
    0xFFFFFF, 0x000000, 0x000000, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080,
    static_cast<int>(0x80FF0000u), static_cast<int>(0x8000FF00u), static_cast<int>(0x800000FFu),
    static_cast<int>(0x80FFFF00u), static_cast<int>(0x80FF00FFu), static_cast<int>(0x8066FFFFu),
    static_cast<int>(0x80FFCC33u), static_cast<int>(0x80CCCCCCu), static_cast<int>(0x80CC9999u),
    static_cast<int>(0x80339966u), static_cast<int>(0x80999900u), static_cast<int>(0x80CC3300u),
};
const int Chart::transparentPaletteSize = sizeof Chart::transparentPalette / sizeof Chart::transparentPalette[0];

std::vector<uint32_t> DefaultPalette()
{
    return {0xFFFFFF, 0x000000, 0x000000, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080,
            // data colours
            0xE8412C, 0x2C8DE8, 0x3CB44B, 0xF2B705, 0x8E44AD, 0x16A5A5, 0xE67E22, 0x7F8C8D,
            0xC0392B, 0x2980B9, 0x27AE60, 0xD4AC0D, 0x6C3483, 0x117A65, 0xA04000, 0x34495E};
}

// ---- ChartData ------------------------------------------------------------------------------

ChartData::ChartData(ChartKind chartKind, int w, int h, int bg, int edge, int raisedEffect)
    : kind(chartKind), width(w), height(h), bgColour(bg), edgeColour(edge), raised(raisedEffect),
      palette(DefaultPalette())
{
    xAxis = NewAxis(chartKind == ChartKind::Polar ? AxisKind::Angular : AxisKind::X);
    yAxis = NewAxis(chartKind == ChartKind::Polar ? AxisKind::Radial : AxisKind::Y);
    yAxis2 = NewAxis(AxisKind::Y2);
}

ChartData::~ChartData()
{
    for (Box* box : m_boxObjects)
        delete box;
    for (Axis* axis : m_axisObjects)
        delete axis;
    for (Layer* layer : m_layerObjects)
        delete layer;
    delete m_plotArea;
}

TextBox* ChartData::NewTextBox(BoxData** data)
{
    m_boxes.push_back(std::make_unique<BoxData>());
    *data = m_boxes.back().get();
    auto* box = new TextBox(*data);
    m_boxObjects.push_back(box);
    return box;
}

LegendBox* ChartData::NewLegendBox(BoxData** data)
{
    m_boxes.push_back(std::make_unique<BoxData>());
    *data = m_boxes.back().get();
    auto* box = new LegendBox(*data);
    m_boxObjects.push_back(box);
    return box;
}

AxisData* ChartData::NewAxis(AxisKind axisKind)
{
    m_axes.push_back(std::make_unique<AxisData>());
    AxisData* axis = m_axes.back().get();
    axis->kind = axisKind;
    axis->chart = this;
    axis->object = new Axis(axis);
    m_axisObjects.push_back(axis->object);
    return axis;
}

LayerData* ChartData::AddLayerData(LayerKind layerKind)
{
    m_layerData.push_back(std::make_unique<LayerData>());
    LayerData* layer = m_layerData.back().get();
    layer->kind = layerKind;
    layer->secondAxis = yAxis2;
    layers.push_back(layer);
    return layer;
}

LineLayer* ChartData::NewLineLayer(LayerKind layerKind, LayerData** data)
{
    *data = AddLayerData(layerKind);
    auto* layer = new LineLayer(*data);
    m_layerObjects.push_back(layer);
    return layer;
}

BarLayer* ChartData::NewBarLayer(LayerKind layerKind, LayerData** data)
{
    *data = AddLayerData(layerKind);
    auto* layer = new BarLayer(*data);
    m_layerObjects.push_back(layer);
    return layer;
}

AreaLayer* ChartData::NewAreaLayer(LayerKind layerKind, LayerData** data)
{
    *data = AddLayerData(layerKind);
    auto* layer = new AreaLayer(*data);
    m_layerObjects.push_back(layer);
    return layer;
}

PlotArea* ChartData::PlotAreaObject()
{
    if (!m_plotArea)
        m_plotArea = new PlotArea(this);
    return m_plotArea;
}

const MadeColour* ChartData::Made(int colour) const
{
    const uint32_t value = static_cast<uint32_t>(colour);
    if (value < MADE_COLOUR_BASE || value >= MADE_COLOUR_BASE + madeColours.size())
        return nullptr;
    return &madeColours[value - MADE_COLOUR_BASE];
}

// ---- Box, TextBox -----------------------------------------------------------------------------

void Box::setBackground(int color, int edgeColor, int raisedEffect)
{
    Record("Box.setBackground", ColourArg{color}, ColourArg{edgeColor}, raisedEffect);
    m_data->bgColour = color;
    m_data->edgeColour = edgeColor;
    m_data->raised = raisedEffect;
}

void TextBox::setText(const char* text)
{
    Record("TextBox.setText", text);
    m_data->text = Text(text);
}

void TextBox::setAlignment(int alignment)
{
    Record("TextBox.setAlignment", alignment);
    m_data->alignment = alignment;
}

void TextBox::setFontStyle(const char* font)
{
    Record("TextBox.setFontStyle", font);
    m_data->style.font = Text(font);
}

void TextBox::setFontSize(double size)
{
    Record("TextBox.setFontSize", size);
    m_data->style.size = size;
}

void TextBox::setFontColor(int color)
{
    Record("TextBox.setFontColor", ColourArg{color});
    m_data->style.colour = color;
}

void TextBox::setFontAngle(double angle)
{
    Record("TextBox.setFontAngle", angle);
    m_data->style.angle = angle;
}

// ---- PlotArea ---------------------------------------------------------------------------------

void PlotArea::setBackground(int color, int altBgColor, int edgeColor)
{
    Record("PlotArea.setBackground", ColourArg{color}, ColourArg{altBgColor}, ColourArg{edgeColor});
    m_chart->plot.bgColour = color;
    m_chart->plot.altBgColour = altBgColor;
    m_chart->plot.edgeColour = edgeColor;
}

void PlotArea::setGridColor(int hGridColor, int vGridColor, int minorHGridColor, int minorVGridColor)
{
    Record("PlotArea.setGridColor", ColourArg{hGridColor}, ColourArg{vGridColor}, ColourArg{minorHGridColor},
           ColourArg{minorVGridColor});
    m_chart->plot.hGridColour = hGridColor;
    m_chart->plot.vGridColour = vGridColor;
    m_chart->plot.minorHGridColour = minorHGridColor;
    m_chart->plot.minorVGridColour = minorVGridColor;
}

// ---- Axis -------------------------------------------------------------------------------------

void Axis::setDateScale(double lower, double upper, double majorTickStep, double minorTickStep)
{
    Record("Axis.setDateScale", lower, upper, majorTickStep, minorTickStep);
    m_data->dateScale = true;
    m_data->linearScale = false;
    m_data->lower = lower;
    m_data->upper = upper;
    m_data->majorStep = majorTickStep;
    m_data->minorStep = minorTickStep;
}

void Axis::setLinearScale(double lower, double upper, double majorTickStep)
{
    Record("Axis.setLinearScale", lower, upper, majorTickStep);
    m_data->linearScale = true;
    m_data->dateScale = false;
    m_data->lower = lower;
    m_data->upper = upper;
    m_data->majorStep = majorTickStep;
}

void Axis::setLabelFormat(const char* format)
{
    Record("Axis.setLabelFormat", format);
    m_data->labelFormat = Text(format);
}

namespace {

TextBox* LabelBoxOf(AxisData* axis)
{
    if (!axis->labelBox)
        axis->labelBox = axis->chart->NewTextBox(&axis->labelStyle);
    return axis->labelBox;
}

TextBox* TitleBoxOf(AxisData* axis)
{
    if (!axis->titleBox) {
        axis->titleBox = axis->chart->NewTextBox(&axis->title);
        axis->title->alignment = Chart::Center;  // beside the axis, along it
    }
    return axis->titleBox;
}

}  // namespace

TextBox* Axis::setLabels(StringArray labels)
{
    Record("Axis.setLabels", labels);
    m_data->hasLabels = true;
    m_data->labels = Copy(labels);
    return LabelBoxOf(m_data);
}

TextBox* Axis::setLabelStyle(const char* font, double size, int color, double angle)
{
    Record("Axis.setLabelStyle", font, size, ColourArg{color}, angle);
    TextBox* box = LabelBoxOf(m_data);
    m_data->labelStyle->style = TextStyle{Text(font), size, color, angle};
    return box;
}

TextBox* Axis::setTitle(const char* text, const char* font, double size, int color)
{
    Record("Axis.setTitle", text, font, size, ColourArg{color});
    TextBox* box = TitleBoxOf(m_data);
    m_data->title->text = Text(text);
    m_data->title->style = TextStyle{Text(font), size, color, 0};
    return box;
}

void Axis::setTitlePos(int alignment, int gap)
{
    Record("Axis.setTitlePos", alignment, gap);
    TitleBoxOf(m_data);
    m_data->title->alignment = alignment;
    m_data->titleGap = gap;
}

void Axis::setColors(int axisColor, int labelColor, int titleColor, int tickColor)
{
    Record("Axis.setColors", ColourArg{axisColor}, ColourArg{labelColor}, ColourArg{titleColor}, ColourArg{tickColor});
    m_data->axisColour = axisColor;
    m_data->labelColour = labelColor;
    m_data->titleColour = titleColor;
    m_data->tickColour = tickColor;
    m_data->styled = true;
}

void Axis::setWidth(int width)
{
    Record("Axis.setWidth", width);
    m_data->width = std::clamp(width, 0, 20);
}

// ---- Layer ------------------------------------------------------------------------------------

void Layer::setXData(DoubleArray xData)
{
    Record("Layer.setXData", xData);
    m_data->xValues = Copy(xData);
    m_data->hasX = true;
}

void Layer::set3D(int depth, int gap)
{
    Record("Layer.set3D", depth, gap);
    m_data->depth = depth < 0 ? 5 : std::min(depth, 100);
    m_data->gap = std::max(gap, 0);
}

void Layer::setLineWidth(int width)
{
    Record("Layer.setLineWidth", width);
    m_data->lineWidth = std::clamp(width, 0, 50);
}

void Layer::setUseYAxis(Axis* axis)
{
    Record("Layer.setUseYAxis", axis ? static_cast<int>(axis->m_data->kind) : -1);
    m_data->yAxis = axis ? axis->m_data : nullptr;
}

void Layer::setUseYAxis2(bool useAxis2)
{
    Record("Layer.setUseYAxis2", useAxis2);
    m_data->yAxis = useAxis2 ? m_data->secondAxis : nullptr;
}

void BarLayer::setBarWidth(int width, int gap)
{
    Record("BarLayer.setBarWidth", width, gap);
    m_data->barWidth = std::min(width, 10000);
}

void BarLayer::setBarShape(int shape, int dataGroup, int dataItem)
{
    Record("BarLayer.setBarShape", shape, dataGroup, dataItem);
    m_data->barShape = shape;
}

// ---- BaseChart --------------------------------------------------------------------------------

BaseChart::~BaseChart() { delete m_data; }

bool BaseChart::makeChart(const char* path)
{
    Record("makeChart", path);
    return path && RenderChart(*m_data, path);
}

TextBox* BaseChart::addTitle(const char* text, const char* font, double size, int color, int bgColor, int edgeColor)
{
    Record("addTitle", text, font, size, ColourArg{color}, ColourArg{bgColor}, ColourArg{edgeColor});
    BoxData* data = nullptr;
    TextBox* box = m_data->NewTextBox(&data);
    data->text = Text(text);
    data->style = TextStyle{Text(font), size, color, 0};
    data->alignment = Chart::Top;
    data->bgColour = bgColor;
    data->edgeColour = edgeColor;
    m_data->titles.push_back(data);
    return box;
}

LegendBox* BaseChart::addLegend(int x, int y, bool vertical, const char* font, double size)
{
    Record("addLegend", x, y, vertical, font, size);
    BoxData* data = nullptr;
    LegendBox* box = m_data->NewLegendBox(&data);
    data->x = x;
    data->y = y;
    data->vertical = vertical;
    data->style = TextStyle{Text(font), size, Chart::TextColor, 0};
    data->alignment = Chart::TopLeft;
    m_data->legend = data;
    return box;
}

void BaseChart::setBackground(int color, int edgeColor, int raisedEffect)
{
    Record("setBackground", ColourArg{color}, ColourArg{edgeColor}, raisedEffect);
    m_data->bgColour = color;
    m_data->edgeColour = edgeColor;
    m_data->raised = raisedEffect;
}

void BaseChart::setColors(IntArray palette)
{
    Record("setColors", PaletteArg{palette});
    for (int i = 0; palette.data && i < palette.len; ++i) {
        if (static_cast<size_t>(i) >= m_data->palette.size())
            m_data->palette.push_back(0);
        m_data->palette[i] = static_cast<uint32_t>(palette.data[i]);
    }
}

int BaseChart::linearGradientColor(int x1, int y1, int x2, int y2, int c1, int c2, bool periodic)
{
    Record("linearGradientColor", x1, y1, x2, y2, ColourArg{c1}, ColourArg{c2}, periodic);
    MadeColour made;
    made.gradient = true;
    made.x1 = x1;
    made.y1 = y1;
    made.x2 = x2;
    made.y2 = y2;
    made.c1 = c1;
    made.c2 = c2;
    made.periodic = periodic;
    m_data->madeColours.push_back(made);
    return static_cast<int>(MADE_COLOUR_BASE + m_data->madeColours.size() - 1);
}

int BaseChart::dashLineColor(int color, int pattern)
{
    Record("dashLineColor", ColourArg{color}, pattern);
    MadeColour made;
    made.colour = color;
    made.pattern = pattern;
    m_data->madeColours.push_back(made);
    return static_cast<int>(MADE_COLOUR_BASE + m_data->madeColours.size() - 1);
}

// ---- XYChart ----------------------------------------------------------------------------------

namespace {

// Values, colour (automatic: the next data colour) and name of a new layer.
void FillLayer(ChartData& chart, LayerData* layer, DoubleArray data, int color, const char* name)
{
    layer->values = Copy(data);
    layer->colour = color == -1 ? chart.NextDataColour() : color;
    layer->name = Text(name);
}

}  // namespace

XYChart::XYChart(int width, int height, int bgColor, int edgeColor, int raisedEffect)
    : BaseChart(new ChartData(ChartKind::XY, width, height, bgColor, edgeColor, raisedEffect))
{
    Record("XYChart", width, height, ColourArg{bgColor}, ColourArg{edgeColor}, raisedEffect);
}

PlotArea* XYChart::setPlotArea(int x, int y, int width, int height, int bgColor, int altBgColor, int edgeColor,
                               int hGridColor, int vGridColor)
{
    Record("setPlotArea", x, y, width, height, ColourArg{bgColor}, ColourArg{altBgColor}, ColourArg{edgeColor},
           ColourArg{hGridColor}, ColourArg{vGridColor});
    PlotAreaData& plot = m_data->plot;
    plot.set = true;
    plot.x = x;
    plot.y = y;
    plot.width = width;
    plot.height = height;
    plot.bgColour = bgColor;
    plot.altBgColour = altBgColor;
    plot.edgeColour = edgeColor;
    plot.hGridColour = hGridColor;
    plot.vGridColour = vGridColor;
    return m_data->PlotAreaObject();
}

Axis* XYChart::xAxis() { return m_data->xAxis->object; }
Axis* XYChart::yAxis() { return m_data->yAxis->object; }
Axis* XYChart::yAxis2() { return m_data->yAxis2->object; }

Axis* XYChart::addAxis(int alignment, int offset)
{
    Record("addAxis", alignment, offset);
    AxisData* axis = m_data->NewAxis(AxisKind::Extra);
    axis->alignment = alignment == Chart::Right ? Chart::Right : Chart::Left;
    axis->offset = offset;
    m_data->extraAxes.push_back(axis);
    return axis->object;
}

LineLayer* XYChart::addLineLayer(DoubleArray data, int color, const char* name)
{
    Record("addLineLayer", data, ColourArg{color}, name);
    LayerData* layer = nullptr;
    LineLayer* object = m_data->NewLineLayer(LayerKind::Line, &layer);
    FillLayer(*m_data, layer, data, color, name);
    return object;
}

BarLayer* XYChart::addBarLayer(DoubleArray data, int color, const char* name)
{
    Record("addBarLayer", data, ColourArg{color}, name);
    LayerData* layer = nullptr;
    BarLayer* object = m_data->NewBarLayer(LayerKind::Bar, &layer);
    FillLayer(*m_data, layer, data, color, name);
    return object;
}

BarLayer* XYChart::addBarLayer3(DoubleArray data)
{
    Record("addBarLayer3", data);
    LayerData* layer = nullptr;
    BarLayer* object = m_data->NewBarLayer(LayerKind::Bar3, &layer);
    layer->values = Copy(data);
    return object;
}

AreaLayer* XYChart::addAreaLayer(DoubleArray data, int color, const char* name)
{
    Record("addAreaLayer", data, ColourArg{color}, name);
    LayerData* layer = nullptr;
    AreaLayer* object = m_data->NewAreaLayer(LayerKind::Area, &layer);
    FillLayer(*m_data, layer, data, color, name);
    return object;
}

// ---- PolarChart -------------------------------------------------------------------------------

PolarChart::PolarChart(int width, int height, int bgColor, int edgeColor, int raisedEffect)
    : BaseChart(new ChartData(ChartKind::Polar, width, height, bgColor, edgeColor, raisedEffect))
{
    Record("PolarChart", width, height, ColourArg{bgColor}, ColourArg{edgeColor}, raisedEffect);
}

void PolarChart::setPlotArea(int x, int y, int radius, int bgColor, int edgeColor, int edgeWidth)
{
    Record("setPlotArea", x, y, radius, ColourArg{bgColor}, ColourArg{edgeColor}, edgeWidth);
    PlotAreaData& plot = m_data->plot;
    plot.set = true;
    plot.x = x;
    plot.y = y;
    plot.radius = radius;
    plot.bgColour = bgColor;
    plot.edgeColour = edgeColor;
    plot.edgeWidth = std::clamp(edgeWidth, 0, 50);
}

void PolarChart::setGridStyle(bool polygonGrid, bool gridOnTop)
{
    Record("setGridStyle", polygonGrid, gridOnTop);
    m_data->plot.polygonGrid = polygonGrid;
    m_data->plot.gridOnTop = gridOnTop;
}

Axis* PolarChart::angularAxis() { return m_data->xAxis->object; }
Axis* PolarChart::radialAxis() { return m_data->yAxis->object; }

AreaLayer* PolarChart::addAreaLayer(DoubleArray data, int color, const char* name)
{
    Record("addAreaLayer", data, ColourArg{color}, name);
    LayerData* layer = nullptr;
    AreaLayer* object = m_data->NewAreaLayer(LayerKind::Area, &layer);
    FillLayer(*m_data, layer, data, color, name);
    return object;
}

LineLayer* PolarChart::addLineLayer(DoubleArray data, int color, const char* name)
{
    Record("addLineLayer", data, ColourArg{color}, name);
    LayerData* layer = nullptr;
    LineLayer* object = m_data->NewLineLayer(LayerKind::Line, &layer);
    FillLayer(*m_data, layer, data, color, name);
    return object;
}

// ---- PieChart ---------------------------------------------------------------------------------

PieChart::PieChart(int width, int height, int bgColor, int edgeColor, int raisedEffect)
    : BaseChart(new ChartData(ChartKind::Pie, width, height, bgColor, edgeColor, raisedEffect))
{
    Record("PieChart", width, height, ColourArg{bgColor}, ColourArg{edgeColor}, raisedEffect);
}

void PieChart::setPieSize(int x, int y, int radius)
{
    Record("setPieSize", x, y, radius);
    m_data->pie.x = x;
    m_data->pie.y = y;
    m_data->pie.radius = radius;
}

void PieChart::setData(DoubleArray data, StringArray labels)
{
    Record("setData", data, labels);
    m_data->pie.values = Copy(data);
    m_data->pie.labels = Copy(labels);
}

void PieChart::set3D(int depth, double angle)
{
    Record("set3D", depth, angle);
    m_data->pie.depth = depth < 0 ? 10 : std::min(depth, 200);
    m_data->pie.depths.clear();
    m_data->pie.angle = angle;
}

void PieChart::set3D2(DoubleArray depths, double angle, bool shadowMode)
{
    Record("set3D2", depths, angle, shadowMode);
    m_data->pie.depths = Copy(depths);
    m_data->pie.angle = angle;
}

TextBox* PieChart::setLabelStyle(const char* font, double size, int color)
{
    Record("PieChart.setLabelStyle", font, size, ColourArg{color});
    if (!m_data->pie.labelBox)
        m_data->pie.labelBox = m_data->NewTextBox(&m_data->pie.labelStyle);
    m_data->pie.labelStyle->style = TextStyle{Text(font), size, color, 0};
    return m_data->pie.labelBox;
}

void PieChart::setStartAngle(double startAngle, bool clockwise)
{
    Record("setStartAngle", startAngle, clockwise);
    m_data->pie.startAngle = startAngle;
    m_data->pie.clockwise = clockwise;
}
