// The sixteen layout variants. Each sets every element of its panel from the current language's
// tables: shown boxes at their table place or moved and enlarged to fill the room of the hidden
// ones, hidden boxes off-screen. The moves are the same for every language; the languages differ
// only through their tables.
#include "display/PanelLayout.h"

#include "display/PanelGeometry.h"

// ---- upper panel: forecast (1), pressure (2), UV (4) ------------------------------------------------

namespace {

// The sun, moon and location box when the pressure and UV boxes above it are gone: the sunrise and
// sunset times spread over the wider frame, the moon frame takes the full width below it.
constexpr int SUNRISE_SPREAD = 44;
constexpr int SUNSET_SPREAD = 88;
constexpr int MOON_FRAME_DX = -218;
constexpr int MOON_CONTENT_DX = -108;
// With the UV box alone or under the forecast, the UV index stands under the UV chart at the bottom
// of the box: the frame reaches UV_FRAME_BELOW pixels lower, so that the UV index and its value keep
// off its bottom line.
constexpr int UV_FRAME_BELOW = 3;

}  // namespace

void CPanelLayout::ShrinkPressureBoxToForecast()
{
    Place(0, 0, 0, 350, 130);
    Place(1);
    HideRange(2, 6);
    Place(7, -60, 0);
    m_elemCaption[7] = HIDDEN_CAPTION;
}

void CPanelLayout::PlaceMoonFrameFullWidth(int dy)
{
    Place(32, MOON_FRAME_DX, dy, 330, 110);
    PlaceRange(33, 35, MOON_CONTENT_DX, dy);
}

void CPanelLayout::LayoutUpperNone()
{
    HideRange(0, 23);
    Place(24, 0, -410, 350, 607);
    Place(25, 0, -410, 330, 231);
    PlaceSunTimes(SUNRISE_SPREAD, SUNSET_SPREAD, -355);
    PlaceMoonFrameFullWidth(-174);
    Place(36, 0, -171, 330, 231);
    Place(37, 54, -127);
    Place(42, 55, -127);
    Place(38, -119, -49);
    Place(39, -52, -49);
    Place(43, -118, -49);
    Place(44, -51, -49);
    PlaceRange(40, 41);
    PlaceRange(45, 46);
}

void CPanelLayout::LayoutUpperForecast()
{
    ShrinkPressureBoxToForecast();
    HideRange(8, 23);
    Place(24, 0, -277, 350, 474);
    Place(25, 0, -277, 330, 272);
    PlaceSunTimes(SUNRISE_SPREAD, SUNSET_SPREAD, -201);
    PlaceMoonFrameFullWidth(0);
    PlaceRange(36, 46);
}

void CPanelLayout::LayoutUpperPressure()
{
    Place(0, 0, 0, 350, 403);
    Hide(1);
    ShiftPressureTexts();
    Hide(7);
    Place(8);
    Place(9, 0, 0, 333, 263);
    HideRange(10, 23);
    PlaceRange(24, 46);
}

void CPanelLayout::LayoutUpperForecastPressure()
{
    Place(0, 0, 0, 350, 403);
    PlaceRange(1, 8);
    Place(9, 0, 0, 333, 263);
    HideRange(10, 23);
    PlaceRange(24, 46);
}

void CPanelLayout::LayoutUpperUv()
{
    HideRange(0, 9);
    Place(10, 0, -283, 350, 293 + UV_FRAME_BELOW);
    Place(11, 0, -113);
    PlaceRange(12, 14, 0, -59);
    PlaceRange(15, 17, 150, -113);
    PlaceRange(18, 19, 0, -59);
    PlaceRange(20, 22, 150, -113);
    Place(23, -138, -279, 290, 219);
    Place(24, 0, -113, 350, 310);
    // The sunrise and sunset frame takes the width its spread contents need.
    Place(25, 0, -113, 330, g_layoutHeight[25]);
    PlaceSunTimes(SUNRISE_SPREAD, SUNSET_SPREAD, -113);
    PlaceMoonFrameFullWidth(0);
    PlaceRange(36, 46);
}

void CPanelLayout::LayoutUpperForecastUv()
{
    ShrinkPressureBoxToForecast();
    HideRange(8, 9);
    Place(10, 0, -150, 350, 273 + UV_FRAME_BELOW);
    Place(11);
    PlaceRange(12, 14, 0, 54);
    PlaceRange(15, 17, 150, 0);
    PlaceRange(18, 19, 0, 54);
    PlaceRange(20, 22, 150, 0);
    Place(23, -138, -146, 290, 199);
    PlaceRange(24, 46);
}

void CPanelLayout::LayoutUpperPressureUv()
{
    Place(0);
    Hide(1);
    ShiftPressureTexts();
    Hide(7);
    PlaceRange(8, 46);
}

void CPanelLayout::LayoutUpperForecastPressureUv() { PlaceRange(0, UPPER_PANEL_LAST); }

// ---- lower panel: rain (1), wind speed (2), wind direction (4) ------------------------------------

namespace {

// The temperature box's table contents other than its frame and chart.
template <class F>
void ForTemperatureContents(F&& f)
{
    for (int k = 53; k <= 116; ++k) {
        if (k != 56)
            f(k);
    }
    for (int k = 150; k <= 153; ++k)
        f(k);
    f(ELEM_TEMPERATURE_LINE2);
    f(ELEM_DEWPOINT_LINE2);
}

// The wind box moved up into the room of the rain box, full width, reaching down below its chart
// (126 pixels up, 295 high with the wind speed or the direction alone).
constexpr int WIND_BOX_UP = -127;
constexpr int WIND_UP_FRAME_HEIGHT = 308;

}  // namespace

void CPanelLayout::PlaceTemperatureBox()
{
    PlaceRange(52, 116);
    PlaceRange(150, 153);
    Place(ELEM_TEMPERATURE_LINE2);
    Place(ELEM_DEWPOINT_LINE2);
}

void CPanelLayout::PlaceRainBox() { PlaceRange(117, 127); PlaceRange(157, 159); }

void CPanelLayout::PlaceWindBoxUp(int chartHeight)
{
    HideRange(117, 127);
    HideRange(157, 159);
    Place(128, 0, WIND_BOX_UP, 578, WIND_UP_FRAME_HEIGHT);
    Place(145, 0, -126, 295, chartHeight);
    Place(143);
    Place(144);
}

void CPanelLayout::PlaceWindSpeedRowsUp()
{
    PlaceRange(129, 132, 0, -90);
    Place(ELEM_WIND_SPEED_LINE2, 0, -90);
    PlaceRange(133, 135, 0, -85);
    Place(ELEM_GUST_SPEED_LINE2, 0, -85);
}

void CPanelLayout::PlaceWindChillUp(int dy)
{
    Place(140, 0, -15);
    PlaceRange(141, 142, 0, dy);
}

void CPanelLayout::LayoutLowerNone()
{
    // The temperature box grows over the rain and wind boxes to two pixels below the wind frame;
    // its contents move down by the growth, the chart takes the width and the height above them.
    const int growth = g_layoutY[128] + g_layoutHeight[128] + 2 - (g_layoutY[52] + g_layoutHeight[52]);
    Place(52, 0, 0, g_layoutWidth[52], g_layoutHeight[52] + growth);
    const int chartHeight = g_layoutY[53] + growth - g_layoutY[52] - 90;
    SetElement(56, g_layoutX[53], g_layoutY[56], g_layoutWidth[52] - 20, chartHeight, m_elemCaption[56].GetString());
    ForTemperatureContents([&](int k) { Place(k, 0, growth); });
    HideRange(117, 145);
    HideRange(157, 161);
}

void CPanelLayout::LayoutLowerRain()
{
    PlaceTemperatureBox();
    Place(117, 0, 0, 578, 301);
    PlaceRange(118, 120);
    PlaceRange(121, 122, 0, 10);
    PlaceRange(123, 124, 0, 20);
    Place(158, 0, 20);
    PlaceRange(125, 126, 0, 30);
    Place(159, 0, 30);
    Place(157);
    // The chart keeps its right edge and grows to the left and down; its height follows the
    // language's rain-total field (taller in the Russian tables).
    Place(127, -116, 48, g_layoutWidth[127] + 116, 206 + g_layoutHeight[119]);
    HideRange(128, 145);
    HideRange(160, 161);
}

void CPanelLayout::LayoutLowerWindSpeed()
{
    PlaceTemperatureBox();
    PlaceWindBoxUp(295);
    PlaceWindSpeedRowsUp();
    HideRange(136, 139);
    PlaceWindChillUp(-10);
}

void CPanelLayout::LayoutLowerRainWindSpeed()
{
    PlaceTemperatureBox();
    PlaceRainBox();
    PlaceRange(128, 132);
    Place(ELEM_WIND_SPEED_LINE2);
    PlaceRange(133, 135, 0, 5);
    Place(ELEM_GUST_SPEED_LINE2, 0, 5);
    HideRange(136, 139);
    PlaceWindChillUp(-5);
    PlaceRange(143, 145);
}

void CPanelLayout::LayoutLowerWindDirection()
{
    PlaceTemperatureBox();
    PlaceWindBoxUp(295);
    HideRange(129, 136);
    HideRange(160, 161);
    PlaceRange(137, 139, 0, -23);
    PlaceWindChillUp(-10);
}

void CPanelLayout::LayoutLowerRainWindDirection()
{
    PlaceTemperatureBox();
    PlaceRainBox();
    Place(128);
    HideRange(129, 136);
    HideRange(160, 161);
    PlaceRange(137, 139, 0, -45);
    PlaceWindChillUp(-10);
    PlaceRange(143, 145);
}

void CPanelLayout::LayoutLowerWindSpeedWindDirection()
{
    PlaceTemperatureBox();
    PlaceWindBoxUp(275);
    PlaceWindSpeedRowsUp();
    Place(136, 0, -30);
    PlaceRange(137, 139, 0, -23);
    PlaceWindChillUp(-10);
}

void CPanelLayout::LayoutLowerRainWindSpeedWindDirection()
{
    PlaceTemperatureBox();
    PlaceRainBox();
    PlaceRange(128, 145);
    PlaceRange(160, 161);
}
