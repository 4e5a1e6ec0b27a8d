// Polar charts: a round or polygon grid of spokes and rings, area and line layers (one value per
// spoke, from the top clockwise), angular and radial labels.
#include "platform/chart/ChartRender.h"
#include "platform/chart/ChartScale.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

namespace {

constexpr double PI = 3.14159265358979323846;

struct Polar {
    float cx, cy, radius;
    int spokes;
    AxisScale scale;

    PointF At(int spoke, double value) const
    {
        const double angle = 2 * PI * spoke / spokes;
        const double span = scale.upper - scale.lower;
        const double r = span > 0 ? std::clamp((value - scale.lower) / span, 0.0, 1.0) * radius : 0;
        return PointF(static_cast<float>(cx + r * std::sin(angle)), static_cast<float>(cy - r * std::cos(angle)));
    }
};

void AddRing(GraphicsPath& path, const Polar& polar, double value, bool polygon)
{
    if (polygon) {
        std::vector<PointF> points;
        for (int k = 0; k < polar.spokes; ++k)
            points.push_back(polar.At(k, value));
        path.AddPolygon(points.data(), static_cast<int>(points.size()));
        return;
    }
    const float r = polar.At(0, value).Y;
    const float radius = polar.cy - r;
    path.AddEllipse(polar.cx - radius, polar.cy - radius, 2 * radius, 2 * radius);
}

void DrawGrid(Canvas& canvas, const ChartData& chart, const Polar& polar)
{
    const int colour = chart.plot.hGridColour == -1 ? 0xC0C0C0 : chart.plot.hGridColour;
    for (double tick : polar.scale.ticks) {
        if (tick <= polar.scale.lower)
            continue;
        GraphicsPath ring;
        AddRing(ring, polar, tick, chart.plot.polygonGrid);
        canvas.DrawPath(ring, colour, 1);
    }
    for (int k = 0; k < polar.spokes; ++k) {
        const PointF end = polar.At(k, polar.scale.upper);
        canvas.DrawLine(polar.cx, polar.cy, end.X, end.Y, colour, 1);
    }
}

void DrawLayers(Canvas& canvas, const ChartData& chart, const Polar& polar)
{
    for (const LayerData* layer : chart.layers) {
        std::vector<PointF> points;
        for (int k = 0; k < polar.spokes; ++k) {
            const double value = static_cast<size_t>(k) < layer->values.size() ? layer->values[k] : 0;
            points.push_back(polar.At(k, Drawable(value) ? value : 0));
        }
        GraphicsPath shape;
        shape.AddPolygon(points.data(), static_cast<int>(points.size()));
        if (layer->kind == LayerKind::Area)
            canvas.FillPath(shape, layer->colour);
        Pen edge(layer->kind == LayerKind::Area ? canvas.Shade(layer->colour, 0.7f) : canvas.Resolve(layer->colour),
                 static_cast<float>(std::max(layer->lineWidth, 1)));
        canvas.G().DrawPath(&edge, &shape);
    }
}

void DrawAngularLabels(Canvas& canvas, const AxisData& axis, const Polar& polar)
{
    const TextStyle style = StyleWith(axis.labelStyle, axis.labelColour, kDefaultLabel);
    for (int k = 0; k < polar.spokes && static_cast<size_t>(k) < axis.labels.size(); ++k) {
        const std::string& text = axis.labels[k];
        const SizeF size = canvas.Measure(text, style);
        const double angle = 2 * PI * k / polar.spokes;
        // The label's centre lies beyond the rim, far enough for its box not to touch it.
        const double reach = polar.radius + 3 + std::fabs(std::sin(angle)) * size.Width / 2 +
                             std::fabs(std::cos(angle)) * size.Height / 2;
        const float x = static_cast<float>(polar.cx + reach * std::sin(angle));
        const float y = static_cast<float>(polar.cy - reach * std::cos(angle));
        canvas.DrawText(text, style, x - size.Width / 2, y - size.Height / 2);
    }
}

// Radial labels stand right of the first spoke: centred on their ring, or just inside it when
// there they would touch another text (the outer ring's label under the first angular label).
void DrawRadialLabels(Canvas& canvas, const AxisData& axis, const Polar& polar)
{
    const TextStyle style = StyleWith(axis.labelStyle, axis.labelColour, kDefaultLabel);
    for (double tick : polar.scale.ticks) {
        if (tick <= polar.scale.lower)
            continue;
        const std::string text = FormatLabel(axis.labelFormat, tick, polar.scale);
        const SizeF size = canvas.Measure(text, style);
        const PointF at = polar.At(0, tick);
        const float left = at.X + 3;
        // The label's box (its frame, two pixels clear of the ink on either side, where the
        // smoothing of a glyph's edge reaches) keeps clear of the texts drawn before it.
        RectF box(left - 2, at.Y - size.Height / 2, size.Width + 4, size.Height);
        if (!ClearOfTaken(canvas, box, 1))
            box.Y = at.Y + 1;
        if (axis.labelStyle)
            DrawBoxFrame(canvas, *axis.labelStyle, box.X, box.Y, box.Width, box.Height);
        canvas.DrawText(text, style, left, box.Y);
    }
}

}  // namespace

void RenderPolar(Canvas& canvas, const ChartData& chart)
{
    Polar polar;
    const PlotAreaData& area = chart.plot;
    polar.cx = static_cast<float>(area.set ? area.x : chart.width / 2);
    polar.cy = static_cast<float>(area.set ? area.y : chart.height / 2);
    polar.radius = static_cast<float>(std::max(area.set ? area.radius : std::min(chart.width, chart.height) / 2 - 20, 1));
    size_t spokes = chart.xAxis->labels.size();
    double highest = 0;
    bool any = false;
    for (const LayerData* layer : chart.layers) {
        spokes = std::max(spokes, layer->values.size());
        for (double v : layer->values)
            if (Drawable(v)) {
                highest = any ? std::max(highest, v) : v;
                any = true;
            }
    }
    polar.spokes = static_cast<int>(std::clamp<size_t>(spokes, 3, 360));
    polar.scale = NiceLinearScale(0, any && highest > 0 ? highest : 1, std::max(2, static_cast<int>(polar.radius / 18)),
                                  true);

    GraphicsPath disc;
    AddRing(disc, polar, polar.scale.upper, area.polygonGrid);
    canvas.FillPath(disc, area.bgColour);
    if (!area.gridOnTop)
        DrawGrid(canvas, chart, polar);
    DrawLayers(canvas, chart, polar);
    if (area.gridOnTop)
        DrawGrid(canvas, chart, polar);
    if (area.edgeColour != Chart::Transparent && area.edgeWidth > 0)
        canvas.DrawPath(disc, area.edgeColour == -1 ? 0x808080 : area.edgeColour, static_cast<float>(area.edgeWidth));
    DrawAngularLabels(canvas, *chart.xAxis, polar);
    DrawRadialLabels(canvas, *chart.yAxis, polar);

    DrawLayerLegend(canvas, chart);
}
