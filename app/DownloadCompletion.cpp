#include "app/DownloadCompletion.h"

#include "app/PollLoop.h"
#include "records/MainRecords.h"
#include "texts/TextTables.h"

namespace {

void TakeLoadedHistory(CMainRecords& dlg, CDisplayOps& display, IDownloadWindow& window)
{
    window.SetProgressPosition(poll::BAR_FULL);
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
    DrawAllCharts(display, dlg);
    window.SetStatusText(poll::DownloadProgressText(100));
}

}  // namespace

void CompleteHistoryDownload(CMainRecords& dlg, CDisplayOps& display, IDownloadWindow& window,
                             DownloadOutcome outcome, unsigned long dumpError)
{
    switch (outcome) {
    case DownloadOutcome::Loaded:
        window.DumpWritten();
        TakeLoadedHistory(dlg, display, window);
        break;
    case DownloadOutcome::DumpUnreadable:
        window.DumpWritten();
        window.ShowErrorMessage(EntryAt(g_dataErrorTexts, 1));
        break;
    case DownloadOutcome::DumpNotWritten:
        // The station answered: what failed is the file, for a reason of its own (a full disk, say).
        // The memory read stays, and its dump is written again until it goes in.
        if (window.StationPresent()) {
            window.SetProgressPosition(poll::BAR_FULL);
            window.SayDumpNotWritten(dumpError);
            window.RestartDownloadLater(true);
            return;
        }
        break;
    case DownloadOutcome::NoMemorySize:
    case DownloadOutcome::ReadFailed:
        // A station that is still there gets asked again: the history is what the polling loop
        // starts from. A station that has gone is the connection watch's to report.
        if (window.StationPresent()) {
            if (!dlg.m_downloadFailureShown) {
                dlg.m_downloadFailureShown = 1;
                window.ShowErrorMessage(EntryAt(g_dataErrorTexts, 0));
            }
            window.RestartDownloadLater(false);
            return;
        }
        break;
    case DownloadOutcome::Stopped:
    default:
        break;
    }
    dlg.m_downloading = 0;
}
