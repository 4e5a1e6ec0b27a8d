// The end of the history download as the window shows it, on the window's thread once the
// worker's outcome has reached it (records/HistoryDownload.h returns the outcome): every control
// text, message box, chart and published global; m_downloading is cleared last, so the polling
// loop starts only after all of it.
#pragma once
#include "app/DisplayOps.h"
#include "records/HistoryDownload.h"

#include <string>

class CMainRecords;

// The window's services that the end of a download uses besides the display operations.
class IDownloadWindow {
public:
    virtual ~IDownloadWindow() = default;
    virtual void SetProgressPosition(int position) = 0;        // the progress bar (0..1500)
    virtual void SetStatusText(const std::wstring& text) = 0;  // the status text beside it
    virtual void ShowErrorMessage(const std::wstring& text) = 0; // a message box with OK
    virtual bool StationPresent() = 0;                         // the station still answers USBCheck
    // Starts the download again at a later tick of the connection watch; dumpOnly: the memory read
    // is kept and only its dump written again.
    virtual void RestartDownloadLater(bool dumpOnly) = 0;
    // The memory dump could not be written (the system's error code): said once for as long as
    // that lasts, and shown in the status text.
    virtual void SayDumpNotWritten(unsigned long error) = 0;
    // The memory dump was written.
    virtual void DumpWritten() = 0;
};

// A download asked to start again at a later tick of the connection watch. Every ask says whether
// the station is read again or only the dump of the memory already read written again; a restart is
// taken once, and what it was asked with goes with it.
class CDownloadRestart {
public:
    void Ask(bool dumpOnly)
    {
        m_asked = true;
        m_dumpOnly = dumpOnly;
    }
    // True when a restart was asked since the last one taken; *dumpOnly then says how.
    bool Take(bool* dumpOnly)
    {
        if (!m_asked)
            return false;
        *dumpOnly = m_dumpOnly;
        m_asked = false;
        m_dumpOnly = false;
        return true;
    }

private:
    bool m_asked = false;
    bool m_dumpOnly = false;
};

// For the outcome the worker handed over:
//   Loaded: progress bar to its end; the history columns published (g_historyRowCount and the column
//     pointers; the chart window's period only when there is a row); the clock's 24-hour copy; the
//     header values (altitude, UV maxima, wind maxima, rain totals, extremes and trends); the location
//     texts; every chart; the status text "Receiving data... 100% done". m_downloading is cleared.
//   DumpUnreadable: the message "Can't read data file!"; m_downloading is cleared.
//   NoMemorySize, ReadFailed with the station still present: the message "Can't receive data!" (the
//     first time only, m_downloadFailureShown) and the download is started again later;
//     m_downloading stays set, so the polling loop keeps waiting for the history.
//   DumpNotWritten with the station still present (it answered: the file could not be written, for
//     the reason dumpError): the progress bar at its end, the failure said with its reason, and the
//     dump alone written again later; m_downloading stays set.
//   NoMemorySize, ReadFailed, DumpNotWritten with the station gone, and Stopped: nothing shown (the
//     connection watch reports a lost device); m_downloading is cleared.
void CompleteHistoryDownload(CMainRecords& dlg, CDisplayOps& display, IDownloadWindow& window,
                             DownloadOutcome outcome, unsigned long dumpError = 0);
