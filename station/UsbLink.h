// The command link to the station: frames with XOR checksums, one watcher thread per command,
// and the global state the link keeps (device handle, progress address, last error text).
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

// ---- constants -----------------------------------------------------------------------------------
constexpr int REPLY_TIMEOUT_MS = 5000;        // wait for a watcher thread
constexpr int WATCHER_POLL_MS = 50;           // a waiting command looks at g_stopMemoryRead this often
constexpr int LIVE_READ_PERIOD_MS = 120000;   // live re-read
constexpr int READ_FRAME_SIZE = 5;
constexpr int READ_REPLY_SIZE = 34;           // marker, 32 data bytes, checksum
constexpr int WRITE_FRAME_SIZE = 37;
constexpr int MAX_BLOCK_REQUESTS = 10;        // requests of one block in a row before a read fails
constexpr int LAST_ERROR_TEXT_SIZE = 100;

constexpr uint8_t READ_FRAME_MARKER = 0xAF;
constexpr uint8_t WRITE_FRAME_MARKER = 0xAE;
constexpr uint8_t REPLY_MARKER = 0x5A;

constexpr int STATION_VENDOR_ID = 0x1130;
constexpr int STATION_PRODUCT_ID = 0x6801;

// ---- device ------------------------------------------------------------------------------------
// Holder of the device handle; exists from program load with handle 0 and is never closed.
class CUSBDevice {
public:
    constexpr CUSBDevice() = default;
    virtual ~CUSBDevice();
    int32_t m_handle = 0;   // what USBOpen returned; 0: no device
};
extern CUSBDevice g_usbDevice;

// ---- link state ----------------------------------------------------------------------------------
extern std::atomic<int32_t> g_readAddress;     // address of the block requested last (progress)
extern std::atomic<uint8_t> g_abortFlag;       // 1: watchers stop (set when the device is gone)
// Set when the program closes: every command in progress and every later one ends at once (a
// waiting command within WATCHER_POLL_MS), a multi-block read makes no further request.
extern std::atomic<bool> g_stopMemoryRead;
extern std::wstring g_liveFilePath;            // "record_2min.csv", kept by StartLiveReading
extern HANDLE g_watcherThread;                 // watcher of the command in progress, else 0
extern char g_lastErrorText[LAST_ERROR_TEXT_SIZE]; // text of the last failure; never shown
extern UINT_PTR g_liveTimerId;                 // the two-minute timer, 0 when none is armed

// Writes the text into g_lastErrorText (cut to fit).
void SetLastErrorText(const char* text);

// ---- frames --------------------------------------------------------------------------------------
// AF, address low, middle, high, XOR of the four.
void BuildReadFrame(int address, uint8_t frame[READ_FRAME_SIZE]);
// AE, three address bytes, the first `count` (0..32) data bytes then zeros, XOR of bytes 0..35.
void BuildWriteFrame(int address, const uint8_t* data, int count, uint8_t frame[WRITE_FRAME_SIZE]);
// 0x5A XOR the 32 data bytes.
uint8_t ReplyChecksum(const uint8_t data[32]);

// ---- commands ------------------------------------------------------------------------------------
enum class BlockResult {
    Accepted,     // reply verified; data holds the 32 bytes
    DeviceGone,   // handle 0 or USBCheck false; nothing was sent
    Timeout,      // the watcher did not see a whole reply in time
    Failed,       // wrong marker, short reply or bad checksum
    Stopped,      // the program is closing (g_stopMemoryRead): nothing more was waited for
};

enum class ReadKind {
    Block,        // memory blocks: sets g_readAddress, clears the abort flag, "...!" texts
    Live,         // live blocks: as Block with the live read's texts (no "!")
    Register,     // memory size and history index: leaves g_readAddress and the abort flag alone
};

// One request of the 32 bytes at address, judged by its own reply.
BlockResult RequestBlock(int address, ReadKind kind, uint8_t data[32]);
// A block of a multi-block read: requested again after a time-out or failed reply, at most
// MAX_BLOCK_REQUESTS times in a row. Accepted, DeviceGone, Stopped, or the last failure.
BlockResult RequestBlockWithRetries(int address, uint8_t data[32]);

// Memory size in bytes from the size code at 0xFC; -1 on any failure.
int ReadMemorySize();
// Address of the next history record, 257 + 38 x index (index from 0xFD and 0xFF); -1 on failure.
int ReadHistoryPointer();
// Sends the first count (at most 32) bytes of data to address; true when acknowledged in time.
bool WriteMemoryBlock(const uint8_t* data, int count, int address);

// Watcher threads (parameter: the command's private stop flag).
DWORD WINAPI ReadWatcherThread(LPVOID parameter);
DWORD WINAPI WriteWatcherThread(LPVOID parameter);

// The two-minute timer's procedure: one live read, result ignored.
VOID CALLBACK LiveTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// ---- seams for tests (the shipped program never calls them) ----------------------------------
// Wait for a watcher in ms (REPLY_TIMEOUT_MS unless changed). Returns the previous value.
int SetReplyTimeoutForTesting(int milliseconds);
int ReplyTimeoutMs();
// Period of the live timer in ms (LIVE_READ_PERIOD_MS unless changed). Returns the previous value.
int SetLiveReadPeriodForTesting(int milliseconds);
int LiveReadPeriodMs();
