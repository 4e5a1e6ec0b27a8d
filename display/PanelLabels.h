// The labels that the main window paints itself (they are no controls): which elements, in which
// order, and with which font. Face "Arial", weight 400, height 14 unless a language needs a
// smaller one; "Weather forecast" is bold, the three column heads of the temperature box are
// vertical (12 high in Russian).
#pragma once

struct LabelFont {
    int height;
    int weight;
    int escapement;  // tenths of a degree; 900 draws upward
};

// Painted labels in painting order (the legend line samples 57..74 come between the column heads
// and the sensor names, and are no text).
constexpr int kPaintedLabels[] = {
    1, 2, 3, 5, 12, 13, 15, 16, 17, 18, 28, 29, 34, 37, 38, 39, 53, 54, 55,
    84, 85, 86, 87, 88, 89, 90, 91, 92, 95, 96, 106, 107, 118, 121, 123, 125,
    129, 130, 133, 137, 141, 155, 156, 157, 158, 159, 160, 161,
};
constexpr int kLabelsBeforeSamples = 19;  // 1 .. 55 are painted before the legend samples

constexpr const wchar_t* PANEL_TEXT_FACE = L"Arial";

// The font of a painted label in a language (ids outside 0..7: English).
LabelFont PanelLabelFont(int element, int language);
