// Interface of the charting library chartdir41.dll: charts built through a small class interface,
// rendered (anti-aliased) into 24-bit .bmp files.
//
// A chart object lives for one drawing: create it, configure it, makeChart(path), destroy it.
// Objects that the chart hands out (axes, layers, text boxes, the plot area) belong to the chart
// and live as long as it. Arrays handed to the chart are read when makeChart runs: they must stay
// valid until then. Every text is a narrow UTF-8 string (a string that is not valid UTF-8 is read
// in the system's code page).
//
// Colours are ints 0xAARRGGBB where the top byte is transparency (0x00 opaque, 0xFF invisible):
//   0xRRGGBB             an opaque colour
//   Chart::Transparent   nothing is drawn
//   0xFFFF0000 + k       the chart palette's entry k (BackgroundColor, LineColor, TextColor,
//                        then the data colours from entry 8)
//   0xFFFE0000 + k       a colour the chart made (linearGradientColor, dashLineColor)
//   -1                   automatic: the next data colour for a layer, the default elsewhere
//
// Fonts are named by file ("arial.ttf", "arialbd.ttf", "mingliu.ttc", "timesbi.ttf"), by a face
// name, or "bold"/"italic"; "" is the default font. Each maps to an installed face through a
// fallback chain that always ends in a face that exists. Font sizes are points at 96 pixels per inch.
//
// Label formats: "{value}" the number, "{value|2}" with two decimals, "{value|hh:nn}" and other
// date patterns of a chart time (yyyy, yy, mm, dd, hh, nn, ss, mmm the month's English short name);
// other text is copied.
//
// Values of Chart::NoValue, NaN or infinity are not drawn (a line breaks there).
//
// A recording mode logs every call with its arguments, one line each (for tests):
//   Chart::startRecording(); ...draw...; std::string calls = Chart::recordedCalls();
//   Chart::stopRecording();
// e.g. "XYChart(230,150,0xECE9D8,0xFF000000,0)" or "addBarLayer([3|1,2.5,0],0xFF0000)";
// ints print in decimal, colours as hex (-1 as -1), doubles with up to 10 digits, texts in quotes,
// arrays as [count|values]. makeChart adds what it drew for every text, "drawText(text,left,top,
// right,bottom)" with the box its glyphs cover in whole pixels (right and bottom exclusive), and for
// every box with a background or an edge (label frames, legends, title bands),
// "drawBox(left,top,right,bottom)".
//
// Labels: every label an axis is given (setLabels) is drawn whole and inside the image, clear of
// other texts: at the label style's size, else smaller (down to 6 points), nearer the axis or, on
// an x axis, in two rows, and only then every second, third ... one. Axes whose ticks the library
// chooses take fewer ticks instead; a label that cannot lie inside the image is left out (a second
// y axis without data of its own mirrors the first axis, with labels only where there is room).
// Titles and legends too wide for the image are drawn smaller.
//
// Chart time: a date and time as the number of seconds since 0001-01-01 00:00:00 of the proleptic
// Gregorian calendar, as a double. One scale for every chart, history and file that stores times.
// Out-of-range fields are carried into the next larger unit, as a calendar normalisation would:
// month 13 is January of the next year, month 0 December of the previous year, day 0 the last day
// of the previous month, hour 24 the next day, and so on. So every input gives a time, and the
// result grows with each field. An all-zero date (year 0, month 0, day 0, 00:00:00), which the
// program holds before its first reading, is 30 November of the year -1: -34387200 seconds,
// earlier than every real date.
#pragma once

#include <string>

#if defined(CHARTDIR_BUILD)
#define CHARTDIR_API __declspec(dllexport)
#else
#define CHARTDIR_API __declspec(dllimport)
#endif

extern "C" {
CHARTDIR_API double CChart_chartTime(int year, int month, int day, int hour, int minute, int second);
// The fields of a chart time (second rounded down); inverse of CChart_chartTime.
CHARTDIR_API void CChart_splitTime(double chartTime, int* year, int* month, int* day, int* hour, int* minute,
                                   int* second);
// Recording: on clears the log; the log is copied into the buffer (zero-terminated, cut to size);
// the result is the log's full length.
CHARTDIR_API void CChart_setRecording(int on);
CHARTDIR_API int CChart_recordedCalls(char* buffer, int size);
}

// Views of the caller's arrays.
struct DoubleArray {
    const double* data = nullptr;
    int len = 0;
    DoubleArray() = default;
    DoubleArray(const double* values, int count) : data(values), len(count) {}
};
struct IntArray {
    const int* data = nullptr;
    int len = 0;
    IntArray() = default;
    IntArray(const int* values, int count) : data(values), len(count) {}
};
struct StringArray {
    const char* const* data = nullptr;
    int len = 0;
    StringArray() = default;
    StringArray(const char* const* texts, int count) : data(texts), len(count) {}
};

namespace Chart {

// Positions (titles, legends, text boxes, added axes).
enum Alignment {
    BottomLeft = 1, Bottom = 2, BottomRight = 3,
    Left = 4, Center = 5, Right = 6,
    TopLeft = 7, Top = 8, TopRight = 9,
    TopLeft2 = 10, TopRight2 = 11,  // beside an axis, at its top end, text horizontal
};

constexpr int Transparent = static_cast<int>(0xFF000000u);
constexpr int BackgroundColor = static_cast<int>(0xFFFF0000u);
constexpr int LineColor = static_cast<int>(0xFFFF0001u);
constexpr int TextColor = static_cast<int>(0xFFFF0002u);
constexpr int DataColor = static_cast<int>(0xFFFF0008u);  // + k: the k-th data colour

// Dash patterns: byte lengths of drawn and skipped runs, from the highest non-zero byte down.
constexpr int DashLine = 0x0505;
constexpr int DotLine = 0x0202;
constexpr int DotDashLine = 0x05050205;
constexpr int AltDashLine = 0x0A050505;

// Bar shapes.
constexpr int SquareShape = 1;
constexpr int CircleShape = 7;  // round bars: cylinders when the layer is 3-D

constexpr double NoValue = 1.7e308;

// A palette that leaves the background white, lines and texts black and every data colour half
// transparent (for charts over another picture).
extern CHARTDIR_API const int transparentPalette[];
extern CHARTDIR_API const int transparentPaletteSize;

inline double chartTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return CChart_chartTime(year, month, day, hour, minute, second);
}

inline void startRecording() { CChart_setRecording(1); }
inline void stopRecording() { CChart_setRecording(0); }
inline std::string recordedCalls()
{
    const int length = CChart_recordedCalls(nullptr, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    CChart_recordedCalls(&text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace Chart

struct ChartData;
struct BoxData;
struct AxisData;
struct LayerData;

// A rectangle with a background and an edge (titles, legends, label boxes).
class CHARTDIR_API Box {
public:
    void setBackground(int color, int edgeColor = -1, int raisedEffect = 0);

protected:
    explicit Box(BoxData* data) : m_data(data) {}
    ~Box() = default;
    BoxData* m_data;
    friend struct ChartData;
};

// A text in a box.
class CHARTDIR_API TextBox : public Box {
public:
    void setText(const char* text);
    void setAlignment(int alignment);
    void setFontStyle(const char* font);
    void setFontSize(double size);
    void setFontColor(int color);
    void setFontAngle(double angle);

protected:
    using Box::Box;
    friend struct ChartData;
};

// The legend: one entry per named layer or pie sector, each with its colour.
class CHARTDIR_API LegendBox : public TextBox {
protected:
    using TextBox::TextBox;
    friend struct ChartData;
};

class CHARTDIR_API PlotArea {
public:
    void setBackground(int color, int altBgColor = -1, int edgeColor = -1);
    void setGridColor(int hGridColor, int vGridColor = Chart::Transparent, int minorHGridColor = -1,
                      int minorVGridColor = -1);

protected:
    explicit PlotArea(ChartData* chart) : m_chart(chart) {}
    ~PlotArea() = default;
    ChartData* m_chart;
    friend struct ChartData;
};

class CHARTDIR_API Axis {
public:
    // A time axis from lower to upper (chart times); ticks 0 let the library choose.
    void setDateScale(double lower, double upper, double majorTickStep = 0, double minorTickStep = 0);
    void setLinearScale(double lower, double upper, double majorTickStep = 0);
    void setLabelFormat(const char* format);
    // Fixed labels: label k at value k (a category axis under bars, a scale 0..count-1 otherwise).
    TextBox* setLabels(StringArray labels);
    TextBox* setLabelStyle(const char* font = "", double size = 8, int color = Chart::TextColor,
                           double angle = 0);
    TextBox* setTitle(const char* text, const char* font = "", double size = 8, int color = Chart::TextColor);
    // alignment Chart::TopLeft2 / Chart::TopRight2 puts the title horizontally at the axis's top end.
    void setTitlePos(int alignment, int gap = 3);
    void setColors(int axisColor, int labelColor = Chart::TextColor, int titleColor = -1, int tickColor = -1);
    void setWidth(int width);

protected:
    explicit Axis(AxisData* data) : m_data(data) {}
    ~Axis() = default;
    AxisData* m_data;
    friend struct ChartData;
    friend class Layer;
};

class CHARTDIR_API Layer {
public:
    void setXData(DoubleArray xData);
    void set3D(int depth = -1, int gap = 0);
    void setLineWidth(int width);
    void setUseYAxis(Axis* axis);
    void setUseYAxis2(bool useAxis2 = true);

protected:
    explicit Layer(LayerData* data) : m_data(data) {}
    ~Layer() = default;
    LayerData* m_data;
    friend struct ChartData;
};

class CHARTDIR_API LineLayer : public Layer {
protected:
    using Layer::Layer;
    friend struct ChartData;
};

class CHARTDIR_API AreaLayer : public Layer {
protected:
    using Layer::Layer;
    friend struct ChartData;
};

class CHARTDIR_API BarLayer : public Layer {
public:
    // width in pixels; gap is not used (-1).
    void setBarWidth(int width, int gap = -1);
    // Shape of every bar (dataGroup and dataItem -1).
    void setBarShape(int shape, int dataGroup = -1, int dataItem = -1);

protected:
    using Layer::Layer;
    friend struct ChartData;
};

class CHARTDIR_API BaseChart {
public:
    virtual ~BaseChart();
    BaseChart(const BaseChart&) = delete;
    BaseChart& operator=(const BaseChart&) = delete;

    // Renders the chart into a .bmp file (narrow path in the system's code page); false when the
    // file could not be written.
    bool makeChart(const char* path);

    TextBox* addTitle(const char* text, const char* font = "", double size = 12, int color = Chart::TextColor,
                      int bgColor = Chart::Transparent, int edgeColor = Chart::Transparent);
    LegendBox* addLegend(int x, int y, bool vertical = true, const char* font = "", double size = 10);
    void setBackground(int color, int edgeColor = Chart::Transparent, int raisedEffect = 0);
    // Replaces the palette from its first entry.
    void setColors(IntArray palette);
    // A fill that runs from c1 at (x1, y1) to c2 at (x2, y2) (chart pixels); beyond the ends it
    // keeps the end colours, or repeats when periodic.
    int linearGradientColor(int x1, int y1, int x2, int y2, int c1, int c2, bool periodic = false);
    // A line colour drawn with the dash pattern.
    int dashLineColor(int color, int pattern = Chart::DashLine);

protected:
    explicit BaseChart(ChartData* data) : m_data(data) {}
    ChartData* m_data;
};

class CHARTDIR_API XYChart : public BaseChart {
public:
    XYChart(int width, int height, int bgColor = Chart::BackgroundColor, int edgeColor = Chart::Transparent,
            int raisedEffect = 0);

    PlotArea* setPlotArea(int x, int y, int width, int height, int bgColor = Chart::Transparent, int altBgColor = -1,
                          int edgeColor = -1, int hGridColor = 0xC0C0C0, int vGridColor = Chart::Transparent);
    Axis* xAxis();
    Axis* yAxis();
    Axis* yAxis2();
    // A further y axis on the left (Chart::Left) or right (Chart::Right), offset pixels outside the
    // plot area.
    Axis* addAxis(int alignment, int offset);

    LineLayer* addLineLayer(DoubleArray data, int color = -1, const char* name = "");
    BarLayer* addBarLayer(DoubleArray data, int color = -1, const char* name = "");
    // One bar per value, each in the next data colour of the palette.
    BarLayer* addBarLayer3(DoubleArray data);
    AreaLayer* addAreaLayer(DoubleArray data, int color = -1, const char* name = "");
};

class CHARTDIR_API PolarChart : public BaseChart {
public:
    PolarChart(int width, int height, int bgColor = Chart::BackgroundColor, int edgeColor = Chart::Transparent,
               int raisedEffect = 0);

    void setPlotArea(int x, int y, int radius, int bgColor = Chart::Transparent, int edgeColor = -1,
                     int edgeWidth = 1);
    // Polygon (spokes joined by straight lines) or circular grid; grid over or under the layers.
    void setGridStyle(bool polygonGrid, bool gridOnTop = true);
    // Angular axis: setLabels gives the spokes, from the top clockwise.
    Axis* angularAxis();
    Axis* radialAxis();
    // One value per spoke.
    AreaLayer* addAreaLayer(DoubleArray data, int color = -1, const char* name = "");
    LineLayer* addLineLayer(DoubleArray data, int color = -1, const char* name = "");
};

class CHARTDIR_API PieChart : public BaseChart {
public:
    PieChart(int width, int height, int bgColor = Chart::BackgroundColor, int edgeColor = Chart::Transparent,
             int raisedEffect = 0);

    void setPieSize(int x, int y, int radius);
    void setData(DoubleArray data, StringArray labels = StringArray());
    // Same depth for every sector; angle is the view angle in degrees.
    void set3D(int depth = -1, double angle = -1);
    // One depth per sector.
    void set3D2(DoubleArray depths, double angle = -1, bool shadowMode = false);
    // Labels beside the sectors (a transparent colour hides them).
    TextBox* setLabelStyle(const char* font = "", double size = 8, int color = Chart::TextColor);
    // Where the first sector starts (degrees, 0 at the top) and which way the sectors run.
    void setStartAngle(double startAngle, bool clockwise = true);
};
