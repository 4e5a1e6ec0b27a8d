// The record files of a running program: new records, the held copy, the automatic saving, folders
// outside the code page, and live files, downloads and record files that fail.
#include "tests/e2e/ProgramRun.h"
#include "app/SettingsFiles.h"
#include "platform/usb/StationImage.h"
#include "records/RecordMerge.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace e2e;

TEST(EndToEnd, RecordFilesNewRecordHeldCopyAndAutomaticSaving)
{
    Program program(L"demo");
    ASSERT_TRUE(program.HasBinaries());

    // Automatic saving every "2 minutes" of CSV, text and JPEG into a folder of its own.
    const std::wstring saves = program.Folder() + L"\\saves";
    CreateDirectoryW(saves.c_str(), nullptr);
    CSettingsRecord settings;
    settings.m_autoSaveInterval = 1;
    settings.m_autoSaveCount = 1;
    settings.m_autoSaveCsv = 1;
    settings.m_autoSaveTxt = 1;
    settings.m_autoSaveJpg = 1;
    settings.m_autoSavePrefix = L"RECORD";
    settings.m_autoSaveFolder = saves;
    ASSERT_TRUE(settings::WriteFileBytes(program.File(settings::AUTO_SAVING_FILE), settings::EncodeAutoSaving(settings)));

    // "RECORDS.csv" held open by another program from the start.
    const std::string heldText = "held by another program\r\n";
    {
        std::ofstream held(program.File(L"RECORDS.csv").c_str(), std::ios::binary);
        held << heldText;
    }
    HANDLE held = CreateFileW(program.File(L"RECORDS.csv").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    // The station's last record came ten seconds before the start: its next one is far off until
    // the test moves the station's clock on.
    UseDemoStation(program, 290);
    program.SetEnvironment(L"ORVELLE_TEST_AUTOSAVE_MINUTE_MS", L"1500");
    SYSTEMTIME startTime;
    GetLocalTime(&startTime);
    ASSERT_TRUE(program.Start());

    // First poll: every record file but the held one, the staging file gone.
    const bool firstPoll = WaitFor(
        [&] {
            for (const wchar_t* name : kRecordFiles)
                if (std::wstring(name) != L"RECORDS.csv" && !Exists(program.File(name)))
                    return false;
            return !Exists(program.File(L"tmpLastRec.txt"));
        },
        120);
    ASSERT_TRUE(firstPoll) << "the first poll did not write the record files";
    // The held copy is said, once.
    EXPECT_EQ(program.WaitForMessageBox(10), L"Could not write " + program.File(L"RECORDS.csv") +
                                                 L": open in another program. The new records wait and go in as "
                                                 L"soon as writing is possible again.");
    program.PressOk();
    EXPECT_TRUE(WaitFor([&] { return program.MessageBoxCount() == 0; }, 10));
    // The four record files end up with the same lines.
    auto sameLineCounts = [&] {
        const int lines = LineCount(program.File(L"csv.dat"));
        for (const wchar_t* name : {L"txt.dat", L"csv_custom.dat", L"txt_custom.dat"})
            if (LineCount(program.File(name)) != lines)
                return false;
        return true;
    };
    WaitFor(sameLineCounts, 10);
    const int downloadedLines = LineCount(program.File(L"csv.dat"));
    EXPECT_GT(downloadedLines, 1000);
    for (const wchar_t* name : {L"txt.dat", L"csv_custom.dat", L"txt_custom.dat"})
        EXPECT_EQ(LineCount(program.File(name)), downloadedLines) << name;
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.txt")), ReadBytes(program.File(L"txt.dat")));
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS_CUSTOM.csv")), ReadBytes(program.File(L"csv_custom.dat")));
    EXPECT_NE(program.Console().find("VID PID path not exist."), std::string::npos);
    CloseHandle(held);
    // (Read after letting go: the exclusive handle keeps this process out too.)
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.csv")), heldText) << "a held file must be skipped";

    // Five minutes on: the station's next record is appended exactly once, the freed copy replaced,
    // and every small chart drawn again (one after the other, after the values).
    const wchar_t* const charts[] = {L"Img\\UVLine.bmp", L"Img\\PressureBarChart.bmp", L"Img\\RainBarChart.bmp",
                                     L"Img\\WindSpeedPolar.bmp", L"Img\\IndoorTempMultiline.bmp"};
    ULONGLONG drawn[5];
    for (int c = 0; c < 5; ++c)
        drawn[c] = LastWriteTime(program.File(charts[c]));
    ASSERT_TRUE(program.Steer("advance 5"));
    const bool appended =
        WaitFor([&] { return LineCount(program.File(L"csv.dat")) > downloadedLines; }, 30);
    ASSERT_TRUE(appended) << "no new record was appended";
    EXPECT_TRUE(HoldsFor([&] { return LineCount(program.File(L"csv.dat")) == downloadedLines + 1; }, 2000));
    WaitFor([&] { return LineCount(program.File(L"RECORDS_CUSTOM.txt")) == downloadedLines + 1; }, 10);
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.csv")), ReadBytes(program.File(L"csv.dat")));
    EXPECT_EQ(LineCount(program.File(L"RECORDS_CUSTOM.txt")), downloadedLines + 1);
    for (int c = 0; c < 5; ++c)
        EXPECT_TRUE(WaitFor([&] { return LastWriteTime(program.File(charts[c])) > drawn[c]; }, 10)) << Narrow(charts[c]);
    // A minute on, no record due: the live reading has a new minute, the record line is the same,
    // nothing more is appended.
    const std::wstring live = program.File(L"data\\record_2min.csv");
    const ULONGLONG liveBefore = LastWriteTime(live);
    ASSERT_TRUE(program.Steer("advance 1"));
    EXPECT_TRUE(WaitFor([&] { return LastWriteTime(live) != liveBefore; }, 20)) << "no live reading";
    // A poll tick takes the new reading in, and the next live reading comes.
    EXPECT_TRUE(HoldsFor([&] { return LineCount(program.File(L"csv.dat")) == downloadedLines + 1; }, 2500));
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);

    // Automatic saving: "RECORD" and the stamp of the local time, in all three formats.
    SYSTEMTIME endTime;
    GetLocalTime(&endTime);
    const std::wstring first = LocalStamp(startTime), last = LocalStamp(endTime);
    int csv = 0, txt = 0, jpg = 0;
    for (const std::wstring& name : FilesIn(saves, L"RECORD*")) {
        ASSERT_EQ(name.size(), 6u + 10u + 4u) << std::string(name.begin(), name.end());
        const std::wstring stamp = name.substr(6, 10);
        EXPECT_GE(stamp, first);
        EXPECT_LE(stamp, last);
        const std::string bytes = ReadBytes(saves + L"\\" + name);
        const std::wstring extension = name.substr(16);
        if (extension == L".csv") {
            ++csv;
            EXPECT_EQ(bytes.rfind("Computer Date / Time,", 0), 0u);
            EXPECT_NE(bytes.find("\r\nIndoor,"), std::string::npos);
        } else if (extension == L".txt") {
            ++txt;
            EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE" "C\0", 4));
        } else if (extension == L".jpg") {
            ++jpg;
            EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
        }
    }
    EXPECT_GT(csv, 0);
    EXPECT_GT(txt, 0);
    EXPECT_GT(jpg, 0);

    // The window's close box ends the program.
    HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, InstallFolderOutsideTheCodePageWorksAndEnterAndEscKeepTheProgram)
{
    // "weather station" in Chinese: no 8-bit code page of this system holds the folder's name.
    Program program(L"\u6c14\u8c61\u7ad9");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "no record files in the folder";
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
    EXPECT_GT(LineCount(program.File(L"csv.dat")), 30);
    EXPECT_TRUE(Exists(program.File(L"data\\record_2min.csv")));
    EXPECT_TRUE(Exists(program.File(L"data\\all_weather.csv")));
    // The first poll drew the charts into the image folder.
    EXPECT_TRUE(Exists(program.File(L"Img\\IndoorTempMultiline.bmp")));
    EXPECT_TRUE(Exists(program.File(L"Img\\RainBarChart.bmp")));

    // Enter and Esc, as keys and as the commands the dialog makes of them: the program stays.
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageW(main, WM_KEYDOWN, key, 1);
        PostMessageW(main, WM_KEYUP, key, 0xC0000001);
    }
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(HoldsFor([&] { return program.Running(); }, 2000)) << "Enter or Esc ended the program";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, LiveFileThatCannotBeWrittenIsSaidOnce)
{
    Program program(L"live_unwritable");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // "record_2min.csv" is a folder: no live reading can be written there.
    CreateDirectoryW(program.File(L"data").c_str(), nullptr);
    CreateDirectoryW(program.File(L"data\\record_2min.csv").c_str(), nullptr);
    ASSERT_TRUE(program.Start());
    // The station answered: what failed is the file, and that is what is said.
    EXPECT_EQ(program.WaitForMessageBox(60), L"Could not write " + program.File(L"data\\record_2min.csv") +
                                                 L": a folder has this name. The program tries again.");
    EXPECT_EQ(program.StatusText(), L"Can't write station data!");
    program.PressOk();
    EXPECT_TRUE(WaitFor([&] { return program.MessageBoxCount() == 0; }, 10));
    // Every tick tries again; nothing more is said.
    EXPECT_TRUE(HoldsFor([&] { return program.Running() && program.MessageBoxCount() == 0; }, 3000));
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));
    // The folder goes: the live reading is written and the records come in.
    RemoveDirectoryW(program.File(L"data\\record_2min.csv").c_str());
    EXPECT_TRUE(program.WaitForFirstPoll(30));
    EXPECT_EQ(program.MessageBoxCount(), 0);
}

TEST(EndToEnd, DownloadThatFailsWithTheStationThereIsSaidOnceAndTriedAgain)
{
    Program program(L"download_retry");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // The memory size is told (twice: once for the download, once for its read), then the first
    // block fails its ten requests.
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"after 2 fault bad-checksum 10");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60), kCantReceive);
    program.PressOk();
    ASSERT_TRUE(program.WaitForFirstPoll(60)) << "the download was not tried again";
    EXPECT_GT(LineCount(program.File(L"csv.dat")), 30);
    EXPECT_EQ(program.MessageBoxCount(), 0);
}

TEST(EndToEnd, ClosingDuringASlowDownloadEndsAtOnce)
{
    Program program(L"close_downloading");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // The download's frames from the 21st on get no answer: closed once the 21st has come, the
    // worker is inside its waits and retries.
    const std::wstring frames = program.File(L"frames.log");
    program.SetEnvironment(L"USB_EMULATOR_LOG", frames);
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"after 20 fault no-reply");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(WaitFor(
        [&] { return LineCount(frames) > 20 && program.StatusText().find(L"% done") != std::wstring::npos; }, 30));
    const ULONGLONG closed = GetTickCount64();
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20));
    // A reply is waited for 5 s: a program that waits it out takes more than 4 s to end.
    const ULONGLONG took = GetTickCount64() - closed;
    EXPECT_LT(took, 2500u) << "the program waited out the station (" << took << " ms)";
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST(EndToEnd, HeldAndDamagedRecordFilesLoseAndRepeatNothing)
{
    Program program(L"held_damaged");
    ASSERT_TRUE(program.HasBinaries());
    const std::string header = BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n";
    const std::string old = "2013,5,2,1,0,0,20.00,50.00,\r\n";
    std::string tabs = header + old;
    for (char& c : tabs)
        if (c == ',')
            c = '\t';
    auto write = [&](const wchar_t* name, const std::string& bytes) {
        std::ofstream out(program.File(name).c_str(), std::ios::binary);
        out << bytes;
    };
    // A line of no record and a damaged last line, a line dated 2099 with no readings, and a file
    // another program holds without letting others read it.
    write(L"csv.dat", header + old + "\x01\x7f garbage,,zz\r\n");
    write(L"csv_custom.dat", header + old + "2099,4,1,1,0,0,\r\n");
    write(L"txt.dat", tabs);
    HANDLE held = CreateFileW(program.File(L"txt.dat").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    UseDemoStation(program, 290);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(120));
    WaitFor([&] { return program.StatusText() == L"Can't write record file!"; }, 10);
    EXPECT_EQ(program.StatusText(), L"Can't write record file!");
    // Said: the held file, and the lines that are no records taken out of the two comma files (kept
    // aside as they were).
    std::vector<std::wstring> said;
    for (int box = 0; box < 2; ++box) {
        said.push_back(program.WaitForMessageBoxOtherThan(said.empty() ? L"" : said.back(), 10));
        program.PressOk();
    }
    std::sort(said.begin(), said.end());
    EXPECT_EQ(said[0], L"Could not write " + program.File(L"txt.dat") +
                           L": open in another program. The new records wait and go in as soon as writing is "
                           L"possible again.");
    EXPECT_EQ(said[1], L"csv.dat held damaged lines that are no records: they were taken out, and the damaged file "
                       L"is kept as csv (damaged).dat.\n\ncsv_custom.dat held damaged lines that are no records: they "
                       L"were taken out, and the damaged file is kept as csv_custom (damaged).dat.");
    EXPECT_TRUE(Exists(program.File(L"tmpLastRec.txt"))) << "the lines must stay staged";
    const int history = LineCount(program.File(L"csv.dat")) - 1;
    EXPECT_GT(history, 1000);
    EXPECT_EQ(LineCount(program.File(L"csv_custom.dat")), 1 + history) << "a line of 2099 blocked the history";
    EXPECT_EQ(ReadBytes(program.File(L"csv (damaged).dat")), header + old + "\x01\x7f garbage,,zz\r\n");
    // The held file is as it was (read through the holder's own handle).
    std::string heldBytes(tabs.size() + 16, '\0');
    DWORD got = 0;
    SetFilePointer(held, 0, nullptr, FILE_BEGIN);
    ReadFile(held, &heldBytes[0], static_cast<DWORD>(heldBytes.size()), &got, nullptr);
    EXPECT_EQ(heldBytes.substr(0, got), tabs) << "a file that could not be read was overwritten";
    CloseHandle(held);

    // Let go, and the station's next record: every file has the history and the record once (the
    // line of no record out of txt.dat too).
    ASSERT_TRUE(program.Steer("advance 5"));
    EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"txt.dat")) == 1 + history + 1; }, 30))
        << "history " << history << ", lines now: csv.dat " << LineCount(program.File(L"csv.dat")) << ", txt.dat "
        << LineCount(program.File(L"txt.dat")) << ", csv_custom.dat " << LineCount(program.File(L"csv_custom.dat"))
        << ", txt_custom.dat " << LineCount(program.File(L"txt_custom.dat")) << ", staged "
        << LineCount(program.File(L"tmpLastRec.txt")) << "; status \"" << Narrow(program.StatusText()) << '"';
    EXPECT_EQ(program.WaitForMessageBox(10), L"txt.dat held damaged lines that are no records: it was restored from "
                                             L"csv.dat, and the damaged file is kept as txt (damaged).dat.");
    program.PressOk();
    // The record is taken once, and the staged lines are gone once every file has them.
    EXPECT_TRUE(HoldsFor([&] { return LineCount(program.File(L"txt.dat")) == 1 + history + 1; }, 2000));
    WaitFor([&] { return !Exists(program.File(L"tmpLastRec.txt")); }, 10);
    for (const wchar_t* name : {L"csv.dat", L"csv_custom.dat", L"txt_custom.dat"})
        EXPECT_EQ(LineCount(program.File(name)), 1 + history + 1) << Narrow(name);
    EXPECT_EQ(ReadBytes(program.File(L"RECORDS.txt")), ReadBytes(program.File(L"txt.dat")));
    EXPECT_FALSE(Exists(program.File(L"tmpLastRec.txt")));
    const std::wstring status = program.StatusText();
    EXPECT_EQ(status.rfind(L"Remaining time", 0), 0u) << Narrow(status);
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
}

// The times of a record file's records, in the order of its lines.
std::vector<std::string> RecordTimes(const std::wstring& path)
{
    std::vector<std::string> times;
    const std::string text = ReadBytes(path);
    size_t start = text.find("\r\n");
    while (start != std::string::npos && start + 2 < text.size()) {
        const size_t end = text.find("\r\n", start + 2);
        const std::string line = text.substr(start + 2, end - start - 2);
        size_t cut = 0;
        for (int field = 0; field < 6 && cut != std::string::npos; ++field)
            cut = line.find_first_of(",\t", cut + (field > 0 ? 1 : 0));
        times.push_back(line.substr(0, cut));
        start = end;
    }
    return times;
}

TEST(EndToEnd, RecordsThatFellDueWhileTheComputerSleptAllReachEveryFile)
{
    Program program(L"sleep_gap");
    ASSERT_TRUE(program.HasBinaries());
    UseDemoStation(program, 290);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(120));
    ASSERT_TRUE(WaitFor([&] { return !Exists(program.File(L"tmpLastRec.txt")); }, 20));
    const int downloaded = LineCount(program.File(L"csv.dat"));

    // Half an hour passes at once for the program, as over a sleep: the station wrote six records.
    ASSERT_TRUE(program.Steer("advance 30"));
    EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"txt_custom.dat")) >= downloaded + 6; }, 30));
    // A live read more adds nothing further.
    EXPECT_TRUE(HoldsFor([&] { return LineCount(program.File(L"csv.dat")) == downloaded + 6; }, 2500));
    for (const wchar_t* name : {L"csv.dat", L"txt.dat", L"csv_custom.dat", L"txt_custom.dat"}) {
        const std::vector<std::string> times = RecordTimes(program.File(name));
        ASSERT_EQ(static_cast<int>(times.size()), downloaded - 1 + 6) << Narrow(name);
        std::vector<std::string> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "a record twice in " << Narrow(name);
    }
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_EQ(ReadBytes(program.File(kRecordFiles[kind + 4])), ReadBytes(program.File(kRecordFiles[kind])));

    // A night's sleep: 49 records, read by reading the station's whole history again while the
    // window goes on; then the countdown again.
    ASSERT_TRUE(program.Steer("advance 245"));
    EXPECT_TRUE(WaitFor([&] { return LineCount(program.File(L"txt_custom.dat")) >= downloaded + 6 + 49; }, 60));
    EXPECT_TRUE(WaitFor([&] { return program.StatusText().rfind(L"Remaining time", 0) == 0; }, 20));
    for (const wchar_t* name : {L"csv.dat", L"txt.dat", L"csv_custom.dat", L"txt_custom.dat"}) {
        std::vector<std::string> times = RecordTimes(program.File(name));
        EXPECT_EQ(static_cast<int>(times.size()), downloaded - 1 + 6 + 49) << Narrow(name);
        std::sort(times.begin(), times.end());
        EXPECT_EQ(std::unique(times.begin(), times.end()), times.end()) << "a record twice in " << Narrow(name);
    }
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_EQ(ReadBytes(program.File(kRecordFiles[kind + 4])), ReadBytes(program.File(kRecordFiles[kind])));
    EXPECT_FALSE(Exists(program.File(L"tmpLastRec.txt")));
    EXPECT_EQ(program.MessageBoxWindow(), nullptr);
}

TEST(EndToEnd, AStationWithAnEmptyHistoryGetsNoMadeUpRecord)
{
    Program program(L"empty_station");
    ASSERT_TRUE(program.HasBinaries());
    // A station whose memory was just cleared: no record written yet.
    namespace si = stationimage;
    SYSTEMTIME now;
    GetLocalTime(&now);
    si::Image image = si::MakeEmptyImage();
    si::SetMemoryInfo(image, si::SIZE_CODE_8K, 0, 1);
    si::FixAllChecksums(image);
    si::LiveBlocks live;
    live.stamp = si::EncodeLiveStamp({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute});
    live.readings = si::EncodeLiveReadings(si::TypicalReading());
    si::WriteImageFile(program.File(L"station.img"), image, &live);
    program.SetEnvironment(L"USB_EMULATOR", program.File(L"station.img"));

    for (int start = 0; start < 2; ++start) {
        ASSERT_TRUE(program.Start());
        EXPECT_TRUE(WaitFor([&] { return program.StatusText().rfind(L"Remaining time", 0) == 0; }, 120));
        // Neither the first pass nor the live reads after it make up a record.
        EXPECT_TRUE(HoldsFor(
            [&] {
                for (const wchar_t* name : kRecordFiles)
                    if (!RecordTimes(program.File(name)).empty())
                        return false;
                return true;
            },
            2000));
        EXPECT_EQ(program.MessageBoxWindow(), nullptr);
        program.Stop();
    }
}

}  // namespace
