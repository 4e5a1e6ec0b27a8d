#include "app/RecordLine.h"

#include "records/MissingValue.h"
#include "records/ReadingsRecord.h"
#include "records/RecordFileIndex.h"

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

// The record's values and the rain since the reset: "values,rain," (empty when the record line has
// no rain counter).
std::wstring RecordPartOf(const std::wstring& recordLine, double rainAtResetMm)
{
    const size_t comma = recordLine.rfind(L',');
    if (comma == std::wstring::npos)
        return std::wstring();
    double counts = 0;
    if (!TryParseReading(std::wstring_view(recordLine).substr(comma + 1), &counts))
        return std::wstring();
    std::wstring line = recordLine.substr(0, comma);
    line += L",";
    line += OneDecimal(RainCountsToMm(counts) - rainAtResetMm);
    line += L",";
    return line;
}

}  // namespace

bool LineHasRealTime(const std::wstring& line, RecordTime* time)
{
    std::string narrow;
    narrow.reserve(line.size());
    for (wchar_t c : line)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    RecordTime t;
    if (!RecordTimeOfLine(narrow, ',', &t))
        return false;
    if (time != nullptr)
        *time = t;
    return true;
}

int RecordIntervalMinutes(int selection)
{
    static const int kMinutes[] = {5, 10, 20, 30, 60, 90, 120, 180, 240, 300, 1440};
    return selection >= 0 && selection < static_cast<int>(sizeof kMinutes / sizeof kMinutes[0]) ? kMinutes[selection]
                                                                                                : 0;
}

std::wstring BuildHistoryRecordLine(const std::wstring& recordLine, double rainAtResetMm)
{
    std::wstring line = RecordPartOf(recordLine, rainAtResetMm);
    return LineHasRealTime(line) ? line : std::wstring();
}

std::wstring BuildRecordLine(const RecordLineSources& sources, double rainAtResetMm)
{
    std::wstring line = RecordPartOf(sources.latest, rainAtResetMm);
    if (line.empty())
        return line;
    line += L",,";

    double mm = 0;
    line += RainCounterMm(sources.value174, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    line += RainCounterMm(sources.value176, &mm) ? OneDecimal(mm) + L", " : std::wstring(L", ");
    line += RainCounterMm(sources.value178, &mm) ? OneDecimal(mm) + L"," : std::wstring(L", ");
    double value = 0;
    line += TryParseReading(sources.bcd7, &value) ? OneDecimal(value) + L"," : std::wstring(L", ");
    if (TryParseReading(sources.bcd0, &value))
        line += OneDecimal(value);
    // A record of no real date (a station whose memory was just cleared) is no record.
    return LineHasRealTime(line) ? line : std::wstring();
}
