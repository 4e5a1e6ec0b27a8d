// Memory map helpers, field layouts, splitting, checksum groups and hex texts.
#include <gtest/gtest.h>

#include "station/DataDecode.h"
#include "station/StationMemoryMap.h"

namespace {

// One decoder for the whole file: its tables are large.
CDataDecode& Decoder()
{
    static CDataDecode* decoder = new CDataDecode;
    return *decoder;
}

void SetRaw(CDataDecode& d, int first, const std::vector<uint8_t>& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        d.m_addressTable[first + i].rawByte = bytes[i];
}

void ClearRaw(CDataDecode& d, int first, int last)
{
    for (int a = first; a <= last; ++a)
        d.m_addressTable[a].rawByte = 0;
}

} // namespace

TEST(StationMemoryMap, SizeCodeUsesOnlyTheLowTwoBits)
{
    EXPECT_EQ(MemorySizeFromCode(0), 0x2000);
    EXPECT_EQ(MemorySizeFromCode(1), 0x8000);
    EXPECT_EQ(MemorySizeFromCode(2), 0x20000);
    EXPECT_EQ(MemorySizeFromCode(3), 0x10000);
    EXPECT_EQ(MemorySizeFromCode(0x07), 0x10000);
    EXPECT_EQ(MemorySizeFromCode(0xFE), 0x20000);
}

TEST(StationMemoryMap, HistoryRingAddressing)
{
    // Index 0 in a 128 KB memory: the next record goes to slot 0, the latest is the last slot.
    EXPECT_EQ(NextRecordAddressFromIndex(0), 257);
    EXPECT_EQ(LatestRecordAddress(257, 0x20000), 131015);
    EXPECT_EQ(LatestRecordAddress(257 + 38 * 10, 0x20000), 257 + 38 * 9);
    // The index is 12 bits from 0xFD (low nibble) and 0xFF.
    EXPECT_EQ(HistoryIndexFromBytes(0xF3, 0x10), 784);
    EXPECT_EQ(NextRecordAddressFromIndex(784), 30049);
    // A pointer outside the ring or between slots has no latest record.
    EXPECT_EQ(LatestRecordAddress(257 + 38 * 208, 0x2000), -1);
    EXPECT_EQ(LatestRecordAddress(300, 0x2000), -1);
    EXPECT_EQ(LatestRecordAddress(100, 0x2000), -1);
    // 8161 lies after the last whole slot of an 8 KB memory.
    EXPECT_TRUE(IsInHistorySlot(8160, 0x2000));
    EXPECT_FALSE(IsInHistorySlot(8161, 0x2000));
}

TEST(FieldLayouts, SplitsAreTheMemoryMapCuts)
{
    // 0x0A with 0xDB: bits 7, 6, 4, 3 and bits 0-1.
    const FieldLayout& a10 = LayoutOfAddress(0x0A);
    ASSERT_EQ(a10.fieldCount, 5);
    const int expected[5] = {1, 1, 1, 1, 3};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(a10.FieldValue(0xDB, k), expected[k]) << k;

    // Address 0: field 0 bits 4-7, field 1 bits 0-2, field 2 bit 3 (table order, not bit order).
    EXPECT_EQ(LayoutOfAddress(0).FieldValue(0x9D, 0), 9);
    EXPECT_EQ(LayoutOfAddress(0).FieldValue(0x9D, 1), 5);
    EXPECT_EQ(LayoutOfAddress(0).FieldValue(0x9D, 2), 1);
    EXPECT_EQ(LayoutOfAddress(0).masks[3], 0xFF);
    EXPECT_EQ(LayoutOfAddress(0).divisors[3], -1);

    // Address 257 + 38 x 5 + 15 is a history checksum byte; 257 + 38 x 5 + 27 the forecast byte.
    EXPECT_EQ(LayoutOfAddress(257 + 38 * 5 + 15).checksumRole, CHECKSUM_CLOSER);
    const FieldLayout& forecast = LayoutOfAddress(257 + 38 * 5 + 27);
    EXPECT_EQ(forecast.FieldValue(0x0B, 0), 1);
    EXPECT_EQ(forecast.FieldValue(0x0B, 1), 3);

    // Checksum roles of the settings area.
    int closers = 0, leftOut = 0;
    for (int a = 0; a < SETTINGS_AREA_SIZE; ++a) {
        closers += g_settingsLayout[a].checksumRole == CHECKSUM_CLOSER;
        leftOut += g_settingsLayout[a].checksumRole == CHECKSUM_LEFT_OUT;
    }
    EXPECT_EQ(closers, 14);
    EXPECT_EQ(leftOut, 2 + 2 + 44);

    // Every divisor is the lowest bit of its mask, and masks stay within the byte.
    auto check = [](const FieldLayout& l) {
        for (int k = 0; k < l.fieldCount; ++k) {
            EXPECT_GT(l.masks[k], 0);
            EXPECT_LE(l.masks[k], 0xFF);
            EXPECT_EQ(l.divisors[k], l.masks[k] & -l.masks[k]);
        }
    };
    for (const auto& l : g_settingsLayout) check(l);
    for (const auto& l : g_historyLayout) check(l);
    for (const auto& l : g_stampLayout) check(l);
    for (const auto& l : g_liveLayout) check(l);
}

TEST(DataDecode, ConstructionGivesEveryEntryItsFields)
{
    CDataDecode& d = Decoder();
    EXPECT_EQ(d.m_addressTable.size(), static_cast<size_t>(STATION_IMAGE_SIZE));
    EXPECT_EQ(d.m_addressTable[76].FieldCount(), 8);
    EXPECT_EQ(d.m_addressTable[76].valueTexts.size(), 8u);
    EXPECT_EQ(d.m_addressTable[257 + 8].FieldCount(), 4);   // history offset 8
    EXPECT_EQ(d.m_historyPairTable.size(), 76u);
    EXPECT_EQ(d.m_historyPairTable[38 + 27].FieldCount(), 2);
    EXPECT_EQ(d.m_stampTable.size(), 4u);
    EXPECT_EQ(d.m_currentTable[24].FieldCount(), 4);
    EXPECT_EQ(d.m_liveYear, -999);
    EXPECT_TRUE(d.m_latestRecordLine.empty());
}

TEST(DataDecode, SplitStopsAtTheStationMemoryBound)
{
    CDataDecode& d = Decoder();
    const int savedBound = d.m_stationMemorySize;
    d.m_stationMemorySize = 0x2000;
    uint8_t block[32];
    for (int j = 0; j < 32; ++j)
        block[j] = static_cast<uint8_t>(0xA0 + j);
    for (int a = 0x1FF0; a < 0x2010; ++a)
        d.m_addressTable[a].rawByte = 0x11;
    d.SplitMemoryBlock(block, 0x1FF0);
    EXPECT_EQ(d.m_addressTable[0x1FF0].rawByte, 0xA0);
    EXPECT_EQ(d.m_addressTable[0x1FFF].rawByte, 0xAF);
    EXPECT_EQ(d.m_addressTable[0x2000].rawByte, 0x11);   // beyond the bound: untouched
    // Fields follow the history layout of each address: 0x1FF0 is record offset (0x1FF0-257)%38.
    const int offset = HistoryRecordOffset(0x1FF0);
    EXPECT_EQ(d.m_addressTable[0x1FF0].fieldValues[0], g_historyLayout[offset].FieldValue(0xA0, 0));

    // A bound of 0 (before the memory size is known) stores nothing.
    d.m_stationMemorySize = 0;
    d.m_addressTable[40].rawByte = 0x22;
    d.SplitMemoryBlock(block, 32);
    EXPECT_EQ(d.m_addressTable[40].rawByte, 0x22);
    d.m_stationMemorySize = savedBound;
}

TEST(DataDecode, HistoryBlockSplitKeepsWithinThePairTable)
{
    CDataDecode& d = Decoder();
    uint8_t block[32];
    for (int j = 0; j < 32; ++j)
        block[j] = static_cast<uint8_t>(j + 1);
    d.SplitHistoryBlock(64, block);   // only entries 64..75 exist
    EXPECT_EQ(d.m_historyPairTable[75].rawByte, 12);
    d.SplitHistoryBlock(0, block);
    // Entry 27 is record offset 27: byte 28 = 0x1C -> flag bit 3 = 1, code 4.
    EXPECT_EQ(d.m_historyPairTable[27].fieldValues[0], 1);
    EXPECT_EQ(d.m_historyPairTable[27].fieldValues[1], 4);
}

TEST(DataDecode, ChecksumGroupSkipsLeftOutBytes)
{
    CDataDecode& d = Decoder();
    ClearRaw(d, 94, 123);
    SetRaw(d, 94, {0x55, 0x66});     // left out of the sum
    SetRaw(d, 100, {0x10});
    SetRaw(d, 123, {0xF0});          // 0x10 + 0xF0 = 0x100
    EXPECT_TRUE(d.ChecksumGroupIsGood(94, 123));
    SetRaw(d, 123, {0xF1});
    EXPECT_FALSE(d.ChecksumGroupIsGood(94, 123));
    EXPECT_TRUE(d.ChecksumGroupIsGood(10, 9));   // empty group
}

TEST(DataDecode, BadGroupsAreMarkedWholeAndOthersCleared)
{
    CDataDecode& d = Decoder();
    const int savedUsed = d.m_usedMemorySize;
    d.m_usedMemorySize = 0x2000;
    for (int a = 0; a < 0x2000; ++a)
        d.m_addressTable[a].rawByte = 0;
    // Settings group 94-123 bad; its left-out bytes 94, 95 are marked too.
    SetRaw(d, 94, {0x55, 0x66});
    SetRaw(d, 100, {0x10});
    SetRaw(d, 123, {0xF1});
    // Slot 3: offsets 16-37 bad, offsets 0-15 good.
    const int slot = 257 + 38 * 3;
    SetRaw(d, slot + 2, {0x30});
    SetRaw(d, slot + 15, {0xD0});
    SetRaw(d, slot + 20, {0x01});
    // A stale mark from an earlier pass is cleared.
    d.m_checksumErrors[5] = 1;
    // Past the last whole slot (8161..8191) nothing is visited.
    d.m_checksumErrors[8170] = 1;

    d.MarkBadChecksumGroups();

    EXPECT_EQ(d.m_checksumErrors[93], 0);
    for (int a = 94; a <= 123; ++a)
        EXPECT_EQ(d.m_checksumErrors[a], 1) << a;
    EXPECT_EQ(d.m_checksumErrors[124], 0);
    EXPECT_EQ(d.m_checksumErrors[5], 0);
    for (int o = 0; o < 16; ++o)
        EXPECT_EQ(d.m_checksumErrors[slot + o], 0) << o;
    for (int o = 16; o < 38; ++o)
        EXPECT_EQ(d.m_checksumErrors[slot + o], 1) << o;
    EXPECT_EQ(d.m_checksumErrors[slot + 38], 0);
    EXPECT_EQ(d.m_checksumErrors[8170], 1);

    ClearRaw(d, 94, 123);
    ClearRaw(d, slot, slot + 37);
    d.m_checksumErrors[8170] = 0;
    d.m_usedMemorySize = savedUsed;
}

TEST(DataDecode, HexTextOfEachCharacter)
{
    EXPECT_EQ(CDataDecode::HexTextOf(L"23.5"), L"(0x32)(0x33)(0x2E)(0x35)");
    EXPECT_EQ(CDataDecode::HexTextOf(L""), L"");
    EXPECT_EQ(CDataDecode::HexTextOf(L"U"), L"(0x55)");
    // A low byte of 0x80 or more is taken as a negative 8-bit number.
    EXPECT_EQ(CDataDecode::HexTextOf(std::wstring(1, wchar_t(0xE9))), L"(0xFFFFFFE9)");

    AddressEntry entry;
    entry.fieldValues.assign(2, 0);
    entry.valueTexts.assign(2, L"");
    entry.hexTexts.assign(2, L"");
    CDataDecode::SetFieldText(entry, 1, L"UU");
    EXPECT_EQ(entry.valueTexts[1], L"UU");
    EXPECT_EQ(entry.hexTexts[1], L"(0x55)(0x55)");
    CDataDecode::SetFieldText(entry, 2, L"X");   // no such field: ignored
    EXPECT_EQ(entry.valueTexts.size(), 2u);

    // A copy keeps its own texts; texts not written read as empty, in a copy too.
    AddressEntry copy = entry;
    CDataDecode::SetFieldText(copy, 1, L"V");
    EXPECT_EQ(entry.valueTexts[1], L"UU");
    EXPECT_EQ(copy.valueTexts[1], L"V");
    AddressEntry unwritten;
    unwritten.valueTexts.assign(3, L"");
    const AddressEntry unwrittenCopy = unwritten;
    EXPECT_EQ(unwrittenCopy.valueTexts.size(), 3u);
    EXPECT_EQ(unwrittenCopy.valueTexts[2], L"");
    // A new count drops the texts of the old one.
    copy.valueTexts.assign(1, L"");
    EXPECT_EQ(copy.valueTexts.size(), 1u);
    EXPECT_EQ(copy.valueTexts[0], L"");
}
