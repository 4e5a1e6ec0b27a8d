// makeChart: the chart's frame (background, edge, titles), its kind's renderer, the file.
#include "platform/chart/ChartRender.h"
#include "platform/chart/ChartRecord.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

bool Drawable(double value) { return std::isfinite(value) && std::fabs(value) < 1e300; }

bool Apart(const RectF& a, const RectF& b, float gapX, float gapY)
{
    return a.GetRight() + gapX <= b.X || b.GetRight() + gapX <= a.X || a.GetBottom() + gapY <= b.Y ||
           b.GetBottom() + gapY <= a.Y;
}

bool ClearOfTaken(const Canvas& canvas, const RectF& box, float gap)
{
    return std::all_of(canvas.Taken().begin(), canvas.Taken().end(),
                       [&](const RectF& other) { return Apart(box, other, gap, gap); });
}

std::vector<TextStyle> Shrinking(const TextStyle& requested)
{
    constexpr double STEP = 0.5;
    std::vector<TextStyle> styles{requested};
    for (TextStyle smaller = requested; smaller.size - STEP >= LEGIBLE_POINTS - 1e-9;) {
        smaller.size -= STEP;
        styles.push_back(smaller);
    }
    return styles;
}

TextStyle StyleWith(const BoxData* box, int colourOverride, const TextStyle& fallback)
{
    TextStyle style = box ? box->style : fallback;
    if (colourOverride != -1 && (!box || style.colour == Chart::TextColor))
        style.colour = colourOverride;
    return style;
}

void DrawBoxFrame(Canvas& canvas, const BoxData& box, float x, float y, float w, float h)
{
    if (canvas.Visible(box.bgColour) || box.edgeColour != Chart::Transparent)
        Record("drawBox", static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
               static_cast<int>(std::ceil(x + w)), static_cast<int>(std::ceil(y + h)));
    canvas.FillRect(x, y, w, h, box.bgColour);
    if (box.edgeColour != Chart::Transparent)
        canvas.DrawRect(x, y, w - 1, h - 1, box.edgeColour == -1 ? Chart::LineColor : box.edgeColour, 1);
    if (box.raised)
        canvas.DrawRaised(x, y, w, h, box.raised);
}

namespace {

constexpr float LEGEND_PAD = 3;  // inside the legend's edge, and between a swatch and its text

struct LegendShape {
    TextStyle style;
    float line, swatch, w, h;
};

LegendShape ShapeOf(Canvas& canvas, const BoxData& legend, const LegendEntries& entries, const TextStyle& style)
{
    LegendShape shape{style, std::max(canvas.LineHeight(style), 8.0f), 0, 0, 0};
    shape.swatch = std::round(shape.line * 0.7f);
    float width = 0;
    for (const auto& entry : entries)
        width = legend.vertical ? std::max(width, canvas.Measure(entry.first, style).Width)
                                : width + canvas.Measure(entry.first, style).Width + shape.swatch + 3 * LEGEND_PAD;
    shape.w = legend.vertical ? shape.swatch + 3 * LEGEND_PAD + width : width + LEGEND_PAD;
    shape.h = legend.vertical ? shape.line * entries.size() + 2 * LEGEND_PAD : shape.line + 2 * LEGEND_PAD;
    return shape;
}

// The legend's shape at its own text size, else at the largest smaller one that fits the image
// (the smallest when none does).
LegendShape FittingShape(Canvas& canvas, const BoxData& legend, const LegendEntries& entries)
{
    LegendShape shape{};
    for (const TextStyle& style : Shrinking(legend.style)) {
        shape = ShapeOf(canvas, legend, entries, style);
        if (legend.x + shape.w <= canvas.Width() && legend.y + shape.h <= canvas.Height())
            break;
    }
    return shape;
}

}  // namespace

void DrawLegend(Canvas& canvas, const BoxData& legend, const LegendEntries& entries)
{
    if (entries.empty())
        return;
    const float x0 = static_cast<float>(legend.x), y0 = static_cast<float>(legend.y);
    const LegendShape shape = FittingShape(canvas, legend, entries);
    DrawBoxFrame(canvas, legend, x0, y0, shape.w, shape.h);
    float x = x0 + LEGEND_PAD, y = y0 + LEGEND_PAD;
    for (const auto& entry : entries) {
        const float top = y + (shape.line - shape.swatch) / 2;
        canvas.FillRect(x, top, shape.swatch, shape.swatch, entry.second);
        canvas.DrawRect(x, top, shape.swatch, shape.swatch, Chart::LineColor, 1);
        canvas.DrawText(entry.first, shape.style, x + shape.swatch + LEGEND_PAD, y);
        if (legend.vertical)
            y += shape.line;
        else
            x += shape.swatch + 2 * LEGEND_PAD + canvas.Measure(entry.first, shape.style).Width + LEGEND_PAD;
    }
}

void DrawLayerLegend(Canvas& canvas, const ChartData& chart)
{
    if (!chart.legend)
        return;
    LegendEntries entries;
    for (const LayerData* layer : chart.layers)
        if (!layer->name.empty())
            entries.emplace_back(layer->name, layer->colour);
    DrawLegend(canvas, *chart.legend, entries);
}

namespace {

// A chart title: its band across the image and its text, at the largest size up to its own that
// fits the image's width.
struct TitleBand {
    const BoxData* box;
    TextStyle style;
    float y, h, textX;
};

std::vector<TitleBand> LayoutTitles(Canvas& canvas, const ChartData& chart)
{
    std::vector<TitleBand> bands;
    float top = 0, bottom = static_cast<float>(canvas.Height());
    for (const BoxData* title : chart.titles) {
        TextStyle style = title->style;
        for (const TextStyle& smaller : Shrinking(title->style)) {
            style = smaller;
            if (canvas.Measure(title->text, smaller).Width <= canvas.Width() - 8)
                break;
        }
        const SizeF size = canvas.Measure(title->text, style);
        const float h = size.Height + 4;
        const bool atBottom = title->alignment >= Chart::BottomLeft && title->alignment <= Chart::BottomRight;
        float x = (canvas.Width() - size.Width) / 2;
        if (title->alignment == Chart::TopLeft || title->alignment == Chart::BottomLeft)
            x = 4;
        else if (title->alignment == Chart::TopRight || title->alignment == Chart::BottomRight)
            x = canvas.Width() - size.Width - 4;
        bands.push_back(TitleBand{title, style, atBottom ? bottom - h : top, h, x});
        if (atBottom)
            bottom -= h;
        else
            top += h;
    }
    return bands;
}

void DrawTitles(Canvas& canvas, const std::vector<TitleBand>& bands)
{
    for (const TitleBand& band : bands) {
        DrawBoxFrame(canvas, *band.box, 0, band.y, static_cast<float>(canvas.Width()), band.h);
        canvas.DrawText(band.box->text, band.style, band.textX, band.y + 2);
    }
}

}  // namespace

bool RenderChart(const ChartData& chart, const char* path)
{
    Canvas canvas(chart, chart.width, chart.height);
    if (!canvas.IsReady())
        return false;
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillRect(0, 0, w, h, chart.bgColour);
    // The titles come last, over the chart; the chart's own texts keep clear of them.
    const std::vector<TitleBand> titles = LayoutTitles(canvas, chart);
    for (const TitleBand& band : titles) {
        RectF ink = canvas.Ink(band.box->text, band.style);
        ink.Offset(band.textX, band.y + 2);
        canvas.Reserve(ink);
    }
    switch (chart.kind) {
    case ChartKind::XY:
        RenderXY(canvas, chart);
        break;
    case ChartKind::Polar:
        RenderPolar(canvas, chart);
        break;
    case ChartKind::Pie:
        RenderPie(canvas, chart);
        break;
    }
    DrawTitles(canvas, titles);
    if (chart.edgeColour != Chart::Transparent)
        canvas.DrawRect(0, 0, w - 1, h - 1, chart.edgeColour == -1 ? Chart::LineColor : chart.edgeColour, 1);
    if (chart.raised)
        canvas.DrawRaised(0, 0, w, h, chart.raised);
    return canvas.SaveBmp(path);
}
