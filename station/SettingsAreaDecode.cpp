// The settings area (0x00..0xFB), the memory information (0xFC..0xFE) and the whole-memory decode that
// runs after every range read and every whole-memory read.
#include <cstdint>

#include "station/DataDecode.h"
#include "station/DecodeText.h"

namespace {

inline int Hi(uint8_t b) { return b >> 4; }
inline int Lo(uint8_t b) { return b & 0x0F; }
inline int Bit(uint8_t b, int n) { return (b >> n) & 1; }

// Temperature over bytes x, y of the alarm block: only the tenths digit is checked.
std::wstring AlarmTemperature(uint8_t x, uint8_t y)
{
    if (Lo(x) > 9)
        return NibbleMarker(Lo(x));
    double value = Hi(x) + 10.0 * Lo(y) + 0.1 * Lo(x);
    if (!(y & 0x80))
        value = -value;
    return TextF2(value);
}

const wchar_t* const kSizeTexts[4] = {L"64K", L"256K", L"1M", L"512K"};
const wchar_t* const kIntervalTexts[12] = {L"UU",    L"5min", L"10min", L"20min", L"30min", L"1Hr",
                                           L"1.5Hr", L"2Hr",  L"3Hr",   L"4Hr",   L"6Hr",   L"1Day"};

const wchar_t kChecksumErrorText[] = L"ChkErr";

} // namespace

void CDataDecode::SetValueText(AddressEntry& entry, int field, std::wstring text)
{
    if (field < 0 || field >= static_cast<int>(entry.valueTexts.size()))
        return;
    entry.valueTexts[field] = std::move(text);
}

std::wstring CDataDecode::HexTextAt(int address, int field) const
{
    if (address < 0 || address >= static_cast<int>(m_addressTable.size()))
        return std::wstring();
    const AddressEntry& entry = m_addressTable[address];
    if (field < 0 || field >= static_cast<int>(entry.valueTexts.size()))
        return std::wstring();
    const std::wstring& text = entry.valueTexts[field];
    if (text == kChecksumErrorText)
        return text;
    return HexTextOf(text);
}

std::wstring CDataDecode::ValueTextAt(int address, int field) const
{
    if (address < 0 || address >= static_cast<int>(m_addressTable.size()))
        return std::wstring();
    const AddressEntry& entry = m_addressTable[address];
    if (field < 0 || field >= static_cast<int>(entry.valueTexts.size()))
        return std::wstring();
    return entry.valueTexts[field];
}

void CDataDecode::DecodeLocationBlock(int base, bool firstBlock)
{
    auto b = [this](int a) { return m_addressTable[a].rawByte; };
    auto put = [this](int a, int field, std::wstring text) { SetValueText(m_addressTable[a], field, std::move(text)); };
    const uint8_t zone = b(base + 5);   // 0x0B / 0x1B
    const uint8_t flags = b(base + 4);  // 0x0A / 0x1A

    put(base + 0, 0, TextP2(Hi(b(base + 0)) + 10 * Lo(b(base + 0))));                    // latitude degrees
    put(base + 1, 0, TextP2(Hi(b(base + 1)) + 10 * Lo(b(base + 1))));                    // latitude minutes
    put(base + 2, 0, TextP3(Hi(b(base + 2)) + 10 * Lo(b(base + 2)) + 100 * Bit(zone, 4))); // longitude degrees
    put(base + 3, 0, TextP2(Hi(b(base + 3)) + 10 * Lo(b(base + 3))));                    // longitude minutes
    put(base + 4, 0, Bit(flags, 7) ? L"S" : L"N");
    put(base + 4, 1, Bit(flags, 6) ? L"E" : L"W");
    put(base + 4, 2, Bit(flags, 4) ? std::wstring(L"16") : TextD(Lo(zone)));
    put(base + 4, 3, Bit(flags, 3) ? L"-" : L"+");
    switch (flags & 3) {
    case 0: put(base + 4, 4, L"0min"); break;
    case 3: put(base + 4, 4, L"30min"); break;
    default: put(base + 4, 4, L"E"); break;
    }
    put(base + 5, 0, TextD(Lo(zone)));
    put(base + 6, 0, TextD(16 * Hi(b(base + 6)) + Lo(b(base + 7))));                    // city number
    if (firstBlock)
        put(base + 6, 1, TextD(Lo(b(base + 6))));
    put(base + 7, 0, TextD(Hi(b(base + 7))));
}

void CDataDecode::ApplyUserCityRule(int base)
{
    if (m_addressTable[base + 6].valueTexts[0] == L"123")
        return;
    for (int offset : {0, 1, 2, 3, 7})
        SetValueText(m_addressTable[base + offset], 0, L"U");
    for (int k = 0; k < 5; ++k)
        SetValueText(m_addressTable[base + 4], k, L"U");
}

void CDataDecode::DecodeSettingsArea()
{
    if (m_addressTable.size() < static_cast<size_t>(SETTINGS_AREA_SIZE))
        return;
    auto b = [this](int a) { return m_addressTable[a].rawByte; };
    auto put = [this](int a, int field, std::wstring text) { SetValueText(m_addressTable[a], field, std::move(text)); };

    // The next record's address is found again from the memory information.
    m_nextRecordAddress = 0;

    // Clock and display settings (0x00..0x05, 0x0E).
    put(0x00, 0, TextP2(Hi(b(0x00)) + 10 * (b(0x00) & 7)));
    put(0x00, 1, TextD(Bit(b(0x00), 3)));
    put(0x01, 0, TextP2(Hi(b(0x01)) + 10 * Lo(b(0x01))));
    put(0x02, 0, TextD(Hi(b(0x02)) + 10 * (b(0x02) & 3)));
    switch ((b(0x02) >> 2) & 3) {
    case 0: put(0x02, 1, L"1"); break;
    case 3: put(0x02, 1, L"0"); break;
    default: put(0x02, 1, L"Err"); break;
    }
    put(0x03, 0, TextD(Hi(b(0x03)) + 10 * (b(0x03) & 3)));
    put(0x03, 1, TextD((b(0x03) >> 2) & 3));
    {
        const int year = Hi(b(0x04)) + 10 * Lo(b(0x04));
        put(0x04, 0, TextYear2(year));
        if (m_liveYear == -999)
            m_liveYear = 2000 + year;
    }
    put(0x05, 0, TextD(Hi(b(0x05)) + 10 * Bit(b(0x05), 0)));
    put(0x05, 1, TextD((b(0x05) >> 1) & 7));
    DecodeLocationBlock(0x06, true);
    put(0x0E, 0, Bit(b(0x0E), 2) ? L"24HR" : L"12HR");
    put(0x0E, 1, Bit(b(0x0E), 1) ? L"MONTH-DAY" : L"DAY-MONTH");

    // Alarm block at 0x10 and its two temperatures.
    put(0x10, 0, TextD(Hi(b(0x10)) + 10 * (b(0x10) & 3)));
    put(0x10, 1, TextD(Bit(b(0x10), 3)));
    put(0x10, 2, TextD(Bit(b(0x10), 2)));
    put(0x11, 0, TextP2(Hi(b(0x11)) + 10 * Lo(b(0x11))));
    put(0x12, 0, TextD(Hi(b(0x12)) + 10 * (b(0x12) & 3)));
    put(0x12, 1, TextD(Bit(b(0x12), 3)));
    put(0x13, 0, TextP2(Hi(b(0x13)) + 10 * Lo(b(0x13))));
    put(0x14, 0, TextD(15 * Hi(b(0x14))));
    put(0x14, 1, TextD(Lo(b(0x14))));
    DecodeLocationBlock(0x16, false);
    put(0x1F, 0, AlarmTemperature(b(0x1F), b(0x20)));
    put(0x21, 0, AlarmTemperature(b(0x21), b(0x22)));

    // Extremes, flags, three-digit values (0x24..0x58) and the extra values (0xAA..0xB3).
    DecodeMinMaxArea();

    // Altitude.
    {
        int altitude = b(0x5A) + 256 * b(0x5B);
        if (Bit(b(0x5C), 3))
            altitude = -altitude;
        put(0x5A, 0, TextD(altitude));
    }

    // Pressure history: time stamp of the newest value, then 25 values of two bytes, low byte first.
    put(0x60, 0, TextD(Lo(b(0x60))));
    put(0x60, 1, TextD(Hi(b(0x60))));
    put(0x61, 0, TextD(10 * ((b(0x61) >> 4) & 3) + Lo(b(0x61))));
    put(0x62, 0, TextD(10 * ((b(0x62) >> 4) & 3) + Lo(b(0x62))));
    put(0x63, 0, TextP2(10 * Hi(b(0x63)) + Lo(b(0x63))));
    {
        auto pressure = [&](int low, int high) { put(low, 0, TextF2((b(low) + 256.0 * b(high)) * 0.0625)); };
        for (int a = 0x64; a <= 0x78; a += 2)
            pressure(a, a + 1);
        pressure(0x7A, 0x7C);   // the group checksum at 0x7B lies between the two bytes
        for (int a = 0x7D; a <= 0x95; a += 2)
            pressure(a, a + 1);
    }

    // Version bytes.
    for (int a = 0x98; a <= 0x9C; ++a)
        put(a, 0, TextHexByte(b(a)));

    // Alarm block at 0xA0.
    put(0xA0, 0, TextD(Bit(b(0xA0), 2)));
    put(0xA0, 1, TextD(Bit(b(0xA0), 1)));
    put(0xA0, 2, TextD(Bit(b(0xA0), 0)));
    put(0xA1, 0, TextD(Lo(b(0xA1)) + 10 * Hi(b(0xA1)) + 100 * Lo(b(0xA2)) + 1000 * Hi(b(0xA2))));
    {
        const int wind = Hi(b(0xA4)) + 10 * Lo(b(0xA5)) + 100 * Hi(b(0xA5));
        put(0xA4, 0, wind >= 1 && wind <= 199 ? TextD(wind) : std::wstring(L"UU"));
    }
    put(0xA7, 0, TextD(Hi(b(0xA7)) + 10 * Lo(b(0xA8)) + 100 * Hi(b(0xA8))));

    // Years of the 25 newest records, and 0xFB.
    for (int a = 0xE1; a <= 0xF9; ++a)
        put(a, 0, TextYear2(10 * Hi(b(a)) + Lo(b(a))));
    put(0xFB, 0, TextYear2(10 * Hi(b(0xFB)) + Lo(b(0xFB))));

    // Memory information.
    {
        const int code = b(0xFC) & 3;
        put(0xFC, 0, kSizeTexts[code]);
        m_usedMemorySize = MemorySizeFromCode(code);
        m_nextRecordAddress = NextRecordAddressFromIndex(HistoryIndexFromBytes(b(0xFD), b(0xFF)));
        put(0xFD, 0, TextD(m_nextRecordAddress));
        const int interval = 10 * Hi(b(0xFE)) + Lo(b(0xFE));
        put(0xFE, 0, kIntervalTexts[interval >= 1 && interval <= 11 ? interval : 0]);
    }

    // Every history slot.
    DecodeHistorySlots();

    // Coordinates and zone of a predefined city are not shown.
    ApplyUserCityRule(0x06);
    ApplyUserCityRule(0x16);

    // Years and intervals of the records.
    BuildRecordYearsAndSeconds();

    // Failed checksum groups.
    MarkBadChecksumGroups();
    MarkChecksumErrorTexts();
}

void CDataDecode::MarkChecksumErrorTexts()
{
    int end = m_stationMemorySize < STATION_IMAGE_SIZE ? m_stationMemorySize : STATION_IMAGE_SIZE;
    // Marks are refreshed only up to the end of the ring's last whole slot.
    const int ringEnd = m_usedMemorySize > HISTORY_BASE ? HistoryRingEnd(m_usedMemorySize) : SETTINGS_AREA_SIZE;
    if (end > ringEnd)
        end = ringEnd;
    for (int a = 0; a < end; ++a) {
        if (m_checksumErrors[a] != 1)
            continue;
        // The hex texts follow: HexTextAt gives "ChkErr" for these.
        for (std::wstring& text : m_addressTable[a].valueTexts)
            text = kChecksumErrorText;
    }
}
