// Computations behind the main window's current-value texts: UV level, rain texts by unit, wind
// chill in the display unit, the wind direction texts, and the station's own location bytes.
// Plain functions; the main dialog puts their results into its controls.
#pragma once
#include "records/SettingsRecord.h"

#include <cstdint>
#include <string>

namespace values {

constexpr int UV_LEVEL_COUNT = 5;

// UV exposure level of a UV index: 0 below 3, 1 below 6, 2 below 8, 3 below 11, else 4 (a value on
// a boundary belongs to the higher level).
int UvLevel(double uvIndex);

// A rain amount in the display unit: one decimal when the factor is exactly 1 (mm), two otherwise
// (inch).
std::wstring RainText(double amount, double rainFactor);

// A rain total (mm) for its control: the amount in the display unit when the total and the current
// rain counter are present and the total is not negative, else the placeholder.
std::wstring RainTotalText(double totalMm, double currentRainMm, double rainFactor, const std::wstring& placeholder);

// A temperature in degrees Celsius in the display unit (x factor, + 32 when the factor is not 1);
// a missing value (at or below -999) stays as it is.
double DisplayTemperature(double celsius, double temperatureFactor);

// The bearing and compass texts of a wind direction index (the newest history sample); both empty
// when the index is missing or outside 0..15. `texts` is the 32-entry current-language table.
struct WindDirectionTexts {
    std::wstring degrees;
    std::wstring compass;
};
WindDirectionTexts WindDirectionTextsOf(double directionIndex, const wchar_t* const* texts);

// The city index that the station's location bytes hold: the high nibble of byte 12 and the low
// nibble of byte 13 (0..255; only 0..132 name a city). `image` is the station memory from address 0.
int StationCityIndex(const uint8_t* image);

// Decodes the user-defined city (city index 123) of the station's location bytes 6..13 into the
// city's fields: position, daylight-saving rule, zone, city index and region. Two-digit numbers keep
// their units in the high nibble and their tens in the low one.
void DecodeStationUserCity(const uint8_t* image, CityLocation* city);

}  // namespace values
