// Decoder object: table construction, splitting of received blocks, checksum groups, hex texts.
#include "station/DataDecode.h"

#include <cstdio>

namespace {

void InitEntry(AddressEntry& entry, const FieldLayout& layout)
{
    const int count = layout.fieldCount;
    entry.fieldValues.assign(count, 0);
    entry.rawByte = 0;
    entry.valueTexts.assign(count, std::wstring());
    entry.hexTexts.assign(count, std::wstring());
}

void SplitInto(AddressEntry& entry, const FieldLayout& layout, uint8_t b)
{
    const int count = entry.FieldCount() < layout.fieldCount ? entry.FieldCount() : layout.fieldCount;
    for (int k = 0; k < count; ++k)
        entry.fieldValues[k] = layout.FieldValue(b, k);
}

} // namespace

CDataDecode::CDataDecode()
    : m_checksumErrors(STATION_IMAGE_SIZE, 0)
{
    BuildAddressTable();
    BuildStampTable();
    BuildCurrentTable();
    BuildHistoryPairTable();
    m_latestRecordLine.clear();
}

CDataDecode::~CDataDecode() = default;

void CDataDecode::BuildAddressTable()
{
    m_addressTable.clear();
    m_addressTable.resize(STATION_IMAGE_SIZE);
    for (int a = 0; a < STATION_IMAGE_SIZE; ++a)
        InitEntry(m_addressTable[a], LayoutOfAddress(a));
}

void CDataDecode::BuildStampTable()
{
    m_stampTable.clear();
    m_stampTable.resize(LIVE_STAMP_BYTES);
    for (int b = 0; b < LIVE_STAMP_BYTES; ++b)
        InitEntry(m_stampTable[b], g_stampLayout[b]);
}

void CDataDecode::BuildCurrentTable()
{
    m_currentTable.clear();
    m_currentTable.resize(LIVE_READINGS_BYTES);
    for (int b = 0; b < LIVE_READINGS_BYTES; ++b)
        InitEntry(m_currentTable[b], g_liveLayout[b]);
}

void CDataDecode::BuildHistoryPairTable()
{
    m_historyPairTable.clear();
    m_historyPairTable.resize(HISTORY_PAIR_SIZE);
    for (int k = 0; k < HISTORY_PAIR_SIZE; ++k)
        InitEntry(m_historyPairTable[k], g_historyLayout[k % HISTORY_RECORD_SIZE]);
}

void CDataDecode::SplitMemoryBlock(const uint8_t* block, int address)
{
    if (block == nullptr || address < 0)
        return;
    const int bound = m_stationMemorySize < STATION_IMAGE_SIZE ? m_stationMemorySize : STATION_IMAGE_SIZE;
    for (int j = 0; j < STATION_BLOCK_SIZE && address + j < bound; ++j)
        m_addressTable[address + j].rawByte = block[j];
    for (int j = 0; j < STATION_BLOCK_SIZE && address + j < bound; ++j)
        SplitInto(m_addressTable[address + j], LayoutOfAddress(address + j), block[j]);
}

void CDataDecode::SplitAreaBlock(const uint8_t* block, int address)
{
    if (block == nullptr || address < 0)
        return;
    int bound = m_stationMemorySize < STATION_IMAGE_SIZE ? m_stationMemorySize : STATION_IMAGE_SIZE;
    // The settings layout has entries for the settings area only.
    if (bound > SETTINGS_AREA_SIZE)
        bound = SETTINGS_AREA_SIZE;
    for (int j = 0; j < STATION_BLOCK_SIZE && address + j < bound; ++j)
        m_addressTable[address + j].rawByte = block[j];
    for (int j = 0; j < STATION_BLOCK_SIZE && address + j < bound; ++j)
        SplitInto(m_addressTable[address + j], g_settingsLayout[address + j], block[j]);
}

void CDataDecode::SplitHistoryBlock(int offset, const uint8_t* block)
{
    if (block == nullptr || offset < 0)
        return;
    for (int j = 0; j < STATION_BLOCK_SIZE && offset + j < HISTORY_PAIR_SIZE; ++j) {
        AddressEntry& entry = m_historyPairTable[offset + j];
        entry.rawByte = block[j];
        SplitInto(entry, g_historyLayout[(offset + j) % HISTORY_RECORD_SIZE], block[j]);
    }
}

void CDataDecode::SplitStampBlock(const uint8_t* block)
{
    if (block == nullptr)
        return;
    for (int j = 0; j < LIVE_STAMP_BYTES; ++j)
        SplitInto(m_stampTable[j], g_stampLayout[j], block[j]);
}

void CDataDecode::SplitCurrentBlock(const uint8_t* block)
{
    if (block == nullptr)
        return;
    for (int j = 0; j < LIVE_READINGS_BYTES; ++j)
        SplitInto(m_currentTable[j], g_liveLayout[j], block[j]);
}

bool CDataDecode::ChecksumGroupIsGood(int first, int last) const
{
    if (first < 0)
        first = 0;
    if (last >= STATION_IMAGE_SIZE)
        last = STATION_IMAGE_SIZE - 1;
    unsigned sum = 0;
    for (int a = first; a <= last; ++a) {
        if (LayoutOfAddress(a).checksumRole == CHECKSUM_LEFT_OUT)
            continue;
        sum += m_addressTable[a].rawByte;
    }
    return (sum & 0xFF) == 0;
}

void CDataDecode::MarkBadChecksumGroups()
{
    int end;
    if (m_usedMemorySize > HISTORY_BASE)
        end = HistoryRingEnd(m_usedMemorySize);
    else
        end = m_usedMemorySize > 0 ? m_usedMemorySize : 0;
    if (end > STATION_IMAGE_SIZE)
        end = STATION_IMAGE_SIZE;

    int previousCloser = -1;   // last closing address below SETTINGS_AREA_SIZE
    for (int a = 0; a < end; ++a) {
        m_checksumErrors[a] = 0;
        if (LayoutOfAddress(a).checksumRole != CHECKSUM_CLOSER)
            continue;
        int start;
        if (a < SETTINGS_AREA_SIZE) {
            start = previousCloser + 1;
            previousCloser = a;
        } else {
            const int offset = HistoryRecordOffset(a);
            int previousOffset = -1;
            for (int r = offset - 1; r >= 0; --r) {
                if (g_historyLayout[r].checksumRole == CHECKSUM_CLOSER) {
                    previousOffset = r;
                    break;
                }
            }
            start = a - offset + previousOffset + 1;
        }
        if (!ChecksumGroupIsGood(start, a)) {
            for (int m = start; m <= a; ++m)
                m_checksumErrors[m] = 1;
        }
    }
}

std::wstring CDataDecode::HexTextOf(const std::wstring& text)
{
    std::wstring hex;
    for (wchar_t c : text) {
        const int low = static_cast<signed char>(static_cast<unsigned>(c) & 0xFF);
        wchar_t part[24];
        std::swprintf(part, 24, L"(0x%X)", static_cast<unsigned>(low));
        hex += part;
    }
    return hex;
}

void CDataDecode::SetFieldText(AddressEntry& entry, int field, const std::wstring& text)
{
    if (field < 0 || field >= static_cast<int>(entry.valueTexts.size()))
        return;
    entry.valueTexts[field] = text;
    if (field < static_cast<int>(entry.hexTexts.size()))
        entry.hexTexts[field] = HexTextOf(text);
}

std::string FormatLiveClockLine(long year, long month, long day, long hour, long minute)
{
    char line[80];
    std::snprintf(line, sizeof line, minute < 10 ? "%ld,%ld,%ld,%ld:0%ld" : "%ld,%ld,%ld,%ld:%ld", year,
                  month, day, hour, minute);
    return line;
}
