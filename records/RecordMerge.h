// The four record files of the install folder and how staged record lines reach them.
//
//   "csv.dat"         comma, base units, the staged line unchanged          -> "RECORDS.csv"
//   "txt.dat"         tab,   base units, commas of the staged line as tabs  -> "RECORDS.txt"
//   "csv_custom.dat"  comma, display units, converted values "%0.2f"        -> "RECORDS_CUSTOM.csv"
//   "txt_custom.dat"  tab,   display units, converted values "%0.2f"        -> "RECORDS_CUSTOM.txt"
//
// Every record file starts with a header row of the 33 column names (some followed by a blank and a
// unit text); every line, the header included, ends with CR LF, and every field is followed by the
// file's separator. A missing value is an empty field.
#pragma once
#include "records/RecordFileIndex.h"
#include "records/RecordTime.h"
#include "records/UnitFactors.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct CSettingsRecord;
class CMainRecords;
class ReadingsRecord;

constexpr int RECORD_COLUMN_COUNT = 33;

// The five display-unit selectors that the custom files follow. The defaults are the base units
// (degrees Celsius, UV index, hPa, mph, mm), the units of "csv.dat" and "txt.dat".
struct DisplayUnitSelection {
    int temperature = 0;  // 0 degC, 1 degF
    int uv = 1;           // 0 MED/h, 1 UV index
    int pressure = 1;     // 0 inHg, 1 hPa, 2 mmHg
    int wind = 3;         // 0 km/h, 1 knots, 2 m/s, 3 mph
    int rain = 1;         // 0 inch, 1 mm

    bool operator==(const DisplayUnitSelection& o) const
    {
        return temperature == o.temperature && uv == o.uv && pressure == o.pressure && wind == o.wind &&
               rain == o.rain;
    }
    bool operator!=(const DisplayUnitSelection& o) const { return !(*this == o); }
};

DisplayUnitSelection UnitsOf(const CSettingsRecord& settings);

enum class RecordFileKind { Csv, Txt, CsvCustom, TxtCustom };
constexpr int RECORD_FILE_KIND_COUNT = 4;

inline char SeparatorOf(RecordFileKind kind)
{
    return (kind == RecordFileKind::Txt || kind == RecordFileKind::TxtCustom) ? '\t' : ',';
}
inline bool IsCustom(RecordFileKind kind)
{
    return kind == RecordFileKind::CsvCustom || kind == RecordFileKind::TxtCustom;
}
// The base file a file's records come from: "csv.dat" for the comma files, "txt.dat" for the tab files.
inline RecordFileKind BaseKindOf(RecordFileKind kind)
{
    return (kind == RecordFileKind::Txt || kind == RecordFileKind::TxtCustom) ? RecordFileKind::Txt
                                                                              : RecordFileKind::Csv;
}

// Names of the files in the install folder.
extern const wchar_t* const STAGING_FILE_NAME;     // "tmpLastRec.txt"
const wchar_t* RecordFileName(RecordFileKind kind);  // "csv.dat", ...
const wchar_t* UserCopyName(RecordFileKind kind);    // "RECORDS.csv", ...

// The header row (without its line end) in the given units; base files use the default units.
std::string BuildHeaderRow(char separator, const DisplayUnitSelection& units);

// One record line (without line end) converted into display units: split at inSeparator, every field
// written followed by outSeparator; what follows the last separator is dropped. Empty, blank and
// missing values become empty fields; temperatures, UV, pressure, wind and rain columns are converted
// and written "%0.2f"; the other columns are copied unchanged.
std::string ConvertLineForDisplay(std::string_view line, char inSeparator, char outSeparator,
                                  const DisplayUnitSelection& units);
// The same, appended to out; `digest`, when given, takes the converted fields (what RecordOfLine
// reads of the converted line).
void AppendLineForDisplay(std::string& out, std::string_view line, char inSeparator, char outSeparator,
                          const DisplayUnitSelection& units, CRecordValuesDigest* digest = nullptr);

// The line as it is written into a record file of the given kind (staged lines use commas).
std::string RecordLineFor(RecordFileKind kind, std::string_view stagedLine, const DisplayUnitSelection& units);

enum class MergeResult {
    Merged,            // every record the file lacked was written (or it lacked none)
    NoSource,          // the staging file could not be opened: nothing to merge
    TargetUnreadable,  // the record file exists but could not be read: it was left as it was
    TargetUnwritable,  // the record file (or a new one) could not be written: nothing, or only part,
                       // of the lines went in
    TargetInOtherUnits,  // a custom file whose header row names other units: it waits for its rebuild
};

// ---- staged records ------------------------------------------------------------------------------

// One record of the staging file: the time key and values digest of its line (RecordOfLine) and the
// line (commas, no line end).
struct StagedRecord {
    long long key = 0;
    std::uint32_t values = 0;
    std::string line;
};

enum class StagingRead { Read, Missing, Unreadable };

// The records of the staging file in time order: its lines that are records of a real date
// (RecordOfLine; a last line without its line end when it is a whole record line), each record once
// (a later line of the same time and values is dropped; one of the same time with other values,
// which a station whose clock was set back writes, is a record of its own).
StagingRead ReadStagedRecords(const std::wstring& stagingPath, std::vector<StagedRecord>* records);

// Appends one line and CR LF to the staging file; a last line cut short (a write that was broken
// off) is cut away first.
bool AppendStagedLine(const std::wstring& stagingPath, std::string_view line);

// Truncates and deletes the staging file.
void DeleteStagingFile(const std::wstring& stagingPath);

// ---- the record files ------------------------------------------------------------------------------

// What the program did to the record files that the user is told once (the main window shows them).
struct RecordFileNotice {
    enum class Event {
        RestoredMissing,     // `file` was missing or empty: it was brought back from `source`
        RestoredShort,       // `file` lacked records that `source` holds: brought back, kept as `keptAs`
        RestoredUnreadable,  // `file` did not read as record lines: brought back, kept as `keptAs`
        RecordsAdded,        // `file` lacked records that `source` holds: they were added to it
        ClockWentBack,       // records of times the files held, with other values, were added
        RestoredDamaged,     // `file` held damaged lines: brought back from `source`, kept as `keptAs`
        DamagedLinesTakenOut,  // `file` held damaged lines: taken out, the file kept as `keptAs`
    };
    Event event = Event::ClockWentBack;
    std::wstring file, source, keptAs;  // names in the install folder

    bool operator==(const RecordFileNotice& o) const
    {
        return event == o.event && file == o.file && source == o.source && keptAs == o.keptAs;
    }
};

// What the program knows of the four record files and of their user-facing copies. A copy that
// this program last wrote, and that is still as it left it, is kept identical to its record file by
// appending what the record file got; any other copy is replaced whole.
struct CRecordFiles {
    struct CopyState {
        FileState written;   // the copy as this program last wrote it
        FileState source;    // the record file it was then identical to
        // The copy holds records that its file lacks and the file could not be brought back from it:
        // the copy is not written until its file holds them.
        bool keep = false;
    };
    CRecordFileIndex index[RECORD_FILE_KIND_COUNT];
    CopyState copy[RECORD_FILE_KIND_COUNT];
    // The last merge found a custom file in other units than the current ones: it needs a rebuild.
    bool customInOtherUnits = false;
    // What waits to be told to the user, and whether the station's clock going back was told (until
    // records of new times come in again).
    std::vector<RecordFileNotice> notices;
    bool clockBackTold = false;
    // The notices of restores that the user has not been told of yet, as kept in the install folder's
    // "tmpRecordNotices.txt" (records/RecordNotices.h) until told.
    std::vector<RecordFileNotice> untold;
    // The system's error code of each record file's and each copy's last write that failed, 0 when
    // the last one went in; the same for the staging file (its last append, or its last read when
    // that failed).
    unsigned long fileError[RECORD_FILE_KIND_COUNT] = {};
    unsigned long copyError[RECORD_FILE_KIND_COUNT] = {};
    // How many attempts in a row found each copy held open by another program.
    int copyHeldAttempts[RECORD_FILE_KIND_COUNT] = {};
    unsigned long stagingError = 0;
    // The same for each record file's last restore (from its copy or the other base file, see
    // records/RecordPairs.h) that failed: the file could not be replaced, or the damaged file not kept
    // aside. Tried again at every merge and reading (CatchUpRestores) until it goes through.
    unsigned long restoreError[RECORD_FILE_KIND_COUNT] = {};
    // How many attempts in a row found each record file held open by another program when it was to
    // be brought back.
    int restoreHeldAttempts[RECORD_FILE_KIND_COUNT] = {};

    CRecordFileIndex& IndexOf(RecordFileKind kind) { return index[static_cast<int>(kind)]; }
    CopyState& CopyOf(RecordFileKind kind) { return copy[static_cast<int>(kind)]; }
};

// How many records a merge appended at times that the file held already (with other values: the
// station's clock was set back) and at times it did not hold.
struct MergeCounts {
    int atHeldTimes = 0;
    int atNewTimes = 0;
};

// Merges the records into one record file: every record that the file does not hold yet (the same
// time and values, RecordOfLine) is appended, converted for the file, in the order given; a record
// the file holds is never appended again. A file that does not exist or is empty is created with its
// header row first; a file that exists but cannot be read is never taken for a new one. A last line
// without its line end is mended first (MendBrokenLastLine). A custom file whose header row is not in
// the given units takes nothing (TargetInOtherUnits). `appended` receives the bytes that were
// appended and `counts` what they were (when the file was not created).
MergeResult MergeIntoRecordFile(RecordFileKind kind, const std::vector<StagedRecord>& records,
                                const std::wstring& targetPath, const DisplayUnitSelection& units,
                                CRecordFileIndex& index, std::string* appended = nullptr,
                                MergeCounts* counts = nullptr);

// The same for the records of a staging file, with an index of its own.
MergeResult MergeRecordFile(RecordFileKind kind, const std::wstring& sourcePath, const std::wstring& targetPath,
                            const DisplayUnitSelection& units);

// Makes the user-facing copy identical to its record file: by appending `appended` when the copy is
// still as this program left it after the record file's previous state, else by a whole copy in one
// step. A copy held open elsewhere, or one that holds records its file lacks (state.keep), is left
// alone (the next change tries again). True when identical.
bool UpdateUserCopy(const std::wstring& recordPath, const std::wstring& copyPath, const FileState& recordBefore,
                    const std::string& appended, CRecordFiles::CopyState& state);

// What CRecordFiles keeps as a copy's error after UpdateUserCopy: 0 when it was brought in line, or
// when its record file does not exist (the copy follows the file once it is written); else
// ErrorOfLastFailure.
unsigned long UserCopyError(bool copied, const std::wstring& recordPath);

// A copy, or a record file to be brought back, held open by another program is told only when it is
// still held at the attempt after the one that found it so (a reader that had it open for a moment -
// a virus scanner, a viewer's refresh - is no news): the errors to tell. FilesWaitForAHolder: some
// copy or restore was found held at its last attempt, and is tried again at the window's next tick
// rather than at the next reading (CatchUpRestores, CatchUpUserCopies).
unsigned long CopyErrorToTell(const CRecordFiles& files, RecordFileKind kind);
unsigned long RestoreErrorToTell(const CRecordFiles& files, RecordFileKind kind);
bool FilesWaitForAHolder(const CRecordFiles& files);

// Brings every copy that the last attempt could not write (copyError) in line with its record file;
// the copies still behind keep their error. True when none is behind. A copy kept as it is while its
// file cannot be brought back from it (CopyState::keep) has no error of its own: the restore's is
// the one to tell.
bool CatchUpUserCopies(const std::wstring& installFolder, CRecordFiles& files);

// Tries again to bring back the record files whose last restore failed (restoreError), and brings
// their copies in line with those brought back. Notices of what was brought back are added. True
// when no restore fails any more.
bool CatchUpRestores(const std::wstring& installFolder, CRecordFiles& files);

// Copies the record file over its user-facing copy in one step, unless another program holds the
// copy open. False (copy untouched) when held or the record file cannot be read.
bool CopyToUserFile(const std::wstring& recordPath, const std::wstring& copyPath);

// ---------------------------------------------------------------------------
// What the polling loop does after staging: merges the records of "tmpLastRec.txt" into the four
// record files (first pass order csv, txt, csv_custom, txt_custom; later passes csv, csv_custom, txt,
// txt_custom), keeps each "RECORDS" copy identical to its file unless it is held open elsewhere, then
// truncates and deletes the staging file - but only when every record file took the staged records:
// otherwise they stay staged for a later pass. Returns whether they all did. Files live in
// installFolder (trailing separator). A record file changed behind the program's back, or one whose
// last restore failed, is first brought back from its copy or the other base file when it lacks
// records they hold (BringBackRecordFile); records appended at times the files held already add the
// notice that the station's clock went back (once, until records of new times come in again).
bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, const DisplayUnitSelection& units,
                        CRecordFiles& files);
bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, const DisplayUnitSelection& units);

// The same over the main dialog's install folder, display units and record-file knowledge. Lines that
// could not be staged earlier (m_unstagedRecordLines) are staged first; m_recordLinesWaiting tells
// afterwards whether lines still wait. Notices that wait (m_recordFiles.notices, from this merge or
// from the start's preparation) are handed to the dialog (RecordFileNoticesWaiting).
bool MergeStagedRecords(CMainRecords& dlg, bool firstPass);
// Stages the downloaded history's records (AppendLastRecords with the dialog's rain base); those that
// cannot be staged now (a full disk) wait in m_unstagedRecordLines and are staged with the next merge.
void StageDownloadedRecords(CMainRecords& dlg, const ReadingsRecord& history);
// A later pass with new record lines (narrow text, no line end), in the order given.
bool MergeNewRecordLines(CMainRecords& dlg, const std::vector<std::string>& lines);
bool MergeNewRecordLine(CMainRecords& dlg, const std::string& line);

// What a start repairs and learns before the first merge (run where it does not hold up the window):
// reads every record file into `files`; brings back a file that lacks records its copy holds
// (RestoreFromCopyIfShort), and a base file that lacks records the other base file holds
// (BringInOtherBaseFileRecords); cuts away a last line cut short; rebuilds a custom file whose header
// row is not in the given units, that holds fewer records than its base file, or beside which a
// temporary file was left, from its base file (keeping one that reads as nothing aside); removes
// left-over temporary files; and brings each user-facing copy in line with its record file. What it
// brought back waits in files.notices.
void PrepareRecordFiles(const std::wstring& installFolder, const DisplayUnitSelection& units, CRecordFiles& files);

// ---- custom rebuild ---------------------------------------------------------------------------------

// Progress and stop request of a rebuild that runs on a worker thread.
struct RebuildControl {
    std::atomic<long long> bytesDone{0};
    std::atomic<long long> bytesTotal{0};
    std::atomic<bool> stop{false};
};

// Rebuilds a custom file whole from its base file ("csv.dat" -> "csv_custom.dat", "txt.dat" ->
// "txt_custom.dat"): header row in the given units, then every complete record line converted, into
// a temporary file that then replaces the custom file in one step. Returns true when it was replaced;
// a base file that cannot be read, a stop request or a custom file held open elsewhere leave the
// custom file as it was (a held or refused custom file is found before anything is written; the
// reason is kept for ErrorOfLastFailure). `index`, when given, receives the rebuilt file's index.
bool RebuildCustomFile(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& targetPath,
                       const DisplayUnitSelection& units, CRecordFileIndex* index = nullptr,
                       RebuildControl* control = nullptr);

// The converted lines of a base file with the custom file's header row in the given units, written
// into a new file at `path` (what a rebuild writes before the replacement). False when the base file
// cannot be read or the file cannot be written whole (ErrorOfLastFailure tells why).
bool WriteConvertedRecords(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& path,
                           const DisplayUnitSelection& units);

// What a rebuild of both custom files leaves: their new indexes and the state of their copies.
struct CustomRebuildResult {
    bool rebuilt[2] = {false, false};       // csv_custom, txt_custom
    CRecordFileIndex index[2];
    CRecordFiles::CopyState copy[2];
    bool copied[2] = {false, false};
    // The system's error code of a file that was to be rebuilt and was not (0: rebuilt, left out
    // or stopped), and of a copy that could not be written.
    unsigned long error[2] = {0, 0};
    unsigned long copyError[2] = {0, 0};
};

// The custom files a rebuild takes (csv_custom, txt_custom).
using CustomFileChoice = std::array<bool, 2>;

// What the units handler has done after a change of a temperature, pressure, UV, rain or wind unit:
// rebuilds "csv_custom.dat" and "txt_custom.dat" (those chosen) and copies them onto
// "RECORDS_CUSTOM.csv" and "RECORDS_CUSTOM.txt". Progress counts the bytes of the base files of the
// chosen ones. The two files are rebuilt side by side; when the system cannot make the second
// thread, one after the other.
CustomRebuildResult RebuildCustomRecords(const std::wstring& installFolder, const DisplayUnitSelection& units,
                                         RebuildControl* control = nullptr,
                                         const CustomFileChoice& which = CustomFileChoice{true, true});
// Takes a rebuild's result into the record-file knowledge.
void TakeCustomRebuild(CustomRebuildResult&& result, CRecordFiles& files);
