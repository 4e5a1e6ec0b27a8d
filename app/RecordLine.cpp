#include "app/RecordLine.h"

#include "records/MissingValue.h"
#include "records/ReadingsRecord.h"

#include <cwchar>

namespace {

std::wstring OneDecimal(double value)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%.1f", value);
    return text;
}

// A rain counter text of the station as millimetres; false for a marker text or a non-number.
bool RainCounterMm(const std::string& text, double* mm)
{
    double counts = 0;
    if (!TryParseReading(text, &counts))
        return false;
    *mm = RainCountsToMm(counts);
    return true;
}

}  // namespace

std::wstring BuildRecordLine(const RecordLineSources& sources, double rainAtResetMm)
{
    const size_t comma = sources.latest.rfind(L',');
    if (comma == std::wstring::npos)
        return std::wstring();
    double counts = 0;
    if (!TryParseReading(std::wstring_view(sources.latest).substr(comma + 1), &counts))
        return std::wstring();

    std::wstring line = sources.latest.substr(0, comma);
    line += L",";
    line += OneDecimal(RainCountsToMm(counts) - rainAtResetMm);
    line += L",,,";

    double mm = 0;
    line += RainCounterMm(sources.value174, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    line += RainCounterMm(sources.value176, &mm) ? OneDecimal(mm) + L", " : std::wstring(L", ");
    line += RainCounterMm(sources.value178, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    double value = 0;
    line += TryParseReading(sources.bcd7, &value) ? OneDecimal(value) + L"," : std::wstring(L", ");
    if (TryParseReading(sources.bcd0, &value))
        line += OneDecimal(value);
    return line;
}
