// The byte encodings of the settings the program writes into the station (record interval,
// altitude, alarms, location) and their decoding for the dialogs.
#include "station/SettingsBlocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace stationsettings;

namespace {

AlarmRecord SampleAlarms()
{
    AlarmRecord a{};
    a[ALARM_RAIN_ON] = 1;
    a[ALARM_GUST_ON] = 1;
    a[ALARM_WEEKDAY_ON] = 1;
    a[ALARM_SINGLE_ON] = 1;
    a[ALARM_PRE_ON] = 1;
    a[ALARM_RAIN_UPPER] = 1234;
    a[ALARM_WIND_UPPER] = 123;
    a[ALARM_GUST_UPPER] = 199;
    a[ALARM_WEEKDAY_HOUR] = 7;
    a[ALARM_WEEKDAY_MINUTE] = 45;
    a[ALARM_SINGLE_HOUR] = 23;
    a[ALARM_SINGLE_MINUTE] = 9;
    a[ALARM_PERIOD] = 6;
    a[ALARM_DURATION] = 15;
    return a;
}

}  // namespace

// The frames these blocks make are checked byte for byte against the emulated station in
// tests/app/StationCommandsTest.cpp; here the reading side and the edges of the conversions.

TEST(SettingsBlocks, RecordIntervalSelectionFromTheStationCode)
{
    uint8_t image[300] = {};
    for (int code : {1, 11, 0, 0xFF}) {
        image[254] = static_cast<uint8_t>(code);
        EXPECT_EQ(RecordIntervalSelection(image), code == 0xFF ? -2 : code - 1) << code;
    }
}

TEST(SettingsBlocks, AltitudeSignAndUnits)
{
    EXPECT_EQ(FeetToMetres(-10), -3);  // -3.048: half away from zero
    EXPECT_EQ(FeetToMetres(16404), 5000);
    EXPECT_EQ(MetresToFeet(-100), -328);
    EXPECT_EQ(MetresToFeet(5000), 16404);
    // Every height the station can hold is shown as its nearest foot, which goes back to the same
    // metres: -10 ft typed is -3 m and reopens as -10 ft.
    int shownWrong = 0;
    for (int metres = -200; metres <= 5000; ++metres) {
        const int feet = MetresToFeet(metres);
        shownWrong += std::abs(feet - metres * FEET_PER_METRE) > 0.5 || FeetToMetres(feet) != metres;
    }
    EXPECT_EQ(shownWrong, 0);
    EXPECT_EQ(MetresToFeet(FeetToMetres(-10)), -10);

    uint8_t image[130] = {};
    image[90] = 0x0F;
    image[92] = 0x08;
    EXPECT_EQ(DecodeAltitude(image), -15);
    const Block block = AltitudeBlock(-1234);
    std::copy(block.begin(), block.end(), image + 90);
    EXPECT_EQ(DecodeAltitude(image), -1234);
}

TEST(SettingsBlocks, AlarmsReadBackAsWritten)
{
    const AlarmRecord written = SampleAlarms();
    uint8_t image[200] = {};
    Block times{}, limits{};
    PatchAlarmTimes(times, written);
    PatchAlarmLimits(limits, written);
    std::copy(times.begin(), times.end(), image + 16);
    std::copy(limits.begin(), limits.end(), image + 160);
    image[31] = 0x85;  // the digits 5 and 8 ...
    image[32] = 0x83;  // ... and 3, positive: 385
    image[33] = 0x30;
    image[34] = 0x00;  // 30 tenths, bit 7 clear: -3.0 degrees
    AlarmRecord read{};
    read[ALARM_TEMPERATURE_ON] = 1;
    DecodeAlarmTimes(image, read);
    DecodeAlarmLimits(image, read);
    AlarmRecord expected = written;
    expected[ALARM_TEMPERATURE_ON] = 1;  // not in the station: left alone
    expected[ALARM_TEMPERATURE_UPPER] = 385;
    expected[ALARM_TEMPERATURE_LOWER] = -30;
    EXPECT_EQ(read, expected);
}

// The temperature limits go into bytes 31..34 of the block read from the station: the bits the
// limits do not use (4-6 of 32 and 34) and every byte the patch does not write stay as read.
TEST(SettingsBlocks, AlarmTimesPatchKeepsTheBitsItDoesNotWrite)
{
    AlarmRecord alarms = SampleAlarms();
    alarms[ALARM_TEMPERATURE_UPPER] = 385;
    alarms[ALARM_TEMPERATURE_LOWER] = -30;
    Block block;
    block.fill(0x7F);
    PatchAlarmTimes(block, alarms);
    const std::vector<uint8_t> limits(block.begin() + 15, block.begin() + 19);
    EXPECT_EQ(limits, (std::vector<uint8_t>{0x85, 0xF3, 0x30, 0x70}));  // 38.5 positive, 3.0 negative
    for (int k = 5; k < 32; ++k)
        EXPECT_TRUE((k >= 15 && k <= 18) || block[k] == 0x7F) << "byte " << 16 + k;
}

TEST(SettingsBlocks, LocationRoundTripsEveryField)
{
    StationCity city;
    city.latDegrees = 89;
    city.latMinutes = 59;
    city.south = 1;
    city.lonDegrees = 179;
    city.lonMinutes = 1;
    city.west = 0;
    city.zonePlus = 0;
    city.zoneHours = 5;
    city.zoneMinutes = 30;
    city.cityCode = 132;
    for (int rule : {0, 1, 2, 16}) {
        city.dstRule = rule;
        uint8_t record[8] = {};
        EncodeCityRecord(city, record, false);
        const StationCity read = DecodeCityRecord(record);
        EXPECT_EQ(read.latDegrees, 89);
        EXPECT_EQ(read.latMinutes, 59);
        EXPECT_EQ(read.south, 1);
        EXPECT_EQ(read.lonDegrees, 179);
        EXPECT_EQ(read.lonMinutes, 1);
        EXPECT_EQ(read.west, 0);
        EXPECT_EQ(read.dstRule, rule);
        EXPECT_EQ(read.zonePlus, 0);
        EXPECT_EQ(read.zoneHours, 5);
        EXPECT_EQ(read.zoneMinutes, 30);
        EXPECT_EQ(read.cityCode, 132);
    }
}

TEST(SettingsBlocks, StationCitiesOutsideTheTablesAreRejected)
{
    StationCity city;
    EXPECT_TRUE(CityRecordValid(city));
    city.latDegrees = 95;
    EXPECT_FALSE(CityRecordValid(city));  // the user-defined city is checked field by field
    city.cityCode = 4;
    EXPECT_TRUE(CityRecordValid(city));   // a table city takes its position from the tables
    city.cityCode = 140;
    EXPECT_FALSE(CityRecordValid(city));
    StationCity zone;
    zone.zonePlus = 0;
    zone.zoneHours = 14;
    EXPECT_FALSE(CityRecordValid(zone));
    zone.zonePlus = 1;
    EXPECT_TRUE(CityRecordValid(zone));
    zone.zoneMinutes = 15;
    EXPECT_FALSE(CityRecordValid(zone));
}
