// The record files as the main window keeps them: the polling loop's merges, the records a sleeping
// computer missed, and the rebuild of the custom files after a change of display unit, which runs on
// a worker thread while the window goes on painting and shows its progress.
#include "app/OrvelleDlg.h"

#include "app/PollLoop.h"
#include "app/RecordLine.h"
#include "records/RecordFileIo.h"
#include "station/DecodeText.h"
#include "station/SettingsBlocks.h"
#include "station/SystemKV318.h"
#include "texts/TextTables.h"

#include <algorithm>

namespace {

constexpr UINT REBUILD_PROGRESS_MS = 250;
// Records missed in a gap that are read slot by slot (two block reads each); a longer gap has the
// whole history read again.
constexpr int MAX_GAP_SLOTS_READ = 48;
// The custom files in the order of a rebuild's choice and result.
const RecordFileKind kCustomFiles[2] = {RecordFileKind::CsvCustom, RecordFileKind::TxtCustom};

DWORD WINAPI CustomRebuildThreadProc(LPVOID parameter)
{
    auto* job = static_cast<CustomRebuildJob*>(parameter);
    job->result = RebuildCustomRecords(job->installFolder, job->units, &job->control, job->which);
    if (job->window != nullptr)
        ::PostMessageW(job->window, WM_CUSTOM_REBUILD_DONE, job->serial, 0);
    return 0;
}

}  // namespace

// ---- merges --------------------------------------------------------------------------------------------

void COrvelleDlg::MergeRecordLines(bool firstPass, const std::vector<std::string>* newLines)
{
    SetCurrentDirectoryW(m_installFolder.c_str());
    if (CustomRebuildRunning()) {
        // The custom files are being rebuilt from the base files: everything waits for the rebuild.
        if (newLines != nullptr)
            m_unstagedRecordLines.insert(m_unstagedRecordLines.end(), newLines->begin(), newLines->end());
        m_recordLinesWaiting = true;
        return;
    }
    if (newLines != nullptr)
        MergeNewRecordLines(*this, *newLines);
    else
        MergeStagedRecords(*this, firstPass);
    ReportRecordFileWrites();
    // A custom file that its rebuild could not replace (held open elsewhere, a full disk) is tried
    // again; the lines wait for it meanwhile.
    if (m_recordFiles.customInOtherUnits)
        StartCustomRebuild();
}

void COrvelleDlg::MergeRecordLineAfterAGap(const std::wstring& newLine)
{
    const std::string line = NarrowAnsiText(newLine);
    const RecordGap gap = GapBefore(newLine);
    // The records missed are read from the station on a worker while the window goes on: a few of
    // them slot by slot, many by reading the whole history again. The new line waits in the
    // staging file to be merged with them, in time order.
    if (gap.missed > 0 && !GapReadRunning()) {
        // The install folder is the current folder again until the merge after the read (files
        // opened by bare name, such as "rRainReset.dat", are looked for there).
        SetCurrentDirectoryW(m_installFolder.c_str());
        if (AppendStagedLine(m_installFolder + STAGING_FILE_NAME, line)) {
            if (gap.missed > MAX_GAP_SLOTS_READ)
                StartGapHistoryRead();
            else
                StartGapSlotsRead(gap);
            return;
        }
    }
    const std::vector<std::string> lines{line};
    MergeRecordLines(false, &lines);
}

RecordGap COrvelleDlg::GapBefore(const std::wstring& newLine) const
{
    RecordGap gap;
    if (!LineHasRealTime(m_lastRecordLine, &gap.after) || !LineHasRealTime(newLine, &gap.before))
        return gap;
    const int interval = RecordIntervalMinutes(stationsettings::RecordIntervalSelection(g_systemKV318.m_memoryImage));
    const long long minutes = MinutesOf(gap.before) - MinutesOf(gap.after);
    if (interval > 0 && minutes > interval)
        gap.missed = static_cast<int>(std::min<long long>(minutes / interval, HistorySlotCount(STATION_IMAGE_SIZE)));
    return gap;
}

// ---- records missed: a few slots --------------------------------------------------------------------

bool COrvelleDlg::GapReadRunning() const { return m_gapSlotsThread != nullptr || m_gapHistory != nullptr; }

void COrvelleDlg::StartGapSlotsRead(const RecordGap& gap)
{
    auto job = std::make_unique<GapSlotsJob>();
    job->gap = gap;
    job->count = gap.missed + 2;  // the latest one and one more are read again and left out
    job->referenceYear = m_recordTime[RECORD_YEAR] + 1;
    job->window = m_hWnd;
    // The station is the worker's while it reads: no upload beside it.
    SetStationMenus(false);
    m_gapSlotsThread = ::CreateThread(nullptr, 0, GapSlotsThreadProc, job.get(), 0, nullptr);
    if (m_gapSlotsThread == nullptr) {
        SetStationMenus(true);
        return;  // the staged line is merged with the next record
    }
    m_gapSlotsJob = std::move(job);
}

void COrvelleDlg::SetStationMenus(bool enable)
{
    m_menusEnabled = enable ? 1 : 0;
    EnableStationMenus(enable);
}

DWORD WINAPI COrvelleDlg::GapSlotsThreadProc(LPVOID parameter)
{
    auto* job = static_cast<GapSlotsJob*>(parameter);
    g_systemKV318.ReadRecentHistoryRecords(job->count, job->referenceYear, &job->records);
    if (job->window != nullptr)
        ::PostMessageW(job->window, WM_GAP_SLOTS_READ, 0, 0);
    return 0;
}

void COrvelleDlg::EndGapSlotsRead()
{
    if (m_gapSlotsThread == nullptr)
        return;
    ::WaitForSingleObject(m_gapSlotsThread, INFINITE);
    ::CloseHandle(m_gapSlotsThread);
    m_gapSlotsThread = nullptr;
}

LRESULT COrvelleDlg::OnGapSlotsRead(WPARAM, LPARAM)
{
    if (m_gapSlotsThread == nullptr || m_gapSlotsJob == nullptr)
        return 0;
    EndGapSlotsRead();
    // The records between the last one taken in and the new one (what the read got of them).
    std::vector<std::string> lines;
    const long long after = MinutesOf(m_gapSlotsJob->gap.after), before = MinutesOf(m_gapSlotsJob->gap.before);
    for (const std::wstring& record : m_gapSlotsJob->records) {
        const std::wstring line = BuildHistoryRecordLine(record, m_rainCounterAtReset);
        RecordTime time;
        if (LineHasRealTime(line, &time) && MinutesOf(time) > after && MinutesOf(time) < before)
            lines.push_back(NarrowAnsiText(line));
    }
    m_gapSlotsJob.reset();
    SetStationMenus(true);
    MergeRecordLines(false, &lines);
    ShowCountdown();
    return 0;
}

// ---- records missed: the whole history --------------------------------------------------------------

void COrvelleDlg::StartGapHistoryRead()
{
    m_gapHistory = std::make_unique<ReadingsRecord>();
    m_downloading = 1;
    m_progress.SetPos(0);
    SetStationMenus(false);
    StartDownload();
    if (m_downloadThread == nullptr) {
        m_gapHistory.reset();  // no worker: the staged line is merged with the next record
        SetStationMenus(true);
    }
}

void COrvelleDlg::OnGapHistoryRead(DownloadOutcome outcome)
{
    switch (outcome) {
    case DownloadOutcome::Loaded:
        NoteWritten(WriteTask::StationData, m_allWeatherPath);
        // Every record of the station's history that the files lack, merged in time order.
        StageDownloadedRecords(*this, *m_gapHistory);
        MergeRecordLines(false, nullptr);
        break;
    case DownloadOutcome::Stopped:
        return;  // the program is closing
    case DownloadOutcome::DumpUnreadable:
        NoteWritten(WriteTask::StationData, m_allWeatherPath);
        break;   // the staged line goes in with the next record
    case DownloadOutcome::DumpNotWritten:
        if (DevicePresent()) {
            // The station was read: its dump is written again until it goes in.
            SayDumpNotWritten(m_downloadJob.attempt.dumpError);
            m_downloadRestart.Ask(true);
            return;
        }
        break;
    default:
        if (DevicePresent()) {
            m_downloadRestart.Ask(false);  // read again at a later tick of the connection watch
            return;
        }
        break;   // the station has gone: the connection watch says so
    }
    m_gapHistory.reset();
    m_downloading = 0;
    m_connectionPicture.LoadBitmapResource(IDB_CONNECTED);
    SetStationMenus(true);
    ShowCountdown();
}

// ---- custom rebuild ----------------------------------------------------------------------------------

bool COrvelleDlg::CustomRebuildRunning() const { return m_rebuildThread != nullptr; }

// Waits for the worker (stopped or done) and takes what it left.
void COrvelleDlg::EndCustomRebuild()
{
    ::WaitForSingleObject(m_rebuildThread, INFINITE);
    ::CloseHandle(m_rebuildThread);
    m_rebuildThread = nullptr;
    if (m_hWnd != nullptr)
        KillTimer(TIMER_REBUILD_PROGRESS);
    TakeRebuildResult(std::move(m_rebuildJob->result));
    m_rebuildJob.reset();
}

// A rebuild's result taken into the record-file knowledge; the files that could not be rebuilt (or
// copied) said.
void COrvelleDlg::TakeRebuildResult(CustomRebuildResult&& result)
{
    std::vector<FailedWrite> failures;
    for (int i = 0; i < 2; ++i) {
        const std::wstring path = m_installFolder + RecordFileName(kCustomFiles[i]);
        if (result.error[i] != 0)
            failures.push_back(FailedWriteOf(path, result.error[i]));
        else if (result.rebuilt[i])
            NoteWritten(WriteTask::CustomRebuild, path);
    }
    TakeCustomRebuild(std::move(result), m_recordFiles);
    SayFailedWrites(WriteTask::CustomRebuild, failures);
    ReportRecordFileWrites();
}

// The custom files not in the current units: those a rebuild takes. (One that another program holds
// is found so by the rebuild's worker before it writes anything, said, and rebuilt when let go.)
CustomFileChoice COrvelleDlg::CustomFilesToRebuild()
{
    const DisplayUnitSelection units = UnitsOf(*this);
    CustomFileChoice which{false, false};
    for (int i = 0; i < 2; ++i) {
        const RecordFileKind custom = kCustomFiles[i];
        const std::wstring path = m_installFolder + RecordFileName(custom);
        if (m_recordFiles.IndexOf(custom).HeaderRow() == BuildHeaderRow(SeparatorOf(custom), units)) {
            NoteWritten(WriteTask::CustomRebuild, path);  // in these units already (the units went back)
            continue;
        }
        which[i] = true;
    }
    return which;
}

void COrvelleDlg::StopCustomRebuild()
{
    if (m_rebuildThread == nullptr)
        return;
    // Whatever it had replaced is taken; a file it had not come to yet keeps the old units until
    // the next rebuild (or the next start) brings it into line.
    m_rebuildJob->control.stop = true;
    EndCustomRebuild();
}

void COrvelleDlg::StartCustomRebuild()
{
    StopCustomRebuild();
    const CustomFileChoice which = CustomFilesToRebuild();
    if (!which[0] && !which[1])
        return;
    if (m_hWnd != nullptr) {
        m_rebuildJob = std::make_unique<CustomRebuildJob>();
        m_rebuildJob->installFolder = m_installFolder;
        m_rebuildJob->units = UnitsOf(*this);
        m_rebuildJob->which = which;
        m_rebuildJob->window = m_hWnd;
        m_rebuildJob->serial = ++m_rebuildSerial;
        m_rebuildThread = ::CreateThread(nullptr, 0, CustomRebuildThreadProc, m_rebuildJob.get(), 0, nullptr);
        if (m_rebuildThread != nullptr) {
            SetTimer(TIMER_REBUILD_PROGRESS, REBUILD_PROGRESS_MS);
            ShowCustomRebuildProgress();
            return;
        }
        m_rebuildJob.reset();
    }
    // No window to keep painting (and none to hear of the end), or no thread: the rebuild runs here.
    TakeRebuildResult(RebuildCustomRecords(m_installFolder, UnitsOf(*this), nullptr, which));
}

LRESULT COrvelleDlg::OnCustomRebuildDone(WPARAM serial, LPARAM)
{
    // The end of a rebuild that was stopped (and taken) already is no news.
    if (m_rebuildThread == nullptr || m_rebuildJob == nullptr || m_rebuildJob->serial != serial)
        return 0;
    EndCustomRebuild();
    m_progress.SetPos(0);
    // The lines that waited for the rebuild (not one more rebuild from here when a custom file is
    // still held: the next record tries again).
    if (m_recordLinesWaiting || !m_unstagedRecordLines.empty()) {
        SetCurrentDirectoryW(m_installFolder.c_str());
        MergeStagedRecords(*this, false);
    }
    if (m_firstPollDone)
        ShowCountdown();
    return 0;
}

void COrvelleDlg::ShowCustomRebuildProgress()
{
    if (m_rebuildJob == nullptr)
        return;
    const long long total = m_rebuildJob->control.bytesTotal;
    const long long done = std::min(m_rebuildJob->control.bytesDone.load(), total);
    const int position = total > 0 ? static_cast<int>(done * poll::BAR_FULL / total) : 0;
    m_progress.SetPos(position);
    m_statusStatic.SetWindowText(
        (std::to_wstring(poll::DownloadPercent(position)) + EntryAt(g_progressTexts, 1)).c_str());
}
