// The decoder object: one entry per byte position of the station's memory, of a pair of history
// records and of the two live blocks. Each entry keeps the raw byte, the byte cut into fields by
// its layout, and one value text (with its hex form) per field, written by the decoders.
#pragma once
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "station/FieldLayout.h"
#include "station/FieldStorage.h"
#include "station/StationMemoryMap.h"

struct AddressEntry {
    FieldValues fieldValues;   // field values of the last split byte (fieldCount)
    uint8_t rawByte = 0;       // raw byte (station memory and history pair tables)
    FieldTexts valueTexts;     // one value text per field, empty until decoded
    FieldTexts hexTexts;       // HexTextOf each value text

    int FieldCount() const { return static_cast<int>(fieldValues.size()); }
};

constexpr int HISTORY_PAIR_SIZE = 2 * HISTORY_RECORD_SIZE;   // 76 entries
constexpr int LIVE_STAMP_BYTES = 4;
constexpr int LIVE_READINGS_BYTES = 32;

class CDataDecode {
public:
    CDataDecode();
    virtual ~CDataDecode();
    CDataDecode(const CDataDecode&) = delete;
    CDataDecode& operator=(const CDataDecode&) = delete;

    // ---- tables ------------------------------------------------------------------------------
    std::vector<AddressEntry> m_addressTable;     // STATION_IMAGE_SIZE entries, layout by address
    std::vector<AddressEntry> m_historyPairTable; // 76 entries, layout of offset k mod 38
    std::vector<AddressEntry> m_stampTable;       // 4 entries, g_stampLayout
    std::vector<AddressEntry> m_currentTable;     // 32 entries, g_liveLayout
    std::vector<std::wstring> m_recordTexts;      // per history slot: year text
    std::vector<int32_t> m_recordSeconds;         // per history slot: seconds to the newer record, or -1
    int32_t m_nextRecordAddress = 0;              // 257 + 38 x history index
    int32_t m_usedMemorySize = 0;                 // memory size from the size code
    std::vector<int32_t> m_checksumErrors;        // 1 where the checksum group failed
    int32_t m_stationMemorySize = STATION_IMAGE_SIZE; // splitters store only addresses below it
    std::wstring m_latestRecordLine;              // latest history record as one line
    int32_t m_liveYear = -999;                    // year of the last live time stamp

    void BuildAddressTable();
    void BuildStampTable();
    void BuildCurrentTable();
    void BuildHistoryPairTable();

    // ---- splitting received blocks (32 bytes each) -----------------------------------------
    // Raw bytes and field values of entries address.. below m_stationMemorySize.
    void SplitMemoryBlock(const uint8_t* block, int address);
    // As SplitMemoryBlock, always with the settings layout (the min/max and extra-value blocks).
    void SplitAreaBlock(const uint8_t* block, int address);
    // Entries offset.. (below 76) of the history pair table.
    void SplitHistoryBlock(int offset, const uint8_t* block);
    // Field values of the live tables (raw bytes are not kept there).
    void SplitStampBlock(const uint8_t* block);
    void SplitCurrentBlock(const uint8_t* block);

    // ---- checksum groups ---------------------------------------------------------------------
    // Sum of the raw bytes first..last (left-out bytes skipped) is 0 modulo 256.
    bool ChecksumGroupIsGood(int first, int last) const;
    // Fills m_checksumErrors up to the end of the last whole slot of m_usedMemorySize.
    void MarkBadChecksumGroups();

    // ---- texts -------------------------------------------------------------------------------
    // "(0x32)(0x33)(0x2E)(0x35)" for "23.5"; each character's low byte as a signed 8-bit number.
    static std::wstring HexTextOf(const std::wstring& text);
    // Sets value text k of the entry and its hex form. Ignores a field the entry does not have.
    static void SetFieldText(AddressEntry& entry, int field, const std::wstring& text);

    // ---- live blocks ---------------------------------------------------------------------------
    void DecodeTimeStampBlock();
    void DecodeCurrentBlock();
    // Writes "record_2min.csv" from the live tables; false (the file removed, *error the system's
    // error code) when it cannot be written whole.
    bool WriteCurrentDump(const std::wstring& path, unsigned long* error = nullptr);

    // ================================================================================================
    // Whole-memory decoders and getters. Implemented in their own files (settings area, history
    // records, min/max area, memory dump, value getters); members those files need go here too.
    // ================================================================================================
    // Settings area, memory information, every history slot, record years and intervals, "ChkErr".
    void DecodeSettingsArea();
    // Entries 0..37 of m_historyPairTable into texts and m_latestRecordLine.
    void DecodeHistoryRecords(int referenceYear);
    // Min/max and extra-value areas (36..88, 170..179).
    void DecodeMinMaxArea();
    // "all_weather.csv" from the decoded tables; false (the file removed, *error the system's error
    // code) when it cannot be written whole.
    bool WriteMemoryDump(const std::wstring& path, unsigned long* error = nullptr);

    // Decoded value getters: each returns a copy of a value text ("" for an index out of range).
    std::wstring GetIndoorTempAText() const;
    std::wstring GetIndoorTempBText() const;
    std::wstring GetIndoorHumidityAText() const;
    std::wstring GetIndoorHumidityBText() const;
    std::wstring GetChannelTempAText(int ch) const;
    std::wstring GetChannelTempBText(int ch) const;
    std::wstring GetChannelHumidityAText(int ch) const;
    std::wstring GetChannelHumidityBText(int ch) const;
    std::wstring GetTwoBitFieldTextA(int type) const;
    std::wstring GetTwoBitFieldTextB(int type) const;
    std::wstring GetBcdValueText(int type) const;
    std::wstring GetValue170Text() const;
    std::wstring GetValue172Text() const;
    std::wstring GetValue174Text() const;
    std::wstring GetValue176Text() const;
    std::wstring GetValue178Text() const;
    std::wstring GetLatestRecordLine() const;

    // Value text of field k of a station address ("" outside the table or the entry's fields).
    std::wstring ValueTextAt(int address, int field) const;
    // Hex form of that value text, formed when asked ("ChkErr" for a failed checksum group).
    std::wstring HexTextAt(int address, int field) const;
    // Sets value text k of the entry; ignores a field the entry does not have. The hex text is not
    // stored (HexTextAt forms it).
    static void SetValueText(AddressEntry& entry, int field, std::wstring text);

    // History ring of the decoded memory: whole slots of m_usedMemorySize; whether the history index
    // lies on a slot inside the ring; station address of the record at dump position `slot` (0 the
    // newest, at m_nextRecordAddress - 38, then downwards, wrapping to the last whole slot), -1 outside.
    int HistorySlotCountOfMemory() const;
    bool HistoryPointerInRing() const;
    int RecordSlotAddress(int slot) const;

    // "all_weather.csv" into an open file, with `now` as the time of writing (null: not known).
    void WriteMemoryDumpTo(std::FILE* file, const std::tm* now) const;

private:
    // "record_2min.csv" into an open file (WriteCurrentDump); notes the year of the live stamp.
    void WriteCurrentDumpTo(std::FILE* file);
    void DecodeLocationBlock(int base, bool firstBlock);
    void ApplyUserCityRule(int base);
    void DecodeHistorySlots();
    void BuildRecordYearsAndSeconds();
    void MarkChecksumErrorTexts();

public:
    // ---- end of the whole-memory decoders' section ------------------------------------------
};

// The one decoder object (defined in StationGlobals.cpp, built before the station object).
extern CDataDecode g_dataDecode;

// Line 1 of "record_2min.csv": "%ld,%ld,%ld,%ld:%ld" with the minute always two digits.
std::string FormatLiveClockLine(long year, long month, long day, long hour, long minute);

// The computer's local time as the live record file writes it.
struct LiveClock {
    long year, month, day, hour, minute;
};
using LiveClockSource = LiveClock (*)();
// Tests: the clock the live record file takes its first line from (nullptr: the computer's local
// time). Returns the previous source.
LiveClockSource SetLiveClockForTesting(LiveClockSource source);
