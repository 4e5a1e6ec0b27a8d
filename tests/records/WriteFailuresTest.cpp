// Writes of the record files that fail for what happens around the program, by event: a full disk
// (a real one: a small tmpfs, which needs root), a custom file held by a viewer during its rebuild,
// a system that cannot make one more thread; and Save as while the custom files are still in the
// old units. (The same events seen from the running program: tests/e2e/WriteFailuresRunTest.cpp.)
#include "DumpFixture.h"

#include "records/MainRecords.h"
#include "records/RecordFileIo.h"
#include "records/RecordMerge.h"
#include "records/SaveAs.h"
#include "records/WorkerThread.h"
#include "tests/support/SmallDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

namespace {

// Every record file kind, in their order.
std::vector<RecordFileKind> AllKinds()
{
    std::vector<RecordFileKind> kinds;
    for (int k = 0; k < RECORD_FILE_KIND_COUNT; ++k)
        kinds.push_back(static_cast<RecordFileKind>(k));
    return kinds;
}

// Degrees Fahrenheit, everything else in the base units.
DisplayUnitSelection Fahrenheit()
{
    DisplayUnitSelection units;
    units.temperature = 1;
    return units;
}

// Staged record n: every five minutes from 2014-01-01 00:00.
std::string Staged(int n)
{
    const int minutes = 5 * n;
    char line[256];
    std::snprintf(line, sizeof line,
                  "2014,6,1,%d,%d,%d,20.00,50.00,5.00,80.00,, , 1.50,90.00,-3.20,70.00,, , 0.00,1013.25,3,19.50,"
                  "4.00,2.00,9,60.5,",
                  1 + minutes / 1440, minutes / 60 % 24, minutes % 60);
    return line;
}

std::string StagingText(int first, int count)
{
    std::string text;
    for (int n = first; n < first + count; ++n)
        text += Staged(n) + "\r\n";
    return text;
}

// The file's lines are all whole (each ends in CR LF), and each record time stands once; the number
// of records.
int WholeRecordsOnce(const std::wstring& path, char separator)
{
    if (!FileExists(path))
        return 0;
    const std::string text = ReadBytes(path);
    EXPECT_TRUE(text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0))
        << Narrow(path) << " ends inside a line";
    std::set<long long> keys;
    int records = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            break;
        RecordTime time;
        if (RecordTimeOfLine(text.substr(start, end - start), separator, &time)) {
            ++records;
            EXPECT_TRUE(keys.insert(RecordKey(time)).second) << Narrow(path) << ": a record twice";
        }
        start = end + 2;
    }
    return records;
}

// ---- a full disk -------------------------------------------------------------------------------------

class AFullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!disk.Mounted())
            GTEST_SKIP() << "a real full disk cannot be had here: " << disk.WhyNot();
        folder = disk.Folder();
    }
    smalldisk::SmallDisk disk{2048};
    std::wstring folder;
};

TEST_F(AFullDisk, RecordFilesSayWhyAndTakeTheWaitingRecordsOnceThereIsRoomAgain)
{
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 1500));
    ASSERT_TRUE(disk.LeaveFree(200));
    CRecordFiles files;
    EXPECT_FALSE(MergeStagedRecords(folder, true, Fahrenheit(), files));
    // Each file or copy that could not be written says so, and why.
    int full = 0;
    for (RecordFileKind kind : AllKinds()) {
        const int k = static_cast<int>(kind);
        for (const auto& [name, error] : {std::make_pair(RecordFileName(kind), files.fileError[k]),
                                          std::make_pair(UserCopyName(kind), files.copyError[k])}) {
            EXPECT_TRUE(error == 0 || error == ERROR_DISK_FULL) << Narrow(name) << ": " << error;
            full += error == ERROR_DISK_FULL;
        }
        WholeRecordsOnce(folder + RecordFileName(kind), SeparatorOf(kind));
    }
    EXPECT_GT(full, 0);
    EXPECT_TRUE(FileExists(folder + STAGING_FILE_NAME)) << "the records must wait";

    // Room again: every record reaches every file and copy once, and nothing fails any more.
    ASSERT_TRUE(disk.RemoveFiller());
    EXPECT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), files));
    for (RecordFileKind kind : AllKinds()) {
        const int k = static_cast<int>(kind);
        EXPECT_EQ(WholeRecordsOnce(folder + RecordFileName(kind), SeparatorOf(kind)), 1500)
            << Narrow(RecordFileName(kind));
        EXPECT_EQ(ReadBytes(folder + UserCopyName(kind)), ReadBytes(folder + RecordFileName(kind)));
        EXPECT_EQ(files.fileError[k], 0u);
        EXPECT_EQ(files.copyError[k], 0u);
    }
    EXPECT_FALSE(FileExists(folder + STAGING_FILE_NAME));
}

TEST_F(AFullDisk, ANewRecordThatCannotBeStagedWaitsInMemoryAndGoesInLater)
{
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 10));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    auto dlg = std::make_unique<CMainRecords>();
    dlg->m_installFolder = folder;
    ASSERT_TRUE(disk.LeaveFree(0));
    EXPECT_FALSE(MergeNewRecordLine(*dlg, Staged(10)));
    EXPECT_EQ(dlg->m_unstagedRecordLines.size(), 1u) << "the record was lost";
    EXPECT_TRUE(dlg->m_recordLinesWaiting);
    EXPECT_EQ(dlg->m_recordFiles.stagingError, static_cast<unsigned long>(ERROR_DISK_FULL));
    ASSERT_TRUE(disk.RemoveFiller());
    EXPECT_TRUE(MergeStagedRecords(*dlg, false));
    EXPECT_EQ(dlg->m_recordFiles.stagingError, 0u);
    for (RecordFileKind kind : AllKinds())
        EXPECT_EQ(WholeRecordsOnce(folder + RecordFileName(kind), SeparatorOf(kind)), 11) << Narrow(RecordFileName(kind));
}

TEST_F(AFullDisk, ARestoreThatFailsKeepsItsReasonAndGoesThroughOnceThereIsRoom)
{
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 1500));
    CRecordFiles files;
    ASSERT_TRUE(MergeStagedRecords(folder, true, Fahrenheit(), files));
    const std::string copy = ReadBytes(folder + L"RECORDS.csv");
    const std::string cut = copy.substr(0, copy.find(Staged(100)));
    WriteBytes(folder + L"csv.dat", cut);
    // Less room than the file brought back needs.
    ASSERT_TRUE(disk.LeaveFree(40));
    CRecordFiles next;
    PrepareRecordFiles(folder, Fahrenheit(), next);
    EXPECT_EQ(next.restoreError[0], static_cast<unsigned long>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadBytes(folder + L"csv.dat"), cut);
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), copy);
    EXPECT_FALSE(FileExists(folder + L"csv.dat.new"));
    EXPECT_FALSE(FileExists(folder + L"csv (damaged).dat")) << "a file kept aside without its restore";
    EXPECT_TRUE(next.notices.empty());
    // A record comes in meanwhile: the copy it cannot follow is kept for the file, and that is no
    // failure of its own.
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(1500, 1));
    EXPECT_TRUE(MergeStagedRecords(folder, false, Fahrenheit(), next));
    EXPECT_EQ(next.copyError[0], 0u);
    EXPECT_EQ(next.restoreError[0], static_cast<unsigned long>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS.csv"), copy);

    // Room again: the next reading brings the file back, nothing staged.
    ASSERT_TRUE(disk.RemoveFiller());
    EXPECT_TRUE(CatchUpRestores(folder, next));
    EXPECT_EQ(next.restoreError[0], 0u);
    for (RecordFileKind kind : AllKinds()) {
        EXPECT_EQ(WholeRecordsOnce(folder + RecordFileName(kind), SeparatorOf(kind)), 1501)
            << Narrow(RecordFileName(kind));
        EXPECT_EQ(ReadBytes(folder + UserCopyName(kind)), ReadBytes(folder + RecordFileName(kind)));
    }
    ASSERT_EQ(next.notices.size(), 1u);
    EXPECT_EQ(next.notices[0].event, RecordFileNotice::Event::RestoredShort);
    // Kept aside as it was then: with the record that came in meanwhile.
    EXPECT_EQ(ReadBytes(folder + next.notices[0].keptAs), cut + Staged(1500) + "\r\n");
}

// ---- Save as while the custom files are in the old units ----------------------------------------------

TEST(SaveAsAfterAUnitChange, TheRecordsComeInTheNewUnitsBeforeTheCustomFilesAreRebuilt)
{
    const std::wstring folder = ScratchFolder(L"save_new_units");
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 3));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    // The unit is changed; the custom files and their copies are still in degrees Celsius.
    const std::wstring target = folder + L"mine.csv";
    ASSERT_EQ(SaveRecordsAs(folder, SAVE_AS_CSV, target, Fahrenheit()), SaveResult::Saved);
    const std::string saved = ReadBytes(target);
    EXPECT_EQ(saved.substr(0, saved.find("\r\n")), BuildHeaderRow(',', Fahrenheit()));
    EXPECT_NE(saved.find("2014,6,1,1,0,0,68.00,50.00,41.00,"), std::string::npos) << saved.substr(0, 600);
    // Once rebuilt, the copy itself is saved.
    RebuildCustomRecords(folder, Fahrenheit());
    ASSERT_EQ(SaveRecordsAs(folder, SAVE_AS_TEXT, folder + L"mine.txt", Fahrenheit()), SaveResult::Saved);
    EXPECT_EQ(ReadBytes(folder + L"mine.txt"), ReadBytes(folder + L"RECORDS_CUSTOM.txt"));
}

// ---- a custom file held during its rebuild ----------------------------------------------------------

TEST(AHeldCustomFile, IsLookedAtBeforeAnythingIsConvertedAndRebuiltWhenLetGo)
{
    const std::wstring folder = ScratchFolder(L"held_custom");
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 2000));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    const std::string before = ReadBytes(folder + L"csv_custom.dat");
    // A viewer holds "csv_custom.dat" (it lets others read, not write).
    HANDLE held = HoldForReading(folder + L"csv_custom.dat");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RebuildControl control;
    CustomRebuildResult result =
        RebuildCustomRecords(folder, Fahrenheit(), &control, CustomFileChoice{true, false});
    EXPECT_FALSE(result.rebuilt[0]);
    EXPECT_EQ(result.error[0], static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(control.bytesDone.load(), 0) << "the whole file was converted only to find it held";
    EXPECT_FALSE(result.rebuilt[1]) << "a file that was not chosen is left alone";
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(folder + L"csv_custom.dat"), before);

    result = RebuildCustomRecords(folder, Fahrenheit(), &control, CustomFileChoice{true, false});
    EXPECT_TRUE(result.rebuilt[0]);
    EXPECT_EQ(WholeRecordsOnce(folder + L"csv_custom.dat", ','), 2000);
}

// ---- no thread for the rebuild ---------------------------------------------------------------------------

TEST(NoThreadForTheRebuild, BothFilesAreRebuiltInPlace)
{
    const std::wstring folder = ScratchFolder(L"no_thread");
    WriteBytes(folder + STAGING_FILE_NAME, StagingText(0, 50));
    ASSERT_TRUE(MergeStagedRecords(folder, true, DisplayUnitSelection()));
    RefuseWorkerThreadsForTesting(true);
    CustomRebuildResult result;
    EXPECT_NO_THROW(result = RebuildCustomRecords(folder, Fahrenheit()));
    RefuseWorkerThreadsForTesting(false);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(result.rebuilt[i]) << i;
    EXPECT_EQ(ReadBytes(folder + L"txt_custom.dat").substr(0, BuildHeaderRow('\t', Fahrenheit()).size()),
              BuildHeaderRow('\t', Fahrenheit()));
    EXPECT_EQ(ReadBytes(folder + L"RECORDS_CUSTOM.csv"), ReadBytes(folder + L"csv_custom.dat"));
}

}  // namespace
