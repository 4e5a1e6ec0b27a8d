// The all-sensor chart window: a modeless child dialog (template 184) that lies over the main
// window's panels. The main window creates it once at start and keeps it hidden until a click on
// one of its small charts shows it; the window's close button gives the panels back.
//
// For now the window has its close button; its series, charts, settings file and period come with
// the chart window itself.
#pragma once
#include "platform/ui/UiDialog.h"

class COrvelleDlg;

// What the chart window asks of the window it covers.
class CAllChartOwner {
public:
    virtual ~CAllChartOwner() = default;
    // The chart window has hidden itself: the panels come back, are laid out and re-texted.
    virtual void OnAllChartClosed() = 0;
};

class CShowAllChartDlg : public CDialog {
public:
    CShowAllChartDlg();

    // Creates the window modeless and hidden, owned by the main window.
    BOOL Create(CWnd* parent);

    // Recomputes the period from the range box and redraws; called right after the window is
    // shown. The period and the charts come with the chart window's content.
    void OnTimeRangeChange();

    COrvelleDlg* m_pMainDlg = nullptr;   // set by the main window before Create
    CAllChartOwner* m_pOwner = nullptr;  // the same window, told when the chart window closes
    CString m_chartFolder;               // the main window's image folder, ends in a backslash

    UI_DECLARE_MESSAGE_MAP()

protected:
    // Button 1139 "X": hides the window and gives the panels back.
    void OnCloseButton();
};
