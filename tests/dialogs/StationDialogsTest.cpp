// The station settings dialogs and the confirmations, driven as a user drives them (through the
// dialog seam) against writers that record what an upload hands over.
#include "dialogs/AlarmDialog.h"
#include "dialogs/AlarmValues.h"
#include "dialogs/AltitudeDialog.h"
#include "dialogs/ConfirmDialogs.h"
#include "dialogs/RecordIntervalDialog.h"
#include "dialogs/TypedNumbers.h"
#include "platform/ui/UiMessageBox.h"
#include "res/resource.h"
#include "tests/support/DialogAnswer.h"
#include "tests/support/DialogTestSupport.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

using namespace stationsettings;

namespace {

constexpr int UPLOAD_ALARMS = 1209, UPLOAD_ALTITUDE = 1138, UPLOAD_INTERVAL = 1438;

class CRecordingWriters : public CStationWriters {
public:
    bool m_succeed = true;
    std::vector<int> m_intervals, m_altitudes;
    std::vector<AlarmRecord> m_alarms;
    std::function<void()> m_whileWriting;  // runs while a writer has the value (the dialog as it is then)
    bool WriteRecordInterval(int selection, HeldSetting<int>*) override { return Record(m_intervals, selection); }
    bool WriteAltitude(int altitude, HeldSetting<int>*) override { return Record(m_altitudes, altitude); }
    bool WriteAlarms(const AlarmRecord& alarms, HeldSetting<AlarmRecord>*) override { return Record(m_alarms, alarms); }
    bool WriteLocation(const StationCity (&)[2], HeldSetting<StationCities>*) override { return m_succeed; }

private:
    template <class T>
    bool Record(std::vector<T>& list, const T& value)
    {
        list.push_back(value);
        if (m_whileWriting)
            m_whileWriting();
        return m_succeed;
    }
};

bool HasFocus(CWnd& dialog, int id) { return ::GetFocus() == ::GetDlgItem(dialog.m_hWnd, id); }

// "Upload new setting" pressed as with the mouse: the button takes the focus, then the click.
void PressUpload(CWnd& dialog, int id)
{
    ::SetFocus(::GetDlgItem(dialog.m_hWnd, id));
    EXPECT_TRUE(ui::ClickButton(dialog, id));
}

int WindowWidth(CWnd& dialog)
{
    RECT window;
    dialog.GetWindowRect(&window);
    return window.right - window.left;
}

struct AlarmFixture : ::testing::Test {
    ui::ScopedMessageBoxAnswer boxes{IDOK};
    CRecordingWriters writers;
    CAlarmDialogDlg dialog;
    AlarmFixture()
    {
        dialog.m_pMainDlg = &writers;
        dialog.m_temperatureUpper = 305;
        dialog.m_temperatureLower = -53;
        dialog.m_rainUpper = 50;
        dialog.m_windUpper = 20;
        dialog.m_gustUpper = 40;
        dialog.m_weekdayHour = 7;
        dialog.m_weekdayMinute = 5;
        dialog.m_period = 2;
        dialog.m_duration = 3;
    }
};

}  // namespace

// ---- alarm dialog -------------------------------------------------------------------------------

TEST(AlarmValues, TextsClockAndPeriod)
{
    EXPECT_EQ(TemperatureText(-53), L"-5.3");
    EXPECT_EQ(TemperatureText(-5), L"-0.5");
    EXPECT_EQ(TemperatureText(700), L"70.0");
    EXPECT_EQ(TwelveHourOf(0), 12);
    EXPECT_EQ(TwelveHourOf(12), 12);
    EXPECT_EQ(TwelveHourOf(19), 7);
    EXPECT_EQ(HourOfTwelveHour(12, false), 0);
    EXPECT_EQ(HourOfTwelveHour(12, true), 12);
    EXPECT_EQ(HourOfTwelveHour(7, true), 19);
    EXPECT_EQ(UploadPeriod(5), 6);
    EXPECT_EQ(UploadPeriod(0), 1);
    EXPECT_EQ(UploadPeriod(9), 6);
}

TEST(TypedNumbers, OnlySignDigitsAndATemperaturePointCount)
{
    int value = 7;
    for (const wchar_t* text : {L"", L"  ", L"abc", L"12abc", L"1e2", L"5,3", L"--5", L"+", L"0x10", L"1 2"})
        EXPECT_FALSE(WholeNumberOfText(text, &value)) << text;
    EXPECT_FALSE(WholeNumberOfText(L"5.0", &value));  // whole numbers only
    EXPECT_EQ(value, 7);                              // nothing taken from a refused text
    EXPECT_TRUE(WholeNumberOfText(L" -30 ", &value));
    EXPECT_EQ(value, -30);
    EXPECT_TRUE(WholeNumberOfText(L"99999999999999", &value));
    EXPECT_EQ(value, INT_MAX);

    int tenths = 0;
    for (const wchar_t* text : {L"", L".", L",", L"-", L"abc", L"5a", L"1e2", L"5.3.1", L"5,3,1", L"5.3,1", L"1 000,5"})
        EXPECT_FALSE(TenthsOfText(text, &tenths)) << text;
    EXPECT_TRUE(TenthsOfText(L"-5.3", &tenths));
    EXPECT_EQ(tenths, -53);
    EXPECT_TRUE(TenthsOfText(L"-5,3", &tenths));  // the decimal comma
    EXPECT_EQ(tenths, -53);
    EXPECT_TRUE(TenthsOfText(L" 12,55 ", &tenths));
    EXPECT_EQ(tenths, 126);
    EXPECT_TRUE(TenthsOfText(L"5.35", &tenths));  // half away from zero
    EXPECT_EQ(tenths, 54);
    EXPECT_TRUE(TenthsOfText(L"-5.35", &tenths));
    EXPECT_EQ(tenths, -54);
    EXPECT_TRUE(TenthsOfText(L".5", &tenths));
    EXPECT_EQ(tenths, 5);
    EXPECT_TRUE(TenthsOfText(L"85", &tenths));
    EXPECT_EQ(tenths, 850);
}

TEST(AlarmValues, TemperatureSpinsKeepTheLimitsApart)
{
    // Upper clicked up while the typed lower limit is above it: lower drops below upper first.
    TemperatureLimits limits = StepUpperLimit(305, 310, +1);
    EXPECT_EQ(limits.lower, 304);
    EXPECT_EQ(limits.upper, 306);
    limits = StepUpperLimit(305, 304, -1);  // cannot reach the lower limit
    EXPECT_EQ(limits.upper, 305);
    limits = StepUpperLimit(900, -900, +1);
    EXPECT_EQ(limits.upper, 700);
    EXPECT_EQ(limits.lower, -500);
    limits = StepLowerLimit(100, 120, -1);  // upper raised above the typed lower one first
    EXPECT_EQ(limits.upper, 121);
    EXPECT_EQ(limits.lower, 119);
    limits = StepLowerLimit(100, 99, +1);
    EXPECT_EQ(limits.lower, 99);
    limits = UploadTemperatureLimits(50, 80);
    EXPECT_EQ(limits.upper, 81);
    EXPECT_EQ(limits.lower, 80);
    limits = UploadTemperatureLimits(700, 700);  // both stay within -50.0 .. 70.0
    EXPECT_EQ(limits.upper, 700);
    EXPECT_EQ(limits.lower, 699);
}

// A limit beyond what its field takes, or limits out of order, are never brought into the range
// without a word: the dialog names the range the field typed in takes (beside the other limit), in
// its language, and that field gets the focus back with what was typed.
TEST_F(AlarmFixture, LimitsTypedOutOfOrderOrBeyondTheirRangesAreRefusedWithTheRange)
{
    dialog.m_language = LANGUAGE_FRENCH;
    RunDialog(dialog, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, UPLOAD_ALARMS));
        const struct {
            int edit;
            const wchar_t* typed;
            const wchar_t* lowest;
            const wchar_t* highest;
        } refused[] = {{1179, L"-10,0", L"-5.2", L"70.0"}, {1182, L"8,0", L"-50.0", L"-5.3"},
                       {1179, L"85", L"-49.9", L"70.0"},    {1179, L"-50", L"-49.9", L"70.0"},
                       {1184, L"5000", L"2", L"1999"},      {1186, L"0", L"1", L"199"},
                       {1191, L"24", L"0", L"23"},          {1193, L"-1", L"0", L"59"}};
        for (const auto& field : refused) {
            ui::TypeText(d, field.edit, field.typed);
            const size_t before = boxes.Count();
            PressUpload(d, UPLOAD_ALARMS);
            ASSERT_EQ(boxes.Count(), before + 1) << field.edit;
            EXPECT_EQ(boxes.Boxes().back().text, NumberRangeMessage(field.lowest, field.highest, LANGUAGE_FRENCH));
            EXPECT_TRUE(HasFocus(d, field.edit)) << field.edit;
            EXPECT_EQ(Text(d, field.edit), field.typed);
            ui::TypeText(d, field.edit, field.lowest);
        }
        EXPECT_TRUE(writers.m_alarms.empty());
        PressUpload(d, UPLOAD_ALARMS);
    });
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_UPPER], -499);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_LOWER], -500);
    EXPECT_EQ(writers.m_alarms[0][ALARM_RAIN_UPPER], 2);
    EXPECT_EQ(writers.m_alarms[0][ALARM_WIND_UPPER], 1);
    EXPECT_EQ(writers.m_alarms[0][ALARM_WEEKDAY_HOUR], 0);
    EXPECT_EQ(writers.m_alarms[0][ALARM_WEEKDAY_MINUTE], 0);
    EXPECT_NE(NumberRangeMessage(L"1", L"2", LANGUAGE_FRENCH), NumberRangeMessage(L"1", L"2", LANGUAGE_ENGLISH));
}

// A limit the station holds beyond what its field takes (a rainfall limit of 0) opens as it is, not
// as the end of the range: the upload says so and sends nothing until it is one the field takes.
TEST_F(AlarmFixture, ALimitHeldBeyondItsRangeOpensAsHeldAndIsNotSentUnseen)
{
    dialog.m_rainUpper = 0;
    dialog.m_windUpper = 250;
    RunDialog(dialog, [&](CDialog& d) {
        EXPECT_EQ(Text(d, 1184), L"0");
        EXPECT_EQ(Text(d, 1186), L"250");
        ui::TypeText(d, 1188, L"45");
        PressUpload(d, UPLOAD_ALARMS);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, NumberRangeMessage(L"2", L"1999", LANGUAGE_ENGLISH));
        EXPECT_TRUE(HasFocus(d, 1184));
        EXPECT_TRUE(writers.m_alarms.empty());
    });
}

// Letters, an empty field or a lone sign are never uploaded: the dialog says so in its language
// and the field gets the focus back; numbers with spaces around them are taken.
TEST_F(AlarmFixture, FieldsWithoutANumberAreRefusedAndRangesShownBeforeTheUpload)
{
    dialog.m_language = LANGUAGE_GERMAN;
    dialog.m_weekdayAlarmOn = 1;
    CDialog* open = nullptr;
    CString shownWhileWriting;
    writers.m_whileWriting = [&] {
        for (int id : {1179, 1182, 1184, 1186, 1188, 1201})
            shownWhileWriting += Text(*open, id) + L"|";
    };
    RunDialog(dialog, [&](CDialog& d) {
        open = &d;
        const struct {
            int edit;
            const wchar_t* text;
            const wchar_t* corrected;
        } refused[] = {{1184, L"abc", L"60"}, {1184, L"", L"60"}, {1179, L"warm", L"30.5"},
                       {1186, L"-", L"5"},    {1191, L"7h", L"7"}, {1203, L"1.5", L"3"}};
        for (const auto& field : refused) {
            ui::TypeText(d, field.edit, field.text);
            PressUpload(d, UPLOAD_ALARMS);
            EXPECT_TRUE(HasFocus(d, field.edit)) << field.edit;
            EXPECT_EQ(Text(d, field.edit), field.text);
            ui::TypeText(d, field.edit, field.corrected);
        }
        EXPECT_TRUE(writers.m_alarms.empty());
        ASSERT_EQ(boxes.Count(), 6u);
        EXPECT_EQ(boxes.Boxes()[0].text, TextAt(g_alarmDialogTexts, 23, LANGUAGE_GERMAN));
        EXPECT_NE(boxes.Boxes()[0].text, TextAt(g_alarmDialogTexts, 23, LANGUAGE_ENGLISH));

        ui::TypeText(d, 1179, L" 70 ");
        ui::TypeText(d, 1182, L"-50");
        ui::TypeText(d, 1184, L"1999 ");
        ui::TypeText(d, 1186, L"1");
        ui::TypeText(d, 1188, L" 199");
        ui::TypeText(d, 1201, L"5");
        PressUpload(d, UPLOAD_ALARMS);
    });
    EXPECT_EQ(shownWhileWriting, L"70.0|-50.0|1999|1|199|6|");
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_UPPER], 700);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_LOWER], -500);
    EXPECT_EQ(writers.m_alarms[0][ALARM_RAIN_UPPER], 1999);
    EXPECT_EQ(writers.m_alarms[0][ALARM_GUST_UPPER], 199);
    EXPECT_EQ(writers.m_alarms[0][ALARM_PERIOD], 6);
}

TEST_F(AlarmFixture, TwelveHourTimesAndTheirLists)
{
    dialog.m_timeFormat = 0;
    dialog.m_singleHour = 0;
    dialog.m_singleMinute = 30;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1191), L"7");
        EXPECT_EQ(Text(d, 1195), L"12");
        EXPECT_EQ(Text(d, 1208), L"12:30 AM");
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(d.m_hWnd, 1145)));
        EXPECT_EQ(ItemRect(d, 1207).left, 600);
        ui::SelectComboItem(d, 1145, 0);  // the same as at opening: no change
        EXPECT_FALSE(Enabled(d, UPLOAD_ALARMS));
        ui::SelectComboItem(d, 1145, 1);  // 7:05 PM
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
    });
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_WEEKDAY_HOUR], 19);
    EXPECT_EQ(writers.m_alarms[0][ALARM_SINGLE_HOUR], 0);
    EXPECT_EQ(dialog.m_weekdayHour, 19);
}

TEST_F(AlarmFixture, TwentyFourHourModeHidesTheLists)
{
    dialog.m_timeFormat = 1;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d.m_hWnd, 1145)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d.m_hWnd, 1031)));
        EXPECT_EQ(Text(d, 1207), L"07:05");
        EXPECT_EQ(Text(d, 1181), L"30.5");
        EXPECT_EQ(Text(d, 1199), L"-5.3");
    });
    EXPECT_TRUE(writers.m_alarms.empty());
}

TEST_F(AlarmFixture, PeriodSkipsFive)
{
    dialog.m_weekdayAlarmOn = 1;
    dialog.m_period = 4;
    RunDialog(dialog, [](CDialog& d) {
        ui::ClickSpinArrow(d, 1202, true);
        EXPECT_EQ(Text(d, 1201), L"6");
        ui::ClickSpinArrow(d, 1202, false);
        EXPECT_EQ(Text(d, 1201), L"4");
        ui::TypeText(d, 1201, L"5");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
    });
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_PERIOD], 6);
}

TEST_F(AlarmFixture, PreAlarmNeedsATimeAlarm)
{
    dialog.m_weekdayAlarmOn = 1;
    dialog.m_preAlarmOn = 1;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1178), static_cast<UINT>(BST_CHECKED));
        EXPECT_TRUE(Enabled(d, 1201));
        ui::ClickButton(d, 1176);  // weekday alarm off, the single alarm is off too
        EXPECT_EQ(d.IsDlgButtonChecked(1178), static_cast<UINT>(BST_UNCHECKED));
        for (int id : {1178, 1201, 1202, 1203, 1204})
            EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
    });
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_WEEKDAY_ON], 0);
    EXPECT_EQ(writers.m_alarms[0][ALARM_PRE_ON], 0);
}

TEST_F(AlarmFixture, TemperatureSpinClickMovesTheLimitAndEnablesUpload)
{
    RunDialog(dialog, [&](CDialog& d) {
        ui::TypeText(d, 1182, L"31.0");
        ui::ClickSpinArrow(d, 1180, true);
        EXPECT_EQ(Text(d, 1179), L"30.6");
        // The upload takes both typed texts: the lower 31.0 is not below the upper one and is said.
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, NumberRangeMessage(L"-50.0", L"30.5", LANGUAGE_ENGLISH));
        EXPECT_TRUE(writers.m_alarms.empty());
        ui::TypeText(d, 1182, L"30.5");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
    });
    ASSERT_EQ(writers.m_alarms.size(), 1u);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_UPPER], 306);
    EXPECT_EQ(writers.m_alarms[0][ALARM_TEMPERATURE_LOWER], 305);

    // A click on a spin before any edit had the focus is a change too.
    CAlarmDialogDlg second;
    second.m_pMainDlg = &writers;
    RunDialog(second, [](CDialog& d) {
        ui::ClickSpinArrow(d, 1187, true);
        EXPECT_TRUE(Enabled(d, UPLOAD_ALARMS));
    });
}

TEST_F(AlarmFixture, FailedUploadShowsWhatTheStationHolds)
{
    writers.m_succeed = false;
    RunDialog(dialog, [&](CDialog& d) {
        ui::ClickButton(d, 1173);
        ui::TypeText(d, 1179, L"40.0");
        ui::ClickSpinArrow(d, 1183, true);
        ui::TypeText(d, 1184, L"60");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        EXPECT_EQ(Text(d, 1179), L"30.5");
        EXPECT_EQ(Text(d, 1182), L"-5.3");
        EXPECT_EQ(Text(d, 1181), L"30.5");
        EXPECT_EQ(Text(d, 1184), L"50");
        EXPECT_EQ(d.IsDlgButtonChecked(1173), static_cast<UINT>(BST_UNCHECKED));
        EXPECT_FALSE(Enabled(d, UPLOAD_ALARMS));
        EXPECT_EQ(dialog.m_temperatureUpper, 305);
        // The failure narrowed the upper spin to the lower limit held (-5.3 and above); limits typed
        // below it are sent as typed all the same.
        writers.m_succeed = true;
        ui::TypeText(d, 1179, L"-10.0");
        ui::TypeText(d, 1182, L"-20.0");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
    });
    ASSERT_EQ(writers.m_alarms.size(), 2u);
    EXPECT_EQ(writers.m_alarms[1][ALARM_TEMPERATURE_UPPER], -100);
    EXPECT_EQ(writers.m_alarms[1][ALARM_TEMPERATURE_LOWER], -200);

    // After a success, a later failure goes back to the uploaded values, not those of the opening.
    writers.m_succeed = true;
    CAlarmDialogDlg again;
    again.m_pMainDlg = &writers;
    RunDialog(again, [&](CDialog& d) {
        ui::TypeText(d, 1179, L"12.5");
        ui::ClickButton(d, 1174);
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        writers.m_succeed = false;
        ui::TypeText(d, 1179, L"20.0");
        ui::ClickButton(d, 1174);
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALARMS));
        EXPECT_EQ(Text(d, 1179), L"12.5");
        EXPECT_EQ(Text(d, 1181), L"12.5");
        EXPECT_EQ(d.IsDlgButtonChecked(1174), static_cast<UINT>(BST_CHECKED));
    });
}

// "12,5" typed in any of the eight languages: the temperature limits, the only fields of a number
// with a fraction, take the comma as the decimal mark (also for a spin click); a field of a whole
// number asks for a whole number in the dialog's language.
TEST(AlarmDialog, CommaIsTheDecimalMarkInEveryLanguage)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CRecordingWriters writers;
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        CAlarmDialogDlg dialog;
        dialog.m_pMainDlg = &writers;
        dialog.m_language = language;
        dialog.m_rainUpper = 50;
        const std::size_t boxesBefore = boxes.Count();
        RunDialog(dialog, [&](CDialog& d) {
            TypeKeys(d, 1179, L"12,5");
            TypeKeys(d, 1182, L"-3,7");
            PressUpload(d, UPLOAD_ALARMS);
            EXPECT_EQ(Text(d, 1181), L"12.5") << language;
            EXPECT_EQ(Text(d, 1199), L"-3.7") << language;
            TypeKeys(d, 1179, L"20,4");
            ui::ClickSpinArrow(d, 1180, true);
            EXPECT_EQ(Text(d, 1179), L"20.5") << language;

            TypeKeys(d, 1184, L"12,5");
            PressUpload(d, UPLOAD_ALARMS);
            EXPECT_TRUE(HasFocus(d, 1184)) << language;
            TypeKeys(d, 1184, L"12");
            PressUpload(d, UPLOAD_ALARMS);
        });
        ASSERT_EQ(boxes.Count(), boxesBefore + 1) << language;
        EXPECT_EQ(boxes.Boxes().back().text, TextAt(g_alarmDialogTexts, 24, language));
        ASSERT_EQ(writers.m_alarms.size(), 2u * (language + 1)) << language;
        const AlarmRecord& first = writers.m_alarms[2 * language];
        EXPECT_EQ(first[ALARM_TEMPERATURE_UPPER], 125) << language;
        EXPECT_EQ(first[ALARM_TEMPERATURE_LOWER], -37) << language;
        EXPECT_EQ(writers.m_alarms[2 * language + 1][ALARM_TEMPERATURE_UPPER], 205) << language;
        EXPECT_EQ(writers.m_alarms[2 * language + 1][ALARM_RAIN_UPPER], 12) << language;
    }
    EXPECT_NE(TextAt(g_alarmDialogTexts, 24, LANGUAGE_DUTCH), TextAt(g_alarmDialogTexts, 24, LANGUAGE_ENGLISH));
}

TEST_F(AlarmFixture, FrenchLayout)
{
    dialog.m_language = LANGUAGE_FRENCH;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(WindowWidth(d), 712);
        RECT window;
        d.GetWindowRect(&window);
        EXPECT_EQ(window.bottom - window.top, 304);
        const RECT upload = ItemRect(d, UPLOAD_ALARMS);
        EXPECT_EQ(upload.left, 488 - 82);
        EXPECT_EQ(upload.right - upload.left, 202);
        EXPECT_EQ(Text(d, UPLOAD_ALARMS), TextAt(g_alarmDialogTexts, 19, LANGUAGE_FRENCH));
    });
}

// ---- altitude dialog ---------------------------------------------------------------------------------

TEST(AltitudeDialog, FeetShownAndTypedBeyondTheRangeRefusedWithIt)
{
    CRecordingWriters writers;
    CAltitudeDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_altitude = -100;
    dialog.m_altitudeUnit = 0;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1137), L"-328");
        EXPECT_EQ(Text(d, 1135), L"-328");
        EXPECT_FALSE(Enabled(d, UPLOAD_ALTITUDE));
        ui::TypeText(d, 1135, L"-328");  // what is shown, in feet: no change
        EXPECT_FALSE(Enabled(d, UPLOAD_ALTITUDE));
        {
            ui::ScopedMessageBoxAnswer boxes(IDOK);
            ui::TypeText(d, 1135, L"20000");
            EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
            ASSERT_EQ(boxes.Count(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text, NumberRangeMessage(L"-656", L"16404", LANGUAGE_ENGLISH));
            EXPECT_EQ(Text(d, 1135), L"20000");
            EXPECT_EQ(Text(d, 1137), L"-328");
        }
        ui::TypeText(d, 1135, L"16404");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
        EXPECT_EQ(Text(d, 1137), L"16404");
        EXPECT_FALSE(Enabled(d, UPLOAD_ALTITUDE));
    });
    EXPECT_EQ(writers.m_altitudes, std::vector<int>{16404});
    EXPECT_EQ(dialog.m_altitude, 16404);
}

TEST(AltitudeDialog, NoChangeNoUploadAndAFailureGoesBack)
{
    CRecordingWriters writers;
    CAltitudeDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_altitude = 120;
    RunDialog(dialog, [](CDialog& d) { EXPECT_FALSE(ui::ClickButton(d, UPLOAD_ALTITUDE)); });
    EXPECT_TRUE(writers.m_altitudes.empty());

    writers.m_succeed = false;
    CAltitudeDialogDlg failing;
    failing.m_pMainDlg = &writers;
    failing.m_altitude = 120;
    RunDialog(failing, [](CDialog& d) {
        ui::ClickSpinArrow(d, 1136, true);
        EXPECT_EQ(Text(d, 1135), L"121");
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_ALTITUDE));
        EXPECT_EQ(Text(d, 1135), L"120");
        EXPECT_EQ(Text(d, 1137), L"120");
    });
    EXPECT_EQ(writers.m_altitudes, std::vector<int>{121});
}

TEST(AltitudeDialog, LettersAndValuesBeyondTheRangeAreRefused)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CRecordingWriters writers;
    CAltitudeDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_altitude = 115;
    dialog.m_language = LANGUAGE_POLISH;
    CDialog* open = nullptr;
    CString shownWhileWriting;
    writers.m_whileWriting = [&] { shownWhileWriting = Text(*open, 1135); };
    RunDialog(dialog, [&](CDialog& d) {
        open = &d;
        for (const wchar_t* typed : {L"abc", L"", L"32l", L"12,5"}) {
            ui::TypeText(d, 1135, typed);
            PressUpload(d, UPLOAD_ALTITUDE);
            EXPECT_TRUE(HasFocus(d, 1135)) << typed;
            EXPECT_TRUE(Enabled(d, UPLOAD_ALTITUDE));
        }
        for (const wchar_t* typed : {L"9000", L"-201", L"99999999999"}) {
            ui::TypeText(d, 1135, typed);
            PressUpload(d, UPLOAD_ALTITUDE);
            EXPECT_TRUE(HasFocus(d, 1135)) << typed;
            EXPECT_EQ(Text(d, 1135), typed);
        }
        ui::TypeText(d, 1135, L"-200");
        PressUpload(d, UPLOAD_ALTITUDE);
    });
    ASSERT_EQ(boxes.Count(), 7u);
    EXPECT_EQ(boxes.Boxes()[2].text, TextAt(g_altitudeDialogTexts, 7, LANGUAGE_POLISH));
    EXPECT_EQ(boxes.Boxes()[3].text, TextAt(g_altitudeDialogTexts, 8, LANGUAGE_POLISH));  // a whole number
    for (size_t k = 4; k < 7; ++k)
        EXPECT_EQ(boxes.Boxes()[k].text, NumberRangeMessage(L"-200", L"5000", LANGUAGE_POLISH)) << k;
    EXPECT_EQ(writers.m_altitudes, std::vector<int>{-200});
    EXPECT_EQ(shownWhileWriting, L"-200");
}

// An altitude the station holds beyond the range the field takes opens as it is, not as the end of
// the range; sent only once it is one the field takes.
TEST(AltitudeDialog, AnAltitudeHeldBeyondTheRangeOpensAsHeld)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CRecordingWriters writers;
    CAltitudeDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_altitude = 6000;
    RunDialog(dialog, [&](CDialog& d) {
        EXPECT_EQ(Text(d, 1135), L"6000");
        EXPECT_EQ(Text(d, 1137), L"6000");
        EXPECT_FALSE(Enabled(d, UPLOAD_ALTITUDE));
        ui::TypeText(d, 1135, L"5000");
        PressUpload(d, UPLOAD_ALTITUDE);
    });
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(writers.m_altitudes, std::vector<int>{5000});
}

TEST(AltitudeDialog, PolishLayout)
{
    CAltitudeDialogDlg dialog;
    dialog.m_language = LANGUAGE_POLISH;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(WindowWidth(d), 316);
        EXPECT_EQ(ItemRect(d, 1135).left, 130);
        EXPECT_EQ(ItemRect(d, 1137).left, 190);
        const RECT upload = ItemRect(d, UPLOAD_ALTITUDE);
        EXPECT_EQ(upload.left, 310 - 36 - 218);
        EXPECT_EQ(upload.right - upload.left, 156);
        EXPECT_EQ(Text(d, 1139), TextAt(g_altitudeDialogTexts, 2, LANGUAGE_POLISH));
    });
}

// ---- record interval dialog ----------------------------------------------------------------------------

TEST(RecordIntervalDialog, FailureChecksTheStoredIntervalAgain)
{
    CRecordingWriters writers;
    writers.m_succeed = false;
    CRecordIntervalDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_interval = 3;
    RunDialog(dialog, [](CDialog& d) {
        ui::ClickButton(d, 1430);  // the stored one: no change
        EXPECT_FALSE(Enabled(d, UPLOAD_INTERVAL));
        ui::ClickButton(d, 1436);
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_INTERVAL));
        EXPECT_EQ(d.GetCheckedRadioButton(1427, 1437), 1430);
        EXPECT_FALSE(Enabled(d, UPLOAD_INTERVAL));
    });
    EXPECT_EQ(writers.m_intervals, std::vector<int>{9});
    EXPECT_EQ(dialog.m_interval, 3);
}

TEST(RecordIntervalDialog, UnknownCodeChecksNothingAndFrenchLayout)
{
    CRecordingWriters writers;
    CRecordIntervalDialogDlg dialog;
    dialog.m_pMainDlg = &writers;
    dialog.m_interval = 12;
    dialog.m_language = LANGUAGE_FRENCH;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(d.GetCheckedRadioButton(1427, 1437), 0);
        EXPECT_FALSE(Enabled(d, UPLOAD_INTERVAL));
        EXPECT_EQ(WindowWidth(d), 316);
        EXPECT_EQ(ItemRect(d, UPLOAD_INTERVAL).right - ItemRect(d, UPLOAD_INTERVAL).left, 208);
        EXPECT_EQ(ItemRect(d, IDOK).left, 224);
        ui::ClickButton(d, 1427);
        EXPECT_TRUE(ui::ClickButton(d, UPLOAD_INTERVAL));
    });
    EXPECT_EQ(writers.m_intervals, std::vector<int>{0});
    EXPECT_EQ(dialog.m_interval, 0);
}

// ---- confirmations --------------------------------------------------------------------------------------

TEST(ConfirmDialogs, GermanRainTotalAndAnyOtherIdAsEnglish)
{
    CClearRainTotalDialogDlg rain;
    rain.m_language = LANGUAGE_GERMAN;
    RunDialog(rain, [](CDialog& d) {
        EXPECT_EQ(WindowWidth(d), 336);
        EXPECT_EQ(ItemRect(d, IDOK).left, 164);
        EXPECT_EQ(Text(d, 1134), TextAt(g_clearRainTotalDialogTexts, 2, LANGUAGE_GERMAN));
        ui::ClickButton(d, IDOK);
    });

    CClearAllRecordsDialogDlg all;
    all.m_language = 9;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_CLEAR_ALL_RECORDS, [](CDialog& d) {
        EXPECT_EQ(WindowWidth(d), 182);
        EXPECT_EQ(Text(d, 1132), L"Confirm clear all records?");
        ui::ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(all.DoModal(), IDCANCEL);
}
