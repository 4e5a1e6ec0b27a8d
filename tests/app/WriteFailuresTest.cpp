// Files that could not be written, as the user is told: the reason found from the system's error
// and the path, each cause said once for as long as it lasts, and the message in the language; the
// window's messages one box at a time; the program's own files on a full disk.
#include "app/SettingsFiles.h"
#include "app/WindowMessages.h"
#include "app/WriteFailures.h"
#include "records/MainRecords.h"
#include "records/RecordFileIo.h"
#include "tests/support/SmallDisk.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

namespace {

std::wstring Scratch(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"orvelle_write_failures_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + name;
}

TEST(WriteFailures, TheReasonComesFromTheErrorAndWhatStandsAtThePath)
{
    const std::wstring file = Scratch(L"file.csv"), folder = Scratch(L"folder.csv");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_EQ(WriteReasonOf(file, ERROR_DISK_FULL), WriteReason::DiskFull);
    EXPECT_EQ(WriteReasonOf(file, ERROR_HANDLE_DISK_FULL), WriteReason::DiskFull);
    EXPECT_EQ(WriteReasonOf(file, ERROR_SHARING_VIOLATION), WriteReason::HeldElsewhere);
    EXPECT_EQ(WriteReasonOf(file, ERROR_PATH_NOT_FOUND), WriteReason::FolderMissing);
    EXPECT_EQ(WriteReasonOf(file, ERROR_ACCESS_DENIED), WriteReason::AccessDenied);
    EXPECT_EQ(WriteReasonOf(file, ERROR_CRC), WriteReason::Other);
    // A folder where the file should be is the reason, whatever error the system gave.
    EXPECT_EQ(WriteReasonOf(folder, ERROR_ACCESS_DENIED), WriteReason::FolderInTheWay);
    // A file made read-only.
    ::CloseHandle(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr));
    EXPECT_EQ(WriteReasonOf(file, ERROR_ACCESS_DENIED), WriteReason::WriteProtected);
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(file.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST(WriteFailures, EachCauseIsSaidOnceForAsLongAsItLasts)
{
    CWriteFailureNotices notices;
    const std::vector<FailedWrite> full = {{L"csv.dat", ERROR_DISK_FULL, WriteReason::DiskFull},
                                           {L"held.txt", ERROR_SHARING_VIOLATION, WriteReason::HeldElsewhere},
                                           {L"txt.dat", ERROR_DISK_FULL, WriteReason::DiskFull}};
    // One round: a group per reason, the files of a reason together.
    auto said = notices.Failed(WriteTask::RecordFiles, full);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].size(), 2u);
    EXPECT_EQ(said[0][1].path, L"txt.dat");
    EXPECT_EQ(said[1][0].path, L"held.txt");
    EXPECT_TRUE(notices.Failing(WriteTask::RecordFiles));
    // The same again, or another file for a reason already said: nothing new.
    EXPECT_TRUE(notices.Failed(WriteTask::RecordFiles, full).empty());
    EXPECT_TRUE(notices.Failed(WriteTask::RecordFiles, {{L"RECORDS.csv", ERROR_DISK_FULL, WriteReason::DiskFull}}).empty());
    // Another task is said apart.
    EXPECT_EQ(notices.Failed(WriteTask::ChartPictures, {full[0]}).size(), 1u);
    // While one file still fails for it, the cause lasts; once every file is written it is over,
    // and a new failure for it is said again.
    for (const wchar_t* path : {L"csv.dat", L"txt.dat"})
        notices.Written(WriteTask::RecordFiles, path);
    EXPECT_TRUE(notices.Failed(WriteTask::RecordFiles, {full[0]}).empty());
    for (const wchar_t* path : {L"csv.dat", L"RECORDS.csv", L"held.txt"})
        notices.Written(WriteTask::RecordFiles, path);
    EXPECT_FALSE(notices.Failing(WriteTask::RecordFiles));
    EXPECT_EQ(notices.Failed(WriteTask::RecordFiles, {full[0]}).size(), 1u);
}

TEST(WriteFailures, TheMessageNamesTheFilesAndTheReasonInTheLanguage)
{
    const std::vector<FailedWrite> group = {{L"C:\\w\\csv.dat", ERROR_DISK_FULL, WriteReason::DiskFull},
                                            {L"C:\\w\\RECORDS.csv", ERROR_DISK_FULL, WriteReason::DiskFull}};
    EXPECT_EQ(WriteFailureMessage(WriteTask::RecordFiles, group, LANGUAGE_ENGLISH),
              L"Could not write C:\\w\\csv.dat, C:\\w\\RECORDS.csv: disk full. The new records wait and go in as soon "
              L"as writing is possible again.");
    EXPECT_EQ(WriteFailureMessage(WriteTask::CustomRebuild, {group[0]}, LANGUAGE_GERMAN),
              L"Fehler beim Umrechnen von C:\\w\\csv.dat in die neuen Anzeigeeinheiten: Datenträger voll. Bis dahin "
              L"bleiben die alten Einheiten; das Programm versucht es erneut.");
    EXPECT_EQ(WriteFailureMessage(WriteTask::StationData, {{L"a.csv", ERROR_CRC, WriteReason::Other}}, LANGUAGE_POLISH),
              L"Nie można zapisać a.csv: błąd systemu 23. Program spróbuje ponownie.");
}


// ---- the window's messages -------------------------------------------------------------------------

TEST(WindowMessages, OneBoxAtATimeInTheirOrderAndAFailureWhoseCauseEndedIsDropped)
{
    CWindowMessages messages;
    std::vector<std::wstring> told;
    int open = 0, mostOpen = 0;
    bool diskFull = true;
    auto lasts = [&](WriteTask task, WriteReason reason) {
        return task == WriteTask::RecordFiles && reason == WriteReason::DiskFull && diskFull;
    };
    std::function<void(const CWindowMessages::Message&)> show;
    show = [&](const CWindowMessages::Message& message) {
        mostOpen = std::max(mostOpen, ++open);
        told.push_back(message.text);
        // While the first box is open the timers go on: a restore is told, the disk gets room, and
        // the next tick asks for the waiting messages again.
        if (message.text == L"disk full") {
            messages.Add(L"restored");
            diskFull = false;
            messages.TellWaiting(lasts, show);
        }
        --open;
    };
    messages.Add(L"disk full", MB_OK | MB_ICONWARNING, WriteTask::RecordFiles, WriteReason::DiskFull);
    messages.Add(L"clock went back");
    messages.Add(L"still full", MB_OK | MB_ICONWARNING, WriteTask::RecordFiles, WriteReason::DiskFull);
    messages.TellWaiting(lasts, show);
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(told, (std::vector<std::wstring>{L"disk full", L"clock went back", L"restored"}));
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(messages.Telling());
}

// ---- the program's own files on a full disk ----------------------------------------------------------

class AFullDiskForOwnFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!disk.Mounted())
            GTEST_SKIP() << "a real full disk cannot be had here: " << disk.WhyNot();
    }
    smalldisk::SmallDisk disk{256};
};

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(AFullDiskForOwnFiles, ASettingsFileAndTheRainHistoryThatCannotBeWrittenWholeKeepWhatTheyHeld)
{
    const std::wstring settingsPath = disk.Folder() + settings::AUTO_SAVING_FILE;
    const settings::Bytes old = settings::EncodeLanguage(3);  // an older, shorter file
    ASSERT_TRUE(settings::WriteFileBytes(settingsPath, old));
    auto records = std::make_unique<CMainRecords>();
    records->m_installFolder = disk.Folder();
    ASSERT_TRUE(records->SavePassRainData());
    const std::string oldRain = ReadAll(records->PassRainDataPath());

    ASSERT_TRUE(disk.LeaveFree(0));
    // Not a page left over either: a byte in a file of its own takes one.
    for (int n = 0; n < 64; ++n) {
        std::FILE* spare = _wfopen((disk.Folder() + L"spare" + std::to_wstring(n)).c_str(), L"wb");
        const bool taken = spare != nullptr && std::fputc('x', spare) != EOF;
        if (spare == nullptr || std::fclose(spare) != 0 || !taken)
            break;
    }
    CSettingsRecord values;
    settings::DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, disk.Folder(), values);
    ClearFileError();
    EXPECT_FALSE(settings::WriteFileBytes(settingsPath, settings::EncodeAutoSaving(values)));
    EXPECT_EQ(ErrorOfLastFailure(), static_cast<unsigned long>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadAll(settingsPath), std::string(old.begin(), old.end()));
    records->m_rainHistoryCount = 300;
    EXPECT_FALSE(records->SavePassRainData());
    EXPECT_EQ(ReadAll(records->PassRainDataPath()), oldRain);

    ASSERT_TRUE(disk.RemoveFiller());
    for (int n = 0; n < 64; ++n)
        DeleteFileW((disk.Folder() + L"spare" + std::to_wstring(n)).c_str());
    EXPECT_TRUE(settings::WriteFileBytes(settingsPath, settings::EncodeAutoSaving(values)));
    EXPECT_EQ(ReadAll(settingsPath).size(), settings::AUTO_SAVING_FILE_BYTES);
    EXPECT_TRUE(records->SavePassRainData());
    EXPECT_EQ(ReadAll(records->PassRainDataPath()).size(), 4u + 300u * 16u);
}

}  // namespace
