// The station emulated from an image file for the commands that upload settings: the command
// reads the station, its dialog opens, a script acts as the user, and the frames the emulated
// station received (USB_EMULATOR_LOG) and its memory image afterwards are looked at.
#pragma once
#include "app/OrvelleDlg.h"
#include "app/SettingsFiles.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/usb/StationImage.h"
#include "station/SystemKV318.h"
#include "station/UsbApi.h"
#include "station/UsbLink.h"
#include "tests/support/DialogAnswer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace station_fixture {

namespace si = stationimage;

constexpr int UPLOAD_INTERVAL = 1438, UPLOAD_ALTITUDE = 1138, UPLOAD_ALARMS = 1209;
constexpr int ALTITUDE_EDIT = 1135, ALTITUDE_CURRENT = 1137;

inline std::wstring TempPath(const std::wstring& name)
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"orvelle_commands_" + std::to_wstring(::GetCurrentProcessId()) + L"_" + name;
}

// "AE 5A 00 00 2C ..." for a write frame of the address with these first data bytes (the rest of
// the 32 zero), checksum included.
inline std::string WriteFrameText(uint32_t address, const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> frame = {0xAE, static_cast<uint8_t>(address & 0xFF), static_cast<uint8_t>(address >> 8 & 0xFF),
                                  static_cast<uint8_t>(address >> 16 & 0xFF)};
    for (int i = 0; i < 32; ++i)
        frame.push_back(i < static_cast<int>(data.size()) ? data[i] : 0);
    uint8_t x = 0;
    for (uint8_t b : frame)
        x ^= b;
    frame.push_back(x);
    std::string text;
    char hex[4];
    for (uint8_t b : frame) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        text += (text.empty() ? "" : " ") + std::string(hex);
    }
    return text;
}

// A menu command as the menu sends it.
inline void Command(COrvelleDlg& dialog, UINT id)
{
    LRESULT result = 0;
    EXPECT_TRUE(dialog.DispatchMessageMap(WM_COMMAND, id, 0, &result)) << id;
}

inline CString Text(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

class StationCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_imagePath = TempPath(L"image.bin");
        m_logPath = TempPath(L"frames.log");
        m_savedHandle = g_usbDevice.m_handle;
        m_savedTimeout = SetReplyTimeoutForTesting(300);
        m_dialog = std::make_unique<COrvelleDlg>();
        m_dialog->m_installFolder = TempPath(L"");
    }

    void TearDown() override
    {
        USBEmulatorControl("log");
        USBEmulatorControl("reset");
        g_usbDevice.m_handle = m_savedHandle;
        SetReplyTimeoutForTesting(m_savedTimeout);
        ::SetEnvironmentVariableW(L"USB_EMULATOR", nullptr);
        ::SetEnvironmentVariableW(L"USB_EMULATOR_LOG", nullptr);
        ::DeleteFileW(m_imagePath.c_str());
        ::DeleteFileW(m_logPath.c_str());
        ::DeleteFileW((m_dialog->m_installFolder + settings::LOCATION_FILE).c_str());
        ::DeleteFileW((m_dialog->m_installFolder + settings::RAIN_RESET_FILE).c_str());
        ::DeleteFileW(m_dialog->PassRainDataPath().c_str());
    }

    static si::Image Fixture()
    {
        si::Image image = si::MakeEmptyImage();
        si::SetMemoryInfo(image, si::SIZE_CODE_8K, 3, 5);
        si::SetAltitude(image, -100);
        si::AlarmSetting alarms;
        alarms.temperatureUpper = 30.5;
        alarms.temperatureLower = -5.3;
        alarms.rainUpper = 50;
        alarms.windUpper = 20;
        alarms.gustUpper = 40;
        alarms.weekdayHour = 6;
        alarms.singleHour = 18;
        alarms.period = 2;
        alarms.duration = 3;
        si::SetAlarms(image, alarms);
        si::SetClock(image, {2024, 3, 7, 9, 5}, 0, true, false);
        si::LocationSetting second;
        second.cityCode = 4;
        si::SetLocation(image, 1, second);
        si::FixAllChecksums(image);
        return image;
    }

    void Serve(const si::Image& image)
    {
        m_before = image;
        ASSERT_TRUE(si::WriteImageFile(m_imagePath, image, nullptr));
        ::SetEnvironmentVariableW(L"USB_EMULATOR", m_imagePath.c_str());
        ::SetEnvironmentVariableW(L"USB_EMULATOR_LOG", m_logPath.c_str());
        g_usbDevice.m_handle = UsbOpen(g_usbDevice.m_handle, STATION_VENDOR_ID, STATION_PRODUCT_ID, 0x2000, 0x2000, 0);
        ASSERT_NE(g_usbDevice.m_handle, 0);
    }

    // The frames the station received, reads ("AF ...") or writes ("AE ...").
    std::vector<std::string> Frames(const char* kind) const
    {
        std::vector<std::string> frames;
        settings::Bytes bytes;
        settings::ReadFileBytes(m_logPath, &bytes);
        std::istringstream log(std::string(bytes.begin(), bytes.end()));
        for (std::string line; std::getline(log, line);)
            if (line.compare(0, 2, kind) == 0)
                frames.push_back(line.substr(0, line.find_last_not_of("\r\n ") + 1));
        return frames;
    }

    si::Image ImageNow() const
    {
        si::Image image;
        si::LiveBlocks live;
        bool hasLive = false;
        EXPECT_TRUE(si::ReadImageFile(m_imagePath, image, live, &hasLive));
        return image;
    }

    std::vector<uint8_t> Before(uint32_t first, int count) const
    {
        return std::vector<uint8_t>(m_before.begin() + first, m_before.begin() + first + count);
    }

    std::wstring m_imagePath, m_logPath;
    si::Image m_before;
    std::unique_ptr<COrvelleDlg> m_dialog;
    int m_savedHandle = 0;
    int m_savedTimeout = 0;
};

}  // namespace station_fixture
