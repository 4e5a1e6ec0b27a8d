// "all_weather.csv" from memory images built by the station image encoder: golden files and the
// fields they must hold.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/station/DecodeFixture.h"

using namespace stationimage;

namespace {

// ---- fixtures ------------------------------------------------------------------------------------

// Settings shared by the fixtures: a user-defined home city, a predefined second city, alarms,
// altitude, extremes, pressure history and version bytes.
void SetCommonSettings(Image& image)
{
    SetClock(image, StationTime{2010, 1, 1, 0, 7, 0}, 30, true, false);
    LocationSetting home;
    home.latDegrees = 52; home.latMinutes = 31;
    home.lonDegrees = 113; home.lonMinutes = 24; home.west = true;
    home.zonePlus = false; home.zoneHours = 7; home.zoneMinutes = 30;
    home.cityCode = 123;
    SetLocation(image, 0, home);
    LocationSetting second;
    second.latDegrees = 48; second.latMinutes = 51; second.lonDegrees = 2; second.lonMinutes = 21;
    second.zoneHours = 1; second.cityCode = 45;
    SetLocation(image, 1, second);

    AlarmSetting alarms;
    alarms.weekdayAlarmOn = true; alarms.weekdayHour = 6; alarms.weekdayMinute = 45;
    alarms.singleHour = 21; alarms.singleMinute = 5; alarms.preAlarmOn = true;
    alarms.period = 3; alarms.duration = 2;
    alarms.temperatureUpper = 30.5; alarms.temperatureLower = -5.0;
    alarms.rainAlarmOn = true; alarms.rainUpper = 1234; alarms.windUpper = 45; alarms.gustUpper = 120;
    SetAlarms(image, alarms);
    SetAltitude(image, -12);

    MinMaxSetting m;
    const double lows[6] = {18.5, -3.2, 1.0, 12.4, -20.1, 5.5};
    const double highs[6] = {24.25, 12.8, 9.9, 19.0, 3.3, 15.5};
    for (int s = 0; s < 6; ++s) {
        m.sensors[s].temperatureMin = Val(lows[s]);
        m.sensors[s].temperatureMax = Val(highs[s]);
        m.sensors[s].humidityMin = Val(30 + s);
        m.sensors[s].humidityMax = Val(80 + s);
        m.temperatureTrend[s] = s % 4;
        m.humidityTrend[s] = (s + 1) % 4;
    }
    m.sensors[5].humidityMax = Marked(Mark::High);
    m.flagBits = 0x96;
    for (int i = 0; i < 8; ++i)
        m.uvDailyMax[i] = Val(1.5 + i);
    m.uvDailyMax[3] = Marked(Mark::Unknown);
    m.windMax = Val(23.4);
    m.gustMax = Val(45.6);
    m.rainCounts = {12, 345, 0xFFFF};
    SetMinMax(image, m);

    std::array<double, 25> pressures{};
    for (int i = 0; i < 25; ++i)
        pressures[i] = 1013.0 - 0.25 * i;
    SetPressureHistory(image, StationTime{2010, 1, 1, 0, 0, 0}, pressures);
    SetVersion(image, {0x01, 0x23, 0x0A, 0xB0, 0xFF});
}

WeatherReading ReadingAt(const StationTime& time, int k)
{
    WeatherReading r = TypicalReading();
    r.time = time;
    r.indoorTemperature = Val(20.0 + 0.05 * k);
    r.channelTemperature[3] = Val(-5.0 - 0.1 * k);
    r.channelTemperature[4] = Marked(Mark::Absent);
    r.channelHumidity[4] = Marked(Mark::Unknown);
    r.rainCounter = 1000 + k;
    r.gust = Val(10.0 + k);
    r.windDirection = k % 16;
    return r;
}

// 8 KB memory: the next record goes to slot 3; slots 0..2 hold 2009-12-31 23:50, 23:55 and
// 2010-01-01 00:00; the other 205 slots are all zero. Slot 0's first checksum group and the settings
// group of the version bytes are bad.
Image EightKilobyteImage()
{
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 3, 1);
    SetCommonSettings(image);
    WriteHistoryRecord(image, 0, ReadingAt(StationTime{2009, 12, 31, 23, 50, 0}, 0));
    WriteHistoryRecord(image, 1, ReadingAt(StationTime{2009, 12, 31, 23, 55, 0}, 1));
    WeatherReading newest = ReadingAt(StationTime{2010, 1, 1, 0, 0, 0}, 2);
    newest.windStatus = WIND_STATUS_CLEAR;
    newest.gust = Marked(Mark::Missing);
    newest.forecastCode = 7;
    WriteHistoryRecord(image, 2, newest);
    SetRecordYears(image, {2010, 2009, 2009}, 2010);
    PokeByte(image, SlotAddress(0) + 6, static_cast<uint8_t>(PeekByte(image, SlotAddress(0) + 6) + 1));
    PokeByte(image, 153, 0x24);   // the version group 152..157 no longer sums to 0
    return image;
}

// 8 KB memory whose ring has wrapped: the next record goes to slot 2; 40 records every 12 hours end at
// 2010-01-03 00:00 in slot 1, the older ones from the last slot (207) downwards.
Image WrappedImage()
{
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 2, 5);
    SetCommonSettings(image);
    const int64_t newest = ToMinutes(StationTime{2010, 1, 3, 0, 0, 0});
    std::vector<int> years;
    for (int k = 0; k < 40; ++k) {
        const StationTime t = FromMinutes(newest - 720 * k);
        const int slot = k < 2 ? 1 - k : 207 - (k - 2);
        WriteHistoryRecord(image, slot, ReadingAt(t, k));
        if (k < 25)
            years.push_back(t.year);
    }
    SetRecordYears(image, years, 2010);
    return image;
}

// 128 KB memory with the history index 0: the newest record is the last slot (131015); 30 records
// every 5 minutes from there downwards, the rest all zero.
Image LargeImage(int historyIndex)
{
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_128K, historyIndex, 1);
    SetCommonSettings(image);
    const int64_t newest = ToMinutes(StationTime{2011, 7, 14, 9, 35, 0});
    std::vector<int> years;
    for (int k = 0; k < 30; ++k) {
        const StationTime t = FromMinutes(newest - 5 * k);
        WriteHistoryRecord(image, 3441 - k, ReadingAt(t, k));
        years.push_back(t.year);
    }
    SetRecordYears(image, years, 2011);
    return image;
}

// ---- writing and reading the dump ---------------------------------------------------------------

std::string TempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string ReadBinary(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    EXPECT_TRUE(line.empty()) << "every line ends with a line break";
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

std::string GoldenPath(const char* name)
{
    const char* source = std::getenv("ORVELLE_SOURCE_DIR");
    return std::string("Z:") + (source ? source : "") + "/tests/station/golden/" + name;
}

class MemoryDump : public ::testing::Test {
protected:
    MemoryDump() : m_decoder(decodetest::MakeDecoder()) {}

    // Decodes the image and writes the dump in text mode with a fixed time of writing; returns the
    // file's bytes.
    std::string Dump(const Image& image)
    {
        const int size = static_cast<int>(MemoryBytesOfSizeCode(SizeCodeOf(image)));
        decodetest::LoadImage(*m_decoder, image, size);
        const std::string path = TempPath("orvelle_dump_test.csv");
        std::FILE* file = std::fopen(path.c_str(), "wt");
        EXPECT_NE(nullptr, file);
        if (!file)
            return std::string();
        std::tm when = {};
        when.tm_year = 2012 - 1900; when.tm_mon = 2; when.tm_mday = 4; when.tm_hour = 9; when.tm_min = 5;
        m_decoder->WriteMemoryDumpTo(file, &when);
        std::fclose(file);
        const std::string bytes = ReadBinary(path);
        std::remove(path.c_str());
        return bytes;
    }

    // Compares with the checked-in golden file (ORVELLE_UPDATE_GOLDEN=1 rewrites it instead). With
    // `lineCount` only that many first lines are compared.
    void ExpectGolden(const std::string& bytes, const char* name, size_t lineCount = 0)
    {
        std::string expected = bytes;
        if (lineCount) {
            size_t end = 0;
            for (size_t n = 0; n < lineCount; ++n) {
                end = bytes.find('\n', end);
                if (end == std::string::npos)
                    break;
                ++end;
            }
            expected = bytes.substr(0, end);
        }
        const std::string path = GoldenPath(name);
        if (std::getenv("ORVELLE_UPDATE_GOLDEN")) {
            std::ofstream(path, std::ios::binary) << expected;
            return;
        }
        const std::string golden = ReadBinary(path);
        ASSERT_FALSE(golden.empty()) << path;
        EXPECT_EQ(golden, expected) << "differs from " << name;
    }

    std::unique_ptr<CDataDecode> m_decoder;
};

TEST_F(MemoryDump, EightKilobyteGolden)
{
    const std::string bytes = Dump(EightKilobyteImage());
    ASSERT_NE(std::string::npos, bytes.find("\r\n")) << "text mode gives CR LF";
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(1061u, lines.size()) << "26 + 5 x 207: every slot but the one at the history index";
    EXPECT_EQ("2012,3,4,9:5", lines[0]);

    // Header.
    EXPECT_EQ("2010,1,1,5,0,07,0", lines[1]);     // year, month, day, weekday (Friday), hour, minute, bit 3
    EXPECT_EQ(15u, Fields(lines[2]).size());
    const std::vector<std::string> home = Fields(lines[2]);
    EXPECT_EQ("123", home[4]);      // city number
    EXPECT_EQ("113", home[9]);      // longitude degrees, three digits
    EXPECT_EQ("24", home[10]);
    EXPECT_EQ("W", home[8]);       // longitude hemisphere
    EXPECT_EQ("N", home[11]);      // latitude hemisphere
    EXPECT_EQ("7", home[6]);       // 0x0D high nibble
    EXPECT_EQ("52", home[12]);
    EXPECT_EQ("31", home[13]);
    EXPECT_EQ("-", home[5]);
    EXPECT_EQ("30min", home[7]);
    EXPECT_EQ("24HR", home[2]);
    EXPECT_EQ("DAY-MONTH", home[1]);
    const std::vector<std::string> second = Fields(lines[5]);
    ASSERT_EQ(11u, second.size());
    EXPECT_EQ("45", second[0]);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ("U", second[i]) << i;   // a predefined city: coordinates, zone and 0x1D hidden
    EXPECT_EQ("30.50,-5.00,18.50,24.25,30,80", lines[6]);
    EXPECT_EQ("-3.20,12.80,31,81", lines[7]);
    EXPECT_EQ("-20.10,3.30,34,84", lines[10]);
    EXPECT_EQ("5.50,15.50,35,HH", lines[11]);
    EXPECT_EQ("-12,1,1,5,0,00", lines[17]);    // altitude, pressure stamp: month, day, weekday, hour, minute
    EXPECT_EQ("1013.00,1012.75,1012.50,1012.25,1012.00,1011.75,1011.50", lines[18]);
    EXPECT_EQ("1011.25,1011.00,1010.75,1010.50,1010.25,1010.00,1009.75", lines[19]);
    EXPECT_EQ("ChkErr,ChkErr,ChkErr,ChkErr,ChkErr", lines[22]);
    EXPECT_EQ("23.40,45.60,12,345,MISS", lines[24]);
    EXPECT_EQ("64K,371,5min", lines[25]);

    // Records, newest first: slot 2 (333), slot 1 (295), slot 0 (257), then 8123 downwards.
    EXPECT_EQ("333,2010,1,1,5,0,00,0sec", lines[26]);
    EXPECT_EQ("20.10,45,15.20,62", lines[27]);
    EXPECT_EQ("18.40,70,11.60,80,-5.20,35", lines[28]);
    EXPECT_EQ("OUT,UU,3.40,1013.25,UU,UU,14.50,MISS", lines[29]);
    EXPECT_EQ("7.80,NE,CLEAR,1002", lines[30]);
    EXPECT_EQ("295,2009,12,31,4,23,55,300sec", lines[31]) << "the year before the newer record's";
    // Slot 0: a bad first group shows "ChkErr" in its fields, its interval was formed before.
    EXPECT_EQ("257,2009,ChkErr,ChkErr,ChkErr,ChkErr,ChkErr,300sec", lines[36]);
    EXPECT_EQ("ChkErr,ChkErr,ChkErr,ChkErr", lines[37]);
    EXPECT_EQ("ChkErr,ChkErr,ChkErr,80,-5.00,35", lines[38]);
    EXPECT_EQ("OUT,UU,3.40,1013.25,0,1,14.50,10.00", lines[39]);
    EXPECT_EQ("7.80,N,DEFAULT,1000", lines[40]);
    // All-zero slots: years from the settings bytes up to slot 24, then "1999"; no valid date.
    EXPECT_EQ("8123,2000,0,0,0,0,00,E", lines[41]);
    EXPECT_EQ("-0.00,0,OUT,0", lines[42]);
    EXPECT_EQ("OUT,0,OUT,0,OUT,0", lines[43]);
    EXPECT_EQ("OUT,0,0.00,0.00,0,0,OUT,0.00", lines[44]);
    EXPECT_EQ("0.00,N,DEFAULT,0", lines[45]);
    EXPECT_EQ("7439,2000,0,0,0,0,00,E", lines[26 + 5 * 21]);   // slot 21: year byte 246 is 0
    EXPECT_EQ("7287,1999,0,0,0,0,00,E", lines[26 + 5 * 25]);   // slot 25: the chain finds no year
    EXPECT_EQ(8u, Fields(lines[41]).size());
    EXPECT_EQ("409,1999,0,0,0,0,00,E", lines[1056]);
    ExpectGolden(bytes, "all_weather_8k.csv");
}

TEST_F(MemoryDump, WrappedRingGolden)
{
    const std::string bytes = Dump(WrappedImage());
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(1061u, lines.size());
    // Newest first: slot 1 (295), slot 0 (257), then the last slot 8123 and downwards.
    EXPECT_EQ("295,2010,1,3,7,0,00,0sec", lines[26]);
    EXPECT_EQ("257,2010,1,2,6,12,00,43200sec", lines[31]);
    EXPECT_EQ("8123,2010,1,2,6,0,00,43200sec", lines[36]) << "the newer record of the top slot is at 257";
    // 31 December and 1 January next to each other.
    EXPECT_EQ("8047,2010,1,1,5,0,00,43200sec", lines[26 + 5 * 4]);
    EXPECT_EQ("8009,2009,12,31,4,12,00,43200sec", lines[26 + 5 * 5]);
    // Slot 30 (beyond the 25 stored years) takes its year from the chain.
    EXPECT_EQ("7059,2009,12,19,6,0,00,43200sec", lines[26 + 5 * 30]);
    EXPECT_EQ("6717,2009,12,14,1,12,00,43200sec", lines[26 + 5 * 39]);
    EXPECT_EQ("6679,1999,0,0,0,0,00,E", lines[26 + 5 * 40]);
    EXPECT_EQ("371,1999,0,0,0,0,00,E", lines[1056]);
    ExpectGolden(bytes, "all_weather_8k_wrapped.csv");
}

TEST_F(MemoryDump, LargeMemoryWithIndexZeroStartsAtTheLastSlot)
{
    const std::string bytes = Dump(LargeImage(0));
    const std::vector<std::string> lines = Lines(bytes);
    ASSERT_EQ(26u + 5u * 3441u, lines.size());
    EXPECT_EQ("1M,257,5min", lines[25]);
    EXPECT_EQ("131015,2011,7,14,4,9,35,0sec", lines[26]);
    EXPECT_EQ("130977,2011,7,14,4,9,30,300sec", lines[31]);
    EXPECT_EQ("129913,2011,7,14,4,7,10,300sec", lines[26 + 5 * 29]);
    EXPECT_EQ("129875,1999,0,0,0,0,00,E", lines[26 + 5 * 30]);
    EXPECT_EQ("295,1999,0,0,0,0,00,E", lines[lines.size() - 5]);
    ExpectGolden(bytes, "all_weather_128k_head.csv", 26 + 5 * 32);
}

TEST_F(MemoryDump, HighestIndexLeavesTheSecondRunEmpty)
{
    const std::vector<std::string> lines = Lines(Dump(LargeImage(3441)));
    ASSERT_EQ(26u + 5u * 3441u, lines.size());
    EXPECT_EQ("130977", Fields(lines[26])[0]);
    EXPECT_EQ("257", Fields(lines[lines.size() - 5])[0]);
    for (size_t i = 26; i < lines.size(); i += 5)
        EXPECT_NE("131015", Fields(lines[i])[0]) << "the slot at the history index is never written";
}

TEST_F(MemoryDump, IndexOutsideTheRingWritesTheHeaderAlone)
{
    Image image = EightKilobyteImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 208, 1);
    const std::vector<std::string> lines = Lines(Dump(image));
    ASSERT_EQ(26u, lines.size());
    EXPECT_EQ("64K,8161,5min", lines[25]);
    for (int s = 0; s < 208; ++s)
        EXPECT_EQ(-1, m_decoder->RecordSlotAddress(s));

    SetMemoryInfo(image, SIZE_CODE_8K, 0xFFF, 1);
    EXPECT_EQ(26u, Lines(Dump(image)).size());
}

TEST_F(MemoryDump, LineCountIsAlwaysHeaderPlusFiveLinesARecord)
{
    for (int index : {0, 1, 100, 207}) {
        Image image = MakeEmptyImage();
        SetMemoryInfo(image, SIZE_CODE_8K, index, 1);
        const std::vector<std::string> lines = Lines(Dump(image));
        EXPECT_EQ(1061u, lines.size()) << index;
        EXPECT_EQ(0u, (lines.size() - 26) % 5);
        EXPECT_EQ(index == 0 ? "8123" : std::to_string(257 + 38 * (index - 1)), Fields(lines[26])[0]);
    }
}

// Records after 2037 still get their intervals; a year beyond the station's century does not.
TEST_F(MemoryDump, IntervalsAfter2037)
{
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 3, 1);
    for (int k = 0; k < 3; ++k)
        WriteHistoryRecord(image, 2 - k, ReadingAt(StationTime{2045, 3, 1, 12, 10 - 5 * k, 0}, k));
    SetRecordYears(image, {2045, 2045, 2045}, 2045);
    PokeByte(image, 227, 0xA5);   // 10 x 10 + 5: "20105"
    FixSettingsChecksums(image);
    const std::vector<std::string> lines = Lines(Dump(image));
    EXPECT_EQ("333,2045,3,1,3,12,10,0sec", lines[26]);
    EXPECT_EQ("295,2045,3,1,3,12,05,300sec", lines[31]);
    EXPECT_EQ("257,20105,3,1,3,12,00,E", lines[36]);
}

TEST_F(MemoryDump, WriteMemoryDumpReportsAFileThatCannotBeCreated)
{
    EXPECT_FALSE(m_decoder->WriteMemoryDump(L"Z:/nonexistent-folder-for-orvelle/all_weather.csv"));
    const std::string path = TempPath("orvelle_dump_now.csv");
    ASSERT_TRUE(m_decoder->WriteMemoryDump(std::wstring(path.begin(), path.end())));
    const std::vector<std::string> lines = Lines(ReadBinary(path));
    std::remove(path.c_str());
    ASSERT_EQ(26u, lines.size()) << "a decoder that decoded nothing has no ring";
    const std::vector<std::string> time = Fields(lines[0]);
    ASSERT_EQ(4u, time.size());
    EXPECT_GE(std::atoi(time[0].c_str()), 2024);
    EXPECT_NE(std::string::npos, time[3].find(':'));
}

} // namespace
