// The all-sensor chart window: a modeless child dialog (template 184) that lies over the main
// window's panels. The main window creates it once at start and keeps it hidden until a click on
// one of its small charts shows it; the window's close button (and Enter or Esc in it) hides it
// again and gives the panels back.
//
// The user chooses up to twelve of the 25 series with their check boxes, a period, and either one
// line chart of every shown series or one small pie per series that counts its values in five
// value ranges. Which series, which view and which period are kept in "rShowAllChartSetting.dat"
// in the install folder, rewritten at every change.
//
// Every handler runs on the main window's thread, the history download's period setting too (the
// download ends there).
#pragma once
#include "controls/XStatic.h"
#include "display/AllChartSettings.h"
#include "display/AllSensorCharts.h"
#include "platform/ui/UiControls.h"
#include "platform/ui/UiDialog.h"

#include <array>
#include <string>

// What the chart window asks of the window it covers.
class CAllChartOwner {
public:
    virtual ~CAllChartOwner() = default;
    // The chart window has hidden itself: the panels come back, are laid out and re-texted.
    virtual void OnAllChartClosed() = 0;
    // The 54 line settings of the temperature, humidity and dewpoint lines (style, thickness code,
    // COLORREF per quantity and sensor).
    virtual const int* ChartLineSettings() const = 0;
    // The factors of the current display units.
    virtual ChartUnitFactors ChartUnits() const = 0;
    // Chart time of the current reading (the period when there is no history).
    virtual double CurrentReadingChartTime() const = 0;
    // Replaces one of the program's own files (the window's settings file) by the bytes in one step
    // (ReplaceFileWith); the main window also says a failure and writes the file again later.
    virtual bool WriteOwnFile(const std::wstring& path, const std::string& bytes);
};

class CShowAllChartDlg : public CDialog {
public:
    CShowAllChartDlg();
    ~CShowAllChartDlg() override;

    // Creates the window modeless and hidden, owned by the main window. The members below the
    // constructor are set before.
    BOOL Create(CWnd* parent);

    // Recomputes the period from the period box (or, without history, the current reading's time),
    // copies the series, redraws the view and saves the settings. The main window calls it right
    // after it shows the window.
    void OnTimeRangeChange();
    // After the history download: the hour before the last history row, and the series copied
    // again; the box, the drawing and the file are left alone.
    void SetTimeWindowFromLastRecord();

    // ---- set by the main window before Create ------------------------------------------------
    CAllChartOwner* m_pMainDlg = nullptr;
    CString m_chartFolder;         // the image folder, ends in a backslash
    std::string m_chartFolderA;    // the same, narrow, for the charting library
    CString m_settingsFolder;      // the install folder, ends in a backslash

    // ---- state ----------------------------------------------------------------------------------
    bool m_seriesShown[SERIES_COUNT] = {};
    int m_checkedCount = 0;          // never above MAX_SHOWN_SERIES
    int m_pieView = 0;               // 1 pie view, 0 line view
    double m_timeStart = 0;
    double m_timeEnd = 0;
    int SeriesCount(int series) const { return static_cast<int>(m_series[series].values.size()); }

    // ---- controls -------------------------------------------------------------------------------
    CStatic m_groupBox;                      // 1112
    CButton m_seriesCheck[SERIES_COUNT];     // 1035 + series
    CxStatic m_lineChartPicture;             // 1113
    CxStatic m_piePicture[SERIES_COUNT];     // series 0: 1119, 1..5: 1114..1118, 6..24: 1120..1138
    CComboBox m_timeRangeCombo;              // 1030

    // Control id of a series' pie picture.
    static int PieControlId(int series);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter and Esc act as the close button.
    void OnOK() override;
    void OnCancel() override;

    UI_DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlType);
    // A series' box has toggled itself: a thirteenth series is refused by unchecking it again.
    void OnSeriesCheck(UINT id);
    void OnPieView();
    void OnLineView();
    // Button 1139 "X": hides the window and gives the panels back.
    void OnCloseButton();

private:
    std::array<Series, SERIES_COUNT> m_series;
    HBRUSH m_backgroundBrush = nullptr;

    void CopySeriesFromHistory();
    void DrawAllLineChart();
    void ShowSeriesPies();
    void DrawSeriesPie(int series);
    void RedrawView();
    void LoadChartSettings();
    void SaveChartSettings();
    std::wstring SettingsPath() const;
};
