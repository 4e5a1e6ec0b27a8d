#include "app/SettingsFiles.h"

#include "records/RecordFileIo.h"
#include "records/RecordTime.h"
#include "texts/Cities.h"
#include "texts/TextTables.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace settings {

const wchar_t* const LANGUAGE_FILE = L"rLanguageSetting.dat";
const wchar_t* const AUTO_SAVING_FILE = L"rAutoSavingSetting.dat";
const wchar_t* const THD_FILE = L"rTHDSetting.dat";
const wchar_t* const DISPLAY_FILE = L"rDisplaySetting.dat";
const wchar_t* const UNIT_FILE = L"rDisplayingUnitSetting.dat";
const wchar_t* const LOCATION_FILE = L"rLocation.dat";
const wchar_t* const RAIN_RESET_FILE = L"rRainReset.dat";
const wchar_t* const IN_OUTDOOR_FILE = L"rInOutdoorSetting.dat";

namespace {

// True when the file holds the `size` bytes from `offset`.
bool Covers(const Bytes* file, std::size_t offset, std::size_t size)
{
    return file && file->size() >= offset + size;
}

// The int32 at the offset when the file covers it and the value lies in [low, high]; else the
// default.
int IntField(const Bytes* file, std::size_t offset, int low, int high, int fallback)
{
    if (!Covers(file, offset, 4))
        return fallback;
    int value = ReadInt32(*file, offset);
    return (value >= low && value <= high) ? value : fallback;
}

std::wstring TextField(const Bytes* file, std::size_t offset, int units, const std::wstring& fallback)
{
    if (!Covers(file, offset, static_cast<std::size_t>(units) * 2))
        return fallback;
    return ReadTextField(*file, offset, units);
}

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// A text that the window can show as it is: no control character (C0, DEL, C1), no non-character
// U+FFFE / U+FFFF, no surrogate without its partner. `notBlank`: also something besides spaces.
bool ShowableText(const std::wstring& text, bool notBlank)
{
    const std::u16string units = ToUtf16(text);
    bool blank = true;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t unit = units[i];
        if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || unit == 0xFFFE || unit == 0xFFFF)
            return false;
        if (IsHighSurrogate(unit)) {
            if (i + 1 >= units.size() || !IsLowSurrogate(units[i + 1]))
                return false;
            ++i;
        } else if (IsLowSurrogate(unit)) {
            return false;
        }
        blank = blank && unit == 0x20;
    }
    return !(notBlank && blank);
}

// A name or prefix the window shows: a damaged one (see ShowableText) gets the default.
std::wstring ShownTextField(const Bytes* file, std::size_t offset, int units, const std::wstring& fallback,
                            bool notBlank)
{
    const std::wstring text = TextField(file, offset, units, fallback);
    return ShowableText(text, notBlank) ? text : fallback;
}

constexpr int kLineStyleDefaults[6] = {0, 2, 1, 0, 1, 2};  // types T, H, D; thicknesses T, H, D
constexpr std::uint32_t kColourDefaults[6] = {0x0000FF, 0x8080FF, 0x0080FF, 0x00FFFF, 0x008000, 0x800000};
constexpr int kAlarmDefaults[ALARM_RECORD_COUNT] = {0, 0, 1, 0, 0, 0, 0, 700, -500, 2, 3, 1, 7, 0, 8, 0, 2, 8};

}  // namespace

// ---- text and number fields ----------------------------------------------------------------------

std::u16string ToUtf16(const std::wstring& text)
{
    std::u16string units;
    for (wchar_t ch : text) {
        std::uint32_t c = static_cast<std::uint32_t>(ch);
        if (sizeof(wchar_t) > 2 && c > 0xFFFF) {
            c -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (c >> 10));
            units += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            units += static_cast<char16_t>(c & 0xFFFF);
        }
    }
    return units;
}

std::wstring FromUtf16(const std::u16string& units)
{
    std::wstring text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t c = units[i];
        if (sizeof(wchar_t) > 2 && IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        text += static_cast<wchar_t>(c);
    }
    return text;
}

std::wstring ReadTextField(const Bytes& file, std::size_t offset, int units)
{
    std::u16string text;
    for (int i = 0; i < units && offset + 2 * i + 1 < file.size(); ++i) {
        char16_t unit = static_cast<char16_t>(file[offset + 2 * i] | (file[offset + 2 * i + 1] << 8));
        if (unit == 0)
            break;
        text += unit;
    }
    return FromUtf16(text);
}

std::wstring FitTextField(const std::wstring& text, int units)
{
    std::u16string encoded = ToUtf16(text);
    const std::size_t room = units > 0 ? static_cast<std::size_t>(units - 1) : 0;
    if (encoded.size() <= room)
        return text;
    encoded.resize(room);
    // A character of two code units is left out whole.
    if (!encoded.empty() && IsHighSurrogate(encoded.back()))
        encoded.pop_back();
    return FromUtf16(encoded);
}

void WriteTextField(Bytes& file, std::size_t offset, int units, const std::wstring& text)
{
    const std::u16string encoded = ToUtf16(FitTextField(text, units));
    for (int i = 0; i < units; ++i) {
        char16_t unit = static_cast<std::size_t>(i) < encoded.size() ? encoded[i] : 0;
        file[offset + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        file[offset + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
}

std::int32_t ReadInt32(const Bytes& file, std::size_t offset)
{
    std::uint32_t value = static_cast<std::uint32_t>(file[offset]) | (static_cast<std::uint32_t>(file[offset + 1]) << 8) |
                          (static_cast<std::uint32_t>(file[offset + 2]) << 16) |
                          (static_cast<std::uint32_t>(file[offset + 3]) << 24);
    return static_cast<std::int32_t>(value);
}

void WriteInt32(Bytes& file, std::size_t offset, std::int32_t value)
{
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        file[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// ---- "rLanguageSetting.dat" ------------------------------------------------------------------------

int DecodeLanguage(const Bytes* file)
{
    return IntField(file, 0, LANGUAGE_ENGLISH, LANGUAGE_COUNT - 1, LANGUAGE_ENGLISH);
}

Bytes EncodeLanguage(int language)
{
    Bytes file(LANGUAGE_FILE_BYTES);
    WriteInt32(file, 0, language);
    return file;
}

// ---- "rAutoSavingSetting.dat" --------------------------------------------------------------------

void DecodeAutoSaving(const Bytes* file, int language, const std::wstring& installFolder, CSettingsRecord& s)
{
    s.m_autoSaveInterval = IntField(file, 0, 0, AUTO_SAVE_INTERVAL_COUNT - 1, 0);
    s.m_autoSaveCount = IntField(file, 4, 1, AUTO_SAVE_COUNT_MAX, 1);
    s.m_autoSaveCsv = IntField(file, 8, 0, 1, 1);
    s.m_autoSaveTxt = IntField(file, 12, 0, 1, 0);
    s.m_autoSaveJpg = IntField(file, 16, 0, 1, 0);
    s.m_autoSavePrefix = ShownTextField(file, 20, LONG_TEXT_UNITS, TextAt(g_mainAutoSavingTexts, 16, language), false);
    s.m_autoSaveFolder = TextField(file, 2068, LONG_TEXT_UNITS, installFolder);
}

Bytes EncodeAutoSaving(const CSettingsRecord& s)
{
    Bytes file(AUTO_SAVING_FILE_BYTES);
    WriteInt32(file, 0, s.m_autoSaveInterval);
    WriteInt32(file, 4, s.m_autoSaveCount);
    WriteInt32(file, 8, s.m_autoSaveCsv);
    WriteInt32(file, 12, s.m_autoSaveTxt);
    WriteInt32(file, 16, s.m_autoSaveJpg);
    WriteTextField(file, 20, LONG_TEXT_UNITS, s.m_autoSavePrefix);
    WriteTextField(file, 2068, LONG_TEXT_UNITS, s.m_autoSaveFolder);
    return file;
}

// ---- "rTHDSetting.dat" -------------------------------------------------------------------------------

std::uint32_t DefaultLineColour(int, int sensor)
{
    return (sensor >= 0 && sensor < CHANNEL_COUNT) ? kColourDefaults[sensor] : 0;
}

void DecodeThd(const Bytes* file, int language, CSettingsRecord& s)
{
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor)
        s.m_channelName[sensor] = ShownTextField(file, static_cast<std::size_t>(sensor) * NAME_TEXT_UNITS * 2,
                                                 NAME_TEXT_UNITS, TextAt(g_mainThdTexts, 10 + sensor, language), true);
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor) {
        for (int row = 0; row < 6; ++row) {
            std::size_t offset = 3072 + static_cast<std::size_t>(sensor * 6 + row) * 4;
            int high = row < 3 ? LINE_TYPE_COUNT - 1 : LINE_THICKNESS_COUNT - 1;
            s.m_thdSettings[row * 6 + sensor] = IntField(file, offset, 0, high, kLineStyleDefaults[row]);
        }
    }
    for (int quantity = 0; quantity < 3; ++quantity) {
        for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor) {
            int index = quantity * 6 + sensor;
            s.m_thdSettings[THD_COLOUR_FIRST + index] =
                IntField(file, 3216 + static_cast<std::size_t>(index) * 4, 0, 0xFFFFFF,
                         static_cast<int>(DefaultLineColour(quantity, sensor)));
        }
    }
}

Bytes EncodeThd(const CSettingsRecord& s)
{
    Bytes file(THD_FILE_BYTES);
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor)
        WriteTextField(file, static_cast<std::size_t>(sensor) * NAME_TEXT_UNITS * 2, NAME_TEXT_UNITS,
                       s.m_channelName[sensor]);
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor)
        for (int row = 0; row < 6; ++row)
            WriteInt32(file, 3072 + static_cast<std::size_t>(sensor * 6 + row) * 4, s.m_thdSettings[row * 6 + sensor]);
    for (int index = 0; index < 18; ++index)
        WriteInt32(file, 3216 + static_cast<std::size_t>(index) * 4, s.m_thdSettings[THD_COLOUR_FIRST + index]);
    return file;
}

// ---- "rDisplaySetting.dat" -------------------------------------------------------------------------

namespace {
int CSettingsRecord::*const kDisplayFields[11] = {
    &CSettingsRecord::m_showForecast,  &CSettingsRecord::m_showPressure,      &CSettingsRecord::m_showUv,
    &CSettingsRecord::m_showRain,      &CSettingsRecord::m_showWindSpeed,     &CSettingsRecord::m_showWindDirection,
    &CSettingsRecord::m_pressureView,  &CSettingsRecord::m_uvView,            &CSettingsRecord::m_rainView,
    &CSettingsRecord::m_windSpeedView, &CSettingsRecord::m_windDirectionView,
};
constexpr int kDisplayDefaults[11] = {1, 1, 0, 1, 1, 1, 1, 2, 1, 3, 3};
// Highest value of each: the six switches 0/1, the pressure, UV and rain views 0..2 (0 when the
// chart is hidden), the wind views 0..3.
constexpr int kDisplayHighest[11] = {1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3};

struct UnitField {
    int CSettingsRecord::*member;
    int low, high, fallback;
};
const UnitField kUnitFields[8] = {
    {&CSettingsRecord::m_unitReserved, 0, 3, 3},   {&CSettingsRecord::m_altitudeUnit, 0, 1, 1},
    {&CSettingsRecord::m_uvUnit, 0, 1, 1},         {&CSettingsRecord::m_pressureUnit, 0, 2, 1},
    {&CSettingsRecord::m_rainUnit, 0, 1, 1},       {&CSettingsRecord::m_timeFormat, INT32_MIN, INT32_MAX, 1},
    {&CSettingsRecord::m_temperatureUnit, 0, 1, 0}, {&CSettingsRecord::m_windUnit, 0, 3, 3},
};
}  // namespace

void DecodeDisplay(const Bytes* file, CSettingsRecord& s)
{
    for (int i = 0; i < 11; ++i)
        s.*kDisplayFields[i] =
            IntField(file, static_cast<std::size_t>(i) * 4, 0, kDisplayHighest[i], kDisplayDefaults[i]);
}

Bytes EncodeDisplay(const CSettingsRecord& s)
{
    Bytes file(DISPLAY_FILE_BYTES);
    for (int i = 0; i < 11; ++i)
        WriteInt32(file, static_cast<std::size_t>(i) * 4, s.*kDisplayFields[i]);
    return file;
}

// ---- "rDisplayingUnitSetting.dat" ------------------------------------------------------------------

void DecodeUnits(const Bytes* file, CSettingsRecord& s)
{
    for (int i = 0; i < 8; ++i) {
        const UnitField& field = kUnitFields[i];
        s.*field.member = IntField(file, static_cast<std::size_t>(i) * 4, field.low, field.high, field.fallback);
    }
}

Bytes EncodeUnits(const CSettingsRecord& s)
{
    Bytes file(UNIT_FILE_BYTES);
    for (int i = 0; i < 8; ++i)
        WriteInt32(file, static_cast<std::size_t>(i) * 4, s.*kUnitFields[i].member);
    return file;
}

// ---- "rLocation.dat" ----------------------------------------------------------------------------------

void FillCityFromTables(CityLocation& city)
{
    if (!IsValidCityIndex(city.cityIndex))
        city.cityIndex = USER_DEFINED_CITY;
    int index = city.cityIndex;
    if (index != USER_DEFINED_CITY)
        city.name = CityNameAt(index);
    city.latitudeDegrees = g_cityLatitudes[index][POSITION_DEGREES];
    city.latitudeMinutes = g_cityLatitudes[index][POSITION_MINUTES];
    city.latitudeHemisphere = g_cityLatitudes[index][POSITION_HEMISPHERE];
    city.longitudeDegrees = g_cityLongitudes[index][POSITION_DEGREES];
    city.longitudeMinutes = g_cityLongitudes[index][POSITION_MINUTES];
    city.longitudeHemisphere = g_cityLongitudes[index][POSITION_HEMISPHERE];
    city.dstRule = g_cityDstRules[index];
    double zone = g_cityTimeZones[index];
    double whole = std::trunc(zone);
    city.zoneEast = zone >= 0 ? 1 : 0;
    city.zoneHours = static_cast<int>(std::fabs(whole));
    city.zoneHalfHour = static_cast<int>(std::fabs(zone - whole) * 10);
}

void DecodeLocation(const Bytes* file, CSettingsRecord& s)
{
    for (int c = 0; c < 2; ++c) {
        std::size_t base = static_cast<std::size_t>(c) * 2056;
        CityLocation& city = s.m_locationSettings[c];
        city = CityLocation();
        city.region = IntField(file, base, 0, REGION_COUNT - 1, USER_DEFINED_REGION);
        city.cityIndex = IntField(file, base + 4, 0, CITY_COUNT - 1, USER_DEFINED_CITY);
        city.name = ShownTextField(file, base + 8, LONG_TEXT_UNITS, CityNameAt(USER_DEFINED_CITY), false);
        FillCityFromTables(city);
    }
}

Bytes EncodeLocation(const CSettingsRecord& s)
{
    Bytes file(LOCATION_FILE_BYTES);
    for (int c = 0; c < 2; ++c) {
        std::size_t base = static_cast<std::size_t>(c) * 2056;
        const CityLocation& city = s.m_locationSettings[c];
        WriteInt32(file, base, city.region);
        WriteInt32(file, base + 4, city.cityIndex);
        WriteTextField(file, base + 8, LONG_TEXT_UNITS, city.name);
    }
    return file;
}

void SetDefaultAlarmRecord(CSettingsRecord& s)
{
    for (int i = 0; i < ALARM_RECORD_COUNT; ++i)
        s.m_alarmRecord[i] = kAlarmDefaults[i];
}

// ---- "rRainReset.dat" ----------------------------------------------------------------------------------

bool DecodeRainReset(const Bytes& file, RainReset* reset)
{
    if (file.size() < RAIN_RESET_FILE_BYTES)
        return false;
    const RecordTime time{ReadInt32(file, 0), ReadInt32(file, 4), ReadInt32(file, 8), ReadInt32(file, 12),
                          ReadInt32(file, 16)};
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(file[20 + i]) << (8 * i);
    double counter = 0;
    std::memcpy(&counter, &bits, sizeof bits);
    // A damaged file is no reset: its time would shift every rain value.
    if (!IsRealRecordTime(time) || !std::isfinite(counter) || counter < 0)
        return false;
    reset->year = time.year;
    reset->month = time.month;
    reset->day = time.day;
    reset->hour = time.hour;
    reset->minute = time.minute;
    reset->counter = counter;
    return true;
}

Bytes EncodeRainReset(const RainReset& reset)
{
    Bytes file(RAIN_RESET_FILE_BYTES);
    WriteInt32(file, 0, reset.year);
    WriteInt32(file, 4, reset.month);
    WriteInt32(file, 8, reset.day);
    WriteInt32(file, 12, reset.hour);
    WriteInt32(file, 16, reset.minute);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &reset.counter, sizeof bits);
    for (int i = 0; i < 8; ++i)
        file[20 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return file;
}

// ---- "rInOutdoorSetting.dat" ------------------------------------------------------------------------

InOutdoorSetting DecodeInOutdoor(const Bytes* file)
{
    InOutdoorSetting setting;
    if (!Covers(file, 0, IN_OUTDOOR_FILE_BYTES))
        return setting;
    for (int i = 0; i < 9; ++i)
        setting.checks[i] = ReadInt32(*file, static_cast<std::size_t>(i) * 4);
    setting.upperSensor = IntField(file, 36, 0, CHANNEL_COUNT - 1, setting.upperSensor);
    setting.lowerSensor = IntField(file, 40, 0, CHANNEL_COUNT - 1, setting.lowerSensor);
    return setting;
}

Bytes EncodeInOutdoor(const InOutdoorSetting& setting)
{
    Bytes file(IN_OUTDOOR_FILE_BYTES);
    for (int i = 0; i < 9; ++i)
        WriteInt32(file, static_cast<std::size_t>(i) * 4, setting.checks[i]);
    WriteInt32(file, 36, setting.upperSensor);
    WriteInt32(file, 40, setting.lowerSensor);
    return file;
}

// ---- files ------------------------------------------------------------------------------------------------

bool ReadFileBytes(const std::wstring& path, Bytes* bytes)
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    bytes->clear();
    std::uint8_t buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + read);
    std::fclose(file);
    return true;
}

bool WriteFileBytes(const std::wstring& path, const Bytes& bytes)
{
    return ReplaceFileWith(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace settings
