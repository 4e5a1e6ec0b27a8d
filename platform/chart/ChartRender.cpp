// makeChart: the chart's frame (background, edge, titles), its kind's renderer, the file.
#include "platform/chart/ChartRender.h"

#include <algorithm>
#include <cmath>

using namespace Gdiplus;

bool Drawable(double value) { return std::isfinite(value) && std::fabs(value) < 1e300; }

TextStyle StyleWith(const BoxData* box, int colourOverride, const TextStyle& fallback)
{
    TextStyle style = box ? box->style : fallback;
    if (colourOverride != -1 && (!box || style.colour == Chart::TextColor))
        style.colour = colourOverride;
    return style;
}

void DrawBoxFrame(Canvas& canvas, const BoxData& box, float x, float y, float w, float h)
{
    canvas.FillRect(x, y, w, h, box.bgColour);
    if (box.edgeColour != Chart::Transparent)
        canvas.DrawRect(x, y, w - 1, h - 1, box.edgeColour == -1 ? Chart::LineColor : box.edgeColour, 1);
    if (box.raised)
        canvas.DrawRaised(x, y, w, h, box.raised);
}

void DrawLegend(Canvas& canvas, const BoxData& legend, const LegendEntries& entries)
{
    if (entries.empty())
        return;
    const TextStyle& style = legend.style;
    const float line = std::max(canvas.LineHeight(style), 8.0f);
    const float swatch = std::round(line * 0.7f);
    const float pad = 3;
    float width = 0;
    for (const auto& entry : entries)
        width = legend.vertical ? std::max(width, canvas.Measure(entry.first, style).Width)
                                : width + canvas.Measure(entry.first, style).Width + swatch + 3 * pad;
    const float w = legend.vertical ? swatch + 3 * pad + width : width + pad;
    const float h = legend.vertical ? line * entries.size() + 2 * pad : line + 2 * pad;
    const float x0 = static_cast<float>(legend.x), y0 = static_cast<float>(legend.y);
    DrawBoxFrame(canvas, legend, x0, y0, w, h);
    float x = x0 + pad, y = y0 + pad;
    for (const auto& entry : entries) {
        const float top = y + (line - swatch) / 2;
        canvas.FillRect(x, top, swatch, swatch, entry.second);
        canvas.DrawRect(x, top, swatch, swatch, Chart::LineColor, 1);
        canvas.DrawText(entry.first, style, x + swatch + pad, y);
        if (legend.vertical)
            y += line;
        else
            x += swatch + 2 * pad + canvas.Measure(entry.first, style).Width + pad;
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

float DrawTitles(Canvas& canvas, const ChartData& chart)
{
    float top = 0, bottom = static_cast<float>(canvas.Height());
    for (const BoxData* title : chart.titles) {
        const SizeF size = canvas.Measure(title->text, title->style);
        const float h = size.Height + 4;
        const bool atBottom = title->alignment >= Chart::BottomLeft && title->alignment <= Chart::BottomRight;
        const float y = atBottom ? bottom - h : top;
        DrawBoxFrame(canvas, *title, 0, y, static_cast<float>(canvas.Width()), h);
        float x = (canvas.Width() - size.Width) / 2;
        if (title->alignment == Chart::TopLeft || title->alignment == Chart::BottomLeft)
            x = 4;
        else if (title->alignment == Chart::TopRight || title->alignment == Chart::BottomRight)
            x = canvas.Width() - size.Width - 4;
        canvas.DrawText(title->text, title->style, x, y + 2);
        if (atBottom)
            bottom -= h;
        else
            top += h;
    }
    return top;
}

bool RenderChart(const ChartData& chart, const char* path)
{
    Canvas canvas(chart, chart.width, chart.height);
    if (!canvas.IsReady())
        return false;
    const float w = static_cast<float>(canvas.Width()), h = static_cast<float>(canvas.Height());
    canvas.FillRect(0, 0, w, h, chart.bgColour);
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
    DrawTitles(canvas, chart);
    if (chart.edgeColour != Chart::Transparent)
        canvas.DrawRect(0, 0, w - 1, h - 1, chart.edgeColour == -1 ? Chart::LineColor : chart.edgeColour, 1);
    if (chart.raised)
        canvas.DrawRaised(0, 0, w, h, chart.raised);
    return canvas.SaveBmp(path);
}
