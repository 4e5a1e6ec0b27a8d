// The history download: once per run (again after an attempt that failed while the station was
// present) a worker thread reads the station's whole memory, has it
// written as "all_weather.csv" and parses that back into the readings record, and returns the
// outcome; then the window's thread publishes the history, takes the dump's header values and
// redraws the charts (app/DownloadCompletion.h).
//
// Worker side (RunHistoryDownload, on the worker thread): the memory size with its retries, the
// whole-memory read (progress in g_readAddress), the dump file and its parse. It touches only
// m_stationMemoryBytes, m_downloading (set) and the readings record, which the window's thread
// leaves alone while m_downloading is set. The window side clears m_downloading last, so the
// polling loop starts only after all of it.
#pragma once
#include <windows.h>

#include <string>

class CMainRecords;
class ReadingsRecord;

constexpr int MEMORY_SIZE_RETRIES = 10;        // further requests after the first, 1 s apart
constexpr int DOWNLOAD_WAIT_MS = 1000;

// The wait between memory-size requests and before the whole-memory read. Tests shorten it; the
// program never changes it. Returns the previous value.
int SetDownloadWaitForTesting(int milliseconds);
int DownloadWaitMs();

enum class DownloadOutcome : int {
    NoMemorySize = 0,    // the station never reported its memory size
    ReadFailed = 1,      // the whole-memory read failed
    DumpUnreadable = 2,  // "all_weather.csv" could not be read back
    Loaded = 3,          // the dump was parsed into the readings record
    DumpNotWritten = 4,  // "all_weather.csv" could not be written: nothing was parsed
    Stopped = 5,         // the program asked the download to stop (it is closing)
};
constexpr int DOWNLOAD_OUTCOME_COUNT = 6;

// The station link operations the worker uses.
class IHistoryStationLink {
public:
    virtual ~IHistoryStationLink() = default;
    virtual int ReadMemorySize() = 0;                           // bytes, -1 when the station does not answer
    virtual bool ReadWholeMemory() = 0;                         // moves g_readAddress as it goes
    // "all_weather.csv"; false when not written, *error then the system's error code.
    virtual bool WriteMemoryDump(const std::wstring& path, unsigned long* error) = 0;
};

// Where the worker hands the outcome of an attempt: the main dialog passes it on to its window's
// thread. Called on the worker thread; false when the outcome cannot reach the window (it is gone).
class IDownloadListener {
public:
    virtual ~IDownloadListener() = default;
    virtual bool DownloadEnded(DownloadOutcome outcome) = 0;
};

// How one attempt goes, and what it leaves besides its outcome.
struct DownloadAttempt {
    // The station's memory was read by the attempt before, whose dump could not be written: only
    // the dump is written (again) and parsed; the station is not read again.
    bool dumpOnly = false;
    unsigned long dumpError = 0;  // DumpNotWritten: the system's error code
};

// Worker side. Asks the memory size (up to 1 + MEMORY_SIZE_RETRIES times, DownloadWaitMs() apart),
// sets m_downloading, waits, reads the whole memory, writes the dump to m_allWeatherPath and parses
// it into m_readings; a dump that could not be written is never parsed (the file on disk may be an
// older run's). Never clears m_downloading and does no window work. When the program asks the
// download to stop (g_stopMemoryRead, as it closes), it ends at once with Stopped.
// `into`, when given, receives the parsed history instead of m_readings (the history read again to
// fill a gap, which leaves the window's history as it is). `attempt`, when given, can ask for the
// dump alone and receives the dump's error.
DownloadOutcome RunHistoryDownload(CMainRecords& dlg, IHistoryStationLink& link, ReadingsRecord* into = nullptr,
                                   DownloadAttempt* attempt = nullptr);

// ---- the thread ----------------------------------------------------------------------------------

// What the connection watch hands to the worker; must outlive the thread (keep it as a member of
// the main dialog).
struct HistoryDownloadJob {
    CMainRecords* records = nullptr;
    IDownloadListener* listener = nullptr;  // receives the outcome
    IHistoryStationLink* link = nullptr;    // null: the station object g_systemKV318
    ReadingsRecord* into = nullptr;         // null: the main dialog's m_readings
    DownloadAttempt attempt;
};

// Thread entry point; parameter: HistoryDownloadJob*. Runs RunHistoryDownload and hands the outcome
// to job->listener. When it cannot be handed over (no listener, or the window is gone),
// m_downloading is cleared here instead. Returns 0.
DWORD WINAPI HistoryDownloadThreadProc(LPVOID parameter);

// Starts the worker thread for the job (sets m_downloading first); returns its handle (close it with
// CloseHandle) or null when the thread could not be started, in which case m_downloading is cleared.
HANDLE StartHistoryDownload(HistoryDownloadJob* job);
