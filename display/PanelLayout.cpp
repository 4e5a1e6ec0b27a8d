#include "display/PanelLayout.h"

#include "display/PanelGeometry.h"
#include "display/PanelLabels.h"
#include "texts/TextTables.h"

#include <algorithm>

namespace {

constexpr int TEMPERATURE_FRAME = 52;
constexpr int FRAME_EDGE = 3;        // a frame's etched line and a pixel clear of it
constexpr int LEGEND_NAME_GAP = 6;   // two blanks of the painted labels' font

bool IsFrameElement(int element)
{
    return std::any_of(std::begin(kPanelFrames), std::end(kPanelFrames),
                       [element](const FrameElement& f) { return f.element == element; });
}

bool IsPaintedLabel(int element)
{
    return std::find(std::begin(kPaintedLabels), std::end(kPaintedLabels), element) != std::end(kPaintedLabels);
}

bool IsSwitch(int value) { return value == 0 || value == 1; }

int VariantOf(int first, int second, int third)
{
    if (!IsSwitch(first) || !IsSwitch(second) || !IsSwitch(third))
        return ALL_SHOWN_VARIANT;
    return first + 2 * second + 4 * third;
}

bool InRange(int index) { return index >= 0 && index < DISPLAY_ELEMENT_COUNT; }

}  // namespace

int UpperVariantOf(const DisplaySwitches& s) { return VariantOf(s.m_showForecast, s.m_showPressure, s.m_showUv); }

int LowerVariantOf(const DisplaySwitches& s) { return VariantOf(s.m_showRain, s.m_showWindSpeed, s.m_showWindDirection); }

bool CPanelLayout::IsHidden(int element) const
{
    return HasElements() && InRange(element) && m_elemX[element] == m_clientWidth + 100 &&
           m_elemY[element] == m_clientHeight + 100;
}

int CPanelLayout::LegendNameRoom(int element, int language) const
{
    if (!HasElements() || !InRange(element))
        return 0;
    const int left = m_elemX[element], top = m_elemY[element];
    const int bottom = top + PanelLabelFont(element, language).height;
    int right = m_elemX[TEMPERATURE_FRAME] + m_elemW[TEMPERATURE_FRAME] - FRAME_EDGE;
    for (int k = LOWER_PANEL_FIRST; k < DISPLAY_ELEMENT_COUNT; ++k) {
        if (k == element || IsHidden(k) || IsFrameElement(k) || m_elemX[k] <= left)
            continue;
        int kBottom = m_elemY[k] + m_elemH[k];
        if (IsPaintedLabel(k)) {
            if (m_elemCaption[k].IsEmpty() || m_elemCaption[k] == HIDDEN_CAPTION)
                continue;
            kBottom = m_elemY[k] + PanelLabelFont(k, language).height;
        }
        if (m_elemY[k] < bottom && top < kBottom)
            right = std::min(right, m_elemX[k]);
    }
    return std::max(1, right - left - LEGEND_NAME_GAP);
}

void CPanelLayout::SetElement(int index, int x, int y, int width, int height, const wchar_t* caption)
{
    if (!HasElements() || !InRange(index))
        return;
    m_elemX[index] = x;
    m_elemY[index] = y;
    if (width != 0 && height != 0) {
        m_elemW[index] = width;
        m_elemH[index] = height;
    }
    m_elemCaption[index] = caption ? caption : L"";
}

void CPanelLayout::LoadLanguageElements(int language, const std::wstring (&channelNames)[6])
{
    PointLayoutTables(language);
    PointCurrentLanguageViews(language);
    m_elemX.assign(g_layoutX, g_layoutX + DISPLAY_ELEMENT_COUNT);
    m_elemY.assign(g_layoutY, g_layoutY + DISPLAY_ELEMENT_COUNT);
    m_elemW.assign(g_layoutWidth, g_layoutWidth + DISPLAY_ELEMENT_COUNT);
    m_elemH.assign(g_layoutHeight, g_layoutHeight + DISPLAY_ELEMENT_COUNT);
    m_elemCaption.assign(DISPLAY_ELEMENT_COUNT, CString());
    CopyLabels(0, DISPLAY_ELEMENT_COUNT - 1);
    for (int i = 0; i < 6; ++i)
        m_elemCaption[ELEM_FIRST_SENSOR_NAME + i] = channelNames[i];
}

void CPanelLayout::CopyLabels(int first, int last)
{
    for (int k = first; k <= last; ++k)
        m_elemCaption[k] = g_currentPanelLabels[k];
}

void CPanelLayout::RelayoutPanels(const DisplaySwitches& s, int language, bool force)
{
    if (!HasElements())
        return;
    const int upper = UpperVariantOf(s);
    if (force || upper != m_appliedUpperVariant || s.m_pressureView != m_appliedChartType[APPLIED_PRESSURE] ||
        s.m_uvView != m_appliedChartType[APPLIED_UV]) {
        PointCurrentLanguageViews(language);
        CopyLabels(0, UPPER_PANEL_LAST);
        RunUpperVariant(upper);
        OnUpperPanelLaidOut(upper);
        m_appliedUpperVariant = upper;
        m_appliedChartType[APPLIED_PRESSURE] = s.m_pressureView;
        m_appliedChartType[APPLIED_UV] = s.m_uvView;
    }
    const int lower = LowerVariantOf(s);
    if (force || lower != m_appliedLowerVariant || s.m_rainView != m_appliedChartType[APPLIED_RAIN] ||
        s.m_windSpeedView != m_appliedChartType[APPLIED_WIND_SPEED] ||
        s.m_windDirectionView != m_appliedChartType[APPLIED_WIND_DIRECTION]) {
        PointCurrentLanguageViews(language);
        CopyLabels(47, ELEM_FIRST_SENSOR_NAME - 1);  // the channel names 84..89 stay
        CopyLabels(ELEM_FIRST_SENSOR_NAME + 6, DISPLAY_ELEMENT_COUNT - 1);
        RunLowerVariant(lower);
        OnLowerPanelLaidOut(lower);
        m_appliedLowerVariant = lower;
        m_appliedChartType[APPLIED_RAIN] = s.m_rainView;
        m_appliedChartType[APPLIED_WIND_SPEED] = s.m_windSpeedView;
        m_appliedChartType[APPLIED_WIND_DIRECTION] = s.m_windDirectionView;
    }
}

void CPanelLayout::RunUpperVariant(int variant)
{
    switch (variant) {
    case 0: LayoutUpperNone(); break;
    case 1: LayoutUpperForecast(); break;
    case 2: LayoutUpperPressure(); break;
    case 3: LayoutUpperForecastPressure(); break;
    case 4: LayoutUpperUv(); break;
    case 5: LayoutUpperForecastUv(); break;
    case 6: LayoutUpperPressureUv(); break;
    default: LayoutUpperForecastPressureUv(); break;
    }
}

void CPanelLayout::RunLowerVariant(int variant)
{
    switch (variant) {
    case 0: LayoutLowerNone(); break;
    case 1: LayoutLowerRain(); break;
    case 2: LayoutLowerWindSpeed(); break;
    case 3: LayoutLowerRainWindSpeed(); break;
    case 4: LayoutLowerWindDirection(); break;
    case 5: LayoutLowerRainWindDirection(); break;
    case 6: LayoutLowerWindSpeedWindDirection(); break;
    default: LayoutLowerRainWindSpeedWindDirection(); break;
    }
}

// ---- helpers of the variants ---------------------------------------------------------------------

void CPanelLayout::Place(int element, int dx, int dy, int width, int height)
{
    if (!HasElements() || !InRange(element))
        return;
    const CString caption = m_elemCaption[element];
    SetElement(element, g_layoutX[element] + dx, g_layoutY[element] + dy, width ? width : g_layoutWidth[element],
               height ? height : g_layoutHeight[element], caption.GetString());
    if (width == 0 && height == 0) {
        // A label has no size in the table: it takes the table's zero size back.
        m_elemW[element] = g_layoutWidth[element];
        m_elemH[element] = g_layoutHeight[element];
    }
}

void CPanelLayout::PlaceRange(int first, int last, int dx, int dy)
{
    for (int k = first; k <= last; ++k)
        Place(k, dx, dy);
}

void CPanelLayout::Hide(int element)
{
    SetElement(element, m_clientWidth + 100, m_clientHeight + 100, 0, 0, HIDDEN_CAPTION);
}

void CPanelLayout::HideRange(int first, int last)
{
    for (int k = first; k <= last; ++k)
        Hide(k);
}

void CPanelLayout::PlaceSunTimes(int sunriseDx, int sunsetDx, int dy)
{
    for (int k = 26; k <= 31; k += 2)
        Place(k, sunriseDx, dy);
    for (int k = 27; k <= 31; k += 2)
        Place(k, sunsetDx, dy);
}

void CPanelLayout::ShiftPressureTexts()
{
    const int shift = g_layoutWidth[ELEM_PRESSURE_FRAME] / 2 - g_layoutWidth[ELEM_SEA_LEVEL_VALUE] - 20;
    PlaceRange(2, 6, shift, 0);
}
