// The location dialog driven as a user drives it, against a writer that records the upload.
#include "dialogs/LocationDialog.h"
#include "dialogs/TypedNumbers.h"
#include "platform/ui/UiMessageBox.h"
#include "tests/support/DialogTestSupport.h"

#include <functional>
#include <optional>
#include <vector>

using stationsettings::StationCity;

namespace {

constexpr int UPLOAD = 1382;
constexpr int REGION = 1370, CITY = 1331, CODE = 1332, NAME = 1333, CURRENT_CODE = 1334, LAT_DEGREES = 1335;
constexpr int LAT_HEMISPHERE = 1339, CURRENT_LATITUDE = 1340, RULE = 1347, DST_START = 1349, DST_END = 1351;
constexpr int SIGN = 1350, ZONE_MINUTES = 1354, ZONE_MINUTES_SPIN = 1356, CURRENT_ZONE = 1383;
constexpr int SECOND_NAME = 1359, SECOND_REGION = 1385;
constexpr int LONDON = 69;

class CRecordingWriters : public CStationWriters {
public:
    bool m_succeed = true;
    std::vector<std::vector<StationCity>> m_locations;
    std::optional<StationCities> m_held;   // handed back with the outcome, as if read from the station
    std::function<void()> m_whileWriting;
    bool WriteRecordInterval(int, HeldSetting<int>*) override { return false; }
    bool WriteAltitude(int, HeldSetting<int>*) override { return false; }
    bool WriteAlarms(const stationsettings::AlarmRecord&, HeldSetting<stationsettings::AlarmRecord>*) override
    {
        return false;
    }
    bool WriteLocation(const StationCity (&cities)[2], HeldSetting<StationCities>* held) override
    {
        m_locations.push_back({cities[0], cities[1]});
        if (m_whileWriting)
            m_whileWriting();
        if (m_held)
            *held = HeldSetting<StationCities>{true, *m_held};
        return m_succeed;
    }
};

// Local side London, second side a user-defined city of its own.
struct LocationFixture : ::testing::Test {
    CRecordingWriters writers;
    CLocationDialogDlg dialog;
    LocationFixture()
    {
        dialog.m_pMainDlg = &writers;
        dialog.m_region[0] = REGION_EUROPE;
        dialog.m_cityCode[0] = LONDON;
        dialog.m_cityName[0] = CityNameAt(LONDON);
        dialog.m_latDegrees[0] = 51;
        dialog.m_latMinutes[0] = 30;
        dialog.m_lonMinutes[0] = 7;
        dialog.m_west[0] = 1;
        dialog.m_cityName[1] = L"Cabin";
        dialog.m_latDegrees[1] = 45;
        dialog.m_south[1] = 1;
        dialog.m_dstRule[1] = 2;
        dialog.m_zonePlus[1] = 0;
        dialog.m_zoneHours[1] = 3;
        dialog.m_zoneMinutes[1] = 30;
    }
};

// The region each entry of the region list names, by its text.
std::vector<int> RegionsByPosition(CWnd& d, int language)
{
    std::vector<int> regions;
    HWND list = ::GetDlgItem(d.m_hWnd, REGION);
    const int count = static_cast<int>(::SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int position = 0; position < count; ++position) {
        wchar_t text[128] = {};
        ::SendMessageW(list, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text));
        for (int region = 0; region < REGION_COUNT; ++region)
            if (CString(text) == TextAt(g_locationDialogTexts, LOCATION_REGION_FIRST_ROW + region, language))
                regions.push_back(region);
    }
    return regions;
}

}  // namespace

TEST_F(LocationFixture, RegionEntriesStandForTheRegionTheyNameInEveryLanguage)
{
    const std::vector<int> expected[] = {{0, 1, 2, 3, 4, 5, 6}, {0, 1, 2, 6, 3, 4, 5}, {0, 4, 5, 1, 2, 3, 6}};
    for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_FRENCH}) {
        dialog.m_language = language;
        RunDialog(dialog, [&](CDialog& d) {
            EXPECT_EQ(RegionsByPosition(d, language), expected[language]) << language;
            EXPECT_EQ(SelectedText(d, REGION), TextAt(g_locationDialogTexts, LOCATION_REGION_FIRST_ROW + REGION_EUROPE,
                                                       language));
            // The user-defined region's entry, wherever it sorts, selects the user-defined city.
            const int position = static_cast<int>(std::find(expected[language].begin(), expected[language].end(),
                                                            REGION_USER_DEFINED) -
                                                   expected[language].begin());
            EXPECT_TRUE(ui::SelectComboItem(d, REGION, position));
            EXPECT_EQ(SelectedText(d, CITY), CityNameAt(USER_DEFINED_CITY));
            EXPECT_EQ(Text(d, CODE), L"USR");
        });
    }
}

TEST_F(LocationFixture, UserDefinedRegionOpensTheFieldsAndATableCityClosesThem)
{
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_FALSE(Enabled(d, UPLOAD));
        EXPECT_EQ(SelectedText(d, CITY), CityNameAt(LONDON));
        EXPECT_EQ(Text(d, CURRENT_CODE), L"LON");
        EXPECT_EQ(Text(d, CURRENT_LATITUDE), L"51\u00B030' north");
        EXPECT_TRUE(ReadOnly(d, NAME));
        EXPECT_FALSE(Enabled(d, LAT_HEMISPHERE));
        ui::SelectComboItem(d, REGION, REGION_USER_DEFINED);
        EXPECT_EQ(Text(d, NAME), L"User defined city");
        EXPECT_FALSE(ReadOnly(d, NAME));
        EXPECT_FALSE(ReadOnly(d, LAT_DEGREES));
        EXPECT_EQ(Text(d, LAT_DEGREES), L"0");
        EXPECT_EQ(SelectedText(d, RULE), L"NO");
        EXPECT_EQ(SelectedText(d, SIGN), L"(+)");
        EXPECT_EQ(Text(d, ZONE_MINUTES), L"0");
        EXPECT_EQ(Text(d, DST_START), L"Never use DST");
        EXPECT_TRUE(Enabled(d, LAT_HEMISPHERE));
        EXPECT_TRUE(Enabled(d, UPLOAD));
        ui::SelectComboItem(d, REGION, REGION_ASIA);
        EXPECT_TRUE(ReadOnly(d, NAME));
        EXPECT_FALSE(Enabled(d, RULE));
        EXPECT_EQ(Text(d, CURRENT_CODE), L"LON");  // the station's setting stays beside
    });
    EXPECT_TRUE(writers.m_locations.empty());
}

TEST_F(LocationFixture, OwnUserCityOpensUnchangedAndItsZoneMinutesStepByHalfHours)
{
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(Text(d, SECOND_NAME), L"Cabin");
        EXPECT_EQ(Text(d, 1384), L"- 3:30");
        EXPECT_FALSE(Enabled(d, UPLOAD));
        ui::ClickSpinArrow(d, 1381, false);
        EXPECT_EQ(Text(d, 1380), L"0");
        ui::ClickSpinArrow(d, 1381, true);
        EXPECT_EQ(Text(d, 1380), L"30");
        ui::SelectComboItem(d, REGION, REGION_USER_DEFINED);
        ui::ClickSpinArrow(d, ZONE_MINUTES_SPIN, true);
        EXPECT_EQ(Text(d, ZONE_MINUTES), L"30");
        ui::ClickSpinArrow(d, ZONE_MINUTES_SPIN, true);
        EXPECT_EQ(Text(d, ZONE_MINUTES), L"30");
        ui::ClickButton(d, IDOK);  // Close: nothing is uploaded
    });
    EXPECT_TRUE(writers.m_locations.empty());
}

// A position beyond what its field takes is refused with the field's range, zone minutes other than
// 0 or 30 with the time offsets in use, never brought into the range without a word; then the upload
// sends both cities.
TEST_F(LocationFixture, UploadRefusesValuesBeyondTheirRangesThenSendsBothCitiesAndMakesThemCurrent)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    RunDialog(dialog, [&](CDialog& d) {
        ui::SelectComboItem(d, REGION, REGION_USER_DEFINED);
        ui::TypeText(d, NAME, L"Greenwich");
        ui::SelectComboItem(d, LAT_HEMISPHERE, 1);
        ui::SelectComboItem(d, RULE, 15);
        const struct {
            int field;
            const wchar_t* typed;
            CString message;
        } refused[] = {{LAT_DEGREES, L"95", NumberRangeMessage(L"0", L"89", LANGUAGE_ENGLISH)},
                       {1361, L"-1", NumberRangeMessage(L"0", L"89", LANGUAGE_ENGLISH)},
                       {ZONE_MINUTES, L"15", TextAt(g_locationDialogTexts, 30, LANGUAGE_ENGLISH)}};
        for (const auto& typed : refused) {
            const CString before = Text(d, typed.field);
            ui::TypeText(d, typed.field, typed.typed);
            ::SetFocus(::GetDlgItem(d.m_hWnd, UPLOAD));
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
            ASSERT_FALSE(boxes.Boxes().empty());
            EXPECT_EQ(boxes.Boxes().back().text, typed.message) << typed.typed;
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, typed.field)) << typed.typed;
            EXPECT_EQ(Text(d, typed.field), typed.typed);
            ui::TypeText(d, typed.field, before);
        }
        EXPECT_TRUE(writers.m_locations.empty());
        ui::TypeText(d, LAT_DEGREES, L"89");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
        EXPECT_FALSE(Enabled(d, UPLOAD));
        EXPECT_EQ(Text(d, CURRENT_LATITUDE), L"89\u00B00' south");
        EXPECT_EQ(Text(d, 1348), L"SU");
        EXPECT_EQ(Text(d, CURRENT_ZONE), L"+ 0:00");
    });
    ASSERT_EQ(writers.m_locations.size(), 1u);
    const StationCity& local = writers.m_locations[0][0];
    EXPECT_EQ(local.name, L"Greenwich");
    EXPECT_EQ(local.cityCode, USER_DEFINED_CITY);
    EXPECT_EQ(local.region, REGION_USER_DEFINED);
    EXPECT_EQ(local.latDegrees, 89);
    EXPECT_EQ(local.south, 1);
    EXPECT_EQ(local.dstRule, 15);
    const StationCity& second = writers.m_locations[0][1];
    EXPECT_EQ(second.name, L"Cabin");
    EXPECT_EQ(second.latDegrees, 45);
    EXPECT_EQ(second.zonePlus, 0);
    EXPECT_EQ(second.zoneHours, 3);
    EXPECT_EQ(second.zoneMinutes, 30);
    EXPECT_EQ(dialog.m_cityCode[0], USER_DEFINED_CITY);
    EXPECT_EQ(dialog.m_cityName[0], L"Greenwich");
    EXPECT_EQ(dialog.m_latDegrees[0], 89);
}

// A station that holds an offset beyond those in use (15 hours, written by an older version) opens
// with the offset as it is, not with the end of the field's range: an upload then says so and sends
// nothing until the offset is one in use.
TEST_F(LocationFixture, AnOffsetBeyondThoseInUseOpensAsHeldAndIsNotSentUnseen)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    dialog.m_zonePlus[1] = 1;
    dialog.m_zoneHours[1] = 15;
    dialog.m_zoneMinutes[1] = 0;
    RunDialog(dialog, [&](CDialog& d) {
        EXPECT_EQ(Text(d, 1384), L"+ 15:00");
        EXPECT_EQ(Text(d, 1378), L"15");
        ui::TypeText(d, SECOND_NAME, L"Hut");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, TextAt(g_locationDialogTexts, 30, LANGUAGE_ENGLISH));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, 1378));
        EXPECT_TRUE(writers.m_locations.empty());
        ui::TypeText(d, 1378, L"14");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
    });
    ASSERT_EQ(writers.m_locations.size(), 1u);
    EXPECT_EQ(writers.m_locations[0][1].zoneHours, 14);
    EXPECT_EQ(writers.m_locations[0][1].name, L"Hut");
}

TEST_F(LocationFixture, FailedUploadPutsTheCurrentSettingBack)
{
    writers.m_succeed = false;
    RunDialog(dialog, [](CDialog& d) {
        ui::SelectComboItem(d, REGION, REGION_USER_DEFINED);
        ui::TypeText(d, NAME, L"Greenwich");
        ui::TypeText(d, SECOND_NAME, L"Hut");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
        EXPECT_FALSE(Enabled(d, UPLOAD));
        EXPECT_EQ(SelectedText(d, REGION), L"Europe");
        EXPECT_EQ(SelectedText(d, CITY), CityNameAt(LONDON));
        EXPECT_EQ(Text(d, NAME), CityNameAt(LONDON));
        EXPECT_EQ(Text(d, SECOND_NAME), L"Cabin");
        EXPECT_EQ(Text(d, 1361), L"45");
        EXPECT_EQ(SelectedText(d, SECOND_REGION), L"User defined city");
        EXPECT_EQ(SelectedText(d, 1373), L"SA");
        EXPECT_FALSE(Text(d, 1375).IsEmpty());
    });
    ASSERT_EQ(writers.m_locations.size(), 1u);
    EXPECT_EQ(dialog.m_cityCode[0], LONDON);
    EXPECT_EQ(dialog.m_cityName[1], L"Cabin");
}

// A number field that holds no number stops the upload with a message in the dialog's language and
// the focus on that field; a failed upload shows what the station holds then.
TEST_F(LocationFixture, FieldsWithoutANumberAreRefusedAndAFailureShowsWhatTheStationHolds)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    dialog.m_language = LANGUAGE_RUSSIAN;
    writers.m_succeed = false;
    StationCities held;
    held[0].region = REGION_EUROPE;  // the local city went through, the second did not
    held[0].cityCode = 4;
    held[1].name = L"Cabin";
    held[1].latDegrees = 45;
    held[1].south = 1;
    held[1].dstRule = 2;
    held[1].zonePlus = 0;
    held[1].zoneHours = 3;
    held[1].zoneMinutes = 30;
    writers.m_held = held;
    CDialog* open = nullptr;
    CString zoneMinutesWhileWriting;
    writers.m_whileWriting = [&] { zoneMinutesWhileWriting = Text(*open, 1380); };
    RunDialog(dialog, [&](CDialog& d) {
        open = &d;
        ui::TypeText(d, 1361, L"x");
        ui::TypeText(d, 1380, L"");
        for (int field : {1361, 1380}) {
            ::SetFocus(::GetDlgItem(d.m_hWnd, UPLOAD));
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, field)) << field;
            ui::TypeText(d, field, field == 1361 ? L"50" : L"30");
        }
        EXPECT_TRUE(writers.m_locations.empty());
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD));
        EXPECT_EQ(Text(d, CURRENT_CODE), CityCodeAt(4));
        EXPECT_EQ(SelectedText(d, CITY), CityNameAt(4));
        EXPECT_EQ(Text(d, SECOND_NAME), L"Cabin");
        EXPECT_EQ(Text(d, 1361), L"45");
        EXPECT_FALSE(Enabled(d, UPLOAD));
    });
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, TextAt(g_locationDialogTexts, 28, LANGUAGE_RUSSIAN));
    EXPECT_EQ(zoneMinutesWhileWriting, L"30");
    ASSERT_EQ(writers.m_locations.size(), 1u);
    EXPECT_EQ(writers.m_locations[0][1].latDegrees, 50);
    EXPECT_EQ(dialog.m_cityCode[0], 4);
    EXPECT_EQ(dialog.m_latDegrees[1], 45);
}
