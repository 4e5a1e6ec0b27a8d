// The chart display dialog: which parts the main window's panels show (forecast, pressure, UV, rain,
// wind speed, wind direction) and the kind of each chart, as the main window's display switches
// (records/DisplaySwitches.h). OK hands every switch back; Cancel hands back nothing.
#pragma once
#include "platform/ui/UiDialog.h"
#include "records/DisplaySwitches.h"

class CDisplayDialogDlg : public CDialog, public DisplaySwitches {
public:
    explicit CDisplayDialogDlg(CWnd* parent = nullptr);

    int m_language = 0;

    BOOL OnInitDialog() override;
    void OnOK() override;

    UI_DECLARE_MESSAGE_MAP()

private:
    void OnPaint();
    void OnChartCheck(UINT id);
    void OnWindCheck();
    void OnChartRadio(UINT id);
    void OnWindRadio(UINT id);
    void ShowWindViews();
};
