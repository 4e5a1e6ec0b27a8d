// USB.dll's emulator under injected faults (the test seam USBEmulatorControl and USB_EMULATOR_FAULTS).
#include "UsbTestSupport.h"

using namespace stationimage;
using namespace usbtest;

namespace {

class UsbFaults : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = TempFile(L"faults.bin");
        Image image = MakeEmptyImage();
        for (uint32_t a = 0; a < 256; ++a) image[a] = static_cast<uint8_t>(a * 7 + 1);
        ASSERT_TRUE(WriteImageFile(path_, image, nullptr));
        SetEnv(L"USB_EMULATOR", path_);
        ClearEnv(L"USB_EMULATOR_LOG");
        ClearEnv(L"USB_EMULATOR_FAULTS");
        handle_ = OpenStation();
        ASSERT_NE(0, handle_);
    }
    void TearDown() override {
        ClearEnv(L"USB_EMULATOR");
        ClearEnv(L"USB_EMULATOR_FAULTS");
        DeleteFileW(path_.c_str());
    }
    bool GoodAnswer(const std::vector<unsigned char>& r) {
        if (r.size() != 34 || r[0] != 0x5A) return false;
        unsigned char x = 0x5A;
        for (int i = 1; i <= 32; ++i) x ^= r[i];
        return x == r[33];
    }
    std::wstring path_;
    int handle_ = 0;
};

TEST_F(UsbFaults, NoReplyForTheGivenNumberOfFramesThenAnswersAgain) {
    ASSERT_EQ(0, USBEmulatorControl("fault no-reply 2"));
    EXPECT_TRUE(Send(handle_, ReadFrame(32), 1, 150).empty());
    EXPECT_TRUE(Send(handle_, WriteFrame(90, {1, 0, 0}), 1, 150).empty());   // no acknowledgement either
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(32), 34)));
    EXPECT_EQ(1u, Send(handle_, WriteFrame(90, {1, 0, 0}), 1).size());
}

TEST_F(UsbFaults, WrongMarkerKeepsTheChecksumOfTheData) {
    ASSERT_EQ(0, USBEmulatorControl("fault wrong-marker 1"));
    const std::vector<unsigned char> r = Send(handle_, ReadFrame(0), 34);
    ASSERT_EQ(34u, r.size());
    EXPECT_NE(0x5A, r[0]);
    unsigned char x = 0x5A;
    for (int i = 1; i <= 32; ++i) x ^= r[i];
    EXPECT_EQ(x, r[33]);
    EXPECT_EQ(1, r[1]);   // the data itself is right
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
}

TEST_F(UsbFaults, ShortReplyHasFewerThan32DataBytes) {
    ASSERT_EQ(0, USBEmulatorControl("fault short-reply 1"));
    const std::vector<unsigned char> r = Send(handle_, ReadFrame(0), 34, 300);
    EXPECT_EQ(0x5A, r.at(0));
    EXPECT_LT(r.size(), 33u);
    EXPECT_GT(r.size(), 1u);
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
}

TEST_F(UsbFaults, BadChecksumUntilCleared) {
    ASSERT_EQ(0, USBEmulatorControl("fault bad-checksum"));
    for (int i = 0; i < 3; ++i) {
        const std::vector<unsigned char> r = Send(handle_, ReadFrame(64), 34);
        ASSERT_EQ(34u, r.size());
        EXPECT_EQ(0x5A, r[0]);
        EXPECT_FALSE(GoodAnswer(r));
    }
    ASSERT_EQ(0, USBEmulatorControl("fault none"));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(64), 34)));
}

TEST_F(UsbFaults, SlowReplyArrivesOnlyAfterTheDelay) {
    ASSERT_EQ(0, USBEmulatorControl("slow 400 1"));
    const ULONGLONG start = GetTickCount64();
    ASSERT_EQ(5, USBWrite(handle_, ReadFrame(0).data(), 5, 0));
    int waiting = -1, other = 0;
    ASSERT_EQ(1, USBGetStatus(handle_, &waiting, &other));
    EXPECT_EQ(0, waiting);
    unsigned char byte = 0;
    EXPECT_EQ(0, USBRead(handle_, &byte, 1));
    // Meanwhile each call takes about a poll of a device's pipe: a caller that asks again at once
    // (the link's watcher) does not spin through the wait.
    int polls = 0;
    while (USBGetStatus(handle_, &waiting, &other) == 1 && waiting < 34)
        ++polls;
    EXPECT_LT(polls, 1000);
    const std::vector<unsigned char> r = Collect(handle_, 34, 3000);
    EXPECT_GE(GetTickCount64() - start, 380u);
    EXPECT_TRUE(GoodAnswer(r));
    // Only one frame was slowed down.
    const ULONGLONG again = GetTickCount64();
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
    EXPECT_LT(GetTickCount64() - again, 300u);
}

TEST_F(UsbFaults, UnpluggedAfterNCommands) {
    ASSERT_EQ(0, USBEmulatorControl("unplug-after 2"));
    EXPECT_EQ(1, USBCheck(handle_));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
    EXPECT_EQ(1, USBCheck(handle_));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(32), 34)));   // the second command is still answered
    EXPECT_EQ(0, USBCheck(handle_));
    int waiting = 5, other = 0;
    EXPECT_EQ(0, USBGetStatus(handle_, &waiting, &other));
    EXPECT_EQ(0, waiting);
    EXPECT_EQ(0, USBWrite(handle_, ReadFrame(0).data(), 5, 0));
    unsigned char byte;
    EXPECT_EQ(-1, USBRead(handle_, &byte, 1));
    ASSERT_EQ(0, USBEmulatorControl("plug"));
    EXPECT_EQ(1, USBCheck(handle_));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
}

TEST_F(UsbFaults, UnplugNowAndResetClearsEverything) {
    ASSERT_EQ(0, USBEmulatorControl("fault bad-checksum"));
    ASSERT_EQ(0, USBEmulatorControl("slow 50"));
    ASSERT_EQ(0, USBEmulatorControl("unplug"));
    EXPECT_EQ(0, USBCheck(handle_));
    ASSERT_EQ(0, USBEmulatorControl("reset"));
    EXPECT_EQ(1, USBCheck(handle_));
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
    EXPECT_LT(GetTickCount64() - start, 40u);
}

TEST_F(UsbFaults, FaultsFromTheEnvironmentApplyAtOpen) {
    SetEnv(L"USB_EMULATOR_FAULTS", L"fault wrong-marker 1;fault bad-checksum 1");
    const int h = OpenStation();
    ASSERT_NE(0, h);
    const std::vector<unsigned char> r = Send(h, ReadFrame(0), 34);
    ASSERT_EQ(34u, r.size());
    EXPECT_NE(0x5A, r[0]);
    unsigned char x = 0x5A;
    for (int i = 1; i <= 32; ++i) x ^= r[i];
    EXPECT_NE(x, r[33]);
    EXPECT_TRUE(GoodAnswer(Send(h, ReadFrame(0), 34)));
}

TEST_F(UsbFaults, ControlFileIsTakenWhileTheDeviceIsInUse) {
    const std::wstring control = TempFile(L"control.txt");
    DeleteFileW(control.c_str());
    SetEnv(L"USB_EMULATOR_CONTROL", control);
    const int h = OpenStation();
    ClearEnv(L"USB_EMULATOR_CONTROL");
    ASSERT_NE(0, h);
    EXPECT_TRUE(GoodAnswer(Send(h, ReadFrame(0), 34)));

    // Two commands on two lines: the frame that finds the file (the emulator looks for it at most
    // every tenth of a second, frames before are answered) gets no answer, the file is removed, and
    // the device is gone once one more frame has come.
    auto present = [&control] { return GetFileAttributesW(control.c_str()) != INVALID_FILE_ATTRIBUTES; };
    FILE* f = _wfopen(control.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    fputs("fault no-reply 1\r\nunplug-after 2\n", f);
    fclose(f);
    std::vector<unsigned char> answer;
    while (!(answer = Send(h, ReadFrame(0), 34, 300)).empty() && present())
        EXPECT_TRUE(GoodAnswer(answer));
    EXPECT_TRUE(answer.empty());
    EXPECT_FALSE(present()) << "the file is removed when taken";
    EXPECT_TRUE(GoodAnswer(Send(h, ReadFrame(0), 34)));
    EXPECT_EQ(0, USBCheck(h));

    // The presence check alone takes the file too.
    f = _wfopen(control.c_str(), L"wb");
    ASSERT_NE(f, nullptr);
    fputs("plug", f);
    fclose(f);
    int plugged = 0;
    while ((plugged = USBCheck(h)) == 0 && present())
        Sleep(1);
    EXPECT_EQ(1, plugged);
    EXPECT_FALSE(present());
}

TEST_F(UsbFaults, CommandAfterSomeFramesAppliesFromTheNextFrameOn) {
    EXPECT_EQ(0, USBEmulatorControl("after 2 fault bad-checksum 1"));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(32), 34)));
    EXPECT_FALSE(GoodAnswer(Send(handle_, ReadFrame(64), 34)));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(64), 34)));
    EXPECT_EQ(-1, USBEmulatorControl("after 2"));
    EXPECT_EQ(-1, USBEmulatorControl("after x fault none"));
}

TEST_F(UsbFaults, UnknownOrMalformedCommandsAreRefused) {
    EXPECT_EQ(-1, USBEmulatorControl("fault sideways"));
    EXPECT_EQ(-1, USBEmulatorControl("slow"));
    EXPECT_EQ(-1, USBEmulatorControl("slow -5"));
    EXPECT_EQ(-1, USBEmulatorControl("unplug-after x"));
    EXPECT_EQ(-1, USBEmulatorControl("advance 5"));   // a fixture has no clock
    EXPECT_EQ(-1, USBEmulatorControl("dance"));
    EXPECT_EQ(-1, USBEmulatorControl(nullptr));
    EXPECT_TRUE(GoodAnswer(Send(handle_, ReadFrame(0), 34)));
}

}  // namespace
