// Missing readings: the one rule for every numeric reading that comes from a text.
// A marker text ("UU", "MISS", "HH", "LL", "OUT", "ChkErr", "65535", "") or any text that is not
// a number is missing; a missing value is never read as 0.
#pragma once
#include <string>
#include <string_view>

constexpr int MISSING_VALUE = -999;        // missing history value (integers and columns)
constexpr double DISPLAY_MISSING = -999.9; // missing current value (doubles)

// Rain counts become millimetres by this factor; the counter wraps after 65535 counts.
constexpr double RAIN_MM_PER_COUNT = 0.705375;
constexpr double RAIN_WRAP_MM = 65535 * RAIN_MM_PER_COUNT; // 46226.750625 mm

// True when the text is one of the station's marker texts.
bool IsMarkerText(std::string_view text);
bool IsMarkerText(std::wstring_view text);

// Parses a reading; surrounding blanks are allowed, anything else makes it missing.
// Returns false (and leaves *value unchanged) when the text is missing.
bool TryParseReading(std::string_view text, double* value);
bool TryParseReading(std::wstring_view text, double* value);

// The reading, or DISPLAY_MISSING (-999.9) when missing.
double ReadingOrMissing(std::string_view text);
double ReadingOrMissing(std::wstring_view text);

// The reading as an integer (truncated toward zero, as atoi would), or MISSING_VALUE when missing.
int IntReadingOrMissing(std::string_view text);
int IntReadingOrMissing(std::wstring_view text);

// True when a number stands for a missing value (at or below -999).
inline bool IsMissing(double value) { return value <= MISSING_VALUE; }
