// The all-sensor chart window: a modeless child dialog (template 184) that lies over the main
// window's panels. The main window creates it once at start and keeps it hidden until the display
// shows it.
//
// For now the window only exists: it is created and placed, and it has none of its own behaviour
// yet (series, charts, settings file and handlers come with the chart window itself).
#pragma once
#include "platform/ui/UiDialog.h"

class COrvelleDlg;

class CShowAllChartDlg : public CDialog {
public:
    CShowAllChartDlg();

    // Creates the window modeless and hidden, owned by the main window.
    BOOL Create(CWnd* parent);

    COrvelleDlg* m_pMainDlg = nullptr;   // set by the main window before Create
    CString m_chartFolder;               // the main window's image folder, ends in a backslash
};
