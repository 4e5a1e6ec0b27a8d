// Files the main window's work could not write: each failure said once, with its reason, in the
// current language, for as long as its cause lasts; the messages wait for the next timer tick, so
// that no box opens in the middle of a merge or a chart.
#include "app/OrvelleDlg.h"

#include "platform/ui/UiMessageBox.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

void COrvelleDlg::SayFailedWrites(WriteTask task, const std::vector<FailedWrite>& failures)
{
    for (const std::vector<FailedWrite>& group : m_writeNotices.Failed(task, failures))
        m_pendingMessages.push_back({task, group.front().reason, WriteFailureMessage(task, group, m_language)});
}

void COrvelleDlg::SayFailedWrite(WriteTask task, const std::wstring& path, unsigned long error)
{
    SayFailedWrites(task, {FailedWriteOf(path, error)});
}

void COrvelleDlg::NoteWritten(WriteTask task, const std::wstring& path) { m_writeNotices.Written(task, path); }

void COrvelleDlg::ShowPendingMessages()
{
    // One box at a time. The timers go on while it is open: a disk that gets room again, or a file
    // that is let go, takes the waiting records at once, whether the box was answered or not.
    if (m_writeFailureBoxOpen)
        return;
    m_writeFailureBoxOpen = true;
    while (!m_pendingMessages.empty() && m_hWnd != nullptr) {
        const WriteFailureNotice notice = m_pendingMessages.front();
        m_pendingMessages.erase(m_pendingMessages.begin());
        if (m_writeNotices.Failing(notice.task, notice.reason))
            AfxMessageBox(notice.text.c_str(), MB_OK | MB_ICONWARNING);
    }
    m_writeFailureBoxOpen = false;
}

void COrvelleDlg::ReportRecordFileWrites()
{
    std::vector<FailedWrite> failures;
    auto take = [&](const std::wstring& path, unsigned long error) {
        if (error != 0)
            failures.push_back(FailedWriteOf(path, error));
        else
            NoteWritten(WriteTask::RecordFiles, path);
    };
    take(m_installFolder + STAGING_FILE_NAME, m_recordFiles.stagingError);
    for (int k = 0; k < RECORD_FILE_KIND_COUNT; ++k) {
        const auto kind = static_cast<RecordFileKind>(k);
        take(m_installFolder + RecordFileName(kind), m_recordFiles.fileError[k]);
        take(m_installFolder + UserCopyName(kind), m_recordFiles.copyError[k]);
    }
    SayFailedWrites(WriteTask::RecordFiles, failures);
}

bool COrvelleDlg::ReportLiveFileWrite()
{
    const unsigned long error = g_systemKV318.m_liveFileError;
    if (error != 0)
        SayFailedWrite(WriteTask::StationData, m_record2minPath, error);
    else if (g_systemKV318.m_liveFileWritten)
        NoteWritten(WriteTask::StationData, m_record2minPath);
    return error == 0;
}

bool COrvelleDlg::RecordFilesFailing() const
{
    return m_recordLinesWaiting || m_writeNotices.Failing(WriteTask::RecordFiles) ||
           m_writeNotices.Failing(WriteTask::CustomRebuild);
}

void COrvelleDlg::ShowStationDataFailure()
{
    m_statusStatic.SetWindowText(TextAt(g_writeFailureTexts, WRITE_FAILED_STATION_DATA_STATUS, m_language));
}
