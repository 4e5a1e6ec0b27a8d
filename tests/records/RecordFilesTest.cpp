// Staging of the downloaded history and the four record files, checked byte for byte.
#include "DumpFixture.h"

#include "records/DumpParse.h"
#include "records/MainRecords.h"
#include "records/ReadingsRecord.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "records/SaveAs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>

namespace {

// Four records, newest first; the parse keeps the three newest (rows 0..2 = 10:10, 10:15, 10:20).
// Channel 2 is absent ("OUT"/"UU"), channel 5 reads "LL"/"HH"; the 10:15 record has missing UV,
// forecast, wind chill, gust and speed, and the rain reset; the 10:20 record has no rain value.
std::vector<DumpRecordText> HistoryA()
{
    return {
        {"2014,1,18,6,10,20,0sec", "21.00,52,6.00,82", "OUT,UU,1.70,92,-2.80,72",
         "LL,HH,2.50,1013.50,1,2,20.00,5.00", "3.00,S,MISS,120"},
        {"2014,1,18,6,10,15,300sec", "20.50,51,5.50,81", "OUT,UU,1.60,91,-3.00,71",
         "LL,HH,MISS,1013.00,0,UU,OUT,UU", "UU,UU,CLEAR,110"},
        {"2014,1,18,6,10,10,600sec", "20.00,50,5.00,80", "OUT,UU,1.50,90,-3.20,70",
         "LL,HH,0.00,1013.25,1,3,19.50,4.00", "2.00,SSW,DEFAULT,100"},
        {"2014,1,18,6,10,5,900sec", "19.00,49,4.00,79", "OUT,UU,1.40,89,-3.40,69",
         "LL,HH,0.00,1013.00,1,3,19.00,4.00", "2.00,N,CLEAR,90"},
    };
}

// Rain base 10.0 mm: 100 counts = 70.5375 mm -> 60.5; 110 counts = 77.59125 mm -> 67.6, which the
// 10:20 row (rain status "MISS") takes over from the row before it.
const char* const kStaged[3] = {
    "2014,6,1,18,10,10,20.00,50.00,5.00,80.00,, , 1.50,90.00,-3.20,70.00,, , 0.00,1013.25,3,19.50,4.00,2.00,9,60.5,",
    "2014,6,1,18,10,15,20.50,51.00,5.50,81.00,, , 1.60,91.00,-3.00,71.00,, , , 1013.00,0,, , , 0,67.6,",
    "2014,6,1,18,10,20,21.00,52.00,6.00,82.00,, , 1.70,92.00,-2.80,72.00,, , 2.50,1013.50,2,20.00,5.00,3.00,8,67.6,",
};

const char* const kBaseHeader =
    "Year,Weekday,Month,Date,Hour,Minute,InTemp (degC),InRH (%),CH1Temp (degC),CH1RH (%),CH2Temp (degC),"
    "CH2RH (%),CH3Temp (degC),CH3RH (%),CH4Temp (degC),CH4RH (%),CH5Temp (degC),CH5RH (%),UV (UVI),"
    "Baro (mBar/hPa),Weather,Wchill (degC),Wgust (mph),Wspeed (mph),W_Dir,RainCount (mm),OneHour (mm),"
    "r24Hour (mm),Yesterday (mm),LastWeek (mm),LastMonth (mm),uvDaily (UVI),uvWeekly (UVI),";

const char* const kDisplayHeader =
    "Year,Weekday,Month,Date,Hour,Minute,InTemp (degF),InRH (%),CH1Temp (degF),CH1RH (%),CH2Temp (degF),"
    "CH2RH (%),CH3Temp (degF),CH3RH (%),CH4Temp (degF),CH4RH (%),CH5Temp (degF),CH5RH (%),UV (MED/h),"
    "Baro (inHg),Weather,Wchill (degF),Wgust (km/h),Wspeed (km/h),W_Dir,RainCount (inch),OneHour (inch),"
    "r24Hour (inch),Yesterday (inch),LastWeek (inch),LastMonth (inch),uvDaily (MED/h),uvWeekly (MED/h),";

// The staged lines in degF, MED/h, inHg, km/h and inch (worked out by hand: 20.00 C -> 68.00 F,
// 1013.25 hPa x 0.02954 -> 29.93, 4.00 mph x 1.61 -> 6.44, 60.5 mm x 0.03937 -> 2.38, 2.50 UVI x 3/7
// -> 1.07); blank and empty fields become empty, the direction " 0" is copied as it is.
const char* const kDisplay[3] = {
    "2014,6,1,18,10,10,68.00,50.00,41.00,80.00,,,34.70,90.00,26.24,70.00,,,0.00,29.93,3,67.10,6.44,3.22,9,2.38,",
    "2014,6,1,18,10,15,68.90,51.00,41.90,81.00,,,34.88,91.00,26.60,71.00,,,,29.92,0,,,, 0,2.66,",
    "2014,6,1,18,10,20,69.80,52.00,42.80,82.00,,,35.06,92.00,26.96,72.00,,,1.07,29.94,2,68.00,8.05,4.83,8,2.66,",
};

// The same lines in the base units, every converted column written "%0.2f".
const char* const kBaseCustom[3] = {
    "2014,6,1,18,10,10,20.00,50.00,5.00,80.00,,,1.50,90.00,-3.20,70.00,,,0.00,1013.25,3,19.50,4.00,2.00,9,60.50,",
    "2014,6,1,18,10,15,20.50,51.00,5.50,81.00,,,1.60,91.00,-3.00,71.00,,,,1013.00,0,,,, 0,67.60,",
    "2014,6,1,18,10,20,21.00,52.00,6.00,82.00,,,1.70,92.00,-2.80,72.00,,,2.50,1013.50,2,20.00,5.00,3.00,8,67.60,",
};

const char* const kLater = "2014,6,1,18,10,25,21.10,52.00,6.00,82.00,, , 1.70,92.00,-2.80,72.00,, , 2.50,1013.50,2,"
                           "20.00,5.00,3.00,8,67.6,";

std::string Tabs(std::string s)
{
    for (char& c : s)
        if (c == ',')
            c = '\t';
    return s;
}

std::string File(const char* header, std::initializer_list<const char*> lines, bool tabs = false)
{
    std::string text = std::string(header) + "\r\n";
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return tabs ? Tabs(text) : text;
}

DisplayUnitSelection DisplayUnits()
{
    DisplayUnitSelection units;
    units.temperature = 1;
    units.uv = 0;
    units.pressure = 0;
    units.wind = 0;
    units.rain = 0;
    return units;
}

class RecordFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        record = std::make_unique<ReadingsRecord>();
        ParseDumpText(*record, BuildDumpText(StandardDumpHeader(), HistoryA()));
        ASSERT_EQ(record->m_rowCount, 3);
    }

    std::wstring Stage(const std::wstring& folder)
    {
        std::wstring staging = folder + STAGING_FILE_NAME;
        EXPECT_TRUE(record->AppendLastRecords(10.0, staging));
        return staging;
    }

    std::unique_ptr<ReadingsRecord> record;
};

TEST_F(RecordFilesTest, StagedHistoryLinesFollowTheStagingFormat)
{
    std::wstring folder = ScratchFolder(L"staged");
    Stage(folder);
    EXPECT_EQ(ReadBytes(folder + STAGING_FILE_NAME),
              std::string(kStaged[0]) + "\r\n" + kStaged[1] + "\r\n" + kStaged[2] + "\r\n");
}

TEST_F(RecordFilesTest, HistoryMergedTwiceByTimeGivesNoDuplicatesInBaseAndDisplayUnits)
{
    std::wstring folder = ScratchFolder(L"twice");
    const DisplayUnitSelection units = DisplayUnits();
    Stage(folder);
    MergeStagedRecords(folder, true, units);
    EXPECT_FALSE(FileExists(folder + STAGING_FILE_NAME));

    const std::string csv = File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2]});
    const std::string custom = File(kDisplayHeader, {kDisplay[0], kDisplay[1], kDisplay[2]});
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv);
    EXPECT_EQ(ReadBytes(folder + L"txt.dat"), Tabs(csv));
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), Tabs(custom));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), csv);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.txt"), Tabs(csv));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.csv"), custom);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), Tabs(custom));

    // A second start stages the same history and one newer line: only that line is added.
    Stage(folder);
    ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, kLater));
    MergeStagedRecords(folder, true, units);
    const std::string csv2 = File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2], kLater});
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv2);
    EXPECT_EQ(ReadBytes(folder + L"txt.dat"), Tabs(csv2));
    const std::string later =
        "2014,6,1,18,10,25,69.98,52.00,42.80,82.00,,,35.06,92.00,26.96,72.00,,,1.07,29.94,2,68.00,8.05,4.83,8,2.66,";
    const std::string custom2 = custom + later + "\r\n";
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom2);
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), Tabs(custom2));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), Tabs(custom2));
}

TEST_F(RecordFilesTest, ALaterPassNeverAppendsARecordTheFilesHold)
{
    std::wstring folder = ScratchFolder(L"notime");
    Stage(folder);
    MergeStagedRecords(folder, true, DisplayUnitSelection());
    const std::string csv = File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2]});
    const std::string custom = File(kBaseHeader, {kBaseCustom[0], kBaseCustom[1], kBaseCustom[2]});
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);

    // A record staged again (a kill before the staging file was deleted) goes nowhere twice.
    ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, kStaged[2]));
    EXPECT_TRUE(MergeStagedRecords(folder, false, DisplayUnitSelection()));
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.txt"), Tabs(csv));
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);
    EXPECT_FALSE(FileExists(folder + STAGING_FILE_NAME));
}

// ---- merge rules -----------------------------------------------------------------------------------

// A record line of the given time: 26 fields, the indoor temperature `value`, the others empty.
std::string Line(int year, int month, int day, int hour, int minute, const char* value = "1.00", int weekday = 4)
{
    char head[96];
    std::snprintf(head, sizeof head, "%d,%d,%d,%d,%d,%d,%s,", year, weekday, month, day, hour, minute, value);
    return head + std::string(19, ',');
}

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class MergeRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = ScratchFolder(L"rules");
        source = folder + L"source.txt";
        target = folder + L"csv.dat";
    }
    MergeResult Merge(RecordFileKind kind, const std::string& staged)
    {
        WriteBytes(source, staged);
        return MergeRecordFile(kind, source, target, DisplayUnitSelection());
    }
    const std::string header = std::string(kBaseHeader) + "\r\n";
    std::wstring folder, source, target;
};

TEST_F(MergeRulesTest, RecordsTheFileLacksAreAppendedInTimeOrderAndHeldRecordsNever)
{
    WriteBytes(target, header + Lines({Line(2009, 12, 31, 23, 58), Line(2099, 1, 1, 0, 0, "2.00")}));
    EXPECT_EQ(Merge(RecordFileKind::Csv,
                    Lines({Line(2009, 12, 31, 23, 58, "1.0"),       // held: dropped
                           Line(2009, 12, 31, 23, 58, "1.00", 5),   // differs only in the weekday: dropped
                           Line(2099, 1, 1, 0, 0, "2.00"),          // held, however far ahead: dropped
                           Line(2009, 12, 31, 23, 58, "3.00"),      // a held time, other values: appended
                           Line(2010, 1, 1, 0, 0, "6.00"),          // lacking: appended
                           Line(2009, 12, 31, 23, 57, "7.00"),      // lacking, although earlier: appended
                           Line(2009, 12, 31, 23, 59, "8.00"),      // lacking: appended
                           Line(2009, 12, 31, 23, 59, "8"),         // the same record again: the first stands
                           Line(2014, 0, 0, 0, 0, "10.00"),         // no real date: never
                           "2009,4,12,31,23,50,1.00,"}) +           // not a whole record: never
                        Line(2011, 1, 1, 1, 0)),                    // no line end, but whole: appended
              MergeResult::Merged);
    EXPECT_EQ(ReadBytes(target), header + Lines({Line(2009, 12, 31, 23, 58), Line(2099, 1, 1, 0, 0, "2.00"),
                                                 Line(2009, 12, 31, 23, 57, "7.00"),
                                                 Line(2009, 12, 31, 23, 58, "3.00"),
                                                 Line(2009, 12, 31, 23, 59, "8.00"),
                                                 Line(2010, 1, 1, 0, 0, "6.00"), Line(2011, 1, 1, 1, 0)}));
}

TEST_F(MergeRulesTest, HeaderOnlyAndEmptyTargetsTakeEveryRecord)
{
    WriteBytes(target, header);
    Merge(RecordFileKind::Csv, Lines({Line(2014, 1, 18, 10, 20)}));
    EXPECT_EQ(ReadBytes(target), header + Lines({Line(2014, 1, 18, 10, 20)}));

    // A file of 0 bytes counts as new: it gets its header row.
    WriteBytes(target, "");
    Merge(RecordFileKind::Csv, Lines({Line(2014, 1, 18, 10, 20)}));
    EXPECT_EQ(ReadBytes(target), header + Lines({Line(2014, 1, 18, 10, 20)}));
}

TEST_F(MergeRulesTest, ALastLineCutShortIsCutAwayBeforeAppending)
{
    // What a kill in the middle of an append leaves: part of a line.
    const std::string torn = Line(2014, 1, 18, 10, 25).substr(0, 30);
    WriteBytes(target, header + Lines({Line(2014, 1, 18, 10, 20)}) + torn);
    Merge(RecordFileKind::Csv, Lines({Line(2014, 1, 18, 10, 20), Line(2014, 1, 18, 10, 25)}));
    EXPECT_EQ(ReadBytes(target), header + Lines({Line(2014, 1, 18, 10, 20), Line(2014, 1, 18, 10, 25)}));
}

TEST_F(MergeRulesTest, TabFileKnowsItsTabSeparatedRecords)
{
    target = folder + L"txt.dat";
    WriteBytes(target, Tabs(header + Lines({Line(2014, 1, 18, 10, 20)})));
    Merge(RecordFileKind::Txt, Lines({Line(2014, 1, 18, 10, 20), Line(2014, 1, 18, 10, 22, " 1.00")}));
    EXPECT_EQ(ReadBytes(target), Tabs(header + Lines({Line(2014, 1, 18, 10, 20), Line(2014, 1, 18, 10, 22, " 1.00")})));
}

TEST_F(MergeRulesTest, MissingSourceWritesNothing)
{
    EXPECT_EQ(MergeRecordFile(RecordFileKind::Csv, folder + L"none.txt", target, DisplayUnitSelection()),
              MergeResult::NoSource);
    EXPECT_FALSE(FileExists(target));
}

// ---- damaged, held and read-only record files ------------------------------------------------------

TEST_F(MergeRulesTest, DamagedLinesStayWhereTheyAreAndTheRecordsAroundThemAreKnown)
{
    const std::string records = Lines({Line(2014, 1, 18, 10, 10), Line(2014, 1, 18, 10, 15)});
    const std::string staged = Lines({Line(2014, 1, 18, 10, 10), Line(2014, 1, 18, 10, 15), Line(2014, 1, 18, 10, 20)});
    std::string random;
    for (int i = 0; i < 300; ++i)
        random += static_cast<char>((i * 73 + 11) % 256 == '\n' || (i * 73 + 11) % 256 == '\r' ? 'x' : (i * 73 + 11) % 256);
    const std::string damages[] = {
        random + "\r\n",
        std::string(100 * 1024, '7') + ",1,2,3,4,5,\r\n",   // a 100 KB line
        "Year,Weekday,Month,Date,Hour,Minute,\r\n",           // a second header row
        Line(2014, 13, 18, 10, 25) + "\r\n",                  // no such month
        "2014,6,1,18,10,20,1.00,\r\n",                        // the 10:20 record cut short by an older program
    };
    for (const std::string& damage : damages) {
        WriteBytes(target, header + records.substr(0, records.size() / 2) + damage + records.substr(records.size() / 2));
        EXPECT_EQ(Merge(RecordFileKind::Csv, staged), MergeResult::Merged);
        EXPECT_EQ(ReadBytes(target), header + records.substr(0, records.size() / 2) + damage +
                                         records.substr(records.size() / 2) + Lines({Line(2014, 1, 18, 10, 20)}))
            << damage.substr(0, 40);
    }

    // Lines that end in CR alone still give their records.
    std::string crOnly = std::string(kBaseHeader) + "\r" + Line(2014, 1, 18, 10, 10) + "\r" + Line(2014, 1, 18, 10, 15) + "\r";
    WriteBytes(target, crOnly);
    EXPECT_EQ(Merge(RecordFileKind::Csv, staged), MergeResult::Merged);
    EXPECT_EQ(ReadBytes(target), crOnly + "\n" + Lines({Line(2014, 1, 18, 10, 20)}));
}

class HeldRecordFileTest : public RecordFilesTest {
protected:
    void SetUp() override
    {
        RecordFilesTest::SetUp();
        folder = ScratchFolder(L"held");
        dlg = std::make_unique<CMainRecords>();
        dlg->m_installFolder = folder;
        ASSERT_TRUE(record->AppendLastRecords(10.0, folder + STAGING_FILE_NAME));
        ASSERT_TRUE(MergeStagedRecords(*dlg, true));
        before = ReadBytes(folder + L"txt.dat");
    }
    // Every record file holds the three downloaded lines and the later one, each once.
    void ExpectEveryLineOnce()
    {
        const std::string csv = File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2], kLater});
        EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv);
        EXPECT_EQ(ReadBytes(folder + L"txt.dat"), Tabs(csv));
        EXPECT_EQ(ReadBytes(folder + L"RECORDS.txt"), Tabs(csv));
        EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"),
                  File(kBaseHeader, {kBaseCustom[0], kBaseCustom[1], kBaseCustom[2]}) +
                      "2014,6,1,18,10,25,21.10,52.00,6.00,82.00,,,1.70,92.00,-2.80,72.00,,,2.50,1013.50,2,20.00,5.00,"
                      "3.00,8,67.60,\r\n");
        EXPECT_FALSE(FileExists(folder + STAGING_FILE_NAME));
        EXPECT_FALSE(dlg->m_recordLinesWaiting);
    }
    std::wstring folder;
    std::unique_ptr<CMainRecords> dlg;
    std::string before;
};

TEST_F(HeldRecordFileTest, UnreadableFileIsKeptAndItsLinesWaitForALaterPass)
{
    // Held with write sharing only: it cannot be read, but it could be truncated.
    HANDLE held = CreateFileW((folder + L"txt.dat").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WriteBytes(folder + L"staged.txt", std::string(kLater) + "\r\n");
    EXPECT_EQ(MergeRecordFile(RecordFileKind::Txt, folder + L"staged.txt", folder + L"txt.dat", DisplayUnitSelection()),
              MergeResult::TargetUnreadable);
    EXPECT_FALSE(MergeNewRecordLine(*dlg, kLater));
    EXPECT_TRUE(dlg->m_recordLinesWaiting);
    EXPECT_TRUE(FileExists(folder + STAGING_FILE_NAME));
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"txt.dat"), before) << "an unreadable file must not be recreated";

    // The next pass, with no new line, brings the waiting line in everywhere, once.
    EXPECT_TRUE(MergeStagedRecords(*dlg, false));
    ExpectEveryLineOnce();
}

TEST_F(HeldRecordFileTest, FilesHeldWithoutWriteSharingTakeTheirLinesLater)
{
    // A reader that shares reading only, and a writer that shares reading.
    HANDLE held = HoldForReading(folder + L"csv.dat");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE writer = CreateFileW((folder + L"txt_custom.dat").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const std::string csvBefore = File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2]});
    const std::string customBefore = ReadBytes(folder + L"txt_custom.dat");

    EXPECT_FALSE(MergeNewRecordLine(*dlg, kLater));
    EXPECT_TRUE(dlg->m_recordLinesWaiting);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csvBefore);
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), customBefore);
    // The files that could take the line have it already: a retry adds it nowhere twice.
    EXPECT_FALSE(MergeStagedRecords(*dlg, false));
    EXPECT_EQ(ReadBytes(folder + L"txt.dat"), Tabs(File(kBaseHeader, {kStaged[0], kStaged[1], kStaged[2], kLater})));
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), customBefore);

    CloseHandle(writer);
    EXPECT_TRUE(MergeStagedRecords(*dlg, false));
    ExpectEveryLineOnce();
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"),
              Tabs(File(kBaseHeader, {kBaseCustom[0], kBaseCustom[1], kBaseCustom[2]})) +
                  Tabs("2014,6,1,18,10,25,21.10,52.00,6.00,82.00,,,1.70,92.00,-2.80,72.00,,,2.50,1013.50,2,20.00,5.00,"
                       "3.00,8,67.60,\r\n"));
}

TEST_F(HeldRecordFileTest, ReadersThatLetOthersWriteKeepNoLineOut)
{
    // A viewer reading a record file and its copy, as the C runtime opens files for reading.
    std::ifstream csvReader((folder + L"csv.dat").c_str(), std::ios::binary);
    std::ifstream copyReader((folder + L"RECORDS.csv").c_str(), std::ios::binary);
    ASSERT_TRUE(csvReader.is_open() && copyReader.is_open());
    EXPECT_TRUE(MergeNewRecordLine(*dlg, kLater));
    EXPECT_FALSE(dlg->m_recordLinesWaiting);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), ReadBytes(folder + L"csv.dat"));
    ExpectEveryLineOnce();
}

TEST_F(HeldRecordFileTest, LineThatCannotBeStagedWaitsInMemory)
{
    HANDLE held = CreateFileW((folder + STAGING_FILE_NAME).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(MergeNewRecordLine(*dlg, kLater));
    EXPECT_EQ(dlg->m_unstagedRecordLines.size(), 1u);
    CloseHandle(held);
    EXPECT_TRUE(MergeStagedRecords(*dlg, false));
    EXPECT_TRUE(dlg->m_unstagedRecordLines.empty());
    ExpectEveryLineOnce();
}

// ---- display conversion ----------------------------------------------------------------------------

TEST(DisplayConversionTest, ConvertsByColumnAndEmptiesMissingValues)
{
    DisplayUnitSelection units;
    units.temperature = 1;
    units.pressure = 0;
    // Indoor 20.00 -> 68.00 F, humidity 45.00 unchanged, three blanks and markers empty, non-numbers empty.
    std::string line = "2014,6,1,18,10,20,20.00,45.00,   ,HH,O T,xyz,,,,,,,,1013.25,";
    EXPECT_EQ(ConvertLineForDisplay(line, ',', ',', units),
              "2014,6,1,18,10,20,68.00,45.00,,HH,,xyz,,,,,,,,29.93,");
    // mmHg, knots, m/s and MED/h; rain columns 25..30 and UV 31, 32.
    units = DisplayUnitSelection();
    units.pressure = 2;
    units.wind = 1;
    units.uv = 0;
    units.rain = 0;
    std::string full = "0,0,0,0,0,0,,,,,,,,,,,,,7.00,1000.00,1,,10.00,20.00,4,100.00,1.00,2.00,3.00,4.00,5.00,14.00,"
                       "7.00,";
    EXPECT_EQ(ConvertLineForDisplay(full, ',', '\t', units),
              Tabs("0,0,0,0,0,0,,,,,,,,,,,,,3.00,750.25,1,,8.70,17.40,4,3.94,0.04,0.08,0.12,0.16,0.20,6.00,3.00,"));
    units.wind = 2;
    EXPECT_EQ(ConvertLineForDisplay("0,0,0,0,0,0,,,,,,,,,,,,,,,,,10.00,20.00,tail", ',', ',', units),
              "0,0,0,0,0,0,,,,,,,,,,,,,,,,,4.50,9.00,");
}

// ---- user-facing copies and the custom rebuild -------------------------------------------------------

TEST(UserCopyTest, CopyHeldOpenElsewhereIsSkippedAndReplacedLater)
{
    std::wstring folder = ScratchFolder(L"copy");
    WriteBytes(folder + L"csv.dat", "new\r\n");
    WriteBytes(folder + L"RECORDS.csv", "old\r\n");
    HANDLE held = HoldForReading(folder + L"RECORDS.csv");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyToUserFile(folder + L"csv.dat", folder + L"RECORDS.csv"));
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), "old\r\n");
    EXPECT_TRUE(CopyToUserFile(folder + L"csv.dat", folder + L"RECORDS.csv"));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), "new\r\n");
    // A record file that cannot be read leaves the copy alone.
    EXPECT_FALSE(CopyToUserFile(folder + L"none.dat", folder + L"RECORDS.csv"));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), "new\r\n");
}

TEST(UserCopyTest, ACopyReadForAMomentByAnotherProgramIsStillReplaced)
{
    std::wstring folder = ScratchFolder(L"copy_read");
    WriteBytes(folder + L"csv.dat", "new\r\n");
    WriteBytes(folder + L"RECORDS.csv", "old\r\n");
    // A scanner or a viewer's refresh reads the copy for a moment: it lets go while the copy waits.
    static HANDLE reader;
    reader = CreateFileW((folder + L"RECORDS.csv").c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const LookPause pause = SetLookPauseForTesting([] {
        CloseHandle(reader);
        reader = INVALID_HANDLE_VALUE;
    });
    EXPECT_TRUE(CopyToUserFile(folder + L"csv.dat", folder + L"RECORDS.csv"));
    SetLookPauseForTesting(pause);
    EXPECT_EQ(reader, INVALID_HANDLE_VALUE) << "the copy did not wait for the reader";
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), "new\r\n");
}

TEST_F(RecordFilesTest, OnTheWindowsThreadAHeldCopyIsTriedAgainAndToldOnlyWhenItStaysHeld)
{
    std::wstring folder = ScratchFolder(L"copy_held_window");
    Stage(folder);
    CRecordFiles files;
    MergeStagedRecords(folder, true, DisplayUnitSelection(), files);
    HANDLE viewer = HoldForReading(folder + L"RECORDS.csv");
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
    // On a thread that never waits on a file, as the window's.
    std::thread([&] {
        FileWaitsForbiddenOnThisThread();
        ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, kLater));
        EXPECT_TRUE(MergeStagedRecords(folder, false, DisplayUnitSelection(), files));
        // Held at one attempt: tried again, not told.
        EXPECT_TRUE(FilesWaitForAHolder(files));
        EXPECT_EQ(CopyErrorToTell(files, RecordFileKind::Csv), 0u);
        // Still held at the next: told.
        EXPECT_FALSE(CatchUpUserCopies(folder, files));
        EXPECT_EQ(CopyErrorToTell(files, RecordFileKind::Csv), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
        CloseHandle(viewer);
        EXPECT_TRUE(CatchUpUserCopies(folder, files));
        EXPECT_FALSE(FilesWaitForAHolder(files));
        EXPECT_EQ(CopyErrorToTell(files, RecordFileKind::Csv), 0u);
    }).join();
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), ReadBytes(folder + L"csv.dat"));
}

// ---- Save as ------------------------------------------------------------------------------------------

TEST(SaveAsTest, ChosenNamesGetTheKindsExtensionUnlessTheyEndInIt)
{
    EXPECT_EQ(SaveAsTargetPath(L"C:\\out\\RECORDS", SAVE_AS_CSV), L"C:\\out\\RECORDS.csv");
    EXPECT_EQ(SaveAsTargetPath(L"RECORDS.csv", SAVE_AS_CSV), L"RECORDS.csv");
    EXPECT_EQ(SaveAsTargetPath(L"RECORDS.CSV", SAVE_AS_CSV), L"RECORDS.CSV.csv");
    EXPECT_EQ(SaveAsTargetPath(L"week.csv", SAVE_AS_TEXT), L"week.csv.txt");
    EXPECT_EQ(SaveAsTargetPath(L"week.txt", SAVE_AS_TEXT), L"week.txt");
    EXPECT_EQ(SaveAsTargetPath(L"view.jpg", SAVE_AS_PICTURE), L"view.jpg");
    EXPECT_EQ(SaveAsTargetPath(L"view.jpeg", SAVE_AS_PICTURE), L"view.jpeg.jpg");
    EXPECT_EQ(SaveAsTargetPath(L"view", 0), L"view.jpg");
    EXPECT_EQ(SaveAsTargetPath(L"sv", SAVE_AS_CSV), L"sv.csv");
}

TEST(SaveAsTest, RecordsComeFromTheDisplayUnitCopiesAndNeverDestroyTheTarget)
{
    std::wstring folder = ScratchFolder(L"saveas");
    const DisplayUnitSelection units = DisplayUnits();
    const std::string csv = BuildHeaderRow(',', units) + "\r\ndisplay units csv\r\n";
    const std::string txt = BuildHeaderRow('\t', units) + "\r\ndisplay units txt\r\n";
    WriteBytes(folder + L"RECORDS.csv", "base units\r\n");
    WriteBytes(folder + L"RECORDS_CUSTOM.csv", csv);
    WriteBytes(folder + L"RECORDS_CUSTOM.txt", txt);
    EXPECT_EQ(SaveRecordsAs(folder, SAVE_AS_CSV, folder + L"mine.csv", units), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(folder + L"mine.csv"), csv);
    EXPECT_EQ(SaveRecordsAs(folder, SAVE_AS_TEXT, folder + L"mine.txt", units), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(folder + L"mine.txt"), txt);
    EXPECT_EQ(SaveRecordsAs(folder, SAVE_AS_PICTURE, folder + L"mine.jpg", units), SaveResult::WriteFailed);

    // A target that another program holds open keeps its contents.
    WriteBytes(folder + L"mine.txt", "the user's own\r\n");
    HANDLE held = HoldForReading(folder + L"mine.txt");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SaveRecordsAs(folder, SAVE_AS_TEXT, folder + L"mine.txt", units), SaveResult::TargetHeld);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"mine.txt"), "the user's own\r\n");

    // Before the first copy of the records exists nothing is written: an existing file stays as it
    // was, a new name is not created.
    std::wstring fresh = ScratchFolder(L"saveas_fresh");
    EXPECT_EQ(SaveRecordsAs(fresh, SAVE_AS_TEXT, folder + L"mine.txt", units), SaveResult::SourceMissing);
    EXPECT_EQ(ReadBytes(folder + L"mine.txt"), "the user's own\r\n");
    EXPECT_EQ(SaveRecordsAs(fresh, SAVE_AS_CSV, folder + L"new.csv", units), SaveResult::SourceMissing);
    EXPECT_EQ(GetFileAttributesW((folder + L"new.csv").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RecordFilesTest, UnitChangeRebuildsBothCustomFilesAndBack)
{
    std::wstring folder = ScratchFolder(L"rebuild");
    Stage(folder);
    MergeStagedRecords(folder, true, DisplayUnitSelection());

    RebuildCustomRecords(folder, DisplayUnits());
    const std::string custom = File(kDisplayHeader, {kDisplay[0], kDisplay[1], kDisplay[2]});
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), Tabs(custom));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.csv"), custom);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), Tabs(custom));

    RebuildCustomRecords(folder, DisplayUnitSelection());
    const std::string base = File(kBaseHeader, {kBaseCustom[0], kBaseCustom[1], kBaseCustom[2]});
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), base);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), Tabs(base));
}

TEST(CustomRebuildTest, HeaderOnlyBaseAndMissingOrHeldBase)
{
    std::wstring folder = ScratchFolder(L"rebuild2");
    WriteBytes(folder + L"csv.dat", std::string(kBaseHeader) + "\r\n");
    RebuildCustomRecords(folder, DisplayUnits());
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), std::string(kDisplayHeader) + "\r\n");
    // No "txt.dat": nothing to rebuild from, no custom file is made.
    EXPECT_FALSE(FileExists(folder + L"txt_custom.dat"));
    // A base file that cannot be read leaves its custom file as it was.
    HANDLE held = CreateFileW((folder + L"csv.dat").c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RebuildCustomRecords(folder, DisplayUnitSelection());
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), std::string(kDisplayHeader) + "\r\n");
    WriteBytes(folder + L"staged.txt", std::string(kLater) + "\r\n");
    MergeRecordFile(RecordFileKind::TxtCustom, folder + L"staged.txt", folder + L"txt_custom.dat", DisplayUnits());
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"),
              Tabs(std::string(kDisplayHeader) + "\r\n" +
                   "2014,6,1,18,10,25,69.98,52.00,42.80,82.00,,,35.06,92.00,26.96,72.00,,,1.07,29.94,2,68.00,8.05,4.83,8,2.66,\r\n"));
}

// ---- staging ---------------------------------------------------------------------------------------

TEST_F(RecordFilesTest, StagedRainWrapsInMillimetresAndEmptyRecordWritesNothing)
{
    // A counter below the base has wrapped: 5.0 - 12.0 + 65535 counts in mm (46226.750625) = 46219.8.
    record->m_rainColumn[0] = 5.0;
    EXPECT_NE(record->BuildStagedLine(0, 12.0).find(",46219.8,"), std::string::npos);
    // The first row without a rain value has no previous row to stand in: missing.
    record->m_rainColumn[0] = DISPLAY_MISSING;
    const std::string first = record->BuildStagedLine(0, 12.0);
    EXPECT_EQ(first.substr(first.size() - 5), ",9,, ");

    std::wstring folder = ScratchFolder(L"empty");
    WriteBytes(folder + STAGING_FILE_NAME, "kept\r\n");
    ReadingsRecord empty;
    EXPECT_FALSE(empty.AppendLastRecords(0.0, folder + STAGING_FILE_NAME));
    EXPECT_EQ(ReadBytes(folder + STAGING_FILE_NAME), "kept\r\n");
}

TEST(StagingFileTest, AppendCutsAwayALineCutShortFirst)
{
    // The part of a line that a kill left is no record: it never reaches a record file.
    std::wstring folder = ScratchFolder(L"append");
    WriteBytes(folder + STAGING_FILE_NAME, "2014,6,1,18,10,20,\r\n2014,6,1,18,10,2");
    ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, "2014,6,1,18,10,22,"));
    EXPECT_EQ(ReadBytes(folder + STAGING_FILE_NAME), "2014,6,1,18,10,20,\r\n2014,6,1,18,10,22,\r\n");
    DeleteStagingFile(folder + STAGING_FILE_NAME);
    EXPECT_FALSE(FileExists(folder + STAGING_FILE_NAME));
}

} // namespace
