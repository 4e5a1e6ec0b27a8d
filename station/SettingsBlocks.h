// The settings that live in the station and that the program writes back: the record interval,
// the altitude, the alarms and the two cities of the location. Each is built into (or read from)
// the 32 data bytes of a write frame or a memory block, as plain functions without a window.
//
// Digit fields hold decimal digits one per nibble. Most bytes keep their two digits swapped: the
// units digit in the high nibble and the tens digit in the low one (minute 37 is 0x73). The rain
// limit uses the normal order; the altitude is an unsigned 16-bit number with a sign bit.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace stationsettings {

using Block = std::array<uint8_t, 32>;

// Station addresses of the blocks the writers send and the reads that come before them.
constexpr int RECORD_INTERVAL_ADDRESS = 254;
constexpr int ALTITUDE_ADDRESS = 90;
constexpr int ALARM_TIMES_ADDRESS = 16;     // alarm times, flags and the temperature limits (31..34)
constexpr int TEMPERATURE_UPPER_ADDRESS = 31;
constexpr int TEMPERATURE_LOWER_ADDRESS = 33;
constexpr int ALARM_LIMITS_ADDRESS = 160;   // rain, wind and gust alarms
constexpr int LOCATION_BLOCK_ADDRESS = 0;   // the local city's record starts at 6
constexpr int LOCAL_CITY_ADDRESS = 6;
constexpr int SECOND_CITY_ADDRESS = 22;
constexpr int CITY_RECORD_ADDRESSES[2] = {LOCAL_CITY_ADDRESS, SECOND_CITY_ADDRESS};
constexpr int CITY_RECORDS_READ_ADDRESS = LOCAL_CITY_ADDRESS;  // one read from here holds both records
constexpr int LOCATION_RECORD_BYTES = 8;
constexpr int LOCAL_CITY_SEND_BYTES = 15;   // bytes 0..14 of the block at 0 go out
constexpr int SECOND_CITY_SEND_BYTES = 8;   // bytes 22..29

constexpr int RECORD_INTERVAL_CHOICES = 11; // selections 0 (5 minutes) .. 10 (1 day)
constexpr double FEET_PER_METRE = 3.2808398950131235;

// ---- digits ---------------------------------------------------------------------------------
// Value of a byte with swapped digits (units high, tens low); nibbles above 9 count as they are.
int SwappedDigitsValue(uint8_t byte);
// Two digits of v (0..99 meant; v mod 100 is used) with the units in the high nibble.
uint8_t SwappedDigitsByte(int v);

// ---- record interval ----------------------------------------------------------------------------
// The block for address 254: code selection + 1, the rest zero.
Block RecordIntervalBlock(int selection);
// The selection that a memory image holds: the code at 254 as a signed byte, minus 1 (outside
// 0..10 for a code the dialog does not offer).
int RecordIntervalSelection(const uint8_t* image);

// ---- altitude -----------------------------------------------------------------------------------
// The block for address 90: |metres| low and high byte, 0x08 in the third byte when negative.
Block AltitudeBlock(int metres);
// Byte 91 as a signed byte x 256 + byte 90, negated when bit 3 of byte 92 is set.
int DecodeAltitude(const uint8_t* image);
// The station holds whole metres; a height typed in feet goes there as the nearest whole metre, and
// a height in metres is shown as the nearest whole foot (both rounded half away from zero). A foot
// value that is the nearest foot of some whole metre thus comes back as it was typed (-10 ft is
// -3 m, shown as -10 ft); any other comes back as the nearest foot of its metre (11 ft is 3 m,
// shown as 10 ft).
int FeetToMetres(int feet);
int MetresToFeet(int metres);

// ---- alarms -------------------------------------------------------------------------------------
// The alarm record of the main window and the alarm dialog: 18 values in this order.
enum AlarmField {
    ALARM_TEMPERATURE_ON, ALARM_RAIN_ON, ALARM_WIND_ON, ALARM_GUST_ON, ALARM_WEEKDAY_ON, ALARM_SINGLE_ON,
    ALARM_PRE_ON,
    ALARM_TEMPERATURE_UPPER, ALARM_TEMPERATURE_LOWER,  // tenths of a degree Celsius
    ALARM_RAIN_UPPER, ALARM_WIND_UPPER, ALARM_GUST_UPPER,
    ALARM_WEEKDAY_HOUR, ALARM_WEEKDAY_MINUTE, ALARM_SINGLE_HOUR, ALARM_SINGLE_MINUTE,  // hours 0..23
    ALARM_PERIOD, ALARM_DURATION,
    ALARM_FIELD_COUNT
};
using AlarmRecord = std::array<int32_t, ALARM_FIELD_COUNT>;

// The temperature limits the alarm dialog offers, in tenths of a degree Celsius.
constexpr int ALARM_TEMPERATURE_LOWEST = -500;
constexpr int ALARM_TEMPERATURE_HIGHEST = 700;

// Writes the times, the weekday, single and pre-alarm flags, the period and the duration (bytes
// 16..20) and the temperature limits (31..34, as DecodeAlarmTimes reads them) into the block read
// from address 16; every other byte stays as read.
void PatchAlarmTimes(Block& block, const AlarmRecord& alarms);
// Writes the rain, wind and gust flags and limits into the block read from address 160 (bytes
// 160..162, 164, 165, 167, 168; the other bits of 160 become 0); every other byte stays as read.
void PatchAlarmLimits(Block& block, const AlarmRecord& alarms);
// The inverse of the patches, from a memory image: times, flags, period and duration and the
// temperature limits (bytes 16..34), then the rain, wind and gust flags and limits (160..168).
// The temperature flag is not in the station and is left as it is.
void DecodeAlarmTimes(const uint8_t* image, AlarmRecord& alarms);
void DecodeAlarmLimits(const uint8_t* image, AlarmRecord& alarms);
// True when every value lies in the range the alarm dialog offers (the temperature limits with
// upper above lower, the period 1..6 without 5), so that the station holds each as it was sent.
bool AlarmRecordSendable(const AlarmRecord& alarms);

// ---- location -----------------------------------------------------------------------------------
// One city as the location dialog edits it and the station keeps it (8 bytes).
struct StationCity {
    std::wstring name;   // the user's name for the user-defined city (code 123)
    int region = 6;
    int cityCode = 123;
    int latDegrees = 0, latMinutes = 0, south = 0;
    int lonDegrees = 0, lonMinutes = 0, west = 0;
    int dstRule = 0;     // 0 none, 1 always, 2.. the rules
    int zonePlus = 1;    // 1: east of UTC (or zero)
    int zoneHours = 0;
    int zoneMinutes = 0; // 0 or 30
};

// Writes the city into the 8 bytes at `record`. keepCityLowNibble: the low nibble of record[6]
// stays as it is (the local city), else it becomes 0 (the second city).
void EncodeCityRecord(const StationCity& city, uint8_t* record, bool keepCityLowNibble);
// Reads a city from 8 bytes (name and region are not in the station and stay empty / default).
StationCity DecodeCityRecord(const uint8_t* record);
// False for a city code outside 0..132, or for the user-defined city (123) with a position,
// rule or zone outside what the station can hold.
bool CityRecordValid(const StationCity& city);

// The time offsets in use on the earth, which the sunrise and sunset computation takes: from 12:00
// west of UTC to 14:00 east of it, in whole and half hours.
constexpr int ZONE_HOURS_WEST_MOST = 12;
constexpr int ZONE_HOURS_EAST_MOST = 14;
// True for such an offset: zonePlus 1 east (or zero), 0 west; hours without a sign; minutes 0 or 30.
bool ZoneOffsetSendable(int zonePlus, int hours, int minutes);

}  // namespace stationsettings
