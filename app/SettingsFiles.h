// The byte layouts of the main window's settings files, as pure functions over byte buffers.
//
// Every file is one fixed record of little-endian int32 (and one double in "rRainReset.dat"),
// with text fields of a fixed number of UTF-16 code units holding the text and a zero unit.
// A decoder takes the file's bytes, or null when there is no file, and fills the record:
//   - a missing file gives the defaults;
//   - a field that the file does not cover completely (a short file) gets its default;
//   - a value outside its range gets its default (languages, regions, cities, unit indexes, the
//     auto-save interval, count and formats, display switches and chart views, line types,
//     thicknesses, colours);
//   - a name or prefix that the window cannot show as it is (a control character, U+FFFE or
//     U+FFFF, a surrogate without its partner; for a channel name also an empty or blank one)
//     gets its default;
// so the encoder, which always writes the full record, writes those defaults back.
#pragma once
#include "records/SettingsRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace settings {

using Bytes = std::vector<std::uint8_t>;

// File names (in the install folder).
extern const wchar_t* const LANGUAGE_FILE;       // "rLanguageSetting.dat"
extern const wchar_t* const AUTO_SAVING_FILE;    // "rAutoSavingSetting.dat"
extern const wchar_t* const THD_FILE;            // "rTHDSetting.dat"
extern const wchar_t* const DISPLAY_FILE;        // "rDisplaySetting.dat"
extern const wchar_t* const UNIT_FILE;           // "rDisplayingUnitSetting.dat"
extern const wchar_t* const LOCATION_FILE;       // "rLocation.dat"
extern const wchar_t* const RAIN_RESET_FILE;     // "rRainReset.dat"
extern const wchar_t* const IN_OUTDOOR_FILE;     // "rInOutdoorSetting.dat"

constexpr std::size_t LANGUAGE_FILE_BYTES = 4;
constexpr std::size_t AUTO_SAVING_FILE_BYTES = 4116;
constexpr std::size_t THD_FILE_BYTES = 3288;
constexpr std::size_t DISPLAY_FILE_BYTES = 44;
constexpr std::size_t UNIT_FILE_BYTES = 32;
constexpr std::size_t LOCATION_FILE_BYTES = 4112;
constexpr std::size_t RAIN_RESET_FILE_BYTES = 28;
constexpr std::size_t IN_OUTDOOR_FILE_BYTES = 44;

constexpr int LONG_TEXT_UNITS = 1024;   // auto-save prefix and folder, city names
constexpr int NAME_TEXT_UNITS = 256;    // channel names
constexpr int AUTO_SAVE_INTERVAL_COUNT = 9;  // 0 none, 1..8
constexpr int AUTO_SAVE_COUNT_MAX = 31;      // the count of days, weeks or months: 1..31
constexpr int LINE_TYPE_COUNT = 5;      // 0 solid .. 4 long-short dash
constexpr int LINE_THICKNESS_COUNT = 3; // 0 "1/2 pt", 1 "1 pt", 2 "1 1/2 pt"
constexpr int THD_COLOUR_FIRST = 36;    // m_thdSettings[36..53]: colours

// ---- UTF-16 text fields ------------------------------------------------------------------------
std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const std::u16string& units);
// The text of a field of `units` code units at `offset`: up to the first zero unit, or the
// whole field when it has none.
std::wstring ReadTextField(const Bytes& file, std::size_t offset, int units);
// The text as a field of `units` code units keeps it: at most units - 1 code units (a character of
// two code units is never split).
std::wstring FitTextField(const std::wstring& text, int units);
// Writes the text into the field (FitTextField, then zeros to the field's end).
void WriteTextField(Bytes& file, std::size_t offset, int units, const std::wstring& text);

std::int32_t ReadInt32(const Bytes& file, std::size_t offset);
void WriteInt32(Bytes& file, std::size_t offset, std::int32_t value);

// ---- the files ---------------------------------------------------------------------------------
// "rLanguageSetting.dat": the language id; 0 (English) when missing, short or outside 0..7.
int DecodeLanguage(const Bytes* file);
Bytes EncodeLanguage(int language);

// "rAutoSavingSetting.dat". Default prefix: row 16 of g_mainAutoSavingTexts in `language`;
// default folder: the install folder. The folder check is the caller's (it needs the file system).
void DecodeAutoSaving(const Bytes* file, int language, const std::wstring& installFolder, CSettingsRecord& s);
Bytes EncodeAutoSaving(const CSettingsRecord& s);

// "rTHDSetting.dat": channel names (defaults rows 10..15 of g_mainThdTexts in `language`),
// the 36 line styles (file: sensor by sensor; memory: row = kind, column = sensor) and the
// 18 colours.
void DecodeThd(const Bytes* file, int language, CSettingsRecord& s);
Bytes EncodeThd(const CSettingsRecord& s);
// The default colour of quantity q (0..2) and sensor s (0..5).
std::uint32_t DefaultLineColour(int quantity, int sensor);

// "rDisplaySetting.dat": the eleven display switches and chart views.
void DecodeDisplay(const Bytes* file, CSettingsRecord& s);
Bytes EncodeDisplay(const CSettingsRecord& s);

// "rDisplayingUnitSetting.dat": the eight unit indexes.
void DecodeUnits(const Bytes* file, CSettingsRecord& s);
Bytes EncodeUnits(const CSettingsRecord& s);

// "rLocation.dat": region, city index and name of both cities; then, for each city, a table
// city's name and every derived field come from the city tables (the user-defined city keeps
// its name from the file and has zero position and zone fields).
void DecodeLocation(const Bytes* file, CSettingsRecord& s);
Bytes EncodeLocation(const CSettingsRecord& s);
// Fills the derived fields (and a table city's name) of one city from the city tables.
void FillCityFromTables(CityLocation& city);

// The alarm record that the settings start with (nothing is read for it).
void SetDefaultAlarmRecord(CSettingsRecord& s);

// "rRainReset.dat": the time of the last rain reset and the rain counter then.
struct RainReset {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double counter = 0.0;
};
// False (nothing set) when the file is shorter than its 28 bytes, its time is not a real date and
// time, or its counter is not a finite number at or above 0: such a file counts as no reset file.
bool DecodeRainReset(const Bytes& file, RainReset* reset);
Bytes EncodeRainReset(const RainReset& reset);

// "rInOutdoorSetting.dat": the nine series check boxes (1041, 1042, 1043, 1035..1040) and the
// two sensor choices (combo boxes 1030 and 1031).
struct InOutdoorSetting {
    int checks[9] = {1, 1, 0, 1, 0, 0, 0, 0, 0};
    int upperSensor = 0;   // indoor
    int lowerSensor = 1;   // channel 1
};
// Defaults when missing or shorter than 44 bytes; a sensor choice outside 0..5 gets its default.
// Check values are kept as stored (a 2 is sent to the box as 2 and counts as shown).
InOutdoorSetting DecodeInOutdoor(const Bytes* file);
Bytes EncodeInOutdoor(const InOutdoorSetting& setting);

// ---- files on disk -----------------------------------------------------------------------------
// The whole file; false when it cannot be opened.
bool ReadFileBytes(const std::wstring& path, Bytes* bytes);
// Replaces the file in one step (ReplaceFileWith): false, and the file as it was, when it cannot be
// written whole (ErrorOfLastFailure tells why).
bool WriteFileBytes(const std::wstring& path, const Bytes& bytes);

}  // namespace settings
