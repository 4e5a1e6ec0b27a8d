// Uploads whose acknowledgement comes late or never, and reads that fail, through the emulated
// station's fault commands: what the station holds afterwards, what the user is told, and what
// the dialog and the main window then show.
#include "tests/app/StationFixture.h"
#include "texts/Cities.h"

using namespace station_fixture;

namespace {

class UploadFaults : public StationCommands {};

// A weekday alarm at 07:45 and a rain limit of 1234 typed into the alarm dialog.
void TypeNewAlarm(CDialog& d)
{
    ui::TypeText(d, 1191, L"7");
    ui::TypeText(d, 1193, L"45");
    ui::TypeText(d, 1184, L"1234");
}

}  // namespace

// The station takes the value but acknowledges after the reply time: it is read again, and the
// upload counts as the success it was.
TEST_F(UploadFaults, LateAcknowledgementOfATakenValueIsASuccess)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_altitudeUnit = 1;
    m_dialog->m_altitude = 115;
    CString altitudeShown;
    answer.Add(IDD_ALTITUDE, [&](CDialog& d) {
        ui::TypeText(d, ALTITUDE_EDIT, L"321");
        USBEmulatorControl("slow 700 1");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
        altitudeShown = Text(d, ALTITUDE_CURRENT);
    });
    Command(*m_dialog, ID_SETTING_ALTITUDE);
    int checkedInterval = 0;
    answer.Add(IDD_RECORD_INTERVAL, [&](CDialog& d) {
        ui::ClickButton(d, 1429);  // 20 minutes
        USBEmulatorControl("slow 700 1");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_INTERVAL));
        checkedInterval = d.GetCheckedRadioButton(1427, 1437);
    });
    Command(*m_dialog, ID_RECORD_INTERVAL);

    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload success");
    EXPECT_EQ(boxes.Boxes()[1].text, L"Upload success");
    EXPECT_EQ(altitudeShown, L"321");
    EXPECT_EQ(m_dialog->m_altitude, 321);
    EXPECT_EQ(checkedInterval, 1429);
    EXPECT_EQ(m_dialog->m_recordInterval, 2);
    si::Image expected = m_before;
    si::SetAltitude(expected, 321);
    si::SetMemoryInfo(expected, si::SIZE_CODE_8K, 3, 3);
    EXPECT_EQ(ImageNow(), expected);
}

// A write the station never answers and never took: "Upload failure", and the dialog and the main
// window show what the station holds, read again (not what the main window held before).
TEST_F(UploadFaults, UnansweredWriteShowsTheValueReadAgain)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_altitudeUnit = 0;  // feet
    m_dialog->m_altitude = 15;
    CString shown;
    answer.Add(IDD_ALTITUDE, [&](CDialog& d) {
        ui::TypeText(d, ALTITUDE_EDIT, L"1000");
        USBEmulatorControl("fault no-reply 1");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
        shown = Text(d, ALTITUDE_CURRENT) + L"|" + Text(d, ALTITUDE_EDIT);
    });
    Command(*m_dialog, ID_SETTING_ALTITUDE);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload failure");
    EXPECT_EQ(shown, L"-328|-328");  // -100 m in feet
    EXPECT_EQ(m_dialog->m_altitude, -100);
    EXPECT_EQ(m_dialog->m_altitudeMetres, -100.0);
    EXPECT_EQ(ImageNow(), m_before);
}

// The alarm's second block cannot be read: nothing at all is written, so the station never holds
// new times with old limits.
TEST_F(UploadFaults, AlarmBlockThatCannotBeReadStopsTheUploadBeforeAnyWrite)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_timeFormat = 1;
    answer.Add(IDD_ALARM, [](CDialog& d) {
        ui::ClickButton(d, 1176);
        TypeNewAlarm(d);
        // The first block and the first half of the second are answered, nothing after them.
        USBEmulatorControl("after 3 fault no-reply");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        EXPECT_EQ(Text(d, 1207), L"06:00");
        EXPECT_EQ(Text(d, 1191), L"6");
        EXPECT_EQ(Text(d, 1200), L"50");
    });
    Command(*m_dialog, ID_SETTING_ALARM);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload failure");
    EXPECT_TRUE(Frames("AE").empty());
    EXPECT_EQ(ImageNow(), m_before);
}

// The times went in, the limits did not: the dialog and the main window show the new times with
// the old limits, as the station holds them.
TEST_F(UploadFaults, AlarmWhoseSecondWriteFailsShowsWhatTheStationHolds)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    m_dialog->m_timeFormat = 1;
    m_dialog->m_alarmRecord[stationsettings::ALARM_TEMPERATURE_ON] = 1;
    answer.Add(IDD_ALARM, [](CDialog& d) {
        TypeNewAlarm(d);
        // Four reads (two blocks of two), the first write, then the second write goes unanswered.
        USBEmulatorControl("after 5 fault no-reply 1");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        EXPECT_EQ(Text(d, 1207), L"07:45");
        EXPECT_EQ(Text(d, 1200), L"50");
        EXPECT_EQ(Text(d, 1184), L"50");
        EXPECT_EQ(d.IsDlgButtonChecked(1172), static_cast<UINT>(BST_CHECKED));
    });
    Command(*m_dialog, ID_SETTING_ALARM);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload failure");
    EXPECT_EQ(Frames("AE").size(), 2u);
    const int* alarms = m_dialog->m_alarmRecord;
    EXPECT_EQ(alarms[stationsettings::ALARM_WEEKDAY_HOUR], 7);
    EXPECT_EQ(alarms[stationsettings::ALARM_WEEKDAY_MINUTE], 45);
    EXPECT_EQ(alarms[stationsettings::ALARM_RAIN_UPPER], 50);
    EXPECT_EQ(alarms[stationsettings::ALARM_TEMPERATURE_ON], 1);
}

// The local city went in, the second did not: the main window and the dialog take the station's
// two cities, and "rLocation.dat" keeps them.
TEST_F(UploadFaults, LocationWhoseSecondWriteFailsShowsTheStationsCities)
{
    Serve(Fixture());
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    const int firstOfAsia = CityAtRegionPosition(REGION_ASIA, 0);
    answer.Add(IDD_LOCATION, [&](CDialog& d) {
        EXPECT_EQ(Text(d, 1360), CityCodeAt(4));
        ui::SelectComboItem(d, 1370, REGION_ASIA);
        ui::SelectComboItem(d, 1385, REGION_USER_DEFINED);
        ui::TypeText(d, 1359, L"Hut");
        // Four reads, the local city's write, then the second city's write goes unanswered.
        USBEmulatorControl("after 5 fault no-reply 1");
        EXPECT_TRUE(ui::ClickButton(d, 1382));
        EXPECT_EQ(Text(d, 1334), CityCodeAt(firstOfAsia));
        EXPECT_EQ(Text(d, 1360), CityCodeAt(4));
        EXPECT_EQ(Text(d, 1359), CityNameAt(4));
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"Upload failure");
    EXPECT_EQ(m_dialog->m_locationSettings[0].cityIndex, firstOfAsia);
    EXPECT_EQ(m_dialog->m_locationSettings[1].cityIndex, 4);
    EXPECT_EQ(m_dialog->m_chosenCityIndex, firstOfAsia);
    settings::Bytes file;
    ASSERT_TRUE(settings::ReadFileBytes(m_dialog->m_installFolder + settings::LOCATION_FILE, &file));
    EXPECT_EQ(settings::ReadInt32(file, 4), firstOfAsia);
    EXPECT_EQ(settings::ReadInt32(file, 2060), 4);
}
