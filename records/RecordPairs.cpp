// Bringing a record file back from its partner: its copy, or the other base file.
#include "records/RecordPairs.h"

#include "records/RecordFileIo.h"

#include <windows.h>

#include <algorithm>
#include <unordered_set>

namespace {

const RecordFileKind kBaseKinds[] = {RecordFileKind::Csv, RecordFileKind::Txt};

std::wstring FileNameOf(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The lines of a file as they go into another: every line, or only the records that `except` lacks;
// separators turned into the target's.
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
    while (reader.Next(line, &complete) && (complete || TakeLastLine(line, source.separator))) {
        if (source.except != nullptr) {
            RecordTime time;
            std::uint32_t values = 0;
            if (!RecordOfLine(line, source.separator, &time, &values) ||
                source.except->Holds(RecordKey(time), values))
                continue;
        }
        if (source.separator != separator)
            std::replace(line.begin(), line.end(), source.separator, separator);
        out.WriteLine(line);
    }
    return !reader.Failed() && !out.Failed();
}

// Copies the file at `path` aside under KeptAsideName; keptAs receives that name, or is emptied when
// the file could not be kept aside.
bool CopyAside(const std::wstring& path, std::wstring* keptAs)
{
    *keptAs = KeptAsideName(path);
    if (!keptAs->empty() && CopyToNewFile(path, *keptAs))
        return true;
    keptAs->clear();
    return false;
}

// Replaces a record file in one step with the lines of `all` followed by those of `more` (when
// given), keeping the file as it was aside first when `keepAside` and it holds anything. The index
// then describes the new file. False (file, index and nothing kept aside) when it could not be done.
bool ReplaceRecordFile(const std::wstring& path, char separator, const LineSource& all, const LineSource* more,
                       bool keepAside, std::wstring* keptAs, CRecordFileIndex& index)
{
    keptAs->clear();
    const std::wstring temporary = TemporaryPathOf(path);
    if (!WriteWholeFile(temporary, [&](CBufferedWriter& out) {
            return CopyLines(all, separator, out) && (more == nullptr || CopyLines(*more, separator, out));
        }))
        return false;
    if (keepAside && StateOfFile(path).size > 0 && !CopyAside(path, keptAs)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (!ReplaceWithTemporary(temporary, path)) {
        if (!keptAs->empty())
            DeleteFileW(keptAs->c_str());
        keptAs->clear();
        return false;
    }
    index.Build(path, separator);
    return true;
}

RecordFileNotice::Event RestoredEvent(const CRecordFileIndex& index, char separator)
{
    if (index.State().size <= 0)
        return RecordFileNotice::Event::RestoredMissing;
    return ReadsAsNothing(index, separator) ? RecordFileNotice::Event::RestoredUnreadable
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
    if (StateOfFile(copyPath).size <= 0 || BeginsWithFile(path, copyPath))
        return;
    CRecordFileIndex copyIndex;
    if (!copyIndex.Build(copyPath, separator) || !copyIndex.HoldsTimesMissingFrom(index))
        return;  // the file holds every time its copy holds: the copy follows the file

    const RecordFileNotice::Event event = RestoredEvent(index, separator);
    // The file's own records that the copy lacks come after the copy's lines - in a custom file only
    // when both are in the same units (the file is rebuilt from its base file otherwise).
    const bool keepOwnRecords = (!IsCustom(kind) || index.HeaderRow() == copyIndex.HeaderRow()) &&
                                index.HoldsRecordsMissingFrom(copyIndex);
    const LineSource all{copyPath, separator, nullptr};
    const LineSource own{path, separator, &copyIndex};
    std::wstring keptAs;
    ClearFileError();
    if (!ReplaceRecordFile(path, separator, all, keepOwnRecords ? &own : nullptr, true, &keptAs, index)) {
        copy.keep = true;
        files.restoreError[static_cast<int>(kind)] = ErrorOfLastFailure();
        return;
    }
    files.notices.push_back(RecordFileNotice{event, RecordFileName(kind), UserCopyName(kind), FileNameOf(keptAs)});
}

void BringInOtherBaseFileRecords(RecordFileKind kind, const std::wstring& installFolder,
                                 const std::vector<StagedRecord>& staged, CRecordFiles& files)
{
    if (IsCustom(kind))
        return;
    const RecordFileKind other = kind == RecordFileKind::Csv ? RecordFileKind::Txt : RecordFileKind::Csv;
    const std::wstring path = installFolder + RecordFileName(kind);
    const std::wstring otherPath = installFolder + RecordFileName(other);
    CRecordFileIndex& index = files.IndexOf(kind);
    const CRecordFileIndex& otherIndex = files.IndexOf(other);
    if (!index.Describes(path) || !otherIndex.Describes(otherPath) || otherIndex.RecordCount() == 0 ||
        !otherIndex.HoldsRecordsMissingFrom(index))
        return;
    const RecordFileNotice::Event event = RestoredEvent(index, SeparatorOf(kind));
    const bool whole = event != RecordFileNotice::Event::RestoredShort;
    // A file that lacks only staged records gets them from the merge: a missing one is the merge's to
    // make (a first start), one that could not take them (held, write-protected, a full disk) is not
    // damaged, and trying to replace it would only fail for the same reason.
    if (event != RecordFileNotice::Event::RestoredUnreadable &&
        !HoldsUnstagedRecordMissingFrom(otherPath, SeparatorOf(other), index, staged))
        return;
    // A file that holds nothing is brought back whole (what it held kept aside); one that holds
    // records keeps every line and gets the other file's records that it lacks after them.
    // (ReplaceRecordFile reads the index anew only after every line is written.)
    const LineSource all{whole ? otherPath : path, whole ? SeparatorOf(other) : SeparatorOf(kind), nullptr};
    const LineSource missing{otherPath, SeparatorOf(other), &index};
    std::wstring keptAs;
    ClearFileError();
    if (!ReplaceRecordFile(path, SeparatorOf(kind), all, whole ? nullptr : &missing, whole, &keptAs, index)) {
        files.restoreError[static_cast<int>(kind)] = ErrorOfLastFailure();  // tried again (BringBackRecordFile)
        return;
    }
    files.notices.push_back(RecordFileNotice{whole ? event : RecordFileNotice::Event::RecordsAdded,
                                             RecordFileName(kind), RecordFileName(other), FileNameOf(keptAs)});
}

void BringInOtherBaseFileRecords(const std::wstring& installFolder, const std::vector<StagedRecord>& staged,
                                 CRecordFiles& files)
{
    for (RecordFileKind kind : kBaseKinds)
        BringInOtherBaseFileRecords(kind, installFolder, staged, files);
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
}

bool KeepUnreadableFileAside(const CRecordFileIndex& index, const std::wstring& path, char separator,
                             std::wstring* keptAs)
{
    keptAs->clear();
    return !ReadsAsNothing(index, separator) || CopyAside(path, keptAs);
}
