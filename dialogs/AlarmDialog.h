// The alarm dialog: the alarms the station keeps (temperature limits, rainfall, wind-speed and
// gust limits, the weekday and single alarm clock times, the pre-alarm with its period and
// duration), each with an on/off check box. "Upload new setting" hands the edited values as one
// record to the main window's WriteAlarms; "Close" hands nothing back.
#pragma once
#include "controls/CaptionButton.h"
#include "dialogs/StationWriters.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

#include <string>

class CAlarmDialogDlg : public CDialog {
public:
    explicit CAlarmDialogDlg(CWnd* parent = nullptr);

    // Set by the main window before DoModal (the record's fields, hours 0..23, temperatures in
    // tenths of a degree Celsius).
    int m_temperatureAlarmOn = 0;
    int m_rainAlarmOn = 0;
    int m_windAlarmOn = 0;
    int m_gustAlarmOn = 0;
    int m_weekdayAlarmOn = 0;
    int m_singleAlarmOn = 0;
    int m_preAlarmOn = 0;
    int m_temperatureUpper = 0;
    int m_temperatureLower = 0;
    int m_rainUpper = 2;
    int m_windUpper = 1;
    int m_gustUpper = 1;
    int m_weekdayHour = 0, m_weekdayMinute = 0;
    int m_singleHour = 0, m_singleMinute = 0;
    int m_period = 1;
    int m_duration = 1;
    CStationWriters* m_pMainDlg = nullptr;
    int m_editTouched = 0;   // set when one of the value edits gets the focus
    int m_language = 0;
    int m_timeFormat = 1;    // the main window's: nonzero 24-hour times, 0 12-hour times with AM/PM

    // The "Current setting" texts beside the values.
    CString m_currentTemperatureUpperText;
    CString m_currentTemperatureLowerText;
    int m_currentRain = 0;
    int m_currentWind = 0;
    int m_currentGust = 0;
    CString m_currentWeekdayText;
    CString m_currentSingleText;

    // Fills the members from an alarm record and back.
    void SetRecord(const stationsettings::AlarmRecord& record);
    stationsettings::AlarmRecord Record() const;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    UI_DECLARE_MESSAGE_MAP()

private:
    // The values in force when the dialog opened or after the last successful upload.
    int m_initialTemperatureUpper = 0;
    int m_initialTemperatureLower = 0;
    int m_initialWeekdayPm = 0;
    int m_initialSinglePm = 0;

    int m_lastTypedLimit = 0;    // the temperature limit's edit typed in last (0: none yet)
    bool m_showingLimit = false; // set while the dialog writes a limit's text itself

    CComboBox m_weekdayAmPm;   // 1145
    CComboBox m_singleAmPm;    // 1031
    CCaptionButton m_uploadButton;  // 1209
    CSpinButtonCtrl m_temperatureUpperSpin, m_temperatureLowerSpin, m_rainSpin, m_windSpin, m_gustSpin;
    CSpinButtonCtrl m_weekdayHourSpin, m_weekdayMinuteSpin, m_singleHourSpin, m_singleMinuteSpin;
    CSpinButtonCtrl m_periodSpin, m_durationSpin;

    bool TwelveHour() const { return m_timeFormat == 0; }
    void LayOut();
    void SetSpinRanges();
    void ShowMembers();
    void UpdatePreAlarmControls();
    void BuildCurrentTexts();
    void RememberInitialValues();
    void EnableUpload(bool enable);
    void ShowLimit(int edit, int tenths);
    int FieldWithoutNumber();
    int FieldOutOfRange(std::wstring* lowest, std::wstring* highest);
    int UploadHour(CSpinButtonCtrl& spin, const CComboBox& amPm);
    stationsettings::AlarmRecord TypedRecord();

    void OnTimeAlarmClicked(UINT id);
    void OnOtherAlarmClicked(UINT id);
    void OnEditFocus(UINT id);
    void OnEditChange(UINT id);
    void OnAmPmChanged(UINT id);
    void OnSpinDelta(NMHDR* header, LRESULT* result);
    void OnUploadNewSetting();
};
