// The renderers of the three chart kinds and what they share. Internal to the library.
#pragma once
#include "platform/chart/ChartCanvas.h"

#include <string>
#include <utility>
#include <vector>

// Is the value one to draw (finite, not Chart::NoValue)?
bool Drawable(double value);

// Do two boxes keep the gaps apart (across or along)? Does a box keep a gap from every text the
// canvas has taken?
bool Apart(const Gdiplus::RectF& a, const Gdiplus::RectF& b, float gapX, float gapY);
bool ClearOfTaken(const Canvas& canvas, const Gdiplus::RectF& box, float gap);

// Texts that do not fit where they belong are drawn smaller, down to this size.
constexpr double LEGIBLE_POINTS = 6;
// The style, then smaller ones by half a point down to the legible size (never larger than asked).
std::vector<TextStyle> Shrinking(const TextStyle& requested);

// Text style of a box with an axis colour or a default colour applied where the box keeps the
// default text colour.
TextStyle StyleWith(const BoxData* box, int colourOverride, const TextStyle& fallback);
// The style of axis labels and titles without a style of their own.
inline const TextStyle kDefaultLabel{"", 8, Chart::TextColor, 0};

// Draws a box's background and edge around a rectangle (nothing for transparent colours; -1
// edge is the line colour); a box with something to see is logged as "drawBox(left,top,right,
// bottom)" when recording.
void DrawBoxFrame(Canvas& canvas, const BoxData& box, float x, float y, float w, float h);

// Legend entries: label and colour. The legend's texts shrink until it fits the image.
using LegendEntries = std::vector<std::pair<std::string, int>>;
void DrawLegend(Canvas& canvas, const BoxData& legend, const LegendEntries& entries);
// The chart's legend (when it has one) of its named layers.
void DrawLayerLegend(Canvas& canvas, const ChartData& chart);


void RenderXY(Canvas& canvas, const ChartData& chart);
void RenderPolar(Canvas& canvas, const ChartData& chart);
void RenderPie(Canvas& canvas, const ChartData& chart);
