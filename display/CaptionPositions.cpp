// Caption x positions that depend on the unit, the language and the panel's layout variant, as
// data: [unit][language][variant 0..7]. A variant in which the label is hidden keeps its table x
// here (the caption builders leave hidden labels alone).
#include "display/PanelGeometry.h"

#include "texts/TextTables.h"

namespace {

constexpr int VARIANTS = 8;

// Element 2, "Pressure (unit)": moved right with the pressure texts when the forecast is hidden
// (upper variants 2 and 6).
constexpr int kPressureX[3][LANGUAGE_COUNT][VARIANTS] = {
    {  // inHg
        /* English  */ { 20,  20,  85,  20,  20,  20,  85,  20},
        /* German   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* French   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Italian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Spanish  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Dutch    */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Russian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Polish   */ { 20,  20, 101,  20,  20,  20, 101,  20},
    },
    {  // mBar/hPa
        /* English  */ { 20,  20,  85,  20,  20,  20,  85,  20},
        /* German   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* French   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Italian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Spanish  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Dutch    */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Russian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Polish   */ { 20,  20, 101,  20,  20,  20, 101,  20},
    },
    {  // mmHg
        /* English  */ { 20,  20,  85,  20,  20,  20,  85,  20},
        /* German   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* French   */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Italian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Spanish  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Dutch    */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Russian  */ { 20,  20, 101,  20,  20,  20, 101,  20},
        /* Polish   */ { 20,  20, 101,  20,  20,  20, 101,  20},
    },
};

// Elements 15..18, the UV maxima and "UV index": in upper variants 4 and 5 the maxima stand beside
// the other UV texts.
constexpr int kUvX[4][2][LANGUAGE_COUNT][VARIANTS] = {
    {  // element 15
        {  // MED/h
            /* English  */ { 20,  20,  20,  20, 167, 167,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 191, 191,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
        {  // UVI
            /* English  */ { 20,  20,  20,  20, 184, 184,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 194, 194,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
    },
    {  // element 16
        {  // MED/h
            /* English  */ { 20,  20,  20,  20, 167, 167,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 191, 191,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
        {  // UVI
            /* English  */ { 20,  20,  20,  20, 184, 184,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 194, 194,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
    },
    {  // element 17
        {  // MED/h
            /* English  */ { 20,  20,  20,  20, 167, 167,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 191, 191,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
        {  // UVI
            /* English  */ { 20,  20,  20,  20, 184, 184,  20,  20},
            /* German   */ { 20,  20,  20,  20, 207, 207,  20,  20},
            /* French   */ { 20,  20,  20,  20, 216, 216,  20,  20},
            /* Italian  */ { 20,  20,  20,  20, 218, 218,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20, 206, 206,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20, 194, 194,  20,  20},
            /* Russian  */ { 20,  20,  20,  20, 201, 201,  20,  20},
            /* Polish   */ { 20,  20,  20,  20, 206, 206,  20,  20},
        },
    },
    {  // element 18
        {  // MED/h
            /* English  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* German   */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* French   */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Italian  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Russian  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Polish   */ { 20,  20,  20,  20,  20,  20,  20,  20},
        },
        {  // UVI
            /* English  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* German   */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* French   */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Italian  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Spanish  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Dutch    */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Russian  */ { 20,  20,  20,  20,  20,  20,  20,  20},
            /* Polish   */ { 20,  20,  20,  20,  20,  20,  20,  20},
        },
    },
};

// Row heads 90 and 92 of the sensor blocks.
constexpr int kTemperatureX[2][2][LANGUAGE_COUNT][VARIANTS] = {
    {  // element 90
        {  // °C
            /* English  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* German   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* French   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Italian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Spanish  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Dutch    */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Russian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Polish   */ {522, 522, 522, 522, 522, 522, 522, 522},
        },
        {  // °F
            /* English  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* German   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* French   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Italian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Spanish  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Dutch    */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Russian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Polish   */ {522, 522, 522, 522, 522, 522, 522, 522},
        },
    },
    {  // element 92
        {  // °C
            /* English  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* German   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* French   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Italian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Spanish  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Dutch    */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Russian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Polish   */ {522, 522, 522, 522, 522, 522, 522, 522},
        },
        {  // °F
            /* English  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* German   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* French   */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Italian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Spanish  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Dutch    */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Russian  */ {522, 522, 522, 522, 522, 522, 522, 522},
            /* Polish   */ {522, 522, 522, 522, 522, 522, 522, 522},
        },
    },
};

int Clamp(int value, int count, int fallback) { return (value >= 0 && value < count) ? value : fallback; }

}  // namespace

int PressureCaptionX(int pressureUnit, int language, int variant)
{
    return kPressureX[Clamp(pressureUnit, 3, 0)][LanguageOrEnglish(language)][Clamp(variant, VARIANTS, 7)];
}

int UvCaptionX(int element, int uvUnit, int language, int variant)
{
    return kUvX[Clamp(element - 15, 4, 0)][Clamp(uvUnit, 2, 0)][LanguageOrEnglish(language)][Clamp(variant, VARIANTS, 7)];
}

int TemperatureCaptionX(int element, int temperatureUnit, int language, int variant)
{
    const int which = element == 92 ? 1 : 0;
    return kTemperatureX[which][Clamp(temperatureUnit, 2, 0)][LanguageOrEnglish(language)][Clamp(variant, VARIANTS, 7)];
}
