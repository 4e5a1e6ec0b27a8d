// Live stamp and readings decoding, and the live record file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "station/DataDecode.h"
#include "tests/station/TestFiles.h"

namespace {

CDataDecode& Decoder()
{
    static CDataDecode* decoder = new CDataDecode;
    return *decoder;
}

// Decodes a readings block in which the bytes given are set and every other byte is 0.
CDataDecode& DecodeReadings(std::initializer_list<std::pair<int, uint8_t>> bytes)
{
    uint8_t block[32] = {};
    for (const auto& b : bytes)
        block[b.first] = b.second;
    CDataDecode& d = Decoder();
    d.SplitCurrentBlock(block);
    d.DecodeCurrentBlock();
    return d;
}

std::wstring Live(int byte, int field = 0) { return Decoder().m_currentTable[byte].valueTexts[field]; }

// A full readings block and its record lines (see the file test).
const uint8_t kReadings[32] = {
    0x45, 0xA2, 0x45,             // indoor 24.55, 45
    0x12, 0xC1, 0x67,             // channel 1 11.20, 67
    0x00, 0x82, 0xAA,             // channel 2 valid bit clear, humidity not BCD
    0x55, 0x40, 0x80,             // channel 3 -5.50, 80
    0xBB, 0xC0, 0x3C,             // channel 4 HH, LL
    0x99, 0xE9, 0x99,             // channel 5 99.95, 99
    0x21, 0x00,                   // UV 2.10
    0x55, 0x3F,                   // pressure 1013.31
    0x0A,                         // forecast flag 1, code 2
    0x25, 0x41,                   // wind chill -12.50
    0xEE, 0x0E,                   // gust MISS
    0x43, 0x01,                   // speed 14.30
    0xD4,                         // E, CLEAR
    0x34, 0x12,                   // rain 4660
};

LiveClock FixedClock() { return {2024, 3, 7, 9, 5}; }

} // namespace

TEST(LiveDecode, IndoorTemperatureAndMarkers)
{
    DecodeReadings({{0, 0x45}, {1, 0xA2}});
    EXPECT_EQ(Live(0), L"24.55");
    EXPECT_EQ(Decoder().m_currentTable[0].hexTexts[0], L"(0x32)(0x34)(0x2E)(0x35)(0x35)");
    DecodeReadings({{0, 0x45}, {1, 0x22}});
    EXPECT_EQ(Live(0), L"-24.55");
    DecodeReadings({{0, 0xBB}});
    EXPECT_EQ(Live(0), L"HH");
    DecodeReadings({{0, 0xCC}});
    EXPECT_EQ(Live(0), L"LL");
    DecodeReadings({{0, 0xEE}});
    EXPECT_EQ(Live(0), L"UU");
    // Only the low byte's nibbles are tested; the marker comes from its low nibble.
    DecodeReadings({{0, 0xB5}});
    EXPECT_EQ(Live(0), L"UU");
}

TEST(LiveDecode, HumidityAndChannels)
{
    DecodeReadings({{2, 0x45}, {3, 0x45}, {4, 0x82}, {5, 0x4C}, {6, 0x45}, {7, 0xC2}, {8, 0xA5}});
    EXPECT_EQ(Live(2), L"45");
    EXPECT_EQ(Live(3), L"UU");      // digits, but the valid bit is clear
    EXPECT_EQ(Live(5), L"LL");
    EXPECT_EQ(Live(6), L"24.50");   // bit 5 clear: no +0.05
    EXPECT_EQ(Live(8), L"UU");      // tens digit 10, marker from the units nibble 5
    DecodeReadings({{3, 0xBC}, {4, 0x82}});
    EXPECT_EQ(Live(3), L"LL");      // digit test before the valid bit
}

TEST(LiveDecode, UvPressureForecast)
{
    DecodeReadings({{18, 0x35}, {19, 0x01}, {20, 0x55}, {21, 0x3F}, {22, 0x0F}});
    EXPECT_EQ(Live(18), L"13.50");
    EXPECT_EQ(Live(20), L"1013.31");
    EXPECT_EQ(Live(22, 0), L"UU");
    EXPECT_EQ(Live(22, 1), L"UU");
    DecodeReadings({{18, 0x3B}, {19, 0x01}, {20, 0xFF}, {21, 0xFF}, {22, 0x0A}});
    EXPECT_EQ(Live(18), L"HH");
    EXPECT_EQ(Live(20), L"4095.94");
    EXPECT_EQ(Live(22, 0), L"1");
    EXPECT_EQ(Live(22, 1), L"2");
    DecodeReadings({{18, 0x35}, {19, 0x0A}});
    EXPECT_EQ(Live(18), L"UU");     // tens nibble of byte 19 tested, marker from byte 18
}

TEST(LiveDecode, WindChillGustSpeed)
{
    DecodeReadings({{23, 0x00}, {24, 0xCA}, {25, 0x99}, {26, 0x19}, {27, 0xBB}, {28, 0x0B}});
    EXPECT_EQ(Live(23), L"UU");      // 100.00 is above 99.9
    EXPECT_EQ(Live(25), L"199.90");
    EXPECT_EQ(Live(27), L"UU");
    DecodeReadings({{23, 0x25}, {24, 0x81}, {25, 0xEE}, {26, 0x0E}, {27, 0xBB}, {28, 0x1B}});
    EXPECT_EQ(Live(23), L"UU");      // valid bit clear
    EXPECT_EQ(Live(25), L"MISS");
    EXPECT_EQ(Live(27), L"199.90");  // 222.1 limited; the hundreds bit is no pattern
    DecodeReadings({{23, 0x25}, {24, 0xE1}, {25, 0x99}, {26, 0x1A}});
    EXPECT_EQ(Live(23), L"12.55");
    EXPECT_EQ(Live(25), L"199.90");  // 209.9 limited
    DecodeReadings({{23, 0x25}, {24, 0x41}});
    EXPECT_EQ(Live(23), L"-12.50");
}

TEST(LiveDecode, DirectionStatusRain)
{
    DecodeReadings({{29, 0xD4}, {30, 0x34}, {31, 0x12}});
    EXPECT_EQ(Live(29, 0), L"E");
    EXPECT_EQ(Live(29, 1), L"CLEAR");
    EXPECT_EQ(Live(30), L"4660");
    DecodeReadings({{29, 0xAF}});
    EXPECT_EQ(Live(29, 0), L"NNW");
    EXPECT_EQ(Live(29, 1), L"RESTART");
    DecodeReadings({{29, 0xE0}});
    EXPECT_EQ(Live(29, 1), L"MISS");
    DecodeReadings({{29, 0x50}});
    EXPECT_EQ(Live(29, 1), L"UU");
    DecodeReadings({});
    EXPECT_EQ(Live(29, 1), L"DEFAULT");
}

TEST(LiveDecode, TimeStampTexts)
{
    CDataDecode& d = Decoder();
    const uint8_t stamp[32] = {0x5C, 0x31, 0x23, 0x05};
    d.SplitStampBlock(stamp);
    d.DecodeTimeStampBlock();
    EXPECT_EQ(d.m_stampTable[0].valueTexts[0], L"12");
    EXPECT_EQ(d.m_stampTable[0].valueTexts[1], L"5");
    EXPECT_EQ(d.m_stampTable[1].valueTexts[0], L"31");
    EXPECT_EQ(d.m_stampTable[2].valueTexts[0], L"23");
    EXPECT_EQ(d.m_stampTable[3].valueTexts[0], L"05");
    const uint8_t stamp2[32] = {0x01, 0x01, 0x00, 0x45};
    d.SplitStampBlock(stamp2);
    d.DecodeTimeStampBlock();
    EXPECT_EQ(d.m_stampTable[3].valueTexts[0], L"45");
    EXPECT_EQ(d.m_stampTable[2].valueTexts[0], L"0");
}

TEST(LiveRecordFile, ClockLinePadsTheMinute)
{
    EXPECT_EQ(FormatLiveClockLine(2024, 3, 7, 12, 5), "2024,3,7,12:05");
    EXPECT_EQ(FormatLiveClockLine(2024, 12, 31, 0, 0), "2024,12,31,0:00");
    EXPECT_EQ(FormatLiveClockLine(2024, 1, 1, 23, 59), "2024,1,1,23:59");
}

TEST(LiveRecordFile, WritesSixLinesFromAKnownBlock)
{
    CDataDecode& d = Decoder();
    const LiveClockSource previous = SetLiveClockForTesting(&FixedClock);
    const std::string path = TempFilePath("record_2min.csv");

    // Friday 1 March 2024, 14:05.
    const uint8_t stamp[32] = {0x53, 0x01, 0x14, 0x05};
    d.SplitStampBlock(stamp);
    d.DecodeTimeStampBlock();
    d.SplitCurrentBlock(kReadings);
    d.DecodeCurrentBlock();
    d.m_liveYear = 2024;
    ASSERT_TRUE(d.WriteCurrentDump(Wide(path)));
    EXPECT_EQ(ReadWholeFile(path),
              "2024,3,7,9:05\r\n"
              "2024,3,1,5,14,05\r\n"
              "24.55,45,11.20,67\r\n"
              "UU,UU,-5.50,80,HH,LL\r\n"
              "99.95,99,2.10,1013.31,1,2,-12.50,MISS\r\n"
              "14.30,E,CLEAR,4660\r\n");
    EXPECT_EQ(d.m_liveYear, 2024);

    // The year is searched back from the year after the last one: 1 March 2025 is a Saturday.
    const uint8_t saturday[32] = {0x63, 0x01, 0x14, 0x05};
    d.SplitStampBlock(saturday);
    d.DecodeTimeStampBlock();
    ASSERT_TRUE(d.WriteCurrentDump(Wide(path)));
    EXPECT_EQ(ReadLine(path, 1), "2025,3,1,6,14,05");
    EXPECT_EQ(d.m_liveYear, 2025);

    SetLiveClockForTesting(previous);
    DeleteFileA(path.c_str());
}

TEST(LiveRecordFile, StampWithoutAYearDoesNotSpoilLaterOnes)
{
    CDataDecode& d = Decoder();
    const LiveClockSource previous = SetLiveClockForTesting(&FixedClock);
    const std::string path = TempFilePath("record_2min_year.csv");
    d.SplitCurrentBlock(kReadings);
    d.DecodeCurrentBlock();
    d.m_liveYear = 2024;

    const uint8_t month13[32] = {0x5D, 0x01, 0x14, 0x05};
    d.SplitStampBlock(month13);
    d.DecodeTimeStampBlock();
    ASSERT_TRUE(d.WriteCurrentDump(Wide(path)));
    EXPECT_EQ(ReadLine(path, 1), "-1,13,1,5,14,05");

    // Sunday 3 March 2024 is still found afterwards.
    const uint8_t sunday[32] = {0x73, 0x03, 0x14, 0x05};
    d.SplitStampBlock(sunday);
    d.DecodeTimeStampBlock();
    ASSERT_TRUE(d.WriteCurrentDump(Wide(path)));
    EXPECT_EQ(ReadLine(path, 1), "2024,3,3,7,14,05");

    // Without any known year (the settings never decoded) no year is inferred.
    d.m_liveYear = -999;
    ASSERT_TRUE(d.WriteCurrentDump(Wide(path)));
    EXPECT_EQ(ReadLine(path, 1), "-1,3,3,7,14,05");

    SetLiveClockForTesting(previous);
    DeleteFileA(path.c_str());
}

TEST(LiveRecordFile, UnopenableFileWritesNothing)
{
    const std::string path = TempFilePath("no-such-folder\\record_2min.csv");
    EXPECT_FALSE(Decoder().WriteCurrentDump(Wide(path)));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}
