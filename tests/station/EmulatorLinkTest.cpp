// The link through USB.dll's station emulator serving an image file: whole-memory read, faults
// injected by the emulator, a settings write, the newest record of a wrapped ring, the live file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/usb/StationImage.h"
#include "station/DataDecode.h"
#include "station/SystemKV318.h"
#include "station/UsbApi.h"
#include "station/UsbLink.h"
#include "tests/station/TestFiles.h"

namespace {

namespace si = stationimage;


LiveClock FixedClock() { return {2024, 3, 7, 9, 5}; }

class EmulatorLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        imagePath = TempFilePath("emulator_image.bin");
        logPath = TempFilePath("emulator_frames.log");
        livePath = TempFilePath("emulator_record_2min.csv");
        previousOverride = SetUsbFunctionsForTesting(nullptr);
        savedHandle = g_usbDevice.m_handle;
        savedMemorySize = g_systemKV318.m_memorySize;
        savedBound = g_dataDecode.m_stationMemorySize;
        previousTimeout = SetReplyTimeoutForTesting(200);
        g_abortFlag = 0;
        SetLastErrorText("");
    }

    void TearDown() override
    {
        if (g_liveTimerId != 0) {
            KillTimer(nullptr, g_liveTimerId);
            g_liveTimerId = 0;
        }
        USBEmulatorControl("log");
        USBEmulatorControl("reset");
        g_usbDevice.m_handle = savedHandle;
        SetUsbFunctionsForTesting(previousOverride);
        SetReplyTimeoutForTesting(previousTimeout);
        g_systemKV318.m_memorySize = savedMemorySize;
        g_dataDecode.m_stationMemorySize = savedBound;
        g_abortFlag = 0;
        SetEnvironmentVariableW(L"USB_EMULATOR", nullptr);
        SetEnvironmentVariableW(L"USB_EMULATOR_LOG", nullptr);
        DeleteFileA(imagePath.c_str());
        DeleteFileA(logPath.c_str());
        DeleteFileA(livePath.c_str());
    }

    // Serves the image (and live blocks) through a freshly opened emulator.
    void Serve(const si::Image& image, const si::LiveBlocks* live = nullptr)
    {
        ASSERT_TRUE(si::WriteImageFile(Wide(imagePath), image, live));
        SetEnvironmentVariableW(L"USB_EMULATOR", Wide(imagePath).c_str());
        SetEnvironmentVariableW(L"USB_EMULATOR_LOG", Wide(logPath).c_str());
        g_usbDevice.m_handle = UsbOpen(g_usbDevice.m_handle, STATION_VENDOR_ID, STATION_PRODUCT_ID, 0x2000, 0x2000, 0);
        ASSERT_NE(g_usbDevice.m_handle, 0);
    }

    static si::Image EightKilobyteImage()
    {
        si::Image image = si::MakeEmptyImage();
        si::SetMemoryInfo(image, si::SIZE_CODE_8K, 3, 1);
        si::WeatherReading r = si::TypicalReading();
        for (int slot = 0; slot < 3; ++slot) {
            r.time = {2024, 3, 1, 10, 5 * slot};
            si::WriteHistoryRecord(image, slot, r);
        }
        si::SetAltitude(image, 321);
        si::FixAllChecksums(image);
        return image;
    }

    int Frames() { return USBEmulatorControl("frames"); }
    std::string ErrorText() const { return g_lastErrorText; }

    std::string imagePath, logPath, livePath;
    const UsbFunctions* previousOverride = nullptr;
    int savedHandle = 0;
    int savedMemorySize = 0;
    int savedBound = 0;
    int previousTimeout = 0;
};

} // namespace

TEST_F(EmulatorLink, WholeMemoryOfAnImageFile)
{
    const si::Image image = EightKilobyteImage();
    Serve(image);
    ASSERT_TRUE(g_systemKV318.ReadWholeMemory());
    EXPECT_EQ(g_systemKV318.m_memorySize.load(), 0x2000);
    EXPECT_EQ(Frames(), 1 + 256);
    int differences = 0;
    for (int a = 0; a < 0x2000; ++a)
        differences += g_systemKV318.m_memoryImage[a] != image[a];
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(g_dataDecode.m_addressTable[90].rawByte, image[90]);
    EXPECT_EQ(ReadLine(logPath, 0), "AF FC 00 00 53");
    EXPECT_EQ(ReadLine(logPath, 1), "AF 00 00 00 AF");
    EXPECT_EQ(ReadLine(logPath, 256), "AF E0 1F 00 50");
}

// A program that closes asks a whole-memory read to stop: it ends before the next block.
TEST_F(EmulatorLink, StopRequestEndsAWholeMemoryRead)
{
    Serve(EightKilobyteImage());
    g_stopMemoryRead = true;
    EXPECT_FALSE(g_systemKV318.ReadWholeMemory());
    g_stopMemoryRead = false;
    EXPECT_EQ(Frames(), 0) << "nothing is asked once the program closes";
    EXPECT_TRUE(g_systemKV318.ReadWholeMemory());
}

TEST_F(EmulatorLink, InjectedFaultsAreRetriedOrReported)
{
    const si::Image image = EightKilobyteImage();
    Serve(image);
    g_systemKV318.m_memorySize = 0x2000;

    ASSERT_EQ(USBEmulatorControl("fault bad-checksum 1"), 0);
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(16, 48));
    EXPECT_EQ(ErrorText(), "USB Checksum Error!");
    EXPECT_EQ(Frames(), 3);

    ASSERT_EQ(USBEmulatorControl("fault wrong-marker 1"), 0);
    EXPECT_EQ(g_systemKV318.ReadMemorySize(), -1);
    EXPECT_EQ(ErrorText(), "Receive Error!");
    EXPECT_EQ(g_systemKV318.ReadMemorySize(), 0x2000);

    // A short reply never completes: the wait times out, and its bytes are drained before the
    // block is requested again.
    ASSERT_EQ(USBEmulatorControl("fault short-reply 1"), 0);
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(64, 70));
    EXPECT_EQ(ErrorText(), "Timeout!");
    for (int a = 64; a < 96; ++a)
        EXPECT_EQ(g_systemKV318.m_memoryImage[a], image[a]) << a;

    ASSERT_EQ(USBEmulatorControl("fault no-reply 1"), 0);
    EXPECT_EQ(g_systemKV318.ReadHistoryPointer(), -1);
    EXPECT_EQ(ErrorText(), "Timeout!");
    EXPECT_EQ(g_systemKV318.ReadHistoryPointer(), 257 + 38 * 3);
}

TEST_F(EmulatorLink, UnpluggedDuringAWholeMemoryRead)
{
    Serve(EightKilobyteImage());
    ASSERT_EQ(USBEmulatorControl("unplug-after 5"), 0);
    EXPECT_FALSE(g_systemKV318.ReadWholeMemory());
    EXPECT_EQ(ErrorText(), "Device disconnected!");
    EXPECT_EQ(g_abortFlag.load(), 1);
    EXPECT_EQ(Frames(), 5);
}

TEST_F(EmulatorLink, RecordIntervalWriteIsAcknowledgedAndKeepsTheHistoryIndex)
{
    Serve(EightKilobyteImage());
    uint8_t data[32] = {0x05};
    ASSERT_TRUE(g_systemKV318.WriteMemoryBlock(data, 32, 254));
    EXPECT_EQ(ReadLine(logPath, 0).substr(0, 15), "AE FE 00 00 05 ");
    g_systemKV318.m_memorySize = 0x2000;
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(224, 252));
    EXPECT_EQ(g_systemKV318.m_memoryImage[254], 0x05);
    EXPECT_EQ(g_systemKV318.ReadHistoryPointer(), 257 + 38 * 3);
}

TEST_F(EmulatorLink, NewestRecordOfAWrappedLargeRing)
{
    si::Image image = si::MakeEmptyImage();
    si::SetMemoryInfo(image, si::SIZE_CODE_128K, 0, 1);
    si::WeatherReading r = si::TypicalReading();
    r.time = {2024, 3, 3, 12, 30};
    si::WriteHistoryRecord(image, 3441, r);
    si::FixAllChecksums(image);
    Serve(image);
    g_systemKV318.m_memorySize = 0;

    ASSERT_TRUE(g_systemKV318.ReadLatestHistoryRecord(2025));
    const si::RecordBytes record = si::EncodeHistoryRecord(r);
    for (int k = 0; k < 38; ++k)
        EXPECT_EQ(g_dataDecode.m_historyPairTable[k].rawByte, record[k]) << k;
    EXPECT_EQ(ReadLine(logPath, 2), "AF C7 FF 01 96");   // 131015
    EXPECT_EQ(ReadLine(logPath, 3), "AF CD FF 01 9C");   // 131021: ends with the record
}

TEST_F(EmulatorLink, LiveFileFromAKnownLiveBlock)
{
    si::LiveBlocks live;
    const uint8_t stamp[4] = {0x53, 0x01, 0x14, 0x05};   // Friday 1 March, 14:05
    const uint8_t readings[32] = {0x45, 0xA2, 0x45, 0x12, 0xC1, 0x67, 0x00, 0x82, 0xAA, 0x55, 0x40,
                                  0x80, 0xBB, 0xC0, 0x3C, 0x99, 0xE9, 0x99, 0x21, 0x00, 0x55, 0x3F,
                                  0x0A, 0x25, 0x41, 0xEE, 0x0E, 0x43, 0x01, 0xD4, 0x34, 0x12};
    std::copy(stamp, stamp + 4, live.stamp.begin());
    std::copy(readings, readings + 32, live.readings.begin());
    Serve(EightKilobyteImage(), &live);

    const LiveClockSource previousClock = SetLiveClockForTesting(&FixedClock);
    g_dataDecode.m_liveYear = 2024;
    ASSERT_TRUE(g_systemKV318.StartLiveReading(Wide(livePath)));
    SetLiveClockForTesting(previousClock);
    EXPECT_NE(g_liveTimerId, 0u);
    EXPECT_EQ(ReadWholeFile(livePath),
              "2024,3,7,9:05\r\n"
              "2024,3,1,5,14,05\r\n"
              "24.55,45,11.20,67\r\n"
              "UU,UU,-5.50,80,HH,LL\r\n"
              "99.95,99,2.10,1013.31,1,2,-12.50,MISS\r\n"
              "14.30,E,CLEAR,4660\r\n");
    EXPECT_EQ(ReadLine(logPath, 0), "AF 00 00 02 AD");
    EXPECT_EQ(ReadLine(logPath, 1), "AF 01 00 02 AC");
}
