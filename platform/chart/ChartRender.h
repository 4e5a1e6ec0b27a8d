// The renderers of the three chart kinds and what they share. Internal to the library.
#pragma once
#include "platform/chart/ChartCanvas.h"

#include <string>
#include <utility>
#include <vector>

// Is the value one to draw (finite, not Chart::NoValue)?
bool Drawable(double value);

// Text style of a box with an axis colour or a default colour applied where the box keeps the
// default text colour.
TextStyle StyleWith(const BoxData* box, int colourOverride, const TextStyle& fallback);

// Draws a box's background and edge around a rectangle (nothing for transparent colours; -1
// edge is the line colour).
void DrawBoxFrame(Canvas& canvas, const BoxData& box, float x, float y, float w, float h);

// Legend entries: label and colour.
using LegendEntries = std::vector<std::pair<std::string, int>>;
void DrawLegend(Canvas& canvas, const BoxData& legend, const LegendEntries& entries);
// The chart's legend (when it has one) of its named layers.
void DrawLayerLegend(Canvas& canvas, const ChartData& chart);

// The chart's titles, stacked from the top; returns the height they take.
float DrawTitles(Canvas& canvas, const ChartData& chart);

void RenderXY(Canvas& canvas, const ChartData& chart);
void RenderPolar(Canvas& canvas, const ChartData& chart);
void RenderPie(Canvas& canvas, const ChartData& chart);
