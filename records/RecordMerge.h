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
#include "records/RecordTime.h"
#include "records/UnitFactors.h"

#include <string>
#include <string_view>

struct CSettingsRecord;
class CMainRecords;

constexpr int RECORD_COLUMN_COUNT = 33;

// Column indexes of a record line.
constexpr int COLUMN_YEAR = 0;
constexpr int COLUMN_WEEKDAY = 1;
constexpr int COLUMN_MONTH = 2;
constexpr int COLUMN_DAY = 3;
constexpr int COLUMN_HOUR = 4;
constexpr int COLUMN_MINUTE = 5;

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

inline char SeparatorOf(RecordFileKind kind)
{
    return (kind == RecordFileKind::Txt || kind == RecordFileKind::TxtCustom) ? '\t' : ',';
}
inline bool IsCustom(RecordFileKind kind)
{
    return kind == RecordFileKind::CsvCustom || kind == RecordFileKind::TxtCustom;
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

// The line as it is written into a record file of the given kind (staged lines use commas).
std::string RecordLineFor(RecordFileKind kind, std::string_view stagedLine, const DisplayUnitSelection& units);

enum class MergeResult {
    Merged,            // every line to append was written
    NoSource,          // the staging file could not be opened: nothing to merge
    TargetUnreadable,  // the record file exists but could not be read: it was left as it was
    TargetUnwritable,  // the record file (or a new one) could not be written: nothing, or only part,
                       // of the lines went in
};

// Merges the complete lines of sourcePath into targetPath. A target that does not exist or is empty is
// created with its header row and receives every line; a target that exists but cannot be read is
// never taken for a new one. Otherwise, with mergeByTime a line is appended only when its (year, month,
// day, hour, minute) is later than the merge key (lines of fewer than six fields are appended without
// comparison); without it every line is appended. The merge key is the time of the target's last
// complete line that reads as a record (six plain numbers forming a real date and time; a lone CR
// also ends a line) and is dated no more than a day after `now`; all zeros when there is none.
// Damaged lines stay where they are. A target whose last line lacks its line end has that line ended
// before anything is appended.
MergeResult MergeRecordFile(RecordFileKind kind, bool mergeByTime, const std::wstring& sourcePath,
                            const std::wstring& targetPath, const DisplayUnitSelection& units,
                            const RecordTime& now = ComputerClockNow());

// Rebuilds a custom file whole from its base file ("csv.dat" -> "csv_custom.dat", "txt.dat" ->
// "txt_custom.dat"): header row in the given units, then every complete record line converted.
void RebuildCustomFile(RecordFileKind customKind, const std::wstring& sourcePath, const std::wstring& targetPath,
                       const DisplayUnitSelection& units);

// Opens copyPath for writing with exclusive sharing (creating or truncating it) and, only when that
// succeeds, copies recordPath into it. Returns false (copy untouched) when the copy is held open
// elsewhere or the record file cannot be read.
bool CopyToUserFile(const std::wstring& recordPath, const std::wstring& copyPath);

// True when the file can be opened for writing with exclusive sharing; the file is then created or
// truncated (and closed again).
bool CanOpenExclusive(const std::wstring& path);

// Appends one line and CR LF to the staging file; a last line without line end is ended first.
bool AppendStagedLine(const std::wstring& stagingPath, std::string_view line);

// Truncates and deletes the staging file.
void DeleteStagingFile(const std::wstring& stagingPath);

// ---------------------------------------------------------------------------
// What the polling loop does after staging: merges "tmpLastRec.txt" into the four record files
// (first pass order csv, txt, csv_custom, txt_custom; later passes csv, csv_custom, txt, txt_custom),
// by time or appending every line, copies each onto its "RECORDS" file when that is not held open
// elsewhere, then truncates and deletes the staging file - but only when every record file took the
// staged lines: otherwise they stay staged for a later pass. Returns whether they all did. Files
// live in installFolder (trailing separator).
bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, bool mergeByTime,
                        const DisplayUnitSelection& units, const RecordTime& now = ComputerClockNow());

// The same over the main dialog's install folder and display units. Lines that wait from an
// earlier pass (m_unstagedRecordLines, then m_recordLinesWaiting) are staged first and make the
// pass merge by time, so that a record file that took them already gets none of them twice.
// m_recordLinesWaiting tells afterwards whether lines still wait.
bool MergeStagedRecords(CMainRecords& dlg, bool firstPass, const RecordTime& now = ComputerClockNow());
// A later pass with one new record line (narrow text, no line end).
bool MergeNewRecordLine(CMainRecords& dlg, const std::string& line, const RecordTime& now = ComputerClockNow());

// One custom file rebuilt whole from its base file in the main dialog's display units.
void ReconvertCsvCustomDat(const CMainRecords& dlg, const std::wstring& sourcePath, const std::wstring& targetPath);
void ReconvertTxtCustomDat(const CMainRecords& dlg, const std::wstring& sourcePath, const std::wstring& targetPath);

// What the units handler does after a change of a temperature, pressure, UV, rain or wind unit:
// rebuilds "csv_custom.dat" and "txt_custom.dat" (each only when it can be opened exclusively) and
// copies them onto "RECORDS_CUSTOM.csv" and "RECORDS_CUSTOM.txt".
void RebuildCustomRecords(const std::wstring& installFolder, const DisplayUnitSelection& units);
void RebuildCustomRecords(const CMainRecords& dlg);
