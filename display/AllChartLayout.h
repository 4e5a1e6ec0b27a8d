// Geometry of the all-sensor chart window in pixels, one set for every language: the window, its
// group box, and per series its check box, its legend line sample and its legend title; the line
// chart's place and the twelve pie slots that tile it.
#pragma once

struct ChartWindowElement {
    int x;
    int y;
    int width;
    int height;  // of a legend sample: the thickness it is drawn in
};

constexpr int CHART_WINDOW_ELEMENT_COUNT = 78;
constexpr int CHART_ELEM_WINDOW = 0;
constexpr int CHART_ELEM_GROUP_BOX = 1;
constexpr int CHART_ELEM_FIRST_BOX = 2;       // + series
constexpr int CHART_ELEM_FIRST_SAMPLE = 27;   // + series
constexpr int CHART_ELEM_FIRST_TITLE = 52;    // + series

extern const ChartWindowElement g_chartWindowLayout[CHART_WINDOW_ELEMENT_COUNT];

// The line chart's picture.
constexpr int LINE_CHART_X = 20;
constexpr int LINE_CHART_Y = 160;
constexpr int LINE_CHART_WIDTH = 920;
constexpr int LINE_CHART_HEIGHT = 440;

// Pie slot 0..11: four to a row over the line chart's area, 230 x 145 pixels each.
struct PieSlot {
    int x;
    int y;
};
constexpr PieSlot PieSlotAt(int slot) { return PieSlot{20 + 230 * (slot % 4), 160 + 145 * (slot / 4)}; }
