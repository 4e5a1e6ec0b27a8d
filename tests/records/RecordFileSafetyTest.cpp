// The record files through kills, repeated stagings, changes behind the program's back and repairs
// at start; the rebuild's one-step replacement; the merge and rebuild bytes against those of the
// earlier routines (checked-in files), and the short number routines against the general ones.
#include "DumpFixture.h"
#include "RecordFilesFixture.h"

#include "records/MainRecords.h"
#include "records/MissingValue.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "records/RecordNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <random>

namespace {

// A staged record of the given minute of a day of January 2014, values that convert visibly.
std::string Staged(int minuteOfDay, const char* temperature = "20.00", int day = 18)
{
    char line[256];
    std::snprintf(line, sizeof line,
                  "2014,6,1,%d,%d,%d,%s,50.00,5.00,80.00,, , 1.50,90.00,-3.20,70.00,, , 0.00,1013.25,3,19.50,4.00,"
                  "2.00,9,60.5,",
                  day, minuteOfDay / 60, minuteOfDay % 60, temperature);
    return line;
}

std::string StagingText(int firstMinute, int count, int step = 5)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += Staged(firstMinute + step * i) + "\r\n";
    return text;
}

// Record lines of a file (the header row not counted) and how many distinct times they hold.
struct Census {
    int lines = 0;
    int distinct = 0;
};
Census CensusOf(const std::wstring& path, char separator)
{
    const std::string text = ReadBytes(path);
    Census census;
    std::vector<long long> keys;
    size_t start = text.find("\r\n");
    while (start != std::string::npos && start + 2 < text.size()) {
        const size_t end = text.find("\r\n", start + 2);
        const std::string line = text.substr(start + 2, end - start - 2);
        RecordTime time;
        if (RecordTimeOfLine(line, separator, &time)) {
            ++census.lines;
            keys.push_back(RecordKey(time));
        }
        start = end;
    }
    std::sort(keys.begin(), keys.end());
    census.distinct = static_cast<int>(std::unique(keys.begin(), keys.end()) - keys.begin());
    return census;
}

void ExpectEveryFileHolds(const std::wstring& folder, int records)
{
    for (RecordFileKind kind : kKinds) {
        const Census census = CensusOf(folder + RecordFileName(kind), SeparatorOf(kind));
        EXPECT_EQ(census.lines, records) << Narrow(RecordFileName(kind));
        EXPECT_EQ(census.distinct, records) << Narrow(RecordFileName(kind));
        EXPECT_EQ(ReadBytes(folder + UserCopyName(kind)), ReadBytes(folder + RecordFileName(kind)))
            << Narrow(UserCopyName(kind));
    }
}

// A fresh folder whose record files hold the records of 10:00 to 10:20, merged in the units.
std::wstring FolderOfFiveRecords(const wchar_t* name, const DisplayUnitSelection& units, CRecordFiles& files)
{
    const std::wstring folder = ScratchFolder(name);
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(600, 5));
    EXPECT_TRUE(MergeStagedRecords(folder, true, units, files));
    return folder;
}

// ---- kills, repeated stagings, clocks ----------------------------------------------------------------

TEST(RecordFileSafety, AKillBetweenTwoRecordFilesLeavesNoFileARecordShortOrTwice)
{
    const std::wstring folder = ScratchFolder(L"kill_between");
    const std::wstring staging = folder + STAGING_FILE_NAME;
    WriteBytes(staging, StagingText(600, 40));
    ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit()));

    // The next records reached "csv.dat" and "txt.dat" when the program was killed; the staging
    // file still holds them. At the next start the whole history is staged behind them again.
    WriteBytes(staging, StagingText(800, 10));
    std::vector<StagedRecord> records;
    ASSERT_EQ(ReadStagedRecords(staging, &records), StagingRead::Read);
    CRecordFileIndex index;
    ASSERT_EQ(MergeIntoRecordFile(RecordFileKind::Csv, records, folder + L"csv.dat", Fahrenheit(), index),
              MergeResult::Merged);
    ASSERT_EQ(MergeIntoRecordFile(RecordFileKind::Txt, records, folder + L"txt.dat", Fahrenheit(), index),
              MergeResult::Merged);
    ASSERT_TRUE(AppendStagedLine(staging, "")); // an empty line between is no record either
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(AppendStagedLine(staging, Staged(600 + 5 * i)));

    ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit()));
    ExpectEveryFileHolds(folder, 50);
    EXPECT_FALSE(FileExists(staging));
}

TEST(RecordFileSafety, StationOrComputerClocksMovedAddNothingTwiceAtAnyStart)
{
    const std::wstring folder = ScratchFolder(L"clocks");
    // A station dated 2099 (or a computer clock set back): its records are far ahead of the rest.
    std::string history = StagingText(600, 20);
    history += "2099,4,1,1,0,0,20.00,50.00,5.00,80.00,, , 1.50,90.00,-3.20,70.00,, , 0.00,1013.25,3,19.50,4.00,"
               "2.00,9,60.5,\r\n";
    for (int start = 0; start < 3; ++start) {
        WriteBytes(folder + STAGING_FILE_NAME, history);
        ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit()));
        ExpectEveryFileHolds(folder, 21);
    }
    // The station set right again: its records that no file holds go in, in time order, after the
    // 2099 record (lines stay in the order they were written).
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(810, 3, -5) + StagingText(600, 5));
    ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit()));
    ExpectEveryFileHolds(folder, 24);
    const std::string csv = ReadBytes(folder + L"csv.dat");
    EXPECT_EQ(csv.substr(csv.find("2099,")), std::string("2099,4,1,1,0,0,20.00,50.00,5.00,80.00,, , 1.50,90.00,-3.20,"
                                                         "70.00,, , 0.00,1013.25,3,19.50,4.00,2.00,9,60.5,\r\n") +
                                                 Staged(800) + "\r\n" + Staged(805) + "\r\n" + Staged(810) + "\r\n");
}

TEST(RecordFileSafety, RecordsOutOfTimeOrderAreAllKnown)
{
    // A file written while clocks jumped about: its records stand in falling time order, and a
    // file without its header row still has its first record known.
    const std::wstring folder = ScratchFolder(L"order");
    std::string lines;
    for (int i = 0; i < 1000; ++i)
        lines += Staged(1000 - i) + "\r\n";
    WriteBytes(folder + L"csv.dat", BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n" + lines);
    std::string tabs = lines;
    for (char& c : tabs)
        if (c == ',')
            c = '\t';
    WriteBytes(folder + L"txt.dat", tabs);
    for (const wchar_t* name : {L"csv.dat", L"txt.dat"}) {
        WriteBytes(folder + L"staged.txt", Staged(1000) + "\r\n" + Staged(1) + "\r\n" + Staged(1001) + "\r\n" +
                                               Staged(500) + "\r\n" + Staged(0) + "\r\n");
        const RecordFileKind kind = name[0] == L'c' ? RecordFileKind::Csv : RecordFileKind::Txt;
        const std::string before = ReadBytes(folder + name);
        std::string added = Staged(0) + "\r\n" + Staged(1001) + "\r\n";
        if (kind == RecordFileKind::Txt)
            for (char& c : added)
                if (c == ',')
                    c = '\t';
        EXPECT_EQ(MergeRecordFile(kind, folder + L"staged.txt", folder + name, DisplayUnitSelection()),
                  MergeResult::Merged);
        EXPECT_EQ(ReadBytes(folder + name), before + added) << Narrow(name);
    }
}

TEST(RecordFileSafety, AFileChangedBehindTheProgramsBackIsReadAgain)
{
    CRecordFiles files;
    const std::wstring folder = FolderOfFiveRecords(L"behind", Fahrenheit(), files);
    // Another record reaches "csv.dat" without this program's knowledge (say, restored from a
    // backup that held it), and the next pass stages it.
    const std::string csv = ReadBytes(folder + L"csv.dat");
    WriteBytes(folder + L"csv.dat", csv + Staged(700) + "\r\n");
    WriteBytes(folder + STAGING_FILE_NAME, Staged(700) + "\r\n" + Staged(705) + "\r\n");
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv + Staged(700) + "\r\n" + Staged(705) + "\r\n");
    EXPECT_EQ(CensusOf(folder + L"txt.dat", '\t').lines, 7);
}

// ---- user-facing copies --------------------------------------------------------------------------------

TEST(RecordFileSafety, CopiesFollowTheirFilesWhateverWasDoneToThem)
{
    CRecordFiles files;
    const std::wstring folder = FolderOfFiveRecords(L"copies", Fahrenheit(), files);

    // The user edits one copy and deletes another; a third is held open by a spreadsheet.
    WriteBytes(folder + L"RECORDS.csv", "my own notes\r\n");
    DeleteFileW((folder + L"RECORDS.txt").c_str());
    HANDLE held = HoldForReading(folder + L"RECORDS_CUSTOM.csv");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string heldBefore = ReadBytes(folder + L"RECORDS_CUSTOM.csv");
    WriteBytes(folder + STAGING_FILE_NAME, Staged(700) + "\r\n");
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), ReadBytes(folder + L"csv.dat"));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.txt"), ReadBytes(folder + L"txt.dat"));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), ReadBytes(folder + L"txt_custom.dat"));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.csv"), heldBefore);
    EXPECT_FALSE(FileExists(folder + L"RECORDS_CUSTOM.csv.new"));
    CloseHandle(held);

    // Let go: the next record brings it level.
    WriteBytes(folder + STAGING_FILE_NAME, Staged(705) + "\r\n");
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 7);
}

// ---- the rebuild and what a start repairs -------------------------------------------------------

TEST(RecordFileSafety, ARebuildReplacesTheCustomFileInOneStepOrNotAtAll)
{
    const std::wstring folder = ScratchFolder(L"rebuild_step");
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(600, 30));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    const std::wstring custom = folder + L"csv_custom.dat";
    const std::string before = ReadBytes(custom);

    // Held open elsewhere: left as it was, and no temporary file stays behind.
    HANDLE held = HoldForReading(custom);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(RebuildCustomFile(RecordFileKind::CsvCustom, folder + L"csv.dat", custom, Fahrenheit()));
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(custom), before);
    EXPECT_FALSE(FileExists(TemporaryPathOf(custom)));

    // Stopped on the way (the program closing): the same.
    RebuildControl control;
    control.stop = true;
    std::string many;
    for (int i = 0; i < 9000; ++i)
        many += Staged(i % 1440, "21.00", 1 + i / 1440) + "\r\n";
    WriteBytes(folder + L"csv.dat", ReadBytes(folder + L"csv.dat") + many);
    EXPECT_FALSE(RebuildCustomFile(RecordFileKind::CsvCustom, folder + L"csv.dat", custom, Fahrenheit(), nullptr,
                                   &control));
    EXPECT_EQ(ReadBytes(custom), before);
    EXPECT_FALSE(FileExists(TemporaryPathOf(custom)));

    // Done: every line converted, and the index knows them all.
    CRecordFileIndex index;
    RebuildControl progress;
    ASSERT_TRUE(RebuildCustomFile(RecordFileKind::CsvCustom, folder + L"csv.dat", custom, Fahrenheit(), &index,
                                  &progress));
    EXPECT_EQ(index.RecordCount(), 9030);
    EXPECT_TRUE(index.Describes(custom));
    EXPECT_EQ(progress.bytesDone.load(), static_cast<long long>(ReadBytes(folder + L"csv.dat").size()));
    EXPECT_EQ(ReadBytes(custom).substr(0, BuildHeaderRow(',', Fahrenheit()).size()), BuildHeaderRow(',', Fahrenheit()));
}

TEST(RecordFileSafety, AStartRepairsWhatAKillLeft)
{
    const std::wstring folder = ScratchFolder(L"repair");
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(600, 40));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    const std::string csv = ReadBytes(folder + L"csv.dat");

    // Killed during a rebuild by an older program: "csv_custom.dat" emptied and partly written, in
    // other units than the settings now hold; a temporary file beside "txt_custom.dat"; "csv.dat"
    // with half a line appended; a copy the kill left short.
    const std::string customCsv = ReadBytes(folder + L"csv_custom.dat");
    WriteBytes(folder + L"csv_custom.dat", customCsv.substr(0, customCsv.size() / 3));
    WriteBytes(folder + L"txt_custom.dat.new", "half of a rebuild");
    WriteBytes(folder + L"csv.dat", csv + Staged(900).substr(0, 40));
    WriteBytes(folder + L"RECORDS.txt", ReadBytes(folder + L"txt.dat").substr(0, 200));

    CRecordFiles files;
    PrepareRecordFiles(folder, Fahrenheit(), files);
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), csv);
    EXPECT_FALSE(FileExists(folder + L"txt_custom.dat.new"));
    for (RecordFileKind kind : {RecordFileKind::CsvCustom, RecordFileKind::TxtCustom}) {
        const std::string custom = ReadBytes(folder + RecordFileName(kind));
        EXPECT_EQ(custom.substr(0, custom.find("\r\n")), BuildHeaderRow(SeparatorOf(kind), Fahrenheit()));
    }
    ExpectEveryFileHolds(folder, 40);
    EXPECT_NE(ReadBytes(folder + L"csv_custom.dat").find("68.00"), std::string::npos);
    for (RecordFileKind kind : kKinds)
        EXPECT_TRUE(files.IndexOf(kind).Describes(folder + RecordFileName(kind)));

    // What is in order is left as it is.
    const std::string custom = ReadBytes(folder + L"csv_custom.dat");
    PrepareRecordFiles(folder, Fahrenheit(), files);
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);
}

TEST(RecordFileSafety, ACustomFileInOtherUnitsTakesNothingUntilItIsRebuilt)
{
    // The rebuild after a change to degF could not replace "csv_custom.dat" (held open elsewhere):
    // it still names degC, and lines in degF must not go under that header.
    CRecordFiles files;
    const std::wstring folder = FolderOfFiveRecords(L"other_units", DisplayUnitSelection(), files);
    const std::string celsius = ReadBytes(folder + L"csv_custom.dat");
    WriteBytes(folder + STAGING_FILE_NAME, Staged(700) + "\r\n");
    EXPECT_FALSE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    EXPECT_TRUE(files.customInOtherUnits);
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), celsius);
    EXPECT_EQ(CensusOf(folder + L"csv.dat", ',').lines, 6) << "the base files take the line";
    EXPECT_TRUE(FileExists(folder + STAGING_FILE_NAME)) << "the line waits for the custom files";

    TakeCustomRebuild(RebuildCustomRecords(folder, Fahrenheit()), files);
    EXPECT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    EXPECT_FALSE(files.customInOtherUnits);
    ExpectEveryFileHolds(folder, 6);
    const std::string custom = ReadBytes(folder + L"csv_custom.dat");
    EXPECT_EQ(custom.substr(0, custom.find("\r\n")), BuildHeaderRow(',', Fahrenheit()));
}

TEST(RecordFileSafety, ABaseFileWithoutItsHeaderRowIsRebuiltOnceWithEveryRecord)
{
    const std::wstring folder = ScratchFolder(L"headerless");
    WriteBytes(folder + L"csv.dat", StagingText(600, 4));
    CRecordFiles files;
    PrepareRecordFiles(folder, Fahrenheit(), files);
    const std::string custom = ReadBytes(folder + L"csv_custom.dat");
    EXPECT_EQ(CensusOf(folder + L"csv_custom.dat", ',').lines, 4);
    EXPECT_EQ(files.IndexOf(RecordFileKind::CsvCustom).RecordCount(), 4);
    PrepareRecordFiles(folder, Fahrenheit(), files);
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), custom);
    EXPECT_EQ(files.IndexOf(RecordFileKind::CsvCustom).State(), StateOfFile(folder + L"csv_custom.dat"));
}

TEST(RecordFileSafety, ALineBrokenOffBetweenItsCrAndLfGetsItsLf)
{
    const std::wstring folder = ScratchFolder(L"cr");
    const std::string header = BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n";
    WriteBytes(folder + L"csv.dat", header + Staged(600) + "\r");
    WriteBytes(folder + L"staged.txt", Staged(600) + "\r\n" + Staged(605) + "\r\n");
    EXPECT_EQ(MergeRecordFile(RecordFileKind::Csv, folder + L"staged.txt", folder + L"csv.dat", DisplayUnitSelection()),
              MergeResult::Merged);
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), header + Staged(600) + "\r\n" + Staged(605) + "\r\n");
}

// ---- the same bytes as the earlier routines ----------------------------------------------------------

std::wstring GoldenPath(const char* name)
{
    const char* source = std::getenv("ORVELLE_SOURCE_DIR");
    std::string path = std::string("Z:") + (source ? source : "") + "/tests/records/golden/" + name;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return Widen(path);
}

std::string Tabbed(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '\t';
    return text;
}

TEST(RecordFileSafety, RebuildAndMergeWriteTheBytesOfTheEarlierRoutines)
{
    const std::string input = ReadBytes(GoldenPath("rebuild_input.csv"));
    ASSERT_GT(input.size(), 10000u);
    const std::wstring folder = ScratchFolder(L"golden");
    WriteBytes(folder + L"csv.dat", input);
    WriteBytes(folder + L"txt.dat", Tabbed(input));
    struct Set {
        const char* file;
        DisplayUnitSelection units;
    };
    const Set sets[] = {{"rebuild_a.csv", {1, 0, 0, 0, 0}},
                        {"rebuild_b.csv", {0, 1, 2, 1, 1}},
                        {"rebuild_c.csv", {0, 1, 1, 2, 0}},
                        {"rebuild_d.csv", {1, 0, 1, 3, 1}}};
    // Lines of texts that no record holds ("1.2.3", "nan", "0x1A") are no records: they stay out of the
    // custom files, and every record is written as the earlier routines wrote it.
    auto recordsOf = [](const std::string& text, const std::string& rows) {
        std::string kept;
        for (size_t at = 0, row = 0; at < text.size(); row = rows.find("\r\n", row) + 2) {
            const size_t end = text.find("\r\n", at) + 2;
            RecordTime time;
            if (at == 0 || RecordTimeOfLine(std::string_view(rows).substr(row, rows.find("\r\n", row) - row), ',', &time))
                kept += text.substr(at, end - at);
            at = end;
        }
        return kept;
    };
    for (const Set& set : sets) {
        const std::string expected = recordsOf(ReadBytes(GoldenPath(set.file)), input);
        ASSERT_GT(expected.size(), 10000u) << set.file;
        RebuildCustomRecords(folder, set.units);
        EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), expected) << set.file;
        EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat"), Tabbed(expected)) << set.file;
    }

    // Two stagings merged into new files: the first pass, then a later one.
    const std::wstring merged = ScratchFolder(L"golden_merge");
    WriteBytes(merged + STAGING_FILE_NAME, ReadBytes(GoldenPath("merge_staged_1.txt")));
    ASSERT_TRUE(MergeStagedRecords(merged, true, sets[0].units));
    WriteBytes(merged + STAGING_FILE_NAME, ReadBytes(GoldenPath("merge_staged_2.txt")));
    ASSERT_TRUE(MergeStagedRecords(merged, false, sets[0].units));
    const std::string mergedRows = ReadBytes(GoldenPath("merge/csv.dat"));
    for (const char* name : {"csv.dat", "txt.dat", "csv_custom.dat", "txt_custom.dat"}) {
        const std::string expected = recordsOf(ReadBytes(GoldenPath((std::string("merge/") + name).c_str())), mergedRows);
        ASSERT_GT(expected.size(), 5000u) << name;
        EXPECT_EQ(ReadBytes(merged + Widen(name)), expected) << name;
    }
}

TEST(RecordNumbers, ReadAndWrittenAsTheGeneralRoutinesDo)
{
    std::mt19937_64 random(20261209);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    // Reading: plain decimals of every length, blanks, signs, markers and texts of other shapes.
    const char* const odd[] = {"",      " ",     "65535", " 65535 ", "MISS",  "1e3",    "2.5E-1", "0x1A", "inf",
                               "nan",   "--1",   "1.2.3", ".",       "-",     "+",      ".5",     "5.",   "-0",
                               "-0.00", "+3.25", "\t7.25\r", "12345678901234567890", "0.00000000000000000000001",
                               "9007199254740993", "1.7976931348623157e308", "4.9e-324", "000012.50"};
    for (const char* text : odd) {
        double fast = 0, general = 0;
        const bool a = ParseRecordNumber(text, &fast);
        const bool b = TryParseReading(text, &general);
        EXPECT_EQ(a, b) << text;
        if (a && b) {
            EXPECT_EQ(std::memcmp(&fast, &general, sizeof fast), 0) << text;
        }
    }
    for (int i = 0; i < 200000; ++i) {
        std::string text = pick(5) == 0 ? " " : "";
        if (pick(3) == 0)
            text += '-';
        text += std::to_string(random() % (pick(4) == 0 ? 100000000000ULL : 2000ULL));
        const int decimals = pick(8);
        if (decimals > 0) {
            text += '.';
            for (int d = 0; d < decimals; ++d)
                text += static_cast<char>('0' + pick(10));
        }
        double fast = 0, general = 0;
        ASSERT_EQ(ParseRecordNumber(text, &fast), TryParseReading(text, &general)) << text;
        ASSERT_EQ(std::memcmp(&fast, &general, sizeof fast), 0) << text;
    }

    // Writing: converted readings, exact halves, values near zero of both signs, large values - on
    // this thread and on a thread of the program's own making (the custom rebuild's worker), whose
    // floating-point unit starts with other settings.
    struct Check {
        static DWORD WINAPI Run(LPVOID mismatches)
        {
            *static_cast<int*>(mismatches) = WriteMismatches();
            return 0;
        }
        static int WriteMismatches()
        {
            std::mt19937_64 random(777);
            int mismatches = 0;
            auto same = [&mismatches](double value) {
                char general[512];
                std::snprintf(general, sizeof general, "%0.2f", value);
                std::string fast;
                AppendFixed2(fast, value);
                if (fast != general && ++mismatches <= 5)
                    std::printf("%s written as %s\n", general, fast.c_str());
            };
            for (double v : {0.0, -0.0, 0.005, -0.005, 0.125, 0.375, -0.125, 2.675, 1.005, 1.115, 0.805, 1e14 + 0.125,
                             1e15, -1e16, 1e300, HUGE_VAL, -HUGE_VAL, std::nan(""), 4.9e-324, -4.9e-324, 999.995})
                same(v);
            const double factors[] = {1.8, 0.02954, 0.75025, 1.61, 0.87, 0.45, 0.03937, 3.0 / 7.0, 1.0};
            for (int i = 0; i < 100000; ++i) {
                const double hundredths = static_cast<double>(static_cast<long long>(random() % 20000000ULL) - 10000000LL);
                same(hundredths / 100.0 * factors[random() % 9] + ((random() & 1) ? 32.0 : 0.0));
                same(static_cast<double>(static_cast<long long>(random() % 4000000ULL) - 2000000LL) / 8.0);
            }
            for (int k = 0; k <= 20000; ++k)  // every hundredth of 0..200 mph in km/h, knots and m/s
                for (double factor : {1.61, 0.87, 0.45})
                    same(k / 100.0 * factor);
            return mismatches;
        }
    };
    EXPECT_EQ(Check::WriteMismatches(), 0) << "on the test's thread";
    int onWorker = -1;
    HANDLE worker = CreateThread(nullptr, 0, &Check::Run, &onWorker, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    EXPECT_EQ(onWorker, 0) << "on a worker thread";
}

}  // namespace
