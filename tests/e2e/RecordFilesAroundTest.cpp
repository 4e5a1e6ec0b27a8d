// What happens around the program to its record files between two starts: files damaged by other
// programs beside intact copies, the station's clock set back or moved on, and last records without
// line end.
#include "tests/e2e/ProgramRun.h"
#include "records/RecordMerge.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace e2e;

char SeparatorOf(int kind) { return kind % 2 == 1 ? '\t' : ','; }

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

// The lines of a file, each given to `edit` with whether it holds a record and its time.
std::string EachLine(const std::string& text, char separator,
                     const std::function<void(std::string& line, bool record, const RecordTime& time)>& edit)
{
    std::string out;
    for (size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        std::string line = text.substr(start, end - start);
        RecordTime time;
        edit(line, RecordTimeOfLine(line, separator, &time), time);
        out += line + "\r\n";
    }
    return out;
}

// The record lines of each of the four record files.
std::vector<std::vector<std::string>> RecordLines(const Program& program)
{
    std::vector<std::vector<std::string>> files(4);
    for (int kind = 0; kind < 4; ++kind)
        EachLine(ReadBytes(program.File(kRecordFiles[kind])), SeparatorOf(kind),
                 [&](std::string& line, bool record, const RecordTime&) {
                     if (record)
                         files[kind].push_back(line);
                 });
    return files;
}

std::vector<size_t> RecordCounts(const Program& program)
{
    std::vector<size_t> counts;
    for (const std::vector<std::string>& lines : RecordLines(program))
        counts.push_back(lines.size());
    return counts;
}

// Every record file holds at least `atLeast` records, no line twice, and its copy is it.
void ExpectWholeFiles(const Program& program, const std::vector<size_t>& atLeast)
{
    std::vector<std::vector<std::string>> files = RecordLines(program);
    for (int kind = 0; kind < 4; ++kind) {
        std::vector<std::string>& lines = files[kind];
        EXPECT_GE(lines.size(), atLeast[kind]) << Narrow(kRecordFiles[kind]);
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(std::adjacent_find(lines.begin(), lines.end()), lines.end()) << "twice in " << Narrow(kRecordFiles[kind]);
        EXPECT_TRUE(ReadBytes(program.File(kRecordFiles[kind + 4])) == ReadBytes(program.File(kRecordFiles[kind])))
            << Narrow(kRecordFiles[kind + 4]);
    }
}

// Through its first poll, with every record file merged.
bool Merged(const Program& program)
{
    return WaitFor([&] { return program.StatusText().rfind(L"Remaining time", 0) == 0 || !program.Running(); }, 120) &&
           WaitFor([&] { return !Exists(program.File(L"tmpLastRec.txt")); }, 20) && program.Running();
}

bool StartedAndMerged(Program& program) { return program.Start() && Merged(program); }

// A first run in the scenario's folder: the demo station's history in every record file.
bool RanOnce(Program& program, double stationAheadMinutes = 0)
{
    UseDemoStationAt(program, OffsetForNextRecordIn(290) + stationAheadMinutes);
    const bool merged = program.HasBinaries() && StartedAndMerged(program);
    program.Stop();
    return merged;
}

TEST(EndToEnd, RecordFilesDamagedFromOutsideAreBroughtBackFromTheirCopies)
{
    Program first(L"damaged_outside");
    ASSERT_TRUE(RanOnce(first));
    const std::vector<size_t> before = RecordCounts(first);
    ASSERT_GT(before[0], 3000u);

    // Another program cuts csv.dat to its first 1000 lines, re-saves txt.dat as UTF-16 and deletes
    // csv_custom.dat; the copies stay as they were.
    const std::string csv = ReadBytes(first.File(L"csv.dat"));
    size_t cut = 0;
    for (int line = 0; line < 1000; ++line)
        cut = csv.find("\r\n", cut) + 2;
    WriteBytes(first.File(L"csv.dat"), csv.substr(0, cut));
    std::string utf16 = "\xFF\xFE";
    for (char c : ReadBytes(first.File(L"txt.dat")))
        utf16 += std::string{c, '\0'};
    WriteBytes(first.File(L"txt.dat"), utf16);
    DeleteFileW(first.File(L"csv_custom.dat").c_str());

    Program second(SameFolderAs{first});
    UseDemoStationOf(second, first);
    ASSERT_TRUE(second.Start());
    const std::wstring told = second.WaitForMessageBox(120);
    for (const wchar_t* part :
         {L"csv.dat lacked records that RECORDS.csv holds: it was restored from that file, and the file as it was "
          L"is kept as csv (damaged).dat.",
          L"txt.dat could not be read as records: it was restored from RECORDS.txt, and the damaged file is kept as "
          L"txt (damaged).dat.",
          L"csv_custom.dat was missing: it was restored from RECORDS_CUSTOM.csv."})
        EXPECT_NE(told.find(part), std::wstring::npos) << Narrow(told);
    second.PressOk();
    ASSERT_TRUE(Merged(second));
    ExpectWholeFiles(second, before);
    EXPECT_EQ(ReadBytes(second.File(L"csv (damaged).dat")), csv.substr(0, cut));
    EXPECT_EQ(ReadBytes(second.File(L"txt (damaged).dat")), utf16);
    EXPECT_TRUE(HoldsFor([&] { return second.MessageBoxWindow() == nullptr; }, 2000)) << "said more than once";
}

TEST(EndToEnd, StationClockSetBackAddsTheRecordsOfTheRepeatedHourAndSaysSo)
{
    // The first run's station is an hour ahead; the second's is set back to the right time.
    Program first(L"clock_back");
    ASSERT_TRUE(RanOnce(first, 60));
    const double offset = OffsetForNextRecordIn(290);
    SYSTEMTIME now;
    GetLocalTime(&now);
    // The second run's station clock in seconds: its last record ten seconds before, its next 290 after.
    const double clock =
        (MinutesOf(RecordTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute}) + offset) * 60.0 + now.wSecond;

    // A real station's repeated hour brings other values than the first time: the held records of
    // that hour get an indoor temperature 1.0 warmer, in the files and their copies.
    for (int kind = 0; kind < 4; ++kind) {
        const char separator = SeparatorOf(kind);
        const std::string edited =
            EachLine(ReadBytes(first.File(kRecordFiles[kind])), separator,
                     [&](std::string& line, bool record, const RecordTime& time) {
                         if (!record || MinutesOf(time) * 60.0 <= clock)
                             return;
                         size_t field = 0;
                         for (int f = 0; f < 6; ++f)
                             field = line.find(separator, field) + 1;
                         const size_t end = line.find(separator, field);
                         char warmer[32];
                         std::snprintf(warmer, sizeof warmer, "%.2f", std::atof(line.substr(field, end - field).c_str()) + 1);
                         line.replace(field, end - field, warmer);
                     });
        WriteBytes(first.File(kRecordFiles[kind]), edited);
        WriteBytes(first.File(kRecordFiles[kind + 4]), edited);
    }

    Program second(SameFolderAs{first});
    UseDemoStationAt(second, offset);
    ASSERT_TRUE(StartedAndMerged(second));
    EXPECT_EQ(second.MessageBoxWindow(), nullptr) << "the records the station held were told as new";
    // (The oldest records of the station's history, older than the first run's, came in as well.)
    std::vector<size_t> after = RecordCounts(second);
    // Seventy minutes on: fourteen records, twelve of them at times the files hold.
    ASSERT_TRUE(second.Steer("advance 70"));
    EXPECT_EQ(second.WaitForMessageBox(60), L"The station's clock went back: the records it took at times the record "
                                            L"files already held, with other values, were added after them.");
    second.PressOk();
    for (size_t& count : after)
        count += 14;
    EXPECT_TRUE(WaitFor([&] { return RecordCounts(second) == after; }, 30))
        << "csv.dat holds " << RecordCounts(second)[0] << " records, not " << after[0];
    EXPECT_TRUE(HoldsFor([&] { return RecordCounts(second) == after && second.MessageBoxWindow() == nullptr; }, 2500));
    ExpectWholeFiles(second, after);
}

TEST(EndToEnd, StationClockMovedOnByWholeHoursBringsInEveryRecordThatFellDue)
{
    Program program(L"clock_forward");
    UseDemoStation(program, 290);
    ASSERT_TRUE(program.HasBinaries() && StartedAndMerged(program));
    std::vector<size_t> after = RecordCounts(program);
    // Six hours on: seventy-two records fell due, the latest at the minute of the one before them.
    ASSERT_TRUE(program.Steer("advance 360"));
    for (size_t& count : after)
        count += 72;
    EXPECT_TRUE(WaitFor([&] { return RecordCounts(program) == after; }, 30))
        << "csv.dat holds " << RecordCounts(program)[0] << " records, not " << after[0];
    EXPECT_EQ(program.MessageBoxWindow(), nullptr) << Narrow(program.WaitForMessageBox(1));
    ExpectWholeFiles(program, after);
}

TEST(EndToEnd, AMessageLeftOpenStopsNoRecordingAndNoSecondBoxOpensBesideIt)
{
    Program first(L"box_left_open");
    ASSERT_TRUE(RanOnce(first));
    // RECORDS.csv has become a folder: the first box says that it cannot be written.
    DeleteFileW(first.File(L"RECORDS.csv").c_str());
    CreateDirectoryW(first.File(L"RECORDS.csv").c_str(), nullptr);
    Program second(SameFolderAs{first});
    UseDemoStationOf(second, first);
    ASSERT_TRUE(second.Start());
    const std::wstring folderSaid = second.WaitForMessageBox(120);
    EXPECT_EQ(folderSaid, L"Could not write " + second.File(L"RECORDS.csv") +
                              L": a folder has this name. The new records wait and go in as soon as writing is "
                              L"possible again.");
    ASSERT_TRUE(WaitFor([&] { return !Exists(second.File(L"tmpLastRec.txt")); }, 30));
    const size_t records = RecordCounts(second)[0];

    // Left open, while another program cuts txt.dat and the station takes a record: the record goes
    // in, txt.dat is brought back, and what is told of it waits for the box to be answered.
    const std::string txt = ReadBytes(second.File(L"txt.dat"));
    WriteBytes(second.File(L"txt.dat"), txt.substr(0, txt.find("\r\n", txt.size() / 3) + 2));
    ASSERT_TRUE(second.Steer("advance 5"));
    EXPECT_TRUE(WaitFor([&] { return RecordCounts(second) == std::vector<size_t>(4, records + 1); }, 30))
        << "csv.dat holds " << RecordCounts(second)[0] << " records, txt.dat " << RecordCounts(second)[1];
    EXPECT_TRUE(HoldsFor([&] { return second.MessageBoxCount() == 1; }, 2500)) << "a second box beside the first";
    second.PressOk();
    const std::wstring restoreSaid = second.WaitForMessageBoxOtherThan(folderSaid, 10);
    EXPECT_EQ(restoreSaid, L"txt.dat lacked records that RECORDS.txt holds: it was restored from that file, and the "
                           L"file as it was is kept as txt (damaged).dat.");
    // That one left open stops no recording either.
    ASSERT_TRUE(second.Steer("advance 5"));
    EXPECT_TRUE(WaitFor([&] { return RecordCounts(second) == std::vector<size_t>(4, records + 2); }, 30))
        << "no record went in while the box was open";
    EXPECT_EQ(second.MessageBoxCount(), 1);
    second.PressOk();
    EXPECT_TRUE(WaitFor([&] { return second.MessageBoxCount() == 0; }, 10)) << Narrow(second.WaitForMessageBox(1));

    // The folder goes: the copy catches up, and every file holds every record once.
    RemoveDirectoryW(second.File(L"RECORDS.csv").c_str());
    ASSERT_TRUE(second.Steer("advance 1"));
    EXPECT_TRUE(WaitFor([&] { return ReadBytes(second.File(L"RECORDS.csv")) == ReadBytes(second.File(L"csv.dat")); }, 20));
    ExpectWholeFiles(second, std::vector<size_t>(4, records + 2));
    EXPECT_EQ(second.MessageBoxCount(), 0);
}

TEST(EndToEnd, LastRecordsWithoutTheirLineEndAreKept)
{
    Program first(L"last_line");
    ASSERT_TRUE(RanOnce(first));
    // A record the station no longer holds, restored by hand at the end of every file as a poll wrote
    // it (converted in the custom files), and each file saved without its last line end.
    const std::string restored = "2013,6,1,6,12,0,21.50,48,10.00,60,, ,11.00,61,12.00,62,, ,1.00,1013.25,3,9.50,4.50,"
                                 "2.30,9,14.1,,,70.5,148.1, 211.6,7.5,1.2";
    for (int kind = 0; kind < 4; ++kind) {
        const std::string text = ReadBytes(first.File(kRecordFiles[kind])) +
                                 RecordLineFor(static_cast<RecordFileKind>(kind), restored, DisplayUnitSelection());
        WriteBytes(first.File(kRecordFiles[kind]), text);
        WriteBytes(first.File(kRecordFiles[kind + 4]), text);
    }
    const std::vector<size_t> before = RecordCounts(first);

    Program second(SameFolderAs{first});
    UseDemoStationOf(second, first);
    ASSERT_TRUE(StartedAndMerged(second));
    EXPECT_EQ(second.MessageBoxWindow(), nullptr);
    ExpectWholeFiles(second, before);
    for (int kind = 0; kind < 4; ++kind) {
        const std::string line = RecordLineFor(static_cast<RecordFileKind>(kind), restored, DisplayUnitSelection());
        EXPECT_NE(ReadBytes(second.File(kRecordFiles[kind])).find("\r\n" + line + "\r\n"), std::string::npos)
            << "the restored record is gone from " << Narrow(kRecordFiles[kind]);
    }
}

}  // namespace
