// The lines of the record files: header rows, and staged lines converted for each file.
#include "records/RecordMerge.h"

#include "records/MissingValue.h"
#include "records/RecordNumbers.h"
#include "records/SettingsRecord.h"
#include "texts/TextTables.h"

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

void AppendLineForDisplay(std::string& out, std::string_view line, char inSeparator, char outSeparator,
                          const DisplayUnitSelection& units, CRecordValuesDigest* digest)
{
    size_t start = 0;
    for (int column = 0;; ++column) {
        size_t sep = line.find(inSeparator, start);
        if (sep == std::string_view::npos)
            break; // what follows the last separator is not carried over
        std::string_view field = line.substr(start, sep - start);
        start = sep + 1;
        const bool digested = digest != nullptr && CRecordValuesDigest::Counts(column);
        if (IsEmptyOrBlank(field)) {
            if (digested)
                digest->AddField(std::string_view());
            out += outSeparator;
            continue;
        }
        ColumnQuantity quantity = QuantityOfColumn(column);
        if (quantity == ColumnQuantity::Plain) {
            out.append(field.data(), field.size());
            if (digested)
                digest->AddField(field);
            out += outSeparator;
            continue;
        }
        const size_t written = out.size();
        double value = 0;
        if (ParseRecordNumber(field, &value) && !IsMissing(value))
            AppendFixed2(out, ConvertValue(quantity, value, units));
        if (digested)
            digest->AddField(std::string_view(out).substr(written));
        out += outSeparator;
    }
}

std::string ConvertLineForDisplay(std::string_view line, char inSeparator, char outSeparator,
                                  const DisplayUnitSelection& units)
{
    std::string out;
    out.reserve(line.size() + 16);
    AppendLineForDisplay(out, line, inSeparator, outSeparator, units);
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

