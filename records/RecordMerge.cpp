#include "records/RecordMerge.h"

#include "app/SettingsRecord.h"
#include "records/MainRecords.h"
#include "records/MissingValue.h"
#include "records/RecordFileIo.h"
#include "texts/TextTables.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

const wchar_t* const STAGING_FILE_NAME = L"tmpLastRec.txt";
const wchar_t* const MERGE_TEMP_FILE_NAME = L"txt2csv.txt";

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

// The base of a merge: fields that are not there read 0.
void BaseKeyOf(std::string_view line, int key[5])
{
    int fields[6] = {};
    size_t start = 0;
    for (int f = 0; f < 6 && start <= line.size(); ++f) {
        size_t comma = line.find(',', start);
        size_t end = comma == std::string_view::npos ? line.size() : comma;
        fields[f] = LeadingInt(line.substr(start, end - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    key[0] = fields[COLUMN_YEAR];
    key[1] = fields[COLUMN_MONTH];
    key[2] = fields[COLUMN_DAY];
    key[3] = fields[COLUMN_HOUR];
    key[4] = fields[COLUMN_MINUTE];
}

bool IsLater(const int key[5], const int base[5])
{
    for (int i = 0; i < 5; ++i) {
        if (key[i] != base[i])
            return key[i] > base[i];
    }
    return false;
}

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

void MergeRecordFile(RecordFileKind kind, bool mergeByTime, const std::wstring& sourcePath,
                     const std::wstring& targetPath, const std::wstring& tempPath,
                     const DisplayUnitSelection& units)
{
    UniqueFile source = OpenFile(sourcePath, L"rb");
    if (!source)
        return;

    std::string line;
    bool complete = false;
    long long targetSize = FileSizeOf(targetPath);
    if (targetSize <= 0) {
        // A new (or empty) record file: header row and every staged line, nothing compared.
        UniqueFile target = OpenFile(targetPath, L"wb");
        if (!target)
            return;
        CBufferedWriter out(target.get());
        // The base files always name the base units; the custom files the current display units.
        out.WriteLine(BuildHeaderRow(SeparatorOf(kind), IsCustom(kind) ? units : DisplayUnitSelection()));
        CLineReader reader(source.get());
        while (reader.Next(line, &complete) && complete)
            out.WriteLine(RecordLineFor(kind, line, units));
        return;
    }

    // Copy the target's complete lines into the temporary file (tabs as commas) and find the base line.
    bool targetLacksLineEnd = false;
    {
        UniqueFile target = OpenFile(targetPath, L"rb");
        if (!target)
            return;
        UniqueFile temp = OpenFile(tempPath, L"wb");
        if (!temp)
            return;
        CBufferedWriter out(temp.get());
        CLineReader reader(target.get());
        const bool tabs = SeparatorOf(kind) == '\t';
        while (reader.Next(line, &complete)) {
            if (!complete) {
                targetLacksLineEnd = true;
                break;
            }
            if (tabs)
                for (char& c : line)
                    if (c == '\t')
                        c = ',';
            out.WriteLine(line);
        }
        if (reader.Failed() || !out.Flush()) {
            temp.reset();
            _wremove(tempPath.c_str());
            return;
        }
    }

    UniqueFile target = OpenFile(targetPath, L"ab");
    if (!target) {
        _wremove(tempPath.c_str());
        return;
    }
    int base[5] = {0, 0, 0, 0, 0};
    {
        UniqueFile temp = OpenFile(tempPath, L"rb");
        if (!temp) {
            _wremove(tempPath.c_str());
            return;
        }
        std::string baseLine;
        CLineReader reader(temp.get());
        while (reader.Next(line, &complete))
            if (complete)
                baseLine.swap(line);
        BaseKeyOf(baseLine, base);
    }

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
    out.Flush();
    _wremove(tempPath.c_str());
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

void MergeStagedRecords(const std::wstring& installFolder, bool firstPass, const DisplayUnitSelection& units)
{
    static const RecordFileKind kFirstPassOrder[] = {RecordFileKind::Csv, RecordFileKind::Txt,
                                                     RecordFileKind::CsvCustom, RecordFileKind::TxtCustom};
    static const RecordFileKind kLaterPassOrder[] = {RecordFileKind::Csv, RecordFileKind::CsvCustom,
                                                     RecordFileKind::Txt, RecordFileKind::TxtCustom};
    const std::wstring staging = installFolder + STAGING_FILE_NAME;
    const std::wstring temp = installFolder + MERGE_TEMP_FILE_NAME;
    for (RecordFileKind kind : firstPass ? kFirstPassOrder : kLaterPassOrder)
        MergeRecordFile(kind, firstPass, staging, installFolder + RecordFileName(kind), temp, units);
    for (RecordFileKind kind : kFirstPassOrder)
        CopyToUserFile(installFolder + RecordFileName(kind), installFolder + UserCopyName(kind));
    DeleteStagingFile(staging);
}

void MergeStagedRecords(const CMainRecords& dlg, bool firstPass)
{
    MergeStagedRecords(dlg.m_installFolder, firstPass, UnitsOf(dlg));
}

void MergeIntoCsvDat(const CMainRecords& dlg, bool mergeByTime, const std::wstring& sourcePath,
                     const std::wstring& targetPath)
{
    MergeRecordFile(RecordFileKind::Csv, mergeByTime, sourcePath, targetPath,
                    dlg.m_installFolder + MERGE_TEMP_FILE_NAME, UnitsOf(dlg));
}

void MergeIntoTxtDat(const CMainRecords& dlg, bool mergeByTime, const std::wstring& sourcePath,
                     const std::wstring& targetPath)
{
    MergeRecordFile(RecordFileKind::Txt, mergeByTime, sourcePath, targetPath,
                    dlg.m_installFolder + MERGE_TEMP_FILE_NAME, UnitsOf(dlg));
}

void MergeIntoCsvCustomDat(const CMainRecords& dlg, bool mergeByTime, const std::wstring& sourcePath,
                           const std::wstring& targetPath)
{
    MergeRecordFile(RecordFileKind::CsvCustom, mergeByTime, sourcePath, targetPath,
                    dlg.m_installFolder + MERGE_TEMP_FILE_NAME, UnitsOf(dlg));
}

void MergeIntoTxtCustomDat(const CMainRecords& dlg, bool mergeByTime, const std::wstring& sourcePath,
                           const std::wstring& targetPath)
{
    MergeRecordFile(RecordFileKind::TxtCustom, mergeByTime, sourcePath, targetPath,
                    dlg.m_installFolder + MERGE_TEMP_FILE_NAME, UnitsOf(dlg));
}
