// What happens around the program to its record files: files damaged, cut or deleted by other
// programs, the station's clock set back, and last records that lost their line end.
#include "DumpFixture.h"
#include "RecordFilesFixture.h"

#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "records/RecordNotices.h"
#include "records/RecordPairs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <tuple>

namespace {

// Record i (below 8928: March) of a station that records every five minutes from 1 March 2014, values
// changing from line to line; `warmer` is added to the indoor temperature.
std::string Record(int i, double warmer = 0)
{
    const int day = i / 288, hour = i / 12 % 24, minute = i % 12 * 5;
    char line[256];
    std::snprintf(line, sizeof line,
                  "2014,%d,%d,%d,%d,%d,%.2f,%d.00,%.2f,60.00,, ,1.50,90.00,-3.20,70.00,, ,%.2f,%.2f,3,19.50,4.00,"
                  "2.00,%d,%.1f,",
                  1 + day % 7, 3 + day / 31, 1 + day % 31, hour, minute, 20.0 + i % 97 * 0.05 + warmer, 40 + i % 30,
                  5.0 + i % 53 * 0.3, i % 11 * 0.5, 1000.0 + i % 400 * 0.0625, i % 16, i % 900 * 0.1);
    return line;
}

std::string Records(int first, int count, double warmer = 0)
{
    std::string text;
    for (int i = first; i < first + count; ++i)
        text += Record(i, warmer) + "\r\n";
    return text;
}

// A folder whose four record files and their copies hold records 0 .. count - 1.
std::wstring FolderOf(const wchar_t* name, int count, CRecordFiles& files,
                      const DisplayUnitSelection& units = Fahrenheit())
{
    const std::wstring folder = ScratchFolder(name);
    WriteBytes(folder + STAGING_FILE_NAME, Records(0, count));
    EXPECT_TRUE(MergeStagedRecords(folder, true, units, files));
    return folder;
}

// The records of a file (time and values of each record line).
std::vector<std::uint64_t> RecordsOf(const std::wstring& path, char separator)
{
    std::vector<std::uint64_t> records;
    const std::string text = ReadBytes(path);
    for (size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        RecordTime time;
        std::uint32_t values = 0;
        if (RecordOfLine(std::string_view(text).substr(start, end - start), separator, &time, &values))
            records.push_back(RecordId(RecordKey(time), values));
    }
    return records;
}

// Compares two files' bytes without printing them whole.
void ExpectSameBytes(const std::string& actual, const std::string& expected, const char* what)
{
    if (actual == expected)
        return;
    const size_t at = std::mismatch(actual.begin(), actual.begin() + std::min(actual.size(), expected.size()),
                                    expected.begin())
                          .first -
                      actual.begin();
    ADD_FAILURE() << what << ": " << actual.size() << " bytes, expected " << expected.size() << "; first difference at "
                  << at << ": \"" << actual.substr(at, 60) << "\" for \"" << expected.substr(at, 60) << '"';
}

// Every file holds `count` records, none twice, and every copy is its file.
void ExpectEveryFileHolds(const std::wstring& folder, size_t count)
{
    for (RecordFileKind kind : kKinds) {
        auto records = RecordsOf(folder + RecordFileName(kind), SeparatorOf(kind));
        EXPECT_EQ(records.size(), count) << Narrow(RecordFileName(kind));
        std::sort(records.begin(), records.end());
        EXPECT_EQ(std::unique(records.begin(), records.end()), records.end()) << "twice in " << Narrow(RecordFileName(kind));
        ExpectSameBytes(ReadBytes(folder + UserCopyName(kind)), ReadBytes(folder + RecordFileName(kind)),
                        Narrow(UserCopyName(kind)).c_str());
    }
}

std::string Utf16(const std::string& text)
{
    std::string out = "\xFF\xFE";
    for (char c : text)
        out += std::string{c, '\0'};
    return out;
}

std::string RandomBytes(size_t size)
{
    std::mt19937 random(27);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string FirstLines(const std::string& text, int lines)
{
    size_t end = 0;
    for (int n = 0; n < lines && end != std::string::npos; ++n)
        end = text.find("\r\n", end == 0 ? 0 : end + 2);
    return text.substr(0, end + 2);
}

// The name a damaged record file is kept under.
std::wstring KeptName(RecordFileKind kind)
{
    const wchar_t* const names[] = {L"csv (damaged).dat", L"txt (damaged).dat", L"csv_custom (damaged).dat",
                                    L"txt_custom (damaged).dat"};
    return names[static_cast<int>(kind)];
}

// ---- a file damaged from outside -------------------------------------------------------------------

TEST(RecordFileDamagedFromOutside, IsBroughtBackFromItsCopyAndKeptAside)
{
    struct Damage {
        const char* name;
        RecordFileNotice::Event event;
        std::string (*bytes)(const std::string& intact);
    };
    constexpr int kRecords = 2000;
    const Damage damages[] = {
        {"deleted", RecordFileNotice::Event::RestoredMissing, nullptr},
        {"cut", RecordFileNotice::Event::RestoredShort, [](const std::string& t) { return FirstLines(t, kRecords / 2); }},
        {"random", RecordFileNotice::Event::RestoredUnreadable, [](const std::string&) { return RandomBytes(1 << 20); }},
        {"utf16", RecordFileNotice::Event::RestoredUnreadable, [](const std::string& t) { return Utf16(t); }},
    };
    for (RecordFileKind kind : kKinds)
        for (const Damage& damage : damages) {
            SCOPED_TRACE(Narrow(RecordFileName(kind)) + " " + damage.name);
            CRecordFiles files;
            const std::wstring folder = FolderOf(L"damaged", kRecords, files);
            const std::wstring path = folder + RecordFileName(kind);
            const std::string intact = ReadBytes(path);
            const std::string damaged = damage.bytes ? damage.bytes(intact) : std::string();
            if (damage.bytes)
                WriteBytes(path, damaged);
            else
                DeleteFileW(path.c_str());

            // What a kill while an earlier restore kept the file aside left of it.
            WriteBytes(folder + KeptName(kind) + L".new", intact.substr(0, 1000));
            CRecordFiles next;
            PrepareRecordFiles(folder, Fahrenheit(), next);
            ExpectSameBytes(ReadBytes(path), intact, "restored");
            EXPECT_FALSE(FileExists(folder + KeptName(kind) + L".new"));
            ExpectEveryFileHolds(folder, kRecords);
            ASSERT_EQ(next.notices.size(), 1u);
            EXPECT_EQ(next.notices[0].event, damage.event);
            EXPECT_EQ(next.notices[0].file, RecordFileName(kind));
            EXPECT_EQ(next.notices[0].source, UserCopyName(kind));
            if (damage.bytes) {
                EXPECT_EQ(next.notices[0].keptAs, KeptName(kind));
                ExpectSameBytes(ReadBytes(folder + KeptName(kind)), damaged, "kept");
            } else {
                EXPECT_TRUE(next.notices[0].keptAs.empty());
                EXPECT_FALSE(FileExists(folder + KeptName(kind)));
            }

            // Killed before the user was told: the next start tells it, and keeps nothing aside again.
            CRecordFiles again;
            PrepareRecordFiles(folder, Fahrenheit(), again);
            EXPECT_EQ(again.notices, next.notices);
            EXPECT_FALSE(FileExists(folder + L"csv (damaged 2).dat"));
            // Told: a start after that finds everything in order and says nothing.
            NoticesTold(folder, again.notices, again);
            CRecordFiles third;
            PrepareRecordFiles(folder, Fahrenheit(), third);
            EXPECT_TRUE(third.notices.empty());
            ExpectSameBytes(ReadBytes(path), intact, "restored");
        }
}

TEST(RecordFileDamagedFromOutside, ADamagedCopyOfAnIntactFileIsCopiedOver)
{
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"damaged_copy", 3000, files);
    WriteBytes(folder + L"RECORDS.csv", RandomBytes(100000));
    WriteBytes(folder + L"RECORDS_CUSTOM.txt", FirstLines(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), 10));
    DeleteFileW((folder + L"RECORDS.txt").c_str());
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    ExpectEveryFileHolds(folder, 3000);
    EXPECT_TRUE(next.notices.empty());
    EXPECT_FALSE(FileExists(folder + KeptName(RecordFileKind::Csv)));
}

TEST(RecordFileDamagedFromOutside, RecordsThatOnlyTheDamagedFileHeldStayInIt)
{
    // The copy was held open by another program while the last 200 records came in; then an editor
    // took 1000 lines out of the middle of the file.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"union", 5000, files);
    const std::string copyBehind = ReadBytes(folder + L"RECORDS.csv");
    WriteBytes(folder + STAGING_FILE_NAME, Records(5000, 200));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    WriteBytes(folder + L"RECORDS.csv", copyBehind);
    const std::string whole = ReadBytes(folder + L"csv.dat");
    const size_t from = whole.find(Record(2000)), to = whole.find(Record(3000));
    WriteBytes(folder + L"csv.dat", whole.substr(0, from) + whole.substr(to));

    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    ExpectEveryFileHolds(folder, 5200);
    ExpectSameBytes(ReadBytes(folder + L"csv.dat"), copyBehind + Records(5000, 200), "csv.dat");
    ASSERT_EQ(next.notices.size(), 1u);
    EXPECT_EQ(next.notices[0].event, RecordFileNotice::Event::RestoredShort);
}

TEST(RecordFileDamagedFromOutside, BothFilesOfAPairAreBroughtBackFromTheOtherBaseFileOrTheirBaseFile)
{
    using Event = RecordFileNotice::Event;
    using Told = std::set<std::tuple<Event, std::wstring, std::wstring>>;
    auto told = [](const CRecordFiles& files) {
        Told notices;
        for (const RecordFileNotice& notice : files.notices)
            notices.emplace(notice.event, notice.file, notice.source);
        return notices;
    };
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"both", 4000, files);
    const std::string csv = ReadBytes(folder + L"csv.dat"), txt = ReadBytes(folder + L"txt.dat");
    const std::string csvCustom = ReadBytes(folder + L"csv_custom.dat");

    // csv.dat deleted and its copy cut short; both comma custom files re-saved in another encoding.
    DeleteFileW((folder + L"csv.dat").c_str());
    WriteBytes(folder + L"RECORDS.csv", FirstLines(csv, 1500));
    WriteBytes(folder + L"csv_custom.dat", Utf16(csvCustom));
    WriteBytes(folder + L"RECORDS_CUSTOM.csv", Utf16(csvCustom));
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    ExpectSameBytes(ReadBytes(folder + L"csv.dat"), csv, "csv.dat");
    ExpectSameBytes(ReadBytes(folder + L"csv_custom.dat"), csvCustom, "csv_custom.dat");
    ExpectEveryFileHolds(folder, 4000);
    ExpectSameBytes(ReadBytes(folder + KeptName(RecordFileKind::CsvCustom)), Utf16(csvCustom), "kept");
    EXPECT_EQ(told(next), (Told{{Event::RestoredMissing, L"csv.dat", L"RECORDS.csv"},
                                {Event::RecordsAdded, L"csv.dat", L"txt.dat"},
                                {Event::RestoredUnreadable, L"csv_custom.dat", L"csv.dat"}}));
    NoticesTold(folder, next.notices, next);

    // txt.dat and its copy overwritten.
    WriteBytes(folder + L"txt.dat", RandomBytes(300000));
    WriteBytes(folder + L"RECORDS.txt", RandomBytes(1000));
    CRecordFiles third;
    PrepareRecordFiles(folder, Fahrenheit(), third);
    ExpectSameBytes(ReadBytes(folder + L"txt.dat"), txt, "txt.dat");
    ExpectEveryFileHolds(folder, 4000);
    EXPECT_EQ(ReadBytes(folder + KeptName(RecordFileKind::Txt)).size(), 300000u);
    EXPECT_EQ(told(third), (Told{{Event::RestoredUnreadable, L"txt.dat", L"csv.dat"}}));
}

TEST(RecordFileDamagedFromOutside, RecordsStillStagedAfterAKillAreAddedWithoutANotice)
{
    // Killed after csv.dat took the new records and before txt.dat did: the staging file holds them.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"kill_staged", 1000, files);
    WriteBytes(folder + STAGING_FILE_NAME, Records(1000, 20));
    std::vector<StagedRecord> staged;
    ASSERT_EQ(ReadStagedRecords(folder + STAGING_FILE_NAME, &staged), StagingRead::Read);
    ASSERT_EQ(MergeIntoRecordFile(RecordFileKind::Csv, staged, folder + L"csv.dat", Fahrenheit(),
                                  files.IndexOf(RecordFileKind::Csv)),
              MergeResult::Merged);
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    EXPECT_TRUE(next.notices.empty());
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), next));
    ExpectEveryFileHolds(folder, 1020);
}

TEST(RecordFileDamagedFromOutside, AFileThatCannotBeBroughtBackLeavesItsCopyAloneUntilItCan)
{
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"held_short", 3000, files);
    const std::string copy = ReadBytes(folder + L"RECORDS.csv");
    WriteBytes(folder + L"csv.dat", FirstLines(copy, 100));
    // Another program reads the cut file and lets nobody replace it.
    HANDLE held = HoldForReading(folder + L"csv.dat");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    ExpectSameBytes(ReadBytes(folder + L"RECORDS.csv"), copy, "the copy");
    EXPECT_TRUE(next.notices.empty());
    EXPECT_FALSE(FileExists(folder + KeptName(RecordFileKind::Csv)));
    WriteBytes(folder + STAGING_FILE_NAME, Records(3000, 1));
    MergeStagedRecords(folder, false, Fahrenheit(), next);
    ExpectSameBytes(ReadBytes(folder + L"RECORDS.csv"), copy, "the copy");
    CloseHandle(held);

    // Let go: the next record brings the file back, and the copy follows it.
    ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, Record(3001)));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), next));
    ExpectEveryFileHolds(folder, 3002);
    ASSERT_EQ(next.notices.size(), 1u);
    EXPECT_EQ(next.notices[0].event, RecordFileNotice::Event::RestoredShort);
}

TEST(RecordFileDamagedFromOutside, AHeldFileKeepsItsReasonAndIsBroughtBackAtTheReadingAfterItIsLetGo)
{
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"held_reading", 2000, files);
    const std::string copy = ReadBytes(folder + L"RECORDS.txt");
    WriteBytes(folder + L"txt.dat", FirstLines(copy, 50));
    HANDLE held = HoldForReading(folder + L"txt.dat");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    EXPECT_EQ(next.restoreError[1], static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
    // Held at one attempt: tried again at the next tick, not said yet (a reader of a moment is no news).
    EXPECT_TRUE(FilesWaitForAHolder(next));
    EXPECT_EQ(RestoreErrorToTell(next, RecordFileKind::Txt), 0u);
    // Still held at the next attempt: said, and the copy still kept.
    EXPECT_FALSE(CatchUpRestores(folder, next));
    EXPECT_EQ(RestoreErrorToTell(next, RecordFileKind::Txt), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(next.copyError[1], 0u);
    ExpectSameBytes(ReadBytes(folder + L"RECORDS.txt"), copy, "the copy");
    CloseHandle(held);
    // Let go: the next reading brings it back without a record coming in.
    EXPECT_TRUE(CatchUpRestores(folder, next));
    EXPECT_EQ(next.restoreError[1], 0u);
    ExpectEveryFileHolds(folder, 2000);
    ASSERT_EQ(next.notices.size(), 1u);
    EXPECT_EQ(next.notices[0].event, RecordFileNotice::Event::RestoredShort);
}

TEST(RecordFileDamagedFromOutside, APairDamagedTogetherWhileTheProgramRunsGetsTheOtherBaseFilesRecords)
{
    // Another program cuts both txt.dat and its copy while this one runs; the next record comes.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"pair_running", 3000, files);
    const std::string txt = ReadBytes(folder + L"txt.dat");
    WriteBytes(folder + L"txt.dat", FirstLines(txt, 700));
    WriteBytes(folder + L"RECORDS.txt", FirstLines(txt, 700));
    WriteBytes(folder + STAGING_FILE_NAME, Records(3000, 1));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 3001);
    ASSERT_EQ(files.notices.size(), 1u);
    EXPECT_EQ(files.notices[0].event, RecordFileNotice::Event::RecordsAdded);
    EXPECT_EQ(files.notices[0].file, L"txt.dat");
    EXPECT_EQ(files.notices[0].source, L"csv.dat");
}

TEST(RecordFileDamagedFromOutside, AFileThatCannotTakeItsRecordsIsNotTakenForDamaged)
{
    // Another program holds csv.dat against writing while records come in: they wait staged, and
    // csv.dat, which lacks only them, is not something to bring back from txt.dat.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"held_while_recording", 1000, files);
    HANDLE held = HoldForReading(folder + L"csv.dat");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (int record = 1000; record < 1003; ++record) {
        ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, Record(record)));
        EXPECT_FALSE(MergeStagedRecords(folder, false, Fahrenheit(), files));
        EXPECT_EQ(files.fileError[0], static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(files.restoreError[0], 0u) << "record " << record << ": told as a file that could not be restored";
        EXPECT_EQ(RecordsOf(folder + L"txt.dat", '\t').size(), static_cast<size_t>(record + 1));
    }
    CloseHandle(held);
    // Let go: the waiting records go in at the next pass, and nothing is told of them.
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 1003);
    EXPECT_TRUE(files.notices.empty());
    EXPECT_EQ(files.fileError[0], 0u);
}

// ---- damage inside a file ---------------------------------------------------------------------------

// The bytes with `count` zero bytes written over their middle (a bad sector, another program's crash).
std::string ZerosOverTheMiddle(std::string bytes, size_t count, double at = 0.5)
{
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() * at), count, '\0');
    return bytes;
}

void ExpectNoFileHoldsANul(const std::wstring& folder)
{
    for (RecordFileKind kind : kKinds)
        for (const std::wstring& path : {folder + RecordFileName(kind), folder + UserCopyName(kind)})
            EXPECT_EQ(ReadBytes(path).find('\0'), std::string::npos) << Narrow(path);
}

TEST(DamageInsideAFile, IsNeverCopiedIntoAnotherFileAndTheFileIsBroughtBackFromAnIntactPartner)
{
    for (RecordFileKind kind : kKinds) {
        SCOPED_TRACE(Narrow(RecordFileName(kind)));
        CRecordFiles files;
        const std::wstring folder = FolderOf(L"zeros", 3440, files);
        const std::wstring path = folder + RecordFileName(kind);
        const std::string intact = ReadBytes(path);
        const std::string damaged = ZerosOverTheMiddle(intact, 4096);
        WriteBytes(path, damaged);
        CRecordFiles next;
        PrepareRecordFiles(folder, Fahrenheit(), next);
        ExpectSameBytes(ReadBytes(path), intact, "brought back");
        ExpectEveryFileHolds(folder, 3440);
        ExpectNoFileHoldsANul(folder);
        ASSERT_EQ(next.notices.size(), 1u);
        EXPECT_EQ(next.notices[0], (RecordFileNotice{RecordFileNotice::Event::RestoredDamaged, RecordFileName(kind),
                                                     UserCopyName(kind), KeptName(kind)}));
        ExpectSameBytes(ReadBytes(folder + KeptName(kind)), damaged, "kept");
    }

    // The file and its copy damaged in other places, and txt.dat while the program runs: every
    // record comes back from what the other files hold, and no zero goes anywhere.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"zeros_both", 3440, files);
    WriteBytes(folder + L"csv.dat", ZerosOverTheMiddle(ReadBytes(folder + L"csv.dat"), 65536, 0.2));
    WriteBytes(folder + L"RECORDS.csv", ZerosOverTheMiddle(ReadBytes(folder + L"RECORDS.csv"), 4096, 0.7));
    WriteBytes(folder + L"RECORDS_CUSTOM.txt", ZerosOverTheMiddle(ReadBytes(folder + L"RECORDS_CUSTOM.txt"), 4096));
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    ExpectEveryFileHolds(folder, 3440);
    WriteBytes(folder + L"txt.dat", ZerosOverTheMiddle(ReadBytes(folder + L"txt.dat"), 4096, 0.9));
    WriteBytes(folder + STAGING_FILE_NAME, Records(3440, 1));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), next));
    ExpectEveryFileHolds(folder, 3441);
    ExpectNoFileHoldsANul(folder);

    // No partner to bring it back from (its copy and the other base file deleted): the damaged lines
    // are taken out, the file kept aside as it was.
    WriteBytes(folder + L"csv.dat", ZerosOverTheMiddle(ReadBytes(folder + L"csv.dat"), 4096));
    DeleteFileW((folder + L"RECORDS.csv").c_str());
    DeleteFileW((folder + L"txt.dat").c_str());
    DeleteFileW((folder + L"RECORDS.txt").c_str());
    CRecordFiles alone;
    PrepareRecordFiles(folder, Fahrenheit(), alone);
    ExpectNoFileHoldsANul(folder);
    EXPECT_EQ(RecordsOf(folder + L"txt.dat", '\t'), RecordsOf(folder + L"csv.dat", ','));
    EXPECT_GT(RecordsOf(folder + L"csv.dat", ',').size(), 3400u);
    const RecordFileNotice takenOut{RecordFileNotice::Event::DamagedLinesTakenOut, L"csv.dat", {}, L"csv (damaged 2).dat"};
    EXPECT_NE(std::find(alone.notices.begin(), alone.notices.end(), takenOut), alone.notices.end());
}

// ---- the station's clock set back --------------------------------------------------------------------

TEST(StationClockSetBack, RecordsOfHeldTimesWithOtherValuesAreAddedAndTheChangeIsToldOnce)
{
    // Records of 0:00 to 2:00; the station set back an hour at 2:00 takes 1:05 .. 2:00 again with
    // other values, then 2:05 and 2:10: fourteen records, in every file (values in degF in the custom
    // files) and once.
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"clock_back", 25, files);
    WriteBytes(folder + STAGING_FILE_NAME, Records(13, 12, 1.0) + Records(25, 2));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 25 + 14);
    ASSERT_EQ(files.notices.size(), 1u);
    EXPECT_EQ(files.notices[0].event, RecordFileNotice::Event::ClockWentBack);
    files.notices.clear();

    // The whole history staged again at the next start (a station whose repeated hour repeats the
    // same values, as the demo station's, is the same): nothing new, nothing told.
    WriteBytes(folder + STAGING_FILE_NAME, Records(0, 25) + Records(13, 12, 1.0) + Records(25, 2));
    ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 25 + 14);
    EXPECT_TRUE(files.notices.empty());

    // Told again only after records of new times came in between.
    WriteBytes(folder + STAGING_FILE_NAME, Records(20, 1, 2.0));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    WriteBytes(folder + STAGING_FILE_NAME, Records(27, 1));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    WriteBytes(folder + STAGING_FILE_NAME, Records(21, 1, 2.0));
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ASSERT_EQ(files.notices.size(), 1u);
    EXPECT_EQ(files.notices[0].event, RecordFileNotice::Event::ClockWentBack);
    ExpectEveryFileHolds(folder, 25 + 14 + 3);
}

TEST(StationClockSetBack, ARecordIsTheSameWhateverItsNumbersLookLikeAndWhateverItsRainSays)
{
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"same_record", 3, files);
    // Record 2 as a later poll writes it ("45" for "45.00", the rain totals after it), with the rain
    // counted from another reset, with the forecast a downloaded line gives an unknown symbol, and
    // with blanks around a number: the same record each time.
    std::string polled = Record(2);
    polled.replace(polled.find(",42.00,"), 7, ",42,");
    polled += ",,70.5,148.1, 211.6,7.5,1.2";
    std::string rain = Record(2);
    rain.replace(rain.rfind(",0.2,"), 5, ",17.4,");
    std::string forecast = Record(2);
    forecast.replace(forecast.find(",3,19.50,"), 9, ", ,19.50,");
    std::string blanks = Record(2);
    blanks.replace(blanks.find(",1.50,"), 6, ", 1.5 ,");
    for (const std::string& line : {polled, rain, forecast, blanks}) {
        WriteBytes(folder + STAGING_FILE_NAME, line + "\r\n");
        ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
        ExpectEveryFileHolds(folder, 3);
    }
    // A hundredth off is another record.
    std::string other = Record(2);
    other.replace(other.find(",42.00,"), 7, ",42.01,");
    WriteBytes(folder + STAGING_FILE_NAME, other + "\r\n");
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    ExpectEveryFileHolds(folder, 4);
}

TEST(StationClockSetBack, StagedRecordsOfOneTimeAreAllKeptUnlessTheyAreTheSame)
{
    const std::wstring folder = ScratchFolder(L"staged_same_time");
    WriteBytes(folder + STAGING_FILE_NAME, Record(5) + "\r\n" + Record(5, 1.0) + "\r\n" + Record(5) + "\r\n" +
                                               Record(4) + "\r\n");
    std::vector<StagedRecord> records;
    ASSERT_EQ(ReadStagedRecords(folder + STAGING_FILE_NAME, &records), StagingRead::Read);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, Record(4));
    EXPECT_EQ(records[1].line, Record(5));
    EXPECT_EQ(records[2].line, Record(5, 1.0));
}

// ---- a last record without its line end ----------------------------------------------------------------

TEST(LastRecordWithoutItsLineEnd, AWholeRecordIsKeptAndOneBrokenOffInsideIsCut)
{
    CRecordFiles files;
    const std::wstring folder = FolderOf(L"last_line", 50, files);
    // A polled record in the base files (its last field has no separator after it).
    WriteBytes(folder + STAGING_FILE_NAME, Record(50) + ",,70.5,148.1, 211.6,7.5,1.2\r\n");
    ASSERT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    std::string intact[4];
    for (RecordFileKind kind : kKinds) {
        const std::wstring path = folder + RecordFileName(kind);
        intact[static_cast<int>(kind)] = ReadBytes(path);
        // Saved by an editor that drops the last line end.
        WriteBytes(path, intact[static_cast<int>(kind)].substr(0, intact[static_cast<int>(kind)].size() - 2));
        WriteBytes(folder + UserCopyName(kind), ReadBytes(path));
    }
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    for (RecordFileKind kind : kKinds)
        ExpectSameBytes(ReadBytes(folder + RecordFileName(kind)), intact[static_cast<int>(kind)],
                        Narrow(RecordFileName(kind)).c_str());
    ExpectEveryFileHolds(folder, 51);
    EXPECT_TRUE(next.notices.empty());

    // Broken off inside a field, or between the fields of a polled line (a kill in the middle of the
    // append to csv.dat, the record still staged): cut, and the record merged whole.
    const std::string polled = Record(51) + ",,70.5,148.1, 211.6,7.5,1.2";
    for (size_t keep : {size_t{20}, Record(51).size() - 3, Record(51).size() + 4}) {
        SCOPED_TRACE(keep);
        CRecordFiles killed;
        const std::wstring again = FolderOf(L"last_line_cut", 50, killed);
        const std::string before = ReadBytes(again + L"csv.dat");
        WriteBytes(again + L"csv.dat", before + polled.substr(0, keep));
        WriteBytes(again + STAGING_FILE_NAME, polled + "\r\n");
        CRecordFiles next;
        PrepareRecordFiles(again, Fahrenheit(), next);
        ExpectSameBytes(ReadBytes(again + L"csv.dat"), before, "csv.dat");
        ASSERT_TRUE(MergeStagedRecords(again, false, Fahrenheit(), next));
        ExpectEveryFileHolds(again, 51);
        EXPECT_TRUE(next.notices.empty());
    }
}

TEST(LastRecordWithoutItsLineEnd, IsTakenFromTheStagingFileAndByTheRebuild)
{
    const std::wstring folder = ScratchFolder(L"last_staged");
    WriteBytes(folder + STAGING_FILE_NAME, Records(0, 3) + Record(3));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    ExpectEveryFileHolds(folder, 4);
    // A record appended to the staging file after one that lost its line end is a record of its own.
    WriteBytes(folder + STAGING_FILE_NAME, Record(4));
    ASSERT_TRUE(AppendStagedLine(folder + STAGING_FILE_NAME, Record(5)));
    EXPECT_EQ(ReadBytes(folder + STAGING_FILE_NAME), Records(4, 2));

    const std::string csv = ReadBytes(folder + L"csv.dat");
    WriteBytes(folder + L"csv.dat", csv.substr(0, csv.size() - 2));
    CRecordFileIndex index;
    ASSERT_TRUE(RebuildCustomFile(RecordFileKind::CsvCustom, folder + L"csv.dat", folder + L"csv_custom.dat",
                                  Fahrenheit(), &index));
    EXPECT_EQ(index.RecordCount(), 4);
    EXPECT_EQ(RecordsOf(folder + L"csv_custom.dat", ',').size(), 4u);
}

}  // namespace
