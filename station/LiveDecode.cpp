// Live blocks: the time stamp and the current readings into value texts, and "record_2min.csv".
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cwchar>

#include "station/CheckValidDate.h"
#include "station/DataDecode.h"
#include "station/DecodeText.h"
#include "station/FileWrites.h"

namespace {

std::atomic<LiveClockSource> g_liveClockSource{nullptr};

LiveClock ComputerLocalTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

bool IsDigit(int nibble) { return nibble <= 9; }

// Byte of the live block rebuilt from the two nibble fields of a high-nibble-first entry.
int ByteOfNibbles(const AddressEntry& entry) { return (entry.fieldValues[0] << 4) | entry.fieldValues[1]; }

// Signed temperature of a pair: low byte (units, tenths), high byte (tens, +0.05, [valid,] sign).
// Returns the marker when a digit of the low byte is not decimal.
std::wstring SignedTemperatureText(const AddressEntry& low, int tens, int halfTenth, int sign)
{
    const int units = low.fieldValues[0];
    const int tenths = low.fieldValues[1];
    if (!IsDigit(units) || !IsDigit(tenths))
        return NibbleMarker(tenths);
    float value = static_cast<float>(tens * 10 + units + tenths * 0.1 + 0.05 * halfTenth);
    if (sign == 0)
        value = -value;
    return TextF2(value);
}

std::wstring HumidityText(const AddressEntry& entry)
{
    const int tens = entry.fieldValues[0];
    const int units = entry.fieldValues[1];
    if (!IsDigit(tens) || !IsDigit(units))
        return NibbleMarker(units);
    return TextD(tens * 10 + units);
}

// Gust or speed: low byte (units, tenths), high byte (hundreds bit, tens), limited to 199.9.
std::wstring WindText(const AddressEntry& low, const AddressEntry& high)
{
    const int units = low.fieldValues[0];
    const int tenths = low.fieldValues[1];
    const int hundreds = high.fieldValues[0];
    const int tens = high.fieldValues[1];
    float value = static_cast<float>(tenths * 0.1 + units + hundreds * 100 + tens * 10);
    if (value > 199.9f)
        value = 199.9f;
    return TextF2(value);
}

// The station's no-data patterns of a wind pair: 0xBB/0x0B "UU", 0xEE/0x0E "MISS"; else "".
std::wstring WindPatternText(const AddressEntry& low, const AddressEntry& high)
{
    const int first = ByteOfNibbles(low);
    const int hundreds = high.fieldValues[0];
    const int tens = high.fieldValues[1];
    if (hundreds != 0)
        return {};
    if (first == 0xBB && tens == 0x0B)
        return L"UU";
    if (first == 0xEE && tens == 0x0E)
        return L"MISS";
    return {};
}

std::string Text(const AddressEntry& entry, int field) { return NarrowText(entry.valueTexts[field]); }

} // namespace

LiveClockSource SetLiveClockForTesting(LiveClockSource source) { return g_liveClockSource.exchange(source); }

void CDataDecode::DecodeTimeStampBlock()
{
    std::vector<AddressEntry>& s = m_stampTable;
    SetFieldText(s[0], 0, TextD(s[0].fieldValues[0]));   // month
    SetFieldText(s[0], 1, TextD(s[0].fieldValues[1]));   // weekday
    SetFieldText(s[1], 0, TextD(s[1].fieldValues[0] * 10 + s[1].fieldValues[1]));   // day
    SetFieldText(s[2], 0, TextD(s[2].fieldValues[0] * 10 + s[2].fieldValues[1]));   // hour
    SetFieldText(s[3], 0, TextP2(s[3].fieldValues[0] * 10 + s[3].fieldValues[1]));  // minute
}

void CDataDecode::DecodeCurrentBlock()
{
    std::vector<AddressEntry>& c = m_currentTable;

    // Indoor temperature and humidity.
    SetFieldText(c[0], 0, SignedTemperatureText(c[0], c[1].fieldValues[0], c[1].fieldValues[1], c[1].fieldValues[2]));
    SetFieldText(c[2], 0, HumidityText(c[2]));

    // Channels 1-5: the valid bit clear means no reading, once the digits are decimal.
    for (int k = 0; k < 5; ++k) {
        AddressEntry& low = c[3 + 3 * k];
        const AddressEntry& high = c[4 + 3 * k];
        std::wstring text;
        if (!IsDigit(low.fieldValues[0]) || !IsDigit(low.fieldValues[1]))
            text = NibbleMarker(low.fieldValues[1]);
        else if (high.fieldValues[2] == 0)
            text = L"UU";
        else
            text = SignedTemperatureText(low, high.fieldValues[0], high.fieldValues[1], high.fieldValues[3]);
        SetFieldText(low, 0, text);
        SetFieldText(c[5 + 3 * k], 0, HumidityText(c[5 + 3 * k]));
    }

    // UV: byte 18 tenths (low nibble) and units (high nibble), byte 19 tens.
    {
        const int tenths = c[18].fieldValues[0];
        const int units = c[18].fieldValues[1];
        const int tens = c[19].fieldValues[0];
        if (!IsDigit(tenths) || !IsDigit(units) || !IsDigit(tens))
            SetFieldText(c[18], 0, NibbleMarker(tenths));
        else
            SetFieldText(c[18], 0, TextF2(tens * 10 + units + tenths * 0.1));
    }

    // Pressure in 1/16 hPa.
    SetFieldText(c[20], 0, TextF2((ByteOfNibbles(c[20]) + 256 * ByteOfNibbles(c[21])) * 0.0625));

    // Forecast flag and code; code 7 means none.
    if (c[22].fieldValues[1] == 7) {
        SetFieldText(c[22], 0, L"UU");
        SetFieldText(c[22], 1, L"UU");
    } else {
        SetFieldText(c[22], 0, TextD(c[22].fieldValues[0]));
        SetFieldText(c[22], 1, TextD(c[22].fieldValues[1]));
    }

    // Wind chill: as a channel temperature, and "UU" outside -99.9..99.9.
    {
        const AddressEntry& high = c[24];
        std::wstring text;
        if (high.fieldValues[2] == 0) {
            text = L"UU";
        } else if (!IsDigit(c[23].fieldValues[0]) || !IsDigit(c[23].fieldValues[1])) {
            text = NibbleMarker(c[23].fieldValues[1]);
        } else {
            float value = static_cast<float>(high.fieldValues[0] * 10 + c[23].fieldValues[0] +
                                             c[23].fieldValues[1] * 0.1 + 0.05 * high.fieldValues[1]);
            if (high.fieldValues[3] == 0)
                value = -value;
            text = (value > 99.9f || value < -99.9f) ? std::wstring(L"UU") : TextF2(value);
        }
        SetFieldText(c[23], 0, text);
    }

    // Gust and average speed.
    SetFieldText(c[25], 0, WindText(c[25], c[26]));
    SetFieldText(c[27], 0, WindText(c[27], c[28]));

    // Direction and status.
    SetFieldText(c[29], 0, CompassWord(c[29].fieldValues[0]));
    SetFieldText(c[29], 1, WindStatusText(c[29].fieldValues[1]));

    // Rain counter in raw counts.
    SetFieldText(c[30], 0, TextD(ByteOfNibbles(c[30]) + 256 * ByteOfNibbles(c[31])));

    // The no-data patterns of gust and speed win over their numbers.
    const std::wstring gustPattern = WindPatternText(c[25], c[26]);
    if (!gustPattern.empty())
        SetFieldText(c[25], 0, gustPattern);
    const std::wstring speedPattern = WindPatternText(c[27], c[28]);
    if (!speedPattern.empty())
        SetFieldText(c[27], 0, speedPattern);
}

bool CDataDecode::WriteCurrentDump(const std::wstring& path, unsigned long* error)
{
    return WriteWholeFileOrNone(path, L"wt", [this](std::FILE* file) { WriteCurrentDumpTo(file); }, error);
}

void CDataDecode::WriteCurrentDumpTo(std::FILE* file)
{
    const LiveClockSource source = g_liveClockSource.load();
    const LiveClock now = source ? source() : ComputerLocalTime();
    std::fprintf(file, "%s\n", FormatLiveClockLine(now.year, now.month, now.day, now.hour, now.minute).c_str());

    // Year of the stamp, searched back from the year after the last one found.
    const std::vector<AddressEntry>& s = m_stampTable;
    const int month = static_cast<int>(std::wcstol(s[0].valueTexts[0].c_str(), nullptr, 10));
    const int weekday = static_cast<int>(std::wcstol(s[0].valueTexts[1].c_str(), nullptr, 10));
    const int day = static_cast<int>(std::wcstol(s[1].valueTexts[0].c_str(), nullptr, 10));
    long year = -1;
    if (month <= 12)
        year = CCheckValidDate().InferYearFromWeekday(m_liveYear + 1, weekday, month, day);
    // A stamp without a fitting year does not spoil the search for the later ones.
    if (year != -1)
        m_liveYear = static_cast<int32_t>(year);

    std::fprintf(file, "%ld,%s,%s,%s,%s,%s\n", year, Text(s[0], 0).c_str(), Text(s[1], 0).c_str(),
                 Text(s[0], 1).c_str(), Text(s[2], 0).c_str(), Text(s[3], 0).c_str());

    const std::vector<AddressEntry>& c = m_currentTable;
    std::fprintf(file, "%s,%s,%s,%s\n", Text(c[0], 0).c_str(), Text(c[2], 0).c_str(), Text(c[3], 0).c_str(),
                 Text(c[5], 0).c_str());
    std::fprintf(file, "%s,%s,%s,%s,%s,%s\n", Text(c[6], 0).c_str(), Text(c[8], 0).c_str(), Text(c[9], 0).c_str(),
                 Text(c[11], 0).c_str(), Text(c[12], 0).c_str(), Text(c[14], 0).c_str());
    std::fprintf(file, "%s,%s,%s,%s,%s,%s,%s,%s\n", Text(c[15], 0).c_str(), Text(c[17], 0).c_str(),
                 Text(c[18], 0).c_str(), Text(c[20], 0).c_str(), Text(c[22], 0).c_str(), Text(c[22], 1).c_str(),
                 Text(c[23], 0).c_str(), Text(c[25], 0).c_str());
    std::fprintf(file, "%s,%s,%s,%s\n", Text(c[27], 0).c_str(), Text(c[29], 0).c_str(), Text(c[29], 1).c_str(),
                 Text(c[30], 0).c_str());
}
