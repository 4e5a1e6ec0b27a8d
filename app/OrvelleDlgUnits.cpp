// The main window's display units: the stored units put into force at the first poll, and the
// five rescalers, which convert what the window holds in display units and then re-text the
// values, redraw the captions and re-render the chart of their quantity.
#include "app/OrvelleDlg.h"

#include "records/RecordMerge.h"
#include "texts/TextTables.h"

using units::Quantity;

namespace {

// Frames whose painted captions carry a unit.
constexpr int PRESSURE_FRAME = 1000;
constexpr int UV_FRAME = 1007;
constexpr int WIND_FRAME = 1011;   // also the wind chill's caption, a temperature
constexpr int SENSOR_FRAME = 1023;
constexpr int RAIN_FRAME = 1024;

}  // namespace

// ---- units at the first poll (every factor is still 1) ---------------------------------------

void COrvelleDlg::ApplyStartupPressureUnit(int unit)
{
    BuildPressureCaptions(m_appliedUpperVariant);
    ApplyUnitChange(Quantity::Pressure, units::PlanStartupUnit(Quantity::Pressure, unit));
}

void COrvelleDlg::ApplyStartupUvUnit(int unit)
{
    BuildUvCaptions(m_appliedUpperVariant);
    ApplyUnitChange(Quantity::Uv, units::PlanStartupUnit(Quantity::Uv, unit));
}

void COrvelleDlg::ApplyStartupTemperatureUnit(int unit)
{
    BuildTemperatureCaptions(m_appliedLowerVariant);
    ApplyUnitChange(Quantity::Temperature, units::PlanStartupUnit(Quantity::Temperature, unit));
}

void COrvelleDlg::ApplyStartupWindUnit()
{
    BuildWindCaptions();
    ApplyUnitChange(Quantity::Wind, units::PlanStartupUnit(Quantity::Wind, m_windUnit));
}

void COrvelleDlg::ApplyStartupRainUnit()
{
    BuildRainCaptions();
    ApplyUnitChange(Quantity::Rain, units::PlanStartupUnit(Quantity::Rain, m_rainUnit));
}

// ---- changing a unit ---------------------------------------------------------------------------

double& COrvelleDlg::FactorOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Pressure: return m_pressureFactor;
    case Quantity::Uv: return m_uvFactor;
    case Quantity::Rain: return m_rainFactor;
    case Quantity::Temperature: return m_temperatureFactor;
    case Quantity::Wind: break;
    }
    return m_windFactor;
}

void COrvelleDlg::ApplyUnitChange(Quantity quantity, const units::UnitChange& change)
{
    if (!change.rescale)
        return;
    FactorOf(quantity) = change.factor;
    switch (quantity) {
    case Quantity::Pressure: RescalePressure(change.ratio); break;
    case Quantity::Uv: RescaleUv(change.ratio); break;
    case Quantity::Rain: RescaleRain(change.ratio); break;
    case Quantity::Temperature: RescaleTemperature(change.ratio); break;
    case Quantity::Wind: RescaleWind(change.ratio); break;
    }
}

// Wind, rain, temperature, UV and pressure each get their captions and are converted when their
// unit changed; the custom record files are rebuilt once when any of them did.
void COrvelleDlg::PutChangedUnitsInForce(const DisplayUnitSelection& old, int oldTimeFormat)
{
    if (m_timeFormat != oldTimeFormat) {
        m_clock24h = m_timeFormat;
        ShowSunTexts();
    }
    if (m_windUnit != old.wind) {
        BuildWindCaptions();
        ApplyUnitChange(Quantity::Wind, units::PlanUnitChange(Quantity::Wind, old.wind, m_windUnit));
    }
    if (m_rainUnit != old.rain) {
        BuildRainCaptions();
        ApplyUnitChange(Quantity::Rain, units::PlanUnitChange(Quantity::Rain, old.rain, m_rainUnit));
    }
    if (m_temperatureUnit != old.temperature) {
        BuildTemperatureCaptions(m_appliedLowerVariant);
        ApplyUnitChange(Quantity::Temperature,
                        units::PlanUnitChange(Quantity::Temperature, old.temperature, m_temperatureUnit));
    }
    if (m_uvUnit != old.uv) {
        BuildUvCaptions(m_appliedUpperVariant);
        ApplyUnitChange(Quantity::Uv, units::PlanUnitChange(Quantity::Uv, old.uv, m_uvUnit));
    }
    if (m_pressureUnit != old.pressure) {
        BuildPressureCaptions(m_appliedUpperVariant);
        ApplyUnitChange(Quantity::Pressure, units::PlanUnitChange(Quantity::Pressure, old.pressure, m_pressureUnit));
    }
    if (UnitsOf(*this) != old)
        StartCustomRebuild();
}

// ---- rescalers -----------------------------------------------------------------------------------

void COrvelleDlg::RescaleWind(double ratio)
{
    units::RescaleHeldValues(*this, Quantity::Wind, ratio);
    const std::wstring blank = EntryAt(g_progressTexts, 3);
    TakeCurrentForecastGustAndChill();
    ShowWindTexts(blank);
    ShowWindMaxima(blank);
    RedrawBoxCaptions(WIND_FRAME);
    RedrawWindChart();
    RedrawShownAllChart();
}

// The counter of the previous reading (m_lastRainCounter) stays as it is: moving it to the current
// reading here would drop the rain that fell since then from the rain history.
void COrvelleDlg::RescaleRain(double ratio)
{
    units::RescaleHeldValues(*this, Quantity::Rain, ratio);
    RedrawRainChart();
    ShowRainTotalTexts(EntryAt(g_progressTexts, 3));
    ShowRainSinceReset();
    RedrawBoxCaptions(RAIN_FRAME);
    RedrawShownAllChart();
}

void COrvelleDlg::RescaleUv(double ratio)
{
    units::RescaleHeldValues(*this, Quantity::Uv, ratio);
    const std::wstring blank = EntryAt(g_progressTexts, 3);
    RedrawBoxCaptions(UV_FRAME);
    ShowUvTexts(blank);
    ShowUvMaxima(blank);
    RedrawUvChart();
    RedrawShownAllChart();
}

void COrvelleDlg::RescalePressure(double ratio)
{
    units::RescaleHeldValues(*this, Quantity::Pressure, ratio);
    RedrawPressureChart();
    ShowPressureTexts();
    RedrawBoxCaptions(PRESSURE_FRAME);
    RedrawShownAllChart();
}

// The direction comes from m_temperatureFactor, already the new unit's: 1 converts to degC.
void COrvelleDlg::RescaleTemperature(double ratio)
{
    units::RescaleHeldValues(*this, Quantity::Temperature, ratio);
    DrawTemperatureChart();
    RedrawBoxCaptions(SENSOR_FRAME);
    RedrawBoxCaptions(WIND_FRAME);
    UpdateUpperSensorPanel();
    UpdateLowerSensorPanel();
    // The wind chill is a temperature too.
    TakeCurrentForecastGustAndChill();
    ShowWindTexts(EntryAt(g_progressTexts, 3));
    RedrawShownAllChart();
}

// The painted captions of a box are painted again (with the new unit, at the new place).
void COrvelleDlg::RedrawBoxCaptions(int frameId)
{
    HWND frame = ItemHandle(frameId);
    if (!m_hWnd || !frame)
        return;
    CRect box;
    ::GetWindowRect(frame, &box);
    ScreenToClient(box);
    InvalidateRect(box, TRUE);
}

// The all-sensor chart window stays as it was: hidden stays hidden, and a shown one is drawn
// again in the new units.
void COrvelleDlg::RedrawShownAllChart()
{
    if (m_pAllChartDlg && m_pAllChartDlg->m_hWnd && m_pAllChartDlg->IsWindowVisible())
        m_pAllChartDlg->OnTimeRangeChange();
}
