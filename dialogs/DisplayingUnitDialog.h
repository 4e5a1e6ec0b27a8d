// The displaying unit dialog: the units in which the program shows its values. A unit system
// (English, Scientific, Metric, or Custom) fixes the altitude, pressure, rain, temperature and
// wind units; the UV unit and the hour format are free in every system. Nothing goes to the
// station. The main window copies its eight unit indexes in and takes them back after OK.
//
// The seven lists sort their items by the current language's texts, so an item's position is not
// always its unit (German "Zoll" comes after "mm"): every item carries its unit as item data.
#pragma once
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

// The five units that a unit system fixes.
struct UnitSystemUnits {
    int altitude;     // 0 ft, 1 m
    int pressure;     // 0 inHg, 1 mBar/hPa, 2 mmHg
    int rain;         // 0 inch, 1 mm
    int temperature;  // 0 degC, 1 degF
    int wind;         // 0 km/h, 1 knots, 2 m/s, 3 mph
};
constexpr int UNIT_SYSTEM_ENGLISH = 0;
constexpr int UNIT_SYSTEM_SCIENTIFIC = 1;
constexpr int UNIT_SYSTEM_METRIC = 2;
constexpr int UNIT_SYSTEM_CUSTOM = 3;
// The units of English, Scientific and Metric; false for Custom or any other value.
bool UnitsOfSystem(int system, UnitSystemUnits* units);

class CDisplayingUnitDialogDlg : public CDialog {
public:
    explicit CDisplayingUnitDialogDlg(CWnd* parent = nullptr);

    // In the order of the main window's unit members and of "rDisplayingUnitSetting.dat".
    int m_unitSystem = UNIT_SYSTEM_CUSTOM;
    int m_altitudeUnit = 1;
    int m_uvUnit = 1;        // 0 MED/h, 1 UVI
    int m_pressureUnit = 1;
    int m_rainUnit = 1;
    int m_timeFormat = 1;    // 0 12-hour, nonzero 24-hour
    int m_temperatureUnit = 0;
    int m_windUnit = 3;
    int m_language = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // The checked system and each list's unit into the members, then the dialog ends with OK.
    void OnOK() override;

    UI_DECLARE_MESSAGE_MAP()

    static constexpr int LIST_COUNT = 7;

private:
    // Altitude, UV, pressure, rain, hour format, temperature, wind (combo boxes 1233, 1232, 1234..1238).
    CComboBox m_unitLists[LIST_COUNT];

    void OnSystemClicked(UINT id);
    void FillLists();
    // Selects the item of the unit in list k (none when no item has it).
    void SelectUnit(int k, int unit);
    // The unit of list k's selected item; `unit` stays as it is with no selection.
    void TakeUnit(int k, int& unit) const;
    // The system's units in the five lists, which are disabled; Custom enables them as they are.
    void ApplySystem(int system);
};
