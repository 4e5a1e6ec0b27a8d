// The sky panel's picture choice, location texts and sunrise and sunset arguments and texts.
#include "display/SkyPanel.h"

#include "texts/Cities.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SkyPanel, MoonPicturesCoverTheCycleWithoutGaps)
{
    EXPECT_EQ(sky::MoonBitmapId(0), 287);
    EXPECT_EQ(sky::MoonBitmapId(9), 296);
    EXPECT_EQ(sky::MoonBitmapId(10), 314);
    EXPECT_EQ(sky::MoonBitmapId(12), 299);
    EXPECT_EQ(sky::MoonBitmapId(25), 312);
    EXPECT_EQ(sky::MoonBitmapId(27), 317);
    std::set<int> ids;
    for (int phase = 0; phase < sky::MOON_PHASE_COUNT; ++phase)
        ids.insert(sky::MoonBitmapId(phase));
    EXPECT_EQ(ids.size(), 28u);
    EXPECT_EQ(sky::MoonBitmapId(-1), 0);
    EXPECT_EQ(sky::MoonBitmapId(28), 0);
}

TEST(SkyPanel, ForecastAnimationStartsWithFrameOneAfterALayout)
{
    // Code 3 with the flag set, starting at frame 0 (as a layout leaves it): 273, 265, 272, 273.
    int frame = 0;
    std::vector<int> shown;
    for (int tick = 0; tick < 4; ++tick) {
        frame = sky::NextForecastFrame(frame);
        shown.push_back(sky::ForecastBitmapId(3, 1, frame));
    }
    EXPECT_EQ(shown, (std::vector<int>{273, 265, 272, 273}));
    EXPECT_EQ(sky::ForecastBitmapId(3, 0, 0), 250);
    EXPECT_EQ(sky::ForecastBitmapId(6, 0, 2), 240);
    EXPECT_EQ(sky::NextForecastFrame(7), 0);
}

TEST(SkyPanel, ForecastCodesOutsideTheTablePickNoPicture)
{
    std::set<int> ids;
    for (int code = 0; code < sky::FORECAST_CODE_COUNT; ++code)
        for (int flag : {0, 1})
            for (int frame = 0; frame < sky::FORECAST_FRAME_COUNT; ++frame)
                ids.insert(sky::ForecastBitmapId(code, flag, frame));
    EXPECT_EQ(ids.size(), 42u);  // every frame its own picture
    EXPECT_EQ(sky::ForecastBitmapId(7, 0, 0), 0);
    EXPECT_EQ(sky::ForecastBitmapId(-999, 1, 1), 0);
    EXPECT_EQ(sky::ForecastBitmapId(2, 0, 3), 0);
}

TEST(SkyPanel, ZoneAndPositionTexts)
{
    EXPECT_EQ(sky::ZoneText(9.5), L"+9:30");
    EXPECT_EQ(sky::ZoneText(0.0), L"+0:00");
    EXPECT_EQ(sky::ZoneText(-8.0), L"-8:00");
    EXPECT_EQ(sky::ZoneText(-3.5), L"-3:30");
    EXPECT_EQ(sky::ZoneText(-0.5), L"-0:30");  // west of Greenwich by less than an hour keeps its sign
    EXPECT_EQ(sky::PositionText(51, 30, L"north"), L"51\u00B030' north");
}

TEST(SkyPanel, SunArgumentsOfATableZoneAndAUserDefinedZone)
{
    sky::SunPlace adelaide;
    adelaide.latitudeDegrees = 34; adelaide.latitudeMinutes = 55; adelaide.south = 1;
    adelaide.longitudeDegrees = 138; adelaide.longitudeMinutes = 36; adelaide.west = 0;
    adelaide.zoneHours = 9.5;
    sky::SunQuery q = sky::BuildSunQuery(18, 1, 2014, adelaide, 1);
    EXPECT_EQ(q.latitudeCode, 2);
    EXPECT_EQ(q.longitudeCode, 1);
    EXPECT_EQ(q.zoneHours, 9);
    EXPECT_EQ(q.zoneMinuteCode, 3);
    EXPECT_EQ(q.zoneSignCode, 1);
    EXPECT_EQ(q.daylightSaving, 1);
    EXPECT_EQ(q.day, 18);
    EXPECT_EQ(q.year, 2014);

    // Three and a half hours west of Greenwich.
    sky::SunPlace own = sky::UserDefinedPlace(47, 34, 0, 52, 43, 1, 0, 3, 30);
    EXPECT_DOUBLE_EQ(own.zoneHours, -3.5);
    q = sky::BuildSunQuery(1, 6, 2020, own, 0);
    EXPECT_EQ(q.zoneHours, 3);
    EXPECT_EQ(q.zoneMinuteCode, 3);
    EXPECT_EQ(q.zoneSignCode, 2);
    EXPECT_EQ(q.longitudeCode, 2);
    EXPECT_EQ(sky::ZoneMinuteCode(0), 1);
    EXPECT_EQ(sky::ZoneMinuteCode(18), 2);
    EXPECT_EQ(sky::ZoneMinuteCode(45), 45);
}

TEST(SkyPanel, SunTimesInBothClockFormats)
{
    const wchar_t* down = L"Always sunset";
    const wchar_t* up = L"Always sunrise";
    EXPECT_EQ(sky::SunTimeText(756, true, down, up), L"07:56");
    EXPECT_EQ(sky::SunTimeText(5, true, down, up), L"00:05");
    EXPECT_EQ(sky::SunTimeText(1830, false, down, up), L"6:30 PM");
    EXPECT_EQ(sky::SunTimeText(30, false, down, up), L"12:30 AM");
    // Noon is PM, as on the clock.
    EXPECT_EQ(sky::SunTimeText(1205, false, down, up), L"12:05 PM");
    EXPECT_EQ(sky::SunTimeText(2359, false, down, up), L"11:59 PM");
    EXPECT_EQ(sky::SunTimeText(88888, true, down, up), down);
    EXPECT_EQ(sky::SunTimeText(99999, false, down, up), up);
    // The library's answer for bad input, and answers that are no time of day.
    for (int bad : {-1, 2400, 1260, 12345})
        EXPECT_TRUE(sky::SunTimeText(bad, true, down, up).empty()) << bad;
}

}  // namespace
