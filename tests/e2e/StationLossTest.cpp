// A missing, unplugged or power-saving station: the program says so once and ends.
#include "tests/e2e/ProgramRun.h"


#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using namespace e2e;

TEST(EndToEnd, NoStationAsksForItAndEnds)
{
    Program program(L"no_station");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", program.File(L"no-such-station.img"));
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60), kConnectPrompt);
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));
}

TEST(EndToEnd, StationUnpluggedDuringTheDownloadGivesTheMessageAndEnds)
{
    Program program(L"unplug");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    // The station goes away part of the way through its history download.
    program.SetEnvironment(L"USB_EMULATOR_FAULTS", L"unplug-after 100");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(120), kConnectPrompt);
    // Only one prompt, however long it stays open.
    EXPECT_TRUE(HoldsFor([&] { return program.MessageBoxCount() == 1; }, 2000));
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, StationUnpluggedWhilePollingGivesTheMessageAndEnds)
{
    Program program(L"unplug_polling");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", WriteSmallStation(program));
    program.SetEnvironment(L"ORVELLE_TEST_LIVE_PERIOD_MS", L"500");
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(program.WaitForFirstPoll(120)) << "the first poll should come before the unplugging";
    // Gone while the live reads go on: after one more live reading.
    const std::wstring live = program.File(L"data\\record_2min.csv");
    const ULONGLONG firstLive = LastWriteTime(live);
    ASSERT_TRUE(WaitFor([&] { return LastWriteTime(live) != firstLive; }, 20)) << "no live reading after the first poll";
    ASSERT_TRUE(program.Steer("unplug"));
    EXPECT_EQ(program.WaitForMessageBox(120), kConnectPrompt);
    EXPECT_TRUE(HoldsFor([&] { return program.MessageBoxCount() == 1; }, 2000));
    wchar_t status[128] = {};
    GetDlgItemTextW(program.MainWindow(), 1109, status, 128);
    EXPECT_STREQ(status, L"USB Disconnected");
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
}

TEST(EndToEnd, PowerSettingsToCorrectAskForAReconnectAndEnd)
{
    // A station instance whose power management is switched on.
    const wchar_t* const deviceKey = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1130&PID_6801";
    const std::wstring parameters = std::wstring(deviceKey) + L"\\e2e0001\\Device Parameters";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, parameters.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    const DWORD on = 1;
    RegSetValueExW(key, L"DeviceSelectiveSuspended", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);

    Program program(L"power");
    ASSERT_TRUE(program.HasBinaries());
    program.SetEnvironment(L"USB_EMULATOR", L"demo");
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.WaitForMessageBox(60),
              L"Please disconnect the Weather Station for ten seconds and re-connect it again before running this "
              L"program.");
    program.PressOk();
    EXPECT_TRUE(program.WaitForExit(20));
    EXPECT_NE(program.Console().find("Registry invalid and should be modified"), std::string::npos);
    EXPECT_FALSE(Exists(program.File(L"csv.dat")));  // the download was never started
    DWORD value = 7, size = sizeof value;
    EXPECT_EQ(RegQueryValueExW(key, L"DeviceSelectiveSuspended", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                               &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 0u);
    RegCloseKey(key);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, deviceKey);
}

}  // namespace
