// The menu commands that upload settings into the station, run as a user runs them: the command
// reads the station, its dialog opens, a script types and presses "Upload new setting", and the
// frames the emulated station received (USB_EMULATOR_LOG) and its memory image afterwards are
// compared with the station's protocol. Also the clearing commands, and the poll without a station.
#include "station/UsbPowerCheck.h"
#include "tests/app/StationFixture.h"
#include "texts/TextTables.h"

using namespace station_fixture;

TEST_F(StationCommands, RecordIntervalSendsTheCodeOfEachChoice)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_RECORD_INTERVAL, [](CDialog& d) {
        EXPECT_EQ(d.GetCheckedRadioButton(1427, 1437), 1431);  // station code 5: "1 hour"
        EXPECT_FALSE(ui::ClickButton(d, UPLOAD_INTERVAL));       // nothing changed yet
        for (int choice : {0, 10, 9}) {
            EXPECT_TRUE(ui::ClickButton(d, 1427 + choice));
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD_INTERVAL));
        }
        ui::ClickButton(d, IDOK);
    });
    Command(*m_dialog, ID_RECORD_INTERVAL);

    EXPECT_EQ(answer.Opened(), std::vector<UINT>{IDD_RECORD_INTERVAL});
    EXPECT_EQ(Frames("AF"), (std::vector<std::string>{"AF FE 00 00 51", "AF 1E 01 00 B0"}));
    EXPECT_EQ(Frames("AE"), (std::vector<std::string>{WriteFrameText(254, {0x01}), WriteFrameText(254, {0x0B}),
                                                       WriteFrameText(254, {0x0A})}));
    ASSERT_EQ(boxes.Count(), 3u);
    EXPECT_EQ(boxes.Boxes()[2].text, L"Upload success");
    EXPECT_EQ(m_dialog->m_recordInterval, 9);
    si::Image expected = m_before;
    si::SetMemoryInfo(expected, si::SIZE_CODE_8K, 3, 10);  // only the code changed
    EXPECT_EQ(ImageNow(), expected);
}

TEST_F(StationCommands, AltitudeInMetresAndFeet)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    auto upload = [](std::vector<const wchar_t*> values, CString* shown) {
        return [values, shown](CDialog& d) {
            *shown = Text(d, ALTITUDE_CURRENT) + L"|" + Text(d, ALTITUDE_EDIT);
            for (const wchar_t* value : values) {
                ui::TypeText(d, ALTITUDE_EDIT, value);
                EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE)) << value;
            }
            ui::ClickButton(d, IDOK);
        };
    };
    CString metresShown, feetShown;
    m_dialog->m_altitudeUnit = 1;
    answer.Add(IDD_ALTITUDE, upload({L"300", L"-30"}, &metresShown));
    m_dialog->OnAltitude();
    EXPECT_EQ(metresShown, L"-100|-100");
    EXPECT_EQ(m_dialog->m_altitude, -30);
    EXPECT_EQ(m_dialog->m_altitudeMetres, -30.0);

    m_dialog->m_altitudeUnit = 0;
    answer.Add(IDD_ALTITUDE, upload({L"1000", L"-10"}, &feetShown));
    m_dialog->OnAltitude();
    EXPECT_EQ(feetShown, L"-98|-98");  // -30 m read back from the station, in feet

    EXPECT_EQ(Frames("AE"), (std::vector<std::string>{WriteFrameText(90, {0x2C, 0x01, 0x00}),
                                                       WriteFrameText(90, {0x1E, 0x00, 0x08}),
                                                       WriteFrameText(90, {0x31, 0x01, 0x00}),
                                                       WriteFrameText(90, {0x03, 0x00, 0x08})}));
    EXPECT_EQ(m_dialog->m_altitude, -3);
    si::Image expected = m_before;
    si::SetAltitude(expected, -3);
    EXPECT_EQ(ImageNow(), expected);
    EXPECT_EQ(boxes.Count(), 4u);
}

TEST_F(StationCommands, FailedUploadChangesNothing)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_altitude = 15;
    CString afterFailure;
    answer.Add(IDD_ALTITUDE, [&](CDialog& d) {
        USBEmulatorControl("fault no-reply");
        ui::TypeText(d, ALTITUDE_EDIT, L"300");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
        afterFailure = Text(d, ALTITUDE_EDIT);
        EXPECT_FALSE(ui::ClickButton(d, UPLOAD_ALTITUDE));  // disabled again
        ui::ClickButton(d, IDOK);
    });
    m_dialog->OnAltitude();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload failure");
    EXPECT_EQ(afterFailure, L"-100");  // back to the value in the station
    EXPECT_EQ(m_dialog->m_altitude, 15);
    EXPECT_EQ(ImageNow(), m_before);

    // A failing alarm upload leaves the main window's alarm record alone.
    const std::vector<int> alarmsBefore(std::begin(m_dialog->m_alarmRecord), std::end(m_dialog->m_alarmRecord));
    stationsettings::AlarmRecord alarms{};
    alarms[stationsettings::ALARM_RAIN_UPPER] = 99;
    EXPECT_FALSE(m_dialog->WriteAlarms(alarms, nullptr));
    EXPECT_EQ(std::vector<int>(std::begin(m_dialog->m_alarmRecord), std::end(m_dialog->m_alarmRecord)), alarmsBefore);
    EXPECT_EQ(boxes.Boxes().back().text, L"Upload failure");
}

TEST_F(StationCommands, AlarmsAreReadPatchedAndSentBack)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_timeFormat = 1;
    answer.Add(IDD_ALARM, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1181), L"30.5");
        EXPECT_EQ(Text(d, 1199), L"-5.3");
        EXPECT_EQ(Text(d, 1207), L"06:00");
        ui::ClickButton(d, 1176);  // weekday alarm on
        ui::ClickButton(d, 1177);  // single alarm on
        ui::ClickButton(d, 1173);  // rain alarm on
        ui::TypeText(d, 1191, L"7");
        ui::TypeText(d, 1193, L"45");
        ui::TypeText(d, 1184, L"1234");
        ui::TypeText(d, 1186, L"123");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        ui::ClickButton(d, IDOK);
    });
    m_dialog->OnAlarm();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload success");

    // Each block is read before it is sent back: patched bytes, the rest as the station had them.
    const std::vector<std::string> reads = Frames("AF");
    ASSERT_GE(reads.size(), 6u);
    std::vector<uint8_t> times = Before(16, 32);
    times[0] = 0x7C;  // 07 with both alarms on
    times[1] = 0x54;  // 45
    times[2] = 0x81;  // 18, no pre-alarm
    times[3] = 0x00;
    times[4] = 0x23;  // period 2, duration 3
    std::vector<uint8_t> limits = Before(160, 32);
    limits[0] = 0x04;                  // rain on
    limits[1] = 0x34, limits[2] = 0x12;  // 1234
    limits[4] = 0x30, limits[5] = 0x12;  // 123
    limits[7] = 0x00, limits[8] = 0x04;  // gust 40 as it was
    EXPECT_EQ(Frames("AE"), (std::vector<std::string>{WriteFrameText(16, times), WriteFrameText(160, limits)}));
    EXPECT_EQ(m_dialog->m_alarmRecord[stationsettings::ALARM_RAIN_UPPER], 1234);
    EXPECT_EQ(m_dialog->m_alarmRecord[stationsettings::ALARM_TEMPERATURE_UPPER], 305);
}

TEST_F(StationCommands, TwelveHourAlarmTimesAroundMidnightAndNoon)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_timeFormat = 0;
    answer.Add(IDD_ALARM, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1208), L"06:00 PM");  // the single alarm at 18:00
        ui::TypeText(d, 1191, L"12");
        ui::TypeText(d, 1193, L"30");
        ui::SelectComboItem(d, 1145, 0);  // 12:30 AM
        ui::TypeText(d, 1195, L"12");
        ui::TypeText(d, 1197, L"30");
        ui::SelectComboItem(d, 1031, 1);  // 12:30 PM
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        EXPECT_EQ(Text(d, 1207), L"12:30 AM");
        EXPECT_EQ(Text(d, 1208), L"12:30 PM");
        ui::ClickButton(d, IDOK);
    });
    m_dialog->OnAlarm();
    const std::vector<std::string> writes = Frames("AE");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].substr(12, 11), "00 03 21 03");  // hour 0, :30, hour 12, :30
    EXPECT_EQ(m_dialog->m_alarmRecord[stationsettings::ALARM_WEEKDAY_HOUR], 0);
    EXPECT_EQ(m_dialog->m_alarmRecord[stationsettings::ALARM_SINGLE_HOUR], 12);
}

TEST_F(StationCommands, LocationOfTwoCities)
{
    si::Image image = Fixture();
    si::PokeByte(image, 12, 0x05);  // a flag in the low nibble of the city byte, not the city's
    si::FixAllChecksums(image);
    Serve(image);
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    stationsettings::StationCity cities[2];
    cities[0].name = L"Greenwich";
    cities[0].region = 6;
    cities[0].latDegrees = 51;
    cities[0].latMinutes = 30;
    cities[0].lonMinutes = 7;
    cities[0].west = 1;
    cities[1].region = 3;
    cities[1].cityCode = 4;  // a city of the tables
    cities[1].latDegrees = 52;
    ASSERT_TRUE(m_dialog->WriteLocation(cities, nullptr));

    std::vector<uint8_t> local = Before(0, 15);
    const std::vector<uint8_t> london = {0x15, 0x03, 0x00, 0x70, 0x00, 0x00, 0x75, 0x0B};
    std::copy(london.begin(), london.end(), local.begin() + 6);
    const std::vector<uint8_t> second = {0x25, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x04};
    EXPECT_EQ(Frames("AE"), (std::vector<std::string>{WriteFrameText(0, local), WriteFrameText(22, second)}));
    EXPECT_EQ(Frames("AF"), (std::vector<std::string>{"AF 00 00 00 AF", "AF 20 00 00 8F", "AF 16 00 00 B9",
                                                       "AF 36 00 00 99"}));

    EXPECT_EQ(m_dialog->m_chosenCityIndex, 123);
    EXPECT_EQ(m_dialog->m_locationSettings[0].name, L"Greenwich");
    EXPECT_EQ(m_dialog->m_locationSettings[0].longitudeHemisphere, 1);
    EXPECT_EQ(m_dialog->m_locationSettings[1].cityIndex, 4);
    EXPECT_EQ(m_dialog->m_locationSettings[1].latitudeDegrees, 52);  // from the city tables
    settings::Bytes file;
    ASSERT_TRUE(settings::ReadFileBytes(m_dialog->m_installFolder + settings::LOCATION_FILE, &file));
    CSettingsRecord stored;
    settings::DecodeLocation(&file, stored);
    EXPECT_EQ(stored.m_locationSettings[0].name, L"Greenwich");
    EXPECT_EQ(stored.m_locationSettings[1].cityIndex, 4);
    EXPECT_EQ(boxes.Boxes().back().text, L"Upload success");

    // A city code outside the tables is never sent.
    cities[1].cityCode = 140;
    EXPECT_FALSE(m_dialog->WriteLocation(cities, nullptr));
    EXPECT_EQ(Frames("AE").size(), 2u);
}

TEST_F(StationCommands, LocationDialogUploadsBothCitiesAndTheWindowTakesThem)
{
    si::Image image = Fixture();
    constexpr int LONDON = 69;
    si::LocationSetting london;  // as the city tables give it
    london.cityCode = LONDON;
    london.latDegrees = g_cityLatitudes[LONDON][POSITION_DEGREES];
    london.latMinutes = g_cityLatitudes[LONDON][POSITION_MINUTES];
    london.south = g_cityLatitudes[LONDON][POSITION_HEMISPHERE] == 1;
    london.lonDegrees = g_cityLongitudes[LONDON][POSITION_DEGREES];
    london.lonMinutes = g_cityLongitudes[LONDON][POSITION_MINUTES];
    london.west = g_cityLongitudes[LONDON][POSITION_HEMISPHERE] == 1;
    london.dstRule = g_cityDstRules[LONDON];
    london.zoneHours = static_cast<int>(g_cityTimeZones[LONDON]);
    si::SetLocation(image, 0, london);
    si::FixAllChecksums(image);
    Serve(image);
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_LOCATION, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1334), L"LON");  // the station's local city
        EXPECT_EQ(Text(d, 1360), CityCodeAt(4));  // the fixture's second city
        ui::SelectComboItem(d, 1385, REGION_USER_DEFINED);
        ui::TypeText(d, 1359, L"Hut");
        ui::TypeText(d, 1361, L"45");
        EXPECT_TRUE(ui::ClickButton(d, 1382));
        EXPECT_EQ(Text(d, 1360), L"USR");
        ui::ClickButton(d, IDOK);
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    EXPECT_EQ(answer.Opened(), std::vector<UINT>{IDD_LOCATION});

    std::vector<uint8_t> local = Before(0, 15);  // London goes back as the station holds it
    const std::vector<uint8_t> hut = {0x54, 0x00, 0x00, 0x00, 0x40, 0x00, 0x70, 0x0B};
    const std::vector<std::string> writes = Frames("AE");
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0], WriteFrameText(0, local));
    EXPECT_EQ(writes[1], WriteFrameText(22, hut));
    EXPECT_EQ(boxes.Boxes().back().text, L"Upload success");
    EXPECT_EQ(m_dialog->m_chosenCityIndex, LONDON);

    // "rLocation.dat": region, city and a 1024-unit name for each city.
    settings::Bytes file;
    ASSERT_TRUE(settings::ReadFileBytes(m_dialog->m_installFolder + settings::LOCATION_FILE, &file));
    ASSERT_EQ(file.size(), settings::LOCATION_FILE_BYTES);
    EXPECT_EQ(settings::ReadInt32(file, 0), REGION_EUROPE);
    EXPECT_EQ(settings::ReadInt32(file, 4), LONDON);
    EXPECT_EQ(settings::ReadTextField(file, 8, 1024), L"London, England");
    EXPECT_EQ(settings::ReadInt32(file, 2056), REGION_USER_DEFINED);
    EXPECT_EQ(settings::ReadInt32(file, 2060), USER_DEFINED_CITY);
    EXPECT_EQ(settings::ReadTextField(file, 2064, 1024), L"Hut");
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 2070, file.begin() + 2072), (std::vector<uint8_t>{0, 0}));
}

TEST_F(StationCommands, LocationRecordsTheStationCannotMeanOpenAsTheUserDefinedCity)
{
    si::Image image = Fixture();
    si::LocationSetting unknown;
    unknown.cityCode = 140;
    si::SetLocation(image, 0, unknown);
    si::LocationSetting tooFarNorth;
    tooFarNorth.latDegrees = 95;
    si::SetLocation(image, 1, tooFarNorth);
    si::FixAllChecksums(image);
    Serve(image);
    m_dialog->m_locationSettings[1].name = L"Hut";
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_LOCATION, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1334), L"USR");
        EXPECT_EQ(Text(d, 1333), L"User defined city");
        EXPECT_EQ(Text(d, 1359), L"User defined city");
        EXPECT_EQ(Text(d, 1366), L"0\u00B00' north");
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d.m_hWnd, 1382)));
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    EXPECT_EQ(answer.Opened(), std::vector<UINT>{IDD_LOCATION});
    EXPECT_TRUE(Frames("AE").empty());
}

TEST_F(StationCommands, StationDialogsOpenOnlyAfterASuccessfulRead)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    USBEmulatorControl("unplug");
    for (UINT command : {ID_RECORD_INTERVAL, ID_SETTING_ALTITUDE, ID_SETTING_ALARM, ID_SETTING_LOCATION})
        Command(*m_dialog, command);
    EXPECT_TRUE(answer.Opened().empty());
    EXPECT_EQ(boxes.Count(), 0u);
    USBEmulatorControl("plug");
    Command(*m_dialog, ID_SETTING_ALARM);
    EXPECT_EQ(answer.Opened(), std::vector<UINT>{IDD_ALARM});
}

TEST_F(StationCommands, ClearAllRecordsEmptiesTheHistoriesAndResetsTheRain)
{
    COrvelleDlg& d = *m_dialog;
    g_historyRowCount = 12;
    d.m_pressureHistoryCount = 30;
    d.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1] = 1013.0;
    d.m_uvHistoryCount = 5;
    d.m_uvHistoryValues[UV_HISTORY_SIZE - 1] = 3.0;
    d.m_windHistoryCount = 7;
    d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1] = 4.0;
    d.m_sensorHistoryCounts[2] = 9;
    d.m_humidityHistoryCounts[2] = 9;
    d.m_sensorHistoryTemperatures[SensorRow(2)][SENSOR_HISTORY_SIZE - 1] = 21.5;
    d.m_rainHistoryCount = 4;
    d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1] = 2.5;
    d.m_pressureHistoryTimes[PRESSURE_HISTORY_SIZE - 1] = 1234.0;
    d.m_lastRainCounter = 80.5;
    d.m_rainCounterAtReset = 10.0;
    d.m_recordTime[RECORD_YEAR] = 2024, d.m_recordTime[RECORD_MONTH] = 3, d.m_recordTime[RECORD_DAY] = 7;
    d.m_recordTime[RECORD_HOUR] = 9, d.m_recordTime[RECORD_MINUTE] = 5;

    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_CLEAR_ALL_RECORDS, [](CDialog& dialog) { ui::ClickButton(dialog, IDCANCEL); });
    Command(d, ID_RECORD_CLEAR_ALL);
    EXPECT_EQ(g_historyRowCount.load(), 12);  // Cancel changes nothing
    EXPECT_EQ(d.m_pressureHistoryCount, 30);

    answer.Add(IDD_CLEAR_ALL_RECORDS, [](CDialog& dialog) { ui::ClickButton(dialog, IDOK); });
    Command(d, ID_RECORD_CLEAR_ALL);
    EXPECT_EQ(g_historyRowCount.load(), 0);
    EXPECT_EQ(d.m_pressureHistoryCount, 0);
    EXPECT_EQ(d.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1], 0.0);
    EXPECT_EQ(d.m_pressureHistoryTimes[PRESSURE_HISTORY_SIZE - 1], 1234.0);  // times stay
    EXPECT_EQ(d.m_uvHistoryCount, 0);
    EXPECT_EQ(d.m_uvHistoryValues[UV_HISTORY_SIZE - 1], 0.0);
    EXPECT_EQ(d.m_windHistoryCount, 0);
    EXPECT_EQ(d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1], 0.0);
    EXPECT_EQ(d.m_sensorHistoryCounts[2], 0);
    EXPECT_EQ(d.m_humidityHistoryCounts[2], 0);
    EXPECT_EQ(d.m_sensorHistoryTemperatures[SensorRow(2)][SENSOR_HISTORY_SIZE - 1], 0.0);
    EXPECT_EQ(d.m_rainHistoryCount, 0);
    EXPECT_EQ(d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1], 0.0);
    EXPECT_EQ(d.m_rainCounterAtReset, 80.5);

    settings::Bytes file;
    ASSERT_TRUE(settings::ReadFileBytes(d.m_installFolder + settings::RAIN_RESET_FILE, &file));
    settings::RainReset reset;
    ASSERT_TRUE(settings::DecodeRainReset(file, &reset));
    EXPECT_EQ(reset.year, 2024);
    EXPECT_EQ(reset.minute, 5);
    EXPECT_EQ(reset.counter, 80.5);
    EXPECT_EQ(d.m_rainResetTime[0], 2024);
    EXPECT_EQ(d.m_rainResetTime[4], 5);
    EXPECT_EQ(answer.Opened().size(), 2u);
}

TEST_F(StationCommands, RainTotalThatCannotBeSavedKeepsTheOldReset)
{
    COrvelleDlg& d = *m_dialog;
    d.m_installFolder = L"Z:\\no\\such\\folder\\";
    d.m_rainHistoryCount = 4;
    d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1] = 2.5;
    d.m_lastRainCounter = 80.5;
    d.m_rainCounterAtReset = 10.0;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_CLEAR_RAIN_TOTAL, [](CDialog& dialog) { ui::ClickButton(dialog, IDOK); });
    Command(d, ID_RECORD_CLEAR_RAIN);
    EXPECT_EQ(d.m_rainHistoryCount, 0);
    EXPECT_EQ(d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1], 2.5);
    EXPECT_EQ(d.m_rainCounterAtReset, 10.0);
    EXPECT_EQ(::GetFileAttributesW(d.PassRainDataPath().c_str()), INVALID_FILE_ATTRIBUTES);
    // Said, with its reason.
    std::vector<std::wstring> told;
    d.m_messages.TellWaiting([](WriteTask, WriteReason) { return true; },
                             [&](const CWindowMessages::Message& message) { told.push_back(message.text); });
    EXPECT_EQ(told, std::vector<std::wstring>{L"Could not write Z:\\no\\such\\folder\\rRainReset.dat: the folder does "
                                              L"not exist. The rainfall total stays as it was."});
}

// Without a station the poll's device-gone steps show the connect prompt and close; the USB
// power settings in the registry are neither read nor changed.
TEST_F(StationCommands, NoStationLeavesTheUsbPowerSettingsAlone)
{
    const std::wstring scratchPath = L"Software\\OrvelleTests\\NoStation" + std::to_wstring(::GetCurrentProcessId());
    HKEY scratch = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, scratchPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &scratch, nullptr),
              ERROR_SUCCESS);
    HKEY parameters = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(scratch, L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1130&PID_6801\\inst\\Device Parameters",
                                0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parameters, nullptr),
              ERROR_SUCCESS);
    const DWORD enabled = 1;
    ::RegSetValueExW(parameters, L"SelectiveSuspendEnabled", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enabled), 4);
    const HKEY previousRoot = SetUsbPowerRegistryRoot(scratch);

    g_usbDevice.m_handle = 0;
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    LRESULT result = 0;
    m_dialog->DispatchMessageMap(WM_TIMER, TIMER_POLL, 0, &result);

    DWORD value = 0, size = sizeof value;
    ::RegQueryValueExW(parameters, L"SelectiveSuspendEnabled", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    SetUsbPowerRegistryRoot(previousRoot);
    ::RegCloseKey(parameters);
    ::RegCloseKey(scratch);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, scratchPath.c_str());
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(m_dialog->m_usbKeyFound, 0);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, TextAt(g_connectPromptTexts, 0, LANGUAGE_ENGLISH));
}
