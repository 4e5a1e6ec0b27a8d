// Value texts of a history record and the newest record as one line.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "station/DataDecode.h"
#include "station/HistoryRecordDecode.h"
#include "station/SystemKV318.h"
#include "tests/station/DecodeFixture.h"

using decodetest::Narrow;

namespace {

// A record table of its own: 38 entries with the history layout, raw bytes from `bytes`.
class RecordTexts {
public:
    explicit RecordTexts(const std::array<uint8_t, 38>& bytes)
    {
        m_entries.resize(38);
        for (int k = 0; k < 38; ++k) {
            const int count = g_historyLayout[k].fieldCount;
            m_entries[k].fieldValues.assign(count, 0);
            m_entries[k].valueTexts.assign(count, std::wstring());
            m_entries[k].hexTexts.assign(count, std::wstring());
            m_entries[k].rawByte = bytes[k];
        }
        FormHistoryRecordTexts(m_entries.data());
    }
    std::string operator()(int offset, int field = 0) const { return Narrow(m_entries[offset].valueTexts[field]); }
    std::string Line(int referenceYear) const { return Narrow(BuildRecordLine(m_entries.data(), referenceYear)); }

private:
    std::vector<AddressEntry> m_entries;
};

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.push_back("");
    return fields;
}

// A plausible record: 2009-03-01 (a Sunday) 14:07, every sensor present.
std::array<uint8_t, 38> SundayRecord()
{
    std::array<uint8_t, 38> r{};
    r[0] = 0x73;                 // weekday 7, month 3
    r[1] = 0x01;                 // day 1
    r[2] = 0x14;                 // hour 14
    r[3] = 0x07;                 // minute 07
    r[4] = 0x35; r[5] = 0xA2;    // indoor 23.55
    r[6] = 0x45;                 // 45 %
    const int temps[5] = {7, 10, 13, 17, 20};
    const int hums[5] = {9, 12, 16, 19, 22};
    for (int c = 0; c < 5; ++c) {
        r[temps[c]] = 0x52;      // 5 units, 2 tenths
        r[temps[c] + 1] = 0xC1;  // tens 1, present, positive: 15.20
        r[hums[c]] = 0x60 + c;   // 60 .. 64
    }
    r[23] = 0x34; r[24] = 0x00;  // UV 3.4
    r[25] = 0x55; r[26] = 0x3F;  // 1013.3125 hPa
    r[27] = 0x0A;                // flag 1, code 2
    r[28] = 0x45; r[29] = 0xC1;  // wind chill 14.5
    r[30] = 0x23; r[31] = 0x01;  // gust 12.3
    r[32] = 0x87; r[33] = 0x00;  // speed 8.7
    r[34] = 0x05;                // ESE, DEFAULT
    r[35] = 0xD2; r[36] = 0x04;  // rain 1234
    return r;
}

TEST(HistoryRecordTexts, AllZeroSlot)
{
    RecordTexts t(std::array<uint8_t, 38>{});
    EXPECT_EQ("0", t(0, 0));
    EXPECT_EQ("0", t(0, 1));
    EXPECT_EQ("0", t(1));
    EXPECT_EQ("0", t(2));
    EXPECT_EQ("00", t(3));
    EXPECT_EQ("-0.00", t(4)) << "zero digits with the sign bit clear are negated";
    EXPECT_EQ("0", t(6));
    for (int offset : {7, 10, 13, 17, 20, 28})
        EXPECT_EQ("OUT", t(offset)) << offset;
    for (int offset : {9, 12, 16, 19, 22})
        EXPECT_EQ("0", t(offset)) << offset;
    EXPECT_EQ("0.00", t(23));
    EXPECT_EQ("0.00", t(25));
    EXPECT_EQ("0", t(27, 0));
    EXPECT_EQ("0", t(27, 1));
    EXPECT_EQ("0.00", t(30));
    EXPECT_EQ("0.00", t(32));
    EXPECT_EQ("N", t(34, 0));
    EXPECT_EQ("DEFAULT", t(34, 1));
    EXPECT_EQ("0", t(35));
    EXPECT_EQ("", t(15)) << "checksums get no text";
    EXPECT_EQ("", t(37));
}

TEST(HistoryRecordTexts, PlausibleRecord)
{
    RecordTexts t(SundayRecord());
    EXPECT_EQ("3", t(0, 0));
    EXPECT_EQ("7", t(0, 1));
    EXPECT_EQ("1", t(1));
    EXPECT_EQ("14", t(2));
    EXPECT_EQ("07", t(3));
    EXPECT_EQ("23.55", t(4));
    EXPECT_EQ("45", t(6));
    EXPECT_EQ("15.20", t(7));
    EXPECT_EQ("60", t(9));
    EXPECT_EQ("62", t(16)) << "channel 3's humidity steps over the checksum at 15";
    EXPECT_EQ("15.20", t(17));
    EXPECT_EQ("64", t(22));
    EXPECT_EQ("3.40", t(23));
    EXPECT_EQ("1013.31", t(25));
    EXPECT_EQ("1", t(27, 0));
    EXPECT_EQ("2", t(27, 1));
    EXPECT_EQ("14.50", t(28));
    EXPECT_EQ("12.30", t(30));
    EXPECT_EQ("8.70", t(32));
    EXPECT_EQ("ESE", t(34, 0));
    EXPECT_EQ("1234", t(35));
}

TEST(HistoryRecordTexts, TemperatureRule)
{
    auto r = SundayRecord();
    r[7] = 0x52; r[8] = 0xE2;    // bits 7, 6, 5, tens 2
    r[10] = 0x52; r[11] = 0xA2;  // presence bit clear
    r[13] = 0x5C; r[14] = 0xC2;  // tenths 12
    r[17] = 0xB3; r[18] = 0xC2;  // units 11, tenths 3: "UU"
    r[20] = 0x25; r[21] = 0x4F;  // tens 15 is not checked; negative
    r[4] = 0xB5; r[5] = 0x82;    // indoor: units 11, tenths 5
    RecordTexts t(r);
    EXPECT_EQ("25.25", t(7));
    EXPECT_EQ("OUT", t(10));
    EXPECT_EQ("LL", t(13));
    EXPECT_EQ("UU", t(17));
    EXPECT_EQ("-152.50", t(20));
    EXPECT_EQ("UU", t(4));
}

TEST(HistoryRecordTexts, HumidityUvForecastWindDirection)
{
    auto r = SundayRecord();
    r[6] = 0xAB;                 // hi 10: marker of lo 11
    r[9] = 0x5C;                 // lo 12
    r[23] = 0x3B; r[24] = 0x00;  // UV tenths 11
    r[27] = 0x0F;
    r[30] = 0xBB; r[31] = 0x0B;
    r[32] = 0xEE; r[33] = 0x0E;
    r[34] = 0xD3;
    RecordTexts t(r);
    EXPECT_EQ("HH", t(6));
    EXPECT_EQ("LL", t(9));
    EXPECT_EQ("HH", t(23));
    EXPECT_EQ("UU", t(27, 0));
    EXPECT_EQ("UU", t(27, 1));
    EXPECT_EQ("UU", t(30));
    EXPECT_EQ("MISS", t(32));
    EXPECT_EQ("ENE", t(34, 0));
    EXPECT_EQ("CLEAR", t(34, 1));

    r[27] = 0x0B;
    r[30] = 0xBB; r[31] = 0x1B;  // hundreds bit set: 222.1 is limited
    r[32] = 0x99; r[33] = 0x19;  // 199.9 itself
    r[23] = 0x99; r[24] = 0x0A;  // UV tens 10
    RecordTexts u(r);
    EXPECT_EQ("1", u(27, 0));
    EXPECT_EQ("3", u(27, 1));
    EXPECT_EQ("199.90", u(30));
    EXPECT_EQ("199.90", u(32));
    EXPECT_EQ("UU", u(23));

    r[30] = 0x99; r[31] = 0x1A;  // 209.9
    r[28] = 0xFF; r[29] = 0x7F;  // wind chill digits unchecked: 15 + 150 + 1.5 + 0.05, negative
    RecordTexts v(r);
    EXPECT_EQ("199.90", v(30));
    EXPECT_EQ("-166.55", v(28));
}

TEST(LatestRecordLine, PlausibleRecordHas26Fields)
{
    RecordTexts t(SundayRecord());
    const std::string line = t.Line(2010);
    EXPECT_EQ("2009,7,3,1,14,7,23.55,45,15.20,60,15.20,61,15.20,62,15.20,63,15.20,64,3.40,1013.31,2,14.50,"
              "12.30,8.70,5,1234",
              line);
    EXPECT_EQ(26u, SplitFields(line).size());
    // On a Sunday in March of the reference year the year is the reference year.
    EXPECT_EQ("2009", SplitFields(t.Line(2009))[0]);
}

TEST(LatestRecordLine, MarkersBecomeOneBlankField)
{
    auto r = SundayRecord();
    r[10] = 0x25; r[11] = 0x81;  // channel 2 absent: "OUT"
    r[4] = 0xB5; r[5] = 0x82;    // indoor "UU"
    r[6] = 0xBB;                 // "HH"
    r[16] = 0xCC;                // channel 3 humidity "LL"
    r[27] = 0x0F;                // forecast "UU"
    r[28] = 0x00; r[29] = 0x00;  // wind chill "OUT"
    r[30] = 0xEE; r[31] = 0x0E;  // gust "MISS"
    r[32] = 0xBB; r[33] = 0x0B;  // speed "UU"
    RecordTexts t(r);
    const std::vector<std::string> f = SplitFields(t.Line(2010));
    ASSERT_EQ(26u, f.size());
    EXPECT_EQ(" ", f[6]);   // indoor temperature
    EXPECT_EQ(" ", f[7]);   // indoor humidity
    EXPECT_EQ(" ", f[10]);  // channel 2 temperature: never "O T"
    EXPECT_EQ("61", f[11]);
    EXPECT_EQ(" ", f[13]);  // channel 3 humidity
    EXPECT_EQ(" ", f[20]);  // forecast code
    EXPECT_EQ(" ", f[21]);  // wind chill
    EXPECT_EQ(" ", f[22]);  // gust
    EXPECT_EQ(" ", f[23]);  // speed
    EXPECT_EQ("1234", f[25]);
}

TEST(LatestRecordLine, MonthAboveTwelveGivesYearMinusOne)
{
    auto r = SundayRecord();
    r[0] = 0x7D;   // month 13
    RecordTexts t(r);
    const std::vector<std::string> f = SplitFields(t.Line(2010));
    EXPECT_EQ("-1", f[0]);
    EXPECT_EQ("13", f[2]);
    EXPECT_EQ("1", f[3]);
}

// The longest line a corrupt record can produce reaches the station object's getter whole: its last
// field is the rain counter, which the current-record line takes from there.
TEST(LatestRecordLine, LongestLineIsNotCut)
{
    std::array<uint8_t, 38> r{};
    r.fill(0x7F);   // digits 7 and 15 everywhere, presence bits set, signs negative
    r[0] = 0x6C;    // month 12, so a year is searched
    r[1] = 0x3F; r[2] = 0x3F; r[3] = 0xFF;
    for (int t : {4, 7, 10, 13, 17, 20}) { r[t] = 0x99; r[t + 1] = 0x6F; }   // -159.95 / -159.90
    for (int h : {6, 9, 12, 16, 19, 22}) r[h] = 0x99;
    r[23] = 0x99; r[24] = 0x09;   // 99.90
    r[25] = 0xFF; r[26] = 0xFF;   // 4095.94
    r[27] = 0x06;
    r[28] = 0xFF; r[29] = 0x6F;   // -166.55
    r[30] = 0x99; r[31] = 0x19;
    r[32] = 0x99; r[33] = 0x19;
    r[34] = 0x0F;
    r[35] = 0xFF; r[36] = 0xFE;   // 65279
    RecordTexts t(r);
    const std::string line = t.Line(2010);
    EXPECT_GT(line.size(), 127u);
    ASSERT_EQ(26u, SplitFields(line).size());
    EXPECT_EQ("65279", SplitFields(line)[25]);

    g_dataDecode.m_latestRecordLine = std::wstring(line.begin(), line.end());
    const std::string viaStation = g_systemKV318.GetLatestRecordLineStr();
    EXPECT_EQ(line, viaStation);
    g_dataDecode.m_latestRecordLine.clear();
}

TEST(LatestRecordLine, DecodesTheFirstRecordOfThePairTable)
{
    auto decoder = decodetest::MakeDecoder();
    const auto bytes = SundayRecord();
    uint8_t block[32];
    std::copy(bytes.begin(), bytes.begin() + 32, block);
    decoder->SplitHistoryBlock(0, block);
    uint8_t second[32] = {};
    std::copy(bytes.begin() + 32, bytes.end(), second);
    second[6] = 0xFF;   // bytes of the record after it are not decoded
    decoder->SplitHistoryBlock(32, second);
    decoder->DecodeHistoryRecords(2010);
    EXPECT_EQ("2009,7,3,1,14,7,23.55,45,15.20,60,15.20,61,15.20,62,15.20,63,15.20,64,3.40,1013.31,2,14.50,"
              "12.30,8.70,5,1234",
              Narrow(decoder->GetLatestRecordLine()));
    EXPECT_EQ("ESE", Narrow(decoder->m_historyPairTable[34].valueTexts[0]));
    EXPECT_EQ("", Narrow(decoder->m_historyPairTable[38].valueTexts[0]));
}

} // namespace
