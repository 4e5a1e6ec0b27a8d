// The main window's per-language families and the current-language views.
#include "tests/texts/TextTestSupport.h"

#include <string>

namespace {

bool IsMarker(const std::wstring& text)
{
    return text == L"v" || text == L"p" || text == L"b" || text == L"l" || text == L"c" || text == L"s" ||
           text == L"null" || text.empty();
}

bool IsSecondLine(int element)
{
    return element >= PANEL_DEWPOINT_LINE2 && element <= PANEL_LAST_MONTH_LINE2;
}

// Restores the English views after each test.
class CurrentViews : public testing::Test {
protected:
    void TearDown() override { PointCurrentLanguageViews(LANGUAGE_ENGLISH); }
};

TEST(PanelLabels, EnglishCaptionsAndMarkersByElement)
{
    const TextTable<PANEL_LABEL_COUNT>& en = g_panelLabelsEnglish;
    EXPECT_STREQ(L"Atmospheric pressure", en[0]);
    EXPECT_STREQ(L"v", en[4]);
    EXPECT_STREQ(L"b", en[8]);
    EXPECT_STREQ(L"UV index", en[18]);
    for (int e = 19; e <= 22; ++e)
        EXPECT_STREQ(L"v", en[e]) << e;
    EXPECT_STREQ(L"Sun / Moon / Location", en[24]);
    EXPECT_STREQ(L"Timezone", en[41]);
    EXPECT_STREQ(L"USB Disconnected", en[49]);
    EXPECT_STREQ(L"00:00", en[50]);
    EXPECT_STREQ(L"In-Outdoor temperature / humidity", en[52]);
    for (int e = 57; e <= 74; ++e)
        EXPECT_STREQ(L"l", en[e]) << e;
    for (int e = 75; e <= 83; ++e)
        EXPECT_STREQ(L"null", en[e]) << e;
    EXPECT_STREQ(L"Indoor", en[84]);
    EXPECT_STREQ(L"Channel 5", en[89]);
    EXPECT_STREQ(L"Humidity (%r.H)", en[91]);
    EXPECT_STREQ(L"c", en[94]);
    EXPECT_STREQ(L"Max", en[95]);
    EXPECT_STREQ(L"Min", en[107]);
    EXPECT_STREQ(L"v", en[116]);
    EXPECT_STREQ(L"since", en[120]);
    EXPECT_STREQ(L"p", en[127]);
    EXPECT_STREQ(L"s", en[136]);
    EXPECT_STREQ(L"Wind direction (^)", en[137]);
    EXPECT_STREQ(L"s", en[140]);
    EXPECT_STREQ(L"Temperature (\u00B0C)", en[143]);
    EXPECT_STREQ(L"Date / Time", en[146]);
    EXPECT_STREQ(L"v", en[154]);
    for (int e = 155; e <= 161; ++e)
        EXPECT_STREQ(L"", en[e]) << e;
}

TEST(PanelLabels, TwoLineCaptionsByLanguage)
{
    const int elements[] = {12, 13, 92, 156, 118, 157, 123, 158, 125, 159, 129, 143};
    const Texts8 expected[] = {
        {L"Exposure", L"Belichtung", L"Niveau", L"Livello di", L"Nivel de", L"Het Niveau van", L"Уровень", L"Poziom"},
        {L"Level", L"Niveau", L"d'exposition", L"esposizione", L"exposición", L"de blootstelling", L"выдержки",
         L"ekspozycji"},
        {L"Dewpoint", L"Taupunkt", L"Point de rosée", L"Punto di", L"Punto de", L"Dauwpunt", L"Точка росы",
         L"Temperatura"},
        {L"", L"", L"", L"condensazione", L"condensación", L"", L"", L"Punktu Rosy"},
        {L"Rainfall total", L"Niederschlag", L"Total des", L"Totale di", L"Total de la", L"Het totaal van de", L"Всего",
         L"SUma Opadów"},
        {L"", L"gesamt", L"précipitations", L"pioggia", L"precipitación", L"regenval", L"Rainfall", L"Deszczu"},
        {L"Last week", L"Letzte Woche", L"La semaine", L"Ultima settimana", L"La Semana", L"Vorige week", L"Последняя",
         L"Ostatni Tydzień"},
        {L"", L"", L"dernière", L"", L"Pasada", L"", L"неделя", L""},
        {L"Last month", L"Letzter Monat", L"Le mois dernier", L"Ultimo mese", L"El Mes", L"Vorige maand", L"Последний",
         L"Ostatni Miesiąc"},
        {L"", L"", L"", L"", L"Pasado", L"", L"месяц", L""},
        {L"Max", L"Maximal", L"Max", L"Max", L"Max", L"Max", L"Max", L"Max"},
        {L"Temperature (°C)", L"Temperatur (°C)", L"température", L"Temperatura (°C)", L"Temperatura (°C)",
         L"Temperatuur (°C)", L"Температура (°C)", L"Temperatura (°C)"},
    };
    for (std::size_t i = 0; i < sizeof(elements) / sizeof(elements[0]); ++i)
        for (int language = 0; language < LANGUAGE_COUNT; ++language)
            EXPECT_EQ(std::wstring(expected[i][language]), (*g_panelLabels[language])[elements[i]])
                << "element " << elements[i] << " language " << language;
}

TEST(PanelLabels, MarkersAndFixedCaptionsAreTheSameInEveryLanguage)
{
    for (int e = 0; e < PANEL_LABEL_COUNT; ++e) {
        if (IsSecondLine(e))
            continue;
        const std::wstring english = g_panelLabelsEnglish[e];
        for (int language = 1; language < LANGUAGE_COUNT; ++language) {
            const std::wstring text = (*g_panelLabels[language])[e];
            EXPECT_EQ(IsMarker(english), IsMarker(text)) << "element " << e << " language " << language;
            if (IsMarker(english)) {
                EXPECT_EQ(english, text) << "element " << e << " language " << language;
            }
        }
    }
    for (int e : {50, 95, 96, 106, 107, 155, 160, 161})
        for (int language = 0; language < LANGUAGE_COUNT; ++language)
            EXPECT_EQ(std::wstring(g_panelLabelsEnglish[e]), (*g_panelLabels[language])[e]) << e;
}

TEST(PanelLabels, CaptionsAreTranslated)
{
    // A caption reads English in another language only where the word is the
    // same there.
    for (int e = 0; e < PANEL_LABEL_COUNT; ++e) {
        const std::wstring english = g_panelLabelsEnglish[e];
        if (IsMarker(english) || e == 50 || e == 95 || e == 96 || e == 106 || e == 107)
            continue;
        for (int language = 1; language < LANGUAGE_COUNT; ++language) {
            const std::wstring text = (*g_panelLabels[language])[e];
            const bool sameWord = (e == 5 && (language == LANGUAGE_FRENCH || language == LANGUAGE_SPANISH)) ||
                                  ((e == 38 || e == 39) && language == LANGUAGE_FRENCH) ||
                                  (e == 128 && (language == LANGUAGE_GERMAN || language == LANGUAGE_DUTCH)) ||
                                  (e == 129 && language != LANGUAGE_GERMAN);
            if (!sameWord) {
                EXPECT_NE(english, text) << "element " << e << " language " << language;
            }
        }
    }
}

TEST(PanelLabels, SensorNamesAreNumberedInEveryLanguage)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language)
        for (int channel = 1; channel <= 5; ++channel) {
            const std::wstring name = (*g_panelLabels[language])[PANEL_FIRST_SENSOR_NAME + channel];
            EXPECT_EQ(std::to_wstring(channel), name.substr(name.size() - 1)) << language;
        }
}

TEST(WindDirectionTexts, NamesAndBearings)
{
    EXPECT_STREQ(L"NNW", g_windDirectionTextsEnglish[15]);
    EXPECT_STREQ(L"337.5", g_windDirectionTextsEnglish[16 + 15]);
    EXPECT_STREQ(L"N", g_windDirectionTextsEnglish[0]);
    EXPECT_STREQ(L"0", g_windDirectionTextsEnglish[16]);
    const wchar_t* const bearings[16] = {L"0",   L"22.5",  L"45",  L"67.5",  L"90",  L"112.5", L"135", L"157.5",
                                         L"180", L"202.5", L"225", L"247.5", L"270", L"292.5", L"315", L"337.5"};
    for (int language = 0; language < LANGUAGE_COUNT; ++language)
        for (int d = 0; d < 16; ++d)
            EXPECT_STREQ(bearings[d], (*g_windDirectionTexts[language])[16 + d]) << language << " " << d;
    const Texts8 ssw = {L"SSW", L"SSW", L"SSO", L"SSOv", L"SSO", L"ZZW", L"SSW", L"Płd / Płd-Zach"};
    const Texts8 east = {L"E", L"O", L"E", L"Or", L"E", L"O", L"E", L"Wsch"};
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        EXPECT_STREQ(ssw[language], (*g_windDirectionTexts[language])[9]) << language;
        EXPECT_STREQ(east[language], (*g_windDirectionTexts[language])[4]) << language;
    }
    EXPECT_STREQ(L"Płn.", g_windDirectionTextsPolish[0]);
    EXPECT_STREQ(L"Z", g_windDirectionTextsDutch[8]);
}

TEST(CompassWords, FourWordsPerLanguage)
{
    const Texts8 north = {L"north", L"Norden", L"Nord", L"del nord", L"del norte", L"het noorden", L"север",
                          L"Północny"};
    const Texts8 west = {L"west", L"Westen", L"ouest", L"ad ovest", L"del oeste", L"het westen", L"запад",
                         L"Zachodni"};
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        EXPECT_STREQ(north[language], CompassWordsFor(language)[0]);
        EXPECT_STREQ(west[language], CompassWordsFor(language)[3]);
    }
    EXPECT_STREQ(L"юг", g_compassWordsRussian[1]);
    EXPECT_STREQ(L"Wschodni", g_compassWordsPolish[2]);
}

TEST(LunarPhaseNames, PhasesSpanTheirIndexes)
{
    const TextTable<LUNAR_PHASE_NAME_COUNT>& en = g_lunarPhaseNamesEnglish;
    const struct {
        int first, last;
        const wchar_t* name;
    } phases[] = {{0, 1, L"New Moon"},        {2, 6, L"Waxing Crescent"},   {7, 7, L"First Quarter"},
                  {8, 13, L"Waxing Gibbous"}, {14, 15, L"Full Moon"},       {16, 21, L"Waning Gibbous"},
                  {22, 22, L"Last Quarter"},  {23, 27, L"Waning Crescent"}};
    for (const auto& phase : phases)
        for (int k = phase.first; k <= phase.last; ++k)
            EXPECT_STREQ(phase.name, en[k]) << k;
    // German has four names only.
    EXPECT_STREQ(L"Neumond", g_lunarPhaseNamesGerman[1]);
    EXPECT_STREQ(L"Zunehmender Mond", g_lunarPhaseNamesGerman[7]);
    EXPECT_STREQ(L"Vollmond", g_lunarPhaseNamesGerman[15]);
    EXPECT_STREQ(L"Abnehmender Mond", g_lunarPhaseNamesGerman[22]);
    EXPECT_STREQ(L"Waning Gibbous", g_lunarPhaseNamesItalian[16]);
    EXPECT_STREQ(L"1er quartier lune décroissante", g_lunarPhaseNamesFrench[27]);
    EXPECT_STREQ(L"Раннее полнолуние", g_lunarPhaseNamesRussian[23]);
    EXPECT_STREQ(L"Pełnia Księżyca", g_lunarPhaseNamesPolish[14]);
    EXPECT_STREQ(L"Último trimestre", g_lunarPhaseNamesSpanish[22]);
    EXPECT_STREQ(L"In de was zettende Halve maan", g_lunarPhaseNamesDutch[2]);
}

TEST(UvLevelsAndWeekdays, EveryLanguage)
{
    const Texts8 veryHigh = {L"V.HIGH",    L"SEHR STARK", L"TRÈS HAUT",     L"MOLTO SU",
                             L"MUY ARRIBA", L"ZEER HOOG", L"ОЧЕНЬ ВЫСОКОЕ", L"Bardzo Wysoko"};
    const Texts8 wednesday = {L"Wednesday", L"Mittwoch", L"Mercredi", L"Mercoledì",
                              L"Miércoles", L"Woensdag", L"Среда",    L"Środa"};
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        EXPECT_STREQ(veryHigh[language], UvLevelTextsFor(language)[3]);
        EXPECT_STREQ(wednesday[language], WeekdayNamesFor(language)[3]);
    }
    EXPECT_STREQ(L"LOW", g_uvLevelTextsEnglish[0]);
    EXPECT_STREQ(L"EXTREME", g_uvLevelTextsEnglish[4]);
    EXPECT_STREQ(L"Sunday", g_weekdayNamesEnglish[0]);
    EXPECT_STREQ(L"Saturday", g_weekdayNamesEnglish[6]);
    EXPECT_STREQ(L"Sábado", g_weekdayNamesSpanish[6]);
    EXPECT_STREQ(L"Poniedziałek", g_weekdayNamesPolish[1]);
}

TEST(FamilySelection, IdsOneToSevenPickTheirOwnArrays)
{
    EXPECT_EQ(g_panelLabelsGerman.data(), PanelLabelsFor(LANGUAGE_GERMAN));
    EXPECT_EQ(g_panelLabelsPolish.data(), PanelLabelsFor(LANGUAGE_POLISH));
    EXPECT_EQ(g_windDirectionTextsFrench.data(), WindDirectionTextsFor(LANGUAGE_FRENCH));
    EXPECT_EQ(g_compassWordsItalian.data(), CompassWordsFor(LANGUAGE_ITALIAN));
    EXPECT_EQ(g_lunarPhaseNamesSpanish.data(), LunarPhaseNamesFor(LANGUAGE_SPANISH));
    EXPECT_EQ(g_uvLevelTextsDutch.data(), UvLevelTextsFor(LANGUAGE_DUTCH));
    EXPECT_EQ(g_weekdayNamesRussian.data(), WeekdayNamesFor(LANGUAGE_RUSSIAN));
    for (int language = 0; language < LANGUAGE_COUNT; ++language)
        EXPECT_EQ(g_panelLabels[language]->data(), PanelLabelsFor(language));
}

TEST(FamilySelection, OtherIdsPickEnglish)
{
    for (int language : {0, -1, 8, 9, 255, -2147483647 - 1}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(g_panelLabelsEnglish.data(), PanelLabelsFor(language));
        EXPECT_EQ(g_windDirectionTextsEnglish.data(), WindDirectionTextsFor(language));
        EXPECT_EQ(g_compassWordsEnglish.data(), CompassWordsFor(language));
        EXPECT_EQ(g_lunarPhaseNamesEnglish.data(), LunarPhaseNamesFor(language));
        EXPECT_EQ(g_uvLevelTextsEnglish.data(), UvLevelTextsFor(language));
        EXPECT_EQ(g_weekdayNamesEnglish.data(), WeekdayNamesFor(language));
    }
}

TEST_F(CurrentViews, StartOnEnglish)
{
    // Nothing has selected a language in this test yet (the fixture restores
    // English after each test).
    EXPECT_EQ(g_panelLabelsEnglish.data(), g_currentPanelLabels);
    EXPECT_EQ(g_weekdayNamesEnglish.data(), g_currentWeekdayNames);
}

TEST_F(CurrentViews, SelectingALanguagePointsAllSixViews)
{
    PointCurrentLanguageViews(LANGUAGE_SPANISH);
    EXPECT_EQ(g_panelLabelsSpanish.data(), g_currentPanelLabels);
    EXPECT_EQ(g_windDirectionTextsSpanish.data(), g_currentWindDirectionTexts);
    EXPECT_EQ(g_compassWordsSpanish.data(), g_currentCompassWords);
    EXPECT_EQ(g_lunarPhaseNamesSpanish.data(), g_currentLunarPhaseNames);
    EXPECT_EQ(g_uvLevelTextsSpanish.data(), g_currentUvLevelTexts);
    EXPECT_EQ(g_weekdayNamesSpanish.data(), g_currentWeekdayNames);
    // In Spanish the rain-total caption reads over two lines.
    EXPECT_STREQ(L"Total de la", g_currentPanelLabels[PANEL_RAIN_TOTAL]);
    EXPECT_STREQ(L"precipitación", g_currentPanelLabels[PANEL_RAIN_TOTAL_LINE2]);
}

TEST_F(CurrentViews, DamagedLanguageIdSelectsEnglish)
{
    PointCurrentLanguageViews(LANGUAGE_RUSSIAN);
    PointCurrentLanguageViews(9);
    EXPECT_EQ(g_panelLabelsEnglish.data(), g_currentPanelLabels);
    EXPECT_EQ(g_windDirectionTextsEnglish.data(), g_currentWindDirectionTexts);
    EXPECT_EQ(g_compassWordsEnglish.data(), g_currentCompassWords);
    EXPECT_EQ(g_lunarPhaseNamesEnglish.data(), g_currentLunarPhaseNames);
    EXPECT_EQ(g_uvLevelTextsEnglish.data(), g_currentUvLevelTexts);
    EXPECT_EQ(g_weekdayNamesEnglish.data(), g_currentWeekdayNames);
    EXPECT_STREQ(L"", g_currentPanelLabels[PANEL_RAIN_TOTAL_LINE2]);
}

TEST(UnitCaptions, CaptionStemPlusUnitInBrackets)
{
    // How the display builds a caption: stem, a blank, the unit in brackets.
    const auto caption = [](int language, int stem, int unitRow) {
        return std::wstring(PanelLabelsFor(language)[stem]) + L" (" + TextAt(g_unitTexts, unitRow, language) + L")";
    };
    EXPECT_EQ(L"Давление (ммРтст)", caption(LANGUAGE_RUSSIAN, PANEL_PRESSURE, UNIT_ROW_PRESSURE + 2));
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const std::wstring pressure = caption(language, PANEL_PRESSURE, UNIT_ROW_PRESSURE + 1);
        EXPECT_EQ(L"(mBar/hPa)", pressure.substr(pressure.size() - 10)) << language;
        const std::wstring wind = caption(language, 130, UNIT_ROW_WIND + 3);
        EXPECT_EQ(L"(mph)", wind.substr(wind.size() - 5)) << language;
    }
}

}  // namespace
