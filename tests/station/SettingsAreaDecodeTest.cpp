// Settings area, memory information, min/max area and the value getters, from byte vectors.
#include <gtest/gtest.h>

#include <vector>

#include "tests/station/DecodeFixture.h"

using decodetest::Narrow;
using decodetest::Text;

namespace {

class SettingsDecode : public ::testing::Test {
protected:
    SettingsDecode() : m_image(STATION_IMAGE_SIZE, 0), m_decoder(decodetest::MakeDecoder()) {}

    // Decodes the image; every settings checksum is made good first unless fixChecksums is false.
    void Decode(int memorySize = 0x2000, bool fixChecksums = true)
    {
        if (fixChecksums)
            stationimage::FixSettingsChecksums(m_image);
        decodetest::LoadImage(*m_decoder, m_image, memorySize);
    }
    void DecodeRaw() { Decode(0x2000, false); }
    std::string T(int address, int field = 0) const { return Text(*m_decoder, address, field); }
    // Makes the settings group first..last good again after bytes were set.
    void FixGroup(int first, int last)
    {
        unsigned sum = 0;
        for (int a = first; a < last; ++a)
            sum += m_image[a];
        m_image[last] = static_cast<uint8_t>(-sum);
    }
    void SetCity(int base, int number)
    {
        m_image[base + 6] = static_cast<uint8_t>((number / 16) << 4 | (m_image[base + 6] & 0x0F));
        m_image[base + 7] = static_cast<uint8_t>((m_image[base + 7] & 0xF0) | (number % 16));
    }

    std::vector<uint8_t> m_image;
    std::unique_ptr<CDataDecode> m_decoder;
};

TEST_F(SettingsDecode, ClockYearsAndDisplayFlags)
{
    m_image[0x04] = 0x70;
    m_image[0x02] = 0x08;   // bits 2-3 = 2
    m_image[0x03] = 0x5E;   // 5 + 10 x 2, bits 2-3 = 3
    m_image[0x0E] = 0x04;
    m_image[0xE1] = 0x09;   // 10 x hi + lo: 9
    m_image[0xE2] = 0x10;   // 10
    Decode();
    EXPECT_EQ("2007", T(0x04));
    EXPECT_EQ("Err", T(0x02, 1));
    EXPECT_EQ("25", T(0x03, 0));
    EXPECT_EQ("3", T(0x03, 1));
    EXPECT_EQ("24HR", T(0x0E, 0));
    EXPECT_EQ("DAY-MONTH", T(0x0E, 1));
    EXPECT_EQ("2009", T(0xE1));
    EXPECT_EQ("2010", T(0xE2));
    EXPECT_EQ(2007, m_decoder->m_liveYear);

    m_image[0x04] = 0x01;   // tens in the low nibble
    m_image[0x02] = 0x00;
    Decode();
    EXPECT_EQ("2010", T(0x04));
    EXPECT_EQ("1", T(0x02, 1));
    EXPECT_EQ(2007, m_decoder->m_liveYear) << "the live year is seeded only once";
}

TEST_F(SettingsDecode, UserCityKeepsCoordinates)
{
    SetCity(0x06, 123);
    m_image[0x08] = 0x50;
    m_image[0x0B] = 0x13;   // bit 4: hundreds of the longitude; zone hours 3
    m_image[0x0A] = 0xCA;   // S, E, zone "-", minutes code 2
    m_image[0x06] = 0x15;   // 1 + 10 x 5 = 51
    m_image[0x09] = 0x70;
    Decode();
    EXPECT_EQ("123", T(0x0C, 0));
    EXPECT_EQ("105", T(0x08));
    EXPECT_EQ("51", T(0x06));
    EXPECT_EQ("07", T(0x09));
    EXPECT_EQ("S", T(0x0A, 0));
    EXPECT_EQ("E", T(0x0A, 1));
    EXPECT_EQ("3", T(0x0A, 2));
    EXPECT_EQ("-", T(0x0A, 3));
    EXPECT_EQ("E", T(0x0A, 4));
    EXPECT_EQ("3", T(0x0B));

    m_image[0x0B] = 0x03;
    m_image[0x0A] = 0x13;   // zone-hours bit: "16" whatever 0x0B holds; minutes code 3
    Decode();
    EXPECT_EQ("005", T(0x08));
    EXPECT_EQ("16", T(0x0A, 2));
    EXPECT_EQ("30min", T(0x0A, 4));
    EXPECT_EQ("N", T(0x0A, 0));
    EXPECT_EQ("W", T(0x0A, 1));
}

// The location writer's bytes and the decoder share one layout: the zone hours are the high nibble
// of 0x0D, and the 0..16 code of bit 4 of 0x0A and the low nibble of 0x0B (text 2 of 0x0A) carries
// the daylight-saving rule (rule 1 is the bit, rule r > 1 the nibble r - 1).
TEST_F(SettingsDecode, LocationAsTheWriterEncodesItDecodesToItsFields)
{
    stationimage::LocationSetting city;
    city.latDegrees = 50; city.latMinutes = 7; city.lonDegrees = 104; city.lonMinutes = 59; city.west = true;
    city.dstRule = 1; city.zonePlus = false; city.zoneHours = 7; city.zoneMinutes = 30; city.cityCode = 123;
    stationimage::SetLocation(m_image, 0, city);
    city.dstRule = 5; city.zoneHours = 11; city.zoneMinutes = 0; city.lonDegrees = 8;
    stationimage::SetLocation(m_image, 1, city);
    Decode();
    EXPECT_EQ("50", T(0x06));
    EXPECT_EQ("07", T(0x07));
    EXPECT_EQ("104", T(0x08));
    EXPECT_EQ("59", T(0x09));
    EXPECT_EQ("W", T(0x0A, 1));
    EXPECT_EQ("16", T(0x0A, 2));
    EXPECT_EQ("-", T(0x0A, 3));
    EXPECT_EQ("30min", T(0x0A, 4));
    EXPECT_EQ("7", T(0x0D));
    EXPECT_EQ("123", T(0x0C));
    EXPECT_EQ("008", T(0x18));
    EXPECT_EQ("4", T(0x1A, 2));
    EXPECT_EQ("4", T(0x1B));
    EXPECT_EQ("0min", T(0x1A, 4));
    EXPECT_EQ("11", T(0x1D));
    EXPECT_EQ("123", T(0x1C));
}

TEST_F(SettingsDecode, PredefinedCityHidesCoordinatesOfThatBlockOnly)
{
    SetCity(0x06, 45);
    SetCity(0x16, 123);
    m_image[0x16] = 0x15;
    m_image[0x1A] = 0x03;
    Decode();
    EXPECT_EQ("45", T(0x0C));
    for (int a : {0x06, 0x07, 0x08, 0x09, 0x0D})
        EXPECT_EQ("U", T(a)) << a;
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ("U", T(0x0A, k));
    EXPECT_EQ("(0x55)", Narrow(m_decoder->HexTextAt(0x0A, 4)));
    EXPECT_EQ("123", T(0x1C));
    EXPECT_EQ("51", T(0x16));
    EXPECT_EQ("30min", T(0x1A, 4));
}

TEST_F(SettingsDecode, AlarmTemperaturesCheckOnlyTheTenthsDigit)
{
    m_image[0x1F] = 0x5B; m_image[0x20] = 0x82;
    m_image[0x21] = 0x55; m_image[0x22] = 0x8F;
    Decode();
    EXPECT_EQ("HH", T(0x1F));
    EXPECT_EQ("155.50", T(0x21));
}

TEST_F(SettingsDecode, AlarmValues)
{
    m_image[0xA0] = 0x05;
    m_image[0xA1] = 0x21; m_image[0xA2] = 0x43;   // 1 + 20 + 300 + 4000
    m_image[0xA4] = 0x90; m_image[0xA5] = 0x19;   // 9 + 90 + 100 = 199
    m_image[0xA7] = 0x50; m_image[0xA8] = 0x12;   // 5 + 20 + 100
    Decode();
    EXPECT_EQ("1", T(0xA0, 0));
    EXPECT_EQ("0", T(0xA0, 1));
    EXPECT_EQ("1", T(0xA0, 2));
    EXPECT_EQ("4321", T(0xA1));
    EXPECT_EQ("199", T(0xA4));
    EXPECT_EQ("125", T(0xA7));
    m_image[0xA4] = 0x00; m_image[0xA5] = 0x20;   // 200
    Decode();
    EXPECT_EQ("UU", T(0xA4));
    m_image[0xA5] = 0x00;                         // 0
    Decode();
    EXPECT_EQ("UU", T(0xA4));
}

TEST_F(SettingsDecode, AltitudePressureHistoryAndVersion)
{
    m_image[0x5A] = 0x2C; m_image[0x5B] = 0x01; m_image[0x5C] = 0x08;   // -300
    m_image[0x64] = 0x55; m_image[0x65] = 0x3F;                         // 1013.31
    m_image[0x7A] = 0x02; m_image[0x7B] = 0xEE; m_image[0x7C] = 0x3F;   // the checksum at 0x7B is stepped over
    m_image[0x95] = 0x12; m_image[0x96] = 0x40;                         // 16402 x 0.0625 = 1025.125
    m_image[0x98] = 0x0A; m_image[0x99] = 0xF3;
    Decode();
    EXPECT_EQ("-300", T(0x5A));
    EXPECT_EQ("1013.31", T(0x64));
    EXPECT_EQ("1008.12", T(0x7A));   // 16130 x 0.0625 = 1008.125: to even
    EXPECT_EQ("1025.12", T(0x95));
    EXPECT_EQ("A", T(0x98));
    EXPECT_EQ("F3", T(0x99));
}

TEST_F(SettingsDecode, MemoryInformation)
{
    m_image[0xFC] = 0x07;
    m_image[0xFD] = 0xF3;
    m_image[0xFF] = 0x10;
    m_image[0xFE] = 0x0B;
    Decode(0x10000);
    EXPECT_EQ("512K", T(0xFC));
    EXPECT_EQ(0x10000, m_decoder->m_usedMemorySize);
    EXPECT_EQ(30049, m_decoder->m_nextRecordAddress);
    EXPECT_EQ("30049", T(0xFD));
    EXPECT_EQ("1Day", T(0xFE));
    EXPECT_EQ(1717, m_decoder->HistorySlotCountOfMemory());

    m_image[0xFE] = 0x0C;
    Decode(0x10000);
    EXPECT_EQ("UU", T(0xFE));
    m_image[0xFE] = 0x10;
    Decode(0x10000);
    EXPECT_EQ("6Hr", T(0xFE));
    m_image[0xFC] = 0x00;
    Decode();
    EXPECT_EQ("64K", T(0xFC));
    EXPECT_EQ(208 + 200, static_cast<int>(m_decoder->m_recordTexts.size()));
    EXPECT_EQ(208, static_cast<int>(m_decoder->m_recordSeconds.size()));
}

TEST_F(SettingsDecode, BadGroupTurnsEveryTextOfTheGroupIntoChkErr)
{
    m_image[0x10] = 0x2E;   // 2 + 10 x 2, bit 3, bit 2
    m_image[0x11] = 0x30;
    m_image[0x15] = 0x01;   // the sum of 16..21 is no longer 0
    m_image[0x16] = 0x15;
    SetCity(0x16, 123);
    FixGroup(22, 30);
    DecodeRaw();
    for (int a = 0x10; a <= 0x15; ++a) {
        for (const std::wstring& text : m_decoder->m_addressTable[a].valueTexts)
            EXPECT_EQ(L"ChkErr", text) << a;
    }
    EXPECT_EQ(4u, m_decoder->m_addressTable[0x10].valueTexts.size());
    EXPECT_EQ("ChkErr", Narrow(m_decoder->HexTextAt(0x10, 3)));
    EXPECT_EQ("51", T(0x16)) << "the next group is good";

    FixGroup(16, 21);
    DecodeRaw();
    EXPECT_EQ("22", T(0x10, 0));
    EXPECT_EQ("1", T(0x10, 1));
    EXPECT_EQ("1", T(0x10, 2));
    EXPECT_EQ("03", T(0x11));
}

TEST_F(SettingsDecode, LeftOutBytesDoNotCountButAreMarked)
{
    m_image[94] = 0x11;
    m_image[95] = 0x22;
    DecodeRaw();
    EXPECT_EQ(0, m_decoder->m_checksumErrors[94]);
    m_image[100] = 0x01;   // 100..122 is in the group 94..123
    DecodeRaw();
    EXPECT_EQ(1, m_decoder->m_checksumErrors[94]);
    EXPECT_EQ("ChkErr", T(100));
    EXPECT_EQ("ChkErr", T(94));
    EXPECT_EQ("0.00", T(125)) << "the group 124..151 is good";
}

// ---- min/max area ----------------------------------------------------------------------------------

TEST_F(SettingsDecode, MinMaxExtremes)
{
    m_image[36] = 0x5C; m_image[37] = 0x82;   // indoor tenths 12
    m_image[38] = 0x35; m_image[39] = 0xA2;   // indoor with +0.05
    m_image[40] = 0xAB;                       // indoor humidity is not checked
    m_image[42] = 0x35; m_image[43] = 0x22;   // channel 1: bit 5 ignored, negative
    m_image[46] = 0xAB;
    m_image[0x2A + 18] = 0x52; m_image[0x2B + 18] = 0xA2;   // channel 4 first temperature (60, 61)
    m_image[62] = 0x31; m_image[63] = 0x00; m_image[64] = 0x81;   // channel 4 second: 62 with 64
    m_image[65] = 0x47;
    m_image[67] = 0x12; m_image[68] = 0x80;
    Decode();
    EXPECT_EQ("LL", T(36));
    EXPECT_EQ("23.55", T(38));
    EXPECT_EQ("111", T(40));
    EXPECT_EQ("-23.50", T(42));
    EXPECT_EQ("HH", T(46));
    EXPECT_EQ("25.20", T(60));
    EXPECT_EQ("13.10", T(62));
    EXPECT_EQ("47", T(65));
    EXPECT_EQ("1.20", T(67));
}

TEST_F(SettingsDecode, MinMaxFlagsAndThreeDigitValues)
{
    m_image[73] = 0x1B;
    m_image[76] = 0xA5;
    m_image[77] = 0x34; m_image[78] = 0x52; m_image[79] = 0x16;   // 23.4 and 61.5
    m_image[80] = 0x3B; m_image[81] = 0xC2; m_image[82] = 0x16;   // tenths 11; second: tenths 12
    m_image[83] = 0x34; m_image[84] = 0x5A; m_image[85] = 0x16;   // tens 10: marker of tenths 4
    Decode();
    EXPECT_EQ("U", T(73, 0));
    EXPECT_EQ("1", T(73, 1));
    EXPECT_EQ("2", T(73, 2));
    EXPECT_EQ("3", T(73, 3));
    const char* bits[8] = {"1", "0", "1", "0", "0", "1", "0", "1"};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(bits[k], T(76, k)) << k;
    EXPECT_EQ("23.40", T(77));
    EXPECT_EQ("16.50", T(78));
    EXPECT_EQ("HH", T(80));
    EXPECT_EQ("LL", T(81));
    EXPECT_EQ("UU", T(83));
    EXPECT_EQ("16.50", T(84));
}

TEST_F(SettingsDecode, ExtraValues)
{
    m_image[170] = 0x99; m_image[171] = 0x1A;   // 209.9 is limited
    m_image[172] = 0x99; m_image[173] = 0x19;
    m_image[174] = 0xFF; m_image[175] = 0xFF;
    m_image[176] = 0xFE; m_image[177] = 0xFF;
    m_image[178] = 0x39; m_image[179] = 0x30;
    FixGroup(170, 180);
    Decode();
    EXPECT_EQ("199.90", T(170));
    EXPECT_EQ("199.90", T(172));
    EXPECT_EQ("MISS", T(174));
    EXPECT_EQ("65534", T(176));
    EXPECT_EQ("12345", T(178));
}

// ---- getters ---------------------------------------------------------------------------------------

TEST(ValueGetters, EmptyBeforeAnyRead)
{
    auto decoder = decodetest::MakeDecoder();
    EXPECT_EQ(L"", decoder->GetIndoorTempAText());
    EXPECT_EQ(L"", decoder->GetChannelHumidityBText(5));
    EXPECT_EQ(L"", decoder->GetValue178Text());
    EXPECT_EQ(L"", decoder->GetLatestRecordLine());
}

TEST_F(SettingsDecode, GettersReadTheirAddresses)
{
    // A distinct humidity per address makes every getter's source visible.
    const int humidities[] = {40, 41, 46, 47, 52, 53, 58, 59, 65, 66, 71, 72};
    for (int a : humidities)
        m_image[a] = static_cast<uint8_t>(((a / 10) % 10) << 4 | (a % 10));
    const int temperatures[] = {36, 38, 42, 44, 48, 50, 54, 56, 60, 62, 67, 69};
    for (int a : temperatures) {
        m_image[a] = static_cast<uint8_t>((a % 10) << 4);   // units = last digit of the address
        m_image[a == 62 ? 64 : a + 1] = static_cast<uint8_t>(0x80 | (a / 10));
    }
    m_image[73] = 0x1B; m_image[74] = 0x6C; m_image[75] = 0xE4;
    for (int a = 77; a <= 88; ++a)
        m_image[a] = 0x00;
    m_image[87] = 0x70; m_image[88] = 0x05;   // type 7: tenths 7, units 5
    m_image[174] = 0x01; m_image[176] = 0x02; m_image[178] = 0x03;
    m_image[170] = 0x10; m_image[172] = 0x20;
    FixGroup(36, 63);
    FixGroup(64, 89);
    FixGroup(170, 180);
    Decode();
    CDataDecode& d = *m_decoder;
    EXPECT_EQ(L"36.00", d.GetIndoorTempAText());
    EXPECT_EQ(L"38.00", d.GetIndoorTempBText());
    EXPECT_EQ(L"40", d.GetIndoorHumidityAText());
    EXPECT_EQ(L"41", d.GetIndoorHumidityBText());
    const int ta[6] = {36, 42, 48, 54, 60, 67}, tb[6] = {38, 44, 50, 56, 62, 69};
    const int ha[6] = {40, 46, 52, 58, 65, 71}, hb[6] = {41, 47, 53, 59, 66, 72};
    for (int ch = 0; ch < 6; ++ch) {
        EXPECT_EQ(std::to_wstring(ta[ch]) + L".00", d.GetChannelTempAText(ch)) << ch;
        EXPECT_EQ(std::to_wstring(tb[ch]) + L".00", d.GetChannelTempBText(ch)) << ch;
        EXPECT_EQ(std::to_wstring(ha[ch]), d.GetChannelHumidityAText(ch)) << ch;
        EXPECT_EQ(std::to_wstring(hb[ch]), d.GetChannelHumidityBText(ch)) << ch;
    }
    // 73 = 0x1B: fields 0-3 "U", 1, 2, 3; 74 = 0x6C: 1, 2, 3, "U"; 75 = 0xE4: 3, 2, 1, "U".
    EXPECT_EQ(L"2", d.GetTwoBitFieldTextA(0));
    EXPECT_EQ(L"3", d.GetTwoBitFieldTextB(0));
    EXPECT_EQ(L"U", d.GetTwoBitFieldTextA(1));
    EXPECT_EQ(L"1", d.GetTwoBitFieldTextB(1));
    EXPECT_EQ(L"1", d.GetTwoBitFieldTextA(3));
    EXPECT_EQ(L"3", d.GetTwoBitFieldTextA(2));
    EXPECT_EQ(L"U", d.GetTwoBitFieldTextB(4));
    EXPECT_EQ(L"2", d.GetTwoBitFieldTextB(5));
    EXPECT_EQ(L"5.70", d.GetBcdValueText(7));
    EXPECT_EQ(L"0.00", d.GetBcdValueText(0));
    EXPECT_EQ(L"1", d.GetValue174Text());
    EXPECT_EQ(L"2", d.GetValue176Text());
    EXPECT_EQ(L"3", d.GetValue178Text());
    EXPECT_EQ(L"1.00", d.GetValue170Text());
    EXPECT_EQ(L"2.00", d.GetValue172Text());
    // Out of range: empty, never a neighbour's text.
    EXPECT_EQ(L"", d.GetBcdValueText(8));
    EXPECT_EQ(L"", d.GetBcdValueText(-1));
    EXPECT_EQ(L"", d.GetTwoBitFieldTextA(6));
    EXPECT_EQ(L"", d.GetTwoBitFieldTextB(-1));
    EXPECT_EQ(L"", d.GetChannelTempAText(6));
    EXPECT_EQ(L"", d.GetChannelHumidityBText(-1));
}

// The min/max read decodes only the two areas, ignoring checksum groups; the rest stays as it was.
TEST_F(SettingsDecode, MinMaxDecodeAfterAnAreaRead)
{
    m_image[36] = 0x00; m_image[37] = 0x80;
    m_image[40] = 0x55;   // the group 36..63 is bad
    m_image[0x04] = 0x70;
    FixGroup(0, 15);
    DecodeRaw();
    EXPECT_EQ("ChkErr", T(40));
    EXPECT_EQ("ChkErr", T(36));
    uint8_t block[32] = {};
    block[0] = 0x35; block[1] = 0xA2;   // 36, 37
    block[4] = 0x48;                    // 40
    m_decoder->SplitAreaBlock(block, 36);
    m_decoder->DecodeMinMaxArea();
    EXPECT_EQ("23.55", T(36));
    EXPECT_EQ("48", T(40));
    EXPECT_EQ("2007", T(0x04));
}

} // namespace
