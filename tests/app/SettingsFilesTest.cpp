// The settings files' byte layouts: defaults, round trips, short and damaged files.
#include "app/SettingsFiles.h"
#include "tests/app/SettingsTestSupport.h"
#include "texts/Cities.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace settings;

TEST(SettingsFiles, SmallDefaultFilesByteForByte)
{
    EXPECT_EQ(DecodeLanguage(nullptr), 0);
    EXPECT_EQ(EncodeLanguage(0), (Bytes{0, 0, 0, 0}));

    CSettingsRecord s;
    DecodeDisplay(nullptr, s);
    EXPECT_EQ(EncodeDisplay(s), Int32Record({1, 1, 0, 1, 1, 1, 1, 2, 1, 3, 3}));
    DecodeUnits(nullptr, s);
    EXPECT_EQ(EncodeUnits(s), Int32Record({3, 1, 1, 1, 1, 1, 0, 3}));
    EXPECT_EQ(EncodeInOutdoor(DecodeInOutdoor(nullptr)), Int32Record({1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));

    SetDefaultAlarmRecord(s);
    const int alarms[ALARM_RECORD_COUNT] = {0, 0, 1, 0, 0, 0, 0, 700, -500, 2, 3, 1, 7, 0, 8, 0, 2, 8};
    for (int i = 0; i < ALARM_RECORD_COUNT; ++i)
        EXPECT_EQ(s.m_alarmRecord[i], alarms[i]) << i;
}

TEST(SettingsFiles, AutoSavingDefaultFileByteForByte)
{
    CSettingsRecord s;
    s.m_autoSaveInterval = 5;  // overwritten by the defaults
    DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, L"C:\\Orvelle\\", s);
    Bytes file = EncodeAutoSaving(s);
    ASSERT_EQ(file.size(), AUTO_SAVING_FILE_BYTES);
    EXPECT_EQ(Slice(file, 0, 20), Int32Record({0, 1, 1, 0, 0}));
    EXPECT_EQ(Slice(file, 20, 2048), TextFieldBytes(u"RECORD", 1024));
    EXPECT_EQ(Slice(file, 2068, 2048), TextFieldBytes(u"C:\\Orvelle\\", 1024));
}

TEST(SettingsFiles, ThdDefaultFileByteForByte)
{
    CSettingsRecord s;
    DecodeThd(nullptr, LANGUAGE_ENGLISH, s);
    Bytes file = EncodeThd(s);
    ASSERT_EQ(file.size(), THD_FILE_BYTES);
    const char16_t* names[6] = {u"Indoor", u"Channel 1", u"Channel 2", u"Channel 3", u"Channel 4", u"Channel 5"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Slice(file, static_cast<std::size_t>(i) * 512, 512), TextFieldBytes(names[i], 256)) << i;
    for (int sensor = 0; sensor < 6; ++sensor)
        EXPECT_EQ(Slice(file, 3072 + static_cast<std::size_t>(sensor) * 24, 24), Int32Record({0, 2, 1, 0, 1, 2}))
            << sensor;
    Bytes colours = Int32Record({0x0000FF, 0x8080FF, 0x0080FF, 0x00FFFF, 0x008000, 0x800000});
    for (int quantity = 0; quantity < 3; ++quantity)
        EXPECT_EQ(Slice(file, 3216 + static_cast<std::size_t>(quantity) * 24, 24), colours) << quantity;
    // In memory: row = kind, column = sensor.
    EXPECT_EQ(s.m_thdSettings[1 * 6 + 4], 2);   // humidity line type of channel 4
    EXPECT_EQ(s.m_thdSettings[5 * 6 + 0], 2);   // dewpoint thickness, indoor
    EXPECT_EQ(s.m_thdSettings[THD_COLOUR_FIRST + 6 + 5], 0x800000);
}

TEST(SettingsFiles, ThdStylesAreStoredSensorBySensor)
{
    CSettingsRecord s;
    DecodeThd(nullptr, LANGUAGE_ENGLISH, s);
    s.m_thdSettings[2 * 6 + 3] = 4;   // dewpoint line type of channel 3
    s.m_thdSettings[3 * 6 + 1] = 2;   // temperature thickness of channel 1
    Bytes file = EncodeThd(s);
    EXPECT_EQ(ReadInt32(file, 3072 + (3 * 6 + 2) * 4), 4);
    EXPECT_EQ(ReadInt32(file, 3072 + (1 * 6 + 3) * 4), 2);
    CSettingsRecord back;
    DecodeThd(&file, LANGUAGE_GERMAN, back);
    for (int i = 0; i < THD_SETTING_COUNT; ++i)
        EXPECT_EQ(back.m_thdSettings[i], s.m_thdSettings[i]) << i;
    EXPECT_EQ(back.m_channelName[0], L"Indoor");  // read from the file, not the German default
}

TEST(SettingsFiles, LocationDefaultFileByteForByte)
{
    CSettingsRecord s;
    DecodeLocation(nullptr, s);
    Bytes file = EncodeLocation(s);
    ASSERT_EQ(file.size(), LOCATION_FILE_BYTES);
    for (std::size_t base : {std::size_t(0), std::size_t(2056)}) {
        EXPECT_EQ(Slice(file, base, 8), Int32Record({6, 123}));
        EXPECT_EQ(Slice(file, base + 8, 2048), TextFieldBytes(u"User defined city", 1024));
    }
    EXPECT_EQ(s.m_locationSettings[0].zoneEast, 1);
    EXPECT_EQ(s.m_locationSettings[0].latitudeDegrees, 0);
}

TEST(SettingsFiles, GermanDefaultsComeFromTheGermanColumn)
{
    Bytes language = EncodeLanguage(LANGUAGE_GERMAN);
    ASSERT_EQ(DecodeLanguage(&language), LANGUAGE_GERMAN);
    CSettingsRecord s;
    DecodeThd(nullptr, LANGUAGE_GERMAN, s);
    DecodeAutoSaving(nullptr, LANGUAGE_GERMAN, L"C:\\", s);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(s.m_channelName[i], TextAt(g_mainThdTexts, 10 + i, LANGUAGE_GERMAN)) << i;
    EXPECT_NE(s.m_channelName[0], L"Indoor");
    EXPECT_EQ(s.m_autoSavePrefix, TextAt(g_mainAutoSavingTexts, 16, LANGUAGE_GERMAN));
}

TEST(SettingsFiles, TableCityTakesNameAndPositionFromTheTables)
{
    CSettingsRecord s;
    s.m_locationSettings[1].region = REGION_EUROPE;
    s.m_locationSettings[1].cityIndex = 4;
    s.m_locationSettings[1].name = L"whatever the file said";
    s.m_locationSettings[0].name = L"My garden";   // user-defined city 1 keeps its name
    Bytes file = EncodeLocation(s);
    // Adelaide (index 1) as city 1 of a second file: zone +9.5, south.
    Bytes adelaide = file;
    WriteInt32(adelaide, 0, REGION_AUSTRALIA_PACIFIC);
    WriteInt32(adelaide, 4, 1);

    CSettingsRecord back;
    DecodeLocation(&file, back);
    EXPECT_EQ(back.m_locationSettings[0].name, L"My garden");
    EXPECT_EQ(back.m_locationSettings[1].name, L"Amsterdam, Netherlands");
    EXPECT_EQ(back.m_locationSettings[1].region, REGION_EUROPE);
    EXPECT_EQ(back.m_locationSettings[1].latitudeDegrees, g_cityLatitudes[4][0]);
    EXPECT_EQ(back.m_locationSettings[1].longitudeMinutes, g_cityLongitudes[4][1]);
    EXPECT_EQ(back.m_locationSettings[1].dstRule, g_cityDstRules[4]);
    // The write-back stores the table name.
    Bytes again = EncodeLocation(back);
    EXPECT_EQ(ReadTextField(again, 2064, 1024), L"Amsterdam, Netherlands");

    DecodeLocation(&adelaide, back);
    const CityLocation& city = back.m_locationSettings[0];
    EXPECT_EQ(city.name, L"Adelaide, Australia");
    EXPECT_EQ(city.latitudeHemisphere, 1);
    EXPECT_EQ(city.zoneEast, 1);
    EXPECT_EQ(city.zoneHours, 9);
    EXPECT_EQ(city.zoneHalfHour, 5);
}

TEST(SettingsFiles, RainResetRoundTripsIn28Bytes)
{
    RainReset reset;
    reset.year = 2024;
    reset.month = 2;
    reset.day = 29;
    reset.hour = 23;
    reset.minute = 58;
    reset.counter = 1234.5678901234567;
    Bytes file = EncodeRainReset(reset);
    ASSERT_EQ(file.size(), RAIN_RESET_FILE_BYTES);
    EXPECT_EQ(Slice(file, 0, 20), Int32Record({2024, 2, 29, 23, 58}));
    RainReset back;
    ASSERT_TRUE(DecodeRainReset(file, &back));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.minute, 58);
    EXPECT_EQ(back.counter, reset.counter);  // exactly
    // A short file is no reset at all.
    file.resize(27);
    RainReset untouched;
    EXPECT_FALSE(DecodeRainReset(file, &untouched));
    EXPECT_EQ(untouched.year, 0);
}

TEST(SettingsFiles, RainResetThatIsNoRealTimeOrCounterIsNoReset)
{
    RainReset good;
    good.year = 2014;
    good.month = 1;
    good.day = 31;
    good.hour = 23;
    good.minute = 59;
    good.counter = 0.0;
    RainReset back;
    ASSERT_TRUE(DecodeRainReset(EncodeRainReset(good), &back));
    struct Damage {
        int field;      // 0..4 the time fields, 5 the counter
        double value;
    };
    const Damage damages[] = {{1, 13}, {1, 0}, {2, 32}, {2, 0}, {3, 25}, {3, -1}, {4, 60}, {0, 886076154},
                              {0, -5}, {5, -0.5}, {5, std::numeric_limits<double>::quiet_NaN()},
                              {5, std::numeric_limits<double>::infinity()}};
    for (const Damage& d : damages) {
        RainReset r = good;
        int* const fields[5] = {&r.year, &r.month, &r.day, &r.hour, &r.minute};
        if (d.field < 5)
            *fields[d.field] = static_cast<int>(d.value);
        else
            r.counter = d.value;
        RainReset untouched;
        EXPECT_FALSE(DecodeRainReset(EncodeRainReset(r), &untouched)) << d.field << " " << d.value;
        EXPECT_EQ(untouched.year, 0);
    }
    // 30 February is no date either.
    RainReset february = good;
    february.month = 2;
    february.day = 30;
    EXPECT_FALSE(DecodeRainReset(EncodeRainReset(february), &back));
}

TEST(SettingsFiles, SwitchesViewsCountsAndFormatsOutsideTheirRangesGetTheirDefaults)
{
    CSettingsRecord s;
    Bytes display = Int32Record({-1, 2, 99, 0, 0x7fffffff, 1, 3, -1, 0, 4, 2});
    DecodeDisplay(&display, s);
    EXPECT_EQ(EncodeDisplay(s), Int32Record({1, 1, 0, 0, 1, 1, 1, 2, 0, 3, 2}));

    DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, L"C:\\", s);
    Bytes autoSaving = EncodeAutoSaving(s);
    for (const auto& bad : {Int32Record({6, 99, -1, 2, 0x7fffffff}), Int32Record({7, 0, 5, -1, 9})}) {
        std::copy(bad.begin(), bad.end(), autoSaving.begin());
        DecodeAutoSaving(&autoSaving, LANGUAGE_ENGLISH, L"C:\\", s);
        EXPECT_EQ(Slice(EncodeAutoSaving(s), 4, 16), Int32Record({1, 1, 0, 0}));
    }
    const Bytes good = Int32Record({8, 31, 0, 1, 1});
    std::copy(good.begin(), good.end(), autoSaving.begin());
    DecodeAutoSaving(&autoSaving, LANGUAGE_ENGLISH, L"C:\\", s);
    EXPECT_EQ(Slice(EncodeAutoSaving(s), 0, 20), good);
}

TEST(SettingsFiles, OutOfRangeValuesGetTheirDefaults)
{
    Bytes language = Int32Record({9});
    EXPECT_EQ(DecodeLanguage(&language), 0);
    language = Int32Record({-1});
    EXPECT_EQ(DecodeLanguage(&language), 0);

    CSettingsRecord s;
    Bytes units = Int32Record({4, 1, 2, 3, 0, 0, 2, -1});
    DecodeUnits(&units, s);
    EXPECT_EQ(EncodeUnits(s), Int32Record({3, 1, 1, 1, 0, 0, 0, 3}));  // time format 0 kept: 12 hours

    DecodeThd(nullptr, LANGUAGE_ENGLISH, s);
    Bytes thd = EncodeThd(s);
    WriteInt32(thd, 3072 + (2 * 6 + 0) * 4, 5);      // line type 5 of channel 2
    WriteInt32(thd, 3072 + (2 * 6 + 3) * 4, 3);      // thickness 3 of channel 2
    WriteInt32(thd, 3216 + 7 * 4, 0x01000000);       // not a colour
    DecodeThd(&thd, LANGUAGE_ENGLISH, s);
    EXPECT_EQ(s.m_thdSettings[0 * 6 + 2], 0);
    EXPECT_EQ(s.m_thdSettings[3 * 6 + 2], 0);
    EXPECT_EQ(s.m_thdSettings[THD_COLOUR_FIRST + 7], 0x8080FF);

    Bytes location = EncodeLocation(s);
    WriteInt32(location, 0, 7);
    WriteInt32(location, 2060, 133);
    DecodeLocation(&location, s);
    EXPECT_EQ(s.m_locationSettings[0].region, 6);
    EXPECT_EQ(s.m_locationSettings[1].cityIndex, 123);

    DecodeAutoSaving(nullptr, LANGUAGE_ENGLISH, L"C:\\", s);
    Bytes autoSaving = EncodeAutoSaving(s);
    WriteInt32(autoSaving, 0, 9);
    DecodeAutoSaving(&autoSaving, LANGUAGE_ENGLISH, L"C:\\", s);
    EXPECT_EQ(s.m_autoSaveInterval, 0);
}

TEST(SettingsFiles, ShortFilesKeepWhatTheyHoldAndDefaultTheRest)
{
    CSettingsRecord s;
    Bytes units = Int32Record({0, 0, 0});
    DecodeUnits(&units, s);
    EXPECT_EQ(EncodeUnits(s), Int32Record({0, 0, 0, 1, 1, 1, 0, 3}));

    Bytes language = {1, 0};
    EXPECT_EQ(DecodeLanguage(&language), 0);

    // The five numbers and half the prefix field: the numbers are read, both texts defaulted.
    Bytes autoSaving = Int32Record({3, 7, 0, 1, 1});
    autoSaving.resize(1000, 0x41);
    DecodeAutoSaving(&autoSaving, LANGUAGE_ENGLISH, L"D:\\x\\", s);
    EXPECT_EQ(s.m_autoSaveInterval, 3);
    EXPECT_EQ(s.m_autoSaveCount, 7);
    EXPECT_EQ(s.m_autoSavePrefix, L"RECORD");
    EXPECT_EQ(s.m_autoSaveFolder, L"D:\\x\\");
    EXPECT_EQ(EncodeAutoSaving(s).size(), AUTO_SAVING_FILE_BYTES);

    Bytes inOutdoor = Int32Record({0, 0, 1, 0, 1, 1, 1, 1, 1, 3});  // 40 bytes: all defaults
    InOutdoorSetting setting = DecodeInOutdoor(&inOutdoor);
    EXPECT_EQ(EncodeInOutdoor(setting), Int32Record({1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(SettingsFiles, InOutdoorKeepsCheckValuesAndReplacesBadSelections)
{
    Bytes file = Int32Record({2, 0, 1, 0, 0, 0, 1, 0, 0, 6, -1});
    InOutdoorSetting setting = DecodeInOutdoor(&file);
    EXPECT_EQ(setting.checks[0], 2);
    EXPECT_EQ(setting.checks[6], 1);
    EXPECT_EQ(setting.upperSensor, 0);
    EXPECT_EQ(setting.lowerSensor, 1);
    file = Int32Record({1, 1, 1, 1, 1, 1, 1, 1, 1, 5, 3});
    setting = DecodeInOutdoor(&file);
    EXPECT_EQ(setting.upperSensor, 5);
    EXPECT_EQ(setting.lowerSensor, 3);
}

TEST(SettingsFiles, TextFieldsStopAtTheirEnd)
{
    CSettingsRecord s;
    DecodeThd(nullptr, LANGUAGE_ENGLISH, s);
    s.m_channelName[2] = std::wstring(300, L'x');
    s.m_channelName[3] = L"G\u00e4rten \u0416";  // units beyond Latin-1
    Bytes file = EncodeThd(s);
    EXPECT_EQ(ReadTextField(file, 2 * 512, 256), std::wstring(255, L'x'));
    EXPECT_EQ(file[2 * 512 + 255 * 2], 0);
    EXPECT_EQ(file[3 * 512 + 2], 0xE4);
    EXPECT_EQ(file[3 * 512 + 14], 0x16);
    EXPECT_EQ(file[3 * 512 + 15], 0x04);
    // A field without a zero unit is read whole; units after a zero are ignored.
    for (int i = 0; i < 256; ++i) {
        file[4 * 512 + 2 * i] = 'y';
        file[4 * 512 + 2 * i + 1] = 0;
    }
    file[5 * 512 + 2] = 0;
    file[5 * 512 + 3] = 0;
    file[5 * 512 + 4] = 'z';
    CSettingsRecord back;
    DecodeThd(&file, LANGUAGE_ENGLISH, back);
    EXPECT_EQ(back.m_channelName[3], L"G\u00e4rten \u0416");
    EXPECT_EQ(back.m_channelName[4], std::wstring(256, L'y'));
    EXPECT_EQ(back.m_channelName[5], L"C");
}

// Names and the auto-save prefix of a damaged file: a text the window cannot show as it is
// (control characters, U+FFFF, a surrogate without its partner; a blank channel name) gets its
// default, while letters of any script and characters of two code units stay.
TEST(SettingsFiles, DamagedNamesAndPrefixGetTheirDefaults)
{
    CSettingsRecord s;
    DecodeThd(nullptr, LANGUAGE_GERMAN, s);
    const std::wstring names[CHANNEL_COUNT] = {L"K\u00fcche \u0416", L"\x01\x02\x03", L"Ga\uFFFFrden",
                                               L"Lone \xD83D", L"\xDE00 low", L"  "};
    for (int sensor = 0; sensor < CHANNEL_COUNT; ++sensor)
        s.m_channelName[sensor] = names[sensor];
    Bytes thd = EncodeThd(s);
    CSettingsRecord back;
    DecodeThd(&thd, LANGUAGE_GERMAN, back);
    EXPECT_EQ(back.m_channelName[0], L"K\u00fcche \u0416");
    for (int sensor = 1; sensor < CHANNEL_COUNT; ++sensor)
        EXPECT_EQ(back.m_channelName[sensor], TextAt(g_mainThdTexts, 10 + sensor, LANGUAGE_GERMAN)) << sensor;

    s.m_autoSavePrefix = L"REC\tORD";
    Bytes autoSaving = EncodeAutoSaving(s);
    DecodeAutoSaving(&autoSaving, LANGUAGE_GERMAN, L"C:\\", back);
    EXPECT_EQ(back.m_autoSavePrefix, TextAt(g_mainAutoSavingTexts, 16, LANGUAGE_GERMAN));
    s.m_autoSavePrefix = L"Wetter \xD83D\xDE00";
    autoSaving = EncodeAutoSaving(s);
    DecodeAutoSaving(&autoSaving, LANGUAGE_GERMAN, L"C:\\", back);
    EXPECT_EQ(back.m_autoSavePrefix, L"Wetter \xD83D\xDE00");

    s.m_locationSettings[0].name = L"Hut\x7F";
    s.m_locationSettings[1].name = L"Hut \xFFFE";
    Bytes location = EncodeLocation(s);
    DecodeLocation(&location, back);
    EXPECT_EQ(back.m_locationSettings[0].name, L"User defined city");
    EXPECT_EQ(back.m_locationSettings[1].name, L"User defined city");
}
