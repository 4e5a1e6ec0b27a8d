// One program per install folder: a second start on a folder brings the running copy's window to
// the front and ends without touching a file; copies in two folders run side by side.
#include "tests/e2e/ProgramRun.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <sstream>
#include <string>

namespace {

using namespace e2e;

// Lines that appeared before in the file (a record appended twice shows up here).
int RepeatedLines(const std::wstring& path)
{
    std::istringstream text(ReadBytes(path));
    std::set<std::string> seen;
    int repeated = 0;
    for (std::string line; std::getline(text, line);)
        if (!line.empty() && line != "\r" && !seen.insert(line).second)
            ++repeated;
    return repeated;
}

FILETIME LastWritten(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

TEST(EndToEnd, ASecondStartOnTheSameFolderBringsTheFirstCopyToTheFrontAndEnds)
{
    Program first(L"one_folder");
    ASSERT_TRUE(first.HasBinaries());
    const std::wstring station = WriteSmallStation(first);
    first.SetEnvironment(L"USB_EMULATOR", station);
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitForFirstPoll(120)) << "the first copy did not write its record files";
    HWND main = first.MainWindow();
    ASSERT_NE(main, nullptr);

    // The first copy minimised, another program's window in front.
    ShowWindowAsync(main, SW_MINIMIZE);
    HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(main) && GetForegroundWindow() == other; }, 10));
    // The sensor settings file is written at every start.
    const std::wstring settingsFile = first.File(L"rInOutdoorSetting.dat");
    ASSERT_TRUE(Exists(settingsFile));
    const FILETIME settingsWritten = LastWritten(settingsFile);

    Program second(SameFolderAs{first});
    second.SetEnvironment(L"USB_EMULATOR", station);
    ASSERT_TRUE(second.Start());
    const bool ended = second.WaitForExit(20);
    EXPECT_TRUE(ended) << "the second copy kept running";
    if (ended) {
        EXPECT_EQ(second.ExitCode(), 0u);
    }
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(main) && GetForegroundWindow() == main; }, 10))
        << "the first copy's window is not in front";
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(SameTime(LastWritten(settingsFile), settingsWritten)) << "the second copy wrote a settings file";
    for (const wchar_t* name : kRecordFiles) {
        EXPECT_GT(LineCount(first.File(name)), 30) << std::string(name, name + wcslen(name));
        EXPECT_EQ(RepeatedLines(first.File(name)), 0) << std::string(name, name + wcslen(name));
    }
    DestroyWindow(other);
}

TEST(EndToEnd, CopiesInTwoFoldersRunSideBySide)
{
    Program one(L"side_by_side_1");
    Program two(L"side_by_side_2");
    ASSERT_TRUE(one.HasBinaries());
    ASSERT_TRUE(two.HasBinaries());
    one.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(one));
    two.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(two));
    ASSERT_TRUE(one.Start());
    ASSERT_TRUE(two.Start());
    EXPECT_TRUE(one.WaitForFirstPoll(120));
    EXPECT_TRUE(two.WaitForFirstPoll(120));
    EXPECT_TRUE(one.Running());
    EXPECT_TRUE(two.Running());
    EXPECT_NE(one.MainWindow(), nullptr);
    EXPECT_NE(two.MainWindow(), nullptr);
}

}  // namespace
