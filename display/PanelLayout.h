// The main window's panel layout: the element arrays and the sixteen layout variants.
//
// Each panel has eight variants, chosen by its three display switches (variant = first + 2 x
// second + 4 x third); variant 7 shows every box at its table place, the others hide the boxes
// that are switched off (off-screen, caption "null") and move and enlarge the remaining ones.
// Every variant starts from the current language's tables (PanelGeometry.h), so its result does
// not depend on the variant before it.
//
// The main dialog derives from CPanelLayout; tests use it without a window.
#pragma once
#include "display/PanelElements.h"
#include "platform/ui/UiString.h"
#include "records/DisplaySwitches.h"

#include <string>
#include <vector>

constexpr int ALL_SHOWN_VARIANT = 7;

// Variant of each panel. A switch that is neither 0 nor 1 (a damaged settings file) gives the
// variant with every box shown.
int UpperVariantOf(const DisplaySwitches& switches);
int LowerVariantOf(const DisplaySwitches& switches);

// Indexes of m_appliedChartType.
enum AppliedChart { APPLIED_PRESSURE, APPLIED_UV, APPLIED_RAIN, APPLIED_WIND_SPEED, APPLIED_WIND_DIRECTION };

class CPanelLayout {
public:
    virtual ~CPanelLayout() = default;

    // ---- element arrays (empty until the first language selection) -----------------------------
    std::vector<int> m_elemX, m_elemY, m_elemW, m_elemH;
    std::vector<CString> m_elemCaption;
    int m_clientWidth = 0;    // client size taken at start-up; hidden elements lie beyond it
    int m_clientHeight = 0;
    int m_appliedUpperVariant = -1;
    int m_appliedLowerVariant = -1;
    int m_appliedChartType[5] = {};

    bool HasElements() const { return m_elemCaption.size() == static_cast<std::size_t>(DISPLAY_ELEMENT_COUNT); }
    bool IsHidden(int element) const;

    // Stores x and y and the caption; width and height only when both are nonzero.
    void SetElement(int index, int x, int y, int width, int height, const wchar_t* caption);

    // Allocates the arrays anew from the language's tables and labels (ids outside 1..7:
    // English), points the current tables and text views at the language, and puts the channel
    // names into elements 84..89.
    void LoadLanguageElements(int language, const std::wstring (&channelNames)[6]);

    // Relays each panel whose variant or chart views differ from the applied ones (both when
    // forced): its labels are copied again from the current language, its variant runs, then
    // OnUpperPanelLaidOut / OnLowerPanelLaidOut; the applied state is remembered. The channel
    // names (84..89) are never overwritten. Does nothing before the arrays exist.
    void RelayoutPanels(const DisplaySwitches& switches, int language, bool force);

    // ---- the sixteen variants -------------------------------------------------------------------
    void LayoutUpperNone();
    void LayoutUpperForecast();
    void LayoutUpperPressure();
    void LayoutUpperForecastPressure();
    void LayoutUpperUv();
    void LayoutUpperForecastUv();
    void LayoutUpperPressureUv();
    void LayoutUpperForecastPressureUv();
    void LayoutLowerNone();
    void LayoutLowerRain();
    void LayoutLowerWindSpeed();
    void LayoutLowerRainWindSpeed();
    void LayoutLowerWindDirection();
    void LayoutLowerRainWindDirection();
    void LayoutLowerWindSpeedWindDirection();
    void LayoutLowerRainWindSpeedWindDirection();
    // The width a sensor name of the legend (84..89) is drawn in: from its x to the nearest shown
    // element right of it on its line in the lower panel (a row head, a sensor list), less a gap of
    // two blanks, and never past the temperature box's frame. A longer name ends in an ellipsis.
    int LegendNameRoom(int element, int language) const;
    // Runs variant 0..7 of a panel (anything else: variant 7).
    void RunUpperVariant(int variant);
    void RunLowerVariant(int variant);

protected:
    // Called after a panel's variant ran: captions with units, control positions, painting.
    virtual void OnUpperPanelLaidOut(int /*variant*/) {}
    virtual void OnLowerPanelLaidOut(int /*variant*/) {}

private:
    // Element at its table place, moved by dx, dy, with the given size (0, 0: its table size).
    void Place(int element, int dx = 0, int dy = 0, int width = 0, int height = 0);
    void PlaceRange(int first, int last, int dx = 0, int dy = 0);
    void Hide(int element);
    void HideRange(int first, int last);
    // The sunrise side (26, 28, 30) moves by sunriseDx, the sunset side (27, 29, 31) by sunsetDx.
    void PlaceSunTimes(int sunriseDx, int sunsetDx, int dy);
    // Pressure texts 2..6 moved right to the middle of the box (forecast hidden).
    void ShiftPressureTexts();
    // Only the forecast left in the pressure box: the box shrinks, its picture moves to the middle.
    void ShrinkPressureBoxToForecast();
    // The moon frame across the whole sun and moon box, below the sunrise and sunset.
    void PlaceMoonFrameFullWidth(int dy);
    void PlaceTemperatureBox();
    void PlaceRainBox();
    // The rain box hidden, the wind box moved up and widened into its room.
    void PlaceWindBoxUp(int chartHeight);
    // Wind speed and gust rows in the wind box moved up.
    void PlaceWindSpeedRowsUp();
    // The separator above the wind chill up by 15, the wind chill by dy.
    void PlaceWindChillUp(int dy);
    void CopyLabels(int first, int last);
};
