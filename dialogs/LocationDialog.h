// The location dialog: the two cities the station keeps (the local city and a second city), each
// picked by region and city from the city tables, or the user-defined city (123) with a name,
// position, daylight-saving rule and time offset typed in. Beside the controls stands the setting
// the station holds now, and for the chosen rule the start and end of daylight-saving time.
//
// "Upload new setting" hands both cities to the main window's WriteLocation; after a success they
// become the current setting, after a failure every control shows the current setting again: what
// the station holds then, when the writer could read it again. A number field that holds no number,
// or a time offset beyond those in use on the earth (which the sunrise and sunset computation
// takes), stops the upload with a message and the focus on that field. A user-defined city's name
// field left empty keeps the city's previous name.
// Upload is enabled only by a change the user makes that differs from the current setting.
#pragma once
#include "controls/CaptionButton.h"
#include "controls/LineComboBoxes.h"
#include "dialogs/LocationLayout.h"
#include "dialogs/StationWriters.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"
#include "texts/Cities.h"

class CLocationDialogDlg : public CDialog {
public:
    explicit CLocationDialogDlg(CWnd* parent = nullptr);

    // The current setting of each side (0 the local city, 1 the second city), set by the caller.
    int m_region[LOCATION_SIDES] = {REGION_USER_DEFINED, REGION_USER_DEFINED};
    int m_cityCode[LOCATION_SIDES] = {USER_DEFINED_CITY, USER_DEFINED_CITY};
    int m_latDegrees[LOCATION_SIDES] = {};
    int m_latMinutes[LOCATION_SIDES] = {};
    int m_south[LOCATION_SIDES] = {};
    int m_lonDegrees[LOCATION_SIDES] = {};
    int m_lonMinutes[LOCATION_SIDES] = {};
    int m_west[LOCATION_SIDES] = {};
    int m_dstRule[LOCATION_SIDES] = {};
    int m_zonePlus[LOCATION_SIDES] = {1, 1};
    int m_zoneHours[LOCATION_SIDES] = {};
    int m_zoneMinutes[LOCATION_SIDES] = {};
    CString m_cityName[LOCATION_SIDES];
    CStationWriters* m_pMainDlg = nullptr;
    int m_editing = 0;  // a number field has had the focus
    int m_language = 0;

    // Makes the city the side's current setting.
    void SetCurrentCity(int side, const stationsettings::StationCity& city);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    UI_DECLARE_MESSAGE_MAP()

private:
    CComboBox m_regionList[LOCATION_SIDES];
    CComboBox m_cityList[LOCATION_SIDES];
    CReadOnlyComboBox m_latHemisphereList[LOCATION_SIDES];
    CReadOnlyComboBox m_lonHemisphereList[LOCATION_SIDES];
    CReadOnlyComboBox m_ruleList[LOCATION_SIDES];
    CReadOnlyComboBox m_signList[LOCATION_SIDES];
    CSpinButtonCtrl m_spins[LOCATION_SIDES][LOCATION_NUMBER_FIELDS];
    CCaptionButton m_uploadButton;
    bool m_filling = false;  // the dialog itself is filling controls: no user change

    // ---- layout and lists (LocationDialog.cpp) ----
    void LayOut();
    void FillLists();
    void SelectRegion(int side, int region);
    int SelectedRegion(int side) const;
    int SelectedCity(int side) const;

    // ---- a side's controls (LocationCityControls.cpp) ----
    void FillCityControls(int side, int region, int city);
    void PutCurrentSetting(int side);
    void ShowCurrentSettingTexts(int side);
    void ShowDstDates(int side, int rule);
    void SetNumber(int side, int field, int value);
    int ReadNumber(int side, int field);
    int NumberFieldWithoutNumber() const;
    CSpinButtonCtrl* PositionSpinOutOfRange();
    int ZoneFieldOutOfRange() const;
    CString NameToSend(int side);
    int CurrentNumber(int side, int field) const;
    stationsettings::StationCity ReadSide(int side);

    // ---- handlers (LocationCityControls.cpp) ----
    void OnUploadNewSetting();
    void OnSelectionChanged(UINT id);
    void OnEditFocus(UINT id);
    void OnEditChanged(UINT id);
    void OnZoneMinutesSpin(NMHDR* header, LRESULT* result);
    void RestoreCurrentSetting();
    void EnableUpload(bool enable);
};
