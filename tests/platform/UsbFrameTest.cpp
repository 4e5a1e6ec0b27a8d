// USB.dll with a fixture image file: answers to the frames, writes, write-back and the frame log.
#include "UsbTestSupport.h"

using namespace stationimage;
using namespace usbtest;

namespace {

// An 8 KB station image with a few records, settings and live blocks.
Image FixtureImage() {
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 3, 1);
    WeatherReading r = TypicalReading();
    for (int slot = 0; slot < 3; ++slot) {
        r.time = {2010, 3, 14, 10, 5 * slot, 0};
        r.rainCounter = 100 + slot;
        WriteHistoryRecord(image, slot, r);
    }
    SetRecordYears(image, {2010, 2010, 2010}, 2010);
    SetClock(image, {2010, 3, 14, 10, 12, 0}, 30, true, false);
    LocationSetting city;
    city.latDegrees = 51; city.latMinutes = 30; city.lonDegrees = 0; city.lonMinutes = 7; city.west = true;
    city.cityCode = 123;
    SetLocation(image, 0, city);
    city.cityCode = 45;
    SetLocation(image, 1, city);
    PokeByte(image, 12, static_cast<uint8_t>(PeekByte(image, 12) | 0x05));   // a setting beside the city code
    PokeByte(image, 28, static_cast<uint8_t>(PeekByte(image, 28) | 0x03));
    AlarmSetting alarms;
    alarms.weekdayHour = 7; alarms.weekdayMinute = 45; alarms.weekdayAlarmOn = true;
    alarms.rainUpper = 1234; alarms.windUpper = 123; alarms.gustUpper = 150;
    alarms.temperatureUpper = 25.5; alarms.temperatureLower = -3.5;
    SetAlarms(image, alarms);
    PokeByte(image, 160, static_cast<uint8_t>(PeekByte(image, 160) | 0xF0));    // bits the alarm flags do not use
    SetAltitude(image, 250);
    PokeByte(image, 92, 0x31);   // other bits of 92 beside the sign
    FixAllChecksums(image);
    return image;
}

class UsbFileStation : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = TempFile(L"fixture.bin");
        image_ = FixtureImage();
        live_.stamp = EncodeLiveStamp({2010, 3, 14, 10, 12, 0});
        live_.readings = EncodeLiveReadings(TypicalReading());
        ASSERT_TRUE(WriteImageFile(path_, image_, &live_));
        SetEnv(L"USB_EMULATOR", path_);
        ClearEnv(L"USB_EMULATOR_LOG");
        ClearEnv(L"USB_EMULATOR_FAULTS");
        handle_ = OpenStation();
        ASSERT_NE(0, handle_);
    }
    void TearDown() override {
        ClearEnv(L"USB_EMULATOR");
        DeleteFileW(path_.c_str());
    }
    // The image as it is now stored in the fixture file.
    Image FileImage() {
        Image image;
        LiveBlocks live;
        bool hasLive = false;
        EXPECT_TRUE(ReadImageFile(path_, image, live, &hasLive));
        EXPECT_TRUE(hasLive);
        return image;
    }
    // Addresses whose byte differs between two images.
    static std::vector<uint32_t> Changed(const Image& before, const Image& after) {
        std::vector<uint32_t> changed;
        for (uint32_t a = 0; a < IMAGE_BYTES; ++a)
            if (before[a] != after[a]) changed.push_back(a);
        return changed;
    }
    std::wstring path_;
    Image image_;
    LiveBlocks live_;
    int handle_ = 0;
};

TEST_F(UsbFileStation, ReadFrameIsAnsweredWithMarkerDataAndXor) {
    const std::vector<unsigned char> frame = ReadFrame(0xFC);
    EXPECT_EQ((std::vector<unsigned char>{0xAF, 0xFC, 0x00, 0x00, 0x53}), frame);
    const std::vector<unsigned char> r = Send(handle_, frame, 34);
    ASSERT_EQ(34u, r.size());
    EXPECT_EQ(0x5A, r[0]);
    unsigned char x = 0x5A;
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(image_[0xFC + i], r[1 + i]) << "byte " << i;
        x ^= r[1 + i];
    }
    EXPECT_EQ(x, r[33]);
    int waiting = -1, other = -1;
    EXPECT_EQ(1, USBGetStatus(handle_, &waiting, &other));
    EXPECT_EQ(0, waiting);
}

TEST_F(UsbFileStation, EveryBlockOfTheImageIsServedAsStored) {
    EXPECT_EQ(image_, ReadWholeMemory(handle_));
}

TEST_F(UsbFileStation, LiveBlocksComeFromTheFileAndBlocksPastTheEndWrap) {
    const std::vector<unsigned char> stamp = ReadBlock(handle_, 0x20000);
    const std::vector<unsigned char> readings = ReadBlock(handle_, 0x20001);
    EXPECT_TRUE(std::equal(stamp.begin(), stamp.end(), live_.stamp.begin()));
    EXPECT_TRUE(std::equal(readings.begin(), readings.end(), live_.readings.begin()));
    EXPECT_EQ((std::vector<unsigned char>{0xAF, 0x00, 0x00, 0x02, 0xAD}), ReadFrame(0x20000));
    EXPECT_EQ((std::vector<unsigned char>{0xAF, 0x01, 0x00, 0x02, 0xAC}), ReadFrame(0x20001));
    // Past the largest memory the block continues at address 0; other high addresses read zeros.
    const std::vector<unsigned char> tail = ReadBlock(handle_, IMAGE_BYTES - 8);
    EXPECT_TRUE(std::equal(tail.begin() + 8, tail.end(), image_.begin()));
    const std::vector<unsigned char> high = ReadBlock(handle_, 0x20005);
    EXPECT_EQ(std::vector<unsigned char>(32, 0), high);
}

TEST_F(UsbFileStation, FramesWithABadXorOrUnknownCommandGetNoAnswer) {
    std::vector<unsigned char> bad = ReadFrame(0xFD);
    bad[4] ^= 0x40;
    EXPECT_TRUE(Send(handle_, bad, 1, 200).empty());
    std::vector<unsigned char> unknown = ReadFrame(0xFD);
    unknown[0] = 0xA0;
    EXPECT_TRUE(Send(handle_, unknown, 1, 200).empty());
    std::vector<unsigned char> badWrite = WriteFrame(90, {0x10, 0x00, 0x00});
    badWrite[36] ^= 0x01;
    EXPECT_TRUE(Send(handle_, badWrite, 1, 200).empty());
    EXPECT_EQ(image_, FileImage());
    // The station still answers a good frame afterwards.
    EXPECT_EQ(34u, Send(handle_, ReadFrame(0xFD), 34).size());
}

TEST_F(UsbFileStation, AltitudeWriteChangesOnlyItsBytesAndChecksumAndIsStoredInTheFile) {
    const std::vector<unsigned char> ack = Send(handle_, WriteFrame(90, {0x1E, 0x00, 0x08}), 1);
    ASSERT_EQ(1u, ack.size());
    const Image after = FileImage();
    EXPECT_EQ(0x1E, after[90]);
    EXPECT_EQ(0x00, after[91]);
    EXPECT_EQ(0x39, after[92]);          // sign bit set, the other bits of 92 kept
    for (uint32_t a : Changed(image_, after)) EXPECT_TRUE(a >= 90 && a <= 93) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());
    // The station serves the new bytes too.
    EXPECT_EQ(0x1E, ReadBlock(handle_, 90)[0]);
}

TEST_F(UsbFileStation, RecordIntervalWriteKeepsTheHistoryIndexAndTheRecordsBehindIt) {
    const int indexBefore = HistoryIndexOf(image_);
    ASSERT_EQ(1u, Send(handle_, WriteFrame(254, {0x0B}), 1).size());
    const Image after = FileImage();
    EXPECT_EQ(11, IntervalCodeOf(after));
    EXPECT_EQ(indexBefore, HistoryIndexOf(after));   // 255 lies in the zero padding of the frame
    for (uint32_t a : Changed(image_, after)) EXPECT_TRUE(a == 254 || a == 256) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());
}

TEST_F(UsbFileStation, RecordIntervalOutsideTheCodesIsAcknowledgedButNotStored) {
    EXPECT_EQ(1u, Send(handle_, WriteFrame(254, {0x00}), 1).size());
    EXPECT_EQ(1u, Send(handle_, WriteFrame(254, {0x0C}), 1).size());
    EXPECT_EQ(image_, FileImage());
}

TEST_F(UsbFileStation, LocationWritesChangeOnlyTheCityBytes) {
    // Local city as the writer sends it: bytes 0..14 of the block (0..5 and 14 as read), 17 zeros.
    std::vector<unsigned char> block(image_.begin(), image_.begin() + 15);
    block[0] ^= 0xFF;     // a clock byte that must not be taken
    block[14] ^= 0x06;    // display flags that must not be taken
    block[6] = 0x15; block[7] = 0x03; block[8] = 0x00; block[9] = 0x70; block[10] = 0x00; block[11] = 0x00;
    block[12] = 0x70;     // city 123: high nibble 7 ...
    block[13] = 0x0B;     // ... low nibble B, zone hours 0
    ASSERT_EQ(1u, Send(handle_, WriteFrame(0, block), 1).size());
    Image after = FileImage();
    EXPECT_EQ(0x15, after[6]);
    EXPECT_EQ(0x75, after[12]);            // the low nibble of 12 is not part of the location
    EXPECT_EQ(image_[0], after[0]);
    EXPECT_EQ(image_[14], after[14]);
    for (uint32_t a : Changed(image_, after)) EXPECT_TRUE((a >= 6 && a <= 13) || a == 15) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());

    // Second city: 8 bytes at 22 and 24 zeros (which cover 30..53).
    const Image before = after;
    std::vector<unsigned char> second = {0x24, 0x31, 0x40, 0x95, 0xC0, 0x10, 0x20, 0x7D};
    ASSERT_EQ(1u, Send(handle_, WriteFrame(22, second), 1).size());
    after = FileImage();
    EXPECT_EQ(0x24, after[22]);
    EXPECT_EQ(0x23, after[28]);            // high nibble from the frame, low nibble kept
    EXPECT_EQ(0x7D, after[29]);
    for (uint32_t a : Changed(before, after)) EXPECT_TRUE(a >= 22 && a <= 30) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());
}

TEST_F(UsbFileStation, AlarmWritesChangeOnlyTheAlarmBytes) {
    // First block at 16 as the writer sends it: read bytes with 16..20 and the temperature limits
    // (31..34) patched; the checksum bytes and the bytes between are changed here on purpose.
    std::vector<unsigned char> block(image_.begin() + 16, image_.begin() + 48);
    block[0] = 0x7C; block[1] = 0x54; block[2] = 0x28; block[3] = 0x03; block[4] = 0x35;
    block[31 - 16] = 0x52; block[32 - 16] = 0x82; block[33 - 16] = 0x00; block[34 - 16] = 0x01;
    block[21 - 16] = 0x00; block[35 - 16] = 0x00; block[25 - 16] = 0x66; block[40 - 16] = 0x66;
    ASSERT_EQ(1u, Send(handle_, WriteFrame(16, block), 1).size());
    Image after = FileImage();
    EXPECT_EQ((std::vector<unsigned char>{0x7C, 0x54, 0x28, 0x03, 0x35}),
              std::vector<unsigned char>(after.begin() + 16, after.begin() + 21));
    EXPECT_EQ((std::vector<unsigned char>{0x52, 0x82, 0x00, 0x01}),
              std::vector<unsigned char>(after.begin() + 31, after.begin() + 35));
    for (uint32_t a : Changed(image_, after)) EXPECT_TRUE((a >= 16 && a <= 21) || (a >= 31 && a <= 35)) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());

    const Image before = after;
    std::vector<unsigned char> second(before.begin() + 160, before.begin() + 192);
    second[0] = 0x05;                 // rain and gust alarms on, the other bits 0
    second[1] = 0x21; second[2] = 0x03;
    second[4] = 0x50; second[5] = 0x04;
    second[7] = 0x90; second[8] = 0x11;
    second[3] = 0x77; second[6] = 0x77; second[10] = 0x77;   // bytes outside the alarms
    ASSERT_EQ(1u, Send(handle_, WriteFrame(160, second), 1).size());
    after = FileImage();
    EXPECT_EQ(0xF5, after[160]);      // bits 3..7 kept
    EXPECT_EQ(0x21, after[161]);
    EXPECT_EQ(0x03, after[162]);
    EXPECT_EQ(0x50, after[164] & 0xF0);
    EXPECT_EQ(0x04, after[165]);
    EXPECT_EQ(0x11, after[168]);
    for (uint32_t a : Changed(before, after))
        EXPECT_TRUE(a == 160 || a == 161 || a == 162 || a == 164 || a == 165 || a == 167 || a == 168 || a == 169) << a;
    EXPECT_TRUE(BadChecksumGroups(after).empty());
}

TEST_F(UsbFileStation, WriteToAnyOtherAddressIsAcknowledgedAndChangesNothing) {
    ASSERT_EQ(1u, Send(handle_, WriteFrame(0xFC, std::vector<unsigned char>(32, 0)), 1).size());
    ASSERT_EQ(1u, Send(handle_, WriteFrame(257, std::vector<unsigned char>(32, 0x55)), 1).size());
    EXPECT_EQ(image_, FileImage());
    EXPECT_EQ(image_, ReadWholeMemory(handle_));
}

TEST_F(UsbFileStation, ASettingSurvivesReopeningTheFile) {
    ASSERT_EQ(1u, Send(handle_, WriteFrame(90, {0x2C, 0x01, 0x00}), 1).size());
    const int again = OpenStation();
    ASSERT_NE(0, again);
    EXPECT_EQ(0, USBCheck(handle_));       // the old handle belongs to the device opened before
    const std::vector<unsigned char> b = ReadBlock(again, 90);
    EXPECT_EQ(0x2C, b[0]);
    EXPECT_EQ(0x01, b[1]);
    EXPECT_EQ(0x31, b[2]);                 // sign bit clear, the other bits of 92 kept
}

TEST_F(UsbFileStation, EveryFrameIsLoggedAsOneHexLine) {
    const std::wstring log = TempFile(L"frames.log");
    SetEnv(L"USB_EMULATOR_LOG", log);
    const int h = OpenStation();
    ClearEnv(L"USB_EMULATOR_LOG");
    ASSERT_NE(0, h);
    Send(h, ReadFrame(0xFC), 34);
    Send(h, WriteFrame(254, {0x02}), 1);
    std::vector<unsigned char> bad = ReadFrame(0xFD);
    bad[4] = 0;
    Send(h, bad, 1, 100);
    const std::vector<unsigned char> bytes = ReadWholeFile(log);
    std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(std::string::npos, text.find("AF FC 00 00 53\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("AE FE 00 00 02 00")) << text;
    EXPECT_NE(std::string::npos, text.find("AF FD 00 00 00\r\n")) << text;
    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(3u, lines);
    EXPECT_EQ(3, USBEmulatorControl("frames"));
    EXPECT_EQ(0, USBEmulatorControl("log"));
    DeleteFileW(log.c_str());
}

TEST(UsbOpen, FailsWithoutAUsableImageOrForAnotherDevice) {
    const std::wstring missing = TempFile(L"missing.bin");
    DeleteFileW(missing.c_str());
    SetEnv(L"USB_EMULATOR", missing);
    EXPECT_EQ(0, OpenStation());
    const std::wstring shortFile = TempFile(L"short.bin");
    ASSERT_TRUE(WriteImageFile(shortFile, MakeEmptyImage(), nullptr));
    // A file of another size is no station image.
    HANDLE h = CreateFileW(shortFile.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    SetFilePointer(h, 1000, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
    SetEnv(L"USB_EMULATOR", shortFile);
    EXPECT_EQ(0, OpenStation());
    SetEnv(L"USB_EMULATOR", L"demo");
    EXPECT_EQ(0, USBOpen(0, 0x1130, 0x6802, 0x2000, 0x2000, 0));
    ClearEnv(L"USB_EMULATOR");
    DeleteFileW(shortFile.c_str());
    // A handle that was never given out is refused.
    int waiting = 7;
    EXPECT_EQ(0, USBCheck(12345));
    EXPECT_EQ(0, USBGetStatus(12345, &waiting, nullptr));
    EXPECT_EQ(0, waiting);
    EXPECT_EQ(-1, USBRead(12345, nullptr, 1));
}

TEST(UsbOpen, WithoutEmulatorAndWithoutDeviceOpenReturnsZero) {
    ClearEnv(L"USB_EMULATOR");
    EXPECT_EQ(0, OpenStation());
}

}  // namespace
