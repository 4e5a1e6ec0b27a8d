// PieShape charts: sectors from the start angle, flat or 3-D with a depth per sector, labels beside
// the sectors and a legend.
#include "platform/chart/ChartRender.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Gdiplus;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int ARC_STEPS_PER_TURN = 180;

struct PieShape {
    float cx, cy, rx, ry;

    // A point of the rim (top face, lowered by drop pixels) at an angle in degrees clockwise from
    // the top.
    PointF Rim(double degrees, float drop = 0) const
    {
        const double a = degrees * PI / 180;
        return PointF(static_cast<float>(cx + rx * std::sin(a)), static_cast<float>(cy - ry * std::cos(a) + drop));
    }
};

struct Sector {
    int index;
    double from, to;  // degrees clockwise from the top, from < to
    float depth;
};

std::vector<PointF> Arc(const PieShape& pie, double from, double to, float drop)
{
    std::vector<PointF> points;
    const int steps = std::max(2, static_cast<int>((to - from) / 360 * ARC_STEPS_PER_TURN) + 1);
    for (int k = 0; k <= steps; ++k)
        points.push_back(pie.Rim(from + (to - from) * k / steps, drop));
    return points;
}

void Fill(Canvas& canvas, const std::vector<PointF>& points, const Color& colour, const Color& edge)
{
    if (points.size() < 3)
        return;
    GraphicsPath path;
    path.AddPolygon(points.data(), static_cast<int>(points.size()));
    canvas.FillPath(path, colour);
    Pen pen(edge, 1);
    canvas.G().DrawPath(&pen, &path);
}

void DrawSector(Canvas& canvas, const PieShape& pie, const Sector& s)
{
    const int colour = Chart::DataColor + s.index;
    const Color top = canvas.Resolve(colour);
    const Color side = canvas.Shade(colour, 0.72f);
    const Color edge = canvas.Shade(colour, 0.5f);
    if (s.depth > 0) {
        // The two cut faces, then the part of the rim that faces the viewer (90..270 degrees).
        for (double at : {s.from, s.to}) {
            const PointF rim = pie.Rim(at);
            Fill(canvas, {PointF(pie.cx, pie.cy), rim, PointF(rim.X, rim.Y + s.depth), PointF(pie.cx, pie.cy + s.depth)},
                 side, edge);
        }
        for (double turn : {0.0, 360.0}) {
            const double from = std::max(s.from, 90 + turn), to = std::min(s.to, 270 + turn);
            if (from >= to)
                continue;
            std::vector<PointF> wall = Arc(pie, from, to, 0);
            std::vector<PointF> lower = Arc(pie, from, to, s.depth);
            wall.insert(wall.end(), lower.rbegin(), lower.rend());
            Fill(canvas, wall, side, edge);
        }
    }
    std::vector<PointF> face = Arc(pie, s.from, s.to, 0);
    face.insert(face.begin(), PointF(pie.cx, pie.cy));
    Fill(canvas, face, top, edge);
}

}  // namespace

void RenderPie(Canvas& canvas, const ChartData& chart)
{
    const PieData& data = chart.pie;
    PieShape pie;
    pie.cx = static_cast<float>(data.x >= 0 ? data.x : chart.width / 2);
    pie.cy = static_cast<float>(data.y >= 0 ? data.y : chart.height / 2);
    const float radius = static_cast<float>(data.radius > 0 ? data.radius : std::max(std::min(chart.width, chart.height) / 3, 1));
    const bool threeD = data.depth > 0 || !data.depths.empty();
    const double view = data.angle > 0 && data.angle < 90 ? data.angle : 45;
    pie.rx = radius;
    pie.ry = threeD ? static_cast<float>(radius * std::cos(view * PI / 180)) : radius;

    double total = 0;
    for (double v : data.values)
        if (Drawable(v) && v > 0)
            total += v;

    std::vector<Sector> sectors;
    if (total > 0) {
        const double direction = data.clockwise ? 1 : -1;
        double at = Drawable(data.startAngle) ? std::fmod(data.startAngle, 360.0) : 0;
        for (size_t i = 0; i < data.values.size(); ++i) {
            const double v = data.values[i];
            if (!Drawable(v) || v <= 0)
                continue;
            const double sweep = v / total * 360 * direction;
            Sector s{static_cast<int>(i), std::min(at, at + sweep), std::max(at, at + sweep), 0};
            while (s.from < 0) {
                s.from += 360;
                s.to += 360;
            }
            double depth = data.depths.empty() ? data.depth : i < data.depths.size() ? data.depths[i] : 0;
            s.depth = threeD && Drawable(depth) ? static_cast<float>(std::clamp(depth, 0.0, static_cast<double>(radius))) : 0;
            sectors.push_back(s);
            at += sweep;
        }
    }

    if (sectors.empty()) {
        // Nothing to share out: an empty outline.
        GraphicsPath outline;
        outline.AddEllipse(pie.cx - pie.rx, pie.cy - pie.ry, 2 * pie.rx, 2 * pie.ry);
        canvas.DrawPath(outline, 0xC0C0C0, 1);
    }
    // Back to front: sectors whose middle lies higher on the screen first.
    std::sort(sectors.begin(), sectors.end(), [&pie](const Sector& a, const Sector& b) {
        return pie.Rim((a.from + a.to) / 2).Y < pie.Rim((b.from + b.to) / 2).Y;
    });
    for (const Sector& s : sectors)
        DrawSector(canvas, pie, s);

    if (data.labelStyle && canvas.Visible(data.labelStyle->style.colour))
        for (const Sector& s : sectors) {
            if (static_cast<size_t>(s.index) >= data.labels.size())
                continue;
            const std::string& text = data.labels[s.index];
            const SizeF size = canvas.Measure(text, data.labelStyle->style);
            const double mid = (s.from + s.to) / 2 * PI / 180;
            const float x = static_cast<float>(pie.cx + (pie.rx + 6 + size.Width / 2) * std::sin(mid));
            const float y = static_cast<float>(pie.cy - (pie.ry + 6 + size.Height / 2) * std::cos(mid));
            canvas.DrawText(text, data.labelStyle->style, x - size.Width / 2, y - size.Height / 2);
        }

    if (chart.legend) {
        LegendEntries entries;
        for (size_t i = 0; i < data.values.size(); ++i)
            entries.emplace_back(i < data.labels.size() ? data.labels[i] : std::string(), Chart::DataColor + static_cast<int>(i));
        DrawLegend(canvas, *chart.legend, entries);
    }
}
