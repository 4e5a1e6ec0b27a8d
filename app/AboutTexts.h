// The texts of the About box: the station's firmware versions, memory and history state, battery
// flags and a one-line summary of the current readings, beside the program's version.
#pragma once
#include "records/SettingsRecord.h"

#include <cstdint>
#include <string>

class CMainRecords;

namespace about {

constexpr int VERSION_COUNT = 5;  // barometer, 5CH & UV, RCC & sunrise sunset, wind & rain, system
constexpr int STATUS_COUNT = 6;   // indoor, outdoor, UV, pressure, wind, rainfall
// Positions in the 17 texts (the order of the settings record's cache).
constexpr int TEXT_VERSION_FIRST = 0;
constexpr int TEXT_RECORD_TIME = 5;
constexpr int TEXT_MEMORY_SIZE = 6;
constexpr int TEXT_RECORD_POINTER = 7;
constexpr int TEXT_INTERVAL = 8;
constexpr int TEXT_BATTERY = 9;
constexpr int TEXT_STATUS_FIRST = 10;
constexpr int TEXT_PROGRAM_VERSION = 16;
static_assert(TEXT_PROGRAM_VERSION + 1 == ABOUT_TEXT_COUNT, "17 texts");

// What the About box shows of the station. `image` is the station's memory image from address 0;
// the *Read flags say whether the blocks holding the versions (152..156), the memory information
// (252..255) and the battery flags (76) were just read from the station.
struct StationSources {
    bool stationReady = false;  // the first poll has delivered data
    const uint8_t* image = nullptr;
    bool versionsRead = false;
    bool memoryInfoRead = false;
    bool batteryRead = false;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;  // the current reading
    std::wstring status[STATUS_COUNT];
};

// "  V" and the byte in hexadecimal, unsigned (0x80 reads "  V80").
std::wstring VersionText(uint8_t byte);
// By the two low bits of address 252: "64Kbit", "256Kbit", "1Mbit", "512Kbit".
std::wstring MemorySizeText(uint8_t byte252);
// The station address of the next history record from addresses 253 and 255.
std::wstring RecordPointerText(uint8_t byte253, uint8_t byte255);
// The record interval code of address 254: 1 "5 minutes" .. 11 "1 day"; empty for other codes.
std::wstring IntervalText(uint8_t code);
// Bits 7 down to 0: "+" set, "-" clear.
std::wstring BatteryText(uint8_t byte76);

// The 17 texts. Before the station has delivered data: "  -" for the versions, " -" for the eleven
// lines; a block that was not read gives its dash texts.
void FillTexts(const StationSources& sources, std::wstring (&texts)[ABOUT_TEXT_COUNT]);

// The six status lines from the readings, the rolling histories and the summary values, with "-"
// for what is missing. The wind line is in the display unit; rainSinceReset is the text the main
// window shows for the rain since the last reset.
void BuildStatusTexts(const CMainRecords& records, double currentGust, const std::wstring& rainSinceReset,
                      std::wstring (&status)[STATUS_COUNT]);

}  // namespace about
