// The sixteen layout variants and the relayout decision, on element arrays without a window.
#include "tests/display/LayoutTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct HiddenRange {
    bool upper;
    int variant;
    int first, last;
};

// Boxes each variant hides (the variant table of the panel layout).
const HiddenRange kHidden[] = {
    {true, 0, 0, 23},    {true, 1, 2, 6},     {true, 1, 8, 23},    {true, 2, 1, 1},     {true, 2, 7, 7},
    {true, 2, 10, 23},   {true, 3, 10, 23},   {true, 4, 0, 9},     {true, 5, 2, 6},     {true, 5, 8, 9},
    {true, 6, 1, 1},     {true, 6, 7, 7},     {false, 0, 117, 145}, {false, 0, 157, 161}, {false, 1, 128, 145},
    {false, 1, 160, 161}, {false, 2, 117, 127}, {false, 2, 136, 139}, {false, 2, 157, 159}, {false, 3, 136, 139},
    {false, 4, 117, 127}, {false, 4, 129, 136}, {false, 4, 157, 161}, {false, 5, 129, 136}, {false, 5, 160, 161},
    {false, 6, 117, 127}, {false, 6, 157, 159},
};

bool InPanel(bool upper, int k)
{
    if (upper)
        return k <= UPPER_PANEL_LAST;
    return k >= LOWER_PANEL_FIRST && !(k >= 146 && k <= 149) && k != 154;
}

bool ExpectedHidden(bool upper, int variant, int k)
{
    for (const HiddenRange& r : kHidden) {
        if (r.upper == upper && r.variant == variant && k >= r.first && k <= r.last)
            return true;
    }
    return false;
}

void RunVariant(TestLayout& layout, bool upper, int variant)
{
    if (upper)
        layout.RunUpperVariant(variant);
    else
        layout.RunLowerVariant(variant);
}

// A move of the variant table: the element's box against its table box. (The UV frame reaches 3
// pixels lower than the variant table has it in the UV layouts, and the wind frame moved up 7: each
// keeps the UV index and the wind chart off its bottom line.)
struct Move {
    bool upper;
    int variant;
    int element;
    int dx, dy;
    int width, height;  // 0, 0: the table size
};

const Move kMoves[] = {
    {true, 0, 24, 0, -410, 350, 607},   {true, 0, 25, 0, -410, 330, 231},  {true, 0, 26, 44, -355, 0, 0},
    {true, 0, 31, 88, -355, 0, 0},      {true, 0, 32, -218, -174, 330, 110}, {true, 0, 35, -108, -174, 0, 0},
    {true, 0, 36, 0, -171, 330, 231},   {true, 0, 37, 54, -127, 0, 0},     {true, 0, 42, 55, -127, 0, 0},
    {true, 0, 38, -119, -49, 0, 0},     {true, 0, 44, -51, -49, 0, 0},     {true, 1, 0, 0, 0, 350, 130},
    {true, 1, 7, -60, 0, 0, 0},         {true, 1, 24, 0, -277, 350, 474},  {true, 1, 25, 0, -277, 330, 272},
    {true, 1, 29, 88, -201, 0, 0},      {true, 1, 32, -218, 0, 330, 110},  {true, 2, 0, 0, 0, 350, 403},
    {true, 2, 9, 0, 0, 333, 263},       {true, 3, 9, 0, 0, 333, 263},      {true, 4, 10, 0, -283, 350, 296},
    {true, 4, 11, 0, -113, 0, 0},       {true, 4, 13, 0, -59, 0, 0},       {true, 4, 22, 150, -113, 0, 0},
    {true, 4, 23, -138, -279, 290, 219}, {true, 4, 24, 0, -113, 350, 310}, {true, 4, 30, 44, -113, 0, 0},
    {true, 5, 10, 0, -150, 350, 276},   {true, 5, 19, 0, 54, 0, 0},        {true, 5, 20, 150, 0, 0, 0},
    {true, 5, 23, -138, -146, 290, 199}, {false, 0, 52, 0, 0, 578, 607},   {false, 0, 89, 0, 305, 0, 0},
    {false, 0, 156, 0, 305, 0, 0},      {false, 1, 117, 0, 0, 578, 301},   {false, 1, 122, 0, 10, 0, 0},
    {false, 1, 158, 0, 20, 0, 0},       {false, 1, 126, 0, 30, 0, 0},      {false, 2, 128, 0, -127, 578, 308},
    {false, 2, 160, 0, -90, 0, 0},      {false, 2, 135, 0, -85, 0, 0},     {false, 2, 145, 0, -126, 295, 295},
    {false, 3, 161, 0, 5, 0, 0},        {false, 3, 140, 0, -15, 0, 0},     {false, 3, 142, 0, -5, 0, 0},
    {false, 4, 139, 0, -23, 0, 0},      {false, 4, 141, 0, -10, 0, 0},     {false, 5, 137, 0, -45, 0, 0},
    {false, 6, 136, 0, -30, 0, 0},      {false, 6, 145, 0, -126, 295, 275},
};

}  // namespace

TEST(PanelVariants, EachVariantHidesExactlyItsBoxesOffScreenInEveryLanguage)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        TestLayout layout(language);
        for (bool upper : {true, false}) {
            for (int variant = 0; variant < 8; ++variant) {
                RunVariant(layout, upper, variant);
                for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k) {
                    if (!InPanel(upper, k))
                        continue;
                    const bool hidden = ExpectedHidden(upper, variant, k);
                    EXPECT_EQ(layout.Hidden(k), hidden)
                        << "language " << language << (upper ? " upper " : " lower ") << variant << " element " << k;
                    if (hidden) {
                        EXPECT_EQ(layout.Caption(k), L"null");
                    }
                }
            }
        }
    }
}

TEST(PanelVariants, MovesAndSizesOfTheVariantTableHoldInEveryLanguage)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        TestLayout layout(language);
        const LanguageGeometry g = GeometryFor(language);
        for (const Move& m : kMoves) {
            RunVariant(layout, m.upper, m.variant);
            const int k = m.element;
            const TestLayout::Box expected{g.x[k] + m.dx, g.y[k] + m.dy, m.width ? m.width : g.width[k],
                                           m.height ? m.height : g.height[k]};
            EXPECT_EQ(layout.At(k), expected) << "language " << language << (m.upper ? " upper " : " lower ")
                                              << m.variant << " element " << k;
        }
    }
}

TEST(PanelVariants, PressureTextsMoveRightBy65InEnglishAnd81WithTheOtherTablesWhenTheForecastIsHidden)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const int shift = language == LANGUAGE_ENGLISH ? 65 : 81;
        const LanguageGeometry g = GeometryFor(language);
        for (int variant : {2, 6}) {
            TestLayout layout(language);
            layout.RunUpperVariant(variant);
            for (int k = 2; k <= 6; ++k) {
                EXPECT_EQ(layout.At(k).x, g.x[k] + shift) << language << " " << k;
                EXPECT_EQ(layout.At(k).y, g.y[k]);
            }
            EXPECT_TRUE(layout.Hidden(1));
            EXPECT_TRUE(layout.Hidden(7));
        }
    }
}

TEST(PanelVariants, TheLargeChartsOfTheEmptiedPanelsHaveTheSameSizeInEveryLanguage)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        TestLayout layout(language);
        const LanguageGeometry g = GeometryFor(language);
        layout.RunLowerVariant(0);
        // The temperature chart moves to the left edge of the column heads and fills the box.
        EXPECT_EQ(layout.At(56), (TestLayout::Box{g.x[53], g.y[56], 558, 363})) << language;
        EXPECT_EQ(layout.At(56).x, g.x[56] - 98);
        layout.RunLowerVariant(1);
        const int rainChartHeight = language == LANGUAGE_RUSSIAN ? 231 : 220;
        EXPECT_EQ(layout.At(127), (TestLayout::Box{g.x[127] - 116, g.y[127] + 48, 401, rainChartHeight})) << language;
    }
}

TEST(PanelVariants, HiddenBoxesLieBeyondTheClientAreaAndKeepTheirLastSize)
{
    TestLayout layout;
    layout.RunLowerVariant(2);  // wind box widened to 578 x 308
    layout.RunLowerVariant(1);  // and hidden
    EXPECT_EQ(layout.At(128), (TestLayout::Box{TEST_CLIENT_WIDTH + 100, TEST_CLIENT_HEIGHT + 100, 578, 308}));
    layout.RunUpperVariant(4);
    EXPECT_EQ(layout.At(9).x, TEST_CLIENT_WIDTH + 100);
    EXPECT_EQ(layout.At(9).w, GeometryFor(LANGUAGE_ENGLISH).width[9]);
}

TEST(PanelVariants, AVariantGivesTheSameShownBoxesWhateverVariantRanBefore)
{
    for (bool upper : {true, false}) {
        for (int variant = 0; variant < 8; ++variant) {
            TestLayout fresh;
            RunVariant(fresh, upper, variant);
            for (int before = 0; before < 8; ++before) {
                TestLayout layout;
                RunVariant(layout, upper, before);
                RunVariant(layout, upper, variant);
                for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k) {
                    if (!InPanel(upper, k))
                        continue;
                    if (fresh.Hidden(k)) {
                        EXPECT_TRUE(layout.Hidden(k));
                        continue;
                    }
                    EXPECT_EQ(layout.At(k), fresh.At(k)) << variant << " after " << before << " element " << k;
                }
            }
        }
    }
}

TEST(PanelVariants, SwitchesFromADamagedFileShowEveryBox)
{
    DisplaySwitches s;
    s.m_showForecast = 1;
    s.m_showPressure = 0;
    s.m_showUv = 1;
    EXPECT_EQ(UpperVariantOf(s), 5);
    s.m_showPressure = 2;
    EXPECT_EQ(UpperVariantOf(s), ALL_SHOWN_VARIANT);
    s.m_showRain = -1;
    EXPECT_EQ(LowerVariantOf(s), ALL_SHOWN_VARIANT);
    s.m_showRain = 0;
    s.m_showWindSpeed = 0;
    s.m_showWindDirection = 1;
    EXPECT_EQ(LowerVariantOf(s), 4);

    TestLayout layout;
    layout.RunUpperVariant(12);
    EXPECT_FALSE(layout.Hidden(1));
    EXPECT_FALSE(layout.Hidden(23));
}

TEST(PanelRelayout, OnlyThePanelWhoseSwitchesOrChartViewsChangedIsLaidOutAgain)
{
    TestLayout layout;
    DisplaySwitches s;
    s.m_showUv = 1;  // every box shown
    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);  // nothing applied yet: both panels
    EXPECT_EQ(layout.upperRuns, std::vector<int>{7});
    EXPECT_EQ(layout.lowerRuns, std::vector<int>{7});

    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);  // the same again: nothing
    EXPECT_EQ(layout.upperRuns.size(), 1u);
    EXPECT_EQ(layout.lowerRuns.size(), 1u);

    s.m_pressureView = 2;  // bar to line: the upper panel only
    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);
    EXPECT_EQ(layout.upperRuns.size(), 2u);
    EXPECT_EQ(layout.lowerRuns.size(), 1u);

    s.m_windDirectionView = 1;  // the lower panel only
    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);
    EXPECT_EQ(layout.upperRuns.size(), 2u);
    EXPECT_EQ(layout.lowerRuns.size(), 2u);

    s.m_showUv = 0;
    s.m_showRain = 0;
    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);
    EXPECT_EQ(layout.upperRuns.back(), 3);
    EXPECT_EQ(layout.lowerRuns.back(), 6);
    EXPECT_EQ(layout.m_appliedChartType[APPLIED_PRESSURE], 2);
    EXPECT_EQ(layout.m_appliedChartType[APPLIED_WIND_DIRECTION], 1);

    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, true);  // forced: both
    EXPECT_EQ(layout.upperRuns.size(), 4u);
    EXPECT_EQ(layout.lowerRuns.size(), 4u);
}

TEST(PanelRelayout, ChannelNamesStayThroughALanguageChangeAndEveryRelayout)
{
    TestLayout layout(LANGUAGE_ENGLISH);
    DisplaySwitches s;
    s.m_showUv = 1;  // every box shown
    layout.RelayoutPanels(s, LANGUAGE_ENGLISH, false);
    layout.Select(LANGUAGE_GERMAN);
    layout.RelayoutPanels(s, LANGUAGE_GERMAN, true);
    EXPECT_EQ(layout.Caption(84), L"Kitchen");
    EXPECT_EQ(layout.Caption(89), L"Pond");
    EXPECT_EQ(layout.Caption(0), L"Luftdruck");       // the German labels
    EXPECT_EQ(layout.Caption(95), L"Max");
    s.m_showWindSpeed = 0;
    layout.RelayoutPanels(s, LANGUAGE_GERMAN, false);
    EXPECT_EQ(layout.Caption(85), L"Garden");
    EXPECT_EQ(GeometryFor(LANGUAGE_GERMAN).width[ELEM_SEA_LEVEL_VALUE], layout.At(4).w);
}

TEST(PanelRelayout, ALanguageIdOutsideTheEightUsesTheEnglishTablesAndTexts)
{
    TestLayout layout(9);
    const LanguageGeometry english = GeometryFor(LANGUAGE_ENGLISH);
    EXPECT_EQ(GeometryFor(-1).x, english.x);
    EXPECT_EQ(g_layoutWidth, english.width);
    EXPECT_EQ(layout.At(4).w, 90);
    EXPECT_EQ(layout.Caption(0), L"Atmospheric pressure");
    EXPECT_STREQ(g_currentWeekdayNames[0], L"Sunday");
}

TEST(PanelGeometry, EveryElementHasAPlaceAndEveryLanguageItsOwnTables)
{
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        const LanguageGeometry g = GeometryFor(language);
        for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k)
            EXPECT_TRUE(g.x[k] > 0 && g.y[k] > 0) << language << " element " << k;
        // The rows the layout fixes (the charts' sizes are those of their saved pictures), and the
        // narrower sea-level field of the other languages.
        EXPECT_EQ(g.width[ELEM_SEA_LEVEL_VALUE], language == LANGUAGE_ENGLISH ? 90 : 74);
        const std::pair<int, TestLayout::Box> fixed[] = {{0, {10, 5, 350, 280}},    {9, {25, 143, 333, 140}},
                                                         {52, {370, 5, 578, 302}},  {56, {480, 20, 458, 155}},
                                                         {145, {650, 447, 295, 160}}, {149, {757, 635, 180, 37}}};
        for (const auto& [k, box] : fixed)
            EXPECT_EQ((TestLayout::Box{g.x[k], g.y[k], g.width[k], g.height[k]}), box) << language << " element " << k;
        for (int other = 0; other < language; ++other) {
            const LanguageGeometry h = GeometryFor(other);
            EXPECT_NE(g.x, h.x);
            bool differs = false;
            for (int k = 0; k < DISPLAY_ELEMENT_COUNT; ++k)
                differs = differs || g.x[k] != h.x[k] || g.y[k] != h.y[k] || g.height[k] != h.height[k];
            EXPECT_TRUE(differs) << language << " and " << other << " share their tables";
        }
    }
}
