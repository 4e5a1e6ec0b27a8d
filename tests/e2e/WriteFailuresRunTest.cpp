// What happens around the running program, by event, as a user sees it: a full disk (a real one,
// a small tmpfs, which needs root) at the start and while records come in, during a unit change
// and a Save as, while a damaged record file is to be brought back, during the automatic saving,
// freed while the program runs; a record copy that cannot be written; a custom record file that a
// viewer holds during a unit change.
#include "tests/e2e/ProgramRun.h"
#include "app/SettingsFiles.h"
#include "records/RecordMerge.h"
#include "tests/support/SmallDisk.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using namespace e2e;

constexpr UINT COMMAND_SAVE_AS = 32771, COMMAND_DISPLAYING_UNIT = 32784;
constexpr int UNIT_OUTER_GROUP = 1244, UNIT_ENGLISH = 1228;
constexpr int SAVE_TYPE_COMBO = 0x470, SAVE_NAME_EDIT = 0x480, SAVE_NAME_COMBO = 0x47C;

// The English unit system (degrees Fahrenheit, inHg, inch, mph) chosen in the Displaying unit
// dialog, and OK.
bool ChangeToEnglishUnits(const Program& program)
{
    PostMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(COMMAND_DISPLAYING_UNIT, 0), 0);
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = program.DialogWithControl(UNIT_OUTER_GROUP)) != nullptr; }, 20))
        return false;
    HWND english = GetDlgItem(dialog, UNIT_ENGLISH);
    SendMessageW(english, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(UNIT_ENGLISH, BN_CLICKED), reinterpret_cast<LPARAM>(english));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return WaitFor([&] { return program.DialogWithControl(UNIT_OUTER_GROUP) == nullptr; }, 20);
}

// Save as with the first type (comma-separated records) under the path typed into the save dialog;
// the message that follows ("" when none came).
std::wstring SaveRecordsAs(const Program& program, const std::wstring& path)
{
    PostMessageW(program.MainWindow(), WM_COMMAND, MAKEWPARAM(COMMAND_SAVE_AS, 0), 0);
    HWND save = nullptr;
    if (!WaitFor([&] { return (save = program.DialogWithControl(SAVE_TYPE_COMBO)) != nullptr; }, 20))
        return L"<no save dialog>";
    SetDlgItemTextW(save, GetDlgItem(save, SAVE_NAME_EDIT) ? SAVE_NAME_EDIT : SAVE_NAME_COMBO, path.c_str());
    PostMessageW(save, WM_COMMAND, IDOK, 0);
    if (!WaitFor([&] { return program.DialogWithControl(SAVE_TYPE_COMBO) == nullptr; }, 20))
        return L"<the save dialog stayed>";
    const std::wstring message = program.WaitForMessageBox(3);
    program.PressOk();
    WaitFor([&] { return program.MessageBoxCount() == 0; }, 10);
    return message;
}

bool StartsWith(const std::wstring& text, const std::wstring& start) { return text.compare(0, start.size(), start) == 0; }

// The next message box other than the one of `shown`, the boxes saying that the rain history could not
// be written answered on the way: the rain history is written at every new hour of the station's clock,
// which may or may not turn while the disk is full.
std::wstring NextMessageBesidesTheRainHistory(const Program& program, std::wstring shown, int seconds)
{
    for (;;) {
        const std::wstring text = program.WaitForMessageBoxOtherThan(shown, seconds);
        if (text.find(L"PassRainData.dat") == std::wstring::npos)
            return text;
        program.PressOk();
        shown = text;
    }
}

// The units of the English unit system as the record files name them.
DisplayUnitSelection EnglishUnits()
{
    DisplayUnitSelection units;
    units.temperature = 1;
    units.pressure = 0;
    units.rain = 0;
    return units;
}

// Starts the program on the demo station and waits for its first poll to have merged the
// history; the number of lines of "csv.dat" then (0 when that did not happen).
int StartedWithTheHistory(Program& program)
{
    UseDemoStation(program, 290);
    if (!program.Start() || !program.WaitForFirstPoll(60) ||
        !WaitFor([&] { return !Exists(program.File(L"tmpLastRec.txt")); }, 20))
        return 0;
    return LineCount(program.File(L"csv.dat"));
}

// ---- a full disk --------------------------------------------------------------------------------------

class AFullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!disk.Mounted())
            GTEST_SKIP() << "a real full disk cannot be had here: " << disk.WhyNot();
    }
    // Room for the program's files and what it writes.
    smalldisk::SmallDisk disk{96 * 1024};
};

TEST_F(AFullDisk, AtTheStartIsSaidAsSuchAndTheHistoryComesInOnceThereIsRoom)
{
    Program program(L"full_disk_start", disk.Folder());
    ASSERT_TRUE(program.HasBinaries());
    UseDemoStation(program, 290);
    // Less room than the memory dump and the chart pictures need.
    ASSERT_TRUE(disk.LeaveFree(1024));
    ASSERT_TRUE(program.Start());
    // The station answered: what is said is the file that could not be written, and why.
    EXPECT_EQ(program.WaitForMessageBox(60), L"Could not write " + program.File(L"data\\all_weather.csv") +
                                                 L": disk full. The program tries again.");
    EXPECT_TRUE(WaitFor([&] { return program.StatusText() == L"Can't write station data!"; }, 10))
        << Narrow(program.StatusText());
    // Room again, the message not even answered: the history and the records come in.
    ASSERT_TRUE(disk.RemoveFiller());
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "status: " << Narrow(program.StatusText());
    EXPECT_TRUE(WaitFor([&] { return !Exists(program.File(L"tmpLastRec.txt")); }, 20));
    EXPECT_TRUE(WaitFor([&] { return StartsWith(program.StatusText(), L"Remaining time"); }, 10));
    program.PressOk();
    EXPECT_TRUE(WaitFor([&] { return program.MessageBoxCount() == 0; }, 10));
    EXPECT_TRUE(HoldsFor([&] { return program.MessageBoxCount() == 0; }, 2000)) << Narrow(program.WaitForMessageBox(1));
    const int records = LineCount(program.File(L"csv.dat"));
    EXPECT_GT(records, 1000);
    for (int kind = 0; kind < 4; ++kind) {
        EXPECT_EQ(LineCount(program.File(kRecordFiles[kind])), records) << Narrow(kRecordFiles[kind]);
        EXPECT_EQ(ReadBytes(program.File(kRecordFiles[kind + 4])), ReadBytes(program.File(kRecordFiles[kind])));
    }
}

TEST_F(AFullDisk, WhileRecordsComeInAndUnitsChangeIsSaidAndNothingIsLost)
{
    Program program(L"full_disk_running", disk.Folder());
    ASSERT_TRUE(program.HasBinaries());
    const int downloaded = StartedWithTheHistory(program);
    ASSERT_GT(downloaded, 1000);

    // The disk fills up; the station's next record waits, and that is said.
    ASSERT_TRUE(disk.LeaveFree(0));
    ASSERT_TRUE(program.Steer("advance 5"));
    const std::wstring full = NextMessageBesidesTheRainHistory(program, L"", 30);
    EXPECT_TRUE(StartsWith(full, L"Could not write " + program.Folder()) &&
                full.find(L": disk full. The new records wait and go in as soon as writing is possible again.") !=
                    std::wstring::npos)
        << Narrow(full);
    program.PressOk();
    EXPECT_TRUE(WaitFor([&] { return program.StatusText() == L"Can't write record file!"; }, 10));
    // Room again: at the next reading the waiting record goes in once, without a restart.
    ASSERT_TRUE(disk.RemoveFiller());
    ASSERT_TRUE(program.Steer("advance 1"));
    EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"RECORDS_CUSTOM.txt")) == downloaded + 1; }, 30))
        << "status: " << Narrow(program.StatusText());
    for (int kind = 0; kind < 4; ++kind) {
        EXPECT_EQ(LineCount(program.File(kRecordFiles[kind])), downloaded + 1) << Narrow(kRecordFiles[kind]);
        EXPECT_EQ(ReadBytes(program.File(kRecordFiles[kind + 4])), ReadBytes(program.File(kRecordFiles[kind])));
    }
    EXPECT_TRUE(WaitFor([&] { return StartsWith(program.StatusText(), L"Remaining time"); }, 10));

    // Full again: a unit change cannot write the units' settings file nor rebuild the custom files:
    // each said, one box after the other, and the custom files keep their old units.
    ASSERT_TRUE(disk.LeaveFree(0));
    const std::string unitsBefore = ReadBytes(program.File(L"rDisplayingUnitSetting.dat"));
    ASSERT_TRUE(ChangeToEnglishUnits(program));
    const std::wstring unitsFile = NextMessageBesidesTheRainHistory(program, full, 30);
    EXPECT_EQ(unitsFile, L"Could not write " + program.File(L"rDisplayingUnitSetting.dat") +
                             L": disk full. The program tries again.");
    EXPECT_EQ(ReadBytes(program.File(L"rDisplayingUnitSetting.dat")), unitsBefore);
    program.PressOk();
    EXPECT_EQ(NextMessageBesidesTheRainHistory(program, unitsFile, 30),
              L"Could not rebuild " + program.File(L"csv_custom.dat") + L", " + program.File(L"txt_custom.dat") +
                  L" in the new display units: disk full. Until then the old units stay; the program tries again.");
    program.PressOk();
    WaitFor([&] { return program.MessageBoxCount() == 0; }, 10);
    EXPECT_EQ(FirstLine(program.File(L"RECORDS_CUSTOM.csv")), BuildHeaderRow(',', DisplayUnitSelection()));
    EXPECT_EQ(program.StatusText(), L"Can't write record file!");
    const DisplayUnitSelection english = EnglishUnits();
    // Save as onto the full disk says why it failed; elsewhere it gives the records in the new units.
    EXPECT_EQ(SaveRecordsAs(program, program.File(L"week.csv")),
              program.File(L"week.csv") + L" could not be saved: disk full.");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring elsewhere = std::wstring(current) + L"\\full_disk_week.csv";
    DeleteFileW(elsewhere.c_str());
    EXPECT_EQ(SaveRecordsAs(program, elsewhere), L"");
    EXPECT_EQ(FirstLine(elsewhere), BuildHeaderRow(',', english));
    EXPECT_EQ(LineCount(elsewhere), downloaded + 1);
    DeleteFileW(elsewhere.c_str());

    // Room again, no record waiting: the rebuild is tried again at the next reading.
    ASSERT_TRUE(disk.RemoveFiller());
    ASSERT_TRUE(program.Steer("advance 1"));
    EXPECT_TRUE(WaitFor(
        [&] {
            return FirstLine(program.File(L"RECORDS_CUSTOM.txt")) == BuildHeaderRow('\t', english) &&
                   FirstLine(program.File(L"RECORDS_CUSTOM.csv")) == BuildHeaderRow(',', english);
        },
        30))
        << "status: " << Narrow(program.StatusText());
    EXPECT_EQ(LineCount(program.File(L"csv_custom.dat")), downloaded + 1);
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS_CUSTOM.txt")), ReadBytes(program.File(L"txt_custom.dat")));
    // The units' settings file too: the next start finds the English units.
    const std::string units = ReadBytes(program.File(L"rDisplayingUnitSetting.dat"));
    ASSERT_EQ(units.size(), 32u);
    EXPECT_EQ(units[24], 1) << "degrees Fahrenheit";
    EXPECT_TRUE(WaitFor([&] { return StartsWith(program.StatusText(), L"Remaining time"); }, 10));
    EXPECT_TRUE(HoldsFor([&] { return program.MessageBoxCount() == 0; }, 1000)) << Narrow(program.WaitForMessageBox(1));
}

// Record i of a station that recorded every five minutes from 1 January 2014, long before the demo
// station's history: records only the record files hold.
std::string OlderRecord(int i)
{
    const int day = i / 288, hour = i / 12 % 24, minute = i % 12 * 5;
    char line[256];
    std::snprintf(line, sizeof line,
                  "2014,%d,%d,%d,%d,%d,%.2f,48.00,5.00,60.00,, ,1.50,90.00,-3.20,70.00,, ,0.00,1013.25,3,19.50,"
                  "4.00,2.00,9,60.5,",
                  1 + day % 7, 1 + day / 31, 1 + day % 31, hour, minute, 20.0 + i % 97 * 0.05);
    return line;
}

TEST_F(AFullDisk, ARestoreThatItStopsIsSaidAndGoesThroughAtTheNextReadingOnceThereIsRoom)
{
    Program first(L"full_disk_restore", disk.Folder());
    ASSERT_TRUE(first.HasBinaries());
    ASSERT_GT(StartedWithTheHistory(first), 1000);
    first.Stop();
    // Eight thousand older records in every file and copy; then another program takes them out of
    // csv.dat (its copy keeps them).
    std::string stationPart;
    for (int kind = 0; kind < 4; ++kind) {
        const std::string text = ReadBytes(first.File(kRecordFiles[kind]));
        const size_t afterHeader = text.find("\r\n") + 2;
        std::string older;
        for (int i = 0; i < 8000; ++i)
            older += RecordLineFor(static_cast<RecordFileKind>(kind), OlderRecord(i), DisplayUnitSelection()) + "\r\n";
        const std::string whole = text.substr(0, afterHeader) + older + text.substr(afterHeader);
        for (const wchar_t* name : {kRecordFiles[kind], kRecordFiles[kind + 4]})
            std::ofstream(first.File(name).c_str(), std::ios::binary | std::ios::trunc) << whole;
        if (kind == 0)
            stationPart = text;
    }
    std::ofstream(first.File(L"csv.dat").c_str(), std::ios::binary | std::ios::trunc) << stationPart;
    const std::string copy = ReadBytes(first.File(L"RECORDS.csv"));
    // Less room than csv.dat brought back needs.
    ASSERT_TRUE(disk.LeaveFree(256));

    Program second(SameFolderAs{first});
    UseDemoStationOf(second, first);
    ASSERT_TRUE(second.Start());
    // Said: the restore, and the station's history that cannot be staged either.
    std::wstring said = second.WaitForMessageBox(60);
    const std::wstring restoreFailed = L"Could not restore " + second.File(L"csv.dat") +
                                       L": disk full. The records it lacks stay in its copy or in the other record "
                                       L"file; the program tries again.";
    const std::wstring stagingFailed = L"Could not write " + second.File(L"tmpLastRec.txt") +
                                       L": disk full. The new records wait and go in as soon as writing is possible "
                                       L"again.";
    EXPECT_TRUE(said == restoreFailed || said == stagingFailed) << Narrow(said);
    second.PressOk();
    const std::wstring other = said == restoreFailed ? stagingFailed : restoreFailed;
    EXPECT_EQ(second.WaitForMessageBoxOtherThan(said, 10), other);
    said = other;
    second.PressOk();
    // Nothing else failed: nothing more is said (the copy kept for the file is no failure of its own).
    EXPECT_TRUE(HoldsFor([&] { return second.WaitForMessageBoxOtherThan(said, 0).empty(); }, 3000))
        << Narrow(second.WaitForMessageBox(1));
    EXPECT_TRUE(ReadBytes(second.File(L"RECORDS.csv")) == copy) << "the copy was written over";
    EXPECT_EQ(second.StatusText(), L"Can't write record file!");

    // Room again: the next reading brings csv.dat back, without a record coming in.
    ASSERT_TRUE(disk.RemoveFiller());
    ASSERT_TRUE(second.Steer("advance 1"));
    EXPECT_EQ(second.WaitForMessageBoxOtherThan(said, 30), L"csv.dat lacked records that RECORDS.csv holds: it was restored from "
                                             L"that file, and the file as it was is kept as csv (damaged).dat.");
    second.PressOk();
    EXPECT_TRUE(ReadBytes(second.File(L"csv.dat")) == copy) << "csv.dat is not what its copy held";
    EXPECT_TRUE(ReadBytes(second.File(L"csv (damaged).dat")) == stationPart) << "not kept aside as it was";
    EXPECT_TRUE(WaitFor([&] { return StartsWith(second.StatusText(), L"Remaining time"); }, 10));
}

// The first start in a folder of the small disk: the demo station's history in every record file
// (its line count), the program stopped again; `offset` is its station's clock offset.
int FirstStartWithTheHistory(Program& first, double* offset)
{
    *offset = OffsetForNextRecordIn(290);
    UseDemoStationAt(first, *offset);
    if (!first.HasBinaries() || !first.Start() || !first.WaitForFirstPoll(60) ||
        !WaitFor([&] { return !Exists(first.File(L"tmpLastRec.txt")); }, 20))
        return 0;
    first.Stop();
    return LineCount(first.File(L"csv.dat"));
}

// Every record file holds `lines` lines and every copy is its file.
bool EveryFileHolds(const Program& program, int lines)
{
    for (int kind = 0; kind < 4; ++kind)
        if (LineCount(program.File(kRecordFiles[kind])) != lines ||
            ReadBytes(program.File(kRecordFiles[kind + 4])) != ReadBytes(program.File(kRecordFiles[kind])))
            return false;
    return true;
}

std::string LineCounts(const Program& program)
{
    std::string counts;
    for (const wchar_t* name : kRecordFiles)
        counts += Narrow(name) + " " + std::to_string(LineCount(program.File(name))) + "; ";
    return counts;
}

// A second start in the first one's folder with the station `minutesOn` minutes on (records that the
// files lack) and `kilobytesFree` left on the disk: a failure said, then room again without the
// message answered, and the next reading.
void StartAgainOnAFullDisk(Program& second, double offset, int minutesOn, int kilobytesFree, smalldisk::SmallDisk& disk)
{
    ASSERT_TRUE(disk.LeaveFree(kilobytesFree));
    UseDemoStationAt(second, offset + minutesOn);
    ASSERT_TRUE(second.Start());
    const std::wstring said = second.WaitForMessageBox(60);
    EXPECT_NE(said.find(L"disk full"), std::wstring::npos) << Narrow(said);
    ASSERT_TRUE(disk.RemoveFiller());
    ASSERT_TRUE(second.Steer("advance 1"));
}

TEST_F(AFullDisk, RecordsTheFilesLackComeInWithTheRestoreOnceThereIsRoom)
{
    Program first(L"full_disk_records", disk.Folder());
    double offset = 0;
    const int downloaded = FirstStartWithTheHistory(first, &offset);
    ASSERT_GT(downloaded, 1000);
    // csv.dat re-saved as UTF-16 by another program; the station took three records meanwhile.
    std::string utf16 = "\xFF\xFE";
    for (char c : ReadBytes(first.File(L"csv.dat")))
        utf16 += std::string{c, '\0'};
    std::ofstream(first.File(L"csv.dat").c_str(), std::ios::binary | std::ios::trunc) << utf16;
    Program second(SameFolderAs{first});
    StartAgainOnAFullDisk(second, offset, 15, 150, disk);
    // The restore, and the station's three records in every file, without a restart.
    EXPECT_TRUE(WaitFor([&] { return EveryFileHolds(second, downloaded + 3); }, 40)) << LineCounts(second);
    while (second.MessageBoxCount() > 0)
        second.PressOk();
}

TEST_F(AFullDisk, AtAStartBehindTheStationEveryRecordComesInOnceThereIsRoom)
{
    Program first(L"full_disk_behind", disk.Folder());
    double offset = 0;
    const int downloaded = FirstStartWithTheHistory(first, &offset);
    ASSERT_GT(downloaded, 1000);
    // The files six records behind the station, less room than the history's staging needs; three
    // more records once there is room: every one of them in every file.
    Program second(SameFolderAs{first});
    StartAgainOnAFullDisk(second, offset, 30, 400, disk);
    EXPECT_TRUE(WaitFor([&] { return EveryFileHolds(second, downloaded + 6); }, 60)) << LineCounts(second);
    for (int record = 1; record <= 3; ++record) {
        ASSERT_TRUE(second.Steer("advance 5"));
        EXPECT_TRUE(WaitFor([&] { return EveryFileHolds(second, downloaded + 6 + record); }, 30))
            << "record " << record << ": " << LineCounts(second);
    }
    while (second.MessageBoxCount() > 0)
        second.PressOk();
}

TEST_F(AFullDisk, AnAutomaticSaveThatCannotBeWrittenIsSaidOnceAndLeavesNoPartOfAFile)
{
    Program program(L"full_disk_auto_save", disk.Folder());
    ASSERT_TRUE(program.HasBinaries());
    // Saving every two minutes (of 1.5 s here): the comma and tab files and the window's picture, into
    // the program's folder.
    CSettingsRecord saving;
    settings::DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, program.Folder() + L"\\", saving);
    saving.m_autoSaveInterval = 1;
    saving.m_autoSaveCsv = saving.m_autoSaveTxt = saving.m_autoSaveJpg = 1;
    ASSERT_TRUE(settings::WriteFileBytes(program.File(settings::AUTO_SAVING_FILE), settings::EncodeAutoSaving(saving)));
    program.SetEnvironment(L"ORVELLE_TEST_AUTOSAVE_MINUTE_MS", L"1500");
    ASSERT_GT(StartedWithTheHistory(program), 1000);
    ASSERT_TRUE(WaitFor([&] { return !FilesIn(program.Folder(), L"RECORD*.jpg").empty(); }, 30));

    ASSERT_TRUE(disk.LeaveFree(0));
    const std::wstring said = program.WaitForMessageBox(30);
    EXPECT_TRUE(StartsWith(said, L"Could not write " + program.Folder() + L"\\RECORD") &&
                said.find(L": disk full. The next automatic save is made at its time.") != std::wstring::npos)
        << Narrow(said);
    program.PressOk();
    // Once while the disk stays full, though every save fails.
    EXPECT_TRUE(HoldsFor([&] { return program.WaitForMessageBoxOtherThan(said, 0).empty(); }, 7000))
        << Narrow(program.WaitForMessageBox(1));
    // No part of a save is left: every picture is whole, no temporary file stays.
    ASSERT_TRUE(disk.RemoveFiller());
    for (const std::wstring& name : FilesIn(program.Folder(), L"RECORD*.jpg")) {
        const std::string picture = ReadBytes(program.File(name.c_str()));
        EXPECT_TRUE(picture.size() > 2 && picture.compare(picture.size() - 2, 2, "\xFF\xD9") == 0)
            << Narrow(name) << " is cut short";
    }
    EXPECT_TRUE(FilesIn(program.Folder(), L"*.new").empty());
}

// ---- a copy that cannot be written --------------------------------------------------------------------

TEST(EndToEnd, ACopyThatIsAFolderIsSaidAndCaughtUpOnceItCanBeWritten)
{
    Program program(L"copy_folder");
    ASSERT_TRUE(program.HasBinaries());
    CreateDirectoryW(program.File(L"RECORDS.csv").c_str(), nullptr);
    UseDemoStation(program, 290);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(60));
    EXPECT_EQ(program.WaitForMessageBox(10), L"Could not write " + program.File(L"RECORDS.csv") +
                                                 L": a folder has this name. The new records wait and go in as soon "
                                                 L"as writing is possible again.");
    program.PressOk();
    EXPECT_TRUE(WaitFor([&] { return program.StatusText() == L"Can't write record file!"; }, 10));
    // The folder goes: the copy catches up with the next reading, no record needed.
    RemoveDirectoryW(program.File(L"RECORDS.csv").c_str());
    ASSERT_TRUE(program.Steer("advance 1"));
    EXPECT_TRUE(WaitFor(
        [&] { return ReadBytes(program.File(L"RECORDS.csv")) == ReadBytes(program.File(L"csv.dat")); }, 20));
    EXPECT_TRUE(WaitFor([&] { return StartsWith(program.StatusText(), L"Remaining time"); }, 10));
    EXPECT_EQ(program.MessageBoxCount(), 0);
}

// ---- a custom file held by a viewer during a unit change ------------------------------------------------

// The file's identity (its index on the disk): a file replaced by a rebuild gets a new one.
ULONGLONG FileIdentity(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &information);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return known ? (ULONGLONG(information.nFileIndexHigh) << 32 | information.nFileIndexLow) : 0;
}

TEST(EndToEnd, ACustomFileHeldByAViewerIsRebuiltOnceWhenLetGo)
{
    Program program(L"held_custom");
    ASSERT_TRUE(program.HasBinaries());
    const int downloaded = StartedWithTheHistory(program);
    ASSERT_GT(downloaded, 1000);
    // A viewer has "csv_custom.dat" open: it reads and lets others read, not write.
    HANDLE viewer = CreateFileW(program.File(L"csv_custom.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);

    ASSERT_TRUE(ChangeToEnglishUnits(program));
    EXPECT_EQ(program.WaitForMessageBox(30), L"Could not rebuild " + program.File(L"csv_custom.dat") +
                                                 L" in the new display units: open in another program. Until then "
                                                 L"the old units stay; the program tries again.");
    program.PressOk();
    // The other custom file is rebuilt once and from then on only takes the new records.
    const DisplayUnitSelection english = EnglishUnits();
    ASSERT_TRUE(WaitFor([&] { return FirstLine(program.File(L"txt_custom.dat")) == BuildHeaderRow('\t', english); }, 30));
    const ULONGLONG rebuilt = FileIdentity(program.File(L"txt_custom.dat"));
    for (int record = 1; record <= 2; ++record) {
        ASSERT_TRUE(program.Steer("advance 5"));
        EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"txt_custom.dat")) == downloaded + record; }, 30));
    }
    EXPECT_EQ(FileIdentity(program.File(L"txt_custom.dat")), rebuilt) << "rebuilt again at a record";
    EXPECT_EQ(program.MessageBoxCount(), 0) << "said again: " << Narrow(program.WaitForMessageBox(1));

    // Let go: rebuilt at the next reading, with every record once.
    CloseHandle(viewer);
    ASSERT_TRUE(program.Steer("advance 1"));
    EXPECT_TRUE(WaitFor(
        [&] {
            return FirstLine(program.File(L"RECORDS_CUSTOM.csv")) == BuildHeaderRow(',', english) &&
                   LineCount(program.File(L"RECORDS_CUSTOM.csv")) == downloaded + 2;
        },
        30));
    EXPECT_EQ(LineCount(program.File(L"csv_custom.dat")), downloaded + 2);
    EXPECT_TRUE(WaitFor([&] { return StartsWith(program.StatusText(), L"Remaining time"); }, 10))
        << "status: " << Narrow(program.StatusText());
    EXPECT_EQ(program.MessageBoxCount(), 0) << Narrow(program.WaitForMessageBox(1));
}

}  // namespace
