// Captions with units, by language and unit.
#include "display/PanelCaptions.h"
#include "tests/display/LayoutTestSupport.h"

#include <gtest/gtest.h>

namespace {

enum { INHG, HPA, MMHG };
enum { MEDH, UVI };
enum { CELSIUS, FAHRENHEIT };
enum { INCH, MM };
enum { KMH, KNOTS, MS, MPH };

// Every box shown.
void ShowAll(TestLayout& layout)
{
    layout.RunUpperVariant(7);
    layout.RunLowerVariant(7);
}

}  // namespace

TEST(PanelCaptions, PressureCarriesItsUnitAndTakesTheXOfUnitLanguageAndVariant)
{
    TestLayout layout(LANGUAGE_ENGLISH);
    ShowAll(layout);
    SetPressureCaptions(layout, LANGUAGE_ENGLISH, HPA, 7);
    EXPECT_EQ(layout.Caption(2), L"Pressure (mBar/hPa)");
    SetPressureCaptions(layout, LANGUAGE_ENGLISH, INHG, 7);
    EXPECT_EQ(layout.Caption(2), L"Pressure (inHg)");
    EXPECT_EQ(layout.At(2).x, PressureCaptionX(INHG, LANGUAGE_ENGLISH, 7));

    // With the forecast hidden the caption follows the pressure texts to the right.
    layout.RunUpperVariant(6);
    SetPressureCaptions(layout, LANGUAGE_ENGLISH, MMHG, 6);
    EXPECT_EQ(layout.Caption(2), L"Pressure (mmHg)");
    EXPECT_EQ(layout.At(2).x, layout.At(3).x);

    TestLayout russian(LANGUAGE_RUSSIAN);
    ShowAll(russian);
    SetPressureCaptions(russian, LANGUAGE_RUSSIAN, MMHG, 7);
    EXPECT_EQ(russian.Caption(2), std::wstring(PanelLabelsFor(LANGUAGE_RUSSIAN)[2]) + L" (ммРтст)");
}

TEST(PanelCaptions, AUnitChangeNeverBringsBackTheLabelOfAHiddenBox)
{
    TestLayout layout(LANGUAGE_ENGLISH);
    ShowAll(layout);
    layout.RunUpperVariant(1);  // pressure and UV hidden
    SetPressureCaptions(layout, LANGUAGE_ENGLISH, INHG, 1);
    SetUvCaptions(layout, LANGUAGE_ENGLISH, MEDH, 1);
    EXPECT_TRUE(layout.Hidden(2));
    EXPECT_EQ(layout.Caption(2), L"null");
    for (int k = 15; k <= 18; ++k)
        EXPECT_TRUE(layout.Hidden(k)) << k;
    layout.RunLowerVariant(0);  // rain and wind hidden
    SetRainCaptions(layout, LANGUAGE_ENGLISH, MM);
    SetWindCaptions(layout, LANGUAGE_ENGLISH, KMH);
    SetTemperatureCaptions(layout, LANGUAGE_ENGLISH, CELSIUS, 0);
    for (int k : {118, 121, 123, 125, 130, 133, 141})
        EXPECT_EQ(layout.Caption(k), L"null") << k;
    EXPECT_EQ(layout.Caption(90), L"Temperature (°C)");  // the temperature box stays
}

TEST(PanelCaptions, UvUnitGoesOnTheLabelsEachLanguageHasRoomFor)
{
    TestLayout english(LANGUAGE_ENGLISH);
    ShowAll(english);
    SetUvCaptions(english, LANGUAGE_ENGLISH, MEDH, 7);
    EXPECT_EQ(english.Caption(15), L"Today Max(MED/h)");
    EXPECT_EQ(english.Caption(17), L"7 days ago Max(MED/h)");
    EXPECT_EQ(english.Caption(18), L"UV index(MED/h)");

    TestLayout dutch(LANGUAGE_DUTCH);
    ShowAll(dutch);
    SetUvCaptions(dutch, LANGUAGE_DUTCH, UVI, 7);
    EXPECT_EQ(dutch.Caption(15), std::wstring(PanelLabelsFor(LANGUAGE_DUTCH)[15]) + L"(UVI)");
    EXPECT_EQ(dutch.Caption(16), PanelLabelsFor(LANGUAGE_DUTCH)[16]);
    EXPECT_EQ(dutch.Caption(18), PanelLabelsFor(LANGUAGE_DUTCH)[18]);

    TestLayout german(LANGUAGE_GERMAN);
    ShowAll(german);
    SetUvCaptions(german, LANGUAGE_GERMAN, UVI, 5);
    EXPECT_EQ(german.Caption(15), PanelLabelsFor(LANGUAGE_GERMAN)[15]);
    EXPECT_EQ(german.Caption(18), L"UV-Index(UVI)");
    EXPECT_EQ(german.At(16).x, UvCaptionX(16, UVI, LANGUAGE_GERMAN, 5));
}

TEST(PanelCaptions, TemperatureUnitsOnRowHeadsOrSecondLinesAndTheWindChill)
{
    TestLayout english(LANGUAGE_ENGLISH);
    ShowAll(english);
    SetTemperatureCaptions(english, LANGUAGE_ENGLISH, CELSIUS, 7);
    EXPECT_EQ(english.Caption(90), L"Temperature (°C)");
    EXPECT_EQ(english.Caption(92), L"Dewpoint (td°C)");
    EXPECT_EQ(english.Caption(141), L"Wind chill ( °C)");

    TestLayout french(LANGUAGE_FRENCH);
    ShowAll(french);
    SetTemperatureCaptions(french, LANGUAGE_FRENCH, FAHRENHEIT, 7);
    EXPECT_EQ(french.Caption(155), L"(°F)");
    EXPECT_EQ(french.Caption(156), L"(td°F)");
    EXPECT_EQ(french.Caption(90), PanelLabelsFor(LANGUAGE_FRENCH)[90]);
    EXPECT_EQ(french.Caption(92), PanelLabelsFor(LANGUAGE_FRENCH)[92]);

    TestLayout italian(LANGUAGE_ITALIAN);
    ShowAll(italian);
    SetTemperatureCaptions(italian, LANGUAGE_ITALIAN, CELSIUS, 7);
    EXPECT_EQ(italian.Caption(156), L"condensazione (td°C)");
    EXPECT_EQ(italian.Caption(92), L"Punto di");
    EXPECT_EQ(italian.At(92).x, TemperatureCaptionX(92, CELSIUS, LANGUAGE_ITALIAN, 7));
}

TEST(PanelCaptions, RainUnitGoesToTheRowsOfEachLanguage)
{
    struct Case {
        int language;
        int element;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {LANGUAGE_ENGLISH, 118, L"Rainfall total (mm)"}, {LANGUAGE_ENGLISH, 125, L"Last month (mm)"},
        {LANGUAGE_ENGLISH, 121, L"Yesterday (mm)"},      {LANGUAGE_GERMAN, 157, L"gesamt (Zoll)"},
        {LANGUAGE_GERMAN, 118, L"Niederschlag"},         {LANGUAGE_FRENCH, 159, L"(mm)"},
        {LANGUAGE_ITALIAN, 158, L"(mm)"},                {LANGUAGE_ITALIAN, 125, L"Ultimo mese (mm)"},
        {LANGUAGE_SPANISH, 159, L"Pasado (mm)"},         {LANGUAGE_DUTCH, 123, L"Vorige week (mm)"},
        {LANGUAGE_RUSSIAN, 158, L"неделя (mm)"},         {LANGUAGE_POLISH, 158, L" (mm)"},
        {LANGUAGE_POLISH, 121, L"Wczoraj (mm)"},
    };
    for (const Case& c : cases) {
        TestLayout layout(c.language);
    ShowAll(layout);
        SetRainCaptions(layout, c.language, c.language == LANGUAGE_GERMAN ? INCH : MM);
        EXPECT_EQ(layout.Caption(c.element), c.caption) << c.language << " element " << c.element;
    }
}

TEST(PanelCaptions, WindUnitOnTheLabelsOrOnSecondLinesInGermanAndSpanish)
{
    TestLayout english(LANGUAGE_ENGLISH);
    ShowAll(english);
    SetWindCaptions(english, LANGUAGE_ENGLISH, KNOTS);
    EXPECT_EQ(english.Caption(130), L"Wind speed (knots)");
    EXPECT_EQ(english.Caption(133), L"Gust speed (knots)");
    EXPECT_EQ(english.Caption(160), L"");

    TestLayout spanish(LANGUAGE_SPANISH);
    ShowAll(spanish);
    SetWindCaptions(spanish, LANGUAGE_SPANISH, MS);
    EXPECT_EQ(spanish.Caption(160), L"(m/s)");
    EXPECT_EQ(spanish.Caption(161), L"(m/s)");
    EXPECT_EQ(spanish.Caption(130), PanelLabelsFor(LANGUAGE_SPANISH)[130]);

    TestLayout russian(LANGUAGE_RUSSIAN);
    ShowAll(russian);
    SetWindCaptions(russian, LANGUAGE_RUSSIAN, KMH);
    EXPECT_EQ(russian.Caption(130), std::wstring(PanelLabelsFor(LANGUAGE_RUSSIAN)[130]) + L" (км/ч)");
}

TEST(PanelCaptions, AUnitIndexOutsideItsUnitsReadsAsTheFirstUnit)
{
    TestLayout layout(LANGUAGE_ENGLISH);
    ShowAll(layout);
    SetWindCaptions(layout, LANGUAGE_ENGLISH, 7);
    EXPECT_EQ(layout.Caption(130), L"Wind speed (km/h)");
    SetPressureCaptions(layout, LANGUAGE_ENGLISH, -3, 7);
    EXPECT_EQ(layout.Caption(2), L"Pressure (inHg)");
    EXPECT_EQ(layout.At(2).x, PressureCaptionX(0, LANGUAGE_ENGLISH, 7));
}
