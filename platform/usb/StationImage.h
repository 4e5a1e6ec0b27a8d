// StationImage: an encoder of the weather station's memory.
//
// The station keeps its settings, extremes and a ring of 38-byte history records in one byte-addressed
// memory (byte n = address n, at most 0x20000 bytes), and answers two further addresses, 0x20000 and
// 0x20001, with 32-byte live blocks (current time stamp, current readings). This library builds such
// memory images byte for byte, so that
//   - the USB.dll station emulator can serve a plausible station, and
//   - tests can build golden images (8 KB and 128 KB memories, a wrapped ring, a bad checksum group,
//     an all-zero slot, a December/January pair of records ...) and write them as image files that
//     USB.dll serves when USB_EMULATOR names the file.
// It is written independently of the program's decoder: it encodes values into bytes, never decodes
// texts, so a round trip through both is a real cross-check.
//
// Conventions (all of them are the station's):
//   - Addresses are decimal unless written 0x..; the settings area is 0..256, history slot k starts at
//     257 + 38 k; the number of whole slots is (memory size - 257) / 38: 208 (8 KB, size code 0),
//     855 (32 KB, code 1), 3442 (128 KB, code 2), 1717 (64 KB, code 3).
//   - Temperatures are degrees Celsius, wind speeds mph, pressure hPa, UV the UV index, rain counts of
//     the gauge (one count = 0.705375 mm), altitude metres.
//   - Weekday codes: 1 Monday ... 6 Saturday, 7 Sunday (0 is read as Sunday too). A weekday of 0 in a
//     StationTime means "work it out from the date".
//   - Every Set.../Write... function below stores the bytes AND recomputes the checksum of every group
//     it touched, unless its comment says "raw". To build an image with a bad checksum group, build it
//     normally and then change a byte with PokeByte (raw) or flip the checksum byte.
//
// Typical fixture:
//     using namespace stationimage;
//     Image image = MakeEmptyImage();
//     SetMemoryInfo(image, SIZE_CODE_8K, 3, 1);          // 8 KB, next record goes to slot 3, 5 min
//     WeatherReading r = TypicalReading();
//     r.time = {2009, 12, 31, 23, 55};
//     WriteHistoryRecord(image, 1, r);                     // older record in slot 1
//     r.time = {2010, 1, 1, 0, 0};
//     WriteHistoryRecord(image, 2, r);                     // newest record in slot 2
//     SetRecordYears(image, {2010, 2009}, 2010);           // years of the newest records, newest first
//     WriteImageFile(L"Z:/tmp/fixture.bin", image, nullptr);
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace stationimage {

// ---- Memory map --------------------------------------------------------------------------------
constexpr uint32_t IMAGE_BYTES = 0x20000;          // the largest memory; an image always has this size
constexpr uint32_t HISTORY_START = 0x101;          // first byte of history slot 0
constexpr uint32_t RECORD_BYTES = 38;              // one history record
constexpr uint32_t LIVE_STAMP_ADDRESS = 0x20000;   // live block: current time stamp
constexpr uint32_t LIVE_READINGS_ADDRESS = 0x20001;// live block: current readings
constexpr size_t BLOCK_BYTES = 32;                 // one read or write block
constexpr size_t IMAGE_FILE_BYTES = IMAGE_BYTES;   // an image file without live blocks
constexpr size_t IMAGE_FILE_BYTES_WITH_LIVE = IMAGE_BYTES + 2 * BLOCK_BYTES;

// Memory size codes (address 252, bits 0-1).
constexpr int SIZE_CODE_8K = 0;    // 0x2000 bytes, 208 slots
constexpr int SIZE_CODE_32K = 1;   // 0x8000 bytes, 855 slots
constexpr int SIZE_CODE_128K = 2;  // 0x20000 bytes, 3442 slots
constexpr int SIZE_CODE_64K = 3;   // 0x10000 bytes, 1717 slots

using Image = std::vector<uint8_t>;       // always IMAGE_BYTES long
using Block = std::array<uint8_t, 32>;    // one 32-byte block
using RecordBytes = std::array<uint8_t, 38>;

uint32_t MemoryBytesOfSizeCode(int sizeCode);     // code & 3 -> 0x2000, 0x8000, 0x20000, 0x10000
int SlotCountOfSizeCode(int sizeCode);            // 208, 855, 3442, 1717
uint32_t SlotAddress(int slot);                   // 257 + 38 x slot

// ---- Time ----------------------------------------------------------------------------------------
// A wall-clock time as the station shows it (no time zone, no daylight saving).
struct StationTime {
    int year = 2000;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int weekday = 0;  // station code 1 Monday .. 7 Sunday; 0 = from the date
};

int64_t DaysFromCivil(int year, int month, int day);        // days since 1970-01-01
int StationWeekdayOf(int year, int month, int day);         // 1 Monday .. 7 Sunday
int64_t ToMinutes(const StationTime& time);                 // minutes since 1970-01-01 00:00
StationTime FromMinutes(int64_t minutes);                   // weekday filled in

// ---- Readings -------------------------------------------------------------------------------------
// How a reading is stored. Value stores the number; the others store the station's own patterns:
//   High    "HH" (digit nibble 0xB)       Low     "LL" (0xC)
//   Unknown "UU" (0xE; for wind 0xBB 0x0B; for the forecast code 7)
//   Missing wind "MISS" (0xEE 0x0E); elsewhere the same as Unknown
//   Absent  a channel or wind chill without its sensor: the digits of the value with the presence
//           bit (bit 6 of the second byte) clear -> "OUT" in a history record, "UU" in the live block;
//           for humidities and other readings the same as Unknown.
enum class Mark : uint8_t { Value, High, Low, Unknown, Missing, Absent };

struct Reading {
    double value = 0.0;
    Mark mark = Mark::Value;
};
inline Reading Val(double v) { return Reading{v, Mark::Value}; }
inline Reading Marked(Mark m) { return Reading{0.0, m}; }

// Wind status nibble beside the direction.
constexpr int WIND_STATUS_DEFAULT = 0;
constexpr int WIND_STATUS_RESTART = 10;
constexpr int WIND_STATUS_CLEAR = 13;    // the rain counter was reset
constexpr int WIND_STATUS_MISS = 14;

// One set of readings: the body of a history record, or the live readings block.
struct WeatherReading {
    StationTime time;                        // used by history records (the live stamp is separate)
    Reading indoorTemperature = Val(21.0);   // resolution 0.05
    Reading indoorHumidity = Val(45);        // 0..99
    std::array<Reading, 5> channelTemperature{};  // channels 1..5, resolution 0.05
    std::array<Reading, 5> channelHumidity{};
    Reading uv = Val(0.0);                   // 0..99.9, resolution 0.1
    double pressureHpa = 1013.0;             // 0..4095.9375, resolution 0.0625
    bool forecastFlag = false;               // bit 3 of the forecast byte
    int forecastCode = 1;                    // 0..6; 7 is the station's "UU"
    Reading windChill = Val(10.0);           // like a channel temperature (presence bit)
    Reading gust = Val(0.0);                 // mph 0..199.9, resolution 0.1
    Reading windSpeed = Val(0.0);            // mph 0..199.9
    int windDirection = 0;                   // 0 N, 1 NNE ... 15 NNW
    int windStatus = WIND_STATUS_DEFAULT;    // 0..15
    int rainCounter = 0;                     // 0..65535 counts
};

// A reading with every sensor present and ordinary values (a base for fixtures).
WeatherReading TypicalReading();

// ---- Field encoders (the byte patterns, for golden-byte tests) -----------------------------------
// Temperature in two bytes x, y: x = units << 4 | tenths, y = tens | 0x20 (+0.05) | 0x40 (presence,
// only when hasPresenceBit) | 0x80 (positive). Values are limited to -99.95..99.95 and rounded to
// 0.05 (to 0.1 when allowHalf is false). Markers put 0xBB / 0xCC / 0xEE into x.
void EncodeTemperature(const Reading& r, bool hasPresenceBit, bool allowHalf, uint8_t out[2]);
uint8_t EncodeHumidity(const Reading& r);                 // tens << 4 | units; markers 0xBB/0xCC/0xEE
void EncodeUv(const Reading& r, uint8_t out[2]);          // units << 4 | tenths, tens (low nibble)
void EncodePressure(double hPa, uint8_t out[2]);          // counts of 0.0625 hPa, low byte first
void EncodeWind(const Reading& r, uint8_t out[2]);        // units << 4 | tenths, hundreds << 4 | tens
uint8_t EncodeForecast(bool flag, int code);              // flag << 3 | code
uint8_t EncodeDirection(int direction, int status);      // status << 4 | direction
void EncodeTimeStamp(const StationTime& t, uint8_t out[4]); // weekday<<4|month, day, hour, minute (BCD)

// ---- History records ------------------------------------------------------------------------------
RecordBytes EncodeHistoryRecord(const WeatherReading& r);   // both checksums included
// Writes the record into slot `slot` (0 .. slot count of the 128 KB memory - 1) with its checksums.
void WriteHistoryRecord(Image& image, int slot, const WeatherReading& r);
// Raw: copies 38 bytes into the slot as they are (e.g. an all-zero slot or a bad checksum).
void WriteRawRecord(Image& image, int slot, const RecordBytes& bytes);
RecordBytes ReadRecordBytes(const Image& image, int slot);
// Writes `count` records ending with the newest in slot `newestSlot`, each `intervalMinutes` older
// than the next, going back through the slots and wrapping from slot 0 to the last whole slot of the
// image's memory size (set it with SetMemoryInfo first). The readings are `base` with the time stamp
// replaced and the rain counter lowered by `rainStep` per record back (not below 0). It also stores
// the years of the 25 newest records (SetRecordYears). A full ring that has wrapped:
//     SetMemoryInfo(image, SIZE_CODE_8K, 5, 1);
//     WriteRecordSeries(image, 4, 208, TypicalReading() /* time = newest */, 5, 1);
void WriteRecordSeries(Image& image, int newestSlot, int count, const WeatherReading& base, int intervalMinutes,
                       int rainStep);

// ---- Settings area ---------------------------------------------------------------------------------
// Memory information (252..255): size code in bits 0-1 of 252, the history index (the slot that the
// station writes next) in bits 0-3 of 253 and in 255, the record-interval code (1 = 5 min .. 11 = 1 day)
// in 254. Checksum 256 is recomputed.
void SetMemoryInfo(Image& image, int sizeCode, int historyIndex, int intervalCode);
int SizeCodeOf(const Image& image);
int HistoryIndexOf(const Image& image);
int IntervalCodeOf(const Image& image);
int IntervalMinutesOfCode(int intervalCode);  // 5, 10, 20, 30, 60, 90, 120, 180, 240, 300, 1440; 0 else

// The station's clock settings (0..5) and display flags (14): swapped digits (units in the high
// nibble). second is stored at 1.
void SetClock(Image& image, const StationTime& t, int second, bool hour24, bool monthBeforeDay);

// One city of the location area: which = 0 the local city (bytes 6..13), 1 the second city (22..29).
struct LocationSetting {
    int latDegrees = 0, latMinutes = 0;
    bool south = false;
    int lonDegrees = 0, lonMinutes = 0;   // 0..180
    bool west = false;
    int dstRule = 0;                      // 0 none, 1.. the daylight-saving rule number
    bool zonePlus = true;
    int zoneHours = 0;                    // 0..15
    int zoneMinutes = 0;                  // 0 or 30
    int cityCode = 123;                   // 0..255; 123 = the user-defined city
};
void SetLocation(Image& image, int which, const LocationSetting& city);

struct AlarmSetting {
    bool rainAlarmOn = false, windAlarmOn = false, gustAlarmOn = false;
    bool weekdayAlarmOn = false, singleAlarmOn = false, preAlarmOn = false;
    double temperatureUpper = 30.0, temperatureLower = -5.0;  // bytes 31-32 and 33-34, 0.1 degrees
    int rainUpper = 0;       // 0..9999 (161-162)
    int windUpper = 0;       // 0..199 (164-165)
    int gustUpper = 0;       // 0..199 (167-168)
    int weekdayHour = 0, weekdayMinute = 0;   // 16, 17
    int singleHour = 0, singleMinute = 0;     // 18, 19
    int period = 0, duration = 0;             // 20: high and low nibble, 0..15
};
void SetAlarms(Image& image, const AlarmSetting& alarms);

// Altitude in metres: 90 low byte, 91 high byte of |metres|, bit 3 of 92 when negative.
void SetAltitude(Image& image, int metres);

struct SensorExtremes {
    Reading temperatureMin = Val(0), temperatureMax = Val(0);
    Reading humidityMin = Val(0), humidityMax = Val(0);
};
struct MinMaxSetting {
    std::array<SensorExtremes, 6> sensors{};   // 0 indoor, 1..5 channels (36..72)
    std::array<int, 6> temperatureTrend{};     // 0..3 each (73..75, two bits each)
    std::array<int, 6> humidityTrend{};
    uint8_t flagBits = 0;                      // byte 76 as is
    std::array<Reading, 8> uvDailyMax{};       // 77..88: index 0 seven days ago .. 7 today
    Reading windMax = Val(0), gustMax = Val(0);// 170-171, 172-173 (mph, limited to 199.9)
    std::array<int, 3> rainCounts{};           // 174, 176, 178: yesterday, last week, last month;
                                               // 0xFFFF stores "MISS"
};
void SetMinMax(Image& image, const MinMaxSetting& m);

// Pressure history (96..149): the time stamp of the newest hourly value, then 25 hourly pressures,
// newest first.
void SetPressureHistory(Image& image, const StationTime& newest, const std::array<double, 25>& hpa);

// Version bytes 152..156.
void SetVersion(Image& image, const std::array<uint8_t, 5>& bytes);

// Years of the newest records (225..249, newest first, two BCD digits each) and the year at 251.
// Up to 25 years are used; the others are left as they are.
void SetRecordYears(Image& image, const std::vector<int>& yearsNewestFirst, int currentYear);
// Shifts the years of 225..248 to 226..249 and stores `year` at 225 (a new newest record).
void PushRecordYear(Image& image, int year);

// Raw byte access (no checksum work).
void PokeByte(Image& image, uint32_t address, uint8_t value);
uint8_t PeekByte(const Image& image, uint32_t address);

// ---- Checksums --------------------------------------------------------------------------------------
// A group is good when the sum of its bytes, its checksum (last byte) included and its left-out bytes
// excluded, is 0 modulo 256.
struct ChecksumGroup { uint32_t first, last, skipFirst, skipLast; };  // skipFirst > skipLast: none
const std::vector<ChecksumGroup>& SettingsChecksumGroups();           // the 14 groups of 0..256
void FixSettingsChecksums(Image& image);                              // all 14 groups
void FixGroupChecksum(Image& image, const ChecksumGroup& group);
bool GroupIsGood(const Image& image, const ChecksumGroup& group);
void FixRecordChecksums(Image& image, int slot);                      // offsets 15 and 37
// Settings groups and every whole slot of the memory size that 252 gives.
void FixAllChecksums(Image& image);
// Addresses of the checksum bytes of every bad group (settings and slots of the memory size);
// empty when the whole image is good.
std::vector<uint32_t> BadChecksumGroups(const Image& image);

// ---- What the station does with a write frame ------------------------------------------------------
// Applies the 32 data bytes of a write frame at `address` as the station does: only the bytes of the
// setting that the address holds change (record interval at 254, altitude at 90, alarms at 16 (bytes
// 16..20 and the temperature limits 31..34) and 160, the local city at 0 and the second city at 22),
// and the checksums of the touched groups are recomputed. The zero padding of a frame never reaches
// other bytes. Returns false (and changes nothing) for any other address or an interval code outside
// 1..11.
bool ApplySettingsWrite(Image& image, uint32_t address, const uint8_t data[32]);

// ---- Live blocks ---------------------------------------------------------------------------------
Block EncodeLiveStamp(const StationTime& t);          // first 4 bytes, the other 28 zero
Block EncodeLiveReadings(const WeatherReading& r);    // the 32-byte readings block

// ---- Image files -----------------------------------------------------------------------------------
Image MakeEmptyImage();   // IMAGE_BYTES zero bytes

// The file USB.dll serves: 0x20000 bytes (byte n = address n), followed by the 32-byte live stamp
// block and the 32-byte live readings block when `live` is given (stamp first).
struct LiveBlocks { Block stamp{}; Block readings{}; };
bool WriteImageFile(const std::wstring& path, const Image& image, const LiveBlocks* live);
// Reads an image file of 0x20000 or 0x20000 + 64 bytes; *hasLive tells which. Other sizes fail.
bool ReadImageFile(const std::wstring& path, Image& image, LiveBlocks& live, bool* hasLive);

}  // namespace stationimage
