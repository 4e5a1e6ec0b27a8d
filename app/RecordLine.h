// The text line of the station's latest history record, as the record files store it: the
// record's date, time and values, then the rain since the last reset and the station's rain
// totals and two extra values, comma-separated.
#pragma once
#include "records/RecordTime.h"

#include <string>

struct RecordLineSources {
    std::wstring latest;     // the station's latest record line; its last field is the rain counter
    std::string value174;    // rain counters of yesterday, the last week and the last month
    std::string value176;
    std::string value178;
    std::string bcd7;        // two further values of the station
    std::string bcd0;
};

// The line: everything before the latest record's last comma, ",", the rain since the reset (mm,
// counter in mm - rainAtResetMm), ",,,", the three rain counters in mm ("," after the first
// and third, ", " after the second; ", " for each one that is missing), the first extra value and
// "," (", " when missing), the second extra value (nothing when missing).
// Empty when the latest line has no comma or its rain counter is not a number: such a line is no
// record and must never reach the record files.
std::wstring BuildRecordLine(const RecordLineSources& sources, double rainAtResetMm);

// The line of an older history record read back to fill a gap (the computer slept, say): the
// record's date, time and values and the rain since the reset, each field followed by a comma, like
// the lines of the downloaded history. Empty when the record line has no comma, its rain counter is
// not a number, or its date is not a real date.
std::wstring BuildHistoryRecordLine(const std::wstring& recordLine, double rainAtResetMm);

// True when the line begins with six comma-separated numbers that make a real date and time.
bool LineHasRealTime(const std::wstring& line, RecordTime* time = nullptr);

// Minutes between two records of the given record interval (the station's selection 0..10: 5, 10,
// 20, 30, 60, 90, 120, 180, 240, 300 minutes, one day); 0 for a selection outside them.
int RecordIntervalMinutes(int selection);
