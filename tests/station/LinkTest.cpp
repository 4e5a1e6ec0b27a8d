// The command link against an in-process station: frames, replies, retries, errors, the latest
// history record, the min/max read, the write, the live read and its timer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "station/DataDecode.h"
#include "station/SystemKV318.h"
#include "station/UsbLink.h"
#include "tests/station/FakeStation.h"
#include "tests/station/TestFiles.h"

namespace {

using Reply = FakeStation::Reply;
using Bytes = std::vector<uint8_t>;

class Link : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.Install();
        previousTimeout = SetReplyTimeoutForTesting(150);
        previousPeriod = LiveReadPeriodMs();
        savedMemorySize = g_systemKV318.m_memorySize;
        savedBound = g_dataDecode.m_stationMemorySize;
        g_systemKV318.m_memorySize = 0x20000;
        g_dataDecode.m_stationMemorySize = 0x20000;
        g_abortFlag = 0;
        SetLastErrorText("");
        for (int a = 0; a < STATION_IMAGE_SIZE; ++a)
            fake.memory[a] = static_cast<uint8_t>((a * 7 + 3) & 0xFF);
        livePath = TempFilePath("link_record_2min.csv");
        g_liveFilePath = Wide(livePath);
        DeleteFileA(livePath.c_str());
    }

    void TearDown() override
    {
        if (g_liveTimerId != 0) {
            KillTimer(nullptr, g_liveTimerId);
            g_liveTimerId = 0;
        }
        fake.Uninstall();
        SetReplyTimeoutForTesting(previousTimeout);
        SetLiveReadPeriodForTesting(previousPeriod);
        g_systemKV318.m_memorySize = savedMemorySize;
        g_dataDecode.m_stationMemorySize = savedBound;
        g_abortFlag = 0;
        DeleteFileA(livePath.c_str());
    }

    std::string ErrorText() const { return g_lastErrorText; }

    bool ImageMatches(int first, int last)
    {
        for (int a = first; a <= last; ++a)
            if (g_systemKV318.m_memoryImage[a] != fake.memory[a])
                return false;
        return true;
    }

    FakeStation fake;
    int previousTimeout = 0;
    int previousPeriod = 0;
    int savedMemorySize = 0;
    int savedBound = 0;
    std::string livePath;
};

// Runs the thread's messages (the live timer's callbacks) for a while.
void PumpMessages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

int CountOf(const std::vector<int>& addresses, int address)
{
    int n = 0;
    for (int a : addresses)
        n += a == address;
    return n;
}

} // namespace

TEST(Frames, ReadAndWriteFrameBytes)
{
    uint8_t frame[READ_FRAME_SIZE];
    BuildReadFrame(0xFC, frame);
    EXPECT_EQ(Bytes(frame, frame + 5), (Bytes{0xAF, 0xFC, 0x00, 0x00, 0x53}));
    BuildReadFrame(0x12345, frame);
    EXPECT_EQ(Bytes(frame, frame + 5), (Bytes{0xAF, 0x45, 0x23, 0x01, 0xAF ^ 0x45 ^ 0x23 ^ 0x01}));

    uint8_t data[40];
    for (int i = 0; i < 40; ++i)
        data[i] = static_cast<uint8_t>(0x80 + i);
    uint8_t write[WRITE_FRAME_SIZE];
    BuildWriteFrame(22, data, 8, write);
    EXPECT_EQ(write[0], 0xAE);
    EXPECT_EQ(write[1], 22);
    EXPECT_EQ(write[4], 0x80);
    EXPECT_EQ(write[11], 0x87);
    for (int i = 12; i < 36; ++i)
        EXPECT_EQ(write[i], 0) << i;
    uint8_t x = 0;
    for (int i = 0; i < 36; ++i)
        x ^= write[i];
    EXPECT_EQ(write[36], x);

    uint8_t zeros[32] = {};
    EXPECT_EQ(ReplyChecksum(zeros), 0x5A);
    zeros[31] = 0x5A;
    EXPECT_EQ(ReplyChecksum(zeros), 0x00);
}

TEST_F(Link, FixedAddressFramesOnTheWire)
{
    fake.SetMemoryInfo(2, 5);
    g_readAddress = 1234;
    EXPECT_EQ(g_systemKV318.ReadMemorySize(), 0x20000);
    EXPECT_EQ(g_systemKV318.ReadHistoryPointer(), 257 + 38 * 5);
    EXPECT_EQ(g_readAddress.load(), 1234);   // register reads leave the progress alone
    EXPECT_TRUE(g_systemKV318.ReadLiveData());
    const auto frames = fake.Frames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0], (Bytes{0xAF, 0xFC, 0x00, 0x00, 0x53}));
    EXPECT_EQ(frames[1], (Bytes{0xAF, 0xFD, 0x00, 0x00, 0x52}));
    EXPECT_EQ(frames[2], (Bytes{0xAF, 0x00, 0x00, 0x02, 0xAD}));
    EXPECT_EQ(frames[3], (Bytes{0xAF, 0x01, 0x00, 0x02, 0xAC}));
}

TEST_F(Link, MemorySizeAndHistoryPointerDecoding)
{
    fake.memory[0xFC] = 0x07;   // only bits 0-1 count: code 3
    EXPECT_EQ(ReadMemorySize(), 0x10000);
    fake.memory[0xFD] = 0xF3;   // index (3 << 8) | 0x10 = 784
    fake.memory[0xFF] = 0x10;
    EXPECT_EQ(ReadHistoryPointer(), 30049);
}

TEST_F(Link, RangeReadCopiesEachBlockUpToTheEnd)
{
    g_systemKV318.m_memoryImage[15] = 0xEE;
    g_systemKV318.m_memoryImage[80] = 0xEE;
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(16, 48));
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{16, 48}));
    EXPECT_TRUE(ImageMatches(16, 79));
    EXPECT_EQ(g_systemKV318.m_memoryImage[15], 0xEE);
    EXPECT_EQ(g_systemKV318.m_memoryImage[80], 0xEE);
    EXPECT_EQ(g_dataDecode.m_addressTable[79].rawByte, fake.memory[79]);
    EXPECT_EQ(g_readAddress.load(), 48);

    EXPECT_FALSE(g_systemKV318.ReadMemoryRange(20, 20));
    EXPECT_EQ(ErrorText(), "Incorrect address input!");
    EXPECT_FALSE(g_systemKV318.ReadMemoryRange(0, STATION_IMAGE_SIZE));
    EXPECT_EQ(fake.FrameCount(), 2u);
}

TEST_F(Link, RangeReadBeforeTheMemorySizeIsKnownSplitsNothing)
{
    g_systemKV318.m_memorySize = 0;
    g_dataDecode.m_addressTable[200].rawByte = 0x42;
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(192, 200));
    EXPECT_TRUE(ImageMatches(192, 223));
    EXPECT_EQ(g_dataDecode.m_addressTable[200].rawByte, 0x42);
}

TEST_F(Link, FailedBlockIsRequestedAgainUntilAccepted)
{
    fake.faults = {Reply::BadChecksum};
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(16, 48));
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{16, 16, 48}));
    EXPECT_EQ(ErrorText(), "USB Checksum Error!");
    EXPECT_TRUE(ImageMatches(16, 79));

    fake.faults = {Reply::None};
    SetLastErrorText("");
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(100, 110));
    EXPECT_EQ(CountOf(fake.ReadAddresses(), 100), 2);
    EXPECT_EQ(ErrorText(), "Timeout!");
    EXPECT_EQ(g_abortFlag.load(), 0);
    EXPECT_TRUE(ImageMatches(100, 131));
}

TEST_F(Link, BlockThatKeepsFailingEndsTheReadAfterTenRequests)
{
    fake.repeatFault = Reply::BadChecksum;
    EXPECT_FALSE(g_systemKV318.ReadMemoryRange(16, 48));
    EXPECT_EQ(fake.ReadAddresses(), std::vector<int>(MAX_BLOCK_REQUESTS, 16));
    EXPECT_EQ(ErrorText(), "USB Checksum Error!");

    fake.repeatFault = Reply::None;
    EXPECT_FALSE(g_systemKV318.ReadMinMaxAreas());
    EXPECT_EQ(CountOf(fake.ReadAddresses(), 36), MAX_BLOCK_REQUESTS);
    EXPECT_EQ(CountOf(fake.ReadAddresses(), 170), 0);
    EXPECT_EQ(ErrorText(), "Timeout!");
}

TEST_F(Link, WrongMarkerFailsEvenWithAMatchingChecksum)
{
    fake.faults = {Reply::WrongMarker};
    EXPECT_EQ(ReadMemorySize(), -1);
    EXPECT_EQ(ErrorText(), "Receive Error!");
    fake.faults = {Reply::None};
    EXPECT_EQ(ReadHistoryPointer(), -1);
    EXPECT_EQ(ErrorText(), "Timeout!");
    EXPECT_EQ(ReadMemorySize(), 0x2000 * 0 + MemorySizeFromCode(fake.memory[0xFC]));
}

TEST_F(Link, BytesLeftFromAnEarlierReplyAreDrained)
{
    fake.memory[0xFC] = 0x02;
    fake.QueueStrayBytes({0x5A, 0x11, 0x22, 0x33, 0x01});
    EXPECT_EQ(ReadMemorySize(), 0x20000);
    fake.QueueStrayBytes(Bytes(34, 0x5A));
    ASSERT_TRUE(g_systemKV318.ReadMemoryRange(0, 10));
    EXPECT_EQ(fake.ReadAddresses().size(), 2u);
}

TEST_F(Link, DeviceGoneTexts)
{
    fake.present = false;
    EXPECT_FALSE(g_systemKV318.ReadMemoryRange(16, 48));
    EXPECT_EQ(ErrorText(), "Device disconnected!");
    EXPECT_EQ(g_abortFlag.load(), 1);

    g_abortFlag = 0;
    EXPECT_EQ(ReadMemorySize(), -1);
    EXPECT_EQ(ErrorText(), "Device Disconnected!");
    EXPECT_EQ(g_abortFlag.load(), 0);
    SetLastErrorText("");
    const uint8_t data[32] = {};
    EXPECT_FALSE(WriteMemoryBlock(data, 32, 254));
    EXPECT_EQ(ErrorText(), "Device Disconnected!");
    EXPECT_FALSE(g_systemKV318.ReadWholeMemory());
    EXPECT_EQ(ErrorText(), "Can't read the memory size!");
    EXPECT_EQ(fake.FrameCount(), 0u);

    // A handle of 0 is a gone device too.
    fake.present = true;
    g_usbDevice.m_handle = 0;
    EXPECT_EQ(ReadHistoryPointer(), -1);
    EXPECT_EQ(ErrorText(), "Device Disconnected!");
    EXPECT_FALSE(g_systemKV318.ReadLiveData());
    EXPECT_EQ(ErrorText(), "Device disconnected!");
    g_usbDevice.m_handle = FakeStation::HANDLE;
    EXPECT_EQ(fake.FrameCount(), 0u);
}

TEST_F(Link, LatestHistoryRecordIsTheSlotBelowThePointer)
{
    fake.SetMemoryInfo(2, 10);
    ASSERT_TRUE(g_systemKV318.ReadLatestHistoryRecord(2025));
    const int s = 257 + 38 * 9;
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{0xFD, s, s + 32}));
    for (int k = 0; k < 64; ++k)
        EXPECT_EQ(g_dataDecode.m_historyPairTable[k].rawByte, fake.memory[s + k]) << k;
    EXPECT_TRUE(ImageMatches(s, s + 63));
}

TEST_F(Link, LatestHistoryRecordAfterTheRingWrapped)
{
    // 128 KB: the last slot is 131015; its second block is taken so that it ends with the record.
    fake.SetMemoryInfo(2, 0);
    ASSERT_TRUE(g_systemKV318.ReadLatestHistoryRecord(2025));
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{0xFD, 0xFC, 131015, 131021}));
    for (int k = 0; k < 38; ++k)
        EXPECT_EQ(g_dataDecode.m_historyPairTable[k].rawByte, fake.memory[131015 + k]) << k;
    EXPECT_TRUE(ImageMatches(131015, 131052));

    // 8 KB: the last slot 8123 has room for both blocks.
    fake.SetMemoryInfo(0, 0);
    ASSERT_TRUE(g_systemKV318.ReadLatestHistoryRecord(2025));
    const auto addresses = fake.ReadAddresses();
    EXPECT_EQ(std::vector<int>(addresses.end() - 2, addresses.end()), (std::vector<int>{8123, 8155}));
}

TEST_F(Link, LatestHistoryRecordWithoutAPointerReadsNothing)
{
    fake.faults = {Reply::None};
    EXPECT_FALSE(g_systemKV318.ReadLatestHistoryRecord(2025));
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{0xFD}));

    // A pointer outside the ring of the known memory size.
    g_systemKV318.m_memorySize = 0x2000;
    fake.SetMemoryInfo(0, 300);
    EXPECT_FALSE(g_systemKV318.ReadLatestHistoryRecord(2025));
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{0xFD, 0xFD}));
    EXPECT_EQ(ErrorText(), "Incorrect address input!");
}

TEST_F(Link, MinMaxAreasNeedTheMemorySize)
{
    g_systemKV318.m_memorySize = 0;
    EXPECT_FALSE(g_systemKV318.ReadMinMaxAreas());
    EXPECT_EQ(ErrorText(), "Can't read the memory size!");
    EXPECT_EQ(fake.FrameCount(), 0u);

    g_systemKV318.m_memorySize = 0x20000;
    ASSERT_TRUE(g_systemKV318.ReadMinMaxAreas());
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{36, 170}));
    EXPECT_TRUE(ImageMatches(36, 67));
    EXPECT_TRUE(ImageMatches(170, 201));
    EXPECT_EQ(g_dataDecode.m_addressTable[40].rawByte, fake.memory[40]);
    EXPECT_EQ(g_dataDecode.m_addressTable[174].rawByte, fake.memory[174]);
}

TEST_F(Link, WriteSendsPaddedFrameAndWaitsForTheAcknowledgement)
{
    uint8_t data[32];
    for (int i = 0; i < 32; ++i)
        data[i] = static_cast<uint8_t>(0x31 + i);
    ASSERT_TRUE(g_systemKV318.WriteMemoryBlock(data, 15, 0));
    auto frames = fake.Frames();
    ASSERT_EQ(frames.size(), 1u);
    Bytes expected = {0xAE, 0x00, 0x00, 0x00};
    expected.insert(expected.end(), data, data + 15);
    expected.insert(expected.end(), 17, 0x00);
    uint8_t x = 0;
    for (uint8_t b : expected)
        x ^= b;
    expected.push_back(x);
    EXPECT_EQ(frames[0], expected);

    ASSERT_TRUE(g_systemKV318.WriteMemoryBlock(data, 32, 160));
    EXPECT_EQ(fake.Frames()[1][1], 0xA0);

    fake.acknowledgeWrites = false;
    EXPECT_FALSE(g_systemKV318.WriteMemoryBlock(data, 32, 254));
    EXPECT_EQ(ErrorText(), "Timeout!");
    EXPECT_EQ(g_abortFlag.load(), 0);

    // More than a block, or a block past the image, is refused before anything is sent.
    EXPECT_FALSE(g_systemKV318.WriteMemoryBlock(data, 33, 0));
    EXPECT_FALSE(g_systemKV318.WriteMemoryBlock(data, 32, STATION_IMAGE_SIZE - 16));
    EXPECT_EQ(fake.FrameCount(), 3u);
}

TEST_F(Link, WholeMemoryReadOfAnEightKilobyteStation)
{
    fake.SetMemoryInfo(0, 3);
    ASSERT_TRUE(g_systemKV318.ReadWholeMemory());
    EXPECT_EQ(g_systemKV318.m_memorySize.load(), 0x2000);
    EXPECT_EQ(g_dataDecode.m_stationMemorySize, 0x2000);
    const auto addresses = fake.ReadAddresses();
    ASSERT_EQ(addresses.size(), 1u + 256u);
    EXPECT_EQ(addresses[1], 0);
    EXPECT_EQ(addresses.back(), 8160);
    EXPECT_TRUE(ImageMatches(0, 8191));
    EXPECT_EQ(g_dataDecode.m_addressTable[8191].rawByte, fake.memory[8191]);
    EXPECT_EQ(g_readAddress.load(), 8160);

    fake.faults = {Reply::None};
    EXPECT_FALSE(g_systemKV318.ReadWholeMemory());
    EXPECT_EQ(ErrorText(), "Can't read the memory size!");
    EXPECT_EQ(g_systemKV318.m_memorySize.load(), -1);
}

TEST_F(Link, LiveReadGoesOnAfterAStampTimeout)
{
    fake.readings[0] = 0x45;
    fake.readings[1] = 0xA2;
    fake.faults = {Reply::None};
    EXPECT_TRUE(g_systemKV318.ReadLiveData());
    EXPECT_EQ(ErrorText(), "Timeout!");
    EXPECT_EQ(ReadLine(livePath, 2).substr(0, 6), "24.55,");
    EXPECT_EQ(g_readAddress.load(), LIVE_READINGS_ADDRESS);
}

TEST_F(Link, LiveReadAfterAFailedReplyDecodesNothingMore)
{
    fake.faults = {Reply::BadChecksum};
    EXPECT_FALSE(g_systemKV318.ReadLiveData());
    EXPECT_EQ(ErrorText(), "USB Checksum Error");
    EXPECT_EQ(GetFileAttributesA(livePath.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(fake.ReadAddresses(), (std::vector<int>{LIVE_STAMP_ADDRESS, LIVE_READINGS_ADDRESS}));

    fake.faults = {Reply::Normal, Reply::WrongMarker};
    EXPECT_FALSE(g_systemKV318.ReadLiveData());
    EXPECT_EQ(ErrorText(), "Receive Error");
    EXPECT_EQ(GetFileAttributesA(livePath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Link, LiveReadingStartsOnlyWithALiveFileItWrote)
{
    // The readings block does not come: the live file on disk (an earlier run's) is not this reading.
    fake.faults = {Reply::Normal, Reply::None};
    EXPECT_FALSE(g_systemKV318.StartLiveReading(Wide(livePath)));
    EXPECT_EQ(GetFileAttributesA(livePath.c_str()), INVALID_FILE_ATTRIBUTES);

    // A live file that cannot be written is a failed read.
    const std::string unwritable = TempFilePath("no-such-folder\\record_2min.csv");
    EXPECT_FALSE(g_systemKV318.StartLiveReading(Wide(unwritable)));
    EXPECT_FALSE(g_systemKV318.ReadLiveData());

    EXPECT_TRUE(g_systemKV318.StartLiveReading(Wide(livePath)));
    EXPECT_NE(GetFileAttributesA(livePath.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A closing program asks the link to stop: a block that gets no answer is neither waited out nor
// requested its ten times.
TEST_F(Link, StopRequestEndsTheWaitAndTheRetriesOfABlock)
{
    SetReplyTimeoutForTesting(REPLY_TIMEOUT_MS);
    fake.repeatFault = Reply::None;
    struct Read {
        bool result = true;
        ULONGLONG endedAt = 0;
    } read;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID parameter) -> DWORD {
            auto* r = static_cast<Read*>(parameter);
            r->result = g_systemKV318.ReadMemoryRange(16, 48);
            r->endedAt = GetTickCount64();
            return 0;
        },
        &read, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    // Stopped once the block is asked for: the link waits for its answer.
    while (fake.ReadAddresses().empty() && WaitForSingleObject(thread, 1) == WAIT_TIMEOUT) {
    }
    const ULONGLONG stoppedAt = GetTickCount64();
    g_stopMemoryRead = true;
    const DWORD waited = WaitForSingleObject(thread, 20000);
    g_stopMemoryRead = false;
    CloseHandle(thread);
    ASSERT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_FALSE(read.result);
    EXPECT_LT(read.endedAt - stoppedAt, 1000u);
    EXPECT_EQ(fake.ReadAddresses(), std::vector<int>{16});
}

TEST_F(Link, LiveTimerRepeatsTheReadAndStopsWhenTheDeviceIsGone)
{
    SetLiveReadPeriodForTesting(40);
    ASSERT_TRUE(g_systemKV318.StartLiveReading(Wide(livePath)));
    const UINT_PTR first = g_liveTimerId;
    ASSERT_NE(first, 0u);
    ASSERT_TRUE(g_systemKV318.StartLiveReading(Wide(livePath)));
    const UINT_PTR second = g_liveTimerId;
    ASSERT_NE(second, 0u);
    // The first timer is gone (unless its id was handed out again for the second).
    if (first != second) {
        EXPECT_FALSE(KillTimer(nullptr, first));
    }
    EXPECT_EQ(g_liveFilePath, Wide(livePath));

    const size_t before = fake.FrameCount();
    PumpMessages(400);
    EXPECT_GE(fake.FrameCount(), before + 4);   // at least two timed live reads

    fake.present = false;
    PumpMessages(200);
    EXPECT_EQ(g_liveTimerId, 0u);
    EXPECT_EQ(ErrorText(), "Device disconnected!");
    EXPECT_EQ(g_abortFlag.load(), 1);
    EXPECT_FALSE(KillTimer(nullptr, second));
}
