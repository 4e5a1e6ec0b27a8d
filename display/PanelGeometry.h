// Geometry of the main window's display elements, per language: where every box sits when every
// box is shown. The layout variants start from these tables (PanelLayout.h).
//
// Each language has four constant tables of DISPLAY_ELEMENT_COUNT entries (x, y, width, height in
// client pixels; a painted label has width and height 0). The current language's four are
// published as g_layoutX, g_layoutY, g_layoutWidth and g_layoutHeight.
#pragma once
#include "display/PanelElements.h"

struct ElementBox {
    int x;
    int y;
    int width;
    int height;
};

struct LanguageGeometry {
    const int* x;
    const int* y;
    const int* width;
    const int* height;
};

// The tables of a language; ids outside 1..7 give the English ones.
LanguageGeometry GeometryFor(int language);

// The current language's tables (English until the first PointLayoutTables).
extern const int* g_layoutX;
extern const int* g_layoutY;
extern const int* g_layoutWidth;
extern const int* g_layoutHeight;

// Points the four current tables at the language's (English for ids outside 1..7).
void PointLayoutTables(int language);

// Caption x positions that depend on the unit, the language and the panel's layout variant
// (0..7): [unit][language][variant]. Out-of-range indexes read as unit 0 / English / variant 7.
int PressureCaptionX(int pressureUnit, int language, int variant);                // element 2
int UvCaptionX(int element, int uvUnit, int language, int variant);               // 15..18
int TemperatureCaptionX(int element, int temperatureUnit, int language, int variant);  // 90, 92
