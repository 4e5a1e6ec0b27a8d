// The axes of XY charts: their scales mapped onto the plot area, their labels placed so that each
// is drawn whole, inside the image and clear of every other text, and the lines, ticks and titles.
// Internal to the library.
#pragma once
#include "platform/chart/ChartRender.h"
#include "platform/chart/ChartScale.h"

#include <functional>
#include <string>
#include <vector>

struct Plot {
    float x, y, w, h;
};

struct AxisView {
    const AxisData* data = nullptr;
    AxisScale scale;
    bool category = false;     // labels at 0..n-1 (x: each in the middle of its slot)
    bool vertical = true;
    bool hasData = false;
    float position = 0;        // x of a vertical axis line, y of the x axis line
    int side = -1;             // -1 left (or bottom), 1 right
};

float MapX(const AxisView& x, const Plot& plot, double v);
float MapY(const AxisView& y, const Plot& plot, double v);
// Does a tick the view maps to `at` lie along the plot (half a pixel beyond either end allowed)?
bool OnPlot(const AxisView& view, const Plot& plot, float at);

// A text as it will be drawn: DrawText's position, and the box its glyphs cover there.
struct PlacedText {
    std::string text;
    TextStyle style;
    float x = 0, y = 0;
    Gdiplus::RectF ink;
};

// An axis ready to draw: its scale, the labels that fit and its title.
struct FittedAxis {
    AxisView view;
    std::vector<PlacedText> labels;
    std::vector<PlacedText> title;  // none or one
};

// The scale of an axis for at most maxTicks intervals (fixed labels and mirrored scales ignore it).
using ScaleMaker = std::function<AxisView(int maxTicks)>;

// Fixed labels (category axes) are all drawn: at the axis's font size, else smaller (down to a
// legible size), else nearer their ticks, else in two rows (x axis), and only then every second,
// third ... one, counted from the last (x) or the first (y). A scale the library chooses takes
// fewer ticks instead, then labels nearer their ticks (and, on a y axis, smaller labels), and
// leaves out a label it cannot hold at all. Labels and titles keep clear of the texts the canvas
// has taken, and take their place there.
FittedAxis FitXAxis(Canvas& canvas, const AxisData& axis, const Plot& plot, const ScaleMaker& make);
// ticksFixed: the scale does not depend on maxTicks (a mirror of another axis).
FittedAxis FitYAxis(Canvas& canvas, const AxisData& axis, const Plot& plot, const ScaleMaker& make, bool ticksFixed);

// The axis line, a tick at every tick of the scale, the fitted labels and title.
void DrawXAxis(Canvas& canvas, const FittedAxis& x, const Plot& plot);
void DrawYAxis(Canvas& canvas, const FittedAxis& y, const Plot& plot);
