// The chart display dialog: which parts the main window's panels show (forecast, pressure, UV, rain,
// wind speed, wind direction) and the kind of each chart. The members have the names and meanings
// of the main window's display switches: a view is 1 (bar, or the first direction chart), 2 (line,
// or the second direction chart) or 3 (the wind rose, for speed and direction together), and 0
// for a hidden chart. OK hands every member back; Cancel hands back nothing.
#pragma once
#include "platform/ui/UiDialog.h"

class CDisplayDialogDlg : public CDialog {
public:
    explicit CDisplayDialogDlg(CWnd* parent = nullptr);

    int m_showForecast = 1;
    int m_showPressure = 1;
    int m_showUv = 0;
    int m_showRain = 1;
    int m_showWindSpeed = 1;
    int m_showWindDirection = 1;
    int m_pressureView = 1;
    int m_uvView = 2;
    int m_rainView = 1;
    int m_windSpeedView = 3;
    int m_windDirectionView = 3;
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
