// The auto-saving, chart display and language dialogs driven as a user drives them.
#include "dialogs/AutoSavingDialog.h"
#include "dialogs/DisplayDialog.h"
#include "dialogs/LanguageDialog.h"
#include "dialogs/TypedNumbers.h"
#include "platform/ui/UiMessageBox.h"
#include "platform/ui/UiShellDialogs.h"
#include "tests/support/DialogTestSupport.h"
#include "texts/TextTables.h"

#include <shlobj.h>

namespace {

constexpr int HOURS_EDIT = 1107, DAYS_EDIT = 1109, WEEKS_EDIT = 1111, MONTHS_EDIT = 1113;
constexpr int RADIO_10_MINUTES = 1101, RADIO_DAY = 1104, RADIO_WEEK = 1105;
constexpr int EXCEL = 1115, TEXT = 1116, JPEG = 1117, SET_PATH = 1144;
constexpr int PRESSURE_CHECK = 1143, WIND_SPEED_CHECK = 1146, WIND_DIRECTION_CHECK = 1147;
constexpr int SPEED_BAR = 1156, DIRECTION_FIRST = 1158, WIND_ROSE = 1160;

}  // namespace

// ---- auto-saving --------------------------------------------------------------------------------

TEST(AutoSavingDialog, OpensOnTheIntervalAndHandsBackTheNewOne)
{
    CAutoSavingDialogDlg dialog;
    dialog.m_interval = 7;
    dialog.m_intervalCount = 3;
    dialog.m_saveText = 1;
    dialog.m_fileName = L"MINE";
    const INT_PTR result = RunDialog(dialog, [](CDialog& d) {
        EXPECT_TRUE(Checked(d, RADIO_WEEK));
        EXPECT_EQ(Text(d, WEEKS_EDIT), L"3");
        EXPECT_EQ(Text(d, DAYS_EDIT), L"1");
        EXPECT_EQ(Text(d, HOURS_EDIT), L"1");
        EXPECT_TRUE(Checked(d, TEXT));
        EXPECT_FALSE(Checked(d, EXCEL));
        ui::ClickButton(d, RADIO_DAY);
        ui::TypeText(d, DAYS_EDIT, L"31");
        ui::ClickButton(d, JPEG);
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_interval, 6);
    EXPECT_EQ(dialog.m_intervalCount, 31);
    EXPECT_EQ(dialog.m_saveJpeg, 1);
    EXPECT_EQ(dialog.m_saveText, 1);
    EXPECT_EQ(dialog.m_fileName, L"RECORD");  // the one prefix the box offers
}

// The count of a minute interval is not looked at; the count of the chosen interval must be a
// whole number of its range: anything else is said with that range, in the dialog's language, and
// the dialog stays open on the field.
TEST(AutoSavingDialog, MinuteIntervalsKeepTheCountAndTypedCountsBeyondTheRangeAreRefused)
{
    ui::ScopedMessageBoxAnswer boxes(IDOK);
    CAutoSavingDialogDlg dialog;
    dialog.m_interval = 6;
    dialog.m_intervalCount = 12;
    dialog.m_language = LANGUAGE_GERMAN;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(ItemRect(d, IDCANCEL).left, 420 - 86);
        ui::ClickButton(d, RADIO_10_MINUTES);
        ui::TypeText(d, DAYS_EDIT, L"45");
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_interval, 3);
    EXPECT_EQ(dialog.m_intervalCount, 12);
    EXPECT_EQ(dialog.m_fileName, L"Aufzeichnung");
    EXPECT_EQ(boxes.Count(), 0u);

    bool stayedOpen = true;
    RunDialog(dialog, [&](CDialog& d) {
        ui::ClickButton(d, RADIO_DAY);
        for (const wchar_t* typed : {L"45", L"0", L"x", L"", L"2,5"}) {
            ui::TypeText(d, DAYS_EDIT, typed);
            ui::ClickButton(d, IDOK);
            stayedOpen = stayedOpen && ::IsWindowVisible(d.m_hWnd);
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, DAYS_EDIT)) << typed;
        }
        ui::TypeText(d, DAYS_EDIT, L"31");
        ui::ClickButton(d, IDOK);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dialog.m_interval, 6);
    EXPECT_EQ(dialog.m_intervalCount, 31);
    ASSERT_EQ(boxes.Count(), 5u);
    for (const auto& box : boxes.Boxes())
        EXPECT_EQ(box.text, NumberRangeMessage(L"1", L"31", LANGUAGE_GERMAN));
}

TEST(AutoSavingDialog, SetPathOpensTheBrowserOnTheFolderAsItIs)
{
    CAutoSavingDialogDlg dialog;
    dialog.m_folder = L"C:\\100% saved";
    ui::ScopedFolderBrowserAnswer browser;
    RunDialog(dialog, [&browser](CDialog& d) {
        ui::ClickButton(d, SET_PATH);  // cancelled: nothing changes
        browser.Choose(L"D:\\weather");
        ui::ClickButton(d, SET_PATH);
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_folder, L"D:\\weather");
    const auto requests = browser.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].initialFolder, L"C:\\100% saved");
    EXPECT_EQ(requests[0].title, L"Auto saving directory is:");
    EXPECT_EQ(requests[0].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN));
}

// ---- chart display ------------------------------------------------------------------------------

TEST(DisplayDialog, HidingAChartClearsItsViewAndWindBoxesPickTheirRadio)
{
    CDisplayDialogDlg dialog;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_TRUE(Checked(d, 1150));  // pressure as bars
        EXPECT_TRUE(Checked(d, WIND_ROSE));
        ui::ClickButton(d, PRESSURE_CHECK);
        EXPECT_FALSE(Checked(d, 1150));
        ui::ClickButton(d, WIND_SPEED_CHECK);  // direction alone: the first direction chart
        EXPECT_TRUE(Checked(d, DIRECTION_FIRST));
        EXPECT_FALSE(Checked(d, WIND_ROSE));
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_showPressure, 0);
    EXPECT_EQ(dialog.m_pressureView, 0);
    EXPECT_EQ(dialog.m_showWindSpeed, 0);
    EXPECT_EQ(dialog.m_windSpeedView, 0);
    EXPECT_EQ(dialog.m_windDirectionView, 1);
    EXPECT_EQ(dialog.m_rainView, 1);
}

TEST(DisplayDialog, RadiosTurnTheirBoxesOnAndTheRoseTakesBoth)
{
    CDisplayDialogDlg dialog;
    dialog.m_showUv = 0;
    dialog.m_uvView = 0;
    dialog.m_showWindDirection = 0;
    dialog.m_windSpeedView = 2;
    dialog.m_windDirectionView = 0;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_TRUE(Checked(d, 1157));
        ui::ClickButton(d, 1153);  // UV as a line
        EXPECT_TRUE(Checked(d, 1144));
        ui::ClickButton(d, WIND_ROSE);
        EXPECT_TRUE(Checked(d, WIND_SPEED_CHECK));
        EXPECT_TRUE(Checked(d, WIND_DIRECTION_CHECK));
        EXPECT_FALSE(Checked(d, 1157));
        // The bracket beside the rose's radio, drawn on the dialog.
        ::RedrawWindow(d.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC dc = ::GetDC(d.m_hWnd);
        int dark = 0;
        for (int y = 172; y <= 178; ++y)
            dark += ::GetPixel(dc, 325, y) == RGB(0, 0, 0);
        ::ReleaseDC(d.m_hWnd, dc);
        EXPECT_EQ(dark, 1);
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_showUv, 1);
    EXPECT_EQ(dialog.m_uvView, 2);
    EXPECT_EQ(dialog.m_windSpeedView, 3);
    EXPECT_EQ(dialog.m_windDirectionView, 3);
    EXPECT_EQ(dialog.m_showWindDirection, 1);
}

TEST(DisplayDialog, BothWindChartsWithoutTheRoseOpenOnTheSpeedBars)
{
    CDisplayDialogDlg dialog;
    dialog.m_windSpeedView = 1;
    dialog.m_windDirectionView = 2;
    const INT_PTR result = RunDialog(dialog, [](CDialog& d) {
        EXPECT_TRUE(Checked(d, SPEED_BAR));
        EXPECT_EQ(Text(d, 1167), L"Wind Speed");
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_windSpeedView, 1);
    EXPECT_EQ(dialog.m_windDirectionView, 0);
}

// ---- language -----------------------------------------------------------------------------------

TEST(LanguageDialog, OpensInItsLanguageAndHandsBackTheChoice)
{
    CLanguageDialogDlg dialog;
    dialog.m_language = LANGUAGE_RUSSIAN;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1445), L"Русско");
        EXPECT_TRUE(Checked(d, 1445));
        CString title;
        d.GetWindowText(title);
        EXPECT_EQ(title, L"Язык");
        ui::ClickButton(d, 1444);  // Nederlands
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_language, LANGUAGE_DUTCH);

    dialog.m_language = LANGUAGE_GERMAN;
    const INT_PTR result = RunDialog(dialog, [](CDialog& d) {
        ui::ClickButton(d, 1446);
        ui::ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_language, LANGUAGE_GERMAN);
}

// A dialog opens with the focus on the choice it shows, not on the first radio button of the list:
// a Space then keeps that choice, an arrow moves on from it. The auto-saving dialog on "week", the
// record interval and the language lists alike.
TEST(LanguageDialog, OpensWithTheFocusOnTheCheckedChoice)
{
    CLanguageDialogDlg dialog;
    dialog.m_language = LANGUAGE_SPANISH;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, 1443));
        ::SendMessageW(::GetFocus(), WM_KEYDOWN, VK_SPACE, 0);
        ::SendMessageW(::GetFocus(), WM_KEYUP, VK_SPACE, 0);
        EXPECT_TRUE(Checked(d, 1443));
        EXPECT_FALSE(Checked(d, 1439));
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_language, LANGUAGE_SPANISH);

    CAutoSavingDialogDlg saving;
    saving.m_interval = 7;
    RunDialog(saving, [](CDialog& d) {
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, RADIO_WEEK));
        ui::ClickButton(d, IDCANCEL);
    });
}

TEST(LanguageDialog, AnIdOutsideTheLanguagesOpensOnEnglish)
{
    CLanguageDialogDlg dialog;
    dialog.m_language = 9;
    RunDialog(dialog, [](CDialog& d) {
        EXPECT_TRUE(Checked(d, 1439));
        EXPECT_EQ(Text(d, IDCANCEL), L"Cancel");
        ui::ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.m_language, LANGUAGE_ENGLISH);
}
