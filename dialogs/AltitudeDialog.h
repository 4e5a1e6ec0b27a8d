// The altitude dialog: the altitude the station uses for its pressure values, edited in the unit
// chosen for display (metres or feet) with an edit box and an up-down control. "Upload new
// setting" sends it through the main window's WriteAltitude; "Close" hands nothing back.
#pragma once
#include "controls/CaptionButton.h"
#include "dialogs/StationWriters.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

class CAltitudeDialogDlg : public CDialog {
public:
    explicit CAltitudeDialogDlg(CWnd* parent = nullptr);

    // The "Current setting": set by the caller in metres; from the opening on it is shown (and
    // kept) in the display unit, and after an upload it holds what the station holds (the uploaded
    // value, or after a failure the value read again when that read worked).
    int m_altitude = 0;
    int m_altitudeUnit = 1;                 // 1 metres, otherwise feet
    CStationWriters* m_pMainDlg = nullptr;
    int m_editTouched = 0;                  // set when the edit box gets the focus
    int m_language = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    UI_DECLARE_MESSAGE_MAP()

private:
    CSpinButtonCtrl m_spin;
    CCaptionButton m_uploadButton;

    bool InFeet() const { return m_altitudeUnit != 1; }
    void LayOut();
    void OnEditFocus();
    void OnEditChange();
    void OnSpinDelta(NMHDR* header, LRESULT* result);
    void OnUploadNewSetting();
};

// The range of the altitude in the display unit: -200..5000 m, -656..16404 ft.
void AltitudeRange(bool feet, int* lowest, int* highest);
