// Command link: frames, watcher threads, block requests, register reads and the block write.
#include "station/UsbLink.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "station/StationMemoryMap.h"
#include "station/UsbApi.h"

std::atomic<int32_t> g_readAddress{0};
std::atomic<uint8_t> g_abortFlag{0};
std::atomic<bool> g_stopMemoryRead{false};
std::wstring g_liveFilePath;
HANDLE g_watcherThread = nullptr;
char g_lastErrorText[LAST_ERROR_TEXT_SIZE] = {};
UINT_PTR g_liveTimerId = 0;

CUSBDevice::~CUSBDevice() = default;   // the device is never closed

namespace {

std::atomic<const UsbFunctions*> g_usbOverride{nullptr};
std::atomic<int> g_replyTimeoutMs{REPLY_TIMEOUT_MS};
std::atomic<int> g_liveReadPeriodMs{LIVE_READ_PERIOD_MS};

// Held for one request and its reply (or one write and its acknowledgement).
std::mutex g_exchangeMutex;

// How long a command waits for a watcher it has told to stop after a time-out.
constexpr DWORD WATCHER_STOP_WAIT_MS = 200;
// Reads of left-over bytes before a request, at most.
constexpr int MAX_DRAIN_READS = 64;

// State one watcher shares with its command. The command and the watcher each hold a reference;
// the last one to let go deletes it, so a watcher that outlives its command still finds its flag.
struct WatcherContext {
    std::atomic<bool> stop{false};
    std::atomic<int> references{2};
};

void Release(WatcherContext* context)
{
    if (context->references.fetch_sub(1) == 1)
        delete context;
}

bool ShouldStop(const WatcherContext* context)
{
    return g_abortFlag.load() != 0 || context->stop.load();
}

// Polls until the whole reply waits in USB.dll (or the command gives up on it).
void WaitForReadReply(WatcherContext* context)
{
    for (;;) {
        int waiting = 0;
        int other = 0;
        const int handle = g_usbDevice.m_handle;
        if (handle != 0)
            UsbGetStatus(handle, &waiting, &other);
        if (ShouldStop(context) || waiting >= READ_REPLY_SIZE)
            return;
        SwitchToThread();
    }
}

// Reads the one-byte acknowledgement of a write (its value is not examined).
void WaitForWriteAck(WatcherContext* context)
{
    for (;;) {
        const int handle = g_usbDevice.m_handle;
        if (handle != 0) {
            unsigned char ack = 0;
            if (UsbRead(handle, &ack, 1) > 0)
                return;
        }
        if (ShouldStop(context))
            return;
        SwitchToThread();
    }
}

bool DeviceIsGone()
{
    const int handle = g_usbDevice.m_handle;
    return handle == 0 || UsbCheck(handle) == 0;
}

// Reads and drops bytes that an earlier reply left behind, so a new reply starts clean.
void DrainLeftovers()
{
    const int handle = g_usbDevice.m_handle;
    unsigned char scratch[64];
    for (int i = 0; i < MAX_DRAIN_READS; ++i) {
        int waiting = 0;
        int other = 0;
        UsbGetStatus(handle, &waiting, &other);
        if (waiting <= 0)
            return;
        const int count = waiting < static_cast<int>(sizeof scratch) ? waiting : static_cast<int>(sizeof scratch);
        if (UsbRead(handle, scratch, count) <= 0)
            return;
    }
}

// Watchers run on a watcher thread that is started once and handed one watcher at a time: starting
// a thread per command costs milliseconds under some systems, far more than a block takes. A
// watcher that outlives its command (stuck in USB.dll) keeps that thread; the next command then
// retires it and starts a fresh one.
struct WatcherRunner {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;   // a watcher was handed over, or retired
    CONDITION_VARIABLE done = CONDITION_VARIABLE_INIT;   // the watcher ended
    HANDLE thread = nullptr;
    LPTHREAD_START_ROUTINE procedure = nullptr;
    void* parameter = nullptr;
    bool hasWatcher = false;   // handed over, not yet taken
    bool running = false;      // taken, not yet ended
    bool finished = false;     // the watcher handed over last has ended
    bool retired = false;      // end the thread once idle
    std::atomic<int> references{2};   // the thread and the link
};

void ReleaseRunner(WatcherRunner* runner)
{
    if (runner->references.fetch_sub(1) == 1)
        delete runner;
}

DWORD WINAPI WatcherRunnerMain(LPVOID parameter)
{
    auto* runner = static_cast<WatcherRunner*>(parameter);
    AcquireSRWLockExclusive(&runner->lock);
    for (;;) {
        while (!runner->hasWatcher && !runner->retired)
            SleepConditionVariableSRW(&runner->wake, &runner->lock, INFINITE, 0);
        if (!runner->hasWatcher)
            break;
        const LPTHREAD_START_ROUTINE procedure = runner->procedure;
        void* const watcherParameter = runner->parameter;
        runner->hasWatcher = false;
        runner->running = true;
        ReleaseSRWLockExclusive(&runner->lock);
        procedure(watcherParameter);
        AcquireSRWLockExclusive(&runner->lock);
        runner->running = false;
        runner->finished = true;
        WakeAllConditionVariable(&runner->done);
    }
    ReleaseSRWLockExclusive(&runner->lock);
    ReleaseRunner(runner);
    return 0;
}

WatcherRunner* g_runner = nullptr;   // used by the command in progress only

void RetireRunner()
{
    if (g_runner == nullptr)
        return;
    AcquireSRWLockExclusive(&g_runner->lock);
    g_runner->retired = true;
    WakeAllConditionVariable(&g_runner->wake);
    ReleaseSRWLockExclusive(&g_runner->lock);
    CloseHandle(g_runner->thread);
    ReleaseRunner(g_runner);
    g_runner = nullptr;
}

// Retires the watcher thread when the program ends.
struct RunnerCleanup {
    ~RunnerCleanup() { RetireRunner(); }
} g_runnerCleanup;

// An idle watcher thread, started when there is none or the last one is still busy.
WatcherRunner* IdleRunner(bool reportThreadError)
{
    if (g_runner != nullptr) {
        AcquireSRWLockExclusive(&g_runner->lock);
        const bool busy = g_runner->running || g_runner->hasWatcher;
        ReleaseSRWLockExclusive(&g_runner->lock);
        if (!busy)
            return g_runner;
        RetireRunner();
    }
    auto* runner = new WatcherRunner;
    runner->thread = CreateThread(nullptr, 0, WatcherRunnerMain, runner, 0, nullptr);
    if (runner->thread == nullptr) {
        if (reportThreadError)
            SetLastErrorText("Create Thread Error!");
        std::exit(1);
    }
    g_runner = runner;
    return runner;
}

// Starts the watcher and waits for it at most the reply time. A watcher that is still running at
// the time-out is told to stop (its own flag and, while the command waits for it briefly, the
// abort flag). Returns true when it ended in time.
bool RunWatcher(LPTHREAD_START_ROUTINE procedure, bool clearAbortFlag, bool reportThreadError)
{
    g_watcherThread = nullptr;
    if (clearAbortFlag)
        g_abortFlag = 0;
    WatcherRunner* runner = IdleRunner(reportThreadError);
    auto* context = new WatcherContext;

    AcquireSRWLockExclusive(&runner->lock);
    runner->procedure = procedure;
    runner->parameter = context;
    runner->hasWatcher = true;
    runner->finished = false;
    WakeAllConditionVariable(&runner->wake);
    g_watcherThread = runner->thread;

    // Waits in slices, so that a closing program does not wait out a reply that will not come.
    auto waitUntil = [runner](ULONGLONG deadline) {
        while (!runner->finished && !g_stopMemoryRead) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                break;
            const ULONGLONG slice = std::min<ULONGLONG>(deadline - now, WATCHER_POLL_MS);
            SleepConditionVariableSRW(&runner->done, &runner->lock, static_cast<DWORD>(slice), 0);
        }
        return runner->finished;
    };
    const bool inTime = waitUntil(GetTickCount64() + static_cast<ULONGLONG>(ReplyTimeoutMs()));
    if (!inTime) {
        context->stop = true;
        const uint8_t previous = g_abortFlag.exchange(1);
        waitUntil(GetTickCount64() + WATCHER_STOP_WAIT_MS);
        g_abortFlag = previous;
    }
    ReleaseSRWLockExclusive(&runner->lock);
    g_watcherThread = nullptr;
    Release(context);
    return inTime;
}

} // namespace

// ---- USB calls -------------------------------------------------------------------------------------

const UsbFunctions* SetUsbFunctionsForTesting(const UsbFunctions* functions)
{
    return g_usbOverride.exchange(functions);
}

int UsbOpen(int handle, int vendor, int product, int a, int b, int c)
{
    const UsbFunctions* f = g_usbOverride.load();
    return f ? f->open(handle, vendor, product, a, b, c) : USBOpen(handle, vendor, product, a, b, c);
}

int UsbCheck(int handle)
{
    const UsbFunctions* f = g_usbOverride.load();
    return f ? f->check(handle) : USBCheck(handle);
}

int UsbWrite(int handle, const unsigned char* data, int length, int flags)
{
    const UsbFunctions* f = g_usbOverride.load();
    return f ? f->write(handle, data, length, flags) : USBWrite(handle, data, length, flags);
}

int UsbRead(int handle, unsigned char* buffer, int count)
{
    const UsbFunctions* f = g_usbOverride.load();
    return f ? f->read(handle, buffer, count) : USBRead(handle, buffer, count);
}

int UsbGetStatus(int handle, int* waiting, int* other)
{
    const UsbFunctions* f = g_usbOverride.load();
    return f ? f->getStatus(handle, waiting, other) : USBGetStatus(handle, waiting, other);
}

// ---- seams -----------------------------------------------------------------------------------------

int SetReplyTimeoutForTesting(int milliseconds) { return g_replyTimeoutMs.exchange(milliseconds); }
int ReplyTimeoutMs() { return g_replyTimeoutMs.load(); }
int SetLiveReadPeriodForTesting(int milliseconds) { return g_liveReadPeriodMs.exchange(milliseconds); }
int LiveReadPeriodMs() { return g_liveReadPeriodMs.load(); }

// ---- texts and frames ------------------------------------------------------------------------------

void SetLastErrorText(const char* text)
{
    std::snprintf(g_lastErrorText, sizeof g_lastErrorText, "%s", text);
}

void BuildReadFrame(int address, uint8_t frame[READ_FRAME_SIZE])
{
    frame[0] = READ_FRAME_MARKER;
    frame[1] = static_cast<uint8_t>(address & 0xFF);
    frame[2] = static_cast<uint8_t>((address >> 8) & 0xFF);
    frame[3] = static_cast<uint8_t>((address >> 16) & 0xFF);
    frame[4] = static_cast<uint8_t>(frame[0] ^ frame[1] ^ frame[2] ^ frame[3]);
}

void BuildWriteFrame(int address, const uint8_t* data, int count, uint8_t frame[WRITE_FRAME_SIZE])
{
    std::memset(frame, 0, WRITE_FRAME_SIZE);
    frame[0] = WRITE_FRAME_MARKER;
    frame[1] = static_cast<uint8_t>(address & 0xFF);
    frame[2] = static_cast<uint8_t>((address >> 8) & 0xFF);
    frame[3] = static_cast<uint8_t>((address >> 16) & 0xFF);
    if (count > STATION_BLOCK_SIZE)
        count = STATION_BLOCK_SIZE;
    if (data != nullptr && count > 0)
        std::memcpy(frame + 4, data, static_cast<size_t>(count));
    uint8_t sum = 0;
    for (int i = 0; i < WRITE_FRAME_SIZE - 1; ++i)
        sum ^= frame[i];
    frame[WRITE_FRAME_SIZE - 1] = sum;
}

uint8_t ReplyChecksum(const uint8_t data[32])
{
    uint8_t sum = REPLY_MARKER;
    for (int i = 0; i < STATION_BLOCK_SIZE; ++i)
        sum ^= data[i];
    return sum;
}

// ---- commands ----------------------------------------------------------------------------------------

BlockResult RequestBlock(int address, ReadKind kind, uint8_t data[32])
{
    // One exchange at a time: the history download's worker and the window's thread may both ask.
    std::lock_guard<std::mutex> exchange(g_exchangeMutex);
    const bool live = kind == ReadKind::Live;
    const bool registerRead = kind == ReadKind::Register;

    if (g_stopMemoryRead)
        return BlockResult::Stopped;
    if (DeviceIsGone()) {
        if (registerRead) {
            SetLastErrorText("Device Disconnected!");
        } else {
            SetLastErrorText("Device disconnected!");
            g_abortFlag = 1;
        }
        return BlockResult::DeviceGone;
    }
    if (!registerRead)
        g_readAddress = address;

    const int handle = g_usbDevice.m_handle;
    DrainLeftovers();
    uint8_t frame[READ_FRAME_SIZE];
    BuildReadFrame(address, frame);
    UsbWrite(handle, frame, READ_FRAME_SIZE, 0);

    if (!RunWatcher(ReadWatcherThread, !registerRead, !registerRead)) {
        if (g_stopMemoryRead)
            return BlockResult::Stopped;
        SetLastErrorText("Timeout!");
        return BlockResult::Timeout;
    }

    // The reply is read to its end whatever fails; the last failing test's text stays.
    uint8_t buffer[READ_REPLY_SIZE] = {};
    bool accepted = true;
    if (UsbRead(handle, buffer, 1) < 1 || buffer[0] != REPLY_MARKER) {
        SetLastErrorText(live ? "Receive Error" : "Receive Error!");
        accepted = false;
    }
    uint8_t* payload = buffer + 1;
    if (UsbRead(handle, payload, STATION_BLOCK_SIZE) < STATION_BLOCK_SIZE) {
        SetLastErrorText(live ? "USB Receive Error" : "USB Receive Error!");
        accepted = false;
    }
    uint8_t checksum = 0;
    UsbRead(handle, &checksum, 1);
    if (checksum != ReplyChecksum(payload)) {
        SetLastErrorText(live ? "USB Checksum Error" : "USB Checksum Error!");
        accepted = false;
    }
    if (!accepted)
        return BlockResult::Failed;
    std::memcpy(data, payload, STATION_BLOCK_SIZE);
    return BlockResult::Accepted;
}

BlockResult RequestBlockWithRetries(int address, uint8_t data[32])
{
    BlockResult result = BlockResult::Failed;
    for (int attempt = 0; attempt < MAX_BLOCK_REQUESTS; ++attempt) {
        result = RequestBlock(address, ReadKind::Block, data);
        if (result == BlockResult::Accepted || result == BlockResult::DeviceGone || result == BlockResult::Stopped)
            return result;
    }
    return result;
}

int ReadMemorySize()
{
    uint8_t data[STATION_BLOCK_SIZE];
    if (RequestBlock(ADDRESS_MEMORY_SIZE, ReadKind::Register, data) != BlockResult::Accepted)
        return -1;
    return MemorySizeFromCode(data[0]);
}

int ReadHistoryPointer()
{
    uint8_t data[STATION_BLOCK_SIZE];
    if (RequestBlock(ADDRESS_HISTORY_INDEX, ReadKind::Register, data) != BlockResult::Accepted)
        return -1;
    // Data bytes 0 and 2 are the station addresses 0xFD and 0xFF.
    return NextRecordAddressFromIndex(HistoryIndexFromBytes(data[0], data[2]));
}

bool WriteMemoryBlock(const uint8_t* data, int count, int address)
{
    if (count < 0 || count > STATION_BLOCK_SIZE || (count > 0 && data == nullptr) || address < 0 ||
        address > STATION_IMAGE_SIZE - STATION_BLOCK_SIZE) {
        SetLastErrorText("Incorrect address input!");
        return false;
    }
    std::lock_guard<std::mutex> exchange(g_exchangeMutex);
    if (DeviceIsGone()) {
        SetLastErrorText("Device Disconnected!");
        return false;
    }
    const int handle = g_usbDevice.m_handle;
    DrainLeftovers();
    uint8_t frame[WRITE_FRAME_SIZE];
    BuildWriteFrame(address, data, count, frame);
    UsbWrite(handle, frame, WRITE_FRAME_SIZE, 0);
    if (!RunWatcher(WriteWatcherThread, true, true)) {
        SetLastErrorText("Timeout!");
        return false;
    }
    return true;
}

DWORD WINAPI ReadWatcherThread(LPVOID parameter)
{
    auto* context = static_cast<WatcherContext*>(parameter);
    WaitForReadReply(context);
    Release(context);
    return 0;
}

DWORD WINAPI WriteWatcherThread(LPVOID parameter)
{
    auto* context = static_cast<WatcherContext*>(parameter);
    WaitForWriteAck(context);
    Release(context);
    return 0;
}
