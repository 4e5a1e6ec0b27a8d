// The station object: the image of the station's memory and the commands other parts call.
// Every command runs on its caller's thread and blocks it for at most the reply wait per request.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "station/StationMemoryMap.h"
#include "station/UsbLink.h"

// Large enough for the longest newest-record line a corrupt record can produce (about 132 characters).
constexpr int STATION_TEXT_BUFFER_SIZE = 256;

class CSystemKV318 {
public:
    // Allocates and zeroes the image and opens the USB device (once per run).
    CSystemKV318();
    // Kills the live timer and frees the buffers; the device is not closed.
    virtual ~CSystemKV318();
    CSystemKV318(const CSystemKV318&) = delete;
    CSystemKV318& operator=(const CSystemKV318&) = delete;

    std::atomic<int32_t> m_memorySize{0};  // station memory size, set by ReadWholeMemory; 0 until then
    uint8_t* m_memoryImage = nullptr;       // STATION_IMAGE_SIZE bytes; byte n = station address n
    char* m_textBuffer = nullptr;           // STATION_TEXT_BUFFER_SIZE bytes, returned by the Str getters

    // ---- commands --------------------------------------------------------------------------------
    // Keeps path as the live record file, reads the live data once and arms the two-minute timer
    // (replacing a timer armed before). True only when that first read wrote the live record file:
    // a file this read did not write is never to be read back as the current reading.
    bool StartLiveReading(const std::wstring& path);
    // Live stamp and live readings blocks, decoded and written as the live record file. False on a
    // failed reply, a gone device or a live record file that could not be written; a block that
    // timed out is skipped (see m_liveFileWritten).
    bool ReadLiveData();
    // The last ReadLiveData wrote the live record file.
    bool m_liveFileWritten = false;
    // The system's error code when the last ReadLiveData could not write the live record file (the
    // station answered); 0 otherwise.
    unsigned long m_liveFileError = 0;
    // Blocks at start, start + 32, ... while the address is at most end; then the settings decode.
    bool ReadMemoryRange(int start, int end);
    // Memory size, then every block below it; then the settings decode.
    bool ReadWholeMemory();
    // Memory size in bytes (0x2000, 0x8000, 0x20000, 0x10000); -1 on failure.
    int ReadMemorySize();
    // Address of the next history record; -1 on failure.
    int ReadHistoryPointer();
    // Reads and decodes the newest history record (years searched back from referenceYear).
    bool ReadLatestHistoryRecord(int referenceYear);
    // Reads and decodes the newest `count` history records (at most the ring's slots), oldest
    // first, as the decoder's record lines; the latest record is the decoder's newest record
    // afterwards. False when a read failed (lines then holds those read so far).
    bool ReadRecentHistoryRecords(int count, int referenceYear, std::vector<std::wstring>* lines);
    // Min/max area (block at 36) and extra values (block at 170), each decoded after its read.
    bool ReadMinMaxAreas();
    // Sends count (0..32) bytes to address in a write frame; true when acknowledged in time.
    bool WriteMemoryBlock(const uint8_t* data, int count, int address);
    // Writes "all_weather.csv" from the decoded memory (after ReadWholeMemory); *error receives the
    // system's error code when it could not be written.
    bool WriteMemoryDump(const std::wstring& path, unsigned long* error = nullptr);

    // ---- getters: the decoded text in narrow characters, in m_textBuffer (overwritten by the next
    // call of any of them) --------------------------------------------------------------------------
    const char* GetIndoorTempAStr();
    const char* GetIndoorTempBStr();
    const char* GetIndoorHumidityAStr();
    const char* GetIndoorHumidityBStr();
    const char* GetBcdValueStr(int type);
    const char* GetValue174Str();
    const char* GetValue176Str();
    const char* GetValue178Str();
    const char* GetLatestRecordLineStr();

private:
    // Copies the bytes of a received block that lie inside the image.
    void CopyToImage(int address, const uint8_t* block);
    // Requests the block at address (with retries) and copies it into the image; false when the
    // station gave no accepted block.
    bool ReadBlockIntoImage(int address, uint8_t* block);
    // Blocks at first, first + 32, ... while the address is at most last, each handed to the
    // decoder; then the settings decode.
    bool ReadMemoryBlocks(int first, int last);
    const char* ToTextBuffer(const std::wstring& text);
    // Address of the latest history record, and the memory size it lies in; -1 on failure.
    int LatestHistorySlot(int* memorySize);
    // Reads the history record at address and decodes it as the newest record.
    bool ReadHistorySlot(int address, int memorySize, int referenceYear);
};

// The one station object (defined in StationGlobals.cpp, built after the decoder and the
// application object).
extern CSystemKV318 g_systemKV318;
