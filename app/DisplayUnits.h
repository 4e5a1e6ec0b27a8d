// Display units: the factor of each unit index, how a change of unit is carried out, and the
// conversion in place of what the main window holds in display units (the rolling histories, the
// published history columns and the dewpoint extremes). Plain functions over the data side; the
// main dialog adds the texts, captions and charts.
//
// Held in the base units and converted only when shown: the current reading, the downloaded
// header values (wind and gust maxima, rain totals, daily UV maxima) and the rain counters.
// A missing value (at or below -999) stays missing through every conversion.
#pragma once
#include "records/MainRecords.h"

namespace units {

enum class Quantity { Pressure, Uv, Rain, Temperature, Wind };

// Display value = base value x factor (temperature: x factor + 32 when the factor is not 1).
// Pressure 0 inHg, 1 hPa, 2 mmHg; UV 0 MED/h, 1 UV index; rain 0 inch, 1 mm; temperature 0 degC,
// 1 degF; wind 0 km/h, 1 knots, 2 m/s, 3 mph. 0 for an index outside the quantity's range.
double UnitFactor(Quantity quantity, int unit);

// The index of the base unit (factor 1): hPa, UV index, mm, degC, mph.
int BaseUnit(Quantity quantity);

// How one quantity follows a change of its unit index.
struct UnitChange {
    bool changed = false;  // the index differs
    bool rescale = false;  // both indexes are valid: the factor is set and the held values converted
    double factor = 1.0;   // the new unit's factor
    double ratio = 1.0;    // for the rescaler: new factor / old factor (temperature: 1.8 or 1 / 1.8)
};
UnitChange PlanUnitChange(Quantity quantity, int oldUnit, int newUnit);

// The stored unit put into force while every factor is still 1 (the base unit's).
inline UnitChange PlanStartupUnit(Quantity quantity, int unit)
{
    return PlanUnitChange(quantity, BaseUnit(quantity), unit);
}

// A temperature converted by a rescale: towards degC (v - 32) x ratio, towards degF v x ratio + 32.
// A missing value is returned as it is.
double ConvertTemperature(double value, double ratio, bool towardsCelsius);

// Multiplies the newest `count` samples of a rolling history (the newest at index size - 1) by the
// ratio; missing samples stay.
void ScaleNewest(double* values, int size, int count, double ratio);
// Multiplies the first `rows` values of a history column; missing values stay. A null column is
// left alone.
void ScaleColumn(double* column, int rows, double ratio);

// Converts the values of one quantity that the main window holds in display units, after the
// caller has set the quantity's factor to the new unit's:
//   pressure, UV, rain: the rolling history and its published column;
//   wind: the speed history and the speed and gust columns;
//   temperature: the six temperature histories, the dewpoint extremes, the wind chill and sensor
//   temperature columns (towards degC when m_temperatureFactor is 1), and each sensor's dewpoint
//   column computed again from the converted temperature and the humidity.
// The published columns hold g_historyRowCount rows.
void RescaleHeldValues(CMainRecords& records, Quantity quantity, double ratio);

}  // namespace units
