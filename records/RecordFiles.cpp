// How staged records reach the four record files and their user-facing copies: each record file
// takes every record whose time it does not hold yet, whatever the date and whatever the order of
// the staged lines; nothing is ever appended twice, also after a kill between two of the files.
#include "records/RecordMerge.h"

#include "records/MainRecords.h"
#include "records/RecordFileIo.h"
#include "records/RecordNotices.h"
#include "records/RecordPairs.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace {

const RecordFileKind kAllKinds[] = {RecordFileKind::Csv, RecordFileKind::Txt, RecordFileKind::CsvCustom,
                                    RecordFileKind::TxtCustom};

// The index of the record file as it is now, read again when the file is not the one it describes.
bool IndexUpToDate(CRecordFileIndex& index, const std::wstring& path, char separator)
{
    return index.Describes(path) || index.Build(path, separator);
}

// Mends a last line that lacks its line end; the index then describes the mended file.
bool MendLastLine(CRecordFileIndex& index, const std::wstring& path, char separator)
{
    if (index.State().size <= index.CompleteBytes())
        return true;
    const long long size = MendBrokenLastLine(path, index.CompleteBytes(), index.State().size, separator);
    if (size < 0) {
        index.Forget();
        return false;
    }
    index.NoteWritten(StateOfFile(path), size);
    return true;
}

// A record that a merge appends: its time and its values as the file holds them.
struct AppendedRecord {
    long long key;
    std::uint32_t values;
};

// The records that the file lacks (RecordOfLine: the same time and values), converted for it. A
// custom file holds converted values: its records are told apart by the converted line.
std::string LinesToAppend(RecordFileKind kind, const std::vector<StagedRecord>& records,
                          const CRecordFileIndex& index, const DisplayUnitSelection& units,
                          std::vector<AppendedRecord>* added, MergeCounts* counts)
{
    std::string text;
    std::string line;
    for (const StagedRecord& record : records) {
        std::uint32_t values = record.values;  // a base file holds the staged values
        if (IsCustom(kind)) {
            line.clear();
            CRecordValuesDigest converted;
            AppendLineForDisplay(line, record.line, ',', SeparatorOf(kind), units, &converted);
            values = converted.Value();
        }
        if (index.Holds(record.key, values))
            continue;
        if (!IsCustom(kind))
            line = RecordLineFor(kind, record.line, units);
        if (counts != nullptr)
            ++(index.HoldsTime(record.key) ? counts->atHeldTimes : counts->atNewTimes);
        text += line;
        text += "\r\n";
        added->push_back(AppendedRecord{record.key, values});
    }
    return text;
}

MergeResult CreateRecordFile(RecordFileKind kind, const std::vector<StagedRecord>& records,
                             const std::wstring& targetPath, const DisplayUnitSelection& units,
                             CRecordFileIndex& index)
{
    // The base files always name the base units; the custom files the current display units.
    const std::string header = BuildHeaderRow(SeparatorOf(kind), IsCustom(kind) ? units : DisplayUnitSelection());
    CRecordFileIndex created;
    created.Start(header);
    std::vector<AppendedRecord> added;
    const std::string text = header + "\r\n" + LinesToAppend(kind, records, created, units, &added, nullptr);
    // Through a temporary file: a file that cannot be written whole (a full disk) is not made at all.
    index.Forget();
    if (!ReplaceFileWith(targetPath, text))
        return MergeResult::TargetUnwritable;
    for (const AppendedRecord& record : added)
        created.Add(record.key, record.values);
    const FileState state = StateOfFile(targetPath);
    created.NoteWritten(state, state.size);
    index = std::move(created);
    return MergeResult::Merged;
}

}  // namespace

// ---- staged records ----------------------------------------------------------------------------------

StagingRead ReadStagedRecords(const std::wstring& stagingPath, std::vector<StagedRecord>* records)
{
    records->clear();
    UniqueFile source = OpenFile(stagingPath, L"rb");
    if (!source) {
        const DWORD error = GetLastError();
        return StateOfFile(stagingPath).size < 0 && IsMissingFileError(error) ? StagingRead::Missing
                                                                               : StagingRead::Unreadable;
    }
    CLineReader reader(source.get());
    std::string line;
    bool complete = false;
    std::unordered_set<std::uint64_t> seen;
    while (reader.Next(line, &complete) && (complete || TakeLastLine(line, ','))) {
        RecordTime time;
        std::uint32_t values = 0;
        if (!RecordOfLine(line, ',', &time, &values))
            continue;  // no record of a real date: never merged
        const long long key = RecordKey(time);
        if (!seen.insert(RecordId(key, values)).second)
            continue;  // the same record staged again: the first line stands
        records->push_back(StagedRecord{key, values, line});
    }
    if (reader.Failed())
        return StagingRead::Unreadable;
    std::stable_sort(records->begin(), records->end(),
                     [](const StagedRecord& a, const StagedRecord& b) { return a.key < b.key; });
    return StagingRead::Read;
}

bool AppendStagedLine(const std::wstring& stagingPath, std::string_view line)
{
    return AppendLines(stagingPath, ',', [line](CBufferedWriter& out) { out.WriteLine(line); });
}

void DeleteStagingFile(const std::wstring& stagingPath)
{
    if (UniqueFile f = OpenFile(stagingPath, L"wb"))
        f.reset();
    _wremove(stagingPath.c_str());
}

// ---- one record file -------------------------------------------------------------------------------

MergeResult MergeIntoRecordFile(RecordFileKind kind, const std::vector<StagedRecord>& records,
                                const std::wstring& targetPath, const DisplayUnitSelection& units,
                                CRecordFileIndex& index, std::string* appended, MergeCounts* counts)
{
    if (appended)
        appended->clear();
    if (!IndexUpToDate(index, targetPath, SeparatorOf(kind)))
        return MergeResult::TargetUnreadable;
    if (!MendLastLine(index, targetPath, SeparatorOf(kind)))
        return MergeResult::TargetUnwritable;
    if (index.State().size <= 0)
        return CreateRecordFile(kind, records, targetPath, units, index);
    // A custom file in other units than the lines to append (its rebuild could not replace it)
    // takes nothing until it is rebuilt: its lines would stand under a header that lies.
    if (IsCustom(kind) && index.HeaderRow() != BuildHeaderRow(SeparatorOf(kind), units))
        return MergeResult::TargetInOtherUnits;

    std::vector<AppendedRecord> added;
    MergeCounts found;
    std::string lines = LinesToAppend(kind, records, index, units, &added, &found);
    if (lines.empty())
        return MergeResult::Merged;
    const long long before = index.State().size;
    const bool written = AppendToExistingFile(targetPath, lines);
    const FileState after = StateOfFile(targetPath);
    if (!written || after.size != before + static_cast<long long>(lines.size())) {
        // A part that went in (a disk that filled up on the way) is cut away again, so that the file
        // never ends in part of a line; read again next time.
        if (after.size > before)
            TruncateFileTo(targetPath, before);
        index.Forget();
        return MergeResult::TargetUnwritable;
    }
    for (const AppendedRecord& record : added)
        index.Add(record.key, record.values);
    index.NoteWritten(after, after.size);
    if (appended)
        *appended = std::move(lines);
    if (counts)
        *counts = found;
    return MergeResult::Merged;
}

MergeResult MergeRecordFile(RecordFileKind kind, const std::wstring& sourcePath, const std::wstring& targetPath,
                            const DisplayUnitSelection& units)
{
    std::vector<StagedRecord> records;
    if (ReadStagedRecords(sourcePath, &records) != StagingRead::Read)
        return MergeResult::NoSource;
    CRecordFileIndex index;
    return MergeIntoRecordFile(kind, records, targetPath, units, index);
}

// ---- user-facing copies ----------------------------------------------------------------------------

bool CopyToUserFile(const std::wstring& recordPath, const std::wstring& copyPath)
{
    return CopyThroughTemporary(recordPath, copyPath);
}

bool UpdateUserCopy(const std::wstring& recordPath, const std::wstring& copyPath, const FileState& recordBefore,
                    const std::string& appended, CRecordFiles::CopyState& state)
{
    if (state.keep)
        return false;  // the copy holds records that its file lacks
    const FileState record = StateOfFile(recordPath);
    const FileState copy = StateOfFile(copyPath);
    const bool copyAsLeft = copy.size >= 0 && copy == state.written;
    if (copyAsLeft && state.source == record)
        return true;  // identical already
    if (copyAsLeft && !appended.empty() && state.source == recordBefore &&
        record.size == recordBefore.size + static_cast<long long>(appended.size())) {
        if (AppendToExistingFile(copyPath, appended)) {
            state.written = StateOfFile(copyPath);
            state.source = record;
            return true;
        }
        if (StateOfFile(copyPath) != copy)
            state = CRecordFiles::CopyState();  // part of it went in: copied whole next time
        return false;
    }
    if (record.size < 0 || !CopyThroughTemporary(recordPath, copyPath))
        return false;
    state.written = StateOfFile(copyPath);
    state.source = record;
    return true;
}

unsigned long UserCopyError(bool copied, const std::wstring& recordPath)
{
    return copied || StateOfFile(recordPath).size < 0 ? 0 : ErrorOfLastFailure();
}

namespace {

// A copy's error after UpdateUserCopy: none while it is kept for its file's restore.
unsigned long CopyErrorAfter(bool copied, const std::wstring& recordPath, const CRecordFiles::CopyState& copy)
{
    return copy.keep ? 0 : UserCopyError(copied, recordPath);
}

bool IsHold(unsigned long error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// Keeps a copy's error after an attempt to write it, counting the attempts in a row that found it held.
void NoteCopyAttempt(RecordFileKind kind, unsigned long error, CRecordFiles& files)
{
    const int k = static_cast<int>(kind);
    files.copyError[k] = error;
    files.copyHeldAttempts[k] = IsHold(error) ? files.copyHeldAttempts[k] + 1 : 0;
}

// Counts the attempts in a row that found a record file to be brought back held.
void NoteRestoreAttempt(RecordFileKind kind, CRecordFiles& files)
{
    const int k = static_cast<int>(kind);
    files.restoreHeldAttempts[k] = IsHold(files.restoreError[k]) ? files.restoreHeldAttempts[k] + 1 : 0;
}

// Brings a copy that fell behind in line with its record file (a whole copy); the copy's error
// afterwards.
unsigned long CatchUpUserCopy(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files)
{
    const std::wstring recordPath = installFolder + RecordFileName(kind);
    CRecordFiles::CopyState& copy = files.CopyOf(kind);
    ClearFileError();
    const bool copied =
        UpdateUserCopy(recordPath, installFolder + UserCopyName(kind), FileState(), std::string(), copy);
    return CopyErrorAfter(copied, recordPath, copy);
}

}  // namespace

unsigned long CopyErrorToTell(const CRecordFiles& files, RecordFileKind kind)
{
    const int k = static_cast<int>(kind);
    return IsHold(files.copyError[k]) && files.copyHeldAttempts[k] < 2 ? 0 : files.copyError[k];
}

unsigned long RestoreErrorToTell(const CRecordFiles& files, RecordFileKind kind)
{
    const int k = static_cast<int>(kind);
    return IsHold(files.restoreError[k]) && files.restoreHeldAttempts[k] < 2 ? 0 : files.restoreError[k];
}

bool FilesWaitForAHolder(const CRecordFiles& files)
{
    return std::any_of(std::begin(files.copyError), std::end(files.copyError), IsHold) ||
           std::any_of(std::begin(files.restoreError), std::end(files.restoreError), IsHold);
}

bool CatchUpUserCopies(const std::wstring& installFolder, CRecordFiles& files)
{
    bool allCurrent = true;
    for (RecordFileKind kind : kAllKinds) {
        if (files.copyError[static_cast<int>(kind)] == 0)
            continue;
        NoteCopyAttempt(kind, CatchUpUserCopy(kind, installFolder, files), files);
        allCurrent = allCurrent && files.copyError[static_cast<int>(kind)] == 0;
    }
    return allCurrent;
}

bool CatchUpRestores(const std::wstring& installFolder, CRecordFiles& files)
{
    // The staging file is read only when a restore waits.
    if (std::none_of(std::begin(files.restoreError), std::end(files.restoreError),
                     [](unsigned long error) { return error != 0; }))
        return true;
    std::vector<StagedRecord> staged;
    ReadStagedRecords(installFolder + STAGING_FILE_NAME, &staged);
    bool allDone = true;
    for (RecordFileKind kind : kAllKinds) {
        const int k = static_cast<int>(kind);
        if (files.restoreError[k] == 0)
            continue;
        BringBackRecordFile(kind, installFolder, staged, files);
        NoteRestoreAttempt(kind, files);
        if (files.restoreError[k] != 0) {
            allDone = false;
            continue;
        }
        // Brought back: the copy follows the file.
        NoteCopyAttempt(kind, CatchUpUserCopy(kind, installFolder, files), files);
    }
    return allDone;
}

// ---- the polling loop's merges ---------------------------------------------------------------------

namespace {

// Records appended at times that the files held already (with other values): the station's clock was
// set back. Told once, until records of new times come in again.
void NoteClockGoingBack(const MergeCounts& counts, CRecordFiles& files)
{
    if (counts.atHeldTimes > 0) {
        if (!files.clockBackTold)
            files.notices.push_back(RecordFileNotice{RecordFileNotice::Event::ClockWentBack, {}, {}, {}});
        files.clockBackTold = true;
    } else if (counts.atNewTimes > 0) {
        files.clockBackTold = false;
    }
}

}  // namespace

bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, const DisplayUnitSelection& units,
                        CRecordFiles& files)
{
    static const RecordFileKind kLaterPassOrder[] = {RecordFileKind::Csv, RecordFileKind::CsvCustom,
                                                     RecordFileKind::Txt, RecordFileKind::TxtCustom};
    const std::wstring staging = installFolder + STAGING_FILE_NAME;
    std::vector<StagedRecord> records;
    ClearFileError();
    const StagingRead read = ReadStagedRecords(staging, &records);
    if (read == StagingRead::Missing)
        return true;  // nothing staged
    if (read == StagingRead::Unreadable) {
        files.stagingError = ErrorOfLastFailure();
        return false; // lines that could not be read wait for a later pass
    }

    bool allMerged = true;
    files.customInOtherUnits = false;
    MergeCounts counts;
    for (RecordFileKind kind : firstPass ? kAllKinds : kLaterPassOrder) {
        const std::wstring recordPath = installFolder + RecordFileName(kind);
        CRecordFileIndex& index = files.IndexOf(kind);
        // A file changed behind the program's back (deleted, cut, overwritten) is brought back from
        // its copy or the other base file before the copy follows it; so is one whose restore failed.
        if (!index.Describes(recordPath) || files.CopyOf(kind).keep || files.restoreError[static_cast<int>(kind)] != 0) {
            BringBackRecordFile(kind, installFolder, records, files);
            NoteRestoreAttempt(kind, files);
        }
        const FileState before = index.Describes(recordPath) ? index.State() : FileState();
        std::string appended;
        MergeCounts found;
        ClearFileError();
        const MergeResult result = MergeIntoRecordFile(kind, records, recordPath, units, index, &appended, &found);
        counts.atHeldTimes = std::max(counts.atHeldTimes, found.atHeldTimes);
        counts.atNewTimes = std::max(counts.atNewTimes, found.atNewTimes);
        allMerged = allMerged && result == MergeResult::Merged;
        files.customInOtherUnits = files.customInOtherUnits || result == MergeResult::TargetInOtherUnits;
        const bool failed = result == MergeResult::TargetUnreadable || result == MergeResult::TargetUnwritable;
        files.fileError[static_cast<int>(kind)] = failed ? ErrorOfLastFailure() : 0;
        // A copy whose record file failed follows it once the file takes its records: the file's
        // failure is the one to tell.
        ClearFileError();
        CRecordFiles::CopyState& copy = files.CopyOf(kind);
        const bool copied = UpdateUserCopy(recordPath, installFolder + UserCopyName(kind), before, appended, copy);
        NoteCopyAttempt(kind, failed ? 0 : CopyErrorAfter(copied, recordPath, copy), files);
    }
    NoteClockGoingBack(counts, files);
    // Records that a record file could not take stay staged for a later pass.
    if (allMerged)
        DeleteStagingFile(staging);
    return allMerged;
}

bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, const DisplayUnitSelection& units)
{
    CRecordFiles files;
    return MergeStagedRecords(installFolder, firstPass, units, files);
}

namespace {

// Stages the lines that wait in memory, all in one append; when they cannot be staged (a full disk)
// they all keep waiting, and the staging file is as it was.
void StageWaitingLines(CMainRecords& dlg)
{
    std::vector<std::string>& waiting = dlg.m_unstagedRecordLines;
    if (waiting.empty()) {
        dlg.m_recordFiles.stagingError = 0;
        return;
    }
    ClearFileError();
    const bool staged = AppendLines(dlg.m_installFolder + STAGING_FILE_NAME, ',', [&waiting](CBufferedWriter& out) {
        for (const std::string& line : waiting)
            out.WriteLine(line);
    });
    if (staged)
        waiting.clear();
    dlg.m_recordFiles.stagingError = staged ? 0 : ErrorOfLastFailure();
}

}  // namespace

bool MergeStagedRecords(CMainRecords& dlg, bool firstPass)
{
    StageWaitingLines(dlg);
    const bool merged = MergeStagedRecords(dlg.m_installFolder, firstPass, UnitsOf(dlg), dlg.m_recordFiles) &&
                        dlg.m_unstagedRecordLines.empty();
    dlg.m_recordLinesWaiting = !merged;
    if (!dlg.m_recordFiles.notices.empty())
        dlg.RecordFileNoticesWaiting();
    return merged;
}

void StageDownloadedRecords(CMainRecords& dlg, const ReadingsRecord& history)
{
    ClearFileError();
    if (!history.AppendLastRecords(dlg.m_rainCounterAtReset, dlg.m_installFolder + STAGING_FILE_NAME))
        for (std::string& line : history.LastRecordLines(dlg.m_rainCounterAtReset))
            dlg.m_unstagedRecordLines.push_back(std::move(line));
}

bool MergeNewRecordLines(CMainRecords& dlg, const std::vector<std::string>& lines)
{
    dlg.m_unstagedRecordLines.insert(dlg.m_unstagedRecordLines.end(), lines.begin(), lines.end());
    return MergeStagedRecords(dlg, false);
}

bool MergeNewRecordLine(CMainRecords& dlg, const std::string& line)
{
    return MergeNewRecordLines(dlg, std::vector<std::string>{line});
}

// ---- start-up ------------------------------------------------------------------------------------

namespace {

bool CustomFileNeedsRebuild(RecordFileKind custom, const std::wstring& installFolder,
                            const DisplayUnitSelection& units, CRecordFiles& files)
{
    const std::wstring customPath = installFolder + RecordFileName(custom);
    const CRecordFileIndex& customIndex = files.IndexOf(custom);
    const CRecordFileIndex& baseIndex = files.IndexOf(BaseKindOf(custom));
    if (baseIndex.State().size <= 0)
        return false;  // nothing to rebuild from
    return StateOfFile(TemporaryPathOf(customPath)).size >= 0 ||
           customIndex.HeaderRow() != BuildHeaderRow(SeparatorOf(custom), units) ||
           customIndex.RecordCount() < baseIndex.RecordCount();
}

}  // namespace

namespace {

// Removes what a kill left of files being kept aside ("csv (damaged).dat.new" and the like).
void RemoveLeftOverKeptAsideParts(const std::wstring& recordPath)
{
    const size_t dot = recordPath.rfind(L'.');
    const std::wstring pattern = recordPath.substr(0, dot) + L" (damaged*)" + recordPath.substr(dot) + L".new";
    const std::wstring folder = recordPath.substr(0, recordPath.find_last_of(L"\\/") + 1);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileW((folder + found.cFileName).c_str());
    while (FindNextFileW(find, &found));
    FindClose(find);
}

// A custom file that a kill left in other units or short of records, or whose header row is
// damaged, rebuilt from its base file; one that holds damaged lines is kept aside first.
void RebuildCustomFileIfNeeded(RecordFileKind custom, const std::wstring& installFolder,
                               const DisplayUnitSelection& units, CRecordFiles& files)
{
    if (!CustomFileNeedsRebuild(custom, installFolder, units, files))
        return;
    const RecordFileKind base = BaseKindOf(custom);
    const std::wstring customPath = installFolder + RecordFileName(custom);
    CRecordFileIndex& index = files.IndexOf(custom);
    const RecordFileNotice::Event event = ReadsAsNothing(index, SeparatorOf(custom))
                                              ? RecordFileNotice::Event::RestoredUnreadable
                                              : RecordFileNotice::Event::RestoredDamaged;
    std::wstring keptAs;
    if (!KeepDamagedFileAside(index, customPath, SeparatorOf(custom), &keptAs))
        return;
    const RecordFileNotice notice{event, RecordFileName(custom), RecordFileName(base),
                                  keptAs.empty() ? std::wstring() : keptAs.substr(installFolder.size())};
    if (!keptAs.empty())
        KeepUntold(installFolder, notice, files);
    if (RebuildCustomFile(custom, installFolder + RecordFileName(base), customPath, units, &index)) {
        if (!keptAs.empty())
            files.notices.push_back(notice);
    } else if (!keptAs.empty()) {
        DeleteFileW(keptAs.c_str());
        ForgetUntold(installFolder, notice, files);
    }
}

}  // namespace

void PrepareRecordFiles(const std::wstring& installFolder, const DisplayUnitSelection& units, CRecordFiles& files)
{
    // Restores of an earlier run that it could not tell before it ended.
    TakeUntoldNoticesOfEarlierRun(installFolder, files);
    const size_t earlierNotices = files.untold.size();
    // What each record file holds; a file that lacks records its copy or (for the base files) the
    // other base file holds, or holds damaged lines, is brought back.
    for (RecordFileKind kind : kAllKinds) {
        RemoveLeftOverKeptAsideParts(installFolder + RecordFileName(kind));
        files.IndexOf(kind).Build(installFolder + RecordFileName(kind), SeparatorOf(kind));
    }
    for (RecordFileKind kind : kAllKinds)
        RestoreFromCopyIfShort(kind, installFolder, files);
    std::vector<StagedRecord> staged;
    ReadStagedRecords(installFolder + STAGING_FILE_NAME, &staged);
    BringInOtherBaseFileRecords(installFolder, staged, files);
    for (RecordFileKind kind : kAllKinds)
        if (IsCustom(kind))
            RebuildCustomFileIfNeeded(kind, installFolder, units, files);
    for (RecordFileKind kind : kAllKinds) {
        TakeDamagedLinesOut(kind, installFolder, files);
        KeepCopyOfADamagedFile(kind, installFolder, files);
        NoteRestoreAttempt(kind, files);
    }
    TellUntoldNoticesOfEarlierRun(installFolder, earlierNotices, files);
    // No last line cut short; left-over temporary files, and the copies in line with their files.
    for (RecordFileKind kind : kAllKinds) {
        const std::wstring recordPath = installFolder + RecordFileName(kind);
        const std::wstring copyPath = installFolder + UserCopyName(kind);
        CRecordFileIndex& index = files.IndexOf(kind);
        if (index.Describes(recordPath))
            MendLastLine(index, recordPath, SeparatorOf(kind));
        DeleteFileW(TemporaryPathOf(recordPath).c_str());
        DeleteFileW(TemporaryPathOf(copyPath).c_str());
        CRecordFiles::CopyState& copy = files.CopyOf(kind);
        if (SameBytes(recordPath, copyPath)) {
            copy.written = StateOfFile(copyPath);
            copy.source = StateOfFile(recordPath);
        } else {
            UpdateUserCopy(recordPath, copyPath, FileState(), std::string(), copy);
        }
    }
}
