// The main window's own messages and the files its work could not write: each failure said once,
// with its reason, in the current language, for as long as its cause lasts; every message waits for
// the next timer tick, so that no box opens in the middle of a merge or a chart, and the boxes come
// one at a time while the timers go on.
#include "app/OrvelleDlg.h"

#include "app/SettingsFiles.h"
#include "platform/ui/UiMessageBox.h"
#include "records/RecordFileIo.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

void COrvelleDlg::SayFailedWrites(WriteTask task, const std::vector<FailedWrite>& failures)
{
    for (const std::vector<FailedWrite>& group : m_writeNotices.Failed(task, failures))
        m_messages.Add(WriteFailureMessage(task, group, m_language), MB_OK | MB_ICONWARNING, task,
                       group.front().reason);
}

void COrvelleDlg::SayFailedWrite(WriteTask task, const std::wstring& path, unsigned long error)
{
    SayFailedWrites(task, {FailedWriteOf(path, error)});
}

void COrvelleDlg::NoteWritten(WriteTask task, const std::wstring& path) { m_writeNotices.Written(task, path); }

void COrvelleDlg::TellUser(const std::wstring& text) { m_messages.Add(text); }

void COrvelleDlg::ShowPendingMessages()
{
    if (m_hWnd != nullptr)
        TellWaitingMessages();
}

void COrvelleDlg::TellWaitingMessages()
{
    // One box at a time. The timers go on while it is open: a disk that gets room again, or a file
    // that is let go, takes the waiting records at once, whether the box was answered or not; what
    // they say meanwhile comes after it.
    m_messages.TellWaiting(
        [this](WriteTask task, WriteReason reason) { return m_writeNotices.Failing(task, reason); },
        [](const CWindowMessages::Message& message) { AfxMessageBox(message.text.c_str(), message.type); });
    // The station has gone while a box was open: its prompt has been told, the program closes.
    if (m_closeAfterMessages && !m_messages.Telling()) {
        m_closeAfterMessages = false;
        OnDestroy();
    }
}

void COrvelleDlg::ReportRecordFileWrites()
{
    // The writes, and apart from them the files that could not be brought back from their copy or
    // the other base file.
    std::vector<FailedWrite> failures, restores;
    auto take = [&](WriteTask task, std::vector<FailedWrite>& failed, const std::wstring& path, unsigned long error) {
        if (error != 0)
            failed.push_back(FailedWriteOf(path, error));
        else
            NoteWritten(task, path);
    };
    take(WriteTask::RecordFiles, failures, m_installFolder + STAGING_FILE_NAME, m_recordFiles.stagingError);
    for (int k = 0; k < RECORD_FILE_KIND_COUNT; ++k) {
        const auto kind = static_cast<RecordFileKind>(k);
        const std::wstring path = m_installFolder + RecordFileName(kind);
        take(WriteTask::RecordFiles, failures, path, m_recordFiles.fileError[k]);
        take(WriteTask::RecordFiles, failures, m_installFolder + UserCopyName(kind), CopyErrorToTell(m_recordFiles, kind));
        take(WriteTask::Restore, restores, path, RestoreErrorToTell(m_recordFiles, kind));
    }
    SayFailedWrites(WriteTask::RecordFiles, failures);
    SayFailedWrites(WriteTask::Restore, restores);
}

void COrvelleDlg::CatchUpRecordFiles()
{
    CatchUpRestores(m_installFolder, m_recordFiles);
    CatchUpUserCopies(m_installFolder, m_recordFiles);
    ReportRecordFileWrites();
    if (!m_recordFiles.notices.empty())
        RecordFileNoticesWaiting();
}

bool COrvelleDlg::ReplaceOwnFile(const std::wstring& path, const std::string& bytes)
{
    ClearFileError();
    if (!ReplaceFileWith(path, bytes))
        return false;
    m_ownFilesWaiting.erase(path);
    NoteWritten(WriteTask::Settings, path);
    return true;
}

bool COrvelleDlg::WriteOwnFile(const std::wstring& path, const std::string& bytes)
{
    if (ReplaceOwnFile(path, bytes))
        return true;
    m_ownFilesWaiting[path] = bytes;
    SayFailedWrite(WriteTask::Settings, path, ErrorOfLastFailure());
    return false;
}

bool COrvelleDlg::WriteSettingsFile(const wchar_t* name, const std::vector<std::uint8_t>& bytes)
{
    return WriteOwnFile(m_installFolder + name, std::string(bytes.begin(), bytes.end()));
}

void COrvelleDlg::RetryOwnFileWrites()
{
    const std::map<std::wstring, std::string> waiting = m_ownFilesWaiting;
    for (const auto& [path, bytes] : waiting)
        WriteOwnFile(path, bytes);
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
           m_writeNotices.Failing(WriteTask::CustomRebuild) || m_writeNotices.Failing(WriteTask::Restore);
}

void COrvelleDlg::ShowStationDataFailure()
{
    m_statusStatic.SetWindowText(TextAt(g_writeFailureTexts, WRITE_FAILED_STATION_DATA_STATUS, m_language));
}

void COrvelleDlg::SayDumpNotWritten(unsigned long error)
{
    SayFailedWrite(WriteTask::StationData, m_allWeatherPath, error);
    ShowStationDataFailure();
}
