// The Displaying unit command and its dialog, run as a user runs them: a script picks a unit
// system or a unit in the dialog's lists and presses OK or Cancel; then the settings file, the
// main window's factors and held values and the custom record files are checked.
#include "app/OrvelleDlg.h"
#include "app/SettingsFiles.h"
#include "dialogs/DisplayingUnitDialog.h"
#include "records/RecordMerge.h"
#include "tests/app/OwnFolderRun.h"
#include "tests/support/DialogAnswer.h"
#include "texts/TextTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int RADIO_ENGLISH = 1228, RADIO_SCIENTIFIC = 1229, RADIO_METRIC = 1230, RADIO_CUSTOM = 1231;
constexpr int LIST_UV = 1232, LIST_ALTITUDE = 1233, LIST_RAIN = 1235, LIST_HOURS = 1236, LIST_TEMPERATURE = 1237,
              LIST_WIND = 1238;

struct Selection {
    int position;
    std::wstring text;
};

Selection Selected(CDialog& dialog, int listId)
{
    HWND list = ::GetDlgItem(dialog.m_hWnd, listId);
    const int position = static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0));
    wchar_t text[64] = {};
    if (position >= 0)
        ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(text));
    return {position, text};
}

const wchar_t* UnitText(int row, int language) { return TextAt(g_displayingUnitDialogTexts, row, language); }

std::vector<int32_t> UnitFileIntegers(const std::wstring& path)
{
    settings::Bytes bytes;
    if (!settings::ReadFileBytes(path, &bytes))
        return {};
    std::vector<int32_t> values;
    for (std::size_t offset = 0; offset + 4 <= bytes.size(); offset += 4)
        values.push_back(settings::ReadInt32(bytes, offset));
    return values;
}

std::string FileText(const std::wstring& path)
{
    settings::Bytes bytes;
    settings::ReadFileBytes(path, &bytes);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::wstring& path, const std::string& text)
{
    settings::WriteFileBytes(path, settings::Bytes(text.begin(), text.end()));
}

// Field k of a record line.
std::string Field(const std::string& line, int k, char separator = ',')
{
    std::size_t start = 0;
    for (int i = 0; i < k; ++i)
        start = line.find(separator, start) + 1;
    return line.substr(start, line.find(separator, start) - start);
}

// The dialog on its own, in a language, with the units given.
struct UnitDialogRun {
    CDisplayingUnitDialogDlg dialog;
    explicit UnitDialogRun(int language, int system = UNIT_SYSTEM_CUSTOM)
    {
        dialog.m_language = language;
        dialog.m_unitSystem = system;
    }
};

class UnitCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = FreshTempFolder(L"orvelle_units_");
        m_dialog = std::make_unique<COrvelleDlg>();
        m_dialog->m_installFolder = m_folder;
        g_historyRowCount = 0;
    }
    void TearDown() override
    {
        m_dialog.reset();
        RemoveTree(m_folder);
    }
    std::wstring m_folder;
    std::unique_ptr<COrvelleDlg> m_dialog;
};

}  // namespace

// ---- the dialog's lists ---------------------------------------------------------------------------

TEST(UnitDialog, GermanEnglishSystemSelectsZollAndStoresInch)
{
    UnitDialogRun run(LANGUAGE_GERMAN);
    run.dialog.m_uvUnit = 0;
    run.dialog.m_timeFormat = 0;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& d) {
        EXPECT_TRUE(ui::ClickButton(d, RADIO_ENGLISH));
        const Selection rain = Selected(d, LIST_RAIN);
        EXPECT_EQ(rain.position, 1);  // "mm" sorts before "Zoll"
        EXPECT_EQ(rain.text, UnitText(17, LANGUAGE_GERMAN));
        EXPECT_FALSE(ui::SelectComboItem(d, LIST_RAIN, 0));  // fixed by the system
        EXPECT_TRUE(ui::ClickButton(d, IDOK));
    });
    ASSERT_EQ(run.dialog.DoModal(), IDOK);
    const CDisplayingUnitDialogDlg& d = run.dialog;
    EXPECT_EQ(std::vector<int>({d.m_unitSystem, d.m_altitudeUnit, d.m_uvUnit, d.m_pressureUnit, d.m_rainUnit,
                                d.m_timeFormat, d.m_temperatureUnit, d.m_windUnit}),
              std::vector<int>({0, 0, 0, 0, 0, 0, 1, 3}));
}

TEST(UnitDialog, RussianWindAndPolishAltitudeFollowTheirSortOrder)
{
    {
        UnitDialogRun run(LANGUAGE_RUSSIAN);
        ui::ScopedDialogAnswer answer;
        answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& d) {
            ui::ClickButton(d, RADIO_METRIC);
            const Selection wind = Selected(d, LIST_WIND);
            EXPECT_EQ(wind.position, 2);
            EXPECT_EQ(wind.text, UnitText(26, LANGUAGE_RUSSIAN));  // km/h
            ui::ClickButton(d, IDOK);
        });
        ASSERT_EQ(run.dialog.DoModal(), IDOK);
        EXPECT_EQ(run.dialog.m_windUnit, 0);
        EXPECT_EQ(run.dialog.m_unitSystem, UNIT_SYSTEM_METRIC);

        answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& d) {
            ui::ClickButton(d, RADIO_SCIENTIFIC);
            EXPECT_EQ(Selected(d, LIST_WIND).text, UnitText(28, LANGUAGE_RUSSIAN));  // m/s
            ui::ClickButton(d, IDOK);
        });
        ASSERT_EQ(run.dialog.DoModal(), IDOK);
        EXPECT_EQ(run.dialog.m_windUnit, 2);
    }
    UnitDialogRun polish(LANGUAGE_POLISH);
    polish.dialog.m_altitudeUnit = 0;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& d) {
        const Selection altitude = Selected(d, LIST_ALTITUDE);
        EXPECT_EQ(altitude.text, UnitText(7, LANGUAGE_POLISH));  // "Stopy", feet
        EXPECT_EQ(altitude.position, 1);
        ui::ClickButton(d, IDOK);
    });
    ASSERT_EQ(polish.dialog.DoModal(), IDOK);
    EXPECT_EQ(polish.dialog.m_altitudeUnit, 0);
}

TEST(UnitDialog, CustomKeepsTheSystemsUnitsEditableAndUvAndHoursStayFree)
{
    UnitDialogRun run(LANGUAGE_ENGLISH, UNIT_SYSTEM_SCIENTIFIC);
    run.dialog.m_uvUnit = 0;
    run.dialog.m_timeFormat = 7;  // any nonzero format reads as 24 hours
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& d) {
        EXPECT_EQ(Selected(d, LIST_HOURS).text, UnitText(21, LANGUAGE_ENGLISH));
        EXPECT_FALSE(ui::SelectComboItem(d, LIST_TEMPERATURE, 1));
        ui::ClickButton(d, RADIO_ENGLISH);
        ui::ClickButton(d, RADIO_CUSTOM);
        EXPECT_EQ(Selected(d, LIST_TEMPERATURE).text, UnitText(24, LANGUAGE_ENGLISH));  // English's degF stays
        EXPECT_EQ(Selected(d, LIST_UV).text, UnitText(10, LANGUAGE_ENGLISH));           // MED/h whatever the system
        EXPECT_TRUE(ui::SelectComboItem(d, LIST_WIND, 2));  // m/s, now free ("km/h", "knots", "m/s", "mph")
        ui::ClickButton(d, IDOK);
    });
    ASSERT_EQ(run.dialog.DoModal(), IDOK);
    EXPECT_EQ(run.dialog.m_unitSystem, UNIT_SYSTEM_CUSTOM);
    EXPECT_EQ(run.dialog.m_windUnit, 2);
    EXPECT_EQ(run.dialog.m_temperatureUnit, 1);
    EXPECT_EQ(run.dialog.m_uvUnit, 0);
    EXPECT_EQ(run.dialog.m_timeFormat, 1);
}

// Hiding a window can hold its thread (Wine's X11 driver waits up to 2 s for a window manager to
// confirm each hidden window): OK and Cancel take the dialog's window away in one step, destroyed
// without a hide before, so that the command goes on at once.
TEST(UnitDialog, OkAndCancelDestroyTheWindowWithoutHidingItFirst)
{
    struct WatchedDialog : CDisplayingUnitDialogDlg {
        int hides = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            // (A hide asked of a window that no longer counts as shown is told as changing, and
            // then does not happen.)
            if ((message == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW)) ||
                (message == WM_SHOWWINDOW && wParam == FALSE))
                ++hides;
            return CDisplayingUnitDialogDlg::WindowProc(message, wParam, lParam);
        }
    };
    for (int button : {IDOK, IDCANCEL}) {
        WatchedDialog dialog;
        HWND window = nullptr;
        bool shown = false;
        ui::ScopedDialogAnswer answer;
        answer.Add(IDD_DISPLAYING_UNIT, [&](CDialog& d) {
            window = d.m_hWnd;
            shown = ::IsWindowVisible(window) != FALSE;
            ui::ClickButton(d, button);
        });
        EXPECT_EQ(dialog.DoModal(), button);
        EXPECT_TRUE(shown) << button;
        EXPECT_EQ(dialog.hides, 0) << button;
        EXPECT_FALSE(::IsWindow(window)) << button;
    }
}

// ---- the command -------------------------------------------------------------------------------------

TEST_F(UnitCommand, GermanEnglishSystemWritesTheUnitFile)
{
    COrvelleDlg& d = *m_dialog;
    d.m_language = LANGUAGE_GERMAN;
    d.m_uvUnit = 0;
    d.m_timeFormat = 1;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& dialog) {
        ui::ClickButton(dialog, RADIO_ENGLISH);
        ui::ClickButton(dialog, IDOK);
    });
    d.OnDisplayingUnit();
    EXPECT_EQ(UnitFileIntegers(m_folder + settings::UNIT_FILE), std::vector<int32_t>({0, 0, 0, 0, 0, 1, 1, 3}));
    EXPECT_DOUBLE_EQ(d.m_pressureFactor, 0.02954);
    EXPECT_DOUBLE_EQ(d.m_rainFactor, 0.03937);
    EXPECT_DOUBLE_EQ(d.m_temperatureFactor, 1.8);
    EXPECT_DOUBLE_EQ(d.m_windFactor, 1.0);
}

TEST_F(UnitCommand, CancelChangesNothingAndUnchangedUnitsOnlyRewriteTheFile)
{
    COrvelleDlg& d = *m_dialog;
    WriteText(m_folder + L"csv.dat", BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n");
    WriteText(m_folder + L"csv_custom.dat", "kept\r\n");
    d.m_pressureHistoryCount = 1;
    d.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1] = 1013.0;

    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& dialog) {
        ui::ClickButton(dialog, RADIO_ENGLISH);
        ui::ClickButton(dialog, IDCANCEL);
    });
    d.OnDisplayingUnit();
    EXPECT_FALSE(Exists(m_folder + settings::UNIT_FILE));
    EXPECT_EQ(d.m_pressureUnit, 1);
    EXPECT_EQ(d.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1], 1013.0);

    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& dialog) { ui::ClickButton(dialog, IDOK); });
    d.OnDisplayingUnit();
    EXPECT_EQ(UnitFileIntegers(m_folder + settings::UNIT_FILE), std::vector<int32_t>({3, 1, 1, 1, 1, 1, 0, 3}));
    EXPECT_EQ(FileText(m_folder + L"csv_custom.dat"), "kept\r\n");
    EXPECT_EQ(d.m_pressureHistoryValues[PRESSURE_HISTORY_SIZE - 1], 1013.0);
}

TEST_F(UnitCommand, TwoUnitsChangedConvertTheHistoriesAndRebuildTheCustomFiles)
{
    COrvelleDlg& d = *m_dialog;
    const std::string line =
        "2014,6,1,18,10,10,20.00,50.00,5.00,80.00,, , 1.50,90.00,-3.20,70.00,, , 0.00,1013.25,3,19.50,4.00,2.00,9,60.5,";
    WriteText(m_folder + L"csv.dat", BuildHeaderRow(',', DisplayUnitSelection()) + "\r\n" + line + "\r\n");
    WriteText(m_folder + L"txt.dat", BuildHeaderRow('\t', DisplayUnitSelection()) + "\r\n");
    d.m_windHistoryCount = 2;
    d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1] = 10.0;
    d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 2] = DISPLAY_MISSING;
    d.m_sensorHistoryCounts[0] = 1;
    d.m_sensorHistoryTemperatures[SensorRow(0)][SENSOR_HISTORY_SIZE - 1] = 20.0;

    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& dialog) {
        ui::SelectComboItem(dialog, LIST_TEMPERATURE, 1);  // degF
        ui::SelectComboItem(dialog, LIST_WIND, 0);         // km/h
        ui::ClickButton(dialog, IDOK);
    });
    d.OnDisplayingUnit();

    EXPECT_DOUBLE_EQ(d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 1], 16.1);
    EXPECT_EQ(d.m_windHistorySpeeds[WIND_HISTORY_SIZE - 2], DISPLAY_MISSING);
    EXPECT_DOUBLE_EQ(d.m_sensorHistoryTemperatures[SensorRow(0)][SENSOR_HISTORY_SIZE - 1], 68.0);

    DisplayUnitSelection now;
    now.temperature = 1;
    now.wind = 0;
    const std::string custom = FileText(m_folder + L"csv_custom.dat");
    ASSERT_EQ(custom.find(BuildHeaderRow(',', now) + "\r\n"), 0u);
    const std::string converted = custom.substr(custom.find("\r\n") + 2);
    EXPECT_EQ(Field(converted, 6), "68.00");     // indoor temperature
    EXPECT_EQ(Field(converted, 10), "");         // channel 2 absent: stays empty
    EXPECT_EQ(Field(converted, 19), "1013.25");  // pressure unit unchanged
    EXPECT_EQ(Field(converted, 22), "6.44");     // gust 4.00 mph in km/h
    EXPECT_EQ(FileText(m_folder + L"RECORDS_CUSTOM.csv"), custom);
    EXPECT_EQ(FileText(m_folder + L"txt_custom.dat"), BuildHeaderRow('\t', now) + "\r\n");
}

// A rain unit change converts what is shown but leaves the station's counter of the previous
// reading alone: the rain that fell since that reading still reaches the rain history.
TEST_F(UnitCommand, RainUnitChangeKeepsThePreviousReadingsCounter)
{
    COrvelleDlg& d = *m_dialog;
    d.m_readings.m_valueTexts[SLOT_RAIN_COUNTER] = L"200";
    d.m_lastRainCounter = RainCountsToMm(190);
    d.m_rainCounterAtReset = RainCountsToMm(100);
    d.m_rainHistoryCount = 1;
    d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1] = 10.0;

    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_DISPLAYING_UNIT, [](CDialog& dialog) {
        ui::SelectComboItem(dialog, LIST_RAIN, 0);  // inch
        ui::ClickButton(dialog, IDOK);
    });
    d.OnDisplayingUnit();

    ASSERT_EQ(d.m_rainUnit, 0);
    EXPECT_DOUBLE_EQ(d.m_rainHistoryValues[RAIN_HISTORY_SIZE - 1], 10.0 * 0.03937);
    EXPECT_DOUBLE_EQ(d.m_lastRainCounter, RainCountsToMm(190));
    EXPECT_DOUBLE_EQ(d.m_rainCounterAtReset, RainCountsToMm(100));
}
