// The station object as the program's start-up leaves it, and its narrow text getters.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "station/DataDecode.h"
#include "station/SystemKV318.h"
#include "station/UsbLink.h"

TEST(StationObject, OpenedTheDeviceWhileTheGlobalsWereBuilt)
{
    // The test run starts with USB_EMULATOR=demo, so the station object's constructor, which ran
    // before main, found a station.
    wchar_t emulator[16] = {};
    if (GetEnvironmentVariableW(L"USB_EMULATOR", emulator, 16) == 0 || std::wstring(emulator) != L"demo")
        GTEST_SKIP() << "run without USB_EMULATOR=demo";
    EXPECT_NE(g_usbDevice.m_handle, 0);
    ASSERT_NE(g_systemKV318.m_memoryImage, nullptr);
    ASSERT_NE(g_systemKV318.m_textBuffer, nullptr);
    EXPECT_EQ(g_dataDecode.m_addressTable.size(), static_cast<size_t>(STATION_IMAGE_SIZE));
    EXPECT_EQ(g_systemKV318.ReadMemorySize(), 0x20000);
}

TEST(StationObject, TextGettersShareOneBoundedBuffer)
{
    const std::wstring savedLine = g_dataDecode.m_latestRecordLine;
    g_dataDecode.m_latestRecordLine = std::wstring(STATION_TEXT_BUFFER_SIZE + 50, L'7');
    const char* line = g_systemKV318.GetLatestRecordLineStr();
    EXPECT_EQ(std::strlen(line), static_cast<size_t>(STATION_TEXT_BUFFER_SIZE - 1));
    EXPECT_EQ(line, g_systemKV318.m_textBuffer);

    g_dataDecode.m_latestRecordLine = L"2024,5,3,1,14,5,24.55";
    EXPECT_STREQ(g_systemKV318.GetLatestRecordLineStr(), "2024,5,3,1,14,5,24.55");
    // The next getter overwrites the same buffer.
    const char* other = g_systemKV318.GetBcdValueStr(99);
    EXPECT_EQ(other, line);
    EXPECT_STREQ(other, "");
    g_dataDecode.m_latestRecordLine = savedLine;
}
