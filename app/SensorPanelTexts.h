// The texts of one sensor panel (current, maximum and minimum of temperature, humidity and
// dewpoint) and its trend codes, computed from the main window's records without any window.
#pragma once
#include "records/MainRecords.h"

#include <string>

enum { PANEL_ROW_TEMPERATURE = 0, PANEL_ROW_HUMIDITY = 1, PANEL_ROW_DEWPOINT = 2 };

struct SensorPanelTexts {
    bool selected = false;          // false: the sensor index is outside 0..5, nothing changes
    std::wstring current[3];        // by PANEL_ROW_*
    std::wstring maximum[3];
    std::wstring minimum[3];
    int temperatureTrend = 0;       // 1, 2, 3 select trend bitmaps 180, 181, 182; others leave it
    int humidityTrend = 0;
};

// The panel of sensor `sensor` (0 indoor, 1..5 channels). A missing value gives the one-space
// placeholder; a value that the rules hide gives the empty text.
SensorPanelTexts ComputeSensorPanelTexts(const CMainRecords& records, int sensor);

// Bitmap resource of a trend code, or 0 when the code shows none.
int TrendBitmapId(int trendCode);
