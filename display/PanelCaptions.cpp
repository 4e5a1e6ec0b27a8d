#include "display/PanelCaptions.h"

#include "display/PanelGeometry.h"
#include "texts/TextTables.h"

#include <string>

namespace {

// The unit's name in the language; a unit index outside the quantity's units reads as its first.
std::wstring UnitName(int firstRow, int unitCount, int unit, int language)
{
    if (unit < 0 || unit >= unitCount)
        unit = 0;
    return TextAt(g_unitTexts, firstRow + unit, language);
}

std::wstring Label(int element) { return g_currentPanelLabels[element]; }

// Label and unit: "Label (U)".
std::wstring WithUnit(int element, const std::wstring& unit) { return Label(element) + L" (" + unit + L")"; }

// Label and unit without the blank: "Label(U)".
std::wstring WithUnitClose(int element, const std::wstring& unit) { return Label(element) + L"(" + unit + L")"; }

void SetCaption(CPanelLayout& layout, int element, const std::wstring& caption)
{
    if (layout.HasElements() && !layout.IsHidden(element))
        layout.m_elemCaption[element] = caption;
}

void SetX(CPanelLayout& layout, int element, int x)
{
    if (layout.HasElements() && !layout.IsHidden(element))
        layout.m_elemX[element] = x;
}

// Where the rain unit goes in a language: three rows, each on the label or on its second line;
// `alone` writes the unit by itself ("(U)") instead of after the second line's text.
struct RainUnitPlace {
    int element;
    bool alone;
};
constexpr RainUnitPlace kRainUnitPlaces[LANGUAGE_COUNT][3] = {
    /* English */ {{118, false}, {123, false}, {125, false}},
    /* German  */ {{157, false}, {123, false}, {125, false}},
    /* French  */ {{118, false}, {158, false}, {159, true}},
    /* Italian */ {{157, false}, {158, true}, {125, false}},
    /* Spanish */ {{118, false}, {158, false}, {159, false}},
    /* Dutch   */ {{157, false}, {123, false}, {159, true}},
    /* Russian */ {{157, false}, {158, false}, {159, false}},
    /* Polish  */ {{157, false}, {158, false}, {159, false}},
};

}  // namespace

void SetPressureCaptions(CPanelLayout& layout, int language, int pressureUnit, int upperVariant)
{
    language = LanguageOrEnglish(language);
    const std::wstring unit = UnitName(UNIT_ROW_PRESSURE, 3, pressureUnit, language);
    SetCaption(layout, ELEM_PRESSURE_LABEL, WithUnit(ELEM_PRESSURE_LABEL, unit));
    SetX(layout, ELEM_PRESSURE_LABEL, PressureCaptionX(pressureUnit, language, upperVariant));
}

void SetUvCaptions(CPanelLayout& layout, int language, int uvUnit, int upperVariant)
{
    language = LanguageOrEnglish(language);
    const std::wstring unit = UnitName(UNIT_ROW_UV, 2, uvUnit, language);
    if (language == LANGUAGE_DUTCH) {
        SetCaption(layout, ELEM_UV_TODAY_MAX, WithUnitClose(ELEM_UV_TODAY_MAX, unit));
    } else {
        if (language == LANGUAGE_ENGLISH) {
            for (int k = ELEM_UV_TODAY_MAX; k < ELEM_UV_TODAY_MAX + 3; ++k)
                SetCaption(layout, k, WithUnitClose(k, unit));
        }
        SetCaption(layout, ELEM_UV_INDEX_LABEL, WithUnitClose(ELEM_UV_INDEX_LABEL, unit));
    }
    for (int k = ELEM_UV_TODAY_MAX; k <= ELEM_UV_INDEX_LABEL; ++k)
        SetX(layout, k, UvCaptionX(k, uvUnit, language, upperVariant));
}

void SetTemperatureCaptions(CPanelLayout& layout, int language, int temperatureUnit, int lowerVariant)
{
    language = LanguageOrEnglish(language);
    const std::wstring unit = UnitName(UNIT_ROW_TEMPERATURE, 2, temperatureUnit, language);
    if (language == LANGUAGE_FRENCH) {
        SetCaption(layout, ELEM_TEMPERATURE_LINE2, L"(" + unit + L")");
        SetCaption(layout, ELEM_DEWPOINT_LINE2, L"(td" + unit + L")");
    } else if (language == LANGUAGE_ITALIAN || language == LANGUAGE_SPANISH) {
        SetCaption(layout, ELEM_TEMPERATURE_HEAD, WithUnit(ELEM_TEMPERATURE_HEAD, unit));
        SetCaption(layout, ELEM_DEWPOINT_LINE2, Label(ELEM_DEWPOINT_LINE2) + L" (td" + unit + L")");
    } else {
        SetCaption(layout, ELEM_TEMPERATURE_HEAD, WithUnit(ELEM_TEMPERATURE_HEAD, unit));
        SetCaption(layout, ELEM_DEWPOINT_HEAD, Label(ELEM_DEWPOINT_HEAD) + L" (td" + unit + L")");
    }
    SetCaption(layout, ELEM_WIND_CHILL_LABEL, Label(ELEM_WIND_CHILL_LABEL) + L" ( " + unit + L")");
    SetX(layout, ELEM_TEMPERATURE_HEAD,
         TemperatureCaptionX(ELEM_TEMPERATURE_HEAD, temperatureUnit, language, lowerVariant));
    SetX(layout, ELEM_DEWPOINT_HEAD, TemperatureCaptionX(ELEM_DEWPOINT_HEAD, temperatureUnit, language, lowerVariant));
}

void SetRainCaptions(CPanelLayout& layout, int language, int rainUnit)
{
    language = LanguageOrEnglish(language);
    const std::wstring unit = UnitName(UNIT_ROW_RAIN, 2, rainUnit, language);
    for (const RainUnitPlace& place : kRainUnitPlaces[language])
        SetCaption(layout, place.element, place.alone ? L"(" + unit + L")" : WithUnit(place.element, unit));
    SetCaption(layout, ELEM_RAIN_YESTERDAY, WithUnit(ELEM_RAIN_YESTERDAY, unit));
}

void SetWindCaptions(CPanelLayout& layout, int language, int windUnit)
{
    language = LanguageOrEnglish(language);
    const std::wstring unit = UnitName(UNIT_ROW_WIND, 4, windUnit, language);
    if (language == LANGUAGE_GERMAN || language == LANGUAGE_SPANISH) {
        SetCaption(layout, ELEM_WIND_SPEED_LINE2, L"(" + unit + L")");
        SetCaption(layout, ELEM_GUST_SPEED_LINE2, L"(" + unit + L")");
    } else {
        SetCaption(layout, ELEM_WIND_SPEED_LABEL, WithUnit(ELEM_WIND_SPEED_LABEL, unit));
        SetCaption(layout, ELEM_GUST_SPEED_LABEL, WithUnit(ELEM_GUST_SPEED_LABEL, unit));
    }
}
