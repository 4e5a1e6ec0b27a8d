#include "app/PollLoop.h"
#include "records/AutoSave.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <ctime>

#include <memory>
#include <vector>

using namespace poll;

namespace {

// ---- automatic saving ----------------------------------------------------------------------------

TEST(PollAutoSave, IntervalInMinutesByChoice)
{
    EXPECT_EQ(AutoSaveIntervalMinutes(1, 0), 2);
    EXPECT_EQ(AutoSaveIntervalMinutes(2, 1), 5);
    EXPECT_EQ(AutoSaveIntervalMinutes(3, 1), 10);
    EXPECT_EQ(AutoSaveIntervalMinutes(4, 1), 30);
    EXPECT_EQ(AutoSaveIntervalMinutes(5, 9), 60);
    EXPECT_EQ(AutoSaveIntervalMinutes(6, 2), 2880);
    EXPECT_EQ(AutoSaveIntervalMinutes(7, 3), 30240);
    EXPECT_EQ(AutoSaveIntervalMinutes(8, 1), 43200);  // a month is 30 days
    EXPECT_EQ(AutoSaveIntervalMinutes(8, 2), 86400);
}

TEST(PollAutoSave, NoIntervalForNoneDamagedIndexesAndEmptyCounts)
{
    EXPECT_EQ(AutoSaveIntervalMinutes(0, 5), 0);
    EXPECT_EQ(AutoSaveIntervalMinutes(9, 5), 0);
    EXPECT_EQ(AutoSaveIntervalMinutes(-1, 5), 0);
    EXPECT_EQ(AutoSaveIntervalMinutes(6, 0), 0);
    EXPECT_EQ(AutoSaveIntervalMinutes(7, -3), 0);
    EXPECT_EQ(AutoSaveIntervalMinutes(8, 0x7FFFFFFF), 0x7FFFFFFF);  // no overflow into a negative
}

// Minutes (1-based) at which a save happens during `minutes` minutes.
std::vector<int> SaveMinutes(int interval, int minutes, int start = 0)
{
    std::vector<int> saves;
    int counter = start;
    for (int m = 1; m <= minutes; ++m)
        if (CountAutoSaveMinute(&counter, interval))
            saves.push_back(m);
    return saves;
}

TEST(PollAutoSave, SavesEveryIntervalFromTheStart)
{
    EXPECT_EQ(SaveMinutes(AutoSaveIntervalMinutes(1, 1), 7), (std::vector<int>{2, 4, 6}));
    const std::vector<int> days = SaveMinutes(AutoSaveIntervalMinutes(6, 2), 6000);
    EXPECT_EQ(days, (std::vector<int>{2880, 5760}));
    EXPECT_TRUE(SaveMinutes(0, 100).empty());
}

TEST(PollAutoSave, LoweringTheIntervalBelowTheCounterStillSaves)
{
    // 25 minutes counted towards 30, then the user picks 10 minutes: the next minute saves.
    EXPECT_EQ(SaveMinutes(10, 11, 25), (std::vector<int>{1, 11}));
}

TEST(PollAutoSave, StampAndPath)
{
    EXPECT_EQ(AutoSaveStamp(2014, 3, 7, 9, 5), L"1403070905");
    EXPECT_EQ(AutoSaveStamp(2009, 12, 31, 23, 59), L"0912312359");
    EXPECT_EQ(AutoSavePath(L"C:\\Saves", L"RECORD1403070905", L"csv"), L"C:\\Saves\\RECORD1403070905.csv");
    EXPECT_EQ(AutoSavePath(L"C:\\Brisvane\\", L"R", L"jpg"), L"C:\\Brisvane\\R.jpg");
}

// ---- download progress --------------------------------------------------------------------------------

TEST(PollProgress, StepFollowsTheReadAddress)
{
    EXPECT_EQ(DownloadProgressStep(0x10000, 0x20000, 0), 750);
    EXPECT_EQ(DownloadProgressStep(0x10000, 0x20000, 700), 50);
    EXPECT_EQ(DownloadProgressStep(0x10000, 0x20000, 800), 0);  // never backwards
    EXPECT_EQ(DownloadProgressStep(0x1FFE0, 0x20000, 1485), 14);
    EXPECT_EQ(DownloadProgressStep(0x30000, 0x20000, 1400), 100);  // never past the end
}

TEST(PollProgress, BarLeftAloneAtTheStopOrWithoutAMemorySize)
{
    EXPECT_EQ(DownloadProgressStep(0x20000, 0x20000, 1486), -1);
    EXPECT_EQ(DownloadProgressStep(0x20000, 0x20000, 1500), -1);
    EXPECT_EQ(DownloadProgressStep(100, 0, 0), -1);
    EXPECT_EQ(DownloadProgressStep(100, -1, 0), 0);  // no size from the station: no movement
}

TEST(PollProgress, PercentText)
{
    EXPECT_EQ(DownloadPercent(0), 0);
    EXPECT_EQ(DownloadPercent(644), 42);
    EXPECT_EQ(DownloadPercent(1485), 99);
    EXPECT_EQ(DownloadProgressText(42), L"Receiving data... 42% done");
}

// ---- countdown --------------------------------------------------------------------------------------

TEST(PollCountdown, TextAndBarByElapsedTime)
{
    Countdown c = CountdownAt(0);
    EXPECT_EQ(c.text, L"Remaining time  2:00");
    EXPECT_EQ(c.barPosition, 0);
    c = CountdownAt(55);
    EXPECT_EQ(c.text, L"Remaining time  1:05");
    EXPECT_EQ(c.barPosition, 687);
    c = CountdownAt(111);
    EXPECT_EQ(c.text, L"Remaining time  0:09");
    c = CountdownAt(110);
    EXPECT_EQ(c.text, L"Remaining time  0:10");
}

TEST(PollCountdown, StaysAtZeroAfterThePeriod)
{
    for (long long elapsed : {120LL, 121LL, 3600LL}) {
        const Countdown c = CountdownAt(elapsed);
        EXPECT_EQ(c.text, L"Remaining time  0:00");
        EXPECT_EQ(c.barPosition, 1500);
    }
    EXPECT_EQ(CountdownAt(-5).barPosition, 0);  // clock set back
}

TEST(PollCountdown, ShortenedPeriod)
{
    const Countdown c = CountdownAt(2, 10);
    EXPECT_EQ(c.text, L"Remaining time  0:08");
    EXPECT_EQ(c.barPosition, 300);
}

TEST(PollCountdown, RecordFileMessageStandsInForTheCountdownWhileLinesWait)
{
    const Countdown c = CountdownAt(55);
    EXPECT_EQ(PollStatusText(c, false, false, LANGUAGE_GERMAN), L"Remaining time  1:05");
    EXPECT_EQ(PollStatusText(c, true, false, LANGUAGE_ENGLISH), L"Can't write record file!");
    EXPECT_EQ(PollStatusText(c, true, false, LANGUAGE_GERMAN), L"Messdatei nicht schreibbar!");
    EXPECT_EQ(PollStatusText(c, true, false, 99), L"Can't write record file!");
    // A live file that cannot be written comes first: without it no record comes in at all.
    EXPECT_EQ(PollStatusText(c, true, true, LANGUAGE_ENGLISH), L"Can't write station data!");
    EXPECT_EQ(PollStatusText(c, false, true, LANGUAGE_DUTCH), L"Stationsgegevens niet schrijfbaar!");
}

// ---- first poll walks ---------------------------------------------------------------------------------

double T(int year, int month, int day, int hour, int minute, int second = 0)
{
    return CMainRecords::ChartTimeOf(year, month, day, hour, minute, second);
}

// A downloaded history of `rows` rows every `stepMinutes`, the newest at the given time.
struct FakeHistory {
    std::vector<int> year, month, day, hour, minute;
    std::vector<double> rain, uv, speed, direction;
    std::vector<double> sensor[SENSOR_COUNT][3];

    FakeHistory(int rows, int stepMinutes, int y, int mo, int d, int h, int mi)
    {
        std::tm newest{};
        newest.tm_year = y - 1900;
        newest.tm_mon = mo - 1;
        newest.tm_mday = d;
        newest.tm_hour = h;
        newest.tm_min = mi;
        const __time64_t newestSeconds = _mkgmtime64(&newest);
        for (int r = 0; r < rows; ++r) {
            const __time64_t t = newestSeconds - 60LL * stepMinutes * (rows - 1 - r);
            std::tm row{};
            _gmtime64_s(&row, &t);
            year.push_back(row.tm_year + 1900);
            month.push_back(row.tm_mon + 1);
            day.push_back(row.tm_mday);
            hour.push_back(row.tm_hour);
            minute.push_back(row.tm_min);
            rain.push_back(0);
            uv.push_back(1.0);
            speed.push_back(3.0);
            direction.push_back(4);
            for (int s = 0; s < SENSOR_COUNT; ++s) {
                sensor[s][0].push_back(20.0 + s);
                sensor[s][1].push_back(50.0 + s);
                sensor[s][2].push_back(10.0 + s);
            }
        }
    }

    HistoryColumns Columns()
    {
        HistoryColumns c;
        c.rows = static_cast<int>(year.size());
        c.year = year.data();
        c.month = month.data();
        c.day = day.data();
        c.hour = hour.data();
        c.minute = minute.data();
        c.rain = rain.data();
        c.uv = uv.data();
        c.windSpeed = speed.data();
        c.windDirection = direction.data();
        for (int s = 0; s < SENSOR_COUNT; ++s)
            for (int k = 0; k < 3; ++k)
                c.sensor[s][k] = sensor[s][k].data();
        return c;
    }
};

TEST(PollFirstPoll, FakeHistoryRowTimesStepBack)
{
    FakeHistory h(300, 5, 2014, 3, 2, 0, 10);
    const HistoryColumns c = h.Columns();
    for (int r = 1; r < c.rows; ++r)
        ASSERT_DOUBLE_EQ(c.RowTime(r) - c.RowTime(r - 1), 300.0) << r;
    EXPECT_DOUBLE_EQ(c.RowTime(c.rows - 1), T(2014, 3, 2, 0, 10));
}

TEST(PollFirstPoll, LimitsOfTheRecordTime)
{
    const FirstPollLimits l = FirstPollLimitsOf(2014, 1, 18, 9, 5);
    EXPECT_DOUBLE_EQ(l.now, T(2014, 1, 18, 9, 5));
    EXPECT_DOUBLE_EQ(l.now - l.since8h, 28800);
    EXPECT_DOUBLE_EQ(l.now - l.since12h, 43200);
    EXPECT_DOUBLE_EQ(l.now - l.since24h, 86400);
    EXPECT_DOUBLE_EQ(l.endOfDay, T(2014, 1, 18, 23, 59, 59));
    EXPECT_DOUBLE_EQ(l.endOfDay - l.since15d, 1296000);
}

TEST(PollFirstPoll, PressureFromTheHeaderNewestLast)
{
    auto r = std::make_unique<CMainRecords>();
    for (int k = 0; k < 25; ++k)
        r->m_readings.m_headerHourlyPressure[k] = 1000 + k;
    r->m_pressureFactor = 0.75025;
    const double now = T(2014, 1, 18, 9, 5);
    SeedPressureHistory(*r, now);
    EXPECT_EQ(r->m_pressureHistoryCount, 25);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryValues[749], 1000 * 0.75025);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryTimes[749], now);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryValues[725], 1024 * 0.75025);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryTimes[725], now - 24 * 3600);
}

TEST(PollFirstPoll, AnHourWithoutPressureOrBeyondAnyRealOneStaysOutOfTheHistory)
{
    auto r = std::make_unique<CMainRecords>();
    for (int k = 0; k < 25; ++k)
        r->m_readings.m_headerHourlyPressure[k] = 1000 + k;
    r->m_readings.m_headerHourlyPressure[5] = DISPLAY_MISSING;
    r->m_readings.m_headerHourlyPressure[1] = 1650;  // beyond any real pressure: charted, it would dip to 0
    r->m_pressureFactor = 0.02954;  // inHg: a converted -999.9 would look like a pressure
    const double now = T(2014, 1, 18, 9, 5);
    SeedPressureHistory(*r, now);
    EXPECT_EQ(r->m_pressureHistoryCount, 23);
    for (int i = 750 - 23; i < 750; ++i)
        EXPECT_GE(r->m_pressureHistoryValues[i], 1000 * 0.02954) << i;
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryTimes[748], now - 2 * 3600);
    // The hour after the gap keeps its own time.
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryValues[746], 1004 * 0.02954);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryValues[745], 1006 * 0.02954);
    EXPECT_DOUBLE_EQ(r->m_pressureHistoryTimes[745], now - 6 * 3600);
}

TEST(PollFirstPoll, DownloadedLocationReachesTheAutomaticSaving)
{
    auto r = std::make_unique<CMainRecords>();
    CityLocation city;
    city.name = L"Greenwich";
    // User-defined city at 51 degrees 30 minutes north, 0 degrees 7 minutes west, UTC+1, rule 3.
    const int header[11] = {USER_DEFINED_CITY, 1, 1, 0, 1, 0, 7, 0, 51, 30, 3};
    TakeDownloadedLocation(header, city, *r);
    EXPECT_EQ(city.latitudeDegrees, 51);
    EXPECT_EQ(city.longitudeMinutes, 7);
    EXPECT_EQ(city.longitudeHemisphere, 1);
    EXPECT_EQ(city.zoneHours, 1);
    EXPECT_EQ(city.dstRule, 3);

    PointCurrentLanguageViews(LANGUAGE_ENGLISH);
    AutoSaveSnapshot snapshot;
    snapshot.location.cityIndex = r->m_cityIndex = USER_DEFINED_CITY;
    snapshot.location.userCityName = r->m_userCityName;
    snapshot.location.position = r->m_position;
    const std::wstring lines = BuildAutoSaveCsvLines(snapshot, LANGUAGE_ENGLISH, 0);
    EXPECT_NE(lines.find(L"City name,Greenwich\n"), std::wstring::npos);
    EXPECT_NE(lines.find(L"Latitude,51,30,north\n"), std::wstring::npos);
    EXPECT_NE(lines.find(L"Longitude,0,7,west\n"), std::wstring::npos);
}

TEST(PollFirstPoll, RainSinceTheResetBecomesIncrements)
{
    FakeHistory h(6, 60, 2014, 1, 18, 9, 0);  // 04:00 .. 09:00
    const double counters[6] = {10, 12, 12.5, 3, DISPLAY_MISSING, 4};
    for (int i = 0; i < 6; ++i)
        h.rain[i] = counters[i];
    HistoryColumns c = h.Columns();
    double last = 11, atReset = 11;
    const double reset = T(2014, 1, 18, 5, 0);
    EXPECT_FALSE(ConvertDownloadedRain(c, T(2014, 1, 18, 8, 30), true, reset, 99, &last, &atReset));
    EXPECT_DOUBLE_EQ(h.rain[0], DISPLAY_MISSING);  // before the reset
    EXPECT_DOUBLE_EQ(h.rain[1], 1.0);              // 12 - 11
    EXPECT_DOUBLE_EQ(h.rain[2], 0.5);
    EXPECT_DOUBLE_EQ(h.rain[3], 3.0);              // counter drop: its own value, no wrap
    EXPECT_DOUBLE_EQ(h.rain[4], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(h.rain[5], DISPLAY_MISSING);  // after the record time
    EXPECT_DOUBLE_EQ(last, 3.0);
    EXPECT_DOUBLE_EQ(atReset, 11);
}

TEST(PollFirstPoll, WithoutAResetTheNewestCounterBecomesTheBase)
{
    FakeHistory h(3, 60, 2014, 1, 18, 9, 0);
    h.rain = {5, 7, DISPLAY_MISSING};
    HistoryColumns c = h.Columns();
    double last = 0, atReset = 0;
    EXPECT_TRUE(ConvertDownloadedRain(c, T(2014, 1, 18, 9, 0), false, 0, 99, &last, &atReset));
    EXPECT_DOUBLE_EQ(last, 7);  // the newest present counter, not the missing one
    EXPECT_DOUBLE_EQ(atReset, 7);
    for (double v : h.rain)
        EXPECT_DOUBLE_EQ(v, DISPLAY_MISSING);
    // No counter in the download at all: the current reading's counter is the base.
    HistoryColumns none = c;
    none.rows = 0;
    EXPECT_TRUE(ConvertDownloadedRain(none, T(2014, 1, 18, 9, 0), false, 0, 99, &last, &atReset));
    EXPECT_DOUBLE_EQ(last, 99);
    EXPECT_DOUBLE_EQ(atReset, 99);
    // ... and with no counter anywhere the old base stays.
    EXPECT_TRUE(ConvertDownloadedRain(none, T(2014, 1, 18, 9, 0), false, 0, DISPLAY_MISSING, &last, &atReset));
    EXPECT_DOUBLE_EQ(last, 99);
}

TEST(PollFirstPoll, HistoriesTakeRowsWithinTheirSpans)
{
    // 30 hours of rows every 10 minutes, newest 09:00; the record itself at 08:55.
    FakeHistory h(181, 10, 2014, 1, 18, 9, 0);
    h.speed[170] = DISPLAY_MISSING;              // 07:20
    h.uv[175] = MISSING_VALUE;                   // 08:10
    h.sensor[0][1][160] = DISPLAY_MISSING;       // indoor humidity at 05:40
    h.sensor[3][0][165] = DISPLAY_MISSING;       // channel 3 temperature at 06:30
    HistoryColumns c = h.Columns();
    auto r = std::make_unique<CMainRecords>();
    const FirstPollLimits l = FirstPollLimitsOf(2014, 1, 18, 8, 55);
    std::vector<double> values(RAIN_SAMPLE_COUNT), times(RAIN_SAMPLE_COUNT);
    const int taken = SeedHistoriesFromDownload(*r, c, l, false, values.data(), times.data());
    EXPECT_EQ(taken, 0);  // no rain reset: no rain samples
    // The row at 09:00 lies after the record and is skipped; 08:50 is the newest taken.
    EXPECT_DOUBLE_EQ(r->m_windHistoryTimes[749], T(2014, 1, 18, 8, 50));
    // Wind: 24 h back to 08:55 of the day before -> rows 09:00 (prev day) .. 08:50, less one missing.
    EXPECT_EQ(r->m_windHistoryCount, 144 - 1);
    EXPECT_DOUBLE_EQ(r->m_windHistoryDirections[749], 4);
    // UV: 12 h -> 21:00 .. 08:50 is 72 rows, less one missing.
    EXPECT_EQ(r->m_uvHistoryCount, 72 - 1);
    // Sensors: 8 h -> 01:00 .. 08:50 is 48 rows.
    EXPECT_EQ(r->m_sensorHistoryCounts[0], 48);
    EXPECT_EQ(r->m_humidityHistoryCounts[0], 47);
    EXPECT_EQ(r->m_sensorHistoryCounts[3], 47);
    EXPECT_EQ(r->m_humidityHistoryCounts[3], 48);
    // Indoor in the last row of the value arrays, channel 1 in the first; times by sensor.
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryTemperatures[5][239], 20.0);
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryTemperatures[0][239], 21.0);
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryHumidities[0][239], 51.0);
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryDewpoints[5][239], 10.0);
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryTimes[0][239], T(2014, 1, 18, 8, 50));
    EXPECT_DOUBLE_EQ(r->m_sensorHistoryTimes[0][240 - 48], T(2014, 1, 18, 1, 0));
}

TEST(PollFirstPoll, FullHistoriesTakeNoMore)
{
    FakeHistory h(400, 1, 2014, 1, 18, 9, 0);  // 400 rows in the last 7 hours: more than 360 UV samples
    HistoryColumns c = h.Columns();
    auto r = std::make_unique<CMainRecords>();
    r->m_sensorHistoryCounts[2] = 230;
    const FirstPollLimits l = FirstPollLimitsOf(2014, 1, 18, 9, 0);
    SeedHistoriesFromDownload(*r, c, l, false, nullptr, nullptr);
    EXPECT_EQ(r->m_uvHistoryCount, 360);
    EXPECT_DOUBLE_EQ(r->m_uvHistoryTimes[0], T(2014, 1, 18, 9, 0) - 359 * 60.0);
    EXPECT_EQ(r->m_sensorHistoryCounts[2], 240);
    EXPECT_EQ(r->m_windHistoryCount, 400);
}

TEST(PollFirstPoll, HourlyRainSumsLeaveEmptyHoursOut)
{
    FakeHistory h(49, 30, 2014, 1, 18, 9, 0);  // every 30 minutes from 09:00 the day before
    for (double& v : h.rain)
        v = DISPLAY_MISSING;
    // Increments 0.25 at 09:00, 0.5 at 08:30, 0 at 08:00 and 1.0 at 06:00; a zero counts as a
    // sample, a missing value does not.
    const int newest = 48;
    h.rain[newest] = 0.25;      // 09:00
    h.rain[newest - 1] = 0.5;   // 08:30
    h.rain[newest - 2] = 0.0;   // 08:00
    h.rain[newest - 6] = 1.0;   // 06:00
    HistoryColumns c = h.Columns();
    auto r = std::make_unique<CMainRecords>();
    const FirstPollLimits l = FirstPollLimitsOf(2014, 1, 18, 9, 0);
    std::vector<double> values(RAIN_SAMPLE_COUNT), times(RAIN_SAMPLE_COUNT);
    const int taken = SeedHistoriesFromDownload(*r, c, l, true, values.data(), times.data());
    EXPECT_EQ(taken, 4);
    BuildHourlyRainHistory(*r, values.data(), times.data(), taken, l.endOfDay);
    // Buckets end at hh:59:59: (08:59:59, 09:59:59] holds 09:00; (07:59:59, 08:59:59] holds 08:00 and
    // 08:30; (05:59:59, 06:59:59] holds 06:00. The hours between store nothing.
    ASSERT_EQ(r->m_rainHistoryCount, 3);
    EXPECT_DOUBLE_EQ(r->m_rainHistoryValues[359], 0.25);
    EXPECT_DOUBLE_EQ(r->m_rainHistoryTimes[359], T(2014, 1, 18, 9, 59, 59));
    EXPECT_DOUBLE_EQ(r->m_rainHistoryValues[358], 0.5);
    EXPECT_DOUBLE_EQ(r->m_rainHistoryTimes[358], T(2014, 1, 18, 8, 59, 59));
    EXPECT_DOUBLE_EQ(r->m_rainHistoryValues[357], 1.0);
    EXPECT_DOUBLE_EQ(r->m_rainHistoryTimes[357], T(2014, 1, 18, 6, 59, 59));
}

TEST(PollFirstPoll, OnlyTheTakenRainSamplesAreSummed)
{
    std::vector<double> values(RAIN_SAMPLE_COUNT, 5.0), times(RAIN_SAMPLE_COUNT, T(2014, 1, 18, 9, 30));
    values[RAIN_SAMPLE_COUNT - 1] = 0.75;
    auto r = std::make_unique<CMainRecords>();
    BuildHourlyRainHistory(*r, values.data(), times.data(), 1, T(2014, 1, 18, 23, 59, 59));
    ASSERT_EQ(r->m_rainHistoryCount, 1);
    EXPECT_DOUBLE_EQ(r->m_rainHistoryValues[359], 0.75);
}

}  // namespace
