#include "records/HistoryDownload.h"

#include "records/DumpParse.h"
#include "records/MainRecords.h"
#include "records/RecordMerge.h"
#include "station/UsbLink.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int> g_downloadWaitMs{DOWNLOAD_WAIT_MS};
}

int SetDownloadWaitForTesting(int milliseconds) { return g_downloadWaitMs.exchange(milliseconds); }
int DownloadWaitMs() { return g_downloadWaitMs.load(); }

// Waits the download's pause; false when the program asked the download to stop meanwhile.
static bool WaitUnlessStopped()
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(DownloadWaitMs());
    while (!g_stopMemoryRead) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return true;
        Sleep(static_cast<DWORD>(std::min<ULONGLONG>(end - now, 50)));
    }
    return false;
}

// The station's memory read: its size (with the retries) and every block.
static DownloadOutcome ReadStationMemory(CMainRecords& dlg, IHistoryStationLink& link)
{
    // The record files are read, and repaired where a kill left them, here rather than on the
    // window's thread (ten years of records take a while to read); nothing else uses them before
    // the download has ended.
    if (!dlg.m_recordFilesPrepared && !dlg.m_installFolder.empty()) {
        PrepareRecordFiles(dlg.m_installFolder, UnitsOf(dlg), dlg.m_recordFiles);
        dlg.m_recordFilesPrepared = true;
    }
    int size = link.ReadMemorySize();
    dlg.m_stationMemoryBytes = size;
    for (int retry = 0; size < 1 && retry < MEMORY_SIZE_RETRIES; ++retry) {
        if (!WaitUnlessStopped())
            return DownloadOutcome::Stopped;
        size = link.ReadMemorySize();
        dlg.m_stationMemoryBytes = size;
    }
    if (g_stopMemoryRead)
        return DownloadOutcome::Stopped;
    if (size < 1)
        return DownloadOutcome::NoMemorySize;

    dlg.m_downloading = 1;
    if (!WaitUnlessStopped())
        return DownloadOutcome::Stopped;
    if (!link.ReadWholeMemory())
        return g_stopMemoryRead ? DownloadOutcome::Stopped : DownloadOutcome::ReadFailed;
    return DownloadOutcome::Loaded;
}

DownloadOutcome RunHistoryDownload(CMainRecords& dlg, IHistoryStationLink& link, ReadingsRecord* into,
                                   DownloadAttempt* attempt)
{
    if (attempt == nullptr || !attempt->dumpOnly) {
        const DownloadOutcome read = ReadStationMemory(dlg, link);
        if (read != DownloadOutcome::Loaded)
            return read;
    }
    unsigned long error = 0;
    const bool written = link.WriteMemoryDump(dlg.m_allWeatherPath, &error);
    if (attempt != nullptr)
        attempt->dumpError = written ? 0 : error;
    if (!written)
        return DownloadOutcome::DumpNotWritten;
    if (!LoadDumpTokens(into != nullptr ? *into : dlg.m_readings, dlg.m_allWeatherPath))
        return DownloadOutcome::DumpUnreadable;
    return DownloadOutcome::Loaded;
}
