// The station memory encoder: byte patterns of every field kind, checksum groups, files.
#include "platform/usb/StationImage.h"
#include "UsbTestSupport.h"

#include <gtest/gtest.h>

using namespace stationimage;

namespace {

std::vector<uint8_t> Bytes(const Image& image, uint32_t from, uint32_t count) {
    return std::vector<uint8_t>(image.begin() + from, image.begin() + from + count);
}

TEST(StationImageFields, TemperaturesWithHalfDegreeSignAndPresence) {
    uint8_t b[2];
    EncodeTemperature(Val(24.55), false, true, b);
    EXPECT_EQ(0x45, b[0]); EXPECT_EQ(0xA2, b[1]);
    EncodeTemperature(Val(-24.55), false, true, b);
    EXPECT_EQ(0x45, b[0]); EXPECT_EQ(0x22, b[1]);
    EncodeTemperature(Val(25.25), true, true, b);
    EXPECT_EQ(0x52, b[0]); EXPECT_EQ(0xE2, b[1]);
    EncodeTemperature(Reading{25.25, Mark::Absent}, true, true, b);
    EXPECT_EQ(0x52, b[0]); EXPECT_EQ(0xA2, b[1]);          // presence bit clear: "OUT"
    EncodeTemperature(Val(-23.56), false, false, b);          // channel extremes: no half degree
    EXPECT_EQ(0x36, b[0]); EXPECT_EQ(0x02, b[1]);
    EncodeTemperature(Val(-0.01), false, true, b);            // rounds to 0: no negative zero
    EXPECT_EQ(0x00, b[0]); EXPECT_EQ(0x80, b[1]);
    EncodeTemperature(Val(150.0), false, true, b);            // limited to 99.95
    EXPECT_EQ(0x99, b[0]); EXPECT_EQ(0xA9, b[1]);
    EncodeTemperature(Marked(Mark::High), true, true, b);
    EXPECT_EQ(0xBB, b[0]);
    EncodeTemperature(Marked(Mark::Low), true, true, b);
    EXPECT_EQ(0xCC, b[0]);
    EncodeTemperature(Marked(Mark::Unknown), true, true, b);
    EXPECT_EQ(0xEE, b[0]);
}

TEST(StationImageFields, HumidityUvPressureWindForecastDirection) {
    EXPECT_EQ(0x45, EncodeHumidity(Val(45)));
    EXPECT_EQ(0x99, EncodeHumidity(Val(120)));
    EXPECT_EQ(0xBB, EncodeHumidity(Marked(Mark::High)));
    EXPECT_EQ(0xEE, EncodeHumidity(Marked(Mark::Absent)));
    uint8_t b[2];
    EncodeUv(Val(12.3), b);
    EXPECT_EQ(0x23, b[0]); EXPECT_EQ(0x01, b[1]);
    EncodePressure(1013.3125, b);
    EXPECT_EQ(0x55, b[0]); EXPECT_EQ(0x3F, b[1]);
    EncodeWind(Val(199.9), b);
    EXPECT_EQ(0x99, b[0]); EXPECT_EQ(0x19, b[1]);
    EncodeWind(Val(250.0), b);                                // limited like the station
    EXPECT_EQ(0x99, b[0]); EXPECT_EQ(0x19, b[1]);
    EncodeWind(Val(7.8), b);
    EXPECT_EQ(0x78, b[0]); EXPECT_EQ(0x00, b[1]);
    EncodeWind(Marked(Mark::Unknown), b);
    EXPECT_EQ(0xBB, b[0]); EXPECT_EQ(0x0B, b[1]);
    EncodeWind(Marked(Mark::Missing), b);
    EXPECT_EQ(0xEE, b[0]); EXPECT_EQ(0x0E, b[1]);
    EXPECT_EQ(0x0A, EncodeForecast(true, 2));
    EXPECT_EQ(0x07, EncodeForecast(false, 7));
    EXPECT_EQ(0xD4, EncodeDirection(4, WIND_STATUS_CLEAR));
}

TEST(StationImageTime, WeekdaysAndMinutesAcrossLeapYears) {
    EXPECT_EQ(7, StationWeekdayOf(2009, 3, 1));   // a Sunday
    EXPECT_EQ(4, StationWeekdayOf(2009, 12, 31)); // a Thursday
    EXPECT_EQ(5, StationWeekdayOf(2010, 1, 1));
    EXPECT_EQ(3, StationWeekdayOf(2040, 2, 29));  // past 2038
    for (const StationTime& t : {StationTime{2008, 2, 29, 23, 59, 0}, StationTime{2000, 3, 1, 0, 0, 0},
                                 StationTime{2100, 12, 31, 12, 30, 0}, StationTime{1970, 1, 1, 0, 0, 0}}) {
        const StationTime back = FromMinutes(ToMinutes(t));
        EXPECT_EQ(t.year, back.year); EXPECT_EQ(t.month, back.month); EXPECT_EQ(t.day, back.day);
        EXPECT_EQ(t.hour, back.hour); EXPECT_EQ(t.minute, back.minute);
    }
    EXPECT_EQ(ToMinutes({2008, 3, 1, 0, 0, 0}) - ToMinutes({2008, 2, 28, 0, 0, 0}), 2 * 1440);
    uint8_t s[4];
    EncodeTimeStamp({2009, 12, 31, 23, 5, 0}, s);
    EXPECT_EQ(0x4C, s[0]); EXPECT_EQ(0x31, s[1]); EXPECT_EQ(0x23, s[2]); EXPECT_EQ(0x05, s[3]);
    EncodeTimeStamp({2009, 3, 1, 7, 45, 1}, s);   // a given weekday code is kept
    EXPECT_EQ(0x13, s[0]);
}

TEST(StationImageRecords, RecordLayoutAndChecksums) {
    WeatherReading r = TypicalReading();
    r.time = {2010, 3, 14, 9, 37, 0};
    r.channelTemperature[2] = Val(25.25);
    r.channelHumidity[2] = Val(61);
    r.channelTemperature[4] = Marked(Mark::Absent);
    r.windChill = Reading{3.0, Mark::Absent};
    r.forecastCode = 7;
    r.rainCounter = 0x1234;
    const RecordBytes rec = EncodeHistoryRecord(r);
    EXPECT_EQ(0x73, rec[0]);                       // Sunday, March
    EXPECT_EQ(0x37, rec[3]);
    EXPECT_EQ(0x52, rec[13]); EXPECT_EQ(0xE2, rec[14]);   // channel 3 steps over the checksum at 15
    EXPECT_EQ(0x61, rec[16]);
    EXPECT_EQ(0, rec[21] & 0x40);                  // channel 5 absent
    EXPECT_EQ(0, rec[29] & 0x40);                  // wind chill absent
    EXPECT_EQ(0x07, rec[27]);
    EXPECT_EQ(0x34, rec[35]); EXPECT_EQ(0x12, rec[36]);
    unsigned first = 0, second = 0;
    for (int i = 0; i <= 15; ++i) first += rec[i];
    for (int i = 16; i <= 37; ++i) second += rec[i];
    EXPECT_EQ(0u, first & 0xFF);
    EXPECT_EQ(0u, second & 0xFF);

    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 1, 1);
    WriteHistoryRecord(image, 207, r);             // the last whole slot of 8 KB, at 8123
    EXPECT_EQ(0x73, image[8123]);
    EXPECT_EQ(rec, ReadRecordBytes(image, 207));
    EXPECT_TRUE(BadChecksumGroups(image).empty()); // zero slots are good too
    image[8123 + 20] ^= 0x01;
    EXPECT_EQ(std::vector<uint32_t>{8123 + 37}, BadChecksumGroups(image));
    FixAllChecksums(image);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST(StationImageSettings, MemoryInfoHistoryIndexAndYears) {
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_64K, 784, 11);
    EXPECT_EQ(0x03, image[252]);
    EXPECT_EQ(0x03, image[253] & 0x0F);
    EXPECT_EQ(0x10, image[255]);
    EXPECT_EQ(0x0B, image[254]);
    EXPECT_EQ(784, HistoryIndexOf(image));
    EXPECT_EQ(1717, SlotCountOfSizeCode(SizeCodeOf(image)));
    EXPECT_EQ(208, SlotCountOfSizeCode(SIZE_CODE_8K));
    EXPECT_EQ(855, SlotCountOfSizeCode(SIZE_CODE_32K));
    EXPECT_EQ(3442, SlotCountOfSizeCode(SIZE_CODE_128K));
    SetRecordYears(image, {2010, 2009, 2009}, 2010);
    EXPECT_EQ((std::vector<uint8_t>{0x10, 0x09, 0x09}), Bytes(image, 225, 3));
    PushRecordYear(image, 2011);
    EXPECT_EQ((std::vector<uint8_t>{0x11, 0x10, 0x09, 0x09}), Bytes(image, 225, 4));
    EXPECT_EQ(0x11, image[251]);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST(StationImageSettings, LocationAltitudeAndAlarmsAsTheWritersEncodeThem) {
    Image image = MakeEmptyImage();
    LocationSetting city;
    city.latDegrees = 51; city.latMinutes = 30; city.lonDegrees = 0; city.lonMinutes = 7; city.west = true;
    city.dstRule = 0; city.zonePlus = true; city.zoneHours = 0; city.cityCode = 123;
    SetLocation(image, 0, city);
    EXPECT_EQ((std::vector<uint8_t>{0x15, 0x03, 0x00, 0x70, 0x00, 0x00}), Bytes(image, 6, 6));
    EXPECT_EQ(0x70, image[12] & 0xF0);
    EXPECT_EQ(0x0B, image[13] & 0x0F);
    city.lonDegrees = 105; city.west = false; city.south = true; city.dstRule = 1; city.zonePlus = false;
    city.zoneHours = 5; city.zoneMinutes = 30; city.cityCode = 45;
    SetLocation(image, 1, city);
    EXPECT_EQ(0x50, image[24]);
    EXPECT_EQ(0x80 | 0x40 | 0x10 | 0x08 | 0x03, image[26]);
    EXPECT_EQ(0x10, image[27]);
    EXPECT_EQ(0x5D, image[29]);

    SetAltitude(image, -30);
    EXPECT_EQ((std::vector<uint8_t>{0x1E, 0x00, 0x08}), Bytes(image, 90, 3));
    SetAltitude(image, 305);
    EXPECT_EQ((std::vector<uint8_t>{0x31, 0x01, 0x00}), Bytes(image, 90, 3));

    AlarmSetting a;
    a.weekdayHour = 7; a.weekdayMinute = 45; a.singleAlarmOn = true; a.weekdayAlarmOn = true;
    a.rainUpper = 1234; a.windUpper = 123; a.gustUpper = 45;
    a.temperatureUpper = 25.5; a.temperatureLower = -3.5;
    SetAlarms(image, a);
    EXPECT_EQ(0x7C, image[16]);
    EXPECT_EQ(0x54, image[17]);
    EXPECT_EQ(0x34, image[161]); EXPECT_EQ(0x12, image[162]);
    EXPECT_EQ(0x30, image[164]); EXPECT_EQ(0x12, image[165]);
    EXPECT_EQ(0x50, image[167]); EXPECT_EQ(0x04, image[168]);
    EXPECT_EQ(0x55, image[31]); EXPECT_EQ(0x82, image[32]);
    EXPECT_EQ(0x35, image[33]); EXPECT_EQ(0x00, image[34]);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST(StationImageSettings, ExtremesTrendsUvMaximaAndCounters) {
    Image image = MakeEmptyImage();
    MinMaxSetting m;
    m.sensors[0].temperatureMin = Val(23.55);
    m.sensors[0].temperatureMax = Marked(Mark::Low);
    m.sensors[1].temperatureMin = Val(-23.5);
    m.sensors[1].humidityMin = Marked(Mark::High);
    m.sensors[4].temperatureMax = Val(12.3);   // channel 4's second temperature straddles 63
    m.temperatureTrend = {3, 2, 1, 0, 1, 2};
    m.humidityTrend = {1, 1, 2, 2, 3, 3};
    m.uvDailyMax = {Val(1.2), Val(3.4), Val(0), Val(0), Val(0), Val(0), Val(12.5), Val(7.8)};
    m.windMax = Val(209.9);
    m.rainCounts = {100, 0xFFFF, 65534};
    SetMinMax(image, m);
    EXPECT_EQ(0x35, image[36]); EXPECT_EQ(0xA2, image[37]);
    EXPECT_EQ(0xCC, image[38]);
    EXPECT_EQ(0x35, image[42]); EXPECT_EQ(0x02, image[43]);
    EXPECT_EQ(0xBB, image[46]);
    EXPECT_EQ(0x23, image[62]); EXPECT_EQ(0x81, image[64]);
    EXPECT_EQ(0x1B, image[73]);                  // trends of sensors 3, 2, 1, 0: 0, 1, 2, 3
    EXPECT_EQ(0x59, image[74]);                  // humidity of sensors 1, 0: 1, 1; temperature of 5, 4: 2, 1
    EXPECT_EQ(0xFA, image[75]);
    EXPECT_EQ((std::vector<uint8_t>{0x12, 0x40, 0x03}), Bytes(image, 77, 3));
    EXPECT_EQ((std::vector<uint8_t>{0x25, 0x81, 0x07}), Bytes(image, 86, 3));
    EXPECT_EQ(0x99, image[170]); EXPECT_EQ(0x19, image[171]);
    EXPECT_EQ((std::vector<uint8_t>{0x64, 0x00, 0xFF, 0xFF, 0xFE, 0xFF}), Bytes(image, 174, 6));
    EXPECT_TRUE(BadChecksumGroups(image).empty());

    std::array<double, 25> hourly{};
    for (int i = 0; i < 25; ++i) hourly[i] = 1000.0 + i;
    SetPressureHistory(image, {2010, 3, 14, 9, 0, 0}, hourly);
    EXPECT_EQ(0x73, image[96]);
    EXPECT_EQ(0x80, image[100]); EXPECT_EQ(0x3E, image[101]);   // 1000 hPa = 16000 counts
    EXPECT_EQ(0x30, image[122]); EXPECT_EQ(0x3F, image[124]);   // 1011 hPa, stepping over 123
    EXPECT_EQ(0x00, image[149]); EXPECT_EQ(0x40, image[150]);   // 1024 hPa
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST(StationImageChecksums, GroupsLeftOutBytesAndBadGroups) {
    Image image = MakeEmptyImage();
    image[94] = 0x12;
    image[95] = 0x34;                             // left out of the sum of 94..123
    image[200] = 0x77;                            // left out of the sum of 181..250
    EXPECT_TRUE(BadChecksumGroups(image).empty());
    image[17] = 0x01;
    EXPECT_EQ(std::vector<uint32_t>{21}, BadChecksumGroups(image));
    FixSettingsChecksums(image);
    EXPECT_EQ(0xFF, image[21]);
    EXPECT_TRUE(BadChecksumGroups(image).empty());
    EXPECT_EQ(14u, SettingsChecksumGroups().size());
}

TEST(StationImageWrites, OnlyKnownSettingsAreApplied) {
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 5, 1);
    FixAllChecksums(image);
    const Image before = image;
    uint8_t data[32] = {0x55};
    EXPECT_FALSE(ApplySettingsWrite(image, 0xFC, data));
    EXPECT_FALSE(ApplySettingsWrite(image, 300, data));
    EXPECT_FALSE(ApplySettingsWrite(image, 254, data));   // 0x55 is no interval code
    EXPECT_EQ(before, image);
    data[0] = 3;
    EXPECT_TRUE(ApplySettingsWrite(image, 254, data));
    EXPECT_EQ(3, IntervalCodeOf(image));
    EXPECT_EQ(5, HistoryIndexOf(image));
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

TEST(StationImageFiles, WrittenAndReadBackWithAndWithoutLiveBlocks) {
    const std::wstring path = usbtest::TempFile(L"image_roundtrip.bin");
    Image image = MakeEmptyImage();
    image[0] = 1;
    image[IMAGE_BYTES - 1] = 2;
    LiveBlocks live;
    live.stamp = EncodeLiveStamp({2010, 3, 14, 9, 5, 0});
    live.readings = EncodeLiveReadings(TypicalReading());
    ASSERT_TRUE(WriteImageFile(path, image, &live));
    EXPECT_EQ(IMAGE_FILE_BYTES_WITH_LIVE, usbtest::ReadWholeFile(path).size());
    Image back;
    LiveBlocks liveBack;
    bool hasLive = false;
    ASSERT_TRUE(ReadImageFile(path, back, liveBack, &hasLive));
    EXPECT_TRUE(hasLive);
    EXPECT_EQ(image, back);
    EXPECT_EQ(live.stamp, liveBack.stamp);
    EXPECT_EQ(live.readings, liveBack.readings);
    ASSERT_TRUE(WriteImageFile(path, image, nullptr));
    ASSERT_TRUE(ReadImageFile(path, back, liveBack, &hasLive));
    EXPECT_FALSE(hasLive);
    EXPECT_EQ(Block{}, liveBack.stamp);
    EXPECT_FALSE(WriteImageFile(path, Image(100), nullptr));
    DeleteFileW(path.c_str());
}

TEST(StationImageLive, ReadingsBlockLayout) {
    WeatherReading r = TypicalReading();
    r.indoorTemperature = Val(24.55);
    r.channelTemperature[0] = Reading{20.0, Mark::Absent};
    r.uv = Val(5.6);
    r.pressureHpa = 1013.3125;
    r.forecastFlag = true;
    r.forecastCode = 2;
    r.windChill = Val(-5.0);
    r.gust = Val(199.9);
    r.windSpeed = Marked(Mark::Missing);
    r.windDirection = 4;
    r.windStatus = WIND_STATUS_CLEAR;
    r.rainCounter = 513;
    const Block b = EncodeLiveReadings(r);
    EXPECT_EQ(0x45, b[0]); EXPECT_EQ(0xA2, b[1]);
    EXPECT_EQ(0x45, b[2]);
    EXPECT_EQ(0x00, b[3]); EXPECT_EQ(0x82, b[4]);   // channel 1 valid bit clear
    EXPECT_EQ(0x56, b[18]); EXPECT_EQ(0x00, b[19]);
    EXPECT_EQ(0x55, b[20]); EXPECT_EQ(0x3F, b[21]);
    EXPECT_EQ(0x0A, b[22]);
    EXPECT_EQ(0x50, b[23]); EXPECT_EQ(0x40, b[24]);
    EXPECT_EQ(0x99, b[25]); EXPECT_EQ(0x19, b[26]);
    EXPECT_EQ(0xEE, b[27]); EXPECT_EQ(0x0E, b[28]);
    EXPECT_EQ(0xD4, b[29]);
    EXPECT_EQ(0x01, b[30]); EXPECT_EQ(0x02, b[31]);
}

}  // namespace

namespace {

TEST(StationImageRecords, SeriesWrapsThroughTheRingOfTheMemorySize) {
    Image image = MakeEmptyImage();
    SetMemoryInfo(image, SIZE_CODE_8K, 2, 1);
    WeatherReading base = TypicalReading();
    base.time = {2010, 1, 1, 0, 5, 0};
    base.rainCounter = 500;
    WriteRecordSeries(image, 1, 4, base, 5, 2);
    // Slots 1, 0, then the last whole slot 207 and 206 (23:55 and 23:50 of the year before).
    EXPECT_EQ(0x05, ReadRecordBytes(image, 1)[3]);
    EXPECT_EQ(0x00, ReadRecordBytes(image, 0)[3]);
    const RecordBytes december = ReadRecordBytes(image, 207);
    EXPECT_EQ(0x4C, december[0]);
    EXPECT_EQ(0x31, december[1]);
    EXPECT_EQ(0x55, december[3]);
    EXPECT_EQ(496, december[35] | december[36] << 8);
    EXPECT_EQ(0x50, ReadRecordBytes(image, 206)[3]);
    EXPECT_EQ(RecordBytes{}, ReadRecordBytes(image, 205));
    EXPECT_EQ((std::vector<uint8_t>{0x10, 0x10, 0x09, 0x09}), Bytes(image, 225, 4));
    EXPECT_TRUE(BadChecksumGroups(image).empty());
}

}  // namespace
