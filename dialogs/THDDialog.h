// The temperature, humidity and dewpoint line dialog: the names of the six sensors (indoor and
// channels 1 to 5) and, per sensor and quantity, the line type, thickness and colour with which
// the temperature chart draws it. A grid of six rows by three groups (temperature, humidity,
// dewpoint) of a line-type list, a thickness list and a colour button, a name field per row and a
// Reset button per group. The main window copies its names and line settings in and takes them
// back after OK.
#pragma once
#include "controls/ColorButton.h"
#include "controls/LineComboBoxes.h"
#include "platform/ui/UiDialog.h"

constexpr int THD_SENSORS = 6;     // 0 indoor, 1..5 channels
constexpr int THD_QUANTITIES = 3;  // 0 temperature, 1 humidity, 2 dewpoint
constexpr int CHANNEL_NAME_MAX_UNITS = 255;  // what a name field of the settings file holds

// The six colours that a group's Reset gives sensors 0..5.
extern const COLORREF kResetLineColours[THD_SENSORS];

class CTHDDialogDlg : public CDialog {
public:
    explicit CTHDDialogDlg(CWnd* parent = nullptr);

    CString m_channelName[THD_SENSORS];
    int m_lineType[THD_QUANTITIES][THD_SENSORS] = {};       // 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 long-short
    int m_lineThickness[THD_QUANTITIES][THD_SENSORS] = {};  // 0 "1/2 pt", 1 "1 pt", 2 "1 1/2 pt"
    COLORREF m_lineColour[THD_QUANTITIES][THD_SENSORS] = {};
    int m_language = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Names and colours into the members, then the lists through the data exchange.
    void OnOK() override;

    UI_DECLARE_MESSAGE_MAP()

private:
    CLineTypeComboBox m_lineTypeBox[THD_QUANTITIES][THD_SENSORS];
    CLineThickComboBox m_thicknessBox[THD_QUANTITIES][THD_SENSORS];
    CColorButton m_colourButton[THD_QUANTITIES][THD_SENSORS];

    void LayOut();
    void FillLists();
    void ShowColour(int quantity, int sensor, COLORREF colour);
    // A colour button: the colour dialog, opened on black; a confirmed colour goes on the button.
    void OnColourButton(UINT id);
    // A Reset button: its group's lists to one position and its buttons to the reset colours.
    void OnReset(UINT id);
};
