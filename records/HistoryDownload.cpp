#include "records/HistoryDownload.h"

#include "records/DumpParse.h"
#include "records/MainRecords.h"
#include "records/RecordMerge.h"
#include "station/UsbLink.h"
#include "texts/TextTables.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<int> g_downloadWaitMs{DOWNLOAD_WAIT_MS};
}

int SetDownloadWaitForTesting(int milliseconds) { return g_downloadWaitMs.exchange(milliseconds); }
int DownloadWaitMs() { return g_downloadWaitMs.load(); }

ChartViews ChartViewsOf(const CSettingsRecord& settings)
{
    ChartViews views;
    views.pressure = settings.m_pressureView;
    views.uv = settings.m_uvView;
    views.rain = settings.m_rainView;
    views.windSpeed = settings.m_windSpeedView;
    views.windDirection = settings.m_windDirectionView;
    return views;
}

void DrawPressureChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.pressure == 1)
        display.DrawPressureBarChart();
    else
        display.DrawPressureLineChart();
}

void DrawUvChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.uv == 1)
        display.DrawUvBarChart();
    else
        display.DrawUvLineChart();
}

void DrawRainChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.rain == 1)
        display.DrawRainBarChart();
    else
        display.DrawRainLineChart();
}

void DrawAllCharts(CDisplayOps& display, const ChartViews& views)
{
    DrawPressureChartByView(display, views);
    DrawUvChartByView(display, views);
    display.DrawTemperatureChart();
    DrawRainChartByView(display, views);
    DrawWindChartByView(display, views);
}

void DrawWindChartByView(CDisplayOps& display, const ChartViews& views)
{
    if (views.windSpeed == 3 && views.windDirection == 3)
        display.DrawWindRoseChart();
    else if (views.windSpeed == 1)
        display.DrawWindSpeedBarChart();
    else if (views.windSpeed == 2)
        display.DrawWindSpeedLineChart();
    else if (views.windDirection == 1)
        display.DrawWindDirectionBarChart();
    else
        display.DrawWindDirectionChart();
}

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

DownloadOutcome RunHistoryDownload(CMainRecords& dlg, IHistoryStationLink& link, ReadingsRecord* into)
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
    if (!link.WriteMemoryDump(dlg.m_allWeatherPath))
        return DownloadOutcome::DumpNotWritten;
    if (!LoadDumpTokens(into != nullptr ? *into : dlg.m_readings, dlg.m_allWeatherPath))
        return DownloadOutcome::DumpUnreadable;
    return DownloadOutcome::Loaded;
}

std::wstring DownloadDoneStatusText()
{
    return std::wstring(EntryAt(g_progressTexts, 0)) + L"100" + EntryAt(g_progressTexts, 1);
}

namespace {

void TakeLoadedHistory(CMainRecords& dlg, CDisplayOps& display, IDownloadWindow& window)
{
    window.SetProgressPosition(DOWNLOAD_PROGRESS_END);
    if (dlg.m_readings.m_rowCount > 0) {
        dlg.m_readings.PublishAllColumns();
        display.SetAllChartTimeWindowFromLastRecord();
    } else {
        g_historyRowCount = 0;
    }
    display.m_clock24h = dlg.m_timeFormat;
    dlg.ApplyDownloadedAltitude();
    dlg.ShowUvDailyMaxima();
    dlg.ShowHeaderValues();
    dlg.ShowRainTotals();
    dlg.CopyDownloadedMinMax();
    display.UpdateLocationTexts();
    DrawAllCharts(display, ChartViewsOf(dlg));
    window.SetStatusText(DownloadDoneStatusText());
}

}  // namespace

void CompleteHistoryDownload(CMainRecords& dlg, CDisplayOps& display, IDownloadWindow& window,
                             DownloadOutcome outcome)
{
    switch (outcome) {
    case DownloadOutcome::Loaded:
        TakeLoadedHistory(dlg, display, window);
        break;
    case DownloadOutcome::DumpUnreadable:
        window.ShowErrorMessage(EntryAt(g_dataErrorTexts, 1));
        break;
    case DownloadOutcome::NoMemorySize:
    case DownloadOutcome::ReadFailed:
    case DownloadOutcome::DumpNotWritten:
        // A station that is still there gets asked again: the history is what the polling loop
        // starts from. A station that has gone is the connection watch's to report.
        if (window.StationPresent()) {
            if (!dlg.m_downloadFailureShown) {
                dlg.m_downloadFailureShown = 1;
                window.ShowErrorMessage(EntryAt(g_dataErrorTexts, 0));
            }
            window.RestartDownloadLater();
            return;
        }
        break;
    case DownloadOutcome::Stopped:
    default:
        break;
    }
    dlg.m_downloading = 0;
}
