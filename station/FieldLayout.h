// How each byte position of the station's memory and live blocks is cut into fields.
#pragma once
#include <array>
#include <cstdint>

#include "station/StationMemoryMap.h"

// Checksum roles of a byte position.
constexpr int CHECKSUM_MEMBER = 0;   // counted in its group's sum
constexpr int CHECKSUM_CLOSER = 1;   // the group's checksum byte, its last byte
constexpr int CHECKSUM_LEFT_OUT = -1;// counted in no sum

constexpr int MAX_FIELDS = 8;

struct FieldLayout {
    int32_t fieldCount;              // 1..8
    int32_t masks[MAX_FIELDS];       // bits of field k; 0xFF in unused slots
    int32_t divisors[MAX_FIELDS];    // lowest set bit of masks[k]; -1 in unused slots
    int32_t checksumRole;            // CHECKSUM_MEMBER, CHECKSUM_CLOSER or CHECKSUM_LEFT_OUT

    // Value of field k of byte b: its bits shifted down to bit 0.
    constexpr int32_t FieldValue(uint8_t b, int k) const { return (b & masks[k]) / divisors[k]; }
};

// Settings area, indexed by station address 0..256.
extern const std::array<FieldLayout, SETTINGS_AREA_SIZE> g_settingsLayout;
// History record, indexed by offset 0..37.
extern const std::array<FieldLayout, HISTORY_RECORD_SIZE> g_historyLayout;
// Live stamp block (first 4 bytes of the block at 0x20000).
extern const std::array<FieldLayout, 4> g_stampLayout;
// Live readings block (the 32 bytes at 0x20001).
extern const std::array<FieldLayout, 32> g_liveLayout;

// Layout of a station address: the settings entry below 257, else the history record offset.
const FieldLayout& LayoutOfAddress(int address);
