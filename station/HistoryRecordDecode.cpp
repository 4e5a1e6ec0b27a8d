// History records: the value texts of one record, and the newest record as one text line.
#include "station/HistoryRecordDecode.h"

#include <cwchar>

#include "station/CheckValidDate.h"
#include "station/DecodeText.h"

namespace {

inline int Hi(uint8_t b) { return b >> 4; }
inline int Lo(uint8_t b) { return b & 0x0F; }

void Put(AddressEntry& entry, int field, std::wstring text)
{
    CDataDecode::SetValueText(entry, field, std::move(text));
}

// Temperature over bytes x, y: units hi(x), tenths lo(x), tens lo(y), +0.05 bit 5, positive bit 7.
// Units and tenths are checked; a channel also needs its presence bit (bit 6 of y).
std::wstring RecordTemperature(uint8_t x, uint8_t y, bool channel)
{
    const int tenths = Lo(x), units = Hi(x), tens = Lo(y);
    if (tenths > 9 || units > 9)
        return NibbleMarker(tenths);
    if (channel && !(y & 0x40))
        return L"OUT";
    double value = units + 10.0 * tens + 0.1 * tenths + 0.05 * ((y >> 5) & 1);
    if (!(y & 0x80))
        value = -value;
    return TextF2(value);
}

std::wstring RecordHumidity(uint8_t h)
{
    if (Hi(h) > 9 || Lo(h) > 9)
        return NibbleMarker(Lo(h));
    return TextD(10 * Hi(h) + Lo(h));
}

// Wind speed over bytes x, y: units hi(x), tenths lo(x), tens lo(y), hundreds bit 4 of y; at most
// 199.9. The station's patterns 0xBB 0x0B and 0xEE 0x0E read "UU" and "MISS".
std::wstring RecordWind(uint8_t x, uint8_t y)
{
    const int tenths = Lo(x), units = Hi(x), tens = Lo(y), hundreds = (y >> 4) & 1;
    float value = static_cast<float>(units + 10.0 * tens + 100.0 * hundreds + 0.1 * tenths);
    if (value > 199.9f)
        value = 199.9f;
    if (hundreds == 0 && tenths == 11 && units == 11 && tens == 11)
        return L"UU";
    if (hundreds == 0 && tenths == 14 && units == 14 && tens == 14)
        return L"MISS";
    return TextF2(value);
}

int TextNumber(const std::wstring& text)
{
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

const int kChannelTemperature[5] = {7, 10, 13, 17, 20};
const int kChannelHumidity[5] = {9, 12, 16, 19, 22};

} // namespace

void FormHistoryRecordTexts(AddressEntry* r)
{
    auto b = [r](int k) { return r[k].rawByte; };

    Put(r[0], 0, TextD(Lo(b(0))));                               // month
    Put(r[0], 1, TextD(Hi(b(0))));                               // weekday
    Put(r[1], 0, TextD(10 * ((b(1) >> 4) & 3) + Lo(b(1))));      // day
    Put(r[2], 0, TextD(10 * ((b(2) >> 4) & 3) + Lo(b(2))));      // hour
    Put(r[3], 0, TextP2(10 * Hi(b(3)) + Lo(b(3))));              // minute

    Put(r[4], 0, RecordTemperature(b(4), b(5), false));
    Put(r[6], 0, RecordHumidity(b(6)));
    for (int c = 0; c < 5; ++c) {
        const int t = kChannelTemperature[c];
        Put(r[t], 0, RecordTemperature(b(t), b(t + 1), true));
        Put(r[kChannelHumidity[c]], 0, RecordHumidity(b(kChannelHumidity[c])));
    }

    // UV: units hi(23), tenths lo(23), tens lo(24); unsigned.
    {
        const int tenths = Lo(b(23)), units = Hi(b(23)), tens = Lo(b(24));
        if (tenths > 9 || units > 9 || tens > 9)
            Put(r[23], 0, NibbleMarker(tenths));
        else
            Put(r[23], 0, TextF2(units + 10.0 * tens + 0.1 * tenths));
    }

    Put(r[25], 0, TextF2((b(25) + 256.0 * b(26)) * 0.0625));      // pressure, hPa

    if ((b(27) & 0x07) == 7) {
        Put(r[27], 0, L"UU");
        Put(r[27], 1, L"UU");
    } else {
        Put(r[27], 0, TextD((b(27) >> 3) & 1));                  // forecast flag
        Put(r[27], 1, TextD(b(27) & 0x07));                      // forecast code
    }

    // Wind chill: present with bit 6 of 29; its digits are not checked.
    if (!(b(29) & 0x40)) {
        Put(r[28], 0, L"OUT");
    } else {
        double value = Hi(b(28)) + 10.0 * Lo(b(29)) + 0.1 * Lo(b(28)) + 0.05 * ((b(29) >> 5) & 1);
        if (!(b(29) & 0x80))
            value = -value;
        Put(r[28], 0, TextF2(value));
    }

    Put(r[30], 0, RecordWind(b(30), b(31)));                     // gust
    Put(r[32], 0, RecordWind(b(32), b(33)));                     // average speed
    Put(r[34], 0, CompassWord(Lo(b(34))));
    Put(r[34], 1, WindStatusText(Hi(b(34))));
    Put(r[35], 0, TextD(b(35) + 256 * b(36)));                   // rain counter
}

bool IsRecordLineMarker(const std::wstring& text)
{
    return text == L"OUT" || text == L"MISS" || text == L"UU" || text == L"HH" || text == L"LL";
}

std::wstring BuildRecordLine(const AddressEntry* r, int referenceYear)
{
    auto text = [r](int k, int field) -> const std::wstring& { return r[k].valueTexts[field]; };

    const int weekday = TextNumber(text(0, 1));
    const int month = TextNumber(text(0, 0));
    const int day = TextNumber(text(1, 0));
    const int hour = TextNumber(text(2, 0));
    const int minute = TextNumber(text(3, 0));
    int year = -1;
    if (month <= 12) {
        CCheckValidDate dates;
        year = dates.InferYearFromWeekday(referenceYear, weekday, month, day);
    }

    wchar_t head[96];
    std::swprintf(head, 96, L"%d,%d,%d,%d,%d,%d", year, weekday, month, day, hour, minute);
    std::wstring line = head;
    auto field = [&line](const std::wstring& value) {
        line += L',';
        line += IsRecordLineMarker(value) ? std::wstring(L" ") : value;
    };
    field(text(4, 0));
    field(text(6, 0));
    for (int c = 0; c < 5; ++c) {
        field(text(kChannelTemperature[c], 0));
        field(text(kChannelHumidity[c], 0));
    }
    field(text(23, 0));
    field(text(25, 0));
    field(text(27, 1));
    field(text(28, 0));
    field(text(30, 0));
    field(text(32, 0));
    field(TextD(Lo(r[34].rawByte)));
    field(text(35, 0));
    return line;
}

void CDataDecode::DecodeHistoryRecords(int referenceYear)
{
    if (m_historyPairTable.size() < static_cast<size_t>(HISTORY_RECORD_SIZE))
        return;
    FormHistoryRecordTexts(&m_historyPairTable[0]);
    m_latestRecordLine = BuildRecordLine(&m_historyPairTable[0], referenceYear);
}
