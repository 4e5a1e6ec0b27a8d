// Parsing "all_weather.csv" back into the readings record.
#include "DumpFixture.h"

#include "records/DumpParse.h"
#include "records/ReadingsRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// Seven records, newest first. The sixth (o = 5) has no valid age ("E"), so the five newest are kept.
// Channel 3 is absent ("OUT" temperatures), channel 4 reads "UU"; two rows carry "CLEAR".
std::vector<DumpRecordText> HistoryB()
{
    return {
        {"2014,1,18,6,10,20,0sec", "20.00,50,0.00,100", "10.00,60,OUT,45,UU,UU", "5.00,70,1.20,1013.25,1,3,ChkErr,4.50",
         "2.30,SSW,DEFAULT,100"},
        {"2014,1,18,6,10,15,300sec", "21.00,40,1.00,90", "11.00,61,OUT,46,UU,UU", "5.50,71,MISS,UU,0,UU,9.00,HH",
         "UU,WNW,CLEAR,200"},
        {"2014,1,18,6,10,10,31536000sec", "22.00,41,2.00,91", "12.00,62,OUT,47,UU,UU",
         "6.00,72,2.00,1012.00,1,5,8.00,3.00", "1.00,bogus,RESTART,MISS"},
        {"2014,1,18,6,10,5,600sec", "23.00,42,3.00,92", "13.00,63,OUT,48,UU,UU", "6.50,73,3.00,1011.00,1,1,7.00,2.00",
         "1.50,N,CLEAR,50"},
        {"2014,1,18,6,9,55,900sec", "24.00,43,4.00,93", "14.00,64,OUT,49,UU,UU", "7.00,74,4.00,1010.00,1,2,6.00,1.00",
         "1.00,E,DEFAULT,40"},
        {"2014,1,18,6,9,50,E", "25.00,44,5.00,94", "15.00,65,OUT,50,UU,UU", "7.50,75,5.00,1009.00,1,2,5.00,1.00",
         "1.00,E,CLEAR,30"},
        {"2014,1,18,6,9,45,1200sec", "26.00,45,6.00,95", "16.00,66,OUT,51,UU,UU", "8.00,76,6.00,1008.00,1,2,4.00,1.00",
         "1.00,E,DEFAULT,20"},
    };
}

DumpRecordText PlainRecord(int minute, const std::string& age)
{
    return {"2014,1,18,6,10," + std::to_string(minute) + "," + age, "20.00,50,0.00,100", "10.00,60,1.00,61,2.00,62",
            "3.00,63,1.00,1000.00,1,1,1.00,1.00", "1.00,N,DEFAULT,1"};
}

class DumpParseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        record = std::make_unique<ReadingsRecord>();
        ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), HistoryB()));
    }
    std::unique_ptr<ReadingsRecord> record;
};

TEST_F(DumpParseTest, RowsEndAtTheFirstRecordWithoutValidAge)
{
    EXPECT_EQ(record->m_tokenCount, 26 + 7 * 5);
    ASSERT_EQ(record->m_rowCount, 5);
    // Index 4 is the newest record, index 0 the oldest kept (09:55).
    EXPECT_EQ(record->m_minuteColumn[4], 20);
    EXPECT_EQ(record->m_hourColumn[0], 9);
    EXPECT_EQ(record->m_minuteColumn[0], 55);
    EXPECT_EQ(record->m_yearColumn[4], 2014);
    EXPECT_EQ(record->m_monthColumn[4], 1);
    EXPECT_EQ(record->m_dayColumn[4], 18);
    EXPECT_EQ(record->m_weekdayColumn[4], 6);
    EXPECT_EQ(record->m_secondsColumn[4], 0);
    EXPECT_EQ(record->m_secondsColumn[2], 31536000); // exactly a year old is kept
}

TEST_F(DumpParseTest, MarkersAndAbsentChannelsAreMissing)
{
    const int newest = 4, second = 3, third = 2;
    EXPECT_DOUBLE_EQ(record->m_temperatureColumns[0][newest], 20.0);
    EXPECT_DOUBLE_EQ(record->m_humidityColumns[0][newest], 50.0);
    EXPECT_DOUBLE_EQ(record->m_temperatureColumns[3][newest], DISPLAY_MISSING); // "OUT"
    EXPECT_DOUBLE_EQ(record->m_humidityColumns[3][newest], 45.0);
    EXPECT_DOUBLE_EQ(record->m_temperatureColumns[4][newest], DISPLAY_MISSING); // "UU"
    EXPECT_DOUBLE_EQ(record->m_humidityColumns[5][newest], 70.0);
    EXPECT_DOUBLE_EQ(record->m_uvColumn[newest], 1.2);
    EXPECT_DOUBLE_EQ(record->m_pressureColumn[newest], 1013.25);
    EXPECT_EQ(record->m_forecastColumn[newest], 3);
    EXPECT_DOUBLE_EQ(record->m_windChillColumn[newest], DISPLAY_MISSING); // "ChkErr"
    EXPECT_DOUBLE_EQ(record->m_windGustColumn[newest], 4.5);
    EXPECT_DOUBLE_EQ(record->m_windSpeedColumn[newest], 2.3);
    EXPECT_DOUBLE_EQ(record->m_windDirectionColumn[newest], 9.0);
    EXPECT_NEAR(record->m_rainColumn[newest], 70.5375, 1e-9);

    // "MISS" UV, "UU" pressure and speed, "HH" gust are missing, never 0; the forecast "UU" is 0.
    EXPECT_DOUBLE_EQ(record->m_uvColumn[second], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_pressureColumn[second], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_windSpeedColumn[second], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_windGustColumn[second], DISPLAY_MISSING);
    EXPECT_EQ(record->m_forecastColumn[second], 0);
    EXPECT_DOUBLE_EQ(record->m_windDirectionColumn[second], 13.0); // WNW
    // A rain counter "MISS" is missing; a direction that is no compass text stays 0.
    EXPECT_DOUBLE_EQ(record->m_rainColumn[third], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_windDirectionColumn[third], 0.0);
    EXPECT_EQ(record->m_forecastColumn[third], 5);
    EXPECT_DOUBLE_EQ(record->m_windDirectionColumn[0], 4.0); // "E" as a direction is east
}

TEST_F(DumpParseTest, DewpointsAndTheirExtremes)
{
    EXPECT_NEAR(record->m_dewpointColumns[0][4], 9.2771346, 5e-8);
    EXPECT_NEAR(record->m_dewpointColumns[1][4], 0.0, 1e-9); // 0 degrees, 100 percent
    // One value missing is enough for no dewpoint; such rows leave the extremes alone.
    EXPECT_DOUBLE_EQ(record->m_dewpointColumns[3][4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_dewpointColumns[4][4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_dewpointMax[3], -999.0);
    EXPECT_DOUBLE_EQ(record->m_dewpointMin[3], 999.0);
    for (int s : {0, 1, 2, 5}) {
        const double* column = record->m_dewpointColumns[s];
        EXPECT_DOUBLE_EQ(record->m_dewpointMax[s], *std::max_element(column, column + 5)) << s;
        EXPECT_DOUBLE_EQ(record->m_dewpointMin[s], *std::min_element(column, column + 5)) << s;
    }
    // A second parse widens the extremes, it does not reseed them.
    record->m_dewpointMax[0] = 100.0;
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), HistoryB()));
    EXPECT_DOUBLE_EQ(record->m_dewpointMax[0], 100.0);
}

TEST_F(DumpParseTest, OnlyTheNewestClearRowSetsTheRainReset)
{
    EXPECT_EQ(record->m_rainResetDate[0], 2014);
    EXPECT_EQ(record->m_rainResetDate[1], 1);
    EXPECT_EQ(record->m_rainResetDate[2], 18);
    EXPECT_EQ(record->m_rainResetDate[3], 10);
    EXPECT_EQ(record->m_rainResetDate[4], 15);
    EXPECT_NEAR(record->m_rainAtReset, 200 * 0.6875 * 1.026, 1e-9);
}

TEST_F(DumpParseTest, HeaderValues)
{
    EXPECT_EQ(record->m_headerLine1Value, 77);
    const int location[11] = {42, 0, 51, 30, 1, 0, 7, 1, 52, 13, 5};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(record->m_headerLocation[i], location[i]) << i;
    EXPECT_EQ(record->m_cityNameIndex, 17);
    EXPECT_DOUBLE_EQ(record->m_headerIndoorExtremes[0], 18.5);
    EXPECT_DOUBLE_EQ(record->m_headerIndoorExtremes[1], 24.0);
    EXPECT_DOUBLE_EQ(record->m_headerIndoorExtremes[2], 35.0);
    EXPECT_DOUBLE_EQ(record->m_headerIndoorExtremes[3], 55.0);
    EXPECT_DOUBLE_EQ(record->m_headerChannelTempMin[0], 1.5);
    EXPECT_DOUBLE_EQ(record->m_headerChannelTempMax[3], 12.0);
    EXPECT_DOUBLE_EQ(record->m_headerChannelHumidityMin[1], 41.0);
    EXPECT_DOUBLE_EQ(record->m_headerChannelHumidityMax[2], 82.0);
    // Channel 5's line holds only markers ("UU", "MISS", "OUT", "ChkErr").
    EXPECT_DOUBLE_EQ(record->m_headerChannelTempMin[4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_headerChannelTempMax[4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_headerChannelHumidityMin[4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_headerChannelHumidityMax[4], DISPLAY_MISSING);

    const double uv[8] = {1, 2, 3, DISPLAY_MISSING, 5, 6, 7, 8.5};
    for (int i = 0; i < 8; ++i)
        EXPECT_DOUBLE_EQ(record->m_headerUvDailyMax[i], uv[i]) << i;
    EXPECT_DOUBLE_EQ(record->m_headerAltitude, 250.0);
    EXPECT_DOUBLE_EQ(record->m_headerHourlyPressure[0], 1000.0);
    EXPECT_DOUBLE_EQ(record->m_headerHourlyPressure[16], 1016.0);
    EXPECT_DOUBLE_EQ(record->m_headerHourlyPressure[17], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_headerHourlyPressure[24], 1024.0);
    EXPECT_DOUBLE_EQ(record->m_headerWindMax[0], 12.5);
    EXPECT_DOUBLE_EQ(record->m_headerWindMax[1], 20.1);
    EXPECT_NEAR(record->m_headerRainTotals[0], 70.5375, 1e-9);
    EXPECT_DOUBLE_EQ(record->m_headerRainTotals[1], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(record->m_headerRainTotals[2], DISPLAY_MISSING); // "65535"
}

TEST_F(DumpParseTest, TrendCodesFollowTheStationsTwoBitFields)
{
    // Lines 12-14 are bytes 73-75 written bits 0-1 first. Sensor s sits in byte 73 + s / 2: the
    // temperature trend in bits 0-1 (even s) or 4-5 (odd s), the humidity trend in bits 2-3 or 6-7.
    const int temperature[6] = {1, 3, 2, MISSING_VALUE, 3, 1};
    const int humidity[6] = {2, MISSING_VALUE, 1, 3, 3, 1};
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(record->m_headerTempTrend[s], temperature[s]) << s;
        EXPECT_EQ(record->m_headerHumidityTrend[s], humidity[s]) << s;
    }
}

TEST(DumpParseEdgeTest, OneRecordLessThanTheDumpHoldsAndShortDumpsHaveNoRows)
{
    std::vector<DumpRecordText> records;
    for (int i = 0; i < 100; ++i)
        records.push_back(PlainRecord(i % 60, std::to_string(300 * i) + "sec"));
    auto record = std::make_unique<ReadingsRecord>();
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), records));
    EXPECT_EQ(record->m_tokenCount, 526);
    ASSERT_EQ(record->m_rowCount, 99);
    EXPECT_EQ(record->m_secondsColumn[98], 0);          // newest
    EXPECT_EQ(record->m_secondsColumn[0], 300 * 98);    // second-oldest of the dump

    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), {}));
    EXPECT_LE(record->m_rowCount, 0);
    EXPECT_EQ(record->m_tokenCount, 26);

    // An age of a year and a second ends the rows; so does an "E" at the newest record.
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(),
                                         {PlainRecord(1, "0sec"), PlainRecord(2, "31536001sec"),
                                          PlainRecord(3, "0sec"), PlainRecord(4, "0sec")}));
    EXPECT_EQ(record->m_rowCount, 1);
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(),
                                         {PlainRecord(1, "E"), PlainRecord(2, "0sec"), PlainRecord(3, "0sec")}));
    EXPECT_EQ(record->m_rowCount, 0);
    EXPECT_EQ(DumpAgeSeconds("12sec"), 12);
    EXPECT_EQ(DumpAgeSeconds("-1sec"), INVALID_AGE_S);
    EXPECT_EQ(DumpAgeSeconds("ChkErr"), INVALID_AGE_S);
}

TEST(DumpParseEdgeTest, RowsOfNoRealDateAreNoRecordsAndAreNeverStaged)
{
    // A station whose memory was just cleared dumps empty slots: month 0, day 0.
    DumpRecordText empty = PlainRecord(0, "0sec");
    empty.date = "2000,0,0,0,0,0,0sec";
    auto record = std::make_unique<ReadingsRecord>();
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), {empty, empty, empty}));
    EXPECT_EQ(record->m_rowCount, 0);
    const std::wstring staging = L"records_dump_no_date.txt";
    DeleteFileW(staging.c_str());
    EXPECT_FALSE(record->AppendLastRecords(0.0, staging));
    EXPECT_EQ(GetFileAttributesW(staging.c_str()), INVALID_FILE_ATTRIBUTES);

    // Among real records (newest first: 10:03, a damaged slot, 10:01, 31 February) only the real
    // ones stay, oldest first, with their own values.
    DumpRecordText february = PlainRecord(0, "180sec");
    february.date = "2014,2,31,6,10,0,180sec";
    DumpRecordText damaged = PlainRecord(0, "60sec");
    damaged.date = "2014,13,18,6,10,2,60sec";
    DumpRecordText first = PlainRecord(1, "120sec");
    first.sensors1 = "19.00,50,0.00,100";
    ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), {PlainRecord(3, "0sec"), damaged, first, february}));
    ASSERT_EQ(record->m_rowCount, 2);
    EXPECT_EQ(record->m_minuteColumn[0], 1);
    EXPECT_EQ(record->m_temperatureColumns[0][0], 19.0);
    EXPECT_EQ(record->m_minuteColumn[1], 3);
    EXPECT_EQ(record->m_temperatureColumns[0][1], 20.0);
    EXPECT_EQ(record->m_yearColumn[2], 0) << "rows beyond the count are cleared";
}

TEST(DumpParseEdgeTest, FileReadingAndMissingFile)
{
    std::wstring folder = ScratchFolder(L"dump");
    std::string path = Narrow(folder) + "all_weather.csv";
    auto record = std::make_unique<ReadingsRecord>();
    record->m_headerAltitude = 123.0;
    EXPECT_FALSE(LoadDumpTokens(*record, Widen(path + ".none")));
    EXPECT_DOUBLE_EQ(record->m_headerAltitude, 123.0);

    // Text-mode line ends (CR LF) read the same as LF.
    std::string text = BuildDumpText(StandardDumpHeader(), HistoryB());
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    WriteBytes(Widen(path), crlf);
    ASSERT_TRUE(LoadDumpTokens(*record, Widen(path)));
    EXPECT_EQ(record->m_tokenCount, 61);
    EXPECT_EQ(record->m_rowCount, 5);
    EXPECT_DOUBLE_EQ(record->m_headerAltitude, 250.0);
}

} // namespace
