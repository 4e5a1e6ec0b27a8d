#include "records/AutoSave.h"

#include "RecordTestUtil.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <ctime>
#include <direct.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

namespace {

__time64_t LocalMoment(int year, int month, int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return _mktime64(&t);
}

AutoSaveSnapshot EnglishSnapshot()
{
    AutoSaveSnapshot s;
    const wchar_t* names[6] = {L"Indoor", L"Channel 1", L"Channel 2", L"Channel 3", L"Channel 4", L"Channel 5"};
    for (int i = 0; i < 6; ++i)
        s.sensorNames[i] = names[i];
    s.recordTime[0] = 9;   // hour
    s.recordTime[1] = 5;   // minute
    s.recordTime[2] = 2014;
    s.recordTime[3] = 3;
    s.recordTime[4] = 7;
    s.location.cityIndex = 4;  // Amsterdam
    s.rainTotalText = L"12.3";
    return s;
}

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::wstringstream in(text);
    std::wstring line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class AutoSaveTest : public ::testing::Test {
protected:
    void SetUp() override { PointCurrentLanguageViews(LANGUAGE_ENGLISH); }
    void TearDown() override { PointCurrentLanguageViews(LANGUAGE_ENGLISH); }
    const __time64_t saveTime = LocalMoment(2014, 3, 7, 9, 6);
};

TEST_F(AutoSaveTest, EveryValueMissingKeepsEveryCsvLine)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.rainTotalText = L" ";
    const std::vector<std::wstring> lines = Lines(BuildAutoSaveCsvLines(s, LANGUAGE_ENGLISH, saveTime));
    const std::vector<std::wstring> expected = {
        L"Computer Date / Time,2014.03.07 09:06",
        L"Device Date / Time,2014.03.07 09:05",
        L"Pressure (mBar/hPa),",
        L"UV index (UVI),",
        L"City name,Amsterdam, Netherlands",
        L"Latitude,52,22,north",
        L"Longitude,4,53,east",
        L",Temperature (degC),Humidity (%)",
        L"Indoor,,",
        L"Channel 1,,",
        L"Channel 2,,",
        L"Channel 3,,",
        L"Channel 4,,",
        L"Channel 5,,",
        L"Rainfall total  (mm), ",
        L"Wind Speed (mph),,Wind Direction,",
        L"Wind Chill (degC),,Wind Gust (mph),",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(AutoSaveTest, TextSnapshotWithValues)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    AutoSaveReadings& r = s.readings;
    r.pressure = 1013.2;
    r.uv = 3.0;
    r.temperature[0] = 21.5;
    r.humidity[0] = 45;
    r.temperature[2] = -3.2;   // humidity of channel 2 missing
    r.humidity[3] = 70;        // temperature of channel 3 missing
    r.windSpeed = 2.3;
    r.windDirection = 9;
    r.windChill = 9.5;
    r.windGust = 4.5;
    const std::vector<std::wstring> lines = Lines(BuildAutoSaveTxtLines(s, LANGUAGE_ENGLISH, saveTime));
    ASSERT_EQ(lines.size(), 16u);  // no column-heading line in the text snapshot
    EXPECT_EQ(lines[0], L"Computer Date / Time: 2014.03.07 09:06");
    EXPECT_EQ(lines[2], L"Pressure (mBar/hPa): 1013.2");
    EXPECT_EQ(lines[3], L"UV index (UVI): 3.0");
    EXPECT_EQ(lines[4], L"City name: Amsterdam, Netherlands");
    EXPECT_EQ(lines[7], L"[Indoor] Temperature (degC): 21.5 Humidity (%): 45.0");
    EXPECT_EQ(lines[8], L"[Channel 1] Temperature (degC):  Humidity (%): ");
    EXPECT_EQ(lines[9], L"[Channel 2] Temperature (degC): -3.2 Humidity (%): ");
    EXPECT_EQ(lines[10], L"[Channel 3] Temperature (degC):  Humidity (%): 70.0");
    EXPECT_EQ(lines[13], L"Rainfall total  (mm): 12.3");
    EXPECT_EQ(lines[14], L"Wind Speed (mph): 2.3 Wind Direction: 9");
    EXPECT_EQ(lines[15], L"Wind Chill (degC): 9.5 Wind Gust (mph): 4.5");
}

TEST_F(AutoSaveTest, WindChillAndGustShareOneLineInBothFiles)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.readings.windChill = 9.5;  // gust missing
    const std::vector<std::wstring> csv = Lines(BuildAutoSaveCsvLines(s, LANGUAGE_ENGLISH, saveTime));
    const std::vector<std::wstring> txt = Lines(BuildAutoSaveTxtLines(s, LANGUAGE_ENGLISH, saveTime));
    EXPECT_EQ(csv.back(), L"Wind Chill (degC),9.5,Wind Gust (mph),");
    EXPECT_EQ(txt.back(), L"Wind Chill (degC): 9.5 Wind Gust (mph):  ");
}

TEST_F(AutoSaveTest, DirectionIsWrittenOnlyWithAPresentSpeed)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.readings.windDirection = 4;  // speed missing
    EXPECT_EQ(Lines(BuildAutoSaveCsvLines(s, 0, saveTime))[15], L"Wind Speed (mph),,Wind Direction,");
    EXPECT_EQ(Lines(BuildAutoSaveTxtLines(s, 0, saveTime))[14], L"Wind Speed (mph):  Wind Direction: ");
    s.readings.windSpeed = 0.0;  // present speed, missing direction is written as it comes
    s.readings.windDirection = MISSING_VALUE;
    EXPECT_EQ(Lines(BuildAutoSaveCsvLines(s, 0, saveTime))[15], L"Wind Speed (mph),0.0,Wind Direction,-999");
}

TEST_F(AutoSaveTest, UserDefinedCityTakesItsOwnNameAndPosition)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.location.cityIndex = 123;
    s.location.userCityName = L"Greenwich";
    s.location.position.latitudeDegrees = 51;
    s.location.position.latitudeMinutes = 30;
    s.location.position.latitudeHemisphere = 0;
    s.location.position.longitudeDegrees = 0;
    s.location.position.longitudeMinutes = 7;
    s.location.position.longitudeHemisphere = 1;
    const std::vector<std::wstring> lines = Lines(BuildAutoSaveCsvLines(s, LANGUAGE_ENGLISH, saveTime));
    EXPECT_EQ(lines[4], L"City name,Greenwich");
    EXPECT_EQ(lines[5], L"Latitude,51,30,north");
    EXPECT_EQ(lines[6], L"Longitude,0,7,west");
}

TEST_F(AutoSaveTest, DamagedIndexesNeverLeaveTheirTables)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.location.cityIndex = 140;
    std::vector<std::wstring> lines = Lines(BuildAutoSaveCsvLines(s, 99, saveTime));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0].substr(0, 20), L"Computer Date / Time");  // language 99 reads English
    EXPECT_EQ(lines[4], L"City name,");
    EXPECT_EQ(lines[5], L"Latitude,");
    s.location.cityIndex = -1;
    EXPECT_EQ(Lines(BuildAutoSaveCsvLines(s, -5, saveTime))[4], L"City name,");
    s.location.cityIndex = 123;
    s.location.position.latitudeHemisphere = 7;  // no compass word for it
    s.location.position.longitudeHemisphere = -2;
    lines = Lines(BuildAutoSaveCsvLines(s, 0, saveTime));
    EXPECT_EQ(lines[5], L"Latitude,0,0,");
    EXPECT_EQ(lines[6], L"Longitude,0,0,");
}

TEST_F(AutoSaveTest, ValuesAreConvertedIntoTheDisplayUnits)
{
    AutoSaveSnapshot s = EnglishSnapshot();
    s.readings.pressure = 1013.2;
    s.readings.uv = 7.0;
    s.readings.temperature[0] = 20.0;
    s.readings.windSpeed = 10.0;
    s.readings.windDirection = 0;
    s.readings.windChill = 10.0;
    s.readings.windGust = 20.0;
    s.units.pressure = 2;
    s.units.uv = 0;
    s.units.temperature = 1;
    s.units.wind = 0;
    s.units.rain = 0;
    std::vector<std::wstring> lines = Lines(BuildAutoSaveCsvLines(s, 0, saveTime));
    EXPECT_EQ(lines[2], L"Pressure (mmHg),760.2");
    EXPECT_EQ(lines[3], L"UV index (MED/h),3.0");
    EXPECT_EQ(lines[7], L",Temperature (degF),Humidity (%)");
    EXPECT_EQ(lines[8], L"Indoor,68.0,");
    EXPECT_EQ(lines[14], L"Rainfall total  (inch),12.3");
    EXPECT_EQ(lines[15], L"Wind Speed (km/h),16.1,Wind Direction,0");
    EXPECT_EQ(lines[16], L"Wind Chill (degF),50.0,Wind Gust (km/h),32.2");
    s.units.pressure = 0;
    s.units.wind = 1;
    lines = Lines(BuildAutoSaveCsvLines(s, 0, saveTime));
    EXPECT_EQ(lines[2], L"Pressure (inHg),29.9");
    EXPECT_EQ(lines[15], L"Wind Speed (knots),8.7,Wind Direction,0");
    s.units.wind = 2;
    EXPECT_EQ(Lines(BuildAutoSaveCsvLines(s, 0, saveTime))[15], L"Wind Speed (m/s),4.5,Wind Direction,0");
}

TEST_F(AutoSaveTest, FilesAreWrittenByteForByte)
{
    _mkdir("autosave_test");
    AutoSaveSnapshot s = EnglishSnapshot();
    s.readings.temperature[0] = 21.5;
    s.readings.humidity[0] = 45;
    s.sensorNames[1] = L"Küche";

    ASSERT_TRUE(WriteAutoSaveCsv(L"autosave_test\\snap.csv", s, 0, saveTime));
    const std::string csv = ReadBytes(L"autosave_test\\snap.csv");
    EXPECT_EQ(csv.substr(0, 39), "Computer Date / Time,2014.03.07 09:06\r\n");
    EXPECT_NE(csv.find("\r\nIndoor,21.5,45.0\r\n"), std::string::npos);
    EXPECT_EQ(csv.find("\n\n"), std::string::npos);
    // 'ü' exists in the 8-bit code page of the test machine (1252).
    ASSERT_EQ(AutoSaveCodePage(), 1252u);
    EXPECT_NE(csv.find("K\xFC" "che,,\r\n"), std::string::npos);

    ASSERT_TRUE(WriteAutoSaveTxt(L"autosave_test\\snap.txt", s, 0, saveTime));
    const std::string txt = ReadBytes(L"autosave_test\\snap.txt");
    ASSERT_GE(txt.size(), 4u);
    EXPECT_EQ(txt.substr(0, 4), std::string("\xFF\xFE" "C\0", 4));
    ASSERT_EQ(txt.size() % 2, 0u);
    std::wstring text;
    for (size_t i = 2; i < txt.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(txt[i]) | static_cast<unsigned char>(txt[i + 1]) << 8);
    EXPECT_EQ(text, WithCrLf(BuildAutoSaveTxtLines(s, 0, saveTime)));
    EXPECT_NE(text.find(L"\r\n[Küche] Temperature (degC):  Humidity (%): \r\n"), std::wstring::npos);

    // The same name again replaces the file.
    s.readings.temperature[0] = 22.0;
    ASSERT_TRUE(WriteAutoSaveCsv(L"autosave_test\\snap.csv", s, 0, saveTime));
    EXPECT_NE(ReadBytes(L"autosave_test\\snap.csv").find("\r\nIndoor,22.0,45.0\r\n"), std::string::npos);
}

TEST_F(AutoSaveTest, RussianLabelsBecomeQuestionMarksInTheCsvOnly)
{
    _mkdir("autosave_test");
    PointCurrentLanguageViews(LANGUAGE_RUSSIAN);
    AutoSaveSnapshot s = EnglishSnapshot();
    s.sensorNames[0] = L"Дом";
    s.sensorNames[1] = L"Łódź";  // no best-fit 'L' or 'o': plain '?'
    ASSERT_TRUE(WriteAutoSaveCsv(L"autosave_test\\ru.csv", s, LANGUAGE_RUSSIAN, saveTime));
    const std::string csv = ReadBytes(L"autosave_test\\ru.csv");
    EXPECT_NE(csv.find("\r\n???,,\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n?\xF3" "d?,,\r\n"), std::string::npos);
    for (unsigned char c : csv)
        EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c != 0x7F)) << int(c);

    ASSERT_TRUE(WriteAutoSaveTxt(L"autosave_test\\ru.txt", s, LANGUAGE_RUSSIAN, saveTime));
    const std::string txt = ReadBytes(L"autosave_test\\ru.txt");
    const std::wstring dom = L"[Дом] ";
    std::string domBytes;
    for (wchar_t c : dom) {
        domBytes += static_cast<char>(c & 0xFF);
        domBytes += static_cast<char>((c >> 8) & 0xFF);
    }
    EXPECT_NE(txt.find(domBytes), std::string::npos);
}

TEST_F(AutoSaveTest, AFileThatCannotBeCreatedWritesNothing)
{
    const AutoSaveSnapshot s = EnglishSnapshot();
    EXPECT_FALSE(WriteAutoSaveCsv(L"no_such_folder_xyz\\a.csv", s, 0, saveTime));
    EXPECT_FALSE(WriteAutoSaveTxt(L"no_such_folder_xyz\\a.txt", s, 0, saveTime));
    EXPECT_EQ(GetFileAttributesW(L"no_such_folder_xyz"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
