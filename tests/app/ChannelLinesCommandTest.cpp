// The Temperature / Humidity / Dewpoint command and its dialog, run as a user runs them: a script
// renames a sensor, presses a Reset button or picks a colour (the colour dialog answered by the
// test), then OK or Cancel; the settings file "rTHDSetting.dat", the main window's names and
// captions and the dialog's returned members are checked.
#include "app/OrvelleDlg.h"
#include "app/SettingsFiles.h"
#include "dialogs/THDDialog.h"
#include "platform/ui/UiColorDialog.h"
#include "tests/app/OwnFolderRun.h"
#include "tests/support/DialogAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int NAME_FIELD = 1284;          // + sensor
constexpr int LINE_TYPE_LIST = 1248;      // + 6 x quantity + sensor
constexpr int COLOUR_BUTTON = 1290;       // + 6 x quantity + sensor
constexpr int RESET_HUMIDITY = 1309;
constexpr std::size_t STYLES_AT = 3072;   // per sensor: three line types, three thicknesses
constexpr std::size_t COLOURS_AT = 3216;  // 18 colours by quantity and sensor

class ChannelLinesCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = FreshTempFolder(L"orvelle_thd_");
        m_dialog = std::make_unique<COrvelleDlg>();
        m_dialog->m_installFolder = m_folder;
        settings::DecodeThd(nullptr, LANGUAGE_ENGLISH, *m_dialog);  // the default names and lines
        m_dialog->LoadLanguageElements(LANGUAGE_ENGLISH, m_dialog->m_channelName);
    }
    void TearDown() override
    {
        m_dialog.reset();
        RemoveTree(m_folder);
    }
    settings::Bytes ThdFile() const
    {
        settings::Bytes bytes;
        settings::ReadFileBytes(m_folder + settings::THD_FILE, &bytes);
        return bytes;
    }
    // Value `row` (0..2 line types, 3..5 thicknesses) of sensor s in the file.
    static int32_t Style(const settings::Bytes& file, int sensor, int row)
    {
        return settings::ReadInt32(file, STYLES_AT + static_cast<std::size_t>(sensor * 6 + row) * 4);
    }
    static int32_t Colour(const settings::Bytes& file, int quantity, int sensor)
    {
        return settings::ReadInt32(file, COLOURS_AT + static_cast<std::size_t>(quantity * 6 + sensor) * 4);
    }
    std::wstring m_folder;
    std::unique_ptr<COrvelleDlg> m_dialog;
};

}  // namespace

TEST_F(ChannelLinesCommand, RenamingChannelOneWritesItsFieldAndTheCaption)
{
    COrvelleDlg& d = *m_dialog;
    const settings::Bytes before = settings::EncodeThd(d);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [](CDialog& dialog) {
        EXPECT_TRUE(ui::TypeText(dialog, NAME_FIELD + 1, L"Garden"));
        ui::ClickButton(dialog, IDOK);
    });
    d.OnTHDSettings();

    const settings::Bytes file = ThdFile();
    ASSERT_EQ(file.size(), settings::THD_FILE_BYTES);
    EXPECT_EQ(settings::ReadTextField(file, 512, 256), L"Garden");
    EXPECT_EQ(file[512 + 12], 0);  // zero-terminated
    EXPECT_EQ(file[512 + 13], 0);
    // Every other byte is what the file held with the old name (zeros after a name's end).
    settings::Bytes expected = before;
    settings::WriteTextField(expected, 512, 256, L"Garden");
    EXPECT_EQ(file, expected);
    EXPECT_EQ(d.m_channelName[1], L"Garden");
    EXPECT_EQ(d.m_elemCaption[ELEM_FIRST_SENSOR_NAME + 1], L"Garden");
    EXPECT_TRUE(Exists(m_folder + settings::IN_OUTDOOR_FILE));  // the sensor choices are saved again
}

TEST_F(ChannelLinesCommand, ResetOfTheHumidityLinesGivesDottedOnePointAndTheResetColours)
{
    COrvelleDlg& d = *m_dialog;
    for (int s = 0; s < 6; ++s) {
        d.m_thdSettings[6 + s] = 3;              // humidity line type: dash-dot
        d.m_thdSettings[24 + s] = 2;             // humidity thickness: 1 1/2 pt
        d.m_thdSettings[42 + s] = 0x123456;      // humidity colour
    }
    const settings::Bytes before = settings::EncodeThd(d);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [](CDialog& dialog) {
        EXPECT_TRUE(ui::ClickButton(dialog, RESET_HUMIDITY));
        ui::ClickButton(dialog, IDOK);
    });
    d.OnTHDSettings();

    const settings::Bytes file = ThdFile();
    ASSERT_EQ(file.size(), settings::THD_FILE_BYTES);
    for (int s = 0; s < 6; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(Style(file, s, 1), 2);  // dotted is stored as 2
        EXPECT_EQ(Style(file, s, 4), 1);  // 1 pt
        EXPECT_EQ(static_cast<COLORREF>(Colour(file, 1, s)), kResetLineColours[s]);
        // Temperature and dewpoint lines stay as they were.
        for (int row : {0, 2, 3, 5})
            EXPECT_EQ(Style(file, s, row), Style(before, s, row)) << row;
        EXPECT_EQ(Colour(file, 0, s), Colour(before, 0, s));
        EXPECT_EQ(Colour(file, 2, s), Colour(before, 2, s));
    }
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + STYLES_AT, before.begin()));  // names unchanged
}

TEST_F(ChannelLinesCommand, CancelKeepsEverythingAndALongNameIsCutToItsField)
{
    COrvelleDlg& d = *m_dialog;
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [](CDialog& dialog) {
        ui::TypeText(dialog, NAME_FIELD, L"Cellar");
        ui::ClickButton(dialog, RESET_HUMIDITY);
        ui::ClickButton(dialog, IDCANCEL);
    });
    d.OnTHDSettings();
    EXPECT_FALSE(Exists(m_folder + settings::THD_FILE));
    EXPECT_EQ(d.m_channelName[0], L"Indoor");

    // 254 letters and a character of two code units: the pair would need units 255 and 256.
    const std::wstring longName = std::wstring(254, L'a') + L"\xD83D\xDE00" + std::wstring(40, L'b');
    answer.Add(IDD_THD_LINES, [&longName](CDialog& dialog) {
        ::SetDlgItemTextW(dialog.m_hWnd, NAME_FIELD + 2, longName.c_str());
        ui::ClickButton(dialog, IDOK);
    });
    d.OnTHDSettings();
    EXPECT_EQ(d.m_channelName[2], std::wstring(254, L'a'));
    EXPECT_EQ(settings::ReadTextField(ThdFile(), 2 * 512, 256), std::wstring(254, L'a'));
}

// An emptied name field, or one of spaces only, keeps the sensor's name: the legend and the
// sensor lists never go blank.
TEST_F(ChannelLinesCommand, AnEmptiedNameKeepsThePreviousName)
{
    COrvelleDlg& d = *m_dialog;
    d.m_channelName[3] = L"Shed";
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [](CDialog& dialog) {
        ui::TypeText(dialog, NAME_FIELD + 1, L"");
        ui::TypeText(dialog, NAME_FIELD + 3, L"   ");
        ui::TypeText(dialog, NAME_FIELD + 4, L"Pond");
        ui::ClickButton(dialog, IDOK);
    });
    d.OnTHDSettings();
    EXPECT_EQ(d.m_channelName[1], L"Channel 1");
    EXPECT_EQ(d.m_channelName[3], L"Shed");
    EXPECT_EQ(d.m_channelName[4], L"Pond");
    EXPECT_EQ(settings::ReadTextField(ThdFile(), 512, 256), L"Channel 1");
    EXPECT_EQ(settings::ReadTextField(ThdFile(), 3 * 512, 256), L"Shed");
}

TEST(ChannelLinesDialog, StoredStylesShowAsTheirItemsAndTheColourDialogOpensOnBlack)
{
    CTHDDialogDlg dialog;
    for (int q = 0; q < THD_QUANTITIES; ++q)
        for (int s = 0; s < THD_SENSORS; ++s)
            dialog.m_lineColour[q][s] = 0x00C0FFEE;
    dialog.m_lineType[1][0] = 1;  // dashed
    dialog.m_lineType[1][1] = 2;  // dotted
    dialog.m_lineThickness[2][5] = 2;
    ui::ScopedColorDialogAnswer colours;
    colours.Cancel();
    colours.Confirm(0x00AA5500);
    ui::ScopedDialogAnswer answer;
    answer.Add(IDD_THD_LINES, [](CDialog& d) {
        auto selectedCode = [&d](int id) {
            HWND list = ::GetDlgItem(d.m_hWnd, id);
            const LRESULT position = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
            return position < 0 ? -1 : *reinterpret_cast<int*>(::SendMessageW(list, CB_GETITEMDATA, position, 0));
        };
        EXPECT_EQ(selectedCode(LINE_TYPE_LIST + 6), LINE_ITEM_DASHED);
        EXPECT_EQ(selectedCode(LINE_TYPE_LIST + 7), LINE_ITEM_DOTTED);
        EXPECT_TRUE(ui::ClickButton(d, COLOUR_BUTTON));      // temperature, indoor: cancelled
        EXPECT_TRUE(ui::ClickButton(d, COLOUR_BUTTON + 7));  // humidity, channel 1: confirmed
        ui::ClickButton(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_lineType[1][0], 1);
    EXPECT_EQ(dialog.m_lineType[1][1], 2);
    EXPECT_EQ(dialog.m_lineThickness[2][5], 2);
    EXPECT_EQ(dialog.m_lineColour[0][0], 0x00C0FFEEu);
    EXPECT_EQ(dialog.m_lineColour[1][1], 0x00AA5500u);
    EXPECT_EQ(dialog.m_lineColour[1][2], 0x00C0FFEEu);
    EXPECT_EQ(colours.OpenedWith(), std::vector<COLORREF>({0, 0}));
}
