// The station's address space: settings area, history ring and the two live blocks.
// Addresses are 24-bit station addresses; byte n of the memory image holds address n.
#pragma once
#include <cstdint>

// ---- sizes -------------------------------------------------------------------------------------
constexpr int STATION_IMAGE_SIZE = 0x20000;   // largest station memory, size of the image
constexpr int STATION_BLOCK_SIZE = 32;        // every command moves 32 data bytes
constexpr int SETTINGS_AREA_SIZE = 257;       // addresses 0..256 carry the settings layout
constexpr int HISTORY_BASE = 0x101;           // first history slot
constexpr int HISTORY_RECORD_SIZE = 38;       // bytes of one history record
constexpr int HISTORY_MAX_INDEX = 0x0FFF;     // the history index has 12 bits

// ---- regions (first and last address, inclusive) ----------------------------------------------
constexpr int LOCATION_AREA_FIRST = 0x00;      // location, time zone, clock settings
constexpr int LOCATION_AREA_LAST = 0x0E;
constexpr int LOCATION2_AREA_FIRST = 0x16;     // second location block
constexpr int LOCATION2_AREA_LAST = 0x1D;
constexpr int ALARM_AREA_FIRST = 0x10;
constexpr int ALARM_AREA_LAST = 0x14;
constexpr int ALARM2_AREA_FIRST = 0xA0;
constexpr int ALARM2_AREA_LAST = 0xA8;
constexpr int MINMAX_AREA_FIRST = 0x24;        // 36: per-sensor extremes, flags, BCD fields
constexpr int MINMAX_AREA_LAST = 0x58;         // 88
constexpr int ALTITUDE_FIELD_FIRST = 0x5A;     // 90: low byte, 91: high byte, 92 bit 3: negative
constexpr int ALTITUDE_FIELD_LAST = 0x5C;
constexpr int VERSION_INFO_FIRST = 0x98;       // 152..156, checksum at 157
constexpr int VERSION_INFO_LAST = 0x9C;
constexpr int EXTRA_VALUE_AREA_FIRST = 0xAA;   // 170: five 2-byte values at 170..178
constexpr int EXTRA_VALUE_AREA_LAST = 0xB3;
constexpr int RECORD_YEAR_AREA_FIRST = 0xE1;   // 225..249: years of the 25 newest records
constexpr int RECORD_YEAR_AREA_LAST = 0xF9;
constexpr int MEMORY_INFO_FIRST = 0xFC;
constexpr int MEMORY_INFO_LAST = 0xFF;

// ---- fixed addresses that the link requests ----------------------------------------------------
constexpr int ADDRESS_MEMORY_SIZE = 0xFC;      // bits 0-1: memory size code
constexpr int ADDRESS_HISTORY_INDEX = 0xFD;    // bits 0-3 of 0xFD and the byte 0xFF
constexpr int ADDRESS_RECORD_INTERVAL = 0xFE;  // record interval code 1-11
constexpr int ADDRESS_MINMAX_BLOCK = 0x24;     // the block that ReadMinMaxAreas reads first
constexpr int ADDRESS_EXTRA_VALUE_BLOCK = 0xAA;// ... and second
constexpr int LIVE_STAMP_ADDRESS = 0x20000;    // live time stamp (first 4 bytes used)
constexpr int LIVE_READINGS_ADDRESS = 0x20001; // live readings (32 bytes)

// ---- memory size -------------------------------------------------------------------------------
// Size code (address 0xFC, bits 0-1 only): 0 -> 8 KB, 1 -> 32 KB, 2 -> 128 KB, 3 -> 64 KB.
constexpr int MemorySizeFromCode(int codeByte)
{
    switch (codeByte & 3) {
    case 0: return 0x2000;
    case 1: return 0x8000;
    case 2: return 0x20000;
    default: return 0x10000;
    }
}

// ---- history ring ------------------------------------------------------------------------------
// Number of whole record slots in a memory of memorySize bytes (0 for a size without any).
constexpr int HistorySlotCount(int memorySize)
{
    return memorySize > HISTORY_BASE ? (memorySize - HISTORY_BASE) / HISTORY_RECORD_SIZE : 0;
}

// Station address of slot k (k from 0).
constexpr int HistorySlotAddress(int slot) { return HISTORY_BASE + HISTORY_RECORD_SIZE * slot; }

// Start of the last whole slot (8123, 32709, 131015, 65465 for the four sizes); -1 when none.
constexpr int LastHistorySlotAddress(int memorySize)
{
    return HistorySlotCount(memorySize) > 0 ? HistorySlotAddress(HistorySlotCount(memorySize) - 1) : -1;
}

// End (exclusive) of the last whole slot.
constexpr int HistoryRingEnd(int memorySize)
{
    return HistorySlotAddress(HistorySlotCount(memorySize));
}

// History index from the bytes at 0xFD and 0xFF.
constexpr int HistoryIndexFromBytes(int byteFD, int byteFF)
{
    return ((byteFD & 0x0F) << 8) | (byteFF & 0xFF);
}

// Address at which the station writes its next record for a history index.
constexpr int NextRecordAddressFromIndex(int historyIndex)
{
    return HISTORY_BASE + HISTORY_RECORD_SIZE * historyIndex;
}

// Start of the latest record when the station writes its next one at nextRecordAddress: the slot
// below it, or the ring's last whole slot when the ring has just wrapped (nextRecordAddress is
// HISTORY_BASE). -1 when the pointer does not lie on a slot inside the ring.
constexpr int LatestRecordAddress(int nextRecordAddress, int memorySize)
{
    if (nextRecordAddress < HISTORY_BASE || nextRecordAddress >= HistoryRingEnd(memorySize))
        return -1;
    if ((nextRecordAddress - HISTORY_BASE) % HISTORY_RECORD_SIZE != 0)
        return -1;
    if (nextRecordAddress == HISTORY_BASE)
        return LastHistorySlotAddress(memorySize);
    return nextRecordAddress - HISTORY_RECORD_SIZE;
}

// Offset of an address inside its history record (address >= HISTORY_BASE).
constexpr int HistoryRecordOffset(int address)
{
    return (address - HISTORY_BASE) % HISTORY_RECORD_SIZE;
}

// True when the address is a byte of a whole history slot of the given memory size.
constexpr bool IsInHistorySlot(int address, int memorySize)
{
    return address >= HISTORY_BASE && address < HistoryRingEnd(memorySize);
}

static_assert(HistorySlotCount(0x2000) == 208 && LastHistorySlotAddress(0x2000) == 8123);
static_assert(HistorySlotCount(0x8000) == 855 && LastHistorySlotAddress(0x8000) == 32709);
static_assert(HistorySlotCount(0x20000) == 3442 && LastHistorySlotAddress(0x20000) == 131015);
static_assert(HistorySlotCount(0x10000) == 1717 && LastHistorySlotAddress(0x10000) == 65465);
