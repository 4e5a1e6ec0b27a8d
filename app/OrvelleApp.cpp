#include "app/OrvelleApp.h"

#include "app/OrvelleDlg.h"
#include "station/InitOrder.h"

#include <commctrl.h>

// Built after the text tables and the decoder and before the station object.
COrvelleApp g_theApp __attribute__((init_priority(INIT_PRIORITY_APPLICATION)));

COrvelleApp::COrvelleApp() : CWinApp(L"Orvelle") {}

BOOL COrvelleApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), 0xFF};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    COrvelleDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop follows; the program ends.
    return FALSE;
}
