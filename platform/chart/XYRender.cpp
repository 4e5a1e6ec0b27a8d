// XY charts: plot area, scales of the x axis and of every y axis, layers, legend; the axes are
// fitted and drawn by XYAxes.
#include "platform/chart/XYAxes.h"

#include <algorithm>
#include <cmath>
#include <map>

using namespace Gdiplus;

namespace {

constexpr float DENSE_POINTS_PER_PIXEL = 1.5f;
constexpr double CHART_TIME_FLOOR = 1e9;  // x values above this are chart times (years after 32)

struct Range {
    double lo = 0, hi = 0;
    bool any = false;
    void Add(double v)
    {
        if (!Drawable(v))
            return;
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    }
};

const AxisData* LayerAxis(const ChartData& chart, const LayerData& layer)
{
    return layer.yAxis ? layer.yAxis : chart.yAxis;
}

int CategoryCount(const ChartData& chart)
{
    size_t count = chart.xAxis->hasLabels ? chart.xAxis->labels.size() : 0;
    for (const LayerData* layer : chart.layers)
        if (!layer->hasX)
            count = std::max(count, layer->values.size());
    return static_cast<int>(count);
}

bool HasBars(const ChartData& chart)
{
    return std::any_of(chart.layers.begin(), chart.layers.end(),
                       [](const LayerData* l) { return l->kind == LayerKind::Bar || l->kind == LayerKind::Bar3; });
}

// What the layers hold for the x axis, looked at once for every number of ticks tried.
struct XValues {
    Range range;         // of the layers' x values
    bool anyX = false;   // some layer has x values
    int categories = 0;  // slots of a category axis
    bool bars = false;
};

XValues XValuesOf(const ChartData& chart)
{
    XValues values;
    for (const LayerData* layer : chart.layers)
        if (layer->hasX) {
            values.anyX = true;
            for (double v : layer->xValues)
                values.range.Add(v);
        }
    values.categories = CategoryCount(chart);
    values.bars = HasBars(chart);
    return values;
}

AxisView XScale(const AxisData& axis, const XValues& values, const Plot& plot, int maxTicks)
{
    AxisView view;
    view.data = &axis;
    view.vertical = false;
    // Ticks no closer than the labels' format tells apart.
    const double dateStep = DateFormatStep(axis.labelFormat);
    const Range& xs = values.range;
    if (axis.dateScale) {
        view.scale = DateScale(axis.lower, axis.upper, axis.majorStep, maxTicks, dateStep);
    } else if (axis.linearScale) {
        view.scale = FixedLinearScale(axis.lower, axis.upper, axis.majorStep, maxTicks);
    } else if (!values.anyX || axis.hasLabels) {
        const int count = std::max(values.categories, 1);
        view.category = true;
        const bool slots = values.bars || axis.hasLabels;
        view.scale.lower = slots ? -0.5 : 0;
        view.scale.upper = slots ? count - 0.5 : std::max(count - 1, 1);
        for (int k = 0; k < count; ++k)
            view.scale.ticks.push_back(k);
    } else if (xs.any && xs.lo > CHART_TIME_FLOOR) {
        view.scale = DateScale(xs.lo, xs.hi, 0, maxTicks, dateStep);
    } else if (xs.any) {
        view.scale = FixedLinearScale(xs.lo, xs.hi, 0, maxTicks);
    } else {
        view.scale.ticks.clear();  // x data without a single value: an axis without labels
    }
    view.hasData = true;
    view.position = plot.y + plot.h;
    return view;
}

// What the layers of one y axis hold, looked at once for every number of ticks tried.
struct YValues {
    Range range;
    bool bars = false;  // some of them are bars or areas
};

YValues YValuesOf(const ChartData& chart, const AxisData* axis)
{
    YValues values;
    for (const LayerData* layer : chart.layers) {
        if (LayerAxis(chart, *layer) != axis)
            continue;
        for (double v : layer->values)
            values.range.Add(v);
        values.bars = values.bars || layer->kind != LayerKind::Line;
    }
    return values;
}

AxisView YScale(const AxisData* axis, const YValues& values, int maxTicks)
{
    AxisView view;
    view.data = axis;
    const Range& range = values.range;
    view.hasData = range.any;
    if (axis->hasLabels && !axis->labels.empty()) {
        view.category = true;
        view.scale.lower = 0;
        view.scale.upper = std::max<double>(axis->labels.size() - 1, 1);
        for (size_t k = 0; k < axis->labels.size(); ++k)
            view.scale.ticks.push_back(static_cast<double>(k));
    } else if (axis->linearScale) {
        view.scale = FixedLinearScale(axis->lower, axis->upper, axis->majorStep, maxTicks);
    } else if (axis->dateScale) {
        view.scale = DateScale(axis->lower, axis->upper, axis->majorStep, maxTicks);
    } else if (range.any) {
        // Bars stand on zero when zero is near their values (within a fifth of their reach).
        const bool nearZero = (range.lo <= 0 && range.hi >= 0) || (range.lo > 0 && range.lo <= 0.8 * range.hi) ||
                              (range.hi < 0 && range.hi >= 0.8 * range.lo);
        view.scale = NiceLinearScale(range.lo, range.hi, maxTicks, values.bars && nearZero);
    } else {
        view.scale = NiceLinearScale(0, 10, std::min(maxTicks, 5), true);
    }
    return view;
}

void DrawPlotBackground(Canvas& canvas, const PlotAreaData& area, const Plot& plot, const AxisView* bands)
{
    canvas.FillRect(plot.x, plot.y, plot.w, plot.h, area.bgColour);
    if (!bands || area.altBgColour == -1 || !canvas.Visible(area.altBgColour))
        return;
    const std::vector<double>& ticks = bands->scale.ticks;
    for (size_t k = 0; k + 1 < ticks.size(); k += 2) {
        const float top = MapY(*bands, plot, ticks[k + 1]);
        const float bottom = MapY(*bands, plot, ticks[k]);
        canvas.FillRect(plot.x, std::max(top, plot.y), plot.w, std::min(bottom, plot.y + plot.h) - std::max(top, plot.y),
                        area.altBgColour);
    }
}

void DrawGrid(Canvas& canvas, const PlotAreaData& area, const Plot& plot, const AxisView& x, const AxisView* y)
{
    if (y && area.hGridColour != -1)
        for (double tick : y->scale.ticks) {
            const float py = std::round(MapY(*y, plot, tick)) + 0.5f;
            canvas.DrawLine(plot.x, py, plot.x + plot.w, py, area.hGridColour, 1);
        }
    if (area.vGridColour != -1)
        for (double tick : x.scale.ticks) {
            const float px = std::round(MapX(x, plot, tick)) + 0.5f;
            canvas.DrawLine(px, plot.y, px, plot.y + plot.h, area.vGridColour, 1);
        }
}

// The points of a line in pixels; at most four per pixel column (first, lowest, highest, last),
// a new run wherever a value is missing.
std::vector<std::vector<PointF>> LineRuns(const LayerData& layer, const AxisView& x, const AxisView& y, const Plot& plot)
{
    std::vector<std::vector<PointF>> runs(1);
    const size_t count = layer.hasX ? std::min(layer.values.size(), layer.xValues.size()) : layer.values.size();
    struct Column {
        int pixel = 0;
        PointF first, low, high, last;
        size_t lowAt = 0, highAt = 0;
        bool open = false;
    } column;
    auto flush = [&runs, &column]() {
        if (!column.open)
            return;
        std::vector<PointF>& run = runs.back();
        run.push_back(column.first);
        if (column.lowAt <= column.highAt) {
            run.push_back(column.low);
            run.push_back(column.high);
        } else {
            run.push_back(column.high);
            run.push_back(column.low);
        }
        run.push_back(column.last);
        column.open = false;
    };
    for (size_t i = 0; i < count; ++i) {
        const double xv = layer.hasX ? layer.xValues[i] : static_cast<double>(i);
        const double yv = layer.values[i];
        if (!Drawable(xv) || !Drawable(yv)) {
            flush();
            if (!runs.back().empty())
                runs.emplace_back();
            continue;
        }
        const PointF p(MapX(x, plot, xv), MapY(y, plot, yv));
        const int pixel = static_cast<int>(std::floor(p.X));
        if (column.open && pixel == column.pixel) {
            if (p.Y > column.low.Y) {
                column.low = p;
                column.lowAt = i;
            }
            if (p.Y < column.high.Y) {
                column.high = p;
                column.highAt = i;
            }
            column.last = p;
            continue;
        }
        flush();
        column.open = true;
        column.pixel = pixel;
        column.first = column.low = column.high = column.last = p;
        column.lowAt = column.highAt = i;
    }
    flush();
    for (auto& run : runs) {  // drop repeated points
        run.erase(std::unique(run.begin(), run.end(),
                              [](const PointF& a, const PointF& b) { return a.X == b.X && a.Y == b.Y; }),
                  run.end());
    }
    return runs;
}

void DrawLineLayer(Canvas& canvas, const LayerData& layer, const AxisView& x, const AxisView& y, const Plot& plot)
{
    if (layer.lineWidth <= 0)
        return;
    for (const std::vector<PointF>& run : LineRuns(layer, x, y, plot)) {
        if (run.size() == 1) {
            GraphicsPath dot;
            const float r = std::max(1.0f, layer.lineWidth / 2.0f);
            dot.AddEllipse(run[0].X - r, run[0].Y - r, 2 * r, 2 * r);
            canvas.FillPath(dot, canvas.Resolve(layer.colour));
        } else if (run.size() > DENSE_POINTS_PER_PIXEL * plot.w) {
            // A dense line (several points per pixel column) looks the same without smoothing and
            // draws many times faster.
            canvas.DrawDenseLines(run, layer.colour, layer.lineWidth, plot.x, plot.y, plot.w, plot.h);
        } else {
            canvas.DrawLines(run, layer.colour, static_cast<float>(layer.lineWidth));
        }
    }
}

float Baseline(const AxisView& y, const Plot& plot)
{
    const double base = std::clamp(0.0, y.scale.lower, y.scale.upper);
    return MapY(y, plot, base);
}

void DrawAreaLayer(Canvas& canvas, const LayerData& layer, const AxisView& x, const AxisView& y, const Plot& plot)
{
    const float base = Baseline(y, plot);
    for (const std::vector<PointF>& run : LineRuns(layer, x, y, plot)) {
        if (run.size() < 2)
            continue;
        std::vector<PointF> shape = run;
        shape.emplace_back(run.back().X, base);
        shape.emplace_back(run.front().X, base);
        GraphicsPath path;
        path.AddPolygon(shape.data(), static_cast<int>(shape.size()));
        canvas.FillPath(path, layer.colour);
        Pen edge(canvas.Shade(layer.colour, 0.7f), static_cast<float>(std::max(layer.lineWidth, 1)));
        canvas.G().DrawLines(&edge, run.data(), static_cast<int>(run.size()));
    }
}

// One bar: a flat box, a 3-D box, or a cylinder for the round shape.
void DrawBar(Canvas& canvas, int colour, float left, float right, float top, float bottom, int depth, bool round)
{
    if (bottom < top)
        std::swap(top, bottom);
    const float w = right - left, h = bottom - top;
    if (w <= 0)
        return;
    const Color dark = canvas.Shade(colour, 0.65f);
    const Color light = canvas.Shade(colour, 1.45f);
    if (round) {
        // A cylinder: the body shaded across, an ellipse as its top.
        const float rim = std::max(2.0f, std::min(w * 0.35f, static_cast<float>(depth > 0 ? depth : 3)));
        GraphicsPath body;
        body.AddArc(left, bottom - rim / 2, w, rim, 0, 180);
        body.AddLine(left, bottom, left, top);
        body.AddArc(left, top - rim / 2, w, rim, 180, -180);
        body.CloseFigure();
        LinearGradientBrush shading(PointF(left - 1, 0), PointF(right + 1, 0), light, dark);
        REAL factors[] = {0.3f, 0.0f, 0.55f, 1.0f};
        REAL positions[] = {0.0f, 0.3f, 0.7f, 1.0f};
        shading.SetBlend(factors, positions, 4);
        canvas.G().FillPath(&shading, &body);
        SolidBrush cap(light);
        canvas.G().FillEllipse(&cap, left, top - rim / 2, w, rim);
        Pen edge(dark, 1);
        canvas.G().DrawEllipse(&edge, left, top - rim / 2, w, rim);
        return;
    }
    if (depth > 0) {
        const float d = static_cast<float>(depth);
        const PointF topFace[] = {PointF(left, top), PointF(left + d, top - d), PointF(right + d, top - d),
                                  PointF(right, top)};
        const PointF sideFace[] = {PointF(right, top), PointF(right + d, top - d), PointF(right + d, bottom - d),
                                   PointF(right, bottom)};
        SolidBrush topBrush(light), sideBrush(dark);
        canvas.G().FillPolygon(&topBrush, topFace, 4);
        canvas.G().FillPolygon(&sideBrush, sideFace, 4);
    }
    canvas.FillRect(left, top, w, std::max(h, 0.5f), colour);
    Pen edge(dark, 1);
    canvas.G().DrawRectangle(&edge, left, top, w, h);
}

void DrawBarLayer(Canvas& canvas, const LayerData& layer, const AxisView& x,
                  const AxisView& y, const Plot& plot)
{
    const size_t count = layer.hasX ? std::min(layer.values.size(), layer.xValues.size()) : layer.values.size();
    if (count == 0)
        return;
    const float slot = x.category ? plot.w / static_cast<float>(std::max(x.scale.upper - x.scale.lower, 1.0))
                                  : plot.w / static_cast<float>(count);
    const float width = layer.barWidth > 0 ? static_cast<float>(layer.barWidth) : std::max(1.0f, slot * 0.6f);
    const float base = Baseline(y, plot);
    for (size_t i = 0; i < count; ++i) {
        const double xv = layer.hasX ? layer.xValues[i] : static_cast<double>(i);
        const double value = layer.values[i];
        if (!Drawable(xv) || !Drawable(value))
            continue;
        const float centre = MapX(x, plot, xv);
        const float top = MapY(y, plot, std::clamp(value, y.scale.lower, y.scale.upper));
        const int colour = layer.kind == LayerKind::Bar3 ? Chart::DataColor + static_cast<int>(i) : layer.colour;
        DrawBar(canvas, colour, centre - width / 2, centre + width / 2, top, base, layer.depth,
                layer.barShape == Chart::CircleShape);
    }
}

Plot PlotOf(const ChartData& chart)
{
    const PlotAreaData& area = chart.plot;
    if (area.set)
        return Plot{static_cast<float>(area.x), static_cast<float>(area.y), static_cast<float>(std::max(area.width, 1)),
                    static_cast<float>(std::max(area.height, 1))};
    return Plot{50, 30, static_cast<float>(std::max(chart.width - 100, 1)), static_cast<float>(std::max(chart.height - 70, 1))};
}

}  // namespace

namespace {

// Whether the second y axis shows: it has data, colours, fixed labels or a title.
bool SecondAxisUsed(const ChartData& chart, const AxisView& y2)
{
    const AxisData& axis = *chart.yAxis2;
    return y2.hasData || axis.styled || axis.hasLabels || (axis.title && !axis.title->text.empty());
}

AxisView Beside(AxisView view, float position, int side)
{
    view.position = position;
    view.side = side;
    return view;
}

}  // namespace

void RenderXY(Canvas& canvas, const ChartData& chart)
{
    const Plot plot = PlotOf(chart);
    // Scales and labels first (every label keeps clear of those placed before it), then the plot.
    const XValues xValues = XValuesOf(chart);
    const FittedAxis x = FitXAxis(canvas, *chart.xAxis, plot,
                                  [&](int ticks) { return XScale(*chart.xAxis, xValues, plot, ticks); });
    std::map<const AxisData*, FittedAxis> ys;
    const YValues primaryValues = YValuesOf(chart, chart.yAxis);
    const FittedAxis& primary = ys[chart.yAxis] = FitYAxis(canvas, *chart.yAxis, plot, [&](int ticks) {
        return Beside(YScale(chart.yAxis, primaryValues, ticks), plot.x, -1);
    }, false);

    const YValues secondValues = YValuesOf(chart, chart.yAxis2);
    const AxisView own = YScale(chart.yAxis2, secondValues, 1);
    const bool mirror = !own.hasData && !chart.yAxis2->hasLabels;
    const ScaleMaker second = [&](int ticks) {
        AxisView view = mirror ? own : YScale(chart.yAxis2, secondValues, ticks);
        if (mirror) {
            view.scale = primary.view.scale;  // mirrors the primary axis
            view.category = primary.view.category;
        }
        return Beside(view, plot.x + plot.w, 1);
    };
    if (SecondAxisUsed(chart, own))
        ys[chart.yAxis2] = FitYAxis(canvas, *chart.yAxis2, plot, second, mirror);
    else
        ys[chart.yAxis2].view = second(1);
    for (const AxisData* extra : chart.extraAxes) {
        const int side = extra->alignment == Chart::Right ? 1 : -1;
        const float position = side > 0 ? plot.x + plot.w + extra->offset : plot.x - extra->offset;
        const YValues values = YValuesOf(chart, extra);
        ys[extra] = FitYAxis(canvas, *extra, plot,
                             [&](int ticks) { return Beside(YScale(extra, values, ticks), position, side); }, false);
    }

    DrawPlotBackground(canvas, chart.plot, plot, &primary.view);
    DrawGrid(canvas, chart.plot, plot, x.view, &primary.view);

    const GraphicsState saved = canvas.G().Save();
    canvas.G().SetClip(RectF(plot.x - 1, plot.y - 30, plot.w + 32, plot.h + 31));
    for (const LayerData* layer : chart.layers) {
        const AxisView& y = ys[LayerAxis(chart, *layer)].view;
        switch (layer->kind) {
        case LayerKind::Line:
            DrawLineLayer(canvas, *layer, x.view, y, plot);
            break;
        case LayerKind::Area:
            DrawAreaLayer(canvas, *layer, x.view, y, plot);
            break;
        case LayerKind::Bar:
        case LayerKind::Bar3:
            DrawBarLayer(canvas, *layer, x.view, y, plot);
            break;
        }
    }
    canvas.G().Restore(saved);

    const int edge = chart.plot.edgeColour == -1 ? 0x808080 : chart.plot.edgeColour;
    canvas.DrawRect(plot.x, plot.y, plot.w, plot.h, edge, 1);
    DrawXAxis(canvas, x, plot);
    DrawYAxis(canvas, primary, plot);
    if (SecondAxisUsed(chart, own))
        DrawYAxis(canvas, ys[chart.yAxis2], plot);
    for (const AxisData* extra : chart.extraAxes)
        DrawYAxis(canvas, ys[extra], plot);

    DrawLayerLegend(canvas, chart);
}
