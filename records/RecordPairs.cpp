// Bringing a record file back from its partner: its copy, or the other base file.
#include "records/RecordPairs.h"

#include "records/RecordFileIo.h"
#include "records/RecordNotices.h"

#include <windows.h>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

const RecordFileKind kBaseKinds[] = {RecordFileKind::Csv, RecordFileKind::Txt};

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The lines of a file as they go into another: its header row and every record, or only the records
// that `except` lacks; separators turned into the target's. A line that is no record (damage from
// outside) never goes into another file.
struct LineSource {
    std::wstring path;
    char separator = ',';
    const CRecordFileIndex* except = nullptr;
};

bool CopyLines(const LineSource& source, char separator, CBufferedWriter& out)
{
    UniqueFile in = OpenFile(source.path, L"rb");
    if (!in)
        return false;
    CLineReader reader(in.get());
    std::string line;
    bool complete = false;
    bool first = true;
    while (reader.Next(line, &complete) && (complete || TakeLastLine(line, source.separator))) {
        const bool header = std::exchange(first, false) && IsHeaderRow(line, source.separator);
        RecordTime time;
        std::uint32_t values = 0;
        const bool record = !header && RecordOfLine(line, source.separator, &time, &values);
        if (source.except != nullptr ? !record || source.except->Holds(RecordKey(time), values)
                                     : !header && !record)
            continue;
        if (source.separator != separator)
            std::replace(line.begin(), line.end(), source.separator, separator);
        out.WriteLine(line);
    }
    return !reader.Failed() && !out.Failed();
}

// A header row for a file whose own one is damaged: the base units' (a custom file is rebuilt from
// its base file instead).
bool WriteBaseHeaderRow(char separator, CBufferedWriter& out)
{
    out.WriteLine(BuildHeaderRow(separator, DisplayUnitSelection()));
    return !out.Failed();
}

// Copies the file at `path` aside under KeptAsideName, in one step (CopyToNewFile): a kill leaves no
// part of it under that name. keptAs receives that name, or is emptied when the file could not be
// kept aside.
bool CopyAside(const std::wstring& path, std::wstring* keptAs)
{
    *keptAs = KeptAsideName(path);
    if (!keptAs->empty() && CopyToNewFile(path, *keptAs))
        return true;
    keptAs->clear();
    return false;
}

// What a restore writes in place of a record file: the lines of `all`, then those of `more` (when
// given), or a base header row before them when the file's own one is damaged.
struct Restore {
    LineSource all;
    const LineSource* more = nullptr;
    bool headerFirst = false;
};

// Replaces a record file in one step with what `restore` writes, keeping the file as it was aside
// first when `keepAside` and it holds anything. The notice of the restore (its keptAs filled in) is
// kept among the untold ones before the file is replaced, so that a kill after the replacement still
// has it told at the next start; it then waits in files.notices. The index then describes the new
// file. False (file, index and nothing kept aside or told) when it could not be done.
bool ReplaceRecordFile(const std::wstring& installFolder, RecordFileKind kind, const Restore& restore,
                       bool keepAside, RecordFileNotice notice, CRecordFiles& files)
{
    const std::wstring path = installFolder + RecordFileName(kind);
    const char separator = SeparatorOf(kind);
    const std::wstring temporary = TemporaryPathOf(path);
    if (!WriteWholeFile(temporary,
                        [&](CBufferedWriter& out) {
                            return (!restore.headerFirst || WriteBaseHeaderRow(separator, out)) &&
                                   CopyLines(restore.all, separator, out) &&
                                   (restore.more == nullptr || CopyLines(*restore.more, separator, out));
                        }) ||
        !FlushToDisk(temporary)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    std::wstring keptAs;
    if (keepAside && StateOfFile(path).size > 0 && !CopyAside(path, &keptAs)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    notice.keptAs = FileNameOf(keptAs);
    KeepUntold(installFolder, notice, files);
    if (!ReplaceWithTemporary(temporary, path)) {
        if (!keptAs.empty())
            DeleteFileW(keptAs.c_str());
        ForgetUntold(installFolder, notice, files);
        return false;
    }
    files.IndexOf(kind).Build(path, separator);
    files.notices.push_back(notice);
    return true;
}

// What a restore of the file says it found: missing, reading as nothing, holding damaged lines, or
// short of records.
RecordFileNotice::Event RestoredEvent(const CRecordFileIndex& index, char separator)
{
    if (index.State().size <= 0)
        return RecordFileNotice::Event::RestoredMissing;
    if (ReadsAsNothing(index, separator))
        return RecordFileNotice::Event::RestoredUnreadable;
    return index.DamagedLines() > 0 ? RecordFileNotice::Event::RestoredDamaged
                                    : RecordFileNotice::Event::RestoredShort;
}

// Whether `from` holds a record that `index` lacks and that is not staged (a merge brings the staged
// ones).
bool HoldsUnstagedRecordMissingFrom(const std::wstring& fromPath, char separator, const CRecordFileIndex& index,
                                    const std::vector<StagedRecord>& staged)
{
    UniqueFile in = OpenFile(fromPath, L"rb");
    if (!in)
        return false;
    std::unordered_set<std::uint64_t> stagedRecords;
    for (const StagedRecord& record : staged)
        stagedRecords.insert(RecordId(record.key, record.values));
    CLineReader reader(in.get());
    std::string line;
    bool complete = false;
    while (reader.Next(line, &complete) && (complete || TakeLastLine(line, separator))) {
        RecordTime time;
        std::uint32_t values = 0;
        if (RecordOfLine(line, separator, &time, &values) && !index.Holds(RecordKey(time), values) &&
            stagedRecords.count(RecordId(RecordKey(time), values)) == 0)
            return true;
    }
    return false;
}

}  // namespace

std::wstring KeptAsideName(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.rfind(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    const std::wstring stem = hasExtension ? path.substr(0, dot) : path;
    const std::wstring extension = hasExtension ? path.substr(dot) : std::wstring();
    for (int n = 1; n < 100; ++n) {
        const std::wstring name =
            stem + (n == 1 ? std::wstring(L" (damaged)") : L" (damaged " + std::to_wstring(n) + L")") + extension;
        if (StateOfFile(name).size < 0 && GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES)
            return name;
    }
    return std::wstring();
}

bool ReadsAsNothing(const CRecordFileIndex& index, char separator)
{
    const std::string headerStart = std::string("Year") + separator;
    return index.State().size > 0 && index.RecordCount() == 0 && index.HeaderRow().rfind(headerStart, 0) != 0;
}

void RestoreFromCopyIfShort(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files)
{
    const std::wstring path = installFolder + RecordFileName(kind);
    const std::wstring copyPath = installFolder + UserCopyName(kind);
    const char separator = SeparatorOf(kind);
    CRecordFileIndex& index = files.IndexOf(kind);
    CRecordFiles::CopyState& copy = files.CopyOf(kind);
    copy.keep = false;
    if (!index.Describes(path) && !index.Build(path, separator))
        return;  // the file cannot be read now: its copy is not written over either (CopyThroughTemporary)
    // A file that only grew since its copy was made holds every record of it (without reading it).
    const bool damaged = index.DamagedLines() > 0;
    if (StateOfFile(copyPath).size <= 0 || (!damaged && BeginsWithFile(path, copyPath)))
        return;
    // The file is brought back from its copy when the copy holds a time the file lacks, or when the
    // file holds damaged lines and the copy is a record file to bring it back from.
    CRecordFileIndex copyIndex;
    if (!copyIndex.Build(copyPath, separator) ||
        !(copyIndex.HoldsTimesMissingFrom(index) || (damaged && IsHeaderRow(copyIndex.HeaderRow(), separator))))
        return;  // the file holds every time its copy holds: the copy follows the file

    // The file's own records that the copy lacks come after the copy's records - in a custom file only
    // when both are in the same units (the file is rebuilt from its base file otherwise).
    const bool keepOwnRecords = (!IsCustom(kind) || index.HeaderRow() == copyIndex.HeaderRow()) &&
                                index.HoldsRecordsMissingFrom(copyIndex);
    const LineSource own{path, separator, &copyIndex};
    const Restore restore{LineSource{copyPath, separator, nullptr}, keepOwnRecords ? &own : nullptr, false};
    const RecordFileNotice notice{RestoredEvent(index, separator), RecordFileName(kind), UserCopyName(kind), {}};
    ClearFileError();
    if (!ReplaceRecordFile(installFolder, kind, restore, true, notice, files)) {
        copy.keep = true;
        files.restoreError[static_cast<int>(kind)] = ErrorOfLastFailure();
    }
}

void BringInOtherBaseFileRecords(RecordFileKind kind, const std::wstring& installFolder,
                                 const std::vector<StagedRecord>& staged, CRecordFiles& files)
{
    if (IsCustom(kind))
        return;
    const RecordFileKind other = kind == RecordFileKind::Csv ? RecordFileKind::Txt : RecordFileKind::Csv;
    const std::wstring path = installFolder + RecordFileName(kind);
    const std::wstring otherPath = installFolder + RecordFileName(other);
    const char separator = SeparatorOf(kind);
    CRecordFileIndex& index = files.IndexOf(kind);
    const CRecordFileIndex& otherIndex = files.IndexOf(other);
    if (!index.Describes(path) || !otherIndex.Describes(otherPath) || otherIndex.RecordCount() == 0 ||
        !otherIndex.HoldsRecordsMissingFrom(index))
        return;
    const RecordFileNotice::Event event = RestoredEvent(index, separator);
    const bool whole = event == RecordFileNotice::Event::RestoredMissing ||
                       event == RecordFileNotice::Event::RestoredUnreadable;
    const bool damaged = event == RecordFileNotice::Event::RestoredDamaged;
    // A file that lacks only staged records gets them from the merge: a missing one is the merge's to
    // make (a first start), one that could not take them (held, write-protected, a full disk) is not
    // damaged, and trying to replace it would only fail for the same reason.
    if (event != RecordFileNotice::Event::RestoredUnreadable && !damaged &&
        !HoldsUnstagedRecordMissingFrom(otherPath, SeparatorOf(other), index, staged))
        return;
    // A file that holds nothing is brought back whole (what it held kept aside); one that holds
    // records keeps them and gets the other file's records that it lacks after them - without its
    // damaged lines, when it held some (then kept aside as it was).
    // (ReplaceRecordFile reads the index anew only after every line is written.)
    const LineSource missing{otherPath, SeparatorOf(other), &index};
    const Restore restore{whole ? LineSource{otherPath, SeparatorOf(other), nullptr} : LineSource{path, separator, nullptr},
                          whole ? nullptr : &missing, !whole && !IsHeaderRow(index.HeaderRow(), separator)};
    const RecordFileNotice notice{whole || damaged ? event : RecordFileNotice::Event::RecordsAdded,
                                  RecordFileName(kind), RecordFileName(other), {}};
    ClearFileError();
    if (!ReplaceRecordFile(installFolder, kind, restore, whole || damaged, notice, files))
        files.restoreError[static_cast<int>(kind)] = ErrorOfLastFailure();  // tried again (BringBackRecordFile)
}

void BringInOtherBaseFileRecords(const std::wstring& installFolder, const std::vector<StagedRecord>& staged,
                                 CRecordFiles& files)
{
    for (RecordFileKind kind : kBaseKinds)
        BringInOtherBaseFileRecords(kind, installFolder, staged, files);
}

void TakeDamagedLinesOut(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files)
{
    const std::wstring path = installFolder + RecordFileName(kind);
    const char separator = SeparatorOf(kind);
    CRecordFileIndex& index = files.IndexOf(kind);
    if (files.restoreError[static_cast<int>(kind)] != 0 || !index.Describes(path) || index.DamagedLines() == 0)
        return;
    // A custom file without its header row has lost its units: it is rebuilt from its base file.
    const bool headerDamaged = !IsHeaderRow(index.HeaderRow(), separator);
    if (IsCustom(kind) && headerDamaged)
        return;
    const Restore restore{LineSource{path, separator, nullptr}, nullptr, headerDamaged};
    ClearFileError();
    if (!ReplaceRecordFile(installFolder, kind, restore, true,
                           RecordFileNotice{RecordFileNotice::Event::DamagedLinesTakenOut, RecordFileName(kind), {}, {}},
                           files))
        files.restoreError[static_cast<int>(kind)] = ErrorOfLastFailure();
}

void BringBackRecordFile(RecordFileKind kind, const std::wstring& installFolder,
                         const std::vector<StagedRecord>& staged, CRecordFiles& files)
{
    unsigned long& error = files.restoreError[static_cast<int>(kind)];
    // A file that could not be brought back because another program held it is looked at first:
    // while it is held, nothing is read or written again only to find that.
    ClearFileError();
    if (error != 0 && HoldOf(installFolder + RecordFileName(kind)) != FileHold::Free) {
        error = ErrorOfLastFailure();
        return;
    }
    error = 0;
    RestoreFromCopyIfShort(kind, installFolder, files);
    BringInOtherBaseFileRecords(kind, installFolder, staged, files);
    TakeDamagedLinesOut(kind, installFolder, files);
    KeepCopyOfADamagedFile(kind, installFolder, files);
}

void KeepCopyOfADamagedFile(RecordFileKind kind, const std::wstring& installFolder, CRecordFiles& files)
{
    const CRecordFileIndex& index = files.IndexOf(kind);
    if (index.Describes(installFolder + RecordFileName(kind)) && index.DamagedLines() > 0)
        files.CopyOf(kind).keep = true;
}

bool KeepDamagedFileAside(const CRecordFileIndex& index, const std::wstring& path, char separator,
                          std::wstring* keptAs)
{
    keptAs->clear();
    return (!ReadsAsNothing(index, separator) && index.DamagedLines() == 0) || CopyAside(path, keptAs);
}
