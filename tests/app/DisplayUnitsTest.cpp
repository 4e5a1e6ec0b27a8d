// Display units without a window: what a unit change does to the held values (rolling histories,
// published history columns, dewpoint extremes), missing samples through every conversion, and
// round trips of every unit pair.
#include "app/DisplayUnits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using units::Quantity;

namespace {

constexpr Quantity kQuantities[] = {Quantity::Pressure, Quantity::Uv, Quantity::Rain, Quantity::Temperature,
                                    Quantity::Wind};
constexpr int kUnitCounts[] = {3, 2, 2, 2, 4};

// A main window's data with three published history rows; the middle row is missing everywhere.
struct HeldValues {
    std::unique_ptr<CMainRecords> r = std::make_unique<CMainRecords>();

    HeldValues()
    {
        g_historyRowCount = 0;
        for (int row = 0; row < 3; ++row) {
            HistoryRow h;
            h.year = 2024, h.month = 3, h.day = 7, h.hour = row;
            if (row != 1) {
                h.uv = 4.0 + row;
                h.pressure = 1000.0 + row;
                h.rain = 1.5 + row;
                h.windSpeed = 10.0 + row;
                h.windGust = 20.0 + row;
                h.windChill = 5.0 + row;
                for (int s = 0; s < SENSOR_COUNT; ++s) {
                    h.temperature[s] = 20.0 + s;
                    h.humidity[s] = 50.0 + s;
                    h.dewpoint[s] = DewpointCelsius(h.temperature[s], h.humidity[s]);
                }
            }
            r->m_readings.AppendPublishedRow(h);
        }
        // Rolling histories: newest last; one missing sample among the counted ones, and a sample
        // beyond the count that no rescale may touch.
        Fill(r->m_pressureHistoryValues, PRESSURE_HISTORY_SIZE, &r->m_pressureHistoryCount, 1013.0);
        Fill(r->m_uvHistoryValues, UV_HISTORY_SIZE, &r->m_uvHistoryCount, 3.0);
        Fill(r->m_rainHistoryValues, RAIN_HISTORY_SIZE, &r->m_rainHistoryCount, 2.0);
        Fill(r->m_windHistorySpeeds, WIND_HISTORY_SIZE, &r->m_windHistoryCount, 12.0);
        for (int s = 0; s < SENSOR_COUNT; ++s)
            Fill(r->m_sensorHistoryTemperatures[SensorRow(s)], SENSOR_HISTORY_SIZE, &r->m_sensorHistoryCounts[s],
                 10.0 + s);
        r->m_dewpointMaxNow[0] = 12.0;
        r->m_dewpointMinNow[0] = 4.0;
        // m_dewpointMaxNow[1..5] stay DISPLAY_MISSING: no extreme yet.
    }

    static void Fill(double* values, int size, int* count, double value)
    {
        values[size - 1] = value;
        values[size - 2] = DISPLAY_MISSING;
        values[size - 3] = value + 1;
        values[size - 4] = 777.0;  // older than the count
        *count = 3;
    }

    // Sets the factor as the main dialog does before a rescale.
    void Change(Quantity q, int from, int to)
    {
        const units::UnitChange change = units::PlanUnitChange(q, from, to);
        ASSERT_TRUE(change.rescale);
        Factor(q) = change.factor;
        units::RescaleHeldValues(*r, q, change.ratio);
    }

    double& Factor(Quantity q)
    {
        switch (q) {
        case Quantity::Pressure: return r->m_pressureFactor;
        case Quantity::Uv: return r->m_uvFactor;
        case Quantity::Rain: return r->m_rainFactor;
        case Quantity::Temperature: return r->m_temperatureFactor;
        case Quantity::Wind: break;
        }
        return r->m_windFactor;
    }

    // Every value the quantity's rescale converts, in one list.
    std::vector<double> Values(Quantity q) const
    {
        std::vector<double> v;
        auto history = [&](const double* values, int size) {
            for (int i = size - 4; i < size; ++i)
                v.push_back(values[i]);
        };
        auto column = [&](const double* c) {
            for (int row = 0; row < 3; ++row)
                v.push_back(c[row]);
        };
        switch (q) {
        case Quantity::Pressure: history(r->m_pressureHistoryValues, PRESSURE_HISTORY_SIZE), column(g_historyPressure); break;
        case Quantity::Uv: history(r->m_uvHistoryValues, UV_HISTORY_SIZE), column(g_historyUv); break;
        case Quantity::Rain: history(r->m_rainHistoryValues, RAIN_HISTORY_SIZE), column(g_historyRain); break;
        case Quantity::Wind:
            history(r->m_windHistorySpeeds, WIND_HISTORY_SIZE), column(g_historyWindSpeed), column(g_historyWindGust);
            break;
        case Quantity::Temperature:
            for (int s = 0; s < SENSOR_COUNT; ++s) {
                history(r->m_sensorHistoryTemperatures[s], SENSOR_HISTORY_SIZE);
                column(g_historySensorColumns[s][SENSOR_COLUMN_TEMPERATURE]);
                column(g_historySensorColumns[s][SENSOR_COLUMN_DEWPOINT]);
                v.push_back(r->m_dewpointMaxNow[s]), v.push_back(r->m_dewpointMinNow[s]);
            }
            column(g_historyWindChill);
            break;
        }
        return v;
    }
};

double InUnit(Quantity q, int unit, double base)
{
    const double factor = units::UnitFactor(q, unit);
    return q == Quantity::Temperature && factor != 1.0 ? base * factor + 32 : base * factor;
}

}  // namespace

TEST(DisplayUnits, RescalesSkipMissingSamplesAndSamplesBeyondTheCount)
{
    HeldValues held;
    held.Change(Quantity::Wind, 3, 0);     // mph -> km/h
    held.Change(Quantity::Rain, 1, 0);     // mm -> inch
    held.Change(Quantity::Pressure, 1, 0); // hPa -> inHg
    held.Change(Quantity::Uv, 1, 0);       // UVI -> MED/h
    const CMainRecords& r = *held.r;

    EXPECT_DOUBLE_EQ(r.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1], 12.0 * 1.61);
    EXPECT_DOUBLE_EQ(r.m_windHistorySpeeds[WIND_HISTORY_SIZE - 3], 13.0 * 1.61);
    EXPECT_EQ(r.m_windHistorySpeeds[WIND_HISTORY_SIZE - 2], DISPLAY_MISSING);  // not -999.9 x 1.61
    EXPECT_EQ(r.m_windHistorySpeeds[WIND_HISTORY_SIZE - 4], 777.0);
    EXPECT_DOUBLE_EQ(g_historyWindGust[0], 20.0 * 1.61);
    EXPECT_EQ(g_historyWindGust[1], DISPLAY_MISSING);
    EXPECT_EQ(g_historyRain[1], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(g_historyRain[2], 3.5 * 0.03937);
    EXPECT_EQ(r.m_rainHistoryValues[RAIN_HISTORY_SIZE - 2], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(r.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1], 1013.0 * 0.02954);
    EXPECT_EQ(g_historyPressure[1], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(g_historyUv[0], 4.0 * 3.0 / 7.0);
    EXPECT_EQ(r.m_uvHistoryValues[UV_HISTORY_SIZE - 4], 777.0);
}

TEST(DisplayUnits, TemperatureChangeRecomputesTheDewpointColumnAndKeepsMissingExtremes)
{
    HeldValues held;
    held.Change(Quantity::Temperature, 0, 1);
    const CMainRecords& r = *held.r;

    EXPECT_DOUBLE_EQ(g_historySensorColumns[0][SENSOR_COLUMN_TEMPERATURE][0], 68.0);
    EXPECT_DOUBLE_EQ(g_historyWindChill[0], 41.0);
    EXPECT_EQ(g_historyWindChill[1], DISPLAY_MISSING);
    // The dewpoint of the converted temperature, in degF: the Celsius dewpoint x 1.8 + 32.
    const double dewpointC = DewpointCelsius(22.0, 52.0);
    EXPECT_NEAR(g_historySensorColumns[2][SENSOR_COLUMN_DEWPOINT][0], dewpointC * 1.8 + 32, 1e-9);
    // A row without temperature or humidity gets the missing dewpoint, never a number.
    EXPECT_EQ(g_historySensorColumns[2][SENSOR_COLUMN_TEMPERATURE][1], DISPLAY_MISSING);
    EXPECT_EQ(g_historySensorColumns[2][SENSOR_COLUMN_DEWPOINT][1], MISSING_VALUE);
    // Indoor is the sixth history row.
    EXPECT_DOUBLE_EQ(r.m_sensorHistoryTemperatures[SensorRow(0)][SENSOR_HISTORY_SIZE - 1], 50.0);
    EXPECT_EQ(r.m_sensorHistoryTemperatures[SensorRow(0)][SENSOR_HISTORY_SIZE - 2], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(r.m_dewpointMaxNow[0], 12.0 * 1.8 + 32);
    EXPECT_DOUBLE_EQ(r.m_dewpointMinNow[0], 4.0 * 1.8 + 32);
    EXPECT_EQ(r.m_dewpointMaxNow[3], DISPLAY_MISSING);

    held.Change(Quantity::Temperature, 1, 0);
    EXPECT_NEAR(g_historySensorColumns[0][SENSOR_COLUMN_TEMPERATURE][0], 20.0, 1e-12);
    EXPECT_NEAR(g_historySensorColumns[2][SENSOR_COLUMN_DEWPOINT][0], dewpointC, 1e-9);
    EXPECT_NEAR(r.m_dewpointMinNow[0], 4.0, 1e-12);
}

// A value held in unit a and changed to unit b reads base x factor of b, and fifty changes there
// and back bring every held value home without drift; missing values never move.
TEST(DisplayUnits, EveryUnitPairConvertsAndRoundTripsWithoutDrift)
{
    for (int qi = 0; qi < 5; ++qi) {
        const Quantity q = kQuantities[qi];
        for (int a = 0; a < kUnitCounts[qi]; ++a) {
            for (int b = 0; b < kUnitCounts[qi]; ++b) {
                if (a == b)
                    continue;
                SCOPED_TRACE(testing::Message() << "quantity " << qi << " from " << a << " to " << b);
                HeldValues held;
                if (a != units::BaseUnit(q))
                    held.Change(q, units::BaseUnit(q), a);
                const double baseCelsius = 20.0;  // indoor temperature column, row 0
                const std::vector<double> start = held.Values(q);

                held.Change(q, a, b);
                if (q == Quantity::Temperature) {
                    EXPECT_NEAR(g_historySensorColumns[0][SENSOR_COLUMN_TEMPERATURE][0], InUnit(q, b, baseCelsius), 1e-9);
                } else if (q == Quantity::Pressure) {
                    EXPECT_NEAR(g_historyPressure[0], InUnit(q, b, 1000.0), 1e-9);
                } else if (q == Quantity::Wind) {
                    EXPECT_NEAR(g_historyWindGust[2], InUnit(q, b, 22.0), 1e-9);
                } else {
                    EXPECT_NEAR(q == Quantity::Uv ? g_historyUv[2] : g_historyRain[2],
                                InUnit(q, b, q == Quantity::Uv ? 6.0 : 3.5), 1e-9);
                }

                for (int trip = 0; trip < 50; ++trip) {
                    held.Change(q, b, a);
                    held.Change(q, a, b);
                }
                held.Change(q, b, a);
                const std::vector<double> end = held.Values(q);
                ASSERT_EQ(end.size(), start.size());
                for (std::size_t i = 0; i < start.size(); ++i) {
                    if (IsMissing(start[i]))
                        EXPECT_EQ(end[i], start[i]) << i;
                    else
                        EXPECT_NEAR(end[i], start[i], 1e-9 * std::max(1.0, std::fabs(start[i]))) << i;
                }
            }
        }
    }
}

TEST(DisplayUnits, OnlyAChangeBetweenTwoValidUnitsRescales)
{
    // The stored base unit at start: nothing to convert.
    for (Quantity q : kQuantities)
        EXPECT_FALSE(units::PlanStartupUnit(q, units::BaseUnit(q)).rescale);
    const units::UnitChange windAtStart = units::PlanStartupUnit(Quantity::Wind, 2);
    EXPECT_TRUE(windAtStart.rescale);
    EXPECT_EQ(windAtStart.ratio, windAtStart.factor);  // every factor is 1 before

    const units::UnitChange outOfRange = units::PlanUnitChange(Quantity::Pressure, 1, 3);
    EXPECT_TRUE(outOfRange.changed);
    EXPECT_FALSE(outOfRange.rescale);
    EXPECT_FALSE(units::PlanUnitChange(Quantity::Wind, -1, 0).rescale);
    EXPECT_FALSE(units::PlanUnitChange(Quantity::Rain, 0, 0).changed);
}
