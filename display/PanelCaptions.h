// Captions with units: the painted labels that carry the display unit in brackets, "Pressure
// (mBar/hPa)", "Dewpoint (td°C)". Where a label and its unit are too long for a language, the unit
// goes onto the row's second-line element instead; some labels also take an x that depends on the
// unit, the language and the panel's layout variant.
//
// Labels come from the current language's view (g_currentPanelLabels), unit names from
// g_unitTexts in the given language. A hidden element (off-screen, caption "null") is left as it
// is: a unit change never brings a label of a hidden box back.
#pragma once
#include "display/PanelLayout.h"

// Element 2 and its x; pressureUnit 0 inHg, 1 hPa, 2 mmHg; upperVariant 0..7.
void SetPressureCaptions(CPanelLayout& layout, int language, int pressureUnit, int upperVariant);
// Elements 15..18 and their x; uvUnit 0 MED/h, 1 UV index.
void SetUvCaptions(CPanelLayout& layout, int language, int uvUnit, int upperVariant);
// Row heads 90 and 92 (or their second lines 155, 156), the wind chill 141, and the x of 90 and 92;
// temperatureUnit 0 °C, 1 °F.
void SetTemperatureCaptions(CPanelLayout& layout, int language, int temperatureUnit, int lowerVariant);
// Three of the rain rows (on the label or on its second line) and "Yesterday"; rainUnit 0 inch, 1 mm.
void SetRainCaptions(CPanelLayout& layout, int language, int rainUnit);
// Wind and gust speed (on the label, or in German and Spanish on the second lines 160, 161).
void SetWindCaptions(CPanelLayout& layout, int language, int windUnit);
