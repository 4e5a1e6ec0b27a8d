// Byte encoding of the station's memory; see StationImage.h.
#include "platform/usb/StationImage.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace stationimage {
namespace {

uint8_t MarkNibble(Mark m) {
    switch (m) {
        case Mark::High: return 0xB;
        case Mark::Low: return 0xC;
        default: return 0xE;
    }
}

bool IsMarker(const Reading& r) { return r.mark != Mark::Value && r.mark != Mark::Absent; }

uint8_t Bcd(int v) { return static_cast<uint8_t>(((v / 10) % 10) << 4 | (v % 10)); }       // tens high
uint8_t Swapped(int v) { return static_cast<uint8_t>((v % 10) << 4 | ((v / 10) % 10)); }  // units high

long RoundSteps(double v, double step) { return std::lround(v / step); }

void AddTo(Image& image, uint32_t address, uint8_t value) {
    if (address < image.size()) image[address] = value;
}

}  // namespace

uint32_t MemoryBytesOfSizeCode(int sizeCode) {
    static const uint32_t sizes[4] = {0x2000, 0x8000, 0x20000, 0x10000};
    return sizes[sizeCode & 3];
}

int SlotCountOfSizeCode(int sizeCode) {
    return static_cast<int>((MemoryBytesOfSizeCode(sizeCode) - HISTORY_START) / RECORD_BYTES);
}

uint32_t SlotAddress(int slot) { return HISTORY_START + RECORD_BYTES * static_cast<uint32_t>(slot); }

// ---- Time ----------------------------------------------------------------------------------------

int64_t DaysFromCivil(int year, int month, int day) {
    // Proleptic Gregorian calendar, days since 1970-01-01.
    int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int StationWeekdayOf(int year, int month, int day) {
    const int64_t days = DaysFromCivil(year, month, day);
    int sundayBased = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
    return sundayBased == 0 ? 7 : sundayBased;
}

int64_t ToMinutes(const StationTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 1440 + t.hour * 60 + t.minute;
}

StationTime FromMinutes(int64_t minutes) {
    int64_t days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    int64_t rest = minutes - days * 1440;
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    StationTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(rest / 60);
    t.minute = static_cast<int>(rest % 60);
    t.weekday = StationWeekdayOf(t.year, t.month, t.day);
    return t;
}

// ---- Field encoders ------------------------------------------------------------------------------

void EncodeTemperature(const Reading& r, bool hasPresenceBit, bool allowHalf, uint8_t out[2]) {
    if (IsMarker(r)) {
        const uint8_t n = MarkNibble(r.mark);
        out[0] = static_cast<uint8_t>(n << 4 | n);
        out[1] = static_cast<uint8_t>(0x80 | (hasPresenceBit ? 0x40 : 0));
        return;
    }
    const double v = std::max(-99.95, std::min(99.95, r.value));
    long steps = RoundSteps(std::fabs(v), 0.05);   // twentieths of a degree
    if (!allowHalf) steps = RoundSteps(std::fabs(v), 0.1) * 2;
    if (steps > 1999) steps = allowHalf ? 1999 : 1998;
    const long tenthsTotal = steps / 2;
    const int half = static_cast<int>(steps % 2);
    const int tens = static_cast<int>(tenthsTotal / 100);
    const int units = static_cast<int>((tenthsTotal / 10) % 10);
    const int tenths = static_cast<int>(tenthsTotal % 10);
    const bool positive = !(v < 0 && steps > 0);
    out[0] = static_cast<uint8_t>(units << 4 | tenths);
    out[1] = static_cast<uint8_t>(tens | (half ? 0x20 : 0) |
                                  (hasPresenceBit && r.mark != Mark::Absent ? 0x40 : 0) |
                                  (positive ? 0x80 : 0));
}

uint8_t EncodeHumidity(const Reading& r) {
    if (r.mark != Mark::Value) {
        const uint8_t n = MarkNibble(r.mark == Mark::Absent ? Mark::Unknown : r.mark);
        return static_cast<uint8_t>(n << 4 | n);
    }
    const int h = static_cast<int>(std::max(0L, std::min(99L, std::lround(r.value))));
    return Bcd(h);
}

void EncodeUv(const Reading& r, uint8_t out[2]) {
    if (r.mark != Mark::Value) {
        const uint8_t n = MarkNibble(r.mark == Mark::Absent ? Mark::Unknown : r.mark);
        out[0] = static_cast<uint8_t>(n << 4 | n);
        out[1] = 0;
        return;
    }
    const long tenthsTotal = std::max(0L, std::min(999L, RoundSteps(r.value, 0.1)));
    out[0] = static_cast<uint8_t>(((tenthsTotal / 10) % 10) << 4 | (tenthsTotal % 10));
    out[1] = static_cast<uint8_t>(tenthsTotal / 100);
}

void EncodePressure(double hPa, uint8_t out[2]) {
    const long counts = std::max(0L, std::min(65535L, std::lround(hPa * 16.0)));
    out[0] = static_cast<uint8_t>(counts & 0xFF);
    out[1] = static_cast<uint8_t>(counts >> 8);
}

void EncodeWind(const Reading& r, uint8_t out[2]) {
    if (r.mark == Mark::Missing) { out[0] = 0xEE; out[1] = 0x0E; return; }
    if (r.mark != Mark::Value) { out[0] = 0xBB; out[1] = 0x0B; return; }
    const long tenthsTotal = std::max(0L, std::min(1999L, RoundSteps(r.value, 0.1)));
    const int hundreds = static_cast<int>(tenthsTotal / 1000);
    const int tens = static_cast<int>((tenthsTotal / 100) % 10);
    const int units = static_cast<int>((tenthsTotal / 10) % 10);
    const int tenths = static_cast<int>(tenthsTotal % 10);
    out[0] = static_cast<uint8_t>(units << 4 | tenths);
    out[1] = static_cast<uint8_t>(hundreds << 4 | tens);
}

uint8_t EncodeForecast(bool flag, int code) {
    return static_cast<uint8_t>((flag ? 0x08 : 0) | (code & 7));
}

uint8_t EncodeDirection(int direction, int status) {
    return static_cast<uint8_t>((status & 0x0F) << 4 | (direction & 0x0F));
}

void EncodeTimeStamp(const StationTime& t, uint8_t out[4]) {
    const int weekday = t.weekday != 0 ? t.weekday : StationWeekdayOf(t.year, t.month, t.day);
    out[0] = static_cast<uint8_t>((weekday & 0x0F) << 4 | (t.month & 0x0F));
    out[1] = static_cast<uint8_t>(((t.day / 10) & 3) << 4 | (t.day % 10));
    out[2] = static_cast<uint8_t>(((t.hour / 10) & 3) << 4 | (t.hour % 10));
    out[3] = Bcd(t.minute);
}

WeatherReading TypicalReading() {
    WeatherReading r;
    r.time = {2010, 6, 15, 12, 0, 0};
    r.indoorTemperature = Val(21.5);
    r.indoorHumidity = Val(45);
    const double temps[5] = {15.2, 18.4, 11.6, -18.3, 9.0};
    const int hums[5] = {62, 70, 80, 35, 55};
    for (int k = 0; k < 5; ++k) {
        r.channelTemperature[k] = Val(temps[k]);
        r.channelHumidity[k] = Val(hums[k]);
    }
    r.uv = Val(3.4);
    r.pressureHpa = 1013.25;
    r.forecastCode = 1;
    r.windChill = Val(14.5);
    r.gust = Val(12.3);
    r.windSpeed = Val(7.8);
    r.windDirection = 5;
    r.rainCounter = 1234;
    return r;
}

// ---- History records ------------------------------------------------------------------------------

namespace {

uint8_t ClosingByte(const uint8_t* bytes, size_t count) {
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i) sum += bytes[i];
    return static_cast<uint8_t>((256 - (sum & 0xFF)) & 0xFF);
}

// Fills offsets 0-36 (not the checksums) of a history record, or the same fields of a live block
// through the offsets table.
void EncodeChannels(const WeatherReading& r, uint8_t* rec) {
    static const int tempOffsets[5] = {7, 10, 13, 17, 20};
    static const int humOffsets[5] = {9, 12, 16, 19, 22};
    for (int k = 0; k < 5; ++k) {
        EncodeTemperature(r.channelTemperature[k], true, true, rec + tempOffsets[k]);
        rec[humOffsets[k]] = EncodeHumidity(r.channelHumidity[k]);
    }
}

}  // namespace

RecordBytes EncodeHistoryRecord(const WeatherReading& r) {
    RecordBytes rec{};
    EncodeTimeStamp(r.time, rec.data());
    EncodeTemperature(r.indoorTemperature, false, true, rec.data() + 4);
    rec[6] = EncodeHumidity(r.indoorHumidity);
    EncodeChannels(r, rec.data());
    EncodeUv(r.uv, rec.data() + 23);
    EncodePressure(r.pressureHpa, rec.data() + 25);
    rec[27] = EncodeForecast(r.forecastFlag, r.forecastCode);
    EncodeTemperature(r.windChill, true, true, rec.data() + 28);
    EncodeWind(r.gust, rec.data() + 30);
    EncodeWind(r.windSpeed, rec.data() + 32);
    rec[34] = EncodeDirection(r.windDirection, r.windStatus);
    const int rain = std::max(0, std::min(65535, r.rainCounter));
    rec[35] = static_cast<uint8_t>(rain & 0xFF);
    rec[36] = static_cast<uint8_t>(rain >> 8);
    rec[15] = ClosingByte(rec.data(), 15);
    rec[37] = ClosingByte(rec.data() + 16, 21);
    return rec;
}

void WriteRawRecord(Image& image, int slot, const RecordBytes& bytes) {
    const uint32_t a = SlotAddress(slot);
    for (uint32_t i = 0; i < RECORD_BYTES; ++i) AddTo(image, a + i, bytes[i]);
}

void WriteHistoryRecord(Image& image, int slot, const WeatherReading& r) {
    WriteRawRecord(image, slot, EncodeHistoryRecord(r));
}

RecordBytes ReadRecordBytes(const Image& image, int slot) {
    RecordBytes rec{};
    const uint32_t a = SlotAddress(slot);
    for (uint32_t i = 0; i < RECORD_BYTES; ++i) rec[i] = PeekByte(image, a + i);
    return rec;
}

void WriteRecordSeries(Image& image, int newestSlot, int count, const WeatherReading& base, int intervalMinutes,
                       int rainStep) {
    const int slots = SlotCountOfSizeCode(SizeCodeOf(image));
    const int64_t newest = ToMinutes(base.time);
    std::vector<int> years;
    for (int k = 0; k < count; ++k) {
        WeatherReading r = base;
        r.time = FromMinutes(newest - static_cast<int64_t>(k) * intervalMinutes);
        r.rainCounter = std::max(0, base.rainCounter - k * rainStep);
        const int slot = ((newestSlot - k) % slots + slots) % slots;
        WriteHistoryRecord(image, slot, r);
        if (k < 25) years.push_back(r.time.year);
    }
    SetRecordYears(image, years, base.time.year);
}

// ---- Checksums ------------------------------------------------------------------------------------

const std::vector<ChecksumGroup>& SettingsChecksumGroups() {
    static const std::vector<ChecksumGroup> groups = {
        {0, 15, 1, 0},      {16, 21, 1, 0},     {22, 30, 1, 0},    {31, 35, 1, 0},
        {36, 63, 1, 0},     {64, 89, 1, 0},     {90, 93, 1, 0},    {94, 123, 94, 95},
        {124, 151, 1, 0},   {152, 157, 1, 0},   {158, 169, 158, 159}, {170, 180, 1, 0},
        {181, 250, 181, 224}, {251, 256, 1, 0},
    };
    return groups;
}

namespace {
bool Skipped(const ChecksumGroup& g, uint32_t a) { return g.skipFirst <= g.skipLast && a >= g.skipFirst && a <= g.skipLast; }
}

void FixGroupChecksum(Image& image, const ChecksumGroup& g) {
    unsigned sum = 0;
    for (uint32_t a = g.first; a < g.last; ++a)
        if (!Skipped(g, a)) sum += PeekByte(image, a);
    AddTo(image, g.last, static_cast<uint8_t>((256 - (sum & 0xFF)) & 0xFF));
}

bool GroupIsGood(const Image& image, const ChecksumGroup& g) {
    unsigned sum = 0;
    for (uint32_t a = g.first; a <= g.last; ++a)
        if (!Skipped(g, a)) sum += PeekByte(image, a);
    return (sum & 0xFF) == 0;
}

void FixSettingsChecksums(Image& image) {
    for (const ChecksumGroup& g : SettingsChecksumGroups()) FixGroupChecksum(image, g);
}

namespace {
const ChecksumGroup* GroupClosingAt(uint32_t last) {
    for (const ChecksumGroup& g : SettingsChecksumGroups())
        if (g.last == last) return &g;
    return nullptr;
}
void FixGroupOf(Image& image, uint32_t checksumAddress) {
    if (const ChecksumGroup* g = GroupClosingAt(checksumAddress)) FixGroupChecksum(image, *g);
}
}  // namespace

void FixRecordChecksums(Image& image, int slot) {
    const uint32_t a = SlotAddress(slot);
    FixGroupChecksum(image, ChecksumGroup{a, a + 15, 1, 0});
    FixGroupChecksum(image, ChecksumGroup{a + 16, a + 37, 1, 0});
}

void FixAllChecksums(Image& image) {
    FixSettingsChecksums(image);
    const int slots = SlotCountOfSizeCode(SizeCodeOf(image));
    for (int s = 0; s < slots; ++s) FixRecordChecksums(image, s);
}

std::vector<uint32_t> BadChecksumGroups(const Image& image) {
    std::vector<uint32_t> bad;
    for (const ChecksumGroup& g : SettingsChecksumGroups())
        if (!GroupIsGood(image, g)) bad.push_back(g.last);
    const int slots = SlotCountOfSizeCode(SizeCodeOf(image));
    for (int s = 0; s < slots; ++s) {
        const uint32_t a = SlotAddress(s);
        if (!GroupIsGood(image, ChecksumGroup{a, a + 15, 1, 0})) bad.push_back(a + 15);
        if (!GroupIsGood(image, ChecksumGroup{a + 16, a + 37, 1, 0})) bad.push_back(a + 37);
    }
    return bad;
}

// ---- Settings area -------------------------------------------------------------------------------

void PokeByte(Image& image, uint32_t address, uint8_t value) { AddTo(image, address, value); }

uint8_t PeekByte(const Image& image, uint32_t address) {
    return address < image.size() ? image[address] : 0;
}

void SetMemoryInfo(Image& image, int sizeCode, int historyIndex, int intervalCode) {
    AddTo(image, 252, static_cast<uint8_t>((PeekByte(image, 252) & 0xFC) | (sizeCode & 3)));
    AddTo(image, 253, static_cast<uint8_t>((PeekByte(image, 253) & 0xF0) | ((historyIndex >> 8) & 0x0F)));
    AddTo(image, 255, static_cast<uint8_t>(historyIndex & 0xFF));
    AddTo(image, 254, static_cast<uint8_t>(intervalCode));
    FixGroupOf(image, 256);
}

int SizeCodeOf(const Image& image) { return PeekByte(image, 252) & 3; }

int HistoryIndexOf(const Image& image) {
    return (PeekByte(image, 253) & 0x0F) << 8 | PeekByte(image, 255);
}

int IntervalCodeOf(const Image& image) { return PeekByte(image, 254); }

int IntervalMinutesOfCode(int code) {
    static const int minutes[12] = {0, 5, 10, 20, 30, 60, 90, 120, 180, 240, 300, 1440};
    return code >= 1 && code <= 11 ? minutes[code] : 0;
}

void SetClock(Image& image, const StationTime& t, int second, bool hour24, bool monthBeforeDay) {
    const int weekday = t.weekday != 0 ? t.weekday : StationWeekdayOf(t.year, t.month, t.day);
    AddTo(image, 0, static_cast<uint8_t>((PeekByte(image, 0) & 0x08) | (t.minute % 10) << 4 | (t.minute / 10 & 7)));
    AddTo(image, 1, Swapped(second));
    AddTo(image, 2, static_cast<uint8_t>((PeekByte(image, 2) & 0x0C) | (t.day % 10) << 4 | (t.day / 10 & 3)));
    AddTo(image, 3, static_cast<uint8_t>((PeekByte(image, 3) & 0x0C) | (t.hour % 10) << 4 | (t.hour / 10 & 3)));
    AddTo(image, 4, Swapped(t.year % 100));
    AddTo(image, 5, static_cast<uint8_t>((t.month % 10) << 4 | (weekday & 7) << 1 | (t.month / 10 & 1)));
    AddTo(image, 14, static_cast<uint8_t>((PeekByte(image, 14) & ~0x06) | (hour24 ? 0x04 : 0) | (monthBeforeDay ? 0x02 : 0)));
    FixGroupOf(image, 15);
}

namespace {

// The eight bytes of one city as the program's location writer encodes them; b+6 only its high nibble.
void EncodeCity(const LocationSetting& c, uint8_t out[8]) {
    out[0] = Swapped(c.latDegrees);
    out[1] = Swapped(c.latMinutes);
    out[2] = Swapped(c.lonDegrees % 100);
    out[3] = Swapped(c.lonMinutes);
    out[4] = static_cast<uint8_t>((c.south ? 0x80 : 0) | (c.west ? 0 : 0x40) | (c.dstRule == 1 ? 0x10 : 0) |
                                  (c.zonePlus ? 0 : 0x08) | (c.zoneMinutes != 0 ? 0x03 : 0));
    out[5] = static_cast<uint8_t>((c.lonDegrees / 100 & 0x0F) << 4 | (c.dstRule != 0 ? (c.dstRule - 1) & 0x0F : 0));
    out[6] = static_cast<uint8_t>(c.cityCode & 0xF0);
    out[7] = static_cast<uint8_t>((c.zoneHours & 0x0F) << 4 | (c.cityCode & 0x0F));
}

}  // namespace

void SetLocation(Image& image, int which, const LocationSetting& city) {
    const uint32_t b = which == 0 ? 6 : 22;
    uint8_t bytes[8];
    EncodeCity(city, bytes);
    for (uint32_t i = 0; i < 8; ++i) {
        if (i == 6)
            AddTo(image, b + 6, static_cast<uint8_t>(bytes[6] | (PeekByte(image, b + 6) & 0x0F)));
        else
            AddTo(image, b + i, bytes[i]);
    }
    FixGroupOf(image, which == 0 ? 15 : 30);
}

void SetAlarms(Image& image, const AlarmSetting& a) {
    auto hourByte = [](int hour, bool flagBit3, bool flagBit2) {
        return static_cast<uint8_t>((hour % 10) << 4 | (flagBit3 ? 8 : 0) | (flagBit2 ? 4 : 0) | (hour / 10 & 3));
    };
    AddTo(image, 16, hourByte(a.weekdayHour, a.singleAlarmOn, a.weekdayAlarmOn));
    AddTo(image, 17, Swapped(a.weekdayMinute));
    AddTo(image, 18, hourByte(a.singleHour, a.preAlarmOn, false));
    AddTo(image, 19, Swapped(a.singleMinute));
    AddTo(image, 20, static_cast<uint8_t>((a.period & 0x0F) << 4 | (a.duration & 0x0F)));
    uint8_t t[2];
    EncodeTemperature(Val(a.temperatureUpper), false, false, t);
    AddTo(image, 31, t[0]);
    AddTo(image, 32, t[1]);
    EncodeTemperature(Val(a.temperatureLower), false, false, t);
    AddTo(image, 33, t[0]);
    AddTo(image, 34, t[1]);
    AddTo(image, 160, static_cast<uint8_t>((a.rainAlarmOn ? 4 : 0) | (a.windAlarmOn ? 2 : 0) | (a.gustAlarmOn ? 1 : 0)));
    const int rain = std::max(0, std::min(9999, a.rainUpper));
    AddTo(image, 161, static_cast<uint8_t>((rain / 10 % 10) << 4 | rain % 10));
    AddTo(image, 162, static_cast<uint8_t>((rain / 1000) << 4 | rain / 100 % 10));
    const int wind = std::max(0, std::min(199, a.windUpper));
    AddTo(image, 164, static_cast<uint8_t>((wind % 10) << 4));
    AddTo(image, 165, static_cast<uint8_t>((wind / 100) << 4 | wind / 10 % 10));
    const int gust = std::max(0, std::min(199, a.gustUpper));
    AddTo(image, 167, static_cast<uint8_t>((gust % 10) << 4));
    AddTo(image, 168, static_cast<uint8_t>((gust / 100) << 4 | gust / 10 % 10));
    FixGroupOf(image, 21);
    FixGroupOf(image, 35);
    FixGroupOf(image, 169);
}

void SetAltitude(Image& image, int metres) {
    const int m = std::min(65535, std::abs(metres));
    AddTo(image, 90, static_cast<uint8_t>(m & 0xFF));
    AddTo(image, 91, static_cast<uint8_t>(m >> 8 & 0xFF));
    AddTo(image, 92, static_cast<uint8_t>((PeekByte(image, 92) & ~0x08) | (metres < 0 ? 0x08 : 0)));
    FixGroupOf(image, 93);
}

void SetMinMax(Image& image, const MinMaxSetting& m) {
    // Byte positions of first temperature, second temperature (two bytes each) and two humidities.
    struct Pos { uint32_t t1a, t1b, t2a, t2b, h1, h2; };
    static const Pos pos[6] = {
        {36, 37, 38, 39, 40, 41}, {42, 43, 44, 45, 46, 47}, {48, 49, 50, 51, 52, 53},
        {54, 55, 56, 57, 58, 59}, {60, 61, 62, 64, 65, 66}, {67, 68, 69, 70, 71, 72},
    };
    for (int s = 0; s < 6; ++s) {
        const bool indoor = s == 0;
        uint8_t t[2];
        EncodeTemperature(m.sensors[s].temperatureMin, false, indoor, t);
        AddTo(image, pos[s].t1a, t[0]);
        AddTo(image, pos[s].t1b, t[1]);
        EncodeTemperature(m.sensors[s].temperatureMax, false, indoor, t);
        AddTo(image, pos[s].t2a, t[0]);
        AddTo(image, pos[s].t2b, t[1]);
        AddTo(image, pos[s].h1, EncodeHumidity(m.sensors[s].humidityMin));
        AddTo(image, pos[s].h2, EncodeHumidity(m.sensors[s].humidityMax));
    }
    // Twelve two-bit trend codes: temperature of sensors 0..5, then humidity of sensors 0..5, from
    // bits 0-1 of 73 upwards.
    uint8_t trend[3] = {0, 0, 0};
    for (int i = 0; i < 12; ++i) {
        const int code = (i < 6 ? m.temperatureTrend[i] : m.humidityTrend[i - 6]) & 3;
        trend[i / 4] = static_cast<uint8_t>(trend[i / 4] | code << (2 * (i % 4)));
    }
    for (int i = 0; i < 3; ++i) AddTo(image, 73 + i, trend[i]);
    AddTo(image, 76, m.flagBits);
    // Daily UV maxima: two values in each group of three bytes g, g+1, g+2.
    for (int pair = 0; pair < 4; ++pair) {
        const uint32_t g = 77 + 3 * pair;
        uint8_t b0, b1, b2;
        const Reading& even = m.uvDailyMax[2 * pair];
        const Reading& odd = m.uvDailyMax[2 * pair + 1];
        int eu = 0, et = 0, ett = 0, ou = 0, ot = 0, ott = 0;   // units, tenths, tens
        if (even.mark == Mark::Value) {
            const long v = std::max(0L, std::min(999L, RoundSteps(even.value, 0.1)));
            eu = v / 10 % 10; et = v % 10; ett = v / 100;
        } else {
            eu = et = MarkNibble(even.mark);
        }
        if (odd.mark == Mark::Value) {
            const long v = std::max(0L, std::min(999L, RoundSteps(odd.value, 0.1)));
            ou = v / 10 % 10; ot = v % 10; ott = v / 100;
        } else {
            ou = ot = MarkNibble(odd.mark);
        }
        b0 = static_cast<uint8_t>(eu << 4 | et);
        b1 = static_cast<uint8_t>(ot << 4 | ett);
        b2 = static_cast<uint8_t>(ott << 4 | ou);
        AddTo(image, g, b0);
        AddTo(image, g + 1, b1);
        AddTo(image, g + 2, b2);
    }
    uint8_t w[2];
    EncodeWind(m.windMax, w);
    AddTo(image, 170, w[0]);
    AddTo(image, 171, w[1]);
    EncodeWind(m.gustMax, w);
    AddTo(image, 172, w[0]);
    AddTo(image, 173, w[1]);
    for (int i = 0; i < 3; ++i) {
        const int c = std::max(0, std::min(65535, m.rainCounts[i]));
        AddTo(image, 174 + 2 * i, static_cast<uint8_t>(c & 0xFF));
        AddTo(image, 175 + 2 * i, static_cast<uint8_t>(c >> 8));
    }
    FixGroupOf(image, 63);
    FixGroupOf(image, 89);
    FixGroupOf(image, 180);
}

void SetPressureHistory(Image& image, const StationTime& newest, const std::array<double, 25>& hpa) {
    uint8_t stamp[4];
    EncodeTimeStamp(newest, stamp);
    for (int i = 0; i < 4; ++i) AddTo(image, 96 + i, stamp[i]);
    for (int i = 0; i < 25; ++i) {
        uint32_t low, high;
        if (i < 11) { low = 100 + 2 * i; high = low + 1; }
        else if (i == 11) { low = 122; high = 124; }       // the checksum at 123 lies between
        else { low = 125 + 2 * (i - 12); high = low + 1; }
        uint8_t p[2];
        EncodePressure(hpa[i], p);
        AddTo(image, low, p[0]);
        AddTo(image, high, p[1]);
    }
    FixGroupOf(image, 123);
    FixGroupOf(image, 151);
}

void SetVersion(Image& image, const std::array<uint8_t, 5>& bytes) {
    for (int i = 0; i < 5; ++i) AddTo(image, 152 + i, bytes[i]);
    FixGroupOf(image, 157);
}

void SetRecordYears(Image& image, const std::vector<int>& years, int currentYear) {
    for (size_t i = 0; i < years.size() && i < 25; ++i) AddTo(image, 225 + static_cast<uint32_t>(i), Bcd(years[i] % 100));
    AddTo(image, 251, Bcd(currentYear % 100));
    FixGroupOf(image, 250);
    FixGroupOf(image, 256);
}

void PushRecordYear(Image& image, int year) {
    for (uint32_t a = 249; a > 225; --a) AddTo(image, a, PeekByte(image, a - 1));
    AddTo(image, 225, Bcd(year % 100));
    AddTo(image, 251, Bcd(year % 100));
    FixGroupOf(image, 250);
    FixGroupOf(image, 256);
}

// ---- Writes -----------------------------------------------------------------------------------

bool ApplySettingsWrite(Image& image, uint32_t address, const uint8_t d[32]) {
    auto setHighNibble = [&](uint32_t a, uint8_t v) {
        AddTo(image, a, static_cast<uint8_t>((v & 0xF0) | (PeekByte(image, a) & 0x0F)));
    };
    switch (address) {
        case 254:   // record interval
            if (d[0] < 1 || d[0] > 11) return false;
            AddTo(image, 254, d[0]);
            FixGroupOf(image, 256);
            return true;
        case 90:    // altitude
            AddTo(image, 90, d[0]);
            AddTo(image, 91, d[1]);
            AddTo(image, 92, static_cast<uint8_t>((PeekByte(image, 92) & ~0x08) | (d[2] & 0x08)));
            FixGroupOf(image, 93);
            return true;
        case 16:    // weekday and single alarm, pre-alarm, period and duration; temperature limits
            for (uint32_t i = 0; i < 5; ++i) AddTo(image, 16 + i, d[i]);
            for (uint32_t a = 31; a <= 34; ++a) AddTo(image, a, d[a - 16]);
            FixGroupOf(image, 21);
            FixGroupOf(image, 35);
            return true;
        case 160:   // rain, wind and gust alarms
            AddTo(image, 160, static_cast<uint8_t>((PeekByte(image, 160) & ~0x07) | (d[0] & 0x07)));
            AddTo(image, 161, d[1]);
            AddTo(image, 162, d[2]);
            setHighNibble(164, d[4]);
            AddTo(image, 165, d[5]);
            setHighNibble(167, d[7]);
            AddTo(image, 168, d[8]);
            FixGroupOf(image, 169);
            return true;
        case 0:     // local city: bytes 6..13 of the frame
            for (uint32_t i = 6; i <= 13; ++i) {
                if (i == 12) setHighNibble(12, d[12]);
                else AddTo(image, i, d[i]);
            }
            FixGroupOf(image, 15);
            return true;
        case 22:    // second city: bytes 22..29
            for (uint32_t i = 0; i < 8; ++i) {
                if (i == 6) setHighNibble(28, d[6]);
                else AddTo(image, 22 + i, d[i]);
            }
            FixGroupOf(image, 30);
            return true;
        default:
            return false;
    }
}

// ---- Live blocks ---------------------------------------------------------------------------------

Block EncodeLiveStamp(const StationTime& t) {
    Block b{};
    EncodeTimeStamp(t, b.data());
    return b;
}

Block EncodeLiveReadings(const WeatherReading& r) {
    Block b{};
    EncodeTemperature(r.indoorTemperature, false, true, b.data());
    b[2] = EncodeHumidity(r.indoorHumidity);
    for (int k = 0; k < 5; ++k) {
        EncodeTemperature(r.channelTemperature[k], true, true, b.data() + 3 + 3 * k);
        b[5 + 3 * k] = EncodeHumidity(r.channelHumidity[k]);
    }
    EncodeUv(r.uv, b.data() + 18);
    EncodePressure(r.pressureHpa, b.data() + 20);
    b[22] = EncodeForecast(r.forecastFlag, r.forecastCode);
    EncodeTemperature(r.windChill, true, true, b.data() + 23);
    EncodeWind(r.gust, b.data() + 25);
    EncodeWind(r.windSpeed, b.data() + 27);
    b[29] = EncodeDirection(r.windDirection, r.windStatus);
    const int rain = std::max(0, std::min(65535, r.rainCounter));
    b[30] = static_cast<uint8_t>(rain & 0xFF);
    b[31] = static_cast<uint8_t>(rain >> 8);
    return b;
}

// ---- Files -------------------------------------------------------------------------------------

Image MakeEmptyImage() { return Image(IMAGE_BYTES, 0); }

bool WriteImageFile(const std::wstring& path, const Image& image, const LiveBlocks* live) {
    if (image.size() != IMAGE_BYTES) return false;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    std::vector<uint8_t> bytes(image);
    if (live) {
        bytes.insert(bytes.end(), live->stamp.begin(), live->stamp.end());
        bytes.insert(bytes.end(), live->readings.begin(), live->readings.end());
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

bool ReadImageFile(const std::wstring& path, Image& image, LiveBlocks& live, bool* hasLive) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(h, &size) &&
              (size.QuadPart == static_cast<LONGLONG>(IMAGE_FILE_BYTES) ||
               size.QuadPart == static_cast<LONGLONG>(IMAGE_FILE_BYTES_WITH_LIVE));
    std::vector<uint8_t> bytes;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
    }
    CloseHandle(h);
    if (!ok) return false;
    image.assign(bytes.begin(), bytes.begin() + IMAGE_BYTES);
    const bool withLive = bytes.size() == IMAGE_FILE_BYTES_WITH_LIVE;
    live = LiveBlocks{};
    if (withLive) {
        std::copy(bytes.begin() + IMAGE_BYTES, bytes.begin() + IMAGE_BYTES + 32, live.stamp.begin());
        std::copy(bytes.begin() + IMAGE_BYTES + 32, bytes.end(), live.readings.begin());
    }
    if (hasLive) *hasLive = withLive;
    return true;
}

}  // namespace stationimage
