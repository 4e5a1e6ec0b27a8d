// The About box's texts: before the first poll, from a station image built by the encoder, and the
// six status lines from the readings and histories.
#include "app/AboutTexts.h"

#include "platform/usb/StationImage.h"
#include "records/MainRecords.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace stationimage;

about::StationSources ReadySources(const Image& image)
{
    about::StationSources s;
    s.stationReady = true;
    s.image = image.data();
    s.versionsRead = s.memoryInfoRead = s.batteryRead = true;
    s.year = 2014; s.month = 1; s.day = 18; s.hour = 9; s.minute = 5;
    for (int k = 0; k < about::STATUS_COUNT; ++k)
        s.status[k] = L"status " + std::to_wstring(k);
    return s;
}

TEST(AboutTexts, BeforeTheFirstPollOnlyDashesAndTheProgramVersion)
{
    Image image = MakeEmptyImage();
    about::StationSources s = ReadySources(image);
    s.stationReady = false;
    std::wstring texts[ABOUT_TEXT_COUNT];
    about::FillTexts(s, texts);
    for (int k = 0; k < about::VERSION_COUNT; ++k)
        EXPECT_EQ(texts[k], L"  -") << k;
    for (int k = about::TEXT_RECORD_TIME; k < about::TEXT_PROGRAM_VERSION; ++k)
        EXPECT_EQ(texts[k], L" -") << k;
    EXPECT_EQ(texts[about::TEXT_PROGRAM_VERSION], L"Version 1.4");
}

TEST(AboutTexts, StationImageGivesVersionsMemoryIntervalAndBattery)
{
    Image image = MakeEmptyImage();
    SetVersion(image, {0x01, 0x12, 0x80, 0x20, 0xFF});
    SetMemoryInfo(image, SIZE_CODE_128K, 300, 6);
    PokeByte(image, 76, 0xA0);
    std::wstring texts[ABOUT_TEXT_COUNT];
    about::FillTexts(ReadySources(image), texts);
    EXPECT_EQ(texts[0], L"  V1");
    EXPECT_EQ(texts[1], L"  V12");
    EXPECT_EQ(texts[2], L"  V80");  // unsigned, not "Vffffff80"
    EXPECT_EQ(texts[4], L"  Vff");
    EXPECT_EQ(texts[about::TEXT_RECORD_TIME], L"2014.01.18 09:05");
    EXPECT_EQ(texts[about::TEXT_MEMORY_SIZE], L"1Mbit");
    EXPECT_EQ(texts[about::TEXT_RECORD_POINTER], std::to_wstring(SlotAddress(300)));
    EXPECT_EQ(texts[about::TEXT_INTERVAL], L"1.5 hours");
    EXPECT_EQ(texts[about::TEXT_BATTERY], L"+-+-----");
    EXPECT_EQ(texts[about::TEXT_STATUS_FIRST + 5], L"status 5");
    EXPECT_EQ(texts[about::TEXT_PROGRAM_VERSION], L"Version 1.4");

    SetMemoryInfo(image, SIZE_CODE_8K, 0, 0);
    about::FillTexts(ReadySources(image), texts);
    EXPECT_EQ(texts[about::TEXT_MEMORY_SIZE], L"64Kbit");
    EXPECT_EQ(texts[about::TEXT_INTERVAL], L"");  // code 0 names no interval
}

TEST(AboutTexts, FailedStationReadsGiveTheirDashes)
{
    Image image = MakeEmptyImage();
    SetVersion(image, {0x01, 0x12, 0x80, 0x20, 0xFF});
    about::StationSources s = ReadySources(image);
    s.versionsRead = s.memoryInfoRead = s.batteryRead = false;
    std::wstring texts[ABOUT_TEXT_COUNT];
    about::FillTexts(s, texts);
    EXPECT_EQ(texts[0], L"  -");
    EXPECT_EQ(texts[about::TEXT_MEMORY_SIZE], L" -");
    EXPECT_EQ(texts[about::TEXT_RECORD_POINTER], L" -");
    EXPECT_EQ(texts[about::TEXT_INTERVAL], L" -");
    EXPECT_EQ(texts[about::TEXT_BATTERY], L" -");
    EXPECT_EQ(texts[about::TEXT_RECORD_TIME], L"2014.01.18 09:05");
}

TEST(AboutTexts, StatusLinesFromTheNewestSamples)
{
    auto records = std::make_unique<CMainRecords>();
    CMainRecords& r = *records;
    const int last = SENSOR_HISTORY_SIZE - 1;
    r.m_sensorHistoryTemperatures[SensorRow(0)][last] = 21.5;
    r.m_sensorHistoryHumidities[SensorRow(0)][last] = 45.0;
    r.m_sensorHistoryCounts[0] = 3;
    r.m_humidityHistoryCounts[0] = 3;
    r.m_sensorHistoryTemperatures[SensorRow(2)][last] = -4.2;
    r.m_sensorHistoryCounts[2] = 1;  // channel 2 has temperatures but no humidity yet
    r.m_readings.m_valueTexts[22] = L"3.4";
    r.m_readings.m_valueTexts[23] = L"UU";
    r.m_uvHistoryCount = 0;
    r.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1] = 16.1;
    r.m_windHistoryCount = 5;
    r.m_windFactor = 1.61;  // km/h
    r.m_windNow[0] = 10.0;
    r.m_windNow[1] = DISPLAY_MISSING;

    std::wstring status[about::STATUS_COUNT];
    about::BuildStatusTexts(r, 32.2, L"  ", status);
    EXPECT_EQ(status[0], L"21.5 45.0");
    EXPECT_EQ(status[1], L"- - -4.2 - - - - - - -");
    EXPECT_EQ(status[2], L"-");            // no UV sample yet
    EXPECT_EQ(status[3], L"-");            // a missing pressure never prints as -999.9
    EXPECT_EQ(status[4], L"16.1 16.1 32.2 -");  // the maximum in km/h like the rest
    EXPECT_EQ(status[5], L"-");            // the rain control shows nothing

    r.m_uvHistoryCount = 2;
    r.m_readings.m_valueTexts[23] = L"1013.2";
    about::BuildStatusTexts(r, DISPLAY_MISSING, L"4.2", status);
    EXPECT_EQ(status[2], L"3.4");
    EXPECT_EQ(status[3], L"1013.2");
    EXPECT_EQ(status[5], L"4.2");
}

}  // namespace
