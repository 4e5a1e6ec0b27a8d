#include "station/SettingsBlocks.h"

#include <cmath>
#include <cstdlib>

namespace stationsettings {

namespace {

constexpr int CITY_COUNT = 133;
constexpr int USER_DEFINED_CITY = 123;
constexpr int DST_RULE_COUNT = 17;

int Units(int v) { return std::abs(v) % 10; }
int Tens(int v) { return std::abs(v) / 10 % 10; }
int Hundreds(int v) { return std::abs(v) / 100 % 10; }
int Thousands(int v) { return std::abs(v) / 1000 & 0x0F; }
int High(uint8_t byte) { return byte >> 4; }
int Low(uint8_t byte) { return byte & 0x0F; }
uint8_t Nibbles(int high, int low) { return static_cast<uint8_t>((high & 0x0F) << 4 | (low & 0x0F)); }
int Flag(int value) { return value != 0 ? 1 : 0; }

// An hour byte: units in the high nibble, the flag bits given, tens in bits 0-1.
uint8_t HourByte(int hour, int flagBits) { return static_cast<uint8_t>(Units(hour) << 4 | flagBits | (Tens(hour) & 0x03)); }
int HourValue(uint8_t byte) { return High(byte) + 10 * (byte & 0x03); }

// Three digits of a wind limit: units high in the first byte (its low nibble 0), then tens and
// hundreds in the second.
void PutWindDigits(uint8_t* bytes, int v)
{
    bytes[0] = static_cast<uint8_t>(Units(v) << 4);
    bytes[1] = Nibbles(Hundreds(v), Tens(v));
}
int WindDigits(const uint8_t* bytes) { return High(bytes[0]) + 10 * Low(bytes[1]) + 100 * High(bytes[1]); }

// A temperature limit in tenths: least digit, next digit, third digit; positive when bit 7 of the
// second byte is set.
int TemperatureDigits(const uint8_t* bytes)
{
    const int value = Low(bytes[0]) + 10 * High(bytes[0]) + 100 * Low(bytes[1]);
    return (bytes[1] & 0x80) ? value : -value;
}

// The inverse: the three digits of |tenths|, bit 7 of the second byte set for zero and above;
// bits 4-6 of the second byte are not part of the limit and stay as they are.
void PutTemperatureDigits(uint8_t* bytes, int tenths)
{
    bytes[0] = Nibbles(Tens(tenths), Units(tenths));
    bytes[1] = static_cast<uint8_t>((bytes[1] & 0x70) | (tenths >= 0 ? 0x80 : 0) | Hundreds(tenths));
}

bool Within(int v, int low, int high) { return v >= low && v <= high; }

}  // namespace

int SwappedDigitsValue(uint8_t byte) { return High(byte) + 10 * Low(byte); }

uint8_t SwappedDigitsByte(int v) { return Nibbles(Units(v), Tens(v)); }

Block RecordIntervalBlock(int selection)
{
    Block block{};
    block[0] = static_cast<uint8_t>(selection + 1);
    return block;
}

int RecordIntervalSelection(const uint8_t* image)
{
    return static_cast<int8_t>(image[RECORD_INTERVAL_ADDRESS]) - 1;
}

Block AltitudeBlock(int metres)
{
    Block block{};
    const int magnitude = std::abs(metres);
    block[0] = static_cast<uint8_t>(magnitude & 0xFF);
    block[1] = static_cast<uint8_t>(magnitude >> 8 & 0xFF);
    block[2] = metres < 0 ? 0x08 : 0x00;
    return block;
}

int DecodeAltitude(const uint8_t* image)
{
    const int value = static_cast<int8_t>(image[ALTITUDE_ADDRESS + 1]) * 256 + image[ALTITUDE_ADDRESS];
    return (image[ALTITUDE_ADDRESS + 2] & 0x08) ? -value : value;
}

int FeetToMetres(int feet) { return static_cast<int>(std::lround(feet / FEET_PER_METRE)); }

int MetresToFeet(int metres) { return static_cast<int>(std::lround(metres * FEET_PER_METRE)); }

void PatchAlarmTimes(Block& block, const AlarmRecord& a)
{
    block[0] = HourByte(a[ALARM_WEEKDAY_HOUR], Flag(a[ALARM_SINGLE_ON]) * 8 + Flag(a[ALARM_WEEKDAY_ON]) * 4);
    block[1] = SwappedDigitsByte(a[ALARM_WEEKDAY_MINUTE]);
    block[2] = HourByte(a[ALARM_SINGLE_HOUR], Flag(a[ALARM_PRE_ON]) * 8);
    block[3] = SwappedDigitsByte(a[ALARM_SINGLE_MINUTE]);
    block[4] = Nibbles(a[ALARM_PERIOD], a[ALARM_DURATION]);
    PutTemperatureDigits(&block[TEMPERATURE_UPPER_ADDRESS - ALARM_TIMES_ADDRESS], a[ALARM_TEMPERATURE_UPPER]);
    PutTemperatureDigits(&block[TEMPERATURE_LOWER_ADDRESS - ALARM_TIMES_ADDRESS], a[ALARM_TEMPERATURE_LOWER]);
}

void PatchAlarmLimits(Block& block, const AlarmRecord& a)
{
    block[0] = static_cast<uint8_t>(Flag(a[ALARM_RAIN_ON]) * 4 + Flag(a[ALARM_WIND_ON]) * 2 + Flag(a[ALARM_GUST_ON]));
    const int rain = a[ALARM_RAIN_UPPER];
    block[1] = Nibbles(Tens(rain), Units(rain));
    block[2] = Nibbles(Thousands(rain), Hundreds(rain));
    PutWindDigits(&block[4], a[ALARM_WIND_UPPER]);
    PutWindDigits(&block[7], a[ALARM_GUST_UPPER]);
}

void DecodeAlarmTimes(const uint8_t* image, AlarmRecord& a)
{
    const uint8_t* b = image + ALARM_TIMES_ADDRESS;
    a[ALARM_WEEKDAY_HOUR] = HourValue(b[0]);
    a[ALARM_SINGLE_ON] = (b[0] >> 3) & 1;
    a[ALARM_WEEKDAY_ON] = (b[0] >> 2) & 1;
    a[ALARM_WEEKDAY_MINUTE] = SwappedDigitsValue(b[1]);
    a[ALARM_SINGLE_HOUR] = HourValue(b[2]);
    a[ALARM_PRE_ON] = (b[2] >> 3) & 1;
    a[ALARM_SINGLE_MINUTE] = SwappedDigitsValue(b[3]);
    a[ALARM_PERIOD] = High(b[4]);
    a[ALARM_DURATION] = Low(b[4]);
    a[ALARM_TEMPERATURE_UPPER] = TemperatureDigits(image + TEMPERATURE_UPPER_ADDRESS);
    a[ALARM_TEMPERATURE_LOWER] = TemperatureDigits(image + TEMPERATURE_LOWER_ADDRESS);
}

void DecodeAlarmLimits(const uint8_t* image, AlarmRecord& a)
{
    const uint8_t* b = image + ALARM_LIMITS_ADDRESS;
    a[ALARM_RAIN_ON] = (b[0] >> 2) & 1;
    a[ALARM_WIND_ON] = (b[0] >> 1) & 1;
    a[ALARM_GUST_ON] = b[0] & 1;
    a[ALARM_RAIN_UPPER] = Low(b[1]) + 10 * High(b[1]) + 100 * Low(b[2]) + 1000 * High(b[2]);
    a[ALARM_WIND_UPPER] = WindDigits(&b[4]);
    a[ALARM_GUST_UPPER] = WindDigits(&b[7]);
}

bool AlarmRecordSendable(const AlarmRecord& a)
{
    return Within(a[ALARM_TEMPERATURE_LOWER], ALARM_TEMPERATURE_LOWEST, ALARM_TEMPERATURE_HIGHEST - 1) &&
           Within(a[ALARM_TEMPERATURE_UPPER], a[ALARM_TEMPERATURE_LOWER] + 1, ALARM_TEMPERATURE_HIGHEST) &&
           Within(a[ALARM_RAIN_UPPER], 2, 1999) && Within(a[ALARM_WIND_UPPER], 1, 199) &&
           Within(a[ALARM_GUST_UPPER], 1, 199) && Within(a[ALARM_WEEKDAY_HOUR], 0, 23) &&
           Within(a[ALARM_SINGLE_HOUR], 0, 23) && Within(a[ALARM_WEEKDAY_MINUTE], 0, 59) &&
           Within(a[ALARM_SINGLE_MINUTE], 0, 59) && Within(a[ALARM_PERIOD], 1, 6) && a[ALARM_PERIOD] != 5 &&
           Within(a[ALARM_DURATION], 1, 15);
}

void EncodeCityRecord(const StationCity& city, uint8_t* r, bool keepCityLowNibble)
{
    r[0] = SwappedDigitsByte(city.latDegrees);
    r[1] = SwappedDigitsByte(city.latMinutes);
    r[2] = Nibbles(Units(city.lonDegrees), Tens(city.lonDegrees));
    r[3] = SwappedDigitsByte(city.lonMinutes);
    uint8_t flags = 0;
    if (city.south)
        flags |= 0x80;
    if (!city.west)
        flags |= 0x40;
    if (city.dstRule == 1)
        flags |= 0x10;
    if (!city.zonePlus)
        flags |= 0x08;
    if (city.zoneMinutes != 0)
        flags |= 0x03;
    r[4] = flags;
    r[5] = Nibbles(Hundreds(city.lonDegrees), city.dstRule != 0 ? city.dstRule - 1 : 0);
    r[6] = static_cast<uint8_t>((city.cityCode & 0xF0) | (keepCityLowNibble ? (r[6] & 0x0F) : 0));
    r[7] = Nibbles(city.zoneHours, city.cityCode & 0x0F);
}

StationCity DecodeCityRecord(const uint8_t* r)
{
    StationCity city;
    city.latDegrees = SwappedDigitsValue(r[0]);
    city.latMinutes = SwappedDigitsValue(r[1]);
    city.lonDegrees = High(r[2]) + 10 * (Low(r[2]) + 10 * ((r[5] >> 4) & 1));
    city.lonMinutes = SwappedDigitsValue(r[3]);
    city.south = (r[4] >> 7) & 1;
    city.west = (r[4] & 0x40) ? 0 : 1;
    if (r[4] & 0x10)
        city.dstRule = 1;
    else
        city.dstRule = Low(r[5]) != 0 ? Low(r[5]) + 1 : 0;
    city.zonePlus = (r[4] & 0x08) ? 0 : 1;
    city.zoneHours = High(r[7]);
    city.zoneMinutes = (r[4] & 0x03) == 0x03 ? 30 : 0;
    city.cityCode = (r[6] & 0xF0) | Low(r[7]);
    return city;
}

bool CityRecordValid(const StationCity& c)
{
    if (c.cityCode < 0 || c.cityCode >= CITY_COUNT)
        return false;
    if (c.cityCode != USER_DEFINED_CITY)
        return true;
    return Within(c.latDegrees, 0, 89) && Within(c.latMinutes, 0, 59) && Within(c.south, 0, 1) &&
           Within(c.lonDegrees, 0, 179) && Within(c.lonMinutes, 0, 59) && Within(c.west, 0, 1) &&
           Within(c.dstRule, 0, DST_RULE_COUNT - 1) && Within(c.zonePlus, 0, 1) &&
           c.zoneHours <= (c.zonePlus ? 15 : 13) && c.zoneHours >= 0 && (c.zoneMinutes == 0 || c.zoneMinutes == 30);
}

bool ZoneOffsetSendable(int zonePlus, int hours, int minutes)
{
    const int mostHours = zonePlus ? ZONE_HOURS_EAST_MOST : ZONE_HOURS_WEST_MOST;
    return hours >= 0 && (minutes == 0 || minutes == 30) && hours * 60 + minutes <= mostHours * 60;
}

}  // namespace stationsettings
