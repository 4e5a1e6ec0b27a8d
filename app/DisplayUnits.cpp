#include "app/DisplayUnits.h"

#include "records/RecordMerge.h"

#include <algorithm>

namespace units {

namespace {

constexpr double kPressureFactors[] = {FACTOR_HPA_TO_INHG, 1.0, FACTOR_HPA_TO_MMHG};
constexpr double kUvFactors[] = {FACTOR_UVI_TO_MEDH, 1.0};
constexpr double kRainFactors[] = {FACTOR_MM_TO_INCH, 1.0};
constexpr double kTemperatureFactors[] = {1.0, FACTOR_C_TO_F};
constexpr double kWindFactors[] = {FACTOR_MPH_TO_KMH, FACTOR_MPH_TO_KNOTS, FACTOR_MPH_TO_MS, 1.0};

template <std::size_t N>
double FactorIn(const double (&factors)[N], int unit)
{
    return unit >= 0 && unit < static_cast<int>(N) ? factors[unit] : 0.0;
}

int PublishedRows() { return std::clamp(g_historyRowCount.load(), 0, HISTORY_ROWS); }

void RescaleTemperatures(CMainRecords& r, double ratio)
{
    const bool towardsCelsius = r.m_temperatureFactor == 1.0;
    auto convert = [&](double& v) { v = ConvertTemperature(v, ratio, towardsCelsius); };

    for (int s = 0; s < SENSOR_COUNT; ++s) {
        double* values = r.m_sensorHistoryTemperatures[SensorRow(s)];
        const int count = std::clamp(r.m_sensorHistoryCounts[s], 0, SENSOR_HISTORY_SIZE);
        for (int i = SENSOR_HISTORY_SIZE - 1; i >= SENSOR_HISTORY_SIZE - count; --i)
            convert(values[i]);
        convert(r.m_dewpointMaxNow[s]);
        convert(r.m_dewpointMinNow[s]);
    }

    const int rows = PublishedRows();
    for (int row = 0; row < rows; ++row) {
        if (g_historyWindChill)
            convert(g_historyWindChill[row]);
        for (int s = 0; s < SENSOR_COUNT; ++s) {
            double* t = g_historySensorColumns[s][SENSOR_COLUMN_TEMPERATURE];
            double* h = g_historySensorColumns[s][SENSOR_COLUMN_HUMIDITY];
            double* d = g_historySensorColumns[s][SENSOR_COLUMN_DEWPOINT];
            if (!t || !h || !d)
                continue;
            convert(t[row]);
            // Computed again from the converted temperature, not converted itself.
            const double dewpoint = ComputeDewpoint(rows, rows, t[row], h[row], towardsCelsius);
            d[row] = IsMissing(dewpoint) ? static_cast<double>(MISSING_VALUE) : dewpoint;
        }
    }
}

}  // namespace

double UnitFactor(Quantity quantity, int unit)
{
    switch (quantity) {
    case Quantity::Pressure: return FactorIn(kPressureFactors, unit);
    case Quantity::Uv: return FactorIn(kUvFactors, unit);
    case Quantity::Rain: return FactorIn(kRainFactors, unit);
    case Quantity::Temperature: return FactorIn(kTemperatureFactors, unit);
    case Quantity::Wind: return FactorIn(kWindFactors, unit);
    }
    return 0.0;
}

int BaseUnit(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Temperature: return 0;
    case Quantity::Wind: return 3;
    default: return 1;
    }
}

UnitChange PlanUnitChange(Quantity quantity, int oldUnit, int newUnit)
{
    UnitChange change;
    change.changed = oldUnit != newUnit;
    const double oldFactor = UnitFactor(quantity, oldUnit);
    const double newFactor = UnitFactor(quantity, newUnit);
    if (!change.changed || oldFactor == 0.0 || newFactor == 0.0)
        return change;
    change.rescale = true;
    change.factor = newFactor;
    if (quantity == Quantity::Temperature)
        change.ratio = newFactor != 1.0 ? FACTOR_C_TO_F : 1.0 / FACTOR_C_TO_F;
    else
        change.ratio = newFactor / oldFactor;
    return change;
}

double ConvertTemperature(double value, double ratio, bool towardsCelsius)
{
    if (IsMissing(value))
        return value;
    return towardsCelsius ? (value - 32) * ratio : value * ratio + 32;
}

void ScaleNewest(double* values, int size, int count, double ratio)
{
    count = std::clamp(count, 0, size);
    for (int i = size - 1; i >= size - count; --i)
        if (!IsMissing(values[i]))
            values[i] *= ratio;
}

void ScaleColumn(double* column, int rows, double ratio)
{
    if (column == nullptr)
        return;
    for (int row = 0; row < rows; ++row)
        if (!IsMissing(column[row]))
            column[row] *= ratio;
}

void RescaleHeldValues(CMainRecords& r, Quantity quantity, double ratio)
{
    const int rows = PublishedRows();
    switch (quantity) {
    case Quantity::Pressure:
        ScaleNewest(r.m_pressureHistoryValues, PRESSURE_HISTORY_SIZE, r.m_pressureHistoryCount, ratio);
        ScaleColumn(g_historyPressure, rows, ratio);
        break;
    case Quantity::Uv:
        ScaleNewest(r.m_uvHistoryValues, UV_HISTORY_SIZE, r.m_uvHistoryCount, ratio);
        ScaleColumn(g_historyUv, rows, ratio);
        break;
    case Quantity::Rain:
        ScaleNewest(r.m_rainHistoryValues, RAIN_HISTORY_SIZE, r.m_rainHistoryCount, ratio);
        ScaleColumn(g_historyRain, rows, ratio);
        break;
    case Quantity::Wind:
        ScaleNewest(r.m_windHistorySpeeds, WIND_HISTORY_SIZE, r.m_windHistoryCount, ratio);
        ScaleColumn(g_historyWindSpeed, rows, ratio);
        ScaleColumn(g_historyWindGust, rows, ratio);
        break;
    case Quantity::Temperature:
        RescaleTemperatures(r, ratio);
        break;
    }
}

}  // namespace units
