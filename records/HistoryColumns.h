// The published history (g_historyRowCount rows of the g_history* columns, records/ReadingsRecord.h)
// seen as one set of columns: what the first poll's walks and the all-sensor chart window read.
#pragma once
#include "records/ReadingsRecord.h"

struct HistoryColumns {
    int rows = 0;
    const int* year = nullptr;
    const int* month = nullptr;
    const int* day = nullptr;
    const int* hour = nullptr;
    const int* minute = nullptr;
    double* rain = nullptr;  // the first poll rewrites the downloaded rain counters in place
    const double* uv = nullptr;
    const double* pressure = nullptr;
    const double* windSpeed = nullptr;
    const double* windDirection = nullptr;
    const double* windGust = nullptr;
    const double* windChill = nullptr;
    const double* sensor[SENSOR_COUNT][3] = {};  // by sensor: SENSOR_COLUMN_TEMPERATURE .. _DEWPOINT
    // A column that is null is not published.

    // True when the five date columns are there.
    bool HasDates() const;
    // Chart time of a row (second 0).
    double RowTime(int row) const;
};

// The published columns, with the rows clamped to 0..HISTORY_ROWS; no rows while the date columns
// are not published.
HistoryColumns PublishedHistoryColumns();
