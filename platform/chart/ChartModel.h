// What a chart holds between its configuration calls and makeChart: plain data, read by the
// renderers. Internal to the library.
#pragma once
#include "platform/chart/Chart.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class ChartKind { XY, Polar, Pie };
enum class AxisKind { X, Y, Y2, Extra, Angular, Radial };
enum class LayerKind { Line, Bar, Bar3, Area };

// Colours the chart made: gradients and dashed lines (0xFFFE0000 + index).
struct MadeColour {
    bool gradient = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int c1 = 0, c2 = 0;
    bool periodic = false;
    int colour = 0;   // dashed line: its colour
    int pattern = 0;  // dashed line: its pattern
};

struct TextStyle {
    std::string font;
    double size = 8;
    int colour = Chart::TextColor;
    double angle = 0;
};

struct ChartData;

struct BoxData {
    std::string text;
    TextStyle style;
    int alignment = Chart::Top;
    int bgColour = Chart::Transparent;
    int edgeColour = Chart::Transparent;
    int raised = 0;
    // Legends.
    int x = 0, y = 0;
    bool vertical = true;
};

struct AxisData {
    AxisKind kind = AxisKind::X;
    int alignment = Chart::Left;  // added axes: Chart::Left or Chart::Right
    int offset = 0;
    bool dateScale = false;
    bool linearScale = false;
    double lower = 0, upper = 0, majorStep = 0, minorStep = 0;
    std::string labelFormat;
    bool hasLabels = false;
    std::vector<std::string> labels;
    BoxData* labelStyle = nullptr;
    BoxData* title = nullptr;
    int titleGap = 3;
    int axisColour = -1, labelColour = -1, titleColour = -1, tickColour = -1;
    int width = 1;
    bool styled = false;  // colours set: a secondary axis without data is still drawn
    Axis* object = nullptr;
    ChartData* chart = nullptr;
    TextBox* labelBox = nullptr;
    TextBox* titleBox = nullptr;
};

struct LayerData {
    LayerKind kind = LayerKind::Line;
    std::vector<double> values;
    std::vector<double> xValues;
    bool hasX = false;
    int colour = -1;
    std::string name;
    int depth = 0, gap = 0;
    int lineWidth = 1;
    AxisData* yAxis = nullptr;  // null: the primary y axis
    AxisData* secondAxis = nullptr;  // the chart's second y axis (setUseYAxis2)
    int barWidth = -1;
    int barShape = Chart::SquareShape;
};

struct PlotAreaData {
    bool set = false;
    int x = 0, y = 0, width = 0, height = 0;
    int bgColour = Chart::Transparent, altBgColour = -1, edgeColour = -1;
    int hGridColour = 0xC0C0C0, vGridColour = Chart::Transparent;
    int minorHGridColour = -1, minorVGridColour = -1;
    // Polar charts.
    int radius = 0, edgeWidth = 1;
    bool polygonGrid = false, gridOnTop = true;
};

struct PieData {
    int x = -1, y = -1, radius = -1;
    std::vector<double> values;
    std::vector<std::string> labels;
    std::vector<double> depths;
    int depth = 0;
    double angle = -1;
    BoxData* labelStyle = nullptr;
    TextBox* labelBox = nullptr;
    double startAngle = 0;
    bool clockwise = true;
};

struct ChartData {
    ChartKind kind = ChartKind::XY;
    int width = 0, height = 0;
    int bgColour = Chart::BackgroundColor, edgeColour = Chart::Transparent, raised = 0;
    std::vector<uint32_t> palette;
    std::vector<MadeColour> madeColours;
    std::vector<BoxData*> titles;
    BoxData* legend = nullptr;
    PlotAreaData plot;
    AxisData* xAxis = nullptr;
    AxisData* yAxis = nullptr;
    AxisData* yAxis2 = nullptr;
    std::vector<AxisData*> extraAxes;
    std::vector<LayerData*> layers;
    PieData pie;
    int nextDataColour = 0;

    ChartData(ChartKind chartKind, int w, int h, int bg, int edge, int raisedEffect);
    ~ChartData();
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    // Objects handed out to callers, owned here.
    TextBox* NewTextBox(BoxData** data);
    LegendBox* NewLegendBox(BoxData** data);
    AxisData* NewAxis(AxisKind kind);
    LineLayer* NewLineLayer(LayerKind kind, LayerData** data);
    BarLayer* NewBarLayer(LayerKind kind, LayerData** data);
    AreaLayer* NewAreaLayer(LayerKind kind, LayerData** data);
    PlotArea* PlotAreaObject();
    // The made colour of a reference, or null.
    const MadeColour* Made(int colour) const;
    // The next automatic data colour (a palette reference).
    int NextDataColour() { return Chart::DataColor + nextDataColour++; }

private:
    LayerData* AddLayerData(LayerKind kind);
    std::vector<std::unique_ptr<BoxData>> m_boxes;
    std::vector<std::unique_ptr<AxisData>> m_axes;
    std::vector<std::unique_ptr<LayerData>> m_layerData;
    std::vector<Box*> m_boxObjects;
    std::vector<Axis*> m_axisObjects;
    std::vector<Layer*> m_layerObjects;
    PlotArea* m_plotArea = nullptr;
};

// The palette every chart starts with.
std::vector<uint32_t> DefaultPalette();

// Renders the chart into a .bmp file; false when it could not be written.
bool RenderChart(const ChartData& chart, const char* path);
