// Rebuilding the custom record files whole after a change of display unit: into a temporary file
// that replaces the custom file in one step, so that a kill at any moment leaves the old file or the
// new one, never a part of either.
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "records/WorkerThread.h"

#include <windows.h>

#include <algorithm>
#include <thread>
#include <utility>

namespace {

constexpr int PROGRESS_EVERY_LINES = 4096;
// The custom files in the order of a rebuild's result.
const RecordFileKind kCustoms[2] = {RecordFileKind::CsvCustom, RecordFileKind::TxtCustom};

// Writes the converted lines of the open base file into the open temporary file and indexes them.
bool WriteConvertedLines(std::FILE* source, std::FILE* target, char separator, const DisplayUnitSelection& units,
                         CRecordFileIndex& index, RebuildControl* control)
{
    const std::string header = BuildHeaderRow(separator, units);
    index.Start(header);
    CBufferedWriter out(target);
    out.WriteLine(header);
    CLineReader reader(source);
    std::string line;
    std::string converted;
    bool complete = false;
    long long bytes = 0;
    int sinceProgress = 0;
    RecordTime time;
    while (reader.Next(line, &complete) && (complete || TakeLastLine(line, separator))) {
        bytes += static_cast<long long>(line.size()) + 2;
        // Only records are converted: the base file's header row, and a line that is no record (damage
        // from outside), never go into the custom file.
        if (!RecordTimeOfLine(line, separator, &time))
            continue;
        converted.clear();
        CRecordValuesDigest values;  // the custom file's records hold the converted values
        AppendLineForDisplay(converted, line, separator, separator, units, &values);
        out.WriteLine(converted);
        index.Add(RecordKey(time), values.Value());
        if (control != nullptr && ++sinceProgress == PROGRESS_EVERY_LINES) {
            sinceProgress = 0;
            control->bytesDone += bytes;
            bytes = 0;
            if (control->stop)
                return false;
        }
    }
    if (control != nullptr)
        control->bytesDone += bytes;
    return !reader.Failed() && out.Flush();
}

// Writes the converted lines of the base file into a new file at `path`, indexing them.
bool WriteConvertedFile(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& path,
                        const DisplayUnitSelection& units, CRecordFileIndex& index, RebuildControl* control)
{
    UniqueFile source = OpenFile(sourcePath, L"rb");
    if (!source)
        return false;
    UniqueFile target = OpenFile(path, L"wb");
    if (!target)
        return false;
    return WriteConvertedLines(source.get(), target.get(), SeparatorOf(customKind), units, index, control) &&
           FlushFile(target.get());
}

}  // namespace

bool WriteConvertedRecords(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& path,
                           const DisplayUnitSelection& units)
{
    CRecordFileIndex index;
    return WriteConvertedFile(customKind, sourcePath, path, units, index, nullptr);
}

bool RebuildCustomFile(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& targetPath,
                       const DisplayUnitSelection& units, CRecordFileIndex* index, RebuildControl* control)
{
    // A custom file that another program holds, or that cannot be written at all, would only be
    // found so after the whole file was written again: it is looked at first.
    if (HoldOfAfterBriefReaders(targetPath) != FileHold::Free)
        return false;
    const std::wstring temporary = TemporaryPathOf(targetPath);
    CRecordFileIndex rebuilt;
    if (!WriteConvertedFile(customKind, sourcePath, temporary, units, rebuilt, control)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (!ReplaceWithTemporary(temporary, targetPath))
        return false;
    const FileState state = StateOfFile(targetPath);
    rebuilt.NoteWritten(state, state.size);
    if (index != nullptr)
        *index = std::move(rebuilt);
    return true;
}

CustomRebuildResult RebuildCustomRecords(const std::wstring& installFolder, const DisplayUnitSelection& units,
                                         RebuildControl* control, const CustomFileChoice& which)
{
    CustomRebuildResult result;
    if (control != nullptr) {
        long long total = 0;
        for (int i = 0; i < 2; ++i)
            if (which[i])
                total += std::max(0LL, StateOfFile(installFolder + RecordFileName(BaseKindOf(kCustoms[i]))).size);
        control->bytesTotal = total;
    }
    // Each file's copy follows its rebuild.
    auto rebuildOne = [&](int i) {
        if (!which[i])
            return;
        const RecordFileKind custom = kCustoms[i];
        const std::wstring customPath = installFolder + RecordFileName(custom);
        const std::wstring basePath = installFolder + RecordFileName(BaseKindOf(custom));
        ClearFileError();
        result.rebuilt[i] = RebuildCustomFile(custom, basePath, customPath, units, &result.index[i], control);
        if (control != nullptr && control->stop)
            return;
        // Without a base file there is nothing to rebuild from: no failure. A file that was not
        // rebuilt is as it was, and so is its copy.
        if (!result.rebuilt[i]) {
            if (StateOfFile(basePath).size >= 0)
                result.error[i] = ErrorOfLastFailure();
            return;
        }
        ClearFileError();
        result.copied[i] = UpdateUserCopy(customPath, installFolder + UserCopyName(custom), FileState(),
                                          std::string(), result.copy[i]);
        result.copyError[i] = UserCopyError(result.copied[i], customPath);
    };
    // The two files side by side; without a second thread one after the other.
    std::thread second = ThreadOrNone([&] { rebuildOne(1); });
    rebuildOne(0);
    if (second.joinable())
        second.join();
    else
        rebuildOne(1);
    return result;
}

void TakeCustomRebuild(CustomRebuildResult&& result, CRecordFiles& files)
{
    for (int i = 0; i < 2; ++i) {
        // A file that was not replaced is the one its index describes already (a file that changed
        // anyway is read again when next needed).
        if (result.rebuilt[i])
            files.IndexOf(kCustoms[i]) = std::move(result.index[i]);
        if (result.copied[i])
            files.CopyOf(kCustoms[i]) = result.copy[i];
        if (result.copied[i] || result.copyError[i] != 0)
            files.copyError[static_cast<int>(kCustoms[i])] = result.copyError[i];
    }
}
