// Settings uploaded through their dialogs as a user uploads them, then read back: the emulated
// station's memory after the upload, the dialog opened again from the station, and what the main
// window shows.
#include "tests/app/StationFixture.h"
#include "texts/TextTables.h"

#include <cstdlib>
#include <cwctype>

using namespace station_fixture;
using namespace stationsettings;

namespace {

constexpr int UPLOAD_LOCATION = 1382;

void SetCheck(CDialog& dialog, int id, bool on)
{
    if ((dialog.IsDlgButtonChecked(id) == BST_CHECKED) != on)
        ui::ClickButton(dialog, id);
}

// One set of alarms as typed into the dialog (24-hour times), as the station then holds the
// temperature limits (tenths of a degree), and as the dialog shows them when it opens again.
struct TypedAlarms {
    const wchar_t* upper;
    const wchar_t* lower;
    int upperTenths, lowerTenths;
    int rain, wind, gust;
    int weekdayHour, weekdayMinute, singleHour, singleMinute, period, duration;
    const char* checks;  // temperature, rain, wind, gust, weekday, single, pre-alarm: "1" on
    const wchar_t* shown;
};

void TypeAlarms(CDialog& d, const TypedAlarms& a)
{
    // The time alarms first: the pre-alarm and its fields are usable only with one of them on.
    for (int k : {4, 5, 0, 1, 2, 3, 6})
        SetCheck(d, 1172 + k, a.checks[k] == '1');
    ui::TypeText(d, 1179, a.upper);
    ui::TypeText(d, 1182, a.lower);
    const int numbers[][2] = {{1184, a.rain},        {1186, a.wind},          {1188, a.gust},
                              {1191, a.weekdayHour}, {1193, a.weekdayMinute}, {1195, a.singleHour},
                              {1197, a.singleMinute}, {1201, a.period},       {1203, a.duration}};
    for (const auto& number : numbers)
        ui::TypeText(d, number[0], std::to_wstring(number[1]).c_str());
}

// What the dialog shows of the alarms: the "Current setting" texts, period, duration, check boxes.
CString ShownAlarms(CDialog& d)
{
    CString shown;
    for (int id : {1181, 1199, 1200, 1205, 1206, 1207, 1208, 1201, 1203})
        shown += Text(d, id) + L"|";
    for (int id = 1172; id <= 1178; ++id)
        shown += d.IsDlgButtonChecked(id) == BST_CHECKED ? L"1" : L"0";
    return shown;
}

// Lumidor.dll of the build, loaded as the program loads it.
HINSTANCE LoadLumidor()
{
    const char* bin = std::getenv("ORVELLE_BIN_DIR");
    if (!bin)
        return nullptr;
    std::wstring path = L"Z:";
    for (const char* p = bin; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return ::LoadLibraryW((path + L"\\Lumidor.dll").c_str());
}

bool IsClockTime(const std::wstring& text)
{
    return text.size() == 5 && text[2] == L':' && iswdigit(text[0]) && iswdigit(text[1]) && iswdigit(text[3]) &&
           iswdigit(text[4]);
}

}  // namespace

// Every alarm the dialog offers reaches the station: the temperature limits over their whole range,
// negative and with tenths, as the dialog reads them; the dialog opened again shows what was typed.
TEST_F(StationCommands, TypedAlarmsReachTheStationAndOpenAgainAsTyped)
{
    Serve(Fixture());
    m_dialog->m_timeFormat = 1;
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    const TypedAlarms typed[] = {
        {L"25", L"-10", 250, -100, 1999, 199, 1, 23, 59, 0, 0, 6, 15, "1111111",
         L"25.0|-10.0|1999|199|1|23:59|00:00|6|15|1111111"},
        {L"70", L"-50", 700, -500, 2, 1, 199, 7, 5, 12, 30, 1, 1, "0010100",
         L"70.0|-50.0|2|1|199|07:05|12:30|1|1|0010100"},
        {L"-0.5", L"-12.3", -5, -123, 1234, 123, 45, 0, 0, 23, 59, 4, 7, "1001011",
         L"-0.5|-12.3|1234|123|45|00:00|23:59|4|7|1001011"},
        {L"0", L"-0.1", 0, -1, 50, 20, 40, 6, 0, 18, 0, 2, 3, "0000000",  // period and duration disabled
         L"0.0|-0.1|50|20|40|06:00|18:00|4|7|0000000"},
    };
    std::vector<CString> shownAtOpening;
    for (const TypedAlarms& alarms : typed) {
        answer.Add(IDD_ALARM, [&](CDialog& d) {
            shownAtOpening.push_back(ShownAlarms(d));
            TypeAlarms(d, alarms);
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
            ui::ClickButton(d, IDOK);
        });
        m_dialog->OnAlarm();
        EXPECT_EQ(boxes.Boxes().back().text, L"Upload success") << alarms.upper;

        const si::Image image = ImageNow();
        AlarmRecord held{};
        DecodeAlarmTimes(image.data(), held);
        EXPECT_EQ(held[ALARM_TEMPERATURE_UPPER], alarms.upperTenths);
        EXPECT_EQ(held[ALARM_TEMPERATURE_LOWER], alarms.lowerTenths);
        EXPECT_TRUE(si::BadChecksumGroups(image).empty()) << alarms.upper;
    }
    // 25.0 and -10.0: the digits with the sign bit, the other bits of 32 and 34 as the station had them.
    const std::vector<std::string> writes = Frames("AE");
    ASSERT_EQ(writes.size(), 8u);
    EXPECT_EQ(writes[0].substr(12 + 15 * 3, 11), "50 82 00 01");
    EXPECT_EQ(writes[2].substr(12 + 15 * 3, 11), "00 87 00 05");

    answer.Add(IDD_ALARM, [&](CDialog& d) { shownAtOpening.push_back(ShownAlarms(d)); });
    m_dialog->OnAlarm();
    ASSERT_EQ(shownAtOpening.size(), 5u);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(shownAtOpening[k + 1].str(), typed[k].shown) << k;
}

// A user-defined city whose name field was emptied (or holds only spaces) keeps its previous name:
// the station's city its own, a city newly made the user-defined one the table's name.
TEST_F(StationCommands, AnEmptiedCityNameKeepsThePreviousName)
{
    si::Image image = Fixture();
    si::LocationSetting hut;  // the user-defined city
    hut.latDegrees = 47;
    si::SetLocation(image, 0, hut);
    si::FixAllChecksums(image);
    Serve(image);
    m_dialog->m_locationSettings[0].name = L"Hut";
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_LOCATION, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1333), L"Hut");
        ui::TypeText(d, 1333, L"");
        ui::SelectComboItem(d, 1385, REGION_USER_DEFINED);  // English: position = region
        ui::TypeText(d, 1359, L"   ");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_LOCATION));
        EXPECT_EQ(Text(d, 1333), L"Hut");
        EXPECT_EQ(Text(d, 1359), L"User defined city");
        ui::ClickButton(d, IDOK);
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    EXPECT_EQ(boxes.Boxes().back().text, L"Upload success");
    EXPECT_EQ(m_dialog->m_locationSettings[0].name, L"Hut");
    EXPECT_EQ(m_dialog->m_locationText[0], L"Hut");  // the city the main window shows
    EXPECT_EQ(m_dialog->m_locationSettings[1].name, L"User defined city");
    settings::Bytes file;
    ASSERT_TRUE(settings::ReadFileBytes(m_dialog->m_installFolder + settings::LOCATION_FILE, &file));
    EXPECT_EQ(settings::ReadTextField(file, 8, 1024), L"Hut");

    answer.Add(IDD_LOCATION, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1333), L"Hut");
        EXPECT_EQ(Text(d, 1359), L"User defined city");
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    EXPECT_EQ(answer.Opened().size(), 2u);
}

// A time offset beyond those in use (-12:00 .. +14:00) is refused with a message and never sent;
// every offset the dialog takes shows sunrise and sunset in the main window.
TEST_F(StationCommands, TimeOffsetsBeyondThoseInUseAreRefusedAndTakenOnesShowTheSun)
{
    Serve(Fixture());
    m_dialog->m_hLumidor = LoadLumidor();
    ASSERT_NE(m_dialog->m_hLumidor, nullptr);
    m_dialog->m_recordTime[RECORD_YEAR] = 2024, m_dialog->m_recordTime[RECORD_MONTH] = 6;
    m_dialog->m_recordTime[RECORD_DAY] = 21;
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    ui::ScopedDialogAnswer answer;
    struct Offset {
        int sign;  // position in the sign list: 0 minus, 1 plus
        const wchar_t* hours;
        const wchar_t* minutes;
        bool taken;
    };
    const Offset offsets[] = {{1, L"40", L"0", false}, {1, L"15", L"0", false}, {1, L"14", L"30", false},
                              {0, L"13", L"0", false}, {0, L"12", L"30", false}, {1, L"-3", L"0", false},
                              {1, L"14", L"0", true},  {0, L"12", L"0", true},   {0, L"9", L"30", true}};
    answer.Add(IDD_LOCATION, [&](CDialog& d) {
        ui::SelectComboItem(d, 1370, REGION_USER_DEFINED);
        ui::TypeText(d, 1333, L"Hut");
        ui::TypeText(d, 1335, L"51");
        for (const Offset& offset : offsets) {
            ui::SelectComboItem(d, 1350, offset.sign);
            ui::TypeText(d, 1352, offset.hours);
            ui::TypeText(d, 1354, offset.minutes);
            const std::size_t writes = Frames("AE").size();
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD_LOCATION)) << offset.hours;
            if (!offset.taken) {
                EXPECT_EQ(boxes.Boxes().back().text, TextAt(g_locationDialogTexts, 30, LANGUAGE_ENGLISH));
                EXPECT_EQ(Frames("AE").size(), writes) << offset.hours;
                EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, 1352));
                continue;
            }
            EXPECT_EQ(boxes.Boxes().back().text, L"Upload success") << offset.hours;
            EXPECT_TRUE(IsClockTime(m_dialog->UpdateSunriseText())) << offset.hours << offset.minutes;
            EXPECT_TRUE(IsClockTime(m_dialog->UpdateSunsetText())) << offset.hours << offset.minutes;
        }
        ui::ClickButton(d, IDOK);
    });
    Command(*m_dialog, ID_SETTING_LOCATION);
    EXPECT_EQ(m_dialog->m_locationSettings[0].zoneHours, 9);
    EXPECT_EQ(m_dialog->m_locationSettings[0].zoneEast, 0);
    EXPECT_EQ(Frames("AE").size(), 6u);
    ::FreeLibrary(m_dialog->m_hLumidor);
    m_dialog->m_hLumidor = nullptr;
}

// A station that holds a time offset beyond those the dialog sends (up to 15:30 either way, written
// by an older version) shows sunrise and sunset at start all the same: the times of the station's
// own clock, an hour later at 15:00 east than at 14:00 east, half an hour and an hour and a half
// earlier at 14:30 and 15:30 west than at 14:00 west.
TEST_F(StationCommands, OffsetsTheStationHoldsBeyondThoseInUseShowTheSunInTheStationsClock)
{
    m_dialog->m_hLumidor = LoadLumidor();
    ASSERT_NE(m_dialog->m_hLumidor, nullptr);
    m_dialog->m_recordTime[RECORD_YEAR] = 2024, m_dialog->m_recordTime[RECORD_MONTH] = 1;
    m_dialog->m_recordTime[RECORD_DAY] = 1;
    m_dialog->m_chosenCityIndex = -1;
    m_dialog->m_cityIndex = USER_DEFINED_CITY;
    // Minutes of the day of sunrise and sunset at a place on the meridian of Greenwich, as the main
    // window shows them for the offset the station holds; -1 for a text that is no time.
    auto sunAt = [&](bool east, int hours, int minutes) {
        si::Image image = Fixture();
        si::LocationSetting own;
        own.latDegrees = 51;
        own.zonePlus = east;
        own.zoneHours = hours;
        own.zoneMinutes = minutes;
        si::SetLocation(image, 0, own);
        si::FixAllChecksums(image);
        Serve(image);
        m_dialog->ShowLocationText(true);
        std::pair<int, int> times{-1, -1};
        const std::wstring rise = m_dialog->UpdateSunriseText(), set = m_dialog->UpdateSunsetText();
        if (IsClockTime(rise))
            times.first = std::stoi(rise.substr(0, 2)) * 60 + std::stoi(rise.substr(3));
        if (IsClockTime(set))
            times.second = std::stoi(set.substr(0, 2)) * 60 + std::stoi(set.substr(3));
        return times;
    };
    const auto later = [](int time, int base) { return ((time - base) % 1440 + 1440) % 1440; };
    const std::pair<int, int> east14 = sunAt(true, 14, 0), west14 = sunAt(false, 14, 0);
    ASSERT_GE(east14.first, 0);
    ASSERT_GE(west14.second, 0);
    const struct {
        bool east;
        int hours, minutes, laterBy;
    } held[] = {{true, 15, 0, 60}, {true, 15, 30, 90}, {false, 14, 30, 1440 - 30}, {false, 15, 30, 1440 - 90}};
    for (const auto& offset : held) {
        const std::pair<int, int> times = sunAt(offset.east, offset.hours, offset.minutes);
        const std::pair<int, int>& base = offset.east ? east14 : west14;
        ASSERT_GE(times.first, 0) << offset.hours << ":" << offset.minutes;
        ASSERT_GE(times.second, 0) << offset.hours << ":" << offset.minutes;
        EXPECT_EQ(later(times.first, base.first), offset.laterBy) << offset.hours << ":" << offset.minutes;
        EXPECT_EQ(later(times.second, base.second), offset.laterBy) << offset.hours << ":" << offset.minutes;
    }
    ::FreeLibrary(m_dialog->m_hLumidor);
    m_dialog->m_hLumidor = nullptr;
}
