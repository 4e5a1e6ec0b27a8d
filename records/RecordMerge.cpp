#include "records/RecordMerge.h"

#include "records/MainRecords.h"
#include "records/SettingsRecord.h"
#include "records/MissingValue.h"
#include "records/RecordFileIo.h"
#include "texts/TextTables.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

const wchar_t* const STAGING_FILE_NAME = L"tmpLastRec.txt";

namespace {

enum class ColumnQuantity { Plain, Temperature, Uv, Pressure, Wind, Rain };

ColumnQuantity QuantityOfColumn(int column)
{
    switch (column) {
    case 6: case 8: case 10: case 12: case 14: case 16: case 21:
        return ColumnQuantity::Temperature;
    case 18: case 31: case 32:
        return ColumnQuantity::Uv;
    case 19:
        return ColumnQuantity::Pressure;
    case 22: case 23:
        return ColumnQuantity::Wind;
    case 25: case 26: case 27: case 28: case 29: case 30:
        return ColumnQuantity::Rain;
    default:
        return ColumnQuantity::Plain;
    }
}

const char* UnitTextOf(ColumnQuantity quantity, const DisplayUnitSelection& units)
{
    switch (quantity) {
    case ColumnQuantity::Temperature:
        return units.temperature == 0 ? "(degC)" : "(degF)";
    case ColumnQuantity::Uv:
        return units.uv == 1 ? "(UVI)" : "(MED/h)";
    case ColumnQuantity::Pressure:
        return units.pressure == 0 ? "(inHg)" : units.pressure == 1 ? "(mBar/hPa)" : "(mmHg)";
    case ColumnQuantity::Wind:
        return units.wind == 0 ? "(km/h)" : units.wind == 1 ? "(knots)" : units.wind == 2 ? "(m/s)" : "(mph)";
    case ColumnQuantity::Rain:
        return units.rain == 1 ? "(mm)" : "(inch)";
    default:
        return nullptr;
    }
}

double ConvertValue(ColumnQuantity quantity, double x, const DisplayUnitSelection& units)
{
    switch (quantity) {
    case ColumnQuantity::Temperature:
        return units.temperature == 1 ? x * FACTOR_C_TO_F + 32 : x;
    case ColumnQuantity::Uv:
        return units.uv == 0 ? x * FACTOR_UVI_TO_MEDH : x;
    case ColumnQuantity::Pressure:
        return units.pressure == 0 ? x * FACTOR_HPA_TO_INHG : units.pressure == 2 ? x * FACTOR_HPA_TO_MMHG : x;
    case ColumnQuantity::Wind:
        switch (units.wind) {
        case 0: return x * FACTOR_MPH_TO_KMH;
        case 1: return x * FACTOR_MPH_TO_KNOTS;
        case 2: return x * FACTOR_MPH_TO_MS;
        default: return x;
        }
    case ColumnQuantity::Rain:
        return units.rain == 0 ? x * FACTOR_MM_TO_INCH : x;
    default:
        return x;
    }
}

bool IsEmptyOrBlank(std::string_view field)
{
    for (char c : field)
        if (c != ' ')
            return false;
    return true;
}

std::string AsciiOf(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    return out;
}

// atoi of a field: the leading decimal number (blanks skipped), 0 when there is none.
int LeadingInt(std::string_view field)
{
    size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    long long v = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        v = v * 10 + (field[i] - '0');
        if (v > 2147483647LL)
            v = 2147483647LL;
    }
    return static_cast<int>(negative ? -v : v);
}

// Time key of a line: year, month, day, hour, minute (fields 0, 2, 3, 4, 5). Returns false when the line
// has fewer than six comma-terminated fields.
bool TimeKeyOf(std::string_view line, int key[5])
{
    int fields[6] = {};
    size_t start = 0;
    for (int f = 0; f < 6; ++f) {
        size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return false;
        fields[f] = LeadingInt(line.substr(start, comma - start));
        start = comma + 1;
    }
    key[0] = fields[COLUMN_YEAR];
    key[1] = fields[COLUMN_MONTH];
    key[2] = fields[COLUMN_DAY];
    key[3] = fields[COLUMN_HOUR];
    key[4] = fields[COLUMN_MINUTE];
    return true;
}

bool IsLater(const int key[5], const int base[5])
{
    for (int i = 0; i < 5; ++i) {
        if (key[i] != base[i])
            return key[i] > base[i];
    }
    return false;
}

// A field that is a whole decimal number (blanks around it allowed) and nothing else.
bool PlainNumber(std::string_view field, int* value)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    size_t digits = 0;
    long long v = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9' && digits < 6; ++i, ++digits)
        v = v * 10 + (field[i] - '0');
    while (i < field.size() && field[i] == ' ')
        ++i;
    if (digits == 0 || i != field.size())
        return false;
    *value = static_cast<int>(v);
    return true;
}

// The record time of a line that reads as a record: six separator-terminated fields that are plain
// numbers forming a real date and time (weekday 0..7). False for a header row, damaged bytes, a
// cut-off line and the like.
bool RecordTimeOfLine(std::string_view line, char separator, RecordTime* time)
{
    int fields[6] = {};
    size_t start = 0;
    for (int f = 0; f < 6; ++f) {
        const size_t end = line.find(separator, start);
        if (end == std::string_view::npos || !PlainNumber(line.substr(start, end - start), &fields[f]))
            return false;
        start = end + 1;
    }
    const RecordTime t{fields[COLUMN_YEAR], fields[COLUMN_MONTH], fields[COLUMN_DAY], fields[COLUMN_HOUR],
                       fields[COLUMN_MINUTE]};
    if (fields[COLUMN_WEEKDAY] > 7 || !IsRealRecordTime(t))
        return false;
    *time = t;
    return true;
}

// The merge key of a record file: the time of its last complete line that reads as a record and is
// dated no more than a day after `now`. A lone CR also ends a line here, so a file whose lines end
// in CR alone still gives its records. Lines are fed in file order.
class CMergeKeyFinder {
public:
    CMergeKeyFinder(char separator, const RecordTime& now)
        : m_separator(separator), m_latest(MinutesOf(now) + MINUTES_PER_DAY)
    {
    }

    void Take(std::string_view line, bool complete)
    {
        size_t start = 0;
        for (;;) {
            const size_t cr = line.find('\r', start);
            if (cr == std::string_view::npos)
                break;
            TakeOne(line.substr(start, cr - start));
            start = cr + 1;
        }
        if (complete)
            TakeOne(line.substr(start));
    }

    // The key as year, month, day, hour, minute; all zeros when no line qualified (every staged
    // line is then later).
    void Key(int key[5]) const
    {
        key[0] = m_key.year;
        key[1] = m_key.month;
        key[2] = m_key.day;
        key[3] = m_key.hour;
        key[4] = m_key.minute;
    }

private:
    void TakeOne(std::string_view line)
    {
        RecordTime t;
        if (RecordTimeOfLine(line, m_separator, &t) && MinutesOf(t) <= m_latest)
            m_key = t;
    }

    char m_separator;
    long long m_latest;
    RecordTime m_key{0, 0, 0, 0, 0};
};

} // namespace

DisplayUnitSelection UnitsOf(const CSettingsRecord& settings)
{
    DisplayUnitSelection units;
    units.temperature = settings.m_temperatureUnit;
    units.uv = settings.m_uvUnit;
    units.pressure = settings.m_pressureUnit;
    units.wind = settings.m_windUnit;
    units.rain = settings.m_rainUnit;
    return units;
}

const wchar_t* RecordFileName(RecordFileKind kind)
{
    switch (kind) {
    case RecordFileKind::Csv: return L"csv.dat";
    case RecordFileKind::Txt: return L"txt.dat";
    case RecordFileKind::CsvCustom: return L"csv_custom.dat";
    default: return L"txt_custom.dat";
    }
}

const wchar_t* UserCopyName(RecordFileKind kind)
{
    switch (kind) {
    case RecordFileKind::Csv: return L"RECORDS.csv";
    case RecordFileKind::Txt: return L"RECORDS.txt";
    case RecordFileKind::CsvCustom: return L"RECORDS_CUSTOM.csv";
    default: return L"RECORDS_CUSTOM.txt";
    }
}

std::string BuildHeaderRow(char separator, const DisplayUnitSelection& units)
{
    std::string row;
    for (int column = 0; column < RECORD_COLUMN_COUNT; ++column) {
        row += AsciiOf(TextAt(g_exportColumnHeaders, column, LANGUAGE_ENGLISH));
        if (const char* unit = UnitTextOf(QuantityOfColumn(column), units)) {
            row += ' ';
            row += unit;
        }
        row += separator;
    }
    return row;
}

std::string ConvertLineForDisplay(std::string_view line, char inSeparator, char outSeparator,
                                  const DisplayUnitSelection& units)
{
    std::string out;
    out.reserve(line.size() + 16);
    size_t start = 0;
    for (int column = 0;; ++column) {
        size_t sep = line.find(inSeparator, start);
        if (sep == std::string_view::npos)
            break; // what follows the last separator is not carried over
        std::string_view field = line.substr(start, sep - start);
        start = sep + 1;
        if (IsEmptyOrBlank(field)) {
            out += outSeparator;
            continue;
        }
        ColumnQuantity quantity = QuantityOfColumn(column);
        if (quantity == ColumnQuantity::Plain) {
            out.append(field.data(), field.size());
            out += outSeparator;
            continue;
        }
        double value = 0;
        if (TryParseReading(field, &value) && !IsMissing(value)) {
            char text[64];
            std::snprintf(text, sizeof text, "%0.2f", ConvertValue(quantity, value, units));
            out += text;
        }
        out += outSeparator;
    }
    return out;
}

std::string RecordLineFor(RecordFileKind kind, std::string_view stagedLine, const DisplayUnitSelection& units)
{
    switch (kind) {
    case RecordFileKind::Csv:
        return std::string(stagedLine);
    case RecordFileKind::Txt: {
        std::string line(stagedLine);
        for (char& c : line)
            if (c == ',')
                c = '\t';
        return line;
    }
    default:
        return ConvertLineForDisplay(stagedLine, ',', SeparatorOf(kind), units);
    }
}

namespace {

enum class TargetState { Missing, Empty, Present, Unknown };

// Whether the record file is there, without opening it: a file that exists but cannot be opened
// (held by another program) must never be taken for a new one.
TargetState StateOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return (data.nFileSizeHigh == 0 && data.nFileSizeLow == 0) ? TargetState::Empty : TargetState::Present;
    const DWORD error = GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) ? TargetState::Missing
                                                                          : TargetState::Unknown;
}

MergeResult WriteNewRecordFile(RecordFileKind kind, std::FILE* source, const std::wstring& targetPath,
                               const DisplayUnitSelection& units)
{
    UniqueFile target = OpenFile(targetPath, L"wb");
    if (!target)
        return MergeResult::TargetUnwritable;
    CBufferedWriter out(target.get());
    // The base files always name the base units; the custom files the current display units.
    out.WriteLine(BuildHeaderRow(SeparatorOf(kind), IsCustom(kind) ? units : DisplayUnitSelection()));
    CLineReader reader(source);
    std::string line;
    bool complete = false;
    while (reader.Next(line, &complete) && complete)
        out.WriteLine(RecordLineFor(kind, line, units));
    const bool written = out.Flush();
    target.reset();
    return written ? MergeResult::Merged : MergeResult::TargetUnwritable;
}

}  // namespace

MergeResult MergeRecordFile(RecordFileKind kind, bool mergeByTime, const std::wstring& sourcePath,
                            const std::wstring& targetPath, const DisplayUnitSelection& units, const RecordTime& now)
{
    UniqueFile source = OpenFile(sourcePath, L"rb");
    if (!source)
        return MergeResult::NoSource;

    switch (StateOf(targetPath)) {
    case TargetState::Missing:
    case TargetState::Empty:
        // A new (or empty) record file: header row and every staged line, nothing compared.
        return WriteNewRecordFile(kind, source.get(), targetPath, units);
    case TargetState::Unknown:
        return MergeResult::TargetUnreadable;
    case TargetState::Present:
        break;
    }

    // The merge key from the target's lines (tabs read as commas), and whether its last line is
    // unfinished.
    std::string line;
    bool complete = false;
    bool targetLacksLineEnd = false;
    int base[5] = {0, 0, 0, 0, 0};
    {
        UniqueFile target = OpenFile(targetPath, L"rb");
        if (!target)
            return MergeResult::TargetUnreadable;
        CLineReader reader(target.get());
        CMergeKeyFinder key(',', now);
        const bool tabs = SeparatorOf(kind) == '\t';
        while (reader.Next(line, &complete)) {
            if (tabs)
                for (char& c : line)
                    if (c == '\t')
                        c = ',';
            key.Take(line, complete);
            targetLacksLineEnd = !complete;
        }
        if (reader.Failed())
            return MergeResult::TargetUnreadable;
        key.Key(base);
    }

    UniqueFile target = OpenFile(targetPath, L"ab");
    if (!target)
        return MergeResult::TargetUnwritable;
    CBufferedWriter out(target.get());
    if (targetLacksLineEnd)
        out.Write("\r\n"); // never glue a record onto an unfinished line
    CLineReader reader(source.get());
    while (reader.Next(line, &complete) && complete) {
        if (mergeByTime) {
            int key[5];
            if (TimeKeyOf(line, key) && !IsLater(key, base))
                continue;
        }
        out.WriteLine(RecordLineFor(kind, line, units));
    }
    const bool written = out.Flush();
    target.reset();
    return written ? MergeResult::Merged : MergeResult::TargetUnwritable;
}

bool CanOpenExclusive(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

bool CopyToUserFile(const std::wstring& recordPath, const std::wstring& copyPath)
{
    HANDLE src = CreateFileW(recordPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (src == INVALID_HANDLE_VALUE)
        return false;
    // The copy is written through the exclusive handle itself, so nobody can open it in between.
    HANDLE dst = CreateFileW(copyPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
    if (dst == INVALID_HANDLE_VALUE) {
        CloseHandle(src);
        return false;
    }
    std::vector<char> buffer(1 << 16);
    bool ok = true;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(src, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(dst, buffer.data(), got, &written, nullptr) || written != got) {
            ok = false;
            break;
        }
    }
    CloseHandle(dst);
    CloseHandle(src);
    return ok;
}

bool AppendStagedLine(const std::wstring& stagingPath, std::string_view line)
{
    return AppendLines(stagingPath, [line](CBufferedWriter& out) { out.WriteLine(line); });
}

void DeleteStagingFile(const std::wstring& stagingPath)
{
    if (UniqueFile f = OpenFile(stagingPath, L"wb"))
        f.reset();
    _wremove(stagingPath.c_str());
}

bool MergeStagedRecords(const std::wstring& installFolder, bool firstPass, bool mergeByTime,
                        const DisplayUnitSelection& units, const RecordTime& now)
{
    static const RecordFileKind kFirstPassOrder[] = {RecordFileKind::Csv, RecordFileKind::Txt,
                                                     RecordFileKind::CsvCustom, RecordFileKind::TxtCustom};
    static const RecordFileKind kLaterPassOrder[] = {RecordFileKind::Csv, RecordFileKind::CsvCustom,
                                                     RecordFileKind::Txt, RecordFileKind::TxtCustom};
    const std::wstring staging = installFolder + STAGING_FILE_NAME;
    bool allMerged = true;
    for (RecordFileKind kind : firstPass ? kFirstPassOrder : kLaterPassOrder) {
        const MergeResult result =
            MergeRecordFile(kind, mergeByTime, staging, installFolder + RecordFileName(kind), units, now);
        // A staging file that is there but cannot be read has lines that did not go in.
        const bool nothingStaged = result == MergeResult::NoSource && StateOf(staging) == TargetState::Missing;
        allMerged = allMerged && (result == MergeResult::Merged || nothingStaged);
    }
    for (RecordFileKind kind : kFirstPassOrder)
        CopyToUserFile(installFolder + RecordFileName(kind), installFolder + UserCopyName(kind));
    // Lines that a record file could not take stay staged for a later pass.
    if (allMerged)
        DeleteStagingFile(staging);
    return allMerged;
}

namespace {

// Stages the lines that wait in memory; those that cannot be staged keep waiting.
void StageWaitingLines(CMainRecords& dlg)
{
    const std::wstring staging = dlg.m_installFolder + STAGING_FILE_NAME;
    std::vector<std::string>& waiting = dlg.m_unstagedRecordLines;
    size_t staged = 0;
    while (staged < waiting.size() && AppendStagedLine(staging, waiting[staged]))
        ++staged;
    waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(staged));
}

}  // namespace

bool MergeStagedRecords(CMainRecords& dlg, bool firstPass, const RecordTime& now)
{
    StageWaitingLines(dlg);
    // Lines left staged by an earlier pass may already be in some of the files: merged by time,
    // nothing is appended twice.
    const bool byTime = firstPass || dlg.m_recordLinesWaiting;
    const bool merged = MergeStagedRecords(dlg.m_installFolder, firstPass, byTime, UnitsOf(dlg), now) &&
                        dlg.m_unstagedRecordLines.empty();
    dlg.m_recordLinesWaiting = !merged;
    return merged;
}

bool MergeNewRecordLine(CMainRecords& dlg, const std::string& line, const RecordTime& now)
{
    dlg.m_unstagedRecordLines.push_back(line);
    return MergeStagedRecords(dlg, false, now);
}
