// The station object's commands: live reading with its timer, range and whole-memory reads, the
// newest history record, the min/max areas and the block write.
#include "station/SystemKV318.h"

#include <cstdio>
#include <cstring>

#include "station/DataDecode.h"
#include "station/UsbApi.h"

CSystemKV318::CSystemKV318()
{
    m_memoryImage = new uint8_t[STATION_IMAGE_SIZE]();
    m_memorySize = 0;
    g_usbDevice.m_handle =
        UsbOpen(g_usbDevice.m_handle, STATION_VENDOR_ID, STATION_PRODUCT_ID, 0x2000, 0x2000, 0);
    g_readAddress = 0;
    m_textBuffer = new char[STATION_TEXT_BUFFER_SIZE]();
}

CSystemKV318::~CSystemKV318()
{
    if (g_liveTimerId != 0) {
        KillTimer(nullptr, g_liveTimerId);
        g_liveTimerId = 0;
    }
    delete[] m_textBuffer;
    m_textBuffer = nullptr;
    delete[] m_memoryImage;
    m_memoryImage = nullptr;
}

void CSystemKV318::CopyToImage(int address, const uint8_t* block)
{
    for (int j = 0; j < STATION_BLOCK_SIZE; ++j) {
        const int a = address + j;
        if (a >= 0 && a < STATION_IMAGE_SIZE)
            m_memoryImage[a] = block[j];
    }
}

bool CSystemKV318::ReadBlockIntoImage(int address, uint8_t* block)
{
    if (RequestBlockWithRetries(address, block) != BlockResult::Accepted)
        return false;
    CopyToImage(address, block);
    return true;
}

bool CSystemKV318::ReadMemoryBlocks(int first, int last)
{
    for (int address = first; address <= last; address += STATION_BLOCK_SIZE) {
        if (g_stopMemoryRead)
            return false;   // the program is closing: the read ends between two blocks
        uint8_t block[STATION_BLOCK_SIZE];
        if (!ReadBlockIntoImage(address, block))
            return false;
        g_dataDecode.SplitMemoryBlock(block, address);
    }
    g_dataDecode.DecodeSettingsArea();
    return true;
}

// ---- live reading ----------------------------------------------------------------------------------

VOID CALLBACK LiveTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    g_systemKV318.ReadLiveData();
}

bool CSystemKV318::StartLiveReading(const std::wstring& path)
{
    g_liveFilePath = path;
    const bool result = ReadLiveData() && m_liveFileWritten;
    // One live timer at a time: a second start replaces the first.
    if (g_liveTimerId != 0)
        KillTimer(nullptr, g_liveTimerId);
    g_liveTimerId = SetTimer(nullptr, 0, static_cast<UINT>(LiveReadPeriodMs()), LiveTimerProc);
    return result;
}

bool CSystemKV318::ReadLiveData()
{
    bool result = true;
    bool replyFailed = false;
    m_liveFileWritten = false;
    m_liveFileError = 0;
    const int addresses[2] = {LIVE_STAMP_ADDRESS, LIVE_READINGS_ADDRESS};
    for (int i = 0; i < 2; ++i) {
        uint8_t block[STATION_BLOCK_SIZE];
        switch (RequestBlock(addresses[i], ReadKind::Live, block)) {
        case BlockResult::DeviceGone:
            if (g_liveTimerId != 0) {
                KillTimer(nullptr, g_liveTimerId);
                g_liveTimerId = 0;
            }
            return false;
        case BlockResult::Stopped:
            return false;
        case BlockResult::Timeout:
            continue;   // skip this block, go on with the next
        case BlockResult::Failed:
            result = false;
            replyFailed = true;
            continue;
        case BlockResult::Accepted:
            if (replyFailed)
                continue;   // nothing after a failed reply is decoded
            if (addresses[i] == LIVE_STAMP_ADDRESS) {
                g_dataDecode.SplitStampBlock(block);
                g_dataDecode.DecodeTimeStampBlock();
            } else {
                g_dataDecode.SplitCurrentBlock(block);
                g_dataDecode.DecodeCurrentBlock();
                // A live file that cannot be written is a failed read: the file on disk is not
                // this reading.
                m_liveFileWritten = g_dataDecode.WriteCurrentDump(g_liveFilePath, &m_liveFileError);
                result = result && m_liveFileWritten;
            }
            break;
        }
    }
    return result;
}

// ---- memory reads ------------------------------------------------------------------------------------

bool CSystemKV318::ReadMemoryRange(int start, int end)
{
    if (start >= end || start < 0 || end >= STATION_IMAGE_SIZE) {
        SetLastErrorText("Incorrect address input!");
        return false;
    }
    g_dataDecode.m_stationMemorySize = m_memorySize;
    return ReadMemoryBlocks(start, end);
}

bool CSystemKV318::ReadWholeMemory()
{
    const int size = ::ReadMemorySize();
    m_memorySize = size;
    g_dataDecode.m_stationMemorySize = size;
    if (size < 1) {
        SetLastErrorText("Can't read the memory size!");
        return false;
    }
    return ReadMemoryBlocks(0, size - 1);
}

int CSystemKV318::ReadMemorySize() { return ::ReadMemorySize(); }

int CSystemKV318::ReadHistoryPointer() { return ::ReadHistoryPointer(); }

int CSystemKV318::LatestHistorySlot(int* memorySize)
{
    const int next = ::ReadHistoryPointer();
    if (next < 0)
        return -1;   // no pointer: nothing is read

    // Memory size: needed to find the ring's last slot after a wrap, else the one already known.
    int size = m_memorySize;
    if (next == HISTORY_BASE) {
        size = ::ReadMemorySize();
        if (size < 1)
            return -1;
    }
    if (size < 1 || size > STATION_IMAGE_SIZE)
        size = STATION_IMAGE_SIZE;
    const int latest = LatestRecordAddress(next, size);
    if (latest < 0)
        SetLastErrorText("Incorrect address input!");
    *memorySize = size;
    return latest;
}

bool CSystemKV318::ReadHistorySlot(int address, int memorySize, int referenceYear)
{
    // The record and the 26 bytes after it; when those would run past the end of the memory
    // (the ring's last slot), the second block is taken so that it ends with the record instead.
    const int secondOffset =
        address + 2 * STATION_BLOCK_SIZE <= memorySize ? STATION_BLOCK_SIZE : HISTORY_RECORD_SIZE - STATION_BLOCK_SIZE;
    const int offsets[2] = {0, secondOffset};
    for (int offset : offsets) {
        uint8_t block[STATION_BLOCK_SIZE];
        if (!ReadBlockIntoImage(address + offset, block))
            return false;
        g_dataDecode.SplitHistoryBlock(offset, block);
    }
    g_dataDecode.DecodeHistoryRecords(referenceYear);
    return true;
}

bool CSystemKV318::ReadLatestHistoryRecord(int referenceYear)
{
    int memorySize = 0;
    const int latest = LatestHistorySlot(&memorySize);
    return latest >= 0 && ReadHistorySlot(latest, memorySize, referenceYear);
}

bool CSystemKV318::ReadRecentHistoryRecords(int count, int referenceYear, std::vector<std::wstring>* lines)
{
    lines->clear();
    int memorySize = 0;
    const int latest = LatestHistorySlot(&memorySize);
    if (latest < 0)
        return false;
    const int slots = HistorySlotCount(memorySize);
    const int latestSlot = (latest - HISTORY_BASE) / HISTORY_RECORD_SIZE;
    if (count > slots)
        count = slots;
    // Oldest first, so that the decoder's newest-record line is the latest record's at the end.
    for (int back = count - 1; back >= 0; --back) {
        const int slot = ((latestSlot - back) % slots + slots) % slots;
        if (!ReadHistorySlot(HistorySlotAddress(slot), memorySize, referenceYear))
            return false;
        lines->push_back(g_dataDecode.GetLatestRecordLine());
    }
    return true;
}

bool CSystemKV318::ReadMinMaxAreas()
{
    const int areas[2] = {ADDRESS_MINMAX_BLOCK, ADDRESS_EXTRA_VALUE_BLOCK};
    if (m_memorySize < 1) {
        SetLastErrorText("Can't read the memory size!");
        g_dataDecode.DecodeMinMaxArea();
        g_dataDecode.DecodeMinMaxArea();
        return false;
    }
    for (int address : areas) {
        uint8_t block[STATION_BLOCK_SIZE];
        if (!ReadBlockIntoImage(address, block))
            return false;
        g_dataDecode.SplitAreaBlock(block, address);
        g_dataDecode.DecodeMinMaxArea();
    }
    return true;
}

bool CSystemKV318::WriteMemoryBlock(const uint8_t* data, int count, int address)
{
    return ::WriteMemoryBlock(data, count, address);
}

bool CSystemKV318::WriteMemoryDump(const std::wstring& path, unsigned long* error)
{
    return g_dataDecode.WriteMemoryDump(path, error);
}
