// USB.dll with USB_EMULATOR=demo: a consistent 128 KB station whose clock follows the PC.
#include "UsbTestSupport.h"

#include "platform/usb/DemoStation.h"

#include <cmath>

using namespace stationimage;
using namespace usbtest;

namespace {

int Nib(uint8_t b, bool high) { return high ? b >> 4 : b & 0x0F; }

// Minutes since 1970 of a record's time stamp, in the given year.
int64_t StampMinutes(const uint8_t* s, int year) {
    StationTime t{year, Nib(s[0], false), (s[1] >> 4 & 3) * 10 + Nib(s[1], false), (s[2] >> 4 & 3) * 10 + Nib(s[2], false),
                  Nib(s[3], true) * 10 + Nib(s[3], false), 0};
    return ToMinutes(t);
}

// A two-byte temperature (units high, tenths low; tens, 0.05, sign in the second byte).
double Temperature(const uint8_t* b) {
    const double v = Nib(b[1], false) * 10 + Nib(b[0], true) + Nib(b[0], false) * 0.1 + ((b[1] & 0x20) ? 0.05 : 0);
    return (b[1] & 0x80) ? v : -v;
}
int Humidity(uint8_t b) { return Nib(b, true) * 10 + Nib(b, false); }
double Wind(const uint8_t* b) { return ((b[1] >> 4) & 1) * 100 + Nib(b[1], false) * 10 + Nib(b[0], true) + Nib(b[0], false) * 0.1; }
double Uv(const uint8_t* b) { return Nib(b[1], false) * 10 + Nib(b[0], true) + Nib(b[0], false) * 0.1; }

// Year of the k-th newest record (k < 25) from the record years at 225.
int RecordYear(const Image& image, int k) {
    return 2000 + Nib(image[225 + k], true) * 10 + Nib(image[225 + k], false);
}

int64_t PcMinutes() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return ToMinutes(StationTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, 0});
}

class UsbDemo : public ::testing::Test {
protected:
    void SetUp() override {
        SetEnv(L"USB_EMULATOR", L"demo");
        ClearEnv(L"USB_EMULATOR_LOG");
        ClearEnv(L"USB_EMULATOR_FAULTS");
        handle_ = OpenStation();
        ASSERT_NE(0, handle_);
    }
    void TearDown() override { ClearEnv(L"USB_EMULATOR"); }
    int handle_ = 0;
};

TEST_F(UsbDemo, WholeMemoryIsConsistentAndEndsNow) {
    const int64_t before = PcMinutes();
    const Image image = ReadWholeMemory(handle_);
    const int64_t after = PcMinutes();
    EXPECT_EQ(SIZE_CODE_128K, SizeCodeOf(image));
    const int slots = SlotCountOfSizeCode(SIZE_CODE_128K);
    const int index = HistoryIndexOf(image);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, slots);
    const int interval = IntervalMinutesOfCode(IntervalCodeOf(image));
    ASSERT_GT(interval, 0);
    EXPECT_TRUE(BadChecksumGroups(image).empty());

    // Newest record: within one interval before now; the year of slot 0 is at 225.
    const int newestSlot = (index + slots - 1) % slots;
    const int year = 2000 + Nib(image[225], true) * 10 + Nib(image[225], false);
    const int64_t newest = StampMinutes(&image[SlotAddress(newestSlot)], year);
    EXPECT_LE(newest, after);
    EXPECT_GT(newest, before - interval - 1);

    // Every slot is a record, one interval apart going back (the ring is full and has wrapped).
    int64_t expected = newest;
    int dayMinTemp = 1000, dayMaxTemp = -1000;
    int previousRain = -1;
    int rainIncreases = 0, uvByNight = 0, uvByDay = 0;
    double sumT = 0, sumH = 0, sumTH = 0, sumTT = 0;
    int n = 0;
    for (int k = 0; k < slots; ++k) {
        const int slot = (newestSlot - k + slots) % slots;
        const uint8_t* r = &image[SlotAddress(slot)];
        const StationTime t = FromMinutes(expected);
        ASSERT_EQ(expected, StampMinutes(r, t.year)) << "slot " << slot;
        EXPECT_EQ(t.weekday, r[0] >> 4) << "slot " << slot;
        const double outdoor = Temperature(r + 7);
        const int humidity = Humidity(r[9]);
        sumT += outdoor; sumH += humidity; sumTH += outdoor * humidity; sumTT += outdoor * outdoor; ++n;
        if (k < 288) {   // the last day
            dayMinTemp = std::min(dayMinTemp, static_cast<int>(std::floor(outdoor)));
            dayMaxTemp = std::max(dayMaxTemp, static_cast<int>(std::ceil(outdoor)));
        }
        EXPECT_GE(Wind(r + 30), Wind(r + 32)) << "gust below speed in slot " << slot;
        EXPECT_EQ(0, r[21] & 0x40) << "channel 5 is absent";
        EXPECT_NE(0, r[8] & 0x40) << "channel 1 is present";
        const int rain = r[35] | r[36] << 8;
        if (previousRain >= 0) {
            EXPECT_LE(rain, previousRain) << "rain counter going back in time, slot " << slot;
            rainIncreases += rain < previousRain;
        }
        previousRain = rain;
        const double uv = Uv(r + 23);
        if (t.hour < 5 || t.hour >= 21) uvByNight += uv > 0;
        if (t.hour >= 11 && t.hour <= 14) uvByDay += uv > 0;
        const double pressure = (r[25] | r[26] << 8) * 0.0625;
        EXPECT_GT(pressure, 980.0);
        EXPECT_LT(pressure, 1045.0);
        expected -= interval;
    }
    EXPECT_GE(dayMaxTemp - dayMinTemp, 5) << "daily temperature cycle";
    EXPECT_GT(rainIncreases, 0) << "rain accumulates";
    EXPECT_EQ(0, uvByNight);
    EXPECT_GT(uvByDay, 0);
    const double covariance = sumTH / n - (sumT / n) * (sumH / n);
    EXPECT_LT(covariance, 0) << "humidity moves against temperature";

    // Years of the 25 newest records, newest first.
    for (int k = 0; k < 25; ++k) {
        const int y = 2000 + Nib(image[225 + k], true) * 10 + Nib(image[225 + k], false);
        EXPECT_EQ(FromMinutes(newest - static_cast<int64_t>(k) * interval).year, y);
    }
}

TEST_F(UsbDemo, LiveBlocksFollowThePcClock) {
    const int64_t before = PcMinutes();
    const std::vector<unsigned char> stamp = ReadBlock(handle_, 0x20000);
    const int64_t after = PcMinutes();
    const StationTime now = FromMinutes(before);
    const int64_t live = StampMinutes(stamp.data(), now.year);
    EXPECT_GE(live, before);
    EXPECT_LE(live, after);
    EXPECT_EQ(now.weekday, stamp[0] >> 4);
    const std::vector<unsigned char> r = ReadBlock(handle_, 0x20001);
    EXPECT_EQ(0, r[16] & 0x40) << "channel 5 is absent";
    EXPECT_NE(0, r[4] & 0x40) << "channel 1 is present";
    EXPECT_GE(Wind(&r[25]), Wind(&r[27]));
    const double pressure = (r[20] | r[21] << 8) * 0.0625;
    EXPECT_GT(pressure, 980.0);
    EXPECT_LT(pressure, 1045.0);
}

TEST_F(UsbDemo, ARecordIsAppendedWhenTheIntervalPasses) {
    const std::vector<unsigned char> info = ReadBlock(handle_, 0xFC);
    const int index = (info[1] & 0x0F) << 8 | info[3];
    ASSERT_EQ(index, USBEmulatorControl("history-index"));
    const int slots = SlotCountOfSizeCode(SIZE_CODE_128K);
    const int newestSlot = (index + slots - 1) % slots;
    const std::vector<unsigned char> old = ReadBlock(handle_, SlotAddress(newestSlot));
    auto yearOfNewest = [&]() {
        const uint8_t y = ReadBlock(handle_, 225)[0];
        return 2000 + Nib(y, true) * 10 + Nib(y, false);
    };
    const int64_t oldMinutes = StampMinutes(old.data(), yearOfNewest());

    EXPECT_GE(USBEmulatorControl("advance 5"), 1);
    const int now = USBEmulatorControl("history-index");
    const int added = (now - index + slots) % slots;
    ASSERT_GE(added, 1);
    ASSERT_LE(added, 2);   // the PC clock may pass a record time during the test
    const std::vector<unsigned char> next = ReadBlock(handle_, SlotAddress(index));
    const std::vector<unsigned char> newest = ReadBlock(handle_, SlotAddress((now + slots - 1) % slots));
    EXPECT_EQ(oldMinutes + 5 * added, StampMinutes(newest.data(), yearOfNewest()));
    EXPECT_EQ(FromMinutes(oldMinutes + 5).minute, Nib(next[3], true) * 10 + Nib(next[3], false));
    const Image image = ReadWholeMemory(handle_);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST_F(UsbDemo, HistoryIndexWrapsAroundTheRing) {
    const int slots = SlotCountOfSizeCode(SIZE_CODE_128K);
    const int index = USBEmulatorControl("history-index");
    ASSERT_GE(index, 0);
    const int toEnd = slots - index;
    EXPECT_GE(USBEmulatorControl(("advance " + std::to_string(5 * (toEnd + 3))).c_str()), toEnd + 3);
    const int now = USBEmulatorControl("history-index");
    EXPECT_GE(now, 3);
    EXPECT_LT(now, index);
    const Image image = ReadWholeMemory(handle_);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
    // The newest record is the one just before the index, the record in the last slot 3 intervals older.
    const uint8_t* newest = &image[SlotAddress(now - 1)];
    const uint8_t* last = &image[SlotAddress(slots - 1)];
    ASSERT_LT(now, 25);
    EXPECT_EQ(StampMinutes(newest, RecordYear(image, 0)) - StampMinutes(last, RecordYear(image, now)),
              static_cast<int64_t>(5 * now));
}

TEST_F(UsbDemo, ANewRecordIntervalTakesEffectForTheNextRecord) {
    ASSERT_EQ(1u, Send(handle_, WriteFrame(254, {0x02}), 1).size());   // 10 minutes
    const int index = USBEmulatorControl("history-index");
    EXPECT_EQ(0, USBEmulatorControl("advance 0"));
    EXPECT_EQ(-1, USBEmulatorControl("advance 600000"));   // more than a year in one step
    EXPECT_EQ(-1, USBEmulatorControl("advance -5"));
    const int afterNothing = USBEmulatorControl("history-index");
    EXPECT_LE((afterNothing - index + 3442) % 3442, 1);
    const int written = USBEmulatorControl("advance 30");
    EXPECT_GE(written, 3);
    EXPECT_LE(written, 4);
    const Image image = ReadWholeMemory(handle_);
    EXPECT_EQ(2, IntervalCodeOf(image));
    EXPECT_TRUE(BadChecksumGroups(image).empty());
    const int now = HistoryIndexOf(image);
    const int newest = (now + 3441) % 3442, before = (now + 3440) % 3442;
    EXPECT_EQ(StampMinutes(&image[SlotAddress(newest)], RecordYear(image, 0)) -
              StampMinutes(&image[SlotAddress(before)], RecordYear(image, 1)), 10);
}

// The demo station without the DLL, at fixed times: records across a new year.
TEST(DemoStation, RecordsAcrossTheNewYearPushTheirYears) {
    DemoStation demo(StationTime{2009, 12, 31, 23, 52, 0});
    EXPECT_EQ(ToMinutes(StationTime{2009, 12, 31, 23, 50, 0}), demo.LastRecordMinutes());
    EXPECT_EQ(0x09, PeekByte(demo.GetImage(), 225));
    const int index = HistoryIndexOf(demo.GetImage());
    EXPECT_EQ(3, demo.AdvanceTo(static_cast<double>(ToMinutes(StationTime{2010, 1, 1, 0, 5, 0}))));
    const Image& image = demo.GetImage();
    EXPECT_EQ((index + 3) % 3442, HistoryIndexOf(image));
    EXPECT_EQ(0x10, PeekByte(image, 225));   // 00:05
    EXPECT_EQ(0x10, PeekByte(image, 226));   // 00:00
    EXPECT_EQ(0x09, PeekByte(image, 227));   // 23:55
    EXPECT_EQ(0x09, PeekByte(image, 228));   // 23:50
    EXPECT_EQ(0x10, PeekByte(image, 251));
    const RecordBytes newYear = ReadRecordBytes(image, index + 1);
    EXPECT_EQ(0x51, newYear[0]);             // Friday, January
    EXPECT_EQ(0x01, newYear[1]);
    EXPECT_EQ(0x00, newYear[2]);
    EXPECT_EQ(0x00, newYear[3]);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
    const Block stamp = demo.LiveStamp();
    EXPECT_EQ(0x51, stamp[0]);
    EXPECT_EQ(0x05, stamp[3]);
}

TEST(DemoStation, SameInstantGivesTheSameReadings) {
    DemoWeather a(0), b(0);
    const double t = static_cast<double>(ToMinutes(StationTime{2012, 7, 1, 13, 0, 0}));
    EXPECT_EQ(EncodeHistoryRecord(a.At(t)), EncodeHistoryRecord(b.At(t)));
    EXPECT_GT(a.Uv(t), 0.0);
    EXPECT_EQ(0.0, a.Uv(t + 11 * 60));   // midnight
    EXPECT_GE(a.RainCounter(t + 600), a.RainCounter(t));
}

}  // namespace
